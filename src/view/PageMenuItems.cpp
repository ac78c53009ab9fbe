#include "view/PageMenuItems.h"

namespace PageMenuItems {

QList<PageMenuItem> For(const PageMenuContext& context)
{
    using enum PageMenuItem;
    QList<PageMenuItem> items;
    if (context.link)
        items << OpenLinkInNewTab << CopyLinkAddress << Separator;
    if (context.image)
        items << SaveImageAs << CopyImage << CopyImageAddress << Separator;
    if (context.editable)
        items << Cut << Copy << Paste << Separator << SelectAll;
    else if (context.selection)
        items << Copy << Separator << SelectAll;
    else if (!context.link && !context.image)
        items << Back << Forward << Refresh << Separator << SaveAs << ViewSource << Separator
              << SelectAll;
    if (!items.isEmpty() && items.last() == Separator)
        items.removeLast();
    return items;
}

QString Text(PageMenuItem item)
{
    switch (item) {
    case PageMenuItem::Separator:
        return {};
    case PageMenuItem::Back:
        return QStringLiteral("戻る");
    case PageMenuItem::Forward:
        return QStringLiteral("進む");
    case PageMenuItem::Refresh:
        return QStringLiteral("最新の情報に更新");
    case PageMenuItem::SaveAs:
        return QStringLiteral("名前を付けて保存");
    case PageMenuItem::ViewSource:
        return QStringLiteral("ソースの表示");
    case PageMenuItem::Cut:
        return QStringLiteral("切り取り");
    case PageMenuItem::Copy:
        return QStringLiteral("コピー");
    case PageMenuItem::Paste:
        return QStringLiteral("貼り付け");
    case PageMenuItem::SelectAll:
        return QStringLiteral("すべて選択");
    case PageMenuItem::OpenLinkInNewTab:
        return QStringLiteral("新しいタブで開く");
    case PageMenuItem::CopyLinkAddress:
        return QStringLiteral("リンクのアドレスをコピー");
    case PageMenuItem::SaveImageAs:
        return QStringLiteral("名前を付けて画像を保存");
    case PageMenuItem::CopyImage:
        return QStringLiteral("画像をコピー");
    case PageMenuItem::CopyImageAddress:
        return QStringLiteral("画像のアドレスをコピー");
    }
    return {};
}

} // namespace PageMenuItems

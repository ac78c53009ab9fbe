#include "pagetools/ImageTools.h"

#include "pagetools/ScriptRunner.h"
#include "view/CZelvoView.h"

#include <QVariantMap>

namespace ImageTools {

void Resize(CZelvoView& view, int delta)
{
    ScriptRunner::Run(view, QStringLiteral("ImageTools"), {{"mode", "resize"}, {"delta", delta}});
}

void Mosaic(CZelvoView& view, int strength, std::function<void(MosaicResult)> done)
{
    ScriptRunner::Run(view, QStringLiteral("ImageTools"),
                      {{"mode", "mosaic"}, {"strength", strength}}, [done](const QVariant& result) {
                          const QVariantMap r = result.toMap();
                          if (done)
                              done({r.value("done").toInt(), r.value("unreadable").toInt()});
                      });
}

QString MosaicStatus(const MosaicResult& result)
{
    if (result.unreadable == 0)
        return QString();
    return QStringLiteral("他のサイトの画像 %1 個はモザイクにできませんでした")
        .arg(result.unreadable);
}

void ShowInfo(CZelvoView& view)
{
    ScriptRunner::Run(view, QStringLiteral("ImageTools"), {{"mode", "info"}});
}

} // namespace ImageTools

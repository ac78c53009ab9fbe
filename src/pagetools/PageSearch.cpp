#include "pagetools/PageSearch.h"

#include "pagetools/ScriptRunner.h"
#include "platform/MessageBox.h"
#include "view/CZelvoView.h"

#include <QPointer>
#include <QVariantMap>

void PageSearch::FindInPage(CZelvoView& view, const QString& word, bool silent)
{
    if (word != m_lastSearchWord)
        m_bookmark = -1;
    m_lastSearchWord = word;
    const bool held = m_bookmark >= 0;
    const QJsonObject args{
        {"mode", "find"}, {"word", word}, {"bookmark", m_bookmark}, {"bookmarkUrl", m_bookmarkUrl}};
    QPointer<PageSearch> self(this);
    QPointer<CZelvoView> target(&view);
    ScriptRunner::Run(view, QStringLiteral("PageSearch"), args,
                      [self, target, word, silent, held](const QVariant& result) {
                          if (!self || !target)
                              return;
                          const QVariantMap r = result.toMap();
                          if (r.value("found").toBool()) {
                              self->m_bookmark = r.value("bookmark").toInt();
                              self->m_bookmarkUrl = r.value("url").toString();
                              return;
                          }
                          self->m_bookmark = -1;
                          if (held) {
                              self->FindInPage(*target, word, true);
                              return;
                          }
                          if (silent)
                              return;
                          CHtmlView::DialogHold hold(*target);
                          ShowMessageBox(
                              target,
                              QStringLiteral("検索語句を発見できませんでした。: '%1'").arg(word),
                              QString());
                      });
}

void PageSearch::HighlightInPage(CZelvoView& view, const QString& word, Done done)
{
    const QJsonObject args{{"mode", "highlight"},
                           {"word", word},
                           {"id", QLatin1String(kMarkId)},
                           {"style", QLatin1String(kMarkStyle)}};
    ScriptRunner::Run(view, QStringLiteral("PageSearch"), args, [done](const QVariant& result) {
        if (done)
            done(result.toMap().value("count").toInt());
    });
}

void PageSearch::SearchSelection(CZelvoView& view, std::function<void(const QString&)> search)
{
    QPointer<CZelvoView> target(&view);
    ScriptRunner::Run(view, QStringLiteral("SelectionRead"), {},
                      [target, search](const QVariant& result) {
                          if (!target)
                              return;
                          CHtmlView::DialogHold hold(*target);
                          if (!result.canConvert<QVariantMap>()) {
                              ShowMessageBox(target, QStringLiteral("失敗"), QStringLiteral("失敗"),
                                             MbIcon::Stop);
                              return;
                          }
                          const QString text = result.toMap().value("text").toString();
                          if (text.isEmpty()) {
                              ShowMessageBox(target, QStringLiteral("検索できません！"), QString(),
                                             MbIcon::Exclamation);
                              return;
                          }
                          search(text);
                      });
}

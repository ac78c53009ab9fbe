// Encodings and page information of the browser view.
#include "view/CZelvoView.h"

#include "commands/CommandId.h"
#include "core/EncodingList.h"
#include "core/PageInfo.h"
#include "platform/MessageBox.h"
#include "view/EnginePage.h"

#include <QCursor>
#include <QFileInfo>
#include <QMenu>
#include <QWebEngineScript>
#include <QWebEngineSettings>

namespace {

constexpr int kEncodingFirst = ToInt(CommandId::EncodingFirst);

// Reads the page's bytes again (from the cache when it can) and writes the
// document anew from them decoded as %1: the address and the history stay.
// False when the bytes could not be had.
const char kRedecode[] = R"JS((function (encoding) {
  try {
    var x = new XMLHttpRequest();
    x.open('GET', location.href, false);
    x.overrideMimeType('text/plain; charset=x-user-defined');
    x.send();
    if (x.status !== 0 && (x.status < 200 || x.status >= 300))
      return false;
    var s = x.responseText, bytes = new Uint8Array(s.length);
    for (var i = 0; i < s.length; ++i)
      bytes[i] = s.charCodeAt(i) & 0xff;
    var text = new TextDecoder(encoding).decode(bytes);
    document.open();
    document.write(text);
    document.close();
    return true;
  } catch (e) {
    return false;
  }
})('%1'))JS";

const char kPageInfo[] = R"JS((function () {
  var n = performance.getEntriesByType('navigation')[0];
  return [location.protocol, document.characterSet,
          n && n.decodedBodySize > 0 ? String(n.decodedBodySize) : '',
          document.referrer, document.contentType, document.domain];
})())JS";

} // namespace

void CZelvoView::BindEncodingCommands()
{
    const std::pair<CommandId, QStringList> fixed[] = {
        {CommandId::EncodingJapaneseAuto, {QStringLiteral("自動選択"), QStringLiteral("日本語")}},
        {CommandId::EncodingEucJp, {QStringLiteral("EUC"), QStringLiteral("日本語")}},
        {CommandId::EncodingShiftJis, {QStringLiteral("JIS"), QStringLiteral("日本語")}},
    };
    for (const auto& [id, words] : fixed)
        m_commands.Bind(ToInt(id), [this, words] { SwitchEncodingByWords(words); });
    m_commands.Bind(
        ToInt(CommandId::EncodingMenu), [this] { ShowEncodingMenu(); },
        [this](CmdUI& ui) { ui.enabled = !GetBusy(); });
}

void CZelvoView::SwitchEncodingByWords(const QStringList& words)
{
    SwitchEncoding(EncodingList::FindContaining(words));
}

void CZelvoView::SwitchEncoding(int entry)
{
    if (entry < 0 || entry >= EncodingList::Entries().size()) {
        ShowMessageBox(this, QStringLiteral("失敗"), QStringLiteral("失敗"));
        return;
    }
    if (GetLocationURL().isEmpty())
        return;
    const QByteArray name = EncodingList::Entries().at(entry).name;
    GetPage()->settings()->setDefaultTextEncoding(QString::fromLatin1(name));
    if (name.isEmpty()) {
        // The engine's own choice: the page as it was sent.
        m_chosenEncoding.clear();
        Refresh();
        return;
    }
    RedecodePage(name);
}

void CZelvoView::RedecodePage(const QByteArray& encoding)
{
    QPointer<CZelvoView> self(this);
    GetPage()->runJavaScript(QString::fromLatin1(kRedecode).arg(QString::fromLatin1(encoding)),
                             QWebEngineScript::ApplicationWorld,
                             [self, encoding](const QVariant& done) {
                                 if (!self)
                                     return;
                                 if (!done.toBool()) {
                                     // A page that cannot be read again is loaded again: the
                                     // encoding then holds where the page names none.
                                     self->Refresh();
                                     return;
                                 }
                                 self->m_chosenEncoding = encoding;
                                 self->ShowTitleInCaptions();
                             });
}

void CZelvoView::CurrentEncoding(std::function<void(const QByteArray&)> done)
{
    if (!m_chosenEncoding.isEmpty()) {
        done(m_chosenEncoding);
        return;
    }
    QPointer<CZelvoView> self(this);
    GetPage()->runJavaScript(QStringLiteral("document.characterSet"),
                             QWebEngineScript::ApplicationWorld,
                             [self, done](const QVariant& charset) {
                                 if (self)
                                     done(charset.toString().toLatin1());
                             });
}

void CZelvoView::ShowEncodingMenu()
{
    QPointer<CZelvoView> self(this);
    CurrentEncoding([self](const QByteArray& current) {
        if (self)
            self->FillEncodingMenu(current);
    });
}

void CZelvoView::FillEncodingMenu(const QByteArray& current)
{
    delete m_encodingMenu;
    m_encodingMenu = new QMenu(this);
    m_encodingMenu->setObjectName(QStringLiteral("encodingMenu"));
    m_encodingMenu->setAttribute(Qt::WA_DeleteOnClose);
    const int checked = EncodingList::FindByName(current);
    QMenu* more = nullptr;
    const QList<EncodingList::Entry>& entries = EncodingList::Entries();
    for (int i = 0; i < entries.size(); ++i) {
        if (entries[i].more && !more) {
            more = m_encodingMenu->addMenu(EncodingList::MoreTitle());
            more->setObjectName(QStringLiteral("encodingMore"));
        }
        QAction* action = (more ? more : m_encodingMenu.data())->addAction(entries[i].text);
        action->setData(kEncodingFirst + i);
        action->setCheckable(true);
        action->setChecked(i == checked);
        const QString text = entries[i].text;
        connect(action, &QAction::triggered, this,
                [this, text] { SwitchEncoding(EncodingList::FindByText(text)); });
    }
    m_encodingMenu->popup(QCursor::pos());
}

void CZelvoView::GetPageInfoText(std::function<void(const QString&)> done)
{
    QPointer<CZelvoView> self(this);
    GetPage()->runJavaScript(QString::fromLatin1(kPageInfo), QWebEngineScript::ApplicationWorld,
                             [self, done](const QVariant& result) {
                                 if (!self)
                                     return;
                                 const QVariantList fields = result.toList();
                                 PageInfo info;
                                 info.title = self->GetLocationName();
                                 info.protocol = fields.value(0).toString();
                                 info.charset = self->m_chosenEncoding.isEmpty()
                                                    ? fields.value(1).toString()
                                                    : QString::fromLatin1(self->m_chosenEncoding);
                                 info.fileSize = fields.value(2).toString();
                                 info.referrer = fields.value(3).toString();
                                 info.mimeType = fields.value(4).toString();
                                 info.domain = fields.value(5).toString();
                                 // Local files have no response the engine counts; the file tells.
                                 const QUrl url(self->GetLocationURL());
                                 if (info.fileSize.isEmpty() && url.isLocalFile() &&
                                     QFileInfo(url.toLocalFile()).isFile())
                                     info.fileSize =
                                         QString::number(QFileInfo(url.toLocalFile()).size());
                                 done(PageInfoText(info));
                             });
}

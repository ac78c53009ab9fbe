#include "view/FormFill.h"

#include "core/FormFiles.h"
#include "core/StoredAddress.h"
#include "platform/MessageBox.h"
#include "view/CHtmlView.h"
#include "view/EnginePage.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QPointer>
#include <QWebEngineScript>

namespace {

const QString kCaption = QStringLiteral("Zelvo");

QString FieldScript()
{
    static const QString source = [] {
        QFile file(QStringLiteral(":/scripts/FormFields.js"));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }();
    return source;
}

// Runs the field script in a world of its own, out of the page's reach; done
// gets the script's result, and is not called when the view is gone by then.
void RunFieldScript(CHtmlView& view, const QString& argument,
                    std::function<void(CHtmlView&, const QVariant&)> done)
{
    QPointer<CHtmlView> guard(&view);
    view.GetPage()->runJavaScript(FieldScript() + QLatin1Char('(') + argument + QLatin1Char(')'),
                                  QWebEngineScript::ApplicationWorld,
                                  [guard, done = std::move(done)](const QVariant& result) {
                                      if (guard)
                                          done(*guard, result);
                                  });
}

MbAnswer Show(CHtmlView& view, const QString& text, const QString& caption, MbIcon icon,
              MbButtons buttons = MbButtons::Ok)
{
    CHtmlView::DialogHold hold(view);
    return ShowMessageBox(&view, text, caption, icon, buttons);
}

void Store(CHtmlView& view, const QString& fileName, const QString& url, bool existed,
           const std::function<void(const QString&)>& newFile, const QVariant& fields)
{
    if (fields.typeId() != QMetaType::QVariantList) {
        Show(view, QStringLiteral("ページの入力欄を読み取れませんでした。"), QStringLiteral("失敗"),
             MbIcon::Stop);
        return;
    }
    FormRecord record{url, {}};
    for (const QVariant& value : fields.toList())
        record.values.append(value.toString());
    if (!FormFiles::Write(fileName, record)) {
        Show(view, QStringLiteral("フォームの入力語句を登録できませんでした。"),
             QStringLiteral("失敗"), MbIcon::Stop);
        return;
    }
    if (!existed && newFile)
        newFile(fileName);
    Show(view, QStringLiteral("フォームの入力語句を登録しました！"), QStringLiteral("登録終了"),
         MbIcon::Information);
}

} // namespace

namespace FormFill {

void RegisterForm(CHtmlView& view, const std::function<void(const QString& fileName)>& newFile)
{
    const QString title = view.GetLocationName();
    const QString url = view.GetLocationURL();
    // A page without a title goes by its address, which names no form.
    if (title.isEmpty() || title.contains(QLatin1String("http://")) || title == url) {
        Show(view, QStringLiteral("サイトにタイトルがありません！"), kCaption, MbIcon::None);
        return;
    }
    const QString fileName = FormFiles::FileNameForTitle(title);
    const bool existed = FormFiles::Exists(fileName);
    if (existed &&
        Show(view, QStringLiteral("既に登録されています！ 上書きしますか？"),
             QStringLiteral("確認"), MbIcon::Question, MbButtons::YesNo) != MbAnswer::Yes) {
        Show(view, QStringLiteral("登録を中止します。"), kCaption, MbIcon::None);
        return;
    }
    const QString stored = StoredAddress::Encode(url);
    RunFieldScript(view, QStringLiteral("null"),
                   [fileName, stored, existed, newFile](CHtmlView& v, const QVariant& fields) {
                       Store(v, fileName, stored, existed, newFile, fields);
                   });
}

void FillForm(CHtmlView& view)
{
    const QString fileName = FormFiles::FileNameForTitle(view.GetLocationName());
    if (!FormFiles::Exists(fileName)) {
        Show(view, QStringLiteral("FILE登録されていません！"), kCaption, MbIcon::None);
        return;
    }
    const FormRecord record = FormFiles::Read(fileName);
    if (record.url != StoredAddress::Encode(view.GetLocationURL())) {
        Show(view, QStringLiteral("URL登録されていません！"), kCaption, MbIcon::None);
        return;
    }
    const QByteArray values =
        QJsonDocument(QJsonArray::fromStringList(record.values)).toJson(QJsonDocument::Compact);
    RunFieldScript(view, QString::fromUtf8(values), [](CHtmlView& v, const QVariant& count) {
        if (!count.isValid())
            Show(v, QStringLiteral("ページの入力欄に書き込めませんでした。"),
                 QStringLiteral("失敗"), MbIcon::Stop);
    });
}

} // namespace FormFill

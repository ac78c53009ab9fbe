#include "pagetools/ScriptRunner.h"

#include "view/CHtmlView.h"
#include "view/EnginePage.h"
#include "platform/MessageBox.h"

#include <QFile>
#include <QJsonDocument>
#include <QPointer>
#include <QWebEngineScript>

namespace {

QString ReadScript(const QString& name)
{
    QFile file(QStringLiteral(":/pagetools/scripts/") + name + QStringLiteral(".js"));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing page tool script %s", qPrintable(name));
    return QString::fromUtf8(file.readAll());
}

} // namespace

QString ScriptRunner::Source(const QString& name, const QJsonObject& args)
{
    static const QString frames = ReadScript(QStringLiteral("ScriptRunnerFrames"));
    const QString json = QString::fromUtf8(QJsonDocument(args).toJson(QJsonDocument::Compact));
    return QStringLiteral("(function (args) {\n") + frames + QLatin1Char('\n') + ReadScript(name) +
           QStringLiteral("\n})(") + json + QStringLiteral(");");
}

void ScriptRunner::Run(CHtmlView& view, const QString& name, const QJsonObject& args, Done done)
{
    QPointer<CHtmlView> guard(&view);
    view.GetPage()->runJavaScript(Source(name, args), QWebEngineScript::ApplicationWorld,
                                  [guard, done](const QVariant& result) {
                                      if (guard && done)
                                          done(result);
                                  });
}

void ScriptRunner::ShowFailure(CHtmlView& view)
{
    CHtmlView::DialogHold hold(view);
    ShowMessageBox(&view, QStringLiteral("失敗"), QStringLiteral("失敗"), MbIcon::Stop);
}

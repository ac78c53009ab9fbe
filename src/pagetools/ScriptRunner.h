#pragma once

#include <QJsonObject>
#include <QString>
#include <QVariant>

#include <functional>

class CHtmlView;

// Runs the page tools' scripts on a view's page. Each script is a resource
// (:/pagetools/scripts/<name>.js) run in a world of our own, which pages can
// neither see nor tamper with, with the frame helpers in scope and the
// arguments as `args`; what it returns comes back to done. done is not called
// when the view is gone first.
class ScriptRunner {
public:
    using Done = std::function<void(const QVariant& result)>;

    static void Run(CHtmlView& view, const QString& name, const QJsonObject& args = {},
                    Done done = {});
    // The box of a page tool that could not reach the page's documents.
    static void ShowFailure(CHtmlView& view);
    // The source Run hands to the engine.
    static QString Source(const QString& name, const QJsonObject& args);
};

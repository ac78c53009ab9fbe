#pragma once

#include <QTest>
#include <QVariant>
#include <QWebEnginePage>
#include <QWebEngineScript>

#include <optional>

// Runs script in the page and waits for its value; nothing when no answer came.
inline std::optional<QVariant> RunPageScript(QWebEnginePage* page, const QString& script,
                                             quint32 world = QWebEngineScript::MainWorld)
{
    QVariant result;
    bool done = false;
    page->runJavaScript(script, world, [&](const QVariant& value) {
        result = value;
        done = true;
    });
    if (!QTest::qWaitFor([&] { return done; }, 15000))
        return std::nullopt;
    return result;
}

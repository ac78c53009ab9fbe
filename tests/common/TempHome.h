#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A fresh program directory for one test: sets ZELVO_HOME while it lives, and
// XDG_CONFIG_HOME to a fresh folder of its own, so the per-user stores start
// empty too.
class TempHome {
public:
    TempHome();
    ~TempHome();
    TempHome(const TempHome&) = delete;
    TempHome& operator=(const TempHome&) = delete;

    QString path() const { return m_dir.path(); }
    QString file(const QString& name) const { return m_dir.path() + QLatin1Char('/') + name; }

    // Raw bytes of a file in the directory; empty when missing.
    QByteArray read(const QString& name) const;
    void write(const QString& name, const QByteArray& bytes) const;
    bool exists(const QString& name) const;

    QString configPath() const { return m_config.path(); }

private:
    QTemporaryDir m_dir;
    QTemporaryDir m_config;
    QByteArray m_oldHome;
    bool m_hadHome = false;
    QByteArray m_oldConfig;
    bool m_hadConfig = false;
};

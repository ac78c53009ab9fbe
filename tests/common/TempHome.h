#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A fresh program directory for one test: sets ZELVO_HOME while it lives.
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

private:
    QTemporaryDir m_dir;
    QByteArray m_oldHome;
    bool m_hadHome = false;
};

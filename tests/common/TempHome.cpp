#include "TempHome.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

TempHome::TempHome()
    : m_oldHome(qgetenv("ZELVO_HOME")), m_hadHome(qEnvironmentVariableIsSet("ZELVO_HOME")),
      m_oldConfig(qgetenv("XDG_CONFIG_HOME")),
      m_hadConfig(qEnvironmentVariableIsSet("XDG_CONFIG_HOME"))
{
    qputenv("ZELVO_HOME", QFile::encodeName(m_dir.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config.path()));
}

TempHome::~TempHome()
{
    if (m_hadHome)
        qputenv("ZELVO_HOME", m_oldHome);
    else
        qunsetenv("ZELVO_HOME");
    if (m_hadConfig)
        qputenv("XDG_CONFIG_HOME", m_oldConfig);
    else
        qunsetenv("XDG_CONFIG_HOME");
}

QByteArray TempHome::read(const QString& name) const
{
    QFile f(file(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void TempHome::write(const QString& name, const QByteArray& bytes) const
{
    QDir().mkpath(QFileInfo(file(name)).path());
    QFile f(file(name));
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(bytes);
}

bool TempHome::exists(const QString& name) const
{
    return QFileInfo::exists(file(name));
}

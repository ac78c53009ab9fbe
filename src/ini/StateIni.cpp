#include "ini/StateIni.h"

#include "core/ProfileStore.h"
#include "core/ProgramDir.h"

namespace {

QString Path()
{
    return SettingsPath(QStringLiteral("State.ini"));
}

} // namespace

namespace StateIni {

QByteArray Band(int position)
{
    return ProfileStore::GetString("state", QByteArray::number(position).constData(), "", 260,
                                   Path());
}

bool SaveBands(const QList<QByteArray>& records)
{
    ProfileStore::Batch batch(Path());
    for (int i = 0; i < records.size(); ++i)
        batch.Set("state", QByteArray::number(i).constData(), records[i]);
    return batch.Commit();
}

int DockLen()
{
    return GetPrivateProfileIntA("Dock", "len", 200, Path());
}

void SetDockLen(int width)
{
    WritePrivateProfileStringA("Dock", "len", QByteArray::number(width).constData(), Path());
}

int ToolbarButton(int index)
{
    return GetPrivateProfileIntA("toolbar", QByteArray::number(index).constData(), 0, Path());
}

bool SaveToolbarButtons(const QList<bool>& hidden)
{
    ProfileStore::Batch batch(Path());
    for (int i = 0; i < hidden.size(); ++i)
        batch.Set("toolbar", QByteArray::number(i).constData(), hidden[i] ? "1" : "0");
    return batch.Commit();
}

} // namespace StateIni

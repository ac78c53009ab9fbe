#include "ini/PrivacyIni.h"

#include "core/ProfileStore.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

constexpr const char* kSites = "Sites";

QByteArray TemplateKey(int type)
{
    return "Template" + QByteArray::number(type);
}

// A key the file can hold and read back as the same name.
bool Storable(const QString& site)
{
    if (site.isEmpty())
        return false;
    for (QChar c : site)
        if (c.unicode() <= 0x20 || c.unicode() > 0x7E || QStringLiteral("=[];").contains(c))
            return false;
    return true;
}

bool MakeFolder()
{
    return QDir().mkpath(QFileInfo(PrivacyIni::Path()).path());
}

} // namespace

namespace PrivacyIni {

QString Path()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Zelvo/privacy.ini");
}

std::optional<uint32_t> Template(int zone, int type)
{
    const QByteArray text = ProfileStore::GetString(QByteArray::number(zone).constData(),
                                                    TemplateKey(type).constData(), "", 32, Path());
    bool ok = false;
    const uint32_t value = text.toUInt(&ok);
    return ok ? std::optional<uint32_t>(value) : std::nullopt;
}

bool SetTemplate(int zone, int type, uint32_t level)
{
    return MakeFolder() && ProfileStore::Batch(Path())
                               .Set(QByteArray::number(zone).constData(),
                                    TemplateKey(type).constData(), QByteArray::number(level))
                               .Commit();
}

QList<SiteDecision> SiteDecisions()
{
    // Site names are host names in their ASCII form, so the file holds them as they are.
    QList<SiteDecision> decisions;
    const QString path = Path();
    for (const QByteArray& key : ProfileStore::KeyNames(kSites, path)) {
        const int decision = GetPrivateProfileIntA(kSites, key.constData(), 0, path);
        if (decision != 0)
            decisions.append({QString::fromLatin1(key), decision});
    }
    return decisions;
}

bool SetSiteDecision(const QString& site, int decision)
{
    if (!Storable(site) || !MakeFolder())
        return false;
    const QByteArray key = site.toLatin1();
    ProfileStore::Batch batch(Path());
    if (decision == 0)
        batch.RemoveKey(kSites, key.constData());
    else
        batch.SetInt(kSites, key.constData(), decision);
    return batch.Commit();
}

} // namespace PrivacyIni

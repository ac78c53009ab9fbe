#include "ini/PrivacyIni.h"

#include "core/ProfileStore.h"
#include "ini/UserConfigFile.h"

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

} // namespace

namespace PrivacyIni {

QString Path()
{
    return UserConfigFile::Path("privacy.ini");
}

std::optional<uint32_t> Template(int zone, int type)
{
    return UserConfigFile::Number(Path(), QByteArray::number(zone), TemplateKey(type));
}

bool SetTemplate(int zone, int type, uint32_t level)
{
    return UserConfigFile::SetNumber(Path(), QByteArray::number(zone), TemplateKey(type), level);
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
    if (!Storable(site) || !UserConfigFile::MakeFolder(Path()))
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

#include "ini/SecurityIni.h"

#include "core/FlagToggle.h"
#include "core/ProfileStore.h"
#include "core/ProgramDir.h"

namespace {

QString Path()
{
    return SettingsPath(QStringLiteral("Security.ini"));
}

QByteArray Word(const char* key)
{
    return ProfileStore::GetString("Security", key, "", 260, Path());
}

int Flag(const char* section, const char* key)
{
    return GetPrivateProfileIntA(section, key, 0, Path());
}

int Toggle(const char* section, const char* key, ToggleKind kind = ToggleKind::Plain)
{
    return ToggleFlag(section, key, Path(), kind);
}

} // namespace

namespace SecurityIni {

QByteArray Script()
{
    return Word("script");
}

QByteArray Java()
{
    return Word("java");
}

QByteArray ActiveXRun()
{
    return Word("ActiveX_run");
}

QByteArray ActiveXDl()
{
    return Word("ActiveX_dl");
}

QByteArray Image()
{
    return Word("image");
}

QByteArray Video()
{
    return Word("video");
}

QByteArray Bgm()
{
    return Word("bgm");
}

QByteArray Cache()
{
    return Word("cache");
}

bool SetDownloadWords(const DownloadWords& words)
{
    return ProfileStore::Batch(Path())
        .Set("Security", "script", words.script)
        .Set("Security", "java", words.java)
        .Set("Security", "ActiveX_run", words.activeXRun)
        .Set("Security", "ActiveX_dl", words.activeXDl)
        .Set("Security", "image", words.image)
        .Set("Security", "video", words.video)
        .Set("Security", "bgm", words.bgm)
        .Set("Security", "cache", words.cache)
        .Commit();
}

int UrlSec()
{
    return Flag("Security", "url_sec");
}

int ToggleUrlSec()
{
    return Toggle("Security", "url_sec", ToggleKind::UrlSecurity);
}

int Mailto()
{
    return Flag("Security", "mailto");
}

int ToggleMailto()
{
    return Toggle("Security", "mailto");
}

QString Filter()
{
    return ProfileStore::GetText("Security", "filter", QString(), 260, Path());
}

QString UserAgent()
{
    return ProfileStore::GetText("Security", "user_agent", QString(), 520, Path());
}

bool SetUserAgent(const QString& agent)
{
    return ProfileStore::WriteText("Security", "user_agent", agent, Path());
}

QString CgiProxy(int size)
{
    return ProfileStore::GetText("Security", "cgi_proxy", QString(), size, Path());
}

bool SetCgiProxy(const QString& prefix)
{
    return ProfileStore::WriteText("Security", "cgi_proxy", prefix, Path());
}

int CgiCommand()
{
    return Flag("Security", "cgi_command");
}

bool SetCgiCommand(int command)
{
    return ProfileStore::WriteInt("Security", "cgi_command", command, Path());
}

int Media()
{
    return Flag("media", "setting");
}

int ToggleMedia()
{
    return Toggle("media", "setting");
}

int ChileTab()
{
    return Flag("ChileTab", "setting");
}

int ToggleChileTab()
{
    return Toggle("ChileTab", "setting");
}

int Home()
{
    return Flag("Home", "home");
}

int ToggleHome()
{
    return Toggle("Home", "home");
}

int Gesture()
{
    return Flag("Mouse", "gesture");
}

int ToggleGesture()
{
    return Toggle("Mouse", "gesture");
}

int EnddetailUrl()
{
    return Flag("Enddetail", "url");
}

int EnddetailSearch()
{
    return Flag("Enddetail", "search");
}

int EnddetailHistory()
{
    return Flag("Enddetail", "history");
}

int EnddetailTempo()
{
    return Flag("Enddetail", "tempo");
}

int EnddetailCookie()
{
    return Flag("Enddetail", "cookie");
}

int EnddetailEndtab()
{
    return Flag("Enddetail", "endtab");
}

int EnddetailDeltab()
{
    return Flag("Enddetail", "deltab");
}

bool SetFilter(const QString& filter)
{
    return ProfileStore::WriteText("Security", "filter", filter, Path());
}

bool SetEnddetail(const Enddetail& flags)
{
    const std::pair<const char*, bool> keys[] = {
        {"url", flags.url},      {"search", flags.search}, {"history", flags.history},
        {"tempo", flags.tempo},  {"cookie", flags.cookie}, {"endtab", flags.endtab},
        {"deltab", flags.deltab}};
    ProfileStore::Batch batch(Path());
    for (const auto& [key, on] : keys)
        batch.Set("Enddetail", key, on ? "1" : "0");
    return batch.Commit();
}

} // namespace SecurityIni

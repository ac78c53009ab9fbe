#include "app/CZelvoApp.h"

#include "core/CommandLine.h"
#include "core/ProgramDir.h"
#include "frame/CMainFrame.h"
#include "frame/FirstPaintHold.h"
#include "frame/RepaintHold.h"
#include "ini/EndlistIni.h"
#include "ini/TablistIni.h"
#include "platform/SingleInstance.h"
#include "view/ConnectionGate.h"
#include "view/CZelvoView.h"
#include "view/EngineProfile.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTimer>
#include <QTranslator>

#include <cstdio>
#include <utility>

namespace {

// A running Zelvo that is still building its window answers once it is up.
constexpr int kHandOverTimeoutMs = 15000;
// A first request that has not left by then is not waited for.
constexpr int kFirstDrawingHoldMs = 100;

} // namespace

CZelvoApp::CZelvoApp(int& argc, char** argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Zelvo"));
    setOrganizationName(QStringLiteral("Zelvo"));
    m_lpCmdLine = CommandLine::RawCommandLine(arguments().mid(1));
    InstallQtTranslation(*this);
}

bool CZelvoApp::InstallQtTranslation(QCoreApplication& app)
{
    auto* translator = new QTranslator(&app);
    if (!translator->load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"),
                          QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

CZelvoApp::~CZelvoApp()
{
    delete m_pMainWnd;
    delete m_instance;
}

bool CZelvoApp::InitInstance()
{
    // A running Zelvo takes the command line and this process ends.
    if (SingleInstance::SendToRunning(m_lpCmdLine, kHandOverTimeoutMs))
        return false;
    // This start becomes the running one before it shows anything, so that of
    // several starts at the same moment only one ever shows a window. What the
    // others hand over meanwhile waits until the first tab is there.
    m_instance = new SingleInstance(this);
    connect(m_instance, &SingleInstance::received, this, &CZelvoApp::OnHandOver);
    if (!m_instance->Listen() && SingleInstance::SendToRunning(m_lpCmdLine, kHandOverTimeoutMs))
        return false;
    ProgramDir::Prepare();

    // The page engine, started before the window is built: its own
    // threads and processes get going while the bars are made.
    EngineProfile::Instance();

    m_bXPStyle = ReadXPStyle();

    m_pMainWnd = new CMainFrame(m_bXPStyle);
    m_pMainWnd->SetStartupCommandLine(m_lpCmdLine);
    if (!m_pMainWnd->OnCreate())
        return false;

    // The first tab; its view opens the command line's address.
    CZelvoView* first = m_pMainWnd->OnFileNew();
    if (!first)
        return false;
    new FirstPaintHold(*m_pMainWnd, *first->GetWebView());

    // The first drawing comes once the first page's request has left.
    new RepaintHold(*m_pMainWnd, RepaintHold::Kind::FirstDrawing, ConnectionGate::FirstRequestSent,
                    kFirstDrawingHoldMs);
    ShowMainFrame(*m_pMainWnd);
    m_handOversReady = true;
    for (const QByteArray& text : std::exchange(m_waitingHandOvers, {}))
        m_pMainWnd->OnCopyData(text);
    WatchForBenchmark();
    return true;
}

void CZelvoApp::OnHandOver(const QByteArray& text)
{
    if (m_handOversReady)
        m_pMainWnd->OnCopyData(text);
    else
        m_waitingHandOvers.append(text);
}

void CZelvoApp::WatchForBenchmark()
{
    // Lets a benchmark time the start without a person closing the window:
    // ZELVO_EXIT_AFTER=shown or =loaded (the first page), reported on stdout.
    const QString when = qEnvironmentVariable("ZELVO_EXIT_AFTER");
    if (when == QLatin1String("shown")) {
        QTimer::singleShot(0, this, [] {
            std::fputs("shown\n", stdout);
            std::fflush(stdout);
            QCoreApplication::quit();
        });
    } else if (when == QLatin1String("loaded")) {
        auto* poll = new QTimer(this);
        connect(poll, &QTimer::timeout, this, [this, poll] {
            CZelvoView* view = m_pMainWnd->TabView(0);
            if (!view || view->GetBusy() || view->GetLocationURL().isEmpty())
                return;
            poll->stop();
            std::fputs("loaded\n", stdout);
            std::fflush(stdout);
            QCoreApplication::quit();
        });
        poll->start(2);
    }
}

int CZelvoApp::ReadXPStyle()
{
    // xp_style 0, or none at all, means the program draws its menus.
    return TablistIni::XpStyle() == 0 ? 1 : 0;
}

void CZelvoApp::ShowMainFrame(CMainFrame& frame)
{
    // Maximised again when the previous run ended so.
    if (EndlistIni::WindowSize() == 1)
        frame.showMaximized();
    else
        frame.show();
}

int CZelvoApp::ExitInstance(int code)
{
    if (m_instance)
        m_instance->Stop();
    // Pages go before the engine's profile, the profile before the application.
    delete m_pMainWnd;
    m_pMainWnd = nullptr;
    EngineProfile::Shutdown();
    return code;
}

#pragma once

#include <QApplication>
#include <QStringList>

class CMainFrame;
class SingleInstance;

// The application object: one browser window per desktop, the first tab, the
// window state of the previous run.
class CZelvoApp : public QApplication {
    Q_OBJECT

public:
    CZelvoApp(int& argc, char** argv);
    ~CZelvoApp() override;

    // False: end at once (another Zelvo took the command line, or the frame failed).
    bool InitInstance();
    int ExitInstance(int code);

    CMainFrame* MainFrame() const { return m_pMainWnd; }
    // Shows the frame as the previous run left it (maximised or not).
    static void ShowMainFrame(CMainFrame& frame);
    // m_bXPStyle as Tablist.ini gives it: 1 when the program draws its menus.
    static int ReadXPStyle();
    // Qt's own texts (standard buttons, file dialogs) in Japanese, whatever
    // the system's language. False when the catalogue is not installed.
    static bool InstallQtTranslation(QCoreApplication& app);
    // The raw command line: the arguments after the program name.
    const QByteArray& CommandLine() const { return m_lpCmdLine; }

    int m_bXPStyle = 0;

private:
    void WatchForBenchmark();
    void OnHandOver(const QByteArray& text);

    CMainFrame* m_pMainWnd = nullptr;
    SingleInstance* m_instance = nullptr;
    QByteArray m_lpCmdLine;
    // Hand-overs that came before the window was shown, in their order.
    QList<QByteArray> m_waitingHandOvers;
    bool m_handOversReady = false;
};

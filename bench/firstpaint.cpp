// Cold start to the first page on the screen, the wait a user sees: Zelvo and a
// minimal engine program take turns, each start on an X server of its own with
// a window manager and a fresh program directory. A run ends at the first
// screen grab in which the test page's colour covers part of the screen.
#include "HttpServer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <optional>
#include <vector>

namespace {

constexpr int kScreenWidth = 1024;
constexpr int kScreenHeight = 768;
// A colour no window decoration or toolbar has.
constexpr quint8 kRed = 0x2b, kGreen = 0x8f, kBlue = 0x5d;
constexpr int kRows = 12;

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

struct XcbClose {
    void operator()(xcb_connection_t* c) const { xcb_disconnect(c); }
};
using Connection = std::unique_ptr<xcb_connection_t, XcbClose>;

Connection Connect(const QByteArray& display)
{
    Connection c(xcb_connect(display.constData(), nullptr));
    if (xcb_connection_has_error(c.get()))
        return nullptr;
    return c;
}

xcb_window_t Root(xcb_connection_t* c)
{
    return xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
}

bool WindowManagerRunning(xcb_connection_t* c)
{
    const char name[] = "_NET_SUPPORTING_WM_CHECK";
    auto* atom = xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, sizeof name - 1, name), nullptr);
    if (!atom)
        return false;
    auto* prop = xcb_get_property_reply(
        c, xcb_get_property(c, 0, Root(c), atom->atom, XCB_ATOM_WINDOW, 0, 1), nullptr);
    const bool running = prop && xcb_get_property_value_length(prop) == 4;
    free(prop);
    free(atom);
    return running;
}

// Share of sampled pixels in the page's colour: a dozen rows across the
// screen, cheap enough to grab every millisecond.
double PageShare(xcb_connection_t* c)
{
    std::vector<xcb_get_image_cookie_t> cookies;
    for (int row = 0; row < kRows; ++row) {
        const int y = (row * 2 + 1) * kScreenHeight / (kRows * 2);
        cookies.push_back(
            xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, Root(c), 0, y, kScreenWidth, 1, ~0u));
    }
    int hits = 0;
    for (auto cookie : cookies) {
        auto* image = xcb_get_image_reply(c, cookie, nullptr);
        if (!image)
            continue;
        const quint8* data = xcb_get_image_data(image);
        const int length = xcb_get_image_data_length(image);
        for (int i = 0; i + 3 < length; i += 4) {
            if (std::abs(data[i] - kBlue) < 3 && std::abs(data[i + 1] - kGreen) < 3 &&
                std::abs(data[i + 2] - kRed) < 3)
                ++hits;
        }
        free(image);
    }
    return double(hits) / (kRows * kScreenWidth);
}

// One X server with a window manager on it, gone with the object.
class Desktop {
public:
    explicit Desktop(int number) : m_display(":" + QByteArray::number(number))
    {
        m_server.start(QStringLiteral("Xvfb"),
                       {QString::fromLatin1(m_display), QStringLiteral("-screen"),
                        QStringLiteral("0"),
                        QStringLiteral("%1x%2x24").arg(kScreenWidth).arg(kScreenHeight),
                        QStringLiteral("-nolisten"), QStringLiteral("tcp")});
        for (int i = 0; i < 400 && !m_connection; ++i) {
            QThread::msleep(10);
            m_connection = Connect(m_display);
        }
        if (!m_connection)
            return;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DISPLAY"), QString::fromLatin1(m_display));
        m_manager.setProcessEnvironment(env);
        m_manager.start(QStringLiteral("openbox"), {QStringLiteral("--sm-disable")});
        for (int i = 0; i < 400 && !WindowManagerRunning(m_connection.get()); ++i)
            QThread::msleep(10);
    }
    ~Desktop()
    {
        m_connection.reset();
        for (QProcess* p : {&m_manager, &m_server}) {
            p->terminate();
            p->waitForFinished(5000);
        }
    }
    bool ready() const { return m_connection && WindowManagerRunning(m_connection.get()); }
    QByteArray display() const { return m_display; }
    xcb_connection_t* connection() const { return m_connection.get(); }

private:
    QByteArray m_display;
    QProcess m_server;
    QProcess m_manager;
    Connection m_connection;
};

struct Run {
    double request = -1;
    double pixels = -1;
};

Run ColdStart(HttpServer& server, const QString& program, const QStringList& args,
              const QString& page, int number)
{
    Run run;
    Desktop desktop(number);
    if (!desktop.ready()) {
        std::fprintf(stderr, "no X server with a window manager on :%d\n", number);
        return run;
    }
    QTemporaryDir home;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), QString::fromLatin1(desktop.display()));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.insert(QStringLiteral("QTWEBENGINE_DISABLE_SANDBOX"), QStringLiteral("1"));
    env.insert(QStringLiteral("ZELVO_HOME"), home.path());
    env.insert(QStringLiteral("ZELVO_HOMEPAGE"), page);
    QProcess process;
    process.setProcessEnvironment(env);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());

    QElapsedTimer clock;
    // Only the page itself: a request the previous program sent on its way
    // out (its icon, say) is not this start's.
    const auto connection =
        QObject::connect(&server, &HttpServer::requestReceived, [&](const QByteArray& path) {
            if (path == "/page" && run.request < 0)
                run.request = clock.nsecsElapsed() / 1e6;
        });
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (PageShare(desktop.connection()) > 0.1) {
            run.pixels = clock.nsecsElapsed() / 1e6;
            loop.quit();
        } else if (clock.elapsed() > 30000) {
            loop.quit();
        }
    });
    clock.start();
    process.start(program, args);
    poll.start(1);
    loop.exec();
    QObject::disconnect(connection);
    process.terminate();
    if (!process.waitForFinished(10000))
        process.kill();
    return run;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(2, atoi(argv[1])) : 10;
    HttpServer server;
    server.route("/page", "text/html; charset=utf-8",
                 QStringLiteral("<html><head><title>ベンチ</title></head>"
                                "<body style=\"background:#%1%2%3\"><p>page</p></body></html>")
                     .arg(kRed, 2, 16, QLatin1Char('0'))
                     .arg(kGreen, 2, 16, QLatin1Char('0'))
                     .arg(kBlue, 2, 16, QLatin1Char('0'))
                     .toUtf8());
    const QString page = server.url("/page").toString();

    std::vector<double> zelvoPixels, minimalPixels, pixelRatios, requestRatios;
    int display = 90;
    for (int round = 0; round < rounds; ++round) {
        const Run z = ColdStart(server, ZELVO_BINARY, {}, page, display++);
        const Run m = ColdStart(server, MINIMAL_BINARY, {page}, page, display++);
        std::printf("round %2d: Zelvo request %4.0f pixels %4.0f | minimal request %4.0f "
                    "pixels %4.0f\n",
                    round, z.request, z.pixels, m.request, m.pixels);
        std::fflush(stdout);
        // The first round only warms the disk cache.
        if (round == 0 || z.pixels < 0 || m.pixels < 0)
            continue;
        zelvoPixels.push_back(z.pixels);
        minimalPixels.push_back(m.pixels);
        pixelRatios.push_back(z.pixels / m.pixels);
        requestRatios.push_back(z.request / m.request);
    }
    if (pixelRatios.empty())
        return 1;
    std::printf("cold start to first page pixels: Zelvo %.0f ms, minimal %.0f ms, ratio %.2f; "
                "start to request ratio %.2f (medians of %zu rounds)\n",
                Median(zelvoPixels), Median(minimalPixels), Median(pixelRatios),
                Median(requestRatios), pixelRatios.size());
    return 0;
}

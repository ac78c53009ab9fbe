#include "view/CPagePrinter.h"

#include <QEventLoop>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QWebEnginePage>
#include <QWebEngineView>

namespace {

// Never deleted: the engine paints on it from a thread of its own, which may
// outlive the view that printed.
QPrinter& SharedPrinter()
{
    static QPrinter* printer = new QPrinter(QPrinter::HighResolution);
    return *printer;
}

bool g_printerBusy = false;

} // namespace

CPagePrinter::CPagePrinter(QWebEngineView& view, DialogRunner runDialog, QObject* parent)
    : QObject(parent), m_view(view), m_runDialog(std::move(runDialog))
{
    connect(&m_view, &QWebEngineView::printFinished, this, [this] {
        m_job = Job::None;
        g_printerBusy = false;
    });
}

CPagePrinter::~CPagePrinter()
{
    if (m_job == Job::Printer)
        g_printerBusy = false;
}

bool CPagePrinter::Print(bool prompt, const QString& pdfFile)
{
    if (m_job != Job::None)
        return false;
    if (!pdfFile.isEmpty()) {
        m_job = Job::File;
        QWebEnginePage* page = m_view.page();
        connect(
            page, &QWebEnginePage::pdfPrintingFinished, this, [this] { m_job = Job::None; },
            Qt::SingleShotConnection);
        page->printToPdf(pdfFile, SharedPrinter().pageLayout());
        return true;
    }
    if (g_printerBusy)
        return false;
    if (prompt) {
        QPrintDialog dialog(&SharedPrinter(), &m_view);
        if (m_runDialog(dialog) != QDialog::Accepted)
            return false;
    }
    m_job = Job::Printer;
    g_printerBusy = true;
    m_view.print(&SharedPrinter());
    return true;
}

bool CPagePrinter::Preview()
{
    if (m_job != Job::None || g_printerBusy)
        return false;
    QPrintPreviewDialog preview(&SharedPrinter(), &m_view);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* printer) {
        // The preview wants its pages drawn before this returns.
        QEventLoop loop;
        connect(&m_view, &QWebEngineView::printFinished, &loop, &QEventLoop::quit);
        m_job = Job::Printer;
        g_printerBusy = true;
        m_view.print(printer);
        loop.exec();
    });
    m_runDialog(preview);
    return true;
}

bool CPagePrinter::Setup(QWidget* parent, const DialogRunner& runDialog)
{
    if (g_printerBusy)
        return false;
    QPageSetupDialog dialog(&SharedPrinter(), parent);
    return runDialog(dialog) == QDialog::Accepted;
}

const QPrinter& CPagePrinter::Printer()
{
    return SharedPrinter();
}

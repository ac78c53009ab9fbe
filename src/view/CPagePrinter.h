#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QDialog;
class QPrinter;
class QWebEngineView;
class QWidget;

// Printing one view's page: on the printer, into a PDF file or in a preview.
// The printer and its page setup are one for the whole program, and one print
// at a time goes to it.
class CPagePrinter : public QObject {
    Q_OBJECT

public:
    using DialogRunner = std::function<int(QDialog&)>;

    // Dialogs are shown through runDialog, which holds the view while they are open.
    CPagePrinter(QWebEngineView& view, DialogRunner runDialog, QObject* parent = nullptr);
    ~CPagePrinter() override;

    // To pdfFile when one is given, else on the printer (after the print
    // dialog when prompt). False when it did not start.
    bool Print(bool prompt, const QString& pdfFile = QString());
    bool Preview();

    // Paper and orientation of the printer every view prints on. False when
    // cancelled or while a print is running.
    static bool Setup(QWidget* parent, const DialogRunner& runDialog);
    static const QPrinter& Printer();

private:
    enum class Job { None, File, Printer };

    QWebEngineView& m_view;
    DialogRunner m_runDialog;
    Job m_job = Job::None;
};

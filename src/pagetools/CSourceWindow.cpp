#include "pagetools/CSourceWindow.h"

#include "pagetools/SelectionTools.h"

#include <QFileInfo>
#include <QPlainTextEdit>
#include <QVBoxLayout>

CSourceWindow::CSourceWindow(const QString& text, QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("sourceWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QFileInfo(SelectionTools::SourceFilePath()).fileName());
    auto* edit = new QPlainTextEdit(this);
    edit->setReadOnly(true);
    edit->setLineWrapMode(QPlainTextEdit::NoWrap);
    edit->setPlainText(text);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(edit);
    resize(640, 480);
}

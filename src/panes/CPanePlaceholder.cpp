#include "panes/CPanePlaceholder.h"

#include <QLabel>
#include <QVBoxLayout>

CPanePlaceholder::CPanePlaceholder(const QString& note, QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("panePlaceholder"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    m_note = new QLabel(note, this);
    m_note->setTextFormat(Qt::PlainText);
    m_note->setWordWrap(true);
    m_note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_note->setMinimumWidth(0);
    layout->addWidget(m_note);
    layout->addStretch();
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
}

QString CPanePlaceholder::Note() const
{
    return m_note->text();
}

#include "platform/MessageBox.h"

#include <QMessageBox>

namespace {

MessageBoxResponder& Responder()
{
    static MessageBoxResponder responder;
    return responder;
}

QMessageBox::StandardButtons ButtonsOf(MbButtons buttons)
{
    switch (buttons) {
    case MbButtons::Ok:
        return QMessageBox::Ok;
    case MbButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MbButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MbButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MbButtons::RetryCancel:
        return QMessageBox::Retry | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

QMessageBox::Icon IconOf(MbIcon icon)
{
    switch (icon) {
    case MbIcon::None:
        return QMessageBox::NoIcon;
    case MbIcon::Stop:
        return QMessageBox::Critical;
    case MbIcon::Exclamation:
        return QMessageBox::Warning;
    case MbIcon::Question:
        return QMessageBox::Question;
    case MbIcon::Information:
        return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}

// Closing the box without a button counts as its escape answer.
MbAnswer EscapeAnswer(MbButtons buttons)
{
    switch (buttons) {
    case MbButtons::Ok:
        return MbAnswer::Ok;
    case MbButtons::YesNo:
        return MbAnswer::No;
    default:
        return MbAnswer::Cancel;
    }
}

} // namespace

MbAnswer ShowMessageBox(QWidget* parent, const QString& text, const QString& caption, MbIcon icon,
                        MbButtons buttons)
{
    if (Responder())
        return Responder()({text, caption, icon, buttons});
    QMessageBox box(IconOf(icon), caption, text, ButtonsOf(buttons), parent);
    // Texts may come from a page: never markup, never a live link.
    box.setTextFormat(Qt::PlainText);
    switch (box.exec()) {
    case QMessageBox::Ok:
        return MbAnswer::Ok;
    case QMessageBox::Cancel:
        return MbAnswer::Cancel;
    case QMessageBox::Retry:
        return MbAnswer::Retry;
    case QMessageBox::Yes:
        return MbAnswer::Yes;
    case QMessageBox::No:
        return MbAnswer::No;
    default:
        return EscapeAnswer(buttons);
    }
}

void SetMessageBoxResponder(MessageBoxResponder responder)
{
    Responder() = std::move(responder);
}

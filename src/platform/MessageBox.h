#pragma once

#include <QString>

#include <functional>

class QWidget;

// Every message box of the program goes through ShowMessageBox, so tests can
// answer boxes instead of blocking on them.

enum class MbButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };
enum class MbIcon { None, Stop, Exclamation, Question, Information };
// Values of the Windows answers, which some callers store or compare.
enum class MbAnswer { Ok = 1, Cancel = 2, Retry = 4, Yes = 6, No = 7 };

struct MessageBoxCall {
    QString text;
    QString caption;
    MbIcon icon = MbIcon::None;
    MbButtons buttons = MbButtons::Ok;
};

MbAnswer ShowMessageBox(QWidget* parent, const QString& text, const QString& caption,
                        MbIcon icon = MbIcon::None, MbButtons buttons = MbButtons::Ok);

using MessageBoxResponder = std::function<MbAnswer(const MessageBoxCall&)>;

// Replaces the real dialog; an empty responder restores it.
void SetMessageBoxResponder(MessageBoxResponder responder);

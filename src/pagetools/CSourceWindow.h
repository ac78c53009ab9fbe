#pragma once

#include <QWidget>

// A read-only window showing source text, for when the desktop has no text
// editor to open it in. It deletes itself when closed.
class CSourceWindow : public QWidget {
    Q_OBJECT

public:
    CSourceWindow(const QString& text, QWidget* parent = nullptr);
};

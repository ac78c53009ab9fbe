#pragma once

#include <QWidget>

class QLabel;

// A pane whose content is not there yet: says in one line what it will hold.
class CPanePlaceholder : public QWidget {
    Q_OBJECT

public:
    explicit CPanePlaceholder(const QString& note, QWidget* parent = nullptr);

    QString Note() const;

private:
    QLabel* m_note = nullptr;
};

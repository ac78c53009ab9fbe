#pragma once

#include <QDialog>

#include <functional>

// One settings page on its own, with OK and Cancel: OK runs the page's OK
// handler, Cancel writes nothing.
class SettingsPageDialog : public QDialog {
    Q_OBJECT

public:
    SettingsPageDialog(const QString& title, QWidget* page, std::function<void()> onOk,
                       QWidget* parent = nullptr);

    QWidget* Page() const { return m_page; }

    void accept() override;

private:
    QWidget* m_page = nullptr;
    std::function<void()> m_onOk;
};

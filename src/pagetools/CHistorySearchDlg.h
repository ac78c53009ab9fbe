#pragma once

#include <QDialog>

#include <functional>

class QCalendarWidget;
class QLineEdit;
class QPushButton;

// Finds pages of the URL history by the day of their last visit or by a word
// of their titles. Each search is handed on and the dialog stays open until
// "終了".
class CHistorySearchDlg : public QDialog {
    Q_OBJECT

public:
    using Search = std::function<void(const QString&)>;

    CHistorySearchDlg(Search byDate, Search byWord, QWidget* parent = nullptr);

    // The day as the date search hands it on: year-month-day, two-digit month and day.
    static QString DateText(const QDate& date);

    void OnDateSearch();
    void OnWordSearch();
    void OnClear();

private:
    void BuildLayout();

    Search m_byDate;
    Search m_byWord;
    QCalendarWidget* m_calendar = nullptr;
    QLineEdit* m_word = nullptr;
};

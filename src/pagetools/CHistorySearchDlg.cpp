#include "pagetools/CHistorySearchDlg.h"

#include "platform/MessageBox.h"

#include <QCalendarWidget>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

CHistorySearchDlg::CHistorySearchDlg(Search byDate, Search byWord, QWidget* parent)
    : QDialog(parent), m_byDate(std::move(byDate)), m_byWord(std::move(byWord))
{
    setWindowTitle(QStringLiteral("履歴検索"));
    setObjectName(QStringLiteral("historySearch"));
    QPalette background = palette();
    background.setColor(QPalette::Window, QColor(230, 245, 253));
    background.setColor(QPalette::WindowText, Qt::black);
    setPalette(background);
    setAutoFillBackground(true);
    BuildLayout();
    m_word->setFocus();
}

void CHistorySearchDlg::BuildLayout()
{
    m_calendar = new QCalendarWidget(this);
    m_calendar->setObjectName(QStringLiteral("calendar"));
    if (auto* title = m_calendar->findChild<QWidget*>(QStringLiteral("qt_calendar_navigationbar")))
        title->setStyleSheet(QStringLiteral("background-color: rgb(0, 255, 0);"));
    m_word = new QLineEdit(this);
    m_word->setObjectName(QStringLiteral("word"));
    auto* dateButton = new QPushButton(QStringLiteral("日付検索"), this);
    auto* closeButton = new QPushButton(QStringLiteral("終了"), this);
    auto* wordButton = new QPushButton(QStringLiteral("語句検索"), this);
    auto* clearButton = new QPushButton(QStringLiteral("クリア"), this);
    dateButton->setDefault(true);
    auto* grid = new QGridLayout(this);
    grid->addWidget(m_calendar, 0, 0, 1, 2);
    grid->addWidget(dateButton, 1, 0);
    grid->addWidget(closeButton, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("検索語句(大小文字の区別不要)"), this), 2, 0, 1, 2);
    grid->addWidget(m_word, 3, 0, 1, 2);
    grid->addWidget(wordButton, 4, 0);
    grid->addWidget(clearButton, 4, 1);
    connect(dateButton, &QPushButton::clicked, this, &CHistorySearchDlg::OnDateSearch);
    connect(wordButton, &QPushButton::clicked, this, &CHistorySearchDlg::OnWordSearch);
    connect(clearButton, &QPushButton::clicked, this, &CHistorySearchDlg::OnClear);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
}

QString CHistorySearchDlg::DateText(const QDate& date)
{
    return date.toString(QStringLiteral("yyyy-MM-dd"));
}

void CHistorySearchDlg::OnDateSearch()
{
    if (m_byDate)
        m_byDate(DateText(m_calendar->selectedDate()));
}

void CHistorySearchDlg::OnWordSearch()
{
    const QString word = m_word->text();
    if (word.isEmpty()) {
        ShowMessageBox(this, QStringLiteral("何か語句を入力してください！"),
                       QStringLiteral("Zelvo"));
        return;
    }
    if (m_byWord)
        m_byWord(word);
}

void CHistorySearchDlg::OnClear()
{
    m_word->clear();
    m_word->setFocus();
}

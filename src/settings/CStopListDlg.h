#pragma once

#include <QDialog>

class QListWidget;
class StopListIni;
class QPushButton;

enum class StopListKind { Url, Title };

// The forbidden URL list (dialog 151) and forbidden title list (dialog 156):
// entries can be deleted one by one, which counts only once OK rewrites the
// list, or all at once, which empties the file at once.
class CStopListDlg : public QDialog {
    Q_OBJECT

public:
    static const QColor kBackground;

    explicit CStopListDlg(StopListKind kind, QWidget* parent = nullptr);

    QListWidget* ListBox() const { return m_list; }
    QPushButton* DeleteAllButton() const { return m_deleteAll; }

    // Asks before taking the selected entry out of the list box.
    void OnDblclkList();
    void OnDeleteAll();
    // Rewrites the list with keys "0" … N - 1, then closes.
    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Fill();
    StopListIni List() const;

    StopListKind m_kind;
    QListWidget* m_list = nullptr;
    QPushButton* m_deleteAll = nullptr;
};

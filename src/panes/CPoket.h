#pragma once

#include <QStringList>
#include <QTreeWidget>

// The pocket pane: the addresses of poket.ini under one root, each with a
// check box. Ticks are not kept: every refresh starts them afresh.
class CPoket : public QTreeWidget {
    Q_OBJECT

public:
    static constexpr int kFolder = -1;

    explicit CPoket(QWidget* parent = nullptr);

    // Reads the file anew.
    void Refresh();
    QTreeWidgetItem* Root() const { return topLevelItem(0); }
    // The ticked entries in list order, when an entry or the root is selected.
    QStringList CheckedAddresses() const;
    // Asks for every ticked entry in a new tab.
    void OnRunChecked();

signals:
    void openRequested(const QString& url);
    void menuRequested(const QPoint& globalPos);

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    void OnDoubleClicked(QTreeWidgetItem* item);
};

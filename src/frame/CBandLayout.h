#pragma once

#include <QByteArray>
#include <QList>

class QMainWindow;
class QToolBar;

// The top bands of the main window in their order, rows and visibility, kept
// in State.ini [state]: key i holds the band at position i as
// "wID=%04X,cx=%d,fStyle=%08X".
class CBandLayout {
public:
    struct BandRecord {
        int id = 0;
        int cx = 0;
        quint32 style = 0;
    };

    explicit CBandLayout(QMainWindow& window) : m_window(window) {}

    // A band as it is made; its object name ends in its id.
    void Add(QToolBar* band) { m_order.append(band); }
    // The bands in the order they were last laid out.
    const QList<QToolBar*>& Order() const { return m_order; }

    // The bands as they stand now, hidden ones where they were.
    QList<BandRecord> Records();
    void Save();
    // Lays the bands out as the saved records say; nothing when none is saved.
    void Restore();

    static QByteArray Format(const BandRecord& record);
    static bool Parse(const QByteArray& text, BandRecord& record);

private:
    BandRecord RecordOf(QToolBar* band) const;

    QMainWindow& m_window;
    QList<QToolBar*> m_order;
};

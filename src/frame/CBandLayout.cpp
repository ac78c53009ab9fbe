#include "frame/CBandLayout.h"

#include "ini/StateIni.h"

#include <QLayout>
#include <QMainWindow>
#include <QMap>
#include <QRegularExpression>
#include <QToolBar>

#include <algorithm>

namespace {

constexpr quint32 kBreak = 0x1;
constexpr quint32 kHidden = 0x8;
// Every band has a gripper and a fixed background.
constexpr quint32 kBandStyle = 0xA0;

int BandIdOf(const QToolBar* band)
{
    return band->objectName().mid(4).toInt();
}

} // namespace

bool CBandLayout::Parse(const QByteArray& text, BandRecord& record)
{
    static const QRegularExpression format(
        QStringLiteral("^wID=([0-9A-Fa-f]{1,8}),cx=(-?[0-9]{1,9}),fStyle=([0-9A-Fa-f]{1,8})$"));
    const QRegularExpressionMatch m = format.match(QString::fromLatin1(text.trimmed()));
    if (!m.hasMatch())
        return false;
    record.id = static_cast<int>(m.captured(1).toUInt(nullptr, 16));
    record.cx = m.captured(2).toInt();
    record.style = m.captured(3).toUInt(nullptr, 16);
    return true;
}

QByteArray CBandLayout::Format(const BandRecord& r)
{
    return QByteArray("wID=") + QByteArray::number(r.id, 16).toUpper().rightJustified(4, '0') +
           ",cx=" + QByteArray::number(r.cx) +
           ",fStyle=" + QByteArray::number(r.style, 16).toUpper().rightJustified(8, '0');
}

CBandLayout::BandRecord CBandLayout::RecordOf(QToolBar* band) const
{
    BandRecord r;
    r.id = BandIdOf(band);
    r.cx = band->width();
    r.style =
        kBandStyle | (m_window.toolBarBreak(band) ? kBreak : 0) | (band->isHidden() ? kHidden : 0);
    return r;
}

QList<CBandLayout::BandRecord> CBandLayout::Records()
{
    QList<QToolBar*> order;
    for (QToolBar* band : std::as_const(m_order))
        if (!band->isHidden())
            order.append(band);
    if (m_window.layout())
        m_window.layout()->activate();
    std::stable_sort(order.begin(), order.end(), [](const QToolBar* a, const QToolBar* b) {
        return a->y() != b->y() ? a->y() < b->y() : a->x() < b->x();
    });
    // A hidden band has no place on the screen to read: it keeps the one
    // after the band it followed.
    for (int i = 0; i < m_order.size(); ++i) {
        if (!m_order[i]->isHidden())
            continue;
        qsizetype at = 0;
        for (int j = i - 1; j >= 0; --j) {
            const qsizetype k = order.indexOf(m_order[j]);
            if (k >= 0) {
                at = k + 1;
                break;
            }
        }
        order.insert(at, m_order[i]);
    }
    m_order = order;
    QList<BandRecord> records;
    for (QToolBar* band : std::as_const(order))
        records.append(RecordOf(band));
    return records;
}

void CBandLayout::Save()
{
    QList<QByteArray> values;
    for (const BandRecord& r : Records())
        values.append(Format(r));
    StateIni::SaveBands(values);
}

void CBandLayout::Restore()
{
    // The bands as they were made, in that order.
    QList<BandRecord> layout;
    QMap<int, QToolBar*> byId;
    for (QToolBar* band : std::as_const(m_order)) {
        layout.append(RecordOf(band));
        byId.insert(layout.last().id, band);
    }
    bool changed = false;
    for (int i = 0; i < layout.size(); ++i) {
        BandRecord saved;
        const QByteArray text = StateIni::Band(i);
        if (text.isEmpty() || !Parse(text, saved))
            continue;
        const auto at = std::find_if(layout.begin() + i, layout.end(),
                                     [&](const BandRecord& r) { return r.id == saved.id; });
        if (at == layout.end())
            continue;
        BandRecord band = *at;
        layout.erase(at);
        band.cx = saved.cx;
        band.style = (band.style & ~(kBreak | kHidden)) | saved.style;
        layout.insert(i, band);
        changed = true;
    }
    if (!changed)
        return;
    // Laid out anew in the restored order, rows and visibility.
    m_order.clear();
    for (const BandRecord& r : std::as_const(layout))
        m_window.removeToolBar(byId.value(r.id));
    for (int i = 0; i < layout.size(); ++i) {
        QToolBar* band = byId.value(layout[i].id);
        if (i > 0 && (layout[i].style & kBreak))
            m_window.addToolBarBreak(Qt::TopToolBarArea);
        m_window.addToolBar(Qt::TopToolBarArea, band);
        band->setVisible(!(layout[i].style & kHidden));
        m_order.append(band);
    }
}

// The pictures of the docking bar's pane tabs, on a 20 × 20 grid.
#include "chrome/BuiltinImages.h"
#include "chrome/DrawingKit.h"

#include <cmath>

namespace BuiltinImages {

namespace {

using namespace DrawingKit;

// A small window with a title strip.
void Window(QPainter& p, const QRectF& r, const QColor& title)
{
    Fill(p, Rounded(r, 1), kPaper, kBlueDark);
    p.setPen(Qt::NoPen);
    p.setBrush(title);
    p.drawRect(QRectF(r.left() + 0.5, r.top() + 0.5, r.width() - 1, 3));
}

void DrawFavorites(QPainter& p)
{
    Fill(p, Star(QPointF(10, 10.5), 8.5, 3.6),
         Shade(QRectF(1, 2, 18, 17), QColor(0xff, 0xe8, 0x7a), kYellow), kYellowDark);
}

void DrawOpenTabs(QPainter& p)
{
    Window(p, QRectF(5.5, 1.5, 13, 10), kSteel);
    Window(p, QRectF(1.5, 7.5, 13, 11), kBlue);
    p.setPen(Outline(kSteel));
    for (qreal y : {13.0, 16.0})
        p.drawLine(QPointF(3.5, y), QPointF(12.5, y));
}

void DrawProperties(QPainter& p)
{
    Page(p, QRectF(2.5, 1.5, 12, 17), 3);
    Fill(p, Circle(QPointF(14.5, 14), 4.8), Shade(QRectF(9, 9, 11, 10), kBlueLight, kBlue),
         kBlueDark);
    p.setPen(QPen(Qt::white, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(14.5, 13.2), QPointF(14.5, 16.5));
    p.drawPoint(QPointF(14.5, 11.2));
}

void DrawClosedTabs(QPainter& p)
{
    Window(p, QRectF(1.5, 2.5, 14, 13), kSteel);
    Fill(p, Circle(QPointF(14.5, 14.5), 4.8), Shade(QRectF(9, 9, 11, 11), kRed.lighter(130), kRed),
         kRedDark);
    p.setPen(QPen(Qt::white, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(12.6, 12.6), QPointF(16.4, 16.4));
    p.drawLine(QPointF(12.6, 16.4), QPointF(16.4, 12.6));
}

void DrawGroups(QPainter& p)
{
    // A folder holding a few pages that are visited in turn.
    Fill(p, Polygon({{1.5, 5.5}, {7.5, 5.5}, {9, 7.5}, {18.5, 7.5}, {18.5, 17.5}, {1.5, 17.5}}),
         Shade(QRectF(1, 5, 18, 13), QColor(0xff, 0xd8, 0x6a), kOrange), kOrangeDark);
    p.setPen(QPen(kGreenDark, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(6, 9.5, 8, 6.5), 30 * 16, 300 * 16);
    Fill(p, Polygon({{13.2, 9.2}, {16.2, 10.8}, {13, 12.6}}), kGreenDark, kGreenDark, 0.6);
}

void DrawPocket(QPainter& p)
{
    QPainterPath pouch;
    pouch.moveTo(2.5, 5.5);
    pouch.lineTo(17.5, 5.5);
    pouch.lineTo(16.5, 14);
    pouch.quadTo(10, 20, 3.5, 14);
    pouch.closeSubpath();
    Fill(p, pouch, Shade(QRectF(2, 5, 16, 14), kGreenLight, kGreen), kGreenDark);
    p.setPen(QPen(kGreenDark, 1.0, Qt::DashLine));
    p.drawLine(QPointF(3.5, 8.5), QPointF(16.5, 8.5));
    Page(p, QRectF(7.5, 1.5, 6, 6), 0);
}

} // namespace

QImage DockTabStrip()
{
    return Strip(
        {DrawFavorites, DrawOpenTabs, DrawProperties, DrawClosedTabs, DrawGroups, DrawPocket},
        QSize(kDockTabImageSize, kDockTabImageSize), 20);
}

} // namespace BuiltinImages

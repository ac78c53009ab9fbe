#include "chrome/BuiltinImages.h"

#include "chrome/DrawingKit.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <functional>

namespace BuiltinImages {

namespace {

using namespace DrawingKit;

void Globe(QPainter& p, QPointF c, qreal r)
{
    const QRectF box(c.x() - r, c.y() - r, 2 * r, 2 * r);
    QRadialGradient sea(c - QPointF(r / 3, r / 3), r * 1.4);
    sea.setColorAt(0, kBlueLight);
    sea.setColorAt(1, kBlue);
    Fill(p, Circle(c, r), sea, kBlueDark);
    p.setBrush(Qt::NoBrush);
    p.setPen(Outline(QColor(255, 255, 255, 200), 0.8));
    p.drawEllipse(box.adjusted(r * 0.5, 0.6, -r * 0.5, -0.6));
    p.drawLine(QPointF(c.x() - r + 0.8, c.y()), QPointF(c.x() + r - 0.8, c.y()));
    p.drawLine(QPointF(c.x(), c.y() - r + 0.6), QPointF(c.x(), c.y() + r - 0.6));
}

void Magnifier(QPainter& p, QPointF lens, qreal r, QPointF handleEnd)
{
    const QPointF dir =
        (handleEnd - lens) / std::hypot(handleEnd.x() - lens.x(), handleEnd.y() - lens.y());
    p.setPen(QPen(QColor(0x5b, 0x3a, 0x1e), r * 0.75, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(lens + dir * (r + 0.5), handleEnd);
    QRadialGradient glass(lens - QPointF(r / 3, r / 3), r * 1.3);
    glass.setColorAt(0, QColor(255, 255, 255));
    glass.setColorAt(1, kBlueLight);
    Fill(p, Circle(lens, r), glass, kInk, r * 0.32);
}

// A round badge with a white mark in it, put on the corner of a picture.
void Badge(QPainter& p, QPointF c, qreal r, const QColor& colour, const QColor& edge,
           const std::function<void(QPainter&)>& mark)
{
    const QRectF box(c.x() - r, c.y() - r, 2 * r, 2 * r);
    Fill(p, Circle(c, r), Shade(box, colour.lighter(130), colour), edge);
    p.setPen(QPen(Qt::white, r * 0.42, Qt::SolidLine, Qt::RoundCap));
    mark(p);
}

void Cross(QPainter& p, QPointF c, qreal half)
{
    p.drawLine(c + QPointF(-half, -half), c + QPointF(half, half));
    p.drawLine(c + QPointF(-half, half), c + QPointF(half, -half));
}

void Plus(QPainter& p, QPointF c, qreal half)
{
    p.drawLine(c + QPointF(-half, 0), c + QPointF(half, 0));
    p.drawLine(c + QPointF(0, -half), c + QPointF(0, half));
}

// The letter A and the character 文 built from strokes, so they look the same
// whatever fonts the machine has.
void LetterA(QPainter& p, const QRectF& r)
{
    p.drawLine(QPointF(r.left(), r.bottom()), QPointF(r.center().x(), r.top()));
    p.drawLine(QPointF(r.center().x(), r.top()), QPointF(r.right(), r.bottom()));
    p.drawLine(QPointF(r.left() + r.width() * 0.25, r.top() + r.height() * 0.62),
               QPointF(r.right() - r.width() * 0.25, r.top() + r.height() * 0.62));
}

void KanjiBun(QPainter& p, const QRectF& r)
{
    const auto at = [&r](qreal x, qreal y) {
        return QPointF(r.left() + r.width() * x, r.top() + r.height() * y);
    };
    p.drawLine(at(0.46, 0), at(0.54, 0.1));
    p.drawLine(at(0, 0.26), at(1, 0.26));
    // The two falling strokes open wide under the bar and cross low, as they
    // do in the written character.
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({at(0.16, 0.38), at(0.5, 0.7), at(1, 1)}));
    p.drawPolyline(QPolygonF({at(0.84, 0.38), at(0.5, 0.7), at(0, 1)}));
}

// A fat arrow pointing left (mirrored for right) inside a 20 × 20 box.
QPainterPath ArrowLeft()
{
    return Polygon(
        {{1.5, 10}, {9.5, 2.5}, {9.5, 6.5}, {18, 6.5}, {18, 13.5}, {9.5, 13.5}, {9.5, 17.5}});
}

void DrawArrow(QPainter& p, bool right)
{
    p.save();
    if (right) {
        p.translate(20, 0);
        p.scale(-1, 1);
    }
    Fill(p, ArrowLeft(), Shade(QRectF(0, 2, 20, 16), kGreenLight, kGreenDark.lighter(140)),
         kGreenDark);
    p.restore();
}

void DrawStop(QPainter& p)
{
    QPolygonF octagon;
    for (int i = 0; i < 8; ++i) {
        const qreal a = (22.5 + 45 * i) * M_PI / 180;
        octagon << QPointF(10 + 8.6 * std::cos(a), 10 + 8.6 * std::sin(a));
    }
    QPainterPath path;
    path.addPolygon(octagon);
    path.closeSubpath();
    Fill(p, path, Shade(QRectF(0, 1, 20, 18), kRed.lighter(125), kRed.darker(115)), kRedDark);
    p.setPen(QPen(Qt::white, 2.4, Qt::SolidLine, Qt::RoundCap));
    Cross(p, QPointF(10, 10), 3.4);
}

void DrawRefresh(QPainter& p)
{
    // Three quarters of a circle ending in an arrow head.
    QPainterPath arc;
    const QRectF ring(3.5, 3.5, 13, 13);
    arc.arcMoveTo(ring, 90);
    arc.arcTo(ring, 90, 280);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kGreenDark, 4.4, Qt::SolidLine, Qt::FlatCap));
    p.drawPath(arc);
    p.setPen(QPen(kGreen.lighter(115), 2.4, Qt::SolidLine, Qt::FlatCap));
    p.drawPath(arc);
    Fill(p, Polygon({{9.6, -0.2}, {15.8, 3.5}, {9.6, 7.2}}), kGreen.lighter(115), kGreenDark);
}

void DrawHome(QPainter& p)
{
    Fill(p, Polygon({{13.2, 2.5}, {15.8, 2.5}, {15.8, 7.8}, {13.2, 5.2}}), QColor(0xa8, 0x4a, 0x32),
         kRedDark);
    const QRectF walls(4.5, 9, 11, 9);
    Fill(p, Rounded(walls, 0.5), Shade(walls, QColor(0xfb, 0xf0, 0xd6), QColor(0xe8, 0xcf, 0xa0)),
         QColor(0x7a, 0x55, 0x2a));
    Fill(p, Rounded(QRectF(8.5, 12, 3.5, 6), 0.4), QColor(0x9a, 0x5b, 0x2a),
         QColor(0x5a, 0x34, 0x14));
    Fill(p, Polygon({{1.5, 10.5}, {10, 2}, {18.5, 10.5}, {16.5, 10.5}, {10, 4.5}, {3.5, 10.5}}),
         Shade(QRectF(1, 2, 18, 9), kRed.lighter(120), kRed), kRedDark);
}

void DrawDuplicate(QPainter& p)
{
    Page(p, QRectF(6.5, 1.5, 10, 12.5), 2, kSteel);
    Page(p, QRectF(2.5, 5, 10, 13), 3);
    Badge(p, QPointF(14.5, 14.5), 4.6, kGreen, kGreenDark, [](QPainter& q) {
        Plus(q, {14.5, 14.5}, 2.4);
    });
}

void DrawHistorySearch(QPainter& p)
{
    const QPointF c(8.5, 8.5);
    Fill(p, Circle(c, 7), Shade(QRectF(1.5, 1.5, 14, 14), kPaper, QColor(0xdc, 0xe6, 0xf2)),
         kBlueDark, 1.3);
    p.setPen(Outline(kInk, 1.4));
    p.drawLine(c, c + QPointF(0, -4.6));
    p.drawLine(c, c + QPointF(3.4, 1.2));
    Magnifier(p, QPointF(13.6, 13.6), 3.3, QPointF(18.6, 18.6));
}

void DrawCloseTab(QPainter& p)
{
    const QPainterPath tab = Polygon({{1, 16.5}, {3.5, 4.5}, {14.5, 4.5}, {17, 16.5}});
    Fill(p, tab, Shade(QRectF(1, 4, 16, 13), kBlueLight.lighter(115), kBlue), kBlueDark);
    p.setPen(Outline(kBlueDark));
    p.drawLine(QPointF(0.5, 17), QPointF(19.5, 17));
    Badge(p, QPointF(14.5, 14.5), 4.6, kRed, kRedDark, [](QPainter& q) {
        Cross(q, {14.5, 14.5}, 2.0);
    });
}

void DrawDockingBar(QPainter& p)
{
    // A window whose left pane holds the favourites star.
    const QRectF frame(1.5, 2.5, 17, 15);
    Fill(p, Rounded(frame, 1), kPaper, kBlueDark);
    p.setPen(Qt::NoPen);
    p.setBrush(kBlue);
    p.drawRect(QRectF(2, 3, 16, 3));
    p.setBrush(QColor(0xfd, 0xf1, 0xc4));
    p.drawRect(QRectF(2, 6, 8, 11));
    p.setPen(Outline(kBlueDark));
    p.drawLine(QPointF(10, 6), QPointF(10, 17.5));
    p.setPen(Outline(kSteel));
    for (qreal y : {9.0, 12.0, 15.0})
        p.drawLine(QPointF(12, y), QPointF(16.5, y));
    Fill(p, Star(QPointF(6.5, 12), 5.2, 2.2),
         Shade(QRectF(1, 7, 11, 10), QColor(0xff, 0xe8, 0x7a), kYellow), kYellowDark);
}

void DrawFind(QPainter& p)
{
    Magnifier(p, QPointF(8, 8), 5.6, QPointF(17.8, 17.8));
    p.setPen(QPen(Qt::white, 1.3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(4.5, 4.5, 7, 7), 100 * 16, 70 * 16);
}

void DrawPrint(QPainter& p)
{
    Page(p, QRectF(5, 1.5, 10, 8), 1);
    const QRectF body(1.5, 7.5, 17, 7.5);
    Fill(p, Rounded(body, 1.5), Shade(body, QColor(0xd6, 0xdc, 0xe3), QColor(0x86, 0x92, 0x9e)),
         kInk);
    Fill(p, Circle(QPointF(15.5, 10), 0.9), kGreenLight, kGreenDark, 0.6);
    Fill(p, Polygon({{5, 12.5}, {15, 12.5}, {15, 18.5}, {5, 18.5}}), kPaper, kPaperEdge);
    p.setPen(Outline(kSteel, 0.9));
    p.drawLine(QPointF(6.8, 15), QPointF(13.2, 15));
    p.drawLine(QPointF(6.8, 17), QPointF(11.5, 17));
}

QPainterPath Bubble(const QRectF& r)
{
    QPainterPath path;
    path.addRoundedRect(r, 2.2, 2.2);
    const qreal x = r.right() - 3;
    return path.united(
        Polygon({{x - 2.5, r.bottom() - 0.5}, {x + 1.5, r.bottom() + 2.5}, {x, r.bottom() - 0.5}}));
}

void DrawTranslate(QPainter& p)
{
    QPainterPath back;
    back.addRoundedRect(QRectF(0.5, 0.5, 10.5, 9.5), 2.2, 2.2);
    Fill(p, back, Shade(QRectF(0, 0, 11, 10), kBlue.lighter(120), kBlue), kBlueDark);
    const QRectF front(6.5, 6, 13, 11);
    Fill(p, Bubble(front), Shade(front, kOrange, kOrangeDark.lighter(125)), kOrangeDark);
    p.setPen(QPen(Qt::white, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    LetterA(p, QRectF(2.8, 2.3, 5.8, 5.8));
    p.setPen(QPen(Qt::white, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    KanjiBun(p, QRectF(9, 7.6, 8.2, 8));
}

void DrawHideToTray(QPainter& p)
{
    const QRectF window(4, 1.5, 12, 8);
    Fill(p, Rounded(window, 0.8), kPaper, kBlueDark);
    p.setPen(Qt::NoPen);
    p.setBrush(kBlue);
    p.drawRect(QRectF(4.5, 2, 11, 2.2));
    const QRectF tray(1, 15, 18, 4);
    Fill(p, Rounded(tray, 1.2), Shade(tray, kBlue, kBlueDark), kBlueDark);
    Fill(p, Circle(QPointF(15.5, 17), 1.1), kGreenLight, kGreenDark, 0.6);
    Fill(p, Polygon({{8.5, 8.5}, {11.5, 8.5}, {11.5, 11}, {14, 11}, {10, 15}, {6, 11}, {8.5, 11}}),
         Shade(QRectF(6, 8, 8, 7), kGreenLight, kGreen), kGreenDark);
}

void DrawRestoreSession(QPainter& p)
{
    Page(p, QRectF(8, 3.5, 9.5, 12), 2, kSteel);
    Page(p, QRectF(5, 6.5, 9.5, 12), 3);
    // A turning-back arrow over the pages.
    QPainterPath arc;
    const QRectF ring(1.5, 1.5, 10, 10);
    arc.arcMoveTo(ring, 10);
    arc.arcTo(ring, 10, 160);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kOrangeDark, 3.6, Qt::SolidLine, Qt::FlatCap));
    p.drawPath(arc);
    p.setPen(QPen(kOrange, 1.8, Qt::SolidLine, Qt::FlatCap));
    p.drawPath(arc);
    Fill(p, Polygon({{-0.2, 5.2}, {5.4, 5.2}, {2.6, 9.6}}), kOrange, kOrangeDark);
}

QPainterPath Gear(QPointF c, qreal outer, qreal inner, int teeth)
{
    QPainterPath path;
    const qreal step = 360.0 / teeth;
    for (int i = 0; i < teeth; ++i) {
        const qreal a0 = (i * step - step * 0.22) * M_PI / 180;
        const qreal a1 = (i * step + step * 0.22) * M_PI / 180;
        const qreal b0 = (i * step + step * 0.32) * M_PI / 180;
        const qreal b1 = (i * step + step * 0.68) * M_PI / 180;
        const QPointF pts[] = {{c.x() + outer * std::cos(a0), c.y() + outer * std::sin(a0)},
                               {c.x() + outer * std::cos(a1), c.y() + outer * std::sin(a1)},
                               {c.x() + inner * std::cos(b0), c.y() + inner * std::sin(b0)},
                               {c.x() + inner * std::cos(b1), c.y() + inner * std::sin(b1)}};
        if (i == 0)
            path.moveTo(pts[0]);
        else
            path.lineTo(pts[0]);
        for (int k = 1; k < 4; ++k)
            path.lineTo(pts[k]);
    }
    path.closeSubpath();
    path.addEllipse(c, inner * 0.38, inner * 0.38);
    path.setFillRule(Qt::OddEvenFill);
    return path;
}

void DrawBrowserOptions(QPainter& p)
{
    Globe(p, QPointF(8.5, 8.5), 7);
    const QPainterPath gear = Gear(QPointF(14.5, 14.5), 5.2, 3.6, 8);
    Fill(p, gear, Shade(QRectF(9, 9, 11, 11), QColor(0xe0, 0xe4, 0xe8), kSteel), kInk, 0.9);
}

void DrawZelvoSettings(QPainter& p)
{
    const QPainterPath gear = Gear(QPointF(10, 10), 9, 6.6, 10);
    Fill(p, gear, Shade(QRectF(1, 1, 18, 18), kGreenLight, kGreen.darker(110)), kGreenDark);
    // The shell pattern of the Zelvo turtle in the hub.
    QPolygonF hexagon;
    for (int i = 0; i < 6; ++i) {
        const qreal a = (30 + 60 * i) * M_PI / 180;
        hexagon << QPointF(10 + 4.2 * std::cos(a), 10 + 4.2 * std::sin(a));
    }
    p.setPen(Outline(kGreenDark, 1.1));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(hexagon);
}

void DrawProxy(QPainter& p)
{
    // This computer, the relay in between and the web.
    p.setPen(QPen(kInk, 1.2, Qt::DashLine, Qt::RoundCap));
    p.drawLine(QPointF(5, 12), QPointF(10, 9));
    p.drawLine(QPointF(10, 9), QPointF(14.5, 5.5));
    const QRectF screen(0.8, 10.5, 8.5, 6);
    Fill(p, Rounded(screen, 0.8), Shade(screen, kBlueLight, kBlue), kInk);
    p.setPen(Outline(kInk, 1.2));
    p.drawLine(QPointF(5, 16.5), QPointF(5, 18.5));
    p.drawLine(QPointF(2.5, 18.7), QPointF(7.5, 18.7));
    Globe(p, QPointF(14.8, 5.2), 4.4);
    Fill(p, Rounded(QRectF(8.2, 7.2, 5, 5), 1),
         Shade(QRectF(8, 7, 5, 5), kOrange.lighter(120), kOrange), kOrangeDark);
}

void DrawLinks(QPainter& p)
{
    p.save();
    p.translate(10, 10);
    p.rotate(-45);
    const QRectF a(-9.2, -3.2, 11, 6.4);
    const QRectF b(-1.8, -3.2, 11, 6.4);
    p.setBrush(Qt::NoBrush);
    for (const QRectF& link : {a, b}) {
        p.setPen(QPen(kBlueDark, 3.4));
        p.drawRoundedRect(link, 3.2, 3.2);
        p.setPen(QPen(kBlueLight, 1.6));
        p.drawRoundedRect(link, 3.2, 3.2);
    }
    // The first link passes over the second once more, so they hold together.
    p.setPen(QPen(kBlueDark, 3.4, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(-1.0, 3.2), QPointF(1.4, 3.2));
    p.setPen(QPen(kBlueLight, 1.6, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(-1.4, 3.2), QPointF(1.8, 3.2));
    p.restore();
}

void DrawEncoding(QPainter& p)
{
    Page(p, QRectF(1.5, 1.5, 13, 17), 0);
    p.setPen(QPen(kRedDark, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    KanjiBun(p, QRectF(3.5, 5.5, 8.5, 10.5));
    Fill(p, Polygon({{13.5, 12.5}, {19.5, 12.5}, {16.5, 16.5}}), kInk, kInk, 0.6);
}

QList<Drawing> MainToolbarDrawings()
{
    return {
        [](QPainter& p) { DrawArrow(p, false); },
        [](QPainter& p) { DrawArrow(p, true); },
        DrawStop,
        DrawRefresh,
        DrawHome,
        DrawDuplicate,
        DrawHistorySearch,
        DrawCloseTab,
        DrawDockingBar,
        DrawFind,
        DrawPrint,
        DrawTranslate,
        DrawHideToTray,
        DrawRestoreSession,
        DrawBrowserOptions,
        DrawZelvoSettings,
        DrawProxy,
        DrawLinks,
        DrawEncoding,
    };
}

// Search toolbar and connect toolbar pictures, on a 16 × 16 grid.

void DrawSiteList(QPainter& p)
{
    Globe(p, QPointF(4.5, 4.5), 3.6);
    p.setPen(QPen(kSteel, 1.6, Qt::SolidLine, Qt::RoundCap));
    for (qreal y : {4.5, 9.0, 13.5})
        p.drawLine(QPointF(y == 4.5 ? 9.5 : 2.0, y), QPointF(14.5, y));
}

void DrawWebSearch(QPainter& p)
{
    Globe(p, QPointF(6.5, 6.5), 5.6);
    Magnifier(p, QPointF(10.8, 10.8), 2.8, QPointF(15, 15));
}

void DrawConnect(QPainter& p)
{
    const QRectF box(1, 1.5, 14, 13);
    Fill(p, Rounded(box, 2.5), Shade(box, kGreenLight, kGreen.darker(110)), kGreenDark);
    Fill(p, Polygon({{3.5, 6.5}, {8, 6.5}, {8, 4}, {12.5, 8}, {8, 12}, {8, 9.5}, {3.5, 9.5}}),
         Qt::white, kGreenDark, 0.8);
}

// Tab state pictures, on a 14 × 14 grid.

void DrawBusy(QPainter& p)
{
    const QPainterPath glass =
        Polygon({{3, 1.5}, {11, 1.5}, {7.6, 7}, {11, 12.5}, {3, 12.5}, {6.4, 7}});
    Fill(p, glass, QColor(0xf4, 0xf8, 0xfc), kInk, 1.0);
    Fill(p, Polygon({{4.6, 3}, {9.4, 3}, {7, 6}}), kOrange, kOrangeDark, 0.5);
    Fill(p, Polygon({{7, 8.6}, {10, 11.5}, {4, 11.5}}), kOrange, kOrangeDark, 0.5);
    p.setPen(QPen(kOrangeDark, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(2, 1.2), QPointF(12, 1.2));
    p.drawLine(QPointF(2, 12.8), QPointF(12, 12.8));
}

void DrawIdle(QPainter& p)
{
    Page(p, QRectF(2, 1, 10, 12), 3);
}

// Address bar pictures, on a 16 × 15 grid (scaled from 16 × 16).

void DrawPlainPage(QPainter& p)
{
    Page(p, QRectF(2, 0.8, 10.5, 13.5), 2);
    Globe(p, QPointF(10.8, 11.2), 4.2);
}

void DrawSecurePage(QPainter& p)
{
    Page(p, QRectF(1.5, 0.8, 10.5, 13.5), 2);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kInk, 1.8));
    p.drawRoundedRect(QRectF(8.2, 5.2, 5, 6), 2.5, 2.5);
    const QRectF body(6.6, 8.8, 8.4, 6.4);
    Fill(p, Rounded(body, 1), Shade(body, QColor(0xff, 0xe3, 0x72), kYellow.darker(110)),
         kYellowDark);
    p.setPen(QPen(kYellowDark, 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(10.8, 11), QPointF(10.8, 13));
}

} // namespace

QImage MainToolbarStrip()
{
    return Strip(MainToolbarDrawings(), QSize(kMainToolbarImageSize, kMainToolbarImageSize), 20);
}

QImage SearchToolbarStrip()
{
    return Strip({DrawSiteList, DrawWebSearch}, QSize(kBarImageSize, kBarImageSize), 16);
}

QImage ConnectToolbarStrip()
{
    return Strip({DrawConnect}, QSize(kBarImageSize, kBarImageSize), 16);
}

QImage TabStateStrip()
{
    return Strip({DrawBusy, DrawIdle}, QSize(kTabStateImageSize, kTabStateImageSize), 14);
}

QImage AddressStrip()
{
    return Strip({DrawPlainPage, DrawSecurePage}, kAddressImageSize, 16);
}

} // namespace BuiltinImages

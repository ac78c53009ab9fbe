// The program's own pictures: the turtle, its tray and tab-window badges, the
// About box's picture.
#include "chrome/BuiltinImages.h"

#include "chrome/DrawingKit.h"

#include <QIcon>
#include <QPixmap>

#include <cmath>

namespace BuiltinImages {

namespace {

using namespace DrawingKit;

// The Zelvo turtle seen from above, head up, on a 32 × 32 grid.
void DrawTurtle(QPainter& p)
{
    const QColor skin(0x9b, 0xc9, 0x5a);
    const QColor skinEdge(0x3d, 0x5c, 0x1c);
    for (const QPointF& leg :
         {QPointF(7.5, 11), QPointF(24.5, 11), QPointF(8.5, 23.5), QPointF(23.5, 23.5)})
        Fill(p, Circle(leg, 3.6), skin, skinEdge, 1.2);
    Fill(p, Polygon({{14, 26}, {18, 26}, {16, 30.5}}), skin, skinEdge, 1.2);
    QPainterPath head;
    head.addEllipse(QRectF(11.5, 1.2, 9, 8.5));
    Fill(p, head, skin, skinEdge, 1.2);
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawEllipse(QPointF(13.9, 4.6), 1.0, 1.0);
    p.drawEllipse(QPointF(18.1, 4.6), 1.0, 1.0);

    const QRectF shell(5, 7, 22, 21);
    QRadialGradient shade(QPointF(13, 13), 16);
    shade.setColorAt(0, QColor(0x6c, 0xc2, 0x5a));
    shade.setColorAt(1, QColor(0x24, 0x7a, 0x33));
    QPainterPath shellPath;
    shellPath.addEllipse(shell);
    Fill(p, shellPath, shade, kGreenDark, 1.4);
    QPolygonF hexagon;
    for (int i = 0; i < 6; ++i) {
        const qreal a = (30 + 60 * i) * M_PI / 180;
        hexagon << QPointF(16 + 5 * std::cos(a), 17.5 + 5 * std::sin(a));
    }
    p.setPen(Outline(QColor(0xd8, 0xf0, 0xa8), 1.3));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(hexagon);
    for (const QPointF& corner : hexagon) {
        const QPointF out = QPointF(16, 17.5) + (corner - QPointF(16, 17.5)) * 1.9;
        p.drawLine(corner, out);
    }
}

void DrawTrayBadge(QPainter& p)
{
    Fill(p, Circle(QPointF(16, 16), 15), Shade(QRectF(1, 1, 30, 30), kBlueLight, kBlue), kBlueDark,
         1.4);
    p.save();
    p.translate(16, 16);
    p.scale(0.78, 0.78);
    p.translate(-16, -16);
    DrawTurtle(p);
    p.restore();
}

void DrawChildFrame(QPainter& p)
{
    Page(p, QRectF(3, 1.5, 22, 29), 4);
    p.save();
    p.translate(13, 13);
    p.scale(0.58, 0.58);
    DrawTurtle(p);
    p.restore();
}

QIcon IconOf(const Drawing& draw, std::initializer_list<int> sizes)
{
    QIcon icon;
    for (int size : sizes)
        icon.addPixmap(QPixmap::fromImage(Render(draw, QSize(size, size), 32)));
    return icon;
}

// "Zelvo" in round strokes; the design box is 52 × 20 with the baseline at 18.
void DrawWordmark(QPainter& p)
{
    QPainterPath word;
    word.moveTo(1, 4);
    word.lineTo(11, 4);
    word.lineTo(1, 18);
    word.lineTo(11.5, 18);
    word.moveTo(15, 12.5);
    word.lineTo(23.5, 12.5);
    word.arcTo(QRectF(14.5, 8, 9.5, 10), 0, 320);
    word.moveTo(28, 2.5);
    word.lineTo(28, 18);
    word.moveTo(32, 8.5);
    word.lineTo(36.2, 18);
    word.lineTo(40.4, 8.5);
    word.addEllipse(QRectF(43.5, 8.5, 8, 9.5));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 230), 4.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(word);
    p.setPen(QPen(kGreenDark, 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(word);
}

} // namespace

QPixmap AboutPicture()
{
    QImage image(kAboutPictureSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF box(0.5, 0.5, kAboutPictureSize.width() - 1, kAboutPictureSize.height() - 1);
    Fill(p, Rounded(box, 5), Shade(box, QColor(0xf4, 0xfb, 0xff), QColor(0xb6, 0xdd, 0xf5)),
         kBlueDark);
    p.save();
    p.translate(4, 2);
    p.scale(27.0 / 32, 27.0 / 32);
    DrawTurtle(p);
    p.restore();
    p.save();
    p.translate(33, 5);
    DrawWordmark(p);
    p.restore();
    p.end();
    return QPixmap::fromImage(image);
}

QIcon FrameIcon()
{
    return IconOf(DrawTurtle, {16, 24, 32, 48, 64, 128, 256});
}

QImage ProgramIcon(int size)
{
    return Render(DrawTurtle, QSize(size, size), 32);
}

QIcon ChildFrameIcon()
{
    return IconOf(DrawChildFrame, {16, 24, 32, 48});
}

QIcon TrayIcon()
{
    return IconOf(DrawTrayBadge, {16, 22, 24, 32, 48, 64});
}

} // namespace BuiltinImages

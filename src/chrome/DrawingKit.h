#pragma once

#include <cmath>

#include "chrome/BuiltinImages.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <functional>

// The pens, brushes, shapes and colours the built-in pictures are drawn with.
namespace DrawingKit {

// Every picture is drawn on a grid of its own design size and scaled to the
// pixels asked for, so one drawing serves all icon sizes.
using Drawing = std::function<void(QPainter&)>;

inline const QColor kInk(0x2b, 0x33, 0x3d);
inline const QColor kPaper(0xff, 0xff, 0xff);
inline const QColor kPaperEdge(0x5a, 0x64, 0x70);
inline const QColor kGreen(0x43, 0xa8, 0x4f);
inline const QColor kGreenLight(0x8c, 0xd6, 0x7a);
inline const QColor kGreenDark(0x1e, 0x5e, 0x27);
inline const QColor kBlue(0x3b, 0x82, 0xd0);
inline const QColor kBlueLight(0x9c, 0xcb, 0xf4);
inline const QColor kBlueDark(0x1d, 0x4a, 0x82);
inline const QColor kRed(0xe2, 0x3a, 0x2e);
inline const QColor kRedDark(0x8c, 0x1c, 0x16);
inline const QColor kYellow(0xf8, 0xc8, 0x2a);
inline const QColor kYellowDark(0x9a, 0x6e, 0x00);
inline const QColor kOrange(0xf0, 0x8a, 0x24);
inline const QColor kOrangeDark(0x92, 0x4a, 0x08);
inline const QColor kSteel(0x8a, 0x96, 0xa3);

// Colour that half-covered edge pixels are mixed with before they become
// opaque: the usual light face of a toolbar.
inline const QColor kEdgeBackdrop(0xec, 0xec, 0xec);

inline QImage Render(const Drawing& draw, QSize size, qreal designSize)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size.width() / designSize, size.height() / designSize);
    draw(p);
    return image;
}

// Keyed bitmaps know only opaque and transparent: half-covered pixels are
// settled on the toolbar's face colour, the rest become the key.
inline QImage ToKeyed(const QImage& argb)
{
    QImage out(argb.size(), QImage::Format_RGB32);
    for (int y = 0; y < argb.height(); ++y) {
        const QRgb* src = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        QRgb* dst = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            const int a = qAlpha(src[x]);
            if (a < 128) {
                dst[x] = BuiltinImages::kTransparentKey;
                continue;
            }
            const auto mix = [a](int premultiplied, int backdrop) {
                return qMin(255, premultiplied + (255 - a) * backdrop / 255);
            };
            QRgb c = qRgb(mix(qRed(src[x]), kEdgeBackdrop.red()),
                          mix(qGreen(src[x]), kEdgeBackdrop.green()),
                          mix(qBlue(src[x]), kEdgeBackdrop.blue()));
            // A drawn pixel must never read as the key.
            if (c == BuiltinImages::kTransparentKey)
                c = qRgb(0xfe, 0x00, 0xff);
            dst[x] = c;
        }
    }
    return out;
}

inline QImage Strip(const QList<Drawing>& drawings, QSize imageSize, qreal designSize)
{
    QImage strip(imageSize.width() * drawings.size(), imageSize.height(), QImage::Format_RGB32);
    QPainter p(&strip);
    for (qsizetype i = 0; i < drawings.size(); ++i)
        p.drawImage(int(i) * imageSize.width(), 0,
                    ToKeyed(Render(drawings[i], imageSize, designSize)));
    return strip;
}

inline QBrush Shade(const QRectF& r, const QColor& top, const QColor& bottom)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    return g;
}

inline QPen Outline(const QColor& c, qreal width = 1.0)
{
    return QPen(c, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

inline void Fill(QPainter& p, const QPainterPath& path, const QBrush& brush, const QColor& edge,
                 qreal width = 1.0)
{
    p.setPen(Outline(edge, width));
    p.setBrush(brush);
    p.drawPath(path);
}

inline QPainterPath Polygon(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    return path;
}

inline QPainterPath Circle(QPointF c, qreal r)
{
    QPainterPath path;
    path.addEllipse(c, r, r);
    return path;
}

// A five-pointed star, point up.
inline QPainterPath Star(QPointF c, qreal outer, qreal inner)
{
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const qreal a = (-90 + 36 * i) * M_PI / 180;
        const qreal r = i % 2 ? inner : outer;
        star << QPointF(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
    }
    QPainterPath path;
    path.addPolygon(star);
    path.closeSubpath();
    return path;
}

inline QPainterPath Rounded(const QRectF& r, qreal radius)
{
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    return path;
}

// A sheet of paper with a folded top-right corner and a few lines of text.
inline void Page(QPainter& p, const QRectF& r, int lines = 3, const QColor& lineColour = kBlue)
{
    const qreal fold = qMin(r.width(), r.height()) * 0.3;
    const QPainterPath sheet = Polygon({r.topLeft(),
                                        {r.right() - fold, r.top()},
                                        {r.right(), r.top() + fold},
                                        r.bottomRight(),
                                        r.bottomLeft()});
    Fill(p, sheet, Shade(r, kPaper, QColor(0xe4, 0xea, 0xf0)), kPaperEdge);
    Fill(p,
         Polygon({{r.right() - fold, r.top()},
                  {r.right() - fold, r.top() + fold},
                  {r.right(), r.top() + fold}}),
         QColor(0xd0, 0xd8, 0xe0), kPaperEdge);
    p.setPen(Outline(lineColour, 1.0));
    const qreal step = (r.height() - fold - 2) / qMax(1, lines);
    for (int i = 0; i < lines; ++i) {
        const qreal y = r.top() + fold + 1.5 + i * step;
        p.drawLine(QPointF(r.left() + 2, y), QPointF(r.right() - 2 - (i % 2) * 2, y));
    }
}

} // namespace DrawingKit

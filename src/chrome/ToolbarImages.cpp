#include "chrome/ToolbarImages.h"

#include "core/ProfileStore.h"
#include "core/ProgramDir.h"

#include <QFileInfo>

namespace {

constexpr QRgb kKey = 0x00FF00FF;

QImage KeyToAlpha(const QImage& image)
{
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            if ((line[x] & 0x00FFFFFF) == kKey)
                line[x] = 0;
        }
    }
    return out;
}

} // namespace

QList<QPixmap> CutStrip(const QImage& strip, int size)
{
    return CutStrip(strip, QSize(size, size));
}

QList<QPixmap> CutStrip(const QImage& strip, QSize imageSize)
{
    QList<QPixmap> images;
    if (strip.isNull() || imageSize.isEmpty())
        return images;
    const QImage keyed = KeyToAlpha(strip);
    const int count = keyed.width() / imageSize.width();
    for (int i = 0; i < count; ++i)
        images << QPixmap::fromImage(
            keyed.copy(i * imageSize.width(), 0, imageSize.width(), imageSize.height()));
    return images;
}

QList<QPixmap> LoadToolbarImages(const QString& fileName, const QImage& builtin, int size)
{
    const QList<QPixmap> fallback = CutStrip(builtin, size);
    // The names come from Windows, where "go.bmp" and "Go.bmp" are one file.
    const QString path =
        ProfileStore::ResolvePath(SettingsPath(QStringLiteral("toolbar\\") + fileName));
    if (!QFileInfo(path).isFile())
        return fallback;
    const QImage file(path);
    QList<QPixmap> images = CutStrip(file, size);
    if (images.isEmpty())
        return fallback;
    for (qsizetype i = images.size(); i < fallback.size(); ++i)
        images << fallback.at(i);
    return images;
}

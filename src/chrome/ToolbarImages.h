#pragma once

#include <QImage>
#include <QList>
#include <QPixmap>
#include <QSize>
#include <QString>

// Toolbar pictures come as strips: images side by side, 0xFF00FF transparent.

// Cuts a strip into square images of size × size, left to right.
QList<QPixmap> CutStrip(const QImage& strip, int size);
QList<QPixmap> CutStrip(const QImage& strip, QSize imageSize);

// The strip toolbar\<fileName> of the program directory when it exists and can
// be read, else the built-in strip. A file with fewer pictures than the
// built-in strip borrows the missing ones from it, so every button has one.
QList<QPixmap> LoadToolbarImages(const QString& fileName, const QImage& builtin, int size);

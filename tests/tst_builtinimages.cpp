#include "chrome/BuiltinImages.h"
#include "chrome/CAboutDlg.h"
#include "chrome/ToolbarImages.h"

#include "TempHome.h"

#include <QBuffer>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

using namespace BuiltinImages;

namespace {

constexpr QRgb kKey = 0xFFFF00FF;

// A strip of solid squares in the given colours, as a user's own tool.bmp.
QImage SolidStrip(const QList<QRgb>& colours, int size)
{
    QImage strip(size * colours.size(), size, QImage::Format_RGB32);
    for (qsizetype i = 0; i < colours.size(); ++i) {
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x)
                strip.setPixel(int(i) * size + x, y, colours[i]);
        }
    }
    return strip;
}

QByteArray Bmp(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

int OpaquePixels(const QImage& image)
{
    int opaque = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            opaque += qAlpha(image.pixel(x, y)) == 255;
    }
    return opaque;
}

QList<QRgb> Colours(int count, int seed)
{
    QList<QRgb> colours;
    for (int i = 0; i < count; ++i)
        colours << qRgb(seed, 10 * i, 255 - 10 * i);
    return colours;
}

} // namespace

class TestBuiltinImages : public QObject {
    Q_OBJECT

private slots:
    void strips_data();
    void strips();
    void onlyMagentaIsTransparent_data();
    void onlyMagentaIsTransparent();
    void cutIgnoresPartialImage();
    void toolbarFile_data();
    void toolbarFile();
    void icons();
    void aboutPicture();
    void aboutDialog();
};

void TestBuiltinImages::strips_data()
{
    QTest::addColumn<QImage>("strip");
    QTest::addColumn<QSize>("imageSize");
    QTest::addColumn<int>("count");
    QTest::newRow("main toolbar") << MainToolbarStrip() << QSize(20, 20) << 19;
    QTest::newRow("search toolbar") << SearchToolbarStrip() << QSize(16, 16) << 2;
    QTest::newRow("connect toolbar") << ConnectToolbarStrip() << QSize(16, 16) << 1;
    QTest::newRow("tab state") << TabStateStrip() << QSize(14, 14) << 2;
    QTest::newRow("address bar") << AddressStrip() << QSize(16, 15) << 2;
}

void TestBuiltinImages::strips()
{
    QFETCH(QImage, strip);
    QFETCH(QSize, imageSize);
    QFETCH(int, count);
    QCOMPARE(strip.size(), QSize(imageSize.width() * count, imageSize.height()));
    QVERIFY(!strip.hasAlphaChannel());

    const QList<QPixmap> images = CutStrip(strip, imageSize);
    QCOMPARE(images.size(), count);
    const int area = imageSize.width() * imageSize.height();
    QList<QImage> seen;
    for (int i = 0; i < count; ++i) {
        const QImage image = images[i].toImage();
        QCOMPARE(image.size(), imageSize);
        const int opaque = OpaquePixels(image);
        // A picture, not an empty or a filled square.
        QVERIFY2(opaque > area / 5, qPrintable(QString("image %1 is nearly empty").arg(i)));
        QVERIFY2(opaque < area, qPrintable(QString("image %1 has no transparent part").arg(i)));
        for (qsizetype j = 0; j < seen.size(); ++j)
            QVERIFY2(seen[j] != image,
                     qPrintable(QString("images %1 and %2 are equal").arg(j).arg(i)));
        seen << image;
    }
}

void TestBuiltinImages::onlyMagentaIsTransparent_data()
{
    QTest::addColumn<QRgb>("colour");
    QTest::addColumn<bool>("transparent");
    QTest::newRow("magenta") << QRgb(0xFFFF00FF) << true;
    QTest::newRow("red one less") << QRgb(0xFFFE00FF) << false;
    QTest::newRow("green one more") << QRgb(0xFFFF01FF) << false;
    QTest::newRow("blue one less") << QRgb(0xFFFF00FE) << false;
    QTest::newRow("black") << QRgb(0xFF000000) << false;
    QTest::newRow("white") << QRgb(0xFFFFFFFF) << false;
}

void TestBuiltinImages::onlyMagentaIsTransparent()
{
    QFETCH(QRgb, colour);
    QFETCH(bool, transparent);
    QImage strip = SolidStrip({0xFF102030, 0xFF405060}, 4);
    strip.setPixel(5, 2, colour);
    const QList<QPixmap> images = CutStrip(strip, 4);
    QCOMPARE(images.size(), 2);
    const QImage second = images[1].toImage().convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(qAlpha(second.pixel(1, 2)), transparent ? 0 : 255);
    if (!transparent)
        QCOMPARE(second.pixel(1, 2), colour);
    QCOMPARE(second.pixel(0, 0), QRgb(0xFF405060));
    QCOMPARE(OpaquePixels(images[0].toImage()), 16);
}

void TestBuiltinImages::cutIgnoresPartialImage()
{
    // 45 pixels hold two whole 20-pixel images; the rest is no button.
    const QImage strip = SolidStrip({0xFF000001, 0xFF000002, 0xFF000003}, 15).scaled(45, 20);
    QCOMPARE(CutStrip(strip, 20).size(), 2);
    QVERIFY(CutStrip(QImage(), 20).isEmpty());
}

void TestBuiltinImages::toolbarFile_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<int>("fromFile");
    const QByteArray full = Bmp(SolidStrip(Colours(19, 7), 20));
    QTest::newRow("own tool.bmp") << "tool.bmp" << full << 19;
    QTest::newRow("name in other case") << "TOOL.BMP" << full << 19;
    QTest::newRow("fewer images borrow the rest")
        << "tool.bmp" << Bmp(SolidStrip(Colours(3, 7), 20)) << 3;
    QTest::newRow("more images are kept")
        << "tool.bmp" << Bmp(SolidStrip(Colours(21, 7), 20)) << 21;
    QTest::newRow("broken file") << "tool.bmp" << QByteArray("BM\x10\0\0\0garbage", 13) << 0;
    QTest::newRow("empty file") << "tool.bmp" << QByteArray() << 0;
    QTest::newRow("narrower than one image")
        << "tool.bmp" << Bmp(SolidStrip(Colours(1, 7), 10)) << 0;
    QTest::newRow("no file") << QString() << QByteArray() << 0;
}

void TestBuiltinImages::toolbarFile()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, contents);
    QFETCH(int, fromFile);
    TempHome home;
    if (!fileName.isEmpty())
        home.write("toolbar/" + fileName, contents);
    home.write("toolbar/search.bmp", Bmp(SolidStrip({0xFF00FF00, 0xFF00FF00}, 16)));

    const QList<QPixmap> builtin = CutStrip(MainToolbarStrip(), 20);
    const QList<QPixmap> images = LoadToolbarImages("tool.bmp", MainToolbarStrip(), 20);
    QCOMPARE(images.size(), qMax(19, fromFile));
    const QList<QRgb> colours = Colours(21, 7);
    for (int i = 0; i < images.size(); ++i) {
        const QImage image = images[i].toImage();
        if (i < fromFile)
            QCOMPARE(image.pixel(10, 10), colours[i]);
        else
            QCOMPARE(image, builtin[i].toImage());
    }
}

void TestBuiltinImages::icons()
{
    const QIcon frame = FrameIcon();
    const QIcon child = ChildFrameIcon();
    const QIcon tray = TrayIcon();
    for (const QSize size : {QSize(16, 16), QSize(32, 32), QSize(48, 48)}) {
        QVERIFY(frame.availableSizes().contains(size));
        QVERIFY(child.availableSizes().contains(size));
        QVERIFY(tray.availableSizes().contains(size));
    }
    const QImage a = frame.pixmap(16).toImage();
    const QImage b = child.pixmap(16).toImage();
    const QImage c = tray.pixmap(16).toImage();
    QVERIFY(OpaquePixels(a) > 256 / 4);
    QVERIFY(OpaquePixels(b) > 256 / 4);
    QVERIFY(OpaquePixels(c) > 256 / 4);
    QVERIFY(a != b && b != c && a != c);
}

void TestBuiltinImages::aboutPicture()
{
    const QImage picture = AboutPicture().toImage();
    QCOMPARE(picture.size(), QSize(88, 31));
    QVERIFY(OpaquePixels(picture) > 88 * 31 * 9 / 10);
}

void TestBuiltinImages::aboutDialog()
{
    CAboutDlg dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Zelvoのﾊﾞｰｼﾞｮﾝ情報"));
    QVERIFY(dialog.isModal());

    const QList<QLabel*> labels = dialog.findChildren<QLabel*>();
    QCOMPARE(labels.size(), 3);
    QVERIFY(labels[0]->text().startsWith(QStringLiteral("Zelvo Version ")));
    QVERIFY(labels[1]->text().contains(QStringLiteral("Copyright")));
    for (QLabel* label : labels) {
        QVERIFY(!label->text().isEmpty());
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(Qt::black));
        QVERIFY(!label->autoFillBackground());
    }

    QPushButton* ok = dialog.OkButton();
    QCOMPARE(ok->iconSize(), QSize(88, 31));
    QCOMPARE(ok->icon().pixmap(88, 31).toImage().convertToFormat(QImage::Format_ARGB32),
             AboutPicture().toImage().convertToFormat(QImage::Format_ARGB32));

    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    // The colour really shows: at the corner and behind the text.
    const QImage shot = dialog.grab().toImage();
    QCOMPARE(QColor(shot.pixel(2, 2)), QColor(200, 240, 255));
    const QRect textArea = labels[2]->geometry();
    QCOMPARE(QColor(shot.pixel(textArea.right() - 1, textArea.top())), QColor(200, 240, 255));

    QTest::mouseClick(ok, Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
}

QTEST_MAIN(TestBuiltinImages)
#include "tst_builtinimages.moc"

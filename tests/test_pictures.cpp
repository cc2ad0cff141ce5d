// The pictures drawn at build time must show what the SVG renders to: every
// raw picture in the resources, drawn by a picture box, is compared with its
// SVG rendered at the same size, and a picture box at a size drawn at build
// time by no one still shows its SVG.
#include "ui/widgets.h"

#include <QDirIterator>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTest>

namespace {

// The SVG as a picture box draws it without a picture drawn beforehand.
QImage fromSvg(const QString &asset, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QSvgRenderer renderer(QStringLiteral(":/assets/") + asset);
    QSizeF s = renderer.defaultSize();
    s.scale(QSizeF(size) - QSizeF(8, 8), Qt::KeepAspectRatio);
    renderer.render(&painter, QRectF((size.width() - s.width()) / 2,
                                     (size.height() - s.height()) / 2, s.width(), s.height()));
    return image;
}

// A picture box's area without its antialiased border.
QRect inside(QSize size)
{
    return QRect(QPoint(2, 2), size - QSize(4, 4));
}

// What a picture box of that size shows, its border left out.
QImage shown(const QString &asset, QSize size)
{
    ui::PictureBox box(asset, size);
    box.resize(size);
    return box.grab().toImage().convertToFormat(QImage::Format_RGB32).copy(inside(size));
}

// The share of pixels whose colour differs by more than a few levels.
double differing(const QImage &a, const QImage &b)
{
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            if (std::abs(qRed(p) - qRed(q)) > 8 || std::abs(qGreen(p) - qGreen(q)) > 8
                || std::abs(qBlue(p) - qBlue(q)) > 8)
                ++count;
        }
    return double(count) / (a.width() * a.height());
}

// The share of pixels that are not white.
double inked(const QImage &image)
{
    QImage white(image.size(), QImage::Format_RGB32);
    white.fill(Qt::white);
    return differing(image, white);
}

} // namespace

class TestPictures : public QObject {
    Q_OBJECT
private slots:
    void drawnBeforehand_data();
    void drawnBeforehand();
    void otherSizes_data();
    void otherSizes();
};

void TestPictures::drawnBeforehand_data()
{
    QTest::addColumn<QString>("asset");
    QTest::addColumn<QSize>("size");
    static const QRegularExpression name(QStringLiteral("^(.+)-(\\d+)x(\\d+)\\.rgb32$"));
    QDirIterator it(QStringLiteral(":/raster"));
    while (it.hasNext()) {
        const auto m = name.match(QFileInfo(it.next()).fileName());
        QVERIFY2(m.hasMatch(), qPrintable(it.filePath() + " is not named picture-WxH.rgb32"));
        QTest::newRow(qPrintable(m.captured(0)))
            << m.captured(1) + ".svg" << QSize(m.captured(2).toInt(), m.captured(3).toInt());
    }
}

void TestPictures::drawnBeforehand()
{
    QFETCH(QString, asset);
    QFETCH(QSize, size);
    QVERIFY2(QFile::exists(":/assets/" + asset), "a picture drawn from no SVG");
    const QImage expected = fromSvg(asset, size).copy(inside(size));
    const QImage got = shown(asset, size);
    QCOMPARE(got.size(), expected.size());
    QVERIFY2(differing(got, expected) < 0.01, "the picture differs from its SVG");
    QVERIFY2(inked(got) > 0.02, "an empty picture");
}

void TestPictures::otherSizes_data()
{
    QTest::addColumn<QString>("asset");
    QTest::addColumn<QSize>("size");
    QTest::newRow("cube, odd size") << "cubo.svg" << QSize(141, 97);
    QTest::newRow("cone, large") << "cono.svg" << QSize(300, 260);
}

void TestPictures::otherSizes()
{
    QFETCH(QString, asset);
    QFETCH(QSize, size);
    const QImage expected = fromSvg(asset, size).copy(inside(size));
    const QImage got = shown(asset, size);
    QVERIFY2(differing(got, expected) < 0.01, "the picture differs from its SVG");
    QVERIFY2(inked(got) > 0.02, "an empty picture");
}

QTEST_MAIN(TestPictures)
#include "test_pictures.moc"

// Build-time helper: draws SVG pictures as raw images at the sizes the windows
// show them, exactly as ui::PictureBox paints them (white ground, the picture
// centred and scaled to fit with a 4-pixel margin), so the program can show
// them without parsing and rendering the SVG at start-up.
//
//     corpimetro-rasterize OUTDIR WxH[,WxH...] PICTURE.svg...
//
// writes OUTDIR/<picture>-<W>x<H>.rgb32 for every picture and size: the rows
// of 32-bit pixels (QImage::Format_RGB32, 0xffRRGGBB in native order) and
// nothing else, which the build packs into the resources (cmake/pictures.cmake)
// for ui::PictureBox to unpack and draw.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 4) {
        std::fprintf(stderr, "usage: corpimetro-rasterize OUTDIR WxH[,WxH...] PICTURE.svg...\n");
        return 2;
    }
    const QDir out(args[1]);
    QDir().mkpath(out.path());
    QList<QSize> sizes;
    for (const QString &s : args[2].split(QLatin1Char(','))) {
        const QStringList wh = s.split(QLatin1Char('x'));
        sizes << QSize(wh.value(0).toInt(), wh.value(1).toInt());
    }
    for (int i = 3; i < args.size(); ++i) {
        QSvgRenderer renderer(args[i]);
        if (!renderer.isValid()) {
            std::fprintf(stderr, "cannot read %s\n", qPrintable(args[i]));
            return 1;
        }
        for (const QSize &size : sizes) {
            QImage image(size, QImage::Format_RGB32);
            image.fill(Qt::white);
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            QSizeF s = renderer.defaultSize();
            s.scale(QSizeF(size) - QSizeF(8, 8), Qt::KeepAspectRatio);
            renderer.render(&painter,
                            QRectF((size.width() - s.width()) / 2, (size.height() - s.height()) / 2,
                                   s.width(), s.height()));
            painter.end();
            const QString name = QStringLiteral("%1-%2x%3.rgb32")
                                     .arg(QFileInfo(args[i]).completeBaseName())
                                     .arg(size.width())
                                     .arg(size.height());
            QFile file(out.filePath(name));
            const qint64 bytes = qint64(image.bytesPerLine()) * image.height();
            if (!file.open(QIODevice::WriteOnly)
                || file.write(reinterpret_cast<const char *>(image.constBits()), bytes) != bytes) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(out.filePath(name)));
                return 1;
            }
        }
    }
    return 0;
}

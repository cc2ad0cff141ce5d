// The pictures of the solids. Drawn at build time, they must show what the SVG
// renders to; at any size a picture box shows the drawing centred with a
// 4-pixel margin, checked against the SVG's own geometry. Inside a drawing no
// letter is crossed by a line, sits on a vertex dot or overlaps another
// letter; the same holds for the labels a screen places on its picture. Each
// practical volume's figure marks every measure the screen asks for.
#include "harness.h"

#include "solids/solids.h"
#include "ui/widgets.h"

#include <QDirIterator>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QXmlStreamReader>

#include <algorithm>
#include <cmath>

namespace {

QString q(const std::string &s)
{
    return QString::fromStdString(s);
}

// ---- The geometry of an SVG picture, read from its file ----------------

struct Segment {
    QPointF a, b;
    qreal width;  // stroke width
    bool measure; // a measured segment (drawn in the measures' red)
};

struct Dot {
    QPointF centre;
    qreal r;
};

// A letter or symbol written on the picture; a subscript written right after
// its symbol is part of it ("h" and "1" make "h1").
struct Label {
    QString text;
    QRectF box; // the ink of its glyphs
    qreal size; // font size of the symbol
    bool measure;
};

struct Drawing {
    QRectF canvas;
    QList<Segment> segments;
    QList<Dot> dots;
    QList<Label> labels;
    QString error; // what could not be read
};

const QString kMeasureRed = QStringLiteral("#c0392b");

QList<qreal> numbers(const QString &s)
{
    static const QRegularExpression number(
        QStringLiteral("[-+]?(?:\\d+\\.?\\d*|\\.\\d+)(?:[eE][-+]?\\d+)?"));
    QList<qreal> out;
    for (auto it = number.globalMatch(s); it.hasNext();)
        out << it.next().captured().toDouble();
    return out;
}

// translate, scale and matrix, as the pictures use them.
QTransform parseTransform(const QString &s, QString *error)
{
    QTransform t;
    static const QRegularExpression item(QStringLiteral("(\\w+)\\s*\\(([^)]*)\\)"));
    for (auto it = item.globalMatch(s); it.hasNext();) {
        const auto m = it.next();
        const QList<qreal> v = numbers(m.captured(2));
        const QString op = m.captured(1);
        QTransform step;
        if (op == "translate")
            step.translate(v.value(0), v.value(1));
        else if (op == "scale")
            step.scale(v.value(0), v.size() > 1 ? v[1] : v.value(0));
        else if (op == "matrix" && v.size() == 6)
            step = QTransform(v[0], v[1], v[2], v[3], v[4], v[5]);
        else
            *error = "unread transform " + s;
        t = step * t;
    }
    return t;
}

// Path data with the commands the pictures use: M L H V C Q Z, absolute and
// relative.
QPainterPath parsePath(const QString &d, QString *error)
{
    static const QRegularExpression token(
        QStringLiteral("([A-Za-z])|([-+]?(?:\\d+\\.?\\d*|\\.\\d+)(?:[eE][-+]?\\d+)?)"));
    QList<QChar> commands;
    QList<QList<qreal>> arguments;
    for (auto it = token.globalMatch(d); it.hasNext();) {
        const auto m = it.next();
        if (!m.captured(1).isEmpty()) {
            commands << m.captured(1)[0];
            arguments << QList<qreal>();
        } else if (!arguments.isEmpty()) {
            arguments.last() << m.captured(2).toDouble();
        }
    }
    QPainterPath path;
    QPointF at, start;
    for (int i = 0; i < commands.size(); ++i) {
        const QChar c = commands[i];
        const bool rel = c.isLower();
        const QList<qreal> &v = arguments[i];
        auto point = [&](int k) {
            const QPointF p(v[k], v[k + 1]);
            return rel ? at + p : p;
        };
        switch (c.toUpper().toLatin1()) {
        case 'M':
            for (int k = 0; k + 1 < v.size(); k += 2) {
                const QPointF p = point(k);
                if (k == 0) {
                    path.moveTo(p);
                    start = p;
                } else {
                    path.lineTo(p);
                }
                at = p;
            }
            break;
        case 'L':
            for (int k = 0; k + 1 < v.size(); k += 2)
                path.lineTo(at = point(k));
            break;
        case 'H':
            for (qreal x : v)
                path.lineTo(at = QPointF(rel ? at.x() + x : x, at.y()));
            break;
        case 'V':
            for (qreal y : v)
                path.lineTo(at = QPointF(at.x(), rel ? at.y() + y : y));
            break;
        case 'C':
            for (int k = 0; k + 5 < v.size(); k += 6) {
                const QPointF c1 = point(k), c2 = point(k + 2), end = point(k + 4);
                path.cubicTo(c1, c2, end);
                at = end;
            }
            break;
        case 'Q':
            for (int k = 0; k + 3 < v.size(); k += 4) {
                const QPointF c1 = point(k), end = point(k + 2);
                path.quadTo(c1, end);
                at = end;
            }
            break;
        case 'Z':
            path.closeSubpath();
            at = start;
            break;
        default:
            *error = QStringLiteral("unread path command ") + c;
        }
    }
    return path;
}

// The ink of `text` written at (x, y) on its baseline, in SVG units. The
// renderer takes font-size as a pixel size.
QRectF inkBox(const QString &text, const QHash<QString, QString> &style, QPointF at)
{
    QFont font(style.value("font-family", "DejaVu Sans"));
    font.setPixelSize(100);
    font.setItalic(style.value("font-style") == "italic");
    font.setBold(style.value("font-weight") == "bold");
    const qreal scale = style.value("font-size", "16").toDouble() / 100;
    const QFontMetricsF metrics(font);
    const QRectF ink = metrics.tightBoundingRect(text);
    const qreal advance = metrics.horizontalAdvance(text);
    const QString anchor = style.value("text-anchor", "start");
    const qreal shift = anchor == "middle" ? advance / 2 : anchor == "end" ? advance : 0;
    return QRectF(at.x() + (ink.left() - shift) * scale, at.y() + ink.top() * scale,
                  ink.width() * scale, ink.height() * scale);
}

Drawing readDrawing(const QString &asset)
{
    Drawing out;
    QFile file(QStringLiteral(":/assets/") + asset);
    if (!file.open(QIODevice::ReadOnly)) {
        out.error = "cannot open " + asset;
        return out;
    }
    struct Level {
        QHash<QString, QString> style;
        QTransform transform;
    };
    QList<Level> stack{ Level{} };
    static const QStringList inherited{ "stroke",    "stroke-width", "fill",       "font-family",
                                        "font-size", "font-weight",  "font-style", "text-anchor" };
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        const auto token = xml.readNext();
        if (token == QXmlStreamReader::EndElement) {
            stack.removeLast();
            continue;
        }
        if (token != QXmlStreamReader::StartElement)
            continue;
        const auto attrs = xml.attributes();
        auto attr = [&](const char *name) { return attrs.value(QLatin1String(name)).toString(); };
        auto num = [&](const char *name) { return attrs.value(QLatin1String(name)).toDouble(); };
        Level level = stack.last();
        for (const QString &name : inherited)
            if (attrs.hasAttribute(name))
                level.style[name] = attrs.value(name).toString();
        if (attrs.hasAttribute("transform"))
            level.transform = parseTransform(attr("transform"), &out.error) * level.transform;
        const QString tag = xml.name().toString();
        const QString stroke = level.style.value("stroke", "none");
        const QString fill = level.style.value("fill", "#000000");

        if (tag == "svg") {
            const QList<qreal> v = numbers(attr("viewBox"));
            out.canvas = v.size() == 4 ? QRectF(v[0], v[1], v[2], v[3])
                                       : QRectF(0, 0, num("width"), num("height"));
        } else if (tag == "text") {
            const QPointF at(num("x"), num("y"));
            // readElementText consumes the end tag: this level is done with.
            const QString text = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            const QRectF box = level.transform.mapRect(inkBox(text, level.style, at));
            const qreal size = level.style.value("font-size", "16").toDouble();
            Label *last = out.labels.isEmpty() ? nullptr : &out.labels.last();
            const bool subscript = last && size < last->size && box.left() >= last->box.left()
                                   && box.left() - last->box.right() < 4
                                   && std::abs(box.bottom() - last->box.bottom()) < 8;
            if (subscript) {
                last->text += text;
                last->box |= box;
            } else {
                out.labels << Label{ text.trimmed(), box, size,
                                     fill.compare(kMeasureRed, Qt::CaseInsensitive) == 0 };
            }
            continue;
        }
        stack << level;

        QPainterPath path;
        if (tag == "line") {
            path.moveTo(num("x1"), num("y1"));
            path.lineTo(num("x2"), num("y2"));
        } else if (tag == "polyline" || tag == "polygon") {
            const QList<qreal> v = numbers(attr("points"));
            for (int k = 0; k + 1 < v.size(); k += 2)
                k == 0 ? path.moveTo(v[k], v[k + 1]) : path.lineTo(v[k], v[k + 1]);
            if (tag == "polygon")
                path.closeSubpath();
        } else if (tag == "path") {
            path = parsePath(attr("d"), &out.error);
        } else if (tag == "rect") {
            path.addRect(num("x"), num("y"), num("width"), num("height"));
        } else if (tag == "circle" || tag == "ellipse") {
            const qreal rx = tag == "circle" ? num("r") : num("rx");
            const qreal ry = tag == "circle" ? num("r") : num("ry");
            const QPointF c(num("cx"), num("cy"));
            // A small filled disc is a vertex dot; letters keep off it too.
            if (tag == "circle" && rx <= 4 && fill != "none") {
                out.dots << Dot{ level.transform.map(c), rx };
                continue;
            }
            path.addEllipse(c, rx, ry);
        } else {
            continue;
        }
        if (stroke == "none")
            continue; // a face or a shading: letters may lie on it
        const qreal width = level.style.value("stroke-width", "1").toDouble();
        const bool measure = stroke.compare(kMeasureRed, Qt::CaseInsensitive) == 0;
        for (const QPolygonF &poly : path.toSubpathPolygons(level.transform))
            for (int k = 1; k < poly.size(); ++k)
                out.segments << Segment{ poly[k - 1], poly[k], width, measure };
    }
    if (xml.hasError())
        out.error = asset + ": " + xml.errorString();
    return out;
}

// ---- Distances ---------------------------------------------------------

qreal distance(QPointF p, QPointF a, QPointF b)
{
    const QPointF ab = b - a;
    const qreal len2 = QPointF::dotProduct(ab, ab);
    const qreal t =
        len2 == 0 ? 0 : std::clamp(QPointF::dotProduct(p - a, ab) / len2, qreal(0), qreal(1));
    const QPointF d = p - (a + t * ab);
    return std::hypot(d.x(), d.y());
}

bool crosses(QPointF a, QPointF b, QPointF c, QPointF d)
{
    auto side = [](QPointF o, QPointF p, QPointF r) {
        return (p.x() - o.x()) * (r.y() - o.y()) - (p.y() - o.y()) * (r.x() - o.x());
    };
    const qreal d1 = side(c, d, a), d2 = side(c, d, b), d3 = side(a, b, c), d4 = side(a, b, d);
    return ((d1 > 0 && d2 < 0) || (d1 < 0 && d2 > 0)) && ((d3 > 0 && d4 < 0) || (d3 < 0 && d4 > 0));
}

// The gap between a segment and a box; 0 when they meet.
qreal gap(const Segment &s, const QRectF &box)
{
    if (box.contains(s.a) || box.contains(s.b))
        return 0;
    const QPointF corners[4] = { box.topLeft(), box.topRight(), box.bottomRight(),
                                 box.bottomLeft() };
    qreal best = std::min(distance(s.a, box.topLeft(), box.topRight()),
                          distance(s.a, box.bottomLeft(), box.bottomRight()));
    for (int i = 0; i < 4; ++i) {
        const QPointF c = corners[i], n = corners[(i + 1) % 4];
        if (crosses(s.a, s.b, c, n))
            return 0;
        best = std::min({ best, distance(c, s.a, s.b), distance(s.a, c, n), distance(s.b, c, n) });
    }
    return best;
}

qreal gap(QPointF p, const QRectF &box)
{
    const qreal dx = std::max({ box.left() - p.x(), qreal(0), p.x() - box.right() });
    const qreal dy = std::max({ box.top() - p.y(), qreal(0), p.y() - box.bottom() });
    return std::hypot(dx, dy);
}

// How far a letter keeps from the ink of a line (beyond half its width) and
// from another letter.
constexpr qreal kClearance = 1.0;

// How far at most a measure's symbol stands from a measured segment.
constexpr qreal kBeside = 17.0;
// A label the screen places names the segment it stands against.
constexpr qreal kBesideOnPicture = 6.0;

QString where(const QRectF &r)
{
    return QStringLiteral("(%1,%2 %3x%4)")
        .arg(r.x(), 0, 'f', 1)
        .arg(r.y(), 0, 'f', 1)
        .arg(r.width(), 0, 'f', 1)
        .arg(r.height(), 0, 'f', 1);
}

// What lies on a box: lines, dots and letters closer than the clearance.
QStringList clashes(const Drawing &d, const QString &text, const QRectF &box, int self = -1)
{
    QStringList out;
    for (const Segment &s : d.segments)
        if (gap(s, box) < s.width / 2 + kClearance)
            out << QStringLiteral("'%1' %2 touches the line %3,%4-%5,%6")
                       .arg(text, where(box))
                       .arg(s.a.x())
                       .arg(s.a.y())
                       .arg(s.b.x())
                       .arg(s.b.y());
    for (const Dot &dot : d.dots)
        if (gap(dot.centre, box) < dot.r + kClearance / 2)
            out << QStringLiteral("'%1' %2 touches the dot at %3,%4")
                       .arg(text, where(box))
                       .arg(dot.centre.x())
                       .arg(dot.centre.y());
    for (int j = self + 1; j < d.labels.size(); ++j)
        if (d.labels[j]
                .box.adjusted(-kClearance, -kClearance, kClearance, kClearance)
                .intersects(box))
            out << QStringLiteral("'%1' %2 touches '%3' %4")
                       .arg(text, where(box), d.labels[j].text, where(d.labels[j].box));
    out.removeDuplicates();
    return out;
}

// The gap from a box to the nearest measured segment.
qreal nearestMeasure(const Drawing &d, const QRectF &box)
{
    qreal best = 1e9;
    for (const Segment &s : d.segments)
        if (s.measure)
            best = std::min(best, gap(s, box));
    return best;
}

// Where a picture box of `size` draws the SVG's canvas: scaled to fit with a
// 4-pixel margin on every side, centred.
QTransform placement(QRectF canvas, QSize size)
{
    const qreal scale =
        std::min((size.width() - 8) / canvas.width(), (size.height() - 8) / canvas.height());
    QTransform t;
    t.translate((size.width() - canvas.width() * scale) / 2,
                (size.height() - canvas.height() * scale) / 2);
    t.scale(scale, scale);
    t.translate(-canvas.x(), -canvas.y());
    return t;
}

// The bounding box of the pixels darker than the paper.
QRect inkOf(const QImage &image, int threshold = 0xf0)
{
    QRect r;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (qAlpha(p) > 0x40 && std::min({ qRed(p), qGreen(p), qBlue(p) }) < threshold)
                r |= QRect(x, y, 1, 1);
        }
    return r;
}

QStringList assets()
{
    QStringList out;
    QDirIterator it(QStringLiteral(":/assets"), { "*.svg" });
    while (it.hasNext())
        out << QFileInfo(it.next()).fileName();
    out.sort();
    return out;
}

// ---- Pixels ------------------------------------------------------------

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
    void placedAtAnySize_data();
    void placedAtAnySize();
    void lettersMeasuredAsDrawn_data();
    void lettersMeasuredAsDrawn();
    void assets_data();
    void lettersClear();
    void lettersClear_data() { assets_data(); }
    void lettersBesideTheirMeasure();
    void lettersBesideTheirMeasure_data() { assets_data(); }
    void screens_data();
    void labelsOnPictureClear();
    void labelsOnPictureClear_data() { screens_data(); }
    void practicalFiguresMarkWhatIsAsked();
    void practicalFiguresMarkWhatIsAsked_data() { screens_data(); }
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

void TestPictures::placedAtAnySize_data()
{
    QTest::addColumn<QString>("asset");
    QTest::addColumn<QSize>("size");
    for (const QString &asset : assets()) {
        QTest::newRow(qPrintable(asset + " menu")) << asset << QSize(132, 110);
        QTest::newRow(qPrintable(asset + " large")) << asset << QSize(300, 260);
    }
    QTest::newRow("cube, odd size") << "cubo.svg" << QSize(141, 97);
    QTest::newRow("cone, tall") << "cono.svg" << QSize(120, 240);
}

// Every vertex dot of the SVG is dark where the SVG's geometry puts it, and
// the drawing's ink lies within the box less its margin, where the outermost
// lines and letters put it.
void TestPictures::placedAtAnySize()
{
    QFETCH(QString, asset);
    QFETCH(QSize, size);
    const Drawing d = readDrawing(asset);
    QVERIFY2(d.error.isEmpty(), qPrintable(d.error));
    ui::PictureBox box(asset, size);
    box.resize(size);
    const QImage image = box.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(image.size(), size);
    const QTransform t = placement(d.canvas, size);

    for (const Dot &dot : d.dots) {
        const QPoint p = t.map(dot.centre).toPoint();
        // On the small menu pictures a dot is a pixel or two, antialiased.
        int darkest = 255;
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) {
                const QRgb c = image.pixel(p + QPoint(dx, dy));
                darkest = std::min(darkest, std::max({ qRed(c), qGreen(c), qBlue(c) }));
            }
        QVERIFY2(darkest < 0x90,
                 qPrintable(QStringLiteral("no dot at %1,%2").arg(p.x()).arg(p.y())));
    }

    QRectF drawn;
    for (const Segment &s : d.segments)
        drawn |= QRectF(s.a, s.b).normalized().adjusted(-0.01, -0.01, 0.01, 0.01);
    for (const Label &l : d.labels)
        drawn |= l.box;
    const QRectF expected = t.mapRect(drawn);
    const QRect ink = inkOf(image.copy(inside(size)), 0xd0).translated(inside(size).topLeft());
    const qreal tolerance = 2 + 2 * t.m11(); // line widths, antialiasing
    const QString message =
        QStringLiteral("ink %1 where the drawing is %2").arg(where(QRectF(ink)), where(expected));
    QVERIFY2(std::abs(ink.left() - expected.left()) <= tolerance, qPrintable(message));
    QVERIFY2(std::abs(ink.top() - expected.top()) <= tolerance, qPrintable(message));
    QVERIFY2(std::abs(ink.right() + 1 - expected.right()) <= tolerance, qPrintable(message));
    QVERIFY2(std::abs(ink.bottom() + 1 - expected.bottom()) <= tolerance, qPrintable(message));
}

void TestPictures::lettersMeasuredAsDrawn_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("font");
    QTest::newRow("measure, start")
        << "d"
        << "font-family=\"DejaVu Serif\" font-style=\"italic\" font-size=\"19\"";
    QTest::newRow("measure, middle")
        << "H"
        << "font-family=\"DejaVu Serif\" font-style=\"italic\" font-size=\"16\" text-anchor=\"middle\"";
    QTest::newRow("vertex, middle")
        << "V"
        << "font-family=\"DejaVu Sans\" font-weight=\"bold\" font-size=\"17\" text-anchor=\"middle\"";
    QTest::newRow("subscript")
        << "1"
        << "font-family=\"DejaVu Serif\" font-style=\"italic\" font-size=\"13\"";
    QTest::newRow("end") << "Ab"
                         << "font-family=\"DejaVu Sans\" font-size=\"15\" text-anchor=\"end\"";
}

// The boxes the clearance checks measure are where the renderer puts the ink.
void TestPictures::lettersMeasuredAsDrawn()
{
    QFETCH(QString, text);
    QFETCH(QString, font);
    const QByteArray svg =
        QStringLiteral(
            "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"100\" height=\"60\" viewBox=\"0 0 100 60\">"
            "<text x=\"50\" y=\"40\" %1 fill=\"#000000\">%2</text></svg>")
            .arg(font, text)
            .toUtf8();
    QSvgRenderer renderer(svg);
    QVERIFY(renderer.isValid());
    constexpr int zoom = 8;
    QImage image(100 * zoom, 60 * zoom, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    const QRect ink = inkOf(image, 0x80);

    QHash<QString, QString> style;
    static const QRegularExpression attr(QStringLiteral("([\\w-]+)=\"([^\"]*)\""));
    for (auto it = attr.globalMatch(font); it.hasNext();) {
        const auto m = it.next();
        style[m.captured(1)] = m.captured(2);
    }
    const QRectF box = inkBox(text, style, QPointF(50, 40));
    const QRectF got(QPointF(ink.left(), ink.top()) / zoom, QSizeF(ink.size()) / zoom);
    const QString message = QStringLiteral("drawn %1, measured %2").arg(where(got), where(box));
    QVERIFY2(std::abs(got.left() - box.left()) < 0.6, qPrintable(message));
    QVERIFY2(std::abs(got.right() - box.right()) < 0.6, qPrintable(message));
    QVERIFY2(std::abs(got.top() - box.top()) < 0.6, qPrintable(message));
    QVERIFY2(std::abs(got.bottom() - box.bottom()) < 0.6, qPrintable(message));
}

void TestPictures::assets_data()
{
    QTest::addColumn<QString>("asset");
    for (const QString &asset : assets())
        QTest::newRow(qPrintable(asset)) << asset;
}

// No letter touches a line, a vertex dot or another letter, and every letter
// lies on the canvas.
void TestPictures::lettersClear()
{
    QFETCH(QString, asset);
    const Drawing d = readDrawing(asset);
    QVERIFY2(d.error.isEmpty(), qPrintable(d.error));
    QVERIFY2(!d.segments.isEmpty(), "no line read");
    QStringList faults;
    for (int i = 0; i < d.labels.size(); ++i) {
        const Label &l = d.labels[i];
        faults << clashes(d, l.text, l.box, i);
        if (!d.canvas.contains(l.box))
            faults << QStringLiteral("'%1' %2 leaves the canvas").arg(l.text, where(l.box));
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join("\n")));
}

// A length's symbol is written beside a measured segment, not adrift; an
// area's (A1, Am) stands inside its face.
void TestPictures::lettersBesideTheirMeasure()
{
    QFETCH(QString, asset);
    const Drawing d = readDrawing(asset);
    QStringList faults;
    for (const Label &l : d.labels)
        if (l.measure && !l.text.startsWith('A') && nearestMeasure(d, l.box) > kBeside)
            faults << QStringLiteral("'%1' %2 is %3 from the nearest measure")
                          .arg(l.text, where(l.box))
                          .arg(nearestMeasure(d, l.box));
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join("\n")));
}

void TestPictures::screens_data()
{
    QTest::addColumn<QString>("screen");
    for (const auto &name : solids::names())
        QTest::newRow(name.c_str()) << q(name);
}

// A label or text box that a screen places on its picture keeps clear of the
// drawing's lines and letters and stands beside a measured segment.
void TestPictures::labelsOnPictureClear()
{
    QFETCH(QString, screen);
    const auto &s = *solids::find(screen.toStdString());
    bool any = false;
    for (const auto &e : s.extras)
        any = any || !e.onPicture.empty();
    if (!any)
        QSKIP("nothing placed on a picture");

    script::Runner r;
    r.show(screen);
    QWidget *window = r.shell().window(screen);
    for (const auto &e : s.extras) {
        if (e.onPicture.empty())
            continue;
        auto *host = window->findChild<ui::PictureBox *>(q(e.onPicture));
        QVERIFY(host);
        QString asset;
        if (s.picture.name == e.onPicture)
            asset = q(s.picture.text);
        for (const auto &other : s.extras)
            if (other.name == e.onPicture)
                asset = q(other.text);
        const Drawing d = readDrawing(asset);
        QVERIFY2(d.error.isEmpty(), qPrintable(d.error));
        auto *w = window->findChild<QWidget *>(q(e.name));
        QVERIFY(w);
        QCOMPARE(w->parentWidget(), host);
        // A text box covers the picture with its frame; a label only with
        // the ink of its text.
        QRect onHost = w->geometry();
        if (qobject_cast<QLabel *>(w)) {
            QImage ink(w->size(), QImage::Format_ARGB32);
            ink.fill(Qt::transparent);
            w->render(&ink, QPoint(), QRegion(), QWidget::DrawChildren);
            onHost = inkOf(ink, 0xd0).translated(w->pos());
            QVERIFY2(!onHost.isEmpty(), "the label shows nothing");
        }
        const QTransform toSvg = placement(d.canvas, host->size()).inverted();
        const QRectF box = toSvg.mapRect(QRectF(onHost));
        const QString text = q(e.text);
        QStringList faults = clashes(d, text, box);
        for (const Label &l : d.labels)
            if (l.box.adjusted(-kClearance, -kClearance, kClearance, kClearance).intersects(box))
                faults << QStringLiteral("'%1' %2 touches '%3'").arg(text, where(box), l.text);
        if (!d.canvas.contains(box))
            faults << QStringLiteral("'%1' %2 leaves the picture").arg(text, where(box));
        if (nearestMeasure(d, box) > kBesideOnPicture)
            faults << QStringLiteral("'%1' %2 is %3 from the nearest measure")
                          .arg(text, where(box))
                          .arg(nearestMeasure(d, box));
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join("\n")));
    }
}

// Every measure a practical-volume screen asks for ("dimensione  (a)") is
// marked on its figure.
void TestPictures::practicalFiguresMarkWhatIsAsked()
{
    QFETCH(QString, screen);
    const auto &s = *solids::find(screen.toStdString());
    if (s.checks.size() || s.knownList.empty())
        QSKIP("not a practical volume");
    QVERIFY2(s.picture.present(), "no figure");
    const Drawing d = readDrawing(q(s.picture.text));
    QVERIFY2(d.error.isEmpty(), qPrintable(d.error));
    QStringList marked;
    for (const Label &l : d.labels)
        marked << l.text;
    static const QRegularExpression symbol(QStringLiteral("\\(([^)]+)\\)"));
    QStringList missing;
    for (const auto &k : s.knownList) {
        const auto m = symbol.match(q(k.text));
        QVERIFY2(m.hasMatch(), k.text.c_str());
        if (!marked.contains(m.captured(1).trimmed()))
            missing << m.captured(1);
    }
    QVERIFY2(missing.isEmpty(),
             qPrintable("not marked: " + missing.join(", ") + "; marked: " + marked.join(", ")));
}

QTEST_MAIN(TestPictures)
#include "test_pictures.moc"

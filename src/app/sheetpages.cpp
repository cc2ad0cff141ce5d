#include "sheetpages.h"

#include "solver/exercise.h"

#include <QFile>
#include <QPainter>
#include <QPrinter>
#include <QSvgRenderer>
#include <QTextLayout>

#include <memory>
#include <vector>

namespace app {

namespace {

QString q(const std::string &s)
{
    return QString::fromStdString(s);
}

// A paragraph of the page: its text, font and the room kept before and after
// it, in millimetres.
struct Paragraph {
    QString text;
    QFont font;
    double before = 0, after = 0;
    Qt::Alignment align = Qt::AlignLeft;
};

// The pages being painted: the area inside the margins and how far down the
// current page is filled.
class Pages {
public:
    Pages(QPainter &painter, QPrinter &printer) : m_painter(painter), m_printer(printer)
    {
        const int dpi = printer.resolution();
        m_dpi = dpi;
        const QRectF paper = printer.pageLayout().fullRectPixels(dpi);
        area = paper.adjusted(mm(20), mm(18), -mm(20), -mm(18));
        y = area.top();
    }

    double mm(double v) const { return v * m_dpi / 25.4; }
    bool atTop() const { return y <= area.top() + 0.5; }
    bool fits(double height) const { return y + height <= area.bottom(); }

    void newPage()
    {
        m_printer.newPage();
        y = area.top();
    }

    // The text laid out in lines as wide as `width`, a word longer than a
    // line broken where it must.
    std::unique_ptr<QTextLayout> lay(const QString &text, const QFont &font, double width,
                                     Qt::Alignment align, double *height) const
    {
        auto layout = std::make_unique<QTextLayout>(text, font, &m_printer);
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        option.setAlignment(align);
        layout->setTextOption(option);
        double h = 0;
        layout->beginLayout();
        for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
            line.setLineWidth(width);
            line.setPosition(QPointF(0, h));
            h += line.height();
        }
        layout->endLayout();
        *height = h;
        return layout;
    }

    double height(const Paragraph &p) const
    {
        double h = 0;
        lay(p.text, p.font, area.width(), p.align, &h);
        return mm(p.before) + h + mm(p.after);
    }

    double height(const std::vector<Paragraph> &ps) const
    {
        double h = 0;
        for (const auto &p : ps)
            h += height(p);
        return h;
    }

    // Paints a paragraph where the page is filled to, on the next page when
    // it does not fit in what is left.
    void paint(const Paragraph &p)
    {
        double h = 0;
        const auto layout = lay(p.text, p.font, area.width(), p.align, &h);
        if (!atTop() && !fits(mm(p.before) + h))
            newPage();
        if (!atTop())
            y += mm(p.before);
        m_painter.setPen(Qt::black);
        layout->draw(&m_painter, QPointF(area.left(), y));
        y += h + mm(p.after);
    }

    // The paragraphs together: on the next page when they do not fit in what
    // is left of this one; a block taller than a page goes on paragraph by
    // paragraph.
    void paintBlock(const std::vector<Paragraph> &ps, double extra = 0)
    {
        if (!atTop() && !fits(height(ps) + extra))
            newPage();
        for (const auto &p : ps)
            paint(p);
    }

    // A ruled line to write on, from x1 to x2 at height `at`.
    void rule(double x1, double x2, double at)
    {
        m_painter.setPen(QPen(QColor(0x80, 0x80, 0x80), mm(0.25)));
        m_painter.drawLine(QPointF(x1, at), QPointF(x2, at));
    }

    QPainter &painter() { return m_painter; }
    QPrinter &printer() { return m_printer; }

    QRectF area;
    double y = 0;

private:
    QPainter &m_painter;
    QPrinter &m_printer;
    double m_dpi = 300;
};

QFont font(double points, bool bold = false, bool italic = false)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPointSizeF(points);
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

// The figure of an exercise with its data beside their letters; empty when
// the screen has no picture.
QByteArray figureOf(const sheets::Exercise &e)
{
    if (e.picture.empty())
        return {};
    QFile svg(QStringLiteral(":/assets/") + q(e.picture));
    if (!svg.open(QIODevice::ReadOnly))
        return {};
    return QByteArray::fromStdString(solver::figureWithData(svg.readAll().toStdString(), e.data));
}

constexpr double kRuleSpacing = 8;  // mm between ruled lines
constexpr double kFigureWidth = 62; // mm
constexpr int kRulesBelow = 3;      // full-width lines under the figure

void paintHeader(Pages &pages, const sheets::Words &w)
{
    pages.paint({ q(w.title), font(17, true), 0, 6, Qt::AlignHCenter });
    // Nome, Classe and Data, each followed by a line to write on.
    const QFont words = font(11);
    const QFontMetricsF metrics(words, &pages.printer());
    const double shares[] = { 0.5, 0.27, 0.23 };
    const double baseline = pages.y + metrics.ascent() + pages.mm(2);
    double x = pages.area.left();
    for (std::size_t i = 0; i < w.header.size(); ++i) {
        const double cell = pages.area.width() * (i < 3 ? shares[i] : 0.2);
        const QString label = q(w.header[i]);
        pages.painter().setFont(words);
        pages.painter().setPen(Qt::black);
        pages.painter().drawText(QPointF(x, baseline), label);
        const double from = x + metrics.horizontalAdvance(label) + pages.mm(2);
        const double to = x + cell - pages.mm(i + 1 < w.header.size() ? 5 : 0);
        pages.rule(from, to, baseline + pages.mm(0.8));
        x += cell;
    }
    pages.y = baseline + metrics.descent() + pages.mm(6);
    pages.paint({ q(w.instructions), font(11, false, true), 0, 8 });
}

void paintExercise(Pages &pages, const sheets::Sheet &sheet, std::size_t i)
{
    const sheets::Exercise &e = sheet.exercises[i];
    const sheets::Words w = sheets::words(sheet.settings.seed, int(i) + 1);
    const std::vector<Paragraph> head = {
        { q(w.exercise), font(12, true), 0, 1.5 },
        { q(e.text), font(11), 0, 3 },
    };
    const QByteArray svg = figureOf(e);
    QSvgRenderer figure(svg);
    const bool drawn = !svg.isEmpty() && figure.isValid();
    double figureWidth = pages.mm(kFigureWidth), figureHeight = 0;
    if (drawn) {
        const QRectF box = figure.viewBoxF();
        figureHeight = box.width() > 0 ? figureWidth * box.height() / box.width() : figureWidth;
    }
    // Beside the figure as many lines as it is tall, and a few more under it.
    const double spacing = pages.mm(kRuleSpacing);
    const int beside = drawn ? std::max(1, int(figureHeight / spacing)) : 0;
    const double work = std::max(figureHeight, beside * spacing) + kRulesBelow * spacing;
    pages.paintBlock(head, work + pages.mm(8));

    const double top = pages.y;
    if (drawn)
        figure.render(&pages.painter(), QRectF(pages.area.left(), top, figureWidth, figureHeight));
    const double besideFrom = pages.area.left() + figureWidth + pages.mm(8);
    for (int k = 1; k <= beside; ++k)
        pages.rule(besideFrom, pages.area.right(), top + k * spacing);
    const double below = top + std::max(figureHeight, beside * spacing);
    for (int k = 1; k <= kRulesBelow; ++k)
        pages.rule(pages.area.left(), pages.area.right(), below + k * spacing);
    pages.y = below + kRulesBelow * spacing + pages.mm(8);
}

// A result of the key: "Volume V = 113,04 cm³"; "Capacità = 0,11 l".
QString keyRow(const sheets::KeyResult &r)
{
    QString row = q(r.words);
    if (!r.symbol.empty())
        row += QLatin1Char(' ') + q(r.symbol);
    return row + QStringLiteral(" = ") + q(r.value);
}

void paintKeyExercise(Pages &pages, const sheets::Sheet &sheet, std::size_t i)
{
    const sheets::Exercise &e = sheet.exercises[i];
    const sheets::Words w = sheets::words(sheet.settings.seed, int(i) + 1);
    std::vector<Paragraph> block = {
        { q(w.exercise), font(12, true), 0, 1.5 },
        { q(e.text), font(11), 0, 2.5 },
        { q(w.solutionHeading), font(11, true), 0, 1 },
    };
    for (const auto &line : e.solution)
        block.push_back({ q(line), font(10.5), 0, 0.6 });
    // The results stay together, under their heading.
    std::vector<Paragraph> results = { { q(w.resultsHeading), font(11, true), 2, 1 } };
    for (const auto &r : e.key)
        results.push_back({ keyRow(r), font(10.5), 0, 0.6 });
    results.back().after = 7;
    // The key goes on line by line, to save paper; an exercise starts on a
    // new page only when its heading, text and first steps do not fit.
    const std::vector<Paragraph> start(block.begin(),
                                       block.begin() + std::min<std::ptrdiff_t>(6, block.size()));
    if (!pages.atTop() && !pages.fits(pages.height(start)))
        pages.newPage();
    for (std::size_t k = 0; k < block.size(); ++k) {
        // A heading stays with the line under it.
        const bool heading = block[k].font.bold() && k + 1 < block.size();
        if (heading && !pages.atTop()
            && !pages.fits(pages.height(block[k]) + pages.height(block[k + 1])))
            pages.newPage();
        pages.paint(block[k]);
    }
    pages.paintBlock(results);
}

} // namespace

bool paintSheet(const sheets::Sheet &sheet, QPrinter &printer, SheetPart part)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    painter.setRenderHint(QPainter::Antialiasing);
    Pages pages(painter, printer);
    const sheets::Words w = sheets::words(sheet.settings.seed);
    if (part != SheetPart::Key) {
        paintHeader(pages, w);
        for (std::size_t i = 0; i < sheet.exercises.size(); ++i)
            paintExercise(pages, sheet, i);
    }
    if (part != SheetPart::Exercises) {
        if (part == SheetPart::Both)
            pages.newPage();
        pages.paint({ q(w.keyTitle), font(16, true), 0, 8, Qt::AlignHCenter });
        for (std::size_t i = 0; i < sheet.exercises.size(); ++i)
            paintKeyExercise(pages, sheet, i);
    }
    return painter.end();
}

} // namespace app

#include "solutionwindow.h"

#include "figureview.h"

#include "widgets.h"

#include "solver/texts.h"

#include <QApplication>
#include <QClipboard>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSvgRenderer>
#include <QVBoxLayout>

#include <algorithm>

namespace ui {

QString worksheetText(const WorksheetContent &content)
{
    QString text;
    if (!content.exercise.isEmpty())
        text += content.exercise + QStringLiteral("\n\n");
    text += (content.lines.isEmpty() ? SolutionWindow::nothingYet()
                                     : content.lines.join(QLatin1Char('\n')))
            + QLatin1Char('\n');
    if (!content.results.isEmpty()) {
        text += QStringLiteral("\nRisultati:\n");
        for (const auto &r : content.results)
            text += r.symbol.isEmpty()
                        ? QStringLiteral("%1 = %2\n").arg(r.words, r.value)
                        : QStringLiteral("%1: %2 = %3\n").arg(r.words, r.symbol, r.value);
    }
    return text;
}

SolutionWindow::SolutionWindow(const QString &caption, std::function<void(Worksheet)> print,
                               QWidget *parent)
    : QWidget(parent, Qt::Window), m_printWorksheet(std::move(print))
{
    setWindowTitle(title(caption));
    setObjectName(QString::fromUtf8(solver::texts::solution));
    auto *layout = new QVBoxLayout(this);
    m_text = new QPlainTextEdit(this);
    m_text->setReadOnly(true);
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_text->setAccessibleName(title(caption));
    m_text->setPlainText(nothingYet());
    layout->addWidget(m_text);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    m_copy = new QPushButton(QStringLiteral("&Copia"), this);
    m_print = new QPushButton(QStringLiteral("&Stampa"), this);
    auto *close = new QPushButton(QStringLiteral("C&hiudi"), this);
    connect(m_copy, &QPushButton::clicked, this, &SolutionWindow::copy);
    // Which worksheet, chosen before the preview or the PDF.
    auto *choice = new QMenu(m_print);
    const auto offer = [this, choice](const QString &text, Worksheet version) {
        QAction *a = choice->addAction(text);
        a->setData(int(version));
        connect(a, &QAction::triggered, this, [this, version] {
            if (m_printWorksheet)
                m_printWorksheet(version);
        });
    };
    offer(QStringLiteral("&Testo dell'esercizio, da consegnare"), Worksheet::Testo);
    offer(QStringLiteral("&Soluzione, con passaggi e risultati"), Worksheet::Soluzione);
    m_print->setMenu(choice);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
    buttons->addWidget(m_copy);
    buttons->addWidget(m_print);
    buttons->addWidget(close);
    layout->addLayout(buttons);

    const QFontMetrics fm(m_text->font());
    resize(fm.horizontalAdvance(QLatin1Char('x')) * 80, fm.lineSpacing() * 24);
}

QString SolutionWindow::title(const QString &caption)
{
    return QString::fromStdString(solver::solutionTitle(caption.toStdString()));
}

int SolutionWindow::readableWidth() const
{
    // Never narrower than its buttons let it be.
    return std::max(QFontMetrics(m_text->font()).horizontalAdvance(QLatin1Char('x')) * 36,
                    minimumSizeHint().width());
}

QRect SolutionWindow::besidePlace(const QRect &solver, QSize frame, const QRect &room, int readable)
{
    frame = frame.boundedTo(room.size());
    const auto inside = [&](QPoint at, QSize size) {
        at.setX(std::clamp(at.x(), room.left(), room.right() + 1 - size.width()));
        at.setY(std::clamp(at.y(), room.top(), room.bottom() + 1 - size.height()));
        return QRect(at, size);
    };
    const int right = room.right() - solver.right();
    const int left = solver.left() - room.left();
    const int side = std::max(left, right);
    if (side >= std::min(readable, frame.width())) {
        frame.setWidth(std::min(frame.width(), side));
        const int x = right >= left ? solver.right() + 1 : solver.left() - frame.width();
        return inside(QPoint(x, solver.top()), frame);
    }
    // No side holds it: where it covers the least of the solver, as wide as
    // it would be or, when that covers less, only readably wide; at equal
    // cover the wider one.
    const auto covered = [&](const QRect &r) {
        const QRect both = r.intersected(solver);
        return both.isEmpty() ? 0LL : qint64(both.width()) * both.height();
    };
    QRect best;
    qint64 least = -1;
    for (int width : { frame.width(), std::min(frame.width(), readable) }) {
        const QSize size(width, frame.height());
        const int xs[] = { room.right() + 1 - width, room.left() };
        const int ys[] = { solver.top(), room.bottom() + 1 - size.height(), room.top() };
        for (int x : xs)
            for (int y : ys) {
                const QRect r = inside(QPoint(x, y), size);
                if (least < 0 || covered(r) < least) {
                    least = covered(r);
                    best = r;
                }
            }
    }
    return best;
}

QString SolutionWindow::nothingYet()
{
    return QString::fromUtf8(solver::texts::solutionEmpty);
}

void SolutionWindow::setLines(const QStringList &lines)
{
    m_text->setPlainText(lines.isEmpty() ? nothingYet() : lines.join(QLatin1Char('\n')));
}

QString SolutionWindow::text() const
{
    return m_text->toPlainText();
}

void SolutionWindow::setContent(const WorksheetContent &content)
{
    m_content = content;
    setLines(content.lines);
}

void SolutionWindow::copy() const
{
    WorksheetContent shown = m_content;
    shown.lines = text().split(QLatin1Char('\n'));
    if (text() == nothingYet())
        shown = {};
    QApplication::clipboard()->setText(worksheetText(shown));
}

namespace {

// The lines a pupil writes name, class and date on.
class NameLines : public QWidget {
public:
    explicit NameLines(QWidget *parent) : QWidget(parent)
    {
        setFixedHeight(fontMetrics().height() * 2);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setPen(QPen(palette().color(QPalette::WindowText), 1));
        // Name on half the width, class and date on a quarter each.
        const struct {
            const char *word;
            double from, to;
        } fields[] = { { "Nome", 0.0, 0.5 }, { "Classe", 0.53, 0.73 }, { "Data", 0.76, 1.0 } };
        const QFontMetrics fm = fontMetrics();
        const int base = height() - fm.descent() - 2;
        for (const auto &f : fields) {
            const int x = int(f.from * width());
            const int end = int(f.to * width()) - 1;
            const QString word = QString::fromUtf8(f.word);
            p.drawText(x, base, word);
            const int lineFrom = x + fm.horizontalAdvance(word) + fm.horizontalAdvance(' ');
            p.drawLine(lineFrom, base + 1, end, base + 1);
        }
    }
};

// Ruled space to work the exercise out, as tall as the page leaves.
class Ruled : public QWidget {
public:
    explicit Ruled(QWidget *parent) : QWidget(parent)
    {
        setMinimumHeight(spacing() * 6);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    }

protected:
    int spacing() const { return fontMetrics().lineSpacing() * 2; }
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setPen(QPen(QColor(0xa0, 0xa8, 0xb4), 1));
        for (int y = spacing(); y < height(); y += spacing())
            p.drawLine(0, y, width() - 1, y);
    }
};

// A figure drawn from SVG text, in proportion, at most `most` wide.
class Figure : public QWidget {
public:
    Figure(const QByteArray &svg, QSize most, QWidget *parent)
        : QWidget(parent), m_renderer(svg, this)
    {
        QSizeF size = m_renderer.defaultSize();
        if (size.isEmpty())
            size = most;
        size.scale(most, Qt::KeepAspectRatio);
        setFixedSize(size.toSize());
    }
    bool isValid() const { return m_renderer.isValid(); }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        m_renderer.render(&p, QRectF(rect()));
    }

private:
    QSvgRenderer m_renderer;
};

// The computed solid at the turn it was seen from, drawn as vectors.
class Solid3D : public QWidget {
public:
    Solid3D(const geometry::Scene &scene, const geometry::Camera &camera, QSize size,
            QWidget *parent)
        : QWidget(parent), m_scene(scene), m_camera(camera)
    {
        setFixedSize(size);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        FigureView::paint(p, geometry::draw(m_scene, m_camera, width(), height()));
    }

private:
    geometry::Scene m_scene;
    geometry::Camera m_camera;
};

// The figure of a worksheet: the 3D solid where the screen shows it, else
// the picture with the data. The exercise handed out marks only the data.
QWidget *figureOf(const WorksheetContent &content, QSize most, QWidget *page, bool answers)
{
    if (content.solid) {
        geometry::Scene scene = *content.solid;
        if (!answers)
            std::erase_if(scene.measures, [](const geometry::Measure &m) { return !m.given; });
        return new Solid3D(scene, content.camera, most, page);
    }
    if (!content.figure.isEmpty())
        return new Figure(content.figure, most, page);
    return nullptr;
}

QLabel *label(const QString &text, QWidget *parent, double points, bool bold = false)
{
    auto *l = new QLabel(text, parent);
    QFont f = l->font();
    f.setPointSizeF(points);
    f.setBold(bold);
    l->setFont(f);
    l->setTextFormat(Qt::PlainText);
    return l;
}

QString subjectWords(const QString &subject)
{
    // "CONO" and "Cono" alike: as a title writes it.
    const QString s = subject.simplified();
    if (s != s.toUpper())
        return s;
    return s.left(1) + s.mid(1).toLower();
}

} // namespace

// A page 190 mm × 268 mm at 96 dots an inch: A4 inside its margins.
static const QSize kPage(718, 1013);

QWidget *makeWorksheet(const WorksheetContent &content, Worksheet version)
{
    const bool answers = version == Worksheet::Soluzione;
    auto *page = new QWidget;
    const QString subject = subjectWords(content.subject);
    page->setWindowTitle(subject
                         + (answers ? QStringLiteral(" – soluzione") : QStringLiteral(" – testo")));
    page->setProperty("printsOwnHeading", true);
    page->setAttribute(Qt::WA_DontShowOnScreen);
    page->setAutoFillBackground(true);
    QPalette palette = page->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    page->setPalette(palette);
    QFont font = page->font();
    font.setPointSizeF(11);
    page->setFont(font);

    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(10);
    layout->addWidget(new NameLines(page));
    layout->addSpacing(6);

    auto *titleRow = new QHBoxLayout;
    titleRow->addWidget(label(subject, page, 17, true), 1);
    titleRow->addWidget(
        label(answers ? QStringLiteral("Soluzione") : QStringLiteral("Esercizio"), page, 12, true),
        0, Qt::AlignRight | Qt::AlignBottom);
    layout->addLayout(titleRow);

    if (!content.exercise.isEmpty()) {
        auto *exercise = label(content.exercise, page, 12.5);
        exercise->setWordWrap(true);
        layout->addWidget(exercise);
    }

    if (!answers) {
        if (auto *figure = figureOf(content, QSize(360, 260), page, answers)) {
            layout->addWidget(figure, 0, Qt::AlignHCenter);
        }
        layout->addWidget(label(QStringLiteral("Svolgimento"), page, 12, true));
        layout->addWidget(new Ruled(page), 1);
        page->resize(kPage);
        page->setMinimumSize(kPage);
        return page;
    }

    // The answer key in a larger hand: the page has room for it.
    QFont larger = page->font();
    larger.setPointSizeF(12.5);
    page->setFont(larger);
    auto *middle = new QHBoxLayout;
    middle->setSpacing(18);
    QString html;
    for (const auto &line : content.lines) {
        const QString escaped = line.toHtmlEscaped();
        html += line.endsWith(QLatin1Char(':')) ? QStringLiteral("<b>%1</b><br>").arg(escaped)
                                                : escaped + QStringLiteral("<br>");
    }
    auto *steps = new QLabel(html, page);
    steps->setTextFormat(Qt::RichText);
    steps->setWordWrap(true);
    middle->addWidget(steps, 1, Qt::AlignTop);
    if (auto *figure = figureOf(content, QSize(260, 220), page, answers))
        middle->addWidget(figure, 0, Qt::AlignTop);
    layout->addLayout(middle);

    if (!content.results.isEmpty()) {
        layout->addSpacing(6);
        layout->addWidget(label(QStringLiteral("Risultati"), page, 12, true));
        auto *grid = new QGridLayout;
        grid->setHorizontalSpacing(8);
        grid->setVerticalSpacing(2);
        int row = 0;
        for (const auto &r : content.results) {
            grid->addWidget(new QLabel(r.words, page), row, 0);
            auto *symbol = new QLabel(r.symbol, page);
            QFont italic = symbol->font();
            italic.setItalic(true);
            symbol->setFont(italic);
            grid->addWidget(symbol, row, 1, Qt::AlignRight);
            grid->addWidget(new QLabel(QStringLiteral("="), page), row, 2);
            grid->addWidget(new QLabel(r.value, page), row, 3);
            ++row;
        }
        grid->setColumnMinimumWidth(0, 200);
        grid->setColumnStretch(4, 1);
        layout->addLayout(grid);
    }
    layout->addStretch(1);
    page->setMinimumSize(kPage);
    page->resize(page->sizeHint().expandedTo(kPage));
    return page;
}

} // namespace ui

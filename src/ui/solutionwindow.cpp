#include "solutionwindow.h"

#include "widgets.h"

#include "solver/texts.h"

#include <QApplication>
#include <QClipboard>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include <algorithm>

namespace ui {

SolutionWindow::SolutionWindow(const QString &caption, std::function<void()> print, QWidget *parent)
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
    connect(m_print, &QPushButton::clicked, this, [this] {
        if (m_printWorksheet)
            m_printWorksheet();
    });
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

void SolutionWindow::copy() const
{
    QApplication::clipboard()->setText(text());
}

QWidget *makeWorksheet(const QString &caption, const QString &pictureAsset,
                       const QStringList &lines, const QList<QPair<QString, QString>> &results)
{
    auto *page = new QWidget;
    page->setWindowTitle(caption + QStringLiteral(" – svolgimento"));
    page->setAttribute(Qt::WA_DontShowOnScreen);
    auto *layout = new QVBoxLayout(page);
    auto *top = new QHBoxLayout;
    if (!pictureAsset.isEmpty()) {
        auto *figure = new PictureBox(pictureAsset, QSize(220, 190), page);
        figure->setFixedSize(220, 190);
        top->addWidget(figure, 0, Qt::AlignTop);
    }
    auto *steps = new QLabel(lines.join(QLatin1Char('\n'))
                                 .toHtmlEscaped()
                                 .replace(QLatin1Char('\n'), QStringLiteral("<br>")),
                             page);
    steps->setTextFormat(Qt::RichText);
    steps->setWordWrap(true);
    steps->setMinimumWidth(420);
    top->addWidget(steps, 1, Qt::AlignTop);
    layout->addLayout(top);
    if (!results.isEmpty()) {
        auto *heading = new QLabel(QStringLiteral("Risultati"), page);
        QFont bold = heading->font();
        bold.setBold(true);
        heading->setFont(bold);
        layout->addWidget(heading);
        auto *grid = new QGridLayout;
        int row = 0;
        for (const auto &[name, value] : results) {
            grid->addWidget(new QLabel(name.trimmed(), page), row, 0);
            grid->addWidget(new QLabel(value, page), row, 1);
            ++row;
        }
        grid->setColumnStretch(2, 1);
        layout->addLayout(grid);
    }
    layout->addStretch();
    page->adjustSize();
    return page;
}

} // namespace ui

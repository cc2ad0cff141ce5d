#include "solverwindow.h"

#include "locale.h"
#include "platform.h"
#include "widgets.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ui {

namespace {

QString q(const std::string &s) { return QString::fromStdString(s); }

void makeHeading(QLabel *l)
{
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
}

} // namespace

SolverWindow::SolverWindow(const solver::SolverScreen &screen, Navigator &navigator)
    : ScreenWindow(q(screen.name), q(screen.caption), navigator), m_screen(screen)
{
    build();
}

void SolverWindow::build()
{
    const auto &s = m_screen;
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(14, 10, 14, 12);
    outer->setSpacing(8);

    // Title
    QWidget *title;
    if (s.titleIsTextBox) {
        auto *t = textBox(q(s.title.name), q(s.title.text));
        t->setAlignment(Qt::AlignCenter);
        t->setMaximumWidth(320);
        title = t;
    } else {
        auto *l = label(q(s.title.name), q(s.title.text));
        l->setAlignment(Qt::AlignCenter);
        title = l;
    }
    QFont tf = title->font();
    tf.setPointSizeF(tf.pointSizeF() * 1.6);
    tf.setBold(true);
    title->setFont(tf);
    outer->addWidget(title, 0, Qt::AlignHCenter);

    auto *middle = new QHBoxLayout;
    middle->setSpacing(18);
    outer->addLayout(middle);

    // Pictures, and the controls that stand beside them.
    auto *pictures = new QVBoxLayout;
    pictures->setSpacing(6);
    auto *main = picture(q(s.picture.name), q(s.picture.text), QSize(264, 220),
                         QStringLiteral("Figura: ") + q(s.caption));
    pictures->addWidget(main);
    for (const auto &e : s.extras) {
        QWidget *w = nullptr;
        switch (e.kind) {
        case solver::Extra::Kind::Label:
            w = label(q(e.name), q(e.text));
            break;
        case solver::Extra::Kind::TextBox: {
            auto *t = textBox(q(e.name), q(e.text));
            t->setAlignment(Qt::AlignCenter);
            w = t;
            break;
        }
        case solver::Extra::Kind::Picture:
            w = picture(q(e.name), q(e.text), QSize(264, 150),
                        QStringLiteral("Figura: ") + q(e.text));
            break;
        case solver::Extra::Kind::Button: {
            auto *b = button(q(e.name), q(e.text));
            const QString target = q(e.opens);
            connect(b, &QPushButton::clicked, this, [this, target] { goTo(target); });
            w = b;
            break;
        }
        }
        if (!e.onPicture.empty()) {
            auto *host = findChild<QWidget *>(q(e.onPicture));
            if (host) {
                w->setParent(host);
                w->adjustSize();
                if (auto *t = qobject_cast<QLineEdit *>(w))
                    t->setFixedWidth(t->fontMetrics().horizontalAdvance(t->text()) + 14);
                w->move(int(e.x * host->sizeHint().width()),
                        int(e.y * host->sizeHint().height()));
                continue;
            }
        }
        pictures->addWidget(w, 0, Qt::AlignLeft);
    }
    pictures->addStretch();
    middle->addLayout(pictures);

    // Known quantities and "Calcola".
    auto *known = new QVBoxLayout;
    known->setSpacing(4);
    auto *kh = label(q(s.knownHeading.name), q(s.knownHeading.text));
    makeHeading(kh);
    known->addWidget(kh);
    for (const auto &c : s.checks)
        known->addWidget(checkBox(q(c.name), q(c.text)));
    known->addSpacing(8);
    auto *calc = button(q(s.calcolaButton.name), q(s.calcolaButton.text));
    calc->setMinimumHeight(32);
    connect(calc, &QPushButton::clicked, this, [this] { calcola(); });
    known->addWidget(calc);
    known->addStretch();
    middle->addLayout(known);

    // Results.
    auto *results = new QGridLayout;
    results->setHorizontalSpacing(8);
    results->setVerticalSpacing(4);
    auto *rh = label(q(s.resultsHeading.name), q(s.resultsHeading.text));
    makeHeading(rh);
    results->addWidget(rh, 0, 0, 1, 2);
    int row = 1;
    for (const auto &r : s.rows) {
        auto *cap = label(q(r.caption), q(r.captionText));
        results->addWidget(cap, row, 0);
        auto *res = label(q(r.result), QString());
        res->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        res->setMinimumWidth(170);
        res->setTextInteractionFlags(Qt::TextSelectableByMouse);
        res->setAccessibleName(QString::fromStdString(r.captionText).trimmed());
        results->addWidget(res, row, 1);
        ++row;
    }
    results->setRowStretch(row, 1);
    middle->addLayout(results, 1);

    // Formulas.
    auto *fh = label(q(s.formulaHeading.name), q(s.formulaHeading.text));
    makeHeading(fh);
    outer->addWidget(fh);
    for (const auto &name : s.formulaLabels) {
        auto *f = label(q(name), QString());
        f->setWordWrap(true);
        f->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        f->setMinimumHeight(40);
        f->setTextInteractionFlags(Qt::TextSelectableByMouse);
        f->setAccessibleName(q(s.formulaHeading.text).trimmed());
        outer->addWidget(f);
    }

    // Common buttons.
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(stampa(q(s.stampaButton.name)));
    buttons->addWidget(ritorna(q(s.ritornaButton.name), q(s.parent)));
    buttons->addWidget(esci(q(s.esciButton.name), q(s.esciButton.text)));
    outer->addLayout(buttons);

    // Keyboard order: ticks, Calcola, then the common buttons.
    setTabOrder(calc, findChild<QPushButton *>(q(s.stampaButton.name)));
}

void SolverWindow::calcola()
{
    try {
        solver::runCalcola(*this, m_screen.resultLabels(), m_screen.calcola);
    } catch (const std::exception &e) {
        platform().message(this, QStringLiteral("Errore imprevisto: %1").arg(
                                     QString::fromLocal8Bit(e.what())));
    } catch (...) {
        platform().message(this, QStringLiteral("Errore imprevisto durante il calcolo."));
    }
}

bool SolverWindow::ticked(const std::string &control) const
{
    const auto *c = findChild<QCheckBox *>(q(control));
    return c && c->isChecked();
}

std::string SolverWindow::prompt(const std::string &text)
{
    return platform().prompt(this, q(text)).toStdString();
}

void SolverWindow::message(const std::string &text)
{
    platform().message(this, q(text));
}

void SolverWindow::setText(const std::string &control, const std::string &text)
{
    const QString name = q(control);
    if (auto *l = findChild<QLabel *>(name))
        l->setText(q(text));
    else if (auto *t = findChild<QLineEdit *>(name))
        t->setText(q(text));
}

void SolverWindow::failure(const solver::CalcError &error)
{
    platform().failure(this, QString::fromStdString(error.what()), error.kind());
}

solver::NumberFormat SolverWindow::numberFormat() const
{
    return ui::numberFormat(ui::locale());
}

void SolverWindow::closeRequested()
{
    goTo(q(m_screen.parent));
}

} // namespace ui

#include "solverwindow.h"

#include "figureview.h"

#include "solutionwindow.h"

#include "accessibility.h"
#include "choices.h"

#include "locale.h"
#include "platform.h"
#include "widgets.h"

#include "solver/exercise.h"
#include "solver/hint.h"
#include "solver/numberformat.h"
#include "solver/texts.h"
#include "solver/words.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QToolTip>
#include <QVBoxLayout>

#include <map>
#include <set>

namespace ui {

namespace {

QString q(const std::string &s)
{
    return QString::fromStdString(s);
}

void makeHeading(QLabel *l)
{
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
}

} // namespace

SolverWindow::SolverWindow(const solver::SolverScreen &screen, Navigator &navigator,
                           Choices &choices)
    : ScreenWindow(q(screen.name), q(screen.caption), navigator), m_screen(screen),
      m_choices(choices)
{
    validate();
    build();
    showChoices();
    connect(&m_choices, &Choices::changed, this, &SolverWindow::showChoices);
}

// A description naming a control twice, placing a control on a picture it
// does not have, or opening an unknown screen is a programming error; it is
// refused before anything is built.
void SolverWindow::validate() const
{
    const auto fail = [this](const std::string &what) {
        throw std::logic_error("screen " + m_screen.name + ": " + what);
    };
    std::set<std::string> names;
    for (const auto &name : m_screen.declared())
        if (!names.insert(name).second)
            fail("control " + name + " declared twice");
    std::set<std::string> pictures;
    if (m_screen.picture.present())
        pictures.insert(m_screen.picture.name);
    for (const auto &e : m_screen.extras) {
        if (e.kind == solver::Extra::Kind::Picture)
            pictures.insert(e.name);
        if (!e.onPicture.empty() && !pictures.count(e.onPicture))
            fail(e.name + " stands on unknown picture " + e.onPicture);
        if (e.kind == solver::Extra::Kind::Button && !nav.exists(q(e.opens)))
            fail(e.name + " opens unknown screen " + e.opens);
    }
}

void SolverWindow::build()
{
    auto *outer = new QVBoxLayout(content());
    outer->setContentsMargins(14, 10, 14, 12);
    outer->setSpacing(8);
    addTitle(outer);
    addSolidsRow(outer);
    // Several solids, each with its "Vai": the hint stands under their row.
    bool solidsRow = false;
    for (const auto &b : m_screen.solvers)
        solidsRow = solidsRow || b.solidName.present() || b.solidPicture.present();
    if (solidsRow)
        addHint(outer);
    addDescription(outer);

    auto *middle = new QHBoxLayout;
    middle->setSpacing(18);
    outer->addLayout(middle);
    addPictures(middle);
    addKnown(middle);
    addResults(middle);
    // Otherwise under the row that holds "Calcola".
    if (!solidsRow)
        addHint(outer);

    addFormulas(outer);
    addChoices(outer);
    addCommonButtons(outer);
    setKeyboardOrder();

    // Every name the calculations may use must exist in the window.
    for (const auto &name : m_screen.declared())
        control(q(name));
}

void SolverWindow::addTitle(QBoxLayout *outer)
{
    const auto &s = m_screen;
    if (!s.title.present())
        return;
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
}

QPushButton *SolverWindow::solveButton(const solver::SolveButton &b)
{
    auto *button = this->button(q(b.name), q(b.text));
    button->setMinimumHeight(30);
    connect(button, &QPushButton::clicked, this, [this, &b] { solve(b); });
    m_solveButtons.append(button);
    return button;
}

// Solids solved by their own buttons stand in a row: name, picture, button.
void SolverWindow::addSolidsRow(QBoxLayout *outer)
{
    QHBoxLayout *solids = nullptr;
    for (const auto &b : m_screen.solvers) {
        if (!b.solidName.present() && !b.solidPicture.present())
            continue;
        if (!solids) {
            solids = new QHBoxLayout;
            solids->setSpacing(14);
            outer->addLayout(solids);
        }
        auto *column = new QVBoxLayout;
        if (b.solidName.present()) {
            auto *name = label(q(b.solidName.name), q(b.solidName.text));
            name->setAlignment(Qt::AlignCenter);
            makeHeading(name);
            column->addWidget(name);
        }
        if (b.solidPicture.present())
            column->addWidget(picture(q(b.solidPicture.name), q(b.solidPicture.text),
                                      QSize(170, 140), q(solver::figureName(b.solidName.text))),
                              0, Qt::AlignHCenter);
        auto *button = solveButton(b);
        if (b.solidName.present())
            button->setAccessibleName(q(solver::actingOn(b.text, b.solidName.text)));
        column->addWidget(button, 0, Qt::AlignHCenter);
        solids->addLayout(column);
    }
}

void SolverWindow::addDescription(QBoxLayout *outer)
{
    const auto &s = m_screen;
    if (!s.description.present())
        return;
    auto *d = label(q(s.description.name), q(s.description.text));
    d->setWordWrap(true);
    d->setMinimumWidth(560);
    outer->addWidget(d);
}

QString SolverWindow::figureName() const
{
    return q(solver::figureName(solver::solidName(m_screen)));
}

// Pictures, and the controls that stand beside them or on them.
void SolverWindow::addPictures(QBoxLayout *middle)
{
    const auto &s = m_screen;
    auto *pictures = new QVBoxLayout;
    pictures->setSpacing(6);
    if (s.picture.present()) {
        m_picture = picture(q(s.picture.name), q(s.picture.text), QSize(264, 220), figureName());
        pictures->addWidget(m_picture);
    }
    for (const auto &e : s.extras) {
        QWidget *w = makeExtra(e);
        if (!e.onPicture.empty()) {
            auto *host = control(q(e.onPicture));
            w->setParent(host);
            w->adjustSize();
            if (auto *t = qobject_cast<QLineEdit *>(w))
                t->setFixedWidth(t->fontMetrics().horizontalAdvance(t->text()) + 14);
            w->move(int(e.x * host->sizeHint().width()), int(e.y * host->sizeHint().height()));
            continue;
        }
        pictures->addWidget(w, 0, Qt::AlignLeft);
    }
    addFigure(pictures);
    pictures->addStretch();
    middle->addLayout(pictures);
}

// The 3D figure stands in the picture's place while its toggle is down.
void SolverWindow::addFigure(QBoxLayout *pictures)
{
    m_figure = new FigureView(content());
    m_figure->hide();
    pictures->insertWidget(m_picture ? pictures->indexOf(m_picture) + 1 : 0, m_figure);
    auto *row = new QHBoxLayout;
    row->setSpacing(6);
    m_figureToggle = steadyButton(q(solver::texts::figureToggleControl),
                                  q(solver::texts::figureToggleCaption).remove(QLatin1Char('&')));
    m_figureToggle->setCheckable(true);
    m_figureToggle->setToolTip(q(solver::texts::figureToggleTip));
    m_figureToggle->setAccessibleDescription(q(solver::texts::figureToggleTip));
    m_figureReset =
        button(q(solver::texts::figureResetControl), q(solver::texts::figureResetCaption));
    m_figureReset->hide();
    row->addWidget(m_figureToggle);
    row->addWidget(m_figureReset);
    row->addStretch();
    pictures->insertLayout(pictures->indexOf(m_figure) + 1, row);
    m_extraButtons << m_figureToggle << m_figure << m_figureReset;
    connect(m_figureToggle, &QPushButton::toggled, this, &SolverWindow::showFigure);
    connect(m_figureReset, &QPushButton::clicked, this, [this] {
        m_figure->resetView();
        m_figure->setFocus(Qt::OtherFocusReason);
    });
}

bool SolverWindow::figureShown() const
{
    return m_figureToggle->isChecked();
}

void SolverWindow::showFigure(bool shown)
{
    if (m_figureToggle->isChecked() != shown) {
        m_figureToggle->setChecked(shown); // comes back here through toggled
        return;
    }
    if (m_picture)
        m_picture->setVisible(!shown);
    m_figure->setVisible(shown);
    m_figureReset->setVisible(shown);
}

void SolverWindow::figured(const solver::Figure &figure)
{
    m_figure->setFigure(figure);
}

QWidget *SolverWindow::makeExtra(const solver::Extra &e)
{
    switch (e.kind) {
    case solver::Extra::Kind::Label:
        return label(q(e.name), q(e.text));
    case solver::Extra::Kind::TextBox: {
        auto *t = textBox(q(e.name), q(e.text));
        t->setAlignment(Qt::AlignCenter);
        return t;
    }
    case solver::Extra::Kind::Picture:
        return picture(q(e.name), q(e.text), QSize(264, 150), figureName());
    case solver::Extra::Kind::Button:
        break;
    }
    auto *b = button(q(e.name), q(e.text));
    const QString target = q(e.opens);
    if (!nav.exists(target))
        throw std::logic_error(
            ("button " + q(e.name) + " of " + q(m_screen.name) + " opens unknown screen " + target)
                .toStdString());
    connect(b, &QPushButton::clicked, this, [this, target] { goTo(target); });
    // Say where it goes: "Vai: cilindro equilatero".
    b->setAccessibleName(q(solver::actingOn(e.text, nav.caption(target).toStdString())));
    m_extraButtons.append(b);
    return b;
}

// Known quantities (tick boxes, or the list of what is asked) and "Calcola".
void SolverWindow::addKnown(QBoxLayout *middle)
{
    const auto &s = m_screen;
    auto *known = new QVBoxLayout;
    known->setSpacing(4);
    if (s.knownHeading.present()) {
        auto *kh = label(q(s.knownHeading.name), q(s.knownHeading.text));
        makeHeading(kh);
        known->addWidget(kh);
    }
    for (const auto &c : s.checks)
        known->addWidget(checkBox(q(c.name), q(c.text)));
    for (const auto &k : s.knownList)
        known->addWidget(label(q(k.name), q(k.text)));
    known->addSpacing(8);
    for (const auto &b : s.solvers)
        if (!b.solidName.present() && !b.solidPicture.present())
            known->addWidget(solveButton(b));
    known->addStretch();
    middle->addLayout(known);
}

void SolverWindow::addResults(QBoxLayout *middle)
{
    const auto &s = m_screen;
    auto *results = new QGridLayout;
    results->setHorizontalSpacing(8);
    results->setVerticalSpacing(4);
    if (s.resultsHeading.present()) {
        auto *rh = label(q(s.resultsHeading.name), q(s.resultsHeading.text));
        makeHeading(rh);
        results->addWidget(rh, 0, 0, 1, 2);
    }
    // Room for the longest number shown: sign, 15 digits, decimal mark and a
    // three-digit exponent.
    m_longest = q(solver::formatNumber(-8.88888888888888e+300, 15, numberFormat()));
    int row = 1;
    for (const auto &r : s.rows) {
        auto *cap = label(q(r.caption), q(r.captionText));
        results->addWidget(cap, row, 0);
        // A result whose caption is empty until the first "Calcola" is named
        // after its quantity meanwhile.
        auto *res = valueLabel(q(r.result), cap, q(solver::resultFallback(row, r.quantity)));
        results->addWidget(res, row, 1);
        m_values.append(res);
        m_results.append({ res, r.quantity });
        ++row;
    }
    // A screen with a volume adds its capacity and weight, shown when a unit
    // (and a specific weight) is chosen.
    if (s.volumeRow()) {
        const auto addRow = [&](const char *caption, const char *captionText, const char *result) {
            auto *cap = label(QString::fromUtf8(caption), QString::fromUtf8(captionText));
            results->addWidget(cap, row, 0);
            auto *res = valueLabel(QString::fromUtf8(result), cap,
                                   spokenName(QString::fromUtf8(captionText)));
            results->addWidget(res, row, 1);
            m_values.append(res);
            ++row;
            return std::pair(cap, res);
        };
        std::tie(m_capacityCaption, m_capacity) =
            addRow(solver::texts::capacityCaptionControl, solver::texts::capacityCaption,
                   solver::texts::capacityControl);
        std::tie(m_weightResultCaption, m_weightResult) =
            addRow(solver::texts::weightResultCaptionControl, solver::texts::weightResultCaption,
                   solver::texts::weightResultControl);
    }
    results->setRowStretch(row, 1);
    middle->addLayout(results, 1);
}

// The hint after a press, as wide as the window, wrapped: never cut.
void SolverWindow::addHint(QBoxLayout *outer)
{
    m_hint = new LiveLabel(content());
    outer->addWidget(m_hint);
}

QString SolverWindow::hint() const
{
    return m_hint->text();
}

void SolverWindow::addFormulas(QBoxLayout *outer)
{
    const auto &s = m_screen;
    if (s.formulaHeading.present()) {
        auto *fh = label(q(s.formulaHeading.name), q(s.formulaHeading.text));
        makeHeading(fh);
        outer->addWidget(fh);
    }
    ClickLabel *formulaHeading =
        s.formulaHeading.present() ? control<ClickLabel>(q(s.formulaHeading.name)) : nullptr;
    std::size_t formulaCount = 0;
    for (const auto &name : s.formulaLabels) {
        ++formulaCount;
        const QString fallback = q(solver::formulaFallback(formulaCount, s.formulaLabels.size()));
        auto *f =
            valueLabel(q(name), s.formulaLabels.size() > 1 ? nullptr : formulaHeading, fallback);
        f->setWordWrap(true);
        f->setMinimumHeight(40);
        f->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        outer->addWidget(f);
        m_values.append(f);
    }
}

// The choices every screen shares, in a row of their own above the buttons:
// each caption carries the Alt letter of its box.
void SolverWindow::addChoices(QBoxLayout *outer)
{
    auto *row = new QHBoxLayout;
    row->setSpacing(6);
    const auto add = [&](const char *name, const char *caption, const char *tip) {
        auto *box =
            comboBox(QString::fromUtf8(name), QString::fromUtf8(caption), QString::fromUtf8(tip));
        auto *cap = new QLabel(QString::fromUtf8(caption), content());
        cap->setBuddy(box);
        cap->setToolTip(QString::fromUtf8(tip));
        if (row->count())
            row->addSpacing(12);
        row->addWidget(cap);
        row->addWidget(box);
        m_choiceControls.append(box);
        return std::pair(cap, box);
    };
    m_unit =
        add(solver::texts::unitControl, solver::texts::unitCaption, solver::texts::unitTip).second;
    for (const auto &o : solver::unitOptions())
        m_unit->addItem(q(o));
    m_decimals = add(solver::texts::decimalsControl, solver::texts::decimalsCaption,
                     solver::texts::decimalsTip)
                     .second;
    for (const auto &o : solver::decimalsOptions())
        m_decimals->addItem(q(o));
    std::tie(m_weightCaption, m_weight) =
        add(solver::texts::weightControl, solver::texts::weightCaption, solver::texts::weightTip);
    m_weight->setEditable(true);
    m_weight->setInsertPolicy(QComboBox::NoInsert);
    const QString none = QString::fromUtf8(solver::texts::weightPlaceholder);
    m_weight->lineEdit()->setPlaceholderText(none);
    m_weight->addItem(none);
    const auto format = numberFormat();
    for (const auto &m : solver::materials())
        m_weight->addItem(materialEntry(m, format));
    row->addStretch();
    outer->addLayout(row);

    connect(m_unit, &QComboBox::currentIndexChanged, this, [this](int) {
        if (auto unit = solver::unitFromName(m_unit->currentText().toStdString()))
            m_choices.setUnit(*unit);
    });
    connect(m_decimals, &QComboBox::currentIndexChanged, this, [this](int) {
        if (auto d = solver::decimalsFromName(m_decimals->currentText().toStdString()))
            m_choices.setDecimals(*d);
    });
    connect(m_weight, &QComboBox::activated, this, [this](int) { takeWeight(); });
    connect(m_weight->lineEdit(), &QLineEdit::editingFinished, this, [this] { takeWeight(); });
}

bool SolverWindow::takeWeight()
{
    const auto entry = readWeight(m_weight->currentText(), numberFormat());
    const QString tip = QString::fromUtf8(solver::texts::weightTip);
    if (!entry) {
        // The choice stays; the box shows it again and says why.
        const QString why = QString::fromUtf8(solver::texts::weightInvalid);
        m_weight->setToolTip(why + QStringLiteral(".\n") + tip);
        m_weight->setAccessibleDescription(why);
        if (m_weight->isVisible())
            QToolTip::showText(m_weight->mapToGlobal(QPoint(0, m_weight->height())), why, m_weight);
        showWeight();
        return false;
    }
    m_weight->setToolTip(tip);
    m_weight->setAccessibleDescription(tip);
    m_choices.setSpecificWeight(entry->weight, entry->material);
    // As the choice reads: "nessuno" picked from the list leaves the box
    // empty, its placeholder shown; "ferro" typed shows "ferro (7,8)".
    showWeight();
    return true;
}

bool SolverWindow::choose(const QString &control, const QString &option)
{
    const auto pick = [&option](QComboBox *box) {
        const int at = box->findText(option, Qt::MatchExactly);
        if (at < 0)
            return false;
        box->setCurrentIndex(at);
        return true;
    };
    if (control == QString::fromUtf8(solver::texts::unitControl))
        return pick(m_unit);
    if (control == QString::fromUtf8(solver::texts::decimalsControl))
        return pick(m_decimals);
    if (control != QString::fromUtf8(solver::texts::weightControl)
        || !readWeight(option, numberFormat()))
        return false;
    if (!m_weight->isEnabled())
        return true;
    m_weight->setEditText(option);
    return takeWeight();
}

void SolverWindow::showWeight()
{
    const QSignalBlocker blocker(m_weight);
    m_weight->setEditText(
        weightShown(m_choices.preferences().specificWeight, m_choices.material(), numberFormat()));
}

void SolverWindow::showChoices()
{
    const solver::Preferences &p = m_choices.preferences();
    const bool unit = p.unit != solver::Unit::None;
    {
        const QSignalBlocker unitBlocker(m_unit), decimalsBlocker(m_decimals),
            weightBlocker(m_weight);
        m_unit->setCurrentIndex(m_unit->findText(q(solver::unitName(p.unit))));
        m_decimals->setCurrentIndex(m_decimals->findText(q(solver::decimalsName(p.decimals))));
    }
    showWeight();
    const QString weightTip =
        QString::fromUtf8(unit ? solver::texts::weightTip : solver::texts::weightNeedsUnit);
    m_weight->setEnabled(unit);
    m_weightCaption->setEnabled(unit);
    m_weightCaption->setToolTip(weightTip);
    if (!unit) {
        m_weight->setToolTip(weightTip);
        m_weight->setAccessibleDescription(weightTip);
    } else if (m_weight->toolTip() == QString::fromUtf8(solver::texts::weightNeedsUnit)) {
        m_weight->setToolTip(weightTip);
        m_weight->setAccessibleDescription(weightTip);
    }

    // Room for the longest number with its unit, so that a press never asks
    // for a new layout.
    for (const auto &[label, quantity] : std::as_const(m_results)) {
        const auto kind = m_screen.kindOf(quantity);
        label->reserveRoomFor(m_longest
                              + (kind ? q(solver::unitSuffix(p.unit, *kind)) : QString()));
    }
    if (!m_capacity)
        return;
    QString capacity = m_longest + QStringLiteral(" l");
    if (m_screen.hectolitres)
        capacity += QStringLiteral(" = ") + m_longest + QStringLiteral(" hl");
    m_capacity->reserveRoomFor(capacity);
    m_weightResult->reserveRoomFor(m_longest + QLatin1Char(' ') + q(solver::weightUnit(p.unit)));
    // What they showed was in the unit chosen before.
    m_capacity->clear();
    m_weightResult->clear();
    const bool weight = unit && !p.specificWeight.empty();
    m_capacityCaption->setVisible(unit);
    m_capacity->setVisible(unit);
    m_weightResultCaption->setVisible(weight);
    m_weightResult->setVisible(weight);
}

void SolverWindow::addCommonButtons(QBoxLayout *outer)
{
    const auto &s = m_screen;
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    if (s.stampaButton.present())
        m_commonButtons.append(stampa(q(s.stampaButton.name)));
    // Beside "Stampa": the worked solution of the last press.
    auto *svolgimento = button(QString::fromUtf8(solver::texts::solution),
                               QString::fromUtf8(solver::texts::solution));
    svolgimento->setToolTip(QString::fromUtf8(solver::texts::solutionTip));
    connect(svolgimento, &QPushButton::clicked, this, [this] { showSolution(); });
    m_commonButtons.append(svolgimento);
    if (s.ritornaButton.present())
        m_commonButtons.append(ritorna(q(s.ritornaButton.name), q(s.parent)));
    if (s.esciButton.present())
        m_commonButtons.append(esci(q(s.esciButton.name), q(s.esciButton.text)));
    for (auto *b : std::as_const(m_commonButtons))
        buttons->addWidget(b);
    outer->addLayout(buttons);
}

// Keyboard order: ticks, the solving buttons, the results and formulas, the
// buttons beside the pictures, the choices, then the common buttons.
void SolverWindow::setKeyboardOrder()
{
    QList<QWidget *> order;
    for (const auto &c : m_screen.checks)
        order.append(control(q(c.name)));
    order << m_solveButtons << m_values << m_extraButtons << m_choiceControls << m_commonButtons;
    for (int i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void SolverWindow::solve(const solver::SolveButton &button)
{
    m_solvedPicture =
        q(button.solidPicture.present() ? button.solidPicture.text : m_screen.picture.text);
    // The hint of the last press goes as this one starts.
    m_hint->setLiveText({});
    m_solvedButton = &button;
    try {
        solver::runCalcola(*this, m_screen, button);
    } catch (const std::exception &e) {
        platform().message(
            this, QStringLiteral("Errore imprevisto: %1").arg(QString::fromUtf8(e.what())));
    } catch (...) {
        platform().message(this, QStringLiteral("Errore imprevisto durante il calcolo."));
    }
    // New captions, results and formulas ask the content for a new layout;
    // the window grows to hold them all (fitContent) before it is drawn.
}

bool SolverWindow::ticked(const std::string &name) const
{
    return control<QCheckBox>(q(name))->isChecked();
}

std::string SolverWindow::prompt(const std::string &text, const std::string &unit)
{
    return platform().prompt(this, q(text), q(unit)).toStdString();
}

void SolverWindow::message(const std::string &text)
{
    platform().message(this, q(text));
}

void SolverWindow::setText(const std::string &name, const std::string &text)
{
    QWidget *c = control(q(name));
    if (auto *l = qobject_cast<QLabel *>(c))
        l->setText(q(text));
    else if (auto *t = qobject_cast<QLineEdit *>(c))
        t->setText(q(text));
    else
        throw std::logic_error("control " + name + " of " + m_screen.name + " shows no text");
}

void SolverWindow::failure(const solver::CalcError &error)
{
    platform().failure(this, QString::fromStdString(error.what()), error.kind());
}

void SolverWindow::solved(const solver::Solution &solution)
{
    m_solution.clear();
    for (const auto &line : solution.lines())
        m_solution.append(q(line));
    m_lastSolution = solution;
    if (m_solutionWindow)
        m_solutionWindow->setContent(worksheet());
    std::set<std::string> ticked;
    for (const auto &c : m_screen.checks)
        if (this->ticked(c.name))
            ticked.insert(c.name);
    m_hint->setLiveText(q(solver::hint(m_screen, ticked, solution)));
}

SolutionWindow *SolverWindow::showSolution()
{
    if (!m_solutionWindow) {
        // Owned by this window; closing it only hides it, so it reopens
        // where it was.
        m_solutionWindow = new SolutionWindow(
            solutionSubject(), [this](Worksheet version) { printWorksheet(version); }, this);
    }
    m_solutionWindow->setContent(worksheet());
    if (!m_solutionPlaced) {
        placeSolution();
        m_solutionPlaced = true;
    }
    m_solutionWindow->show();
    m_solutionWindow->raise();
    m_solutionWindow->activateWindow();
    return m_solutionWindow;
}

QString SolverWindow::solutionSubject() const
{
    return QString::fromStdString(
        solver::solutionSubject(windowTitle().toStdString(), m_screen.name,
                                m_screen.title.present() ? m_screen.title.text : std::string()));
}

void SolverWindow::placeSolution()
{
    QScreen *where = screen();
    if (!where)
        return;
    const QRect room = where->availableGeometry();
    const QMargins m = decoration();
    const QRect solver(pos(), size().grownBy(m));
    auto *w = m_solutionWindow.data();
    const QRect frame = SolutionWindow::besidePlace(solver, w->size().grownBy(m), room,
                                                    w->readableWidth() + m.left() + m.right());
    w->resize(frame.size().shrunkBy(m));
    w->move(frame.topLeft());
}

void SolverWindow::hideEvent(QHideEvent *event)
{
    ScreenWindow::hideEvent(event);
    if (!event->spontaneous() && m_solutionWindow)
        m_solutionWindow->hide();
}

void SolverWindow::printWorksheet()
{
    printWorksheet(Worksheet::Soluzione);
}

void SolverWindow::printWorksheet(Worksheet version)
{
    std::unique_ptr<QWidget> page(makeWorksheet(worksheet(), version));
    platform().print(page.get(),
                     q(m_screen.name)
                         + (version == Worksheet::Soluzione ? QStringLiteral(" svolgimento")
                                                            : QStringLiteral(" testo")));
}

WorksheetContent SolverWindow::worksheet() const
{
    WorksheetContent content;
    content.subject = solutionSubject();
    content.lines = m_solution;
    const QString picture = m_solvedPicture.isEmpty() ? q(m_screen.picture.text) : m_solvedPicture;
    QFile svg(QStringLiteral(":/assets/") + picture);
    if (!picture.isEmpty() && svg.open(QIODevice::ReadOnly))
        content.figure = QByteArray::fromStdString(
            solver::figureWithData(svg.readAll().toStdString(), solver::pressData(m_lastSolution)));
    if (figureShown() && m_figure->figure().scene) {
        content.solid = m_figure->figure().scene;
        content.camera = m_figure->camera();
    }
    if (!m_solvedButton)
        return content;
    content.exercise = q(solver::exerciseText(m_screen, *m_solvedButton, m_lastSolution));
    const auto labels = m_screen.resultsOf(*m_solvedButton);
    for (const auto &row : m_screen.rows) {
        if (std::find(labels.begin(), labels.end(), row.result) == labels.end())
            continue;
        const QString value = control<QLabel>(q(row.result))->text().trimmed();
        if (value.isEmpty())
            continue;
        QString words = q(solver::quantityWords(m_screen, row.quantity).bare);
        if (words.isEmpty())
            words = q(solver::spokenName(row.captionText));
        if (!words.isEmpty())
            words[0] = words[0].toUpper();
        content.results.append({ words, q(row.quantity), value });
    }
    // The capacity and weight the chosen unit adds.
    if (m_capacity && !m_capacity->text().isEmpty())
        content.results.append({ QStringLiteral("Capacità"), QString(), m_capacity->text() });
    if (m_weightResult && !m_weightResult->text().isEmpty())
        content.results.append(
            { QStringLiteral("Peso"), QStringLiteral("P"), m_weightResult->text() });
    return content;
}

solver::NumberFormat SolverWindow::numberFormat() const
{
    return ui::numberFormat(ui::locale());
}

solver::Preferences SolverWindow::preferences() const
{
    return m_choices.preferences();
}

void SolverWindow::closeRequested()
{
    goTo(q(m_screen.parent));
}

} // namespace ui

#include "sheetwindow.h"

#include "sheetpages.h"

#include "solver/units.h"
#include "ui/locale.h"
#include "ui/platform.h"
#include "ui/widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLineEdit>
#include <QPrinter>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace app {

namespace {

QString q(const std::string &s)
{
    return QString::fromStdString(s);
}

QString q(const solver::Control &c)
{
    return QString::fromStdString(c.name);
}

// A whole number written as choice() writes it ("6", never "06" or "+6"),
// within [lo, hi]; nullopt for anything else.
std::optional<long> wholeIn(const QString &text, long lo, long hi)
{
    bool ok = false;
    const long n = text.toLong(&ok);
    if (!ok || n < lo || n > hi || QString::number(n) != text)
        return std::nullopt;
    return n;
}

} // namespace

SheetWindow::SheetWindow(ui::Navigator &nav, std::uint32_t seed)
    : ui::ScreenWindow(q(sheets::screen().name), q(sheets::screen().caption), nav), m_lastSeed(seed)
{
    const sheets::Screen &s = sheets::screen();
    auto *body = new QVBoxLayout(content());
    body->setContentsMargins(16, 12, 16, 12);
    body->setSpacing(10);

    auto *heading = label(q(s.heading), q(s.heading.text));
    QFont big = heading->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    heading->setFont(big);
    heading->setAlignment(Qt::AlignCenter);
    body->addWidget(heading);
    auto *note = label(q(s.note), q(s.note.text));
    note->setWordWrap(true);
    body->addWidget(note);

    // The families side by side, each a column of tick boxes under its name,
    // "tutti" first; a family goes in the column holding fewest boxes so far.
    auto *solidsHeading = label(q(s.solidsHeading), q(s.solidsHeading.text));
    QFont bold = solidsHeading->font();
    bold.setBold(true);
    solidsHeading->setFont(bold);
    body->addWidget(solidsHeading);
    auto *columns = new QHBoxLayout;
    columns->setSpacing(24);
    constexpr int kColumns = 4;
    QVBoxLayout *column[kColumns];
    int filled[kColumns] = {};
    for (auto &c : column) {
        c = new QVBoxLayout;
        c->setSpacing(2);
        columns->addLayout(c, 1);
    }
    for (int f = 0; f < int(s.families.size()); ++f) {
        const sheets::Family &family = s.families[std::size_t(f)];
        const int at = int(std::min_element(filled, filled + kColumns) - filled);
        QVBoxLayout *c = column[at];
        if (filled[at] > 0)
            c->addSpacing(10);
        filled[at] += int(family.boxes.size()) + 2;
        auto *name = label(q(family.name), q(family.name.text));
        name->setFont(bold);
        c->addWidget(name);
        FamilyBoxes boxes;
        boxes.all = checkBox(q(family.all), q(family.all.text));
        // Spoken with its family, as "tutti" alone says not of what.
        boxes.all->setAccessibleName(q(family.name.text) + QStringLiteral(": ")
                                     + q(family.all.text));
        name->setBuddy(boxes.all);
        c->addWidget(boxes.all);
        for (const auto &b : family.boxes) {
            auto *box = checkBox(q(b), q(b.text));
            box->setChecked(true);
            // Indented under "tutti".
            auto *row = new QHBoxLayout;
            row->addSpacing(18);
            row->addWidget(box, 1);
            c->addLayout(row);
            boxes.solids.append(box);
            connect(box, &QCheckBox::toggled, this, [this, f] { solidToggled(f); });
        }
        boxes.all->setChecked(true);
        connect(boxes.all, &QCheckBox::toggled, this, [this, f](bool on) { allToggled(f, on); });
        m_families.append(boxes);
    }
    for (auto *c : column)
        c->addStretch();
    body->addLayout(columns);

    // The choices, each named by the label before it.
    auto *form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignLeft);
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    form->setHorizontalSpacing(12);

    auto *countLabel = label(q(s.countLabel), q(s.countLabel.text));
    m_count = declared(new QSpinBox, q(s.countControl), q(s.countLabel.text));
    m_count->setRange(sheets::kMinCount, sheets::kMaxCount);
    m_count->setValue(sheets::Settings{}.count);
    countLabel->setBuddy(m_count);
    form->addRow(countLabel, m_count);

    auto *dataLabel = label(q(s.dataLabel), q(s.dataLabel.text));
    m_whole = option(q(s.whole), q(s.whole.text));
    m_oneDecimal = option(q(s.oneDecimal), q(s.oneDecimal.text));
    m_whole->setChecked(true);
    auto *data = new QHBoxLayout;
    data->addWidget(m_whole);
    data->addWidget(m_oneDecimal);
    data->addStretch();
    dataLabel->setBuddy(m_whole);
    form->addRow(dataLabel, data);

    auto *unitLabel = label(q(s.unitLabel), q(s.unitLabel.text));
    m_unit = comboBox(q(s.unitControl), q(s.unitLabel.text), q(s.unitLabel.text));
    for (const auto &u : solver::unitOptions())
        m_unit->addItem(q(u));
    m_unit->setCurrentText(q(solver::unitName(sheets::Settings{}.unit)));
    unitLabel->setBuddy(m_unit);
    form->addRow(unitLabel, m_unit);

    auto *decimalsLabel = label(q(s.decimalsLabel), q(s.decimalsLabel.text));
    m_decimals = comboBox(q(s.decimalsControl), q(s.decimalsLabel.text), q(s.decimalsLabel.text));
    for (int d = 0; d <= sheets::kMaxDecimals; ++d)
        m_decimals->addItem(QString::number(d));
    m_decimals->setCurrentText(QString::number(sheets::Settings{}.decimals));
    decimalsLabel->setBuddy(m_decimals);
    form->addRow(decimalsLabel, m_decimals);

    auto *seedLabel = label(q(s.seedLabel), q(s.seedLabel.text));
    m_seed = declared(new QLineEdit, q(s.seedControl), q(s.seedLabel.text));
    m_seed->setValidator(new QIntValidator(1, int(sheets::kMaxSeed), m_seed));
    m_seed->setText(QString::number(m_lastSeed));
    // Wide enough for the longest number, whatever the font.
    m_seed->setMinimumWidth(m_seed->fontMetrics().horizontalAdvance(QStringLiteral("9999999"))
                            + 16);
    seedLabel->setBuddy(m_seed);
    form->addRow(seedLabel, m_seed);
    body->addLayout(form);
    body->addStretch();

    auto *preview = button(q(s.preview), q(s.preview.text));
    connect(preview, &QPushButton::clicked, this, [this] { makeSheet(true); });
    auto *print = button(q(s.print), q(s.print.text));
    connect(print, &QPushButton::clicked, this, [this] { makeSheet(false); });
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(preview);
    buttons->addWidget(print);
    buttons->addWidget(ritorna(q(s.ritorna), q(s.parent)));
    buttons->addWidget(esci(q(s.esci), q(s.esci.text)));
    body->addLayout(buttons);
}

QStringList SheetWindow::choiceNames()
{
    const sheets::Screen &s = sheets::screen();
    return { q(s.countControl), q(s.unitControl), q(s.decimalsControl), q(s.seedControl) };
}

void SheetWindow::allToggled(int family, bool on)
{
    if (m_syncing)
        return;
    m_syncing = true;
    for (auto *box : std::as_const(m_families[family].solids))
        box->setChecked(on);
    m_syncing = false;
}

void SheetWindow::solidToggled(int family)
{
    if (m_syncing)
        return;
    const FamilyBoxes &f = m_families[family];
    const bool all = std::all_of(f.solids.begin(), f.solids.end(),
                                 [](const QCheckBox *b) { return b->isChecked(); });
    m_syncing = true;
    f.all->setChecked(all);
    m_syncing = false;
}

std::uint32_t SheetWindow::seed() const
{
    const auto n = wholeIn(m_seed->text(), 1, long(sheets::kMaxSeed));
    return n ? std::uint32_t(*n) : m_lastSeed;
}

sheets::Settings SheetWindow::settings() const
{
    const sheets::Screen &s = sheets::screen();
    sheets::Settings out;
    for (int f = 0; f < m_families.size(); ++f)
        for (int b = 0; b < m_families[f].solids.size(); ++b)
            if (m_families[f].solids[b]->isChecked())
                out.screens.push_back(s.families[std::size_t(f)].screens[std::size_t(b)]);
    out.count = m_count->value();
    out.oneDecimal = m_oneDecimal->isChecked();
    out.unit = solver::unitFromName(m_unit->currentText().toStdString()).value_or(out.unit);
    out.decimals = m_decimals->currentText().toInt();
    out.seed = seed();
    return out;
}

QString SheetWindow::choice(const QString &name) const
{
    const sheets::Screen &s = sheets::screen();
    if (name == q(s.countControl))
        return QString::number(m_count->value());
    if (name == q(s.unitControl))
        return m_unit->currentText();
    if (name == q(s.decimalsControl))
        return m_decimals->currentText();
    if (name == q(s.seedControl))
        return QString::number(seed());
    return QString();
}

bool SheetWindow::choose(const QString &name, const QString &option)
{
    const sheets::Screen &s = sheets::screen();
    if (name == q(s.countControl)) {
        const auto n = wholeIn(option, sheets::kMinCount, sheets::kMaxCount);
        if (n)
            m_count->setValue(int(*n));
        return bool(n);
    }
    if (name == q(s.unitControl) || name == q(s.decimalsControl)) {
        QComboBox *box = name == q(s.unitControl) ? m_unit : m_decimals;
        const int at = box->findText(option, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (at >= 0)
            box->setCurrentIndex(at);
        return at >= 0;
    }
    if (name == q(s.seedControl)) {
        const auto n = wholeIn(option, 1, long(sheets::kMaxSeed));
        if (n)
            m_seed->setText(option);
        return bool(n);
    }
    return false;
}

void SheetWindow::makeSheet(bool preview)
{
    const sheets::Settings asked = settings();
    m_lastSeed = asked.seed;
    m_seed->setText(QString::number(asked.seed));
    const sheets::Words words = sheets::words(asked.seed);
    if (asked.screens.empty()) {
        ui::platform().message(this, q(words.empty));
        return;
    }
    m_sheet = sheets::make(asked, ui::numberFormat(ui::locale()));
    const sheets::Sheet sheet = *m_sheet;
    ui::Pages pages{ q(words.title), q(sheets::pdfName(asked.seed)),
                     [sheet](QPrinter &printer) { return paintSheet(sheet, printer); } };
    ui::platform().printPages(this, screenName(), pages, preview);
}

void SheetWindow::closeRequested()
{
    goTo(q(sheets::screen().parent));
}

} // namespace app

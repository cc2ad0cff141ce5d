#include "calc.h"

#include "hint.h"
#include "screen.h"
#include "texts.h"
#include "words.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include <set>

namespace solver {

Calc::Calc(Host &host, const SolverScreen &screen, CaseTrace *trace)
    : m_host(host), m_screen(screen), m_trace(trace), m_preferences(host.preferences()),
      m_format(host.numberFormat())
{
    m_format.decimals = m_preferences.decimals;
    m_solution.setDecimals(m_preferences.decimals);
    for (auto &name : screen.declared())
        m_declared.insert(std::move(name));
}

const std::string &Calc::declared(const std::string &name) const
{
    if (!m_declared.count(name))
        throw UndeclaredControl(m_screen.name, name);
    return name;
}

const std::string &Calc::tickBox(const std::string &name) const
{
    for (const auto &c : m_screen.checks)
        if (c.quantity == name)
            return c.name;
    return declared(name);
}

const ResultRow *Calc::row(const std::string &quantity) const
{
    for (const auto &r : m_screen.rows)
        if (r.quantity == quantity)
            return &r;
    return nullptr;
}

Quantity::Quantity(Calc &calc, std::string symbol) : m_calc(calc), m_symbol(std::move(symbol)) {}

Quantity::Quantity(Calc &calc, std::string symbol, std::string words)
    : m_calc(calc), m_symbol(std::move(symbol)), m_words(std::move(words))
{
}

Quantity &Quantity::operator=(const Answer &answer)
{
    m_value = answer.value;
    m_calc.m_values[m_symbol] = m_value;
    if (!m_calc.insufficientShown()) {
        m_calc.solution().given(m_symbol, m_value.text(), m_calc.unitOf(m_symbol));
        m_calc.datum(*this);
    }
    return *this;
}

Quantity &Quantity::operator=(const Asked &asked)
{
    return *this = asked.calc.answer(asked.prompt, m_calc.m_screen.kindOf(m_symbol));
}

Quantity &Quantity::operator=(const Expr &expr)
{
    const Expr::Node *failed = nullptr;
    const NumberFormat &format = m_calc.format();
    std::vector<std::string> notes;
    if (!m_calc.insufficientShown()) {
        if (!m_words.empty())
            notes.push_back("Indichiamo con " + m_symbol + " " + m_words + ".");
        for (auto &line : expr.explanations(format))
            notes.push_back(std::move(line));
    }
    try {
        m_value = expr.evaluate(&failed);
    } catch (const CalcError &error) {
        if (!m_calc.insufficientShown())
            m_calc.solution().failed(m_symbol, expr.symbols(format), expr.numbers(format),
                                     expr.reason(failed, error, format), std::move(notes));
        throw;
    }
    m_calc.m_values[m_symbol] = m_value;
    if (!m_calc.insufficientShown()) {
        std::string numbers = expr.numbers(format);
        std::string result = m_value.isEmpty() ? "0" : withMinusSign(m_value.display(format));
        // Rounded numbers make the step approximate: it ends with "≈".
        const bool approximate = m_calc.rounded(expr, m_value);
        m_calc.solution().computed(m_symbol, expr.symbols(format), std::move(numbers),
                                   std::move(result), std::move(notes), m_calc.unitOf(m_symbol),
                                   approximate);
    }
    return *this;
}

bool Calc::roundedAway(const Value &value) const
{
    return m_format.decimals != NumberFormat::kAll
           && value.display(unpadded(m_format)) != value.display(everyDigit(m_format));
}

bool Calc::rounded(const Expr &expr, const Value &result) const
{
    if (m_format.decimals == NumberFormat::kAll)
        return false;
    const NumberFormat all = everyDigit(m_format), shown = unpadded(m_format);
    return expr.numbers(shown) != expr.numbers(all) || result.display(shown) != result.display(all);
}

std::string Calc::unitOf(const std::string &symbol) const
{
    const auto kind = m_screen.kindOf(symbol);
    return kind ? unitSuffix(m_preferences.unit, *kind) : std::string();
}

std::string Calc::written(const Value &value) const
{
    std::string s = value.display(m_format);
    const auto b = s.find_first_not_of(" \t");
    const auto e = s.find_last_not_of(" \t");
    s = b == std::string::npos ? std::string("0") : s.substr(b, e - b + 1);
    return withMinusSign(s);
}

void Calc::datum(const Quantity &quantity)
{
    double v = 0;
    try {
        if (quantity.value().text().find_first_not_of(" \t") == std::string::npos)
            return;
        v = quantity.value().number();
    } catch (const CalcError &) {
        return;
    }
    if (v > 0)
        return;
    std::string words = quantityWords(m_screen, quantity.symbol()).definite;
    if (!words.empty())
        words[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(words[0])));
    m_solution.warning((words.empty() ? "" : words + " ") + quantity.symbol() + " vale "
                       + written(quantity.value()) + unitOf(quantity.symbol())
                       + ", ma le misure di un solido sono positive.");
}

void Calc::agree(const Quantity &datum, const Expr &implied, const std::string &solid)
{
    if (m_insufficient)
        return;
    // The data the implied value is worked out from, as the solution wrote them.
    std::string from;
    const auto others = implied.quantities();
    double x = 0, y = 0;
    try {
        y = datum.value().number();
        for (std::size_t i = 0; i < others.size(); ++i) {
            others[i].second.number();
            from += (i == 0                   ? ""
                     : i + 1 == others.size() ? " e "
                                              : ", ")
                    + others[i].first + " = " + written(others[i].second) + unitOf(others[i].first);
        }
    } catch (const CalcError &) {
        return; // a datum that is not a number: the steps say so
    }
    const std::string words = quantityWords(m_screen, datum.symbol()).definite;
    // Named in words alone, as a textbook does; by symbol where it has none.
    const std::string name = words.empty() ? datum.symbol() : words;
    // Each number with its unit, when one is chosen.
    const std::string unit = unitOf(datum.symbol());
    const std::string given = written(datum.value()) + unit;
    Value value;
    try {
        value = implied.evaluate();
        x = value.number();
    } catch (const CalcError &) {
        m_solution.warning("Con " + from + " non si può ricavare " + name
                           + ": i dati non descrivono " + solid + ".");
        return;
    }
    const std::string shown = withMinusSign(value.display(m_format)) + unit;
    // Agreeing to the precision a result label shows.
    if (shown == given || std::fabs(x - y) <= 1e-12 * std::max(std::fabs(x), std::fabs(y))) {
        m_solution.remark("I dati sono coerenti: con " + from + " " + name + " è " + shown
                          + ", come il dato.");
        return;
    }
    m_solution.warning("Con " + from + " " + name + " sarebbe " + shown + ", non " + given
                           + ": i dati non descrivono " + solid + ".",
                       datum.symbol(), value.display(m_format));
}

bool Calc::given(std::initializer_list<std::string> boxes)
{
    return given(std::vector<std::string>(boxes));
}

bool Calc::given(const std::vector<std::string> &boxes)
{
    bool all = true;
    std::string id;
    m_cases.emplace_back();
    for (const auto &b : boxes) {
        const std::string &box = tickBox(b);
        m_cases.back().push_back(box);
        id += (id.empty() ? "" : "+") + box;
        all = m_host.ticked(box) && all;
    }
    if (m_trace) {
        int seen = 0;
        for (const auto &t : m_trace->tested)
            if (t.first == id || t.first.rfind(id + "#", 0) == 0)
                ++seen;
        m_trace->tested.emplace_back(seen ? id + "#" + formatInteger(seen + 1) : id, all);
    }
    return all;
}

bool Calc::ticked(const std::string &box) const
{
    return m_host.ticked(tickBox(box));
}

Asked::operator Value() const
{
    return calc.answer(prompt, std::nullopt).value;
}

Asked Calc::ask(const std::string &prompt)
{
    return { *this, prompt };
}

Answer Calc::answer(const std::string &prompt, std::optional<Kind> kind)
{
    const std::string unit = kind ? unitSuffix(m_preferences.unit, *kind) : std::string();
    // Beside the box the unit stands alone: "cm²", "°".
    const auto b = unit.find_first_not_of(' ');
    return { Value::typed(
        m_host.prompt(prompt, b == std::string::npos ? std::string() : unit.substr(b)), m_format) };
}

void Calc::insufficient()
{
    // The cases the chain tested are the combinations it accepts: listed by
    // the names of their tick boxes, those that hold every ticked box first
    // (see orderCombinations).
    std::set<std::string> ticked;
    for (const auto &boxes : m_cases)
        for (const auto &box : boxes)
            if (m_host.ticked(box))
                ticked.insert(box);
    const Combinations ordered = orderCombinations(m_cases, ticked);
    std::vector<Combination> accepted;
    for (const auto &boxes : ordered.list) {
        std::vector<std::string> names;
        for (const auto &box : boxes)
            names.push_back(boxName(m_screen, box));
        // Two boxes may carry one caption: a combination is listed once.
        const std::string name = joinNames(names);
        bool seen = name.empty();
        for (const auto &a : accepted)
            seen = seen || a.name == name;
        if (!seen)
            accepted.push_back({ name, boxes });
    }
    m_solution.insufficient(accepted, ordered.closest);
    m_insufficient = true;
    m_host.message(kInsufficient);
}

void Calc::formula(const std::string &text)
{
    formulas({ text });
}

void Calc::formulas(std::initializer_list<std::string> texts)
{
    const auto &labels = m_screen.formulaLabels;
    if (texts.size() != labels.size())
        throw UndeclaredControl(m_screen.name,
                                "a formula label for each of "
                                    + formatInteger(static_cast<long long>(texts.size()))
                                    + " formula texts");
    auto label = labels.begin();
    for (const auto &text : texts)
        m_host.setText(*label++, text);
}

void Calc::show(const std::string &name, const Value &value)
{
    const ResultRow *r = row(name);
    if (!r) {
        m_host.setText(declared(name), value.display(m_format));
        return;
    }
    if (!r->pressCaption.empty())
        m_host.setText(r->caption, r->pressCaption);
    std::string text = value.display(m_format);
    if (!text.empty())
        text += unitOf(r->quantity);
    m_host.setText(r->result, text);
    if (r == m_screen.volumeRow())
        m_volume = value;
}

void Calc::clearCapacity()
{
    if (m_screen.volumeRow() && m_preferences.unit != Unit::None) {
        m_host.setText(texts::capacityControl, {});
        m_host.setText(texts::weightResultControl, {});
    }
}

void Calc::finish()
{
    const ResultRow *volumeRow = m_screen.volumeRow();
    if (!volumeRow || m_preferences.unit == Unit::None)
        return;
    clearCapacity();
    if (m_insufficient || !m_volume || m_volume->isEmpty())
        return;

    // The volume as the screen showed it, now a datum of these two steps.
    Quantity V(*this, volumeRow->quantity);
    V.m_value = *m_volume;
    const double litres = litresPerCubicUnit(m_preferences.unit);
    const std::string unitName = solver::unitName(m_preferences.unit);
    const Expr capacity =
        litres >= 1 ? (litres == 1 ? Expr(V) : V * Expr(litres)) : V / Expr(1 / litres);
    const std::string note = "Poiché 1 dm³ = 1 l, 1 " + unitName
                             + "³ = " + Value(litres).display(everyDigit(m_format)) + " l.";
    try {
        const Value value = capacity.evaluate();
        std::string text = value.display(m_format) + " l";
        std::string numbers = capacity.numbers(m_format);
        std::string result = withMinusSign(value.display(m_format));
        const bool approximate = rounded(capacity, value);
        // A container's capacity also in hectolitres, on the same line.
        std::string unit = " l";
        if (m_screen.hectolitres) {
            const Value hl = value / Value(100);
            text += " = " + hl.display(m_format) + " hl";
            unit += (roundedAway(hl) ? " ≈ " : " = ") + withMinusSign(hl.display(m_format)) + " hl";
        }
        m_solution.computed("Capacità", capacity.symbols(m_format), numbers, result,
                            { unitName == "dm" ? "Poiché 1 dm³ = 1 l, la capacità in litri è il "
                                                 "volume in dm³."
                                               : note },
                            unit, approximate);
        m_host.setText(texts::capacityControl, text);
    } catch (const CalcError &) {
        // A volume too large for litres: the capacity stays empty.
    }

    if (m_preferences.specificWeight.empty())
        return;
    Quantity ps(*this, "ps");
    ps.m_value = Value::typed(m_preferences.specificWeight, m_format);
    m_solution.given("ps", m_preferences.specificWeight, " g/cm³");
    const Expr weight = V * Expr(ps);
    try {
        const Value value = weight.evaluate();
        std::string numbers = weight.numbers(m_format);
        std::string result = withMinusSign(value.display(m_format));
        const bool approximate = rounded(weight, value);
        const std::string unit = weightUnit(m_preferences.unit);
        // A thousand of a unit or more also in the next unit up, on the same line.
        std::string written = " " + unit;
        static const char *const kUp[][2] = { { "mg", "g" }, { "g", "kg" }, { "kg", "t" } };
        for (const auto &up : kUp)
            if (unit == up[0] && std::fabs(value.number()) >= 1000) {
                const Value larger = value / Value(1000);
                written += (roundedAway(larger) ? " ≈ " : " = ")
                           + withMinusSign(larger.display(m_format)) + " " + up[1];
            }
        m_solution.computed("P", weight.symbols(m_format), numbers, result,
                            { "Il peso è il volume per il peso specifico: con il volume in "
                              + unitName
                              + "³ e il peso specifico in g/cm³ (che è anche kg/dm³ e "
                                "t/m³), il peso è in "
                              + unit + "." },
                            written, approximate);
        m_host.setText(texts::weightResultControl, value.display(m_format) + " " + unit);
    } catch (const CalcError &error) {
        m_solution.warning("Il peso specifico " + m_preferences.specificWeight
                           + " non è un numero: il peso non si può calcolare.");
    }
}

void Calc::show(const std::string &name, const Quantity &quantity)
{
    show(name, quantity.value());
}

void runCalcola(Host &host, const SolverScreen &screen, const SolveButton &button, CaseTrace *trace)
{
    Calc calc(host, screen, trace);
    PressEnd end = PressEnd::Solved;
    try {
        button.steps(calc);
        calc.finish();
    } catch (const CalcError &error) {
        for (const auto &label : screen.resultsOf(button))
            host.setText(label, {});
        calc.clearCapacity();
        end = PressEnd::Failed;
        if (!calc.insufficientShown())
            host.failure(error);
    }
    if (calc.insufficientShown())
        end = PressEnd::Insufficient;
    host.solved(calc.solution());
    host.figured(figureOf(screen, button, calc, end));
}

} // namespace solver

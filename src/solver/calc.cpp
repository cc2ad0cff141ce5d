#include "calc.h"

#include "hint.h"
#include "screen.h"
#include "words.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include <set>

namespace solver {

Calc::Calc(Host &host, const SolverScreen &screen, CaseTrace *trace)
    : m_host(host), m_screen(screen), m_trace(trace), m_format(host.numberFormat())
{
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
    if (!m_calc.insufficientShown()) {
        m_calc.solution().given(m_symbol, m_value.text());
        m_calc.datum(*this);
    }
    return *this;
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
    if (!m_calc.insufficientShown())
        m_calc.solution().computed(m_symbol, expr.symbols(format), expr.numbers(format),
                                   m_value.isEmpty() ? "0" : withMinusSign(m_value.display(format)),
                                   std::move(notes));
    return *this;
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
                       + written(quantity.value()) + ", ma le misure di un solido sono positive.");
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
                    + others[i].first + " = " + written(others[i].second);
        }
    } catch (const CalcError &) {
        return; // a datum that is not a number: the steps say so
    }
    const std::string words = quantityWords(m_screen, datum.symbol()).definite;
    // Named in words alone, as a textbook does; by symbol where it has none.
    const std::string name = words.empty() ? datum.symbol() : words;
    const std::string given = written(datum.value());
    Value value;
    try {
        value = implied.evaluate();
        x = value.number();
    } catch (const CalcError &) {
        m_solution.warning("Con " + from + " non si può ricavare " + name
                           + ": i dati non descrivono " + solid + ".");
        return;
    }
    const std::string shown = withMinusSign(value.display(m_format));
    // Agreeing to the precision a result label shows.
    if (shown == given || std::fabs(x - y) <= 1e-12 * std::max(std::fabs(x), std::fabs(y))) {
        m_solution.remark("I dati sono coerenti: con " + from + " " + name + " è " + shown
                          + ", come il dato.");
        return;
    }
    m_solution.warning("Con " + from + " " + name + " sarebbe " + shown + ", non " + given
                       + ": i dati non descrivono " + solid + ".");
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

Answer Calc::ask(const std::string &prompt)
{
    return { Value::typed(m_host.prompt(prompt), m_format) };
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
    m_host.setText(r->result, value.display(m_format));
}

void Calc::show(const std::string &name, const Quantity &quantity)
{
    show(name, quantity.value());
}

void runCalcola(Host &host, const SolverScreen &screen, const SolveButton &button, CaseTrace *trace)
{
    Calc calc(host, screen, trace);
    try {
        button.steps(calc);
    } catch (const CalcError &error) {
        for (const auto &label : screen.resultsOf(button))
            host.setText(label, {});
        if (!calc.insufficientShown())
            host.failure(error);
    }
    host.solved(calc.solution());
}

} // namespace solver

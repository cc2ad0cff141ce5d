#include "calc.h"

#include "screen.h"

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
    const auto it = m_screen.tickOf.find(name);
    return declared(it == m_screen.tickOf.end() ? name : it->second);
}

const std::string &Calc::label(const std::string &name) const
{
    const auto it = m_screen.labelOf.find(name);
    return declared(it == m_screen.labelOf.end() ? name : it->second);
}

bool Calc::given(std::initializer_list<std::string> boxes)
{
    return given(std::vector<std::string>(boxes));
}

bool Calc::given(const std::vector<std::string> &boxes)
{
    bool all = true;
    std::string id;
    for (const auto &b : boxes) {
        const std::string &box = tickBox(b);
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

Value Calc::ask(const std::string &prompt)
{
    return Value::typed(m_host.prompt(prompt), m_format);
}

void Calc::insufficient()
{
    m_insufficient = true;
    m_host.message(kInsufficient);
}

void Calc::formula(const std::string &name, const std::string &text)
{
    m_host.setText(label(name), text);
}

void Calc::caption(const std::string &name, const std::string &text)
{
    m_host.setText(label(name), text);
}

void Calc::show(const std::string &name, const Value &value)
{
    m_host.setText(label(name), value.display(m_format));
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
}

} // namespace solver

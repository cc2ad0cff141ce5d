#include "calc.h"

namespace solver {

Calc::Calc(Host &host) : m_host(host), m_format(host.numberFormat()) {}

bool Calc::ticked(const std::string &checkBox) const { return m_host.ticked(checkBox); }

Value Calc::ask(const std::string &prompt)
{
    return Value::typed(m_host.prompt(prompt), m_format);
}

void Calc::insufficient()
{
    m_insufficient = true;
    m_host.message(kInsufficient);
}

void Calc::formula(const std::string &label, const std::string &text)
{
    m_host.setText(label, text);
}

void Calc::caption(const std::string &label, const std::string &text)
{
    m_host.setText(label, text);
}

void Calc::show(const std::string &label, const Value &value)
{
    m_host.setText(label, value.display(m_format));
}

void runCalcola(Host &host, const std::vector<std::string> &results, const Steps &steps)
{
    Calc calc(host);
    try {
        steps(calc);
    } catch (const CalcError &error) {
        for (const auto &label : results)
            host.setText(label, {});
        if (!calc.insufficientShown())
            host.failure(error);
    }
}

} // namespace solver

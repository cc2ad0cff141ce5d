#include "solution.h"

namespace solver {

void Solution::given(const std::string &symbol, const std::string &typed)
{
    SolutionStep s;
    s.kind = SolutionStep::Kind::Given;
    s.symbol = symbol;
    const auto b = typed.find_first_not_of(" \t");
    const auto e = typed.find_last_not_of(" \t");
    s.result = b == std::string::npos ? std::string() : typed.substr(b, e - b + 1);
    m_steps.push_back(std::move(s));
}

void Solution::computed(const std::string &symbol, std::string formula, std::string numbers,
                        std::string result)
{
    m_steps.push_back({ SolutionStep::Kind::Computed,
                        symbol,
                        std::move(formula),
                        std::move(numbers),
                        std::move(result),
                        {} });
}

void Solution::failed(const std::string &symbol, std::string formula, std::string numbers,
                      std::string reason)
{
    m_steps.push_back({ SolutionStep::Kind::Failed,
                        symbol,
                        std::move(formula),
                        std::move(numbers),
                        {},
                        std::move(reason) });
}

void Solution::insufficient(const std::vector<Combination> &combinations, bool closest)
{
    for (const auto &c : combinations)
        m_steps.push_back(
            { SolutionStep::Kind::Accepted, {}, {}, {}, {}, c.name, c.boxes, closest });
}

void Solution::warning(std::string text)
{
    m_steps.push_back({ SolutionStep::Kind::Warning, {}, {}, {}, {}, std::move(text) });
}

std::string stepLine(const SolutionStep &step)
{
    std::string line = step.symbol;
    std::string last = step.symbol;
    for (const std::string *part : { &step.formula, &step.numbers, &step.result }) {
        if (part->empty() || *part == last)
            continue;
        line += " = " + *part;
        last = *part;
    }
    return line;
}

std::vector<std::string> Solution::lines() const
{
    std::vector<std::string> out;
    bool data = false, steps = false, accepted = false;
    for (const auto &s : m_steps) {
        if (s.kind != SolutionStep::Kind::Given)
            continue;
        if (!data)
            out.push_back("Dati:");
        data = true;
        out.push_back(s.symbol + " = " + (s.result.empty() ? "(nessun valore)" : s.result));
    }
    for (const auto &s : m_steps) {
        switch (s.kind) {
        case SolutionStep::Kind::Given:
            break;
        case SolutionStep::Kind::Computed:
        case SolutionStep::Kind::Failed:
            if (!steps)
                out.push_back("Calcoli:");
            steps = true;
            if (s.kind == SolutionStep::Kind::Computed) {
                out.push_back(stepLine(s));
            } else {
                out.push_back(stepLine(s));
                out.push_back("Non si può calcolare " + s.symbol + ": " + s.reason);
            }
            break;
        case SolutionStep::Kind::Accepted:
            if (!accepted)
                out.push_back(s.closest ? "I dati indicati non bastano, e nessuna combinazione "
                                          "comprende tutte le caselle spuntate. Le combinazioni "
                                          "accettate, dalla più vicina:"
                                        : "I dati indicati non bastano. Spunta una di queste "
                                          "combinazioni:");
            accepted = true;
            out.push_back("• " + s.reason);
            break;
        case SolutionStep::Kind::Warning:
            out.push_back("Attenzione: " + s.reason);
            break;
        }
    }
    return out;
}

} // namespace solver

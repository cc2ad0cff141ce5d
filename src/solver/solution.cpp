#include "solution.h"

#include "expr.h"
#include "numberformat.h"

namespace solver {

void Solution::given(const std::string &symbol, const std::string &typed, std::string unit)
{
    SolutionStep s;
    s.kind = SolutionStep::Kind::Given;
    s.symbol = symbol;
    const auto b = typed.find_first_not_of(" \t");
    const auto e = typed.find_last_not_of(" \t");
    s.result = b == std::string::npos ? std::string() : typed.substr(b, e - b + 1);
    s.unit = std::move(unit);
    m_steps.push_back(std::move(s));
}

namespace {

// The notes not written before this step.
std::vector<std::string> unwritten(const std::vector<SolutionStep> &steps,
                                   std::vector<std::string> notes)
{
    std::vector<std::string> out;
    for (auto &n : notes) {
        bool seen = false;
        for (const auto &s : steps)
            for (const auto &m : s.notes)
                seen = seen || m == n;
        for (const auto &m : out)
            seen = seen || m == n;
        if (!seen)
            out.push_back(std::move(n));
    }
    return out;
}

} // namespace

void Solution::computed(const std::string &symbol, std::string formula, std::string numbers,
                        std::string result, std::vector<std::string> notes, std::string unit,
                        bool approximate)
{
    bool datum = false;
    for (const auto &s : m_steps) {
        if (s.kind == SolutionStep::Kind::Computed && s.symbol == symbol && s.formula == formula
            && s.numbers == numbers && s.result == result)
            return;
        datum = datum || (s.kind == SolutionStep::Kind::Given && s.symbol == symbol);
    }
    SolutionStep step{ SolutionStep::Kind::Computed,
                       symbol,
                       std::move(formula),
                       std::move(numbers),
                       std::move(result),
                       {},
                       unwritten(m_steps, std::move(notes)),
                       datum };
    step.unit = std::move(unit);
    step.approximate = approximate;
    m_steps.push_back(std::move(step));
}

void Solution::failed(const std::string &symbol, std::string formula, std::string numbers,
                      std::string reason, std::vector<std::string> notes)
{
    SolutionStep step{ SolutionStep::Kind::Failed,
                       symbol,
                       std::move(formula),
                       std::move(numbers),
                       {},
                       std::move(reason),
                       unwritten(m_steps, std::move(notes)),
                       false };
    m_steps.push_back(std::move(step));
}

void Solution::insufficient(const std::vector<Combination> &combinations, bool closest)
{
    for (const auto &c : combinations)
        m_steps.push_back(
            { SolutionStep::Kind::Accepted, {}, {}, {}, {}, c.name, {}, false, c.boxes, closest });
}

void Solution::warning(std::string text, std::string symbol, std::string implied)
{
    m_steps.push_back({ SolutionStep::Kind::Warning,
                        std::move(symbol),
                        {},
                        {},
                        std::move(implied),
                        std::move(text),
                        {},
                        false });
}

void Solution::remark(std::string text)
{
    m_steps.push_back({ SolutionStep::Kind::Remark, {}, {}, {}, {}, std::move(text), {}, false });
}

std::string stepLine(const SolutionStep &step)
{
    std::string line = step.symbol;
    std::string last = step.symbol;
    for (const std::string *part : { &step.formula, &step.numbers, &step.result }) {
        if (part->empty() || *part == last)
            continue;
        line += (part == &step.result && step.approximate ? " ≈ " : " = ") + *part;
        last = *part;
    }
    return step.result.empty() ? line : line + step.unit;
}

namespace {

// Whether a datum as typed is the value shown: with the decimals chosen,
// "2,5" is "2,50", and "2,504" is "2,50" too.
bool sameAsShown(const std::string &typed, const std::string &shown, int decimals)
{
    return withMinusSign(typed) == shown
           || (decimals != NumberFormat::kAll
               && (withMinusSign(roundedText(typed, decimals, ",")) == shown
                   || withMinusSign(roundedText(typed, decimals, ".")) == shown));
}

} // namespace

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
        out.push_back(s.symbol + " = "
                      + (s.result.empty() ? "(nessun valore)" : s.result + s.unit));
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
            out.insert(out.end(), s.notes.begin(), s.notes.end());
            if (s.kind == SolutionStep::Kind::Computed) {
                if (!s.check) {
                    out.push_back(stepLine(s));
                    break;
                }
                // The screen shows the value worked out, in place of the datum.
                std::string typed;
                for (const auto &g : m_steps)
                    if (g.kind == SolutionStep::Kind::Given && g.symbol == s.symbol)
                        typed = g.result;
                out.push_back("Verifica: " + stepLine(s)
                              + (sameAsShown(typed, s.result, m_decimals)
                                     ? ", come il dato."
                                     : "; il dato era " + withMinusSign(typed) + s.unit
                                           + ", i risultati mostrano " + s.result + s.unit + "."));
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
            out.push_back("Attenzione! " + s.reason);
            break;
        case SolutionStep::Kind::Remark:
            out.push_back(s.reason);
            break;
        }
    }
    return out;
}

} // namespace solver

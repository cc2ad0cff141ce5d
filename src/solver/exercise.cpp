#include "exercise.h"

#include "words.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <regex>
#include <set>

namespace solver {

namespace {

// A number as the exercise writes it: as typed, its minus sign a real one.
std::string written(const std::string &typed)
{
    if (!typed.empty() && typed[0] == '-')
        return "\u2212" + typed.substr(1);
    return typed;
}

// "a, b e c".
std::string listed(const std::vector<std::string> &items)
{
    std::string out;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0)
            out += i + 1 == items.size() ? " e " : ", ";
        out += items[i];
    }
    return out;
}

std::string capitalized(std::string s)
{
    if (!s.empty() && s[0] >= 'a' && s[0] <= 'z')
        s[0] = char(s[0] - 'a' + 'A');
    return s;
}

} // namespace

std::vector<Datum> pressData(const Solution &solution)
{
    std::vector<Datum> out;
    for (const auto &s : solution.steps())
        if (s.kind == SolutionStep::Kind::Given)
            out.push_back({ s.symbol, s.result });
    return out;
}

std::vector<std::string> askedQuantities(const SolverScreen &screen, const SolveButton &button,
                                         const Solution &solution)
{
    std::set<std::string> given, computed;
    bool stopped = false;
    for (const auto &s : solution.steps()) {
        if (s.kind == SolutionStep::Kind::Given)
            given.insert(s.symbol);
        else if (s.kind == SolutionStep::Kind::Computed)
            computed.insert(s.symbol);
        else if (s.kind == SolutionStep::Kind::Failed)
            stopped = true;
    }
    const auto labels = screen.resultsOf(button);
    std::vector<std::string> out;
    for (const auto &row : screen.rows) {
        if (row.quantity.empty() || given.count(row.quantity)
            || std::find(labels.begin(), labels.end(), row.result) == labels.end()
            || std::find(out.begin(), out.end(), row.quantity) != out.end())
            continue;
        // A press that went through computes every quantity its solid has;
        // one that stopped halfway is asked what its screen shows.
        if (stopped || computed.count(row.quantity))
            out.push_back(row.quantity);
    }
    return out;
}

std::string exerciseText(const SolverScreen &screen, const SolveButton &button,
                         const Solution &solution)
{
    const auto data = pressData(solution);
    const std::string solid = solidWords(screen, &button);
    if (data.empty() || solid.empty())
        return {};
    std::vector<std::string> known;
    for (const auto &d : data)
        known.push_back(quantityWords(screen, d.symbol).bare + " " + written(d.typed));
    std::string text = capitalized(solid) + " ha " + listed(known) + ".";
    std::vector<std::string> asked;
    for (const auto &q : askedQuantities(screen, button, solution))
        asked.push_back(quantityWords(screen, q).definite);
    if (!asked.empty())
        text += " Calcola " + listed(asked) + ".";
    return text;
}

namespace {

struct SvgText {
    std::size_t begin = 0, end = 0; // the element's place in the file
    double x = 0, y = 0, size = 0;
    bool middle = false;
    std::string content;
};

std::optional<double> attribute(const std::string &tag, const std::string &name)
{
    const std::regex re("\\s" + name + "=\"([-0-9.]+)\"");
    std::smatch m;
    if (!std::regex_search(tag, m, re))
        return std::nullopt;
    return std::strtod(m[1].str().c_str(), nullptr);
}

// The letters a figure names its measures with: italic red texts.
std::vector<SvgText> letters(const std::string &svg)
{
    static const std::regex text("<text([^>]*)>([^<]*)</text>");
    std::vector<SvgText> out;
    for (auto it = std::sregex_iterator(svg.begin(), svg.end(), text); it != std::sregex_iterator();
         ++it) {
        const std::string tag = (*it)[1].str();
        if (tag.find("font-style=\"italic\"") == std::string::npos)
            continue;
        SvgText t;
        t.begin = std::size_t(it->position(0));
        t.end = t.begin + std::size_t(it->length(0));
        t.x = attribute(tag, "x").value_or(0);
        t.y = attribute(tag, "y").value_or(0);
        t.size = attribute(tag, "font-size").value_or(16);
        t.middle = tag.find("text-anchor=\"middle\"") != std::string::npos;
        t.content = (*it)[2].str();
        out.push_back(t);
    }
    return out;
}

// Characters, not bytes: "α" is one.
std::size_t characters(const std::string &s)
{
    return std::size_t(
        std::count_if(s.begin(), s.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

bool isDigits(const std::string &s)
{
    return !s.empty()
           && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A coordinate to a tenth, with a point whatever the locale.
std::string number(double v)
{
    const long long tenths = std::llround(v * 10);
    const long long whole = std::llabs(tenths);
    return (tenths < 0 ? "-" : "") + std::to_string(whole / 10) + "." + std::to_string(whole % 10);
}

} // namespace

std::string figureWithData(std::string_view svgView, const std::vector<Datum> &data)
{
    std::string svg(svgView);
    const auto texts = letters(svg);
    // Labels: a letter and the small digits right after it.
    struct Label {
        std::string symbol;
        const SvgText *main;
        const SvgText *last;
    };
    std::vector<Label> labels;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        Label l{ texts[i].content, &texts[i], &texts[i] };
        while (i + 1 < texts.size() && isDigits(texts[i + 1].content)
               && texts[i + 1].size < texts[i].size) {
            ++i;
            l.symbol += texts[i].content;
            l.last = &texts[i];
        }
        labels.push_back(l);
    }
    const auto find = [&](std::string symbol) -> const Label * {
        if (symbol == "alfa")
            symbol = "\u03b1";
        for (const auto &l : labels)
            if (l.symbol == symbol)
                return &l;
        const auto lower = [](std::string s) {
            for (auto &c : s)
                c = char(std::tolower(static_cast<unsigned char>(c)));
            return s;
        };
        for (const auto &l : labels)
            if (lower(l.symbol) == lower(symbol))
                return &l;
        return nullptr;
    };

    struct Insert {
        std::size_t at;
        std::string text;
    };
    std::vector<Insert> inserts;
    double right = 0;
    std::set<const Label *> done;
    for (const auto &d : data) {
        const Label *l = find(d.symbol);
        if (!l || d.typed.empty() || done.count(l))
            continue;
        done.insert(l);
        const SvgText &last = *l->last;
        const double width = 0.6 * last.size * double(characters(last.content));
        const double x = (last.middle ? last.x + width / 2 : last.x + width) + 0.3 * l->main->size;
        const double size = l->main->size * 0.85;
        const std::string value = "= " + written(d.typed);
        right = std::max(right, x + 0.6 * size * double(characters(value)));
        // On a white halo, so that no edge of the drawing runs through it.
        const std::string place = "<text x=\"" + number(x) + "\" y=\"" + number(l->main->y)
                                  + "\" font-family=\"DejaVu Sans\" font-size=\"" + number(size)
                                  + "\" ";
        inserts.push_back({ last.end, place
                                          + "fill=\"#ffffff\" stroke=\"#ffffff\" "
                                            "stroke-width=\"4\" stroke-linejoin=\"round\">"
                                          + value + "</text>" + place + "fill=\"#c0392b\">" + value
                                          + "</text>" });
    }
    std::sort(inserts.begin(), inserts.end(),
              [](const Insert &a, const Insert &b) { return a.at > b.at; });
    for (const auto &i : inserts)
        svg.insert(i.at, i.text);

    // Room on the right for what goes past the edge.
    static const std::regex box("viewBox=\"([-0-9.]+) ([-0-9.]+) ([-0-9.]+) ([-0-9.]+)\"");
    std::smatch m;
    if (!inserts.empty() && std::regex_search(svg, m, box)) {
        const double left = std::strtod(m[1].str().c_str(), nullptr);
        const double width = std::strtod(m[3].str().c_str(), nullptr);
        if (right + 4 > left + width) {
            const double wider = std::ceil(right + 4 - left);
            const std::string replaced = "viewBox=\"" + m[1].str() + " " + m[2].str() + " "
                                         + number(wider) + " " + m[4].str() + "\"";
            const auto at = std::size_t(m.position(0));
            svg.replace(at, std::size_t(m.length(0)), replaced);
            static const std::regex svgWidth("(<svg[^>]*\\swidth=\")([-0-9.]+)(\")");
            std::smatch w;
            if (std::regex_search(svg, w, svgWidth)) {
                const double old = std::strtod(w[2].str().c_str(), nullptr);
                const std::string scaled = number(old * wider / width);
                svg.replace(std::size_t(w.position(2)), std::size_t(w.length(2)), scaled);
            }
        }
    }
    return svg;
}

} // namespace solver

#include "exercise.h"

#include "words.h"

#include "numberformat.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <set>
#include <sstream>

namespace solver {

namespace {

// The steps Calc::finish() adds where a unit is chosen: the specific weight
// among the data, the capacity and the weight computed.
constexpr char kSpecificWeight[] = "ps";
constexpr char kCapacity[] = "Capacità";
constexpr char kWeight[] = "P";

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
            out.push_back({ s.symbol, s.result, s.unit });
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
    std::string weight; // the specific weight, which is no quantity of the screen
    for (const auto &d : data) {
        if (d.symbol == kSpecificWeight)
            weight = written(d.typed) + d.unit;
        else
            known.push_back(quantityWords(screen, d.symbol).bare + " " + written(d.typed) + d.unit);
    }
    if (known.empty())
        return {};
    std::string text = capitalized(solid) + " ha " + listed(known) + ".";
    if (!weight.empty())
        text += " Il suo peso specifico è " + weight + ".";
    std::vector<std::string> asked;
    for (const auto &q : askedQuantities(screen, button, solution))
        asked.push_back(quantityWords(screen, q).definite);
    // What a chosen unit adds after the screen's results: the capacity, then
    // the weight where a specific weight is given (a perimeter P computed
    // before the capacity is no weight).
    bool capacity = false;
    for (const auto &s : solution.steps()) {
        if (s.kind != SolutionStep::Kind::Computed)
            continue;
        if (s.symbol == kCapacity) {
            asked.push_back("la capacità");
            capacity = true;
        } else if (s.symbol == kWeight && capacity && !weight.empty()) {
            asked.push_back("il peso");
        }
    }
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

// A number as an SVG file writes it, with a point whatever the locale.
std::optional<double> svgNumber(const std::string &text)
{
    const Reading r = readNumber(text, NumberFormat::point());
    if (!r.isNumber())
        return std::nullopt;
    return r.value;
}

// Where the value of attribute `name` lies in `tag`: its first character and
// its length; npos when the tag has no such attribute.
std::pair<std::size_t, std::size_t> attributeValue(const std::string &tag, const std::string &name)
{
    const std::string key = name + "=\"";
    for (std::size_t at = tag.find(key); at != std::string::npos; at = tag.find(key, at + 1)) {
        if (at == 0 || !std::isspace(static_cast<unsigned char>(tag[at - 1])))
            continue;
        const std::size_t begin = at + key.size();
        const std::size_t end = tag.find('"', begin);
        if (end == std::string::npos)
            break;
        return { begin, end - begin };
    }
    return { std::string::npos, 0 };
}

std::optional<double> attribute(const std::string &tag, const std::string &name)
{
    const auto [at, length] = attributeValue(tag, name);
    if (at == std::string::npos)
        return std::nullopt;
    return svgNumber(tag.substr(at, length));
}

// The letters a figure names its measures with: italic red texts.
std::vector<SvgText> letters(const std::string &svg)
{
    static const std::string open = "<text", close = "</text>";
    std::vector<SvgText> out;
    for (std::size_t at = svg.find(open); at != std::string::npos; at = svg.find(open, at + 1)) {
        const std::size_t tagEnd = svg.find('>', at);
        if (tagEnd == std::string::npos)
            break;
        const std::size_t contentEnd = svg.find('<', tagEnd + 1);
        if (contentEnd == std::string::npos || svg.compare(contentEnd, close.size(), close) != 0)
            continue; // not a text of plain characters
        const std::string tag = svg.substr(at + open.size(), tagEnd - at - open.size());
        if (tag.find("font-style=\"italic\"") == std::string::npos)
            continue;
        SvgText t;
        t.begin = at;
        t.end = contentEnd + close.size();
        t.x = attribute(tag, "x").value_or(0);
        t.y = attribute(tag, "y").value_or(0);
        t.size = attribute(tag, "font-size").value_or(16);
        t.middle = tag.find("text-anchor=\"middle\"") != std::string::npos;
        t.content = svg.substr(tagEnd + 1, contentEnd - tagEnd - 1);
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
    const std::size_t svgEnd = svg.find('>', svg.find("<svg"));
    const std::string svgTag = svg.substr(0, svgEnd == std::string::npos ? 0 : svgEnd);
    const auto [boxAt, boxLength] = attributeValue(svgTag, "viewBox");
    if (!inserts.empty() && boxAt != std::string::npos) {
        std::istringstream parts(svg.substr(boxAt, boxLength));
        std::string x, y, w, h;
        parts >> x >> y >> w >> h;
        const auto left = svgNumber(x), width = svgNumber(w);
        if (left && width && *width > 0 && right + 4 > *left + *width) {
            const double wider = std::ceil(right + 4 - *left);
            // The later of the two is replaced first, so that the other
            // stays where it was found.
            const auto [widthAt, widthLength] = attributeValue(svgTag, "width");
            const std::optional<double> oldWidth =
                widthAt == std::string::npos ? std::nullopt
                                             : svgNumber(svg.substr(widthAt, widthLength));
            const std::string box = x + " " + y + " " + number(wider) + " " + h;
            const std::string scaled = oldWidth ? number(oldWidth.value() * wider / *width) : "";
            if (!scaled.empty() && widthAt > boxAt)
                svg.replace(widthAt, widthLength, scaled);
            svg.replace(boxAt, boxLength, box);
            if (!scaled.empty() && widthAt < boxAt)
                svg.replace(widthAt, widthLength, scaled);
        }
    }
    return svg;
}

} // namespace solver

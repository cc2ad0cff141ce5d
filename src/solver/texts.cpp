#include "texts.h"

#include "numberformat.h"

#include <cctype>

namespace solver {

namespace {

bool blank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

std::string trimmed(std::string_view s)
{
    std::size_t begin = 0, end = s.size();
    while (begin < end && blank(s[begin]))
        ++begin;
    while (end > begin && blank(s[end - 1]))
        --end;
    return std::string(s.substr(begin, end - begin));
}

} // namespace

TextPairs fixedTexts()
{
    return {
        { "go", texts::go },
        { "solution", texts::solution },
        { "solutionTip", texts::solutionTip },
        { "solutionTitle", texts::solutionTitlePrefix },
        { "solutionEmpty", texts::solutionEmpty },
        { "close", texts::close },
        { "figure", texts::figure },
        { "unitCaption", texts::unitCaption },
        { "unitControl", texts::unitControl },
        { "unitTip", texts::unitTip },
        { "decimalsCaption", texts::decimalsCaption },
        { "decimalsControl", texts::decimalsControl },
        { "decimalsTip", texts::decimalsTip },
        { "weightCaption", texts::weightCaption },
        { "weightControl", texts::weightControl },
        { "weightTip", texts::weightTip },
        { "weightNeedsUnit", texts::weightNeedsUnit },
        { "weightInvalid", texts::weightInvalid },
        { "weightPlaceholder", texts::weightPlaceholder },
        { "figureToggleCaption", texts::figureToggleCaption },
        { "figureToggleControl", texts::figureToggleControl },
        { "figureToggleTip", texts::figureToggleTip },
        { "figureResetCaption", texts::figureResetCaption },
        { "figureResetControl", texts::figureResetControl },
        { "figureViewName", texts::figureViewName },
        { "figureViewTip", texts::figureViewTip },
    };
}

std::string spokenName(std::string_view caption)
{
    std::string out;
    bool gap = false;
    for (const char c : caption) {
        if (blank(c)) {
            gap = !out.empty();
            continue;
        }
        if (gap)
            out += ' ';
        gap = false;
        out += c;
    }
    while (!out.empty() && out.back() == '=')
        out = trimmed(std::string_view(out).substr(0, out.size() - 1));
    return out;
}

std::string lowerCase(std::string_view text)
{
    std::string out(text);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const auto c = static_cast<unsigned char>(out[i]);
        if (c >= 'A' && c <= 'Z') {
            out[i] = static_cast<char>(c + ('a' - 'A'));
        } else if (c == 0xc3 && i + 1 < out.size()) {
            // U+00C0..U+00DE, the multiplication sign U+00D7 aside, are the
            // capitals of U+00E0..U+00FE: in UTF-8, C3 80..9E to C3 A0..BE.
            const auto next = static_cast<unsigned char>(out[i + 1]);
            if (next >= 0x80 && next <= 0x9e && next != 0x97)
                out[i + 1] = static_cast<char>(next + 0x20);
            ++i;
        }
    }
    return out;
}

std::string actingOn(std::string_view buttonText, std::string_view what)
{
    const std::string object = spokenName(what);
    if (object.empty())
        return spokenName(buttonText);
    return spokenName(buttonText) + ": " + lowerCase(object);
}

std::string goName(std::string_view entryText)
{
    return std::string(texts::go) + ": " + spokenName(entryText);
}

std::string figureName(std::string_view solid)
{
    return spokenName(std::string(texts::figure) + std::string(solid));
}

std::string solidName(const SolverScreen &screen)
{
    const std::string title =
        screen.title.present() ? spokenName(screen.title.text) : std::string();
    return title.empty() ? spokenName(screen.caption) : title;
}

std::string solutionTitle(std::string_view caption)
{
    return std::string(texts::solutionTitlePrefix) + std::string(caption);
}

std::string solutionSubject(std::string_view caption, std::string_view screenName,
                            std::string_view title)
{
    const std::string shown = trimmed(caption);
    const auto internal = [&] {
        if (shown == screenName)
            return true;
        static constexpr std::string_view form = "form";
        if (shown.size() <= form.size())
            return false;
        for (std::size_t i = 0; i < form.size(); ++i)
            if (std::tolower(static_cast<unsigned char>(shown[i])) != form[i])
                return false;
        for (std::size_t i = form.size(); i < shown.size(); ++i)
            if (!std::isdigit(static_cast<unsigned char>(shown[i])))
                return false;
        return true;
    };
    if (!shown.empty() && !internal())
        return shown;
    const std::string heading = trimmed(title);
    return heading.empty() ? shown : heading;
}

std::string resultFallback(int row, std::string_view quantity)
{
    if (!quantity.empty())
        return std::string(quantity);
    return "Risultato " + formatInteger(row);
}

std::string formulaFallback(std::size_t index, std::size_t count)
{
    std::string name = "Formule applicate";
    if (count > 1)
        name += " " + formatInteger(static_cast<long long>(index));
    return name;
}

std::string closeName(std::string_view caption, std::string_view screenName)
{
    const std::string spoken = spokenName(caption);
    return std::string(texts::close) + " " + (spoken.empty() ? std::string(screenName) : spoken);
}

TextPairs spokenNames(const SolverScreen &s,
                      const std::function<std::string(const std::string &)> &captionOf)
{
    TextPairs names;
    const auto add = [&names](const std::string &control, std::string name) {
        names.emplace_back(control, std::move(name));
    };
    const auto button = [&add](const Control &c) {
        if (c.present())
            add(c.name, spokenName(c.text));
    };
    if (s.title.present() && s.titleIsTextBox)
        add(s.title.name, spokenName(s.title.text));
    for (const auto &b : s.solvers) {
        add(b.name,
            b.solidName.present() ? actingOn(b.text, b.solidName.text) : spokenName(b.text));
        if (b.solidPicture.present())
            add(b.solidPicture.name, figureName(b.solidName.text));
    }
    for (const auto &c : s.checks)
        add(c.name, spokenName(c.text));
    const std::string solid = solidName(s);
    if (s.picture.present())
        add(s.picture.name, figureName(solid));
    for (const auto &e : s.extras) {
        switch (e.kind) {
        case Extra::Kind::TextBox:
            add(e.name, spokenName(e.text));
            break;
        case Extra::Kind::Button:
            add(e.name, actingOn(e.text, captionOf(e.opens)));
            break;
        case Extra::Kind::Picture:
            add(e.name, figureName(solid));
            break;
        case Extra::Kind::Label:
            break; // named by its text as it changes
        }
    }
    for (std::size_t i = 0; i < s.rows.size(); ++i)
        add(s.rows[i].result, resultFallback(static_cast<int>(i + 1), s.rows[i].quantity));
    for (std::size_t i = 0; i < s.formulaLabels.size(); ++i)
        add(s.formulaLabels[i], formulaFallback(i + 1, s.formulaLabels.size()));
    button(s.stampaButton);
    add(texts::solution, texts::solution);
    button(s.ritornaButton);
    button(s.esciButton);
    return names;
}

TextPairs spokenNames(const Menu &m)
{
    TextPairs names;
    const auto button = [&names](const Control &c) {
        if (c.present())
            names.emplace_back(c.name, spokenName(c.text));
    };
    for (const auto &o : m.options)
        names.emplace_back(o.name, spokenName(o.text));
    button(m.optionButton);
    for (const auto &e : m.entries) {
        names.emplace_back(e.picture, spokenName(e.text));
        names.emplace_back(e.button, goName(e.text));
    }
    button(m.stampaButton);
    button(m.ritornaButton);
    button(m.esciButton);
    return names;
}

} // namespace solver

// The calculations of the screens name quantities, never controls: control
// names appear once, in each screen's description. This suite reads the
// sources under src/solids and fails on a string in a calculation (the body of
// a function or lambda taking a Calc) that names a control, or on a named
// constant holding a control name that a calculation uses.
#include "solids/solids.h"

#include <QTest>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>

namespace {

struct Literal {
    std::size_t at;
    std::string text;
};

// A source with its comments blanked and its string and character literals
// emptied (their quotes kept), so braces and names can be found in the code
// alone; the string literals are kept aside with their places.
struct Scanned {
    std::string code;
    std::vector<Literal> literals;
};

Scanned scan(const std::string &source)
{
    Scanned out;
    out.code = source;
    std::size_t i = 0;
    const std::size_t n = source.size();
    while (i < n) {
        const char c = source[i];
        if (c == '/' && i + 1 < n && source[i + 1] == '/') {
            while (i < n && source[i] != '\n')
                out.code[i++] = ' ';
        } else if (c == '/' && i + 1 < n && source[i + 1] == '*') {
            while (i < n && !(source[i] == '*' && i + 1 < n && source[i + 1] == '/')) {
                if (source[i] != '\n')
                    out.code[i] = ' ';
                ++i;
            }
            for (int k = 0; k < 2 && i < n; ++k)
                out.code[i++] = ' ';
        } else if (c == '"' || c == '\'') {
            const std::size_t start = i++;
            std::string text;
            while (i < n && source[i] != c) {
                if (source[i] == '\\' && i + 1 < n) {
                    text += source[i + 1];
                    out.code[i++] = ' ';
                } else {
                    text += source[i];
                }
                out.code[i++] = ' ';
            }
            ++i;
            if (c == '"')
                out.literals.push_back({ start, text });
        } else {
            ++i;
        }
    }
    return out;
}

// The bodies [begin, end) of every function or lambda with a Calc parameter.
std::vector<std::pair<std::size_t, std::size_t>> calculations(const std::string &code)
{
    std::vector<std::pair<std::size_t, std::size_t>> out;
    static const std::regex parameter(R"(\bCalc\s*&\s*\w*\s*[,)])");
    for (auto it = std::sregex_iterator(code.begin(), code.end(), parameter);
         it != std::sregex_iterator(); ++it) {
        std::size_t i = std::size_t(it->position() + it->length());
        while (i < code.size() && code[i] != '{' && code[i] != ';')
            ++i;
        if (i >= code.size() || code[i] == ';')
            continue; // a declaration
        const std::size_t begin = i;
        int depth = 0;
        for (; i < code.size(); ++i) {
            if (code[i] == '{')
                ++depth;
            else if (code[i] == '}' && --depth == 0)
                break;
        }
        if (!out.empty() && begin < out.back().second)
            continue; // a lambda inside a calculation already found
        out.emplace_back(begin, i + 1);
    }
    return out;
}

// A control's name by the controls the program has: Label6, Check1,
// Command3, Text2, Picture1(0), Option1, Form3 and the like.
bool controlName(const std::string &text, const std::set<std::string> &declared)
{
    static const std::regex name(
        R"((Label|Check|Command|Text|Picture|Option|Form|Frame|Image|Combo|List|Shape|Line|HScroll|VScroll|Timer)\d+(\(\d+\))?)",
        std::regex::icase);
    return declared.count(text) || std::regex_match(text, name);
}

// What one source does wrong: the control names its calculations write, each
// as "line N: "NAME"" (or "line N: kNAME = "NAME"" through a constant).
// `constants` holds the named constants of control names met so far (in this
// source or a header), by identifier; the source's own are added to it.
std::vector<std::string> offences(const std::string &source, const std::set<std::string> &declared,
                                  std::map<std::string, std::string> &constants)
{
    const Scanned s = scan(source);
    const auto lineOf = [&](std::size_t at) {
        return "line "
               + std::to_string(1 + std::count(source.begin(), source.begin() + long(at), '\n'));
    };
    static const std::regex constant(R"((\w+)\s*=\s*$)");
    for (const auto &l : s.literals) {
        if (!controlName(l.text, declared))
            continue;
        // "kFormula = " just before the literal, on its line.
        const std::size_t lineStart = s.code.rfind('\n', l.at) + 1;
        const std::string before = s.code.substr(lineStart, l.at - lineStart);
        std::smatch m;
        if (std::regex_search(before, m, constant) && before.find('.') == std::string::npos)
            constants[m[1]] = l.text;
    }

    std::vector<std::string> out;
    for (const auto &[begin, end] : calculations(s.code)) {
        for (const auto &l : s.literals)
            if (l.at > begin && l.at < end && controlName(l.text, declared))
                out.push_back(lineOf(l.at) + ": \"" + l.text + "\"");
        const std::string body = s.code.substr(begin, end - begin);
        for (const auto &[id, text] : constants) {
            const std::regex use("\\b" + id + "\\b");
            std::smatch m;
            if (std::regex_search(body, m, use))
                out.push_back(lineOf(begin + std::size_t(m.position())) + ": " + id + " = \"" + text
                              + "\"");
        }
    }
    return out;
}

std::set<std::string> declaredEverywhere()
{
    std::set<std::string> out;
    for (const auto &name : solids::names())
        for (const auto &d : solids::find(name)->declared())
            out.insert(d);
    return out;
}

std::string read(const std::filesystem::path &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace

class TestCoreScreenSources : public QObject {
    Q_OBJECT
private slots:
    void scanner_data();
    void scanner();
    void calculationsNameNoControl();
};

void TestCoreScreenSources::scanner_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QStringList>("expected");

    const QString description = R"src(
SolverScreen cube()
{
    return {.name = "Form3", .formulaLabels = {"Label15"},
            .rows = {{"Label4", "Spigolo (s) =", "Label5", "s"}},
            .solvers = {{.name = "Command3", .steps = calcola}}};
}
)src";
    QTest::newRow("clean calculation") << QString(R"src(
void calcola(Calc &calc)
{
    Quantity s(calc, "s");
    if (calc.given({ "s" })) {
        s = calc.ask("INTRODUCI IL LATO (L) =");
        calc.formula("(AL=l^2*4) : (V=l^3)");
    } else {
        calc.insufficient();
    }
    calc.show("s", s);
}
)src") + description << QStringList{};
    QTest::newRow("label written by name") << QString(R"src(
void calcola(Calc &calc)
{
    Quantity s(calc, "s");
    s = calc.ask("INTRODUCI IL LATO (L) =");
    calc.show("Label5", s);
}
)src") + description << QStringList{ "line 6: \"Label5\"" };
    QTest::newRow("through a file constant") << QString(R"src(
const char *const kFormula = "Label15";

void calcola(Calc &calc)
{
    calc.show(kFormula, Value());
}
)src") + description << QStringList{ "line 6: kFormula = \"Label15\"" };
    QTest::newRow("in a lambda over a record, any case of name") << QString(R"src(
void calcola(const Record &rec, Calc &calc)
{
    const auto written = [&](const char *known) {
        calc.show("label3(1)", formulaText(rec.formulas, rec.name, known));
    };
    if (calc.ticked("CHECK2"))
        written("s h");
}
)src") << QStringList{ "line 5: \"label3(1)\"", "line 7: \"CHECK2\"" };
    QTest::newRow("Calc taken first") << QString(R"src(
void calcola(Calc &calc, const PolygonPyramid &rec)
{
    calc.formula("Label6", rec.formulas[0]);
}
)src") << QStringList{ "line 4: \"Label6\"" };
    QTest::newRow("comments, quotes and declarations") << QString(R"src(
// calc.show("Label5", s) writes the side.
void declared(Calc &calc);
void calcola(Calc &calc)
{
    /* "Label6" was the formula label */
    calc.formula("\"Label6\" ({Check1})");
    const char brace = '{';
    calc.show("s", Value(brace == '}'));
}
)src") + description << QStringList{};
    QTest::newRow("a description may name any control") << description + QString(R"src(
PracticalScreen trench()
{
    return practicalScreen({.title = {"Label1(0)", "TRINCEA"}, .calcola = calcola});
}
)src") << QStringList{};
}

// The scanner itself, on sources with known faults.
void TestCoreScreenSources::scanner()
{
    QFETCH(QString, source);
    QFETCH(QStringList, expected);
    std::map<std::string, std::string> constants;
    QStringList found;
    for (const auto &o : offences(source.toStdString(), {}, constants))
        found << QString::fromStdString(o);
    QCOMPARE(found, expected);
}

// Every source of the screens, headers first so that their constants are known.
void TestCoreScreenSources::calculationsNameNoControl()
{
    namespace fs = std::filesystem;
    const fs::path root(CORPIMETRO_SOLIDS_SOURCES);
    QVERIFY2(fs::is_directory(root), root.string().c_str());
    std::vector<fs::path> headers, sources;
    for (const auto &entry : fs::recursive_directory_iterator(root)) {
        if (entry.path().extension() == ".h")
            headers.push_back(entry.path());
        else if (entry.path().extension() == ".cpp")
            sources.push_back(entry.path());
    }
    std::sort(headers.begin(), headers.end());
    std::sort(sources.begin(), sources.end());

    const std::set<std::string> declared = declaredEverywhere();
    QVERIFY(declared.count("Label6"));
    std::map<std::string, std::string> constants;
    int files = 0, withCalculations = 0;
    QStringList found;
    // A header's constants are seen by every source; a source's by itself.
    const auto check = [&](const fs::path &path, std::map<std::string, std::string> &known) {
        const std::string source = read(path);
        ++files;
        if (!calculations(scan(source).code).empty())
            ++withCalculations;
        for (const auto &o : offences(source, declared, known))
            found << QString::fromStdString(fs::relative(path, root).string() + " " + o);
    };
    for (const auto &path : headers)
        check(path, constants);
    for (const auto &path : sources) {
        auto own = constants;
        check(path, own);
    }
    // Every family's sources were read, and most of them hold calculations.
    QVERIFY2(files >= 40, std::to_string(files).c_str());
    QVERIFY2(withCalculations >= 25, std::to_string(withCalculations).c_str());
    for (const auto &f : found)
        qWarning("%s", qPrintable(f));
    QVERIFY2(found.isEmpty(),
             qPrintable("control names in calculations: " + QString::number(found.size())));
}

QTEST_GUILESS_MAIN(TestCoreScreenSources)
#include "test_core_screen_sources.moc"

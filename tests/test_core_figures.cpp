// The 3D figure of every case of every solving button of every screen: each
// button says how its quantities make its solid; a press that solves with
// data describing a solid draws it, with every datum marked, at the volume
// the screen computed (within the screen's own π ≈ 3,14 and the facets of a
// curved surface); labels never overlap; impossible data draw nothing and
// say why.
#include "solids/solids.h"
#include "solver/scripted.h"

#include "cases.h"

#include <QTest>

#include <algorithm>
#include <cmath>
#include <cstdlib>

using namespace solver;

namespace {

// A number as a result label writes it under the point format.
double number(std::string text)
{
    if (text.rfind("−", 0) == 0)
        text.replace(0, std::string("−").size(), "-");
    return std::strtod(text.c_str(), nullptr);
}

struct Box {
    double left, top, right, bottom;
    bool overlaps(const Box &o) const
    {
        return left < o.right && o.left < right && top < o.bottom && o.top < bottom;
    }
};

// The box a label or a legend line takes, as placement reckons it.
Box boxOf(const geometry::Primitive &p, double fontSize)
{
    const double w = geometry::labelWidth(p.text, fontSize);
    const auto &at = p.points.front();
    if (p.kind == geometry::Primitive::Kind::Label)
        return { at.x - w / 2, at.y - fontSize / 2, at.x + w / 2, at.y + fontSize / 2 };
    return { at.x, at.y - fontSize, at.x + w, at.y };
}

const SolveButton &buttonOf(const SolverScreen &s, const std::string &name)
{
    for (const auto &b : s.solvers)
        if (b.name == name)
            return b;
    throw std::logic_error("no button " + name);
}

} // namespace

class TestCoreFigures : public QObject {
    Q_OBJECT
private slots:
    void screens_data();
    void everyButtonSaysItsSolid();
    void everyButtonSaysItsSolid_data() { screens_data(); }
    void everyCaseDrawsItsSolid();
    void everyCaseDrawsItsSolid_data() { screens_data(); }
    void impossibleDataDrawNothing_data();
    void impossibleDataDrawNothing();
    void theFigureSpeaksOfTheData();
    void extremeDataNeverBreakIt();
    void extremeDataNeverBreakIt_data() { screens_data(); }
};

void TestCoreFigures::screens_data()
{
    QTest::addColumn<QString>("screen");
    for (const auto &name : solids::names())
        QTest::newRow(name.c_str()) << QString::fromStdString(name);
}

// Each dimension is a constant or a quantity of the screen; each mark names
// a quantity of the screen.
void TestCoreFigures::everyButtonSaysItsSolid()
{
    QFETCH(QString, screen);
    const SolverScreen &s = *solids::find(screen.toStdString());
    for (const auto &b : s.solvers) {
        const SolidRecipe &recipe = s.figureOf(b);
        const std::string where = s.name + "." + b.name;
        QVERIFY2(recipe.present(), (where + " draws no solid").c_str());
        for (const auto &d : recipe.dimensions) {
            char *end = nullptr;
            std::strtod(d.c_str(), &end);
            const bool constant = end && *end == '\0';
            QVERIFY2(constant || s.kindOf(d), (where + " takes unknown " + d).c_str());
        }
        for (const auto &m : recipe.marks)
            QVERIFY2(s.kindOf(m.symbol), (where + " marks unknown " + m.symbol).c_str());
    }
}

void TestCoreFigures::everyCaseDrawsItsSolid()
{
    QFETCH(QString, screen);
    const SolverScreen &s = *solids::find(screen.toStdString());
    std::map<std::string, int> drawn; // by button
    double worst = 0.0;
    for (auto c : cases::everyCase(s)) {
        const SolveButton &b = *c.button;
        QVERIFY2(c.host.figure.has_value(), (c.where + ": no figure after a press").c_str());
        // Data a case solves may still describe no solid of the shape (a
        // heap whose top is wider than its base): other data may.
        auto patterns = answers::solidPatterns();
        patterns.push_back({ "10", "4", "5", "4" }); // a frustum with whole edges
        for (const auto &pattern : patterns) {
            if (c.host.figure->scene)
                break;
            ScriptedHost other = cases::press(s, b, c.ticks, pattern, Unit::None);
            if (other.figure && other.figure->scene && cases::solved(s, b, other))
                c.host = std::move(other);
        }
        const Figure &f = *c.host.figure;
        QVERIFY2(!f.solid.empty(), c.where.c_str());
        bool remarked = false;
        for (const auto &step : c.host.solution->steps())
            remarked = remarked || step.kind == SolutionStep::Kind::Warning;
        if (!f.scene) {
            // Only data the solution already remarks on, or that no solid
            // of the shape can have, go without a figure; and never silently.
            QVERIFY2(f.none.rfind("Nessuna figura: ", 0) == 0, (c.where + ": " + f.none).c_str());
            QVERIFY2(f.alternative == f.none, c.where.c_str());
            QVERIFY2(f.dimensions.empty(), (c.where + ": dimensions without a figure").c_str());
            continue;
        }
        QVERIFY2(!remarked, (c.where + ": a figure of data remarked on").c_str());
        ++drawn[b.name];
        const geometry::Solid &solid = f.scene->solid;

        // Every mark of a quantity shown stands on an anchor of the solid.
        const SolidRecipe &recipe = s.figureOf(b);
        for (const auto &m : recipe.marks)
            QVERIFY2(solid.anchor(m.anchor),
                     (c.where + ": no anchor " + m.anchor + " for " + m.symbol).c_str());
        // Every datum is marked, on the solid or in the legend.
        for (const auto &step : c.host.solution->steps()) {
            if (step.kind != SolutionStep::Kind::Given || !s.kindOf(step.symbol))
                continue;
            const auto marked = std::find_if(
                f.scene->measures.begin(), f.scene->measures.end(), [&](const auto &m) {
                    return m.given && m.label.rfind(step.symbol + " = ", 0) == 0;
                });
            QVERIFY2(marked != f.scene->measures.end(),
                     (c.where + ": datum " + step.symbol + " not marked").c_str());
        }
        // The solid holds the volume the screen computed.
        const ResultRow *row = s.volumeRow();
        const double screenVolume =
            row && c.host.texts.count(row->result) ? number(c.host.texts.at(row->result)) : 0.0;
        if (screenVolume != 0) { // a case may leave the volume out
            const double deviation = std::abs(solid.mesh.volume() / screenVolume - 1);
            worst = std::max(worst, deviation);
            QVERIFY2(deviation < 0.05,
                     (c.where + ": the solid's volume is " + std::to_string(solid.mesh.volume())
                      + ", the screen's " + std::to_string(screenVolume))
                         .c_str());
        }
        // No two labels overlap, and every label stays in the box, at a
        // phone's width and at a desktop's, turned every way.
        for (const double width : { 360.0, 600.0 }) {
            for (const double turn : { geometry::Camera::kTurn, 0.0, 45.0, 120.0, 210.0 }) {
                for (const double tilt : { geometry::Camera::kTilt, 5.0, 60.0 }) {
                    const auto d = geometry::draw(*f.scene, { turn, tilt }, width, width * 0.8);
                    std::vector<Box> boxes;
                    std::vector<std::string> texts;
                    for (const auto &p : d.items)
                        if (p.kind == geometry::Primitive::Kind::Label
                            || p.kind == geometry::Primitive::Kind::Legend) {
                            boxes.push_back(boxOf(p, d.fontSize));
                            texts.push_back(p.text);
                        }
                    for (std::size_t i = 0; i < boxes.size(); ++i) {
                        QVERIFY2(boxes[i].left >= 0 && boxes[i].top >= 0 && boxes[i].right <= width
                                     && boxes[i].bottom <= width * 0.8,
                                 (c.where + ": a label outside the box").c_str());
                        for (std::size_t j = 0; j < i; ++j)
                            QVERIFY2(!boxes[i].overlaps(boxes[j]),
                                     (c.where + ": " + texts[i] + " and " + texts[j]
                                      + " overlap at " + std::to_string(int(width)) + " px, turned "
                                      + std::to_string(int(turn)) + ", tilted "
                                      + std::to_string(int(tilt)))
                                         .c_str());
                    }
                }
            }
        }
    }
    for (const auto &b : s.solvers)
        QVERIFY2(drawn[b.name] > 0, (s.name + "." + b.name + " never draws its solid").c_str());
    if (worst > 0)
        qInfo("%s: the volume computed with 3,14 is at most %.3f%% from the solid's",
              s.name.c_str(), worst * 100);
}

// Data that describe no solid, one set from each family, draw nothing; the
// sentence in the figure's place says why.
void TestCoreFigures::impossibleDataDrawNothing_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("given"); // quantities ticked
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QString>("why"); // a piece of the sentence

    QTest::newRow("nothing ticked")
        << "Form3"
        << "Command3" << QStringList{} << QStringList{} << "non bastano";
    QTest::newRow("cube of negative side")
        << "Form3"
        << "Command3" << QStringList{ "s" } << QStringList{ "-2" } << "positive";
    QTest::newRow("cone with its apothem shorter than its height")
        << "Form12"
        << "Command1" << QStringList{ "a", "h" } << QStringList{ "3", "5" }
        << "il calcolo non arriva in fondo";
    QTest::newRow("truncated pyramid whose apothem disagrees")
        << "Form24"
        << "Command3" << QStringList{ "L1", "L2", "h", "a" } << QStringList{ "10", "4", "4", "4" }
        << "non descrivono un tronco di piramide";
    QTest::newRow("flat cone, its height said with its article")
        << "Form12"
        << "Command1" << QStringList{ "r", "h" } << QStringList{ "3", "0" } << "l'altezza h vale 0";
    QTest::newRow("hexagonal prism whose total area is less than its bases")
        << "Form18"
        << "Command1" << QStringList{ "a", "AT" } << QStringList{ "5", "3" } << "positiva";
    QTest::newRow("sphere of zero radius")
        << "Form38"
        << "Command1" << QStringList{ "r" } << QStringList{ "0" } << "positive";
}

void TestCoreFigures::impossibleDataDrawNothing()
{
    QFETCH(QString, screen);
    QFETCH(QString, button);
    QFETCH(QStringList, given);
    QFETCH(QStringList, answers);
    QFETCH(QString, why);
    const SolverScreen *s = solids::find(screen.toStdString());
    QVERIFY2(s, "no such screen");
    ScriptedHost host;
    for (const auto &q : given)
        for (const auto &c : s->checks)
            if (c.quantity == q.toStdString())
                host.ticks.insert(c.name);
    QCOMPARE(int(host.ticks.size()), int(given.size()));
    for (const auto &a : answers)
        host.answers.push_back(a.toStdString());
    host.press(*s, buttonOf(*s, button.toStdString()));
    QVERIFY(host.figure.has_value());
    QVERIFY(!host.figure->scene);
    QVERIFY(host.figure->dimensions.empty());
    const std::string none = host.figure->none;
    QVERIFY2(none.rfind("Nessuna figura: ", 0) == 0 && none.back() == '.', none.c_str());
    QVERIFY2(none.find(why.toStdString()) != std::string::npos, none.c_str());
    // The sentence goes on in lower case after the colon.
    const char first = none[std::string("Nessuna figura: ").size()];
    QVERIFY2(!(first >= 'A' && first <= 'Z'), none.c_str());
}

// What a screen reader hears of a figure: the solid, the data, the rest.
void TestCoreFigures::theFigureSpeaksOfTheData()
{
    const SolverScreen &s = *solids::find("Form12");
    ScriptedHost host;
    for (const auto &c : s.checks)
        if (c.quantity == "r" || c.quantity == "h")
            host.ticks.insert(c.name);
    host.answers = { "6", "20" };
    host.choices.unit = Unit::Centimetre;
    host.press(s, buttonOf(s, "Command1"));
    QVERIFY(host.figure && host.figure->scene);
    const std::string &said = host.figure->alternative;
    QVERIFY2(said.rfind("Figura 3D in scala del cono.", 0) == 0, said.c_str());
    QVERIFY2(said.find("I dati: r = 6 cm e h = 20 cm.") != std::string::npos, said.c_str());
    QVERIFY2(said.find("Sono segnati anche") != std::string::npos, said.c_str());
    const std::vector<std::pair<std::string, std::string>> dimensions = { { "r", "6 cm" },
                                                                          { "h", "20 cm" } };
    QVERIFY(host.figure->dimensions == dimensions);
    QCOMPARE(host.figure->scene->unit, std::string("cm"));
}

// Sizes at the ends of a double's range, in every case of every button:
// a figure, or the sentence why there is none; never a crash or a hang.
void TestCoreFigures::extremeDataNeverBreakIt()
{
    QFETCH(QString, screen);
    const SolverScreen &s = *solids::find(screen.toStdString());
    const std::vector<std::vector<std::string>> extremes = {
        { "1E-300" }, { "1E+300" }, { "1E-120", "3" },    { "1E+120", "2" },
        { "1E-90" },  { "1E+90" },  { "7E+15", "3E-15" },
    };
    for (const auto &c : cases::everyCase(s)) {
        for (const auto &pattern : extremes) {
            ScriptedHost host = cases::press(s, *c.button, c.ticks, pattern, Unit::None);
            if (!host.figure)
                continue; // stopped short of its end: no figure to ask for
            const Figure &f = *host.figure;
            QVERIFY2(f.scene || f.none.rfind("Nessuna figura: ", 0) == 0,
                     (c.where + ": " + f.none).c_str());
            QVERIFY2(bool(f.scene) != f.dimensions.empty(),
                     (c.where + ": dimensions and figure disagree").c_str());
            if (f.scene) {
                const auto d = geometry::draw(*f.scene, {}, 360, 300);
                for (const auto &p : d.items)
                    for (const auto &pt : p.points)
                        QVERIFY2(std::isfinite(pt.x) && std::isfinite(pt.y), c.where.c_str());
            }
        }
    }
}

QTEST_APPLESS_MAIN(TestCoreFigures)
#include "test_core_figures.moc"

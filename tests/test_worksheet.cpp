// The worksheet of a press: the exercise in words (the glossary of every
// screen's solid and quantities), the figure with the data beside their
// letters, and both printed versions, each one A4 page, read back from the PDF.
#include "pdftext.h"
#include "screens.h"
#include "scriptrunner.h"
#include "solids/solids.h"
#include "solver/exercise.h"
#include "solver/words.h"
#include "ui/printing.h"
#include "ui/solutionwindow.h"
#include "ui/solverwindow.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <optional>
#include <set>

using script::Runner;

namespace {

QString q(const std::string &s)
{
    return QString::fromStdString(s);
}

// Text as the PDF reads back: no blanks, "²" as "2" (compatibility form).
QString squeezed(QString s)
{
    s = s.normalized(QString::NormalizationForm_KC);
    s.remove(QRegularExpression(QStringLiteral("\\s")));
    return s;
}

// A press of the core alone: the boxes of `ticked` quantities, the answers in turn.
class Host : public solver::Host {
public:
    Host(const solver::SolverScreen &s, std::set<std::string> quantities, QStringList answers)
        : m_answers(std::move(answers))
    {
        for (const auto &c : s.checks)
            if (quantities.count(c.quantity))
                m_ticked.insert(c.name);
    }
    bool ticked(const std::string &control) const override { return m_ticked.count(control); }
    std::string prompt(const std::string &, const std::string &) override
    {
        return m_answers.isEmpty() ? std::string() : m_answers.takeFirst().toStdString();
    }
    void message(const std::string &) override {}
    void setText(const std::string &, const std::string &) override {}
    void failure(const solver::CalcError &) override {}
    solver::NumberFormat numberFormat() const override { return solver::NumberFormat::comma(); }
    void solved(const solver::Solution &s) override { solution = s; }
    solver::Solution solution;

private:
    std::set<std::string> m_ticked;
    QStringList m_answers;
};

const solver::SolveButton &buttonOf(const solver::SolverScreen &s, const QString &name)
{
    for (const auto &b : s.solvers)
        if (q(b.name) == name)
            return b;
    return s.solvers.front();
}

// Every quantity a screen names: its boxes, its list of data, its results.
std::vector<std::string> quantitiesOf(const solver::SolverScreen &s)
{
    std::vector<std::string> out;
    const auto add = [&](const std::string &x) {
        if (!x.empty() && std::find(out.begin(), out.end(), x) == out.end())
            out.push_back(x);
    };
    for (const auto &c : s.checks)
        add(c.quantity);
    for (const auto &k : s.knownList)
        add(k.quantity);
    for (const auto &r : s.rows)
        add(r.quantity);
    return out;
}

// Pages of a PDF: its page objects.
int pages(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page[^s]"));
    return int(QString::fromLatin1(f.readAll()).count(page));
}

QString printed(ui::SolverWindow *w, ui::Worksheet version, const QString &path)
{
    std::unique_ptr<QWidget> page(ui::makeWorksheet(w->worksheet(), version));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setOutputFileName(path);
    if (!ui::paintWindow(page.get(), printer))
        return {};
    return pdftext::text(path).normalized(QString::NormalizationForm_KC);
}

// Typos and BASIC spellings of the screens' captions, which words never copy.
const QStringList kTypos = { "minuimo",   "dimentione", "totala",       "dell botte",   "priamide",
                             "tedraedro", "icoesaedro", "dodedagonale", "fuso sferica", "retta" };

bool hasTypo(const QString &words)
{
    for (const auto &typo : kTypos)
        if (words.contains(QRegularExpression("\\b" + typo + "\\b",
                                              QRegularExpression::CaseInsensitiveOption)))
            return true;
    return false;
}

} // namespace

class TestWorksheet : public QObject {
    Q_OBJECT
private slots:
    void glossary_data();
    void glossary();
    void article_data();
    void article();
    void exercise_data();
    void exercise();
    void figure();
    void bothVersions();
    void onePage_data();
    void onePage();
    void stampaChoiceAndCopy();
};

void TestWorksheet::glossary_data()
{
    QTest::addColumn<QString>("screen");
    for (const auto &s : screens::solvers())
        QTest::newRow(qPrintable(s)) << s;
}

// Every quantity of every screen in good words: lower case, no symbol in
// brackets, no "=", none of the captions' typos, each its own, and the
// definite article that agrees with its first noun.
void TestWorksheet::glossary()
{
    QFETCH(QString, screen);
    const auto &s = *solids::find(screen.toStdString());
    const std::set<QString> feminine = { "altezza",   "area",       "circonferenza",
                                         "diagonale", "superficie", "lunghezza",
                                         "larghezza", "base",       "ampiezza" };
    std::set<QString> seen;
    for (const auto &symbol : quantitiesOf(s)) {
        const auto words = solver::quantityWords(s, symbol);
        const QString bare = q(words.bare), definite = q(words.definite);
        const QString where = screen + " " + q(symbol) + ": " + definite;
        QVERIFY2(!bare.isEmpty(), qPrintable(where));
        QVERIFY2(bare == bare.simplified(), qPrintable(where));
        QVERIFY2(bare.at(0).isLower(), qPrintable(where));
        for (const char *bad : { "(", ")", "=", "?", ":" })
            QVERIFY2(!bare.contains(QLatin1String(bad)), qPrintable(where));
        QVERIFY2(!hasTypo(bare), qPrintable(where));
        QVERIFY2(seen.insert(bare).second, qPrintable(where + " twice"));
        const QString noun = bare.section(' ', 0, 0);
        const bool vowel = QStringLiteral("aeiou").contains(noun.at(0));
        QString article = vowel ? "l'" : feminine.count(noun) ? "la " : "il ";
        if (noun.startsWith('s') && !QStringLiteral("aeiou").contains(noun.at(1)))
            article = "lo ";
        QCOMPARE(definite, article + bare);
    }
    // The solid too, with its indefinite article, for each of its buttons.
    const std::set<QString> feminineSolids = { "piramide", "sfera", "calotta", "zona",
                                               "trincea",  "biga",  "botte" };
    for (const auto &b : s.solvers) {
        const QString solid = q(solver::solidWords(s, &b));
        QVERIFY2(!solid.isEmpty(), qPrintable(screen));
        const QString noun = solid.section(' ', 1, 1);
        QCOMPARE(solid.section(' ', 0, 0), feminineSolids.count(noun) ? "una" : "un");
        QVERIFY2(!hasTypo(solid), qPrintable(solid));
        // A pyramid is never called a prism, as one caption does.
        if (q(s.caption).contains("PIRAMIDE"))
            QVERIFY2(!solid.contains("prisma"), qPrintable(solid));
        QVERIFY2(!solid.contains('('), qPrintable(solid));
    }
}

void TestWorksheet::article_data()
{
    QTest::addColumn<QString>("bare");
    QTest::addColumn<QString>("definite");
    QTest::newRow("apotema, masculine") << "apotema"
                                        << "l'apotema";
    QTest::newRow("s and a consonant") << "spigolo laterale"
                                       << "lo spigolo laterale";
    QTest::newRow("feminine") << "diagonale di base"
                              << "la diagonale di base";
    QTest::newRow("feminine, a vowel") << "area totale"
                                       << "l'area totale";
    QTest::newRow("masculine") << "raggio"
                               << "il raggio";
    QTest::newRow("s and a vowel") << "secondo spigolo"
                                   << "il secondo spigolo";
    QTest::newRow("superficie") << "superficie laterale"
                                << "la superficie laterale";
}

void TestWorksheet::article()
{
    QFETCH(QString, bare);
    QFETCH(QString, definite);
    QCOMPARE(q(solver::withDefiniteArticle(bare.toStdString())), definite);
}

void TestWorksheet::exercise_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("known");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QString>("text");
    QTest::newRow("cone") << "Form12"
                          << "" << QStringList{ "r", "a" } << QStringList{ "6", "10" }
                          << "Un cono ha raggio 6 e apotema 10. Calcola il diametro, la "
                             "circonferenza, l'altezza, l'area laterale, l'area totale, il "
                             "volume e l'area di base.";
    QTest::newRow("sphere, decimal comma")
        << "Form38"
        << "" << QStringList{ "r" } << QStringList{ "2,5" }
        << "Una sfera ha raggio 2,5. Calcola il diametro, la circonferenza massima, l'area "
           "della superficie sferica e il volume.";
    QTest::newRow("octahedron: no height, no lateral surface")
        << "Form27"
        << "Command5" << QStringList{ "l" } << QStringList{ "3" }
        << "Un ottaedro regolare ha spigolo 3. Calcola la superficie totale e il volume.";
    QTest::newRow("frustum: not the caption's prism")
        << "Form24"
        << "" << QStringList{ "L1", "L2", "h", "a" } << QStringList{ "6", "4", "5", "7" }
        << "Un tronco di piramide a base quadrata ha lato della prima base 6, lato della seconda "
           "base 4, apotema del tronco 5 e altezza 7. Calcola il perimetro della prima base, il "
           "perimetro della seconda base, l'apotema della prima base, l'apotema della seconda "
           "base, l'area laterale, l'area totale, il volume, l'area della prima base e l'area "
           "della seconda base.";
    QTest::newRow("barrel: no typo, minus sign")
        << "Form33"
        << "" << QStringList{} << QStringList{ "-8", "6", "10" }
        << "Una botte a fondi circolari ha diametro massimo \u22128, diametro minimo 6 e "
           "lunghezza 10. Calcola il volume.";
    QTest::newRow("insufficient data: no exercise") << "Form12"
                                                    << "" << QStringList{} << QStringList{} << "";
}

void TestWorksheet::exercise()
{
    QFETCH(QString, screen);
    QFETCH(QString, button);
    QFETCH(QStringList, known);
    QFETCH(QStringList, answers);
    QFETCH(QString, text);
    const auto &s = *solids::find(screen.toStdString());
    std::set<std::string> ticks;
    for (const auto &k : known)
        ticks.insert(k.toStdString());
    Host host(s, ticks, answers);
    const auto &b = buttonOf(s, button);
    solver::runCalcola(host, s, b);
    QCOMPARE(q(solver::exerciseText(s, b, host.solution)), text);
}

// The figure keeps its drawing and writes each datum beside its letter.
void TestWorksheet::figure()
{
    QFile file(":/assets/cono.svg");
    QVERIFY(file.open(QIODevice::ReadOnly));
    const std::string svg = file.readAll().toStdString();
    const QString out = q(solver::figureWithData(svg, { { "r", "6" }, { "a", "10,5" } }));
    QVERIFY(QSvgRenderer(out.toUtf8()).isValid());
    // Every element of the drawing is still there.
    for (const auto &line : q(svg).split('\n'))
        if (!line.trimmed().startsWith("<svg"))
            QVERIFY2(out.contains(line.trimmed()), qPrintable(line));
    // One value after each datum's letter, none for the height.
    const QRegularExpression value(
        QStringLiteral(">r</text><text[^>]*>= 6</text><text[^>]*#c0392b\">= 6</text>"));
    QVERIFY2(out.contains(value), qPrintable(out.right(900)));
    QVERIFY(out.contains(QRegularExpression(
        QStringLiteral(">a</text><text[^>]*>= 10,5</text><text[^>]*>= 10,5</text>"))));
    QCOMPARE(out.count(QStringLiteral("fill=\"#c0392b\">= ")), 2);
    // Placed from the letter's own coordinates (r at 153.9, 172.5, 19 units
    // high), read with their decimal point under any locale: 153.9 + 0.6 · 19
    // for the letter, then 0.3 · 19 of space.
    QVERIFY2(out.contains(QStringLiteral("<text x=\"171.0\" y=\"172.5\"")),
             qPrintable(out.right(900)));
    // A subscript belongs to its letter: r1 is written after the "1".
    QFile frustum(":/assets/tronco-cono.svg");
    QVERIFY(frustum.open(QIODevice::ReadOnly));
    const QString f =
        q(solver::figureWithData(frustum.readAll().toStdString(), { { "r1", "4" }, { "r", "9" } }));
    QVERIFY(f.contains(
        QRegularExpression(QStringLiteral(">1</text><text[^>]*>= 4</text><text[^>]*>= 4</text>"))));
    QCOMPARE(f.count(QStringLiteral("fill=\"#c0392b\">= ")), 1);
    // Written past the right edge, the view box widens to hold it.
    const QString wide = q(solver::figureWithData(svg, { { "a", "123456789,123" } }));
    const QRegularExpression box(QStringLiteral("viewBox=\"0 0 ([0-9.]+) 200\""));
    const auto m = box.match(wide);
    QVERIFY(m.hasMatch());
    QVERIFY2(m.captured(1).toDouble() > 240, qPrintable(m.captured(0)));
}

// Both versions of the cone printed to PDF and read back.
void TestWorksheet::bothVersions()
{
    Runner r("it_IT");
    r.show("Form12");
    auto *w = qobject_cast<ui::SolverWindow *>(r.shell().window("Form12"));
    QVERIFY(w);
    const auto &s = *solids::find("Form12");
    for (const auto &c : s.checks)
        if (c.quantity == "r" || c.quantity == "a")
            r.tick("Form12." + q(c.name));
    r.answers({ QString("6"), QString("10") });
    r.click("Form12." + q(s.solvers.front().name));
    const auto content = w->worksheet();
    QCOMPARE(content.exercise, QString("Un cono ha raggio 6 e apotema 10. Calcola il diametro, la "
                                       "circonferenza, l'altezza, l'area laterale, l'area totale, "
                                       "il volume e l'area di base."));

    QTemporaryDir dir;
    const QString testo = printed(w, ui::Worksheet::Testo, dir.filePath("testo.pdf"));
    const QString soluzione = printed(w, ui::Worksheet::Soluzione, dir.filePath("soluzione.pdf"));
    QCOMPARE(pages(dir.filePath("testo.pdf")), 1);
    QCOMPARE(pages(dir.filePath("soluzione.pdf")), 1);
    for (const auto &text : { testo, soluzione }) {
        for (const char *field : { "Nome", "Classe", "Data" })
            QVERIFY2(text.contains(field), qPrintable(text.left(300)));
        QVERIFY2(squeezed(text).contains(squeezed(content.exercise)), qPrintable(text.left(600)));
        QVERIFY(text.contains("Cono"));
    }
    // The exercise: its figure with the data, room to work, no answer.
    // The figure (drawn as outlines) with the data.
    QVERIFY(content.figure.contains(">= 6</text>"));
    QVERIFY(content.figure.contains(">= 10</text>"));
    QVERIFY(testo.contains("Svolgimento"));
    QVERIFY(!testo.contains("Calcoli"));
    QVERIFY(!testo.contains("Risultati"));
    QVERIFY(!squeezed(testo).contains("=12")); // the diameter
    // The answer key: every step and every result, each with its words.
    for (const auto &line : content.lines)
        QVERIFY2(squeezed(soluzione).contains(squeezed(line)), qPrintable(line));
    QVERIFY(soluzione.contains("Risultati"));
    QVERIFY(!content.results.isEmpty());
    for (const auto &res : content.results)
        QVERIFY2(squeezed(soluzione).contains(squeezed(res.words + res.symbol + "=" + res.value)),
                 qPrintable(res.words + " " + res.value));
    QVERIFY(squeezed(soluzione).contains("Diametrod=12"));
    QVERIFY(squeezed(soluzione).contains("Altezzah=8"));
    QVERIFY(!squeezed(soluzione).contains("=="));
}

void TestWorksheet::onePage_data()
{
    QTest::addColumn<QString>("screen");
    for (const auto &s : screens::solvers())
        QTest::newRow(qPrintable(s)) << s;
}

// Every box ticked and numbers for every prompt: each version of each
// solid's worksheet is one page that holds the exercise and, for the answer
// key, the last step and the last result.
void TestWorksheet::onePage()
{
    QFETCH(QString, screen);
    const auto &s = *solids::find(screen.toStdString());
    QTemporaryDir dir;
    for (const auto &b : s.solvers) {
        Runner r("it_IT");
        r.show(screen);
        auto *w = qobject_cast<ui::SolverWindow *>(r.shell().window(screen));
        QVERIFY(w);
        for (const auto &c : s.checks)
            r.tick(screen + "." + q(c.name));
        QList<std::optional<QString>> numbers;
        for (int i = 0; i < 16; ++i)
            numbers << QString::number(3 + i % 5);
        r.answers(numbers);
        r.click(screen + "." + q(b.name));
        const auto content = w->worksheet();
        QVERIFY2(!content.exercise.isEmpty(), qPrintable(screen));
        for (auto version : { ui::Worksheet::Testo, ui::Worksheet::Soluzione }) {
            const QString path = dir.filePath(q(b.name) + QString::number(int(version)) + ".pdf");
            const QString text = printed(w, version, path);
            QCOMPARE(pages(path), 1);
            QVERIFY2(squeezed(text).contains(squeezed(content.exercise)),
                     qPrintable(content.exercise));
            if (version == ui::Worksheet::Soluzione) {
                QVERIFY(squeezed(text).contains(squeezed(content.lines.last())));
                if (!content.results.isEmpty())
                    QVERIFY(squeezed(text).contains(squeezed(content.results.last().value)));
            }
        }
    }
}

// "Stampa" offers both worksheets, each printed through the printer path;
// "Copia" copies the exercise, the steps and the results.
void TestWorksheet::stampaChoiceAndCopy()
{
    Runner r("it_IT");
    r.show("Form38");
    auto *w = qobject_cast<ui::SolverWindow *>(r.shell().window("Form38"));
    const auto &s = *solids::find("Form38");
    for (const auto &c : s.checks)
        if (c.quantity == "r")
            r.tick("Form38." + q(c.name));
    r.answers({ QString("2") });
    r.click("Form38." + q(s.solvers.front().name));
    auto *window = w->showSolution();
    QPushButton *stampa = nullptr, *copia = nullptr;
    for (auto *b : window->findChildren<QPushButton *>()) {
        if (b->text() == "&Stampa")
            stampa = b;
        if (b->text() == "&Copia")
            copia = b;
    }
    QVERIFY(stampa && copia);
    QVERIFY(stampa->menu());
    const auto actions = stampa->menu()->actions();
    QCOMPARE(actions.size(), 2);
    QVERIFY(actions[0]->text().contains("Testo"));
    QVERIFY(actions[1]->text().contains("Soluzione"));
    actions[0]->trigger();
    actions[1]->trigger();
    QCOMPARE(r.printed(), (QStringList{ "Form38 testo", "Form38 svolgimento" }));

    QApplication::clipboard()->setText("nothing copied");
    copia->click();
    const QString copied = QApplication::clipboard()->text();
    const QString exercise = "Una sfera ha raggio 2. Calcola il diametro, la circonferenza "
                             "massima, l'area della superficie sferica e il volume.";
    QVERIFY2(copied.startsWith(exercise + "\n\nDati:\nr = 2\nCalcoli:\n"), qPrintable(copied));
    QVERIFY2(copied.contains("\n\nRisultati:\nRaggio: r = 2\nDiametro: d = 4\n"),
             qPrintable(copied));
    QVERIFY(copied.endsWith("\n"));
    QVERIFY(!copied.endsWith("\n\n"));
    QVERIFY(!copied.contains("= ="));
}

QTEST_MAIN(TestWorksheet)
#include "test_worksheet.moc"

// The screen that makes exercise sheets: its controls and "tutti" boxes, the
// script steps and transcript entry, every exercise answered again by its own
// screen, and the printed sheet and key read back from the PDF.
#include "app/sheetpages.h"
#include "app/sheetwindow.h"
#include "scriptgen.h"
#include "scriptrunner.h"
#include "sheets/sheet.h"
#include "solids/solids.h"
#include "solver/scripted.h"
#include "solver/units.h"
#include "ui/locale.h"
#include "ui/printing.h"

#include <QCheckBox>
#include <QComboBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QValidator>

using script::Runner;

namespace {

QString q(const std::string &s)
{
    return QString::fromStdString(s);
}

const sheets::Screen &screen()
{
    return sheets::screen();
}

QString path(const std::string &control)
{
    return q(screen().name) + QLatin1Char('.') + q(control);
}

app::SheetWindow *window(Runner &r)
{
    r.show(q(screen().name));
    return qobject_cast<app::SheetWindow *>(r.shell().window(q(screen().name)));
}

QJsonObject entry(const Runner &r)
{
    return r.transcript()["screens"].toObject()[q(screen().name)].toObject();
}

// Runs steps given as {kind, name, option} in a fresh runner.
void run(Runner &r, const QList<QStringList> &steps)
{
    QJsonArray array;
    for (const auto &s : steps) {
        QJsonObject step{ { s[0], s[1] } };
        if (s.size() > 2)
            step.insert(QStringLiteral("option"), s[2]);
        array.append(step);
    }
    r.run(array);
}

// Text without blanks, in compatibility form ("cm³" reads "cm3"), as the
// PDF's text is compared.
QString squeezed(QString s)
{
    s = s.normalized(QString::NormalizationForm_KC);
    s.remove(QRegularExpression(QStringLiteral("\\s")));
    return s;
}

QString pdftotext(const QString &pdf, QStringList options = {})
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), options << pdf << QStringLiteral("-"));
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

int pageCount(const QString &pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), { pdf });
    p.waitForFinished(60000);
    const auto m = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)"))
                       .match(QString::fromUtf8(p.readAllStandardOutput()));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

// The squeezed text of each page.
QStringList pageTexts(const QString &pdf)
{
    QStringList out;
    const int n = pageCount(pdf);
    for (int i = 1; i <= n; ++i)
        out << squeezed(pdftotext(pdf, { "-f", QString::number(i), "-l", QString::number(i) }));
    return out;
}

const QStringList kLocales = { QStringLiteral("it_IT"), QStringLiteral("en_US") };

} // namespace

class TestSheetWindow : public QObject {
    Q_OBJECT
private slots:
    void initialState();
    void labelsNameTheirControls();
    void allBox_data();
    void allBox();
    void choices_data();
    void choices();
    void transcriptEntry_data();
    void transcriptEntry();
    void sameNumberSameSheet();
    void nothingChosen();
    void printedPages_data();
    void printedPages();
    void randomScriptsVisitSheets();
};

void TestSheetWindow::initialState()
{
    Runner r;
    auto *w = window(r);
    QVERIFY(w);
    QCOMPARE(w->windowTitle(), QStringLiteral("Schede di esercizi"));
    for (const auto &c : screen().checks()) {
        auto *box = qobject_cast<QCheckBox *>(w->declaredControl(q(c.name)));
        QVERIFY2(box, c.name.c_str());
        QVERIFY2(box->isChecked(), c.name.c_str());
        QCOMPARE(box->text(), q(c.text));
    }
    auto *count = qobject_cast<QSpinBox *>(w->declaredControl(QStringLiteral("Quanti")));
    QVERIFY(count);
    QCOMPARE(count->minimum(), 1);
    QCOMPARE(count->maximum(), 20);
    QCOMPARE(count->value(), 6);
    QVERIFY(r.checked(path(screen().whole.name)));
    QVERIFY(!r.checked(path(screen().oneDecimal.name)));

    auto *unit = qobject_cast<QComboBox *>(w->declaredControl(QStringLiteral("Unita")));
    QVERIFY(unit);
    QStringList units;
    for (int i = 0; i < unit->count(); ++i)
        units << unit->itemText(i);
    QStringList expected;
    for (const auto &u : solver::unitOptions())
        expected << q(u);
    QCOMPARE(units, expected);
    QCOMPARE(unit->currentText(), QStringLiteral("cm"));
    auto *decimals = qobject_cast<QComboBox *>(w->declaredControl(QStringLiteral("Decimali")));
    QVERIFY(decimals);
    QCOMPARE(decimals->count(), 5);
    QCOMPARE(decimals->itemText(0), QStringLiteral("0"));
    QCOMPARE(decimals->itemText(4), QStringLiteral("4"));
    QCOMPARE(decimals->currentText(), QStringLiteral("2"));

    // Under a script the sheet's number starts at 1, and only 1 to 999999 are typed.
    auto *seed = qobject_cast<QLineEdit *>(w->declaredControl(QStringLiteral("Numero")));
    QVERIFY(seed);
    QCOMPARE(seed->text(), QStringLiteral("1"));
    QVERIFY(!seed->isReadOnly());
    QVERIFY(seed->focusPolicy() & Qt::TabFocus);
    for (const QString bad : { "1000000", "abc", "-3" }) {
        QString text = bad;
        int at = 0;
        QCOMPARE_NE(seed->validator()->validate(text, at), QValidator::Acceptable);
    }
    QString good = QStringLiteral("999999");
    int at = 0;
    QCOMPARE(seed->validator()->validate(good, at), QValidator::Acceptable);

    for (const auto &b : { screen().preview, screen().print, screen().ritorna, screen().esci })
        QVERIFY2(qobject_cast<QPushButton *>(w->declaredControl(q(b.name))), b.name.c_str());

    // A person's first sheet has a number of its own, drawn from the clock.
    app::Shell person([] {});
    auto *own = qobject_cast<app::SheetWindow *>(person.window(q(screen().name)));
    QVERIFY(own);
    const int n = own->choice(QStringLiteral("Numero")).toInt();
    QVERIFY(n >= 1 && n <= int(sheets::kMaxSeed));
}

void TestSheetWindow::labelsNameTheirControls()
{
    Runner r;
    auto *w = window(r);
    const sheets::Screen &s = screen();
    const std::pair<solver::Control, std::string> pairs[] = {
        { s.countLabel, s.countControl }, { s.dataLabel, s.whole.name },
        { s.unitLabel, s.unitControl },   { s.decimalsLabel, s.decimalsControl },
        { s.seedLabel, s.seedControl },
    };
    for (const auto &[label, control] : pairs) {
        auto *l = qobject_cast<QLabel *>(w->declaredControl(q(label.name)));
        QVERIFY2(l, label.name.c_str());
        QCOMPARE(l->text(), q(label.text));
        QCOMPARE(l->buddy(), w->declaredControl(q(control)));
    }
    // Every control is named for a screen reader in words, never by its name.
    for (auto *c : w->content()->findChildren<QWidget *>()) {
        if (!w->declaredControl(c->objectName()) || qobject_cast<QLabel *>(c))
            continue;
        QVERIFY2(!c->accessibleName().isEmpty(), qPrintable(c->objectName()));
        QVERIFY2(!c->accessibleName().contains(QRegularExpression(QStringLiteral("\\(\\d+\\)"))),
                 qPrintable(c->accessibleName()));
    }
    // A family's "tutti" says which family.
    for (const auto &f : s.families)
        QVERIFY(w->declaredControl(q(f.all.name))->accessibleName().contains(q(f.name.text)));
}

void TestSheetWindow::allBox_data()
{
    QTest::addColumn<int>("family");
    for (int f = 0; f < int(screen().families.size()); ++f)
        QTest::newRow(screen().families[std::size_t(f)].name.text.c_str()) << f;
}

void TestSheetWindow::allBox()
{
    QFETCH(int, family);
    const sheets::Family &f = screen().families[std::size_t(family)];
    Runner r;
    window(r);
    const auto others = [&](bool expected) {
        for (const auto &c : screen().checks())
            if (screen().familyOf(c.name) != &f && r.checked(path(c.name)) != expected)
                return false;
        return true;
    };
    // "tutti" off: every solid of the family off, the other families untouched.
    r.untick(path(f.all.name));
    for (const auto &b : f.boxes)
        QVERIFY(!r.checked(path(b.name)));
    QVERIFY(others(true));
    // Ticked one by one, "tutti" comes back with the last.
    for (std::size_t i = 0; i < f.boxes.size(); ++i) {
        r.tick(path(f.boxes[i].name));
        QCOMPARE(r.checked(path(f.all.name)), i + 1 == f.boxes.size());
    }
    // One off: "tutti" off, the others stay ticked.
    r.untick(path(f.boxes.back().name));
    QVERIFY(!r.checked(path(f.all.name)));
    for (std::size_t i = 0; i + 1 < f.boxes.size(); ++i)
        QVERIFY(r.checked(path(f.boxes[i].name)));
    // "tutti" on: all of them.
    r.tick(path(f.all.name));
    for (const auto &b : f.boxes)
        QVERIFY(r.checked(path(b.name)));
    QVERIFY(others(true));
}

void TestSheetWindow::choices_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("option");
    QTest::addColumn<bool>("offered");
    QTest::newRow("count 1") << "Quanti"
                             << "1" << true;
    QTest::newRow("count 20") << "Quanti"
                              << "20" << true;
    QTest::newRow("count 0") << "Quanti"
                             << "0" << false;
    QTest::newRow("count 21") << "Quanti"
                              << "21" << false;
    QTest::newRow("count 07") << "Quanti"
                              << "07" << false;
    QTest::newRow("unit m") << "Unita"
                            << "m" << true;
    QTest::newRow("no unit") << "Unita"
                             << "—" << true;
    QTest::newRow("unit inch") << "Unita"
                               << "in" << false;
    QTest::newRow("decimals 0") << "Decimali"
                                << "0" << true;
    QTest::newRow("decimals 4") << "Decimali"
                                << "4" << true;
    QTest::newRow("decimals 5") << "Decimali"
                                << "5" << false;
    QTest::newRow("decimals tutti") << "Decimali"
                                    << "tutti" << false;
    QTest::newRow("number 999999") << "Numero"
                                   << "999999" << true;
    QTest::newRow("number 1000000") << "Numero"
                                    << "1000000" << false;
    QTest::newRow("number 0") << "Numero"
                              << "0" << false;
    QTest::newRow("number 1.5") << "Numero"
                                << "1.5" << false;
    QTest::newRow("a button") << "Anteprima"
                              << "1" << false;
}

void TestSheetWindow::choices()
{
    QFETCH(QString, control);
    QFETCH(QString, option);
    QFETCH(bool, offered);
    Runner r;
    auto *w = window(r);
    const QString before = w->choice(control);
    bool thrown = false;
    try {
        r.choose(q(screen().name) + "." + control, option);
    } catch (const script::ScriptError &) {
        thrown = true;
    }
    QCOMPARE(thrown, !offered);
    QCOMPARE(w->choice(control), offered ? option : before);
}

void TestSheetWindow::transcriptEntry_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<bool>("oneDecimal");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("decimals");
    QTest::newRow("it_IT whole cm 2") << "it_IT" << false << "cm"
                                      << "2";
    QTest::newRow("en_US tenths m 3") << "en_US" << true << "m"
                                      << "3";
    QTest::newRow("it_IT tenths no unit 0") << "it_IT" << true << "—"
                                            << "0";
}

void TestSheetWindow::transcriptEntry()
{
    QFETCH(QString, locale);
    QFETCH(bool, oneDecimal);
    QFETCH(QString, unit);
    QFETCH(QString, decimals);
    Runner r(locale);
    run(r, { { "click", "Form1.Command13" },
             { "untick", "Schede.Tutti(6)" },
             { "select", oneDecimal ? "Schede.DatiDecimali" : "Schede.DatiInteri" },
             { "choose", "Schede.Quanti", "5" },
             { "choose", "Schede.Unita", unit },
             { "choose", "Schede.Decimali", decimals },
             { "choose", "Schede.Numero", "321" },
             { "click", "Schede.Anteprima" } });
    QVERIFY(!r.visible("Form1"));
    QVERIFY(r.printed().isEmpty()); // a preview prints nothing
    const QJsonObject e = entry(r);
    QCOMPARE(e["caption"].toString(), QStringLiteral("Schede di esercizi"));
    QCOMPARE(e["visible"].toBool(), true);
    QCOMPARE(e["options"].toObject(),
             (QJsonObject{ { "DatiInteri", !oneDecimal }, { "DatiDecimali", oneDecimal } }));
    QCOMPARE(
        e["choices"].toObject(),
        (QJsonObject{
            { "Quanti", "5" }, { "Unita", unit }, { "Decimali", decimals }, { "Numero", "321" } }));
    QJsonObject labels;
    for (const auto &l : screen().labels())
        labels.insert(q(l.name), q(l.text));
    QCOMPARE(e["labels"].toObject(), labels);
    const QJsonObject checks = e["checks"].toObject();
    QCOMPARE(checks.size(), int(screen().checks().size()));
    for (const auto &c : screen().checks())
        QCOMPARE(checks[q(c.name)].toBool(),
                 c.name.find("Solido(") == 0
                     ? screen().familyOf(c.name) != &screen().families.back()
                     : c.name != "Tutti(6)");

    const QJsonObject sheet = e["sheet"].toObject();
    QVERIFY(sheet["seed"].isDouble());
    QCOMPARE(sheet["seed"].toInt(), 321);
    const QJsonArray exercises = sheet["exercises"].toArray();
    QCOMPARE(exercises.size(), 5);
    // Each exercise, pressed afresh on its own screen under the script's
    // locale and the chosen unit and decimals, gives the results the key holds.
    const solver::NumberFormat format = ui::numberFormat(QLocale(locale));
    const QString foreignMark = format.decimal == "," ? QStringLiteral(".") : QStringLiteral(",");
    const auto &practical = screen().families.back().screens;
    for (const auto &x : exercises) {
        const QJsonObject ex = x.toObject();
        const std::string name = ex["screen"].toString().toStdString();
        QVERIFY2(std::find(practical.begin(), practical.end(), name) == practical.end(),
                 "an exercise on an unticked solid");
        const solver::SolverScreen *s = solids::find(name);
        QVERIFY(s);
        const solver::SolveButton *button = nullptr;
        for (const auto &b : s->solvers)
            if (q(b.name) == ex["button"].toString())
                button = &b;
        QVERIFY(button);
        solver::ScriptedHost host(format);
        for (const auto &t : ex["ticks"].toArray())
            host.ticks.insert(t.toString().toStdString());
        for (const auto &a : ex["answers"].toArray()) {
            QVERIFY2(!a.toString().contains(foreignMark), qPrintable(a.toString()));
            host.answers.push_back(a.toString().toStdString());
        }
        host.choices.unit = *solver::unitFromName(unit.toStdString());
        host.choices.decimals = decimals.toInt();
        host.press(*s, *button);
        QVERIFY(host.messages().empty());
        QVERIFY(host.failed().empty());
        const QJsonObject results = ex["results"].toObject();
        QVERIFY(!results.isEmpty());
        for (auto it = results.begin(); it != results.end(); ++it)
            QCOMPARE(q(host.texts[it.key().toStdString()]), it.value().toString());
    }
}

void TestSheetWindow::sameNumberSameSheet()
{
    const QList<QStringList> steps = { { "show", "Schede" },
                                       { "choose", "Schede.Quanti", "8" },
                                       { "choose", "Schede.Numero", "90210" },
                                       { "click", "Schede.Stampa" } };
    // One runner at a time: each answers the dialogs while it lives.
    QJsonObject first;
    {
        Runner a(QStringLiteral("it_IT"));
        run(a, steps);
        QCOMPARE(a.printed(), QStringList{ "Schede" });
        first = entry(a)["sheet"].toObject();
    }
    QCOMPARE(first["exercises"].toArray().size(), 8);
    Runner b(QStringLiteral("it_IT"));
    run(b, steps);
    QCOMPARE(entry(b)["sheet"].toObject(), first);
    // The same runner, again: the same sheet.
    b.click(QStringLiteral("Schede.Anteprima"));
    QCOMPARE(entry(b)["sheet"].toObject(), first);
    // Another number, another sheet.
    b.choose(QStringLiteral("Schede.Numero"), QStringLiteral("90211"));
    b.click(QStringLiteral("Schede.Anteprima"));
    QVERIFY(entry(b)["sheet"].toObject()["exercises"] != first["exercises"]);
}

void TestSheetWindow::nothingChosen()
{
    Runner r;
    QList<QStringList> steps = { { "show", "Schede" } };
    for (const auto &f : screen().families)
        steps.append(QStringList{ "untick", q(screen().name + "." + f.all.name) });
    steps.append(QStringList{ "click", "Schede.Stampa" });
    run(r, steps);
    QCOMPARE(r.dialogs().size(), 1);
    QCOMPARE(r.dialogs()[0].kind, QStringLiteral("message"));
    QCOMPARE(r.dialogs()[0].text, q(sheets::words(1).empty));
    QVERIFY(r.printed().isEmpty());
    QVERIFY(!entry(r).contains("sheet"));
    QVERIFY(r.lastPdf().isEmpty());
}

void TestSheetWindow::printedPages_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("count");
    for (const auto &l : kLocales)
        QTest::newRow(qPrintable(l)) << l << 7;
    QTest::newRow("it_IT, 20 exercises") << QStringLiteral("it_IT") << 20;
}

void TestSheetWindow::printedPages()
{
    QFETCH(QString, locale);
    QFETCH(int, count);
    Runner r(locale);
    run(r, { { "show", "Schede" },
             { "choose", "Schede.Quanti", QString::number(count) },
             { "choose", "Schede.Numero", "4711" },
             { "click", "Schede.Stampa" } });
    QCOMPARE(r.printed(), QStringList{ "Schede" });
    QCOMPARE(QFileInfo(r.lastPdf()).fileName(), QStringLiteral("Scheda 4711.pdf"));
    auto *w = window(r);
    QVERIFY(w->lastSheet());
    const sheets::Sheet &sheet = *w->lastSheet();
    QCOMPARE(int(sheet.exercises.size()), count);

    // The sheet and the key, each a PDF of its own.
    QTemporaryDir dir;
    const auto write = [&](app::SheetPart part, const QString &file) {
        const QString out = dir.filePath(file);
        const ui::Pages pages{ "t", file,
                               [&](QPrinter &p) { return app::paintSheet(sheet, p, part); } };
        return ui::savePages(pages, out) ? out : QString();
    };
    const QString exercisesPdf = write(app::SheetPart::Exercises, "sheet.pdf");
    const QString keyPdf = write(app::SheetPart::Key, "key.pdf");
    QVERIFY(!exercisesPdf.isEmpty() && !keyPdf.isEmpty());

    const sheets::Words words = sheets::words(4711);
    const QStringList sheetPages = pageTexts(exercisesPdf);
    QVERIFY(sheetPages.size() >= 2);
    const QString first = sheetPages.first();
    QVERIFY(first.startsWith(squeezed(q(words.title))));
    for (const auto &h : words.header)
        QVERIFY(first.contains(squeezed(q(h))));
    QVERIFY(first.contains(squeezed(q(words.instructions))));
    QVERIFY(!sheetPages.join("").contains(squeezed(q(words.keyTitle))));
    QVERIFY(!sheetPages.join("").contains(squeezed(q(words.solutionHeading))));
    // Every exercise whole on one page: its heading and its text together.
    for (std::size_t i = 0; i < sheet.exercises.size(); ++i) {
        const QString heading = squeezed(q(sheets::words(4711, int(i) + 1).exercise));
        const QString text = squeezed(q(sheet.exercises[i].text));
        bool whole = false;
        for (const auto &page : sheetPages)
            whole = whole || page.contains(heading + text);
        QVERIFY2(whole, qPrintable(heading));
    }

    const QStringList keyPages = pageTexts(keyPdf);
    QVERIFY(keyPages.first().startsWith(squeezed(q(words.keyTitle))));
    const QString key = keyPages.join("");
    for (const auto &e : sheet.exercises) {
        QVERIFY(key.contains(squeezed(q(e.text))));
        for (const auto &row : e.key) {
            const QString written = squeezed(
                q(row.words + (row.symbol.empty() ? "" : " ") + row.symbol + " = " + row.value));
            QVERIFY2(key.contains(written), qPrintable(written));
        }
    }

    // The document printed: the sheet's pages, then the key on a page of its own.
    const QStringList all = pageTexts(r.lastPdf());
    QCOMPARE(all.size(), sheetPages.size() + keyPages.size());
    QVERIFY(all[sheetPages.size()].startsWith(squeezed(q(words.keyTitle))));

    // Nothing past the edge of the page.
    for (const QString &pdf : { exercisesPdf, keyPdf }) {
        const QString boxes = pdftotext(pdf, { "-bbox" });
        const auto page =
            QRegularExpression(QStringLiteral("<page width=\"([\\d.]+)\" height=\"([\\d.]+)\""))
                .match(boxes);
        QVERIFY(page.hasMatch());
        // A4 in points.
        QVERIFY(std::abs(page.captured(1).toDouble() - 595.3) < 1);
        QVERIFY(std::abs(page.captured(2).toDouble() - 841.9) < 1);
        const double width = page.captured(1).toDouble(), height = page.captured(2).toDouble();
        static const QRegularExpression word(
            QStringLiteral("xMin=\"([-\\d.]+)\" yMin=\"([-\\d.]+)\" xMax=\"([-\\d.]+)\" "
                           "yMax=\"([-\\d.]+)\">([^<]*)<"));
        int words = 0;
        for (auto it = word.globalMatch(boxes); it.hasNext();) {
            const auto m = it.next();
            ++words;
            const double x0 = m.captured(1).toDouble(), y0 = m.captured(2).toDouble();
            const double x1 = m.captured(3).toDouble(), y1 = m.captured(4).toDouble();
            // Inside the page, and inside margins of 15 mm.
            const double margin = 15 / 25.4 * 72;
            QVERIFY2(x0 >= margin && y0 >= margin && x1 <= width - margin && y1 <= height - margin,
                     qPrintable(m.captured(5)));
        }
        QVERIFY(words > 50);
    }
}

void TestSheetWindow::randomScriptsVisitSheets()
{
    const scriptgen::Catalogue catalogue = scriptgen::Catalogue::fromRegistry();
    const scriptgen::Generator generator(catalogue, {}, 20261210);
    int visits = 0;
    for (std::uint64_t i = 0; i < 400 && visits < 6; ++i) {
        const scriptgen::Script script = generator.script(i);
        const std::string json = scriptgen::toJson(script);
        QCOMPARE(scriptgen::toJson(generator.script(i)), json); // drawn alike each time
        if (json.find("\"Schede.") == std::string::npos)
            continue;
        ++visits;
        // From the main menu, back to it with "Ritorna" after a preview.
        const auto &steps = script.steps;
        QCOMPARE(steps.front().arg, std::string("Form1.Command13"));
        std::size_t back = 0;
        while (back < steps.size() && steps[back].arg != "Schede.Ritorna")
            ++back;
        QVERIFY(back < steps.size());
        QCOMPARE(steps[back - 1].arg, std::string("Schede.Anteprima"));
        int count = 0;
        for (std::size_t k = 0; k < back; ++k) {
            QVERIFY(steps[k].arg.rfind("Schede.", 0) == 0 || k == 0);
            if (steps[k].arg == "Schede.Quanti")
                count = std::stoi(steps[k].option);
        }
        QVERIFY(count >= 1 && count <= 4);

        Runner r(q(script.locale));
        const QByteArray bytes = QByteArray::fromStdString(json);
        try {
            r.run(Runner::read(bytes));
        } catch (const script::ScriptError &e) {
            QFAIL(qPrintable(e.message));
        }
        const QJsonObject sheet = entry(r)["sheet"].toObject();
        // Unticking can leave no solid: then a message and no sheet.
        if (sheet.isEmpty())
            QCOMPARE(r.dialogs().value(0).text, q(sheets::words(1).empty));
        else
            QCOMPARE(sheet["exercises"].toArray().size(), count);
        QVERIFY(!entry(r)["visible"].toBool());
    }
    QVERIFY2(visits >= 3, "too few scripts visit the sheets");
}

QTEST_MAIN(TestSheetWindow)
#include "test_sheet_window.moc"

// Golden transcripts: thousands of random scripts, stored with what the
// program showed for them (tests/golden/transcripts.jsonl.gz, made as its
// README says), are run again through the script runner. Every transcript must
// come out byte for byte as stored; only a "solution" entry of a screen is
// ignored. The stored scripts must press every case of every solving button
// of every registered screen with valid, failing and cancelled answers under
// both locales, as worked out from the scripts and their transcripts.
#include "scriptgen.h"
#include "scriptgenroutes.h"
#include "scriptrunner.h"
#include "solids/solids.h"
#include "solver/script.h"

#include <QApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTest>

#include <zlib.h>

#include <algorithm>
#include <cstdio>
#include <map>

namespace {

// The seed the stored scripts were drawn from (see tests/golden/README.md).
constexpr std::uint64_t kSeed = 20261209;

#ifdef __SANITIZE_ADDRESS__
// Under the sanitizer every 25th script is replayed.
constexpr int kStride = 25;
constexpr int kRedrawn = 20;
#else
constexpr int kStride = 1;
constexpr int kRedrawn = 200;
#endif

struct Record {
    QJsonObject script;
    QByteArray scriptText;     // as stored
    QByteArray transcriptText; // as stored
    QJsonObject transcript;
};

QByteArray gunzip(const char *path, QString *error)
{
    QByteArray out;
    gzFile f = gzopen(path, "rb");
    if (!f) {
        *error = QStringLiteral("cannot open %1").arg(QString::fromLocal8Bit(path));
        return out;
    }
    char buffer[1 << 16];
    int n = 0;
    while ((n = gzread(f, buffer, sizeof buffer)) > 0)
        out.append(buffer, n);
    if (n < 0)
        *error = QStringLiteral("corrupt %1").arg(QString::fromLocal8Bit(path));
    gzclose(f);
    return out;
}

// One line is {"script":...,"transcript":...}, both compact.
bool parseRecord(const QByteArray &line, Record &r)
{
    static const QByteArray head = "{\"script\":";
    static const QByteArray middle = ",\"transcript\":";
    const qsizetype at = line.lastIndexOf(middle);
    if (!line.startsWith(head) || !line.endsWith('}') || at < 0)
        return false;
    r.scriptText = line.mid(head.size(), at - head.size());
    r.transcriptText = line.mid(at + middle.size(), line.size() - at - middle.size() - 1);
    const QJsonDocument s = QJsonDocument::fromJson(r.scriptText);
    const QJsonDocument t = QJsonDocument::fromJson(r.transcriptText);
    if (!s.isObject() || !t.isObject())
        return false;
    r.script = s.object();
    r.transcript = t.object();
    return true;
}

// Runs a script as corpimetro-script does, in a fresh runner; the transcript
// in compact JSON without the screens' "solution" entries.
QByteArray replay(const QJsonObject &script, QString *error)
{
    try {
        script::Runner::validate(script);
    } catch (const script::ScriptError &e) {
        *error = e.message;
        return {};
    }
    script::Runner runner(script.value(QStringLiteral("locale")).toString(QStringLiteral("en_US")));
    try {
        runner.run(script.value(QStringLiteral("steps")).toArray());
    } catch (const script::ScriptError &e) {
        *error = e.message;
    }
    return QJsonDocument(script::Runner::withoutSolutions(runner.transcript()))
        .toJson(QJsonDocument::Compact);
}

// Qt's chatter about the offscreen platform would drown the differences.
void quiet(QtMsgType type, const QMessageLogContext &, const QString &msg)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(msg));
}

// The first line where the indented forms of two transcripts differ.
QString firstDifference(const QByteArray &expected, const QByteArray &actual)
{
    const auto indented = [](const QByteArray &json) {
        return QString::fromUtf8(QJsonDocument::fromJson(json).toJson(QJsonDocument::Indented))
            .split(QLatin1Char('\n'));
    };
    const QStringList e = indented(expected), a = indented(actual);
    for (qsizetype i = 0; i < std::max(e.size(), a.size()); ++i) {
        const QString el = i < e.size() ? e[i] : QStringLiteral("<end>");
        const QString al = i < a.size() ? a[i] : QStringLiteral("<end>");
        if (el != al)
            return QStringLiteral("line %1:\n  stored: %2\n  now:    %3")
                .arg(i + 1)
                .arg(el.trimmed(), al.trimmed());
    }
    return QStringLiteral("the same when indented, different in bytes");
}

} // namespace

class TestGolden : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void transcriptsUnchanged();
    void everyCaseCovered();
    void scriptsVaried();
    void generatorRedrawsStoredScripts();
    void generatorMakesChoicesWhenAsked();

private:
    QList<Record> m_records;
    scriptgen::Catalogue m_catalogue;
};

void TestGolden::initTestCase()
{
    QApplication::setQuitOnLastWindowClosed(false);
    qInstallMessageHandler(quiet);
    QString error;
    // CORPIMETRO_GOLDEN in the environment names another file, e.g. a new
    // recording to try before it replaces the stored one.
    const QByteArray path = qEnvironmentVariableIsSet("CORPIMETRO_GOLDEN")
                                ? qgetenv("CORPIMETRO_GOLDEN")
                                : QByteArray(CORPIMETRO_GOLDEN);
    const QByteArray data = gunzip(path.constData(), &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    int lineNumber = 0;
    for (const QByteArray &line : data.split('\n')) {
        ++lineNumber;
        if (line.isEmpty())
            continue;
        Record r;
        QVERIFY2(parseRecord(line, r),
                 qPrintable(QStringLiteral("line %1 is not a record").arg(lineNumber)));
        m_records.append(r);
    }
    QVERIFY2(m_records.size() >= 1000, "too few stored scripts");
    m_catalogue = scriptgen::Catalogue::fromRegistry();
}

void TestGolden::transcriptsUnchanged()
{
    int replayed = 0, differing = 0;
    for (qsizetype i = 0; i < m_records.size(); i += kStride) {
        const Record &r = m_records[i];
        QString error;
        const QByteArray now = replay(r.script, &error);
        ++replayed;
        if (error.isEmpty() && now == r.transcriptText)
            continue;
        if (++differing <= 5) {
            std::fprintf(stderr, "script %lld: %s\n", static_cast<long long>(i + 1),
                         r.scriptText.constData());
            if (!error.isEmpty())
                std::fprintf(stderr, "  stopped: %s\n", qPrintable(error));
            std::fprintf(stderr, "  %s\n", qPrintable(firstDifference(r.transcriptText, now)));
        }
    }
    std::printf("%d scripts replayed\n", replayed);
    QVERIFY2(
        differing == 0,
        qPrintable(QStringLiteral("%1 of %2 transcripts differ").arg(differing).arg(replayed)));
}

// Which case each press took comes from the ticks the script set on its
// screen; what it was answered, from the prompts of that step in the stored
// transcript.
void TestGolden::everyCaseCovered()
{
    using scriptgen::Kind;
    const scriptgen::Catalogue &catalogue = m_catalogue;
    // screen, button, case, locale -> presses by kind
    std::map<std::tuple<std::string, std::string, std::string, std::string>, std::map<Kind, int>>
        presses;
    for (const Record &r : m_records) {
        const std::string locale = r.script.value("locale").toString().toStdString();
        std::map<int, std::vector<scriptgen::Answer>> answered; // by step
        for (const auto &d : r.transcript.value("dialogs").toArray()) {
            const QJsonObject o = d.toObject();
            if (o.value("kind").toString() == QLatin1String("prompt")) {
                const QJsonValue a = o.value("answer");
                answered[o.value("step").toInt()].push_back(
                    a.isNull() ? scriptgen::Answer()
                               : scriptgen::Answer(a.toString().toStdString()));
            }
        }
        std::map<std::string, std::set<std::string>> ticks;
        const QJsonArray steps = r.script.value("steps").toArray();
        for (int i = 0; i < steps.size(); ++i) {
            const QJsonObject step = steps[i].toObject();
            const QString kind = step.begin().key();
            const QStringList path = step.begin().value().toString().split('.');
            if (path.size() != 2)
                continue;
            const std::string screen = path[0].toStdString(), control = path[1].toStdString();
            if (kind == QLatin1String("tick"))
                ticks[screen].insert(control);
            else if (kind == QLatin1String("untick"))
                ticks[screen].erase(control);
            const scriptgen::ButtonCases *b = catalogue.button(screen, control);
            if (kind != QLatin1String("click") || !b)
                continue;
            const unsigned mask = catalogue.screen(screen)->mask(ticks[screen]);
            const std::string &c = b->cases[std::size_t(b->caseOfMask[mask])];
            ++presses[{ screen, control, c, locale }]
                     [scriptgen::classifyPress(answered[i], locale)];
        }
        // The ticks followed here are the ones the program ended with, on
        // the solver screens (the sheets' boxes start ticked and tick each
        // other).
        const QJsonObject screens = r.transcript.value("screens").toObject();
        for (const auto &[screen, ticked] : ticks) {
            if (!catalogue.screen(screen))
                continue;
            const QJsonObject checks =
                screens.value(QString::fromStdString(screen)).toObject().value("checks").toObject();
            for (auto it = checks.begin(); it != checks.end(); ++it)
                QVERIFY2(it.value().toBool() == bool(ticked.count(it.key().toStdString())),
                         qPrintable(QString::fromStdString(screen) + "." + it.key() + " in "
                                    + QString::fromUtf8(r.scriptText)));
        }
    }

    QStringList missing;
    int cases = 0;
    for (const auto &s : catalogue.screens())
        for (const auto &b : s.buttons)
            for (std::size_t c = 0; c < b.cases.size(); ++c) {
                ++cases;
                for (const auto &locale : scriptgen::kLocales) {
                    const auto &got = presses[{ s.screen, b.button, b.cases[c], locale }];
                    const auto need = b.prompts[c] ? std::map<Kind, int>{ { Kind::Valid, 2 },
                                                                          { Kind::Failing, 1 },
                                                                          { Kind::Cancelled, 1 } }
                                                   : std::map<Kind, int>{ { Kind::None, 2 } };
                    for (const auto &[kind, least] : need) {
                        const auto it = got.find(kind);
                        if (it == got.end() || it->second < least)
                            missing << QString::fromStdString(s.screen + "." + b.button + " case "
                                                              + b.cases[c] + " " + locale + " "
                                                              + scriptgen::kindName(kind));
                    }
                }
            }
    std::printf("%d cases of %zu screens\n", cases, catalogue.screens().size());
    QVERIFY2(missing.isEmpty(),
             qPrintable(QStringLiteral("%1 not pressed enough: %2")
                            .arg(missing.size())
                            .arg(missing.mid(0, 20).join(QStringLiteral("; ")))));
}

// Scripts that do more than one press: through the menus, on two screens,
// ticks changed between presses, both locales.
void TestGolden::scriptsVaried()
{
    const scriptgen::Catalogue &catalogue = m_catalogue;
    int italian = 0, viaMenus = 0, pressedTwice = 0, twoScreens = 0, unticked = 0;
    for (const Record &r : m_records) {
        italian += r.script.value("locale").toString() == QLatin1String("it_IT");
        int pressesHere = 0;
        bool menus = false, untick = false;
        std::set<std::string> pressedScreens;
        for (const auto &v : r.script.value("steps").toArray()) {
            const QJsonObject step = v.toObject();
            const QStringList path = step.begin().value().toString().split('.');
            const std::string screen = path[0].toStdString();
            if (step.begin().key() == QLatin1String("untick"))
                untick = true;
            if (step.begin().key() != QLatin1String("click") || path.size() != 2)
                continue;
            menus = menus || !catalogue.screen(screen);
            if (catalogue.button(screen, path[1].toStdString())) {
                ++pressesHere;
                pressedScreens.insert(screen);
            }
        }
        viaMenus += menus;
        pressedTwice += pressesHere > 1;
        twoScreens += pressedScreens.size() > 1;
        unticked += untick;
    }
    const int n = int(m_records.size());
    std::printf("%d scripts: %d it_IT, %d through the menus, %d pressing twice or more, %d on two "
                "screens, %d unticking\n",
                n, italian, viaMenus, pressedTwice, twoScreens, unticked);
    QVERIFY(italian > n * 4 / 10 && italian < n * 6 / 10);
    QVERIFY(viaMenus > n / 4);
    QVERIFY(pressedTwice > n / 5);
    QVERIFY(twoScreens > n / 20);
    QVERIFY(unticked > n / 20);
}

// The generator still draws the stored scripts from their seed: it is
// deterministic on this build, and nothing it reads (the screens' case chains
// and prompts, the menus) has changed.
void TestGolden::generatorRedrawsStoredScripts()
{
    const scriptgen::Catalogue &catalogue = m_catalogue;
    const scriptgen::Generator generator(
        catalogue, scriptgen::routesFrom(scriptgen::findHops(), catalogue), kSeed);
    for (int i = 0; i < std::min<int>(kRedrawn, int(m_records.size())); ++i) {
        const QByteArray drawn =
            QJsonDocument::fromJson(
                QByteArray::fromStdString(scriptgen::toJson(generator.script(std::uint64_t(i)))))
                .toJson(QJsonDocument::Compact);
        QVERIFY2(drawn == m_records[i].scriptText,
                 qPrintable(QStringLiteral("script %1:\n  stored: %2\n  drawn:  %3")
                                .arg(i + 1)
                                .arg(QString::fromUtf8(m_records[i].scriptText),
                                     QString::fromUtf8(drawn))));
    }
}

// Asked for choices, about one script in five makes them, as preferences or
// "choose" steps on the screen it presses, each an option the program offers;
// every other script is the one drawn without choices, and a script with
// choices has the same steps besides them.
void TestGolden::generatorMakesChoicesWhenAsked()
{
    const scriptgen::Catalogue &catalogue = m_catalogue;
    const auto routes = scriptgen::routesFrom(scriptgen::findHops(), catalogue);
    const scriptgen::Generator plain(catalogue, routes, kSeed);
    const scriptgen::Generator choosing(catalogue, routes, kSeed, {}, true);
    const auto &units = solver::unitOptions();
    const auto &decimals = solver::decimalsOptions();
    constexpr int kCount = 1000;
    int making = 0, withPreferences = 0, withSteps = 0;
    for (int i = 0; i < kCount; ++i) {
        const scriptgen::Script a = plain.script(std::uint64_t(i));
        const scriptgen::Script b = choosing.script(std::uint64_t(i));
        std::vector<scriptgen::Step> others;
        int chooses = 0;
        for (std::size_t k = 0; k < b.steps.size(); ++k) {
            const scriptgen::Step &step = b.steps[k];
            // The sheet screen's choices belong to its own visit, in both.
            if (step.kind != "choose" || step.arg.rfind("Schede.", 0) == 0) {
                others.push_back(step);
                continue;
            }
            ++chooses;
            const auto dot = step.arg.find('.');
            const std::string screen = step.arg.substr(0, dot), control = step.arg.substr(dot + 1);
            QVERIFY2(solids::find(screen), step.arg.c_str());
            // It comes before a press of that screen, its answers between.
            std::size_t next = k + 1;
            while (next < b.steps.size()
                   && (b.steps[next].kind == "choose" || b.steps[next].kind == "answers"))
                ++next;
            QVERIFY2(next < b.steps.size() && b.steps[next].kind == "click"
                         && catalogue.button(screen, b.steps[next].arg.substr(dot + 1)),
                     step.arg.c_str());
            if (control == "Unita")
                QVERIFY(std::find(units.begin(), units.end(), step.option) != units.end());
            else if (control == "Decimali")
                QVERIFY(std::find(decimals.begin(), decimals.end(), step.option) != decimals.end());
            else
                QCOMPARE(control, std::string("PesoSpecifico"));
        }
        QVERIFY2(others == a.steps, qPrintable(QStringLiteral("script %1").arg(i)));
        QCOMPARE(b.locale, a.locale);
        QVERIFY(!a.preferences);
        making += chooses > 0 || b.preferences;
        withPreferences += bool(b.preferences);
        withSteps += chooses > 0;
        // The core's reader takes it, choices and all.
        const auto read = solver::script::read(scriptgen::toJson(b));
        QVERIFY2(read.script, read.error.c_str());
        QCOMPARE(read.script->preferences.has_value(), b.preferences.has_value());
        if (b.preferences)
            QCOMPARE(read.script->preferences->specificWeight, b.preferences->specificWeight);
    }
    std::printf("%d of %d scripts make choices: %d with preferences, %d with choose steps\n",
                making, kCount, withPreferences, withSteps);
    QVERIFY(making > kCount / 8 && making < kCount * 3 / 10);
    QVERIFY(withPreferences > kCount / 20 && withSteps > kCount / 20);
}

QTEST_MAIN(TestGolden)
#include "test_golden.moc"

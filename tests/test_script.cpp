// corpimetro-script, the headless driver: its transcript, standard input, and
// its exit status for good and malformed scripts, hostile names, file names
// and a transcript that cannot be written.
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

struct Run {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
    QJsonObject transcript() const { return QJsonDocument::fromJson(out).object(); }
};

Run finish(QProcess &p)
{
    Run result;
    if (!p.waitForFinished(60000)) {
        p.kill();
        p.waitForFinished();
        return result;
    }
    result.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    result.out = p.readAllStandardOutput();
    result.err = p.readAllStandardError();
    return result;
}

// Writes a script into `dir`; returns its path.
QString scriptFile(const QTemporaryDir &dir, const QByteArray &script)
{
    const QString path = dir.filePath("script.json");
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(script) != script.size())
        return QString();
    return path;
}

// Runs the tool on `script`, given as a file or (with `viaStdin`) on standard input.
Run runScript(const QByteArray &script, bool viaStdin = false)
{
    QTemporaryDir dir;
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    p.setProcessEnvironment(env);
    if (viaStdin) {
        p.start(CORPIMETRO_SCRIPT, { "-" });
        if (!p.waitForStarted(10000))
            return Run{};
        p.write(script);
        p.closeWriteChannel();
    } else {
        const QString path = scriptFile(dir, script);
        if (path.isEmpty())
            return Run{};
        p.start(CORPIMETRO_SCRIPT, { path });
    }
    return finish(p);
}

// Runs the tool through the shell, for what QProcess cannot set up: `command`
// sees the tool as $0 and `args` as $1, ...
Run runThroughShell(const QString &command, const QStringList &args)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    p.setProcessEnvironment(env);
    p.start("/bin/sh", QStringList{ "-c", command, CORPIMETRO_SCRIPT } + args);
    return finish(p);
}

// A cube of side 2 under it_IT, printed, then "Esci".
const QByteArray kCubeScript = R"({
  "locale": "it_IT",
  "steps": [
    {"show": "Form1"},
    {"click": "Form1.Command3"},
    {"tick": "Form3.Check1"},
    {"answers": ["2"]},
    {"click": "Form3.Command3"},
    {"click": "Form3.Command4"},
    {"click": "Form3.Command1"},
    {"click": "Form1.Command3"}
  ]
})";

} // namespace

class TestScript : public QObject {
    Q_OBJECT
private slots:
    void cubeTranscript_data();
    void cubeTranscript();
    void cancelWhenNoAnswerIsQueued();
    void malformed_data();
    void malformed();
    void unknownWhileRunning_data();
    void unknownWhileRunning();
    void hostileNamesAreEscaped_data();
    void hostileNamesAreEscaped();
    void decimalAdvice_data();
    void decimalAdvice();
    void fileNameNotInTheLocaleEncoding();
    void lostTranscript_data();
    void lostTranscript();
    void emptyScriptStartsOnTheMainMenu();
    void usage();
    void hostile_data();
    void hostile();
    void stringsKeepEveryCharacter_data();
    void stringsKeepEveryCharacter();
    void localeAsLangWritesIt_data();
    void localeAsLangWritesIt();
};

void TestScript::cubeTranscript_data()
{
    QTest::addColumn<bool>("viaStdin");
    QTest::newRow("file") << false;
    QTest::newRow("standard input") << true;
}

void TestScript::cubeTranscript()
{
    QFETCH(bool, viaStdin);
    const Run run = runScript(kCubeScript, viaStdin);
    QCOMPARE(run.exitCode, 0);
    const QJsonObject t = run.transcript();
    QVERIFY2(!t.isEmpty(), run.out.constData());

    const QJsonArray dialogs = t["dialogs"].toArray();
    QCOMPARE(dialogs.size(), 1);
    const QJsonObject prompt = dialogs[0].toObject();
    QCOMPARE(prompt["step"].toInt(), 4); // the click on "Calcola"
    QCOMPARE(prompt["kind"].toString(), QString("prompt"));
    QCOMPARE(prompt["title"].toString(), QString("CORPIMETRO"));
    QCOMPARE(prompt["text"].toString(), QString("INTRODUCI IL LATO (L) ="));
    QCOMPARE(prompt["answer"].toString(), QString("2"));

    const QJsonObject cube = t["screens"].toObject()["Form3"].toObject();
    QCOMPARE(cube["caption"].toString(), QString("Cubo"));
    QVERIFY(cube["checks"].toObject()["Check1"].toBool());
    QVERIFY(!cube["checks"].toObject()["Check2"].toBool());
    const QJsonObject labels = cube["labels"].toObject();
    // side 2: d1 = 2 * 2^0.5 = 2.8284271247461903, d = 2 * 3^0.5 = 3.4641016151377544
    QCOMPARE(labels["Label5"].toString(), QString("2"));
    QCOMPARE(labels["Label13"].toString(), QString("8"));
    QCOMPARE(labels["Label12(2)"].toString(), QString("2,82842712474619"));
    QCOMPARE(labels["Label7"].toString(), QString("3,46410161513775"));

    QCOMPARE(t["printed"].toArray(), QJsonArray{ "Form3" });
    QVERIFY(t["ended"].toBool());
    // "Esci" ended the program with nothing left on view.
    const QJsonObject screens = t["screens"].toObject();
    for (auto it = screens.begin(); it != screens.end(); ++it)
        QVERIFY2(!it.value().toObject()["visible"].toBool(), qPrintable(it.key()));
    QVERIFY(run.err.isEmpty());
}

void TestScript::cancelWhenNoAnswerIsQueued()
{
    const Run run = runScript(R"({"locale": "en_US", "steps": [
        {"show": "Form1"}, {"click": "Form1.Command3"}, {"tick": "Form3.Check1"},
        {"click": "Form3.Command3"}]})");
    // The program reported a failure, but the script ran.
    QCOMPARE(run.exitCode, 0);
    const QJsonObject t = run.transcript();
    const QJsonArray dialogs = t["dialogs"].toArray();
    QCOMPARE(dialogs.size(), 2);
    const QJsonObject prompt = dialogs[0].toObject();
    QCOMPARE(prompt["kind"].toString(), QString("prompt"));
    QVERIFY(prompt.contains("answer"));
    QVERIFY(prompt["answer"].isNull());
    const QJsonObject error = dialogs[1].toObject();
    QCOMPARE(error["kind"].toString(), QString("error"));
    QCOMPARE(error["step"].toInt(), 3);
    QCOMPARE(error["title"].toString(), QString("CORPIMETRO"));
    QCOMPARE(error["failure"].toString(), QString("type mismatch"));
    QVERIFY(!t["ended"].toBool());
    QCOMPARE(t["screens"].toObject()["Form3"].toObject()["labels"].toObject()["Label13"].toString(),
             QString());
}

void TestScript::malformed_data()
{
    QTest::addColumn<QByteArray>("script");
    QTest::addColumn<QString>("says"); // part of the message on standard error

    QTest::newRow("not JSON") << QByteArray(R"({"steps": [)") << "malformed";
    QTest::newRow("not an object") << QByteArray(R"([{"show": "Form1"}])") << "malformed";
    QTest::newRow("unknown step key") << QByteArray(R"({"steps": [{"jump": "Form1"}]})") << "jump";
    QTest::newRow("unknown top-level key") << QByteArray(R"({"steps": [], "speed": 2})") << "speed";
    QTest::newRow("steps not an array") << QByteArray(R"({"steps": "Form1"})") << "steps";
    QTest::newRow("steps missing") << QByteArray(R"({"locale": "it_IT"})") << "steps";
    QTest::newRow("step with two keys")
        << QByteArray(R"({"steps": [{"show": "Form1", "click": "Form1.Command3"}]})")
        << "malformed";
    QTest::newRow("answer not a string")
        << QByteArray(R"({"steps": [{"answers": [2]}]})") << "answer";
    QTest::newRow("unknown locale") << QByteArray(R"({"locale": "xx_YY", "steps": []})") << "xx_YY";
}

void TestScript::malformed()
{
    QFETCH(QByteArray, script);
    QFETCH(QString, says);
    const Run run = runScript(script);
    QCOMPARE(run.exitCode, 2);
    const QString err = QString::fromLocal8Bit(run.err);
    QVERIFY2(err.contains(says), qPrintable(err));
    QVERIFY2(run.out.isEmpty(), run.out.constData()); // no transcript
}

// A name that turns out unknown while the steps run: exit 2, the step named,
// and the transcript of the steps already run.
void TestScript::unknownWhileRunning_data()
{
    QTest::addColumn<QByteArray>("script");
    QTest::addColumn<QString>("says");
    QTest::addColumn<QString>("shownBefore"); // a screen the earlier steps left visible

    QTest::newRow("unknown screen")
        << QByteArray(R"({"steps": [{"show": "Form99"}]})") << "step 0: unknown screen \"Form99\""
        << "Form1";
    QTest::newRow("unknown control at step 2")
        << QByteArray(R"({"steps": [{"click": "Form1.Command3"}, {"tick": "Form3.Check1"},
                                    {"click": "Form3.Command99"}]})")
        << "step 2: unknown control \"Form3.Command99\""
        << "Form3";
    QTest::newRow("control of an unknown screen")
        << QByteArray(R"({"steps": [{"tick": "Form99.Check1"}]})") << "step 0: unknown screen"
        << "Form1";
    // Only the controls a screen declares are controls: not an empty name,
    // which Qt's child lookup matches to any child, nor Qt's own children.
    QTest::newRow("empty control name on a menu")
        << QByteArray(R"({"steps": [{"click": "Form1."}]})") << "step 0: unknown control \"Form1.\""
        << "Form1";
    QTest::newRow("empty control name on a solver screen")
        << QByteArray(R"({"steps": [{"show": "Form3"}, {"tick": "Form3."}]})")
        << "step 1: unknown control \"Form3.\""
        << "Form3";
    QTest::newRow("Qt's viewport of a solver screen")
        << QByteArray(
               R"({"steps": [{"show": "Form3"}, {"click": "Form3.qt_scrollarea_viewport"}]})")
        << "step 1: unknown control \"Form3.qt_scrollarea_viewport\""
        << "Form3";
    QTest::newRow("Qt's viewport of a menu")
        << QByteArray(R"({"steps": [{"click": "Form1.qt_scrollarea_viewport"}]})")
        << "step 0: unknown control \"Form1.qt_scrollarea_viewport\""
        << "Form1";
    QTest::newRow("a 100 KB name is cut") << (QByteArray(R"({"steps": [{"click": "Form1.)")
                                              + QByteArray(100000, 'x') + QByteArray(R"("}]})"))
                                          << "step 0: unknown control \"Form1.xxxx"
                                          << "Form1";
}

void TestScript::unknownWhileRunning()
{
    QFETCH(QByteArray, script);
    QFETCH(QString, says);
    QFETCH(QString, shownBefore);
    const Run run = runScript(script);
    QCOMPARE(run.exitCode, 2);
    const QString err = QString::fromLocal8Bit(run.err);
    QVERIFY2(err.contains(says), qPrintable(err));
    QVERIFY2(err.size() < 400, "the message echoes the whole name");
    const QJsonObject screens = run.transcript()["screens"].toObject();
    QVERIFY2(screens[shownBefore].toObject()["visible"].toBool(), run.out.constData());
}

// Names echoed on standard error carry no control character: an escape
// sequence would reach the terminal, a NUL would cut the message.
void TestScript::hostileNamesAreEscaped_data()
{
    QTest::addColumn<QByteArray>("script");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("says");

    QTest::newRow("screen") << QByteArray(
        R"({"steps":[{"show":"X\u001b[31mRED\u001b[0m\u0000cut"}]})")
                            << 2 << R"(unknown screen "X\x1B[31mRED\x1B[0m\x00cut")";
    QTest::newRow("control") << QByteArray(R"({"steps":[{"click":"Form1.\u0007\u009b2J"}]})") << 2
                             << R"(unknown control "Form1.\x07\x9B2J")";
    QTest::newRow("control of an unknown screen")
        << QByteArray(R"({"steps":[{"tick":"\u001b]0;title\u0007.Check1"}]})") << 2
        << R"(unknown screen "\x1B]0;title\x07")";
    QTest::newRow("step kind") << QByteArray(R"({"steps":[{"\u001b[2J":"Form1"}]})") << 2
                               << R"(unknown step "\x1B[2J")";
    QTest::newRow("top-level key")
        << QByteArray(R"({"steps":[],"\r\u001b[K":1})") << 2 << R"(unknown key "\x0D\x1B[K")";
    QTest::newRow("locale") << QByteArray(R"({"locale":"\u001bc","steps":[]})") << 2
                            << R"(unknown locale "\x1Bc")";
}

void TestScript::hostileNamesAreEscaped()
{
    QFETCH(QByteArray, script);
    QFETCH(int, exitCode);
    QFETCH(QString, says);
    const Run run = runScript(script);
    QCOMPARE(run.exitCode, exitCode);
    const QString err = QString::fromUtf8(run.err);
    QVERIFY2(err.contains(says), qPrintable(err));
    for (const QChar c : err)
        QVERIFY2(c == '\n' || c.category() != QChar::Other_Control,
                 qPrintable(QString("control character U+%1 on standard error")
                                .arg(c.unicode(), 4, 16, QChar('0'))));
}

// A number typed with the wrong mark is refused with advice that names the
// mark the locale reads, whatever that mark is.
void TestScript::decimalAdvice_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("advice"); // empty: the number is read
    QTest::newRow("it_IT, point") << "it_IT"
                                  << "2.5"
                                  << "usando la virgola come separatore decimale (per esempio 2,5)";
    QTest::newRow("en_US, comma") << "en_US"
                                  << "2,5"
                                  << "usando il punto come separatore decimale (per esempio 2.5)";
    QTest::newRow("ar_EG, point") << "ar_EG"
                                  << "2.5"
                                  << QString::fromUtf8(
                                         "usando \"٫\" come separatore decimale "
                                         "(per esempio 2٫5), senza punti, senza virgole");
    QTest::newRow("ar_EG, comma") << "ar_EG"
                                  << "2,5"
                                  << QString::fromUtf8("usando \"٫\" come separatore decimale");
    QTest::newRow("ar_EG, its own mark") << "ar_EG" << QString::fromUtf8("2٫5") << QString();
}

void TestScript::decimalAdvice()
{
    QFETCH(QString, locale);
    QFETCH(QString, typed);
    QFETCH(QString, advice);
    const QJsonObject script{ { "locale", locale },
                              { "steps",
                                QJsonArray{ QJsonObject{ { "click", "Form1.Command3" } },
                                            QJsonObject{ { "tick", "Form3.Check1" } },
                                            QJsonObject{ { "answers", QJsonArray{ typed } } },
                                            QJsonObject{ { "click", "Form3.Command3" } } } } };
    const Run run = runScript(QJsonDocument(script).toJson());
    QCOMPARE(run.exitCode, 0);
    const QJsonObject t = run.transcript();
    QJsonArray errors;
    for (const auto &d : t["dialogs"].toArray())
        if (d.toObject()["kind"].toString() == "error")
            errors.append(d);
    const QString volume =
        t["screens"].toObject()["Form3"].toObject()["labels"].toObject()["Label13"].toString();
    if (advice.isEmpty()) {
        QVERIFY2(errors.isEmpty(), run.out.constData());
        QCOMPARE(volume, QString::fromUtf8("15٫625")); // 2,5^3
        return;
    }
    QCOMPARE(errors.size(), 1);
    const QString text = errors[0].toObject()["text"].toString();
    QVERIFY2(text.contains(advice), qPrintable(text));
    QCOMPARE(volume, QString());
}

// A script whose file name is not valid in the locale's encoding still opens.
void TestScript::fileNameNotInTheLocaleEncoding()
{
    QTemporaryDir dir;
    const QByteArray name = QFile::encodeName(dir.path()) + "/\xff\xfe-cubo.json";
    // QTemporaryDir cannot remove a name it cannot decode.
    struct RemoveAfter {
        QByteArray path;
        ~RemoveAfter() { std::remove(path.constData()); }
    } removeAfter{ name };
    std::FILE *f = std::fopen(name.constData(), "wb");
    QVERIFY(f);
    const QByteArray script = R"({"steps": [{"click": "Form1.Command3"}]})";
    QCOMPARE(std::fwrite(script.constData(), 1, script.size(), f), std::size_t(script.size()));
    QCOMPARE(std::fclose(f), 0);
    // The shell spells the bytes out: QProcess would pass the name re-encoded.
    const Run run =
        runThroughShell(R"(exec "$0" "$1/$(printf '\377\376')-cubo.json")", { dir.path() });
    QVERIFY2(run.exitCode == 0, run.err.constData());
    QVERIFY(run.transcript()["screens"].toObject()["Form3"].toObject()["visible"].toBool());
}

// A transcript that cannot be written is an error said on standard error,
// with exit 3, whatever the script did.
void TestScript::lostTranscript_data()
{
    QTest::addColumn<QString>("redirect");
    QTest::addColumn<QByteArray>("script");
    QTest::addColumn<int>("error"); // the reason given, in the C library's words
    const QByteArray ran = R"({"steps": [{"click": "Form1.Command3"}]})";
    const QByteArray unknown = R"({"steps": [{"click": "Form1.Command99"}]})";
    QTest::newRow("full device") << ">/dev/full" << ran << ENOSPC;
    QTest::newRow("closed") << ">&-" << ran << EBADF;
    QTest::newRow("closed after an unknown control") << ">&-" << unknown << EBADF;
}

void TestScript::lostTranscript()
{
    QFETCH(QString, redirect);
    QFETCH(QByteArray, script);
    QFETCH(int, error);
    QTemporaryDir dir;
    const QString path = scriptFile(dir, script);
    QVERIFY(!path.isEmpty());
    const Run run = runThroughShell(R"(exec "$0" "$1" )" + redirect, { path });
    QCOMPARE(run.exitCode, 3);
    const QString err = QString::fromLocal8Bit(run.err);
    QVERIFY2(err.contains("cannot write the transcript"), qPrintable(err));
    QVERIFY2(err.contains(QString::fromLocal8Bit(std::strerror(error))), qPrintable(err));
    // The file the script was read from is untouched.
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), script);
}

// A script with no steps shows the program as it starts: the main menu.
void TestScript::emptyScriptStartsOnTheMainMenu()
{
    const Run run = runScript(R"({"steps": []})");
    QCOMPARE(run.exitCode, 0);
    const QJsonObject screens = run.transcript()["screens"].toObject();
    QCOMPARE(screens.keys(), QStringList{ "Form1" });
    QVERIFY(screens["Form1"].toObject()["visible"].toBool());
    QCOMPARE(screens["Form1"].toObject()["caption"].toString(), QString("CORPIMETRO"));

    const Run cube = runScript(R"({"steps": [{"show": "Form3"}]})");
    const QJsonObject both = cube.transcript()["screens"].toObject();
    QVERIFY(both["Form1"].toObject()["visible"].toBool());
    QVERIFY(both["Form3"].toObject()["visible"].toBool());
}

void TestScript::usage()
{
    QProcess p;
    p.start(CORPIMETRO_SCRIPT, {});
    QVERIFY(p.waitForFinished(60000));
    QCOMPARE(p.exitCode(), 2);
    QVERIFY(p.readAllStandardError().contains("usage"));
}

// Scripts as a fuzzer writes them: read by the core's reader, the same bytes
// give the same answer here and in web/run-script (web/tests/hostile.mjs
// holds the same kinds of script for the parity test).
void TestScript::hostile_data()
{
    QTest::addColumn<QByteArray>("script");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("says"); // on standard error; empty: nothing said

    const QByteArray bom("\xEF\xBB\xBF");
    const QByteArray cube(R"("steps":[{"click":"Form1.Command3"},{"tick":"Form3.Check1"},)");
    auto answer = [&](const QByteArray &a) {
        return "{" + cube + R"({"answers":[")" + a + R"("]},{"click":"Form3.Command3"}]})";
    };

    QTest::newRow("empty file") << QByteArray() << 2
                                << "malformed script: parse error at line 1, column 1";
    QTest::newRow("only white space") << QByteArray(" \n\t\r\n") << 2 << "unexpected end of input";
    QTest::newRow("only a byte-order mark") << bom << 2 << "unexpected end of input";
    QTest::newRow("byte-order mark starting the file")
        << bom + R"({"steps":[{"show":"Form3"}]})" << 0 << "";
    QTest::newRow("two byte-order marks")
        << bom + bom + R"({"steps":[]})" << 2 << "malformed script";
    QTest::newRow("byte-order mark starting a screen name")
        << R"({"steps":[{"show":")" + bom + R"(Form3"}]})" << 2
        << QString::fromUtf8("step 0: unknown screen \"\xEF\xBB\xBF"
                             "Form3\"");
    QTest::newRow("byte-order mark starting the locale")
        << R"({"locale":")" + bom + R"(it_IT","steps":[]})" << 2 << "unknown locale";
    QTest::newRow("byte-order mark starting an answer") << answer(bom + "2") << 0 << "";
    QTest::newRow("invalid UTF-8 in a string") << answer("\xFF") << 2 << "ill-formed UTF-8 byte";
    QTest::newRow("invalid UTF-8 outside strings")
        << QByteArray("{\xFF\"steps\":[]}") << 2
        << "malformed script: parse error at line 1, column 2";
    QTest::newRow("overlong UTF-8") << answer("\xC0\xAF") << 2 << "ill-formed UTF-8 byte";
    QTest::newRow("UTF-8 of a surrogate") << answer("\xED\xA0\x80") << 2 << "ill-formed UTF-8 byte";
    QTest::newRow("UTF-8 cut short at the end")
        << QByteArray("{\"steps\":[{\"show\":\"\xE2\x82") << 2 << "malformed script";
    QTest::newRow("raw control byte in a string")
        << answer("\x01") << 2 << "control character U+0001 (SOH) must be escaped";
    QTest::newRow("raw tab in a string") << answer("2\t") << 2 << "must be escaped";
    QTest::newRow("raw NUL in a string") << answer(QByteArray("2\0", 2)) << 2 << "must be escaped";
    QTest::newRow("lone high surrogate")
        << answer("\\ud800") << 2 << "surrogate U+D800..U+DBFF must be followed by U+DC00..U+DFFF";
    QTest::newRow("lone low surrogate")
        << answer("\\udc00") << 2 << "surrogate U+DC00..U+DFFF must follow U+D800..U+DBFF";
    QTest::newRow("high surrogate then a letter") << answer("\\ud800x") << 2 << "surrogate";
    QTest::newRow("surrogate pair") << answer("\\ud83d\\ude00") << 0 << "";
    QTest::newRow("NUL escape in an answer") << answer("\\u0000") << 0 << "";
    QTest::newRow("NUL escape in a screen name")
        << QByteArray(R"({"steps":[{"show":"Form3\u0000"}]})") << 2
        << R"(step 0: unknown screen "Form3\x00")";
    QTest::newRow("nested 33 deep") << QByteArray(33, '[') + QByteArray(33, ']') << 2
                                    << "malformed script: nested more than 32 deep";
    QTest::newRow("nested 32 deep")
        << QByteArray(32, '[') + QByteArray(32, ']') << 2 << "the script must be a JSON object";
    QTest::newRow("nested a million deep")
        << QByteArray(1000000, '[') << 2 << "nested more than 32 deep";
    QTest::newRow("steps twice") << QByteArray(R"({"steps":[],"steps":[{"show":"Form3"}]})") << 2
                                 << R"(malformed script: duplicate key "steps")";
    QTest::newRow("a step kind twice")
        << QByteArray(R"({"steps":[{"show":"Form3","show":"Form2"}]})") << 2
        << R"(duplicate key "show")";
    QTest::newRow("the same key in two steps")
        << QByteArray(R"({"steps":[{"show":"Form3"},{"show":"Form2"}]})") << 0 << "";
    QTest::newRow("steps null") << QByteArray(R"({"steps":null})") << 2
                                << R"("steps" must be an array)";
    QTest::newRow("locale a number")
        << QByteArray(R"({"locale":7,"steps":[]})") << 2 << R"("locale" must be a string)";
    QTest::newRow("screen a number")
        << QByteArray(R"({"steps":[{"show":3}]})") << 2 << R"(step 0: "show" takes a string)";
    QTest::newRow("answers an object") << QByteArray(R"({"steps":[{"answers":{"a":"2"}}]})") << 2
                                       << R"(step 0: "answers" takes an array)";
    QTest::newRow("an answer true") << QByteArray(R"({"steps":[{"answers":[true]}]})") << 2
                                    << "step 0: an answer is a string or null";
    QTest::newRow("a step that is a string")
        << QByteArray(R"({"steps":["show"]})") << 2 << "step 0: a step is an object with one key";
    QTest::newRow("an empty step")
        << QByteArray(R"({"steps":[{}]})") << 2 << "step 0: a step is an object with one key";
    QTest::newRow("trailing comma") << QByteArray(R"({"steps":[],})") << 2 << "malformed script";
    QTest::newRow("comment") << QByteArray("// cube\n{\"steps\":[]}") << 2 << "malformed script";
    QTest::newRow("single quotes") << QByteArray("{'steps':[]}") << 2 << "malformed script";
    QTest::newRow("NaN") << QByteArray(R"({"steps":[{"answers":[NaN]}]})") << 2
                         << "malformed script";
    QTest::newRow("two documents")
        << QByteArray(R"({"steps":[]}{"steps":[]})") << 2 << "malformed script";
    QTest::newRow("unknown key") << QByteArray(R"({"steps":[],"Steps":[]})") << 2
                                 << R"(unknown key "Steps")";
    QTest::newRow("a 1 MB answer") << answer(QByteArray(1 << 20, '7')) << 0 << "";
    QTest::newRow("a 1 MB screen name")
        << R"({"steps":[{"show":")" + QByteArray(1 << 20, 'F') + R"("}]})" << 2
        << R"(unknown screen "FFFF)";
    QTest::newRow("a 1 MB unknown key")
        << R"({"steps":[],")" + QByteArray(1 << 20, 'k') + R"(":1})" << 2 << R"(unknown key "kkkk)";
}

void TestScript::hostile()
{
    QFETCH(QByteArray, script);
    QFETCH(int, exitCode);
    QFETCH(QString, says);
    const Run run = runScript(script);
    QCOMPARE(run.exitCode, exitCode);
    const QString err = QString::fromUtf8(run.err);
    if (says.isEmpty())
        QCOMPARE(err, QString());
    else
        QVERIFY2(err.startsWith("corpimetro-script: ") && err.contains(says), qPrintable(err));
    QVERIFY2(err.size() < 400, "the message echoes the whole script");
    // A script refused as malformed runs nothing: no transcript.
    QCOMPARE(run.out.isEmpty(), err.contains("malformed script"));
}

// Every character of a string reaches the program as written: a byte-order
// mark starting it too (Qt's own JSON reader would drop it, so the transcript
// is looked at as bytes).
void TestScript::stringsKeepEveryCharacter_data()
{
    QTest::addColumn<QByteArray>("written");
    QTest::addColumn<QByteArray>("recorded"); // as the transcript writes the answer
    QTest::newRow("raw byte-order mark") << QByteArray("\xEF\xBB\xBF"
                                                       "2")
                                         << QByteArray("\xEF\xBB\xBF"
                                                       "2");
    QTest::newRow("escaped byte-order mark") << QByteArray("\\ufeff2")
                                             << QByteArray("\xEF\xBB\xBF"
                                                           "2");
    QTest::newRow("NUL") << QByteArray("2\\u00003") << QByteArray("2\\u00003");
    QTest::newRow("outside the BMP")
        << QByteArray("\\ud83d\\ude00") << QByteArray("\xF0\x9F\x98\x80");
}

void TestScript::stringsKeepEveryCharacter()
{
    QFETCH(QByteArray, written);
    QFETCH(QByteArray, recorded);
    const Run run =
        runScript(R"({"steps":[{"click":"Form1.Command3"},{"tick":"Form3.Check1"},{"answers":[")"
                  + written + R"("]},{"click":"Form3.Command3"}]})");
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.out.contains("\"answer\": \"" + recorded + "\""), run.out.left(400).constData());
    // Not a number: refused as typed, never computed as the digits it holds.
    QVERIFY2(run.out.contains("non \xC3\xA8 un numero"), run.out.left(800).constData());
}

// A locale as $LANG writes it means its language and territory.
void TestScript::localeAsLangWritesIt_data()
{
    QTest::addColumn<QByteArray>("locale");
    QTest::addColumn<QString>("volume"); // of a cube of side "2,5" typed; empty: refused
    QTest::newRow("it_IT.UTF-8") << QByteArray("it_IT.UTF-8") << "15,625";
    QTest::newRow("it_IT.utf8@euro") << QByteArray("it_IT.utf8@euro") << "15,625";
    QTest::newRow("de_DE@euro") << QByteArray("de_DE@euro") << "15,625";
    QTest::newRow("it-IT") << QByteArray("it-IT") << "15,625";
    QTest::newRow("IT_it") << QByteArray("IT_it") << "15,625";
    QTest::newRow("it") << QByteArray("it") << "15,625";
    QTest::newRow("en_US@euro (a point)") << QByteArray("en_US@euro") << "";
    QTest::newRow("C.UTF-8 (a point)") << QByteArray("C.UTF-8") << "";
    QTest::newRow("POSIX (a point)") << QByteArray("POSIX") << "";
    QTest::newRow("it_IT. (no codeset)") << QByteArray("it_IT.") << "refused";
    QTest::newRow("it_IT@ (no modifier)") << QByteArray("it_IT@") << "refused";
    QTest::newRow("it_IT_IT") << QByteArray("it_IT_IT") << "refused";
    QTest::newRow("empty") << QByteArray("") << "refused";
}

void TestScript::localeAsLangWritesIt()
{
    QFETCH(QByteArray, locale);
    QFETCH(QString, volume);
    const Run run = runScript(R"({"locale":")" + locale
                              + R"(","steps":[{"click":"Form1.Command3"},{"tick":"Form3.Check1"},)"
                                R"({"answers":["2,5"]},{"click":"Form3.Command3"}]})");
    if (volume == "refused") {
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.contains("malformed script: unknown locale"), run.err.constData());
        return;
    }
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.transcript()["screens"]
                 .toObject()["Form3"]
                 .toObject()["labels"]
                 .toObject()["Label13"]
                 .toString(),
             volume);
}

QTEST_GUILESS_MAIN(TestScript)
#include "test_script.moc"

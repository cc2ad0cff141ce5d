// corpimetro-script, the headless driver: its transcript, standard input, and
// its exit status for good and malformed scripts.
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
    QJsonObject transcript() const { return QJsonDocument::fromJson(out).object(); }
};

// Runs the tool on `script`, given as a file or (with `viaStdin`) on standard input.
Run runScript(const QByteArray &script, bool viaStdin = false)
{
    Run result;
    QTemporaryDir dir;
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    p.setProcessEnvironment(env);
    if (viaStdin) {
        p.start(CORPIMETRO_SCRIPT, { "-" });
        if (!p.waitForStarted(10000))
            return result;
        p.write(script);
        p.closeWriteChannel();
    } else {
        const QString path = dir.filePath("script.json");
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly))
            return result;
        f.write(script);
        f.close();
        p.start(CORPIMETRO_SCRIPT, { path });
    }
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
    void emptyScriptStartsOnTheMainMenu();
    void usage();
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

QTEST_GUILESS_MAIN(TestScript)
#include "test_script.moc"

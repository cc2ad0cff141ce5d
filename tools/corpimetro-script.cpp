// corpimetro-script: drives the program's real screens from a JSON script on
// Qt's offscreen platform and prints a JSON transcript of what happened.
//
//   corpimetro-script SCRIPT.json      (or - for standard input)
//
// Exit 0 when the script ran, whatever the program did; exit 2 for a malformed
// script (nothing is run) or an unknown screen or control name met while
// running (the step is named on standard error and the transcript of the steps
// already run is printed).
#include "scriptrunner.h"

#include <QApplication>
#include <QFile>
#include <QJsonDocument>
#include <QTextStream>

#include <cstdio>

namespace {

QJsonObject readScript(const QString &path)
{
    QFile in;
    if (path == QStringLiteral("-")) {
        if (!in.open(stdin, QIODevice::ReadOnly))
            throw script::ScriptError{ QStringLiteral("cannot read standard input") };
    } else {
        in.setFileName(path);
        if (!in.open(QIODevice::ReadOnly))
            throw script::ScriptError{ QStringLiteral("cannot read %1").arg(path) };
    }
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(in.readAll(), &error);
    if (error.error != QJsonParseError::NoError)
        throw script::ScriptError{ QStringLiteral("malformed script: %1 at offset %2")
                                       .arg(error.errorString())
                                       .arg(error.offset) };
    if (!doc.isObject())
        throw script::ScriptError{ QStringLiteral(
            "malformed script: the script must be a JSON object") };
    return doc.object();
}

// Qt's own chatter about the offscreen platform would only hide real messages.
void quiet(QtMsgType type, const QMessageLogContext &, const QString &msg)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(msg));
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc != 2) {
        std::fputs("usage: corpimetro-script SCRIPT.json   (or - for standard input)\n", stderr);
        return 2;
    }
    qInstallMessageHandler(quiet);
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    try {
        const QJsonObject script = readScript(QString::fromLocal8Bit(argv[1]));
        script::Runner::validate(script);
        script::Runner runner(
            script.value(QStringLiteral("locale")).toString(QStringLiteral("en_US")));
        int status = 0;
        try {
            runner.run(script.value(QStringLiteral("steps")).toArray());
        } catch (const script::ScriptError &e) {
            std::fprintf(stderr, "corpimetro-script: %s\n", qPrintable(e.message));
            status = 2;
        }
        QTextStream(stdout) << QJsonDocument(runner.transcript()).toJson(QJsonDocument::Indented);
        return status;
    } catch (const script::ScriptError &e) {
        std::fprintf(stderr, "corpimetro-script: %s\n", qPrintable(e.message));
        return 2;
    }
}

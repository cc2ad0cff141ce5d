// corpimetro-golden: runs scripts as corpimetro-script does (a fresh runner
// each, on Qt's offscreen platform) and prints for each the line
//
//   {"script":<the script>,"transcript":<its transcript>}
//
// both in compact JSON. Reads one script per line on standard input (as
// corpimetro-scriptgen prints them). The golden transcripts under
// tests/golden/ are made with it, with --stored: without the screens' worked
// solutions, which the golden comparison leaves out; see the README there.
#include "scriptrunner.h"

#include <QApplication>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

namespace {

void quiet(QtMsgType type, const QMessageLogContext &, const QString &msg)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(msg));
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quiet);
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    const bool asStored = QApplication::arguments().contains(QStringLiteral("--stored"));

    QFile in, out;
    if (!in.open(stdin, QIODevice::ReadOnly) || !out.open(stdout, QIODevice::WriteOnly))
        return 1;
    int lineNumber = 0;
    while (!in.atEnd()) {
        const QByteArray line = in.readLine().trimmed();
        ++lineNumber;
        if (line.isEmpty())
            continue;
        try {
            // Read as corpimetro-script reads a script file.
            const solver::script::Script script = script::Runner::read(line);
            const QJsonDocument doc = QJsonDocument::fromJson(line);
            script::Runner runner(script::fromUtf8(script.locale));
            runner.run(script);
            out.write("{\"script\":" + doc.toJson(QJsonDocument::Compact) + ",\"transcript\":"
                      + QJsonDocument(asStored
                                          ? script::Runner::withoutSolutions(runner.transcript())
                                          : runner.transcript())
                            .toJson(QJsonDocument::Compact)
                      + "}\n");
        } catch (const script::ScriptError &e) {
            // The golden set holds only scripts that run to their end.
            std::fprintf(stderr, "corpimetro-golden: line %d: %s\n", lineNumber,
                         qPrintable(e.message));
            return 2;
        }
    }
    return out.flush() ? 0 : 1;
}

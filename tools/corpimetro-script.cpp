// corpimetro-script: drives the program's real screens from a JSON script on
// Qt's offscreen platform and prints a JSON transcript of what happened.
//
//   corpimetro-script SCRIPT.json      (or - for standard input)
//
// Exit 0 when the script ran, whatever the program did; exit 2 for a malformed
// script (nothing is run) or an unknown screen or control name met while
// running (the step is named on standard error and the transcript of the steps
// already run is printed); exit 3 when the transcript cannot be written to
// standard output (closed, full, a broken pipe), said on standard error.
//
// The script's bytes are read by the core's reader (src/solver/script.h), the
// one web/run-script reads them with: strict JSON in UTF-8.
#include "scriptrunner.h"

#include <QApplication>
#include <QFile>
#include <QJsonDocument>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int kTranscriptLost = 3;

// Writes the transcript whole, or says why it could not.
bool writeTranscript(const QByteArray &json)
{
    // A closed pipe is an error to report, not a signal that ends the program.
    std::signal(SIGPIPE, SIG_IGN);
    errno = 0;
    const bool written =
        std::fwrite(json.constData(), 1, json.size(), stdout) == std::size_t(json.size())
        && std::fflush(stdout) == 0 && !std::ferror(stdout);
    if (!written)
        std::fprintf(stderr,
                     "corpimetro-script: cannot write the transcript to standard output: %s\n",
                     errno ? std::strerror(errno) : "write error");
    return written;
}

// A standard stream that is closed keeps its number, held by a file that can
// be neither read nor written usefully: otherwise the first file opened would
// take it, and the transcript would be written into that file.
void holdClosedStreams()
{
    for (int fd : { STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO }) {
        if (::fcntl(fd, F_GETFD) >= 0)
            continue;
        const int null = ::open("/dev/null", O_RDONLY);
        if (null >= 0 && null != fd) {
            ::dup2(null, fd);
            ::close(null);
        }
    }
}

// The bytes of the script file, its name as given: a name that is not valid
// in the locale's encoding must still open.
QByteArray readScript(const char *path)
{
    QFile in;
    if (std::strcmp(path, "-") == 0) {
        if (!in.open(stdin, QIODevice::ReadOnly))
            throw script::ScriptError{ QStringLiteral("cannot read standard input") };
    } else {
        const int fd = ::open(path, O_RDONLY | O_CLOEXEC);
        if (fd < 0 || !in.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
            const QString why = QString::fromLocal8Bit(std::strerror(errno));
            if (fd >= 0)
                ::close(fd);
            throw script::ScriptError{ QStringLiteral("cannot read ")
                                       + script::quoted(QString::fromLocal8Bit(path)) + ": "
                                       + why };
        }
    }
    return in.readAll();
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
    holdClosedStreams();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc != 2) {
        std::fputs("usage: corpimetro-script SCRIPT.json   (or - for standard input)\n", stderr);
        return 2;
    }
    qInstallMessageHandler(quiet);
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    try {
        // Read by the core's reader, as the web edition reads it.
        const solver::script::Script script = script::Runner::read(readScript(argv[1]));
        script::Runner runner(script::fromUtf8(script.locale));
        int status = 0;
        try {
            runner.run(script);
        } catch (const script::ScriptError &e) {
            std::fprintf(stderr, "corpimetro-script: %s\n", qPrintable(e.message));
            status = 2;
        }
        if (!writeTranscript(QJsonDocument(runner.transcript()).toJson(QJsonDocument::Indented)))
            return kTranscriptLost;
        return status;
    } catch (const script::ScriptError &e) {
        std::fprintf(stderr, "corpimetro-script: %s\n", qPrintable(e.message));
        return 2;
    }
}

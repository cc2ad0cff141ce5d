// Start-up benchmark: CORPIMETRO against a bare Qt Widgets program, then the
// first show of every screen and one "Calcola" on each solver screen.
//
//     build/bench/corpimetro-bench [repetitions]
//
// The two programs run alternately, `repetitions` times each (default 20);
// medians are reported. Screens are whatever the menus and the solid registry
// hold when it runs.
#include "app/menus.h"
#include "scriptrunner.h"
#include "solids/solids.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct Run {
    double shownMs = 0; // from exec to the first window painted
    double cpuMs = 0;   // user + system, whole process
    long peakKiB = 0;   // at the first window painted
    long maxrssKiB = 0; // whole process, as seen from outside
};

long long nowNs()
{
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1000000000LL + ts.tv_nsec;
}

bool runOnce(const char *program, Run &out)
{
    int fds[2];
    if (pipe(fds) != 0)
        return false;
    const std::string t0 = std::to_string(nowNs());
    const pid_t pid = fork();
    if (pid < 0)
        return false;
    if (pid == 0) {
        dup2(fds[1], STDOUT_FILENO);
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, STDERR_FILENO); // Qt's warnings are not figures
        close(fds[0]);
        close(fds[1]);
        setenv("CORPIMETRO_BENCH_T0", t0.c_str(), 1);
        execl(program, program, static_cast<char *>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    std::string line;
    char buf[256];
    for (ssize_t n; (n = read(fds[0], buf, sizeof buf)) > 0;)
        line.append(buf, static_cast<size_t>(n));
    close(fds[0]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    long long shownNs = -1;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0
        || std::sscanf(line.c_str(), "shown %lld %ld", &shownNs, &out.peakKiB) != 2)
        return false;
    out.shownMs = shownNs / 1e6;
    out.maxrssKiB = usage.ru_maxrss;
    out.cpuMs = (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3
                + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
    return true;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

const char *verdict(bool ok)
{
    return ok ? "ok" : "OVER TARGET";
}

bool compareStartUp(int repetitions)
{
    std::vector<double> shown[2], cpu[2], peak[2], maxrss[2];
    const char *programs[2] = { CORPIMETRO_BENCH_BARE, CORPIMETRO_BENCH_PRODUCT };
    for (int i = 0; i < repetitions; ++i)
        for (int p = 0; p < 2; ++p) {
            Run r;
            if (!runOnce(programs[p], r)) {
                std::fprintf(stderr, "%s did not report its first window\n", programs[p]);
                return false;
            }
            shown[p].push_back(r.shownMs);
            cpu[p].push_back(r.cpuMs);
            peak[p].push_back(static_cast<double>(r.peakKiB));
            maxrss[p].push_back(static_cast<double>(r.maxrssKiB));
        }
    std::printf("Start-up, median of %d alternating runs each\n", repetitions);
    std::printf("  %-28s %10s %10s %8s\n", "", "bare Qt", "CORPIMETRO", "ratio");
    bool ok = true;
    auto row = [&](const char *what, std::vector<double> *v, const char *unit) {
        const double a = median(v[0]), b = median(v[1]);
        const double ratio = a > 0 ? b / a : 0;
        ok = ok && ratio <= 1.3;
        std::printf("  %-28s %8.1f%-2s %8.1f%-2s %7.2fx  %s\n", what, a, unit, b, unit, ratio,
                    verdict(ratio <= 1.3));
    };
    row("start to main menu shown", shown, "ms");
    row("CPU time (user + system)", cpu, "ms");
    row("peak memory at menu shown", peak, "K");
    row("peak memory, whole run", maxrss, "K");
    return ok;
}

QStringList allScreens()
{
    QStringList out = app::menuFactories().keys();
    for (const auto &name : solids::names())
        out << QString::fromStdString(name);
    return out;
}

bool timeScreens()
{
    // Warm up what every first window pays once (fonts, style).
    {
        script::Runner warm;
        warm.show(QStringLiteral("Form1"));
        QCoreApplication::processEvents();
    }
    std::printf("\nFirst show of every screen (target < 20 ms) and one \"Calcola\" "
                "(target < 1 ms)\n");
    bool ok = true;
    int count = 0;
    for (const QString &name : allScreens()) {
        script::Runner runner;
        QElapsedTimer t;
        t.start();
        runner.show(name);
        QCoreApplication::processEvents();
        const double showMs = t.nsecsElapsed() / 1e6;
        ok = ok && showMs < 20;
        std::printf("  %-8s show %7.2f ms %s", qPrintable(name), showMs, verdict(showMs < 20));
        if (const auto *screen = solids::find(name.toStdString())) {
            for (const auto &check : screen->checks)
                runner.tick(name + QLatin1Char('.') + QString::fromStdString(check.name));
            for (const auto &button : screen->solvers) {
                runner.answers(QList<std::optional<QString>>(64, QStringLiteral("2")));
                t.restart();
                runner.click(name + QLatin1Char('.') + QString::fromStdString(button.name));
                const double calcMs = t.nsecsElapsed() / 1e6;
                ok = ok && calcMs < 1;
                std::printf("   %s %6.3f ms %s", button.name.c_str(), calcMs, verdict(calcMs < 1));
            }
        }
        std::printf("\n");
        ++count;
    }
    std::printf("  %d screens\n", count);
    return ok;
}

} // namespace

int main(int argc, char *argv[])
{
    const int repetitions = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    const bool startOk = compareStartUp(repetitions);
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    QApplication app(argc, argv);
    const bool screensOk = timeScreens();
    std::printf("\n%s\n", startOk && screensOk ? "All targets met." : "Some targets missed.");
    return startOk && screensOk ? 0 : 1;
}

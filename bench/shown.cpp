// Linked into both programs the start-up benchmark compares: the moment the
// first window is on screen and painted, reports how long the process took to
// get there and its peak memory, then quits the event loop.
//
// The benchmark passes the moment it started the process (CLOCK_MONOTONIC, in
// nanoseconds) in CORPIMETRO_BENCH_T0 and reads one line from standard output:
//     shown <nanoseconds since T0> <peak resident KiB>
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QWindow>

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

long long nowNs()
{
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1000000000LL + ts.tv_nsec;
}

long peakKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

class ShownWatcher : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *target, QEvent *event) override
    {
        if (!m_seen && event->type() == QEvent::Expose) {
            auto *window = qobject_cast<QWindow *>(target);
            if (window && window->isExposed()) {
                m_seen = true;
                // Queued: runs once the window has handled its expose and painted.
                QMetaObject::invokeMethod(this, &ShownWatcher::report, Qt::QueuedConnection);
            }
        }
        return false;
    }

private:
    void report()
    {
        const char *t0 = std::getenv("CORPIMETRO_BENCH_T0");
        const long long since = t0 ? nowNs() - std::atoll(t0) : -1;
        std::printf("shown %lld %ld\n", since, peakKiB());
        std::fflush(stdout);
        QCoreApplication::exit(0);
    }

    bool m_seen = false;
};

void watchFirstWindow()
{
    qApp->installEventFilter(new ShownWatcher(qApp));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(watchFirstWindow)

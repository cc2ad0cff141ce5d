// corpimetro-scriptgen: prints random scripts for corpimetro-script, one line
// of compact JSON each, drawn from a seed.
//
//   corpimetro-scriptgen --seed S --count N [--locale it_IT|en_US] [--choices]
//
// The same seed and count give the same lines on any build. Without --locale
// the scripts are for it_IT and en_US, about half each. With --choices about
// one script in five also makes choices of unit, decimals and specific
// weight, as "preferences" or "choose" steps; the other scripts are the same
// as without it. The menus are clicked
// on Qt's offscreen platform to learn the ways to every screen.
#include "scriptgen.h"
#include "scriptgenroutes.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

void quiet(QtMsgType type, const QMessageLogContext &, const QString &msg)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(msg));
}

int usage()
{
    std::fputs("usage: corpimetro-scriptgen --seed S --count N [--locale it_IT|en_US] "
               "[--choices]\n",
               stderr);
    return 2;
}

bool number(const char *text, unsigned long long &out)
{
    char *end = nullptr;
    if (!*text || *text == '-')
        return false;
    out = std::strtoull(text, &end, 10);
    return *end == '\0';
}

} // namespace

int main(int argc, char *argv[])
{
    unsigned long long seed = 0, count = 0;
    bool haveSeed = false, haveCount = false, choices = false;
    std::string locale;
    for (int i = 1; i < argc; ++i) {
        const char *a = argv[i];
        if (!std::strcmp(a, "--choices")) {
            choices = true;
            continue;
        }
        if (i + 1 >= argc)
            return usage();
        if (!std::strcmp(a, "--seed"))
            haveSeed = number(argv[++i], seed);
        else if (!std::strcmp(a, "--count"))
            haveCount = number(argv[++i], count);
        else if (!std::strcmp(a, "--locale")) {
            locale = argv[++i];
            if (locale != "it_IT" && locale != "en_US")
                return usage();
        } else
            return usage();
    }
    if (!haveSeed || !haveCount)
        return usage();

    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quiet);
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);

    const auto catalogue = scriptgen::Catalogue::fromRegistry();
    const scriptgen::Generator generator(
        catalogue, scriptgen::routesFrom(scriptgen::findHops(), catalogue), seed, locale, choices);
    if (count < generator.batches().size())
        std::fprintf(stderr,
                     "corpimetro-scriptgen: note: %zu scripts are needed to press every case "
                     "with every kind of answer\n",
                     generator.batches().size());
    for (unsigned long long i = 0; i < count; ++i) {
        const std::string line = scriptgen::toJson(generator.script(i)) + "\n";
        std::fwrite(line.data(), 1, line.size(), stdout);
    }
    return std::fflush(stdout) == 0 ? 0 : 1;
}

// Number reading and display against the standard library's correctly rounded
// std::from_chars and std::to_chars, which the program cannot use everywhere:
// the reference (fuzz/numbers_reference.h) is the from_chars/to_chars path the
// program has used on the desktop, and the program's own exact path must agree with it on
// every input, bit for bit and character for character.
#include "solver/numberformat.h"

#include "../fuzz/numbers_reference.h"

#include <QTest>

#include <algorithm>
#include <bit>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <system_error>

using solver::NumberFormat;
using solver::Reading;

namespace {

std::uint64_t bitsOf(double d)
{
    std::uint64_t u;
    std::memcpy(&u, &d, sizeof u);
    return u;
}

double fromBits(std::uint64_t u)
{
    double d;
    std::memcpy(&d, &u, sizeof d);
    return d;
}

// Empty when the two readings agree, else what differs.
QString compareReading(const std::string &text, const NumberFormat &format)
{
    const Reading got = solver::readNumber(text, format);
    const Reading want = reference::readNumber(text, format);
    if (got.status == want.status && bitsOf(got.value) == bitsOf(want.value))
        return {};
    return QStringLiteral("\"%1\" (decimal %2): got status %3 value %4, want status %5 value %6")
        .arg(QString::fromStdString(text.size() > 120 ? text.substr(0, 120) + "..." : text),
             QString::fromStdString(format.decimal))
        .arg(int(got.status))
        .arg(got.value, 0, 'g', 17)
        .arg(int(want.status))
        .arg(want.value, 0, 'g', 17);
}

QString compareDisplay(double value, int digits, const NumberFormat &format)
{
    const std::string got = solver::formatNumber(value, digits, format);
    const std::string want = reference::formatNumber(value, digits, format);
    if (got == want)
        return {};
    return QStringLiteral("%1 to %2 digits: got %3, want %4")
        .arg(value, 0, 'g', 17)
        .arg(digits)
        .arg(QString::fromStdString(got), QString::fromStdString(want));
}

// The exact decimal expansion of a long double (enough digits for any of them).
std::string exactDecimal(long double x)
{
    char buf[12000];
    const auto r = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::scientific, 11000);
    std::string s(buf, r.ptr);
    const std::size_t e = s.find('e');
    std::string mantissa = s.substr(0, e);
    while (mantissa.back() == '0')
        mantissa.pop_back();
    if (mantissa.back() == '.')
        mantissa.pop_back();
    return mantissa + s.substr(e);
}

// The point of a decimal text written under the format's separator.
std::string underFormat(std::string s, const NumberFormat &format)
{
    const std::size_t p = s.find('.');
    if (p != std::string::npos)
        s.replace(p, 1, format.decimal);
    return s;
}

std::string randomDigits(std::mt19937_64 &rng, int count)
{
    std::string s;
    for (int k = 0; k < count; ++k)
        s += static_cast<char>('0' + rng() % 10);
    return s;
}

const NumberFormat kFormats[] = { NumberFormat::point(), NumberFormat::comma() };

} // namespace

class TestCoreNumbers : public QObject {
    Q_OBJECT
private slots:
    void edgeReadings_data();
    void edgeReadings();
    void randomReadings_data();
    void randomReadings();
    void edgeDisplays_data();
    void edgeDisplays();
    void randomDisplays_data();
    void randomDisplays();
    void integers();
    void displayTime_data();
    void displayTime();
};

void TestCoreNumbers::edgeReadings_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("tooLarge");
    QTest::addColumn<double>("value"); // NaN: not a number
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double minSub = std::numeric_limits<double>::denorm_min();
    const double max = std::numeric_limits<double>::max();
    struct Row {
        const char *text;
        bool tooLarge;
        double value;
    };
    const Row rows[] = {
        { "", false, nan },
        { "   ", false, nan },
        { "+", false, nan },
        { "-", false, nan },
        { ".", false, nan },
        { "1e", false, nan },
        { "1e+", false, nan },
        { "e5", false, nan },
        { "1.5.5", false, nan },
        { "1..5", false, nan },
        { "inf", false, nan },
        { "nan", false, nan },
        { "0x10", false, nan },
        { "1 000", false, nan },
        { "--1", false, nan },
        { "1e5.5", false, nan },
        { "0", false, 0.0 },
        { "-0", false, -0.0 },
        { "00000.00000", false, 0.0 },
        { "1.", false, 1.0 },
        { ".5", false, 0.5 },
        { " \t2.5\t ", false, 2.5 },
        { "+7", false, 7.0 },
        { "0.1", false, 0.1 },
        { "1E-05", false, 1e-5 },
        { "1e+15", false, 1e15 },
        { "9007199254740993", false, 9007199254740992.0 }, // tie, to even
        { "9007199254740995", false, 9007199254740996.0 }, // tie, to even
        { "9007199254740993.0000000000000001", false, 9007199254740994.0 },
        { "1.7976931348623157e308", false, max },
        { "1.7976931348623158e308", false, max },
        { "1.7976931348623159e308", true, 0.0 },
        { "179769313486231580793728971405303415079934132710037826936173778980444968292764750946"
          "649017977587207096330286416692887910946555547851940402630657488671505820681908902000"
          "708383676273854845817711531764475730270069855571366959622842914819860834936475292719"
          "074168444365510704342711559699508093042880177904174497791.9999",
          false, max }, // just under the halfway point above the largest double
        { "1e309", true, 0.0 },
        { "-1e309", true, 0.0 },
        { "1e99999999999999999999", true, 0.0 },
        { "0e99999999999999999999", false, 0.0 },
        { "4.9406564584124654e-324", false, minSub },
        { "2.4703282292062327e-324", false, 0.0 }, // under half the smallest subnormal
        { "2.4703282292062328e-324", false, minSub },
        { "2.2250738585072011e-308", false, 2.225073858507201e-308 }, // largest subnormal
        { "2.2250738585072014e-308", false, 2.2250738585072014e-308 },
        { "1e-400", false, 0.0 },
        { "-1e-400", false, -0.0 },
        { "1e-99999999999999999999", false, 0.0 },
        { "0.000000000000000000000000000000000000001e39", false, 1.0 },
    };
    for (const auto &r : rows)
        QTest::addRow("%s", r.text) << QString::fromLatin1(r.text) << r.tooLarge << r.value;
}

void TestCoreNumbers::edgeReadings()
{
    QFETCH(QString, text);
    QFETCH(bool, tooLarge);
    QFETCH(double, value);
    const std::string s = text.toStdString();
    for (const auto &format : kFormats) {
        const std::string typed = underFormat(s, format);
        const QString diff = compareReading(typed, format);
        QVERIFY2(diff.isEmpty(), qPrintable(diff));
        const Reading r = solver::readNumber(typed, format);
        if (tooLarge) {
            QCOMPARE(r.status, Reading::Status::TooLarge);
        } else if (std::isnan(value)) {
            QCOMPARE(r.status, Reading::Status::NotANumber);
        } else {
            QCOMPARE(r.status, Reading::Status::Number);
            QCOMPARE(bitsOf(r.value), bitsOf(value));
        }
    }
}

void TestCoreNumbers::randomReadings_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("count");
    QTest::newRow("doubles printed to random precision") << 0 << 400000;
    QTest::newRow("random digit strings with exponents") << 1 << 400000;
    QTest::newRow("halfway points and their neighbours") << 2 << 60000;
    QTest::newRow("subnormals") << 3 << 100000;
    QTest::newRow("near the largest double") << 4 << 50000;
    QTest::newRow("long digit strings") << 5 << 3000;
    QTest::newRow("short typed answers") << 6 << 400000;
}

void TestCoreNumbers::randomReadings()
{
    QFETCH(int, kind);
    QFETCH(int, count);
    std::mt19937_64 rng(0xC0 + kind);
    char buf[1200];
    int failures = 0;
    for (int n = 0; n < count && failures < 10; ++n) {
        std::string texts[3];
        int made = 1;
        switch (kind) {
        case 0: {
            double d;
            do
                d = fromBits(rng());
            while (!std::isfinite(d));
            const int precision = static_cast<int>(rng() % 25);
            const auto fmt = rng() % 2 ? std::chars_format::scientific : std::chars_format::general;
            texts[0] =
                std::string(buf, std::to_chars(buf, buf + sizeof buf, d, fmt, precision).ptr);
            break;
        }
        case 1: {
            std::string s = rng() % 4 == 0 ? "-" : "";
            s += randomDigits(rng, static_cast<int>(rng() % 30));
            if (rng() % 2)
                s += "." + randomDigits(rng, static_cast<int>(rng() % 30));
            if (rng() % 2)
                s += (rng() % 2 ? "e" : "E") + std::string(rng() % 2 ? "-" : "+")
                     + std::to_string(rng() % 420);
            texts[0] = s;
            break;
        }
        case 2: {
            // The exact midpoint between two neighbouring doubles, and the
            // decimals just above and below it.
            double d;
            do
                d = std::fabs(fromBits(rng()));
            while (!std::isfinite(d) || d == std::numeric_limits<double>::max());
            const long double mid = (static_cast<long double>(d) + std::nextafter(d, INFINITY)) / 2;
            const std::string exact = exactDecimal(mid);
            const std::size_t e = exact.find('e');
            std::string m = exact.substr(0, e), x = exact.substr(e);
            if (m.find('.') == std::string::npos)
                m += ".";
            texts[0] = exact;
            texts[1] = m + "0000000001" + x;
            std::string below = m;
            // The digit before the exponent lowered by one unit of a further place.
            below.back() = static_cast<char>(below.back() == '.' ? '.' : below.back() - 1);
            texts[2] = below + "9999999999" + x;
            made = 3;
            break;
        }
        case 3: {
            const double d = fromBits(rng() % (std::uint64_t(1) << 52));
            const int precision = static_cast<int>(rng() % 20);
            texts[0] = std::string(buf, std::to_chars(buf, buf + sizeof buf, d,
                                                      std::chars_format::scientific, precision)
                                            .ptr);
            texts[1] = exactDecimal(static_cast<long double>(d) / 2); // ties and near ties at 0
            made = 2;
            break;
        }
        case 4: {
            texts[0] =
                "1.79769313486231" + randomDigits(rng, static_cast<int>(rng() % 15) + 1) + "e308";
            texts[1] = exactDecimal(std::ldexp(2.0L, 1023) - std::ldexp(1.0L, 970)
                                    + (static_cast<long double>(rng() % 2001) - 1000)
                                          * std::ldexp(1.0L, 900));
            made = 2;
            break;
        }
        case 5: {
            const int length = 300 + static_cast<int>(rng() % 1200);
            std::string s = randomDigits(rng, length);
            s.insert(rng() % s.size(), ".");
            texts[0] = s + "e" + std::to_string(static_cast<int>(rng() % 1400) - 900);
            texts[1] = "0." + std::string(rng() % 400, '0') + randomDigits(rng, length);
            made = 2;
            break;
        }
        default: {
            std::string s = randomDigits(rng, 1 + static_cast<int>(rng() % 6));
            if (rng() % 2)
                s += "." + randomDigits(rng, 1 + static_cast<int>(rng() % 8));
            texts[0] = (rng() % 8 == 0 ? " " : "") + s;
            break;
        }
        }
        for (int t = 0; t < made; ++t) {
            for (const auto &format : kFormats) {
                const QString diff = compareReading(underFormat(texts[t], format), format);
                if (!diff.isEmpty()) {
                    ++failures;
                    qWarning("%s", qPrintable(diff));
                }
            }
        }
    }
    QCOMPARE(failures, 0);
}

void TestCoreNumbers::edgeDisplays_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("digits");
    QTest::addColumn<QString>("shown"); // under the point
    QTest::newRow("integer") << 16.0 << 15 << "16";
    QTest::newRow("square root of 12") << std::sqrt(12.0) << 15 << "3.46410161513775";
    QTest::newRow("tie to even down") << 0.125 << 2 << "0.12";
    QTest::newRow("tie to even up") << 0.375 << 2 << "0.38";
    QTest::newRow("9.5 to one digit") << 9.5 << 1 << "1E+01";
    QTest::newRow("rounding carries") << 999999999999999.9 << 15 << "1E+15";
    QTest::newRow("0.0001") << 0.0001 << 15 << "0.0001";
    QTest::newRow("below 0.0001") << 0.00009 << 15 << "9E-05";
    QTest::newRow("negative") << -2.5 << 15 << "-2.5";
    QTest::newRow("negative zero") << -0.0 << 15 << "0";
    QTest::newRow("largest double")
        << std::numeric_limits<double>::max() << 15 << "1.79769313486232E+308";
    QTest::newRow("smallest subnormal")
        << std::numeric_limits<double>::denorm_min() << 15 << "4.94065645841247E-324";
    QTest::newRow("single") << double(1.1f) << 7 << "1.1";
    QTest::newRow("17 digits of 0.1") << 0.1 << 17 << "0.10000000000000001";
}

void TestCoreNumbers::edgeDisplays()
{
    QFETCH(double, value);
    QFETCH(int, digits);
    QFETCH(QString, shown);
    QCOMPARE(QString::fromStdString(solver::formatNumber(value, digits, NumberFormat::point())),
             shown);
    for (const auto &format : kFormats) {
        const QString diff = compareDisplay(value, digits, format);
        QVERIFY2(diff.isEmpty(), qPrintable(diff));
    }
}

void TestCoreNumbers::randomDisplays_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("count");
    QTest::newRow("any finite double") << 0 << 1000000;
    QTest::newRow("results of everyday size") << 1 << 600000;
    QTest::newRow("short binary fractions (exact ties)") << 2 << 300000;
    QTest::newRow("singles") << 3 << 300000;
}

void TestCoreNumbers::randomDisplays()
{
    QFETCH(int, kind);
    QFETCH(int, count);
    std::mt19937_64 rng(0xD0 + kind);
    int failures = 0;
    for (int n = 0; n < count && failures < 10; ++n) {
        double d = 0.0;
        int digits = 15;
        switch (kind) {
        case 0:
            do
                d = fromBits(rng());
            while (!std::isfinite(d));
            digits = 1 + static_cast<int>(rng() % 17);
            break;
        case 1:
            d = std::ldexp(static_cast<double>(rng() >> 11), static_cast<int>(rng() % 100) - 90);
            break;
        case 2:
            d = std::ldexp(static_cast<double>(rng() % 100000), -static_cast<int>(rng() % 20));
            digits = 1 + static_cast<int>(rng() % 16);
            break;
        default:
            do
                d = static_cast<double>(
                    fromBits(rng()) == 0 ? 0.0f
                                         : std::bit_cast<float>(static_cast<std::uint32_t>(rng())));
            while (!std::isfinite(d));
            digits = 7;
            break;
        }
        for (const auto &format : kFormats) {
            const QString diff = compareDisplay(d, digits, format);
            if (!diff.isEmpty()) {
                ++failures;
                qWarning("%s", qPrintable(diff));
            }
        }
    }
    QCOMPARE(failures, 0);
}

void TestCoreNumbers::integers()
{
    const long long values[] = { 0,
                                 7,
                                 -7,
                                 10,
                                 1234567890123LL,
                                 std::numeric_limits<long long>::max(),
                                 std::numeric_limits<long long>::min() };
    for (const long long v : values)
        QCOMPARE(QString::fromStdString(solver::formatInteger(v)), QString::number(v));
}

// Not a budget test: prints the cost of one display and of one reading, and
// fails only far beyond it (a display must stay well under a press).
// The cost of a display against the standard library's std::to_chars (the
// reference) on the same machine at the same moment, so that a loaded machine
// does not matter: the best of several interleaved rounds, per display. The
// exact path works with big integers, so it may cost a few times the
// reference on everyday results (measured 2 to 3 times) and some tens of
// times across the whole double range (measured 20 to 65 times, most of it
// for the huge and the tiny): a display several times slower than that fails.
void TestCoreNumbers::displayTime_data()
{
    QTest::addColumn<int>("lowestExponent"); // binary exponents of the values
    QTest::addColumn<int>("exponents");
    QTest::addColumn<double>("allowed"); // times the reference
    QTest::newRow("everyday results") << -90 << 100 << 10.0;
    QTest::newRow("the whole double range") << -1126 << 2097 << 200.0;
}

void TestCoreNumbers::displayTime()
{
#if defined(__SANITIZE_ADDRESS__) || !defined(__OPTIMIZE__)
    QSKIP("timings mean nothing in an unoptimised or sanitized build");
#endif
    QFETCH(int, lowestExponent);
    QFETCH(int, exponents);
    QFETCH(double, allowed);
    std::mt19937_64 rng(7);
    std::vector<double> values;
    for (int k = 0; k < 4000; ++k)
        values.push_back(std::ldexp(static_cast<double>(rng() >> 11),
                                    static_cast<int>(rng() % static_cast<unsigned>(exponents))
                                        + lowestExponent));
    const NumberFormat comma = NumberFormat::comma();
    std::size_t sink = 0;
    const auto perDisplay = [&](auto display) {
        const auto t0 = std::chrono::steady_clock::now();
        for (const double v : values)
            sink += display(v).size();
        const auto t1 = std::chrono::steady_clock::now();
        return std::chrono::duration<double, std::micro>(t1 - t0).count()
               / static_cast<double>(values.size());
    };
    double own = 1e300, standard = 1e300;
    for (int round = 0; round < 7; ++round) {
        own =
            std::min(own, perDisplay([&](double v) { return solver::formatNumber(v, 15, comma); }));
        standard = std::min(
            standard, perDisplay([&](double v) { return reference::formatNumber(v, 15, comma); }));
    }
    qInfo("one display %.3f us, with std::to_chars %.3f us: %.1f times (%zu)", own, standard,
          own / standard, sink);
    QVERIFY2(own <= allowed * standard,
             qPrintable(QString("a display costs %1 times std::to_chars, more than %2")
                            .arg(own / standard)
                            .arg(allowed)));
}

QTEST_APPLESS_MAIN(TestCoreNumbers)
#include "test_core_numbers.moc"

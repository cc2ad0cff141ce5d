// Reading and display of numbers depend only on the separators the program
// chose, never on the C library's locale: the same table is run with the
// process locale set to C, Italian and German on purpose.
#include "solver/numberformat.h"
#include "solver/value.h"

#include <QTest>

#include <clocale>

using solver::NumberFormat;
using solver::Reading;

Q_DECLARE_METATYPE(Reading::Status)

class TestCoreLocale : public QObject {
    Q_OBJECT
private slots:
    void reading_data();
    void reading();
    void display_data();
    void display();
    void cleanup() { std::setlocale(LC_ALL, "C"); }
};

namespace {

const char *const kProcessLocales[] = { "C", "it_IT.UTF-8", "de_DE.UTF-8" };

// Sets the C library's locale; a missing locale is a failure, not a skip, so
// that a machine without it cannot pass unseen.
bool useProcessLocale(const char *name)
{
    return std::setlocale(LC_ALL, name) != nullptr;
}

} // namespace

void TestCoreLocale::reading_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("comma");
    QTest::addColumn<Reading::Status>("status");
    QTest::addColumn<double>("value");

    using S = Reading::Status;
    for (const char *process : kProcessLocales) {
        auto row = [&](const char *what) -> QTestData & {
            return QTest::addRow("%s %s", process, what);
        };
        row("2,5 comma") << "2,5" << true << S::Number << 2.5;
        row("2.5 point") << "2.5" << false << S::Number << 2.5;
        row("2.5 under comma") << "2.5" << true << S::NotANumber << 0.0;
        row("2,5 under point") << "2,5" << false << S::NotANumber << 0.0;
        row("0,0000001") << "0,0000001" << true << S::Number << 1e-7;
        row("0.1 exact") << "0.1" << false << S::Number << 0.1;
        row("big integer") << "123456789012345678" << true << S::Number << 123456789012345678.0;
        row("1E+15") << "1E+15" << false << S::Number << 1e15;
        row("-9,99999999999999E+14")
            << "-9,99999999999999E+14" << true << S::Number << -999999999999999.0;
        row("plus sign") << " +3,25 " << true << S::Number << 3.25;
        row("1E400 too large") << "1E400" << false << S::TooLarge << 0.0;
        row("400 digits too large") << QString(400, '9') << true << S::TooLarge << 0.0;
        row("1E-400 reads as zero") << "1E-400" << false << S::Number << 0.0;
        row("empty") << "" << true << S::NotANumber << 0.0;
        row("group separator") << "1.500" << true << S::NotANumber << 0.0;
    }
}

void TestCoreLocale::reading()
{
    QFETCH(QString, text);
    QFETCH(bool, comma);
    QFETCH(Reading::Status, status);
    QFETCH(double, value);

    const QString process = QString::fromLatin1(QTest::currentDataTag()).section(' ', 0, 0);
    QVERIFY2(useProcessLocale(process.toLatin1().constData()),
             qPrintable(process + " is not installed on this machine"));
    const Reading r = solver::readNumber(text.toStdString(),
                                         comma ? NumberFormat::comma() : NumberFormat::point());
    QCOMPARE(r.status, status);
    if (status == Reading::Status::Number)
        QCOMPARE(r.value, value);
}

void TestCoreLocale::display_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("digits");
    QTest::addColumn<QString>("point"); // shown under a decimal point

    for (const char *process : kProcessLocales) {
        auto row = [&](const char *what) -> QTestData & {
            return QTest::addRow("%s %s", process, what);
        };
        row("one third") << 1.0 / 3 << 15 << "0.333333333333333";
        row("15,625") << 15.625 << 15 << "15.625";
        row("1E-07") << 1e-7 << 15 << "1E-07";
        row("0,0001 plain") << 0.0001 << 15 << "0.0001";
        row("big integer") << 123456789012345678.0 << 15 << "1.23456789012346E+17";
        row("just under 1E+15") << 999999999999999.0 << 15 << "999999999999999";
        row("1E+15") << 1e15 << 15 << "1E+15";
        row("rounds up to 1E+15") << 999999999999999.9 << 15 << "1E+15";
        row("negative zero") << -0.0 << 15 << "0";
        row("negative") << -2.5 << 15 << "-2.5";
        row("single pi") << double(3.14159265358979f) << 7 << "3.141593";
        row("single 1E+07") << 12345678.0 << 7 << "1.234568E+07";
        row("huge exponent") << 1.5e300 << 15 << "1.5E+300";
    }
}

void TestCoreLocale::display()
{
    QFETCH(double, value);
    QFETCH(int, digits);
    QFETCH(QString, point);

    const QString process = QString::fromLatin1(QTest::currentDataTag()).section(' ', 0, 0);
    QVERIFY2(useProcessLocale(process.toLatin1().constData()),
             qPrintable(process + " is not installed on this machine"));
    QCOMPARE(QString::fromStdString(solver::formatNumber(value, digits, NumberFormat::point())),
             point);
    QString comma = point;
    comma.replace('.', ',');
    QCOMPARE(QString::fromStdString(solver::formatNumber(value, digits, NumberFormat::comma())),
             comma);
    // What display wrote reads back to the shown digits under either separator.
    const Reading back = solver::readNumber(comma.toStdString(), NumberFormat::comma());
    QVERIFY(back.isNumber());
    QCOMPARE(back.value, solver::readNumber(point.toStdString(), NumberFormat::point()).value);
}

QTEST_APPLESS_MAIN(TestCoreLocale)
#include "test_core_locale.moc"

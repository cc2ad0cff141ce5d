// The rounding rule of the displayed numbers: the decimal text the display
// rule writes is rounded, half away from zero, to exactly the decimals
// chosen; the exponent form stays; a text the rule does not write (typed,
// empty) is left as it is.
#include "solver/numberformat.h"

#include <QTest>

class TestCoreRounding : public QObject {
    Q_OBJECT
private slots:
    void rounded_data();
    void rounded();
    void pointOrComma_data();
    void pointOrComma();
    void unpadded_data();
    void unpadded();
};

void TestCoreRounding::rounded_data()
{
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("expected");

    // The double nearest 2,675 lies below it: the text, not the double, is
    // rounded, so the 5 goes up.
    QTest::newRow("half up on the text") << "2,675" << 2 << "2,68";
    QTest::newRow("half at the third decimal") << "0,0005" << 3 << "0,001";
    QTest::newRow("below the half") << "0,0005" << 2 << "0,00";
    QTest::newRow("carry into the units") << "9,995" << 2 << "10,00";
    QTest::newRow("carry through every digit") << "999999,995" << 2 << "1000000,00";
    QTest::newRow("half away from zero, negative") << "-0,005" << 2 << "-0,01";
    QTest::newRow("negative rounding to zero has no sign") << "-0,001" << 2 << "0,00";
    QTest::newRow("integer gets its zeros") << "150" << 2 << "150,00";
    QTest::newRow("no decimals") << "2,5" << 0 << "3";
    QTest::newRow("no decimals, below the half") << "2,49" << 0 << "2";
    QTest::newRow("zeros added") << "2,5" << 3 << "2,500";
    QTest::newRow("exponent: mantissa padded") << "1,5E+20" << 2 << "1,50E+20";
    QTest::newRow("exponent: mantissa carries into the exponent") << "9,999E+20" << 2 << "1,00E+21";
    QTest::newRow("negative exponent") << "1,23456E-05" << 2 << "1,23E-05";
    QTest::newRow("negative exponent, half up") << "1,23556E-05" << 3 << "1,236E-05";
    QTest::newRow("exponent without decimals") << "1E+20" << 1 << "1,0E+20";
    QTest::newRow("empty text") << "" << 2 << "";
    QTest::newRow("typed with a small e stays") << "2,5e0" << 2 << "2,5e0";
    QTest::newRow("typed with the other mark stays") << "2.675" << 2 << "2.675";
    QTest::newRow("words stay") << "abc" << 2 << "abc";
    QTest::newRow("every decimal: unchanged") << "2,675" << -1 << "2,675";
    QTest::newRow("every decimal: exponent unchanged") << "9,999E+20" << -1 << "9,999E+20";
}

void TestCoreRounding::rounded()
{
    QFETCH(QString, shown);
    QFETCH(int, decimals);
    QFETCH(QString, expected);
    QCOMPARE(QString::fromStdString(solver::roundedText(shown.toStdString(), decimals, ",")),
             expected);
}

// The decimal mark is the format's: the same digits under the point.
void TestCoreRounding::pointOrComma_data()
{
    QTest::addColumn<QString>("decimal");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("expected");
    QTest::newRow("point") << "."
                           << "2.675"
                           << "2.68";
    QTest::newRow("point, comma is no mark") << "."
                                             << "2,675"
                                             << "2,675";
    QTest::newRow("comma") << ","
                           << "15,625"
                           << "15,63";
}

void TestCoreRounding::pointOrComma()
{
    QFETCH(QString, decimal);
    QFETCH(QString, shown);
    QFETCH(QString, expected);
    QCOMPARE(
        QString::fromStdString(solver::roundedText(shown.toStdString(), 2, decimal.toStdString())),
        expected);
}

// Unpadded, the rounding is the same and the zeros that end the decimals go:
// what a rounded number is worth, to compare with every digit.
void TestCoreRounding::unpadded_data()
{
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("expected");
    QTest::newRow("integer stays") << "150" << 2 << "150";
    QTest::newRow("rounded, no zero to drop") << "2,675" << 2 << "2,68";
    QTest::newRow("fewer decimals than asked") << "2,5" << 3 << "2,5";
    QTest::newRow("carry leaves only zeros") << "9,995" << 2 << "10";
    QTest::newRow("rounded to zero") << "-0,001" << 2 << "0";
    QTest::newRow("exponent keeps its decimals") << "1,5E+20" << 2 << "1,5E+20";
    QTest::newRow("exponent carrying") << "9,999E+20" << 2 << "1E+21";
    QTest::newRow("typed stays") << "2,50e0" << 2 << "2,50e0";
}

void TestCoreRounding::unpadded()
{
    QFETCH(QString, shown);
    QFETCH(int, decimals);
    QFETCH(QString, expected);
    QCOMPARE(QString::fromStdString(solver::roundedText(shown.toStdString(), decimals, ",", false)),
             expected);
}

QTEST_APPLESS_MAIN(TestCoreRounding)
#include "test_core_rounding.moc"

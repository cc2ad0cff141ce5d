// What the main menu's start leaves for later: Qt's own translations, the
// words of the pictures' SVGs, the pictures drawn at build time kept packed, and
// the solids' constants built on first use.
#include "ui/accessibility.h"
#include "ui/locale.h"
#include "ui/screenwindow.h"

#include <QAccessible>
#include <QContextMenuEvent>
#include <QDirIterator>
#include <QFile>
#include <QLibraryInfo>
#include <QRegularExpression>
#include <QResource>
#include <QtTest>

namespace {

class QuietNavigator : public ui::Navigator {
public:
    void show(const QString &, const QWidget *, Placement) override {}
    void hide(const QString &) override {}
    void print(const QString &) override {}
    void endProgram() override {}
    bool exists(const QString &) const override { return true; }
    QString caption(const QString &) const override { return QString(); }
    bool ending() const override { return false; }
};

class PictureWindow : public ui::ScreenWindow {
public:
    explicit PictureWindow(ui::Navigator &nav) : ui::ScreenWindow(QStringLiteral("FormT"), {}, nav)
    {
    }
    using ui::ScreenWindow::picture;

protected:
    void closeRequested() override {}
};

QString copyText()
{
    return QCoreApplication::translate("QLineEdit", "&Copy");
}

} // namespace

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void qtTranslationsOnFirstContextMenu();
    void pictureNames_data();
    void pictureNames();
    void picturesPacked_data();
    void picturesPacked();
    void solidConstantsOnFirstUse_data();
    void solidConstantsOnFirstUse();
};

// The whole life of the translations in one process: they are loaded once.
void TestStartup::qtTranslationsOnFirstContextMenu()
{
    if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath)
                       + QStringLiteral("/qtbase_it.qm")))
        QSKIP("Qt's Italian translations are not installed");
    QWidget widget;
    const QPoint at(2, 2);

    // Not armed (the tests, the script runner): neither a dialog nor a
    // context menu loads them.
    ui::loadQtTranslations();
    QContextMenuEvent early(QContextMenuEvent::Mouse, at, at);
    QCoreApplication::sendEvent(&widget, &early);
    QCOMPARE(copyText(), QStringLiteral("&Copy"));

    // Armed at start-up, they wait for the first context menu.
    ui::armQtTranslations();
    QCOMPARE(copyText(), QStringLiteral("&Copy"));
    QContextMenuEvent first(QContextMenuEvent::Mouse, at, at);
    QCoreApplication::sendEvent(&widget, &first);
    const QString italian = copyText();
    QVERIFY2(italian != QStringLiteral("&Copy") && !italian.isEmpty(), qPrintable(italian));

    // Armed again, or asked for by a dialog, nothing changes.
    ui::armQtTranslations();
    ui::loadQtTranslations();
    QContextMenuEvent second(QContextMenuEvent::Mouse, at, at);
    QCoreApplication::sendEvent(&widget, &second);
    QCOMPARE(copyText(), italian);
}

void TestStartup::pictureNames_data()
{
    QTest::addColumn<QString>("asset");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("own");
    QTest::addColumn<QString>("name");
    QTest::newRow("described by its SVG")
        << "cubo.svg"
        << "Cubo" << QString() << "Cubo: spigolo s, diagonali d e d1";
    QTest::newRow("no SVG words: the caption as spoken")
        << "assente.svg"
        << "  Tronco   di cono =" << QString() << "Tronco di cono";
    QTest::newRow("a name given to the picture wins") << "cubo.svg"
                                                      << "Cubo"
                                                      << "Il cubo"
                                                      << "Il cubo";
}

void TestStartup::pictureNames()
{
    QFETCH(QString, asset);
    QFETCH(QString, caption);
    QFETCH(QString, own);
    QFETCH(QString, name);
    QuietNavigator nav;
    PictureWindow window(nav);
    QWidget *picture = window.picture(QStringLiteral("Picture1"), asset, QSize(132, 110), caption);
    // Made without reading its SVG.
    QVERIFY(picture->accessibleName().isEmpty());
    if (!own.isEmpty())
        picture->setAccessibleName(own);
    QAccessibleInterface *i = QAccessible::queryAccessibleInterface(picture);
    QVERIFY(i);
    QCOMPARE(i->role(), QAccessible::Graphic);
    QCOMPARE(i->text(QAccessible::Name), name);
    QCOMPARE(i->text(QAccessible::Name), name); // asked again, the same
}

void TestStartup::picturesPacked_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<qint64>("bytes");
    static const QRegularExpression size(QStringLiteral("-(\\d+)x(\\d+)\\.rgb32$"));
    QDirIterator it(QStringLiteral(":/raster"));
    int count = 0;
    while (it.hasNext()) {
        const QString path = it.next();
        const auto m = size.match(path);
        QVERIFY2(m.hasMatch(), qPrintable(path));
        QTest::newRow(qPrintable(path))
            << path << qint64(m.captured(1).toInt()) * m.captured(2).toInt() * 4;
        ++count;
    }
    QVERIFY(count > 0);
}

// Unpacked, the main menu's pictures made up most of the program's excess of
// memory at start-up over a bare Qt window.
void TestStartup::picturesPacked()
{
    QFETCH(QString, path);
    QFETCH(qint64, bytes);
    const QResource raw(path);
    QVERIFY(raw.isValid());
    QVERIFY(raw.compressionAlgorithm() != QResource::NoCompression);
    QVERIFY2(raw.size() * 4 < bytes, qPrintable(QString::number(raw.size())));
    QCOMPARE(raw.uncompressedSize(), bytes);
    QCOMPARE(qint64(raw.uncompressedData().size()), bytes);
}

void TestStartup::solidConstantsOnFirstUse_data()
{
    QTest::addColumn<QString>("path");
    QDirIterator it(QStringLiteral(CORPIMETRO_SOLIDS_SOURCES), { QStringLiteral("*.cpp") },
                    QDir::Files, QDirIterator::Subdirectories);
    int count = 0;
    while (it.hasNext()) {
        const QString path = it.next();
        QTest::newRow(qPrintable(path.mid(path.indexOf(QStringLiteral("src/solids/"))))) << path;
        ++count;
    }
    QVERIFY(count > 0);
}

// A constant object at namespace scope (an Expr, a vector, a screen's record) is
// built before main and pulls the code that builds it into the start-up pages;
// the solids keep theirs in functions, built when a screen first needs them.
// Pointers to literals and plain numbers cost nothing at start-up.
void TestStartup::solidConstantsOnFirstUse()
{
    QFETCH(QString, path);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
    static const QRegularExpression declaration(
        QStringLiteral(R"re(^(static\s+|inline\s+)*const\s+[^(=;{]*\s[*&]?\w+\s*(=|\{))re"));
    static const QRegularExpression free(QStringLiteral(
        R"re(^(static\s+|inline\s+)*const char \*const |=\s*(-?[0-9.]+|"[^"]*")\s*;)re"));
    int number = 0;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine());
        ++number;
        QVERIFY2(!declaration.match(line).hasMatch() || free.match(line).hasMatch(),
                 qPrintable(QStringLiteral("line %1: %2").arg(number).arg(line.trimmed())));
    }
}

QTEST_MAIN(TestStartup)
#include "test_startup.moc"

// Printing draws the window again at the printer's resolution: the PDF holds
// the window's caption as its title and every text of the window as text,
// pictures as drawings, and stays small.
#include "pdftext.h"
#include "screens.h"
#include "scriptrunner.h"
#include "ui/platform.h"
#include "ui/widgets.h"

#include <QAbstractButton>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using script::Runner;

namespace {

QString squeezed(QString s)
{
    s.remove(QRegularExpression(QStringLiteral("\\s")));
    return s;
}

// The widest bitmap the PDF holds, in pixels (0: none).
int widestImage(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    int widest = 0;
    static const QRegularExpression image(QStringLiteral("/Subtype /Image\\s*/Width (\\d+)"));
    auto it = image.globalMatch(QString::fromLatin1(f.readAll()));
    while (it.hasNext())
        widest = std::max(widest, it.next().captured(1).toInt());
    return widest;
}

} // namespace

class TestPrinting : public QObject {
    Q_OBJECT
private slots:
    void everyScreen_data();
    void everyScreen();
    void suggestedFile_data();
    void suggestedFile();
};

void TestPrinting::everyScreen_data()
{
    QTest::addColumn<QString>("screen");
    for (const auto &s : screens::all())
        QTest::newRow(qPrintable(s)) << s;
}

void TestPrinting::everyScreen()
{
    QFETCH(QString, screen);
    Runner r("it_IT");
    r.show(screen);
    auto *w = r.shell().window(screen);
    QVERIFY(w);

    // Formulas as a calculation leaves them, so that they are printed too.
    if (const auto *d = solids::find(screen.toStdString()))
        for (const auto &f : d->formulaLabels)
            w->findChild<QLabel *>(QString::fromStdString(f))
                ->setText(QStringLiteral("(AL=l^2*4) : (AT=l^2*6): d1=l*SQR(2)"));

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("out.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    QVERIFY(ui::paintWindow(w, printer));

    // A page the user can print ("Stampa") stays small; the prism menu, which
    // has no "Stampa", holds ten drawings and is only printed here.
    bool printable = false;
    for (auto *b : w->findChildren<QAbstractButton *>())
        printable = printable || b->text() == QStringLiteral("Stampa");
    if (printable)
        QVERIFY2(QFileInfo(path).size() < 200 * 1024,
                 qPrintable(QString::number(QFileInfo(path).size())));
    const QString caption = w->windowTitle().simplified();
    QCOMPARE(pdftext::title(path), caption.isEmpty() ? screen : caption);
    // No screenshot: small bitmaps (button bevels) at most, each narrower
    // than the window itself even at screen resolution.
    QVERIFY2(widestImage(path) < w->width() / 2, qPrintable(QString::number(widestImage(path))));

    // Ligatures ("fi" drawn as one glyph) read back as their letters.
    const QString text = pdftext::text(path).normalized(QString::NormalizationForm_KC);
    QVERIFY2(text.contains(squeezed(caption)), qPrintable(text.left(200)));
    for (auto *l : w->findChildren<QLabel *>()) {
        if (l->objectName().isEmpty() || !l->isVisibleTo(w) || l->text().trimmed().isEmpty())
            continue;
        QVERIFY2(text.contains(squeezed(l->text())),
                 qPrintable(l->objectName() + ": " + l->text()));
    }
    for (auto *t : w->findChildren<QLineEdit *>())
        if (t->isVisibleTo(w) && !t->text().trimmed().isEmpty())
            QVERIFY2(text.contains(squeezed(t->text())), qPrintable(t->objectName()));
}

void TestPrinting::suggestedFile_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("file");
    QTest::newRow("cube") << "Form3"
                          << "Cubo.pdf";
    QTest::newRow("cylinder") << "Form2"
                              << "Cilindro.pdf";
    QTest::newRow("padded caption") << "form5"
                                    << "PIRAMIDE.pdf";
    QTest::newRow("main menu") << "Form1"
                               << "CORPIMETRO.pdf";
}

void TestPrinting::suggestedFile()
{
    QFETCH(QString, screen);
    QFETCH(QString, file);
    Runner r;
    auto *w = r.shell().window(screen);
    QVERIFY(w);
    const QFileInfo suggested(ui::suggestedPdfPath(w, screen));
    QCOMPARE(suggested.fileName(), file);
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    QCOMPARE(suggested.absolutePath(), QDir(folder).absolutePath());

    // A caption never turns into a path.
    w->setWindowTitle(QStringLiteral("A/B\\C"));
    QCOMPARE(QFileInfo(ui::suggestedPdfPath(w, screen)).fileName(), QString("A-B-C.pdf"));
    w->setWindowTitle(QString());
    QCOMPARE(QFileInfo(ui::suggestedPdfPath(w, screen)).fileName(), screen + ".pdf");
}

QTEST_MAIN(TestPrinting)
#include "test_printing.moc"

// Printing draws the window again at the printer's resolution: the PDF holds
// the window's caption as its title and every text of the window as text,
// pictures as drawings, and stays small.
#include "pdftext.h"
#include "screens.h"
#include "scriptrunner.h"
#include "ui/platform.h"
#include "ui/solutionwindow.h"
#include "ui/widgets.h"

#include <QAbstractButton>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPageLayout>
#include <QPrinter>
#include <QProcess>
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
    void worksheetFillsThePage_data();
    void worksheetFillsThePage();
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

void TestPrinting::worksheetFillsThePage_data()
{
    QTest::addColumn<double>("printerMargin"); // mm
    QTest::addColumn<int>("version");
    QTest::newRow("no printer margin, exercise") << 0.0 << int(ui::Worksheet::Testo);
    QTest::newRow("narrow printer margin, answers") << 5.0 << int(ui::Worksheet::Soluzione);
    QTest::newRow("wide printer margin, exercise") << 25.0 << int(ui::Worksheet::Testo);
}

// A worksheet is a page of its own: no caption above it, and it fills the
// A4 paper within margins of 15 mm, or the printer's own when wider.
void TestPrinting::worksheetFillsThePage()
{
    QFETCH(double, printerMargin);
    QFETCH(int, version);
    const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    if (pdftoppm.isEmpty())
        QSKIP("pdftoppm (poppler-utils) is not installed");
    ui::WorksheetContent content;
    content.subject = QStringLiteral("CUBO");
    content.exercise = QStringLiteral("Un cubo ha spigolo 2. Calcola il volume.");
    content.lines = QStringList{ "Dati:", "s = 2", "Calcoli:", "V = s³ = 2³ = 8" };
    content.results = { { "Volume", "V", "8" } };
    std::unique_ptr<QWidget> page(ui::makeWorksheet(content, ui::Worksheet(version)));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sheet.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                    QMarginsF(printerMargin, printerMargin, printerMargin, printerMargin),
                    QPageLayout::Millimeter));
    QVERIFY(ui::paintWindow(page.get(), printer));
    const QString text = pdftext::text(path);
    QVERIFY2(!text.contains(page->windowTitle()), qPrintable(text.left(200)));
    QVERIFY(text.contains(QStringLiteral("Cubo")));

    // The drawn part of the page, read from a rendering at 50 dots an inch.
    QProcess render;
    render.start(pdftoppm, { "-png", "-r", "50", "-singlefile", path, dir.filePath("sheet") });
    QVERIFY(render.waitForFinished(60000));
    QImage image(dir.filePath(QStringLiteral("sheet.png")));
    QVERIFY(!image.isNull());
    QRect drawn;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 200)
                drawn |= QRect(x, y, 1, 1);
    const double mm = 50 / 25.4;
    const double margin = std::max(15.0, printerMargin);
    QVERIFY2(drawn.left() >= (margin - 1) * mm && drawn.left() <= (margin + 2) * mm,
             qPrintable(QString::number(drawn.left() / mm)));
    QVERIFY2(drawn.top() >= (margin - 1) * mm && drawn.top() <= (margin + 6) * mm,
             qPrintable(QString::number(drawn.top() / mm)));
    // The lines for name, class and date run to the right margin.
    QVERIFY2(image.width() - 1 - drawn.right() >= (margin - 1) * mm
                 && image.width() - 1 - drawn.right() <= (margin + 2) * mm,
             qPrintable(QString::number((image.width() - 1 - drawn.right()) / mm)));
    // The exercise's ruled space reaches down to the bottom margin.
    if (ui::Worksheet(version) == ui::Worksheet::Testo)
        QVERIFY2(image.height() - 1 - drawn.bottom() <= (margin + 15) * mm,
                 qPrintable(QString::number((image.height() - 1 - drawn.bottom()) / mm)));
}

QTEST_MAIN(TestPrinting)
#include "test_printing.moc"

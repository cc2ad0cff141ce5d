#include "printing.h"

#include "platform.h"
#include "screenwindow.h"

#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLayout>
#include <QMessageBox>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPicture>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QWidget>

#include <algorithm>

namespace ui {

namespace {

QString documentTitle(const QWidget *window, const QString &screen)
{
    const QString caption = window->windowTitle().simplified();
    return caption.isEmpty() ? screen : caption;
}

} // namespace

namespace {

// A page that draws its own heading (a worksheet) fills the paper inside
// margins of a hand's width, whatever margins the printer leaves: as wide
// as the paper allows, as tall as the paper's proportion gives it.
bool paintPage(QWidget *page, QPrinter &printer)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const int dpi = printer.resolution();
    const QRectF paper = printer.pageLayout().fullRectPixels(dpi);
    const QRectF paint = printer.pageLayout().paintRectPixels(dpi);
    const double margin = 15.0 / 25.4 * dpi;
    QRectF inside = paper.adjusted(margin, margin, -margin, -margin).intersected(paint);
    inside.translate(-paint.topLeft());

    if (page->layout())
        page->layout()->activate();
    const QSize least = page->sizeHint().expandedTo(page->minimumSize());
    QSize size(least.width(), int(least.width() * inside.height() / inside.width()));
    if (size.height() < least.height())
        size = QSize(int(least.height() * inside.width() / inside.height()), least.height());
    page->resize(size);
    if (page->layout())
        page->layout()->activate();

    const double scale = inside.width() / size.width();
    QPicture drawing;
    {
        QPainter recorder(&drawing);
        page->render(&recorder, QPoint(), QRegion(), QWidget::DrawChildren);
    }
    const double playback = double(printer.logicalDpiX()) / drawing.logicalDpiX();
    painter.translate(inside.topLeft());
    painter.scale(scale / playback, scale / playback);
    painter.drawPicture(0, 0, drawing);
    return painter.end();
}

// With no printer, the offer to save as PDF instead: true when taken.
bool offerPdf(QWidget *parent, const QString &question)
{
    QMessageBox ask(parent);
    ask.setWindowTitle(Platform::kTitle);
    ask.setIcon(QMessageBox::NoIcon);
    ask.setTextFormat(Qt::PlainText);
    ask.setText(question);
    QPushButton *save = ask.addButton(QStringLiteral("Salva come PDF..."), QMessageBox::AcceptRole);
    ask.addButton(QStringLiteral("Annulla"), QMessageBox::RejectRole);
    ask.setDefaultButton(save);
    ask.exec();
    return ask.clickedButton() == save;
}

} // namespace

bool paintWindow(QWidget *window, QPrinter &printer)
{
    // The whole content, also the part a small window scrolls out of view.
    QWidget *source = window;
    if (auto *screen = qobject_cast<ScreenWindow *>(window))
        source = screen->content();
    if (source->layout())
        source->layout()->activate();
    const QSize least = source->sizeHint().expandedTo(source->minimumSizeHint());
    if (source->width() < least.width() || source->height() < least.height())
        source->resize(source->size().expandedTo(least));

    const QString title = window->windowTitle().simplified();
    if (printer.docName().isEmpty())
        printer.setDocName(documentTitle(window, window->objectName()));
    if (window->property("printsOwnHeading").toBool())
        return paintPage(window, printer);

    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QRectF page(QPointF(0, 0),
                      printer.pageLayout().paintRectPixels(printer.resolution()).size());

    // The caption as a heading.
    double top = 0;
    if (!title.isEmpty()) {
        QFont heading = source->font();
        heading.setBold(true);
        heading.setPointSizeF(heading.pointSizeF() * 1.4);
        painter.setFont(heading);
        const QFontMetricsF metrics(heading, &printer);
        painter.drawText(QRectF(0, 0, page.width(), metrics.height()), Qt::AlignLeft | Qt::AlignTop,
                         title);
        top = metrics.height() * 1.6;
    }

    // Screen pixels to printer pixels, as large as on screen if it fits.
    const QSizeF size = source->size();
    double scale = double(printer.resolution()) / source->logicalDpiX();
    scale = std::min(scale, page.width() / size.width());
    scale = std::min(scale, (page.height() - top) / size.height());
    // Widgets drawn straight onto a printer come out as one bitmap; recorded
    // into a picture first, they stay text and lines.
    QPicture drawing;
    {
        QPainter recorder(&drawing);
        source->render(&recorder, QPoint(), QRegion(), QWidget::DrawChildren);
    }
    // A picture plays back scaled from its own resolution to the printer's.
    const double playback = double(printer.logicalDpiX()) / drawing.logicalDpiX();
    painter.translate(0, top);
    painter.scale(scale / playback, scale / playback);
    painter.drawPicture(0, 0, drawing);
    return painter.end();
}

QString suggestedPdfPath(const QWidget *window, const QString &screen)
{
    QString name = documentTitle(window, screen);
    // A caption is no path: no separators, no leading dot.
    name.replace(QLatin1Char('/'), QLatin1Char('-')).replace(QLatin1Char('\\'), QLatin1Char('-'));
    while (name.startsWith(QLatin1Char('.')))
        name.remove(0, 1);
    if (name.isEmpty())
        name = screen;
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    return QDir(folder).filePath(name + QStringLiteral(".pdf"));
}

void printWindow(QWidget *window, const QString &screen)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (!info.isNull()) {
        // The preview first; its print button opens the print dialog.
        QPrinter printer(info, QPrinter::HighResolution);
        printer.setDocName(documentTitle(window, screen));
        QPrintPreviewDialog preview(&printer, window);
        preview.setWindowTitle(
            QStringLiteral("Anteprima di stampa: %1").arg(documentTitle(window, screen)));
        bool failed = false;
        QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                         [window, &failed](QPrinter *p) { failed = !paintWindow(window, *p); });
        preview.exec();
        if (failed)
            plainMessage(window, QStringLiteral("Stampa non riuscita: la stampante \"%1\" "
                                                "non risponde.")
                                     .arg(info.printerName()));
        return;
    }

    if (!offerPdf(window, QStringLiteral("Non è disponibile nessuna stampante: la pagina non è "
                                         "stata stampata.\nVuoi salvarla come file PDF?")))
        return;

    const QString suggested = suggestedPdfPath(window, screen);
    QString path = QFileDialog::getSaveFileName(window, QStringLiteral("Salva come PDF"), suggested,
                                                QStringLiteral("Documenti PDF (*.pdf)"));
    if (path.isEmpty())
        return;
    if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        path += QStringLiteral(".pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setDocName(documentTitle(window, screen));
    printer.setCreator(Platform::kTitle);
    if (paintWindow(window, printer))
        plainMessage(window, QStringLiteral("La pagina è stata salvata in:\n%1").arg(path));
    else
        plainMessage(window, QStringLiteral("Impossibile salvare il file:\n%1").arg(path));
}

void setUpPages(QPrinter &printer, const Pages &pages)
{
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
    printer.setFullPage(true);
    printer.setDocName(pages.title);
    printer.setCreator(Platform::kTitle);
}

bool savePages(const Pages &pages, const QString &path)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    setUpPages(printer, pages);
    return pages.paint && pages.paint(printer);
}

void previewPages(QWidget *parent, const Pages &pages)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    QPrinter printer(QPrinter::HighResolution);
    if (!info.isNull())
        printer.setPrinterName(info.printerName());
    setUpPages(printer, pages);
    QPrintPreviewDialog preview(&printer, parent);
    preview.setWindowTitle(QStringLiteral("Anteprima di stampa: %1").arg(pages.title));
    // A page that can be read, within the screen.
    QSize size = preview.sizeHint().expandedTo(QSize(800, 900));
    if (const QScreen *screen = parent ? parent->screen() : QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size() * 0.92);
    preview.resize(size);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&pages](QPrinter *p) { pages.paint(*p); });
    preview.exec();
}

void printPages(QWidget *parent, const Pages &pages)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (!info.isNull()) {
        QPrinter printer(info, QPrinter::HighResolution);
        setUpPages(printer, pages);
        QPrintDialog dialog(&printer, parent);
        dialog.setWindowTitle(QStringLiteral("Stampa: %1").arg(pages.title));
        if (dialog.exec() != QDialog::Accepted)
            return;
        if (!pages.paint(printer))
            plainMessage(parent, QStringLiteral("Stampa non riuscita: la stampante \"%1\" "
                                                "non risponde.")
                                     .arg(printer.printerName()));
        return;
    }

    if (!offerPdf(parent, QStringLiteral("Non è disponibile nessuna stampante: il documento non "
                                         "è stato stampato.\nVuoi salvarlo come file PDF?")))
        return;

    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    QString path = QFileDialog::getSaveFileName(parent, QStringLiteral("Salva come PDF"),
                                                QDir(folder).filePath(pages.fileName),
                                                QStringLiteral("Documenti PDF (*.pdf)"));
    if (path.isEmpty())
        return;
    if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        path += QStringLiteral(".pdf");
    if (savePages(pages, path))
        plainMessage(parent, QStringLiteral("Il documento è stato salvato in:\n%1").arg(path));
    else
        plainMessage(parent, QStringLiteral("Impossibile salvare il file:\n%1").arg(path));
}

} // namespace ui

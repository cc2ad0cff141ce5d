#include "platform.h"

#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QWidget>

namespace ui {

namespace {

Platform *g_platform = nullptr;

void plainMessage(QWidget *parent, const QString &text)
{
    QMessageBox box(parent);
    box.setWindowTitle(Platform::kTitle);
    box.setIcon(QMessageBox::NoIcon);
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    box.setStandardButtons(QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

} // namespace

Platform &platform()
{
    static QtPlatform real;
    return g_platform ? *g_platform : real;
}

void setPlatform(Platform *p)
{
    g_platform = p;
}

QString QtPlatform::prompt(QWidget *parent, const QString &text)
{
    QInputDialog dialog(parent);
    dialog.setWindowTitle(kTitle);
    dialog.setLabelText(text);
    dialog.setTextValue(QString());
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("Annulla"));
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setWindowModality(Qt::ApplicationModal);
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    return dialog.textValue();
}

void QtPlatform::message(QWidget *parent, const QString &text)
{
    plainMessage(parent, text);
}

void QtPlatform::failure(QWidget *parent, const QString &text, solver::Failure)
{
    plainMessage(parent, text);
}

bool paintWindow(QWidget *window, QPrinter &printer)
{
    const QPixmap image = window->grab();
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    QSize size = image.size();
    // Print at about the size the window has on screen, smaller if it does not fit.
    const double screenScale = printer.resolution() / 96.0;
    size = (QSizeF(size) * screenScale).toSize();
    if (size.width() > page.width() || size.height() > page.height())
        size.scale(page.size(), Qt::KeepAspectRatio);
    painter.drawPixmap(QRect(QPoint(0, 0), size), image);
    return painter.end();
}

void QtPlatform::print(QWidget *window, const QString &screen)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (!info.isNull()) {
        QPrinter printer(info, QPrinter::HighResolution);
        printer.setDocName(window->windowTitle().isEmpty() ? screen : window->windowTitle());
        if (!paintWindow(window, printer))
            plainMessage(window, QStringLiteral("Stampa non riuscita: la stampante \"%1\" "
                                                "non risponde.").arg(info.printerName()));
        return;
    }

    QMessageBox ask(window);
    ask.setWindowTitle(kTitle);
    ask.setIcon(QMessageBox::NoIcon);
    ask.setTextFormat(Qt::PlainText);
    ask.setText(QStringLiteral("Non è disponibile nessuna stampante: la pagina non è stata "
                               "stampata.\nVuoi salvarla come file PDF?"));
    QPushButton *save = ask.addButton(QStringLiteral("Salva come PDF..."),
                                      QMessageBox::AcceptRole);
    ask.addButton(QStringLiteral("Annulla"), QMessageBox::RejectRole);
    ask.setDefaultButton(save);
    ask.exec();
    if (ask.clickedButton() != save)
        return;

    const QString suggested = QDir::home().filePath(screen + QStringLiteral(".pdf"));
    QString path = QFileDialog::getSaveFileName(window, QStringLiteral("Salva come PDF"),
                                                suggested,
                                                QStringLiteral("Documenti PDF (*.pdf)"));
    if (path.isEmpty())
        return;
    if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        path += QStringLiteral(".pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    if (paintWindow(window, printer))
        plainMessage(window, QStringLiteral("La pagina è stata salvata in:\n%1").arg(path));
    else
        plainMessage(window, QStringLiteral("Impossibile salvare il file:\n%1").arg(path));
}

} // namespace ui

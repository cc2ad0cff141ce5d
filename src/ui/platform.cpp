#include "platform.h"

#include "locale.h"

#include <QInputDialog>
#include <QMessageBox>

namespace ui {

namespace {

Platform *g_platform = nullptr;

} // namespace

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
    loadQtTranslations();
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
    loadQtTranslations();
    plainMessage(parent, text);
}

void QtPlatform::failure(QWidget *parent, const QString &text, solver::Failure)
{
    loadQtTranslations();
    plainMessage(parent, text);
}

void QtPlatform::print(QWidget *window, const QString &screen)
{
    loadQtTranslations();
    printWindow(window, screen);
}

} // namespace ui

#include "platform.h"

#include "locale.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace ui {

namespace {

Platform *g_platform = nullptr;

// The prompt of a value measured in `unit`: the same text, field and buttons
// as the plain one, the unit right of the field.
QString promptWithUnit(QWidget *parent, const QString &text, const QString &unit)
{
    QDialog dialog(parent);
    dialog.setWindowTitle(Platform::kTitle);
    dialog.setWindowModality(Qt::ApplicationModal);
    auto *layout = new QVBoxLayout(&dialog);
    auto *label = new QLabel(text, &dialog);
    label->setTextFormat(Qt::PlainText);
    layout->addWidget(label);
    auto *row = new QHBoxLayout;
    auto *edit = new QLineEdit(&dialog);
    label->setBuddy(edit);
    edit->setAccessibleName(text.simplified());
    auto *suffix = new QLabel(unit, &dialog);
    suffix->setTextFormat(Qt::PlainText);
    row->addWidget(edit, 1);
    row->addWidget(suffix);
    layout->addLayout(row);
    edit->setAccessibleDescription(unit);
    auto *buttons = new QDialogButtonBox(&dialog);
    buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(QStringLiteral("Annulla"), QDialogButtonBox::RejectRole);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    edit->setFocus();
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    return edit->text();
}

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

QString QtPlatform::prompt(QWidget *parent, const QString &text, const QString &unit)
{
    loadQtTranslations();
    if (!unit.isEmpty())
        return promptWithUnit(parent, text, unit);
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

void QtPlatform::printPages(QWidget *parent, const QString &, const Pages &pages, bool preview)
{
    loadQtTranslations();
    if (preview)
        previewPages(parent, pages);
    else
        ui::printPages(parent, pages);
}

} // namespace ui

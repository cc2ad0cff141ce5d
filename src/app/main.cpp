// CORPIMETRO: the program starts on the main menu.
#include "shell.h"

#include "ui/locale.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("CORPIMETRO"));
    QApplication::setQuitOnLastWindowClosed(false);
    ui::setLocale(QLocale::system());

    // Qt's own dialogs (file chooser, printer) and context menus in Italian
    // where translations exist, read when one is first shown.
    ui::armQtTranslations();

    // The unit, decimals and specific weight chosen last time.
    app::Shell shell(
        [] { QCoreApplication::exit(0); },
        std::make_unique<ui::Choices>(ui::Choices::userSettings(), ui::numberFormat(ui::locale())));
    shell.show(QStringLiteral("Form1"));
    return app.exec();
}

// CORPIMETRO: the program starts on the main menu.
#include "shell.h"

#include "ui/locale.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("CORPIMETRO"));
    QApplication::setQuitOnLastWindowClosed(false);
    ui::setLocale(QLocale::system());

    // Qt's own dialogs (file chooser, printer) in Italian where translations exist.
    QTranslator qtTranslator;
    if (qtTranslator.load(QLocale(QLocale::Italian), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&qtTranslator);

    app::Shell shell([] { QCoreApplication::exit(0); });
    shell.show(QStringLiteral("Form1"));
    return app.exec();
}

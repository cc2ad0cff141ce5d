#include "locale.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLibraryInfo>
#include <QTranslator>

#include <optional>

namespace ui {

namespace {

std::optional<QLocale> &current()
{
    static std::optional<QLocale> l;
    return l;
}

enum class QtTexts { Untranslated, Armed, Loaded };

QtTexts &qtTexts()
{
    static QtTexts state = QtTexts::Untranslated;
    return state;
}

// Loads the translations as the first context menu is asked for, before the
// widget that shows it reads its texts.
class ContextMenuWatcher : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::ContextMenu)
            loadQtTranslations();
        return false;
    }
};

ContextMenuWatcher *&watcher()
{
    static ContextMenuWatcher *w = nullptr;
    return w;
}

} // namespace

void armQtTranslations()
{
    auto *app = QCoreApplication::instance();
    if (!app || qtTexts() != QtTexts::Untranslated)
        return;
    qtTexts() = QtTexts::Armed;
    watcher() = new ContextMenuWatcher(app);
    app->installEventFilter(watcher());
}

void loadQtTranslations()
{
    auto *app = QCoreApplication::instance();
    if (!app || qtTexts() != QtTexts::Armed)
        return;
    qtTexts() = QtTexts::Loaded;
    if (watcher()) {
        app->removeEventFilter(watcher());
        watcher()->deleteLater();
        watcher() = nullptr;
    }
    auto *translator = new QTranslator(app);
    if (translator->load(QLocale(QLocale::Italian), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

QLocale locale()
{
    return current().value_or(QLocale::system());
}

void setLocale(const QLocale &locale)
{
    current() = locale;
}

solver::NumberFormat numberFormat(const QLocale &locale)
{
    solver::NumberFormat f;
    f.decimal = locale.decimalPoint().toStdString();
    if (f.decimal.empty())
        f.decimal = '.'; // a char: GCC 12 misreads the literal's copy (-Wrestrict)
    return f;
}

} // namespace ui

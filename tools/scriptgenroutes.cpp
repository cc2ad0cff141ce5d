#include "scriptgenroutes.h"

#include "app/menus.h"
#include "scriptrunner.h"
#include "ui/widgets.h"

#include <QAbstractButton>
#include <QRadioButton>

#include <deque>
#include <memory>

namespace scriptgen {

namespace {

QStringList visibleScreens(const script::Runner &r)
{
    QStringList out;
    for (auto *w : const_cast<script::Runner &>(r).shell().created())
        if (w->isVisible())
            out << w->screenName();
    return out;
}

std::string s(const QString &q)
{
    return q.toStdString();
}

} // namespace

std::vector<Hop> findHops()
{
    const Catalogue catalogue = Catalogue::fromRegistry();
    QStringList screens = app::menuFactories().keys();
    for (const auto &sc : catalogue.screens())
        screens << QString::fromStdString(sc.screen);
    screens.sort();

    std::vector<Hop> hops;
    for (const auto &screen : screens) {
        // What may open another screen: buttons other than the common and
        // solving ones, clickable labels and pictures; option buttons chosen
        // before a click.
        QStringList clickable, options;
        {
            script::Runner r;
            r.show(screen);
            const ScreenCases *sc = catalogue.screen(s(screen));
            for (auto *c : r.shell().window(screen)->findChildren<QWidget *>()) {
                const QString name = c->objectName();
                if (name.isEmpty() || name.startsWith(QLatin1String("qt_")))
                    continue;
                if (qobject_cast<QRadioButton *>(c)) {
                    options << name;
                    continue;
                }
                if (!qobject_cast<QAbstractButton *>(c) && !qobject_cast<ui::ClickLabel *>(c)
                    && !qobject_cast<ui::PictureBox *>(c))
                    continue;
                bool common = false;
                if (sc) {
                    common = s(name) == sc->stampa || s(name) == sc->esci || s(name) == sc->ritorna;
                    for (const auto &b : sc->buttons)
                        common = common || s(name) == b.button;
                }
                if (!common)
                    clickable << name;
            }
        }
        clickable.sort();
        options.sort();
        options.prepend(QString()); // no option chosen
        for (const auto &option : options)
            for (const auto &control : clickable) {
                script::Runner r;
                r.show(screen);
                std::vector<Step> steps;
                if (!option.isEmpty()) {
                    r.select(screen + "." + option);
                    steps.push_back({ "select", s(screen + "." + option) });
                }
                const QStringList before = visibleScreens(r);
                r.click(screen + "." + control);
                if (r.ended() || !r.dialogs().isEmpty() || !r.printed().isEmpty())
                    continue;
                steps.push_back({ "click", s(screen + "." + control) });
                for (const auto &shown : visibleScreens(r))
                    if (!before.contains(shown) && shown != screen)
                        hops.push_back({ s(screen), steps, s(shown) });
            }
    }
    return hops;
}

Routes routesFrom(const std::vector<Hop> &hops, const Catalogue &catalogue)
{
    // Breadth first from the main menu: the first shortest way to each screen.
    std::map<std::string, Route> way{ { "Form1", {} } };
    std::deque<std::string> queue{ "Form1" };
    while (!queue.empty()) {
        const std::string at = queue.front();
        queue.pop_front();
        for (const auto &hop : hops)
            if (hop.from == at && !way.count(hop.to)) {
                Route r = way[at];
                r.push_back(hop);
                way[hop.to] = r;
                queue.push_back(hop.to);
            }
    }
    Routes routes;
    for (const auto &sc : catalogue.screens())
        for (const auto &hop : hops)
            if (hop.to == sc.screen && way.count(hop.from)) {
                Route r = way[hop.from];
                r.push_back(hop);
                routes[sc.screen].push_back(r);
            }
    return routes;
}

} // namespace scriptgen

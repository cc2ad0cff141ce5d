// A random soak over the real screens: thousands of clicks, ticks, answers and
// window closes across every menu and every registered solver screen, from a
// fixed seed. After every step a window must be visible, a failing calculation
// must have been reported once (and its results emptied), and no label may
// show "inf", "nan" or a broken number. Nothing here names a solver screen:
// what the menus and the registry hold is what gets driven.
#include "app/menus.h"
#include "harness.h"
#include "solids/solids.h"
#include "solver/numberformat.h"
#include "ui/locale.h"
#include "ui/widgets.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTest>

#include <cstdio>
#include <memory>
#include <random>
#include <set>

using harness::Answers;

namespace {

// What one step did, for the messages of a failed check.
struct Step {
    int index = 0;
    QString action;
};

class Soak {
public:
    Soak(unsigned seed, const QString &locale) : m_rng(seed), m_locale(locale)
    {
        m_screens = app::menuFactories().keys();
        for (const auto &name : solids::names())
            m_screens << QString::fromStdString(name);
        restart();
    }

    // One random step; returns a description of it.
    QString step()
    {
        const int dialogsBefore = int(m_runner->dialogs().size());
        m_pressed = {};
        QString action;
        const int roll = pick(100);
        if (roll < 6)
            action = showAny();
        else if (roll < 10)
            action = closeAny();
        else if (roll < 35)
            action = tickAny();
        else if (roll < 75)
            action = solveAny();
        else
            action = clickAny();
        QCoreApplication::processEvents();
        m_newDialogs = m_runner->dialogs().mid(dialogsBefore);
        return action;
    }

    script::Runner &runner() { return *m_runner; }
    const QList<script::Dialog> &newDialogs() const { return m_newDialogs; }
    const std::set<QString> &typed() const { return m_typed; }
    // The solving button pressed by the last step, if any: screen, button.
    const std::pair<QString, const solver::SolveButton *> &pressed() const { return m_pressed; }
    int shown(const QString &screen) const { return m_shownCount.value(screen); }
    const QStringList &screens() const { return m_screens; }

    // "Esci" ends the program: the soak goes on with a new one.
    void restart()
    {
        m_runner.reset();
        m_runner = std::make_unique<script::Runner>(m_locale);
        m_runner->show(QStringLiteral("Form1"));
    }

    QList<ui::ScreenWindow *> visibleWindows() const
    {
        QList<ui::ScreenWindow *> out;
        for (auto *w : m_runner->shell().created())
            if (w->isVisible())
                out << w;
        return out;
    }

private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_rng); }
    template <class T> const T &any(const QList<T> &list) { return list[pick(int(list.size()))]; }

    void noteShown()
    {
        for (auto *w : visibleWindows())
            m_shownCount[w->screenName()]++;
    }

    QString showAny()
    {
        const QString screen = any(m_screens);
        m_runner->show(screen);
        noteShown();
        return "show " + screen;
    }

    QString closeAny()
    {
        const auto windows = visibleWindows();
        if (windows.isEmpty())
            return QStringLiteral("nothing to close");
        const QString screen = any(windows)->screenName();
        m_runner->close(screen);
        noteShown();
        return "close " + screen;
    }

    QString tickAny()
    {
        QStringList boxes;
        for (auto *w : visibleWindows())
            for (auto *box : w->findChildren<QCheckBox *>())
                if (!box->objectName().isEmpty())
                    boxes << w->screenName() + "." + box->objectName();
        if (boxes.isEmpty())
            return QStringLiteral("nothing to tick");
        const QString box = any(boxes);
        if (m_runner->checked(box))
            m_runner->untick(box);
        else
            m_runner->tick(box);
        return "tick " + box;
    }

    // Presses a solving button of a visible solver screen, answering its
    // prompts at random; any click when no solver screen is visible.
    QString solveAny()
    {
        QStringList buttons;
        for (auto *w : visibleWindows())
            if (const auto *s = solids::find(w->screenName().toStdString()))
                for (const auto &b : s->solvers)
                    buttons << w->screenName() + "." + QString::fromStdString(b.name);
        if (buttons.isEmpty())
            return clickAny();
        return click(any(buttons));
    }

    QString clickAny()
    {
        QStringList targets;
        for (auto *w : visibleWindows())
            for (auto *c : w->findChildren<QWidget *>()) {
                const bool clickable =
                    (qobject_cast<QAbstractButton *>(c) && !qobject_cast<QCheckBox *>(c))
                    || qobject_cast<ui::ClickLabel *>(c) || qobject_cast<ui::PictureBox *>(c);
                // "Svolgimento" only opens the worked-solution window, which is
                // no step of a script; its window is tested on its own.
                if (clickable && !c->objectName().isEmpty() && c->isEnabled()
                    && c->objectName() != QLatin1String("Svolgimento"))
                    targets << w->screenName() + "." + c->objectName();
            }
        if (targets.isEmpty())
            return QStringLiteral("nothing to click");
        return click(any(targets));
    }

    QString click(const QString &target)
    {
        const QString screen = target.section('.', 0, 0);
        const QString control = target.section('.', 1);
        auto *button = qobject_cast<QAbstractButton *>(
            m_runner->shell().window(screen)->findChild<QWidget *>(control));
        // Ending and printing are rare, as they are for a person.
        if (button && button->text() == QStringLiteral("Esci") && pick(100) != 0)
            return QStringLiteral("Esci passed over");
        if (button && button->text() == QStringLiteral("Stampa") && pick(5) != 0)
            return QStringLiteral("Stampa passed over");

        if (const auto *s = solids::find(screen.toStdString()))
            for (const auto &b : s->solvers)
                if (QString::fromStdString(b.name) == control) {
                    m_pressed = { screen, &b };
                    queueAnswers();
                }
        m_runner->click(target);
        noteShown();
        return "click " + target;
    }

    // A random number written the way the locale writes it.
    QString number(double magnitude)
    {
        std::uniform_real_distribution<double> d(0.01, 10.0);
        QString n = QString::number(d(m_rng) * magnitude, 'g', 1 + pick(15));
        if (m_locale.startsWith(QLatin1String("it")))
            n.replace('.', ',');
        return n.replace(QLatin1String("e"), QLatin1String("E"));
    }

    void queueAnswers()
    {
        static const QStringList garbage = { "abc",   "2,5,5", "1..2",     "1e",  "--3",
                                             "3-",    "inf",   "nan",      "NaN", "1/2",
                                             "2 5",   "0x10",  "1E+99999", "\t",  "\n",
                                             "2\x01", "\x7f",  "1\r",      " ",   "€" };
        Answers answers;
        const int count = pick(9);
        for (int i = 0; i < count; ++i) {
            const int kind = pick(100);
            std::optional<QString> a;
            if (kind < 45)
                a = number(1.0);
            else if (kind < 55)
                a = QString::number(pick(50) - 5);
            else if (kind < 65)
                a = any(garbage);
            else if (kind < 72)
                a = number(1e300);
            else if (kind < 79)
                a = number(1e-300);
            else if (kind < 85)
                a = QString();
            else if (kind < 92)
                a = std::nullopt; // Cancel
            else
                a = number(1e6);
            if (a)
                m_typed.insert(*a);
            answers << a;
        }
        m_runner->answers(answers);
    }

    std::mt19937 m_rng;
    QString m_locale;
    QStringList m_screens;
    std::unique_ptr<script::Runner> m_runner;
    QList<script::Dialog> m_newDialogs;
    std::set<QString> m_typed;
    std::pair<QString, const solver::SolveButton *> m_pressed;
    QHash<QString, int> m_shownCount;
};

// Every label and text box of the created screens.
QList<QPair<QString, QString>> allTexts(script::Runner &runner)
{
    QList<QPair<QString, QString>> out;
    for (auto *w : runner.shell().created())
        for (auto *c : w->findChildren<QWidget *>()) {
            if (c->objectName().isEmpty())
                continue;
            if (auto *l = qobject_cast<QLabel *>(c))
                out.append({ w->screenName() + "." + c->objectName(), l->text() });
            else if (auto *t = qobject_cast<QLineEdit *>(c))
                out.append({ w->screenName() + "." + c->objectName(), t->text() });
        }
    return out;
}

} // namespace

class TestSoak : public QObject {
    Q_OBJECT
private slots:
    void soak_data();
    void soak();
};

void TestSoak::soak_data()
{
    QTest::addColumn<unsigned>("seed");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("steps");
    QTest::newRow("decimal comma") << 20261208u << "it_IT" << 5000;
    QTest::newRow("decimal point") << 4242u << "en_US" << 5000;
}

void TestSoak::soak()
{
    QFETCH(unsigned, seed);
    QFETCH(QString, locale);
    QFETCH(int, steps);

    // The offscreen platform warns at every window raised or resized.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &msg) {
        if (type != QtWarningMsg || !msg.contains(QLatin1String("This plugin does not support")))
            std::fprintf(stderr, "%s\n", qPrintable(msg));
    });
    Soak soak(seed, locale);
    const auto format = ui::numberFormat(QLocale(locale));
    static const QRegularExpression infNan(QStringLiteral("\\b(inf|nan)\\b"),
                                           QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression numberLike(QStringLiteral("^[-+0-9.,E]+$"));
    int failures = 0, insufficient = 0, completed = 0, restarts = 0;

    for (int i = 0; i < steps; ++i) {
        const QString action = soak.step();
        const QString where = QStringLiteral("step %1 (%2)").arg(i).arg(action);
        auto &runner = soak.runner();

        if (runner.ended()) {
            QVERIFY2(soak.visibleWindows().isEmpty(), qPrintable(where + ": ended, windows left"));
            soak.restart();
            ++restarts;
            continue;
        }
        QVERIFY2(!soak.visibleWindows().isEmpty(), qPrintable(where + ": no window visible"));

        int errors = 0, messages = 0;
        bool allAnswersNumbers = true;
        for (const auto &d : soak.newDialogs()) {
            if (d.kind == QLatin1String("error"))
                ++errors;
            else if (d.kind == QLatin1String("message"))
                ++messages;
            else if (!d.answer || !solver::readNumber(d.answer->toStdString(), format).isNumber())
                allAnswersNumbers = false;
        }
        QVERIFY2(errors <= 1, qPrintable(where + ": a failure reported more than once"));
        QVERIFY2(errors == 0 || messages == 0,
                 qPrintable(where + ": a failure reported after the insufficient-data message"));

        const auto &[screen, button] = soak.pressed();
        if (button) {
            const auto *desc = solids::find(screen.toStdString());
            const auto results = desc->resultsOf(*button);
            if (errors) {
                ++failures;
                for (const auto &label : results) {
                    const QString path = screen + "." + QString::fromStdString(label);
                    QVERIFY2(runner.text(path).isEmpty(),
                             qPrintable(where + ": " + path + " kept a value after a failure"));
                }
            } else if (messages) {
                ++insufficient;
            } else if (allAnswersNumbers) {
                ++completed;
                // A button may clear labels that belong to another solid (the
                // polyhedra's height and lateral area), so not every result
                // label holds a number; but a complete calculation shows some.
                bool shown = false;
                for (const auto &label : results)
                    shown = shown
                            || !runner.text(screen + "." + QString::fromStdString(label)).isEmpty();
                QVERIFY2(shown, qPrintable(where + ": the calculation shows no result"));
            }
        } else {
            QVERIFY2(errors == 0 && messages == 0,
                     qPrintable(where + ": a dialog without a calculation"));
        }

        for (const auto &[path, text] : allTexts(runner)) {
            if (soak.typed().count(text))
                continue; // shown as the user typed it
            QVERIFY2(!infNan.match(text).hasMatch(),
                     qPrintable(where + ": " + path + " shows " + text));
            if (numberLike.match(text).hasMatch())
                QVERIFY2(solver::readNumber(text.toStdString(), format).isNumber(),
                         qPrintable(where + ": " + path + " shows a broken number " + text));
        }
    }

    // The soak reached every screen and saw every outcome.
    for (const auto &screen : soak.screens())
        QVERIFY2(soak.shown(screen) > 0, qPrintable(screen + " never shown"));
    QVERIFY(failures > 0);
    QVERIFY(insufficient > 0);
    QVERIFY(completed > 0);
    qInfo("%d steps: %d failures reported, %d insufficient, %d complete, %d restarts", steps,
          failures, insufficient, completed, restarts);
}

QTEST_MAIN(TestSoak)
#include "test_soak.moc"

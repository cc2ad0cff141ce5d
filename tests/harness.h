// Small helpers shared by the solver-screen suites: answer lists, the
// prompts and labels a run produced, and one "Calcola" press on a screen.
#pragma once

#include "scriptrunner.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QTest>

#include <cmath>
#include <optional>

Q_DECLARE_METATYPE(std::optional<QString>)

namespace harness {

// The answers queued for the prompts; nullopt answers Cancel.
using Answers = QList<std::optional<QString>>;

// The message every screen gives when the ticks match no case.
inline const QString kInsufficient = "I DATI INTRODOTTI NON SONO SUFFICIENTI -- RIPROVA ";

// Every text typed as it stands, none cancelled.
inline Answers typed(const QStringList &texts)
{
    Answers out;
    for (const auto &t : texts)
        out << std::optional<QString>(t);
    return out;
}

// The numbers typed with every digit a double holds.
inline Answers numbers(const QList<double> &values)
{
    Answers out;
    for (double n : values)
        out << QString::number(n, 'g', 17);
    return out;
}

// The texts of the prompts asked, from dialog `from` on.
inline QStringList prompts(const script::Runner &r, int from = 0)
{
    QStringList out;
    for (int i = from; i < r.dialogs().size(); ++i)
        if (r.dialogs()[i].kind == "prompt")
            out << r.dialogs()[i].text;
    return out;
}

// What the labels `labels` of `screen` show, in that order.
inline QStringList texts(const script::Runner &r, const QString &screen, const QStringList &labels)
{
    QStringList out;
    for (const auto &l : labels)
        out << r.text(screen + "." + l);
    return out;
}

// The worked solution of `screen`'s last press, line by line, as the
// transcript carries it.
inline QStringList solution(const script::Runner &r, const QString &screen)
{
    QStringList out;
    const QJsonObject screens = r.transcript().value("screens").toObject();
    for (const auto &line : screens.value(screen).toObject().value("solution").toArray())
        out << line.toString();
    return out;
}

// True when `shown` reads as a number within `relative` of `expected`.
inline bool near(const QString &shown, double expected, double relative = 1e-6)
{
    bool ok = false;
    const double got = shown.toDouble(&ok);
    return ok && std::fabs(got - expected) <= relative * std::fabs(expected);
}

// A solver screen as the suites drive it.
struct Screen {
    QString name;
    QString calcola;      // the "Calcola" button
    QStringList checks{}; // boxes cleared before each press; empty: ticks stay
};

// Shows `screen`, clears its boxes, ticks `ticks`, queues `answers` and
// presses "Calcola".
inline void calculate(script::Runner &r, const Screen &screen, const QStringList &ticks,
                      const Answers &answers)
{
    r.show(screen.name);
    for (const auto &c : screen.checks)
        r.untick(screen.name + "." + c);
    for (const auto &t : ticks)
        r.tick(screen.name + "." + t);
    r.answers(answers);
    r.click(screen.name + "." + screen.calcola);
}

} // namespace harness

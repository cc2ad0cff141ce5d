#include "scriptrunner.h"

#include "ui/locale.h"
#include "ui/solverwindow.h"
#include "ui/widgets.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QRadioButton>

#include <algorithm>

namespace script {

namespace {

// What a step's argument is.
enum class Arg { Screen, Control, Answers };

struct StepKind {
    const char *name;
    Arg arg;
    void (*run)(Runner &, const QJsonValue &);
};

const StepKind kSteps[] = {
    { "show", Arg::Screen, [](Runner &r, const QJsonValue &a) { r.show(a.toString()); } },
    { "close", Arg::Screen, [](Runner &r, const QJsonValue &a) { r.close(a.toString()); } },
    { "click", Arg::Control, [](Runner &r, const QJsonValue &a) { r.click(a.toString()); } },
    { "tick", Arg::Control, [](Runner &r, const QJsonValue &a) { r.tick(a.toString()); } },
    { "untick", Arg::Control, [](Runner &r, const QJsonValue &a) { r.untick(a.toString()); } },
    { "select", Arg::Control, [](Runner &r, const QJsonValue &a) { r.select(a.toString()); } },
    { "answers", Arg::Answers,
      [](Runner &r, const QJsonValue &a) {
          QList<std::optional<QString>> queue;
          for (const auto &answer : a.toArray())
              queue.append(answer.isNull() ? std::nullopt
                                           : std::optional<QString>(answer.toString()));
          r.answers(queue);
      } },
};

const StepKind *stepKind(const QString &name)
{
    for (const auto &k : kSteps)
        if (name == QLatin1String(k.name))
            return &k;
    return nullptr;
}

} // namespace

QString quoted(const QString &name)
{
    constexpr int kMax = 80;
    int end = std::min<int>(name.size(), kMax);
    if (end < name.size() && name.at(end - 1).isHighSurrogate())
        --end; // never half a character
    QString out = QStringLiteral("\"");
    for (int i = 0; i < end; ++i) {
        const QChar c = name.at(i);
        if (c.category() == QChar::Other_Control)
            out += QStringLiteral("\\x")
                   + QString::number(c.unicode(), 16).toUpper().rightJustified(2, QLatin1Char('0'));
        else
            out += c;
    }
    if (end < name.size())
        out += QStringLiteral("...");
    return out + QLatin1Char('"');
}

bool Runner::knownLocale(const QString &name)
{
    return name == QStringLiteral("C") || QLocale(name).language() != QLocale::C;
}

Runner::Runner(const QString &locale)
{
    ui::setLocale(QLocale(locale));
    ui::setPlatform(this);
    m_shell = std::make_unique<app::Shell>([this] { m_ended = true; });
    // The program starts on the main menu.
    m_shell->show(QStringLiteral("Form1"));
}

Runner::~Runner()
{
    m_shell.reset();
    ui::setPlatform(nullptr);
}

QWidget *Runner::find(const QString &path) const
{
    const int dot = path.indexOf(QLatin1Char('.'));
    if (dot < 0)
        return nullptr;
    for (auto *w : m_shell->created())
        if (w->screenName() == path.left(dot))
            return w->declaredControl(path.mid(dot + 1));
    return nullptr;
}

QWidget *Runner::control(const QString &path)
{
    const int dot = path.indexOf(QLatin1Char('.'));
    if (dot < 0)
        throw ScriptError{ quoted(path) + QStringLiteral(" is not \"Screen.Control\"") };
    auto *w = m_shell->window(path.left(dot));
    if (!w)
        throw ScriptError{ QStringLiteral("unknown screen ") + quoted(path.left(dot)) };
    auto *c = w->declaredControl(path.mid(dot + 1));
    if (!c)
        throw ScriptError{ QStringLiteral("unknown control ") + quoted(path) };
    return c;
}

void Runner::show(const QString &screen)
{
    if (!m_shell->window(screen))
        throw ScriptError{ QStringLiteral("unknown screen ") + quoted(screen) };
    m_shell->show(screen);
}

void Runner::close(const QString &screen)
{
    auto *w = m_shell->window(screen);
    if (!w)
        throw ScriptError{ QStringLiteral("unknown screen ") + quoted(screen) };
    w->close();
}

void Runner::click(const QString &path)
{
    QWidget *c = control(path);
    if (auto *b = qobject_cast<QAbstractButton *>(c))
        b->click();
    else if (auto *l = qobject_cast<ui::ClickLabel *>(c))
        emit l->clicked();
    else if (auto *p = qobject_cast<ui::PictureBox *>(c))
        emit p->clicked();
    // Text boxes do not react to a click.
}

void Runner::tick(const QString &path)
{
    auto *c = qobject_cast<QCheckBox *>(control(path));
    if (!c)
        throw ScriptError{ quoted(path) + QStringLiteral(" is not a tick box") };
    c->setChecked(true);
}

void Runner::untick(const QString &path)
{
    auto *c = qobject_cast<QCheckBox *>(control(path));
    if (!c)
        throw ScriptError{ quoted(path) + QStringLiteral(" is not a tick box") };
    c->setChecked(false);
}

void Runner::select(const QString &path)
{
    auto *o = qobject_cast<QRadioButton *>(control(path));
    if (!o)
        throw ScriptError{ quoted(path) + QStringLiteral(" is not an option button") };
    if (o->isEnabled())
        o->setChecked(true);
}

void Runner::answers(const QList<std::optional<QString>> &queue)
{
    for (const auto &a : queue)
        m_answers.enqueue(a);
}

void Runner::run(const QJsonArray &steps)
{
    for (int i = 0; i < steps.size() && !m_ended; ++i) {
        m_step = i;
        const QJsonObject step = steps[i].toObject();
        try {
            stepKind(step.begin().key())->run(*this, step.begin().value());
        } catch (const ScriptError &e) {
            throw ScriptError{ QStringLiteral("step %1: ").arg(i) + e.message };
        }
        QCoreApplication::processEvents();
    }
}

void Runner::validate(const QJsonObject &script)
{
    for (auto it = script.begin(); it != script.end(); ++it)
        if (it.key() != QStringLiteral("locale") && it.key() != QStringLiteral("steps"))
            throw ScriptError{ QStringLiteral("malformed script: unknown key ")
                               + quoted(it.key()) };
    if (script.contains(QStringLiteral("locale"))) {
        const QJsonValue locale = script.value(QStringLiteral("locale"));
        if (!locale.isString())
            throw ScriptError{ QStringLiteral("malformed script: \"locale\" must be a string") };
        if (!knownLocale(locale.toString()))
            throw ScriptError{ QStringLiteral("malformed script: unknown locale ")
                               + quoted(locale.toString()) };
    }
    if (!script.value(QStringLiteral("steps")).isArray())
        throw ScriptError{ QStringLiteral("malformed script: \"steps\" must be an array") };
    const QJsonArray steps = script.value(QStringLiteral("steps")).toArray();
    for (int i = 0; i < steps.size(); ++i) {
        const QString where = QStringLiteral("malformed script: step %1: ").arg(i);
        if (!steps[i].isObject() || steps[i].toObject().size() != 1)
            throw ScriptError{ where + QStringLiteral("a step is an object with one key") };
        const QJsonObject step = steps[i].toObject();
        const QString kind = step.begin().key();
        const QJsonValue arg = step.begin().value();
        const StepKind *k = stepKind(kind);
        if (!k)
            throw ScriptError{ where + QStringLiteral("unknown step ") + quoted(kind) };
        if (k->arg == Arg::Answers) {
            if (!arg.isArray())
                throw ScriptError{ where + QStringLiteral("\"answers\" takes an array") };
            for (const auto &a : arg.toArray())
                if (!a.isString() && !a.isNull())
                    throw ScriptError{ where + QStringLiteral("an answer is a string or null") };
        } else if (!arg.isString()) {
            throw ScriptError{ where + QStringLiteral("\"%1\" takes a string").arg(kind) };
        } else if (k->arg == Arg::Control && !arg.toString().contains(QLatin1Char('.'))) {
            throw ScriptError{ where
                               + QStringLiteral("\"%1\" takes \"Screen.Control\"").arg(kind) };
        }
    }
}

bool Runner::created(const QString &screen) const
{
    for (auto *w : m_shell->created())
        if (w->screenName() == screen)
            return true;
    return false;
}

bool Runner::visible(const QString &screen) const
{
    for (auto *w : m_shell->created())
        if (w->screenName() == screen)
            return w->isVisible();
    return false;
}

QString Runner::text(const QString &path) const
{
    QWidget *c = find(path);
    if (auto *l = qobject_cast<QLabel *>(c))
        return l->text();
    if (auto *t = qobject_cast<QLineEdit *>(c))
        return t->text();
    return QString();
}

bool Runner::checked(const QString &path) const
{
    if (auto *b = qobject_cast<QAbstractButton *>(find(path)))
        return b->isChecked();
    return false;
}

bool Runner::enabled(const QString &path) const
{
    QWidget *c = find(path);
    return c && c->isEnabled();
}

QString Runner::prompt(QWidget *, const QString &text)
{
    Dialog d{ m_step, QStringLiteral("prompt"), kTitle, text, std::nullopt, {} };
    if (!m_answers.isEmpty())
        d.answer = m_answers.dequeue();
    m_dialogs.append(d);
    return d.answer.value_or(QString());
}

void Runner::message(QWidget *, const QString &text)
{
    m_dialogs.append(Dialog{ m_step, QStringLiteral("message"), kTitle, text, std::nullopt, {} });
}

void Runner::failure(QWidget *, const QString &text, solver::Failure kind)
{
    m_dialogs.append(Dialog{ m_step, QStringLiteral("error"), kTitle, text, std::nullopt,
                             QString::fromLatin1(solver::failureName(kind)) });
}

void Runner::print(QWidget *window, const QString &screen)
{
    QPrinter printer(QPrinter::ScreenResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(m_pdfDir.filePath(screen + QStringLiteral(".pdf")));
    if (ui::paintWindow(window, printer))
        m_printed.append(screen);
}

QJsonObject Runner::transcript() const
{
    QJsonArray dialogs;
    for (const auto &d : m_dialogs) {
        QJsonObject o{ { QStringLiteral("step"), d.step },
                       { QStringLiteral("kind"), d.kind },
                       { QStringLiteral("title"), d.title },
                       { QStringLiteral("text"), d.text } };
        if (d.kind == QStringLiteral("prompt"))
            o.insert(QStringLiteral("answer"), d.answer ? QJsonValue(*d.answer) : QJsonValue());
        if (d.kind == QStringLiteral("error"))
            o.insert(QStringLiteral("failure"), d.failure);
        dialogs.append(o);
    }
    QJsonObject screens;
    for (auto *w : m_shell->created()) {
        QJsonObject labels, checks, options;
        for (auto *c : w->findChildren<QWidget *>()) {
            const QString name = c->objectName();
            if (name.isEmpty() || name.startsWith(QLatin1String("qt_")))
                continue;
            if (auto *l = qobject_cast<QLabel *>(c))
                labels.insert(name, l->text());
            else if (auto *t = qobject_cast<QLineEdit *>(c))
                labels.insert(name, t->text());
            else if (auto *k = qobject_cast<QCheckBox *>(c))
                checks.insert(name, k->isChecked());
            else if (auto *o = qobject_cast<QRadioButton *>(c))
                options.insert(name, o->isChecked());
        }
        QJsonObject screen{ { QStringLiteral("visible"), w->isVisible() },
                            { QStringLiteral("caption"), w->windowTitle() },
                            { QStringLiteral("labels"), labels },
                            { QStringLiteral("checks"), checks },
                            { QStringLiteral("options"), options } };
        // A solver screen also shows the worked solution of its last press.
        if (auto *solver = qobject_cast<ui::SolverWindow *>(w))
            screen.insert(QStringLiteral("solution"),
                          QJsonArray::fromStringList(solver->solution()));
        screens.insert(w->screenName(), screen);
    }
    return QJsonObject{ { QStringLiteral("dialogs"), dialogs },
                        { QStringLiteral("printed"), QJsonArray::fromStringList(m_printed) },
                        { QStringLiteral("ended"), m_ended },
                        { QStringLiteral("screens"), screens } };
}

} // namespace script

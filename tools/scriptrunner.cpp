#include "scriptrunner.h"

#include "app/sheetwindow.h"
#include "sheets/sheet.h"
#include "solver/texts.h"
#include "ui/figureview.h"
#include "ui/locale.h"
#include "ui/solverwindow.h"
#include "ui/widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QJsonDocument>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QRadioButton>
#include <QStringDecoder>

#include <algorithm>

namespace script {

QString quoted(const QString &name)
{
    return fromUtf8(solver::script::quoted(name.toStdString()));
}

QString fromUtf8(const std::string &text)
{
    // QString::fromUtf8 would drop a byte-order mark that starts the text.
    QStringDecoder decode(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    return decode(QByteArrayView(text.data(), qsizetype(text.size())));
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
    // The same sheets on every run.
    m_shell->setSheetSeed(1);
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

void Runner::choose(const QString &path, const QString &option)
{
    QWidget *c = control(path);
    const QString name = c->objectName();
    if (auto *sheet = qobject_cast<app::SheetWindow *>(
            m_shell->window(path.section(QLatin1Char('.'), 0, 0)))) {
        if (!app::SheetWindow::choiceNames().contains(name))
            throw ScriptError{ quoted(path) + QStringLiteral(" is not a choice") };
        if (!sheet->choose(name, option))
            throw ScriptError{ quoted(path) + QStringLiteral(" has no option ") + quoted(option) };
        return;
    }
    auto *w =
        qobject_cast<ui::SolverWindow *>(m_shell->window(path.section(QLatin1Char('.'), 0, 0)));
    if (!w
        || (name != QString::fromUtf8(solver::texts::unitControl)
            && name != QString::fromUtf8(solver::texts::decimalsControl)
            && name != QString::fromUtf8(solver::texts::weightControl)))
        throw ScriptError{ quoted(path) + QStringLiteral(" is not a choice") };
    if (!w->choose(name, option))
        throw ScriptError{ quoted(path) + QStringLiteral(" has no option ") + quoted(option) };
}

void Runner::setPreferences(const solver::Preferences &preferences)
{
    m_shell->choices().setPreferences(preferences);
}

void Runner::answers(const QList<std::optional<QString>> &queue)
{
    for (const auto &a : queue)
        m_answers.enqueue(a);
}

void Runner::run(const std::vector<solver::script::Step> &steps)
{
    for (std::size_t i = 0; i < steps.size() && !m_ended; ++i) {
        m_step = int(i);
        const solver::script::Step &step = steps[i];
        const QString name = fromUtf8(step.name);
        try {
            if (step.kind == "show")
                show(name);
            else if (step.kind == "close")
                close(name);
            else if (step.kind == "click")
                click(name);
            else if (step.kind == "tick")
                tick(name);
            else if (step.kind == "untick")
                untick(name);
            else if (step.kind == "select")
                select(name);
            else if (step.kind == "choose")
                choose(name, fromUtf8(step.option));
            else if (step.kind == "answers") {
                QList<std::optional<QString>> queue;
                for (const auto &a : step.answers)
                    queue.append(a ? std::optional<QString>(fromUtf8(*a)) : std::nullopt);
                answers(queue);
            }
        } catch (const ScriptError &e) {
            throw ScriptError{ QStringLiteral("step %1: ").arg(i) + e.message };
        }
        QCoreApplication::processEvents();
    }
}

void Runner::run(const solver::script::Script &script)
{
    if (script.preferences)
        setPreferences(*script.preferences);
    run(script.steps);
}

void Runner::run(const QJsonArray &steps)
{
    const QByteArray json = QJsonDocument(QJsonObject{ { QStringLiteral("steps"), steps } })
                                .toJson(QJsonDocument::Compact);
    run(read(json).steps);
}

solver::script::Script Runner::read(const QByteArray &bytes)
{
    solver::script::Reading r =
        solver::script::read(std::string_view(bytes.constData(), std::size_t(bytes.size())));
    if (!r.script)
        throw ScriptError{ fromUtf8(r.error) };
    const QString locale = fromUtf8(r.script->locale);
    if (!knownLocale(locale))
        throw ScriptError{ QStringLiteral("malformed script: unknown locale ") + quoted(locale) };
    return std::move(*r.script);
}

void Runner::validate(const QJsonObject &script)
{
    read(QJsonDocument(script).toJson(QJsonDocument::Compact));
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

QString Runner::prompt(QWidget *, const QString &text, const QString &unit)
{
    Dialog d{ m_step, QStringLiteral("prompt"), kTitle, text, std::nullopt, {}, unit };
    if (!m_answers.isEmpty())
        d.answer = m_answers.dequeue();
    m_dialogs.append(d);
    return d.answer.value_or(QString());
}

void Runner::message(QWidget *, const QString &text)
{
    m_dialogs.append(
        Dialog{ m_step, QStringLiteral("message"), kTitle, text, std::nullopt, {}, {} });
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

void Runner::printPages(QWidget *, const QString &screen, const ui::Pages &pages, bool preview)
{
    const QString path = m_pdfDir.filePath(pages.fileName);
    if (!ui::savePages(pages, path))
        return;
    m_lastPdf = path;
    if (!preview)
        m_printed.append(screen);
}

namespace {

// The sheet screen as a transcript shows it: its tick boxes, labels, data
// options and choices, and the sheet made last.
QJsonObject sheetEntry(const app::SheetWindow &w)
{
    const sheets::Screen &s = sheets::screen();
    const auto name = [](const std::string &n) { return QString::fromStdString(n); };
    QJsonObject checks, labels, choices;
    for (const auto &c : s.checks())
        if (auto *box = qobject_cast<QCheckBox *>(w.declaredControl(name(c.name))))
            checks.insert(name(c.name), box->isChecked());
    for (const auto &l : s.labels())
        if (auto *label = qobject_cast<QLabel *>(w.declaredControl(name(l.name))))
            labels.insert(name(l.name), label->text());
    QJsonObject options;
    for (const auto &o : { s.whole, s.oneDecimal })
        if (auto *option = qobject_cast<QRadioButton *>(w.declaredControl(name(o.name))))
            options.insert(name(o.name), option->isChecked());
    for (const auto &c : app::SheetWindow::choiceNames())
        choices.insert(c, w.choice(c));
    QJsonObject entry{
        { QStringLiteral("caption"), w.windowTitle() }, { QStringLiteral("checks"), checks },
        { QStringLiteral("labels"), labels },           { QStringLiteral("options"), options },
        { QStringLiteral("choices"), choices },         { QStringLiteral("visible"), w.isVisible() }
    };
    if (const auto &sheet = w.lastSheet()) {
        QJsonArray exercises;
        for (const auto &e : sheet->exercises) {
            QJsonArray ticks, answers;
            for (const auto &t : e.ticks)
                ticks.append(fromUtf8(t));
            for (const auto &a : e.answers)
                answers.append(fromUtf8(a));
            QJsonObject results;
            for (const auto &[label, value] : e.results)
                results.insert(fromUtf8(label), fromUtf8(value));
            exercises.append(QJsonObject{ { QStringLiteral("screen"), fromUtf8(e.screen) },
                                          { QStringLiteral("ticks"), ticks },
                                          { QStringLiteral("answers"), answers },
                                          { QStringLiteral("button"), fromUtf8(e.button) },
                                          { QStringLiteral("results"), results } });
        }
        entry.insert(QStringLiteral("sheet"),
                     QJsonObject{ { QStringLiteral("seed"), qint64(sheet->settings.seed) },
                                  { QStringLiteral("exercises"), exercises } });
    }
    return entry;
}

} // namespace

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
        if (!d.unit.isEmpty())
            o.insert(QStringLiteral("unit"), d.unit);
        if (d.kind == QStringLiteral("error"))
            o.insert(QStringLiteral("failure"), d.failure);
        dialogs.append(o);
    }
    QJsonObject screens;
    for (auto *w : m_shell->created()) {
        if (auto *sheet = qobject_cast<app::SheetWindow *>(w)) {
            screens.insert(w->screenName(), sheetEntry(*sheet));
            continue;
        }
        QJsonObject labels, checks, options;
        // The capacity and weight, with their captions, only while they show
        // a value: with no unit chosen the transcript is as it always was.
        const auto empty = [w](const char *result) {
            auto *l = qobject_cast<QLabel *>(w->declaredControl(QString::fromUtf8(result)));
            return !l || l->text().isEmpty();
        };
        const QHash<QString, bool> unshown{
            { QString::fromUtf8(solver::texts::capacityControl),
              empty(solver::texts::capacityControl) },
            { QString::fromUtf8(solver::texts::capacityCaptionControl),
              empty(solver::texts::capacityControl) },
            { QString::fromUtf8(solver::texts::weightResultControl),
              empty(solver::texts::weightResultControl) },
            { QString::fromUtf8(solver::texts::weightResultCaptionControl),
              empty(solver::texts::weightResultControl) },
        };
        for (auto *c : w->findChildren<QWidget *>()) {
            const QString name = c->objectName();
            if (name.isEmpty() || name.startsWith(QLatin1String("qt_")) || unshown.value(name))
                continue;
            // The field inside a pick list is the list's, not a text box.
            if (qobject_cast<QComboBox *>(c->parentWidget()))
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
        // A solver screen also shows the worked solution of its last press,
        // and the hint under its solving buttons.
        if (auto *solver = qobject_cast<ui::SolverWindow *>(w)) {
            screen.insert(QStringLiteral("solution"),
                          QJsonArray::fromStringList(solver->solution()));
            screen.insert(QStringLiteral("hint"), solver->hint());
            // The choices, where they are not the defaults.
            const solver::Preferences p = solver->preferences();
            if (p.unit != solver::Preferences{}.unit)
                screen.insert(QStringLiteral("unit"), fromUtf8(solver::unitName(p.unit)));
            if (p.decimals != solver::Preferences{}.decimals)
                screen.insert(QStringLiteral("decimals"), p.decimals);
            if (!p.specificWeight.empty())
                screen.insert(QStringLiteral("specificWeight"), fromUtf8(p.specificWeight));
            // The solid the last press computed, or why there is none.
            const solver::Figure &f = solver->figureView()->figure();
            if (!f.solid.empty()) {
                QJsonObject figure{ { QStringLiteral("solid"), fromUtf8(f.solid) } };
                if (f.scene) {
                    QJsonObject dimensions;
                    for (const auto &[symbol, shown] : f.dimensions)
                        dimensions.insert(fromUtf8(symbol), fromUtf8(shown));
                    figure.insert(QStringLiteral("dimensions"), dimensions);
                } else {
                    figure.insert(QStringLiteral("none"), fromUtf8(f.none));
                }
                screen.insert(QStringLiteral("figure"), figure);
            }
        }
        screens.insert(w->screenName(), screen);
    }
    return QJsonObject{ { QStringLiteral("dialogs"), dialogs },
                        { QStringLiteral("printed"), QJsonArray::fromStringList(m_printed) },
                        { QStringLiteral("ended"), m_ended },
                        { QStringLiteral("screens"), screens } };
}

QJsonObject Runner::withoutSolutions(QJsonObject transcript)
{
    QJsonObject screens = transcript.value(QStringLiteral("screens")).toObject();
    for (auto it = screens.begin(); it != screens.end(); ++it) {
        QJsonObject screen = it.value().toObject();
        screen.remove(QStringLiteral("solution"));
        it.value() = screen;
    }
    transcript.insert(QStringLiteral("screens"), screens);
    return transcript;
}

} // namespace script

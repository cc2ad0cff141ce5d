// Drives the program's real screens without a person: answers the modal
// dialogs from a queue, records them, and reports what every screen shows.
// Used by corpimetro-script and by the tests.
#pragma once

#include "app/shell.h"
#include "solver/script.h"
#include "ui/platform.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QQueue>
#include <QTemporaryDir>

#include <memory>
#include <optional>

namespace script {

// A name or text as a message quotes it: control characters escaped as \xNN
// (nothing reaches the terminal as an escape sequence, no NUL cuts the
// message short), long names cut.
QString quoted(const QString &name);

// UTF-8 text as a QString, every character kept: a U+FEFF that starts it too.
QString fromUtf8(const std::string &text);

// A malformed script, or an unknown screen or control name.
struct ScriptError {
    QString message;
};

struct Dialog {
    int step = 0;
    QString kind; // "prompt", "message" or "error"
    QString title;
    QString text;
    std::optional<QString> answer; // prompts: nullopt = Cancel
    QString failure;               // errors: "type mismatch", ...
    QString unit = {};             // prompts: the unit beside the field ("cm²"), if any
};

class Runner : public ui::Platform {
public:
    // `locale`: "it_IT" (decimal comma), "en_US" (decimal point), ... The
    // program starts as it does for a person: the main menu shown. The
    // choices of unit, decimals and specific weight start from the defaults,
    // kept in memory only: the runner never reads or writes those a person
    // saved.
    explicit Runner(const QString &locale = QStringLiteral("en_US"));
    ~Runner() override;

    // Steps; each throws ScriptError for an unknown screen or control.
    void show(const QString &screen);
    void click(const QString &control); // "Screen.Control"
    void tick(const QString &control);
    void untick(const QString &control);
    void select(const QString &control);
    void answers(const QList<std::optional<QString>> &queue);
    void close(const QString &screen);
    // A choice of a solver screen's row ("Form3.Unita", "cm"), or of the
    // sheet screen ("Schede.Quanti", "4"): an option as
    // listed ("cm", "2", "tutti"), or for "PesoSpecifico" a material
    // ("ferro") or a number typed under the locale. A specific weight chosen
    // while no unit is chosen changes nothing, as its box is disabled.
    void choose(const QString &control, const QString &option);
    // The choices as a script's "preferences" gives them, before its steps.
    void setPreferences(const solver::Preferences &preferences);

    // Runs a script: its preferences, then its steps.
    void run(const solver::script::Script &script);
    // Runs a script's steps, as read().
    void run(const std::vector<solver::script::Step> &steps);
    // Runs a whole script's "steps" array (already checked by validate()).
    void run(const QJsonArray &steps);
    // Reads the bytes of a script file with the core's reader (as the web
    // edition does) and checks that Qt knows its locale; throws ScriptError.
    static solver::script::Script read(const QByteArray &bytes);
    // Checks the form of a script as read() does; throws ScriptError.
    static void validate(const QJsonObject &script);
    // True for "C" and for a locale name Qt knows ("it_IT", "en_US", ...).
    static bool knownLocale(const QString &name);

    // What happened and what the screens show.
    QJsonObject transcript() const;
    // A transcript as the golden set stores and compares it: every screen's
    // "solution" left out.
    static QJsonObject withoutSolutions(QJsonObject transcript);
    const QList<Dialog> &dialogs() const { return m_dialogs; }
    QStringList printed() const { return m_printed; }
    bool ended() const { return m_ended; }
    bool created(const QString &screen) const; // created so far
    bool visible(const QString &screen) const;
    QString text(const QString &control) const; // label or text box
    bool checked(const QString &control) const; // tick box or option button
    bool enabled(const QString &control) const;
    int step() const { return m_step; }
    void setStep(int step) { m_step = step; }

    app::Shell &shell() { return *m_shell; }

    // ui::Platform
    QString prompt(QWidget *parent, const QString &text, const QString &unit) override;
    void message(QWidget *parent, const QString &text) override;
    void failure(QWidget *parent, const QString &text, solver::Failure kind) override;
    void print(QWidget *window, const QString &screen) override;
    // Writes the pages as a PDF file (lastPdf()); printed, not previewed,
    // they are recorded in printed().
    void printPages(QWidget *parent, const QString &screen, const ui::Pages &pages,
                    bool preview) override;
    // The PDF file of the pages written last; empty before any.
    QString lastPdf() const { return m_lastPdf; }

private:
    QWidget *control(const QString &path);
    QWidget *find(const QString &path) const;

    std::unique_ptr<app::Shell> m_shell;
    QQueue<std::optional<QString>> m_answers;
    QList<Dialog> m_dialogs;
    QStringList m_printed;
    QTemporaryDir m_pdfDir;
    QString m_lastPdf;
    bool m_ended = false;
    int m_step = 0;
};

} // namespace script

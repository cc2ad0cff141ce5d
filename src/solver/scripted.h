// A press of a solving button without a window: the tick boxes are a set, the
// prompts are answered from a queue, and everything the press does is kept in
// order (prompts, messages, texts written, failures) with its worked solution.
//
// The web edition's core, the script generator and the tests all press
// buttons this way; the Qt window is the other implementation of Host.
#pragma once

#include "calc.h"

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace solver {

// One thing a press did, as a person at the window would see it.
struct PressEvent {
    enum class Kind { Prompt, Message, Set, Failure };
    Kind kind = Kind::Prompt;
    std::string control; // Set: the label written
    std::string text;    // the prompt, the message, the text written, the failure's text
    Failure failure = Failure::TypeMismatch; // Failure only
    std::string unit = {};                   // Prompt: the unit beside the box ("cm²")

    bool operator==(const PressEvent &) const = default;
};

class ScriptedHost : public Host {
public:
    // A typed answer; nullopt is Cancel (read as the empty text).
    using Answer = std::optional<std::string>;

    // What a prompt past the last queued answer gets.
    enum class WhenOut {
        Cancel, // the empty text, as Cancel gives
        Repeat, // the queue again from its first answer
        Stop,   // nothing: the press stops at that prompt (see press())
    };

    explicit ScriptedHost(NumberFormat format = NumberFormat::point(),
                          WhenOut whenOut = WhenOut::Cancel)
        : format(std::move(format)), whenOut(whenOut)
    {
    }

    // The press as set up.
    std::set<std::string> ticks;
    std::vector<Answer> answers;
    NumberFormat format;
    WhenOut whenOut;
    Preferences choices; // unit, decimals, specific weight

    // What it did.
    std::vector<PressEvent> events;
    std::size_t asked = 0;                    // prompts shown, the one stopped at included
    bool stopped = false;                     // with WhenOut::Stop: a prompt went unanswered
    std::map<std::string, std::string> texts; // the last text written to each label
    std::optional<Solution> solution;         // only a press that ran to its end has one
    std::optional<Figure> figure;             // likewise: its solid, or why there is none

    // Runs one press of `button` with this host. With WhenOut::Stop a prompt
    // beyond the queued answers ends it there: that prompt is the last event,
    // nothing after it happened, and there is no solution.
    void press(const SolverScreen &screen, const SolveButton &button, CaseTrace *trace = nullptr);

    // The events of one kind, their texts in order.
    std::vector<std::string> prompts() const { return textsOf(PressEvent::Kind::Prompt); }
    std::vector<std::string> messages() const { return textsOf(PressEvent::Kind::Message); }
    std::vector<Failure> failures() const;
    // The text of the first failure reported, empty when none was.
    std::string failed() const;

    bool ticked(const std::string &control) const override { return ticks.count(control) > 0; }
    std::string prompt(const std::string &text, const std::string &unit) override;
    void message(const std::string &text) override;
    void setText(const std::string &control, const std::string &text) override;
    void failure(const CalcError &error) override;
    NumberFormat numberFormat() const override { return format; }
    Preferences preferences() const override { return choices; }
    void solved(const Solution &s) override { solution = s; }
    void figured(const Figure &f) override { figure = f; }

private:
    // Thrown at a prompt left unanswered with WhenOut::Stop; not a CalcError,
    // so the calculation's own failure handling never sees it.
    struct Stopped {};

    std::vector<std::string> textsOf(PressEvent::Kind kind) const;
    std::size_t answerIndex(std::size_t prompt) const;
};

} // namespace solver

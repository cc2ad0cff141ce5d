#include "scripted.h"

namespace solver {

void ScriptedHost::press(const SolverScreen &screen, const SolveButton &button, CaseTrace *trace)
{
    try {
        runCalcola(*this, screen, button, trace);
    } catch (const Stopped &) {
        // Stopped at the first unanswered prompt; the events so far stand.
    }
}

// The queued answer prompt `prompt` (from 0) gets, or answers.size() for none.
std::size_t ScriptedHost::answerIndex(std::size_t prompt) const
{
    if (prompt < answers.size())
        return prompt;
    if (whenOut == WhenOut::Repeat && !answers.empty())
        return prompt % answers.size();
    return answers.size();
}

std::string ScriptedHost::prompt(const std::string &text, const std::string &unit)
{
    events.push_back({ PressEvent::Kind::Prompt, {}, text, Failure::TypeMismatch, unit });
    const std::size_t k = answerIndex(asked++);
    if (k < answers.size())
        return answers[k].value_or(std::string());
    if (whenOut == WhenOut::Stop) {
        stopped = true;
        throw Stopped{};
    }
    return {};
}

void ScriptedHost::message(const std::string &text)
{
    events.push_back({ PressEvent::Kind::Message, {}, text });
}

void ScriptedHost::setText(const std::string &control, const std::string &text)
{
    events.push_back({ PressEvent::Kind::Set, control, text });
    texts[control] = text;
}

void ScriptedHost::failure(const CalcError &error)
{
    events.push_back({ PressEvent::Kind::Failure, {}, error.what(), error.kind() });
}

std::vector<std::string> ScriptedHost::textsOf(PressEvent::Kind kind) const
{
    std::vector<std::string> out;
    for (const auto &e : events)
        if (e.kind == kind)
            out.push_back(e.text);
    return out;
}

std::vector<Failure> ScriptedHost::failures() const
{
    std::vector<Failure> out;
    for (const auto &e : events)
        if (e.kind == PressEvent::Kind::Failure)
            out.push_back(e.failure);
    return out;
}

std::string ScriptedHost::failed() const
{
    for (const auto &e : events)
        if (e.kind == PressEvent::Kind::Failure)
            return e.text;
    return {};
}

} // namespace solver

// The reading of a corpimetro-script script: strict JSON in UTF-8, checked
// for its form, and written back in one normalized form. Both runners read
// scripts with it: corpimetro-script natively, web/run-script through the
// WebAssembly export (web/scriptreader.cpp).
#pragma once

#include "units.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace solver::script {

// One step: "show", "close" (a screen), "click", "tick", "untick", "select"
// ("Screen.Control") take `name`; "answers" takes `answers` (nullopt = Cancel);
// "choose" takes `name` (a choice of a solver screen: "Form3.Unita") and the
// `option` chosen ("cm").
struct Step {
    std::string kind;
    std::string name;
    std::vector<std::optional<std::string>> answers;
    std::string option = {};
};

struct Script {
    // "C", or a language with its script and territory when written:
    // "it_IT", "en_US", "it", "sr_Latn_RS". "en_US" when the script names none.
    std::string locale = "en_US";
    // The choices made before the script starts, as "preferences" gives them:
    // {"unit": "cm", "decimals": 2, "specificWeight": "7,8"}; without it the
    // program starts from no unit, every decimal and no specific weight,
    // whatever a person chose before.
    std::optional<Preferences> preferences;
    std::vector<Step> steps;
};

// A script read, or why it could not be: the message starts with
// "malformed script: ".
struct Reading {
    std::optional<Script> script;
    std::string error;
};

// Reads the bytes of a script file. A byte-order mark starting the bytes is
// skipped; invalid UTF-8, raw control characters, lone surrogates, duplicate
// keys and nesting deeper than kMaxDepth make the script malformed.
Reading read(std::string_view bytes);

constexpr int kMaxDepth = 32;

// The locale as a script may write it, as $LANG does too ("it_IT.UTF-8",
// "en_US@euro", "it-IT", "C.UTF-8", "POSIX"), reduced to language, script
// and territory ("it_IT", "en_US", "it_IT", "C", "C"); nullopt for a name of
// another form.
std::optional<std::string> localeName(std::string_view written);

// The script in its normalized form: compact JSON, every character outside
// ASCII escaped, "locale" always written.
std::string toJson(const Script &script);

// `read` as JSON: {"script": <toJson>} or {"error": "malformed script: ..."}.
std::string readAsJson(std::string_view bytes);

// A name or text as a message quotes it: control characters escaped as \xNN,
// names longer than 80 UTF-16 units cut (never inside a character).
std::string quoted(std::string_view utf8);

} // namespace solver::script

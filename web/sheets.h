// The exercise sheets as the web edition asks for them: the screen that makes
// them, a sheet of given settings, a seed for a person, and a figure with its
// data written on it, as JSON text. See web/CONTRACT.md.
#pragma once

#include <nlohmann/json.hpp>

#include <string>

namespace websheets {

// The "Schede" screen: its controls and texts, the families of solids, the
// options of each choice and the words every sheet uses.
nlohmann::ordered_json describe();

// A request whose "op" is "sheetScreen", "sheet", "sheetSeed" or
// "sheetFigure"; throws std::exception for a malformed one.
std::string handle(const nlohmann::json &request);

// Whether `op` names one of the requests above.
bool handles(const std::string &op);

} // namespace websheets

extern "C" {
const char *corpimetro_sheets(const char *request);
}

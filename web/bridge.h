// The calculation core as seen by the web edition: screen and menu
// descriptions, and one press of a solving button, as JSON text.
//
// Compiled natively (corpimetro-bridge, the tests) and to WebAssembly; the
// interface is written down in web/CONTRACT.md.
#pragma once

#include <string>
#include <vector>

namespace bridge {

// {"screens": [...], "menus": [...]}
std::string describe();

// One press; see web/CONTRACT.md. Never throws: faults of the request come
// back as {"error": "..."}. Every answer is UTF-8 JSON, whatever the request.
std::string press(const std::string &request);

// The figure of a screen's last press seen from a camera, as the list of
// primitives to draw; see web/CONTRACT.md. Never throws.
std::string view(const std::string &request);

// The same view as numbers, for the WebAssembly page to read from memory
// without parsing text; see web/CONTRACT.md. Never throws; the answer
// lasts until the next call.
const std::vector<double> &viewNumbers(const std::string &request);

// A request line of the native tool: a press, {"op": "describe"} or
// {"op": "view", ...}.
std::string handle(const std::string &request);

} // namespace bridge

extern "C" {
const char *corpimetro_describe(void);
const char *corpimetro_press(const char *request);
const double *corpimetro_view_numbers(const char *request);
}

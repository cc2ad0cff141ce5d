// The calculation core as seen by the web edition: screen and menu
// descriptions, and one press of a solving button, as JSON text.
//
// Compiled natively (corpimetro-bridge, the tests) and to WebAssembly; the
// interface is written down in web/CONTRACT.md.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace bridge {

// A parsed JSON value: enough of JSON for the requests and the tests.
struct Json {
    enum class Type { Null, Bool, Number, String, Array, Object };
    Type type = Type::Null;
    bool boolean = false;
    double number = 0.0;
    std::string string;
    std::vector<Json> array;
    std::vector<std::pair<std::string, Json>> object; // in document order

    bool isNull() const { return type == Type::Null; }
    // The member of that name, or nullptr (also when this is not an object).
    const Json *find(const std::string &key) const;
};

// Parses one JSON text (surrounding blanks allowed). Throws std::runtime_error
// naming the offset of the first fault.
Json parseJson(const std::string &text);

// Appends `text` to `out` as a JSON string literal (quotes included).
void writeString(std::string &out, const std::string &text);

// {"screens": [...], "menus": [...]}
std::string describe();

// One press; see web/CONTRACT.md. Never throws: faults of the request come
// back as {"error": "..."}.
std::string press(const std::string &request);

// A request line of the native tool: a press, or {"op": "describe"}.
std::string handle(const std::string &request);

} // namespace bridge

extern "C" {
const char *corpimetro_describe(void);
const char *corpimetro_press(const char *request);
}

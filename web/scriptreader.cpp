#include "scriptreader.h"

#include "solver/script.h"

#include <string>

extern "C" const char *corpimetro_read_script(const char *bytes, int length)
{
    static std::string answer;
    answer = solver::script::readAsJson(
        std::string_view(bytes ? bytes : "", bytes && length > 0 ? std::size_t(length) : 0));
    return answer.c_str();
}

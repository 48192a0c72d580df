#include "cef.h"

namespace cef
{
std::string extension(const std::string &value)
{
    // One pass does what doubling the backslashes first and escaping the
    // equals signs second would do: the backslash put before an equals sign
    // is never doubled.
    std::string escaped;
    escaped.reserve(value.size());
    for (const char c : value) {
        switch (c) {
        case '\\':
            escaped += "\\\\";
            break;
        case '=':
            escaped += "\\=";
            break;
        case '\r':
            escaped += "\\r";
            break;
        case '\n':
            escaped += "\\n";
            break;
        case '\0':
            escaped += "\\0";
            break;
        default:
            escaped += c;
            break;
        }
    }
    return escaped;
}
}

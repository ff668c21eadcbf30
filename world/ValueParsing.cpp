#include "world/ValueParsing.h"

#include <cctype>
#include <cstring>
#include <sstream>

namespace {

// A stream extraction that fails leaves 0 in the value, and one out of range
// leaves the type's extreme; both are what a level file author gets.
template <typename T>
T extract(const char* text, std::ios_base& (*base)(std::ios_base&) = std::dec) {
    std::istringstream stream(text ? text : "");
    T value{};
    stream >> base >> value;
    return value;
}

}  // namespace

bool parseBool(const char* text) {
    return text && std::strcmp(text, "true") == 0;
}

float parseFloat(const char* text) {
    return extract<float>(text);
}

double parseDouble(const char* text) {
    return extract<double>(text);
}

int32_t parseInt(const char* text) {
    return extract<int32_t>(text);
}

uint32_t parseColor(const char* text) {
    if (!text || std::strlen(text) < 2) return 0;
    return extract<uint32_t>(text + 1, std::hex);
}

bool isColorText(const char* text) {
    if (!text || !text[0]) return false;
    size_t digits = 0;
    for (const char* c = text + 1; *c; ++c, ++digits)
        if (!std::isxdigit(static_cast<unsigned char>(*c))) return false;
    return digits >= 1 && digits <= 8;
}

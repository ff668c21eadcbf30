#include "ui/TextInput.h"

bool isTextInputChar(char character) {
    // Read as unsigned so that non-ASCII bytes (negative in a char) land above
    // 127 and fail every range.
    const int c = static_cast<unsigned char>(character);
    return (c >= 32 && c <= 36) || c == 38 || c == 39 || (c >= 42 && c <= 57) || c == 61 ||
           (c >= 63 && c <= 90) || (c >= 94 && c <= 122);
}

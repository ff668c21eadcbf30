#pragma once

#include <cstdint>

// The conversions of the level description file. Each reads a text (null
// reads as the empty text) the way a formatted stream extraction with the
// default flags does, and returns the empty value of its type (false, 0, 0.0)
// when the text holds no value; text after the value is ignored. They keep no
// state and never throw.

// True exactly for the text "true": case-sensitive, no surrounding spaces.
bool parseBool(const char* text);

// Leading whitespace is skipped and the longest number prefix is read, so
// "90 degrees" gives 90. A number beyond the type's range gives its largest
// finite value of that sign; infinities and NaN cannot result.
float parseFloat(const char* text);
double parseDouble(const char* text);

// A decimal integer prefix: "25x" gives 25, "12.7" gives 12. Out of range
// gives INT32_MAX or INT32_MIN.
int32_t parseInt(const char* text);

// "#AARRGGBB": the first character, whatever it is, is skipped and the rest
// read as a hexadecimal number, so "#ff808080" gives 0xFF808080 and a
// six-digit colour has alpha 0. A text shorter than two characters, or whose
// remainder has no hexadecimal digits, gives 0.
uint32_t parseColor(const char* text);

// Whether text is a colour as level files write it: one leading character
// (the #) and then one to eight hexadecimal digits, nothing else. parseColor
// reads anything; the loader refuses wall colours that fail this, since a
// typo there would silently match no map pixel.
bool isColorText(const char* text);

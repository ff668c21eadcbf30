#pragma once

#include <cstdint>

// The Penner easing curves with start 0, change 1 and duration 1, by number.
// t runs over [0, 1]; a number above 21 moves linearly.
enum Easing : uint32_t {
    Linear, QuadIn, QuadOut, QuadInOut, CubicIn, CubicOut, CubicInOut,
    QuartIn, QuartOut, QuartInOut, QuintIn, QuintOut, QuintInOut,
    SineIn, SineOut, SineInOut, ExpoIn, ExpoOut, ExpoInOut,
    CircIn, CircOut, CircInOut,
};

float ease(uint32_t easing, float t);

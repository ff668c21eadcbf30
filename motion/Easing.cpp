#include "motion/Easing.h"

#include <cmath>

namespace {
constexpr double HALF_PI = 1.5707963267948966;
constexpr double PI_D = 3.141592653589793;

float power(float u, int n) {
    float r = 1.0f;
    for (int i = 0; i < n; ++i) r *= u;
    return r;
}
}  // namespace

float ease(uint32_t easing, float t) {
    // Sine and exponential curves go through the double-precision library
    // calls and are narrowed afterwards. The exponential ends stay unclamped
    // (ExpoOut(1) is 1 - 2^-10, not 1), which the flash's fade relies on. The
    // exponents themselves are float arithmetic, like the rest; only the
    // sine arguments meet the double pi.
    const float u = 2.0f * t;
    switch (easing) {
    case Linear: return t;
    case QuadIn: return t * t;
    case QuadOut: return -t * (t - 2.0f);
    case QuadInOut: return u < 1.0f ? 0.5f * u * u : -0.5f * ((u - 1.0f) * (u - 3.0f) - 1.0f);
    case CubicIn: return power(t, 3);
    case CubicOut: return power(t - 1.0f, 3) + 1.0f;
    case CubicInOut: return u < 1.0f ? 0.5f * power(u, 3) : 0.5f * (power(u - 2.0f, 3) + 2.0f);
    case QuartIn: return power(t, 4);
    case QuartOut: return -(power(t - 1.0f, 4) - 1.0f);
    case QuartInOut: return u < 1.0f ? 0.5f * power(u, 4) : -0.5f * (power(u - 2.0f, 4) - 2.0f);
    case QuintIn: return power(t, 5);
    case QuintOut: return power(t - 1.0f, 5) + 1.0f;
    case QuintInOut: return u < 1.0f ? 0.5f * power(u, 5) : 0.5f * (power(u - 2.0f, 5) + 2.0f);
    case SineIn: return static_cast<float>(1.0 - std::cos(t * HALF_PI));
    case SineOut: return static_cast<float>(std::sin(t * HALF_PI));
    case SineInOut: return static_cast<float>(-0.5 * (std::cos(PI_D * t) - 1.0));
    case ExpoIn: return static_cast<float>(std::pow(2.0, 10.0f * (t - 1.0f)));
    case ExpoOut: return static_cast<float>(1.0 - std::pow(2.0, -10.0f * t));
    case ExpoInOut:
        return u < 1.0f ? static_cast<float>(0.5 * std::pow(2.0, 10.0f * (u - 1.0f)))
                        : static_cast<float>(0.5 * (2.0 - std::pow(2.0, -10.0f * (u - 1.0f))));
    case CircIn: return -(std::sqrt(1.0f - t * t) - 1.0f);
    case CircOut: return std::sqrt(1.0f - (t - 1.0f) * (t - 1.0f));
    case CircInOut:
        return u < 1.0f ? -0.5f * (std::sqrt(1.0f - u * u) - 1.0f)
                        : 0.5f * (std::sqrt(1.0f - (u - 2.0f) * (u - 2.0f)) + 1.0f);
    default: return t;
    }
}

#pragma once

#include <cmath>

// A position, direction or offset in map cells, in single precision.
struct Vec2 {
    float x = 0.0f;
    float y = 0.0f;

    constexpr Vec2() = default;
    constexpr Vec2(float x_, float y_) : x(x_), y(y_) {}

    constexpr Vec2 operator+(const Vec2& o) const { return {x + o.x, y + o.y}; }
    constexpr Vec2 operator-(const Vec2& o) const { return {x - o.x, y - o.y}; }
    constexpr Vec2 operator*(float s) const { return {x * s, y * s}; }
    constexpr bool operator==(const Vec2& o) const { return x == o.x && y == o.y; }
};

inline float length(const Vec2& a) { return std::sqrt(a.x * a.x + a.y * a.y); }
inline float dot(const Vec2& a, const Vec2& b) { return a.x * b.x + a.y * b.y; }
// In place; a zero vector yields NaN components, so callers that may pass one
// must guard (turning toward one's own position is one such case).
inline void normalize(Vec2& a) {
    const float l = length(a);
    a.x /= l;
    a.y /= l;
}

inline constexpr double PI = 3.141592653589793;
inline constexpr double degreesToRadians(double d) { return d * PI / 180.0; }
inline constexpr double radiansToDegrees(double r) { return r * 180.0 / PI; }

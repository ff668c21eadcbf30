#include "render/Camera.h"

#include "world/Level.h"

#include <cmath>

void rotateView(Vec2& direction, Vec2& cameraPlane, double degrees) {
    const float angle = static_cast<float>(degreesToRadians(degrees));
    const float s = std::sin(angle);
    const float c = std::cos(angle);
    // Both components from the old values: update x only after y is known.
    const Vec2 d = direction;
    direction = Vec2(d.x * c - d.y * s, d.x * s + d.y * c);
    const Vec2 p = cameraPlane;
    cameraPlane = Vec2(p.x * c - p.y * s, p.x * s + p.y * c);
}

void placeCameraAtStart(const Level& level, Vec2& position, Vec2& direction, Vec2& cameraPlane) {
    position = level.start;
    direction = Vec2(-1.0f, 0.0f);
    cameraPlane = Vec2(0.0f, CAMERA_PLANE_LENGTH);
    rotateView(direction, cameraPlane, static_cast<double>(level.rotation));
}

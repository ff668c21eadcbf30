#pragma once

#include "render/Vec2.h"

struct Level;

// The camera is three vectors the play state owns: position (cells),
// direction (unit length) and cameraPlane (length 0.66, perpendicular to
// direction; screen column 0 looks along direction - cameraPlane). Only
// rotateView changes the last two, together, which keeps both invariants up to
// float rounding.

inline constexpr float CAMERA_PLANE_LENGTH = 0.66f;

// Turns direction and cameraPlane by the same angle in degrees; a positive
// angle turns from +x toward +y, which is toward the left of the screen.
void rotateView(Vec2& direction, Vec2& cameraPlane, double degrees);

// The camera on entering a level: at the level's start, facing -x with the
// plane along +y, then turned by the level's rotation (0 faces -x, 90 faces
// -y, 180 faces +x, 270 faces +y).
void placeCameraAtStart(const Level& level, Vec2& position, Vec2& direction, Vec2& cameraPlane);

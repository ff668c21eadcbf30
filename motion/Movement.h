#pragma once

#include "render/Vec2.h"

struct Level;

// The player's body against a level's collision grid: a square of half-side
// COLLISION_MARGIN cells centred on the position. Distances in cells, speeds
// in cells (or degrees) per second.
inline constexpr double COLLISION_MARGIN = static_cast<double>(0.1f);
inline constexpr float WALK_SPEED = 3.2f;
inline constexpr float STRAFE_SPEED = 2.8f;
inline constexpr float TURN_SPEED = 105.0f;
inline constexpr float FOOTSTEP_SPACING = 2.5f;
inline constexpr float ACTION_REACH = 1.0f;

// True when the square at (x, y) overlaps a blocking cell. A square reaching
// outside the grid counts as blocked, so a broken map cannot walk the
// player off its edge.
bool isBlocked(const Level& level, double x, double y);

// Moves position by (dx, dy) one axis at a time, x first, each axis only when
// it stays clear, which slides the player along walls. Each axis that moves
// takes its own distance off footstepCountdown (so a diagonal walk steps more
// often) and sets moved; a blocked axis leaves both alone.
void slideMove(const Level& level, Vec2& position, double dx, double dy, float& footstepCountdown, bool& moved);

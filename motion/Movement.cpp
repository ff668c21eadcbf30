#include "motion/Movement.h"

#include "world/Level.h"

#include <cmath>

bool isBlocked(const Level& level, double x, double y) {
    const double m = COLLISION_MARGIN;
    const double lowX = x - m, highX = x + m, lowY = y - m, highY = y + m;
    const auto& grid = level.collisionGrid;
    if (!(lowX >= 0.0 && lowY >= 0.0 && highX < grid.width() && highY < grid.height())) return true;
    const uint32_t x0 = static_cast<uint32_t>(lowX), x1 = static_cast<uint32_t>(highX);
    const uint32_t y0 = static_cast<uint32_t>(lowY), y1 = static_cast<uint32_t>(highY);
    return grid[x0][y0] || grid[x0][y1] || grid[x1][y0] || grid[x1][y1];
}

void slideMove(const Level& level, Vec2& position, double dx, double dy, float& footstepCountdown, bool& moved) {
    // Sums are taken in double and narrowed once, as the collision test saw
    // them, so the position that was tested is the position kept.
    if (!isBlocked(level, position.x + dx, position.y)) {
        position.x = static_cast<float>(position.x + dx);
        footstepCountdown = static_cast<float>(footstepCountdown - std::fabs(dx));
        moved = true;
    }
    if (!isBlocked(level, position.x, position.y + dy)) {
        position.y = static_cast<float>(position.y + dy);
        footstepCountdown = static_cast<float>(footstepCountdown - std::fabs(dy));
        moved = true;
    }
}

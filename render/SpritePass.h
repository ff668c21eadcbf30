#pragma once

#include "render/RaycasterFrame.h"

#include <cstdint>
#include <vector>

struct Level;

namespace raycast {

// The sprite pass: the level's visible sprites as camera-facing billboards,
// far to near, each column clipped against the wall depth the wall pass left.
// Owns its order and row buffers; they grow only when a level has more
// sprites than any before.
class SpritePass {
public:
    explicit SpritePass(int screenHeight);

    // depth: the perpendicular wall distance of every screen column.
    void draw(const FrameView& view, const Level& level, const Vec2& direction, const Vec2& cameraPlane,
              uint32_t* const* frameBuffer, const double* depth);

private:
    std::vector<int32_t> order;
    std::vector<double> distance;
    std::vector<int32_t> texelRow;  // per screen row of the sprite being drawn: row offset in the image
};

}  // namespace raycast

// Sorts the first n entries of distance (squared distances to the sprites)
// into non-increasing order, moving order's entries along, with a comb sort
// (shrink 10/13, gaps 9 and 10 become 11). Equal distances are never
// exchanged. n of 0 or 1 leaves both arrays as they are.
void sortSpritesFarToNear(int32_t* order, double* distance, int n);

#pragma once

#include "render/RaycasterFrame.h"

#include <cstdint>
#include <vector>

namespace raycast {

// The floor and ceiling pass: below a column's wall slice, every screen row
// shows the floor at a distance that depends on the row alone, and the
// ceiling mirrors it above. Owns the per-row buffers it works in, sized once
// for the screen height, so a frame allocates nothing.
class FloorPass {
public:
    explicit FloorPass(int screenHeight);

    // Draws the floor and ceiling of column x from the row below slice to the
    // screen's edge, looking each cell up in the view's cellLooks; LIT also
    // writes their darkness into the view's overlay.
    template <bool LIT>
    void drawColumn(const FrameView& view, const Ray& ray, const WallSlice& slice, int x, uint32_t* column);

private:
    std::vector<double> rowDistance;  // per screen row below the horizon: H / (2y - H)
    std::vector<int32_t> floorU;      // per row of the column being cast: 64 * the
    std::vector<int32_t> floorV;      // floor point's x and y, truncated
};

}  // namespace raycast

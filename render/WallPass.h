#pragma once

#include "render/RaycasterFrame.h"

#include <cstdint>

namespace raycast {

// The wall pass of one screen column: walks the ray through the wall grid to
// the first wall (on a tie stepping along y; leaving the grid ends the walk at
// its edge, where no wall is drawn), draws that wall's slice into column x
// (several storeys tall if its texture is), and with transparentWall first the
// border wall behind it, so its see-through texels show that. LIT also writes
// each drawn pixel's darkness into the view's overlay. Returns the near
// wall's slice, which the floor pass starts below.
template <bool LIT>
WallSlice castWallColumn(const FrameView& view, const Ray& ray, int x, uint32_t* column);

}  // namespace raycast

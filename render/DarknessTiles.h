#pragma once

#include <cstddef>
#include <cstdint>

namespace raycast {

// The raycaster gathers a frame's darkness in a column-major buffer beside the
// column-major frame, each pass writing down its columns as it writes the
// frame's, and lays it into the row-major overlay here, in tiles. Written
// straight into the overlay, one column of darkness would be one store every
// pitch bytes: on a 640-pixel screen 40 cache lines apart, so the 480 rows of
// a column share 8 of the L1 cache's 64 sets and nearly every store misses.
//
// The buffer holds one byte a pixel, the index of the pixel's darkness word
// (the Manhattan cell distance, 0 to DARKNESS_WORDS - 1), so that it is a
// quarter of the overlay's size and adds few cache lines to the frame.

inline constexpr int DARKNESS_WORDS = 9;
// The buffer's byte for "no darkness written here".
inline constexpr uint8_t NO_DARKNESS = 0xFF;

// For every byte of the width x height column-major buffer (column x at
// columns + x * height) that is not NO_DARKNESS, writes words[byte] to the
// same pixel of the overlay (32-bit pixels, pitch bytes a row, at least
// width x height), and leaves the buffer all NO_DARKNESS again. Overlay pixels
// without a byte keep what they held. The words are black at an opacity: only
// their top byte may be set.
void moveDarknessToOverlay(uint8_t* columns, int width, int height, const uint32_t (&words)[DARKNESS_WORDS],
                           uint8_t* overlay, ptrdiff_t pitch);

}  // namespace raycast

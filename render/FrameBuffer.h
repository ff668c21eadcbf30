#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

// The column-major frame the raycaster draws into: width columns of height
// 32-bit pixels (0xAARRGGBB), column x at columns()[x], row 0 at the top. The
// pixels are one block, allocated once; columns() is what the raycaster and
// Engine::blitColumnBuffer take. Not copyable.
class FrameBuffer {
public:
    FrameBuffer(int width, int height)
        : w(width > 0 ? width : 0), h(height > 0 ? height : 0),
          pixels(new uint32_t[static_cast<size_t>(w) * h]()), columnPointers(new uint32_t*[w]) {
        for (int x = 0; x < w; ++x) columnPointers[x] = pixels.get() + static_cast<size_t>(x) * h;
    }
    FrameBuffer(const FrameBuffer&) = delete;
    FrameBuffer& operator=(const FrameBuffer&) = delete;

    int width() const { return w; }
    int height() const { return h; }
    uint32_t* const* columns() const { return columnPointers.get(); }
    uint32_t* operator[](int x) const { return columnPointers[x]; }

    void fill(uint32_t colour) {
        uint32_t* p = pixels.get();
        const size_t count = static_cast<size_t>(w) * h;
        for (size_t i = 0; i < count; ++i) p[i] = colour;
    }

private:
    int w;
    int h;
    std::unique_ptr<uint32_t[]> pixels;
    std::unique_ptr<uint32_t*[]> columnPointers;
};

#pragma once

#include "media/Image.h"

#include <memory>

// A decoded picture that knows its own size: width x height texels,
// row-major, 0xAARRGGBB, owned through PixelArray (released with std::free).
// Whoever reads or writes texels checks against width and height; pixels is
// null only for an image that failed to decode.
struct TexelImage {
    int width = 0, height = 0;
    PixelArray pixels;
};

// A new image with its own copy of source's texels (and the same size), for a
// holder that is about to change texels others share. Null when the copy
// cannot be allocated.
std::shared_ptr<TexelImage> copyTexelImage(const TexelImage& source);

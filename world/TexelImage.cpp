#include "world/TexelImage.h"

#include <cstdlib>
#include <cstring>

std::shared_ptr<TexelImage> copyTexelImage(const TexelImage& source) {
    auto copy = std::make_shared<TexelImage>();
    copy->width = source.width;
    copy->height = source.height;
    if (!source.pixels || source.width <= 0 || source.height <= 0) return copy;
    const size_t bytes = sizeof(uint32_t) * static_cast<size_t>(source.width) * source.height;
    copy->pixels.reset(static_cast<uint32_t*>(std::malloc(bytes)));
    if (!copy->pixels) return nullptr;
    std::memcpy(copy->pixels.get(), source.pixels.get(), bytes);
    return copy;
}

#include "render/SurfacePixels.h"

#include <cstring>

namespace {

bool contains(const SDL_Surface* surface, int x, int y) {
    return surface && surface->pixels && x >= 0 && y >= 0 && x < surface->w && y < surface->h;
}

}  // namespace

void putPixel(SDL_Surface* surface, int x, int y, uint32_t value) {
    if (!contains(surface, x, y)) return;
    const int bytes = surface->format->BytesPerPixel;
    uint8_t* at = static_cast<uint8_t*>(surface->pixels) + y * surface->pitch + x * bytes;
    switch (bytes) {
    case 1:
        *at = static_cast<uint8_t>(value);
        break;
    case 2: {
        const uint16_t low = static_cast<uint16_t>(value);
        std::memcpy(at, &low, sizeof low);
        break;
    }
    case 3:
        at[0] = static_cast<uint8_t>(value);
        at[1] = static_cast<uint8_t>(value >> 8);
        at[2] = static_cast<uint8_t>(value >> 16);
        break;
    case 4:
        std::memcpy(at, &value, sizeof value);
        break;
    default:
        break;
    }
}

uint32_t getPixel32(const SDL_Surface* surface, int x, int y) {
    if (!contains(surface, x, y) || surface->format->BytesPerPixel != 4) return 0;
    // Rows are pitch bytes apart, which is width * 4 for the overlay but need
    // not be for every surface.
    uint32_t value;
    std::memcpy(&value, static_cast<const uint8_t*>(surface->pixels) + y * surface->pitch + x * 4,
                sizeof value);
    return value;
}

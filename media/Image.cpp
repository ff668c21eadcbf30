#include "media/Image.h"

#include "engine/Log.h"

#include <stb_image.h>

#include <cstdio>
#include <cstring>

namespace {

// stb_image decodes from an open file; the file is ours to close.
unsigned char* decodeFile(const char* path, int& width, int& height, int& channels, int wanted) {
    if (!path) return nullptr;
    FILE* file = std::fopen(path, "rb");
    if (!file) return nullptr;
    unsigned char* pixels = stbi_load_from_file(file, &width, &height, &channels, wanted);
    std::fclose(file);
    return pixels;
}

}  // namespace

SDL_Surface* loadImage(const char* path, int& width, int& height) {
    int channels = 0;
    unsigned char* pixels = decodeFile(path, width, height, channels, 0);
    if (!pixels) return nullptr;

    SDL_Surface* raw = createSurface(width, height, channels);
    if (!raw) {
        stbi_image_free(pixels);
        return nullptr;
    }
    // The decoder packs rows tightly; the surface pads each row to its pitch,
    // so copy row by row or an RGB image whose width*3 is not a multiple of 4
    // comes out sheared.
    const size_t rowBytes = static_cast<size_t>(width) * channels;
    SDL_LockSurface(raw);
    for (int y = 0; y < height; ++y) {
        std::memcpy(static_cast<unsigned char*>(raw->pixels) + static_cast<size_t>(y) * raw->pitch,
                    pixels + static_cast<size_t>(y) * rowBytes, rowBytes);
    }
    SDL_UnlockSurface(raw);
    stbi_image_free(pixels);

    // Converting once here means every later blit is a plain copy.
    SDL_Surface* converted = SDL_DisplayFormat(raw);
    SDL_FreeSurface(raw);
    return converted;
}

SDL_Surface* loadImageOrWarn(const char* path, int& width, int& height) {
    SDL_Surface* surface = loadImage(path, width, height);
    if (!surface) {
        width = 0;
        height = 0;
        logLine("Couldn't load image %s; it will not be drawn", path ? path : "(no path)");
    }
    return surface;
}

uint32_t* loadImagePixels(const char* path, int& width, int& height) {
    int channels = 0;
    unsigned char* bytes = decodeFile(path, width, height, channels, 4);
    if (!bytes) return nullptr;
    // RGBA bytes read as little-endian words are 0xAABBGGRR; swapping red and
    // blue in place gives 0xAARRGGBB, the screen's layout, without a copy.
    const size_t count = static_cast<size_t>(width) * height;
    for (size_t i = 0; i < count; ++i) {
        unsigned char* p = bytes + i * 4;
        const unsigned char red = p[0];
        p[0] = p[2];
        p[2] = red;
    }
    return reinterpret_cast<uint32_t*>(bytes);
}

SDL_Surface* createSurface(int width, int height, int bytesPerPixel) {
    if (bytesPerPixel != 3 && bytesPerPixel != 4) return nullptr;
    if (width <= 0 || height <= 0) return nullptr;
    const Uint32 alphaMask = bytesPerPixel == 4 ? 0xFF000000u : 0u;
    return SDL_CreateRGBSurface(SDL_SWSURFACE, width, height, bytesPerPixel * 8,
                                0x000000FFu, 0x0000FF00u, 0x00FF0000u, alphaMask);
}

void blit(SDL_Surface* source, SDL_Surface* destination, int x, int y) {
    if (!source || !destination) return;
    SDL_Rect where;
    where.x = static_cast<Sint16>(x);
    where.y = static_cast<Sint16>(y);
    where.w = 0;
    where.h = 0;
    SDL_BlitSurface(source, nullptr, destination, &where);
}

void fillRect(SDL_Surface* surface, int x, int y, int w, int h, uint32_t colour) {
    if (!surface) return;
    SDL_Rect area;
    area.x = static_cast<Sint16>(x);
    area.y = static_cast<Sint16>(y);
    area.w = static_cast<Uint16>(w);
    area.h = static_cast<Uint16>(h);
    SDL_FillRect(surface, &area, colour);
}

void freeSurface(SDL_Surface* surface) {
    if (surface) SDL_FreeSurface(surface);
}

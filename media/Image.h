#pragma once

#include <SDL.h>

#include <cstdint>
#include <cstdlib>
#include <memory>

// Image files and SDL software surfaces. Every function tolerates a null
// surface: it does nothing (or returns null), so a missing image is never
// drawn from.

// Decodes an image file (PNG and whatever stb_image reads) into a new surface
// in the screen's display format; any alpha channel is dropped. Returns null
// if the file is missing or undecodable, has one or two channels, or no
// screen exists yet. The caller frees the surface with freeSurface.
SDL_Surface* loadImage(const char* path, int& width, int& height);

// loadImage for the game's own interface pictures: a failure logs one line
// naming the file (the picture is then simply not drawn) and zeroes the size,
// so that layout done from the size cannot run on garbage.
SDL_Surface* loadImageOrWarn(const char* path, int& width, int& height);

// Decodes an image file into width * height pixels, row by row from the top
// left, each 0xAARRGGBB (alpha kept). Returns null on failure. The caller
// releases the array with std::free (or holds it in a PixelArray).
uint32_t* loadImagePixels(const char* path, int& width, int& height);

// A blank software surface with red in the lowest byte. bytesPerPixel must be
// 3 or 4 (4 adds an alpha mask); anything else returns null.
SDL_Surface* createSurface(int width, int height, int bytesPerPixel);

// The whole source with its top-left corner at (x, y); SDL clips.
void blit(SDL_Surface* source, SDL_Surface* destination, int x, int y);
// Fills a rectangle with a colour already in the surface's pixel format.
void fillRect(SDL_Surface* surface, int x, int y, int w, int h, uint32_t colour);
void freeSurface(SDL_Surface* surface);

// Owner of a pixel array from loadImagePixels.
struct FreeDeleter {
    void operator()(void* p) const { std::free(p); }
};
using PixelArray = std::unique_ptr<uint32_t[], FreeDeleter>;

#pragma once

#include <SDL.h>

#include <cstdint>

// Single-pixel access to a software surface's memory. Neither function locks:
// a caller drawing into a surface that SDL_MUSTLOCK reports locks it once
// around the whole batch. Both ignore a null surface and coordinates outside
// it, so a stray write can never land outside the pixel memory.

// Writes value at (x, y) in the surface's own depth: 1 byte the low byte,
// 2 bytes the low 16 bits, 3 bytes bits 0-7, 8-15, 16-23 at rising addresses,
// 4 bytes the whole word. Other depths write nothing.
void putPixel(SDL_Surface* surface, int x, int y, uint32_t value);

// The 32-bit word at (x, y) of a 4-byte-per-pixel surface; 0 for a null
// surface, another depth or a point outside it.
uint32_t getPixel32(const SDL_Surface* surface, int x, int y);

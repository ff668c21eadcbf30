#pragma once

#include <SDL.h>

#include <cstdint>

// Lays the lighting and red-flash overlay over the screen, pixel for pixel as
// SDL's per-pixel-alpha blit would, at a fraction of its cost.
//
// The arithmetic is the one SDL's blitter uses (checked against it over every
// alpha, source and destination byte): alpha 0 leaves the screen pixel,
// alpha 255 replaces it with the overlay pixel, and any other alpha a gives
// each colour byte (s * a >> 8) + (d * (255 - a) >> 8) and the top byte
// (a * 255 >> 8) + (d * (255 - a) >> 8).

// Blends the whole of overlay onto screen with its top-left corner at (0, 0),
// within the screen's clip rectangle. The fast path takes a 32-bit overlay
// with alpha in the top byte and SDL_SRCALPHA set over a 32-bit screen with
// the same colour masks and no alpha; anything else goes through SDL's own
// blit, so the picture is the same either way. Null surfaces draw nothing.
void blendOverlay(SDL_Surface* overlay, SDL_Surface* screen);

// One run of count pixels, overlay over screen, in place.
void blendOverlayRow(const uint32_t* overlay, uint32_t* screen, int count);

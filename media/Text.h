#pragma once

#include <SDL.h>
#include <SDL_ttf.h>

// The game's one TrueType font, at 16, 24 and 64 points.
inline constexpr const char* FONT_PATH = "data/font/04B_03__.TTF";

// Null if the file cannot be opened. Close with closeFont.
TTF_Font* openFont(const char* path, int size);
void closeFont(TTF_Font* font);

// Renders Latin-1 text solid (8-bit, colour-keyed background) in colour
// 0xRRGGBB (-1 is white too). Returns null for a null font, an empty text or
// any text SDL_ttf cannot render; callers treat null as nothing to draw.
SDL_Surface* renderText(TTF_Font* font, const char* text, int colour);

// Width of the edge renderOutlinedText draws, in pixels.
inline constexpr int OutlineWidth = 1;

// renderText in colour with an OutlineWidth edge in edgeColour around every
// glyph pixel, diagonals included, so the text reads over any background. The
// surface is 2 * OutlineWidth wider and taller than renderText's, with the
// glyphs OutlineWidth in from each side; the rest is colour-keyed. Null when
// renderText would give null. The caller frees it with freeSurface.
SDL_Surface* renderOutlinedText(TTF_Font* font, const char* text, int colour, int edgeColour);

// Width in pixels of text in font; 0 for a null font or empty text.
int measureText(TTF_Font* font, const char* text);

#include "media/Text.h"

TTF_Font* openFont(const char* path, int size) {
    // SDL_ttf refuses fonts before TTF_Init with an error, but only in some
    // versions; asking first keeps a missing library a plain null.
    if (!path || size <= 0 || !TTF_WasInit()) return nullptr;
    return TTF_OpenFont(path, size);
}

void closeFont(TTF_Font* font) {
    if (font && TTF_WasInit()) TTF_CloseFont(font);
}

SDL_Surface* renderText(TTF_Font* font, const char* text, int colour) {
    if (!font || !text || !*text) return nullptr;
    SDL_Color c;
    c.r = static_cast<Uint8>((colour >> 16) & 0xFF);
    c.g = static_cast<Uint8>((colour >> 8) & 0xFF);
    c.b = static_cast<Uint8>(colour & 0xFF);
    c.unused = 0;
    return TTF_RenderText_Solid(font, text, c);
}

int measureText(TTF_Font* font, const char* text) {
    if (!font || !text || !*text) return 0;
    int w = 0;
    int h = 0;
    if (TTF_SizeText(font, text, &w, &h) != 0) return 0;
    return w;
}

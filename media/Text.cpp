#include "media/Text.h"

#include "media/Image.h"

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

SDL_Surface* renderOutlinedText(TTF_Font* font, const char* text, int colour, int edgeColour) {
    SDL_Surface* glyphs = renderText(font, text, colour);
    SDL_Surface* edge = glyphs ? renderText(font, text, edgeColour) : nullptr;
    SDL_Surface* out = edge ? SDL_CreateRGBSurface(SDL_SWSURFACE, glyphs->w + 2 * OutlineWidth,
                                                   glyphs->h + 2 * OutlineWidth, 32, 0xFF0000, 0xFF00, 0xFF, 0)
                            : nullptr;
    if (out) {
        // The transparent colour must be neither of the two drawn ones.
        Uint32 key = 0xFF00FF;
        while ((key & 0xFFFFFF) == static_cast<Uint32>(colour & 0xFFFFFF) ||
               (key & 0xFFFFFF) == static_cast<Uint32>(edgeColour & 0xFFFFFF))
            key -= 0x010001;
        SDL_FillRect(out, nullptr, key);
        SDL_SetColorKey(out, SDL_SRCCOLORKEY, key);
        // The edge is the text stamped at every offset around the glyphs'
        // place; the glyphs then cover its middle.
        for (int dy = -OutlineWidth; dy <= OutlineWidth; ++dy)
            for (int dx = -OutlineWidth; dx <= OutlineWidth; ++dx)
                if (dx || dy) blit(edge, out, OutlineWidth + dx, OutlineWidth + dy);
        blit(glyphs, out, OutlineWidth, OutlineWidth);
    }
    freeSurface(glyphs);
    freeSurface(edge);
    return out;
}

int measureText(TTF_Font* font, const char* text) {
    if (!font || !text || !*text) return 0;
    int w = 0;
    int h = 0;
    if (TTF_SizeText(font, text, &w, &h) != 0) return 0;
    return w;
}

#include "ui/Picture.h"

#include "media/Image.h"

Picture::Picture(const char* path) { surface = loadImageOrWarn(path, w, h); }

Picture::~Picture() { freeSurface(surface); }

void Picture::draw(SDL_Surface* screen, int x, int y) const { blit(surface, screen, x, y); }

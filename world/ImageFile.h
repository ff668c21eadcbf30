#pragma once

#include "media/Image.h"

#include <string>

// Decodes a level's image file (texture, sprite or map image) into
// 0xAARRGGBB pixels. Only a regular file is opened: a level that names a
// directory or a device gets a refusal, never a read that could block. On
// failure returns false with problem set to "is missing", "is not a regular
// file" or "cannot be decoded as an image"; logs nothing.
bool decodeImageFile(const std::string& path, PixelArray& pixels, int& width, int& height,
                     std::string& problem);

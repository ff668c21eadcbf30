#pragma once

#include "world/TexelImage.h"

#include <string>

// Reading a level's image files (textures, sprites, map images). Only a
// regular file is opened: a level that names a directory or a device gets a
// refusal, never a read that could block. Both functions log nothing; on
// failure they return false with problem set to "is missing", "is not a
// regular file" or "cannot be decoded as an image".

// Reads the image's width and height from its header alone, so that a
// picture far too big for its use is refused before a byte of it is decoded.
bool readImageSize(const std::string& path, int& width, int& height, std::string& problem);

// Decodes the image into 0xAARRGGBB texels and its size; leaves image empty
// on failure.
bool decodeImageFile(const std::string& path, TexelImage& image, std::string& problem);

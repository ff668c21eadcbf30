#include "world/ImageFile.h"

#include <filesystem>

bool decodeImageFile(const std::string& path, PixelArray& pixels, int& width, int& height,
                     std::string& problem) {
    pixels.reset();
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (!std::filesystem::exists(status)) {
        problem = "is missing";
        return false;
    }
    if (!std::filesystem::is_regular_file(status)) {
        problem = "is not a regular file";
        return false;
    }
    width = 0;
    height = 0;
    pixels.reset(loadImagePixels(path.c_str(), width, height));
    if (!pixels || width <= 0 || height <= 0) {
        pixels.reset();
        problem = "cannot be decoded as an image";
        return false;
    }
    return true;
}

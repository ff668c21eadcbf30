#include "world/ImageFile.h"

#include <stb_image.h>

#include <cstdio>
#include <filesystem>

namespace {

bool isRegularFile(const std::string& path, std::string& problem) {
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
    return true;
}

}  // namespace

bool readImageSize(const std::string& path, int& width, int& height, std::string& problem) {
    width = 0;
    height = 0;
    if (!isRegularFile(path, problem)) return false;
    FILE* file = std::fopen(path.c_str(), "rb");
    int channels = 0;
    const bool known = file && stbi_info_from_file(file, &width, &height, &channels) != 0;
    if (file) std::fclose(file);
    if (!known || width <= 0 || height <= 0) {
        problem = "cannot be decoded as an image";
        return false;
    }
    return true;
}

bool decodeImageFile(const std::string& path, TexelImage& image, std::string& problem) {
    image = TexelImage{};
    if (!isRegularFile(path, problem)) return false;
    int width = 0;
    int height = 0;
    image.pixels.reset(loadImagePixels(path.c_str(), width, height));
    if (!image.pixels || width <= 0 || height <= 0) {
        image = TexelImage{};
        problem = "cannot be decoded as an image";
        return false;
    }
    image.width = width;
    image.height = height;
    return true;
}

#include "world/MapImages.h"

#include "world/ImageFile.h"
#include "world/Level.h"

namespace {

int32_t lookUpWall(const ColorToWall& colorToWall, uint32_t colour) {
    const auto found = colorToWall.find(colour);
    return found == colorToWall.end() ? 0 : found->second;
}

// Fills a grid column by column from the row-major pixels; cellOf maps one
// pixel value to one cell value.
template <typename T, typename CellOf>
CellGrid<T> makeGrid(const MapImage& image, CellOf cellOf) {
    CellGrid<T> grid(image.width, image.height);
    const uint32_t* pixels = image.pixels.get();
    for (uint32_t x = 0; x < image.width; ++x) {
        T* column = grid[x];
        for (uint32_t y = 0; y < image.height; ++y) {
            column[y] = cellOf(pixels[static_cast<size_t>(image.width) * y + x]);
        }
    }
    return grid;
}

}  // namespace

bool readMapImage(const std::string& path, uint32_t width, uint32_t height, MapImage& image,
                  std::string& problem) {
    image = MapImage{};
    // The grids are filled by index from the level's size, so any other size
    // would read past the pixels or leave cells unread. The header is checked
    // first: a huge picture in place of a map costs nothing to refuse.
    auto sizeMatches = [&](int w, int h) {
        if (static_cast<uint32_t>(w) == width && static_cast<uint32_t>(h) == height) return true;
        problem = "is " + std::to_string(w) + "x" + std::to_string(h) +
                  " pixels but the level is " + std::to_string(width) + "x" +
                  std::to_string(height) + " cells";
        return false;
    };
    int headerWidth = 0;
    int headerHeight = 0;
    if (!readImageSize(path, headerWidth, headerHeight, problem) ||
        !sizeMatches(headerWidth, headerHeight))
        return false;
    TexelImage decoded;
    if (!decodeImageFile(path, decoded, problem) || !sizeMatches(decoded.width, decoded.height))
        return false;
    image.pixels = std::move(decoded.pixels);
    image.width = width;
    image.height = height;
    return true;
}

bool findUndeclaredColour(const MapImage& image, const ColorToWall& colorToWall, bool blackIsOpen,
                          uint32_t& x, uint32_t& y, uint32_t& colour) {
    const uint32_t* pixels = image.pixels.get();
    for (y = 0; y < image.height; ++y) {
        for (x = 0; x < image.width; ++x) {
            colour = pixels[static_cast<size_t>(image.width) * y + x];
            if (blackIsOpen && colour == COLOR_EMPTY) continue;
            if (colorToWall.find(colour) == colorToWall.end()) return true;
        }
    }
    return false;
}

CellGrid<int32_t> makeWallGrid(const MapImage& image, const ColorToWall& colorToWall) {
    return makeGrid<int32_t>(image, [&](uint32_t p) {
        return p == COLOR_EMPTY ? 0 : lookUpWall(colorToWall, p);
    });
}

CellGrid<int32_t> makeMaterialGrid(const MapImage& image, const ColorToWall& colorToWall) {
    return makeGrid<int32_t>(image, [&](uint32_t p) { return lookUpWall(colorToWall, p); });
}

CellGrid<bool> makeCollisionGrid(const MapImage& image) {
    return makeGrid<bool>(image, [](uint32_t p) { return p != COLOR_EMPTY; });
}

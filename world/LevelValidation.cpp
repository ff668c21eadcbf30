#include "world/LevelValidation.h"

#include "world/Level.h"

#include <cmath>
#include <cstdio>

namespace {

std::string cellText(uint32_t x, uint32_t y) {
    return "(" + std::to_string(x) + ", " + std::to_string(y) + ")";
}

std::string numberText(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

// Visits the cells of the outer ring of a grid; stops at the first for which
// isFault is true and returns whether there was one, with its cell.
template <typename T, typename IsFault>
bool findBorderFault(const CellGrid<T>& grid, IsFault isFault, uint32_t& faultX, uint32_t& faultY) {
    const uint32_t w = grid.width();
    const uint32_t h = grid.height();
    for (uint32_t x = 0; x < w; ++x) {
        for (uint32_t y = 0; y < h; ++y) {
            const bool onBorder = x == 0 || y == 0 || x == w - 1 || y == h - 1;
            if (!onBorder) {
                // Skip the interior of this column in one step.
                y = h - 2;
                continue;
            }
            if (isFault(grid[x][y])) {
                faultX = x;
                faultY = y;
                return true;
            }
        }
    }
    return false;
}

bool sizeMatches(const Level& level, uint32_t w, uint32_t h) {
    return w == level.width && h == level.height;
}

// A grid whose every cell must name a Wall: floor and ceiling layers.
std::string findMaterialFault(const Level& level, const CellGrid<int32_t>& grid, const char* file,
                              const char* layer) {
    const std::string path = levelFilePath(level.name, file);
    if (grid.empty() || !sizeMatches(level, grid.width(), grid.height()))
        return path + ": the " + layer + " grid is missing or not the level's size";
    const int32_t wallCount = static_cast<int32_t>(level.walls.size());
    for (uint32_t x = 0; x < grid.width(); ++x) {
        for (uint32_t y = 0; y < grid.height(); ++y) {
            const int32_t n = grid[x][y];
            if (n < 1 || n > wallCount)
                return path + ": " + layer + " cell " + cellText(x, y) +
                       " is painted in a colour that no wall in main.xml declares";
        }
    }
    return {};
}

// Values that the renderer truncates to int must fit one.
bool fitsInt(double v) {
    return std::isfinite(v) && v > -2147483648.0 && v < 2147483648.0;
}

}  // namespace

std::string levelFilePath(const std::string& levelName, const char* fileName) {
    return "data/levels/" + levelName + "/" + fileName;
}

std::string findLevelFault(const Level& level) {
    const std::string mainXml = levelFilePath(level.name, "main.xml");
    const std::string wallsPng = levelFilePath(level.name, "walls.png");
    const std::string collisionPng = levelFilePath(level.name, "collision.png");

    if (level.width == 0 || level.height == 0)
        return mainXml + ": the size is " + std::to_string(level.width) + "x" +
               std::to_string(level.height) + " cells; both must be at least 1";

    // The wall grid: rays walk it with no bounds test until they meet a wall.
    const CellGrid<int32_t>& walls = level.wallGrid;
    if (walls.empty() || !sizeMatches(level, walls.width(), walls.height()))
        return wallsPng + ": the wall grid is missing or not the level's size";
    const int32_t wallCount = static_cast<int32_t>(level.walls.size());
    for (uint32_t x = 0; x < walls.width(); ++x) {
        for (uint32_t y = 0; y < walls.height(); ++y) {
            const int32_t n = walls[x][y];
            if (n < 0 || n > wallCount)
                return wallsPng + ": cell " + cellText(x, y) + " holds wall number " +
                       std::to_string(n) + " but main.xml declares " + std::to_string(wallCount) +
                       " walls";
        }
    }
    uint32_t faultX = 0;
    uint32_t faultY = 0;
    if (findBorderFault(walls, [](int32_t n) { return n == 0; }, faultX, faultY))
        return wallsPng + ": border cell " + cellText(faultX, faultY) +
               " is open; every cell of the outer ring must be a declared wall colour";

    // Movement tests the cells around the player with no bounds test either,
    // so the player must never be able to step onto the outer ring.
    const CellGrid<bool>& collision = level.collisionGrid;
    if (collision.empty() || !sizeMatches(level, collision.width(), collision.height()))
        return collisionPng + ": the collision grid is missing or not the level's size";
    if (findBorderFault(collision, [](bool blocked) { return !blocked; }, faultX, faultY))
        return collisionPng + ": border cell " + cellText(faultX, faultY) +
               " is free; every cell of the outer ring must block";

    if (level.hasFloor) {
        const std::string fault = findMaterialFault(level, level.floorGrid, "floor.png", "floor");
        if (!fault.empty()) return fault;
    }
    if (level.hasCeiling) {
        const std::string fault =
            findMaterialFault(level, level.ceilingGrid, "ceiling.png", "ceiling");
        if (!fault.empty()) return fault;
    }

    for (size_t i = 0; i < level.walls.size(); ++i) {
        const Wall& wall = level.walls[i];
        // The raycaster samples 64 rows a storey from a 64-wide image.
        const TexelImage* image = wall.image.get();
        if (!image || !image->pixels || wall.height < 1 || image->width != TEXTURE_SIZE ||
            image->height / TEXTURE_SIZE < wall.height)
            return mainXml + ": wall " + std::to_string(i + 1) + " has no usable texture";
    }

    for (size_t i = 0; i < level.spriteDefinitions.size(); ++i) {
        const SpriteDefinition& definition = level.spriteDefinitions[i];
        const std::string which = "sprite definition " + std::to_string(i + 1);
        const TexelImage* image = definition.image.get();
        if (!image || !image->pixels || image->width != TEXTURE_SIZE || image->height != TEXTURE_SIZE)
            return mainXml + ": " + which + " has no usable image";
        // The renderer divides a sprite's size by the truncated divisors.
        if (!fitsInt(definition.scale.x) || !fitsInt(definition.scale.y) ||
            std::trunc(definition.scale.x) < 1 || std::trunc(definition.scale.y) < 1)
            return mainXml + ": " + which + " has scale (" + numberText(definition.scale.x) +
                   ", " + numberText(definition.scale.y) +
                   "); both divisors must be at least 1 when truncated";
        if (!fitsInt(definition.move))
            return mainXml + ": " + which + " has move " + numberText(definition.move) +
                   ", too large to be a screen offset";
    }

    // The camera starts in the cell of the start position; rays and movement
    // look at the cells around it, so it must lie inside the border ring.
    const double w = level.width;
    const double h = level.height;
    if (!(level.start.x >= 1.0 && level.start.x < w - 1.0 && level.start.y >= 1.0 &&
          level.start.y < h - 1.0))
        return mainXml + ": the start (" + numberText(level.start.x) + ", " +
               numberText(level.start.y) + ") is not inside the border ring of the " +
               std::to_string(level.width) + "x" + std::to_string(level.height) + " map";

    for (size_t i = 0; i < level.sprites.size(); ++i) {
        const Sprite& sprite = level.sprites[i];
        const std::string which = "sprite placement " + std::to_string(i + 1);
        if (sprite.definition >= level.spriteDefinitions.size())
            return mainXml + ": " + which + " names no sprite definition";
        // Sprite lighting truncates the position to a cell number.
        if (!(sprite.position.x >= 0.0 && sprite.position.x <= w && sprite.position.y >= 0.0 &&
              sprite.position.y <= h))
            return mainXml + ": " + which + " at (" + numberText(sprite.position.x) + ", " +
                   numberText(sprite.position.y) + ") lies outside the map";
    }
    return {};
}

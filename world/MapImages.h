#pragma once

#include "media/Image.h"
#include "world/CellGrid.h"

#include <cstdint>
#include <string>
#include <unordered_map>

// Turning the four map images of a level into its cell grids. One pixel is one
// cell: pixel (x, y), column x and row y from the top left, becomes grid[x][y].

// Colour -> 1-based Wall number, the first wall of a colour keeping it.
using ColorToWall = std::unordered_map<uint32_t, int32_t>;

// A decoded map image that has been checked to measure exactly the level's
// width x height, so every index below width + width * (height - 1) is in the
// array.
struct MapImage {
    PixelArray pixels;
    uint32_t width = 0;
    uint32_t height = 0;
};

// Decodes path and checks its size against width x height. On failure
// returns false and sets problem to what is wrong ("is missing", "cannot be
// decoded as an image", "is 12x9 pixels but the level is 25x25 cells");
// logs nothing.
bool readMapImage(const std::string& path, uint32_t width, uint32_t height, MapImage& image,
                  std::string& problem);

// Finds the first pixel, row by row from the top left, whose colour no wall
// declares; opaque black is skipped when blackIsOpen (walls.png). Returns
// false when every pixel is declared.
bool findUndeclaredColour(const MapImage& image, const ColorToWall& colorToWall, bool blackIsOpen,
                          uint32_t& x, uint32_t& y, uint32_t& colour);

// walls.png: opaque black (COLOR_EMPTY) is open (0) whatever the walls declare;
// any other colour is its Wall number, or 0 when no wall declares it.
CellGrid<int32_t> makeWallGrid(const MapImage& image, const ColorToWall& colorToWall);

// floor.png and ceiling.png: every colour, black included, is looked up; a
// colour no wall declares gives 0, which the level check refuses.
CellGrid<int32_t> makeMaterialGrid(const MapImage& image, const ColorToWall& colorToWall);

// collision.png: everything but opaque black blocks, a transparent pixel too.
CellGrid<bool> makeCollisionGrid(const MapImage& image);

// Fuzz target for the level loader: the input becomes a level directory (its
// main.xml and small map images) and is loaded like any area of the game. The
// loader must refuse or accept it without a crash, a leak, undefined
// behaviour or a read past an array.
//
// Input layout: byte 0 and byte 1 give the map images' width and height (1 to
// 8 pixels), byte 2 says which of the four images to write and whether one of
// them is a pixel off in size, then one byte per pixel picks a colour from a
// small palette; the rest of the input is main.xml. Textures named by the XML
// are a fixed set written once (see TEXTURES), some of them broken on purpose.

#include "world/Level.h"

#include <stb_image_write.h>

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

// The colours a map pixel can take: empty, the wall colours the seeds
// declare, transparent black, the transparent-wall cyan, and near misses.
const uint32_t PALETTE[8] = {0xFF000000u, 0xFF808080u, 0xFF102030u, 0x00000000u,
                             0xFF00FFFFu, 0xFFFFFFFFu, 0xFF000001u, 0x00808080u};

const char* const MAP_FILES[4] = {"walls.png", "collision.png", "floor.png", "ceiling.png"};

struct Texture {
    const char* name;
    int width;
    int height;
};
// Textures of the right and of wrong sizes.
const Texture TEXTURES[] = {{"stone.png", 64, 64}, {"tall.png", 64, 128}, {"odd.png", 64, 100},
                            {"narrow.png", 32, 64}, {"sprite.png", 64, 64}, {"big.png", 128, 128}};

void writePng(const std::string& path, int w, int h, const std::vector<uint32_t>& argb) {
    std::vector<unsigned char> rgba(argb.size() * 4);
    for (size_t i = 0; i < argb.size(); ++i) {
        rgba[i * 4 + 0] = static_cast<unsigned char>(argb[i] >> 16);
        rgba[i * 4 + 1] = static_cast<unsigned char>(argb[i] >> 8);
        rgba[i * 4 + 2] = static_cast<unsigned char>(argb[i]);
        rgba[i * 4 + 3] = static_cast<unsigned char>(argb[i] >> 24);
    }
    stbi_write_png(path.c_str(), w, h, 4, rgba.data(), w * 4);
}

void writeFile(const std::string& path, const uint8_t* data, size_t size) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

const std::string LEVEL_DIRECTORY = "data/levels/fuzz/";

// The level lives in a private directory; the fuzzer's own corpus paths are
// relative to where it was started, so each run steps in and back out.
std::filesystem::path fuzzDirectory;
std::filesystem::path startDirectory;

// An accepted level must keep every promise the renderer and movement rely
// on; any broken one is a finding. Every cell and the last texel of every
// image are read, so a grid or image smaller than promised shows under ASan.
void checkAcceptedLevel(const Level& level) {
    const int32_t wallCount = static_cast<int32_t>(level.walls.size());
    if (level.width == 0 || level.height == 0 || level.width > MAX_LEVEL_SIDE || level.height > MAX_LEVEL_SIDE)
        __builtin_trap();
    if (level.hasFloor == level.floorGrid.empty()) __builtin_trap();
    if (level.hasCeiling == level.ceilingGrid.empty()) __builtin_trap();
    for (uint32_t x = 0; x < level.width; ++x) {
        for (uint32_t y = 0; y < level.height; ++y) {
            const bool border = x == 0 || y == 0 || x == level.width - 1 || y == level.height - 1;
            const int32_t wall = level.wallGrid[x][y];
            if (wall < 0 || wall > wallCount || (border && wall == 0)) __builtin_trap();
            if (border && !level.collisionGrid[x][y]) __builtin_trap();
            if (level.hasFloor && (level.floorGrid[x][y] < 1 || level.floorGrid[x][y] > wallCount))
                __builtin_trap();
            if (level.hasCeiling &&
                (level.ceilingGrid[x][y] < 1 || level.ceilingGrid[x][y] > wallCount))
                __builtin_trap();
        }
    }
    [[maybe_unused]] static volatile uint32_t sink;
    for (const Wall& wall : level.walls) {
        if (wall.height < 1 || wall.height > MAX_STOREYS || !wall.image ||
            wall.image->width != TEXTURE_SIZE || wall.image->height < TEXTURE_SIZE * wall.height)
            __builtin_trap();
        sink = wall.image->pixels[TEXTURE_SIZE * TEXTURE_SIZE * wall.height - 1];
    }
    for (const SpriteDefinition& definition : level.spriteDefinitions) {
        if (static_cast<int>(definition.scale.x) < 1 || static_cast<int>(definition.scale.y) < 1)
            __builtin_trap();
        if (!definition.image || definition.image->width != TEXTURE_SIZE ||
            definition.image->height != TEXTURE_SIZE)
            __builtin_trap();
        sink = definition.image->pixels[TEXTURE_SIZE * TEXTURE_SIZE - 1];
    }
    for (const Sprite& sprite : level.sprites)
        if (sprite.definition >= level.spriteDefinitions.size()) __builtin_trap();
    const int startX = static_cast<int>(level.start.x);
    const int startY = static_cast<int>(level.start.y);
    if (startX < 1 || startY < 1 || startX >= static_cast<int>(level.width) - 1 ||
        startY >= static_cast<int>(level.height) - 1)
        __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // A private directory in memory, when there is one, keeps the file
    // traffic of every run cheap.
    const char* base = std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : "/tmp";
    std::string pattern = std::string(base) + "/ombrel-fuzz-XXXXXX";
    if (!mkdtemp(pattern.data())) std::abort();
    startDirectory = std::filesystem::current_path();
    fuzzDirectory = pattern;
    std::atexit([] {
        std::error_code ignored;
        std::filesystem::remove_all(fuzzDirectory, ignored);
    });
    std::filesystem::current_path(fuzzDirectory);
    std::filesystem::create_directories(LEVEL_DIRECTORY);
    std::filesystem::create_directories("data/images");
    for (const Texture& texture : TEXTURES)
        writePng(std::string("data/images/") + texture.name, texture.width, texture.height,
                 std::vector<uint32_t>(static_cast<size_t>(texture.width) * texture.height,
                                       0xFF808080u));
    const uint8_t garbage[] = "\x89PNG\r\n\x1a\n but no more";
    writeFile("data/images/bad.png", garbage, sizeof garbage - 1);
    writeFile("data/images/empty.png", garbage, 0);
    std::filesystem::current_path(startDirectory);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::filesystem::current_path(fuzzDirectory);
    for (const char* file : MAP_FILES) std::filesystem::remove(LEVEL_DIRECTORY + file);

    size_t used = 0;
    if (size >= 3) {
        const int w = 1 + data[0] % 8;
        const int h = 1 + data[1] % 8;
        const uint8_t which = data[2];
        used = 3;
        std::vector<uint32_t> pixels(static_cast<size_t>(w) * h, PALETTE[0]);
        for (size_t i = 0; i < pixels.size() && used < size; ++i) pixels[i] = PALETTE[data[used++] % 8];
        for (int image = 0; image < 4; ++image) {
            if (!(which & (1u << image))) continue;
            // Bits 4 and 5 pick an image to make one column wider than the rest.
            const bool offBySize = (which & 0x40u) && ((which >> 4) & 3u) == static_cast<unsigned>(image);
            if (offBySize) {
                std::vector<uint32_t> wider(static_cast<size_t>(w + 1) * h, PALETTE[1]);
                writePng(LEVEL_DIRECTORY + MAP_FILES[image], w + 1, h, wider);
            } else {
                writePng(LEVEL_DIRECTORY + MAP_FILES[image], w, h, pixels);
            }
        }
    }
    writeFile(LEVEL_DIRECTORY + "main.xml", data + used, size - used);

    std::unique_ptr<Level> level = loadLevel("fuzz");
    if (level) checkAcceptedLevel(*level);
    std::filesystem::current_path(startDirectory);
    return 0;
}

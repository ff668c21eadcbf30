#pragma once

#include "support/FixtureData.h"
#include "world/Level.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <tuple>
#include <vector>

// The parts of a fixture level's main.xml; the defaults describe a sound 5x5
// level (one grey wall texture, a ring of walls, start in the middle) that a
// test changes one piece of at a time.
struct LevelXml {
    std::string flags{}, rotation = "0", startX = "2.5", startY = "2.5", width = "5", height = "5";
    std::string walls = R"(<wall color="#ff808080" image="stone.png"/>)", sprites{}, actions{};
    std::string background = "#ff405060";

    std::string text() const {
        return "<level " + flags + ">\n<facing rotation=\"" + rotation + "\"/>\n<start x=\"" + startX +
               "\" y=\"" + startY + "\"/>\n<size width=\"" + width + "\" height=\"" + height +
               "\"/>\n<walls>" + walls + "</walls>\n<sprites>" + sprites + "</sprites>\n<background color=\"" +
               background + "\"/>\n<actions>" + actions + "</actions>\n</level>\n";
    }
};

inline constexpr uint32_t GREY = 0xFF808080u;

// Runs each test in a fresh temporary directory holding data/levels/test (a
// sound level) and data/images with a few textures; returns to the
// repository after (the directory goes when the process ends).
class LevelFixture : public ::testing::Test {
public:  // open to the table-driven refusal cases
    void SetUp() override {
        const std::string directory = makeTempDir();
        ASSERT_FALSE(directory.empty());
        std::filesystem::current_path(directory);
        std::filesystem::create_directories("data/levels/test"), std::filesystem::create_directories("data/images");
        for (auto [file, h, colour] : {std::tuple{"stone", 64, GREY}, {"tall", 128, 0xFF102030u}, {"person", 64, 0xFFC08040u}, {"person2", 64, 0xFF40C080u}})
            writeImage(std::string("data/images/") + file + ".png", 64, h, colour);
        writeXml();
        writeSoundMaps();
    }

    void TearDown() override { returnToRepository(); }

    static void writeText(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }
    void writeXml() const { writeText(levelPath("main.xml"), xml.text()); }

    // Pixels are 0xAARRGGBB, row by row from the top left.
    static void writeImage(const std::string& path, int w, int h, const std::vector<uint32_t>& argb) {
        std::vector<unsigned char> rgba;
        for (uint32_t p : argb) rgba.insert(rgba.end(), {uint8_t(p >> 16), uint8_t(p >> 8), uint8_t(p), uint8_t(p >> 24)});
        ASSERT_TRUE(writePng(path, w, h, 4, rgba.data()));
    }
    static void writeImage(const std::string& path, int w, int h, uint32_t colour) {
        writeImage(path, w, h, std::vector<uint32_t>(static_cast<size_t>(w) * h, colour));
    }

    static std::string levelPath(const char* file) { return std::string("data/levels/test/") + file; }

    struct Cell { int x, y; uint32_t colour; };
    // Writes a w x h map of the level with `border` on the outer ring, `inside`
    // elsewhere, and then the given cells.
    static void writeMap(const char* file, uint32_t border, uint32_t inside, std::initializer_list<Cell> cells = {},
                         int w = 5, int h = 5) {
        std::vector<uint32_t> pixels(static_cast<size_t>(w) * h, inside);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                if (x == 0 || y == 0 || x == w - 1 || y == h - 1) pixels[y * w + x] = border;
        for (const Cell& cell : cells) pixels[cell.y * w + cell.x] = cell.colour;
        writeImage(levelPath(file), w, h, pixels);
    }
    // Walls and collision as a ring of grey, floor and ceiling all grey.
    static void writeSoundMaps(int w = 5, int h = 5) {
        for (const char* file : {"walls.png", "collision.png"}) writeMap(file, GREY, COLOR_EMPTY, {}, w, h);
        for (const char* file : {"floor.png", "ceiling.png"}) writeMap(file, GREY, GREY, {}, w, h);
    }

    // Loads the level "test", first writing `xml` as its main.xml unless told
    // not to; keeps what it logged in `log` and what it decoded in `report`.
    std::unique_ptr<Level> load(bool writeMainXml = true) {
        if (writeMainXml) writeXml();
        std::unique_ptr<Level> level;
        log = captureLog([&] { level = loadLevel("test", &report); });
        return level;
    }

    LevelXml xml;
    std::string log;
    LevelLoadReport report;
};

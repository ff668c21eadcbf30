#pragma once

#include "world/Level.h"

#include <gtest/gtest.h>
#include <stb_image_write.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

// The parts of a fixture level's main.xml; the defaults describe a sound 5x5
// level (one grey wall texture, a ring of walls, start in the middle) that a
// test changes one piece of at a time.
struct LevelXml {
    std::string flags;
    std::string rotation = "0";
    std::string startX = "2.5";
    std::string startY = "2.5";
    std::string width = "5";
    std::string height = "5";
    std::string walls = R"(<wall color="#ff808080" image="stone.png"/>)";
    std::string sprites;
    std::string actions;
    std::string background = "#ff405060";

    std::string text() const {
        return "<level " + flags + ">\n<facing rotation=\"" + rotation + "\"/>\n<start x=\"" +
               startX + "\" y=\"" + startY + "\"/>\n<size width=\"" + width + "\" height=\"" +
               height + "\"/>\n<walls>" + walls + "</walls>\n<sprites>" + sprites +
               "</sprites>\n<background color=\"" + background + "\"/>\n<actions>" + actions +
               "</actions>\n</level>\n";
    }
};

inline constexpr uint32_t GREY = 0xFF808080u;

// Runs each test in a fresh temporary directory holding data/levels/test and
// data/images with a few textures, and restores the working directory after.
class LevelFixture : public ::testing::Test {
protected:
    void SetUp() override {
        previousDirectory = std::filesystem::current_path();
        char pattern[] = "/tmp/ombrel-level-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        directory = pattern;
        std::filesystem::current_path(directory);
        std::filesystem::create_directories("data/levels/test");
        std::filesystem::create_directories("data/images");
        writeImage("data/images/stone.png", 64, 64, GREY);
        writeImage("data/images/tall.png", 64, 128, 0xFF102030u);
        writeImage("data/images/person.png", 64, 64, 0xFFC08040u);
        writeImage("data/images/person2.png", 64, 64, 0xFF40C080u);
    }

    void TearDown() override {
        std::filesystem::current_path(previousDirectory);
        std::error_code ignored;
        std::filesystem::remove_all(directory, ignored);
    }

    static void writeText(const std::string& path, const std::string& text) {
        std::ofstream(path, std::ios::binary) << text;
    }

    void writeXml(const LevelXml& xml) const { writeText(levelPath("main.xml"), xml.text()); }

    // Pixels are 0xAARRGGBB, row by row from the top left.
    static void writeImage(const std::string& path, int w, int h, const std::vector<uint32_t>& argb) {
        std::vector<unsigned char> rgba(argb.size() * 4);
        for (size_t i = 0; i < argb.size(); ++i) {
            rgba[i * 4 + 0] = static_cast<unsigned char>(argb[i] >> 16);
            rgba[i * 4 + 1] = static_cast<unsigned char>(argb[i] >> 8);
            rgba[i * 4 + 2] = static_cast<unsigned char>(argb[i]);
            rgba[i * 4 + 3] = static_cast<unsigned char>(argb[i] >> 24);
        }
        ASSERT_TRUE(stbi_write_png(path.c_str(), w, h, 4, rgba.data(), w * 4));
    }
    static void writeImage(const std::string& path, int w, int h, uint32_t colour) {
        writeImage(path, w, h, std::vector<uint32_t>(static_cast<size_t>(w) * h, colour));
    }

    // A w x h map with `border` on the outer ring and `inside` elsewhere.
    static std::vector<uint32_t> ringMap(int w, int h, uint32_t border, uint32_t inside) {
        std::vector<uint32_t> pixels(static_cast<size_t>(w) * h, inside);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                if (x == 0 || y == 0 || x == w - 1 || y == h - 1) pixels[y * w + x] = border;
        return pixels;
    }

    static std::string levelPath(const char* file) { return std::string("data/levels/test/") + file; }

    void writeMap(const char* file, int w, int h, const std::vector<uint32_t>& argb) const {
        writeImage(levelPath(file), w, h, argb);
    }

    // Walls and collision as a ring of grey, floor and ceiling all grey.
    void writeSoundMaps(int w = 5, int h = 5) const {
        writeMap("walls.png", w, h, ringMap(w, h, GREY, COLOR_EMPTY));
        writeMap("collision.png", w, h, ringMap(w, h, GREY, COLOR_EMPTY));
        writeMap("floor.png", w, h, ringMap(w, h, GREY, GREY));
        writeMap("ceiling.png", w, h, ringMap(w, h, GREY, GREY));
    }

    // Loads the level "test", keeping what it logged in `log`.
    std::unique_ptr<Level> load() {
        testing::internal::CaptureStderr();
        std::unique_ptr<Level> level = loadLevel("test");
        log = testing::internal::GetCapturedStderr();
        return level;
    }

    // Loads a level that must be refused and returns its log.
    std::string refusal() {
        EXPECT_EQ(load(), nullptr);
        return log;
    }

    std::string log;

private:
    std::filesystem::path previousDirectory;
    std::filesystem::path directory;
};

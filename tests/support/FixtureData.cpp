#include "support/FixtureData.h"

#include "engine/Engine.h"

#include <stb_image_write.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct TempDirs {
    std::vector<fs::path> paths;
    ~TempDirs() {
        std::error_code ignored;
        for (const auto& p : paths) fs::remove_all(p, ignored);
    }
};
TempDirs tempDirs;

void put16(std::FILE* f, uint16_t v) {
    const unsigned char b[2] = {static_cast<unsigned char>(v), static_cast<unsigned char>(v >> 8)};
    std::fwrite(b, 1, 2, f);
}
void put32(std::FILE* f, uint32_t v) {
    put16(f, static_cast<uint16_t>(v));
    put16(f, static_cast<uint16_t>(v >> 16));
}

}  // namespace

std::string makeTempDir() {
    std::string pattern = (fs::temp_directory_path() / "ombrel-test-XXXXXX").string();
    if (!mkdtemp(pattern.data())) return {};
    tempDirs.paths.emplace_back(pattern);
    return pattern;
}

bool writePng(const std::string& path, int width, int height, int channels, const unsigned char* pixels) {
    return stbi_write_png(path.c_str(), width, height, channels, pixels, width * channels) != 0;
}

bool writeBmp(const std::string& path, int width, int height) {
    std::vector<unsigned char> pixels(static_cast<size_t>(width) * height * 3, 0x80);
    return stbi_write_bmp(path.c_str(), width, height, 3, pixels.data()) != 0;
}

bool writeWav(const std::string& path, float seconds) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    const uint32_t frames = static_cast<uint32_t>(seconds * 22050.0f);
    const uint32_t dataBytes = frames * 4;
    std::fwrite("RIFF", 1, 4, f);
    put32(f, 36 + dataBytes);
    std::fwrite("WAVEfmt ", 1, 8, f);
    put32(f, 16);
    put16(f, 1);          // PCM
    put16(f, 2);          // stereo
    put32(f, 22050);
    put32(f, 22050 * 4);  // bytes per second
    put16(f, 4);          // bytes per frame
    put16(f, 16);
    std::fwrite("data", 1, 4, f);
    put32(f, dataBytes);
    for (uint32_t i = 0; i < frames; ++i) {
        const auto s = static_cast<int16_t>(1000.0 * std::sin(i * 0.1));
        put16(f, static_cast<uint16_t>(s));
        put16(f, static_cast<uint16_t>(s));
    }
    return std::fclose(f) == 0;
}

bool makeFixtureData(const std::string& root) {
    const fs::path data = fs::path(root) / "data";
    std::error_code error;
    fs::create_directories(data / "images", error);
    fs::create_directories(data / "font", error);
    if (error) return false;

    if (!writeBmp((data / "icon.bmp").string(), 32, 32)) return false;
    std::vector<unsigned char> grey(200 * 100 * 3, 0x80);
    if (!writePng((data / "images" / "escapeBox.png").string(), 200, 100, 3, grey.data())) return false;
    std::vector<unsigned char> black(640 * 80 * 3, 0x00);
    if (!writePng((data / "images" / "black_layers.png").string(), 640, 80, 3, black.data())) return false;

    // The one real asset: a TrueType file cannot be made up here.
    const fs::path font = fs::current_path() / "data" / "font" / "04B_03__.TTF";
    if (!fs::exists(font)) return false;
    fs::copy_file(font, data / "font" / "04B_03__.TTF", fs::copy_options::overwrite_existing, error);
    return !error;
}

bool startEngineWithFixtureData() {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    const std::string root = makeTempDir();
    if (root.empty() || !makeFixtureData(root)) return false;
    fs::current_path(root);
    Engine& engine = Engine::instance();
    engine.init("Ombrel", 640, 480, false);
    return engine.isInitialised();
}

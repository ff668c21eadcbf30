#include "support/FixtureData.h"

#include <stb_image_write.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct TempDirs {
    std::vector<fs::path> paths;
    ~TempDirs() { std::ranges::for_each(paths, [](const fs::path& p) { std::error_code ignored; fs::remove_all(p, ignored); }); }
} tempDirs;

bool writeBytes(const std::string& path, const std::string& bytes) {
    return static_cast<bool>(std::ofstream(path, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size())));
}

// Appends `value` as `bytes` bytes, little-endian as WAV has them unless told otherwise (PNG).
void put(std::string& out, uint32_t value, int bytes, bool bigEndian = false) {
    for (int i = 0; i < bytes; ++i) out += static_cast<char>(value >> (8 * (bigEndian ? bytes - 1 - i : i)));
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

namespace {

uint32_t crc32(const std::string& bytes) {
    uint32_t crc = 0xFFFFFFFFu;
    for (unsigned char byte : bytes) {
        crc ^= byte;
        for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void putChunk(std::string& png, const char* type, const std::string& data) {
    put(png, static_cast<uint32_t>(data.size()), 4, true);
    const std::string body = type + data;
    png += body;
    put(png, crc32(body), 4, true);
}

}  // namespace

bool writePngHeader(const std::string& path, uint32_t width, uint32_t height) {
    std::string header;
    put(header, width, 4, true), put(header, height, 4, true);
    header += std::string("\x01\x00\x00\x00\x00", 5);  // 1 bit, grey, deflate, no filter, no interlace
    std::string png = "\x89PNG\r\n\x1a\n";
    putChunk(png, "IHDR", header);
    putChunk(png, "IEND", "");
    return writeBytes(path, png);
}

bool writeWav(const std::string& path, float seconds) {
    const auto frames = static_cast<uint32_t>(seconds * 22050.0f);
    std::string wav = "RIFF";
    put(wav, 36 + frames * 4, 4);
    wav += "WAVEfmt ";
    // Chunk size 16, PCM, stereo, 22050 Hz, bytes per second, per frame, bits.
    for (auto [value, bytes] : {std::pair{16u, 4}, {1u, 2}, {2u, 2}, {22050u, 4}, {22050u * 4, 4}, {4u, 2}, {16u, 2}})
        put(wav, value, bytes);
    wav += "data";
    put(wav, frames * 4, 4);
    for (uint32_t i = 0; i < frames; ++i) put(wav, static_cast<uint16_t>(static_cast<int16_t>(1000.0 * std::sin(i * 0.1))) * 0x10001u, 4);
    return writeBytes(path, wav);
}

// CTest starts every test in the repository root; remembered before any test
// moves into a fixture directory.
const fs::path& repositoryRoot() {
    static const fs::path root = fs::current_path();
    return root;
}
[[maybe_unused]] const fs::path& rootAtStart = repositoryRoot();

void returnToRepository() {
    std::error_code ignored;
    fs::current_path(repositoryRoot(), ignored);
}

bool makeFixtureData(const std::string& root) {
    const fs::path data = fs::path(root) / "data";
    std::error_code error;
    if (fs::create_directories(data / "images", error), fs::create_directories(data / "font", error), error) return false;

    std::vector<unsigned char> grey(200 * 100 * 3, 0x80), black(640 * 80 * 3, 0x00);
    if (!stbi_write_bmp((data / "icon.bmp").c_str(), 32, 32, 3, grey.data()) ||
        !writePng((data / "images" / "escapeBox.png").string(), 200, 100, 3, grey.data()) ||
        !writePng((data / "images" / "black_layers.png").string(), 640, 80, 3, black.data()))
        return false;

    // The one real asset: a TrueType file cannot be made up here.
    const fs::path font = repositoryRoot() / "data" / "font" / "04B_03__.TTF";
    fs::copy_file(font, data / "font" / "04B_03__.TTF", fs::copy_options::overwrite_existing, error);
    return !error;
}

bool startEngineWithFixtureData() {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    const std::string root = makeTempDir();
    if (root.empty() || !makeFixtureData(root)) return false;
    fs::current_path(root);
    Engine::instance().init("Ombrel", 640, 480, false);
    return Engine::instance().isInitialised();
}

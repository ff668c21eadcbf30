#pragma once

#include <string>

// Made-up data files for tests that must not depend on the game's content.

// A new empty directory under the system's temporary directory, removed when
// the test process ends.
std::string makeTempDir();

// Writes an image with stb_image_write; channels 1 to 4, rows packed.
bool writePng(const std::string& path, int width, int height, int channels, const unsigned char* pixels);
// A solid 24-bit BMP (the icon's format).
bool writeBmp(const std::string& path, int width, int height);
// A 16-bit stereo 22050 Hz WAV of a quiet tone lasting the given seconds.
bool writeWav(const std::string& path, float seconds);

// Fills root/data with an icon, "escapeBox.png" (200x100, mid grey),
// "black_layers.png" (640x80, black) and the interface font, copied from the
// game's data/font. False if anything could not be written or found.
bool makeFixtureData(const std::string& root);

// Makes the fixture data in a temporary directory, changes into it and
// starts the engine there. Returns whether the engine came up.
bool startEngineWithFixtureData();

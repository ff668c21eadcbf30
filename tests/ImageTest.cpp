#include "engine/Engine.h"
#include "media/Image.h"
#include "support/FixtureData.h"

#include <gtest/gtest.h>

#include <fstream>
#include <vector>

// Every load reports the image's size here.
struct Images : EngineTest {
    int width = 0, height = 0;
};

TEST_F(Images, RgbImageWithUnalignedRowsLoadsWithoutShearing) {
    // 5 pixels of 3 bytes: 15-byte rows, padded to 16 in the surface.
    const int w = 5, h = 4;
    std::vector<unsigned char> rgb;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) rgb.insert(rgb.end(), {static_cast<unsigned char>(x * 40), static_cast<unsigned char>(y * 60), 0x33});
    ASSERT_TRUE(writePng(dir + "/rgb.png", w, h, 3, rgb.data()));
    SDL_Surface* s = loadImage((dir + "/rgb.png").c_str(), width, height);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(std::pair(width, height), std::pair(w, h));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            EXPECT_EQ(rgbAt(s, x, y), SDL_MapRGB(engine.screen()->format, x * 40, y * 60, 0x33) & 0xFFFFFF) << x << "," << y;
    freeSurface(s);
}

TEST_F(Images, PixelsComeOutAsArgbWithAlphaKeptWhileTheSurfaceDropsIt) {
    const unsigned char rgba[8] = {0x11, 0x22, 0x33, 0xFF, 0x44, 0x55, 0x66, 0x00};
    const std::string path = dir + "/rgba.png";
    ASSERT_TRUE(writePng(path, 2, 1, 4, rgba));
    PixelArray pixels(loadImagePixels(path.c_str(), width, height));
    ASSERT_TRUE(pixels);
    EXPECT_EQ(std::pair(pixels[0], pixels[1]), std::pair(0xFF112233u, 0x00445566u));

    SDL_Surface* s = loadImage(path.c_str(), width, height);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->format->Amask, 0u);
    // Blitted over white, the pixel the file called fully transparent shows.
    SDL_Surface* screen = engine.screen();
    SDL_FillRect(screen, nullptr, SDL_MapRGB(screen->format, 255, 255, 255));
    blit(s, screen, 0, 0);
    EXPECT_EQ(rgbAt(screen, 1, 0), SDL_MapRGB(screen->format, 0x44, 0x55, 0x66) & 0xFFFFFF);
    freeSurface(s);
}

TEST_F(Images, MissingGreyAndCorruptFilesGiveNull) {
    const unsigned char grey[4] = {1, 2, 3, 4};
    ASSERT_TRUE(writePng(dir + "/grey.png", 2, 2, 1, grey));
    std::ofstream(dir + "/broken.png") << "\x89PNG\r\n\x1a\nnot really";
    const struct { const char* name; bool pixelsToo; } files[] = {{"/absent.png", true}, {"/grey.png", false}, {"/broken.png", true}};
    for (const auto& f : files) {
        EXPECT_EQ(loadImage((dir + f.name).c_str(), width, height), nullptr) << f.name;
        if (f.pixelsToo) { EXPECT_EQ(loadImagePixels((dir + f.name).c_str(), width, height), nullptr) << f.name; }
    }
}

TEST_F(Images, DrawingWithNullSurfacesDoesNothing) {
    blit(nullptr, engine.screen(), 0, 0);
    blit(engine.screen(), nullptr, 0, 0);
    fillRect(nullptr, 0, 0, 10, 10, 0);
    freeSurface(nullptr);
    EXPECT_EQ(createSurface(4, 4, 2), nullptr);
}

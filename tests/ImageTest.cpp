#include "engine/Engine.h"
#include "media/Image.h"
#include "support/FixtureData.h"

#include <gtest/gtest.h>

#include <fstream>
#include <vector>

namespace {

class Images : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(startEngineWithFixtureData());
        dir = makeTempDir();
    }
    void TearDown() override { Engine::instance().shutdown(); }

    uint32_t pixel(SDL_Surface* s, int x, int y) {
        SDL_LockSurface(s);
        const uint32_t value = static_cast<uint32_t*>(s->pixels)[y * (s->pitch / 4) + x];
        SDL_UnlockSurface(s);
        return value;
    }
    std::string dir;
};

}  // namespace

TEST_F(Images, RgbImageWithUnalignedRowsLoadsWithoutShearing) {
    // 5 pixels of 3 bytes: 15-byte rows, padded to 16 in the surface.
    const int w = 5, h = 4;
    std::vector<unsigned char> rgb(w * h * 3);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            unsigned char* p = &rgb[(y * w + x) * 3];
            p[0] = static_cast<unsigned char>(x * 40);
            p[1] = static_cast<unsigned char>(y * 60);
            p[2] = 0x33;
        }
    ASSERT_TRUE(writePng(dir + "/rgb.png", w, h, 3, rgb.data()));
    int width = 0, height = 0;
    SDL_Surface* s = loadImage((dir + "/rgb.png").c_str(), width, height);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(width, w);
    EXPECT_EQ(height, h);
    const SDL_PixelFormat* f = Engine::instance().screen()->format;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            EXPECT_EQ(pixel(s, x, y) & 0xFFFFFF, SDL_MapRGB(f, x * 40, y * 60, 0x33) & 0xFFFFFF) << x << "," << y;
    freeSurface(s);
}

TEST_F(Images, PixelsComeOutAsArgbWithAlphaKept) {
    const unsigned char rgba[8] = {0x11, 0x22, 0x33, 0xFF, 0x44, 0x55, 0x66, 0x80};
    ASSERT_TRUE(writePng(dir + "/rgba.png", 2, 1, 4, rgba));
    int width = 0, height = 0;
    PixelArray pixels(loadImagePixels((dir + "/rgba.png").c_str(), width, height));
    ASSERT_TRUE(pixels);
    EXPECT_EQ(pixels[0], 0xFF112233u);
    EXPECT_EQ(pixels[1], 0x80445566u);
}

TEST_F(Images, SurfaceFromAnRgbaFileHasNoAlpha) {
    const unsigned char rgba[4] = {0x11, 0x22, 0x33, 0x00};
    ASSERT_TRUE(writePng(dir + "/clear.png", 1, 1, 4, rgba));
    int width = 0, height = 0;
    SDL_Surface* s = loadImage((dir + "/clear.png").c_str(), width, height);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->format->Amask, 0u);
    // Blitted over white, the pixel the file called fully transparent shows.
    SDL_Surface* screen = Engine::instance().screen();
    SDL_FillRect(screen, nullptr, SDL_MapRGB(screen->format, 255, 255, 255));
    blit(s, screen, 0, 0);
    EXPECT_EQ(pixel(screen, 0, 0) & 0xFFFFFF, SDL_MapRGB(screen->format, 0x11, 0x22, 0x33) & 0xFFFFFF);
    freeSurface(s);
}

TEST_F(Images, MissingGreyAndCorruptFilesGiveNull) {
    int width = 0, height = 0;
    EXPECT_EQ(loadImage((dir + "/absent.png").c_str(), width, height), nullptr);
    EXPECT_EQ(loadImagePixels((dir + "/absent.png").c_str(), width, height), nullptr);

    const unsigned char grey[4] = {1, 2, 3, 4};
    ASSERT_TRUE(writePng(dir + "/grey.png", 2, 2, 1, grey));
    EXPECT_EQ(loadImage((dir + "/grey.png").c_str(), width, height), nullptr);

    std::ofstream(dir + "/broken.png") << "\x89PNG\r\n\x1a\nnot really";
    EXPECT_EQ(loadImage((dir + "/broken.png").c_str(), width, height), nullptr);
    EXPECT_EQ(loadImagePixels((dir + "/broken.png").c_str(), width, height), nullptr);
}

TEST_F(Images, DrawingWithNullSurfacesDoesNothing) {
    SDL_Surface* screen = Engine::instance().screen();
    blit(nullptr, screen, 0, 0);
    blit(screen, nullptr, 0, 0);
    fillRect(nullptr, 0, 0, 10, 10, 0);
    freeSurface(nullptr);
    EXPECT_EQ(createSurface(4, 4, 2), nullptr);
}

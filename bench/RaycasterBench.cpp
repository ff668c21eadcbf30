// Frame cost of the raycaster at the game's 640x480, read against the cost of
// merely touching a frame's memory (MemoryFloor): fill one frame and copy it.

#include "render/FrameBuffer.h"
#include "render/Raycaster.h"
#include "world/Level.h"

#include <SDL.h>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace {

constexpr int W = 640;
constexpr int H = 480;

std::shared_ptr<TexelImage> texels(int width, int height) {
    auto image = std::make_shared<TexelImage>();
    image->width = width;
    image->height = height;
    image->pixels.reset(static_cast<uint32_t*>(std::malloc(sizeof(uint32_t) * width * height)));
    return image;
}

std::shared_ptr<TexelImage> patternImage(int storeys, uint32_t seed, bool seeThrough = false) {
    std::shared_ptr<TexelImage> image = texels(64, 64 * storeys);
    for (int y = 0; y < 64 * storeys; ++y)
        for (int x = 0; x < 64; ++x) {
            uint32_t c = 0xFF000000u | ((seed * 2654435761u + static_cast<uint32_t>(x * 7 + y * 13)) & 0x00FFFFFFu);
            if (seeThrough && (x / 8 + y / 8) % 2) c = WALL_TRANSPARENT_COLOR;
            image->pixels[y * 64 + x] = c;
        }
    return image;
}

std::shared_ptr<TexelImage> spriteImage(uint32_t seed) {
    std::shared_ptr<TexelImage> image = texels(64, 64);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) {
            const int dx = x - 32, dy = y - 32;
            image->pixels[y * 64 + x] = dx * dx + dy * dy < 900 ? 0xFF000000u | (seed * 0x010203u + x + y * 64) : 0xFF000000u;
        }
    return image;
}

// A 24 x 24 village square: stone border, a few houses (one two storeys
// tall, one with see-through windows), textured floor and ceiling, eight
// people and objects standing in view.
std::unique_ptr<Level> villageSquare(bool lit) {
    constexpr uint32_t N = 24;
    auto level = std::make_unique<Level>();
    level->name = "bench";
    level->width = level->height = N;
    level->hasFloor = level->hasCeiling = true;
    level->useLighting = lit;
    level->useSideShading = true;
    level->transparentWall = true;
    level->backgroundColor = 0xFF101020u;
    for (uint32_t i = 0; i < 4; ++i) level->walls.push_back(Wall{1, patternImage(1, i)});
    level->walls.push_back(Wall{2, patternImage(2, 9)});
    level->walls.push_back(Wall{1, patternImage(1, 10, true)});
    level->wallGrid = CellGrid<int32_t>(N, N);
    level->floorGrid = CellGrid<int32_t>(N, N);
    level->ceilingGrid = CellGrid<int32_t>(N, N);
    level->collisionGrid = CellGrid<bool>(N, N);
    for (uint32_t x = 0; x < N; ++x)
        for (uint32_t y = 0; y < N; ++y) {
            const bool border = x == 0 || y == 0 || x == N - 1 || y == N - 1;
            level->wallGrid[x][y] = border ? 1 : 0;
            level->floorGrid[x][y] = 2 + (x + y) % 2;
            level->ceilingGrid[x][y] = 4;
        }
    for (uint32_t y = 4; y < 8; ++y) level->wallGrid[4][y] = 5;   // tall house
    for (uint32_t y = 14; y < 18; ++y) level->wallGrid[5][y] = 6; // windows
    for (uint32_t x = 8; x < 11; ++x) level->wallGrid[x][3] = 3;
    level->wallGrid[3][12] = 2;
    for (uint32_t i = 0; i < 8; ++i) {
        level->spriteDefinitions.push_back(SpriteDefinition{spriteImage(i), {1.0f, i % 3 == 2 ? 2.0f : 1.0f}, 0.0});
        level->sprites.push_back(Sprite{i, Vec2(4.5f + static_cast<float>(i % 4) * 1.5f, 6.0f + static_cast<float>(i) * 1.6f), true});
    }
    return level;
}

struct View {
    Vec2 position{16.5f, 11.5f};
    Vec2 direction{-1.0f, 0.0f};
    Vec2 plane{0.0f, 0.66f};
};

void castFrameBench(benchmark::State& state, bool lit) {
    auto level = villageSquare(lit);
    Raycaster raycaster(64, 64, W, H);
    raycaster.useLighting = lit;
    FrameBuffer frame(W, H);
    SDL_Surface* overlay =
        SDL_CreateRGBSurface(SDL_SWSURFACE, W, H, 32, 0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000);
    View view;
    for (auto _ : state) {
        raycaster.castFrame(&view.position, &view.direction, &view.plane, *level, frame, overlay);
        benchmark::DoNotOptimize(frame[W / 2][H / 2]);
        benchmark::ClobberMemory();
    }
    SDL_FreeSurface(overlay);
}

void CastFrameLit(benchmark::State& state) { castFrameBench(state, true); }
void CastFrameUnlit(benchmark::State& state) { castFrameBench(state, false); }

// The least any frame costs: write every pixel once and copy the frame once.
void MemoryFloor(benchmark::State& state) {
    std::vector<uint32_t> frame(static_cast<size_t>(W) * H);
    std::vector<uint32_t> screen(frame.size());
    uint32_t colour = 0xFF000000u;
    for (auto _ : state) {
        std::fill(frame.begin(), frame.end(), ++colour);
        std::memcpy(screen.data(), frame.data(), frame.size() * sizeof(uint32_t));
        benchmark::DoNotOptimize(screen.data());
        benchmark::ClobberMemory();
    }
}

}  // namespace

BENCHMARK(CastFrameLit)->Unit(benchmark::kMicrosecond);
BENCHMARK(CastFrameUnlit)->Unit(benchmark::kMicrosecond);
BENCHMARK(MemoryFloor)->Unit(benchmark::kMicrosecond);
// Fixed counts for bench/cachegrind_misses.sh, which subtracts one from the
// other to leave the frames without the set-up.
BENCHMARK(CastFrameLit)->Iterations(1);
BENCHMARK(CastFrameLit)->Iterations(11);
BENCHMARK(CastFrameUnlit)->Iterations(1);
BENCHMARK(CastFrameUnlit)->Iterations(11);

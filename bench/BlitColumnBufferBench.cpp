// Copying the raycaster's column-major frame onto the row-major screen, once
// per frame. Run from the repository root (the engine loads data/ at start):
//   SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy build/bench/ombrel_bench --benchmark_filter=Blit
#include "engine/Engine.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <vector>

namespace {

constexpr int Width = 640;
constexpr int Height = 480;

struct ColumnFrame {
    std::vector<uint32_t> storage;
    std::vector<uint32_t*> columns;
    ColumnFrame() : storage(static_cast<size_t>(Width) * Height), columns(Width) {
        for (int x = 0; x < Width; ++x) {
            columns[x] = &storage[static_cast<size_t>(x) * Height];
            for (int y = 0; y < Height; ++y) columns[x][y] = 0xFF000000u | (x << 8) | y;
        }
    }
};

bool engineUp() {
    static const bool up = [] {
        setenv("SDL_VIDEODRIVER", "dummy", 0);
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        Engine::instance().init("Ombrel", Width, Height, false);
        return Engine::instance().screen() != nullptr;
    }();
    return up;
}

void BM_BlitColumnBuffer(benchmark::State& state) {
    if (!engineUp()) {
        state.SkipWithError("no screen: run from the repository root");
        return;
    }
    ColumnFrame frame;
    Engine& engine = Engine::instance();
    for (auto _ : state) {
        engine.blitColumnBuffer(frame.columns.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * int64_t(Width) * Height * 4);
}
BENCHMARK(BM_BlitColumnBuffer)->Unit(benchmark::kMicrosecond);

// The straight row-by-row walk, for comparison: every pixel of a row comes
// from a different column, 1920 bytes from the previous one.
void BM_BlitColumnBufferRowByRowReference(benchmark::State& state) {
    ColumnFrame frame;
    std::vector<uint32_t> screen(static_cast<size_t>(Width) * Height);
    for (auto _ : state) {
        for (int y = 0; y < Height; ++y)
            for (int x = 0; x < Width; ++x) screen[static_cast<size_t>(y) * Width + x] = frame.columns[x][y];
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * int64_t(Width) * Height * 4);
}
BENCHMARK(BM_BlitColumnBufferRowByRowReference)->Unit(benchmark::kMicrosecond);

}  // namespace

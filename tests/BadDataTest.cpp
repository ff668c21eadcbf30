#include "engine/Engine.h"
#include "states/PlayState.h"
#include "states/TitleScreen.h"
#include "support/EngineFixture.h"
#include "support/Events.h"
#include "support/FixtureData.h"
#include "support/LogTap.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <vector>

namespace fs = std::filesystem;

namespace {

enum Damage { Removed, Emptied, Truncated, Noise };
const char* const DamageNames[] = {"removed", "emptied", "truncated", "replaced by noise"};

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
void writeFile(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void damage(const fs::path& path, Damage kind, std::mt19937& random) {
    std::string bytes = readFile(path);
    switch (kind) {
    case Removed: fs::remove(path); return;
    case Emptied: bytes.clear(); break;
    // Past the headers, into the body, so decoders meet data that stops.
    case Truncated: bytes.resize(bytes.size() / 3); break;
    case Noise: std::ranges::generate(bytes, [&] { return static_cast<char>(random()); }); break;
    }
    writeFile(path, bytes);
}

// The engine opens these itself, before any state runs.
bool readByEngine(const std::string& name) {
    return name == "data/icon.bmp" || name == "data/font/04B_03__.TTF" || name == "data/images/escapeBox.png";
}

}  // namespace

// Every file of a copy of data/, in turn, damaged one way (chosen by a seeded
// rule) and the game started over it: the title over its backdrop, Space, a
// few steps, then a frame drawn in every area. It must either run without
// the file or refuse to start with a log line naming it; a crash, a hang or
// (in the sanitizer build) a read out of bounds fails the run.
TEST(BadData, EachDamagedFileIsDoneWithoutOrRefusedByName) {
    Engine& engine = Engine::instance();
    const fs::path root = makeTempDir();
    fs::copy("data", root / "data", fs::copy_options::recursive);
    std::vector<std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(root / "data"))
        if (entry.is_regular_file()) files.push_back(fs::relative(entry.path(), root).string());
    std::sort(files.begin(), files.end());
    ASSERT_GT(files.size(), 50u);

    std::mt19937 random(17);
    LogTap log;
    fs::current_path(root);
    if (engine.isInitialised()) engine.shutdown();
    int played = 0, refusals = 0;
    for (const std::string& name : files) {
        const auto kind = static_cast<Damage>(random() % 4);
        SCOPED_TRACE(name + " " + DamageNames[kind]);
        const std::string original = readFile(root / name);
        damage(root / name, kind, random);
        log.take();

        if (readByEngine(name) && engine.isInitialised()) engine.shutdown();
        if (ensureEngineStarted()) {
            bool refused = false;
            engine.changeState(std::make_unique<TitleScreen>());
            PlayState* play = nullptr;
            for (int frame = 0; frame < 60 && !refused && !play; ++frame) {
                if (frame == 30) pushKeyDown(SDLK_SPACE, ' ');
                engine.frame(0.06f);
                refused = engine.hasStateFailedToStart();
                if (frame % 10 == 0 && !refused) engine.present();
                play = dynamic_cast<PlayState*>(engine.currentState());
            }
            if (play) {
                ++played;
                pushKey(true, SDLK_UP);
                runFrames(20);
                for (uint32_t n = 0; n < play->levels.size(); ++n) {
                    play->enterLevel(n);
                    engine.present();
                }
            }
            EXPECT_TRUE(play || refused) << "neither played nor refused";
            refusals += refused;
            const std::string logged = log.take();
            EXPECT_TRUE(!refused || logged.find(name) != std::string::npos) << "refused without naming it:\n" << logged;
        } else {
            // Only the engine's own files may stop it from starting.
            EXPECT_TRUE(readByEngine(name));
            EXPECT_NE(log.take().find(name), std::string::npos) << "no start, and the log does not say why";
        }
        if (readByEngine(name) || !engine.isInitialised()) engine.shutdown();
        writeFile(root / name, original);
    }
    if (engine.isInitialised()) engine.shutdown();
    returnToRepository();
    // Both outcomes were met: damaged levels are refused, lost sounds and
    // pictures are played without.
    EXPECT_GT(played, 10);
    EXPECT_GT(refusals, 10);
}

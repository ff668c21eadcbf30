#include "engine/Engine.h"
#include "media/Sound.h"
#include "support/FixtureData.h"
#include "support/RecordingState.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

// Whether the process holds the file open: SDL_mixer streams music from its
// file and closes it only when the music is freed.
bool isOpen(const std::string& path) {
    std::error_code ignored;
    for (const auto& fd : std::filesystem::directory_iterator("/proc/self/fd", ignored))
        if (std::filesystem::read_symlink(fd.path(), ignored) == path) return true;
    return false;
}

}  // namespace

using SharedMusic = EngineWithState;

// Music the title's backdrop left in the slot must not stay allocated for
// good, nor music a state adopted be freed a second time.
TEST_F(SharedMusic, IsFreedOnceAtShutdownByWhoeverHoldsIt) {
    const std::string tone = dir + "/tone.wav";
    ASSERT_TRUE(writeWav(tone, 2.0f));
    for (bool adopted : {false, true}) {
        SCOPED_TRACE(adopted ? "adopted by the state" : "left to the engine");
        if (!engine.isInitialised()) { ASSERT_TRUE(startEngineWithFixtureData()); }
        engine.sharedMusic = loadMusic(tone.c_str());
        ASSERT_NE(engine.sharedMusic, nullptr);
        playMusic(engine.sharedMusic, -1);
        RecordingState* state = install();
        Mix_Music* mine = nullptr;
        if (adopted) state->onUpdate = [&] { std::swap(mine, engine.sharedMusic); }, state->onCleanup = [&] { freeMusic(mine); };
        engine.frame(0.025f);
        EXPECT_TRUE(isOpen(tone));
        engine.shutdown();
        EXPECT_EQ(engine.sharedMusic, nullptr);
        EXPECT_FALSE(isOpen(tone));
    }
}

TEST(MissingSound, IsNamedInOneLineOnce) {
    const std::string log = captureLog([] { loadSound("data/sfx/none.wav"), loadSound("data/sfx/none.wav"); });
    EXPECT_NE(log.find("Couldn't load sound data/sfx/none.wav"), std::string::npos) << log;
    EXPECT_EQ(log.find('\n'), log.size() - 1) << log;
}

#include "engine/Engine.h"
#include "media/Sound.h"
#include "support/FixtureData.h"

#include <gtest/gtest.h>

namespace {

class Sound : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        ASSERT_TRUE(writeWav(tone, 2.0f));
    }
    const std::string tone = dir + "/tone.wav";
};

}  // namespace

TEST_F(Sound, EachEffectGetsItsOwnChannelUpToEight) {
    Mix_Chunk* chunk = loadSound(tone.c_str());
    ASSERT_NE(chunk, nullptr);
    playSound(chunk, 0);
    playSound(chunk, 0);
    EXPECT_EQ(Mix_Playing(-1), 2);
    for (int i = 0; i < 7; ++i) playSound(chunk, 0);
    EXPECT_EQ(Mix_Playing(-1), 8);
    Mix_HaltChannel(-1);
    freeSound(chunk);
}

TEST_F(Sound, MusicStopsWhenFreedAndMissingOrNullSoundsAreSilent) {
    Mix_Music* music = loadMusic(tone.c_str());
    ASSERT_NE(music, nullptr);
    playMusic(music, -1);
    EXPECT_TRUE(Mix_PlayingMusic());
    freeMusic(music);
    EXPECT_FALSE(Mix_PlayingMusic());

    EXPECT_EQ(loadSound((dir + "/absent.wav").c_str()), nullptr);
    EXPECT_EQ(loadMusic((dir + "/absent.ogg").c_str()), nullptr);
    playSound(nullptr, 0);
    playMusic(nullptr, -1);
    freeSound(nullptr);
    freeMusic(nullptr);
    stopMusic();
    EXPECT_EQ(Mix_Playing(-1), 0);
    EXPECT_FALSE(Mix_PlayingMusic());
}

#include "engine/Engine.h"
#include "media/Sound.h"
#include "support/FixtureData.h"

#include <gtest/gtest.h>

namespace {

class Sound : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(startEngineWithFixtureData());
        dir = makeTempDir();
        ASSERT_TRUE(writeWav(dir + "/tone.wav", 2.0f));
    }
    void TearDown() override {
        Mix_HaltChannel(-1);
        Engine::instance().shutdown();
    }
    std::string dir;
};

}  // namespace

TEST_F(Sound, SameEffectTwiceUsesTwoChannels) {
    Mix_Chunk* chunk = loadSound((dir + "/tone.wav").c_str());
    ASSERT_NE(chunk, nullptr);
    playSound(chunk, 0);
    playSound(chunk, 0);
    EXPECT_EQ(Mix_Playing(-1), 2);
    Mix_HaltChannel(-1);
    freeSound(chunk);
}

TEST_F(Sound, NinthEffectInOneFrameIsDropped) {
    Mix_Chunk* chunk = loadSound((dir + "/tone.wav").c_str());
    ASSERT_NE(chunk, nullptr);
    for (int i = 0; i < 9; ++i) playSound(chunk, 0);
    EXPECT_EQ(Mix_Playing(-1), 8);
    Mix_HaltChannel(-1);
    freeSound(chunk);
}

TEST_F(Sound, FreeingThePlayingMusicStopsIt) {
    Mix_Music* music = loadMusic((dir + "/tone.wav").c_str());
    ASSERT_NE(music, nullptr);
    playMusic(music, -1);
    EXPECT_TRUE(Mix_PlayingMusic());
    freeMusic(music);
    EXPECT_FALSE(Mix_PlayingMusic());
}

TEST_F(Sound, MissingFilesGiveNullAndNullIsSilent) {
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

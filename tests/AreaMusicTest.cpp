#include "engine/Engine.h"
#include "media/Sound.h"
#include "states/PlayState.h"
#include "support/EngineFixture.h"
#include "support/FixtureData.h"

#include <gtest/gtest.h>

#include <dlfcn.h>
#include <map>
#include <string>
#include <vector>

using namespace StoryIndex;

namespace {

// Every music load and free, by file and by the order of loading, so that a
// track restarted, switched or freed twice shows in the list. The game's
// calls reach SDL_mixer through these; null: nothing is recorded.
std::vector<std::string>* musicEvents = nullptr;
std::map<const Mix_Music*, int> musicIds;
int musicLoads = 0;

}  // namespace

extern "C" Mix_Music* Mix_LoadMUS(const char* file) {
    static const auto real = reinterpret_cast<Mix_Music* (*)(const char*)>(dlsym(RTLD_NEXT, "Mix_LoadMUS"));
    Mix_Music* music = real(file);
    if (musicEvents && music) {
        musicIds[music] = musicLoads;
        const std::string path(file);
        musicEvents->push_back("load " + path.substr(path.rfind('/') + 1) + " #" + std::to_string(musicLoads++));
    }
    return music;
}

extern "C" void Mix_FreeMusic(Mix_Music* music) {
    static const auto real = reinterpret_cast<void (*)(Mix_Music*)>(dlsym(RTLD_NEXT, "Mix_FreeMusic"));
    if (musicEvents) musicEvents->push_back("free #" + std::to_string(musicIds.count(music) ? musicIds[music] : -1));
    real(music);
}

// The game handed the music the title's backdrop started, then walked from
// area to area by the story's own steps. Faults: the village track restarted
// between village areas; the cave not switching; the track not restarting
// after the cave; the adopted music freed by both the game and the engine,
// or never.
TEST(AreaMusic, FollowsTheAreas) {
    static std::vector<std::string> events;  // outlives a failed assertion
    musicEvents = &events;
    ASSERT_TRUE(ensureEngineStarted());
    Engine& engine = Engine::instance();
    engine.sharedMusic = loadMusic("data/music/village2.ogg");
    ASSERT_NE(engine.sharedMusic, nullptr);
    playMusic(engine.sharedMusic, -1);
    PlayState* const play = makeCurrent<PlayState>();
    ASSERT_NE(play, nullptr);
    play->fade.clear();
    EXPECT_EQ(engine.sharedMusic, nullptr);
    play->hands->setShowLantern();

    struct Row {
        const char* step;
        uint32_t level;
        std::vector<std::string> music;
    };
    const Row rows[] = {{"gotoBarnFromTown", FARM, {}},
                        {"gotoTownFromBarn", TOWN, {}},
                        {"gotoBarnFromTown", FARM, {}},
                        {"gotoCave", CAVE, {"free #0", "load cave.ogg #1"}},
                        {"gotoBarnFromCave", FARM, {"free #1", "load village2.ogg #2"}}};
    EXPECT_EQ(events, std::vector<std::string>{"load village2.ogg #0"});
    for (const Row& row : rows) {
        events.clear();
        play->runAction(row.step);
        for (int i = 0; i < 800 && play->mode != Walking; ++i) engine.frame(0.025f);
        ASSERT_EQ(play->currentLevel, row.level) << row.step;
        EXPECT_EQ(events, row.music) << row.step;
        EXPECT_TRUE(Mix_PlayingMusic()) << row.step;
    }
    events.clear();
    engine.shutdown();
    EXPECT_EQ(events, std::vector<std::string>{"free #2"});
    musicEvents = nullptr;
}

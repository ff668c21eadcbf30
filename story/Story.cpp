#include "story/Story.h"

#include "engine/Engine.h"
#include "media/Sound.h"
#include "render/DarknessTable.h"
#include "states/PlayState.h"
#include "story/StoryIndices.h"

namespace {

constexpr const char* VILLAGE_MUSIC = "data/music/village2.ogg";
constexpr const char* CAVE_MUSIC = "data/music/cave.ogg";

void switchMusic(PlayState& play, const char* path) {
    freeMusic(play.music);
    stopMusic();
    play.music = loadMusic(path);
    playMusic(play.music, -1);
}

}  // namespace

void chooseAreaMusic(PlayState& play, uint32_t level) {
    const bool enteringCave = level < play.levels.size() && play.levels[level]->name == "cave";
    if (enteringCave) {
        switchMusic(play, CAVE_MUSIC);
        return;
    }
    if (play.currentLevel == StoryIndex::CAVE) {
        // Back in the daylight the village tune starts over.
        switchMusic(play, VILLAGE_MUSIC);
        return;
    }
    if (play.music) return;
    Engine& engine = Engine::instance();
    if (play.backgroundMode) {
        // The engine keeps what the backdrop starts, so the tune plays on
        // into the game; a second backdrop takes up the same track instead
        // of stranding the first.
        if (!engine.sharedMusic) {
            engine.sharedMusic = loadMusic(VILLAGE_MUSIC);
            playMusic(engine.sharedMusic, -1);
        }
        play.music = engine.sharedMusic;
    } else {
        // From here on the game owns it and frees it once; the engine must
        // not free it again at shutdown.
        play.music = engine.sharedMusic;
        engine.sharedMusic = nullptr;
    }
}

void applyCaveLight(PlayState& play) {
    if (play.hands && play.hands->isLanternShown()) {
        DarknessTable::shared().set(DarknessTable::LANTERN_LIGHT);
    } else {
        play.caveTooDark = true;
        DarknessTable::shared().set(DarknessTable::NO_LANTERN);
    }
}

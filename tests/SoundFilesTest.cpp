// The music and effects below data/ as the game opens them: each loads
// through the game's own loaders, is in the format the mixer was opened for,
// lasts as long as its use needs, never reaches full scale, and sits at its
// level among the others: sounds of one kind alike, footsteps under the
// story's effects, the music under every effect. The music loops, so its end
// must lead into its start with no step and no change of loudness.
#include "media/Sound.h"
#include "support/EngineFixture.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <vector>

namespace {

enum class Kind { Music, Sheep, Story, Footstep };

struct SoundFile { const char* path; Kind kind; float minSeconds, maxSeconds; };

// The bleats follow their texts: long, medium, short, stuttered. A footstep
// is over before the next one starts on a straight walk (0.78 s).
const SoundFile FILES[] = {
    {"data/music/village2.ogg", Kind::Music, 60, 120}, {"data/music/cave.ogg", Kind::Music, 60, 120},
    {"data/sfx/sheep1.wav", Kind::Sheep, 2.0f, 4.0f}, {"data/sfx/sheep2.wav", Kind::Sheep, 1.0f, 2.0f},
    {"data/sfx/sheep3.wav", Kind::Sheep, 0.3f, 1.0f}, {"data/sfx/sheep4.wav", Kind::Sheep, 0.8f, 2.5f},
    {"data/sfx/crying1.wav", Kind::Story, 2.5f, 8.0f}, {"data/sfx/stab_pierce.wav", Kind::Story, 0.15f, 1.0f},
    {"data/sfx/door_locked.wav", Kind::Story, 0.5f, 3.0f}, {"data/sfx/footstep_grass_3.wav", Kind::Footstep, 0.1f, 0.75f},
    {"data/sfx/footstep_stone_1.wav", Kind::Footstep, 0.1f, 0.75f}, {"data/sfx/footstep_stone_2.wav", Kind::Footstep, 0.1f, 0.75f},
    {"data/sfx/footstep_stone_3.wav", Kind::Footstep, 0.1f, 0.75f}, {"data/sfx/footstep_stone_4.wav", Kind::Footstep, 0.1f, 0.75f}};

double dbfs(double amplitude) { return 20.0 * std::log10(std::max(amplitude, 1e-9)); }

// A chunk's samples, which the mixer has converted to its own format
// (16-bit stereo, checked below), as interleaved left and right.
struct Samples {
    explicit Samples(const Mix_Chunk& chunk)
        : data(reinterpret_cast<const int16_t*>(chunk.abuf)), frames(chunk.alen / 4), energy(frames + 1, 0.0) {
        // Running sums of the two channels' mean squared, so any stretch's RMS is one subtraction.
        for (size_t i = 0; i < frames; ++i) {
            const double mono = (at(i, 0) + at(i, 1)) / 2;
            energy[i + 1] = energy[i] + mono * mono;
        }
    }
    double at(size_t frame, int channel) const { return data[frame * 2 + channel] / 32768.0; }

    double peak() const {
        const auto [low, high] = std::minmax_element(data, data + frames * 2);
        return std::max(-double(*low), double(*high)) / 32768.0;
    }
    // RMS over [from, from + count) of the two channels' mean.
    double rms(size_t from, size_t count) const {
        return std::sqrt((energy[from + count] - energy[from]) / std::max<size_t>(count, 1));
    }
    // How loud the sound is where it is loudest: the RMS of its loudest
    // tenth of a second, as the generator measures it.
    double loudness(int rate) const {
        const size_t window = std::min<size_t>(rate / 10, frames);
        double most = 0;
        for (size_t i = 0; i + window <= frames; ++i) most = std::max(most, energy[i + window] - energy[i]);
        return std::sqrt(most / std::max<size_t>(window, 1));
    }
    // A sample of the loop, counting past either end round the seam.
    double looped(long frame, int channel) const { return at(size_t((frame % long(frames) + long(frames)) % long(frames)), channel); }
    // How sharply the waveform bends at a frame: its second difference. A
    // click is a bend much sharper than the music makes anywhere near it.
    double bend(long frame, int channel) const {
        return std::abs(looped(frame - 1, channel) - 2 * looped(frame, channel) + looped(frame + 1, channel));
    }

    const int16_t* data;
    size_t frames;
    std::vector<double> energy;
};

}  // namespace

TEST(SoundFiles, EveryFileLoadsLastsAndSitsAtItsLevel) {
    ASSERT_TRUE(ensureEngineStarted());
    int rate = 0, channels = 0;
    Uint16 mixerFormat = 0;
    ASSERT_TRUE(Mix_QuerySpec(&rate, &mixerFormat, &channels));
    ASSERT_TRUE(mixerFormat == AUDIO_S16SYS && channels == 2) << "the samples are read as 16-bit stereo";

    std::map<Kind, std::vector<double>> loudnessOf;
    for (const SoundFile& file : FILES) {
        SCOPED_TRACE(file.path);
        if (file.kind == Kind::Music) {
            Mix_Music* music = loadMusic(file.path);
            EXPECT_NE(music, nullptr) << Mix_GetError();
            freeMusic(music);
        } else {
            // SDL's own reader gives the file's format, before the mixer converts it
            SDL_AudioSpec format;
            Uint8* buffer = nullptr;
            Uint32 length = 0;
            ASSERT_NE(SDL_LoadWAV(file.path, &format, &buffer, &length), nullptr) << SDL_GetError();
            SDL_FreeWAV(buffer);
            EXPECT_EQ(format.freq, 22050);
            EXPECT_EQ(format.format, AUDIO_S16LSB);
        }

        // The mixer reads Ogg into a chunk as well: the whole decoded loop.
        Mix_Chunk* chunk = loadSound(file.path);
        ASSERT_NE(chunk, nullptr) << Mix_GetError();
        const Samples sound(*chunk);
        const double seconds = double(sound.frames) / rate;
        EXPECT_GE(seconds, file.minSeconds);
        EXPECT_LE(seconds, file.maxSeconds);
        EXPECT_LE(dbfs(sound.peak()), -1.0);
        loudnessOf[file.kind].push_back(dbfs(sound.loudness(rate)));

        if (file.kind == Kind::Music) {
            // The bends at the two frames either side of the seam are no
            // sharper than the music's sharpest within 25 ms of it.
            const long near = rate / 40;
            for (int c = 0; c < 2; ++c) {
                const double seam = std::max(sound.bend(-1, c), sound.bend(0, c));
                double around = 0;
                for (long i = 1; i < near; ++i)
                    around = std::max({around, sound.bend(i, c), sound.bend(-1 - i, c)});
                EXPECT_LE(seam, 1.5 * around) << "a click at the seam, channel " << c;
            }
            const size_t second = rate;
            EXPECT_NEAR(dbfs(sound.rms(sound.frames - second, second)), dbfs(sound.rms(0, second)), 3.0)
                << "the loop's end and start differ in loudness";
        }
        freeSound(chunk);
    }

    for (const auto& [kind, levels] : loudnessOf) {
        const auto [quietest, loudest] = std::minmax_element(levels.begin(), levels.end());
        EXPECT_LE(*loudest - *quietest, 6.0) << "loudness of kind " << int(kind) << " spreads too far";
    }
    auto loudest = [&](Kind kind) { return *std::ranges::max_element(loudnessOf[kind]); };
    const double quietestEffect =
        std::min(*std::ranges::min_element(loudnessOf[Kind::Story]), *std::ranges::min_element(loudnessOf[Kind::Sheep]));
    EXPECT_LT(loudest(Kind::Footstep), quietestEffect) << "footsteps drown the story";
    EXPECT_LT(loudest(Kind::Music), quietestEffect - 3.0) << "music drowns the effects";
}

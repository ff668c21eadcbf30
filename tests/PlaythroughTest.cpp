#include "engine/Engine.h"
#include "states/EndGame.h"
#include "states/PlayState.h"
#include "states/TitleScreen.h"
#include "support/EngineFixture.h"
#include "support/Events.h"
#include "support/LogTap.h"
#include "ui/InputBox.h"
#include "ui/MessageBox.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <utility>

// Whole games from the title's Space to the program's stop, driven by key
// events and frame steps only. A route is a file of tests/routes/, one step a
// line ('#' starts a comment):
//
//   follow NAME        the steps of another route, in place
//   wait N             N frames of 25 ms with no key
//   press KEY [N]      KEY down, N frames (1 if not given), KEY up, one frame
//   type TEXT          each character pressed and released, a frame each
//   expect WHAT VALUE  screen title|play|end; mode Walking...; area town...;
//                      message TEXT (in the box's text, however wrapped);
//                      hint TEXT; timer running|stopped (its text moving
//                      since the last look, or frozen); stage 0-4; stopped
//
// A failure names the route's file and line; so does any line the game logs
// on the way, besides the stop request. With OMBREL_ROUTE_TRACE set, the
// player's place is printed after each step, for writing new routes.

namespace {

constexpr float FrameSeconds = 0.025f;
constexpr int DrawEvery = 8;

const char* const ModeNames[] = {"Changing", "Walking", "Choosing", "Reading", "Typing", "ScriptedMove", "Watching", "Ending"};

class Route {
public:
    Route() {
        if (Engine::instance().isInitialised()) Engine::instance().shutdown();
    }
    ~Route() { engine.shutdown(); }

    // Runs every step; the first one that fails ends the route.
    void run(const std::string& name) {
        ASSERT_TRUE(ensureEngineStarted());
        engine.enableSpeedRunTimer();
        engine.changeState(std::make_unique<TitleScreen>());
        frames(1);
        logged.clear();  // the start-up's own lines
        const std::string problem = follow(name);
        if (!problem.empty()) FAIL() << problem;
    }

private:
    // "" when every step of the file went as written; else where and how
    // the first one failed.
    std::string follow(const std::string& name) {
        const std::string path = "tests/routes/" + name + ".route";
        std::ifstream file(path);
        if (!file) return "no route " + path;
        std::string line;
        for (int number = 1; std::getline(file, line); ++number) {
            line = line.substr(0, line.find('#'));
            std::istringstream words(line);
            std::string verb, rest;
            if (!(words >> verb)) continue;
            std::getline(words >> std::ws, rest);
            const bool nested = verb == "follow";
            std::string problem = nested ? follow(rest) : step(verb, rest);
            if (problem.empty() && !logged.empty()) problem = "the game logged: " + std::exchange(logged, "");
            if (std::getenv("OMBREL_ROUTE_TRACE")) std::printf("%s:%d: %s\n", path.c_str(), number, where().c_str());
            if (!problem.empty())
                return path + ":" + std::to_string(number) + ": " + line + "\n  " + problem + (nested ? "" : "\n  " + where());
        }
        return "";
    }

    void frames(int n) {
        for (int i = 0; i < n; ++i) {
            engine.frame(FrameSeconds);
            // Drawing is nearly all of a route's time and changes nothing the
            // game decides, so every few frames are drawn, and each checked
            // moment: the renderer still meets every area and mode on the way.
            if (++frameCount % DrawEvery == 0) engine.present();
            std::istringstream said(log.take());
            for (std::string line; std::getline(said, line);) {
                if (line.find("Requesting Stop Main Loop") != std::string::npos) stopped = true;
                // A story step on a missing entry, an asset that failed to
                // load: the game goes on, so only the log tells.
                else if (!line.empty()) logged += line + "\n  ";
            }
        }
    }
    void press(int sym, char typed, int n) { holdKey(sym, typed, n, [this](long k) { return frames(int(k)), true; }); }

    // "" when the step went as written, else what went wrong.
    std::string step(const std::string& verb, const std::string& rest) {
        std::istringstream args(rest);
        int n = 1, sym = 0;
        char typed = 0;
        std::string key;
        if (verb == "wait") return args >> n ? frames(n), "" : "wait needs a frame count";
        if (verb == "press") {
            args >> key >> n;
            return keyNamed(key, sym, typed) ? press(sym, typed, n), "" : "no key called " + key;
        }
        if (verb == "type") {
            for (char c : rest) press(c, c, 1);
            return "";
        }
        if (verb != "expect") return "unknown step " + verb;
        engine.present();
        std::string what, value;
        args >> what;
        std::getline(args >> std::ws, value);
        const std::string seen = observe(what, value);
        return seen == value ? "" : "expected " + what + " " + value + ", saw " + seen;
    }

    // What the player sees of `what`, in the route's words; for texts, the
    // wanted value itself when it is there.
    std::string observe(const std::string& what, const std::string& wanted) {
        GameState* state = engine.currentState();
        auto* play = dynamic_cast<PlayState*>(state);
        auto* end = dynamic_cast<EndGame*>(state);
        if (what == "screen") return play ? "play" : end ? "end" : dynamic_cast<TitleScreen*>(state) ? "title" : "none";
        if (what == "timer") {
            // As the player reads it: running when its text moved since the
            // last look; stopped when the engine stopped it, and frozen since.
            const std::string shown = engine.timerLabel();
            const bool moved = shown != timerSeen, wasStopped = timerStopped;
            timerSeen = shown;
            timerStopped = !engine.isSpeedRunTimerRunning();
            if (!timerStopped) return moved ? "running" : "running, but standing at " + shown;
            return wasStopped && moved ? "stopped, but moved to " + shown : "stopped";
        }
        if (what == "stopped") return stopped ? "" : "still running";
        if (what == "stage") return end ? std::to_string(end->getStage()) : "no end screen";
        if (!play) return "no play state";
        if (what == "mode") return play->mode < std::size(ModeNames) ? ModeNames[play->mode] : "invalid";
        if (what == "area") return play->level() ? play->level()->name : "none";
        if (what == "hint") return play->hintLabel ? play->hintLabel->text() : "none";
        if (what == "message") {
            // The box wraps long lines where it likes: compared without spaces or line breaks.
            auto squeezed = [](std::string text) {
                std::erase_if(text, [](char c) { return c == ' ' || c == '\n' || c == '|'; });
                return text;
            };
            std::string shown;
            for (int i = 0; play->messageBox && i < MessageBox::LineCount; ++i) shown += play->messageBox->lineText(i) + "|";
            return squeezed(shown).find(squeezed(wanted)) != std::string::npos ? wanted : shown;
        }
        return "nothing called " + what;
    }

    std::string where() const {
        auto* play = dynamic_cast<PlayState*>(engine.currentState());
        if (!play || !play->level()) return "not in the world";
        std::ostringstream out;
        out << play->level()->name << " at (" << play->position.x << ", " << play->position.y << ") facing ("
            << play->direction.x << ", " << play->direction.y << "), mode " << play->mode << ", hint \""
            << (play->hintLabel ? play->hintLabel->text() : "") << "\"";
        return out.str();
    }

    Engine& engine = Engine::instance();
    LogTap log;
    std::string logged, timerSeen;
    bool timerStopped = false;
    int frameCount = 0;
    bool stopped = false;
};

void runRoute(const std::string& name) { Route().run(name); }

}  // namespace

TEST(Playthrough, CaveWithoutLanternSendsBack) { runRoute("dark"); }
TEST(Playthrough, MercyThenTheQuestions) { runRoute("mercy"); }
TEST(Playthrough, CleanHandsRefusalIsTheSpit) { runRoute("spit"); }
TEST(Playthrough, SheepAndFarmerStabbedThenTheCurse) { runRoute("attack"); }
TEST(Playthrough, VillagersBeforeAndAfterBloodyHands) { runRoute("villagers"); }

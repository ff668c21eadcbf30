#pragma once

#include "engine/GameState.h"
#include "support/FixtureData.h"

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

// What a RecordingState was told; shared with the test, which outlives the
// state (the Engine deletes states).
struct Journal {
    std::vector<std::string> calls;
    int destroyed = 0;

    int count(const std::string& call) const { return static_cast<int>(std::count(calls.begin(), calls.end(), call)); }
    // Whether these calls all happened, in this order.
    bool inOrder(std::initializer_list<std::string> wanted) const {
        auto at = calls.begin();
        for (const auto& call : wanted)
            if ((at = std::find(at, calls.end(), call)) == calls.end()) return false;
        return true;
    }
    // The key and mouse calls, joined by spaces, forgetting all calls so far.
    std::string takeInput() {
        std::string input;
        for (const auto& c : std::exchange(calls, {}))
            if (c.starts_with("key") || c.starts_with("mouse")) input += (input.empty() ? "" : " ") + c;
        return input;
    }
};

// Notes every call as "[name.]call args", e.g. "a.keyDown 121 121".
class RecordingState : public GameState {
public:
    RecordingState(std::shared_ptr<Journal> journal, std::string name = "")
        : journal(std::move(journal)), prefix(name.empty() ? "" : name + ".") {}
    ~RecordingState() override { ++journal->destroyed; }

    bool init() override { return note("init"), initResult; }
    void cleanup() override { note("cleanup"), onCleanup ? onCleanup() : void(); }
    void update(float dt) override { note("update"), lastDt = dt, onUpdate ? onUpdate() : void(); }
    void render() override { note("render"); }
    void mouseButtonUp(int b) override { note("mouseButtonUp " + std::to_string(b)); }
    void mouseButtonDown(int b) override { note("mouseButtonDown " + std::to_string(b)); }
    void mouseWheel(int d) override { note("mouseWheel " + std::to_string(d)); }
    void keyUp(int sym, char c) override { note("keyUp " + std::to_string(sym) + " " + std::to_string(c)); }
    void keyDown(int sym, char c) override { note("keyDown " + std::to_string(sym) + " " + std::to_string(c)); }

    bool initResult = true;
    float lastDt = -1.0f;
    std::function<void()> onUpdate, onCleanup;

private:
    void note(const std::string& call) { journal->calls.push_back(prefix + call); }
    std::shared_ptr<Journal> journal;
    std::string prefix;
};

// An engine over the fixture data whose states record into `journal`.
class EngineWithState : public EngineTest {
protected:
    RecordingState* install(const std::string& name = "") {
        auto owned = std::make_unique<RecordingState>(journal, name);
        RecordingState* state = owned.get();
        engine.changeState(std::move(owned));
        return state;
    }
    std::shared_ptr<Journal> journal = std::make_shared<Journal>();
};

#pragma once

#include "engine/GameState.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

// A state that writes every call it receives into a journal shared with the
// test, which outlives the state (the Engine deletes states).
struct Journal {
    std::vector<std::string> calls;
    int destroyed = 0;

    int count(const std::string& call) const {
        int n = 0;
        for (const auto& c : calls) n += c == call;
        return n;
    }
    // Index of the first occurrence, or -1.
    int indexOf(const std::string& call) const {
        for (size_t i = 0; i < calls.size(); ++i)
            if (calls[i] == call) return static_cast<int>(i);
        return -1;
    }
};

class RecordingState : public GameState {
public:
    RecordingState(std::shared_ptr<Journal> journal, std::string name = "")
        : journal(std::move(journal)), prefix(name.empty() ? "" : name + ".") {}
    ~RecordingState() override { ++journal->destroyed; }

    bool init() override { note("init"); return initResult; }
    void cleanup() override {
        note("cleanup");
        if (onCleanup) onCleanup();
    }
    void update(float dt) override {
        note("update");
        lastDt = dt;
        if (onUpdate) onUpdate();
    }
    void render() override { note("render"); }
    void mouseMoved(int x, int y) override { note("mouseMoved " + std::to_string(x) + "," + std::to_string(y)); }
    void mouseButtonUp(int b) override { note("mouseButtonUp " + std::to_string(b)); }
    void mouseButtonDown(int b) override { note("mouseButtonDown " + std::to_string(b)); }
    void mouseWheel(int d) override { note("mouseWheel " + std::to_string(d)); }
    void keyUp(int sym, char c) override { note("keyUp " + std::to_string(sym) + " " + std::to_string(c)); }
    void keyDown(int sym, char c) override { note("keyDown " + std::to_string(sym) + " " + std::to_string(c)); }

    bool initResult = true;
    float lastDt = -1.0f;
    std::function<void()> onUpdate;
    std::function<void()> onCleanup;

private:
    void note(const std::string& call) { journal->calls.push_back(prefix + call); }
    std::shared_ptr<Journal> journal;
    std::string prefix;
};

#pragma once

// The two small clocks the text widgets share, driven by the frame's dt in
// seconds.

// A phase that flips every `period` seconds: carets and the paging arrow.
struct Blink {
    float period;
    float timeLeft;
    bool visible = true;

    explicit Blink(float period_, float first) : period(period_), timeLeft(first) {}
    void update(float dt) {
        timeLeft -= dt;
        if (timeLeft < 0.0f) {
            timeLeft += period;
            visible = !visible;
        }
    }
};

// Backspace held down: after the first delete, another after 0.5 s, then one
// every 0.1 s until the key is released.
struct BackspaceRepeat {
    bool held = false;
    float timeLeft = 0.5f;

    void press() {
        held = true;
        timeLeft = 0.5f;
    }
    void release() { held = false; }
    // True when a repeated delete is due in this frame.
    bool update(float dt) {
        if (!held) return false;
        timeLeft -= dt;
        if (timeLeft >= 0.0f) return false;
        timeLeft += 0.1f;
        return true;
    }
};

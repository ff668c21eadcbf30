#pragma once

#include "motion/Easing.h"
#include "render/Vec2.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <type_traits>
#include <vector>

// Moves variables that live elsewhere from their value toward a target over
// a time, along an easing curve. Four channels, one per value type, advanced
// in the order double, float, Vec2, int32_t. Targets are not owned and must
// outlive their tweens; at most one tween runs per target. Times in seconds.
// Once a channel has held as many tweens as ever run at once, animate and
// update allocate nothing, so the hands may start one at every swing.
class Tweener {
public:
    template <typename V>
    void animate(V* target, V to, uint32_t easing, double duration) {
        animate(target, *target, to, easing, duration);
    }
    // The target jumps to from on the next update.
    template <typename V>
    void animate(V* target, V from, V to, uint32_t easing, double duration) {
        channel<V>().start(target, from, to, easing, duration);
    }
    template <typename V>
    bool isAnimating(const V* target) const {
        return const_cast<Tweener*>(this)->channel<V>().find(target) != nullptr;
    }
    void update(float dt) {
        doubles.update(dt);
        floats.update(dt);
        vectors.update(dt);
        ints.update(dt);
    }

private:
    template <typename V>
    struct Tween {
        double elapsed = 0.0;
        double duration = 0.0;
        V* target = nullptr;
        V from{};
        V to{};
        uint32_t easing = 0;
    };

    template <typename V>
    static V blend(V from, V to, float e) {
        if constexpr (std::is_same_v<V, int32_t>)
            return static_cast<int32_t>(static_cast<float>(from) + e * static_cast<float>(to - from));
        else if constexpr (std::is_same_v<V, Vec2>)
            return from + (to - from) * e;
        else
            return from + static_cast<V>(e) * (to - from);
    }

    // The tweens of one type, at most one per target. A slot is taken over
    // in place by a new tween on its target and let go by erasing within the
    // list, so once the list has grown to the most tweens running at once,
    // starting and finishing tweens allocates nothing. Each tween writes its
    // own target, so their order in the list changes no value.
    template <typename V>
    struct Channel {
        std::vector<Tween<V>> list;

        Tween<V>* find(const V* target) {
            for (Tween<V>& tween : list)
                if (tween.target == target) return &tween;
            return nullptr;
        }

        void start(V* target, V from, V to, uint32_t easing, double duration) {
            // The replaced tween is dropped where it stands, never finished.
            const Tween<V> tween{0.0, duration, target, from, to, easing};
            if (Tween<V>* slot = find(target)) *slot = tween;
            else list.push_back(tween);
        }

        void update(float dt) {
            bool anyFinished = false;
            for (Tween<V>& tween : list) {
                tween.elapsed += dt;
                // A tween at or past its end is at t = 1, which also keeps a
                // zero or negative duration from dividing into NaN.
                const bool done = tween.elapsed >= tween.duration;
                const float t = done ? 1.0f : std::min(1.0f, static_cast<float>(tween.elapsed / tween.duration));
                *tween.target = blend(tween.from, tween.to, ease(tween.easing, t));
                anyFinished = anyFinished || done;
            }
            if (!anyFinished) return;
            list.erase(std::remove_if(list.begin(), list.end(),
                                      [](const Tween<V>& tween) { return tween.elapsed >= tween.duration; }),
                       list.end());
        }
    };

    template <typename V>
    Channel<V>& channel() {
        if constexpr (std::is_same_v<V, double>) return doubles;
        else if constexpr (std::is_same_v<V, float>) return floats;
        else if constexpr (std::is_same_v<V, Vec2>) return vectors;
        else return ints;
    }

    Channel<double> doubles;
    Channel<float> floats;
    Channel<Vec2> vectors;
    Channel<int32_t> ints;
};

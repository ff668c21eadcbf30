#pragma once

#include <array>
#include <cstdint>

// How dark the view gets with distance: eight opacities (0 clear, 255 black)
// indexed by the Manhattan distance in cells between the player's cell and the
// cell a pixel shows. One table serves the whole process; entering the cave
// swaps the preset depending on whether the player carries the lantern.
class DarknessTable {
public:
    static constexpr int SIZE = 8;
    using Entries = std::array<uint8_t, SIZE>;

    // The table the game starts with, and the cave's with the lantern.
    static constexpr Entries LANTERN_LIGHT = {0, 96, 128, 160, 192, 224, 240, 248};
    // The cave without the lantern: even the player's own cell is half dark.
    static constexpr Entries NO_LANTERN = {128, 192, 224, 240, 248, 255, 255, 255};

    // The process-wide table; holds LANTERN_LIGHT until set() changes it.
    static DarknessTable& shared();

    void set(const Entries& entries) { table = entries; }
    const Entries& entries() const { return table; }

    // Opacity at distance d; anything beyond the table is fully black.
    uint8_t opacity(uint32_t d) const { return d < SIZE ? table[d] : 255; }
    // The overlay pixel for distance d: black at that opacity, 0xAA000000.
    uint32_t word(uint32_t d) const { return static_cast<uint32_t>(opacity(d)) << 24; }

private:
    Entries table = LANTERN_LIGHT;
};

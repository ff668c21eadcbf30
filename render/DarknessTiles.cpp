#include "render/DarknessTiles.h"

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define OMBREL_X86_TILES 1
#endif

namespace raycast {

namespace {

// Tiles of TILE x TILE pixels: TILE bytes of each of TILE columns stream in,
// TILE words of each of TILE overlay rows (one 64-byte line each) go out.
constexpr int TILE = 16;

uint32_t* overlayRow(uint8_t* overlay, ptrdiff_t pitch, int y) {
    return reinterpret_cast<uint32_t*>(overlay + static_cast<ptrdiff_t>(y) * pitch);
}

void moveScalar(uint8_t* columns, int height, int x0, int x1, int y0, int y1, const uint32_t* words,
                uint8_t* overlay, ptrdiff_t pitch) {
    for (int y = y0; y < y1; ++y) {
        uint32_t* row = overlayRow(overlay, pitch, y);
        for (int x = x0; x < x1; ++x) {
            uint8_t& index = columns[static_cast<ptrdiff_t>(x) * height + y];
            if (index < DARKNESS_WORDS) row[x] = words[index];
            index = NO_DARKNESS;
        }
    }
}

#ifdef OMBREL_X86_TILES

// One tile: the 16 x 16 bytes turned over in registers, each row's indices
// looked up as opacities in one shuffle.
__attribute__((target("ssse3"))) void moveTile(uint8_t* columns, int height, int x0, int y0, __m128i opacities,
                                                uint8_t* overlay, ptrdiff_t pitch) {
    const __m128i none = _mm_set1_epi8(static_cast<char>(NO_DARKNESS));
    __m128i v[TILE];
    __m128i drawn = _mm_setzero_si128();
#pragma GCC unroll 16
    for (int i = 0; i < TILE; ++i) {
        v[i] = _mm_loadu_si128(reinterpret_cast<const __m128i*>(columns + static_cast<ptrdiff_t>(x0 + i) * height + y0));
        drawn = _mm_or_si128(drawn, _mm_xor_si128(v[i], none));
    }
    if (_mm_movemask_epi8(_mm_cmpeq_epi8(drawn, _mm_setzero_si128())) == 0xFFFF) return;  // nothing drawn here
#pragma GCC unroll 16
    for (int i = 0; i < TILE; ++i)
        _mm_storeu_si128(reinterpret_cast<__m128i*>(columns + static_cast<ptrdiff_t>(x0 + i) * height + y0), none);

    // Four rounds of interleaving pairs; after them row r is in v[bit-reversed r].
    __m128i t[TILE];
#pragma GCC unroll 8
    for (int i = 0; i < TILE / 2; ++i) {
        t[i] = _mm_unpacklo_epi8(v[2 * i], v[2 * i + 1]);
        t[i + 8] = _mm_unpackhi_epi8(v[2 * i], v[2 * i + 1]);
    }
#pragma GCC unroll 8
    for (int i = 0; i < TILE / 2; ++i) {
        v[i] = _mm_unpacklo_epi16(t[2 * i], t[2 * i + 1]);
        v[i + 8] = _mm_unpackhi_epi16(t[2 * i], t[2 * i + 1]);
    }
#pragma GCC unroll 8
    for (int i = 0; i < TILE / 2; ++i) {
        t[i] = _mm_unpacklo_epi32(v[2 * i], v[2 * i + 1]);
        t[i + 8] = _mm_unpackhi_epi32(v[2 * i], v[2 * i + 1]);
    }
#pragma GCC unroll 8
    for (int i = 0; i < TILE / 2; ++i) {
        v[i] = _mm_unpacklo_epi64(t[2 * i], t[2 * i + 1]);
        v[i + 8] = _mm_unpackhi_epi64(t[2 * i], t[2 * i + 1]);
    }
    static constexpr int ROW_IN[TILE] = {0, 8, 4, 12, 2, 10, 6, 14, 1, 9, 5, 13, 3, 11, 7, 15};
    const __m128i zero = _mm_setzero_si128();
#pragma GCC unroll 16
    for (int r = 0; r < TILE; ++r) {
        const __m128i index = v[ROW_IN[r]];
        const __m128i keep = _mm_cmpeq_epi8(index, none);
        const __m128i opacity = _mm_shuffle_epi8(opacities, index);
        // Each opacity byte to the top byte of its word, each keep byte to a whole word.
        const __m128i low = _mm_unpacklo_epi8(zero, opacity), high = _mm_unpackhi_epi8(zero, opacity);
        const __m128i keepLow = _mm_unpacklo_epi8(keep, keep), keepHigh = _mm_unpackhi_epi8(keep, keep);
        const __m128i words[4] = {_mm_unpacklo_epi16(zero, low), _mm_unpackhi_epi16(zero, low),
                                  _mm_unpacklo_epi16(zero, high), _mm_unpackhi_epi16(zero, high)};
        const __m128i kept[4] = {_mm_unpacklo_epi16(keepLow, keepLow), _mm_unpackhi_epi16(keepLow, keepLow),
                                 _mm_unpacklo_epi16(keepHigh, keepHigh), _mm_unpackhi_epi16(keepHigh, keepHigh)};
        __m128i* row = reinterpret_cast<__m128i*>(overlayRow(overlay, pitch, y0 + r) + x0);
        // The old pixels are read even where every one is replaced: the line
        // is fetched either way, and reading it first keeps the stores hits.
#pragma GCC unroll 4
        for (int q = 0; q < 4; ++q) {
            const __m128i old = _mm_loadu_si128(row + q);
            _mm_storeu_si128(row + q, _mm_or_si128(_mm_and_si128(kept[q], old), _mm_andnot_si128(kept[q], words[q])));
        }
    }
}

bool tilesInRegisters() {
    static const bool ssse3 = __builtin_cpu_supports("ssse3");
    return ssse3;
}

#endif

}  // namespace

void moveDarknessToOverlay(uint8_t* columns, int width, int height, const uint32_t (&words)[DARKNESS_WORDS],
                           uint8_t* overlay, ptrdiff_t pitch) {
    if (!columns || !overlay || width <= 0 || height <= 0) return;
    int x0 = 0;
#ifdef OMBREL_X86_TILES
    if (tilesInRegisters()) {
        alignas(16) uint8_t table[16] = {};
        for (int i = 0; i < DARKNESS_WORDS; ++i) table[i] = static_cast<uint8_t>(words[i] >> 24);
        const __m128i opacities = _mm_load_si128(reinterpret_cast<const __m128i*>(table));
        // The tiles start where overlay rows meet a cache line, so each row
        // of a tile fills one line instead of the halves of two; the columns
        // before that go one by one.
        const uintptr_t misalignment = reinterpret_cast<uintptr_t>(overlay) % 64;
        if (pitch % 64 == 0 && misalignment % 4 == 0 && misalignment != 0) {
            x0 = static_cast<int>(64 - misalignment) / 4;
            if (x0 > width) x0 = width;
            moveScalar(columns, height, 0, x0, 0, height, words, overlay, pitch);
        }
        const int rows = height - height % TILE;
        for (; x0 + TILE <= width; x0 += TILE) {
            for (int y = 0; y < rows; y += TILE) moveTile(columns, height, x0, y, opacities, overlay, pitch);
            moveScalar(columns, height, x0, x0 + TILE, rows, height, words, overlay, pitch);
        }
    }
#endif
    // Whatever the tiles left over (or all of it without them).
    moveScalar(columns, height, x0, width, 0, height, words, overlay, pitch);
}

}  // namespace raycast

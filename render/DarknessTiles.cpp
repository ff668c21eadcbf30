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

// Four overlay pixels: opacity << 24 where keep is clear, the old pixel where
// it is set; both arguments hold one byte a pixel in their low four bytes.
__attribute__((target("ssse3"))) inline void mergeFour(uint32_t* row, __m128i opacity, __m128i keep) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i words = _mm_unpacklo_epi16(zero, _mm_unpacklo_epi8(zero, opacity));
    const __m128i keepWords = _mm_unpacklo_epi16(_mm_unpacklo_epi8(keep, keep), _mm_unpacklo_epi8(keep, keep));
    const __m128i old = _mm_loadu_si128(reinterpret_cast<const __m128i*>(row));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(row),
                     _mm_or_si128(_mm_and_si128(keepWords, old), _mm_andnot_si128(keepWords, words)));
}

// One tile: the 16 x 16 bytes turned over in registers (four rounds of
// interleaving), each row's indices looked up as opacities in one shuffle.
__attribute__((target("ssse3"))) void moveTile(uint8_t* columns, int height, int x0, int y0, __m128i opacities,
                                                uint8_t* overlay, ptrdiff_t pitch) {
    const __m128i none = _mm_set1_epi8(static_cast<char>(NO_DARKNESS));
    __m128i* column[TILE];
    __m128i v[TILE];
    __m128i drawn = _mm_setzero_si128();
    for (int i = 0; i < TILE; ++i) {
        column[i] = reinterpret_cast<__m128i*>(columns + static_cast<ptrdiff_t>(x0 + i) * height + y0);
        v[i] = _mm_loadu_si128(column[i]);
        drawn = _mm_or_si128(drawn, _mm_xor_si128(v[i], none));
    }
    if (_mm_movemask_epi8(_mm_cmpeq_epi8(drawn, _mm_setzero_si128())) == 0xFFFF) return;  // nothing drawn here
    for (int i = 0; i < TILE; ++i) _mm_storeu_si128(column[i], none);

    // After round r, v[i] holds 2^(r+1) columns' bytes of 16 / 2^(r+1) rows.
    for (int round = 0; round < 4; ++round) {
        __m128i t[TILE];
        for (int i = 0; i < TILE / 2; ++i) {
            const __m128i a = v[2 * i], b = v[2 * i + 1];
            switch (round) {
            case 0: t[i] = _mm_unpacklo_epi8(a, b); t[i + 8] = _mm_unpackhi_epi8(a, b); break;
            case 1: t[i] = _mm_unpacklo_epi16(a, b); t[i + 8] = _mm_unpackhi_epi16(a, b); break;
            case 2: t[i] = _mm_unpacklo_epi32(a, b); t[i + 8] = _mm_unpackhi_epi32(a, b); break;
            default: t[i] = _mm_unpacklo_epi64(a, b); t[i + 8] = _mm_unpackhi_epi64(a, b); break;
            }
        }
        for (int i = 0; i < TILE; ++i) v[i] = t[i];
    }
    // The rounds leave row r in v[bit-reversed r].
    static constexpr int ROW_IN[TILE] = {0, 8, 4, 12, 2, 10, 6, 14, 1, 9, 5, 13, 3, 11, 7, 15};
    for (int r = 0; r < TILE; ++r) {
        const __m128i index = v[ROW_IN[r]];
        const __m128i keep = _mm_cmpeq_epi8(index, none);
        __m128i opacity = _mm_shuffle_epi8(opacities, index);
        __m128i kept = keep;
        uint32_t* row = overlayRow(overlay, pitch, y0 + r) + x0;
        for (int q = 0; q < TILE; q += 4) {
            mergeFour(row + q, opacity, kept);
            opacity = _mm_srli_si128(opacity, 4);
            kept = _mm_srli_si128(kept, 4);
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

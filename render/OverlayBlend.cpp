#include "render/OverlayBlend.h"

#include "media/Image.h"

#include <algorithm>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define OMBREL_X86_BLEND 1
#endif

namespace {

constexpr uint32_t ALPHA_MASK = 0xFF000000u;

uint32_t blendPixel(uint32_t s, uint32_t d) {
    const uint32_t a = s >> 24;
    if (a == 0) return d;
    if (a == 255) return s;
    const uint32_t keep = 255 - a;
    uint32_t out = (((s >> 24) * 255) >> 8) + (((d >> 24) * keep) >> 8);
    out <<= 24;
    for (int shift = 0; shift < 24; shift += 8) {
        const uint32_t sc = (s >> shift) & 0xFF, dc = (d >> shift) & 0xFF;
        out |= (((sc * a) >> 8) + ((dc * keep) >> 8)) << shift;
    }
    return out;
}

void blendRowScalar(const uint32_t* src, uint32_t* dst, int count) {
    for (int i = 0; i < count; ++i) dst[i] = blendPixel(src[i], dst[i]);
}

#ifdef OMBREL_X86_BLEND

// Two pixels widened to 16-bit lanes (B, G, R, A each): the blend of the
// colour lanes by their pixel's alpha and of the alpha lane by 255. The
// products stay below 65536, so the shifts floor exactly as SDL's do.
inline __m128i blendLanes(__m128i s, __m128i d) {
    const __m128i alphaLane = _mm_set_epi16(0xFF, 0, 0, 0, 0xFF, 0, 0, 0);
    const __m128i full = _mm_set1_epi16(0xFF);
    const __m128i a = _mm_shufflehi_epi16(_mm_shufflelo_epi16(s, 0xFF), 0xFF);
    const __m128i keep = _mm_xor_si128(a, full);
    const __m128i gain = _mm_or_si128(a, alphaLane);
    return _mm_add_epi16(_mm_srli_epi16(_mm_mullo_epi16(s, gain), 8), _mm_srli_epi16(_mm_mullo_epi16(d, keep), 8));
}

void blendRowSse2(const uint32_t* src, uint32_t* dst, int count) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i alpha = _mm_set1_epi32(static_cast<int>(ALPHA_MASK));
    int i = 0;
    for (; i + 4 <= count; i += 4) {
        const __m128i s = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + i));
        const __m128i a = _mm_and_si128(s, alpha);
        const __m128i clear = _mm_cmpeq_epi32(a, zero);
        // Clear and opaque stretches are common in the lit cave: skip them
        // or copy them without any arithmetic.
        if (_mm_movemask_epi8(clear) == 0xFFFF) continue;
        const __m128i opaque = _mm_cmpeq_epi32(a, alpha);
        if (_mm_movemask_epi8(opaque) == 0xFFFF) {
            _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + i), s);
            continue;
        }
        const __m128i d = _mm_loadu_si128(reinterpret_cast<const __m128i*>(dst + i));
        const __m128i low = blendLanes(_mm_unpacklo_epi8(s, zero), _mm_unpacklo_epi8(d, zero));
        const __m128i high = blendLanes(_mm_unpackhi_epi8(s, zero), _mm_unpackhi_epi8(d, zero));
        __m128i r = _mm_packus_epi16(low, high);
        r = _mm_or_si128(_mm_and_si128(opaque, s), _mm_andnot_si128(opaque, r));
        r = _mm_or_si128(_mm_and_si128(clear, d), _mm_andnot_si128(clear, r));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + i), r);
    }
    blendRowScalar(src + i, dst + i, count - i);
}

__attribute__((target("avx2"))) inline __m256i blendLanesAvx2(__m256i s, __m256i d) {
    const __m256i alphaLane = _mm256_set_epi16(0xFF, 0, 0, 0, 0xFF, 0, 0, 0, 0xFF, 0, 0, 0, 0xFF, 0, 0, 0);
    const __m256i full = _mm256_set1_epi16(0xFF);
    const __m256i a = _mm256_shufflehi_epi16(_mm256_shufflelo_epi16(s, 0xFF), 0xFF);
    const __m256i keep = _mm256_xor_si256(a, full);
    const __m256i gain = _mm256_or_si256(a, alphaLane);
    return _mm256_add_epi16(_mm256_srli_epi16(_mm256_mullo_epi16(s, gain), 8),
                            _mm256_srli_epi16(_mm256_mullo_epi16(d, keep), 8));
}

__attribute__((target("avx2"))) void blendRowAvx2(const uint32_t* src, uint32_t* dst, int count) {
    const __m256i zero = _mm256_setzero_si256();
    const __m256i alpha = _mm256_set1_epi32(static_cast<int>(ALPHA_MASK));
    int i = 0;
    for (; i + 8 <= count; i += 8) {
        const __m256i s = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(src + i));
        const __m256i a = _mm256_and_si256(s, alpha);
        const __m256i clear = _mm256_cmpeq_epi32(a, zero);
        if (_mm256_movemask_epi8(clear) == -1) continue;
        const __m256i opaque = _mm256_cmpeq_epi32(a, alpha);
        if (_mm256_movemask_epi8(opaque) == -1) {
            _mm256_storeu_si256(reinterpret_cast<__m256i*>(dst + i), s);
            continue;
        }
        const __m256i d = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(dst + i));
        // Unpacking and packing stay within each 128-bit half, so the pixel
        // order comes back as it went in.
        const __m256i low = blendLanesAvx2(_mm256_unpacklo_epi8(s, zero), _mm256_unpacklo_epi8(d, zero));
        const __m256i high = blendLanesAvx2(_mm256_unpackhi_epi8(s, zero), _mm256_unpackhi_epi8(d, zero));
        __m256i r = _mm256_packus_epi16(low, high);
        r = _mm256_blendv_epi8(r, s, opaque);
        r = _mm256_blendv_epi8(r, d, clear);
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(dst + i), r);
    }
    // The compiler leaves the wide registers' upper halves dirty when it
    // turns the call below into a jump; every SSE instruction after that (the
    // raycaster's too, long after this frame) would pay for it.
    _mm256_zeroupper();
    blendRowScalar(src + i, dst + i, count - i);
}

using RowBlend = void (*)(const uint32_t*, uint32_t*, int);

RowBlend bestRowBlend() {
    static const RowBlend best = __builtin_cpu_supports("avx2") ? blendRowAvx2 : blendRowSse2;
    return best;
}

#else

using RowBlend = void (*)(const uint32_t*, uint32_t*, int);
RowBlend bestRowBlend() { return blendRowScalar; }

#endif

// The formats whose blend is known pixel for pixel; see the header.
bool fastPathApplies(const SDL_Surface* overlay, const SDL_Surface* screen) {
    const SDL_PixelFormat* s = overlay->format;
    const SDL_PixelFormat* d = screen->format;
    return (overlay->flags & SDL_SRCALPHA) && s->alpha == 255 && s->BytesPerPixel == 4 && s->Amask == ALPHA_MASK &&
           s->Rmask == 0x00FF0000u && s->Gmask == 0x0000FF00u && s->Bmask == 0x000000FFu && d->BytesPerPixel == 4 &&
           d->Amask == 0 && d->Rmask == s->Rmask && d->Gmask == s->Gmask && d->Bmask == s->Bmask && overlay->pixels &&
           (overlay->pitch % 4) == 0 && (screen->pitch % 4) == 0;
}

}  // namespace

void blendOverlayRow(const uint32_t* overlay, uint32_t* screen, int count) {
    if (overlay && screen && count > 0) bestRowBlend()(overlay, screen, count);
}

void blendOverlay(SDL_Surface* overlay, SDL_Surface* screen) {
    if (!overlay || !screen) return;
    if (!fastPathApplies(overlay, screen)) {
        blit(overlay, screen, 0, 0);
        return;
    }
    const SDL_Rect& clip = screen->clip_rect;
    const int x0 = std::max(0, static_cast<int>(clip.x));
    const int y0 = std::max(0, static_cast<int>(clip.y));
    const int x1 = std::min({overlay->w, screen->w, clip.x + static_cast<int>(clip.w)});
    const int y1 = std::min({overlay->h, screen->h, clip.y + static_cast<int>(clip.h)});
    if (x1 <= x0 || y1 <= y0) return;

    const bool lockOverlay = SDL_MUSTLOCK(overlay);
    const bool lockScreen = SDL_MUSTLOCK(screen);
    if (lockOverlay && SDL_LockSurface(overlay) < 0) return;
    if (lockScreen && SDL_LockSurface(screen) < 0) {
        if (lockOverlay) SDL_UnlockSurface(overlay);
        return;
    }
    if (screen->pixels) {
        const RowBlend blendRow = bestRowBlend();
        const auto* src = static_cast<const uint8_t*>(overlay->pixels);
        auto* dst = static_cast<uint8_t*>(screen->pixels);
        for (int y = y0; y < y1; ++y)
            blendRow(reinterpret_cast<const uint32_t*>(src + static_cast<ptrdiff_t>(y) * overlay->pitch) + x0,
                     reinterpret_cast<uint32_t*>(dst + static_cast<ptrdiff_t>(y) * screen->pitch) + x0, x1 - x0);
    }
    if (lockScreen) SDL_UnlockSurface(screen);
    if (lockOverlay) SDL_UnlockSurface(overlay);
}

#include "render/FloorPass.h"

#include <algorithm>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define OMBREL_X86_FLOOR 1
#endif

namespace raycast {

namespace {

#ifdef OMBREL_X86_FLOOR
// The floor points of rows y.. four at a time, each computed exactly as the
// one-row loop does (the same operations in the same order, no fused
// multiply-add); returns the first row not done. The division leads the
// floor's cost, and AVX does four of them in about the time SSE2 does two.
__attribute__((target("avx"))) int floorPointsAvx(const double* distance, int y, int H, double distWall,
                                                  double wallX, double wallY, double cameraX, double cameraY,
                                                  float tw, float th, int32_t* u, int32_t* v) {
    const __m256d dist = _mm256_set1_pd(distWall);
    const __m256d one = _mm256_set1_pd(1.0);
    const __m256d wallXs = _mm256_set1_pd(wallX);
    const __m256d wallYs = _mm256_set1_pd(wallY);
    const __m256d cameraXs = _mm256_set1_pd(cameraX);
    const __m256d cameraYs = _mm256_set1_pd(cameraY);
    const __m128 tws = _mm_set1_ps(tw);
    const __m128 ths = _mm_set1_ps(th);
    for (; y + 3 < H; y += 4) {
        const __m256d w = _mm256_div_pd(_mm256_loadu_pd(distance + y), dist);
        const __m256d rest = _mm256_sub_pd(one, w);
        const __m256d px = _mm256_add_pd(_mm256_mul_pd(w, wallXs), _mm256_mul_pd(rest, cameraXs));
        const __m256d py = _mm256_add_pd(_mm256_mul_pd(w, wallYs), _mm256_mul_pd(rest, cameraYs));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(u + y), _mm_cvttps_epi32(_mm_mul_ps(_mm256_cvtpd_ps(px), tws)));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(v + y), _mm_cvttps_epi32(_mm_mul_ps(_mm256_cvtpd_ps(py), ths)));
    }
    return y;
}

bool hasAvx() {
    static const bool avx = __builtin_cpu_supports("avx");
    return avx;
}
#endif

}  // namespace

FloorPass::FloorPass(int screenHeight)
    : rowDistance(screenHeight > 0 ? screenHeight : 0, 0.0),
      floorU((screenHeight > 0 ? screenHeight : 0) + 1, 0),
      floorV((screenHeight > 0 ? screenHeight : 0) + 1, 0) {
    for (int y = 0; y < screenHeight; ++y) rowDistance[y] = screenHeight / (2.0 * y - screenHeight);
}

template <bool LIT>
void FloorPass::drawColumn(const FrameView& view, const Ray& ray, const WallSlice& slice, int x,
                           uint32_t* column) {
    const int H = view.height;
    if (!view.hasFloorOrCeiling || slice.drawEnd + 1 >= H) return;
    const double distWall = slice.distance;
    if (!(distWall > 0.0 && distWall < MAX_SLICE)) return;

    // Where the wall's face meets the floor.
    const int side = slice.side;
    const int mapX = slice.cellX;
    const int mapY = slice.cellY;
    double floorXWall;
    double floorYWall;
    if (side == 0 && ray.direction.x > 0) {
        floorXWall = mapX;
        floorYWall = mapY + slice.wallX;
    } else if (side == 0 && ray.direction.x < 0) {
        floorXWall = mapX + 1.0;
        floorYWall = mapY + slice.wallX;
    } else if (side == 1 && ray.direction.y > 0) {
        floorXWall = mapX + slice.wallX;
        floorYWall = mapY;
    } else {
        floorXWall = mapX + slice.wallX;
        floorYWall = mapY + 1.0;
    }

    // First the floor point of every row, as 64 times its coordinates
    // truncated: one conversion gives both the cell (the high bits) and the
    // texel (the low six). Where AVX or SSE2 is there, four or two rows at a
    // time, each computed exactly as the one-row loop does.
    const int firstRow = slice.drawEnd + 1;
    const double cameraX = view.position.x;
    const double cameraY = view.position.y;
    const float tw = static_cast<float>(view.texWidth);
    const float th = static_cast<float>(view.texHeight);
    const double* distance = rowDistance.data();
    int32_t* u = floorU.data();
    int32_t* v = floorV.data();
    int y = firstRow;
#ifdef OMBREL_X86_FLOOR
    if (hasAvx())
        y = floorPointsAvx(distance, y, H, distWall, floorXWall, floorYWall, cameraX, cameraY, tw, th, u, v);
#endif
#if defined(__SSE2__)
    {
        const __m128d dist = _mm_set1_pd(distWall);
        const __m128d one = _mm_set1_pd(1.0);
        const __m128d wallXs = _mm_set1_pd(floorXWall);
        const __m128d wallYs = _mm_set1_pd(floorYWall);
        const __m128d cameraXs = _mm_set1_pd(cameraX);
        const __m128d cameraYs = _mm_set1_pd(cameraY);
        const __m128 scale = _mm_setr_ps(tw, tw, th, th);
        for (; y + 1 < H; y += 2) {
            const __m128d w = _mm_div_pd(_mm_loadu_pd(distance + y), dist);
            const __m128d rest = _mm_sub_pd(one, w);
            const __m128d px = _mm_add_pd(_mm_mul_pd(w, wallXs), _mm_mul_pd(rest, cameraXs));
            const __m128d py = _mm_add_pd(_mm_mul_pd(w, wallYs), _mm_mul_pd(rest, cameraYs));
            const __m128 points = _mm_movelh_ps(_mm_cvtpd_ps(px), _mm_cvtpd_ps(py));  // x0 x1 y0 y1
            const __m128i scaled = _mm_cvttps_epi32(_mm_mul_ps(points, scale));
            _mm_storel_epi64(reinterpret_cast<__m128i*>(u + y), scaled);
            _mm_storel_epi64(reinterpret_cast<__m128i*>(v + y), _mm_unpackhi_epi64(scaled, scaled));
        }
    }
#endif
    for (; y < H; ++y) {
        const double w = distance[y] / distWall;
        u[y] = static_cast<int>(tw * static_cast<float>(w * floorXWall + (1.0 - w) * cameraX));
        v[y] = static_cast<int>(th * static_cast<float>(w * floorYWall + (1.0 - w) * cameraY));
    }

    // Then the pixels. The point lies between the camera and the wall, so
    // inside the grid but for rounding, which the clamp catches. Everything
    // is read into locals first: the pixel stores could alias the view, and
    // reloading it every row costs more than the rest of the row.
    const int lastCellX = view.gridWidth - 1;
    const int lastCellY = view.gridHeight - 1;
    const int cellsPerColumn = view.gridHeight;
    const CellLook* looks = view.cellLooks;
    uint32_t* floorPixel = column + firstRow;
    uint32_t* ceilingPixel = column + (H - 1 - firstRow);
    [[maybe_unused]] uint8_t* floorDark = nullptr;
    [[maybe_unused]] uint8_t* ceilingDark = nullptr;
    if constexpr (LIT) {
        floorDark = view.darkColumn(x) + firstRow;
        ceilingDark = view.darkColumn(x) + (H - 1 - firstRow);
    }
    for (y = firstRow; y < H; ++y) {
        const int32_t cellU = u[y];
        const int32_t cellV = v[y];
        const int cellX = std::clamp(cellU >> 6, 0, lastCellX);
        const int cellY = std::clamp(cellV >> 6, 0, lastCellY);
        const int texel = (cellV & 63) * 64 + (cellU & 63);
        const CellLook look = looks[cellX * cellsPerColumn + cellY];
        if (look.floor) {
            if constexpr (LIT) *floorDark = look.shade;
            *floorPixel = look.floor[texel];
        }
        if (look.ceiling) {
            if constexpr (LIT) *ceilingDark = look.shade;
            *ceilingPixel = look.ceiling[texel];
        }
        ++floorPixel;
        --ceilingPixel;
        if constexpr (LIT) {
            ++floorDark;
            --ceilingDark;
        }
    }
}

template void FloorPass::drawColumn<true>(const FrameView&, const Ray&, const WallSlice&, int, uint32_t*);
template void FloorPass::drawColumn<false>(const FrameView&, const Ray&, const WallSlice&, int, uint32_t*);

}  // namespace raycast

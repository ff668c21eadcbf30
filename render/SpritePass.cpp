#include "render/SpritePass.h"

#include "world/Level.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace raycast {

SpritePass::SpritePass(int screenHeight) : texelRow(screenHeight > 0 ? screenHeight : 0, 0) {}

void SpritePass::draw(const FrameView& view, const Level& level, const Vec2& direction,
                      const Vec2& cameraPlane, uint32_t* const* frameBuffer, const double* depth) {
    const int W = view.width;
    const int H = view.height;
    const Vec2 position = view.position;
    const int n = static_cast<int>(level.sprites.size());
    if (n == 0) return;
    if (order.size() < level.sprites.size()) {
        order.resize(level.sprites.size());
        distance.resize(level.sprites.size());
    }
    for (int i = 0; i < n; ++i) {
        const Vec2& at = level.sprites[i].position;
        order[i] = i;
        distance[i] = static_cast<double>((position.x - at.x) * (position.x - at.x) +
                                          (position.y - at.y) * (position.y - at.y));
    }
    sortSpritesFarToNear(order.data(), distance.data(), n);

    const int tw = view.texWidth;
    const int th = view.texHeight;
    const double invDet = 1.0 / (static_cast<double>(cameraPlane.x) * direction.y -
                                 static_cast<double>(direction.x) * cameraPlane.y);
    int32_t* const rows = texelRow.data();
    for (int k = 0; k < n; ++k) {
        const Sprite& sprite = level.sprites[order[k]];
        if (!sprite.isVisible || sprite.definition >= view.spriteImageCount) continue;
        const uint32_t* image = view.spriteImages[sprite.definition];
        if (!image) continue;
        const SpriteDefinition& def = level.spriteDefinitions[sprite.definition];

        const double sx = sprite.position.x - position.x;
        const double sy = sprite.position.y - position.y;
        const double transformX = invDet * (direction.y * sx - direction.x * sy);
        const double transformY = invDet * (-cameraPlane.y * sx + cameraPlane.x * sy);
        if (!(transformY > 0.0)) continue;  // behind the camera

        const int screenX = truncClamped((W / 2) * (1.0 + transformX / transformY), MAX_SLICE);
        const int moveScreen = truncClamped(std::trunc(def.move) / transformY, MAX_SLICE);
        const int size = truncClamped(H / transformY, MAX_SLICE);
        // A divisor below 1 would divide by zero or blow the sprite up.
        const int scaleX = std::max(1, truncClamped(def.scale.x, MAX_SLICE));
        const int scaleY = std::max(1, truncClamped(def.scale.y, MAX_SLICE));
        const int spriteHeight = size / scaleY;
        const int spriteWidth = size / scaleX;

        const int drawStartY = std::max(H / 2 - spriteHeight / 2 + moveScreen, 0);
        int drawEndY = spriteHeight / 2 + H / 2 + moveScreen;
        if (drawEndY >= H) drawEndY = H - 1;
        const int drawStartX = std::max(screenX - spriteWidth / 2, 0);
        int drawEndX = spriteWidth / 2 + screenX;
        if (drawEndX >= W) drawEndX = W - 1;
        if (drawStartY >= drawEndY || drawStartX >= drawEndX) continue;

        // Every column of the sprite samples the same texel rows.
        for (int y = drawStartY; y < drawEndY; ++y) {
            const int64_t t = 256LL * (y - moveScreen) - 128LL * H + 128LL * spriteHeight;
            rows[y] = clampIndex((th * t / spriteHeight) / 256, th) * tw;
        }

        // Lit as if one cell nearer than the cell it stands in.
        const int cellDistance = std::abs(static_cast<int>(position.x) - truncClamped(sprite.position.x, 1 << 30)) +
                                 std::abs(static_cast<int>(position.y) - truncClamped(sprite.position.y, 1 << 30));
        const uint8_t shade = FrameView::darknessIndex(cellDistance - 1);

        for (int stripe = drawStartX; stripe < drawEndX; ++stripe) {
            if (stripe <= 0 || stripe >= W || !(depth[stripe] > transformY)) continue;
            const int64_t texX64 = (int64_t{stripe - screenX + spriteWidth / 2} * 256 * tw / spriteWidth) / 256;
            const uint32_t* texels = image + clampIndex(texX64, tw);
            uint32_t* column = frameBuffer[stripe];
            uint8_t* dark = view.darkColumns ? view.darkColumn(stripe) : nullptr;
            for (int y = drawStartY; y < drawEndY; ++y) {
                const uint32_t colour = texels[rows[y]];
                if ((colour & 0x00FFFFFFu) == 0) continue;  // black of any alpha is see-through
                if (dark) dark[y] = shade;
                column[y] = colour;
            }
        }
    }
}

}  // namespace raycast

void sortSpritesFarToNear(int32_t* order, double* distance, int n) {
    int gap = n;
    bool swapped = false;
    while (gap > 1 || swapped) {
        gap = gap * 10 / 13;
        if (gap == 9 || gap == 10) gap = 11;
        if (gap < 1) gap = 1;
        swapped = false;
        for (int i = 0; i < n - gap; ++i) {
            if (distance[i + gap] > distance[i]) {
                std::swap(distance[i], distance[i + gap]);
                std::swap(order[i], order[i + gap]);
                swapped = true;
            }
        }
    }
}

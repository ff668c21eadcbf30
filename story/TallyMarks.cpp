#include "story/Story.h"

#include "engine/Log.h"
#include "media/Image.h"
#include "story/StoryIndices.h"
#include "world/Level.h"

#include <algorithm>
#include <cmath>

namespace {

// The strokes the player's predecessors left; one per farmer who came
// through before.
constexpr int STROKE_COUNT = 3;
constexpr int STROKE_AREA = TEXTURE_SIZE;  // marks go in the top storey only
constexpr uint32_t SKIPPED_TEXEL = 0xFFFFFFFFu;

struct Picture {
    PixelArray pixels;
    int width = 0, height = 0;
};

Picture loadPicture(const char* path) {
    Picture picture;
    picture.pixels.reset(loadImagePixels(path, picture.width, picture.height));
    if (!picture.pixels) logLine("Tally marks: cannot read \"%s\"", path);
    return picture;
}

// The only place texels are written: anything outside the wall image or the
// top storey is left alone, so an odd stroke image cannot write past it.
void stamp(TexelImage& wall, const Picture& picture, int x, int y) {
    for (int j = 0; j < picture.height; ++j) {
        for (int i = 0; i < picture.width; ++i) {
            const int tx = x + i, ty = y + j;
            if (tx < 0 || ty < 0 || tx >= wall.width || ty >= std::min(wall.height, STROKE_AREA)) continue;
            const uint32_t texel = picture.pixels[static_cast<size_t>(j) * picture.width + i];
            if (texel != SKIPPED_TEXEL) wall.pixels[static_cast<size_t>(ty) * wall.width + tx] = texel;
        }
    }
}

int centred(int groups, int singles, const Picture& five, const Picture& one) {
    return (STROKE_AREA - (five.width + 1) * groups - singles * (one.width + 1)) / 2;
}

}  // namespace

void carveTallyMarks(Level& cave) {
    const Picture five = loadPicture("data/images/fiveStrokes.png");
    const Picture one = loadPicture("data/images/singleStroke.png");
    if (!five.pixels || !one.pixels) return;
    if (five.width + 1 > STROKE_AREA || five.height + 1 > STROKE_AREA || one.width + 1 > STROKE_AREA) {
        logLine("Tally marks: the stroke images are too large for a %d-texel wall", STROKE_AREA);
        return;
    }
    const int perRow = STROKE_AREA / (five.width + 1);
    const int perTexture = perRow * (STROKE_AREA / (five.height + 1)) * 5;
    const int textures = static_cast<int>(std::ceil(static_cast<float>(STROKE_COUNT) / perTexture));

    int left = STROKE_COUNT;
    for (int t = 0; t < textures; ++t) {
        const uint32_t number = StoryIndex::CAVE_TALLY_FIRST_WALL + static_cast<uint32_t>(t);
        if (number > StoryIndex::CAVE_TALLY_LAST_WALL || number > cave.walls.size()) {
            logLine("Tally marks: level \"%s\" has no Wall %u to carve", cave.name.c_str(), number);
            return;
        }
        TexelImage* wall = cave.walls[number - 1].writableImage();
        if (!wall || !wall->pixels) {
            logLine("Tally marks: Wall %u of level \"%s\" has no image", number, cave.name.c_str());
            return;
        }
        int m = std::min(left, perTexture);
        left -= m;
        int rows = static_cast<int>(std::ceil(static_cast<float>(m) / (perRow * 5)));
        int y = (STROKE_AREA - (five.height + 1) * rows) / 2;
        int x = rows == 1 ? centred(m / 5, m % 5, five, one) : 0;
        while (m > 4) {
            if (x + five.width + 1 > STROKE_AREA) {
                rows -= 1;
                y += five.height + 1;
                x = rows == 1 ? centred(m / 5, m % 5, five, one) : 1;
            }
            stamp(*wall, five, x, y);
            x += five.width + 1;
            m -= 5;
        }
        while (m > 0) {
            if (x + one.width + 1 > STROKE_AREA) {
                rows -= 1;
                y += one.height + 1;
                x = rows == 1 ? centred(0, m % 5, five, one) : 1;
            }
            stamp(*wall, one, x, y);
            x += one.width + 1;
            m -= 1;
        }
    }
}

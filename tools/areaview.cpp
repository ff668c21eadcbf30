// areaview: a 640x480 picture of an area seen from any spot, drawn by the
// game's own level loader and raycaster, for designing and reviewing areas.
//
//   areaview AREA X Y FACING OUT.png [--dark] [--lit] [--unlit] [--all] [--tally]
//
// FACING is a level rotation in degrees (0 faces -x, 90 faces -y, 180 +x,
// 270 +y). The area's own lighting flag decides whether distance darkness is
// drawn; --lit and --unlit force it on or off. --dark uses the darkness of the
// cave entered without the lantern instead of the lantern's. --all shows the
// sprites that the area hides until the story reveals them. --tally carves the
// tally marks into the area's walls as the game carves them into the cave's
// when a game starts, so a view of that wall shows what the player sees.
//
// Run from the repository root (the level paths are relative to it). Exits
// with 1 and a message on a bad argument, a refused level or a failed write.

#include "render/Camera.h"
#include "render/DarknessTable.h"
#include "render/FrameBuffer.h"
#include "render/Raycaster.h"
#include "story/Story.h"
#include "world/Level.h"

#include <SDL.h>
#include <stb_image_write.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr int WIDTH = 640;
constexpr int HEIGHT = 480;

struct Options {
    std::string area;
    Vec2 position;
    double facing = 0.0;
    std::string output;
    bool dark = false;
    int lighting = -1;  // -1: the area's own flag
    bool showAll = false;
    bool tally = false;
};

bool parseNumber(const char* text, double& value) {
    char* end = nullptr;
    value = std::strtod(text, &end);
    return end != text && *end == '\0' && std::isfinite(value);
}

bool parseOptions(int argc, char** argv, Options& options) {
    std::vector<std::string> positional;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--dark") options.dark = true;
        else if (arg == "--lit") options.lighting = 1;
        else if (arg == "--unlit") options.lighting = 0;
        else if (arg == "--all") options.showAll = true;
        else if (arg == "--tally") options.tally = true;
        else if (arg.rfind("--", 0) == 0) return false;
        else positional.push_back(arg);
    }
    if (positional.size() != 5) return false;
    double x = 0, y = 0;
    if (!parseNumber(positional[1].c_str(), x) || !parseNumber(positional[2].c_str(), y) ||
        !parseNumber(positional[3].c_str(), options.facing))
        return false;
    options.area = positional[0];
    options.position = Vec2(static_cast<float>(x), static_cast<float>(y));
    options.output = positional[4];
    return true;
}

// The overlay holds black at the opacity of the darkness in its alpha byte;
// the play state blends it over the frame, which this does by hand.
uint8_t blend(uint32_t colour, int shift, uint32_t opacity) {
    const uint32_t c = (colour >> shift) & 0xFF;
    return static_cast<uint8_t>(c * (255 - opacity) / 255);
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!parseOptions(argc, argv, options)) {
        std::fprintf(stderr,
                     "usage: areaview AREA X Y FACING OUT.png [--dark] [--lit] [--unlit] [--all] "
                     "[--tally]\n");
        return 1;
    }
    std::unique_ptr<Level> level = loadLevel(options.area);
    if (!level) {
        std::fprintf(stderr, "areaview: the area \"%s\" could not be loaded\n", options.area.c_str());
        return 1;
    }
    const Vec2 spot = options.position;
    if (spot.x < 0 || spot.y < 0 || spot.x >= level->width || spot.y >= level->height) {
        std::fprintf(stderr, "areaview: (%g, %g) lies outside the %ux%u cells of \"%s\"\n", spot.x,
                     spot.y, level->width, level->height, options.area.c_str());
        return 1;
    }
    if (options.showAll)
        for (Sprite& sprite : level->sprites) sprite.isVisible = true;
    if (options.tally) carveTallyMarks(*level);

    Vec2 position;
    Vec2 direction;
    Vec2 cameraPlane;
    const float fileRotation = level->rotation;
    level->rotation = static_cast<float>(options.facing);
    placeCameraAtStart(*level, position, direction, cameraPlane);
    level->rotation = fileRotation;
    position = options.position;

    Raycaster raycaster(TEXTURE_SIZE, TEXTURE_SIZE, WIDTH, HEIGHT);
    raycaster.useSideShading = level->useSideShading;
    raycaster.transparentWall = level->transparentWall;
    raycaster.useLighting = options.lighting < 0 ? level->useLighting : options.lighting == 1;
    DarknessTable::shared().set(options.dark ? DarknessTable::NO_LANTERN : DarknessTable::LANTERN_LIGHT);

    SDL_Surface* overlay = SDL_CreateRGBSurface(SDL_SWSURFACE, WIDTH, HEIGHT, 32, 0x00FF0000u,
                                                0x0000FF00u, 0x000000FFu, 0xFF000000u);
    if (!overlay) {
        std::fprintf(stderr, "areaview: no overlay surface: %s\n", SDL_GetError());
        return 1;
    }
    std::memset(overlay->pixels, 0, static_cast<size_t>(overlay->pitch) * HEIGHT);

    FrameBuffer frame(WIDTH, HEIGHT);
    frame.fill(level->backgroundColor);
    raycaster.castFrame(&position, &direction, &cameraPlane, *level, frame, overlay);

    std::vector<uint8_t> rgb(static_cast<size_t>(WIDTH) * HEIGHT * 3);
    for (int y = 0; y < HEIGHT; ++y) {
        const auto* darkRow = reinterpret_cast<const uint32_t*>(
            static_cast<const uint8_t*>(overlay->pixels) + static_cast<ptrdiff_t>(y) * overlay->pitch);
        for (int x = 0; x < WIDTH; ++x) {
            const uint32_t colour = frame[x][y];
            const uint32_t opacity = raycaster.useLighting ? darkRow[x] >> 24 : 0;
            uint8_t* out = &rgb[(static_cast<size_t>(y) * WIDTH + x) * 3];
            out[0] = blend(colour, 16, opacity);
            out[1] = blend(colour, 8, opacity);
            out[2] = blend(colour, 0, opacity);
        }
    }
    SDL_FreeSurface(overlay);
    if (!stbi_write_png(options.output.c_str(), WIDTH, HEIGHT, 3, rgb.data(), WIDTH * 3)) {
        std::fprintf(stderr, "areaview: could not write %s\n", options.output.c_str());
        return 1;
    }
    return 0;
}

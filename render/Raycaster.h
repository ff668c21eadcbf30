#pragma once

#include "render/FrameBuffer.h"
#include "render/Vec2.h"
#include "world/Level.h"

#include <SDL.h>

#include <cstdint>
#include <memory>

// Draws the first-person view of a level, column by column: for every screen
// column one ray walks the wall grid to the first wall, the wall slice is
// drawn (several storeys tall if its texture is), then the floor below and
// the ceiling above it; finally the level's sprites as camera-facing
// billboards, far to near, clipped against the walls. With useLighting every
// pixel drawn also writes a black pixel of distance-dependent opacity into an
// overlay surface that is later blended over the frame. The passes write that
// darkness into a column-major buffer beside the frame, which castFrame lays
// into the overlay in tiles before it returns (DarknessTiles.h says why): the
// darkness words are read in the overlay, as ever.
//
// Units: positions and distances in map cells; the screen in pixels. The
// raycaster owns nothing of the level and keeps no pointer to it between
// frames. Per frame it allocates nothing, except that its sprite, texture and
// cell look-up arrays grow when a level has more sprites, walls or cells than
// any before. Each frame first resolves every cell's floor and ceiling
// texture once (the story may change them between frames), which costs
// little beside the pixels for levels of up to a few hundred cells a side.
// The three passes (WallPass, FloorPass, SpritePass) share one FrameView of
// the frame and get each column's ray explicitly.
class Raycaster {
public:
    // The texture size must be the levels' (TEXTURE_SIZE); any other value is
    // logged and replaced, since a level's images are only that big. The
    // screen size is fixed for the raycaster's life (the play state passes
    // the engine's; tests may use a small screen).
    Raycaster(uint32_t textureWidth, int32_t textureHeight, int screenWidth, int screenHeight);
    ~Raycaster();
    Raycaster(const Raycaster&) = delete;
    Raycaster& operator=(const Raycaster&) = delete;

    // Copied from the level's flags each time the player enters a level.
    bool useSideShading = true;   // y-side wall faces at half brightness
    bool useLighting = false;     // write distance darkness into the overlay
    bool transparentWall = true;  // show the map-border wall through cyan texels

    // Draws the whole view from the camera into frame, which must be
    // screenWidth() x screenHeight(); a frame of another size is logged and
    // left untouched. Only pixels that something covers are written: the
    // caller clears the frame first.
    // overlay: a 32-bit surface of at least the screen size with its alpha in
    // the top byte (0xFF000000), written only when useLighting is set, and
    // then only at the pixels something covered (the rest keep what they
    // held); null means no darkness is written, and so does any other
    // surface, after one log line. A null camera vector draws nothing.
    //
    // Whatever the level holds, nothing is read outside it: a ray that would
    // leave the wall grid stops at its edge (no wall is drawn there), a cell
    // naming no wall, floor or ceiling texture draws nothing, texel rows and
    // columns are clamped into their image, and a wall or sprite whose image
    // is smaller than it is drawn (a wall of more storeys than its image
    // has, a sprite image not 64x64) is not drawn, and named once in the log.
    // A camera outside the grid draws no walls, floor, ceiling or sprites.
    void castFrame(const Vec2* position, const Vec2* direction, const Vec2* cameraPlane,
                   const Level& level, FrameBuffer& frame, SDL_Surface* overlay);

    // Perpendicular distance of the nearer wall in each screen column of the
    // last frame (0 where the column showed nothing), screenWidth() entries.
    const double* zBuffer() const;

    int screenWidth() const { return width; }
    int screenHeight() const { return height; }
    uint32_t textureWidth() const { return texWidth; }
    int32_t textureHeight() const { return texHeight; }

    // The passes and what they share while a frame is drawn; defined in
    // Raycaster.cpp, opaque to everyone else.
    struct Scratch;

private:

    int width;
    int height;
    uint32_t texWidth;
    int32_t texHeight;
    std::unique_ptr<Scratch> scratch;
};

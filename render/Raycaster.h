#pragma once

#include "engine/Engine.h"
#include "render/FrameBuffer.h"
#include "render/Vec2.h"
#include "world/Level.h"

#include <SDL.h>

#include <cstdint>
#include <vector>

// Draws the first-person view of a level, column by column: for every screen
// column one ray walks the wall grid to the first wall, the wall slice is
// drawn (several storeys tall if its texture is), then the floor below and
// the ceiling above it; finally the level's sprites as camera-facing
// billboards, far to near, clipped against the walls. With useLighting every
// pixel drawn also writes a black pixel of distance-dependent opacity into an
// overlay surface that is later blended over the frame.
//
// Units: positions and distances in map cells; the screen in pixels. The
// raycaster owns nothing of the level and keeps no pointer to it between
// frames. Per frame it allocates nothing, except that its sprite, texture and
// cell look-up arrays grow when a level has more sprites, walls or cells than
// any before. Each frame first resolves every cell's floor and ceiling
// texture once (the story may change them between frames), which costs
// little beside the pixels for levels of up to a few hundred cells a side.
class Raycaster {
public:
    // The texture size must be the levels' (TEXTURE_SIZE); any other value is
    // logged and replaced, since a level's images are only that big. The
    // screen size is fixed for the raycaster's life (the play state uses the
    // engine's; tests may use a small screen).
    explicit Raycaster(uint32_t textureWidth = TEXTURE_SIZE, int32_t textureHeight = TEXTURE_SIZE,
                       int screenWidth = Engine::instance().screenWidth(),
                       int screenHeight = Engine::instance().screenHeight());
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
    // overlay: a 32-bit surface of at least the screen size, written only when
    // useLighting is set; null (or another depth or a smaller surface) means
    // no darkness is written. A null camera vector draws nothing.
    //
    // Whatever the level holds, nothing is read outside it: a ray that would
    // leave the wall grid stops at its edge (no wall is drawn there), a cell
    // naming no wall, floor or ceiling texture draws nothing, and texel rows
    // and columns are clamped into their image. A camera outside the grid
    // draws no walls, floor, ceiling or sprites.
    void castFrame(const Vec2* position, const Vec2* direction, const Vec2* cameraPlane,
                   const Level& level, FrameBuffer& frame, SDL_Surface* overlay);

    // Perpendicular distance of the nearer wall in each screen column of the
    // last frame (0 where the column showed nothing), screenWidth() entries.
    const double* zBuffer() const { return depth.data(); }

    int screenWidth() const { return width; }
    int screenHeight() const { return height; }
    uint32_t textureWidth() const { return texWidth; }
    int32_t textureHeight() const { return texHeight; }

private:
    // Where the wall slice of a column ended up, for the floor pass.
    struct WallSlice {
        double distance = 0.0;  // perpendicular, cells
        double wallX = 0.0;     // 0 <= wallX < 1: where along the face the ray hit
        int drawEnd = 0;        // lowest screen row of the slice
    };

    // Draws the slice of the wall in cell (cellX, cellY) hit on the given side
    // (0: an x side, 1: a y side) into column x and returns where it lies. A
    // cell outside the grid or naming no wall is measured but not drawn.
    template <bool LIT>
    WallSlice drawWallColumn(int x, int cellX, int cellY, int side, uint32_t* column);
    template <bool LIT>
    void drawFloorAndCeiling(int x, int side, const WallSlice& slice, uint32_t* column);
    template <bool LIT>
    void castColumns(const Vec2& direction, const Vec2& cameraPlane, uint32_t* const* frameBuffer);
    void drawSprites(const Vec2& direction, const Vec2& cameraPlane, uint32_t* const* frameBuffer);
    bool prepareFrame(const Level& frameLevel, SDL_Surface* overlay);
    // Whether an image holds every texel the renderer reads for it; logs the
    // first refusal of each image, naming the level and the wall (1-based
    // number) or sprite definition (index).
    bool wallImageFits(const Level& frameLevel, const Wall& wall, size_t number);
    bool spriteImageFits(const Level& frameLevel, const SpriteDefinition& definition, size_t index);
    template <typename... Args>
    void reportOnce(const TexelImage* image, const char* format, Args... args);
    void prepareCellLooks();

    // The darkness word for a Manhattan cell distance.
    uint32_t darknessWord(int d) const { return darkness[d < 0 ? 0 : (d > 8 ? 8 : d)]; }
    uint32_t* overlayRow(int y) const {
        return reinterpret_cast<uint32_t*>(overlayPixels + static_cast<ptrdiff_t>(y) * overlayPitch);
    }
    // The texels of a wall number, null when it names no usable texture.
    const uint32_t* texture(int32_t number) const {
        return static_cast<uint32_t>(number) < textureCount ? textures[number] : nullptr;
    }

    int width;
    int height;
    uint32_t texWidth;
    int32_t texHeight;
    std::vector<double> depth;
    std::vector<double> rowDistance;  // per screen row below the horizon: H / (2y - H)

    // Scratch state of the frame being drawn, set up by prepareFrame.
    int gridWidth = 0;
    int gridHeight = 0;
    int32_t* const* wallCells = nullptr;
    int32_t* const* floorCells = nullptr;    // null: no floor drawn
    int32_t* const* ceilingCells = nullptr;  // null: no ceiling drawn
    std::vector<const uint32_t*> textures;   // by wall number; [0] and unusable walls null
    std::vector<int32_t> storeys;            // by wall number
    uint32_t textureCount = 0;
    const Level* level = nullptr;
    int mapX = 0;
    int mapY = 0;
    int stepX = 0;
    int stepY = 0;
    Vec2 position;
    Vec2 rayPosition;
    Vec2 rayDirection;
    uint32_t darkness[9] = {};
    uint8_t* overlayPixels = nullptr;  // null: no darkness this frame
    int overlayPitch = 0;
    // What the floor pass needs of a cell, by x * gridHeight + y: the floor
    // and ceiling texels (null: none drawn) and the darkness word.
    struct CellLook {
        const uint32_t* floor;
        const uint32_t* ceiling;
        uint32_t shade;
    };
    std::vector<CellLook> cellLooks;
    std::vector<int32_t> floorU;  // per row of the column being cast: 64 * the
    std::vector<int32_t> floorV;  // floor point's x and y, truncated
    std::vector<int32_t> spriteOrder;
    std::vector<double> spriteDistance;
    std::vector<int32_t> spriteTexelRow;  // per screen row of the sprite being drawn
    std::vector<const TexelImage*> reported;  // images already named in the log
};

// Sorts the first n entries of distance (squared distances to the sprites)
// into non-increasing order, moving order's entries along, with a comb sort
// (shrink 10/13, gaps 9 and 10 become 11). Equal distances are never
// exchanged. n of 0 or 1 leaves both arrays as they are.
void sortSpritesFarToNear(int32_t* order, double* distance, int n);

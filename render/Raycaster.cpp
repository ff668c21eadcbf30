#include "render/Raycaster.h"

#include "engine/Engine.h"
#include "render/DarknessTable.h"
#include "render/DarknessTiles.h"
#include "render/FloorPass.h"
#include "render/RaycasterFrame.h"
#include "render/SpritePass.h"
#include "render/WallPass.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

using namespace raycast;

struct Raycaster::Scratch {
    Scratch(int screenWidth, int screenHeight)
        : depth(screenWidth, 0.0),
          darkness(static_cast<size_t>(screenWidth) * screenHeight, NO_DARKNESS),
          floor(screenHeight),
          sprites(screenHeight) {}

    FrameView view;
    std::vector<double> depth;
    std::vector<uint8_t> darkness;  // column-major; all NO_DARKNESS between frames
    FloorPass floor;
    SpritePass sprites;
    // What the view points into, grown to the largest level seen.
    std::vector<const uint32_t*> textures;  // by wall number
    std::vector<int32_t> storeys;           // by wall number
    std::vector<const uint32_t*> spriteImages;
    std::vector<CellLook> cellLooks;
    std::vector<const TexelImage*> reported;  // images already named in the log
    bool overlayReported = false;
};

namespace {

using Scratch = Raycaster::Scratch;

template <typename... Args>
void reportOnce(Scratch& scratch, const TexelImage* image, const char* format, Args... args) {
    // A bad image is met every frame; its line is worth writing once.
    if (std::find(scratch.reported.begin(), scratch.reported.end(), image) != scratch.reported.end())
        return;
    scratch.reported.push_back(image);
    Engine::log(format, args...);
}

// The wall's texels when its image holds every row the slice samples, 64 per
// storey; otherwise null, logged once naming the level and the wall number.
const uint32_t* wallTexels(Scratch& scratch, const Level& level, const Wall& wall, size_t number) {
    const TexelImage* image = wall.image.get();
    if (!image || !image->pixels) return nullptr;
    const FrameView& view = scratch.view;
    if (wall.height >= 1 && image->width == view.texWidth && image->height / view.texHeight >= wall.height)
        return image->pixels.get();
    reportOnce(scratch, image,
               "Raycaster: level \"%s\" wall %zu: its image is %dx%d texels but the wall is %d storeys "
               "of %dx%d; not drawn",
               level.name.c_str(), number, image->width, image->height, wall.height, view.texWidth,
               view.texHeight);
    return nullptr;
}

const uint32_t* spriteTexels(Scratch& scratch, const Level& level, const SpriteDefinition& definition,
                             size_t index) {
    const TexelImage* image = definition.image.get();
    if (!image || !image->pixels) return nullptr;
    const FrameView& view = scratch.view;
    if (image->width == view.texWidth && image->height == view.texHeight) return image->pixels.get();
    reportOnce(scratch, image,
               "Raycaster: level \"%s\" sprite definition %zu: its image is %dx%d texels, not %dx%d; "
               "not drawn",
               level.name.c_str(), index + 1, image->width, image->height, view.texWidth, view.texHeight);
    return nullptr;
}

// Points the view at the level's grids and images for this frame. False when
// there is nothing to draw.
bool prepareFrame(Scratch& scratch, const Level& level) {
    FrameView& view = scratch.view;
    view.wallCells = level.wallGrid.data();
    int32_t* const* floorCells = level.hasFloor ? level.floorGrid.data() : nullptr;
    int32_t* const* ceilingCells = level.hasCeiling ? level.ceilingGrid.data() : nullptr;
    view.hasFloorOrCeiling = floorCells || ceilingCells;

    // The grids are walked within the extent all of them share, so an
    // inconsistent level can never send a read past a column.
    int gridWidth = static_cast<int>(std::min<uint32_t>(level.width, level.wallGrid.width()));
    int gridHeight = static_cast<int>(std::min<uint32_t>(level.height, level.wallGrid.height()));
    if (floorCells) {
        gridWidth = std::min<int>(gridWidth, level.floorGrid.width());
        gridHeight = std::min<int>(gridHeight, level.floorGrid.height());
    }
    if (ceilingCells) {
        gridWidth = std::min<int>(gridWidth, level.ceilingGrid.width());
        gridHeight = std::min<int>(gridHeight, level.ceilingGrid.height());
    }
    view.gridWidth = gridWidth;
    view.gridHeight = gridHeight;
    if (!view.wallCells || gridWidth <= 0 || gridHeight <= 0) return false;

    // Wall numbers resolve through one flat table; a number naming no wall,
    // or a wall without a usable image, resolves to null and draws nothing.
    const size_t count = level.walls.size() + 1;
    if (scratch.textures.size() < count) {
        scratch.textures.resize(count);
        scratch.storeys.resize(count);
    }
    scratch.textures[0] = nullptr;
    scratch.storeys[0] = 1;
    for (size_t n = 1; n < count; ++n) {
        const Wall& wall = level.walls[n - 1];
        scratch.textures[n] = wallTexels(scratch, level, wall, n);
        scratch.storeys[n] = scratch.textures[n] ? wall.height : 1;
    }
    view.textures = scratch.textures.data();
    view.storeys = scratch.storeys.data();
    view.textureCount = static_cast<uint32_t>(count);

    const size_t definitions = level.spriteDefinitions.size();
    if (scratch.spriteImages.size() < definitions) scratch.spriteImages.resize(definitions);
    for (size_t i = 0; i < definitions; ++i)
        scratch.spriteImages[i] = spriteTexels(scratch, level, level.spriteDefinitions[i], i);
    view.spriteImages = scratch.spriteImages.data();
    view.spriteImageCount = definitions;

    // What the floor pass needs of every cell, resolved once for the frame.
    const size_t cells = static_cast<size_t>(gridWidth) * gridHeight;
    if (scratch.cellLooks.size() < cells) scratch.cellLooks.resize(cells);
    const int cameraCellX = static_cast<int>(view.position.x);
    const int cameraCellY = static_cast<int>(view.position.y);
    CellLook* look = scratch.cellLooks.data();
    for (int x = 0; x < gridWidth; ++x) {
        for (int y = 0; y < gridHeight; ++y, ++look) {
            look->floor = floorCells ? view.texture(floorCells[x][y]) : nullptr;
            look->ceiling = ceilingCells ? view.texture(ceilingCells[x][y]) : nullptr;
            look->shade = FrameView::darknessIndex(std::abs(cameraCellX - x) + std::abs(cameraCellY - y));
        }
    }
    view.cellLooks = scratch.cellLooks.data();
    return true;
}

// Whether darkness can be written into overlay: 32 bits a pixel, alpha in the
// top byte (the darkness words are black at an opacity), and at least the
// screen's size. Anything else is logged once and gets no darkness.
bool overlayFits(Scratch& scratch, const SDL_Surface* overlay) {
    const FrameView& view = scratch.view;
    if (overlay->format->BytesPerPixel == 4 && overlay->format->Amask == 0xFF000000u &&
        overlay->w >= view.width && overlay->h >= view.height)
        return true;
    if (!scratch.overlayReported) {
        scratch.overlayReported = true;
        Engine::log("Raycaster: the %dx%d overlay of %d bytes a pixel and alpha mask 0x%08X cannot take the "
                    "darkness of a %dx%d view; drawn without it",
                    overlay->w, overlay->h, overlay->format->BytesPerPixel,
                    static_cast<unsigned>(overlay->format->Amask), view.width, view.height);
    }
    return false;
}

template <bool LIT>
void castColumns(Scratch& scratch, const Vec2& direction, const Vec2& cameraPlane, uint32_t* const* frameBuffer) {
    const FrameView& view = scratch.view;
    const int W = view.width;
    for (int x = 0; x < W; ++x) {
        const double cameraX = 2.0 * x / W - 1.0;
        Ray ray;
        ray.origin = view.position;
        ray.direction = Vec2(static_cast<float>(direction.x + cameraPlane.x * cameraX),
                             static_cast<float>(direction.y + cameraPlane.y * cameraX));
        ray.stepX = ray.direction.x < 0 ? -1 : 1;
        ray.stepY = ray.direction.y < 0 ? -1 : 1;
        const WallSlice slice = castWallColumn<LIT>(view, ray, x, frameBuffer[x]);
        scratch.depth[x] = slice.distance;
        scratch.floor.drawColumn<LIT>(view, ray, slice, x, frameBuffer[x]);
    }
}

}  // namespace

Raycaster::Raycaster(uint32_t textureWidth, int32_t textureHeight, int screenWidth, int screenHeight)
    : width(screenWidth > 0 ? screenWidth : 0),
      height(screenHeight > 0 ? screenHeight : 0),
      texWidth(textureWidth),
      texHeight(textureHeight),
      scratch(std::make_unique<Scratch>(width, height)) {
    if (texWidth != TEXTURE_SIZE || texHeight != TEXTURE_SIZE) {
        Engine::log("Raycaster: texture size %ux%d is not the levels' %dx%d; using theirs",
                    texWidth, texHeight, TEXTURE_SIZE, TEXTURE_SIZE);
        texWidth = TEXTURE_SIZE;
        texHeight = TEXTURE_SIZE;
    }
    scratch->view.width = width;
    scratch->view.height = height;
    scratch->view.texWidth = static_cast<int>(texWidth);
    scratch->view.texHeight = texHeight;
}

Raycaster::~Raycaster() = default;

const double* Raycaster::zBuffer() const { return scratch->depth.data(); }

void Raycaster::castFrame(const Vec2* cameraPosition, const Vec2* direction, const Vec2* cameraPlane,
                          const Level& level, FrameBuffer& frame, SDL_Surface* overlay) {
    if (!cameraPosition || !direction || !cameraPlane || width == 0 || height == 0) return;
    if (frame.width() != width || frame.height() != height) {
        Engine::log("Raycaster: a %dx%d frame cannot take a %dx%d view; nothing drawn", frame.width(),
                    frame.height(), width, height);
        return;
    }
    uint32_t* const* frameBuffer = frame.columns();
    FrameView& view = scratch->view;
    view.position = *cameraPosition;
    view.useSideShading = useSideShading;
    view.transparentWall = transparentWall;
    std::fill(scratch->depth.begin(), scratch->depth.end(), 0.0);

    const DarknessTable& table = DarknessTable::shared();
    for (int d = 0; d < DARKNESS_WORDS; ++d) view.darkness[d] = table.word(d);
    if (!useLighting || !overlay || !overlayFits(*scratch, overlay)) overlay = nullptr;
    // An overlay that must be locked and cannot be gets no darkness this
    // frame; the view itself is still drawn.
    const bool lockOverlay = overlay && SDL_MUSTLOCK(overlay) && SDL_LockSurface(overlay) == 0;
    if (overlay && SDL_MUSTLOCK(overlay) && !lockOverlay) overlay = nullptr;
    view.darkColumns = overlay ? scratch->darkness.data() : nullptr;  // null: none

    const Vec2 position = view.position;
    if (prepareFrame(*scratch, level) && position.x >= 0.0f && position.x < view.gridWidth &&
        position.y >= 0.0f && position.y < view.gridHeight) {
        if (view.darkColumns)
            castColumns<true>(*scratch, *direction, *cameraPlane, frameBuffer);
        else
            castColumns<false>(*scratch, *direction, *cameraPlane, frameBuffer);
        scratch->sprites.draw(view, level, *direction, *cameraPlane, frameBuffer, scratch->depth.data());
    }
    if (view.darkColumns)
        moveDarknessToOverlay(view.darkColumns, width, height, view.darkness, static_cast<uint8_t*>(overlay->pixels),
                              overlay->pitch);
    if (lockOverlay) SDL_UnlockSurface(overlay);
    view.darkColumns = nullptr;
}

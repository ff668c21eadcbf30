#include "media/Image.h"
#include "motion/Movement.h"
#include "render/Camera.h"
#include "render/FrameBuffer.h"
#include "render/Raycaster.h"
#include "states/PlayState.h"
#include "story/ActionNames.h"
#include "story/StoryIndices.h"
#include "world/Level.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <deque>
#include <map>
#include <memory>
#include <string>
#include <vector>

// The level check: the seven shipped areas load, keep the entries the story
// addresses by index, name only actions the story knows, and can be played
// through on foot: every trigger point in reach of the start, every door
// joining two areas, every scripted walk over open ground.

namespace {

const auto& AREAS = PlayState::LEVEL_NAMES;

// A trigger point is in reach below this distance.
constexpr float REACH = ACTION_REACH;

float distance(Vec2 a, Vec2 b) { return length(a - b); }

// Where the player can walk: the game's own collision rule on a copy of the
// area loaded for this map alone, so that the changes the story makes while
// the game runs can be made here too. The area is sampled on a lattice fine
// enough for the 0.8-cell clearance of a one-cell passage; two neighbouring
// lattice points are joined when both are free, which is exactly when the
// axis move between them is.
class FootMap {
public:
    static constexpr float STEP = 0.05f;

    explicit FootMap(const std::string& area)
        : level(loadLevel(area)), columns(int(level->width / STEP)), rows(int(level->height / STEP)) {}

    FootMap& setBlocked(int x, int y, bool value) { return level->collisionGrid[x][y] = value, *this; }
    bool cellBlocked(int x, int y) const {
        return x < 0 || y < 0 || x >= int(level->width) || y >= int(level->height) || level->collisionGrid[x][y];
    }
    bool isBlocked(Vec2 p) const { return ::isBlocked(*level, p.x, p.y); }
    // Points within radius of centre treated as walls: the player cannot pass
    // the spot without coming that near.
    FootMap& forbidDisc(Vec2 centre, float radius) { return discs.push_back({centre, radius}), *this; }

    // Floods from the lattice point nearest to start; false if that is blocked.
    bool walkFrom(Vec2 start) {
        reached.assign(static_cast<size_t>(columns) * rows, false);
        std::deque<std::pair<int, int>> open;
        const auto visit = [&](int i, int j) {
            if (i >= 0 && j >= 0 && i < columns && j < rows && !reached[index(i, j)] && isFree(point(i, j)))
                reached[index(i, j)] = true, open.push_back({i, j});
        };
        visit(static_cast<int>(start.x / STEP), static_cast<int>(start.y / STEP));
        const bool started = !open.empty();
        for (; !open.empty(); open.pop_front()) {
            const auto [i, j] = open.front();
            visit(i + 1, j), visit(i - 1, j), visit(i, j + 1), visit(i, j - 1);
        }
        return started;
    }

    // Every reached point closer than radius to the centre.
    std::vector<Vec2> reachedNear(Vec2 centre, float radius) const {
        std::vector<Vec2> points;
        for (int i = 0; i < columns; ++i)
            for (int j = 0; j < rows; ++j)
                if (reached[index(i, j)] && distance(point(i, j), centre) < radius) points.push_back(point(i, j));
        return points;
    }
    bool reaches(Vec2 trigger) const { return !reachedNear(trigger, REACH).empty(); }

    // A straight scripted walk: every point of the segment is a place the
    // player could stand.
    bool lineIsOpen(Vec2 from, Vec2 to) const {
        return alongLine(from, to, [&](Vec2 p) { return !isBlocked(p); });
    }
    // Where a player walking straight from p toward target stops: within
    // `near` of it, or where `stop` says.
    template <typename Stop>
    static Vec2 walkToward(Vec2 p, Vec2 target, float near, Stop stop) {
        Vec2 step = target - p;
        normalize(step);
        while (distance(p, target) >= near && !stop(p)) p = p + step * 0.01f;
        return p;
    }
    // Whether `ok` holds at every point of the segment, 0.02 apart.
    template <typename Ok>
    static bool alongLine(Vec2 from, Vec2 to, Ok ok) {
        const int steps = int(distance(from, to) / 0.02f) + 1;
        for (int s = 0; s <= steps; ++s)
            if (!ok(from + (to - from) * (float(s) / steps))) return false;
        return true;
    }

private:
    size_t index(int i, int j) const { return static_cast<size_t>(i) * rows + j; }
    static Vec2 point(int i, int j) { return Vec2((i + 0.5f) * STEP, (j + 0.5f) * STEP); }
    bool isFree(Vec2 p) const {
        return !isBlocked(p) && std::ranges::none_of(discs, [&](const auto& d) { return distance(p, d.first) < d.second; });
    }

    std::unique_ptr<Level> level;
    int columns, rows;
    std::vector<std::pair<Vec2, float>> discs;  // centre, radius
    std::vector<bool> reached;
};

const Action* findAction(const Level& level, const std::string& name) {
    for (const Action& action : level.actions)
        if (action.name == name) return &action;
    return nullptr;
}

// The picture a definition shows is the file it was loaded from.
bool showsImage(const std::shared_ptr<TexelImage>& image, const char* file) {
    int w = 0, h = 0;
    const PixelArray pixels(loadImagePixels((std::string("data/images/") + file).c_str(), w, h));
    return pixels && image && w == TEXTURE_SIZE && h == TEXTURE_SIZE &&
           std::memcmp(pixels.get(), image->pixels.get(), sizeof(uint32_t) * w * h) == 0;
}

// The farmer barring the way steps aside or falls once the player has met
// him; the way in is blocked behind the player when the woman first speaks.
using namespace StoryIndex;
const Vec2 STRANGER(CAVE_STRANGER_X + 0.5f, CAVE_STRANGER_Y + 0.5f);

// Every area loaded through the game's loader, which must refuse none.
class ShippedLevels : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : AREAS)
            ASSERT_NE(levels[name] = loadLevel(name), nullptr) << name << " was refused: see the log line above";
    }
    const Level& area(const std::string& name) const { return *levels.at(name); }
    // The cave once the farmer barring the way in has been met.
    FootMap openedCave() const { return std::move(FootMap("cave").setBlocked(CAVE_STRANGER_X, CAVE_STRANGER_Y, false)); }

    std::map<std::string, std::unique_ptr<Level>> levels;
};

}  // namespace

TEST_F(ShippedLevels, EveryLevelLoadsAndNamesOnlyActionsTheStoryKnows) {
    for (const char* name : AREAS) {
        EXPECT_EQ(area(name).getName(), name);
        for (const Action& action : area(name).actions) {
            SCOPED_TRACE(std::string(name) + ": " + action.name);
            EXPECT_TRUE(isKnownActionName(action.name));
            EXPECT_TRUE(action.type == "manual" || action.type == "auto");
            EXPECT_TRUE(action.type != "manual" || !action.text.empty()) << "no label";
            // Only the farmer who comes for the player speaks up by himself.
            const bool talk = action.name.rfind(TALK_PREFIX, 0) == 0 && action.name != "talk_nextPlayer";
            EXPECT_TRUE(!talk || action.type == "manual") << action.type;
        }
    }
}

TEST_F(ShippedLevels, EveryActionIsReachableOnFootFromTheStart) {
    for (const char* name : AREAS) {
        const Level& level = area(name);
        FootMap feet(name);
        // The cave opens further once the farmer barring it has been met.
        if (level.getName() == "cave") {
            ASSERT_TRUE(feet.walkFrom(level.start) && feet.reaches(level.actions.at(CAVE_STRANGER_ACTION).position));
            feet = openedCave();
        }
        ASSERT_TRUE(feet.walkFrom(level.start)) << name << ": the start is blocked";
        for (size_t i = 0; i < level.actions.size(); ++i)
            EXPECT_TRUE(feet.reaches(level.actions[i].position))
                << name << ": action " << i << " (" << level.actions[i].name << ") is out of reach";
    }
    EXPECT_FALSE(FootMap("town").isBlocked(Vec2(12.5f, 12.5f))) << "the title view stands in a wall";
}

TEST_F(ShippedLevels, DoorsJoinTheAreasAndFaceAwayFromTheWayBack) {
    // Coming back through the opposite door puts the player where they left,
    // at the facing the story sets for that return (-1: the area's own); the
    // door must lie right behind them.
    const struct {
        const char *from, *door;
        float returnFacing;
    } doors[] = {
        {"town", "gotoCabin1", TOWN_FROM_CABIN1_FACING}, {"town", "gotoCabin2", TOWN_FROM_CABIN2_FACING}, {"town", "gotoCabin3", TOWN_FROM_CABIN3_FACING},
        {"town", "gotoCabin4", TOWN_FROM_CABIN4_FACING}, {"town", "gotoBarnFromTown", TOWN_FROM_FARM_FACING}, {"farm", "gotoCave", FARM_FROM_CAVE_FACING},
        {"room1", "gotoTownFromCabin1", -1}, {"room2", "gotoTownFromCabin2", -1}, {"room3", "gotoTownFromCabin3", -1},
        {"room4", "gotoTownFromCabin4", -1}, {"farm", "gotoTownFromBarn", FARM_FROM_TOWN_FACING}, {"cave", "gotoBarnFromCave", -1}};
    for (const auto& door : doors) {
        SCOPED_TRACE(std::string(door.from) + ": " + door.door);
        const Level& from = area(door.from);
        const Action* action = findAction(from, door.door);
        ASSERT_NE(action, nullptr) << "missing";
        EXPECT_TRUE(action->type == "manual" && action->repeat);
        const float facing = door.returnFacing >= 0 ? door.returnFacing : from.rotation;
        const double a = degreesToRadians(facing);
        const Vec2 ahead(static_cast<float>(-std::cos(a)), static_cast<float>(-std::sin(a)));
        const FootMap feet(door.from);
        const Vec2 behind = action->position - ahead * 0.9f;
        EXPECT_TRUE(feet.cellBlocked(static_cast<int>(behind.x), static_cast<int>(behind.y)))
            << "the door does not lie behind a player facing " << facing;
        EXPECT_FALSE(feet.isBlocked(action->position + ahead * REACH)) << "a player coming back faces a wall";
    }
}

TEST_F(ShippedLevels, CaveKeepsTheEntriesTheStoryAddressesByIndex) {
    const Level& cave = area("cave");
    ASSERT_GE(cave.walls.size(), CAVE_TALLY_LAST_WALL);
    EXPECT_TRUE(showsImage(cave.walls[CAVE_BLOOD_FLOOR_WALL - 1].image, "textures/cave_floor_blood.png"))
        << "CAVE_BLOOD_FLOOR_WALL must be the bloodied floor";
    for (size_t n = CAVE_TALLY_FIRST_WALL; n <= CAVE_TALLY_LAST_WALL; ++n)
        EXPECT_EQ(cave.walls[n - 1].height, 1) << "tally Wall " << n;

    ASSERT_GT(cave.sprites.size(), std::max({CAVE_BLOCKING_FARMER_SPRITE, CAVE_STRANGER_SPRITE, CAVE_BODY_SPRITE}));
    const struct { size_t sprite; bool visible; Vec2 at; } sprites[] = {
        {CAVE_BLOCKING_FARMER_SPRITE, false, Vec2(CAVE_BLOCKED_X + 0.5f, CAVE_BLOCKED_Y + 0.5f)}, {CAVE_STRANGER_SPRITE, true, STRANGER}, {CAVE_BODY_SPRITE, false, STRANGER}};
    for (const auto& [sprite, visible, at] : sprites) {
        EXPECT_EQ(cave.sprites[sprite].isVisible, visible) << "sprite " << sprite;
        EXPECT_LT(distance(cave.sprites[sprite].position, at), 0.5f) << "sprite " << sprite;
    }
    EXPECT_TRUE(showsImage(cave.spriteDefinitions[cave.sprites[CAVE_BODY_SPRITE].definition].image, "sprites/farmer_body.png"));
    EXPECT_TRUE(cave.collisionGrid[CAVE_STRANGER_X][CAVE_STRANGER_Y]) << "the farmer must bar the way";
    EXPECT_FALSE(cave.collisionGrid[CAVE_BLOCKED_X][CAVE_BLOCKED_Y]) << "the way in must be open until the woman speaks";

    ASSERT_GT(cave.actions.size(), CAVE_WOMAN_LAST_ACTION);
    const Action& next = cave.actions[CAVE_NEXT_PLAYER_ACTION];
    const Action& previous = cave.actions[CAVE_STRANGER_ACTION];
    EXPECT_EQ(next.name, "talk_nextPlayer");
    EXPECT_EQ(next.type, "auto");
    EXPECT_FALSE(next.repeat) << "entering the cave disarms it; only the woman re-arms it";
    EXPECT_LT(distance(next.position, cave.sprites[CAVE_BLOCKING_FARMER_SPRITE].position), 1.5f);
    EXPECT_EQ(previous.name, "talk_previousPlayer");
    EXPECT_FALSE(previous.repeat) << "the story disarms it once he is gone";
    EXPECT_LT(distance(previous.position, cave.sprites[CAVE_STRANGER_SPRITE].position), 1.5f);
    int womanTalks = 0;
    for (size_t i = CAVE_WOMAN_FIRST_ACTION; i < cave.actions.size(); ++i) {
        const Action& a = cave.actions[i];
        const bool woman = a.name == "talk_deadLady" || a.name == "playCrying";
        // Later ones would outlive the woman's choice.
        EXPECT_EQ(woman, i <= CAVE_WOMAN_LAST_ACTION) << "action " << i << ": " << a.name;
        EXPECT_TRUE(!woman || !a.repeat) << "action " << i << " must stay silent once disarmed";
        womanTalks += a.name == "talk_deadLady";
    }
    EXPECT_GE(womanTalks, 1);
    const Action* lookToAxeMan = findAction(cave, "lookToAxeMan");
    EXPECT_TRUE(lookToAxeMan && lookToAxeMan->type == "auto" && !lookToAxeMan->repeat);
    EXPECT_NE(findAction(cave, "talk_axeman"), nullptr);
}

TEST_F(ShippedLevels, FarmSheepAndLanternStumpKeepTheirIndices) {
    const Level& farm = area("farm");
    ASSERT_GT(farm.actions.size(), FARM_LANTERN_ACTION);
    ASSERT_GT(farm.sprites.size(), LANTERN_STUMP_SPRITE);
    // A sheep before the first would have no sprite to go with it.
    for (size_t i = 0; i < FARM_FIRST_SHEEP_ACTION; ++i) EXPECT_NE(farm.actions[i].name, "talk_sheep");
    // Each sheep, and the stump with the lantern, is followed by its later look.
    const auto expectLooks = [&](size_t sprite, const char* now, const char* later) {
        ASSERT_LT(sprite, farm.sprites.size());
        const uint32_t definition = farm.sprites[sprite].definition;
        ASSERT_LT(definition + 1, farm.spriteDefinitions.size());
        EXPECT_TRUE(showsImage(farm.spriteDefinitions[definition].image, now)) << "sprite " << sprite;
        EXPECT_TRUE(showsImage(farm.spriteDefinitions[definition + 1].image, later)) << "sprite " << sprite;
        EXPECT_LT(distance(farm.sprites[sprite].position, farm.actions[sprite + FARM_SHEEP_ACTION_OFFSET].position), 0.5f);
    };
    int sheep = 0;
    for (size_t i = FARM_FIRST_SHEEP_ACTION; i < farm.actions.size(); ++i)
        if (farm.actions[i].name == "talk_sheep") {
            ++sheep;
            expectLooks(i - FARM_SHEEP_ACTION_OFFSET, "sprites/sheep.png", "sprites/sheep_stabbed.png");
        }
    EXPECT_GE(sheep, 2);
    EXPECT_EQ(farm.actions[FARM_LANTERN_ACTION].name, "talk_lantern");
    EXPECT_FALSE(farm.actions[FARM_LANTERN_ACTION].repeat) << "a second pick-up would advance the stump past its empty look";
    expectLooks(LANTERN_STUMP_SPRITE, "sprites/stump_lantern.png", "sprites/stump.png");
}

TEST_F(ShippedLevels, CaveScriptedWalksRunOverOpenGround) {
    const Level& cave = area("cave");
    FootMap feet = openedCave();
    ASSERT_TRUE(feet.walkFrom(cave.start));
    // From every spot where the axe man calls or the woman speaks.
    int spots = 0, crossing = 0;
    for (const Action& a : cave.actions)
        if (a.name == "lookToAxeMan" || a.name == "talk_deadLady")
            for (const Vec2& p : feet.reachedNear(a.position, REACH))
                ++spots, crossing += !feet.lineIsOpen(p, a.name == "lookToAxeMan" ? CAVE_BESIDE_AXEMAN : CAVE_BESIDE_WOMAN);
    EXPECT_GT(spots, 0);
    EXPECT_EQ(crossing, 0) << "spots whose scripted walk to the axe man or the woman crosses a wall";
    EXPECT_TRUE(feet.lineIsOpen(CAVE_BESIDE_WOMAN, CAVE_BACK_FROM_WOMAN));
    EXPECT_FALSE(feet.cellBlocked(13, 3)) << "the last turn looks down the way out";
    // The farmer let pass walks aside into open ground before he vanishes.
    EXPECT_TRUE(FootMap::alongLine(STRANGER, CAVE_FARMER_STEPS_ASIDE, [&](Vec2 p) {
        return !feet.cellBlocked(int(p.x), int(p.y)) && cave.wallGrid[int(p.x)][int(p.y)] == 0;
    })) << "the farmer walks through a wall";
}

TEST_F(ShippedLevels, CaveLeadsPastTheAxeManAndTheFarmerToTheWomanAndEndsAtTheNextFarmer) {
    const Level& cave = area("cave");
    const Action* woman = findAction(cave, "talk_deadLady");
    const Action* call = findAction(cave, "lookToAxeMan");
    const Action* exit = findAction(cave, "gotoBarnFromCave");
    ASSERT_TRUE(woman && call && exit);
    const auto reaches = [](FootMap&& feet, Vec2 from, Vec2 target) {
        EXPECT_TRUE(feet.walkFrom(from)) << "the walk starts blocked";
        return feet.reaches(target);
    };
    EXPECT_FALSE(reaches(FootMap("cave"), cave.start, woman->position)) << "the farmer must stand on the only way in";
    const auto sneaking = [&] { return std::move(openedCave().forbidDisc(call->position, REACH)); };
    EXPECT_FALSE(reaches(sneaking(), cave.start, woman->position)) << "the axe man's call can be walked around";
    EXPECT_FALSE(reaches(sneaking(), cave.start, cave.actions[CAVE_STRANGER_ACTION].position))
        << "the farmer can be met before the knife";
    FootMap deaf = openedCave();
    for (const Action& a : cave.actions)
        if (a.name == "playCrying") deaf.forbidDisc(a.position, REACH);
    EXPECT_FALSE(reaches(std::move(deaf), cave.start, woman->position)) << "the woman can be found without hearing her sob";
    // Once she has spoken, the way out runs into the farmer who questions.
    const auto after = [&] { return std::move(openedCave().setBlocked(CAVE_BLOCKED_X, CAVE_BLOCKED_Y, true)); };
    EXPECT_FALSE(reaches(after(), CAVE_BESIDE_WOMAN, exit->position)) << "a second way out bypasses the last farmer";
    EXPECT_TRUE(reaches(after(), CAVE_BESIDE_WOMAN, cave.actions[CAVE_NEXT_PLAYER_ACTION].position));
}

TEST_F(ShippedLevels, VisibleSpritesStandApartAndCannotBeWalkedThrough) {
    for (const char* name : AREAS) {
        const std::vector<Sprite>& sprites = area(name).sprites;
        for (size_t i = 0; i < sprites.size(); ++i) {
            const Sprite& s = sprites[i];
            if (!s.isVisible) continue;
            // Two of one look must not read as one smeared sprite.
            for (size_t j = i + 1; j < sprites.size(); ++j)
                EXPECT_TRUE(!sprites[j].isVisible || s.definition != sprites[j].definition ||
                            distance(s.position, sprites[j].position) >= 1.5f)
                    << name << ": sprites " << i << " and " << j << " are too close";
            // Hidden sprites stand where the story blocks the cell when it
            // shows them.
            EXPECT_TRUE(area(name).collisionGrid[static_cast<int>(s.position.x)][static_cast<int>(s.position.y)])
                << name << ": sprite " << i << " at (" << s.position.x << ", " << s.position.y << ")";
        }
    }
}

// Someone or something standing in a blocked cell: a player walking straight
// at it from any open side must see its label before the cell stops them.
TEST_F(ShippedLevels, WhatStandsInABlockedCellIsInReachFromEachOpenSide) {
    for (const char* name : AREAS) {
        const FootMap feet(name);
        for (const Action& action : area(name).actions) {
            const int x = static_cast<int>(action.position.x), y = static_cast<int>(action.position.y);
            if (action.type != "manual" || !feet.cellBlocked(x, y)) continue;
            for (const Vec2 side : {Vec2(1, 0), Vec2(-1, 0), Vec2(0, 1), Vec2(0, -1)}) {
                const Vec2 from = Vec2(x + 0.5f, y + 0.5f) + side;
                if (feet.isBlocked(from)) continue;
                const Vec2 step = (action.position - from) * (0.01f / distance(action.position, from));
                const Vec2 p = FootMap::walkToward(from, action.position, REACH,
                                                   [&](Vec2 q) { return feet.isBlocked(q + step); });
                EXPECT_LT(distance(p, action.position), REACH)
                    << name << ": " << action.name << " from (" << side.x << ", " << side.y << ")";
            }
        }
    }
}

// Space turns the player toward the action's point: from wherever its label
// shows, that turn must end facing what the label names, the person or wall
// in the blocked cell the point lies in, not the open ground beyond it.
TEST_F(ShippedLevels, TurningToAnActionFacesWhatItNames) {
    for (const char* name : AREAS) {
        const Level& level = area(name);
        // Walked with the cave opened, to reach all of it; turned with the
        // farmer barring the way still in his cell.
        FootMap feet = std::string(name) == "cave" ? openedCave() : FootMap(name);
        const FootMap cells(name);
        ASSERT_TRUE(feet.walkFrom(level.start));
        for (const Action& action : level.actions) {
            if (action.type != "manual" || !action.lookAt) continue;
            int away = 0;
            for (Vec2 p : feet.reachedNear(action.position, REACH)) {
                p = FootMap::walkToward(p, action.position, 0.01f, [&](Vec2 q) { return cells.cellBlocked(int(q.x), int(q.y)); });
                // The wall beside a door or a person is still facing them.
                away += !cells.cellBlocked(int(p.x), int(p.y)) || std::abs(int(p.x) - int(action.position.x)) > 1 ||
                        std::abs(int(p.y) - int(action.position.y)) > 1;
            }
            EXPECT_EQ(away, 0) << name << ": spots whose turn to " << action.name << " faces away";
        }
    }
}

// The player's view through each see-through wall: whatever shows through it
// below the horizon must be something drawn (the floor, a wall that stands on
// it), never the background that the frame starts as. Cast from the middle
// of every open cell, in eight facings.
TEST_F(ShippedLevels, NothingSeeThroughShowsTheBackgroundBelowTheHorizon) {
    constexpr int W = 160, H = 120;
    constexpr uint32_t UNDRAWN = 0x00FF00FFu;  // no texel has a clear alpha
    Raycaster raycaster(TEXTURE_SIZE, TEXTURE_SIZE, W, H);
    FrameBuffer frame(W, H);
    for (const char* name : AREAS) {
        const Level& level = area(name);
        raycaster.transparentWall = level.transparentWall;
        int poses = 0;
        for (int x = 0; x < static_cast<int>(level.width); ++x)
            for (int y = 0; y < static_cast<int>(level.height); ++y)
                for (int facing = 0; facing < 360 && !level.collisionGrid[x][y]; facing += 45) {
                    Vec2 position(x + 0.5f, y + 0.5f), direction(-1, 0), plane(0, CAMERA_PLANE_LENGTH);
                    rotateView(direction, plane, facing);
                    frame.fill(UNDRAWN);
                    raycaster.castFrame(&position, &direction, &plane, level, frame, nullptr);
                    bool undrawn = false;
                    for (int c = 0; c < W; ++c) undrawn |= std::count(frame[c] + H / 2 + 1, frame[c] + H, UNDRAWN) > 0;
                    poses += undrawn;
                }
        EXPECT_EQ(poses, 0) << name << ": poses that see the background below the horizon";
    }
}

#include "media/Image.h"
#include "story/ActionNames.h"
#include "world/Level.h"

#include <gtest/gtest.h>

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

// In the order of the game's level numbers.
const char* const AREAS[] = {"town", "cave", "room1", "room2", "room3", "room4", "farm"};

// Movement keeps the player's centre this far from any blocking cell, and a
// trigger point is in reach below this distance.
constexpr float MARGIN = 0.1f;
constexpr float REACH = 1.0f;

std::unique_ptr<Level> load(const std::string& name) {
    testing::internal::CaptureStderr();
    std::unique_ptr<Level> level = loadLevel(name);
    const std::string log = testing::internal::GetCapturedStderr();
    EXPECT_NE(level, nullptr) << name << " was refused: " << log;
    return level;
}

float distance(Vec2 a, Vec2 b) { return length(a - b); }

// ---------------------------------------------------------------------------
// Where the player can walk: the collision grid (with changes the story makes
// while the game runs), sampled on a lattice fine enough for the 0.8-cell
// clearance of a one-cell passage. Two neighbouring lattice points are joined
// when both are free, which is exactly when the axis move between them is.
class FootMap {
public:
    static constexpr float STEP = 0.05f;

    explicit FootMap(const Level& level)
        : width(level.width), height(level.height), blocked(width * height) {
        for (uint32_t x = 0; x < width; ++x)
            for (uint32_t y = 0; y < height; ++y) blocked[x * height + y] = level.collisionGrid[x][y];
    }

    void setBlocked(int x, int y, bool value) { blocked[x * height + y] = value; }
    bool cellBlocked(int x, int y) const {
        return x < 0 || y < 0 || x >= static_cast<int>(width) || y >= static_cast<int>(height) ||
               blocked[x * height + y];
    }
    // The movement rule: a square of half-side MARGIN may overlap no blocking cell.
    bool isBlocked(Vec2 p) const {
        const int x0 = static_cast<int>(p.x - MARGIN), x1 = static_cast<int>(p.x + MARGIN);
        const int y0 = static_cast<int>(p.y - MARGIN), y1 = static_cast<int>(p.y + MARGIN);
        return p.x < MARGIN || p.y < MARGIN || cellBlocked(x0, y0) || cellBlocked(x0, y1) ||
               cellBlocked(x1, y0) || cellBlocked(x1, y1);
    }
    // Points within `radius` of a disc's centre treated as walls: the player
    // cannot pass the spot without coming that near.
    void forbidDisc(Vec2 centre, float radius) { discs.push_back({centre, radius}); }

    // Floods from the lattice point nearest to start; false if that is blocked.
    bool walkFrom(Vec2 start) {
        columns = static_cast<int>(width / STEP);
        rows = static_cast<int>(height / STEP);
        reached.assign(static_cast<size_t>(columns) * rows, false);
        const int si = static_cast<int>(start.x / STEP), sj = static_cast<int>(start.y / STEP);
        if (!isFree(si, sj)) return false;
        std::deque<std::pair<int, int>> open{{si, sj}};
        reached[index(si, sj)] = true;
        while (!open.empty()) {
            const auto [i, j] = open.front();
            open.pop_front();
            const int di[] = {1, -1, 0, 0}, dj[] = {0, 0, 1, -1};
            for (int k = 0; k < 4; ++k) {
                const int ni = i + di[k], nj = j + dj[k];
                if (ni < 0 || nj < 0 || ni >= columns || nj >= rows || reached[index(ni, nj)]) continue;
                if (!isFree(ni, nj)) continue;
                reached[index(ni, nj)] = true;
                open.push_back({ni, nj});
            }
        }
        return true;
    }

    // Every reached point closer than radius to the centre.
    std::vector<Vec2> reachedNear(Vec2 centre, float radius) const {
        std::vector<Vec2> points;
        const int i0 = std::max(0, static_cast<int>((centre.x - radius) / STEP) - 1);
        const int i1 = std::min(columns - 1, static_cast<int>((centre.x + radius) / STEP) + 1);
        const int j0 = std::max(0, static_cast<int>((centre.y - radius) / STEP) - 1);
        const int j1 = std::min(rows - 1, static_cast<int>((centre.y + radius) / STEP) + 1);
        for (int i = i0; i <= i1; ++i)
            for (int j = j0; j <= j1; ++j)
                if (reached[index(i, j)] && distance(point(i, j), centre) < radius)
                    points.push_back(point(i, j));
        return points;
    }
    bool reaches(Vec2 trigger) const { return !reachedNear(trigger, REACH).empty(); }

    // A straight scripted walk: every point of the segment is a place the
    // player could stand.
    bool lineIsOpen(Vec2 from, Vec2 to) const {
        const int steps = static_cast<int>(distance(from, to) / 0.02f) + 1;
        for (int s = 0; s <= steps; ++s) {
            const float t = static_cast<float>(s) / steps;
            if (isBlocked(from + (to - from) * t)) return false;
        }
        return true;
    }

private:
    struct Disc {
        Vec2 centre;
        float radius;
    };
    size_t index(int i, int j) const { return static_cast<size_t>(i) * rows + j; }
    static Vec2 point(int i, int j) { return Vec2((i + 0.5f) * STEP, (j + 0.5f) * STEP); }
    bool isFree(int i, int j) const {
        const Vec2 p = point(i, j);
        if (isBlocked(p)) return false;
        for (const Disc& d : discs)
            if (distance(p, d.centre) < d.radius) return false;
        return true;
    }

    uint32_t width;
    uint32_t height;
    std::vector<bool> blocked;
    std::vector<Disc> discs;
    int columns = 0;
    int rows = 0;
    std::vector<bool> reached;
};

const Action* findAction(const Level& level, const std::string& name) {
    for (const Action& action : level.actions)
        if (action.name == name) return &action;
    return nullptr;
}

// The picture a definition shows is the file it was loaded from.
bool showsImage(const SpriteDefinition& definition, const char* file) {
    int w = 0, h = 0;
    const PixelArray pixels(loadImagePixels((std::string("data/images/") + file).c_str(), w, h));
    return pixels && definition.image && w == TEXTURE_SIZE && h == TEXTURE_SIZE &&
           std::memcmp(pixels.get(), definition.image.get(), sizeof(uint32_t) * w * h) == 0;
}

// The cave as the story changes it: the farmer at (28, 11) steps aside or
// falls once the player has met him.
const int FARMER_CELL[] = {28, 11};
// Blocked when the woman first speaks.
const int NEXT_FARMER_CELL[] = {18, 10};

struct Door {
    const char* name;
    const char* from;
    const char* to;
    float facing;  // the destination's facing on arrival
};

}  // namespace

// ---------------------------------------------------------------------------

TEST(ShippedLevels, EveryLevelLoadsWithoutRefusal) {
    for (const char* name : AREAS) {
        const auto level = load(name);
        ASSERT_NE(level, nullptr);
        EXPECT_EQ(level->getName(), name);
    }
}

TEST(ShippedLevels, EveryActionNameIsOneTheStoryKnows) {
    for (const char* name : AREAS) {
        const auto level = load(name);
        ASSERT_NE(level, nullptr);
        for (const Action& action : level->actions) {
            EXPECT_TRUE(isKnownActionName(action.name)) << name << ": " << action.name;
            EXPECT_TRUE(action.type == "manual" || action.type == "auto") << name << ": " << action.name;
            if (action.type == "manual") {
                EXPECT_FALSE(action.text.empty()) << name << ": " << action.name << " has no label";
            }
            // Only the farmer who comes for the player speaks up by himself.
            if (action.name.rfind(TALK_PREFIX, 0) == 0 && action.name != "talk_nextPlayer") {
                EXPECT_EQ(action.type, "manual") << name << ": " << action.name;
            }
        }
    }
}

TEST(ShippedLevels, EveryActionIsReachableOnFootFromTheStart) {
    for (const char* name : AREAS) {
        const auto level = load(name);
        ASSERT_NE(level, nullptr);
        FootMap feet(*level);
        // The cave opens further once the farmer barring it has been met.
        if (level->getName() == "cave") {
            ASSERT_TRUE(feet.walkFrom(level->start));
            ASSERT_TRUE(feet.reaches(level->actions.at(1).position));
            feet.setBlocked(FARMER_CELL[0], FARMER_CELL[1], false);
        }
        ASSERT_TRUE(feet.walkFrom(level->start)) << name << ": the start is blocked";
        for (size_t i = 0; i < level->actions.size(); ++i)
            EXPECT_TRUE(feet.reaches(level->actions[i].position))
                << name << ": action " << i << " (" << level->actions[i].name << ") is out of reach";
    }
    const auto town = load("town");
    ASSERT_NE(town, nullptr);
    EXPECT_FALSE(FootMap(*town).isBlocked(Vec2(12.5f, 12.5f))) << "the title view stands in a wall";
}

TEST(ShippedLevels, DoorsJoinTheAreasAndFaceAwayFromTheWayBack) {
    // Returning puts the player where they left, at the facing the story sets
    // (or the area's own); the way back must lie right behind them.
    const Door doors[] = {
        {"gotoCabin1", "town", "room1", -1}, {"gotoCabin2", "town", "room2", -1},
        {"gotoCabin3", "town", "room3", -1}, {"gotoCabin4", "town", "room4", -1},
        {"gotoBarnFromTown", "town", "farm", 270}, {"gotoCave", "farm", "cave", -1},
        {"gotoTownFromCabin1", "room1", "town", 270}, {"gotoTownFromCabin2", "room2", "town", 90},
        {"gotoTownFromCabin3", "room3", "town", 0}, {"gotoTownFromCabin4", "room4", "town", 0},
        {"gotoTownFromBarn", "farm", "town", 180}, {"gotoBarnFromCave", "cave", "farm", 180},
    };
    std::map<std::string, std::unique_ptr<Level>> levels;
    for (const char* name : AREAS) {
        levels[name] = load(name);
        ASSERT_NE(levels[name], nullptr);
    }
    for (const Door& door : doors) {
        const Level& from = *levels.at(door.from);
        const Action* action = findAction(from, door.name);
        ASSERT_NE(action, nullptr) << door.from << " has no " << door.name;
        EXPECT_EQ(action->type, "manual") << door.name;
        EXPECT_TRUE(action->repeat) << door.name;
        // The player comes back to `from` through the opposite door, at that
        // door's facing, or at the area's own when the story sets none.
        float facing = from.rotation;
        for (const Door& back : doors)
            if (std::string(back.from) == door.to && std::string(back.to) == door.from &&
                back.facing >= 0)
                facing = back.facing;
        const double a = degreesToRadians(facing);
        const Vec2 ahead(static_cast<float>(-std::cos(a)), static_cast<float>(-std::sin(a)));
        FootMap feet(from);
        const Vec2 behind = action->position - ahead * 0.9f;
        EXPECT_TRUE(feet.cellBlocked(static_cast<int>(behind.x), static_cast<int>(behind.y)))
            << door.from << ": " << door.name << " does not lie behind a player facing " << facing;
        EXPECT_FALSE(feet.isBlocked(action->position + ahead * REACH))
            << door.from << ": a player back from " << door.to << " faces a wall";
    }
}

TEST(ShippedLevels, CaveKeepsTheEntriesTheStoryAddressesByIndex) {
    const auto cave = load("cave");
    ASSERT_NE(cave, nullptr);
    ASSERT_GE(cave->walls.size(), 20u);
    int w = 0, h = 0;
    const PixelArray blood(loadImagePixels("data/images/textures/cave_floor_blood.png", w, h));
    ASSERT_TRUE(blood);
    EXPECT_EQ(std::memcmp(cave->walls[4].image.get(), blood.get(), sizeof(uint32_t) * 64 * 64), 0)
        << "Wall 5 must be the bloodied floor";
    for (size_t n = 6; n <= 20; ++n) EXPECT_EQ(cave->walls[n - 1].height, 1) << "Wall " << n;

    ASSERT_GE(cave->sprites.size(), 3u);
    const Sprite& questioner = cave->sprites[0];
    const Sprite& barring = cave->sprites[1];
    const Sprite& body = cave->sprites[2];
    EXPECT_FALSE(questioner.isVisible);
    EXPECT_LT(distance(questioner.position, Vec2(18.5f, 10.5f)), 0.5f);
    EXPECT_TRUE(barring.isVisible);
    EXPECT_LT(distance(barring.position, Vec2(28.5f, 11.5f)), 0.5f);
    EXPECT_FALSE(body.isVisible);
    EXPECT_LT(distance(body.position, Vec2(28.5f, 11.5f)), 0.5f);
    EXPECT_TRUE(showsImage(cave->spriteDefinitions[body.definition], "sprites/farmer_body.png"));
    EXPECT_TRUE(cave->collisionGrid[28][11]) << "the farmer must bar the way";
    EXPECT_FALSE(cave->collisionGrid[18][10]) << "the way in must be open until the woman speaks";
    EXPECT_TRUE(cave->wallGrid[8][3] == 0 && !cave->collisionGrid[8][3]) << "the woman lies in the open";

    ASSERT_GE(cave->actions.size(), 7u);
    const Action& next = cave->actions[0];
    EXPECT_EQ(next.name, "talk_nextPlayer");
    EXPECT_EQ(next.type, "auto");
    EXPECT_FALSE(next.repeat) << "entering the cave disarms it; only the woman re-arms it";
    EXPECT_LT(distance(next.position, questioner.position), 1.5f);
    const Action& previous = cave->actions[1];
    EXPECT_EQ(previous.name, "talk_previousPlayer");
    EXPECT_FALSE(previous.repeat) << "the story disarms it once he is gone";
    EXPECT_LT(distance(previous.position, barring.position), 1.5f);
    int womanTalks = 0;
    for (size_t i = 2; i <= 6; ++i) {
        const Action& a = cave->actions[i];
        EXPECT_TRUE(a.name == "talk_deadLady" || a.name == "playCrying") << "action " << i;
        EXPECT_FALSE(a.repeat) << "action " << i << " must stay silent once disarmed";
        womanTalks += a.name == "talk_deadLady";
    }
    EXPECT_GE(womanTalks, 1);
    for (size_t i = 7; i < cave->actions.size(); ++i)
        EXPECT_TRUE(cave->actions[i].name != "talk_deadLady" && cave->actions[i].name != "playCrying")
            << "action " << i << " would outlive the woman's choice";
    const Action* lookToAxeMan = findAction(*cave, "lookToAxeMan");
    ASSERT_NE(lookToAxeMan, nullptr);
    EXPECT_EQ(lookToAxeMan->type, "auto");
    EXPECT_FALSE(lookToAxeMan->repeat);
    EXPECT_NE(findAction(*cave, "talk_axeman"), nullptr);
}

TEST(ShippedLevels, FarmSheepAndLanternStumpKeepTheirIndices) {
    const auto farm = load("farm");
    ASSERT_NE(farm, nullptr);
    ASSERT_GE(farm->actions.size(), 5u);
    EXPECT_NE(farm->actions[0].name, "talk_sheep");
    EXPECT_NE(farm->actions[1].name, "talk_sheep");
    int sheep = 0;
    for (size_t i = 2; i < farm->actions.size(); ++i) {
        if (farm->actions[i].name != "talk_sheep") continue;
        ++sheep;
        ASSERT_LT(i - 2, farm->sprites.size()) << "sheep action " << i << " has no sprite";
        const Sprite& sprite = farm->sprites[i - 2];
        EXPECT_LT(distance(sprite.position, farm->actions[i].position), 0.5f) << "sheep action " << i;
        ASSERT_LT(sprite.definition + 1, farm->spriteDefinitions.size());
        EXPECT_TRUE(showsImage(farm->spriteDefinitions[sprite.definition], "sprites/sheep.png"))
            << "sprite " << i - 2;
        EXPECT_TRUE(showsImage(farm->spriteDefinitions[sprite.definition + 1], "sprites/sheep_stabbed.png"))
            << "sprite " << i - 2 << " must be followed by its stabbed look";
    }
    EXPECT_GE(sheep, 2);
    const Action& lantern = farm->actions[4];
    EXPECT_EQ(lantern.name, "talk_lantern");
    EXPECT_FALSE(lantern.repeat) << "a second pick-up would advance the stump past its empty look";
    ASSERT_GE(farm->sprites.size(), 3u);
    const Sprite& stump = farm->sprites[2];
    EXPECT_LT(distance(stump.position, lantern.position), 0.5f);
    ASSERT_LT(stump.definition + 1, farm->spriteDefinitions.size());
    EXPECT_TRUE(showsImage(farm->spriteDefinitions[stump.definition], "sprites/stump_lantern.png"));
    EXPECT_TRUE(showsImage(farm->spriteDefinitions[stump.definition + 1], "sprites/stump.png"));
}

TEST(ShippedLevels, CaveScriptedWalksRunOverOpenGround) {
    const auto cave = load("cave");
    ASSERT_NE(cave, nullptr);
    FootMap feet(*cave);
    feet.setBlocked(FARMER_CELL[0], FARMER_CELL[1], false);
    ASSERT_TRUE(feet.walkFrom(cave->start));

    const Action* call = findAction(*cave, "lookToAxeMan");
    ASSERT_NE(call, nullptr);
    for (const Vec2& p : feet.reachedNear(call->position, REACH))
        ASSERT_TRUE(feet.lineIsOpen(p, Vec2(16.5f, 21.5f)))
            << "the walk to the axe man from (" << p.x << ", " << p.y << ") crosses a wall";

    int spots = 0;
    for (const Action& talk : cave->actions) {
        if (talk.name != "talk_deadLady") continue;
        for (const Vec2& p : feet.reachedNear(talk.position, REACH)) {
            ++spots;
            ASSERT_TRUE(feet.lineIsOpen(p, Vec2(9.0f, 3.5f)))
                << "the walk to the woman from (" << p.x << ", " << p.y << ") crosses a wall";
        }
    }
    EXPECT_GT(spots, 0);
    EXPECT_TRUE(feet.lineIsOpen(Vec2(9.0f, 3.5f), Vec2(10.5f, 3.5f)));
    EXPECT_FALSE(feet.cellBlocked(13, 3)) << "the last turn looks down the way out";

    // The farmer let pass walks aside into open ground before he vanishes.
    for (float t = 0; t <= 1.0f; t += 0.02f) {
        const Vec2 p = Vec2(28.5f, 11.5f) + (Vec2(28.0f, 13.0f) - Vec2(28.5f, 11.5f)) * t;
        ASSERT_FALSE(feet.cellBlocked(static_cast<int>(p.x), static_cast<int>(p.y)))
            << "the farmer walks through a wall at (" << p.x << ", " << p.y << ")";
        ASSERT_EQ(cave->wallGrid[static_cast<int>(p.x)][static_cast<int>(p.y)], 0);
    }
}

TEST(ShippedLevels, CaveLeadsPastTheAxeManAndTheFarmerToTheWomanAndEndsAtTheNextFarmer) {
    const auto cave = load("cave");
    ASSERT_NE(cave, nullptr);
    const Action* woman = findAction(*cave, "talk_deadLady");
    const Action* call = findAction(*cave, "lookToAxeMan");
    const Action* exit = findAction(*cave, "gotoBarnFromCave");
    ASSERT_TRUE(woman && call && exit);

    FootMap barred(*cave);
    ASSERT_TRUE(barred.walkFrom(cave->start));
    EXPECT_FALSE(barred.reaches(woman->position)) << "the farmer must stand on the only way in";

    FootMap sneaking(*cave);
    sneaking.setBlocked(FARMER_CELL[0], FARMER_CELL[1], false);
    sneaking.forbidDisc(call->position, REACH);
    ASSERT_TRUE(sneaking.walkFrom(cave->start));
    EXPECT_FALSE(sneaking.reaches(woman->position)) << "the axe man's call can be walked around";
    EXPECT_FALSE(sneaking.reaches(cave->actions[1].position)) << "the farmer can be met before the knife";

    FootMap deaf(*cave);
    deaf.setBlocked(FARMER_CELL[0], FARMER_CELL[1], false);
    for (const Action& a : cave->actions)
        if (a.name == "playCrying") deaf.forbidDisc(a.position, REACH);
    ASSERT_TRUE(deaf.walkFrom(cave->start));
    EXPECT_FALSE(deaf.reaches(woman->position)) << "the woman can be found without hearing her sob";

    // Once she has spoken, the way out runs into the farmer who questions.
    FootMap after(*cave);
    after.setBlocked(FARMER_CELL[0], FARMER_CELL[1], false);
    after.setBlocked(NEXT_FARMER_CELL[0], NEXT_FARMER_CELL[1], true);
    ASSERT_TRUE(after.walkFrom(woman->position));
    EXPECT_FALSE(after.reaches(exit->position)) << "a second way out bypasses the last farmer";
    EXPECT_TRUE(after.reaches(cave->actions[0].position));
}

TEST(ShippedLevels, TwoSpritesOfOneLookStandFarEnoughApartToBeToldApart) {
    for (const char* name : AREAS) {
        const auto level = load(name);
        ASSERT_NE(level, nullptr);
        const auto& sprites = level->sprites;
        for (size_t i = 0; i < sprites.size(); ++i)
            for (size_t j = i + 1; j < sprites.size(); ++j)
                if (sprites[i].isVisible && sprites[j].isVisible &&
                    sprites[i].definition == sprites[j].definition) {
                    EXPECT_GE(distance(sprites[i].position, sprites[j].position), 1.5f)
                        << name << ": sprites " << i << " and " << j;
                }
    }
}

TEST(ShippedLevels, PeopleAndThingsCannotBeWalkedThrough) {
    for (const char* name : AREAS) {
        const auto level = load(name);
        ASSERT_NE(level, nullptr);
        for (size_t i = 0; i < level->sprites.size(); ++i) {
            const Sprite& sprite = level->sprites[i];
            // Hidden sprites stand where the story blocks the cell when it
            // shows them; the dying woman lies in the open, where the player
            // is walked up to her.
            if (!sprite.isVisible ||
                showsImage(level->spriteDefinitions[sprite.definition], "sprites/dying_woman.png"))
                continue;
            EXPECT_TRUE(level->collisionGrid[static_cast<int>(sprite.position.x)]
                                            [static_cast<int>(sprite.position.y)])
                << name << ": sprite " << i << " at (" << sprite.position.x << ", "
                << sprite.position.y << ")";
        }
    }
}

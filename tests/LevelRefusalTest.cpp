#include "LevelTestFixture.h"

// A broken level is refused with one log line naming the file at fault; the
// game never gets a level that could crash the renderer or movement.

namespace {

const char* const SPRITE_DEFINITION =
    "<definition><sprite><name>villager</name><image>person.png</image>"
    "<scale><x>1</x><y>1</y></scale></sprite></definition>";

}  // namespace

class LevelRefusal : public LevelFixture {
protected:
    void SetUp() override {
        LevelFixture::SetUp();
        writeXml(xml);
        writeSoundMaps();
    }

    // Rewrites main.xml after a test changed xml, and returns the refusal log.
    std::string refusalOf(const LevelXml& changed) {
        writeXml(changed);
        return refusal();
    }

    LevelXml xml;
};

TEST_F(LevelRefusal, TheFixtureItselfLoads) {
    EXPECT_NE(load(), nullptr) << log;
}

TEST_F(LevelRefusal, MissingMainXml) {
    std::filesystem::remove(levelPath("main.xml"));
    const std::string line = refusal();
    EXPECT_NE(line.find("data/levels/test/main.xml: is missing"), std::string::npos) << line;
}

TEST_F(LevelRefusal, MalformedMainXml) {
    std::string text = xml.text();
    text.resize(text.find("<walls>") + 12);
    writeText(levelPath("main.xml"), text);
    const std::string line = refusal();
    EXPECT_NE(line.find("data/levels/test/main.xml: is not well-formed XML"), std::string::npos)
        << line;
}

TEST_F(LevelRefusal, MainXmlWithoutALevelElement) {
    writeText(levelPath("main.xml"), "<world/>");
    EXPECT_NE(refusal().find("main.xml: has no <level>"), std::string::npos) << log;
}

TEST_F(LevelRefusal, MissingMapImage) {
    std::filesystem::remove(levelPath("walls.png"));
    EXPECT_NE(refusal().find("data/levels/test/walls.png: is missing"), std::string::npos) << log;
}

TEST_F(LevelRefusal, UndecodableMapImage) {
    writeText(levelPath("collision.png"), "\x89PNG but not really");
    EXPECT_NE(refusal().find("collision.png: cannot be decoded"), std::string::npos) << log;
}

TEST_F(LevelRefusal, MapImageOfTheWrongSize) {
    xml.flags = R"(hasFloor="true")";
    writeMap("floor.png", 5, 4, ringMap(5, 4, GREY, GREY));
    EXPECT_NE(refusalOf(xml).find("floor.png: is 5x4 pixels but the level is 5x5"),
              std::string::npos)
        << log;
}

TEST_F(LevelRefusal, ZeroOrNegativeSize) {
    xml.width = "0";
    EXPECT_NE(refusalOf(xml).find("main.xml: the size is 0x5"), std::string::npos) << log;
    xml.width = "-5";
    EXPECT_NE(refusalOf(xml).find("main.xml: the size is -5x5"), std::string::npos) << log;
}

TEST_F(LevelRefusal, OpenCellOnTheBorderOfTheWallGrid) {
    std::vector<uint32_t> walls = ringMap(5, 5, GREY, COLOR_EMPTY);
    walls[4 * 5 + 2] = COLOR_EMPTY;
    writeMap("walls.png", 5, 5, walls);
    EXPECT_NE(refusal().find("walls.png: border cell (2, 4) is open"), std::string::npos) << log;
}

// Not a refusal: level files may rely on an undeclared colour leaving the
// cell open, but the slip is named in the log.
TEST_F(LevelRefusal, WallColourThatNoWallDeclaresIsOpenAndLogged) {
    std::vector<uint32_t> walls = ringMap(5, 5, GREY, COLOR_EMPTY);
    walls[1 * 5 + 2] = 0xFF808081u;
    writeMap("walls.png", 5, 5, walls);
    const std::unique_ptr<Level> level = load();
    ASSERT_NE(level, nullptr) << log;
    EXPECT_EQ(level->wallGrid[2][1], 0);
    EXPECT_NE(log.find("walls.png: pixel (2, 1) has colour #FF808081, which no wall"),
              std::string::npos)
        << log;
}

TEST_F(LevelRefusal, FloorCellThatNamesNoWall) {
    xml.flags = R"(hasFloor="true")";
    // Black names no wall here: only grey is declared.
    writeMap("floor.png", 5, 5, ringMap(5, 5, GREY, COLOR_EMPTY));
    EXPECT_NE(refusalOf(xml).find("floor.png: pixel (1, 1) has colour #FF000000"),
              std::string::npos)
        << log;
}

TEST_F(LevelRefusal, CeilingCellThatNamesNoWall) {
    xml.flags = R"(hasCeiling="true")";
    writeMap("ceiling.png", 5, 5, ringMap(5, 5, 0xFF123456u, GREY));
    EXPECT_NE(refusalOf(xml).find("ceiling.png: pixel (0, 0) has colour #FF123456"),
              std::string::npos)
        << log;
}

TEST_F(LevelRefusal, MissingTexture) {
    xml.walls = R"(<wall color="#ff808080" image="nowhere.png"/>)";
    EXPECT_NE(refusalOf(xml).find("data/images/nowhere.png: is missing"), std::string::npos)
        << log;
}

TEST_F(LevelRefusal, TextureNamingADirectory) {
    xml.walls = R"(<wall color="#ff808080" image=""/>)";
    EXPECT_NE(refusalOf(xml).find("data/images/: is not a regular file"), std::string::npos)
        << log;
}

TEST_F(LevelRefusal, AFileNameWithALineBreakStaysOnOneLogLine) {
    xml.sprites = "<definition><sprite><name>villager</name><image>person\n.png</image>"
                  "</sprite></definition>";
    const std::string line = refusalOf(xml);
    EXPECT_NE(line.find("data/images/person?.png: is missing"), std::string::npos) << line;
    EXPECT_EQ(line.find('\n'), line.size() - 1) << line;
}

TEST_F(LevelRefusal, UndecodableTexture) {
    writeText("data/images/stone.png", "GIF89a...");
    EXPECT_NE(refusal().find("data/images/stone.png: cannot be decoded"), std::string::npos)
        << log;
}

TEST_F(LevelRefusal, TextureNot64Wide) {
    writeImage("data/images/stone.png", 32, 64, GREY);
    EXPECT_NE(refusal().find("data/images/stone.png: is 32x64 pixels"), std::string::npos) << log;
}

TEST_F(LevelRefusal, TextureNotAWholeNumberOfStoreys) {
    writeImage("data/images/stone.png", 64, 100, GREY);
    EXPECT_NE(refusal().find("data/images/stone.png: is 64x100 pixels"), std::string::npos)
        << log;
}

TEST_F(LevelRefusal, SpriteImageNot64By64) {
    writeImage("data/images/person.png", 64, 128, GREY);
    xml.sprites = SPRITE_DEFINITION;
    EXPECT_NE(refusalOf(xml).find("data/images/person.png: is 64x128 pixels"), std::string::npos)
        << log;
}

TEST_F(LevelRefusal, ScaleDivisorBelowOneAfterTruncation) {
    xml.sprites = "<definition><sprite><name>villager</name><image>person.png</image>"
                  "<scale><x>1</x><y>0.9</y></scale></sprite></definition>";
    EXPECT_NE(refusalOf(xml).find("main.xml: sprite definition 1 has scale (1, 0.9)"),
              std::string::npos)
        << log;
}

TEST_F(LevelRefusal, PlacementWhoseNameDiffersOnlyInCase) {
    xml.sprites = std::string(SPRITE_DEFINITION) +
                  R"(<placement><sprite name="Villager" x="2" y="2"/></placement>)";
    EXPECT_NE(refusalOf(xml).find("main.xml: sprite placement 1 names \"Villager\""),
              std::string::npos)
        << log;
}

TEST_F(LevelRefusal, FreeCellOnTheBorderOfTheCollisionGrid) {
    std::vector<uint32_t> collision = ringMap(5, 5, GREY, COLOR_EMPTY);
    collision[0 * 5 + 3] = COLOR_EMPTY;
    writeMap("collision.png", 5, 5, collision);
    EXPECT_NE(refusal().find("collision.png: border cell (3, 0) is free"), std::string::npos)
        << log;
}

TEST_F(LevelRefusal, StartOutsideTheBorderRing) {
    xml.startX = "0.5";
    EXPECT_NE(refusalOf(xml).find("main.xml: the start (0.5, 2.5) is not inside"),
              std::string::npos)
        << log;
    xml.startX = "1e30";
    EXPECT_NE(refusalOf(xml).find("main.xml: the start"), std::string::npos) << log;
}

TEST_F(LevelRefusal, SpritePlacedOffTheMap) {
    xml.sprites = std::string(SPRITE_DEFINITION) +
                  R"(<placement><sprite name="villager" x="2" y="-40"/></placement>)";
    EXPECT_NE(refusalOf(xml).find("main.xml: sprite placement 1 at (2, -40) lies outside"),
              std::string::npos)
        << log;
}

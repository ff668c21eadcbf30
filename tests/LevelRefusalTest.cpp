#include "LevelTestFixture.h"

// A broken level is refused with one log line naming the file at fault; the
// game never gets a level that could crash the renderer or movement.

namespace {

// A definition of "villager" with the given vertical scale, and a placement with the given attributes.
std::string sprite(const char* scaleY, const char* placement) {
    return std::string("<definition><sprite><name>villager</name><image>person.png</image><scale><x>1</x><y>") +
           scaleY + "</y></scale></sprite></definition>" +
           (*placement ? std::string("<placement><sprite ") + placement + "/></placement>" : "");
}

std::string repeat(const std::string& text, int times) {
    std::string all;
    for (int i = 0; i < times; ++i) all += text;
    return all;
}

// Wall 1's image is data/images/name, a symbolic link to target.
void linkWall(LevelFixture& f, const char* target, const std::string& name) {
    std::filesystem::create_symlink(target, "data/images/" + name);
    f.xml.walls = R"(<wall color="#ff808080" image=")" + name + R"("/>)";
}

struct Refusal {
    const char* name;
    void (*change)(LevelFixture&);  // breaks the sound fixture level; main.xml is rewritten if xml changed
    const char* logged;
};

const Refusal REFUSALS[] = {
    {"MainXmlWithoutALevelElement", [](LevelFixture& f) { f.writeText(f.levelPath("main.xml"), "<world/>"); },
     "data/levels/test/main.xml: has no <level>"},
    {"MapImageOfTheWrongSize", [](LevelFixture& f) { f.xml.flags = R"(hasFloor="true")", f.writeMap("floor.png", GREY, GREY, {}, 5, 4); },
     "data/levels/test/floor.png: is 5x4 pixels but the level is 5x5"},
    {"ContentAfterTheRootElement", [](LevelFixture& f) { f.writeText(f.levelPath("main.xml"), f.xml.text() + "<level/>"); },
     "data/levels/test/main.xml: has content after its <level> root element"},
    {"ZeroSize", [](LevelFixture& f) { f.xml.width = "0"; }, R"(main.xml: <size> gives width "0" and height "5")"},
    {"NegativeSize", [](LevelFixture& f) { f.xml.width = "-5"; }, R"(main.xml: <size> gives width "-5")"},
    {"SizeBeyondAnyLevel", [](LevelFixture& f) { f.xml.width = "2000"; }, R"(main.xml: <size> gives width "2000")"},
    {"SizeBeyondInt", [](LevelFixture& f) { f.xml.height = "4294967295"; }, R"(and height "4294967295")"},
    {"HugeMapImage", [](LevelFixture& f) { writePngHeader(f.levelPath("walls.png"), 16384, 16384); },
     "data/levels/test/walls.png: is 16384x16384 pixels but the level is 5x5 cells"},
    {"WallColourWithoutDigits", [](LevelFixture& f) { f.xml.walls = R"(<wall color="x" image="stone.png"/>)"; },
     R"(data/levels/test/main.xml: wall 1 has colour "x")"},
    {"WallColourWithATypo", [](LevelFixture& f) { f.xml.walls = R"(<wall color="#ff80g080" image="stone.png"/>)"; },
     R"(data/levels/test/main.xml: wall 1 has colour "#ff80g080")"},
    {"WallsFarBeyondAnyLevel", [](LevelFixture& f) { f.xml.walls = repeat(R"(<wall color="#ff808080" image="stone.png"/>)", 50000); },
     "data/levels/test/main.xml: has more than 1024 walls"},
    {"SpriteDefinitionsFarBeyondAnyLevel",
     [](LevelFixture& f) { f.xml.sprites = "<definition>" + repeat("<sprite><name>a</name><image>person.png</image></sprite>", 2000) + "</definition>"; },
     "data/levels/test/main.xml: has more than 1024 sprite definitions"},
    {"PlacementsFarBeyondAnyLevel",
     [](LevelFixture& f) { f.xml.sprites = sprite("1", repeat(R"(name="villager" x="2" y="2"/><sprite )", 5000).c_str()); },
     "data/levels/test/main.xml: has more than 4096 sprite placements"},
    {"OpenCellOnTheBorderOfTheWallGrid", [](LevelFixture& f) { f.writeMap("walls.png", GREY, COLOR_EMPTY, {{2, 4, COLOR_EMPTY}}); },
     "data/levels/test/walls.png: border cell (2, 4) is open"},
    {"FreeCellOnTheBorderOfTheCollisionGrid",
     [](LevelFixture& f) { f.writeMap("collision.png", GREY, COLOR_EMPTY, {{3, 0, COLOR_EMPTY}}); },
     "data/levels/test/collision.png: border cell (3, 0) is free"},
    {"FloorCellThatNamesNoWall",  // black names no wall here: only grey is declared
     [](LevelFixture& f) { f.xml.flags = R"(hasFloor="true")", f.writeMap("floor.png", GREY, COLOR_EMPTY); },
     "data/levels/test/floor.png: pixel (1, 1) has colour #FF000000"},
    {"CeilingCellThatNamesNoWall",
     [](LevelFixture& f) { f.xml.flags = R"(hasCeiling="true")", f.writeMap("ceiling.png", 0xFF123456u, GREY); },
     "data/levels/test/ceiling.png: pixel (0, 0) has colour #FF123456"},
    {"TextureNamingADirectory", [](LevelFixture& f) { f.xml.walls = R"(<wall color="#ff808080" image=""/>)"; },
     "data/images/: is not a regular file"},
    {"TextureOutsideData", [](LevelFixture& f) { f.xml.walls = R"(<wall color="#ff808080" image="../../stone.png"/>)"; },
     R"(data/images/../../stone.png: leaves data/ through "..")"},
    {"TextureByAbsolutePath", [](LevelFixture& f) { f.xml.walls = R"(<wall color="#ff808080" image="/etc/passwd"/>)"; },
     "/etc/passwd: is an absolute path"},
    {"TextureLinkedOutOfData", [](LevelFixture& f) { linkWall(f, "/etc/passwd", "out.png"); },
     "data/images/out.png: leaves data/ through a symbolic link"},
    {"TextureInALoopOfLinks", [](LevelFixture& f) { linkWall(f, "loop.png", "loop.png"); },
     "data/images/loop.png: is a loop of symbolic links"},
    {"MapLinkedOutOfData",
     [](LevelFixture& f) { std::filesystem::remove(f.levelPath("walls.png")), std::filesystem::create_symlink("/etc/passwd", f.levelPath("walls.png")); },
     "data/levels/test/walls.png: leaves data/ through a symbolic link"},
    {"TextureNot64Wide", [](LevelFixture& f) { f.writeImage("data/images/stone.png", 32, 64, GREY); },
     "data/images/stone.png: is 32x64 pixels"},
    {"TextureOfAMillionRows", [](LevelFixture&) { writePngHeader("data/images/stone.png", 64, 1 << 20); },
     "data/images/stone.png: is 64x1048576 pixels"},
    {"TextureNotAWholeNumberOfStoreys", [](LevelFixture& f) { f.writeImage("data/images/stone.png", 64, 100, GREY); },
     "data/images/stone.png: is 64x100 pixels"},
    {"SpriteImageNot64By64",
     [](LevelFixture& f) { f.writeImage("data/images/person.png", 64, 128, GREY), f.xml.sprites = sprite("1", ""); },
     "data/images/person.png: is 64x128 pixels"},
    {"ScaleDivisorBelowOneAfterTruncation", [](LevelFixture& f) { f.xml.sprites = sprite("0.9", ""); },
     "data/levels/test/main.xml: sprite definition 1 has scale (1, 0.9)"},
    {"PlacementWhoseNameDiffersOnlyInCase", [](LevelFixture& f) { f.xml.sprites = sprite("1", R"(name="Villager" x="2" y="2")"); },
     "data/levels/test/main.xml: sprite placement 1 names \"Villager\""},
    {"SpritePlacedOffTheMap", [](LevelFixture& f) { f.xml.sprites = sprite("1", R"(name="villager" x="2" y="-40")"); },
     "data/levels/test/main.xml: sprite placement 1 at (2, -40) lies outside"},
    {"StartOnTheBorderRing", [](LevelFixture& f) { f.xml.startX = "0.5"; },
     "data/levels/test/main.xml: the start (0.5, 2.5) is not inside"},
    {"StartFarOffTheMap", [](LevelFixture& f) { f.xml.startX = "1e30"; }, "data/levels/test/main.xml: the start"},
};

void PrintTo(const Refusal& refusal, std::ostream* out) { *out << refusal.name; }

class LevelRefusal : public LevelFixture, public ::testing::WithParamInterface<Refusal> {};

}  // namespace

// However big the file claims its contents are, refusing it decodes no more
// than the fixture's own small pictures.
TEST_P(LevelRefusal, IsRefusedWithALogLineNamingTheFileAtLittleCost) {
    GetParam().change(*this);
    EXPECT_EQ(load(xml.text() != LevelXml{}.text()), nullptr);  // main.xml as the case left it
    EXPECT_NE(log.find(GetParam().logged), std::string::npos) << log;
    EXPECT_LE(report.texelsDecoded, 4u * 64 * 64) << report.imagesDecoded << " images";
}

INSTANTIATE_TEST_SUITE_P(Reasons, LevelRefusal, ::testing::ValuesIn(REFUSALS),
                         [](const auto& info) { return std::string(info.param.name); });

using LevelLogLine = LevelFixture;

TEST_F(LevelLogLine, AFileNameWithALineBreakStaysOnOneLine) {
    xml.sprites = "<definition><sprite><name>villager</name><image>person\n.png</image></sprite></definition>";
    EXPECT_EQ(load(), nullptr);
    EXPECT_NE(log.find("data/images/person?.png: is missing"), std::string::npos) << log;
    EXPECT_EQ(log.find('\n'), log.size() - 1) << log;
}

// Spelled 65 ways, one 64-storey picture is decoded once, and the 65 walls
// that would each hold a copy of it are still past the budget.
TEST_F(LevelLogLine, AliasesOfOneImageDecodeOnceAndCountAgainstTheBudget) {
    writeImage("data/images/tall.png", 64, 64 * 64, GREY);
    xml.walls.clear();
    std::string alias = "tall.png";
    for (int wall = 0; wall < 65; ++wall, alias = "./" + alias)
        xml.walls += R"(<wall color="#ff808080" image=")" + alias + R"("/>)";
    EXPECT_EQ(load(), nullptr);
    EXPECT_NE(log.find("main.xml: its walls and sprites name more decoded images than the 64 MB a level may hold (65.0 MB by wall 65, data/images/./"), std::string::npos) << log;
    EXPECT_EQ(report.imagesDecoded, 1u);
}

#include "LevelTestFixture.h"

// Reading main.xml: what a level designer writes and what the game gets.

using LevelLoader = LevelFixture;

// Two definitions of one name: placements take the first, both keep their
// index. Actions keep document order; a text on two lines reads as one line.
TEST_F(LevelLoader, ReadsTheHeaderSpritesAndActionsOfASoundLevel) {
    xml = {.flags = R"(hasFloor="true" hasCeiling="true" useLighting="true" useSideShading="true" transparentWall="true")",
           .rotation = "90 degrees", .startX = "12.5", .startY = "3", .width = "25x", .height = "12.7"};
    xml.sprites = R"(
      <placement><sprite name="villager" x="2.5" y="1.5" isVisible="true"/></placement>
      <definition>
        <sprite><name>villager</name><image>person.png</image><scale><x>2</x><y>2.9</y></scale><move>120</move></sprite>
        <sprite><name>villager</name><image>person2.png</image><scale><x>1</x><y>1</y></scale></sprite>
      </definition>)";
    xml.actions = "<action type=\"manual\" repeat=\"true\" name=\"talk_priest\" lookAt=\"true\"\n"
                  "  text=\"[Talk to\nthe priest]\" x=\"1.5\" y=\"2.5\"/>\n<action name=\"second\"/>";
    writeSoundMaps(25, 12);
    const auto level = load();
    ASSERT_NE(level, nullptr) << log;
    EXPECT_EQ(level->getName(), "test");
    EXPECT_TRUE(level->hasFloor && level->hasCeiling && level->useLighting && level->useSideShading &&
                level->transparentWall);
    EXPECT_EQ(level->rotation, 90.0f);
    EXPECT_EQ(level->start, Vec2(12.5f, 3.0f));
    EXPECT_EQ(level->width, 25u);
    EXPECT_EQ(level->height, 12u);
    EXPECT_EQ(level->backgroundColor, 0xFF405060u);
    EXPECT_TRUE(log.empty()) << log;

    ASSERT_EQ(level->spriteDefinitions.size(), 2u);
    ASSERT_EQ(level->sprites.size(), 1u);
    EXPECT_EQ(level->sprites[0].definition, 0u);
    EXPECT_EQ(level->sprites[0].position, Vec2(2.5f, 1.5f));
    EXPECT_TRUE(level->sprites[0].isVisible);
    EXPECT_EQ(level->spriteDefinitions[0].scale, Vec2(2.0f, 2.9f));
    EXPECT_EQ(level->spriteDefinitions[0].move, 120.0);
    EXPECT_EQ(level->spriteDefinitions[1].image->pixels[0], 0xFF40C080u);

    ASSERT_EQ(level->actions.size(), 2u);
    const Action& first = level->actions[0];
    EXPECT_EQ(first.type, "manual");
    EXPECT_TRUE(first.repeat && first.lookAt);
    EXPECT_EQ(first.name, "talk_priest");
    EXPECT_EQ(first.text, "[Talk to the priest]");
    EXPECT_EQ(first.position, Vec2(1.5f, 2.5f));
    EXPECT_EQ(level->actions[1].name, "second");
    EXPECT_EQ(level->actions[1].type, "");
}

TEST_F(LevelLoader, WallsKeepTheirOrderAndStoreysAndTheFirstOfAColourWins) {
    xml.walls = R"(<wall color="#FF102030" image="stone.png"/><wall color="#ff102030" image="tall.png"/>
                   <wall color="#0" image="stone.png"/>)";
    // Colour 0 is not the empty colour.
    writeMap("walls.png", 0xFF102030u, COLOR_EMPTY, {{1, 1, 0x00000000u}});
    const auto level = load();
    ASSERT_NE(level, nullptr) << log;
    ASSERT_EQ(level->walls.size(), 3u);
    EXPECT_EQ(level->walls[0].height, 1);
    EXPECT_EQ(level->walls[1].height, 2);
    EXPECT_EQ(level->walls[1].image->pixels[64 * 127 + 63], 0xFF102030u);
    EXPECT_EQ(level->wallGrid[0][0], 1);
    EXPECT_EQ(level->wallGrid[1][1], 3);
}

// Walls naming one file share one decoded image, which a wall about to be
// written gets a copy of, so the story's marks on one wall stay on it.
TEST_F(LevelLoader, WallsShareAnImageFileUntilOneIsWritten) {
    xml.walls = R"(<wall color="#ff808080" image="stone.png"/><wall color="#ff102030" image="tall.png"/>
                   <wall color="#ff405060" image="stone.png"/>)";
    const auto level = load();
    ASSERT_NE(level, nullptr) << log;
    EXPECT_EQ(report.imagesDecoded, 4u);  // two textures, walls.png and collision.png
    Wall& first = level->walls[0];
    Wall& third = level->walls[2];
    EXPECT_EQ(first.image, third.image);

    TexelImage* own = third.writableImage();
    ASSERT_NE(own, nullptr);
    EXPECT_NE(own, first.image.get());
    EXPECT_EQ(third.writableImage(), own);  // already its own: no second copy
    EXPECT_EQ(own->width, 64);
    EXPECT_EQ(own->height, 64);
    own->pixels[5] = 0xFFFF0000u;
    EXPECT_EQ(first.image->pixels[5], GREY);
    EXPECT_EQ(own->pixels[6], GREY);
    EXPECT_EQ(Wall{}.writableImage(), nullptr);
}

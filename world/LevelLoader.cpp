#include "world/Level.h"

#include "engine/Log.h"
#include "world/DataPath.h"
#include "world/ImageFile.h"
#include "world/LevelValidation.h"
#include "world/MapImages.h"
#include "world/ValueParsing.h"

#include <pugixml.hpp>

#include <algorithm>
#include <cfloat>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <unordered_map>

namespace {

const char* const IMAGE_DIRECTORY = "data/images";

// A double beyond the float range has no float value; the largest float of
// its sign keeps the start check's message meaningful.
float narrowToFloat(double value) {
    return static_cast<float>(std::clamp(value, -static_cast<double>(FLT_MAX),
                                         static_cast<double>(FLT_MAX)));
}

// Reads one level in the order of its file: header, walls, sprite
// definitions, placements, map images, background, actions; then checks the
// whole. The first fault stops the reading and is kept as one message naming
// the file and what is wrong, for loadLevel to log.
class LevelReader {
public:
    LevelReader(const std::string& levelName, LevelLoadReport& report)
        : mainXml(levelFilePath(levelName, "main.xml")), level(std::make_unique<Level>()),
          report(report) {
        level->name = levelName;
    }

    // The level, or null with fault() set.
    std::unique_ptr<Level> read();
    const std::string& fault() const { return problem; }

private:
    bool readDocument();
    bool readHeader(const pugi::xml_node& root);
    bool readWalls(const pugi::xml_node& root);
    bool readSpriteDefinitions(const pugi::xml_node& root);
    bool readPlacements(const pugi::xml_node& root);
    bool readMapImages();
    bool readMapImage(const char* fileName, MapImage& image);
    bool refuseUndeclaredColours(const char* fileName, const MapImage& image);
    void warnOfUndeclaredWallColour(const MapImage& image);
    bool readActions(const pugi::xml_node& root);
    // The image of a wall or sprite: decoded once per file, however it is
    // spelled, and shared by every entry naming it. sizeFault says what is
    // wrong with a size (empty when it fits) and is asked before decoding,
    // from the file's header. holder names the entry for the budget's line.
    template <typename SizeFault>
    bool shareImage(const std::string& fileName, std::shared_ptr<TexelImage>& image,
                    SizeFault sizeFault, const std::string& holder);
    // Counts an image of width x height against the level's budget.
    bool refuseOverBudget(int width, int height, const std::string& path, const std::string& holder);
    // The real path of a file in the level's own folder, or false with the
    // fault set.
    bool resolveLevelFile(const char* fileName, std::string& resolved);
    bool refuseCount(size_t count, size_t limit, const char* what);

    bool refuse(const std::string& file, const std::string& what) {
        problem = file + ": " + what;
        return false;
    }

    const std::string mainXml;
    std::unique_ptr<Level> level;
    pugi::xml_document document;
    ColorToWall colorToWall;
    std::unordered_map<std::string, uint32_t> definitionIndexByName;
    std::unordered_map<std::string, std::shared_ptr<TexelImage>> imageByRealPath;
    size_t imageBytesHeld = 0;  // as if every wall and definition held its own copy
    LevelLoadReport& report;
    std::string problem;
};

std::unique_ptr<Level> LevelReader::read() {
    if (!readDocument()) return nullptr;
    // A second root or stray text is a file pasted together or cut short;
    // reading only the <level> part would hide that.
    pugi::xml_node root;
    for (pugi::xml_node node = document.first_child(); node; node = node.next_sibling()) {
        const pugi::xml_node_type type = node.type();
        if (type == pugi::node_element && !root) {
            root = node;
        } else if (type == pugi::node_element || type == pugi::node_pcdata ||
                   type == pugi::node_cdata) {
            refuse(mainXml, root ? "has content after its <level> root element"
                                 : "has content before its <level> root element");
            return nullptr;
        }
    }
    if (!root || std::string(root.name()) != "level") {
        refuse(mainXml, "has no <level> root element");
        return nullptr;
    }
    if (!readHeader(root) || !readWalls(root) || !readSpriteDefinitions(root) ||
        !readPlacements(root) || !readMapImages())
        return nullptr;
    level->backgroundColor = parseColor(root.child("background").attribute("color").value());
    if (!readActions(root)) return nullptr;

    problem = findLevelFault(*level);
    if (!problem.empty()) return nullptr;
    return std::move(level);
}

bool LevelReader::readDocument() {
    std::string path;
    if (!resolveLevelFile("main.xml", path)) return false;
    // Opening a directory or a device by mistake must not block the game.
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status))
        return refuse(mainXml, "is not a regular file");
    // As a fragment, text outside the root element is kept in the tree
    // instead of dropped, so that read() can refuse it; a document without
    // any element is refused there too.
    const pugi::xml_parse_result result =
        document.load_file(path.c_str(), pugi::parse_default | pugi::parse_fragment);
    if (result) return true;
    if (result.status == pugi::status_file_not_found) return refuse(mainXml, "is missing");
    if (result.status == pugi::status_io_error || result.status == pugi::status_out_of_memory)
        return refuse(mainXml, "cannot be read");
    return refuse(mainXml, std::string("is not well-formed XML: ") + result.description() +
                               " at byte " + std::to_string(result.offset));
}

bool LevelReader::readHeader(const pugi::xml_node& root) {
    level->hasFloor = parseBool(root.attribute("hasFloor").value());
    level->hasCeiling = parseBool(root.attribute("hasCeiling").value());
    level->useLighting = parseBool(root.attribute("useLighting").value());
    level->useSideShading = parseBool(root.attribute("useSideShading").value());
    level->transparentWall = parseBool(root.attribute("transparentWall").value());
    level->rotation = parseFloat(root.child("facing").attribute("rotation").value());
    const pugi::xml_node start = root.child("start");
    level->start = Vec2(narrowToFloat(parseDouble(start.attribute("x").value())),
                        narrowToFloat(parseDouble(start.attribute("y").value())));

    // Checked while still signed: a negative size must not become a huge one.
    // The message quotes the file's own text, since a number out of range
    // reads as another value.
    const pugi::xml_node size = root.child("size");
    const char* widthText = size.attribute("width").value();
    const char* heightText = size.attribute("height").value();
    const int32_t width = parseInt(widthText);
    const int32_t height = parseInt(heightText);
    const int32_t side = static_cast<int32_t>(MAX_LEVEL_SIDE);
    if (width < 1 || height < 1 || width > side || height > side)
        return refuse(mainXml, "<size> gives width \"" + std::string(widthText).substr(0, 32) +
                                   "\" and height \"" + std::string(heightText).substr(0, 32) +
                                   "\"; each must be 1 to " + std::to_string(side) + " cells");
    level->width = static_cast<uint32_t>(width);
    level->height = static_cast<uint32_t>(height);
    return true;
}

bool LevelReader::refuseCount(size_t count, size_t limit, const char* what) {
    if (count < limit) return true;
    return refuse(mainXml, "has more than " + std::to_string(limit) + " " + what +
                               "; no level needs that many");
}

bool LevelReader::refuseOverBudget(int width, int height, const std::string& path,
                                   const std::string& holder) {
    // Counted per entry, not per file: the story may give any wall its own
    // copy to draw on, so this is the most the level can come to hold.
    imageBytesHeld += sizeof(uint32_t) * static_cast<size_t>(width) * static_cast<size_t>(height);
    if (imageBytesHeld <= MAX_LEVEL_IMAGE_BYTES) return true;
    char figure[64];
    std::snprintf(figure, sizeof figure, "%.1f MB", static_cast<double>(imageBytesHeld) / (1 << 20));
    return refuse(mainXml, "its walls and sprites name more decoded images than the " +
                               std::to_string(MAX_LEVEL_IMAGE_BYTES >> 20) + " MB a level may hold (" +
                               figure + " by " + holder + ", " + path + ")");
}

template <typename SizeFault>
bool LevelReader::shareImage(const std::string& fileName, std::shared_ptr<TexelImage>& image,
                             SizeFault sizeFault, const std::string& holder) {
    // An absolute name is shown as it stands; IMAGE_DIRECTORY before it would
    // only confuse.
    const std::string path =
        fileName.starts_with('/') ? fileName : std::string(IMAGE_DIRECTORY) + "/" + fileName;
    std::string realPath;
    std::string what;
    if (!resolveDataPath(IMAGE_DIRECTORY, fileName, realPath, what))
        return refuse(path, what + " (named in " + mainXml + ")");
    const auto known = imageByRealPath.find(realPath);
    if (known != imageByRealPath.end()) {
        what = sizeFault(known->second->width, known->second->height);
        if (!what.empty()) return refuse(path, what);
        if (!refuseOverBudget(known->second->width, known->second->height, path, holder)) return false;
        image = known->second;
        return true;
    }
    int width = 0;
    int height = 0;
    if (!readImageSize(realPath, width, height, what))
        return refuse(path, what + " (named in " + mainXml + ")");
    what = sizeFault(width, height);
    if (!what.empty()) return refuse(path, what);
    if (!refuseOverBudget(width, height, path, holder)) return false;
    auto decoded = std::make_shared<TexelImage>();
    if (!decodeImageFile(realPath, *decoded, what))
        return refuse(path, what + " (named in " + mainXml + ")");
    ++report.imagesDecoded;
    report.texelsDecoded += static_cast<size_t>(decoded->width) * decoded->height;
    // The header and the picture must agree, or the size check meant nothing.
    what = sizeFault(decoded->width, decoded->height);
    if (!what.empty()) return refuse(path, what);
    imageByRealPath.emplace(realPath, decoded);
    image = std::move(decoded);
    return true;
}

bool LevelReader::readWalls(const pugi::xml_node& root) {
    const pugi::xml_node walls = root.child("walls");
    for (pugi::xml_node element = walls.child("wall"); element;
         element = element.next_sibling("wall")) {
        if (!refuseCount(level->walls.size(), MAX_WALLS, "walls")) return false;
        const std::string number = std::to_string(level->walls.size() + 1);
        const char* colourText = element.attribute("color").value();
        if (!isColorText(colourText))
            return refuse(mainXml, "wall " + number + " has colour \"" +
                                       std::string(colourText).substr(0, 32) +
                                       "\"; a colour is # and up to eight hexadecimal digits, "
                                       "AARRGGBB");
        const uint32_t colour = parseColor(colourText);
        Wall wall;
        const std::string fileName = element.attribute("image").value();
        auto sizeFault = [&](int width, int height) -> std::string {
            if (width == TEXTURE_SIZE && height >= TEXTURE_SIZE && height % TEXTURE_SIZE == 0 &&
                height / TEXTURE_SIZE <= MAX_STOREYS)
                return {};
            return "is " + std::to_string(width) + "x" + std::to_string(height) +
                   " pixels; a wall texture must be 64 wide and a whole multiple of 64 tall, at "
                   "most " + std::to_string(MAX_STOREYS) + " storeys (wall " + number + " in " +
                   mainXml + ")";
        };
        if (!shareImage(fileName, wall.image, sizeFault, "wall " + number)) return false;
        wall.height = wall.image->height / TEXTURE_SIZE;
        level->walls.push_back(std::move(wall));
        // The first wall of a colour keeps it; later ones still take their number.
        colorToWall.emplace(colour, static_cast<int32_t>(level->walls.size()));
    }
    return true;
}

bool LevelReader::readSpriteDefinitions(const pugi::xml_node& root) {
    const pugi::xml_node definitions = root.child("sprites").child("definition");
    for (pugi::xml_node element = definitions.child("sprite"); element;
         element = element.next_sibling("sprite")) {
        if (!refuseCount(level->spriteDefinitions.size(), MAX_SPRITE_DEFINITIONS,
                         "sprite definitions"))
            return false;
        const std::string definitionName = element.child_value("name");
        const std::string fileName = element.child_value("image");
        SpriteDefinition definition;
        auto sizeFault = [&](int width, int height) -> std::string {
            if (width == TEXTURE_SIZE && height == TEXTURE_SIZE) return {};
            return "is " + std::to_string(width) + "x" + std::to_string(height) +
                   " pixels; a sprite image must be 64x64 (sprite definition \"" +
                   definitionName + "\" in " + mainXml + ")";
        };
        if (!shareImage(fileName, definition.image, sizeFault,
                         "sprite definition " + std::to_string(level->spriteDefinitions.size() + 1)))
            return false;
        const pugi::xml_node scale = element.child("scale");
        definition.scale = Vec2(parseFloat(scale.child_value("x")), parseFloat(scale.child_value("y")));
        definition.move = parseFloat(element.child_value("move"));
        // The first definition of a name wins the look-up; a later one keeps
        // its own index, which the story reaches by advancing a sprite.
        definitionIndexByName.emplace(definitionName,
                                      static_cast<uint32_t>(level->spriteDefinitions.size()));
        level->spriteDefinitions.push_back(std::move(definition));
    }
    return true;
}

bool LevelReader::readPlacements(const pugi::xml_node& root) {
    const pugi::xml_node placement = root.child("sprites").child("placement");
    for (pugi::xml_node element = placement.child("sprite"); element;
         element = element.next_sibling("sprite")) {
        if (!refuseCount(level->sprites.size(), MAX_SPRITES, "sprite placements")) return false;
        const std::string definitionName = element.attribute("name").value();
        const auto found = definitionIndexByName.find(definitionName);
        if (found == definitionIndexByName.end())
            return refuse(mainXml, "sprite placement " + std::to_string(level->sprites.size() + 1) +
                                       " names \"" + definitionName +
                                       "\", which no sprite definition has (names are "
                                       "case-sensitive)");
        Sprite sprite;
        sprite.definition = found->second;
        sprite.position = Vec2(parseFloat(element.attribute("x").value()),
                               parseFloat(element.attribute("y").value()));
        sprite.isVisible = parseBool(element.attribute("isVisible").value());
        level->sprites.push_back(sprite);
    }
    return true;
}

bool LevelReader::resolveLevelFile(const char* fileName, std::string& resolved) {
    std::string what;
    if (resolveDataPath("data/levels/" + level->name, fileName, resolved, what)) return true;
    return refuse(levelFilePath(level->name, fileName), what);
}

bool LevelReader::readMapImage(const char* fileName, MapImage& image) {
    std::string path;
    if (!resolveLevelFile(fileName, path)) return false;
    std::string what;
    if (::readMapImage(path, level->width, level->height, image, what)) {
        ++report.imagesDecoded;
        report.texelsDecoded += static_cast<size_t>(image.width) * image.height;
        return true;
    }
    return refuse(levelFilePath(level->name, fileName), what);
}

// A colour that no wall declares is a typo or a forgotten wall: in the floor
// or ceiling it would name no texture for a cell the player can see.
bool LevelReader::refuseUndeclaredColours(const char* fileName, const MapImage& image) {
    uint32_t x = 0;
    uint32_t y = 0;
    uint32_t colour = 0;
    if (!findUndeclaredColour(image, colorToWall, false, x, y, colour)) return true;
    char hex[16];
    std::snprintf(hex, sizeof hex, "#%08X", colour);
    return refuse(levelFilePath(level->name, fileName),
                  "pixel (" + std::to_string(x) + ", " + std::to_string(y) + ") has colour " +
                      hex + ", which no wall in " + mainXml + " declares");
}

// In walls.png a colour that no wall declares is an open cell: that is what
// the map format defines, and level files made to it may rely on it, so
// refusing it would turn working levels away. It is still most likely a slip,
// so it is named in the log. (An open border cell is refused later all the same.)
void LevelReader::warnOfUndeclaredWallColour(const MapImage& image) {
    uint32_t x = 0;
    uint32_t y = 0;
    uint32_t colour = 0;
    if (!findUndeclaredColour(image, colorToWall, true, x, y, colour)) return;
    char hex[16];
    std::snprintf(hex, sizeof hex, "#%08X", colour);
    logLine("Level \"%s\": %s: pixel (%u, %u) has colour %s, which no wall in %s declares; "
            "the cell is left open",
            level->name.c_str(), levelFilePath(level->name, "walls.png").c_str(), x, y, hex,
            mainXml.c_str());
}

bool LevelReader::readMapImages() {
    // Each decoded image is released as soon as its grid is filled; a floor or
    // ceiling that is off is never opened, so its file may be absent.
    if (level->hasCeiling) {
        MapImage image;
        if (!readMapImage("ceiling.png", image) ||
            !refuseUndeclaredColours("ceiling.png", image))
            return false;
        level->ceilingGrid = makeMaterialGrid(image, colorToWall);
    }
    if (level->hasFloor) {
        MapImage image;
        if (!readMapImage("floor.png", image) ||
            !refuseUndeclaredColours("floor.png", image))
            return false;
        level->floorGrid = makeMaterialGrid(image, colorToWall);
    }
    {
        MapImage image;
        if (!readMapImage("collision.png", image)) return false;
        level->collisionGrid = makeCollisionGrid(image);
    }
    MapImage image;
    if (!readMapImage("walls.png", image)) return false;
    warnOfUndeclaredWallColour(image);
    level->wallGrid = makeWallGrid(image, colorToWall);
    return true;
}

bool LevelReader::readActions(const pugi::xml_node& root) {
    const pugi::xml_node actions = root.child("actions");
    for (pugi::xml_node element = actions.child("action"); element;
         element = element.next_sibling("action")) {
        if (!refuseCount(level->actions.size(), MAX_ACTIONS, "actions")) return false;
        Action action;
        action.type = element.attribute("type").value();
        action.repeat = parseBool(element.attribute("repeat").value());
        action.name = element.attribute("name").value();
        action.lookAt = parseBool(element.attribute("lookAt").value());
        action.text = element.attribute("text").value();
        action.position = Vec2(parseFloat(element.attribute("x").value()),
                               parseFloat(element.attribute("y").value()));
        action.timesTriggered = 0;
        level->actions.push_back(std::move(action));
    }
    return true;
}

// Names in the message come from the file; a line break or other control
// character in one must not split the log line or forge another.
std::string printable(std::string text) {
    for (char& c : text)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = '?';
    return text;
}

}  // namespace

std::unique_ptr<Level> loadLevel(const std::string& name, LevelLoadReport* report) {
    // A level is hand-edited data: whatever is wrong with it, the caller gets
    // null and one line saying which file and why, never an exception.
    LevelLoadReport ignored;
    if (!report) report = &ignored;
    *report = LevelLoadReport{};
    try {
        LevelReader reader(name, *report);
        std::unique_ptr<Level> level = reader.read();
        if (!level) {
            logLine("Level \"%s\" refused: %s", name.c_str(),
                    printable(reader.fault()).c_str());
        }
        return level;
    } catch (const std::exception& error) {
        logLine("Level \"%s\" refused: %s: could not be loaded (%s)", name.c_str(),
                levelFilePath(name, "main.xml").c_str(), error.what());
    } catch (...) {
        logLine("Level \"%s\" refused: %s: could not be loaded", name.c_str(),
                levelFilePath(name, "main.xml").c_str());
    }
    return nullptr;
}

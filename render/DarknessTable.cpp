#include "render/DarknessTable.h"

DarknessTable& DarknessTable::shared() {
    static DarknessTable table;
    return table;
}

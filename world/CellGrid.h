#pragma once

#include <cstdint>
#include <utility>

// A column-major grid: width column arrays of height cells each, indexed
// grid[x][y]. The renderer walks columns directly through operator[], so a
// cell read is two plain loads with no bounds check; callers keep x and y in
// range (a loaded level guarantees its border ring is walls).
template <typename T>
class CellGrid {
public:
    CellGrid() = default;
    CellGrid(uint32_t width, uint32_t height) : w(width), h(height) {
        columns = new T*[w];
        for (uint32_t x = 0; x < w; ++x) columns[x] = new T[h]();
    }
    ~CellGrid() { release(); }
    CellGrid(const CellGrid&) = delete;
    CellGrid& operator=(const CellGrid&) = delete;
    CellGrid(CellGrid&& o) noexcept { swap(o); }
    CellGrid& operator=(CellGrid&& o) noexcept {
        if (this != &o) {
            release();
            swap(o);
        }
        return *this;
    }

    T* operator[](uint32_t x) const { return columns[x]; }
    // Null for an absent grid (a level without floor or ceiling).
    T* const* data() const { return columns; }
    bool empty() const { return columns == nullptr; }
    uint32_t width() const { return w; }
    uint32_t height() const { return h; }

private:
    void release() {
        if (!columns) return;
        for (uint32_t x = 0; x < w; ++x) delete[] columns[x];
        delete[] columns;
        columns = nullptr;
    }
    void swap(CellGrid& o) {
        std::swap(columns, o.columns);
        std::swap(w, o.w);
        std::swap(h, o.h);
    }

    T** columns = nullptr;
    uint32_t w = 0;
    uint32_t h = 0;
};

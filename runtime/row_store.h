#pragma once
// The rows of a list kept once, compactly: every row's cells lie end to end in one byte block, each
// ending with a zero byte, beside a small record per row (where its cells start, how many there
// are, a number kept with the row). A list that shows the rows asks for the cells it paints.
#include <cstdint>
#include <string>
#include <vector>

class RowStore {
public:
    int Count() const { return static_cast<int>(rows_.size()); }
    // False (nothing changed) for a row outside 0..Count() or a store that would pass 4 GB.
    bool Insert(int row, const std::vector<std::string>& cells);
    bool Append(const std::vector<std::string>& cells) { return Insert(Count(), cells); }
    bool Erase(int row);
    void Clear();

    // The cell's text (a zero-terminated text inside the store, valid until the store next changes);
    // "" for a cell the row does not hold; null for a row outside the store.
    const char* Cell(int row, int column) const;
    // Empty cells are added up to the column. False for a row outside the store or a negative column.
    bool SetCell(int row, int column, const std::string& text);
    int CellCount(int row) const;

    bool SetData(int row, intptr_t value);
    intptr_t Data(int row) const;  // 0 for a row outside the store

    // Bytes held for the cells, also those of cells replaced and not yet reclaimed.
    size_t ByteSize() const { return bytes_.size(); }

private:
    struct Row {
        uint32_t offset;
        uint32_t cells;
        intptr_t data;
    };
    bool Has(int row) const { return row >= 0 && row < Count(); }
    bool AppendCells(const std::vector<std::string>& cells, Row& row);
    size_t RowBytes(const Row& record) const;
    void Reclaim();

    std::string bytes_;
    std::vector<Row> rows_;
    size_t unused_ = 0;  // bytes of replaced rows
};

#include "runtime/row_store.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace {

constexpr size_t kMaxBytes = std::numeric_limits<uint32_t>::max();
// Replaced cells are reclaimed once they are at least this many bytes and half the block.
constexpr size_t kReclaimAtLeast = 64 * 1024;

size_t BytesOf(const std::vector<std::string>& cells)
{
    size_t total = 0;
    for (const std::string& cell : cells)
        total += std::strlen(cell.c_str()) + 1;
    return total;
}

}  // namespace

bool RowStore::AppendCells(const std::vector<std::string>& cells, Row& row)
{
    if (cells.size() > kMaxBytes || BytesOf(cells) > kMaxBytes - bytes_.size())
        return false;
    row.offset = static_cast<uint32_t>(bytes_.size());
    row.cells = static_cast<uint32_t>(cells.size());
    // A text cannot hold a zero byte on screen: a cell ends at its first one, as in a list view.
    for (const std::string& cell : cells)
        bytes_.append(cell.c_str(), std::strlen(cell.c_str()) + 1);
    return true;
}

bool RowStore::Insert(int row, const std::vector<std::string>& cells)
{
    if (row < 0 || row > Count() || rows_.size() >= static_cast<size_t>(std::numeric_limits<int>::max()))
        return false;
    Row record = {0, 0, 0};
    if (!AppendCells(cells, record))
        return false;
    rows_.insert(rows_.begin() + row, record);
    return true;
}

bool RowStore::Erase(int row)
{
    if (!Has(row))
        return false;
    unused_ += RowBytes(rows_[static_cast<size_t>(row)]);
    rows_.erase(rows_.begin() + row);
    Reclaim();
    return true;
}

void RowStore::Clear()
{
    rows_.clear();
    rows_.shrink_to_fit();
    bytes_.clear();
    bytes_.shrink_to_fit();
    unused_ = 0;
}

const char* RowStore::Cell(int row, int column) const
{
    if (!Has(row))
        return nullptr;
    const Row& record = rows_[static_cast<size_t>(row)];
    if (column < 0 || static_cast<uint32_t>(column) >= record.cells)
        return "";
    const char* at = bytes_.data() + record.offset;
    for (int c = 0; c < column; ++c)
        at += std::strlen(at) + 1;
    return at;
}

int RowStore::CellCount(int row) const
{
    return Has(row) ? static_cast<int>(rows_[static_cast<size_t>(row)].cells) : 0;
}

bool RowStore::SetCell(int row, int column, const std::string& text)
{
    if (!Has(row) || column < 0)
        return false;
    Row& record = rows_[static_cast<size_t>(row)];
    std::vector<std::string> cells(std::max<size_t>(record.cells, static_cast<size_t>(column) + 1));
    for (uint32_t c = 0; c < record.cells; ++c)
        cells[c] = Cell(row, static_cast<int>(c));
    cells[static_cast<size_t>(column)] = text;
    // The changed row goes to the end of the block; its old cells wait to be reclaimed.
    const size_t oldBytes = RowBytes(record);
    Row moved = record;
    if (!AppendCells(cells, moved))
        return false;
    record = moved;
    unused_ += oldBytes;
    Reclaim();
    return true;
}

bool RowStore::SetData(int row, intptr_t value)
{
    if (!Has(row))
        return false;
    rows_[static_cast<size_t>(row)].data = value;
    return true;
}

intptr_t RowStore::Data(int row) const
{
    return Has(row) ? rows_[static_cast<size_t>(row)].data : 0;
}

size_t RowStore::RowBytes(const Row& record) const
{
    const char* at = bytes_.data() + record.offset;
    const char* end = at;
    for (uint32_t c = 0; c < record.cells; ++c)
        end += std::strlen(end) + 1;
    return static_cast<size_t>(end - at);
}

void RowStore::Reclaim()
{
    if (unused_ < kReclaimAtLeast || unused_ * 2 < bytes_.size())
        return;
    std::string packed;
    packed.reserve(bytes_.size() - unused_);
    for (Row& record : rows_) {
        const size_t length = RowBytes(record);
        const size_t from = record.offset;
        record.offset = static_cast<uint32_t>(packed.size());
        packed.append(bytes_, from, length);
    }
    bytes_.swap(packed);
    unused_ = 0;
}

#pragma once
// Tests: the cells of a list view unit, by column or by row.
#include <string>
#include <vector>

#include "runtime/forms/unit.h"

namespace app_test {

inline std::vector<std::string> ColumnCells(const forms::Unit& list, int column)
{
    std::vector<std::string> cells;
    for (int row = 0; row < list.RowCount(); ++row)
        cells.push_back(list.Cell(row, column));
    return cells;
}

inline std::vector<std::string> RowCells(const forms::Unit& list, int row)
{
    std::vector<std::string> cells;
    for (int column = 0; column < list.ColumnCount(); ++column)
        cells.push_back(list.Cell(row, column));
    return cells;
}

}  // namespace app_test

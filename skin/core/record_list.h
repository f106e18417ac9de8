#pragma once
// The lists of skin records: 1-based, owning, and stable in memory (each record sits behind its own
// pointer, so a window procedure may keep the address while the list grows or loses other records).
#include <memory>
#include <vector>

template <class T>
using RecordList = std::vector<std::unique_ptr<T>>;

// Record number `index` (1-based) of the list, or nullptr when the number is outside 1..count.
template <class T>
T* RecordAt(const RecordList<T>& list, int index)
{
    if (index < 1 || static_cast<size_t>(index) > list.size())
        return nullptr;
    return list[static_cast<size_t>(index) - 1].get();
}

template <class T>
int RecordCount(const RecordList<T>& list)
{
    return static_cast<int>(list.size());
}

// Appends the record and returns its number, the list's new count.
template <class T>
int AppendRecord(RecordList<T>& list, std::unique_ptr<T> record)
{
    list.push_back(std::move(record));
    return static_cast<int>(list.size());
}

#pragma once
// Tests and the benchmark: a temporary database file holding a table SC with the given rows
// (id, title, luck, explain), made through the database layer.
#include <cstdio>
#include <string>
#include <vector>

#include "db/database.h"
#include "runtime/unique_temp_path.h"

struct ScRow {
    std::string title;
    std::string luck;
    std::string explanation;
};

// A full SC table: all 125 titles, each with a luck word (吉, 平 and 凶 in turn).
inline std::vector<ScRow> AllScTitles()
{
    const char* elements[] = {"木", "火", "土", "金", "水"};
    const char* lucks[] = {"吉", "平", "凶"};
    std::vector<ScRow> rows;
    for (int h = 0; h < 5; ++h)
        for (int p = 0; p < 5; ++p)
            for (int e = 0; e < 5; ++e)
                rows.push_back({std::string(elements[h]) + elements[p] + elements[e], lucks[(h + p + e) % 3], "说明<BR>第二行"});
    return rows;
}

// A database file name in folder (ending in a separator) that no other test process picks at the same time.
inline std::string UniqueDatabasePath(const std::string& folder, const std::string& stem)
{
    return UniqueTempPath(folder, stem, ".db");
}

class ScFixture {
public:
    ~ScFixture() { Remove(); }

    // Replaces any file at path with a new database; rows go in in their order.
    bool Create(const std::string& path, const std::vector<ScRow>& rows)
    {
        Remove();
        path_ = path;
        std::remove(path_.c_str());
        std::FILE* f = std::fopen(path_.c_str(), "wb");  // an empty file is an empty database
        if (!f)
            return false;
        std::fclose(f);
        if (!db.Open(path_) || !db.Execute("create table SC (id integer, title text, luck text, explain text)"))
            return false;
        // One transaction: a file write per row made a full table take seconds.
        if (!db.Execute("begin"))
            return false;
        int id = 0;
        for (const ScRow& row : rows)
            if (!db.Execute("insert into SC values (?, ?, ?, ?)", {std::to_string(++id), row.title, row.luck, row.explanation}))
                return false;
        return db.Execute("commit");
    }

    void Remove()
    {
        db.Close();
        if (!path_.empty())
            std::remove(path_.c_str());
        path_.clear();
    }

    DbConnection db;

private:
    std::string path_;
};

#pragma once
// Tests and the benchmark: a temporary database file holding a table SC with the given rows
// (id, title, luck, explain), made through the database layer.
#include <cstdio>
#include <string>
#include <vector>

#include "db/database.h"

struct ScRow {
    std::string title;
    std::string luck;
    std::string explanation;
};

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
        int id = 0;
        for (const ScRow& row : rows)
            if (!db.Execute("insert into SC values (?, ?, ?, ?)", {std::to_string(++id), row.title, row.luck, row.explanation}))
                return false;
        return true;
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

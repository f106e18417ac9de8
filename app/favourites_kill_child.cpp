// The child of the favourites kill test: appends favourites to the database file named first on the
// command line, through the program's append, until it is killed. Each name whose add was acknowledged
// is written to standard output at once, one per line: "收藏<round>_<n>".
#include <windows.h>

#include <string>

#include "app/favourites_store.h"
#include "db/database.h"

int main(int argc, char** argv)
{
    if (argc < 3)
        return 2;
    DbConnection db;
    DbRecordSet records;
    if (!db.Open(argv[1]) || !records.Attach(&db))
        return 3;
    HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    const std::string prefix = std::string("收藏") + argv[2] + "_";
    for (int n = 0;; ++n) {
        const std::string name = prefix + std::to_string(n);
        if (!AppendFavouriteName(records, name))
            continue;
        const std::string line = name + "\n";
        DWORD written = 0;
        if (!WriteFile(out, line.data(), static_cast<DWORD>(line.size()), &written, nullptr) || written != line.size())
            return 4;
    }
}

#include "app/poem_queries.h"

#include "db/database.h"

const DynastyLabel kDynastyLabels[14] = {
    {"透明标签_先秦", "1.先秦", "秦"},     {"透明标签_汉", "2.汉", "汉"},
    {"透明标签_魏晋", "3.魏晋", "魏晋"},   {"透明标签_南北朝", "4.南北朝", "南北朝"},
    {"透明标签_随", "5.随", "隋"},         {"透明标签_唐", "6.唐", "唐"},
    {"透明标签_宋", "7.宋", "宋"},         {"透明标签_元", "8.元", "元"},
    {"透明标签_辽", "9.辽", "辽"},         {"透明标签_金", "10.金", "金"},
    {"透明标签_明", "11.明", "明"},        {"透明标签_清", "12.清", "清"},
    {"透明标签_现当代", "13.现当代", "现当代"}, {"透明标签_不详", "14.不详", "不详"},
};

namespace {

struct Query {
    const char* sql;
    std::vector<std::string> params;
};

// Opens the queries in turn until one gives a record; the result is that of the last open.
bool OpenFirstWithRecords(DbRecordSet& records, const std::vector<Query>& queries)
{
    bool opened = false;
    for (const Query& query : queries) {
        opened = records.OpenSql(query.sql, query.params);
        if (opened && records.RecordCount() > 0)
            break;
    }
    return opened;
}

}  // namespace

bool QueryPoetryDatabase(DbRecordSet& records, const std::string& dynasty, const std::string& poet,
                         const std::string& title)
{
    if (!dynasty.empty())
        return OpenFirstWithRecords(records, {
            {"select 诗人 from 诗词 where 朝代=? group by 诗人 order by min(rowid)", {dynasty}},
            {"select 诗人 from 诗词 where 朝代 like '%' || ? || '%' group by 诗人 order by min(rowid)", {dynasty}},
        });
    if (!poet.empty() && title.empty())
        return OpenFirstWithRecords(records, {
            {"select 诗名 from 诗词 where 诗人=? group by 诗名 order by min(rowid)", {poet}},
            {"select 诗名 from 诗词 where 诗人 like '%' || ? || '%' group by 诗名 order by min(rowid)", {poet}},
        });
    if (!title.empty())
        return OpenFirstWithRecords(records, {
            {"select * from 诗词 where 诗名=? and 诗人=? order by rowid", {title, poet}},
            {"select * from 诗词 where 诗名=? order by rowid", {title}},
            {"select * from 诗词 where 诗名 like ? || '%' and 诗人 like '%' || ? || '%' order by rowid", {title, poet}},
        });
    records.Close();
    return false;
}

std::vector<std::string> ColumnValues(DbRecordSet& records, const std::string& column)
{
    std::vector<std::string> values;
    int index = records.FieldIndex(column);
    if (index < 0)
        return values;
    for (bool more = records.MoveFirst(); more; more = records.MoveNext())
        values.push_back(records.Field(index));
    return values;
}

// Names of the sexagenary cycle and their nayin.
#include "calendar/calendar.h"

namespace {

const char* const kStems[10] = {"甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"};
const char* const kBranches[12] = {"子", "丑", "寅", "卯", "辰", "巳", "午", "未", "申", "酉", "戌", "亥"};

// One nayin for each two successive pairs: 甲子 乙丑 海中金, 丙寅 丁卯 炉中火, ...
const char* const kNayin[30] = {
    "海中金", "炉中火", "大林木", "路旁土", "剑锋金", "山头火", "涧下水", "城头土", "白蜡金", "杨柳木",
    "泉中水", "屋上土", "霹雳火", "松柏木", "长流水", "沙中金", "山下火", "平地木", "壁上土", "金箔金",
    "覆灯火", "天河水", "大驿土", "钗钏金", "桑柘木", "大溪水", "沙中土", "天上火", "石榴木", "大海水",
};

}  // namespace

std::string StemBranchName(int n)
{
    if (n < 1 || n > 60)
        return std::string();
    return std::string(kStems[(n - 1) % 10]) + kBranches[(n - 1) % 12];
}

std::string NayinName(const std::string& stemBranch)
{
    for (int n = 1; n <= 60; ++n)
        if (StemBranchName(n) == stemBranch)
            return kNayin[(n - 1) / 2];
    return std::string();
}

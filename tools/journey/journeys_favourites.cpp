// Favourites as a parent keeps them: names added from 组合模式 (one of them twice), one deleted, the
// program closed and started again: the kept name, and only it, is listed.
#include "tools/journey/journey_checks.h"
#include "tools/journey/journeys.h"
#include "tools/journey/real_input.h"
#include "tools/journey/remote_controls.h"

namespace journey {
namespace {

// The name (column 1) of a visible row of the first list; row -1 is the top visible row.
bool NameOfRow(Session& session, int row, std::string& name, std::string& reason)
{
    const Rows rows = RowsOf(session, kMain, 0);
    HWND list = VisibleList(session, kMain, 0);
    const int index = list && row < 0 ? TopVisibleRow(list) - row - 1 : row;
    if (index < 0 || static_cast<int>(rows.size()) <= index || rows[static_cast<size_t>(index)].size() < 2) {
        reason = "no row " + std::to_string(index);
        return false;
    }
    name = rows[static_cast<size_t>(index)][1];
    return true;
}

// The favourites list holds exactly these names, in this order.
bool ListsExactly(Session& session, const std::vector<std::string>& names, std::string& reason)
{
    const Rows rows = RowsOf(session, kMain, 0);
    std::vector<std::string> listed;
    for (const auto& row : rows)
        listed.push_back(row.size() > 1 ? row[1] : std::string());
    if (listed == names)
        return true;
    reason = "the favourites list";
    for (const std::string& name : listed)
        reason += " \"" + name + "\"";
    reason += " (" + std::to_string(listed.size()) + " rows), not";
    for (const std::string& name : names)
        reason += " \"" + name + "\"";
    return false;
}

}  // namespace

std::vector<Journey> FavouritesJourneys()
{
    // The names read on the way: the one added twice, then the other one.
    static std::string twice, once;
    std::vector<Journey> journeys;
    journeys.push_back({"favourites-set",
                        {
                            LayOut({SurnameSettings("王")}),
                            Launch(),
                            ClickOn(kMain, NavItem(4), "open-combination"),
                            TypeInto(kMain, UnitBelow("请输入备选汉字*"), "浩,然", "type-pool"),
                            ClickOn(kMain, UnitWithText("生成"), "generate"),
                            Verify("rows", [](Session& session, std::string& reason) {
                                return WaitForRows(session, kMain, 0, 2, 10000, reason);
                            }, {kMain}),
                            Verify("read-names", [](Session& session, std::string& reason) {
                                return NameOfRow(session, -1, twice, reason) && NameOfRow(session, -2, once, reason);
                            }),
                            RightClickOn(kMain, ListRow(0, -1), "right-click-add"),
                            ChooseMenuItem(3, "menu-add").LeavesBox(),
                            AnswerBox("增加成功", "added-box"),
                            RightClickOn(kMain, ListRow(0, -1), "right-click-add-again"),
                            ChooseMenuItem(3, "menu-add-again").LeavesBox(),
                            AnswerBox("自选列表中已有这个名字", "already-there-box"),
                            RightClickOn(kMain, ListRow(0, -2), "right-click-add-other"),
                            ChooseMenuItem(3, "menu-add-other").LeavesBox(),
                            AnswerBox("增加成功", "added-other-box"),
                            ClickOn(kMain, NavItem(3), "open-favourites"),
                            Verify("two-listed", [](Session& session, std::string& reason) {
                                return ListsExactly(session, {twice, once}, reason);
                            }, {kMain}),
                            RightClickOn(kMain, ListRow(0, -1), "right-click-delete"),
                            ChooseMenuItem(2, "menu-delete"),
                            Verify("one-left", [](Session& session, std::string& reason) {
                                return ListsExactly(session, {once}, reason);
                            }, {kMain}),
                            CloseWindow(kMain, CloseWay::CloseButton, "close-main"),
                            ExpectExit(0, 10000, "process-ends"),
                            Launch(),
                            ClickOn(kMain, NavItem(3), "open-favourites-again"),
                            Verify("kept-one-after-restart", [](Session& session, std::string& reason) {
                                return ListsExactly(session, {once}, reason);
                            }, {kMain}),
                        }});
    return journeys;
}

}  // namespace journey

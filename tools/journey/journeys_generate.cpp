// The first page and the combination page: names generated, paused, resumed and stopped, a minimum
// score, the result list's menu, the combination pool typed with either kind of comma, favourites.
#include <algorithm>

#include "tools/journey/journey_checks.h"
#include "tools/journey/journeys.h"
#include "tools/journey/real_input.h"
#include "tools/journey/remote_controls.h"

namespace journey {
namespace {

constexpr char kMinimumCheck[] = "自动挑选评分为*";

// Rows that grow while the generator runs and stand still while it is paused.
Step RowsStandStill(const std::string& name)
{
    return Verify(name, [](Session& session, std::string& reason) {
        const size_t before = RowsOf(session, kMain, 0).size();
        Sleep(500);
        const size_t after = RowsOf(session, kMain, 0).size();
        if (before != after) {
            reason = "rows went on from " + std::to_string(before) + " to " + std::to_string(after) + " while paused";
            return false;
        }
        return true;
    }, {kMain});
}

Step RowsGrow(const std::string& name)
{
    return Verify(name, [](Session& session, std::string& reason) {
        const size_t before = RowsOf(session, kMain, 0).size();
        return WaitForRows(session, kMain, 0, static_cast<int>(before) + 5, 10000, reason);
    }, {kMain});
}

Step AllScoresAbove(int minimum, const std::string& name)
{
    return Verify(name, [=](Session& session, std::string& reason) {
        // A start clears the list: every row is of the run with the minimum.
        const Rows rows = RowsOf(session, kMain, 0);
        if (rows.empty()) {
            reason = "no names listed";
            return false;
        }
        for (const auto& row : rows) {
            if (ScoreIn(row[0]) <= minimum) {
                reason = "\"" + row[0] + "\" does not score above " + std::to_string(minimum);
                return false;
            }
        }
        return true;
    }, {kMain});
}

// The name of row `row` of the first list, kept for the next steps.
Step RememberRow(int row, const std::string& name)
{
    return Verify(name, [=](Session& session, std::string& reason) {
        const Rows rows = RowsOf(session, kMain, 0);
        HWND list = VisibleList(session, kMain, 0);
        const int index = list && row < 0 ? TopVisibleRow(list) - row - 1 : row;
        if (index < 0 || static_cast<int>(rows.size()) <= index) {
            reason = "no row " + std::to_string(index);
            return false;
        }
        const auto& cells = rows[static_cast<size_t>(index)];
        const std::string& cell = cells.size() > 1 && !cells[1].empty() ? cells[1] : cells[0];
        session.lastText = cell.substr(0, FindWholeText(cell, "【"));
        return true;
    });
}

std::vector<Step> CombinationRun(const char* pool, const char* label)
{
    const std::string tag = label;
    return {
        TypeInto(kMain, UnitBelow("请输入备选汉字*"), pool, "type-pool-" + tag),
        ClickOn(kMain, UnitWithText("生成"), "generate-" + tag),
        Verify("whole-characters-" + tag, [=](Session& session, std::string& reason) {
            if (!WaitForRows(session, kMain, 0, 3, 10000, reason))
                return false;
            Sleep(300);
            const Rows rows = RowsOf(session, kMain, 0);
            std::string pooled;
            for (const auto& row : rows) {
                const std::string& name = row.size() > 1 ? row[1] : row[0];
                if (HoldsBrokenCharacter(name)) {
                    reason = "row \"" + name + "\" holds a broken character";
                    return false;
                }
                pooled += name;
            }
            for (const char* character : {"浩", "然", "宇"}) {
                if (FindWholeText(pooled, character) == std::string::npos) {
                    reason = std::string("no row uses ") + character;
                    return false;
                }
            }
            return true;
        }, {kMain}),
    };
}

}  // namespace

std::vector<Journey> GenerateJourneys()
{
    std::vector<Journey> journeys;
    journeys.push_back({"generate",
                        {
                            LayOut({}),
                            Launch(),
                            TypeInto(kMain, UnitRightOf("姓氏："), "王", "type-surname"),
                            ClickOn(kMain, UnitWithText("女"), "choose-girl"),
                            ChooseComboItem(kMain, UnitRightOf("名字字数："), 1, "choose-three"),
                            ClickOn(kMain, UnitWithText("生成"), "generate"),
                            Verify("twenty-rows", [](Session& session, std::string& reason) {
                                return WaitForRows(session, kMain, 0, 20, 15000, reason);
                            }, {kMain}),
                            ClickOn(kMain, UnitWithText("暂停"), "pause"),
                            RowsStandStill("paused"),
                            ClickOn(kMain, UnitWithText("继续"), "resume"),
                            RowsGrow("resumed"),
                            ClickOn(kMain, UnitWithText("停止"), "stop"),
                            Verify("stopped", [](Session& session, std::string& reason) {
                                return WaitForButtonText(session, kMain, "生成", 2000, reason);
                            }, {kMain}),
                            ClickOn(kMain, UnitWithText(kMinimumCheck), "tick-minimum"),
                            TypeInto(kMain, UnitWithText("80"), "85", "type-85"),
                            ClickOn(kMain, UnitWithText("生成"), "generate-85"),
                            Verify("rows-85", [](Session& session, std::string& reason) {
                                return WaitForRows(session, kMain, 0, 5, 20000, reason);
                            }, {kMain}),
                            ClickOn(kMain, UnitWithText("停止"), "stop-85"),
                            AllScoresAbove(85, "all-above-85"),
                        }});
    journeys.push_back({"result-menu",
                        {
                            RememberRow(-1, "read-row"),
                            RightClickOn(kMain, ListRow(0, -1), "right-click-row"),
                            ChooseMenuItem(1, "menu-score").Shows(kReport).Hides(kMain),
                            ReportShowsName("", "report-shows-name"),
                            CloseWindow(kReport, CloseWay::CloseButton, "close-report").Shows(kMain),
                            RememberRow(-1, "read-row-to-copy"),
                            RightClickOn(kMain, ListRow(0, -1), "right-click-copy"),
                            ChooseMenuItem(2, "menu-copy").LeavesBox(),
                            AnswerBox("复制成功", "copied-box"),
                            Verify("clipboard-holds-name", [](Session& session, std::string& reason) {
                                const std::string clip = ClipboardGbk();
                                if (FindWholeText(clip, session.lastText) != 0) {
                                    reason = "the clipboard holds \"" + clip + "\", not \"" + session.lastText + "\"";
                                    return false;
                                }
                                return true;
                            }),
                            RememberRow(-2, "read-second-row"),
                            RightClickOn(kMain, ListRow(0, -2), "right-click-add"),
                            ChooseMenuItem(3, "menu-add"),
                            Verify("collected", [](Session& session, std::string& reason) {
                                const std::string edits = TextsOfClass(session, kMain, "Edit");
                                if (FindWholeText(edits, session.lastText) == std::string::npos) {
                                    reason = "the collected names do not hold \"" + session.lastText + "\"";
                                    return false;
                                }
                                return true;
                            }, {kMain}),
                            RightClickOn(kMain, ListRow(0, -1), "right-click-favourites"),
                            ChooseMenuItem(4, "menu-favourites"),
                            Verify("favourites-page", [](Session& session, std::string& reason) {
                                HWND window = session.WaitForWindow(kMain);
                                HWND tabs = window ? FindByClass(window, "SysTabControl32", 0) : nullptr;
                                if (!tabs || TabSelection(tabs) != 3) {
                                    reason = "the favourites page is not shown";
                                    return false;
                                }
                                return true;
                            }, {kMain}),
                        }});
    std::vector<Step> combination = {
        ClickOn(kMain, NavItem(4), "open-combination"),
    };
    for (const auto& run : {CombinationRun("浩，然，宇", "full-width"), CombinationRun("浩,然,宇", "ascii")})
        combination.insert(combination.end(), run.begin(), run.end());
    const std::vector<Step> favourites = {
        RememberRow(-1, "read-row"),
        DoubleClickOn(kMain, "double-click-row", ListRow(0, -1)).Shows(kReport).Hides(kMain),
        ReportShowsName("", "report-shows-name"),
        CloseWindow(kReport, CloseWay::CloseButton, "close-report").Shows(kMain),
        RightClickOn(kMain, ListRow(0, -1), "right-click-add"),
        ChooseMenuItem(3, "menu-add").LeavesBox(),
        AnswerBox("增加成功", "added-box"),
        RightClickOn(kMain, ListRow(0, -2), "right-click-add-second"),
        ChooseMenuItem(3, "menu-add-second").LeavesBox(),
        AnswerBox("增加成功", "added-second-box"),
        ClickOn(kMain, NavItem(3), "open-favourites"),
        Verify("favourites-listed", [](Session& session, std::string& reason) {
            const Rows rows = RowsOf(session, kMain, 0);
            session.mark = rows.size();
            for (const auto& row : rows)
                for (const auto& cell : row)
                    if (cell == session.lastText)
                        return rows.size() >= 2 || (reason = "fewer than two favourites", false);
            reason = "the favourites do not list \"" + session.lastText + "\"";
            return false;
        }, {kMain}),
        RightClickOn(kMain, ListRow(0, -1), "right-click-delete"),
        ChooseMenuItem(2, "menu-delete"),
        Verify("one-deleted", [](Session& session, std::string& reason) {
            const Rows rows = RowsOf(session, kMain, 0);
            if (rows.size() + 1 != session.mark) {
                reason = std::to_string(session.mark) + " favourites became " + std::to_string(rows.size());
                return false;
            }
            for (size_t i = 0; i < rows.size(); ++i) {
                if (rows[i].empty() || rows[i][0] != std::to_string(i + 1)) {
                    reason = "row " + std::to_string(i) + " is numbered \"" + (rows[i].empty() ? "" : rows[i][0]) + "\"";
                    return false;
                }
            }
            return true;
        }, {kMain}),
        RightClickOn(kMain, ListRow(0, -1), "right-click-delete-all"),
        ChooseMenuItem(3, "menu-delete-all").LeavesBox(),
        AnswerBox("确定删除全部自选名字吗", "delete-all-asked"),
        Verify("all-deleted", [](Session& session, std::string& reason) {
            const size_t left = RowsOf(session, kMain, 0).size();
            if (left != 0) {
                reason = std::to_string(left) + " favourites are left";
                return false;
            }
            return true;
        }, {kMain}),
    };
    combination.insert(combination.end(), favourites.begin(), favourites.end());
    journeys.push_back({"combination", combination});
    return journeys;
}

}  // namespace journey

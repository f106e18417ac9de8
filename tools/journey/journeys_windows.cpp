// The secondary windows: the birth chart, the perpetual calendar with its tabs and clock tools, the
// skin settings, the help menu with the about window, and the export of the collected names.
#include "tools/journey/journey_checks.h"
#include "tools/journey/journeys.h"
#include "tools/journey/real_input.h"
#include "tools/journey/remote_controls.h"

namespace journey {
namespace {

constexpr char kChart[] = "生辰八字";
constexpr char kCalendar[] = "农历时钟工具";
constexpr char kAbout[] = "联系我们";

// The side list of 趣味工具: its scroll bar's down arrow, and its last row once scrolled to the end.
Target SideListDownArrow() { return Offset(174, 647); }
Target SideListLastRow() { return Offset(90, 640); }

// Where the collected names are exported: beside the program folder, so it outlives the program.
std::string ExportPath(const Session& session)
{
    return FolderOf(session.folder) + "\\收集的名字.txt";
}

}  // namespace

std::vector<Journey> WindowJourneys()
{
    std::vector<Journey> journeys;
    std::vector<Step> calendar = {
        ClickOn(kMain, NavItem(8), "open-chart").Shows(kChart),
        CloseWindow(kChart, CloseWay::CloseButton, "close-chart"),
        ClickOn(kMain, TabHeader("趣味工具"), "open-fun-tools"),
        HoldOn(kMain, SideListDownArrow(), 1500, "scroll-side-list"),
        ClickOn(kMain, SideListLastRow(), "open-calendar").Shows(kCalendar).Hides(kMain),
    };
    for (const char* tab : {"公历", "日历牌", "时间", "事务", "农历"}) {
        const std::string name = std::string("tab-") + (tab == std::string("公历")     ? "solar"
                                                        : tab == std::string("日历牌") ? "board"
                                                        : tab == std::string("时间")   ? "time"
                                                        : tab == std::string("事务")   ? "tasks"
                                                                                       : "lunar");
        calendar.push_back(ClickOn(kCalendar, TabHeader(tab), name));
        if (tab == std::string("日历牌")) {
            calendar.push_back(ClickOn(kCalendar, UnitWithText("刷新"), "board-refresh"));
            calendar.push_back(ClickOn(kCalendar, UnitWithText("四柱"), "board-pillars"));
            calendar.push_back(ClickOn(kCalendar, UnitWithText("节气"), "board-terms"));
        }
    }
    calendar.push_back(CloseWindow(kCalendar, CloseWay::CloseButton, "close-calendar").Shows(kMain));
    journeys.push_back({"calendar", calendar});

    journeys.push_back({"skins", SkinSettingsSteps()});

    journeys.push_back({"help-export",
                        {
                            ClickOn(kMain, UnitWithText("使用帮助"), "open-help"),
                            ChooseMenuItem(1, "menu-about").Shows(kAbout).Hides(kMain),
                            CloseWindow(kAbout, CloseWay::CloseButton, "close-about").Shows(kMain),
                            ClickOn(kMain, UnitWithText("使用帮助"), "open-help-again"),
                            ChooseMenuItem(2, "menu-upgrade"),
                            // The run's first file dialog loads the shell's folders and drives on the
                            // program's thread: on two busy cores that took over two seconds.
                            ClickOn(kMain, UnitWithText("导出自选"), "export").LeavesBox().AnswersWithin(10000),
                            Verify("save-as", [](Session& session, std::string& reason) {
                                const DWORD end = GetTickCount() + 5000;
                                HWND dialog = nullptr;
                                while (!(dialog = session.MessageBox()) && static_cast<int>(end - GetTickCount()) > 0)
                                    Sleep(50);
                                HWND name = dialog ? FindByClass(dialog, "Edit", 0) : nullptr;
                                if (!name) {
                                    reason = "no save dialog with a file name field";
                                    return false;
                                }
                                RECT r;
                                GetWindowRect(name, &r);
                                ClickAt(POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2});
                                PressKey(VK_END);
                                PressKey(VK_HOME, VK_SHIFT);
                                // An export left by an earlier run would bring the replace question.
                                DeleteFileA(ExportPath(session).c_str());
                                PasteText(ExportPath(session));
                                PressKey(VK_RETURN);
                                return true;
                            }).LeavesBox(),
                            AnswerBox("导出", "exported-box"),
                            Verify("file-written", [](Session& session, std::string& reason) {
                                std::string bytes;
                                if (!ReadWholeFile(ExportPath(session), bytes) || FindWholeText(bytes, "【") == std::string::npos) {
                                    reason = "the export holds \"" + bytes + "\"";
                                    return false;
                                }
                                return true;
                            }),
                        }});
    journeys.push_back({"restart",
                        {
                            CloseWindow(kMain, CloseWay::CloseButton, "close-main"),
                            ExpectExit(0, 10000, "process-ends"),
                            Launch(),
                            Verify("surname-kept", [](Session& session, std::string& reason) {
                                HWND window = session.WaitForWindow(kMain);
                                HWND surname = window ? FindRightOf(window, "姓氏：") : nullptr;
                                if (!surname || WindowText(surname) != "王") {
                                    reason = "the surname box holds \"" + (surname ? WindowText(surname) : std::string()) + "\"";
                                    return false;
                                }
                                return true;
                            }, {kMain}),
                            ClickOn(kMain, NavItem(3), "open-favourites"),
                            Verify("favourites-kept", [](Session& session, std::string& reason) {
                                if (RowsOf(session, kMain, 0).empty()) {
                                    reason = "no favourites after the restart";
                                    return false;
                                }
                                return true;
                            }, {kMain}),
                            Verify("export-kept", [](Session& session, std::string& reason) {
                                std::string bytes;
                                if (!ReadWholeFile(ExportPath(session), bytes) || bytes.empty()) {
                                    reason = "the exported file is gone";
                                    return false;
                                }
                                return true;
                            }),
                            CloseWindow(kMain, CloseWay::CloseButton, "close-again"),
                            ExpectExit(0, 10000, "process-ends-again"),
                        }});
    return journeys;
}

}  // namespace journey

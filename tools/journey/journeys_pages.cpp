// The poem page, the English names and the nicknames.
#include "tools/journey/journey_checks.h"
#include "tools/journey/journeys.h"
#include "tools/journey/real_input.h"
#include "tools/journey/remote_controls.h"

namespace journey {
namespace {

// The picker's check boxes: buttons whose text is one character.
std::vector<HWND> CharacterBoxes(Session& session)
{
    std::vector<HWND> boxes;
    HWND window = session.WaitForWindow(kMain);
    HWND hint = window ? FindByText(window, "请选择下面诗词中的单字") : nullptr;
    if (!hint)
        return boxes;
    for (HWND unit : VisibleDescendants(GetParent(hint)))
        if (WindowClass(unit) == "Button" && WindowText(unit).size() == 2 &&
            static_cast<unsigned char>(WindowText(unit)[0]) >= 0x81)
            boxes.push_back(unit);
    return boxes;
}

Step TickCharacters(int count, const std::string& name)
{
    return Verify(name, [=](Session& session, std::string& reason) {
        const std::vector<HWND> boxes = CharacterBoxes(session);
        if (static_cast<int>(boxes.size()) < count) {
            reason = "the poem shows " + std::to_string(boxes.size()) + " character boxes";
            return false;
        }
        for (int i = 0; i < count; ++i) {
            RECT r;
            GetWindowRect(boxes[static_cast<size_t>(i)], &r);
            ClickAt(POINT{r.left + 6, (r.top + r.bottom) / 2});
        }
        return true;
    }, {kMain});
}

// Every nickname of the list in the pattern: AA, 小A or A儿.
Step NicknamesFollow(const char* pattern, const std::string& name)
{
    const std::string kind = pattern;
    return Verify(name, [=](Session& session, std::string& reason) {
        if (!WaitForRows(session, kMain, 0, 5, 15000, reason))
            return false;
        Sleep(500);
        for (const auto& row : RowsOf(session, kMain, 0)) {
            const std::string nick = row.size() > 1 ? row[1] : std::string();
            const bool fits = nick.size() == 4 && (kind == "AA"   ? nick.substr(0, 2) == nick.substr(2)
                                                   : kind == "小A" ? nick.substr(0, 2) == "小"
                                                                   : nick.substr(2) == "儿");
            if (!fits) {
                reason = "\"" + nick + "\" is not an " + kind + " nickname";
                return false;
            }
        }
        return true;
    }, {kMain});
}

}  // namespace

std::vector<Journey> PageJourneys()
{
    std::vector<Journey> journeys;
    journeys.push_back({"poem",
                        {
                            ClickOn(kMain, NavItem(5), "open-poems"),
                            ClickOn(kMain, UnitWithText("6.唐"), "click-tang"),
                            Verify("poets", [](Session& session, std::string& reason) {
                                return WaitForRows(session, kMain, 0, 1, 5000, reason);
                            }, {kMain}),
                            ClickOn(kMain, ListRow(0, 0), "first-poet"),
                            Verify("titles", [](Session& session, std::string& reason) {
                                return WaitForRows(session, kMain, 1, 1, 5000, reason);
                            }, {kMain}),
                            ClickOn(kMain, ListRow(1, 0), "first-title"),
                            Verify("poem-shown", [](Session& session, std::string& reason) {
                                if (CharacterBoxes(session).size() < 2) {
                                    reason = "one click on the title shows no character boxes";
                                    return false;
                                }
                                return true;
                            }, {kMain}),
                            TickCharacters(2, "tick-two"),
                            ClickOn(kMain, UnitWithText("确认选中"), "confirm"),
                            ClickOn(kMain, UnitWithText("生成"), "generate"),
                            Verify("names", [](Session& session, std::string& reason) {
                                return WaitForRows(session, kMain, 2, 1, 10000, reason);
                            }, {kMain}),
                            RightClickOn(kMain, ListRow(2, 0), "right-click-add"),
                            ChooseMenuItem(3, "menu-add").LeavesBox(),
                            AnswerBox("增加成功", "added-box"),
                            Verify("box-caption", [](Session& session, std::string& reason) {
                                if (FindWholeText(session.boxText, "[提示]") != 0) {
                                    reason = "the box was captioned " + session.boxText;
                                    return false;
                                }
                                return true;
                            }),
                        }});
    journeys.push_back({"english",
                        {
                            ClickOn(kMain, NavItem(6), "open-english"),
                            TypeInto(kMain, UnitRightOf("姓氏："), "王", "type-wang"),
                            ClickOn(kMain, UnitWithText("生成"), "generate-wang"),
                            Verify("names-wang", [](Session& session, std::string& reason) {
                                return WaitForRows(session, kMain, 0, 1, 5000, reason);
                            }, {kMain}),
                            TypeInto(kMain, UnitRightOf("姓氏："), "欧阳", "type-ouyang"),
                            ClickOn(kMain, UnitWithText("生成"), "generate-ouyang"),
                            Verify("word-for-ouyang", [](Session& session, std::string& reason) {
                                const Rows rows = RowsOf(session, kMain, 0);
                                for (const auto& row : rows)
                                    if (!row.empty() && FindWholeText(row[0], "没有找到") != std::string::npos)
                                        return true;
                                HWND window = session.WaitForWindow(kMain);
                                if (window && FindByText(window, "没有找到*"))
                                    return true;
                                reason = "欧阳 gives " + std::to_string(rows.size()) + " rows and no word";
                                return false;
                            }, {kMain}),
                            TypeInto(kMain, UnitRightOf("姓氏："), "王", "type-wang-again"),
                        }});
    std::vector<Step> nicknames = {ClickOn(kMain, NavItem(7), "open-nicknames")};
    for (const char* pattern : {"AA", "小A", "A儿"}) {
        const std::string radio = std::string(pattern) + "型";
        const std::string tag = pattern == std::string("AA") ? "aa" : pattern == std::string("小A") ? "xiao-a" : "a-er";
        nicknames.push_back(ClickOn(kMain, UnitWithText(radio), "choose-" + tag));
        nicknames.push_back(ClickOn(kMain, UnitWithText("生成"), "generate-" + tag));
        nicknames.push_back(NicknamesFollow(pattern, "listed-" + tag));
    }
    journeys.push_back({"nicknames", nicknames});
    return journeys;
}

}  // namespace journey

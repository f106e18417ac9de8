// A compound surname with one given character, scored and reported as surname and given name; a
// birth month whose day list offers only its own days.
#include <string>
#include <vector>

#include "tools/journey/journey_checks.h"
#include "tools/journey/journeys.h"
#include "tools/journey/remote_controls.h"

namespace journey {
namespace {

constexpr char kBirthLabel[] = "出生时间：";

// The items of the combo right of a label.
bool ComboItems(Session& session, const std::string& label, std::vector<std::string>& items, std::string& shown,
                std::string& reason)
{
    POINT point = {};
    HWND combo = nullptr;
    if (!session.Resolve(kMain, UnitRightOf(label), point, combo, reason))
        return false;
    items.clear();
    const LRESULT count = SendMessageA(combo, CB_GETCOUNT, 0, 0);
    // The items are plain numbers. Read as wide texts: Wine hands an ANSI item of another process
    // over cut to its first character.
    for (LRESULT i = 0; i < count; ++i) {
        wchar_t text[64] = {};
        if (SendMessageW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0) < 64)
            SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        std::string item;
        for (const wchar_t* c = text; *c; ++c)
            item += *c < 0x80 ? static_cast<char>(*c) : '?';
        items.push_back(item);
    }
    char text[64] = {};
    SendMessageA(combo, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    shown = text;
    return true;
}

// The day list runs 1 to `days` and shows `shown`.
Step DayListIs(int days, const std::string& shown, const std::string& name)
{
    return Verify(name, [=](Session& session, std::string& reason) {
        std::vector<std::string> items;
        std::string text;
        if (!ComboItems(session, "月", items, text, reason))
            return false;
        std::vector<std::string> expected;
        for (int day = 1; day <= days; ++day)
            expected.push_back(std::to_string(day));
        if (items != expected) {
            reason = "the day list offers";
            for (const std::string& item : items)
                reason += " " + item;
            return false;
        }
        if (text != shown) {
            reason = "the day shown is \"" + text + "\", not \"" + shown + "\"";
            return false;
        }
        return true;
    }, {kMain});
}

// The report's text holds this part.
Step ReportHolds(const std::string& part, const std::string& name)
{
    return Verify(name, [=](Session& session, std::string& reason) {
        HWND report = session.WaitForWindow(kReport, 3000);
        HWND box = report ? FindByClass(report, "RichEdit20A", 0) : nullptr;
        const std::string text = box ? RichEditText(box) : std::string();
        if (FindWholeText(text, part) == std::string::npos) {
            const size_t at = FindWholeText(text, "五格");
            reason = "the report does not say \"" + part + "\": " +
                     (at == std::string::npos ? text.substr(0, 80) : text.substr(at, 80));
            return false;
        }
        return true;
    }, {kReport});
}

}  // namespace

std::vector<Journey> NameAndDateJourneys()
{
    std::vector<Journey> journeys;
    journeys.push_back({"compound-surname-two-characters",
                        {
                            LayOut({SurnameSettings("司马")}),
                            Launch(),
                            ChooseComboItem(kMain, UnitRightOf("名字字数："), 0, "choose-two"),
                            ClickOn(kMain, UnitWithText("生成"), "generate"),
                            Verify("rows", [](Session& session, std::string& reason) {
                                if (!WaitForRows(session, kMain, 0, 3, 15000, reason))
                                    return false;
                                for (const auto& row : RowsOf(session, kMain, 0)) {
                                    const std::string name = row[0].substr(0, FindWholeText(row[0], "【"));
                                    if (name.size() != 6 || FindWholeText(name, "司马") != 0) {
                                        reason = "\"" + row[0] + "\" is no 二字 name of 司马";
                                        return false;
                                    }
                                }
                                return true;
                            }, {kMain}),
                            ClickOn(kMain, UnitWithText("停止"), "stop"),
                            DoubleClickOn(kMain, "open-report", ListRow(0, -1)).Shows(kReport).Hides(kMain),
                            // 司 5 and 马 10 strokes: the surname's grid is theirs together.
                            ReportHolds("天格15(", "heaven-grid-of-the-surname"),
                            CloseWindow(kReport, CloseWay::CloseButton, "close-report").Shows(kMain),
                        }});
    journeys.push_back({"day-list-of-the-month",
                        {
                            LayOut({}),
                            Launch(),
                            ChooseComboItem(kMain, UnitRightOf("年"), 0, "choose-january"),
                            ChooseComboItem(kMain, UnitRightOf("月"), 29, "choose-day-30"),
                            DayListIs(31, "30", "thirty-one-days"),
                            ChooseComboItem(kMain, UnitRightOf(kBirthLabel), 2023 - 1901, "choose-2023"),
                            ChooseComboItem(kMain, UnitRightOf("年"), 1, "choose-february"),
                            DayListIs(28, "28", "no-day-30-in-february-2023"),
                            ChooseComboItem(kMain, UnitRightOf("年"), 3, "choose-april"),
                            DayListIs(30, "28", "april-keeps-the-28th"),
                        }});
    return journeys;
}

}  // namespace journey

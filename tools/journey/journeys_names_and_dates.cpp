// A compound surname with one given character, scored and reported as surname and given name; a
// birth month whose day list offers only its own days; a character outside GBK pasted into the
// surname box and names the scorer cannot read, each refused with a word.
#include <cstring>
#include <string>
#include <vector>

#include "tools/journey/journey_checks.h"
#include "tools/journey/journeys.h"
#include "tools/journey/real_input.h"
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

// Pastes a wide text (one GBK cannot hold) over what the field holds, as a person pastes it from
// another program.
Step PasteWide(const std::string& caption, const Target& field, const std::wstring& text, const std::string& name)
{
    return Verify(name, [=](Session& session, std::string& reason) {
        POINT at = {};
        HWND unit = nullptr;
        if (!session.Resolve(caption, field, at, unit, reason))
            return false;
        ClickAt(at);
        PressKey(VK_END, VK_CONTROL);
        PressKey(VK_HOME, VK_CONTROL, VK_SHIFT);
        const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
        HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
        if (!memory || !OpenClipboard(nullptr)) {
            reason = "the clipboard could not be set";
            if (memory)
                GlobalFree(memory);
            return false;
        }
        memcpy(GlobalLock(memory), text.c_str(), bytes);
        GlobalUnlock(memory);
        EmptyClipboard();
        const bool set = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
        CloseClipboard();
        if (!set) {
            GlobalFree(memory);
            reason = "the clipboard could not be set";
            return false;
        }
        PressKey('V', VK_CONTROL);
        return true;
    }, {caption});
}

Step SurnameBoxHolds(const std::string& expected, const std::string& name)
{
    return Verify(name, [=](Session& session, std::string& reason) {
        POINT point = {};
        HWND box = nullptr;
        if (!session.Resolve(kMain, UnitRightOf("姓氏："), point, box, reason))
            return false;
        char text[64] = {};
        SendMessageA(box, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
        if (expected != text) {
            reason = "the surname box holds \"" + std::string(text) + "\"";
            return false;
        }
        return true;
    }, {kMain});
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
    const std::string needs = "评分要用中文名字";
    journeys.push_back({"input-the-scorer-cannot-use",
                        {
                            LayOut({SurnameSettings("王")}),
                            Launch(),
                            PasteWide(kMain, UnitRightOf("姓氏："), L"\u738b\U0001F600", "paste-an-emoji").LeavesBox(),
                            AnswerBox("GBK以外的字", "outside-gbk-word"),
                            SurnameBoxHolds("王", "emoji-taken-out"),
                            ClickOn(kMain, NavItem(2), "open-scoring"),
                            WaitFor(kScoring),
                            TypeInto(kScoring, NthOfClass("Edit", 0), "Wang", "type-latin"),
                            ClickOn(kScoring, UnitWithText("开始评分"), "score-latin").LeavesBox(),
                            AnswerBox(needs, "latin-refused"),
                            TypeInto(kScoring, NthOfClass("Edit", 0), "娜娜娜", "type-three-characters"),
                            ClickOn(kScoring, UnitWithText("开始评分"), "score-three").LeavesBox(),
                            AnswerBox(needs, "three-refused"),
                            Verify("clear-the-box", [](Session& session, std::string& reason) {
                                POINT at = {};
                                HWND box = nullptr;
                                if (!session.Resolve(kScoring, NthOfClass("Edit", 0), at, box, reason))
                                    return false;
                                ClickAt(at);
                                PressKey(VK_END, VK_CONTROL);
                                PressKey(VK_HOME, VK_CONTROL, VK_SHIFT);
                                PressKey(VK_DELETE);
                                return true;
                            }, {kScoring}),
                            ClickOn(kScoring, UnitWithText("开始评分"), "score-nothing").LeavesBox(),
                            AnswerBox(needs, "blank-refused"),
                            CloseWindow(kScoring, CloseWay::CloseButton, "close-scoring"),
                            TypeInto(kMain, UnitRightOf("姓氏："), "Smith", "type-latin-surname"),
                            ClickOn(kMain, UnitWithText("生成"), "generate-smith").LeavesBox(),
                            AnswerBox("姓氏要用一到两个汉字", "surname-refused"),
                            Verify("nothing-generated", [](Session& session, std::string& reason) {
                                const size_t rows = RowsOf(session, kMain, 0).size();
                                if (rows != 0) {
                                    reason = std::to_string(rows) + " names were made of Smith";
                                    return false;
                                }
                                return true;
                            }, {kMain}),
                        }});
    return journeys;
}

}  // namespace journey

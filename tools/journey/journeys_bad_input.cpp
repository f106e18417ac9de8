// A surname typed with a blank after it or pasted far too long, and a damaged name database: the
// program says what it can and keeps working.
#include <string>

#include "tools/journey/journey_checks.h"
#include "tools/journey/journeys.h"
#include "tools/journey/program_folder.h"

namespace journey {
namespace {

constexpr char kSurnameLabel[] = "姓氏：";

// The surname box shows this text.
Step SurnameBoxShows(const std::string& expected, const std::string& name)
{
    return Verify(name, [=](Session& session, std::string& reason) {
        POINT point = {};
        HWND box = nullptr;
        if (!session.Resolve(kMain, UnitRightOf(kSurnameLabel), point, box, reason))
            return false;
        char text[256] = {};
        SendMessageA(box, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
        if (expected != text) {
            reason = "the surname box shows \"" + std::string(text) + "\"";
            return false;
        }
        return true;
    }, {kMain});
}

// A zeroed database file of the size of a small one.
const std::string& ZeroedDatabase()
{
    static const std::string bytes(16384, '\0');
    return bytes;
}

}  // namespace

std::vector<Journey> BadInputJourneys()
{
    std::string longSurname;
    for (int i = 0; i < 200; ++i)
        longSurname += "张";
    std::vector<Journey> journeys;
    journeys.push_back({"surname-blank-and-length",
                        {
                            LayOut({}),
                            Launch(),
                            TypeInto(kMain, UnitRightOf(kSurnameLabel), "司马 ", "type-surname-and-blank"),
                            ClickOn(kMain, UnitWithText("生成"), "generate"),
                            Verify("names-start-with-the-surname", [](Session& session, std::string& reason) {
                                if (!WaitForRows(session, kMain, 0, 5, 15000, reason))
                                    return false;
                                for (const auto& row : RowsOf(session, kMain, 0)) {
                                    const std::string& name = row[0];
                                    if (name.compare(0, 4, "司马") != 0 || name.size() < 6 || name[4] == ' ') {
                                        reason = "\"" + name + "\" is no name of the surname 司马";
                                        return false;
                                    }
                                }
                                return true;
                            }, {kMain}),
                            ClickOn(kMain, UnitWithText("停止"), "stop"),
                            TypeInto(kMain, UnitRightOf(kSurnameLabel), longSurname, "paste-200-characters"),
                            SurnameBoxShows("张张张张张张", "six-characters-kept"),
                        }});
    journeys.push_back({"damaged-database",
                        {
                            LayOut({{"data\\data.dll", ZeroedDatabase()}}),
                            Launch().LeavesBox(),
                            AnswerBox("名字数据库无法打开", "database-notice"),
                            Verify("database-left-as-it-was", [](Session& session, std::string& reason) {
                                std::string bytes;
                                if (!ReadWholeFile(session.folder + "\\data\\data.dll", bytes) ||
                                    bytes != ZeroedDatabase()) {
                                    reason = "data.dll was changed";
                                    return false;
                                }
                                return true;
                            }, {kMain}),
                            CloseWindow(kMain, CloseWay::CloseButton, "close-main"),
                            ExpectExit(0, 10000, "process-ends"),
                        }});
    return journeys;
}

}  // namespace journey

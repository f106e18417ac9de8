// The name-scoring window: a typed name scored, its report read and closed, the window closed, the
// program closed; with the close button, Alt+F4 and Escape.
#include "tools/journey/journey_checks.h"
#include "tools/journey/journeys.h"

namespace journey {

std::vector<Journey> ScoringJourneys()
{
    std::vector<Journey> journeys;
    const struct {
        const char* name;
        CloseWay way;
    } ways[] = {{"scoring-close-button", CloseWay::CloseButton},
                {"scoring-alt-f4", CloseWay::AltF4},
                {"scoring-escape", CloseWay::Escape}};
    for (const auto& way : ways) {
        journeys.push_back({way.name,
                            {
                                LayOut({SurnameSettings("王")}),
                                Launch(),
                                ClickOn(kMain, NavItem(2), "open-scoring"),
                                WaitFor(kScoring),
                                TypeInto(kScoring, NthOfClass("Edit", 0), "思远", "type-name"),
                                ClickOn(kScoring, UnitWithText("开始评分"), "score").Shows(kReport).Hides(kMain),
                                ReportShowsName("王思远", "report-shows-name"),
                                CloseWindow(kReport, way.way, "close-report").Shows(kMain),
                                CloseWindow(kScoring, way.way, "close-scoring"),
                                CloseWindow(kMain, way.way == CloseWay::Escape ? CloseWay::CloseButton : way.way,
                                            "close-main"),
                                ExpectExit(0, 10000, "process-ends"),
                            }});
    }
    return journeys;
}

}  // namespace journey

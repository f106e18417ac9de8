#pragma once
// What the Wine tests of MainWindow's favourites and poem pages share: the real window opened as the
// program opens it, on a program folder whose database holds the tables SC, mz (empty) and 诗词 (a
// few poems), and helpers that act as the user does: menu items, row choices, clicks.
#include <string>
#include <vector>

#include "app/shell_test_support.h"

namespace app_test {

class PageTest : public ShellTest {
protected:
    void SetUp() override;

    // The cells of the list's rows in one column, and of one row.
    std::vector<std::string> Column(const std::string& list, int column);
    std::vector<std::string> Row(const std::string& list, int row);
    // The names in table mz, in table order.
    std::vector<std::string> StoredFavourites();
    // A menu item unit of the window chosen, as the menu delivers it.
    void Choose(const std::string& menuItem);
    void Click(const std::string& unit);
    // A press of the left button on a label (or any unit window), as a mouse click gives it.
    void PressOn(const std::string& unit);
    // The report window opened meanwhile (closed here); false when none is open.
    bool CloseOpenedReport();
    // Scored rows of names appended to a list, serials from 1, with the score column replaced when
    // scoreText is given.
    void AppendScoredRows(const std::string& list, const std::vector<std::string>& names, const char* scoreText = nullptr);
};

}  // namespace app_test

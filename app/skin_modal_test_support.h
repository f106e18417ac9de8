#pragma once
// Test support for the skin's modal pieces as the program uses them: message boxes answered while they
// are open, and popup-menu items chosen with the keyboard as a user would.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class TimerScript;

namespace app_test {

// While it lives, every message box of this thread is noted (whether the skin took it over too) and
// answered with the given button, or with OK when the box has no such button.
class MessageBoxAnswerer {
public:
    struct Box {
        std::string title;
        std::string text;
        HWND owner = nullptr;
        bool skinned = false;
    };

    explicit MessageBoxAnswerer(WORD answer = IDOK);
    ~MessageBoxAnswerer();
    void SetAnswer(WORD answer) { answer_ = answer; }
    const std::vector<Box>& Boxes() const { return boxes_; }
    // The boxes' texts, oldest first.
    std::vector<std::string> Texts() const;
    void Clear() { boxes_.clear(); }

private:
    bool Step();

    WORD answer_;
    std::vector<Box> boxes_;
    std::vector<HWND> answered_;
    std::unique_ptr<TimerScript> script_;
};

// Pops the skin menu by `popup` (which returns when the menu has closed), chooses its item with the
// arrow and return keys and then handles the messages the choice posted. False when no menu showed or
// the item never lit up (the menu is then closed).
bool ChooseSkinMenuItem(int menuNumber, int item, const std::function<void()>& popup);

}  // namespace app_test

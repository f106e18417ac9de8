#include "skin/core/record_numbers_memo.h"

#include <cstdint>

namespace {

struct Slot {
    HWND window = nullptr;
    RecordNumberFamily family = RecordNumberFamily::kListed;
    RecordNumbers numbers;
};

// Few windows are message-heavy at a time; a small table indexed by the handle is enough, and a
// collision only costs the property reads the memo saves.
constexpr std::size_t kSlots = 127;  // prime: every family of a window lands on its own slot
thread_local Slot t_slots[kSlots];

Slot& SlotFor(HWND window, RecordNumberFamily family)
{
    const auto bits = reinterpret_cast<std::uintptr_t>(window);
    const std::size_t hash =
        (bits ^ (bits >> 7) ^ (bits >> 16)) * kRecordNumberFamilies + static_cast<std::size_t>(family);
    return t_slots[hash % kSlots];
}

}  // namespace

bool RecallRecordNumbers(HWND window, RecordNumberFamily family, RecordNumbers& numbers)
{
    const Slot& slot = SlotFor(window, family);
    if (!window || slot.window != window || slot.family != family)
        return false;
    numbers = slot.numbers;
    return true;
}

void RememberRecordNumbers(HWND window, RecordNumberFamily family, RecordNumbers numbers)
{
    if (window)
        SlotFor(window, family) = Slot{window, family, numbers};
}

void ForgetRecordNumbers(HWND window)
{
    for (int family = 0; family < kRecordNumberFamilies; ++family) {
        Slot& slot = SlotFor(window, static_cast<RecordNumberFamily>(family));
        if (slot.window == window)
            slot = Slot{};
    }
}

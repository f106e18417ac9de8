#pragma once
// The form number and list index a skinned window's properties hold, remembered per thread. Under Wine
// every GetPropA is a round trip to the server, and a window procedure looks its record up for every
// message: a list filled with 10,000 rows would spend most of its time reading the same two numbers.
// Remembered numbers are a hint only: the caller trusts them while the record they name still belongs to
// the window, and reads the properties again otherwise (after a renumbering, or a reused handle).
#include <windows.h>

// Which properties the numbers come from.
enum class RecordNumberFamily {
    kListed,        // a listed control: Hw_FuID and Hw_lbID
    kKj,            // a Kj control: Kj_FuID and Kj_lbID
    kForm,          // a skinned form or dialog: its number in Hw_lbID (the list index stays 0)
    kCustomListed,  // a navigation bar, side list or tab strip: its index in Hw_lbID (the form number stays 0)
    kScrollBar,     // a custom-drawn scroll bar: its index in Hw_GdID
    kCanvas,        // a drawing board: its index in Wxk_LBID
};
inline constexpr int kRecordNumberFamilies = 6;

struct RecordNumbers {
    int formNumber = 0;
    int listIndex = 0;
};

// The numbers last remembered for the window in that family; false when none are.
bool RecallRecordNumbers(HWND window, RecordNumberFamily family, RecordNumbers& numbers);

void RememberRecordNumbers(HWND window, RecordNumberFamily family, RecordNumbers numbers);

// Drops what is remembered for the window on this thread (its properties are being written).
void ForgetRecordNumbers(HWND window);

#pragma once
// The form number and list index a skinned window's properties hold, remembered per thread. Under Wine
// every GetPropA is a round trip to the server, and a window procedure looks its record up for every
// message: a list filled with 10,000 rows would spend most of its time reading the same two numbers.
// Remembered numbers are a hint only: the caller trusts them while the record they name still belongs to
// the window, and reads the properties again otherwise (after a renumbering, or a reused handle).
#include <windows.h>

// Which pair of properties the numbers come from: Hw_FuID/Hw_lbID or Kj_FuID/Kj_lbID.
enum class RecordNumberFamily { kListed, kKj };

struct RecordNumbers {
    int formNumber = 0;
    int listIndex = 0;
};

// The numbers last remembered for the window in that family; false when none are.
bool RecallRecordNumbers(HWND window, RecordNumberFamily family, RecordNumbers& numbers);

void RememberRecordNumbers(HWND window, RecordNumberFamily family, RecordNumbers numbers);

// Drops what is remembered for the window on this thread (its properties are being written).
void ForgetRecordNumbers(HWND window);

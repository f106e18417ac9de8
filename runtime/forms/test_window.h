#pragma once
// A test window with one unit of every kind, and a recorder of the events its handlers receive.
#include <string>
#include <vector>

#include "runtime/forms/form_definition.h"

namespace forms_test {

struct RecordedEvent {
    std::string sender;
    forms::EventKind kind;
    std::string text;   // the sender's text when the handler ran
    int item = -1;
    int x = 0, y = 0, button = 0;
};
std::vector<RecordedEvent>& Recorded();
// Events of one kind, in order.
std::vector<RecordedEvent> RecordedOf(forms::EventKind kind);

// Units created before the created event ran (the count of units the form had then).
extern size_t g_unitsAtCreation;

const forms::FormDef& EveryUnitWindow();

}  // namespace forms_test

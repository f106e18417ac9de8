#pragma once
// MainWindow's own events: its creation (the skinned interface, the surname, the server, the data
// folder, page 0 and the database), the page change of 高级选择夹1 (which refreshes the favourites
// list), and its closing, which first stops the generator workers and then closes the record sets and
// the connection they use; the poem picker's boxes go with the window.
namespace forms {
struct Event;
}  // namespace forms

void OnMainWindowCreated(forms::Event& event);
void OnMainTabChanged(forms::Event& event);
void OnMainWindowQueryClose(forms::Event& event);
void OnMainWindowDestroy(forms::Event& event);

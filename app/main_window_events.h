#pragma once
// MainWindow's own events as far as the generators need them: the creation opens the database that
// scores names, and closing first stops the generator workers, which use the window's units and its
// connection.
namespace forms {
struct Event;
}  // namespace forms

void OnMainWindowCreated(forms::Event& event);
void OnMainWindowQueryClose(forms::Event& event);
void OnMainWindowDestroy(forms::Event& event);

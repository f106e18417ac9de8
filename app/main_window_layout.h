#pragma once
// MainWindow's units sized from the window and from each other when the window's size changes. On a
// window too small for the layout a size that would come out negative is 0.
namespace forms {
class Form;
struct Event;
}  // namespace forms

void LayoutMainWindow(forms::Form& window);
void OnMainWindowResized(forms::Event& event);

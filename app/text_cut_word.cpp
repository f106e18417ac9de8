#include "app/text_cut_word.h"

#include "skin/core/message_box.h"

void OnBoxTextCut(forms::Event& event)
{
    ShowMessageBox(event.form.Window(), kTextCutWord, MB_OK);
}

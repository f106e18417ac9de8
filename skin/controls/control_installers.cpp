#include "skin/controls/control_installers.h"

#include "skin/controls/button_family.h"
#include "skin/controls/edit_family.h"
#include "skin/controls/header_family.h"
#include "skin/controls/list_family.h"
#include "skin/controls/progress_family.h"
#include "skin/controls/static_family.h"
#include "skin/controls/toolbar_family.h"
#include "skin/controls/trackbar_family.h"
#include "skin/controls/updown_family.h"

namespace {

// Dialogs make their text statics this much wider, so the glow of the last character fits.
constexpr int kDialogStaticExtraWidth = 6;

void RunInstallers(int formNumber, HWND parent, bool dialog)
{
    SkinPushButtons(formNumber, parent);
    SkinCheckAndRadioButtons(formNumber, parent);
    SkinEditsAndCombos(formNumber, parent);
    SkinTrackbars(formNumber, parent);
    SkinProgressBars(formNumber, parent);
    SkinListControls(formNumber, parent);
    SkinUpDowns(formNumber, parent);
    SkinListViewHeaders(formNumber, parent);
    if (dialog)
        SkinStatics(formNumber, parent, kDialogStaticExtraWidth);
    SkinToolbars(formNumber, parent);
}

}  // namespace

void RunControlInstallers(int formNumber, HWND parent)
{
    RunInstallers(formNumber, parent, false);
}

void RunDialogControlInstallers(int formNumber, HWND dialog)
{
    RunInstallers(formNumber, dialog, true);
}

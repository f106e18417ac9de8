#pragma once
// Test support: what a Wine test checks of a window skinned with TintedWindowSkin.
#include <gtest/gtest.h>

#include <windows.h>

#include "skin/controls/control_records.h"
#include "skin/core/record_list.h"
#include "skin/core/skin_options.h"
#include "skin/core/skin_registry.h"

// The window is a skinned form with the given caption band over the tinted body, defined frameless
// (its window is its client area), with the skin options every window sets (child controls skinned,
// veil at opacity 0). Caption-button tips exist only for the framed windows, which ask for them.
inline void ExpectTintedWindowSkin(HWND window, int captionHeight, bool framedAndSizable)
{
    const SkinFormRecord* form = SkinFormOfWindow(window);
    ASSERT_NE(form, nullptr) << "not a skinned form";
    EXPECT_EQ(form->captionHeight, captionHeight);
    EXPECT_TRUE(form->captionGradient);
    EXPECT_EQ(form->tintColour, static_cast<COLORREF>(0xECECEC));
    EXPECT_EQ(form->tintAlpha, 150);
    EXPECT_TRUE(form->frameEnabled);
    EXPECT_TRUE(form->resizable);
    EXPECT_TRUE(form->hasCloseButton);
    EXPECT_EQ(form->closeEffect, kCloseEffectShrinkFade);
    EXPECT_EQ(form->tooltip.GetHandle() != nullptr, framedAndSizable);
    EXPECT_TRUE(g_skinChildControls);
    EXPECT_TRUE(g_veilEnabled);
    EXPECT_EQ(g_veilAlpha, 0);
    RECT outer = {}, client = {};
    GetWindowRect(window, &outer);
    GetClientRect(window, &client);
    EXPECT_EQ(outer.right - outer.left, client.right) << "defined frameless";
    EXPECT_EQ(outer.bottom - outer.top, client.bottom) << "defined frameless";
}

// The group box is a container of the window's skinned form painted by the skin, filled with the
// window's own background colour at opacity 0 (SkinBodyGroupBox).
inline void ExpectBodyGroupBox(HWND window, HWND groupBox)
{
    const int form = FindSkinnedWindow(window);
    const int index = FindContainerIndex(form, groupBox);
    ASSERT_GT(index, 0) << "not a container of the form";
    const SkinContainerRecord& box = *RecordAt(SkinFormAt(form)->containers, index);
    EXPECT_EQ(box.kind, kContainerKindGroupBox);
    EXPECT_NE(box.paintAsContainer, 0);
    EXPECT_EQ(box.fillColour, GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(box.fillAlpha, 0);
    EXPECT_EQ(box.option, 1);
}

#pragma once
// The skin settings window (更换皮肤): a picture skin chosen from the skins shipped in "Dskin", shown as
// pages of thumbnails, or a colour skin mixed from three sliders, a colour grid and scheme swatches. A
// choice is applied at once to every skinned window and remembered in "Data\config.ini" (section
// "Software": SkinID, SkinLx, SkinColor). Opened modal from the main window's caption button 换皮肤.
#include <array>
#include <string>
#include <vector>

#include "app/skin_settings_rules.h"
#include "runtime/forms/form_definition.h"

// The window's state while it is open: the thumbnail page shown (from 1), the ids of the thumbnails
// and name labels of the page's slots (row-major; paging gives them the next page's skins), the ids of
// the colour grid's cells (row-major) and the skin folders Dskin.xml lists.
extern int g_skinPageNo;
extern std::vector<int> g_skinThumbnails;
extern std::vector<int> g_skinNameLabels;
extern std::array<std::array<int, kColourGridSide>, kColourGridSide> g_colourSwatches;
extern std::vector<std::string> g_skinListXml;

const forms::FormDef& SkinSettingsWindowDef();

// The main window's caption button 换皮肤: opens the window modal and returns once it has closed.
void OpenSkinSettingsWindow();

// The value of a key of an INI file; empty when the file, section or key is missing.
std::string ReadIniText(const std::string& file, const std::string& section, const std::string& key);

void OnSkinWindowCreated(forms::Event& event);
void OnSkinWindowDestroy(forms::Event& event);
void OnSkinThumbnailDown(forms::Event& event);
void OnSkinNameLabelDown(forms::Event& event);
void OnNextSkinPageClicked(forms::Event& event);
void OnPrevSkinPageClicked(forms::Event& event);
void OnTitleColourChanged(forms::Event& event);
void OnSongColourChanged(forms::Event& event);
void OnTimeColourChanged(forms::Event& event);
void OnPartColourChanged(forms::Event& event);
void OnSliderMoved(forms::Event& event);
void OnSchemeComboChanged(forms::Event& event);
void OnSchemeSwatchClicked(forms::Event& event);
void OnGridCellClicked(forms::Event& event);
void OnApplyColourSkinClicked(forms::Event& event);
// The tab strip's selection callback: item k shows page k - 1 of 选择夹1.
int OnSkinTabSelected(const int* arguments, int count);

#include "app/skin_settings_window.h"

#include <windows.h>

#include <algorithm>
#include <array>
#include <vector>

#include "app/main_window_ui.h"
#include "app/pictures/pictures.h"
#include "app/skin_settings_rules.h"
#include "runtime/files.h"
#include "runtime/forms/form.h"
#include "runtime/forms/form_runtime.h"
#include "runtime/ini.h"
#include "runtime/picture_structure.h"
#include "runtime/text.h"
#include "runtime/xml.h"
#include "skin/core/form_skinning.h"
#include "skin/core/on_request_skinning.h"
#include "skin/core/skin_appearance.h"
#include "skin/core/skinned_labels.h"
#include "skin/custom/tab_strip.h"

int g_skinPageNo = 1;
std::vector<int> g_skinThumbnails;
std::vector<int> g_skinNameLabels;
std::array<std::array<int, kColourGridSide>, kColourGridSide> g_colourSwatches{};
std::vector<std::string> g_skinListXml;

namespace {

using forms::Define;
using forms::UnitKind;

enum SkinUnit {
    kTabs = 1,
    kTabStripHost,
    kThumbnailArea,
    kThumbnailTemplate,
    kNameLabelTemplate,
    kMarker,
    kNextPageLabel,
    kPrevPageLabel,
    kPageTextLabel,
    kSwatchTemplate,
    kGridCellTemplate,
    kTuningGroup,
    kRedLabel,
    kRedSlider,
    kGreenLabel,
    kGreenSlider,
    kBlueLabel,
    kBlueSlider,
    kSchemeCombo,
    kPreview,
    kApplyButton,
    kTitleColourLabel,
    kTitleColourPicker,
    kSongColourLabel,
    kSongColourPicker,
    kTimeColourLabel,
    kTimeColourPicker,
    kPartColourLabel,
    kPartColourPicker,
};

constexpr char kSoftwareSection[] = "Software";
constexpr char kConfSection[] = "CONF";
constexpr int kSwatchCount = 16;
constexpr int kSwatchTagBase = 1000;
// The skinned paging labels draw whole lines only: a line of 12-pixel CJK text needs more than 16
// pixels with some fonts, and a 16-pixel label would show nothing.
constexpr int kPagingLabelHeight = 20;

// The scheme swatches cloned from 标签7, in order.
std::vector<int> g_schemeSwatches;

forms::FormDef MakeSkinSettingsWindow()
{
    forms::FormDef d;
    d.id = 107;
    d.name = "SkinSettingsWindow";
    d.caption = "更换皮肤";
    d.rect = {120, 90, 620, 360};
    d.flags = forms::kFormFrameless | forms::kFormNoMinimize;
    auto onPage = [](forms::UnitDef unit, int page) { return unit.In(kTabs, page); };
    auto label = [](int id, const char* name, forms::RectDef rect, const char* text = "") {
        return Define(UnitKind::Label, id, name, rect, text);
    };
    auto slider = [](int id, const char* name, int top) {
        return Define(UnitKind::Slider, id, name, {12, top, 240, 26}).Range(0, 255).In(kTuningGroup);
    };
    d.units = {
        // The strip on 标签1 is the one row of tabs a person sees and uses.
        Define(UnitKind::TabControl, kTabs, "选择夹1", {8, 63, 604, 288})
            .Items({"推荐皮肤", "颜色皮肤", "皮肤库"})
            .Flags(forms::kNoTabRow),
        label(kTabStripHost, "标签1", {16, 32, 576, 32}),
        // 推荐皮肤: the thumbnail area with its templates, the marker and the paging labels.
        onPage(Define(UnitKind::PictureBox, kThumbnailArea, "图片框3", {6, 6, 591, 250}), 0),
        Define(UnitKind::PictureBox, kThumbnailTemplate, "图片框1", {0, 0, 95, 60}).In(kThumbnailArea).Flags(forms::kHidden),
        Define(UnitKind::TransparentLabel, kNameLabelTemplate, "透明标签1", {0, 62, 95, 16})
            .In(kThumbnailArea)
            .Flags(forms::kHidden | forms::kCentred),
        Define(UnitKind::PictureButton, kMarker, "图形按钮1", {79, 44, 22, 22}).In(kThumbnailArea).Flags(forms::kHidden),
        onPage(label(kNextPageLabel, "标签4", {550, 264, 40, kPagingLabelHeight}, "下一页"), 0),
        onPage(label(kPrevPageLabel, "标签5", {505, 264, 40, kPagingLabelHeight}, "上一页"), 0),
        onPage(label(kPageTextLabel, "标签6", {460, 264, 40, kPagingLabelHeight}), 0),
        // 颜色皮肤: scheme swatches, the colour grid and the fine tuning.
        onPage(label(kSwatchTemplate, "标签7", {6, 4, 16, 15}), 1).Flags(forms::kHidden),
        onPage(label(kGridCellTemplate, "标签8", {30, 4, 16, 16}), 1),
        onPage(Define(UnitKind::GroupBox, kTuningGroup, "分组框1", {329, 7, 267, 274}, "颜色微调"), 1),
        label(kRedLabel, "标签9", {12, 22, 100, 16}, "R通道：").In(kTuningGroup),
        slider(kRedSlider, "滑块条1", 40),
        label(kGreenLabel, "标签10", {12, 70, 100, 16}, "G通道：").In(kTuningGroup),
        slider(kGreenSlider, "滑块条2", 88),
        label(kBlueLabel, "标签11", {12, 118, 100, 16}, "B通道：").In(kTuningGroup),
        slider(kBlueSlider, "滑块条3", 136),
        Define(UnitKind::ComboBox, kSchemeCombo, "组合框1", {12, 174, 110, 200})
            .In(kTuningGroup)
            .Flags(forms::kDropDownList)
            .Items({"红色调", "绿色调", "蓝色调", "灰色调"}),
        Define(UnitKind::PictureBox, kPreview, "图片框2", {136, 172, 116, 52}).In(kTuningGroup).Flags(forms::kBorder),
        Define(UnitKind::Button, kApplyButton, "按钮1", {160, 232, 92, 28}, "确定").In(kTuningGroup),
        // 皮肤库: the four colours of the chosen skin.
        onPage(label(kTitleColourLabel, "标签2", {24, 24, 80, 16}, "标题颜色："), 2),
        onPage(Define(UnitKind::ColourPicker, kTitleColourPicker, "颜色选择器1", {108, 20, 120, 24}), 2),
        onPage(label(kSongColourLabel, "标签3", {24, 60, 80, 16}, "歌名颜色："), 2),
        onPage(Define(UnitKind::ColourPicker, kSongColourPicker, "颜色选择器2", {108, 56, 120, 24}), 2),
        onPage(label(kTimeColourLabel, "标签12", {24, 96, 80, 16}, "时间颜色："), 2),
        onPage(Define(UnitKind::ColourPicker, kTimeColourPicker, "颜色选择器3", {108, 92, 120, 24}), 2),
        onPage(label(kPartColourLabel, "标签13", {24, 132, 80, 16}, "列表颜色："), 2),
        onPage(Define(UnitKind::ColourPicker, kPartColourPicker, "颜色选择器4", {108, 128, 120, 24}), 2),
    };
    d.bindings = {
        {0, forms::EventKind::Created, OnSkinWindowCreated},
        {0, forms::EventKind::Destroying, OnSkinWindowDestroy},
        {kThumbnailTemplate, forms::EventKind::MouseDown, OnSkinThumbnailDown},
        {kNameLabelTemplate, forms::EventKind::MouseDown, OnSkinNameLabelDown},
        {kNextPageLabel, forms::EventKind::Click, OnNextSkinPageClicked},
        {kPrevPageLabel, forms::EventKind::Click, OnPrevSkinPageClicked},
        {kTitleColourPicker, forms::EventKind::Changed, OnTitleColourChanged},
        {kSongColourPicker, forms::EventKind::Changed, OnSongColourChanged},
        {kTimeColourPicker, forms::EventKind::Changed, OnTimeColourChanged},
        {kPartColourPicker, forms::EventKind::Changed, OnPartColourChanged},
        {kRedSlider, forms::EventKind::Changed, OnSliderMoved},
        {kGreenSlider, forms::EventKind::Changed, OnSliderMoved},
        {kBlueSlider, forms::EventKind::Changed, OnSliderMoved},
        {kSchemeCombo, forms::EventKind::SelectionChanged, OnSchemeComboChanged},
        {kSwatchTemplate, forms::EventKind::Click, OnSchemeSwatchClicked},
        {kGridCellTemplate, forms::EventKind::Click, OnGridCellClicked},
        {kApplyButton, forms::EventKind::Click, OnApplyColourSkinClicked},
    };
    return d;
}

std::string SkinFolderPath(const std::string& folder)
{
    return "Dskin\\" + folder;
}

std::string SkinConfPath(const std::string& folder)
{
    return SkinFolderPath(folder) + "\\conf.ini";
}

std::string CurrentSkinId()
{
    return ReadIniText(g_configPath, kSoftwareSection, "SkinID");
}

long long IniNumber(const std::string& file, const std::string& section, const std::string& key)
{
    return TextToInt(ReadIniText(file, section, key));
}

// The four colours of a skin's conf.ini with the picker that shows each.
struct SkinColourKey {
    const char* key;
    int picker;
};
constexpr SkinColourKey kSkinColourKeys[] = {
    {"TitleColor", kTitleColourPicker},
    {"SongColor", kSongColourPicker},
    {"TimeColor", kTimeColourPicker},
    {"PartColor", kPartColourPicker},
};

void LoadSkinColours(forms::Form& form)
{
    const std::string conf = SkinConfPath(CurrentSkinId());
    for (const SkinColourKey& colour : kSkinColourKeys)
        form.Get(colour.picker).SetColour(static_cast<unsigned long>(IniNumber(conf, kConfSection, colour.key)));
}

// Writes one picker's colour to the current skin's conf.ini; a current skin named outside Dskin (a
// settings file edited by hand) is not written.
void SaveSkinColour(forms::Form& form, const SkinColourKey& colour)
{
    if (!SkinFolderInsideDskin(CurrentSkinId()))
        return;
    IniWrite(SkinConfPath(CurrentSkinId()), kConfSection, colour.key, std::to_string(form.Get(colour.picker).Colour()));
}

void PlaceUnit(forms::Unit& unit, const SkinCell& cell)
{
    unit.Move(cell.left, cell.top, cell.width, cell.height);
}

void HideMarkerAndPlace(forms::Form& form, const std::string& folder)
{
    forms::Unit& marker = form.Get(kMarker);
    marker.SetVisible(false);
    for (int id : g_skinThumbnails) {
        forms::Unit& thumbnail = form.Get(id);
        if (thumbnail.Tag() != folder || !thumbnail.Visible())
            continue;
        PlaceUnit(marker, MarkerCell({thumbnail.Left(), thumbnail.Top(), thumbnail.Width(), thumbnail.Height()}));
        marker.SetVisible(true);
        return;
    }
}

// The skin folders Dskin.xml lists, read once per opening of the window: a list of thousands of
// skins is paged through without reading it again.
void ReadSkinList()
{
    std::string document;
    std::vector<std::string>().swap(g_skinListXml);
    if (!ReadFileBytes("Dskin\\Dskin.xml", document) || !ReadXmlRootChildTexts(document, g_skinListXml))
        g_skinListXml.clear();
    // An entry that leads out of Dskin is no skin: choosing it would write its conf.ini out there.
    g_skinListXml.erase(std::remove_if(g_skinListXml.begin(), g_skinListXml.end(),
                                       [](const std::string& folder) { return !SkinFolderInsideDskin(folder); }),
                        g_skinListXml.end());
}

// Thumbnail and name label slot `slot` of the page, made from the templates the first time a page
// needs it; false when no window could be made.
bool EnsureSlot(forms::Form& form, size_t slot)
{
    while (g_skinThumbnails.size() <= slot) {
        forms::Unit* thumbnail = form.CloneUnit(form.Get(kThumbnailTemplate));
        forms::Unit* name = thumbnail ? form.CloneUnit(form.Get(kNameLabelTemplate)) : nullptr;
        if (!name) {
            if (thumbnail)
                form.DestroyUnit(*thumbnail);
            return false;
        }
        g_skinThumbnails.push_back(thumbnail->Id());
        g_skinNameLabels.push_back(name->Id());
    }
    return true;
}

// Shows the skins of the current page in the page's slots: only the 18 windows of one page exist
// (Windows gives a process at most 10,000 windows), and paging gives them other skins. Slots the page
// does not fill are hidden and forget their skin.
void ShowSkinPage(forms::Form& form)
{
    form.Get(kMarker).SetVisible(false);
    form.Get(kPageTextLabel).SetText(SkinPageText(g_skinPageNo, SkinPageCount(static_cast<int>(g_skinListXml.size()))));

    size_t slot = 0;
    const size_t first = static_cast<size_t>(g_skinPageNo - 1) * kSkinsPerPage;
    for (size_t i = first; i < g_skinListXml.size() && i < first + kSkinsPerPage; ++i) {
        const std::string& folder = g_skinListXml[i];
        SkinCell cell{};
        if (folder.empty() || !ThumbnailCell(static_cast<int>(i), g_skinPageNo, cell) || !EnsureSlot(form, slot))
            continue;
        forms::Unit& thumbnail = form.Get(g_skinThumbnails[slot]);
        forms::Unit& name = form.Get(g_skinNameLabels[slot]);
        ++slot;
        std::string picture;
        // none, damaged or too large: a blank thumbnail
        ReadFileBytesAtMost(SkinFolderPath(folder) + "\\small.jpg", kPictureMostBytes, picture);
        thumbnail.SetTag(folder);
        thumbnail.SetPicture(picture);
        name.SetTag(folder);
        name.SetText(ReadIniText(SkinConfPath(folder), kConfSection, "Name"));
        PlaceUnit(thumbnail, cell);
        PlaceUnit(name, NameLabelCell(cell));
        thumbnail.SetVisible(true);
        name.SetVisible(true);
    }
    for (; slot < g_skinThumbnails.size(); ++slot) {
        for (int id : {g_skinThumbnails[slot], g_skinNameLabels[slot]}) {
            forms::Unit& unit = form.Get(id);
            unit.SetVisible(false);
            unit.SetTag("");
        }
        form.Get(g_skinThumbnails[slot]).SetPicture("");
        form.Get(g_skinNameLabels[slot]).SetText("");
    }
    if (ReadIniText(g_configPath, kSoftwareSection, "SkinLx") == "0")
        HideMarkerAndPlace(form, CurrentSkinId());
}

void GoToSkinPage(forms::Form& form, int page)
{
    if (page == g_skinPageNo)
        return;
    g_skinPageNo = page;
    ShowSkinPage(form);
}

// The page count the page label shows, after its "/".
int ShownPageCount(forms::Form& form)
{
    const std::vector<std::string> parts = TextSplit(form.Get(kPageTextLabel).Text(), "/");
    return parts.size() == 2 ? static_cast<int>(TextToInt(parts[1])) : 0;
}

void BuildColourSwatches(forms::Form& form)
{
    forms::Unit& cellTemplate = form.Get(kGridCellTemplate);
    const int left = cellTemplate.Left();
    const int top = cellTemplate.Top();
    for (int k = 1; k <= kColourGridSide * kColourGridSide; ++k) {
        forms::Unit* cell = k == 1 ? &cellTemplate : form.CloneUnit(cellTemplate);
        if (!cell)
            break;
        cell->Move(left + ((k - 1) % kColourGridSide) * kColourStep, top + ((k - 1) / kColourGridSide) * kColourStep,
                   cellTemplate.Width(), cellTemplate.Height());
        cell->SetTag(std::to_string(k));
        cell->SetVisible(true);
        g_colourSwatches[(k - 1) / kColourGridSide][(k - 1) % kColourGridSide] = cell->Id();
    }

    forms::Unit& swatchTemplate = form.Get(kSwatchTemplate);
    for (int k = 1; k <= kSwatchCount; ++k) {
        forms::Unit* swatch = form.CloneUnit(swatchTemplate);
        if (!swatch)
            break;
        swatch->Move(swatchTemplate.Left(), swatchTemplate.Top() + (k - 1) * (swatchTemplate.Height() + 1),
                     swatchTemplate.Width(), swatchTemplate.Height());
        swatch->SetBackColour(static_cast<long>(SwatchColour(ColourScheme::Red, k)));
        swatch->SetTag(std::to_string(kSwatchTagBase + k));
        swatch->SetPicture("");
        swatch->SetText("");
        swatch->SetVisible(true);
        g_schemeSwatches.push_back(swatch->Id());
    }
}

ColourScheme SelectedScheme(forms::Form& form)
{
    const int index = form.Get(kSchemeCombo).CurrentIndex();
    return index >= 1 && index <= 3 ? static_cast<ColourScheme>(index) : ColourScheme::Red;
}

void FillColourGrid(forms::Form& form, ColourScheme scheme, int fixed)
{
    for (const auto& row : g_colourSwatches)
        for (int id : row) {
            forms::Unit& cell = form.Get(id);
            const int tag = static_cast<int>(TextToInt(cell.Tag()));
            cell.SetBackColour(static_cast<long>(GridCellColour(scheme, fixed, tag)));
        }
}

unsigned long Rgb(int r, int g, int b)
{
    return static_cast<unsigned long>(RGB(r, g, b));
}

// The sliders and channel labels at a colour's red, green and blue.
void ShowChannels(forms::Form& form, unsigned long colour)
{
    const int channels[] = {GetRValue(colour), GetGValue(colour), GetBValue(colour)};
    const struct {
        int slider, label;
        const char* prefix;
    } rows[] = {{kRedSlider, kRedLabel, "R通道："}, {kGreenSlider, kGreenLabel, "G通道："}, {kBlueSlider, kBlueLabel, "B通道："}};
    for (int i = 0; i < 3; ++i) {
        form.Get(rows[i].slider).SetPosition(channels[i]);
        form.Get(rows[i].label).SetText(rows[i].prefix + std::to_string(form.Get(rows[i].slider).Position()));
    }
}

}  // namespace

std::string ReadIniText(const std::string& file, const std::string& section, const std::string& key)
{
    return IniRead(file, section, key, "");
}

const forms::FormDef& SkinSettingsWindowDef()
{
    static const forms::FormDef def = MakeSkinSettingsWindow();
    return def;
}

void OpenSkinSettingsWindow()
{
    forms::OpenModal(SkinSettingsWindowDef(), forms::FindForm("MainWindow"));
}

void OnSkinWindowCreated(forms::Event& event)
{
    forms::Form& form = event.form;
    // The random generator keeps the seed start-up gave it: a seed from the day would make the name
    // generators repeat their draws after every opening of this window.
    g_skinPageNo = 1;

    SkinFormOptions options;
    options.captionHeight = 60;
    options.frameEnabled = 1;
    options.resizable = 0;
    options.helpButton = 0;
    options.menuButton = 0;
    options.showTitle = 1;
    options.captionGradient = 1;
    options.statusHeight = 0;
    options.tintColour = 0xFFFFFF;
    options.tintAlpha = 250;
    options.imageMode = 0;
    SkinForm(form.Window(), options);

    form.Get(kMarker).SetPicture(PictureBytes(Picture::SkinMarker));
    form.Get(kTabs).Move(8, 63, 604, 288);
    form.Get(kTabStripHost).Move(16, 32, 576, 32);

    SkinGroupBox(form.Get(kTabs).Window(), 1, 0xFFFFFF, 255, 1);
    for (int slider : {kRedSlider, kGreenSlider, kBlueSlider})
        SkinControl(form.Get(slider).Window(), std::nullopt, 0xFFFFFF);
    SkinControl(form.Get(kApplyButton).Window());

    // The strip above the tab control chooses its pages; the third page (皮肤库) has no item.
    TabStripOptions strip;
    strip.itemWidth = 80;
    strip.highlightStyle = 3;
    strip.shapeStyle = 1;
    strip.selectionMode = true;
    strip.colour1 = 0xFFFFFF;
    strip.alpha1 = 255;
    strip.separators = false;
    strip.attachedTabs = true;
    strip.baseline = true;
    g_tabStrip.Create(form.Get(kTabStripHost).Window(), strip);
    for (const char* caption : {"推荐皮肤", "颜色换肤"}) {
        TabItemOptions item;
        item.caption = caption;
        g_tabStrip.AddItem(item);
    }
    g_tabStrip.SetSelectCallback(OnSkinTabSelected);
    g_tabStrip.Refresh();

    CreateSkinnedChildControl(form.Get(kTitleColourLabel).Window());
    LoadSkinColours(form);

    form.Get(kThumbnailArea).Move(6, 6, 591, 250);
    form.Get(kNextPageLabel).Move(550, 264, 40, kPagingLabelHeight);
    form.Get(kPrevPageLabel).Move(505, 264, 40, kPagingLabelHeight);
    form.Get(kPageTextLabel).Move(460, 264, 40, kPagingLabelHeight);
    for (int id : {kNextPageLabel, kPrevPageLabel, kPageTextLabel, kTimeColourLabel, kPartColourLabel})
        CreateSkinnedChildControl(form.Get(id).Window());

    g_skinThumbnails.clear();
    g_skinNameLabels.clear();
    g_colourSwatches = {};
    g_schemeSwatches.clear();
    ReadSkinList();
    ShowSkinPage(form);

    form.Get(kTuningGroup).Move(329, 7, 267, 274);
    BuildColourSwatches(form);
    form.Get(kSchemeCombo).SetCurrentIndex(0);
    OnSchemeComboChanged(event);

    const unsigned long saved = static_cast<unsigned long>(IniNumber(g_configPath, kSoftwareSection, "SkinColor")) & 0xFFFFFF;
    form.Get(kPreview).SetBackColour(static_cast<long>(saved));
    ShowChannels(form, saved);
}

void OnSkinWindowDestroy(forms::Event&)
{
    // The clones go with the window; what names them goes too.
    g_skinThumbnails.clear();
    g_skinNameLabels.clear();
    g_colourSwatches = {};
    g_schemeSwatches.clear();
    // A list of millions of skins would keep its memory after clear().
    std::vector<std::string>().swap(g_skinListXml);
}

namespace {

void ChooseSkin(forms::Form& form, const std::string& folder)
{
    if (folder.empty())
        return;  // the hidden templates carry no skin
    IniWrite(g_configPath, kSoftwareSection, "SkinID", folder);
    IniWrite(g_configPath, kSoftwareSection, "SkinLx", "0");
    LoadSkinColours(form);
    for (const SkinColourKey& colour : kSkinColourKeys)
        SaveSkinColour(form, colour);

    SkinPicture skin;
    ReadFileBytesAtMost(SkinFolderPath(folder) + "\\bk.jpg", kPictureMostBytes, skin.bytes);  // none or too large: an empty picture
    skin.themeColour = kThemeFromBaseColour;
    skin.imageMode = 0;
    ApplySkin(skin);
    RedrawWindow(form.Window(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    HideMarkerAndPlace(form, folder);
}

}  // namespace

int OnSkinTabSelected(const int* arguments, int count)
{
    forms::Form* form = forms::FindForm(SkinSettingsWindowDef().name);
    if (!form || count < 1)
        return 0;
    form->Get(kTabs).SetCurrentPage(arguments[0] - 1);
    return 0;
}

void OnSkinThumbnailDown(forms::Event& event)
{
    ChooseSkin(event.form, event.sender.Tag());
}

void OnSkinNameLabelDown(forms::Event& event)
{
    ChooseSkin(event.form, event.sender.Tag());
}

void OnNextSkinPageClicked(forms::Event& event)
{
    GoToSkinPage(event.form, NextSkinPage(g_skinPageNo, ShownPageCount(event.form)));
}

void OnPrevSkinPageClicked(forms::Event& event)
{
    GoToSkinPage(event.form, PrevSkinPage(g_skinPageNo));
}

void OnTitleColourChanged(forms::Event& event)
{
    SaveSkinColour(event.form, kSkinColourKeys[0]);
}

void OnSongColourChanged(forms::Event& event)
{
    SaveSkinColour(event.form, kSkinColourKeys[1]);
}

void OnTimeColourChanged(forms::Event& event)
{
    SaveSkinColour(event.form, kSkinColourKeys[2]);
}

void OnPartColourChanged(forms::Event& event)
{
    SaveSkinColour(event.form, kSkinColourKeys[3]);
}

void OnSliderMoved(forms::Event& event)
{
    forms::Form& form = event.form;
    const unsigned long colour =
        Rgb(form.Get(kRedSlider).Position(), form.Get(kGreenSlider).Position(), form.Get(kBlueSlider).Position());
    form.Get(kPreview).SetBackColour(static_cast<long>(colour));
    ShowChannels(form, colour);
}

void OnSchemeComboChanged(forms::Event& event)
{
    forms::Form& form = event.form;
    const ColourScheme scheme = SelectedScheme(form);
    for (int k = 1; k <= static_cast<int>(g_schemeSwatches.size()); ++k)
        form.Get(g_schemeSwatches[k - 1]).SetBackColour(static_cast<long>(SwatchColour(scheme, k)));
    FillColourGrid(form, scheme, 0);
}

void OnSchemeSwatchClicked(forms::Event& event)
{
    if (!event.sender.Text().empty() || event.sender.Tag().empty())
        return;
    FillColourGrid(event.form, SelectedScheme(event.form), SwatchFixedValue(static_cast<int>(TextToInt(event.sender.Tag()))));
}

void OnGridCellClicked(forms::Event& event)
{
    // The cell's own colour, which is what it shows: a pixel read off the screen could be a veil or a
    // window on top.
    const unsigned long colour = static_cast<unsigned long>(event.sender.BackColour()) & 0xFFFFFF;
    event.form.Get(kPreview).SetBackColour(static_cast<long>(colour));
    ShowChannels(event.form, colour);
}

void OnApplyColourSkinClicked(forms::Event& event)
{
    forms::Form& form = event.form;
    form.Get(kMarker).SetVisible(false);
    const unsigned long colour = static_cast<unsigned long>(form.Get(kPreview).BackColour()) & 0xFFFFFF;
    SkinPicture skin;
    skin.baseColour = static_cast<COLORREF>(colour);
    ApplySkin(skin);
    // This window shows the new colour at once: its units would otherwise wait behind the main
    // window's paints, the page left blank meanwhile.
    RedrawWindow(form.Window(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    IniWrite(g_configPath, kSoftwareSection, "SkinColor", std::to_string(colour));
    IniWrite(g_configPath, kSoftwareSection, "SkinLx", "1");
}

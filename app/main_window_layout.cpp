#include "app/main_window_layout.h"

#include <algorithm>

#include "app/main_window_fun_page.h"
#include "runtime/forms/form.h"

namespace {

class Layout {
public:
    explicit Layout(forms::Form& window) : window_(window) {}

    int W(const char* unit) const { return window_.Get(unit).Width(); }
    int H(const char* unit) const { return window_.Get(unit).Height(); }
    void SetW(const char* unit, int width) { window_.Get(unit).SetWidth(std::max(width, 0)); }
    void SetH(const char* unit, int height) { window_.Get(unit).SetHeight(std::max(height, 0)); }
    void SetL(const char* unit, int left) { window_.Get(unit).SetLeft(left); }
    void SetSize(const char* unit, int width, int height)
    {
        forms::Unit& u = window_.Get(unit);
        u.Move(u.Left(), u.Top(), std::max(width, 0), std::max(height, 0));
    }

private:
    forms::Form& window_;
};

}  // namespace

void LayoutMainWindow(forms::Form& window)
{
    Layout l(window);
    const int width = window.Self().Width();
    const int height = window.Self().Height();
    // 使用帮助 keeps its place at the caption's right end.
    l.SetL("透明标签使用帮助", width - 80);
    l.SetW("分组框18", width);
    l.SetW("高级选择夹1", width);
    const int tabs = l.W("高级选择夹1");
    l.SetW("超级列表框1", tabs - l.W("分组框13") - 28);
    l.SetL("分组框13", l.W("超级列表框1") + 16);
    l.SetH("高级选择夹1", height - l.H("图片框1") - l.H("分组框18") - 25);
    const int tabsHeight = l.H("高级选择夹1");
    l.SetH("分组框13", tabsHeight - 44);
    l.SetH("超级列表框1", tabsHeight - 45);
    l.SetH("超级编辑框1", l.H("分组框13") - 24);
    l.SetSize("超级列表框取小名", tabs - 15, tabsHeight - 120);
    l.SetSize("分组框5", tabs - 10, tabsHeight - 50);
    l.SetSize("超级列表框取英文名", l.W("分组框5") - 10, l.H("分组框5") - 20);
    l.SetSize("超级列表框3", tabs - 10, tabsHeight - 50);
    l.SetW("组合模式_超级列表框", tabs - l.W("编辑框名字") - 30);
    l.SetH("组合模式_超级列表框", tabsHeight - 50);
    l.SetH("超级列表框诗人", tabsHeight - 78);
    l.SetH("超级列表框诗词标题", tabsHeight - 78);
    l.SetH("超级列表框诗词模式", tabsHeight - l.H("编辑框诗内容") - 80);
    l.SetW("超级列表框诗词模式", tabs - 2 * l.W("超级列表框诗词标题"));
    l.SetH("画板5", tabsHeight - 36);
    l.SetW("高级选择夹2", FeatureTabsWidth(tabs, l.W("画板5")));
    l.SetH("高级选择夹2", tabsHeight - 50);
    const int pages = l.W("高级选择夹2");
    const int pagesHeight = l.H("高级选择夹2");
    for (const char* text : {"编辑框3", "编辑框4", "编辑框血型配对"})
        l.SetSize(text, pages - 53, pagesHeight - 10);
    for (const char* viewer : {"超文本浏览框2", "超文本浏览框4", "超文本浏览框6", "超文本浏览框百家姓"})
        l.SetSize(viewer, pages - 50, pagesHeight - 10);
}

void OnMainWindowResized(forms::Event& event)
{
    LayoutMainWindow(event.form);
}

#include "skin/core/skin_registry.h"

#include "skin/core/window_props.h"

namespace {

RecordList<SkinFormRecord>& Forms()
{
    static RecordList<SkinFormRecord> forms;
    return forms;
}

}  // namespace

std::shared_mutex& SkinRegistryMutex()
{
    static std::shared_mutex mutex;
    return mutex;
}

int SkinFormCount()
{
    return RecordCount(Forms());
}

SkinFormRecord* SkinFormAt(int n)
{
    return RecordAt(Forms(), n);
}

int AppendSkinForm(std::unique_ptr<SkinFormRecord> record)
{
    SkinRegistryWriteGuard guard;
    return AppendRecord(Forms(), std::move(record));
}

std::unique_ptr<SkinFormRecord> RemoveSkinForm(int n)
{
    SkinRegistryWriteGuard guard;
    auto& forms = Forms();
    if (n < 1 || n > RecordCount(forms))
        return nullptr;
    std::unique_ptr<SkinFormRecord> record = std::move(forms[static_cast<size_t>(n) - 1]);
    forms.erase(forms.begin() + (n - 1));
    return record;
}

int FindSkinnedWindow(HWND window)
{
    if (!window)
        return 0;
    const auto& forms = Forms();
    for (size_t i = 0; i < forms.size(); ++i) {
        if (forms[i]->hwnd == window)
            return static_cast<int>(i + 1);
    }
    return 0;
}

SkinFormRecord* SkinFormOfWindow(HWND window, int* formNumber)
{
    if (!window)
        return nullptr;
    RecordNumbers numbers;
    SkinFormRecord* form = nullptr;
    if (RecallRecordNumbers(window, RecordNumberFamily::kForm, numbers))
        form = SkinFormAt(numbers.formNumber);
    if (!form || form->hwnd != window) {
        numbers.formNumber = GetWindowPropNumber(window, kPropHwListIndex);
        form = SkinFormAt(numbers.formNumber);
        if (!form || form->hwnd != window)
            return nullptr;
        RememberRecordNumbers(window, RecordNumberFamily::kForm, numbers);
    }
    if (formNumber)
        *formNumber = numbers.formNumber;
    return form;
}

int FindOwningSkinnedWindow(HWND window)
{
    if (!window)
        return 0;
    if (int n = FindSkinnedWindow(window))
        return n;
    // GetParent gives the owner of a popup, so an unskinned popup finds the form that owns it. The
    // walk ends at the root owner, or at 0 for a window with neither parent nor owner.
    HWND root = GetAncestor(window, GA_ROOTOWNER);
    HWND current = window;
    while ((current = GetParent(current)) != nullptr) {
        if (int n = FindSkinnedWindow(current))
            return n;
        if (current == root)
            return 0;
    }
    return 0;
}

int FindContainerIndex(int formNumber, HWND window)
{
    const SkinFormRecord* form = SkinFormAt(formNumber);
    if (!form || !window)
        return 0;
    for (size_t j = 0; j < form->containers.size(); ++j) {
        if (form->containers[j]->hwnd == window)
            return static_cast<int>(j + 1);
    }
    return 0;
}

std::string GetWindowClassName(HWND window)
{
    char buffer[256] = {};
    int length = window ? GetClassNameA(window, buffer, 255) : 0;
    return std::string(buffer, length > 0 ? static_cast<size_t>(length) : 0);
}

// CTablePage: the URL Lists page (template 107) and the Web Browsers page
// (template 108) of the Preferences. Each edits a working copy of its table
// (name, path, and the start selection or the DDE name) shown as a list box
// in menu order; the highlighted line becomes the current list or browser
// when the page is applied.
//
// Every line carries as item data its slot in the working tables. Slots are
// never reused while the page lives: a removed line leaves its slot behind,
// which Apply leaves out, and a new line takes a slot after the last.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "dialogs/prefs_page.h"
#include "ui/drag_list_box.h"

enum class TableKind { kLists, kBrowsers };

// The list box of a table page: dragging a line moves it, which the page
// takes as a change.
class CTableListBox final : public CMyDragListBox {
public:
    std::function<void()> onMoved;

protected:
    int Dropped(int source, POINT screenPoint) override;
};

class CTablePage final : public CPrefsPage {
public:
    static constexpr int kMaxLines = 100;  // the menus hold 100 entries

    CTablePage(TableKind kind, CPrefsSheet& sheet);
    bool Apply() override;
    const char* HelpTopic() const noexcept override;

    // Adds a line for a new entry and shows it (New/Add); false when the
    // table is full.
    bool Add(const std::string& name, const std::string& path);

protected:
    bool OnInit() override;
    bool OnCommand(int id, int code, HWND control) override;
    std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    using Slot = std::array<std::string, 3>;  // name, path, start selection or DDE name

    int LineCount() const;
    int SlotOfLine(int line) const;
    // The line, in menu order, whose entry names the file `path`, or -1.
    int LineOfFile(const std::string& path) const;
    void StoreShown();
    void ShowSlot(int slot);
    void EnableEntryFields(bool enabled) const;
    void OnSelectionChange();
    void OnNameTyped();
    void OnNewAdd();
    void OnChoosePath();
    void OnRemove();
    // The Import and Export dialogs: an imported list is added as a line.
    void OnImport();
    void OnExport();
    bool CheckLines() const;

    TableKind kind_;
    CTableListBox box_;
    std::vector<Slot> slots_;
    int currentSlot_ = -1;
    bool updating_ = false;
};

// The DDE name a new browser gets from its name: the name in lower case,
// except for the two browsers that answer under another one.
std::string DdeNameFor(const std::string& browserName);

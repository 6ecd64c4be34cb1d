// The program's string table as the resource compiler wrote it: every
// message has its caption, its escapes became the characters they stand for,
// and its inserts match what its callers pass.
#include <gtest/gtest.h>

#include <vector>

#include "dialogs/message_format.h"
#include "resource.h"
#include "win/resource_string.h"

namespace {

struct Message {
    UINT id;
    const char* caption;  // null: no caption of its own
    int textInserts;      // the callers pass this many texts
};

const std::vector<Message> kMessages = {
    {IDS_LIST_MENU_FULL, "List Menu Full", 0},
    {IDS_IMPORT_FAILED, "Import Failed", 0},
    {IDS_BROWSER_MENU_FULL, "Browser Menu Full", 0},
    {IDS_EXPORT_PROBLEM, "Export Problem", 3},
    {IDS_EXPORT_FAILED, "Export Failed", 1},
    {IDS_EXPORT_FINISHED, "Export Finished", 0},
    {IDS_LIST_FILE_INACCESSIBLE, "File Error", 1},
    {IDS_NO_APPLICATION_FOLDER, "Information Missing", 0},
    {IDS_NO_LIST_FOLDER, "Information Missing", 0},
    {IDS_NO_SHORTCUTS, "Information Missing?", 0},
    {IDS_CREATE_LIST_FILE, "Create New List?", 1},
    {IDS_CANNOT_CREATE_LIST_FILE, "File Error", 1},
    {IDS_LIST_PARTLY_LOADED, "Serious Problem", 0},
    {IDS_OUT_OF_MEMORY, "Serious Problem", 0},
    {IDS_CANNOT_OPEN_LIST_FILE, "File Error", 1},
    {IDS_INSTALLATION_INTERRUPTED, "Installation Interrupted", 0},
    {IDS_ENTER_FILE_PATH, "Configuration Incomplete", 1},
    {IDS_ENTER_NAME, "Configuration Incomplete", 1},
    {IDS_NO_BROWSER, "Problem", 0},
    {IDS_CANNOT_MOVE_LIST_FILE, "File Error", 1},
    {IDS_SOURCE_MISSING, "File Error", 1},
    {IDS_EXTENSION_MISSING, nullptr, 0},
    {IDS_CLOSE_BROWSER_WINDOWS, "File Error", 1},
    {IDS_BROWSER_START_FAILED, "Problem", 0},
    {IDS_CANNOT_START_APPLICATION, "Problem", 1},
    {IDS_CANNOT_FETCH_URL, "Browser Problem", 1},
    {IDS_CANNOT_SAVE_LIST, "File Error", 1},
    {IDS_NO_MATCHING_DOCUMENT, "File Error", 0},
    {IDS_SAVE_CHANGES, "Vellinor", 2},
    {IDS_DISCARD_CHANGES, "Discard changes?", 1},
    {IDS_OVERWRITE_LIST_FILE, "Overwrite?", 0},
    {IDS_FAVORITES_MAY_BE_OVERWRITTEN, "Warning", 0},
    {IDS_OVERWRITE_BOOKMARK_FILE, "Overwrite?", 0},
    {IDS_OVERWRITE_HOTLIST_FILE, "Overwrite?", 0},
    {IDS_SAVE_PREFERENCES, "Save Preferences?", 0},
    {IDS_LIST_FULL, "List Full", 1},
    {IDS_LAUNCH_NOW, "Launch?", 0},
    {IDS_DELETE_OLD_COPY, "Delete?", 1},
    {IDS_FINAL_STEP, "Final Step", 0},
    {IDS_OVERWRITE_MOVED_LIST, "Overwrite?", 2},
    {IDS_DELETE_ALL, "Delete All?", 0},
    {IDS_DELETE_ORIGINALS, "Delete Originals?", 1},
    {IDS_TEXT_NOT_ALLOWED, "Text Not Allowed", 3},
};

TEST(StringTable, EveryMessageHasItsCaptionAndAText) {
    for (const Message& message : kMessages) {
        SCOPED_TRACE(message.id);
        std::string text = win::LoadResourceString(message.id);
        std::size_t tab = text.find('\t');
        if (message.caption) {
            ASSERT_NE(tab, std::string::npos);
            EXPECT_EQ(text.substr(0, tab), message.caption);
            EXPECT_GT(text.size(), tab + 1);
        } else {
            EXPECT_EQ(tab, std::string::npos);
            EXPECT_FALSE(text.empty());
        }
    }
}

TEST(StringTable, EveryMessageFormatsWithTheTextsItsCallersPass) {
    const std::string inserts[] = {"<one>", "<two>", "<three>"};
    for (const Message& message : kMessages) {
        SCOPED_TRACE(message.id);
        std::optional<std::string> text;
        switch (message.textInserts) {
            case 0: text = FormatResourceString(message.id, {}); break;
            case 1: text = FormatResourceString(message.id, {inserts[0]}); break;
            case 2: text = FormatResourceString(message.id, {inserts[0], inserts[1]}); break;
            default: text = FormatResourceString(message.id, {inserts[0], inserts[1], inserts[2]});
        }
        ASSERT_TRUE(text);
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(text->find(inserts[i]) != std::string::npos, i < message.textInserts);
        // A message with inserts does not format with one text fewer.
        if (message.textInserts == 1) {
            EXPECT_FALSE(FormatResourceString(message.id, {}));
        }
    }
}

TEST(StringTable, EscapesBecomeLineBreaksAndTabs) {
    EXPECT_EQ(win::LoadResourceString(IDS_EXPORT_PROBLEM),
              "Export Problem\tIt was not possible to export the following URL:\n\n%1 - %2 - %3\n\n"
              "This is most likely because the title contains a\ncharacter that Windows does not "
              "allow in file names.");
    EXPECT_EQ(win::LoadResourceString(IDS_CANNOT_SAVE_LIST),
              "File Error\tSorry, I am not able to save the URL list file:\n%1\nN.B. If you press "
              "'Ignore' you may lose any\nchanges you've made. Consider using\n'Save Copy' to "
              "create a backup.");
}

TEST(StringTable, StatusLineParts) {
    EXPECT_EQ(FormatResourceString(IDS_STATUS_LIST, {" (read only)", "Main", 12u}),
              "Current list (read only): Main (12 URLs)");
    EXPECT_EQ(FormatResourceString(IDS_STATUS_BROWSER, {"Navigator"}), "  -  Current browser: Navigator");
    EXPECT_EQ(FormatResourceString(IDS_STATUS_MARKED, {3u, "titles"}), "  -  Marked: 3 titles");
    EXPECT_EQ(win::LoadResourceString(IDS_NOTE_CAPTION), "URL Note");
    EXPECT_EQ(win::LoadResourceString(IDS_MARKS_AT_OTHER_LEVEL),
              "You can only mark items at the same level. To mark this item, you must first "
              "'Clear All Marks'.");
}

TEST(StringTable, HelpTextsAreKeyedByControlAndCommand) {
    EXPECT_EQ(win::LoadResourceString(IDC_TITLE_LIST),
              "Drag items to re-order list. Use 'Mark' and 'Move' to move a URL into another "
              "subcategory.");
    EXPECT_EQ(win::LoadResourceString(IDH_ADD_ITEM),
              "Add new item under selected category. Once added, you can drag the item up the list.");
    EXPECT_EQ(win::LoadResourceString(IDH_UNMARK),
              "Unmark selected item. To unmark all, see list box context menu (right-click list "
              "box).");
    EXPECT_EQ(FormatResourceString(ID_MOVE_MARKED_FROM_OTHER, {"Other"}),
              "Remove marked items from list 'Other' and insert under highlighted category.");
    EXPECT_EQ(win::LoadResourceString(ID_HELP_CONTENTS), "Open Vellinor help contents.");
    for (UINT id : {IDC_MARK, IDC_FETCH, IDC_FIND, IDC_OPEN, IDC_NOTE, IDC_BROWSE, ID_SETUP,
                    ID_UNINSTALL, ID_ABOUT, ID_PREFERENCES, ID_COPY_HTML_LINK, ID_OPEN_NEW_URL,
                    ID_OPEN_LIST, ID_SAVE_LIST, ID_EXIT, IDS_CAPTION_NOTICE})
        EXPECT_FALSE(win::LoadResourceString(id).empty()) << id;
    // Controls without a help text restore the idle status line.
    EXPECT_EQ(win::LoadResourceString(IDC_STATUS_LINE), "");
}

}  // namespace

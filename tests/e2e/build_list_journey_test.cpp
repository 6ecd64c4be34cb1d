// A list built from nothing in the Organize view, typed in place: two
// categories, two subcategories, titles, a separator, a drag, a sort; saved
// with Ctrl+S, the program ended and started again. A note and a log-in
// name are typed in the note window. The file on disk is byte
// for byte what the list model writes after the same steps, and so is a copy
// saved through the file dialog.
#include "e2e_journey.h"
#include "model/title_text.h"
#include "model/url_list_file.h"
#include "resource.h"

namespace e2e {
namespace {

// One step of the journey, done once by the user in the window and once on
// the model. A note step types the note (`name`) and the log-in name (`url`)
// of the selected title.
struct Step {
    enum Kind { kAdd, kSelect, kSeparator, kSort, kDrag, kNote } kind;
    int level;
    std::string name;
    std::string url;
    int from;
    int to;
};

Step Add(int level, const std::string& name, const std::string& url = {}) {
    return {Step::kAdd, level, name, url, 0, 0};
}
Step On(Step::Kind kind, int level, int from = 0, int to = 0) { return {kind, level, {}, {}, from, to}; }

const std::vector<Step> kSteps = {
    Add(kCategory, "Home"),
    Add(kCategory, "Work"),
    Add(kSubcategory, "Tools"),
    Add(kSubcategory, "Docs"),
    Add(kTitle, "Zeta", "http://zeta.example/"),
    Add(kTitle, "Alpha", "https://alpha.example/a?b=1"),
    Add(kTitle, "Mid", "ftp://mid.example/"),
    On(Step::kDrag, kTitle, 2, 0),  // Zeta, Alpha, Mid: no longer in order,
    Add(kTitle, "Beta", "mailto:beta@example.com"),  // so Beta goes last
    On(Step::kSelect, kTitle, 2),
    On(Step::kSeparator, kTitle),  // above Mid
    On(Step::kSort, kTitle),       // each run between separators on its own
    {Step::kNote, kTitle, "Ask for the\r\nspring schedule", "guest", 0, 0},  // Mid's
};

std::string ModelResult(const std::string& path) {
    WriteFile(path, "");
    CUrlListFile list;
    list.Load(path);
    for (const Step& step : kSteps) {
        switch (step.kind) {
        case Step::kAdd: {
            const std::string text =
                step.level == kTitle ? ComposeTitleText(step.url, step.name, 0, {}, {}, 0) : step.name;
            list.Select(step.level, list.AddItem(step.level, text, step.name));
            break;
        }
        case Step::kSelect: list.Select(step.level, step.from); break;
        case Step::kSeparator: list.InsertSeparator(step.level); break;
        case Step::kSort: list.SortLevel(step.level); break;
        case Step::kDrag: list.MoveInView(step.level, step.from, step.to); break;
        case Step::kNote: list.SetNoteAndLogIn(list.SelectedItem(step.level), step.name, step.url); break;
        }
    }
    list.Save();
    return ReadFile(path);
}

class BuildListJourney : public Journey {
protected:
    // New when the level is not being typed already, the name typed over the
    // field (a title's URL too), Enter.
    static void AddInPlace(HWND main, const Step& step) {
        const HWND box = Box(main, step.level);
        const HWND name = NameField(main, step.level);
        const std::size_t before = ListTexts(box).size();
        if (ListSelection(box) >= 0 || IsReadOnly(name)) Command(main, IDC_NEW_CATEGORY + step.level);
        ASSERT_TRUE(TypeOver(name, step.name));
        HWND last = name;
        if (step.level == kTitle) {
            last = Control(main, IDC_URL);
            ASSERT_TRUE(TypeOver(last, step.url));
        }
        PressKey(last, VK_RETURN);
        ASSERT_TRUE(WaitUntil([&] { return ListTexts(box).size() == before + 1; })) << step.name;
    }
    // F5 shows the note window of the selected title, captioned with its
    // name; the note is typed with a line break.
    void WriteNote(HWND main, const Step& step) const {
        const HWND box = Box(main, step.level);
        ASSERT_TRUE(Chord(main, {VK_F5}));
        const HWND note = program->WaitForDialog(ListTexts(box).at(static_cast<std::size_t>(ListSelection(box))));
        ASSERT_TRUE(note) << program->Windows();
        const std::size_t lineBreak = step.name.find("\r\n") + 2;
        const HWND noteText = Control(note, IDC_NOTE_TEXT);
        ASSERT_TRUE(Type(noteText, step.name.substr(0, lineBreak - 2)));
        PressKey(noteText, VK_RETURN);  // its character comes after those typed before
        ASSERT_TRUE(WaitUntil([&] { return Text(noteText) == step.name.substr(0, lineBreak); }));
        ASSERT_TRUE(Type(noteText, step.name.substr(lineBreak)));
        EXPECT_EQ(Text(noteText), step.name);
        ASSERT_TRUE(Type(Control(note, IDC_LOG_IN_NAME), step.url));
        Screenshot(note, "build-list-note");
    }
    void Do(HWND main, const Step& step) const {
        const HWND box = Box(main, step.level);
        const std::vector<std::string> before = ListTexts(box);
        switch (step.kind) {
        case Step::kAdd: AddInPlace(main, step); return;
        case Step::kNote: WriteNote(main, step); return;
        case Step::kSelect: SelectEntry(box, step.from); return;
        case Step::kSeparator: Command(main, ID_INSERT_SEPARATOR + step.level); break;
        case Step::kSort: Command(main, IDC_SORT_CATEGORIES + step.level); break;
        case Step::kDrag: DragEntry(box, step.from, step.to); break;
        }
        EXPECT_TRUE(WaitUntil([&] { return ListTexts(box) != before; })) << "step " << step.kind;
    }
};

TEST_F(BuildListJourney, WhatIsTypedInPlaceIsSavedAsTheModelWritesItAndComesBack) {
    const std::string listPath = Path("Built.txt");
    ASSERT_TRUE(WriteFile(listPath, ""));
    StartProgram({"Built"}, kViewOrganize);
    ASSERT_TRUE(main);
    for (const Step& step : kSteps) ASSERT_NO_FATAL_FAILURE(Do(main, step));
    EXPECT_EQ(ListTexts(Box(main, kTitle)), (std::vector<std::string>{"Alpha", "Zeta", "", "Beta", "Mid"}));
    Screenshot(main, "build-list-typed");
    ASSERT_TRUE(Chord(main, {VK_CONTROL, 'S'}));
    ASSERT_TRUE(WaitUntil([&] { return FileSize(listPath) > 0; }));
    ASSERT_TRUE(program->Close());
    registry_test::ScratchFolder expected;
    EXPECT_EQ(ReadFile(listPath), ModelResult(expected.Path() + "Built.txt"));
    const std::string mid = TitleText(listPath, "ftp://mid.example/");
    EXPECT_EQ(TitleNote(mid), "Ask for the\\nspring schedule");
    EXPECT_EQ(TitleLogIn(mid), "guest");

    CAppSettings stored = StoredSettings();
    EXPECT_EQ(stored.ViewMode, kViewOrganize);
    EXPECT_EQ(stored.Lists.entries.at(0).start, "1,0,4");

    Program again;
    const HWND reopened = again.WaitForMain();
    ASSERT_TRUE(reopened);
    EXPECT_EQ(ListTexts(Box(reopened, kCategory)), (std::vector<std::string>{"Home", "Work"}));
    EXPECT_EQ(ListTexts(Box(reopened, kSubcategory)), (std::vector<std::string>{"Docs", "Tools"}));
    EXPECT_EQ(ListTexts(Box(reopened, kTitle)), (std::vector<std::string>{"Alpha", "Zeta", "", "Beta", "Mid"}));
    const HWND note = again.WaitForDialog("Mid");
    ASSERT_TRUE(note) << "shown as it was left";
    EXPECT_EQ(ControlText(note, IDC_NOTE_TEXT), "Ask for the\r\nspring schedule");
    EXPECT_EQ(ControlText(note, IDC_LOG_IN_NAME), "guest");
    Screenshot(reopened, "build-list-again");
    PostCommand(reopened, ID_SAVE_COPY);
    ASSERT_TRUE(again.ChooseFile("Save a Copy of 'Built' List", expected.Path() + "Copy.txt")) << again.Windows();
    EXPECT_TRUE(WaitUntil([&] { return FileSize(expected.Path() + "Copy.txt") == FileSize(listPath); }));
    EXPECT_EQ(ReadFile(expected.Path() + "Copy.txt"), ReadFile(listPath));
    EXPECT_TRUE(again.Close());
}

}  // namespace
}  // namespace e2e

// Thousands of random operations on two paired lists, with memory running
// out now and then and a save and reload in between: after every operation
// both lists must pass the invariant check, a refused growth must leave the
// list as it was, and a reload must give back the same outline.
#include <random>
#include <sstream>

#include "list_edit_fixture.h"

using namespace list_edit_testing;

namespace {

const char* const kNames[] = {"alpha", "Alpha", "beta", "GAMMA", "delta", "x", "Y", "\xC9t\xE9", "zeta"};
const char* const kSearches[] = {"a", "ALPHA", "http://h/1", "note", "zz", "\xE9", "t\xC9"};

class RandomOps : public ListTest {
protected:
    int Roll(int below) {
        return below <= 1 ? 0 : std::uniform_int_distribution<int>(0, below - 1)(random_);
    }
    bool Chance(int percent) { return Roll(100) < percent; }
    std::string Name() { return kNames[Roll(9)]; }
    int Position(const CUrlListFile& target, int level) { return Roll(target.Last(level) + 3) - 1; }

    std::string RandomOutline() {
        std::ostringstream out;
        int serial = 0;
        for (int c = Roll(6) + 1; c > 0; --c) {
            out << "<1>" << (Chance(10) ? "" : Name()) << "\n";
            if (Chance(5)) out << "http://h/" << serial++ << "\thidden\n";  // no view shows it
            for (int s = Roll(4); s > 0; --s) {
                out << "<2>" << (Chance(10) ? "---" : Name()) << "\n";
                for (int t = Roll(6); t > 0; --t) {
                    int kind = Roll(10);
                    if (kind == 0)
                        out << "\n";
                    else if (kind == 1)
                        out << "alias:" << Roll(4) + 1 << "\n";
                    else
                        out << ComposeTitleText("http://h/" + std::to_string(serial++), Name(),
                                                Chance(30) ? kNow - Roll(1000) : 0,
                                                Chance(20) ? "a note\r\nline" : "",
                                                Chance(20) ? "me" : "", Chance(30) ? Roll(4) + 1 : 0)
                            << "\n";
                }
            }
        }
        return out.str();
    }

    // Runs one random operation on `target`; returns its description.
    std::string Operate(CUrlListFile& target) {
        int level = Roll(kLevelCount);
        std::ostringstream op;
        switch (Roll(21)) {
            case 0:
            case 1:
            case 2:
            case 3: {
                op << "Select";
                gate.Allow(-1);  // a view rebuilt short of memory keeps what fitted,
                                 // a state the invariant check reports
                for (int l = 0; l <= level; ++l) {
                    int position = Chance(90) ? Roll(target.Last(l) + 1) : Position(target, l);
                    target.Select(l, position, static_cast<SelectMode>(Roll(3)));
                    op << " " << position;
                }
                break;
            }
            case 4:
            case 5: {
                std::string name = Name();
                std::string text = level == kTitle ? Title("http://h/new", name) : name;
                int before = target.TitleCount();
                std::string outline = Outline(target);
                int result = target.AddItem(level, text, name);
                if (result == -3 || result == -1) {
                    EXPECT_EQ(Outline(target), outline) << "a failed add changed the list";
                    EXPECT_EQ(target.TitleCount(), before);
                }
                op << "AddItem(" << level << ", " << name << ") = " << result;
                break;
            }
            case 6: {
                int position = Position(target, level);
                target.EditItem(level, position, Name() + (Chance(20) ? "\tx" : ""), "http://e/" + Name());
                op << "EditItem(" << level << ", " << position << ")";
                break;
            }
            case 7: {
                int item = target.ItemAt(kTitle, Position(target, kTitle));
                if (Chance(50))
                    target.SetNoteAndLogIn(item, Chance(50) ? "n\r\n\tote" : "", Chance(50) ? "who" : "");
                else
                    target.SetLastVisited(item, Chance(30));
                op << "SetNote/LastVisited(" << item << ")";
                break;
            }
            case 8: {
                int position = Position(target, level);
                bool all = Chance(30);
                target.DeleteAt(level, position, all);
                op << "DeleteAt(" << level << ", " << position << ", " << all << ")";
                break;
            }
            case 9: {
                int from = Position(target, level), to = Position(target, level);
                target.MoveInView(level, from, to);
                op << "MoveInView(" << level << ", " << from << ", " << to << ")";
                break;
            }
            case 10: {
                std::string outline = Outline(target);
                int result = target.SortLevel(level);
                if (result == -3) {
                    EXPECT_EQ(Outline(target), outline);
                }
                op << "SortLevel(" << level << ") = " << result;
                break;
            }
            case 11: {
                std::string outline = Outline(target);
                int result = target.InsertSeparator(level);
                if (result < 0) {
                    EXPECT_EQ(Outline(target), outline);
                }
                op << "InsertSeparator(" << level << ") = " << result;
                break;
            }
            case 12: {
                const char* text = kSearches[Roll(7)];
                op << "FindNext(" << text << ") = " << target.FindNext(text, round_).result;
                break;
            }
            case 13:
            case 14:
                op << "MarkSelected(" << level << ") = " << target.MarkSelected(Chance(30) ? -1 : level);
                break;
            case 15: {
                int first = Position(target, level), last = Position(target, level), mode = Roll(3);
                op << "MarkRange(" << level << ", " << first << ", " << last << ", " << mode
                   << ") = " << target.MarkRange(level, first, last, mode);
                break;
            }
            case 16:
                op << "MoveMarked() = " << target.MoveMarked();
                break;
            case 17:
                op << "AliasMarked() = " << target.AliasMarked();
                break;
            case 18: {
                int result = target.CopyMarkedFromOther();
                op << "CopyMarkedFromOther() = " << result;
                if (result == 0 && Chance(50)) {
                    target.OtherList()->DeleteMarked();
                    op << ", DeleteMarked() on the other list";
                }
                break;
            }
            default:
                if (Chance(30)) {
                    target.DeleteMarked();
                    op << "DeleteMarked()";
                } else if (Chance(30)) {
                    target.ClearMarks();
                    op << "ClearMarks()";
                } else {
                    int item = Roll(target.Count() + 2), mode = Roll(3);
                    op << "SetMark(" << item << ", " << mode << ") = " << target.SetMark(item, mode);
                }
                break;
        }
        return op.str();
    }

    void ExpectSoundAfter(const std::string& history) {
        for (const CUrlListFile* target : {&list, &other}) {
            std::string broken = ListInvariantChecker::Check(*target);
            ASSERT_EQ(broken, "") << (target == &list ? "list" : "other") << " after:\n" << history;
        }
    }

    std::mt19937 random_{7};
    CFindState round_;
};

TEST_F(RandomOps, KeepTheInvariantsAndSurviveSaveAndReload) {
    std::string history;
    for (int op = 0; op < 4000; ++op) {
        if (op % 400 == 0 || list.Count() > 1500 || other.Count() > 1500) {
            Load(list, RandomOutline());
            Load(other, RandomOutline());
            history = "fresh lists\n";
            ExpectSoundAfter(history);
        }
        CUrlListFile& target = Chance(70) ? list : other;
        if (Chance(3)) {
            std::string outline = Outline(target);
            ASSERT_EQ(target.Save(), 0);
            ASSERT_GE(target.Load(), 0);
            ASSERT_EQ(Outline(target), outline) << "reload after:\n" << history;
            history += "save and reload\n";
            continue;
        }
        if (Chance(5)) gate.Allow(Roll(3));
        history += Operate(target) + (&target == &list ? "\n" : " on the other list\n");
        gate.Allow(-1);
        ExpectSoundAfter(history);
        if (history.size() > 4000) history.erase(0, history.size() - 3000);
    }
}

}  // namespace

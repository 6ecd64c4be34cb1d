// Thousands of random operations on two paired lists, with memory running
// out now and then and a save and reload in between: after every operation
// both lists must pass the invariant check, a refused growth must leave the
// list as it was, and a save must write each line as the writer lays it out
// and a reload give back the same outline.
#include <climits>
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

    // Title lines of one subcategory: separators, aliases of titles 1 to 4
    // anywhere, titles with aliases of their own right before or after them
    // (also two side by side), and plain titles, some of them targets 1 to 4.
    // `titles` counts the title lines, up to `limit`.
    void TitleLines(std::ostringstream& out, int count, int& serial, int& titles, int limit = INT_MAX) {
        for (int t = count; t > 0 && titles < limit; --t) {
            int kind = Roll(12);
            if (kind == 0 || kind == 1) {
                out << (kind == 0 ? "" : "alias:" + std::to_string(Roll(4) + 1)) << "\n";
                continue;
            }
            int number = kind <= 3 ? 100 + serial : Chance(30) ? Roll(4) + 1 : 0;
            if (kind == 2) out << "alias:" << number << "\n";
            out << ComposeTitleText("http://h/" + std::to_string(serial++), Name(),
                                    Chance(30) ? kNow - Roll(1000) : 0, Chance(20) ? "a note\r\nline" : "",
                                    Chance(20) ? "me" : "", number)
                << "\n";
            ++titles;
            if (kind == 3)
                for (int a = Roll(2) + 1; a > 0; --a) out << "alias:" << number << "\n";
        }
    }

    // A few categories; with `padTo`, one more category brings the titles to
    // exactly that many.
    std::string RandomOutline(int padTo = 0) {
        std::ostringstream out;
        int serial = 0;
        int titles = 0;
        for (int c = Roll(6) + 1; c > 0; --c) {
            out << "<1>" << (Chance(10) ? "" : Name()) << "\n";
            if (Chance(5)) {
                out << "http://h/" << serial++ << "\thidden\n";  // no view shows it
                ++titles;
            }
            for (int s = Roll(4); s > 0; --s) {
                out << "<2>" << (Chance(10) ? "---" : Name()) << "\n";
                TitleLines(out, Roll(6), serial, titles);
            }
        }
        if (padTo > titles) out << "<1>" << Name() << "\n";
        while (padTo > titles) {
            out << "<2>" << Name() << "\n";
            TitleLines(out, Roll(150), serial, titles, padTo);
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
                bool all = Chance(50);
                if (Chance(50)) {
                    int position = Position(target, level);
                    target.DeleteAt(level, position, all);
                    op << "DeleteAt(" << level << ", " << position << ", " << all << ")";
                } else {  // any entry, shown or not, linked or not
                    int item = Roll(target.Count() + 1) + 1;
                    target.DeleteItem(item, all, true);
                    op << "DeleteItem(" << item << ", " << all << ", 1)";
                }
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
                CUrlListFile& from = *target.OtherList();
                if (Chance(50)) {
                    int first = Position(from, level), last = Position(from, level);
                    op << "MarkRange(" << level << ", " << first << ", " << last << ", 1) = "
                       << from.MarkRange(level, first, last, 1) << " on the other list, ";
                }
                // A move loses nothing: what is not copied is a bare separator.
                int items = Linked(target) + Linked(from);
                for (int marked : from.Marks())
                    items -= from.Item(marked).Has(ItemFlags::kSeparator) &&
                             from.NextSibling(marked).item == from.Next(marked);
                int result = target.CopyMarkedFromOther();
                op << "CopyMarkedFromOther() = " << result;
                if (result == 0 && Chance(50)) {
                    from.DeleteMarked();
                    op << ", DeleteMarked() on the other list";
                    EXPECT_EQ(Linked(target) + Linked(from), items) << "entries vanished in a move";
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

    static int Linked(const CUrlListFile& target) {
        int items = 0;
        for (int i = target.First(); i != 0; i = target.Next(i)) ++items;
        return items;
    }

    // Loads fresh lists for the operations up to `op` plus a round's length.
    // Now and then the list has exactly as many titles as make a list full
    // by adding, for a shorter round (every check walks the whole list).
    void LoadFresh(int op) {
        bool padded = Chance(25);
        Load(list, RandomOutline(padded ? CUrlListFile::kFullTitleCount : 0));
        if (padded) {
            ASSERT_EQ(list.TitleCount(), CUrlListFile::kFullTitleCount);
        }
        Load(other, RandomOutline());
        roundEnd_ = op + (padded ? 80 : 400);
        grownLimit_[0] = list.Count() + 1500;
        grownLimit_[1] = other.Count() + 1500;
    }
    bool RoundOver(int op) const {
        return op >= roundEnd_ || list.Count() > grownLimit_[0] || other.Count() > grownLimit_[1];
    }

    static std::string LaidOut(const CUrlListFile& target) {
        std::string text;
        for (int i = target.First(); i != 0; i = target.Next(i))
            AppendListLine(text, target.Item(i).Level(), target.RawText(i), target.Item(i).Has(ItemFlags::kSeparator));
        return text;
    }

    void RememberTitleCounts() {
        titlesBefore_[0] = list.TitleCount();
        titlesBefore_[1] = other.TitleCount();
        fullBefore_[0] = list.IsFull();
        fullBefore_[1] = other.IsFull();
    }

    void ExpectSoundAfter(const std::string& history) {
        for (const CUrlListFile* target : {&list, &other}) {
            int which = target == &other;
            std::string broken = ListInvariantChecker::Check(*target);
            if (broken.empty())
                broken = ListInvariantChecker::CheckFullFlagChange(titlesBefore_[which], fullBefore_[which], *target);
            ASSERT_EQ(broken, "") << (which ? "other" : "list") << " after:\n" << history;
        }
    }

    std::mt19937 random_{7};
    CFindState round_;
    int roundEnd_ = 0;
    int grownLimit_[2] = {};
    int titlesBefore_[2] = {};
    bool fullBefore_[2] = {};
};

TEST_F(RandomOps, KeepTheInvariantsAndSurviveSaveAndReload) {
    std::string history;
    for (int op = 0; op < 4000; ++op) {
        if (RoundOver(op)) {
            LoadFresh(op);
            history = "fresh lists\n";
            RememberTitleCounts();
            ExpectSoundAfter(history);
        }
        CUrlListFile& target = Chance(70) ? list : other;
        if (Chance(3)) {
            std::string outline = Outline(target);
            std::string laidOut = LaidOut(target);
            ASSERT_EQ(target.Save(), 0);
            ASSERT_EQ(testing_support::ReadBytes(target.Path()), laidOut) << "save after:\n" << history;
            ASSERT_GE(target.Load(), 0);
            ASSERT_EQ(Outline(target), outline) << "reload after:\n" << history;
            history += "save and reload\n";
            RememberTitleCounts();
            continue;
        }
        if (Chance(5)) gate.Allow(Roll(3));
        RememberTitleCounts();
        history += Operate(target) + (&target == &list ? "\n" : " on the other list\n");
        gate.Allow(-1);
        ExpectSoundAfter(history);
        if (history.size() > 4000) history.erase(0, history.size() - 3000);
    }
}

}  // namespace

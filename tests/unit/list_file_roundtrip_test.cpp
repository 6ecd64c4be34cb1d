// Random outlines in the writer's form read back and write out unchanged.
#include <gtest/gtest.h>

#include <random>
#include <set>

#include "model/title_text.h"
#include "model/url_list_file.h"
#include "test_support.h"

using testing_support::ReadBytes;
using testing_support::ScratchFolder;
using testing_support::WriteBytes;

namespace {

class OutlineGenerator {
public:
    explicit OutlineGenerator(unsigned seed) : random_(seed) {}

    // A list file as the writer would produce it, with `items` lines.
    std::string Generate(int items) {
        lines_.clear();
        titleLines_.clear();
        aliasTargets_.clear();
        int level = 0;
        for (int i = 1; i <= items; ++i) {
            level = i == 1 ? 0 : static_cast<int>(Pick(level + 2 > 2 ? 3 : level + 2));
            AddLine(level);
        }
        std::string text;
        for (std::size_t i = 0; i < lines_.size(); ++i) {
            Line& line = lines_[i];
            if (aliasTargets_.count(static_cast<int>(i) + 1))
                line.text = WithAliasNumber(line.text, static_cast<long>(i) + 1);
            text.append(static_cast<std::size_t>(line.level), '\t');
            if (line.level < 2) text += line.level == 0 ? "<1>" : "<2>";
            text += line.text + "\r\n";
        }
        return text;
    }

private:
    struct Line {
        int level;
        std::string text;
    };

    std::size_t Pick(std::size_t n) { return random_() % n; }

    std::string Name() {
        static const char kAlphabet[] = "abcXYZ 09-_.\xA6\xE9\xC9\x80\xFF/\\:&";
        std::string name(1, 'A' + static_cast<char>(Pick(26)));
        for (std::size_t n = Pick(12); n > 0; --n) name += kAlphabet[Pick(sizeof kAlphabet - 1)];
        return name + 'z';
    }

    void AddLine(int level) {
        int number = static_cast<int>(lines_.size()) + 1;
        if (Pick(12) == 0) {
            lines_.push_back({level, std::string(60, '-')});
            return;
        }
        if (level < 2) {
            lines_.push_back({level, Name()});
            return;
        }
        if (!titleLines_.empty() && Pick(5) == 0) {
            int target = titleLines_[Pick(titleLines_.size())];
            aliasTargets_.insert(target);
            lines_.push_back({2, "alias:" + std::to_string(target)});
            return;
        }
        std::string note = Pick(3) == 0 ? Name() + "\\n" + Name() : "";
        std::string logIn = Pick(4) == 0 ? Name() : "";
        std::int64_t visited = Pick(2) ? static_cast<std::int64_t>(random_()) - 100 : 0;
        lines_.push_back({2, ComposeTitleText("http://" + Name(), Name(),
                                              visited, note, logIn, 0)});
        titleLines_.push_back(number);
    }

    std::mt19937 random_;
    std::vector<Line> lines_;
    std::vector<int> titleLines_;
    std::set<int> aliasTargets_;
};

TEST(ListFileRoundTrip, RandomOutlinesSurviveWriteAndRead) {
    ScratchFolder folder;
    for (unsigned seed = 1; seed <= 40; ++seed) {
        OutlineGenerator generator(seed);
        std::string text = generator.Generate(1 + static_cast<int>(seed * 37 % 400));
        WriteBytes(folder.Path("in.txt"), text);
        CUrlListFile list;
        ASSERT_EQ(list.Load(folder.Path("in.txt")), 0) << "seed " << seed;
        ASSERT_EQ(list.SaveCopy(folder.Path("out.txt")), 0);
        ASSERT_EQ(ReadBytes(folder.Path("out.txt")), text) << "seed " << seed;
    }
}

}  // namespace

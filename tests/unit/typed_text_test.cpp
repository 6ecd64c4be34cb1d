// Typed names and URLs that the list file would read back as other lines.
#include <gtest/gtest.h>

#include "model/typed_text.h"

namespace {

TEST(TypedTextTest, UrlsThatWouldChangeTheirLine) {
    const struct {
        const char* url;
        TypedTextClash clash;
    } cases[] = {
        {"http://example.com/", TypedTextClash::kNone},
        {"---", TypedTextClash::kSeparator},
        {"  ---x", TypedTextClash::kSeparator},
        {"--x", TypedTextClash::kNone},
        {"alias:12", TypedTextClash::kAlias},
        {"\talias:", TypedTextClash::kAlias},
        {"Alias:12", TypedTextClash::kNone},
        {"<1>x", TypedTextClash::kLevelLine},
        {"<3>", TypedTextClash::kLevelLine},
        {"<a>b", TypedTextClash::kLevelLine},
        {"<a", TypedTextClash::kNone},
        {"<ab>", TypedTextClash::kNone},
        {"", TypedTextClash::kNone},
    };
    for (const auto& c : cases) EXPECT_EQ(UrlClash(c.url), c.clash) << c.url;
}

TEST(TypedTextTest, NamesClashOnlyAsSeparators) {
    EXPECT_EQ(NameClash("---News"), TypedTextClash::kSeparator);
    EXPECT_EQ(NameClash(" ---"), TypedTextClash::kSeparator);
    EXPECT_EQ(NameClash("<1>News"), TypedTextClash::kNone);  // the marker goes in front
    EXPECT_EQ(NameClash("alias:3"), TypedTextClash::kNone);
    EXPECT_EQ(NameClash("News --- Daily"), TypedTextClash::kNone);
}

}  // namespace

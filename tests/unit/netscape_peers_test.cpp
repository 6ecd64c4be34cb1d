// Real bookmark files written by browsers and bookmark services since 1997:
// every bookmark arrives, with the names, addresses, notes and separators a
// user of the exporting program would expect.
#include <gtest/gtest.h>

#include <algorithm>

#include "exchange/netscape_bookmarks.h"
#include "exchange_test_support.h"
#include "model/title_text.h"

using exchange_testing::CLoadedList;
using exchange_testing::PeerPath;
using Lines = std::vector<std::string>;

namespace {

struct PeerFile {
    const char* name;
    int titles, categories, subcategories, separators;
};

const PeerFile kPeerFiles[] = {
    {"gtkbookmark_netscape-4_bookmark.htm", 1231, 20, 186, 3},
    {"perl-nb_icab_Hotlist.html", 151, 19, 31, 0},
    {"perl-nb_mac-ie-4_Favorites.html", 149, 19, 31, 0},
    {"perl-nb_mozilla-1.x_bookmarks.html", 219, 16, 33, 0},
    {"perl-nb_netscape-4.76_Bookmarks4.7.html", 110, 13, 13, 4},
    {"perl-nb_netscape-4_Bookmarks.html", 10, 5, 5, 2},
    {"qutebrowser_firefox_keywords.html", 3, 1, 1, 0},
    {"shaarli-nbp_chromium_nested.htm", 18, 6, 8, 0},
    {"shaarli-nbp_delicious.htm", 5, 1, 1, 0},
    {"shaarli-nbp_empty.htm", 0, 0, 0, 0},
    {"shaarli-nbp_firefox_nested.htm", 24, 6, 7, 1},
    {"shaarli-nbp_google_bookmarks_nested.htm", 6, 1, 1, 0},
    {"shaarli-nbp_ie11_nested.htm", 27, 7, 9, 0},
    {"shaarli-nbp_netscape_nested.htm", 8, 4, 4, 0},
    {"shaarli-nbp_safari_folded.htm", 3, 5, 3, 0},
    {"shaarli-nbp_scuttle.htm", 4, 1, 1, 0},
    {"shaarli-nbp_shaarli.htm", 6, 1, 1, 0},
    {"xia1990_ie11_zh_bookmark.htm", 13, 1, 1, 0},
    {"zhuxiaodong_ie8_zh_bookmark.htm", 25, 7, 7, 0},
};

// Bookmarks in the source: <A> tags with an HREF, however they are spelled.
int CountAnchors(const std::string& html) {
    std::string lower(html);
    std::transform(lower.begin(), lower.end(), lower.begin(), [](char c) { return std::tolower(c); });
    int count = 0;
    for (std::size_t at = lower.find("<a "); at != std::string::npos; at = lower.find("<a ", at + 1))
        if (lower.substr(at, lower.find('>', at) - at).find("href=") != std::string::npos) ++count;
    return count;
}

CLoadedList ImportPeer(const std::string& path) {
    return CLoadedList(NetscapeToList(testing_support::ReadBytes(path), platform::Windows1252()));
}

class NetscapePeers : public ::testing::TestWithParam<PeerFile> {};

TEST_P(NetscapePeers, EveryBookmarkArrivesInAListThatLoadsAsWritten) {
    const PeerFile& peer = GetParam();
    std::string path = PeerPath("netscape", peer.name);
    SKIP_WITHOUT_PEERS(path);
    CLoadedList list = ImportPeer(path);
    EXPECT_TRUE(list.LoadResult() == 0) << list.LoadResult();
    EXPECT_TRUE(list.WritesBackUnchanged());
    int counts[4] = {};  // categories, subcategories, titles, separators
    for (const std::string& line : list.Outline())
        ++counts[line.substr(1) == " ---" ? 3 : std::string("CST").find(line[0])];
    EXPECT_EQ(counts[2], CountAnchors(testing_support::ReadBytes(path)));
    EXPECT_EQ(counts[2], peer.titles);
    EXPECT_EQ(counts[0], peer.categories);
    EXPECT_EQ(counts[1], peer.subcategories);
    EXPECT_EQ(counts[3], peer.separators);
}

INSTANTIATE_TEST_SUITE_P(RealFiles, NetscapePeers, ::testing::ValuesIn(kPeerFiles),
                         [](const auto& info) {
                             std::string name = info.param.name;
                             std::replace_if(name.begin(), name.end(), [](char c) { return !std::isalnum(c); }, '_');
                             return name;
                         });

Lines FirstLines(const CLoadedList& list, std::size_t count) {
    Lines outline = list.Outline();
    outline.resize(std::min(count, outline.size()));
    return outline;
}

TEST(NetscapePeerContent, FirefoxRuleAndBookmarkOnOneLine) {
    std::string path = PeerPath("netscape", "shaarli-nbp_firefox_nested.htm");
    SKIP_WITHOUT_PEERS(path);
    Lines outline = ImportPeer(path).Outline();
    EXPECT_EQ(outline[4], "T ---");
    EXPECT_EQ(outline[5],
              "T Timeline of the Elves in Tolkien\x92s works | LotrProject Blog "
              "<http://lotrproject.com/blog/2013/02/08/timeline-of-the-elves-in-tolkiens-works/>");
}

TEST(NetscapePeerContent, ICabAddressesAfterOtherAttributes) {
    std::string path = PeerPath("netscape", "perl-nb_icab_Hotlist.html");
    SKIP_WITHOUT_PEERS(path);
    EXPECT_EQ(FirstLines(ImportPeer(path), 3),
              (Lines{"C Uncategorized", "S Uncategorized",
                     "T CGI Programming with Perl <http://www.panix.com/~comdog/stonehenge/CGI_class_answers/>"}));
}

TEST(NetscapePeerContent, Netscape4RulesNotesAndVisits) {
    std::string path = PeerPath("netscape", "perl-nb_netscape-4_Bookmarks.html");
    SKIP_WITHOUT_PEERS(path);
    CLoadedList list = ImportPeer(path);
    Lines outline = list.Outline();
    EXPECT_EQ(outline[3], "T Amazon.com--Earth's Biggest Selection "
                          "<http://www.amazon.com/exec/obidos/subst/home/home.html/002-1250643-7915022>");
    EXPECT_EQ(outline[11], "C ---");
    std::string thisLife = list.TitleTexts()[2];
    EXPECT_EQ(TitleName(thisLife), "From WBEZ in Chicago | This American Life");
    EXPECT_EQ(TitleNote(thisLife), "The best radio show of all time.");
    EXPECT_EQ(LastVisited(thisLife), 938494068);
    EXPECT_EQ(TitleName(list.TitleTexts()[0]), "O'Reilly & Associates");
}

TEST(NetscapePeerContent, InternetExplorerUtf8WithByteOrderMark) {
    std::string ie11 = PeerPath("netscape", "shaarli-nbp_ie11_nested.htm");
    std::string chinese = PeerPath("netscape", "zhuxiaodong_ie8_zh_bookmark.htm");
    SKIP_WITHOUT_PEERS(ie11);
    CLoadedList list = ImportPeer(ie11);
    EXPECT_EQ(list.Outline()[2], "T Learn to write Gallifreyan in 9 simple steps "
                                 "<http://io9.gizmodo.com/learn-to-write-gallifreyan-in-9-simple-steps-506989915>");
    EXPECT_EQ(LastVisited(list.TitleTexts()[0]), 1466269580);
    // Windows-1252 has no Chinese: names show the default character, addresses stay usable.
    Lines outline = ImportPeer(chinese).Outline();
    EXPECT_EQ(outline[3], "T ?? ????? ??? ?? ?\?-?\?-?? ??? <http://www.talkcc.com/user/"
                          "%E8%91%A1%E8%90%84/%E6%89%80%E6%9C%89%E5%B8%96/>");
    EXPECT_EQ(outline[8], "C Links for ??");
}

TEST(NetscapePeerContent, ServicesWithReferencesAndRelativeAddresses) {
    std::string scuttle = PeerPath("netscape", "shaarli-nbp_scuttle.htm");
    std::string shaarli = PeerPath("netscape", "shaarli-nbp_shaarli.htm");
    SKIP_WITHOUT_PEERS(scuttle);
    Lines outline = ImportPeer(scuttle).Outline();
    EXPECT_EQ(outline[2], "T EuroVoc Thesaurus <http://eurovoc.europa.eu/drupal/?q=navigation&cl=en>");
    EXPECT_EQ(outline[5], "T UN Terminology in German, English (& French & Spanish) "
                          "<http://unterm.un.org/dgaacs/gts_term.nsf>");
    std::string first = ImportPeer(shaarli).TitleTexts()[0];
    EXPECT_EQ(TitleUrl(first), "?lY47tw");
    // The description runs over several lines without <br>: its first line is the note.
    EXPECT_EQ(TitleNote(first), "\"Is there anything more fabulous than something created through the "
                                "wonder and miracle of caramelization?\"");
}

TEST(NetscapePeerContent, SafariWithoutARootList) {
    std::string path = PeerPath("netscape", "shaarli-nbp_safari_folded.htm");
    SKIP_WITHOUT_PEERS(path);
    EXPECT_EQ(ImportPeer(path).Outline(),
              (Lines{"C Favoris", "S Uncategorized", "T GitHub <https://github.com/>", "C Menu Signets",
                     "C Github - Shaarli", "S Uncategorized",
                     "T GitHub - shaarli/Shaarli: The personal, minimalist, super-fast, database free, "
                     "bookmarking service - community repo <https://github.com/shaarli/Shaarli>",
                     "C Autre Divers", "C doc", "S Uncategorized",
                     "T Wikipedia, the free encyclopedia <https://en.wikipedia.org/wiki/Main_Page>"}));
}

}  // namespace

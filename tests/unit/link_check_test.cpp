// The link checker against a server on the loopback address, and applying
// its results to a list.
#include <thread>

#include "list_edit_fixture.h"
#include "loopback_http_server.h"
#include "model/link_check.h"

using namespace list_edit_testing;

namespace {

class LinkCheckTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(server.Started());
        http = platform::MakeHttpClient();
        ASSERT_TRUE(http);
    }

    static std::vector<LinkToCheck> Links(const std::vector<std::string>& urls) {
        std::vector<LinkToCheck> links;
        for (const std::string& url : urls) links.push_back({1, url});
        return links;
    }

    LoopbackHttpServer server;
    std::unique_ptr<platform::HttpClient> http;
};

TEST_F(LinkCheckTest, ClassifiesEveryKindOfAnswer) {
    struct Case {
        std::string url;
        LinkState state;
        LinkReason reason;
        std::string newUrl;
    };
    const std::vector<Case> cases = {
        {server.Url("/ok"), LinkState::kFine, LinkReason::kAnswered, ""},
        {server.Url("/no-head"), LinkState::kFine, LinkReason::kAnswered, ""},
        {server.Url("/endless"), LinkState::kFine, LinkReason::kAnswered, ""},
        {server.Url("/temporary"), LinkState::kFine, LinkReason::kAnswered, ""},
        {server.Url("/moved"), LinkState::kMoved, LinkReason::kMovedForGood, server.Url("/ok")},
        {server.Url("/moved-twice"), LinkState::kMoved, LinkReason::kMovedForGood, server.Url("/ok")},
        {server.Url("/moved-then-temporary"), LinkState::kMoved, LinkReason::kMovedForGood, server.Url("/temporary")},
        {server.Url("/moved-to-gone"), LinkState::kDead, LinkReason::kGone, ""},
        {server.Url("/loop"), LinkState::kDead, LinkReason::kRedirectLoop, ""},
        {server.Url("/missing"), LinkState::kDead, LinkReason::kGone, ""},
        {server.Url("/gone"), LinkState::kDead, LinkReason::kGone, ""},
        {server.Url("/slow"), LinkState::kDead, LinkReason::kTimedOut, ""},
        {server.Url("/drop"), LinkState::kDead, LinkReason::kDropped, ""},
        {"http://127.0.0.1:" + std::to_string(LoopbackHttpServer::ClosedPort()) + "/", LinkState::kDead,
         LinkReason::kRefused, ""},
        {server.Url("/private"), LinkState::kNotDead, LinkReason::kLogIn, ""},
        {server.Url("/forbidden"), LinkState::kNotDead, LinkReason::kLogIn, ""},
        {server.Url("/busy"), LinkState::kNotDead, LinkReason::kRateLimited, ""},
        {server.Url("/broken"), LinkState::kNotDead, LinkReason::kServerTrouble, ""},
    };
    std::vector<LinkToCheck> links;
    for (const Case& c : cases) links.push_back({1, c.url});
    LinkCheckOptions options;
    options.timeoutMs = 1500;
    options.maxRedirects = 3;
    CLinkChecker checker(*http, options);
    std::vector<LinkResult> results;
    int lastDone = 0, calls = 0;
    ASSERT_EQ(checker.Check(links, results, [&](int done, int total) {
        EXPECT_EQ(total, static_cast<int>(cases.size()));
        lastDone = done;
        ++calls;
    }), 0);
    EXPECT_EQ(calls, static_cast<int>(cases.size()));
    EXPECT_EQ(lastDone, static_cast<int>(cases.size()));
    for (std::size_t i = 0; i < cases.size(); ++i) {
        EXPECT_EQ(results[i].state, cases[i].state) << cases[i].url;
        EXPECT_EQ(results[i].reason, cases[i].reason) << cases[i].url;
        EXPECT_EQ(results[i].newUrl, cases[i].newUrl) << cases[i].url;
    }
}

TEST_F(LinkCheckTest, CancelEndsTheRequestsInFlight) {
    LinkCheckOptions options;
    options.timeoutMs = 120000;
    options.inFlight = 2;
    CLinkChecker checker(*http, options);
    std::vector<LinkToCheck> links = Links(std::vector<std::string>(6, server.Url("/slow")));
    std::vector<LinkResult> results;
    int result = 0;
    std::thread checking([&] { result = checker.Check(links, results); });
    EXPECT_TRUE(server.AwaitRequests(2));
    checker.Cancel();
    checking.join();
    EXPECT_EQ(result, -1);
    for (const LinkResult& r : results) EXPECT_EQ(r.state, LinkState::kUnchecked);
}

TEST(ResolveLocationTest, FollowsEveryFormOfLocation) {
    const std::pair<const char*, const char*> cases[] = {
        {"https://other.example/x", "https://other.example/x"},
        {"//other.example/x", "http://other.example/x"},
        {"/root", "http://host.example/root"},
        {"sibling", "http://host.example/dir/sibling"},
        {"?page=2", "http://host.example/dir/page?page=2"},
    };
    for (const auto& [location, expected] : cases)
        EXPECT_EQ(ResolveLocation("http://host.example/dir/page?page=1", location), expected) << location;
    EXPECT_EQ(ResolveLocation("http://host.example", "next"), "http://host.example/next");
}

class LinkResultsTest : public ListTest {
protected:
    void SetUp() override {
        Load("<1>Web\n<2>Pages\n"
             "http://old.example/\tOld\t\xA6@1000\t\xA6+keep me\t\xA6#5\n"
             "https://dead.example/x\tDead\n"
             "mailto:someone@example.com\tMail\n"
             "C:\\Docs\\file.txt\tFile\n"
             "http://\tNo host\n"
             "http://bad host/\tSpace\n"
             "<2>More\n"
             "alias:5\n"
             "HTTPS://fine.example\tFine\n");
    }
};

TEST_F(LinkResultsTest, CollectsEachWebTitleOnceAndCountsTheRest) {
    LinkCollection collection;
    ASSERT_EQ(CollectLinks(list, collection), 0);
    std::vector<std::string> urls;
    for (const LinkToCheck& link : collection.links) urls.push_back(link.url);
    EXPECT_EQ(urls, (std::vector<std::string>{"http://old.example/", "https://dead.example/x", "HTTPS://fine.example"}));
    EXPECT_EQ(collection.notWeb, 2);
    EXPECT_EQ(collection.malformed, 2);

    SelectPath({"Web", "More"});
    ASSERT_EQ(list.MarkSelected(kSubcategory), kSubcategory);
    ASSERT_EQ(CollectLinks(list, collection), 0);
    ASSERT_EQ(collection.links.size(), 2u) << "the marked subcategory's titles, through the alias";
    EXPECT_EQ(collection.links[0].url, "http://old.example/");
}

TEST_F(LinkResultsTest, MarksTheDeadAndUpdatesTheMovedWithTheirFields) {
    LinkCollection collection;
    ASSERT_EQ(CollectLinks(list, collection), 0);
    std::vector<LinkResult> results(3);
    results[0].state = LinkState::kMoved;
    results[0].newUrl = "https://new.example/";
    results[1].state = LinkState::kDead;
    results[2].state = LinkState::kNotDead;
    EXPECT_EQ(MarkDeadLinks(list, collection.links, results), 1);
    EXPECT_EQ(list.DisplayName(list.Marks().at(0)), "Dead");
    EXPECT_EQ(UpdateMovedLinks(list, collection.links, results), 1);
    const std::string moved(list.RawText(collection.links[0].item));
    EXPECT_EQ(TitleUrl(moved), "https://new.example/");
    EXPECT_EQ(TitleNote(moved), "keep me");
    EXPECT_EQ(LastVisited(moved), 1000);
    ExpectSound(list);
    ExpectRoundTrip(list);
}

}  // namespace

// The clipboard copy commands of the main window, read back from the
// clipboard byte for byte. One clipboard per display: these tests never run
// beside another GUI test (the Win32 tests run serially).
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "html_format_check.h"
#include "main_window_fixture.h"
#include "message_pump.h"
#include "win/guards.h"

namespace {

// A title with an ampersand and markup, one with a character outside ASCII
// (Windows-1252 0xE9).
const char kCopyList[] =
    "<1>Links\r\n"
    "\t<2>Pages\r\n"
    "\t\thttp://example.com/?a=1&b=2\tA & B <i>\r\n"
    "\t\thttp://example.com/cafe\tCaf\xE9\r\n"
    "<1>Empty\r\n";

struct Clipboard {
    std::vector<UINT> formats;  // in the order they were placed
    std::string text;           // CF_TEXT with its zero byte
    std::string html;           // "HTML Format" with its zero byte
};

std::string BlockOf(UINT format) {
    const HANDLE data = ::GetClipboardData(format);
    if (!data) return "(none)";
    win::GlobalLockGuard<const char> lock(data);
    return lock ? std::string(lock.Get(), ::GlobalSize(data)) : "(unlocked)";
}

Clipboard ReadClipboard() {
    Clipboard read;
    win::ClipboardGuard clipboard(nullptr);
    EXPECT_TRUE(clipboard);
    for (UINT format = ::EnumClipboardFormats(0); format; format = ::EnumClipboardFormats(format))
        read.formats.push_back(format);
    read.text = BlockOf(CF_TEXT);
    read.html = BlockOf(::RegisterClipboardFormatA("HTML Format"));
    return read;
}

void PutTextOnClipboard(const std::string& text) {
    win::ClipboardGuard clipboard(nullptr);
    ::EmptyClipboard();
    HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    std::memcpy(::GlobalLock(memory), text.c_str(), text.size() + 1);
    ::GlobalUnlock(memory);
    ::SetClipboardData(CF_TEXT, memory);
}

class CopyTest : public MainWindowFixture {
protected:
    CopyTest() : MainWindowFixture(kCopyList) {}
};

TEST_F(CopyTest, EachCommandPutsItsExactBytesInItsFormats) {
    auto window = Open(kViewRegular);
    ASSERT_TRUE(window);
    Choose(*window, IDC_CATEGORY_LIST, 0);
    // Marked in the order Café, then A & B.
    host_.CurrentList().MarkRange(kTitle, 1, 1, 1);
    host_.CurrentList().MarkRange(kTitle, 0, 0, 1);
    ::SetFocus(Item(*window, IDC_TITLE_LIST));
    const std::string ab = "<a href=\"http://example.com/?a=1&b=2\">A & B <i></a>";
    const std::string cafe = "<a href=\"http://example.com/cafe\">Caf\xE9</a>";
    struct Case {
        int command;
        std::string text;  // CF_TEXT, without its zero byte
        bool html;
    };
    const Case cases[] = {
        {ID_COPY_URL, "http://example.com/?a=1&b=2", false},
        {ID_COPY_TITLE_AND_URL, "A & B <i>\thttp://example.com/?a=1&b=2", false},
        {ID_COPY_HTML_LINK, ab, true},
        {ID_COPY_MARKED_URLS, "http://example.com/cafe\r\nhttp://example.com/?a=1&b=2\r\n", false},
        {ID_COPY_MARKED_TITLES_AND_URLS, "Caf\xE9\thttp://example.com/cafe\r\nA & B <i>\thttp://example.com/?a=1&b=2\r\n",
         false},
        {ID_COPY_MARKED_HTML_LIST, cafe + "<br>\r\n" + ab + "<br>\r\n", true},
        {ID_COPY_MARKED_HTML_TABLE,
         "<table>\r\n<tr><td>" + cafe + "</td></tr>\r\n<tr><td>" + ab + "</td></tr>\r\n</table>\r\n", true},
    };
    const UINT htmlFormat = ::RegisterClipboardFormatA("HTML Format");
    for (const Case& c : cases) {
        PutTextOnClipboard("before");
        Command(*window, c.command);
        const Clipboard read = ReadClipboard();
        EXPECT_EQ(read.text, c.text + '\0') << c.command;
        ASSERT_FALSE(read.formats.empty());
        if (!c.html) {
            EXPECT_EQ(read.html, "(none)") << c.command;
            EXPECT_EQ(read.formats[0], static_cast<UINT>(CF_TEXT)) << c.command;
            continue;
        }
        EXPECT_EQ(read.formats[0], htmlFormat) << "HTML first";
        ASSERT_GT(read.html.size(), 1u);
        EXPECT_EQ(read.html.back(), '\0');
        std::string utf8 = c.text;
        for (std::size_t at = utf8.find('\xE9'); at != std::string::npos; at = utf8.find('\xE9'))
            utf8.replace(at, 1, "\xC3\xA9");
        EXPECT_EQ(HtmlFragment(read.html.substr(0, read.html.size() - 1)), utf8) << c.command;
    }
}

TEST_F(CopyTest, WithoutATitleTheClipboardIsEmptiedAndAFieldCopiesItsSelection) {
    auto window = Open(kViewRegular);
    ASSERT_TRUE(window);
    Choose(*window, IDC_CATEGORY_LIST, 1);  // a category without titles
    ::SetFocus(Item(*window, IDC_TITLE_LIST));
    for (int command : {ID_COPY_URL, ID_COPY_MARKED_HTML_TABLE}) {
        PutTextOnClipboard("before");
        Command(*window, command);
        EXPECT_EQ(ReadClipboard().formats.size(), 0u) << command;
    }

    Choose(*window, IDC_CATEGORY_LIST, 0);
    const HWND url = Item(*window, IDC_URL);
    ::SetFocus(url);
    ::SendMessageA(url, EM_SETSEL, 7, 18);
    PutTextOnClipboard("before");
    Command(*window, ID_COPY_URL);
    EXPECT_TRUE(PumpUntil([] { return ReadClipboard().text == std::string("example.com", 12); }, nullptr, 2000));
}

}  // namespace

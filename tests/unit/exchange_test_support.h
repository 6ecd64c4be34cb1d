// Helpers shared by the import and export tests: reading an imported list
// back as the program does, the peer sample files, and a double-byte code page.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "model/url_list_file.h"
#include "test_support.h"

namespace exchange_testing {

// A list file loaded by CUrlListFile, the way the program opens an import.
class CLoadedList {
public:
    explicit CLoadedList(std::string_view listText);
    int LoadResult() const { return loadResult_; }
    // One line per item: "C name", "S name", "T name <url>"; separators "C ---", "S ---", "T ---".
    std::vector<std::string> Outline() const;
    // The text of the titles, separators left out, in outline order.
    std::vector<std::string> TitleTexts() const;
    // The file the list writer makes of it equals the imported text.
    bool WritesBackUnchanged() const;
    const CUrlListFile& List() const { return list_; }

private:
    testing_support::ScratchFolder folder_;
    std::string text_;
    CUrlListFile list_;
    int loadResult_;
};

// Windows-1252 and a fixed date, whatever the machine's code page.
ListEnvironment WesternEnvironment(const platform::Clock& clock);

// Path of a peer sample file; empty when the shared folder is absent.
std::string PeerPath(const std::string& folder, const std::string& name);

#define SKIP_WITHOUT_PEERS(path)                                                     \
    if ((path).empty()) GTEST_SKIP() << "peer sample files (../shared/peers) are absent"

// A double-byte page: bytes 0x81-0x9F lead, and a pair (lead, trail) is the
// character U+4E00 + (lead - 0x81) * 256 + trail.
class CFakeDoubleBytePage final : public platform::CodePage {
public:
    unsigned Number() const override { return 932; }
    std::string CharsetName() const override { return "shift_jis"; }
    bool IsLeadByte(unsigned char byte) const override { return byte >= 0x81 && byte <= 0x9F; }
    std::string Lower(std::string_view text) const override { return std::string(text); }
    int CompareNoCase(std::string_view a, std::string_view b) const override { return a.compare(b); }
    std::string ToUtf8(std::string_view ansi) const override;
    std::string FromUtf8(std::string_view utf8) const override;
};

}  // namespace exchange_testing

#include "exchange_test_support.h"

#include <filesystem>

#include "model/title_text.h"

namespace exchange_testing {

CLoadedList::CLoadedList(std::string_view listText)
    : text_(listText), list_(ListEnvironment{&platform::OsFileSystem(), &platform::Windows1252()}) {
    testing_support::WriteBytes(folder_.Path("list.txt"), text_);
    loadResult_ = list_.Load(folder_.Path("list.txt"));
}

std::vector<std::string> CLoadedList::Outline() const {
    static const char kKinds[] = "CST";
    std::vector<std::string> lines;
    for (int i = list_.First(); i != 0; i = list_.Next(i)) {
        std::string line(1, kKinds[list_.Level(i)]);
        if (list_.Item(i).Has(ItemFlags::kSeparator))
            line += " ---";
        else if (list_.Level(i) == kTitle)
            line.append(" ").append(TitleName(list_.RawText(i))).append(" <").append(TitleUrl(list_.RawText(i))).append(">");
        else
            line.append(" ").append(list_.RawText(i));
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> CLoadedList::TitleTexts() const {
    std::vector<std::string> titles;
    for (int i = list_.First(); i != 0; i = list_.Next(i))
        if (list_.Level(i) == kTitle && !list_.Item(i).Has(ItemFlags::kSeparator))
            titles.emplace_back(list_.RawText(i));
    return titles;
}

bool CLoadedList::WritesBackUnchanged() const {
    std::string copy = folder_.Path("copy.txt");
    return list_.SaveCopy(copy) == 0 && testing_support::ReadBytes(copy) == text_;
}

ListEnvironment WesternEnvironment(const platform::Clock& clock) {
    return ListEnvironment{&platform::OsFileSystem(), &platform::Windows1252(), &clock};
}

std::string PeerPath(const std::string& folder, const std::string& name) {
    std::filesystem::path path = std::filesystem::path(VELLINOR_PEERS_DIR) / folder / name;
    return std::filesystem::exists(path) ? path.string() : std::string();
}

std::string CFakeDoubleBytePage::ToUtf8(std::string_view ansi) const {
    std::string out;
    for (std::size_t i = 0; i < ansi.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(ansi[i]);
        if (IsLeadByte(c) && i + 1 < ansi.size()) {
            platform::AppendUtf8(out, 0x4E00 + (c - 0x81) * 256 + static_cast<unsigned char>(ansi[++i]));
        } else {
            platform::AppendUtf8(out, c < 0x80 ? c : 0xFFFD);
        }
    }
    return out;
}

std::string CFakeDoubleBytePage::FromUtf8(std::string_view utf8) const {
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        unsigned char c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x80) {
            out += static_cast<char>(c);
            ++i;
            continue;
        }
        std::size_t length = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : 2;
        std::uint32_t u = c & (0x3F >> (length - 1));
        for (std::size_t k = 1; k < length && i + k < utf8.size(); ++k) u = (u << 6) | (utf8[i + k] & 0x3F);
        i += length;
        std::uint32_t offset = u - 0x4E00;
        if (u >= 0x4E00 && offset < 31 * 256 && offset % 256 >= 0x40) {
            out += static_cast<char>(0x81 + offset / 256);
            out += static_cast<char>(offset % 256);
        } else {
            out += '?';
        }
    }
    return out;
}

}  // namespace exchange_testing

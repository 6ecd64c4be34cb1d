#include "ui/text/html_clipboard.h"

namespace ui {

namespace {

constexpr std::string_view kBefore = "<html><body>\r\n<!--StartFragment-->";
constexpr std::string_view kAfter = "<!--EndFragment-->\r\n</body></html>\r\n";
constexpr std::string_view kVersion = "Version:0.9\r\n";
constexpr std::string_view kFields[] = {"StartHTML:", "EndHTML:", "StartFragment:", "EndFragment:"};
// The offsets have a fixed width, so the header's length is known before
// they are.
constexpr std::size_t kDigits = 10;

constexpr std::size_t HeaderLength() {
    std::size_t length = kVersion.size();
    for (std::string_view field : kFields) length += field.size() + kDigits + 2;
    return length;
}

void AppendOffset(std::string& out, std::string_view field, std::size_t offset) {
    out.append(field);
    char digits[kDigits];
    for (std::size_t i = kDigits; i-- > 0; offset /= 10) digits[i] = static_cast<char>('0' + offset % 10);
    out.append(digits, kDigits).append("\r\n");
}

}  // namespace

std::string HtmlLink(std::string_view url, std::string_view title) {
    std::string link;
    link.reserve(url.size() + title.size() + 15);
    return link.append("<a href=\"").append(url).append("\">").append(title).append("</a>");
}

std::string HtmlClipboardData(std::string_view ansiFragment, const platform::CodePage& cp) {
    const std::string fragment = cp.ToUtf8(ansiFragment);
    const std::size_t startHtml = HeaderLength();
    const std::size_t startFragment = startHtml + kBefore.size();
    const std::size_t endFragment = startFragment + fragment.size();
    const std::size_t endHtml = endFragment + kAfter.size();
    std::string data;
    data.reserve(endHtml);
    data.append(kVersion);
    AppendOffset(data, kFields[0], startHtml);
    AppendOffset(data, kFields[1], endHtml);
    AppendOffset(data, kFields[2], startFragment);
    AppendOffset(data, kFields[3], endFragment);
    data.append(kBefore).append(fragment).append(kAfter);
    return data;
}

}  // namespace ui

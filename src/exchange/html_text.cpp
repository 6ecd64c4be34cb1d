#include "exchange/html_text.h"

#include "exchange/text_conversion.h"

namespace exchange {

namespace {

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }

bool EqualNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
    return true;
}

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f'; }

bool IsNameEnd(char c) { return IsSpace(c) || c == '=' || c == '>' || c == '/'; }

struct NamedReference {
    std::string_view name;
    std::uint32_t codePoint;
};
constexpr NamedReference kNamedReferences[] = {
    {"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}, {"nbsp", 0xA0}};

// The character of the reference at `text` (just after its '&'), and its length up to and
// including the ';'; 0 when it is no reference this reader knows.
std::size_t ReadReference(std::string_view text, std::uint32_t& codePoint) {
    std::size_t semicolon = text.find(';');
    if (semicolon == std::string_view::npos || semicolon > 10) return 0;
    std::string_view body = text.substr(0, semicolon);
    if (body.size() >= 2 && body[0] == '#') {
        bool hex = body[1] == 'x' || body[1] == 'X';
        std::string_view digits = body.substr(hex ? 2 : 1);
        if (digits.empty()) return 0;
        std::uint32_t value = 0;
        for (char c : digits) {
            int d = c >= '0' && c <= '9' ? c - '0'
                  : hex && LowerAscii(c) >= 'a' && LowerAscii(c) <= 'f' ? LowerAscii(c) - 'a' + 10
                  : -1;
            if (d < 0) return 0;
            value = value > 0x10FFFF ? value : value * (hex ? 16 : 10) + static_cast<std::uint32_t>(d);
        }
        codePoint = value;
        return semicolon + 1;
    }
    for (const NamedReference& named : kNamedReferences) {
        if (body == named.name) {
            codePoint = named.codePoint;
            return semicolon + 1;
        }
    }
    return 0;
}

}  // namespace

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && EqualNoCase(text.substr(0, prefix.size()), prefix);
}

bool ContainsNoCase(std::string_view text, std::string_view part) {
    for (std::size_t i = 0; i + part.size() <= text.size(); ++i)
        if (EqualNoCase(text.substr(i, part.size()), part)) return true;
    return false;
}

bool EndsWithNoCase(std::string_view text, std::string_view suffix) {
    return text.size() >= suffix.size() &&
           EqualNoCase(text.substr(text.size() - suffix.size()), suffix);
}

bool IsTag(std::string_view text, std::size_t at, std::string_view name) {
    if (at >= text.size() || text[at] != '<') return false;
    std::string_view rest = text.substr(at + 1);
    if (!StartsWithNoCase(rest, name)) return false;
    return rest.size() == name.size() || IsSpace(rest[name.size()]) || rest[name.size()] == '>' ||
           rest[name.size()] == '/';
}

std::size_t TagEnd(std::string_view text, std::size_t at) {
    bool afterEquals = false;
    for (std::size_t i = at + 1; i < text.size(); ++i) {
        char c = text[i];
        if (c == '>') return i;
        if (afterEquals && (c == '"' || c == '\'')) {
            i = text.find(c, i + 1);
            if (i == std::string_view::npos) return i;
            afterEquals = false;
        } else if (c == '=') {
            afterEquals = true;
        } else if (!IsSpace(c)) {
            afterEquals = false;
        }
    }
    return std::string_view::npos;
}

bool FindAttribute(std::string_view tag, std::string_view name, std::string_view& value) {
    std::size_t i = 1;
    while (i < tag.size() && !IsNameEnd(tag[i])) ++i;  // the tag's own name
    while (i < tag.size()) {
        while (i < tag.size() && (IsSpace(tag[i]) || tag[i] == '/')) ++i;
        if (i >= tag.size() || tag[i] == '>') return false;
        std::size_t nameStart = i;
        while (i < tag.size() && !IsNameEnd(tag[i])) ++i;
        std::string_view attribute = tag.substr(nameStart, i - nameStart);
        while (i < tag.size() && IsSpace(tag[i])) ++i;
        std::string_view found;
        if (i < tag.size() && tag[i] == '=') {
            ++i;
            while (i < tag.size() && IsSpace(tag[i])) ++i;
            if (i < tag.size() && (tag[i] == '"' || tag[i] == '\'')) {
                std::size_t close = tag.find(tag[i], i + 1);
                if (close == std::string_view::npos) close = tag.size();
                found = tag.substr(i + 1, close - i - 1);
                i = close + 1;
            } else {
                std::size_t start = i;
                while (i < tag.size() && !IsSpace(tag[i]) && tag[i] != '>') ++i;
                found = tag.substr(start, i - start);
            }
        }
        if (!attribute.empty() && EqualNoCase(attribute, name)) {
            value = found;
            return true;
        }
    }
    return false;
}

std::string DecodeCharacterReferences(std::string_view text, const platform::CodePage& codePage) {
    std::size_t amp = text.find('&');
    if (amp == std::string_view::npos) return std::string(text);
    std::string out;
    out.reserve(text.size());
    std::size_t done = 0;
    for (; amp != std::string_view::npos; amp = text.find('&', amp + 1)) {
        std::uint32_t codePoint = 0;
        std::size_t length = ReadReference(text.substr(amp + 1), codePoint);
        if (length == 0) continue;
        out.append(text.substr(done, amp - done));
        if (codePoint > 0 && codePoint < 0x80)
            out += static_cast<char>(codePoint);
        else
            out += CodePointToAnsi(codePoint, codePage);
        done = amp + 1 + length;
        amp = done - 1;
    }
    out.append(text.substr(done));
    return out;
}

std::string EncodeCharacterReferences(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            default: out += c;
        }
    }
    return out;
}

}  // namespace exchange

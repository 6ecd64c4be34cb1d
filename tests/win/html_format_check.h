// Reading "HTML Format" data the way a program that pastes it does: the
// offsets of the description header are checked against the document, and
// the fragment between them is returned.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

inline std::size_t HtmlOffset(const std::string& data, const std::string& field) {
    const std::size_t at = data.find("\r\n" + field + ":");
    if (at == std::string::npos) return std::string::npos;
    return static_cast<std::size_t>(std::strtoul(data.c_str() + at + field.size() + 3, nullptr, 10));
}

// The fragment (UTF-8); failures are reported to the running test.
inline std::string HtmlFragment(const std::string& data) {
    const std::size_t startHtml = HtmlOffset(data, "StartHTML");
    const std::size_t endHtml = HtmlOffset(data, "EndHTML");
    const std::size_t startFragment = HtmlOffset(data, "StartFragment");
    const std::size_t endFragment = HtmlOffset(data, "EndFragment");
    EXPECT_EQ(data.compare(0, 12, "Version:0.9\r"), 0) << data;
    EXPECT_EQ(endHtml, data.size()) << data;
    EXPECT_TRUE(startHtml < startFragment && startFragment <= endFragment && endFragment <= endHtml) << data;
    if (!(startHtml < startFragment && startFragment <= endFragment && endFragment <= endHtml)) return {};
    EXPECT_EQ(data.compare(startHtml, 6, "<html>"), 0) << data;
    const std::string start = "<!--StartFragment-->";
    EXPECT_EQ(data.compare(startFragment - start.size(), start.size(), start), 0) << data;
    EXPECT_EQ(data.compare(endFragment, 18, "<!--EndFragment-->"), 0) << data;
    return data.substr(startFragment, endFragment - startFragment);
}

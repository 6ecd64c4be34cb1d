// What kind of target a title's URL is: an Internet address goes to the
// browser, anything else (a document, a folder, a program) to the shell.
#pragma once

#include <string_view>

// Begins with one of the Internet schemes, compared byte for byte: "http://",
// "news://", "ftp://", "mailto:", "https://" or "gopher://".
bool IsInternetUrl(std::string_view url);
bool IsMailto(std::string_view url);

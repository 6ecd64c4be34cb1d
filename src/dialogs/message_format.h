// Filling in the inserts of a message with the system's message formatter
// (FormatMessageA from a string): %1 ... %99 take the arguments in order,
// as texts unless the insert names a printf conversion between exclamation
// marks: %2!u! (unsigned decimal), %1!.u! (the same with precision "."), and
// so on. %% is a percent sign, %n a line break. Line breaks come out as LF.
//
// Unlike FormatMessageA itself, an insert that has no argument, or that
// expects a number where a text is given (or the other way round), makes the
// formatting fail instead of reading memory that is not there.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <optional>
#include <string>

// One argument: a text, or an unsigned number for a numeric insert. A text
// argument refers to the caller's string, which must live until the
// formatting is done (a temporary lives to the end of the call it is made in).
class MessageArg {
public:
    MessageArg(const std::string& text) noexcept
        : value_(reinterpret_cast<DWORD_PTR>(text.c_str())), isText_(true) {}
    MessageArg(const char* text) noexcept
        : value_(reinterpret_cast<DWORD_PTR>(text ? text : "")), isText_(true) {}
    MessageArg(unsigned number) noexcept : value_(number), isText_(false) {}
    MessageArg(unsigned long long number) noexcept
        : value_(static_cast<DWORD_PTR>(number)), isText_(false) {}

    DWORD_PTR Value() const noexcept { return value_; }
    bool IsText() const noexcept { return isText_; }

private:
    DWORD_PTR value_;
    bool isText_;
};

// The pattern with its inserts filled in; std::nullopt when formatting failed
// (the inserts do not match the arguments, or the system ran out of memory).
std::optional<std::string> FormatText(const std::string& pattern,
                                      std::initializer_list<MessageArg> args) noexcept;

// The same for a string of the string table (a missing string gives "").
std::optional<std::string> FormatResourceString(UINT id,
                                                std::initializer_list<MessageArg> args) noexcept;

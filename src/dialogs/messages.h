// Messages of the string table in message boxes.
//
// A message is one string-table entry: a caption, a TAB and a text, the text
// possibly with inserts (dialogs/message_format.h). Each message is shown
// with a fixed kind of box, which the caller passes:
//
//     MsgBoxFromString(owner, IDS_NO_BROWSER, MsgBoxKind::kExclamation);
//     if (MsgBoxFormatted(owner, IDS_CREATE_LIST_FILE, MsgBoxKind::kQuestionYesNo,
//                         {path}) == IDYES) ...
//
// All boxes go through the seam of dialogs/message_boxes.h. The functions
// return the button pressed, or 0 when no box was shown; they do not throw.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

#include "dialogs/message_boxes.h"
#include "dialogs/message_format.h"

// Caption used for a text without one of its own.
inline constexpr char kFallbackCaption[] = "Message";
// Caption of ShowSystemError.
inline constexpr char kSystemErrorCaption[] = "Error Message";

// Splits the text at its first TAB into caption and shown text (further TABs
// stay in the text). A text without a TAB, or starting with one, is shown
// whole under "Message".
int MsgBoxFromText(HWND owner, std::string_view text, MsgBoxKind kind) noexcept;

// A message without inserts; a missing id shows an empty text under "Message".
int MsgBoxFromString(HWND owner, UINT id, MsgBoxKind kind) noexcept;

// A message with inserts, filled in before the text is split, so an insert
// containing a TAB cannot move the caption's end. When formatting fails no
// box is shown and the result is 0: the caller treats it as out of memory.
int MsgBoxFormatted(HWND owner, UINT id, MsgBoxKind kind,
                    std::initializer_list<MessageArg> args) noexcept;

// The system's description of an error code, without the line break the
// system ends it with; "Error <code>" for a code the system does not know.
std::string SystemErrorText(DWORD error);

// Message `id` with the description of `error` as its insert %1, ready for
// MsgBoxFromText; std::nullopt when formatting failed.
std::optional<std::string> FormatSystemError(UINT id, DWORD error) noexcept;

// The description of `error` alone, in an information box without owner
// under "Error Message".
void ShowSystemError(DWORD error) noexcept;

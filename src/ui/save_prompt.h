// Asking whether to save a changed list before the program goes on to
// something that would lose the changes.
#pragma once

#include <windows.h>

#include <string>

class CUrlListFile;

enum class SaveReason { kContinuing, kExiting };

enum class SaveAnswer {
    kGoOn,     // saved, unchanged, read-only, or the user let a failed save go
    kDiscard,  // the user chose not to save: the caller drops the changes
    kCancel,   // stop what was about to happen
};

// A list with changes it can keep: only such a list is saved or asked about.
bool HasChangesToSave(const CUrlListFile& list);

// Nothing to do for a read-only list, nor for an unchanged one unless
// `forced` (an explicit Save rewrites the file anyway). Otherwise the list is
// saved, after asking (Yes/No/Cancel) unless `withoutPrompt`; a failed save
// offers Abort (cancel, changes kept), Retry and Ignore (go on without them).
// `name` is the list's name in the question.
SaveAnswer SavePrompt(HWND owner, CUrlListFile& list, const std::string& name, SaveReason reason,
                      bool withoutPrompt, bool forced = false);

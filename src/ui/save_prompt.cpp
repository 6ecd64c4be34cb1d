#include "ui/save_prompt.h"

#include "dialogs/messages.h"
#include "model/url_list_file.h"
#include "resource.h"

namespace {

// Save until it works or the user gives up: Abort cancels, Ignore goes on
// without the changes.
SaveAnswer SaveWithRetry(HWND owner, CUrlListFile& list) {
    for (;;) {
        const int error = list.Save();
        if (error == 0) return SaveAnswer::kGoOn;
        const auto text = FormatSystemError(IDS_CANNOT_SAVE_LIST, static_cast<DWORD>(error));
        const int answer =
            text ? MsgBoxFromText(owner, *text, MsgBoxKind::kExclamationAbortRetryIgnore) : IDABORT;
        if (answer == IDIGNORE) return SaveAnswer::kGoOn;
        if (answer != IDRETRY) return SaveAnswer::kCancel;
    }
}

}  // namespace

bool HasChangesToSave(const CUrlListFile& list) { return list.IsModified() && !list.IsReadOnly(); }

SaveAnswer SavePrompt(HWND owner, CUrlListFile& list, const std::string& name, SaveReason reason,
                      bool withoutPrompt, bool forced) {
    if (list.IsReadOnly() || !(forced || list.IsModified())) return SaveAnswer::kGoOn;
    if (!withoutPrompt) {
        const char* when = reason == SaveReason::kExiting ? "exiting" : "continuing";
        switch (MsgBoxFormatted(owner, IDS_SAVE_CHANGES, MsgBoxKind::kQuestionYesNoCancel,
                                {name, when})) {
        case IDYES:
            break;
        case IDNO:
            return SaveAnswer::kDiscard;
        default:
            return SaveAnswer::kCancel;
        }
    }
    return SaveWithRetry(owner, list);
}

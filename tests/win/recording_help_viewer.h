// A stand-in for the help viewer while it lives: records the topics asked
// for instead of opening the help file.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "dialogs/help.h"

class CRecordingHelpViewer final : public IHelpViewer {
public:
    CRecordingHelpViewer() : use_(*this) {}

    void Show(HWND, const char* topic) noexcept override { topics_.emplace_back(topic); }
    const std::vector<std::string>& Topics() const noexcept { return topics_; }

private:
    std::vector<std::string> topics_;
    HelpViewerOverride use_;
};

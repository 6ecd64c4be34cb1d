#include "exchange/folder_tree.h"

#include <utility>

namespace exchange {

CFolderTree::CFolderTree(int rootDepth) { contents_.push_back(Content{rootDepth, {}, {}}); }

int CFolderTree::OpenContent(int parent) {
    int content = static_cast<int>(contents_.size());
    contents_.push_back(Content{contents_[parent].depth + 1, {}, {}});
    contents_[parent].steps.push_back(Step{Step::kContent, 0, content, {}});
    return content;
}

std::size_t CFolderTree::AddHeader(int content, std::string name, int level) {
    auto& steps = contents_[content].steps;
    steps.push_back(Step{Step::kHeader, level, 0, std::move(name)});
    return steps.size() - 1;
}

void CFolderTree::NameHeader(int content, std::size_t header, std::string name) {
    contents_[content].steps[header].name = std::move(name);
}

void CFolderTree::AddFolderSeparator(int content, int level) {
    contents_[content].steps.push_back(Step{Step::kSeparator, level, 0, {}});
}

void CFolderTree::AddEntry(int content, Entry entry) {
    contents_[content].entries.push_back(std::move(entry));
}

void CFolderTree::Write(CListFileBuilder& out) const {
    auto writeEntries = [&](int content) {
        for (const Entry& entry : contents_[content].entries) {
            if (entry.separator)
                out.AddTitleSeparator();
            else
                out.AddTitle(entry.url, entry.name, entry.lastVisited, entry.note);
        }
    };
    // An explicit stack: hostile files nest deeper than a thread's stack allows.
    std::vector<std::pair<int, std::size_t>> open{{kRoot, 0}};
    writeEntries(kRoot);
    while (!open.empty()) {
        auto [content, next] = open.back();
        const std::vector<Step>& steps = contents_[content].steps;
        if (next == steps.size()) {
            open.pop_back();
            // Closing a folder: deep down the header stays a subcategory,
            // nearer the top it is one level less.
            int depthAfter = contents_[content].depth - 1;
            if (content != kRoot)
                out.SetHeaderLevel(depthAfter >= 2 ? 1 : out.HeaderLevel() - 1);
            continue;
        }
        open.back().second = next + 1;
        const Step& step = steps[next];
        if (step.kind == Step::kHeader) {
            out.AddFolder(step.name, step.level);
        } else if (step.kind == Step::kSeparator) {
            out.AddFolderSeparator(step.level);
        } else {
            writeEntries(step.content);
            open.emplace_back(step.content, 0);
        }
    }
}

}  // namespace exchange

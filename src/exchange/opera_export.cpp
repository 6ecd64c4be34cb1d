// Writing an open list as an Opera hotlist in UTF-8.
#include "exchange/list_walk.h"
#include "exchange/opera_hotlist.h"
#include "exchange/text_conversion.h"
#include "exchange/whole_file.h"

std::string ListToOpera(const CUrlListFile& list, std::int64_t now) {
    const platform::CodePage& codePage = *list.Environment().codePage;
    const std::string created = std::to_string(now);
    std::string out = "Opera Hotlist version 2.0\r\nOptions: encoding = utf8, version=3\r\n";
    int openFolders = 0;
    exchange::ForEachExportItem(list, [&](const exchange::ExportItem& item) {
        if (item.name.empty()) return;  // separators have no place in a hotlist
        std::string name = AnsiToUtf8(item.name, codePage, BreakMarks::kKeep);
        if (item.level < kTitle) {
            for (; openFolders > item.level; --openFolders) out += "\r\n-";
            out += "\r\n#FOLDER\r\n\tNAME=" + name + "\r\n\tCREATED=" + created +
                   "\r\n\tVISITED=0\r\n\tDESCRIPTION=\r\n\tSHORT NAME=\r\n";
            ++openFolders;
        } else {
            out += "\r\n#URL\r\n\tNAME=" + name +
                   "\r\n\tURL=" + AnsiToUtf8(item.url, codePage, BreakMarks::kKeep) +
                   "\r\n\tCREATED=" + created +
                   "\r\n\tVISITED=" + std::to_string(item.lastVisited) +
                   "\r\n\tDESCRIPTION=" + AnsiToUtf8(item.note, codePage, BreakMarks::kConvert) +
                   "\r\n\tSHORT NAME=\r\n";
        }
    });
    for (; openFolders >= 0; --openFolders) out += "\r\n-";
    out += "\r\n";
    return out;
}

int ExportOpera(const CUrlListFile& list, const std::string& target) {
    const ListEnvironment& env = list.Environment();
    return exchange::WriteWholeFile(*env.files, target, ListToOpera(list, env.clock->Now()));
}

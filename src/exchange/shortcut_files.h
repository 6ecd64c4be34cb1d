// Single shortcut files: Internet shortcuts (.url) read and written, shell
// links (.lnk) read and written. The Favorites import and export use them,
// the main window when a shortcut file is dropped on it, and Setup for the
// program's own shortcuts.
#pragma once

#include <string>
#include <string_view>

#include "model/url_list_file.h"

// The URL of an Internet shortcut, and its title: the file name without its
// folder and extension. 0, or -1 when the file cannot be read or has no
// "URL=" line with an address in its [InternetShortcut] section.
int ReadUrlFile(const std::string& path, std::string& url, std::string& title,
                const ListEnvironment& env = {});

// Writes `name` followed by ".url" into `folder`, replacing a file of that
// name. The name is first made safe as a file name (SafeFileName), so no name
// can reach outside the folder. 0, -1 when the folder does not exist, or the
// operating system's error code.
int WriteUrlFile(const std::string& folder, std::string_view name, std::string_view url,
                 const ListEnvironment& env = {});

// The target of a shell link, followed by a space and its arguments when
// they can be read. 0, or -1 when the link cannot be read; always -1 where
// the platform has no shell link object.
int ReadShellLink(const std::string& path, std::string& target);

// Writes the shell link `linkPath` pointing at `program`, with `description`.
// 0, or -1 when the link object cannot be had or the file cannot be written;
// always -1 where the platform has no shell link object.
int CreateShellLink(const std::string& program, const std::string& linkPath,
                    const std::string& description);

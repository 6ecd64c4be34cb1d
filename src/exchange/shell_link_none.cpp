// Shell links are objects of the Windows shell; elsewhere none can be read or written.
#include "exchange/shortcut_files.h"

int ReadShellLink(const std::string&, std::string&) { return -1; }

int CreateShellLink(const std::string&, const std::string&, const std::string&) { return -1; }

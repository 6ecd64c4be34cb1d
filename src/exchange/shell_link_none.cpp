// Shell links are objects of the Windows shell; elsewhere none can be read.
#include "exchange/shortcut_files.h"

int ReadShellLink(const std::string&, std::string&) { return -1; }

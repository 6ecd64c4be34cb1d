// The debug check of a list's structure, run by the tests after every
// operation (and usable in a debug build of the program).
#pragma once

#include <string>

class CUrlListFile;

class ListInvariantChecker {
public:
    // A description of the first broken invariant, or empty when all hold.
    static std::string Check(const CUrlListFile& list);

private:
    class Walk;
};

// The debug check of a list's structure, run by the tests after every
// operation (and usable in a debug build of the program).
#pragma once

#include <string>

class CUrlListFile;

class ListInvariantChecker {
public:
    // A description of the first broken invariant, or empty when all hold.
    static std::string Check(const CUrlListFile& list);
    // The full flag across one edit, given the title count and the flag
    // before it: set when the count rose to the limit or beyond, cleared when
    // it fell below, otherwise as it was (a list loaded with exactly as many
    // titles as the limit is not full, so the count alone cannot tell).
    static std::string CheckFullFlagChange(int titlesBefore, bool fullBefore, const CUrlListFile& list);

private:
    class Walk;
};

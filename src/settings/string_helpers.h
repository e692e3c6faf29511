#pragma once
// The small string rules shared by every subsystem.

#include <string>
#include <string_view>
#include <vector>

namespace pelaconf {

// The text after the last "." anywhere in the path, without the dot; empty when there is none.
std::string GetExtension(std::string_view path);

// Compares as the Japanese code page does without case: on the Shift-JIS forms, folding only
// single-byte ASCII letters, never a trail byte. Negative, zero or positive.
int CompareNoCase(std::string_view a, std::string_view b);
// The bytes CompareNoCase compares: keys in plain byte order sort as CompareNoCase does, so a long
// list can be sorted with each text converted once.
std::string NoCaseKey(std::string_view text);
bool EqualNoCase(std::string_view a, std::string_view b);

// A folder or file chosen in a system dialog replaces `path` unless it is empty or the same path in
// other letter case; true when it replaced it.
bool TakeChosenPath(std::string& path, std::string_view chosen);

// Lower-cases or upper-cases ASCII letters only.
std::string AsciiLower(std::string_view text);
std::string AsciiUpper(std::string_view text);

// Sorts by NoCaseKey, direction 0 ascending, 1 descending, in exactly the order of an exchange sort
// (each position swapped with every later one that belongs before it), which decides where texts
// with equal keys go; any other direction leaves the list alone.
void SortStringList(std::vector<std::string>& list, int direction);

// Stable ascending sort by NoCaseKey: texts with equal keys keep their order.
void MergeSortStringList(std::vector<std::string>& list);

// White space (space, tab, CR, LF, VT, FF) removed at both ends.
std::string_view TrimWhiteSpace(std::string_view text);

} // namespace pelaconf

#include "settings/string_helpers.h"

#include "settings/code_page.h"

#include <algorithm>
#include <cstdlib>
#include <cstdint>
#include <utility>

namespace pelaconf {
namespace {

bool IsShiftJisLead(uint8_t byte) { return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC); }

uint8_t FoldAscii(uint8_t byte) { return byte >= 'A' && byte <= 'Z' ? byte + ('a' - 'A') : byte; }

// Text that code page 932 cannot hold is compared in its UTF-8 form; both forms keep ASCII
// bytes apart from the bytes of other characters where it matters for folding.
std::string ComparableBytes(std::string_view text) {
    auto encoded = EncodeShiftJis(text);
    return encoded ? std::move(*encoded) : std::string(text);
}

} // namespace

std::string GetExtension(std::string_view path) {
    const auto dot = path.rfind('.');
    return dot == std::string_view::npos ? std::string() : std::string(path.substr(dot + 1));
}

std::string MakePluginEntry(std::string_view extension, std::string_view priority, std::string_view path) {
    std::string entry(extension);
    entry.append(".").append(priority).append(".").append(path);
    return entry;
}

std::string GetEntryField(std::string_view entry, int index) {
    const auto firstDot = entry.find('.');
    if (firstDot == std::string_view::npos) {
        return {};
    }
    if (index == 0) {
        return std::string(entry.substr(0, firstDot));
    }
    const auto rest = entry.substr(firstDot + 1);
    const auto nextDot = rest.find('.');
    if (nextDot == std::string_view::npos || (index != 1 && index != 2)) {
        return {};
    }
    std::string_view priority = "00";
    std::string_view path = rest;
    if (nextDot == 2) {
        priority = rest.substr(0, 2);
        path = rest.substr(3);
    }
    if (index == 2) {
        return std::string(path);
    }
    const bool isNumber = std::atoi(std::string(priority).c_str()) != 0;
    return isNumber || priority == "00" ? std::string(priority) : std::string();
}

std::string NoCaseKey(std::string_view text) {
    std::string key = ComparableBytes(text);
    bool inTrail = false;
    for (char& c : key) {
        const auto byte = static_cast<uint8_t>(c);
        if (!inTrail) {
            c = static_cast<char>(FoldAscii(byte));
        }
        inTrail = !inTrail && IsShiftJisLead(byte);
    }
    return key;
}

int CompareNoCase(std::string_view a, std::string_view b) {
    const int order = NoCaseKey(a).compare(NoCaseKey(b));
    return order < 0 ? -1 : (order > 0 ? 1 : 0);
}

bool EqualNoCase(std::string_view a, std::string_view b) { return CompareNoCase(a, b) == 0; }

std::string AsciiUpper(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return upper;
}

std::string AsciiLower(std::string_view text) {
    std::string lower(text);
    for (auto& c : lower) {
        c = static_cast<char>(FoldAscii(static_cast<uint8_t>(c)));
    }
    return lower;
}

void SortStringList(std::vector<std::string>& list, int direction) {
    if (direction != 0 && direction != 1) {
        return;
    }
    for (size_t i = 0; i + 1 < list.size(); ++i) {
        for (size_t j = i + 1; j < list.size(); ++j) {
            const int order = CompareNoCase(list[i], list[j]);
            if ((direction == 0 && order > 0) || (direction == 1 && order < 0)) {
                std::swap(list[i], list[j]);
            }
        }
    }
}

void MergeSortStringList(std::vector<std::string>& list) {
    std::vector<std::string> merged(list.size());
    for (size_t width = 1; width < list.size(); width *= 2) {
        for (size_t start = 0; start < list.size(); start += 2 * width) {
            const size_t middle = std::min(start + width, list.size());
            const size_t end = std::min(start + 2 * width, list.size());
            size_t left = start, right = middle, out = start;
            while (left < middle && right < end) {
                // Taking from the left run on equality keeps the sort stable.
                merged[out++] = std::move(CompareNoCase(list[right], list[left]) < 0 ? list[right++] : list[left++]);
            }
            while (left < middle) {
                merged[out++] = std::move(list[left++]);
            }
            while (right < end) {
                merged[out++] = std::move(list[right++]);
            }
        }
        list.swap(merged);
    }
}

std::string_view TrimWhiteSpace(std::string_view text) {
    constexpr std::string_view kWhiteSpace = " \t\r\n\v\f";
    const auto first = text.find_first_not_of(kWhiteSpace);
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(kWhiteSpace);
    return text.substr(first, last - first + 1);
}

bool TakeChosenPath(std::string& path, std::string_view chosen) {
    if (chosen.empty() || EqualNoCase(chosen, path)) {
        return false;
    }
    path = std::string(chosen);
    return true;
}

} // namespace pelaconf

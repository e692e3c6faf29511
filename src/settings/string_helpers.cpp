#include "settings/string_helpers.h"

#include "settings/code_page.h"

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <utility>

namespace pelaconf {
namespace {

uint8_t FoldAscii(uint8_t byte) { return byte >= 'A' && byte <= 'Z' ? byte + ('a' - 'A') : byte; }

// Text that code page 932 cannot hold is compared in its UTF-8 form; both forms keep ASCII
// bytes apart from the bytes of other characters where it matters for folding.
std::string ComparableBytes(std::string_view text) {
    if (IsAscii(text)) {
        return std::string(text);
    }
    auto encoded = EncodeShiftJis(text);
    return encoded ? std::move(*encoded) : std::string(text);
}

} // namespace

std::string GetExtension(std::string_view path) {
    const auto dot = path.rfind('.');
    return dot == std::string_view::npos ? std::string() : std::string(path.substr(dot + 1));
}

std::string NoCaseKey(std::string_view text) {
    std::string key = ComparableBytes(text);
    bool inTrail = false;
    for (char& c : key) {
        const auto byte = static_cast<uint8_t>(c);
        if (!inTrail) {
            c = static_cast<char>(FoldAscii(byte));
        }
        inTrail = !inTrail && IsShiftJisLeadByte(byte);
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

namespace {

// The list's texts as the ranks of their keys: equal keys get equal ranks.
std::vector<size_t> KeyRanks(const std::vector<std::string>& keys) {
    std::vector<size_t> byKey(keys.size());
    std::iota(byKey.begin(), byKey.end(), size_t{0});
    std::stable_sort(byKey.begin(), byKey.end(), [&](size_t a, size_t b) { return keys[a] < keys[b]; });
    std::vector<size_t> ranks(keys.size());
    size_t rank = 0;
    for (size_t i = 0; i < byKey.size(); ++i) {
        if (i > 0 && keys[byKey[i]] != keys[byKey[i - 1]]) {
            ++rank;
        }
        ranks[byKey[i]] = rank;
    }
    return ranks;
}

std::vector<std::string> NoCaseKeys(const std::vector<std::string>& list) {
    std::vector<std::string> keys;
    keys.reserve(list.size());
    for (const auto& text : list) {
        keys.push_back(NoCaseKey(text));
    }
    return keys;
}

// The list rearranged by a permutation of its positions.
void Permute(std::vector<std::string>& list, const std::vector<size_t>& order) {
    std::vector<std::string> arranged;
    arranged.reserve(list.size());
    for (const size_t from : order) {
        arranged.push_back(std::move(list[from]));
    }
    list.swap(arranged);
}

} // namespace

void SortStringList(std::vector<std::string>& list, int direction) {
    if (direction != 0 && direction != 1) {
        return;
    }
    const std::vector<size_t> ranks = KeyRanks(NoCaseKeys(list));
    std::vector<size_t> order(list.size());
    std::iota(order.begin(), order.end(), size_t{0});
    const auto before = [&](size_t a, size_t b) { return direction == 0 ? ranks[a] < ranks[b] : ranks[a] > ranks[b]; };
    if (ranks.empty() || *std::max_element(ranks.begin(), ranks.end()) == ranks.size() - 1) {
        // Every order of distinct keys is the same; only equal keys tell sorting methods apart.
        std::sort(order.begin(), order.end(), before);
    } else {
        // The exchange sort itself, on the ranks: for each position, every later one that
        // belongs before it is swapped in.
        for (size_t i = 0; i + 1 < order.size(); ++i) {
            for (size_t j = i + 1; j < order.size(); ++j) {
                if (before(order[j], order[i])) {
                    std::swap(order[i], order[j]);
                }
            }
        }
    }
    Permute(list, order);
}

void MergeSortStringList(std::vector<std::string>& list) {
    const std::vector<std::string> keys = NoCaseKeys(list);
    std::vector<size_t> order(list.size());
    std::iota(order.begin(), order.end(), size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return keys[a] < keys[b]; });
    Permute(list, order);
}

std::string_view TrimWhiteSpace(std::string_view text) {
    // Tab, LF, VT, FF and CR are the codes 9 to 13.
    const auto isWhiteSpace = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); };
    while (!text.empty() && isWhiteSpace(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isWhiteSpace(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

bool TakeChosenPath(std::string& path, std::string_view chosen) {
    if (chosen.empty() || EqualNoCase(chosen, path)) {
        return false;
    }
    path = std::string(chosen);
    return true;
}

} // namespace pelaconf

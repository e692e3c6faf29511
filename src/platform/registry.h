#pragma once
// The current user's registry values that the program reads and writes.

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace pelaconf {

class Registry {
public:
    virtual ~Registry() = default;

    // A value under HKEY_CURRENT_USER as text up to its first NUL, whatever its type; empty when
    // the key or the value is missing or longer than `maxBytes` in the ANSI code page
    // (terminating NUL included).
    virtual std::optional<std::string> ReadUserText(const std::string& key, const std::string& name,
                                                    size_t maxBytes) const = 0;

    // Writes REG_SZ values, in order, into an existing key under HKEY_CURRENT_USER; stops at
    // the first failure. True when every value was written.
    virtual bool WriteUserStrings(const std::string& key,
                                  const std::vector<std::pair<std::string, std::string>>& values) = 0;
};

} // namespace pelaconf

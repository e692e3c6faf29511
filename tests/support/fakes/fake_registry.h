#pragma once
// Registry values for the core's tests: values by key and name, and a switch that makes writing
// fail.

#include "platform/registry.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace pelaconf::testing {

class FakeRegistry : public Registry {
public:
    using Values = std::vector<std::pair<std::string, std::string>>;

    // Texts under HKEY_CURRENT_USER by key and value name.
    std::map<std::pair<std::string, std::string>, std::string> texts;
    bool writable = true;
    // The key of every write asked for, also those that failed.
    std::vector<std::string> writeKeys;
    // The values of the last write that succeeded.
    Values written;

    std::optional<std::string> ReadUserText(const std::string& key, const std::string& name,
                                            size_t maxBytes) const override {
        const auto found = texts.find({key, name});
        if (found == texts.end() || found->second.size() >= maxBytes) {
            return std::nullopt;
        }
        return found->second;
    }
    bool WriteUserStrings(const std::string& key, const Values& values) override {
        writeKeys.push_back(key);
        if (!writable) {
            return false;
        }
        written = values;
        for (const auto& [name, text] : values) {
            texts[{key, name}] = text;
        }
        return true;
    }
};

} // namespace pelaconf::testing

#pragma once

#include "platform/registry.h"

namespace pelaconf {

class Win32Registry : public Registry {
public:
    std::optional<std::string> ReadUserText(const std::string& key, const std::string& name,
                                            size_t maxBytes) const override;
    bool WriteUserStrings(const std::string& key,
                          const std::vector<std::pair<std::string, std::string>>& values) override;
};

} // namespace pelaconf

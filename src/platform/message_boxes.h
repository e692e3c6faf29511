#pragma once
// Every message the program shows goes through this interface: a text and a kind in, the
// user's answer out.

#include <string_view>

namespace pelaconf {

enum class MessageKind {
    Warning,     // a value the user can correct
    Error,       // an operation that failed
    Information, // a result
    Question,    // Yes and No
};

enum class MessageAnswer { Ok, Yes, No };

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual MessageAnswer Show(std::string_view text, MessageKind kind) = 0;
};

// A check of the user's values passes when it has no refusal to give; otherwise the refusal is
// shown as a warning.
inline bool PassesCheck(MessageBoxes& messages, std::string_view refusal) {
    if (!refusal.empty()) {
        messages.Show(refusal, MessageKind::Warning);
    }
    return refusal.empty();
}

} // namespace pelaconf

#pragma once

#include "platform/message_boxes.h"

namespace pelaconf {

// Modal message boxes owned by the thread's active window, with the program's title as caption.
class Win32MessageBoxes : public MessageBoxes {
public:
    MessageAnswer Show(std::string_view text, MessageKind kind) override;
};

} // namespace pelaconf

// The message box: every box of the library goes through one replaceable handler.
#include <iostream>
#include <mutex>

#include "host/internal.hpp"

namespace OrvaneLib {

namespace {
void DefaultHandler(const std::string& prompt, MsgIcon icon, const std::string& title) {
    std::cerr << title << ": " << prompt << " ["
              << (icon == MsgIcon::Critical ? "Critical" : "Exclamation") << "]" << std::endl;
}

struct HandlerSlot {
    std::mutex mutex;
    MessageBoxHandler handler = DefaultHandler;
};
HandlerSlot& Slot() {
    static HandlerSlot slot;
    return slot;
}
}  // namespace

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler) {
    auto& slot = Slot();
    std::lock_guard lock(slot.mutex);
    MessageBoxHandler previous = std::move(slot.handler);
    slot.handler = handler ? std::move(handler) : MessageBoxHandler(DefaultHandler);
    return previous;
}

void detail::ShowMessage(const std::string& prompt, MsgIcon icon, const std::string& title) {
    MessageBoxHandler handler;
    {
        auto& slot = Slot();
        std::lock_guard lock(slot.mutex);
        handler = slot.handler;
    }
    // The handler plays a modal box: it runs outside the lock so it may itself show boxes.
    handler(prompt, icon, title);
}

}  // namespace OrvaneLib

#pragma once
#include <functional>

namespace pelk {

class TComponent;

// An event handler; the sender is the component that raised the event, or null.
using TNotifyEvent = std::function<void(TComponent* sender)>;

}  // namespace pelk

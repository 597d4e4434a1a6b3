#pragma once
// Event delivery inside the control model: the pause while property writes
// rebuild controls.

namespace controls {

// While one of these lives, no event is delivered.
class EventPause {
public:
    EventPause();
    ~EventPause();
    EventPause(const EventPause&) = delete;
    EventPause& operator=(const EventPause&) = delete;
};
bool EventsPaused();

}  // namespace controls

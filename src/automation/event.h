#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace automation {

// An automation event: handlers run in the order they were connected. The argument types say how
// each argument is passed, as VB's ByVal/ByRef do: Event<bool&> lets a handler set Cancel for the
// raiser and for the handlers after it; Event<int> gives every handler its own copy.
//
// Handlers may connect and disconnect (themselves included) while the event is being raised: a
// handler disconnected during a raise is not called afterwards, one connected during a raise is
// first called by the next raise. An exception from a handler stops the raise and reaches the
// raiser, as an error in a VB event handler goes back to the component that raised the event.
template <class... Args>
class Event {
public:
    using Handler = std::function<void(Args...)>;
    using ConnectionId = std::size_t;  // never 0

    Event() = default;
    Event(const Event&) = delete;
    Event& operator=(const Event&) = delete;

    ConnectionId connect(Handler handler) {
        slots_.push_back({++lastId_, std::make_shared<Handler>(std::move(handler))});
        return lastId_;
    }

    // Returns false when id is not (or no longer) connected.
    bool disconnect(ConnectionId id) {
        for (auto& slot : slots_) {
            if (slot.id == id && slot.handler) {
                release(slot);
                return true;
            }
        }
        return false;
    }

    void disconnectAll() {
        for (auto& slot : slots_)
            release(slot);
    }

    bool hasHandlers() const {
        for (const auto& slot : slots_) {
            if (slot.handler)
                return true;
        }
        return false;
    }

    void raise(Args... args) {
        RaiseScope scope(*this);
        const std::size_t count = slots_.size();
        for (std::size_t i = 0; i < count; ++i) {
            // The copy keeps the handler alive when it disconnects itself.
            if (const std::shared_ptr<Handler> handler = slots_[i].handler)
                (*handler)(args...);
        }
    }

private:
    struct Slot {
        ConnectionId id;
        std::shared_ptr<Handler> handler;  // null once disconnected
    };

    // While raising, disconnected slots stay in place so that indexes stay valid; they are
    // removed when the outermost raise ends.
    class RaiseScope {
    public:
        explicit RaiseScope(Event& event) : event_(event) { ++event_.raising_; }
        ~RaiseScope() {
            if (--event_.raising_ == 0)
                event_.compact();
        }
        RaiseScope(const RaiseScope&) = delete;
        RaiseScope& operator=(const RaiseScope&) = delete;

    private:
        Event& event_;
    };

    void release(Slot& slot) {
        slot.handler.reset();
        if (raising_ == 0)
            compact();
    }

    void compact() {
        std::erase_if(slots_, [](const Slot& slot) { return !slot.handler; });
    }

    std::vector<Slot> slots_;
    ConnectionId lastId_ = 0;
    int raising_ = 0;
};

}  // namespace automation

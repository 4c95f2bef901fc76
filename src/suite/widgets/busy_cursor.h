#pragma once

#include <memory>

namespace suite {

class ScreenModel;

// Shows the wait cursor over the application while the screen model's pointer is the hourglass.
class BusyCursor {
public:
    explicit BusyCursor(std::shared_ptr<ScreenModel> screen);
    ~BusyCursor();
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

    bool isShown() const { return shown_; }

private:
    void follow();

    std::shared_ptr<ScreenModel> screen_;
    std::size_t connection_ = 0;
    bool shown_ = false;
};

}  // namespace suite

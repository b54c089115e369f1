#pragma once

namespace zoruka::ui {

// The hourglass pointer for as long as this object lives (generation, printing).
class BusyCursor {
public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

} // namespace zoruka::ui

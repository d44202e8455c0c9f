#pragma once

// Shows the hourglass for as long as it lives. Qt keeps override cursors on a stack, so the
// cursor that was showing before (an outer guard's included) comes back however the
// operation ends, exceptions included.
class BusyCursor {
  public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

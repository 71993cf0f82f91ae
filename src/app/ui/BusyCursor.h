#pragma once

namespace veltmoor {

// Shows the hourglass for as long as it lives; the cursor before it comes back on every
// way out of the scope, an exception included. Nests.
class BusyCursor {
public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

} // namespace veltmoor

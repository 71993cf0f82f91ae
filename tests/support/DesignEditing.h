#pragma once

#include "design/TagDesign.h"

namespace veltmoor::testing {

// Edits one slot's values as a design file sets them, for tests that build a design
// without a file: the values go into the design when the edit ends.
class SlotEdit {
public:
    SlotEdit(TagDesign& design, int slot)
        : values_(design.slot(slot)), design_(design), slot_(slot) {}
    ~SlotEdit() { design_.setSlotValues(slot_, values_, design_.writtenPicturePaths(slot_)); }
    SlotEdit(const SlotEdit&) = delete;
    SlotEdit& operator=(const SlotEdit&) = delete;

    img& operator*() { return values_; }
    img* operator->() { return &values_; }

private:
    img values_;
    TagDesign& design_;
    int slot_;
};

} // namespace veltmoor::testing

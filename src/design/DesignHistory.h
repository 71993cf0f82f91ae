#pragma once

#include "design/TagDesign.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QUndoStack;

namespace veltmoor {

// The aspects of the design an operation changed, by the names the user knows them by
// ("Background Colour", "Shape", ...), most telling first; empty when the design is the
// same. Which slot is current, the window's moment-to-moment state and the fields that only
// show the current slot's values are not changes of the design.
QStringList changedAspects(const TagDesign& before, const TagDesign& after);

// Undo and Redo over the design's values: each change a step holding the design before and
// after it. Typing into one field is one step while the field keeps the focus.
class DesignHistory {
public:
    // Called with the values to show whenever Undo or Redo moves through the history.
    using Restore = std::function<void(const TagDesign& values)>;
    explicit DesignHistory(Restore restore);
    ~DesignHistory();
    DesignHistory(const DesignHistory&) = delete;
    DesignHistory& operator=(const DesignHistory&) = delete;

    QUndoStack& stack() { return *stack_; }

    // Records the change from `before` to `after` as a step, when there is one; true when
    // something was recorded. A change typed into `field` joins the step before it when
    // that step was typed into the same field in the same typing session.
    bool record(const TagDesign& before, const TagDesign& after, const void* field = nullptr,
                int typingSession = -1);

    // Opening or starting a design: no step before it, and nothing to save.
    void clear();
    // The design as it stands was saved (or opened).
    void markSaved();
    bool isModified() const;

    // Every picture file the design or any step of the history names, so that a tinted
    // copy stays on disk while Undo or Redo may bring it back.
    QStringList referencedPictureFiles(const TagDesign& current) const;

private:
    std::unique_ptr<QUndoStack> stack_;
    Restore restore_;
};

} // namespace veltmoor

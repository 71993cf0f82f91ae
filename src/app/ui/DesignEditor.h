#pragma once

#include "design/TagDesign.h"

#include <QObject>

#include <functional>

namespace veltmoor {

class Prompts;

// What a page needs to change the design from its own handlers: the design as it stands, the
// dialogs, and a change made as one step of Undo inside the window's error boundary (a
// refused change becomes a message), redrawn as the change asks.
class DesignEditor {
public:
    using Change = std::function<Redraw(TagDesign&)>;

    virtual ~DesignEditor() = default;
    virtual const TagDesign& design() const = 0;
    virtual Prompts& prompts() = 0;
    // `control` is where the change came from: what is typed into one field is one step
    // until the field loses the focus.
    virtual void change(const QObject* control, const Change& change) = 0;
};

// Makes `change` whenever the control sends the signal (its values are not needed), as one
// step from that control. The context ends the connection when it goes.
template <class Control, class Signal, class Change>
void changeOn(DesignEditor& editor, Control* control, Signal signal, const QObject* context,
              Change change) {
    QObject::connect(control, signal, context,
                     [&editor, control, change] { editor.change(control, change); });
}

// Asks for the font of one of the tag's texts and gives the chosen one to the design.
Redraw askFont(Prompts& prompts, TagDesign& design, TextPart part);

// Asks for a colour starting from the dialog's last choice; the setter keeps the choice and
// gives the colour to the checked slots (and to its text's font).
Redraw askColor(Prompts& prompts, TagDesign& design, TColor choice,
                void (TagDesign::*setter)(TColor));

} // namespace veltmoor

#pragma once

#include "app/ui/DesignEditor.h"
#include "support/widgets/ScriptedPrompts.h"

#include <utility>
#include <vector>

namespace veltmoor::testing {

// A page alone with a design: the page's changes go straight into the design, each noted
// with the control it came from, and its dialogs are answered by script.
class PageEditor : public DesignEditor {
public:
    explicit PageEditor(TagDesign design = TagDesign::atFirstActivation())
        : design_(std::move(design)) {}

    const TagDesign& design() const override { return design_; }
    TagDesign& edited() { return design_; }
    Prompts& prompts() override { return dialogs; }
    void change(const QObject* control, const Change& change) override {
        sources.push_back(control);
        change(design_);
    }

    ScriptedPrompts dialogs;
    std::vector<const QObject*> sources;

private:
    TagDesign design_;
};

} // namespace veltmoor::testing

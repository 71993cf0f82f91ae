#include "app/ui/DesignEditor.h"

#include "app/ui/Prompts.h"

namespace veltmoor {

namespace {

const Font& fontOf(const TagSettings& settings, TextPart part) {
    switch (part) {
    case TextPart::Value:
        return settings.valueFont;
    case TextPart::Edge:
        return settings.textFont;
    case TextPart::TextBlock:
        break;
    }
    return settings.textBlockFont;
}

} // namespace

Redraw askFont(Prompts& prompts, TagDesign& design, TextPart part) {
    const std::optional<Font> chosen = prompts.chooseFont(fontOf(design.settings(), part));
    if (!chosen) {
        return Redraw::None;
    }
    design.setFont(part, *chosen);
    return Redraw::Scheduled;
}

Redraw askColor(Prompts& prompts, TagDesign& design, TColor choice,
                void (TagDesign::*setter)(TColor)) {
    const std::optional<TColor> colour = prompts.chooseColor(choice);
    if (!colour) {
        return Redraw::None;
    }
    (design.*setter)(*colour);
    return Redraw::Scheduled;
}

} // namespace veltmoor

#include "guidance/HelpSteps.h"

#include <array>

namespace veltmoor {

namespace {

struct HelpStep {
    const char* text;
    const char* explanation; // nullptr: the memo is left as it is
};

// The explanations keep their double and trailing blanks: the user has always read them so.
constexpr std::array<HelpStep, kHelpStepCount> kHelpSteps{{
    {"Click \"Continue\"", nullptr},
    {"Select Image", "You can click on as many different images as you wish, and load a "
                     "different image for each one."},
    {"Select \"Tag Shape\"", "Try the different shapes so you can see what they look like."},
    {"Change Tag Size", "Each tag maybe any size from .5X.5 inches to 5X5 inches."},
    {"Click \"Text Block\" tab", "Adding text to the tags."},
    {"Change text, font, color and position",
     "Try entering text in each of the boxes, and changing colors, fonts."},
    {"Click \"Basic\" tab", ""},
    {"Select \"Type of Cut Line...\"",
     "Click on None and see the cut line be removed, then click on Thin to see the cut line "
     "redrawn.  For almost all of your choices you can always change your mind. "},
    {"Select Colors for Tag",
     "Select a different color for the cut line, and then a different color for the "
     "background. If you don't like your choice select again."},
    {"Click \"Advanced\" tag",
     "The \"Advanced\" tab allows the changing the hole size and position. Shifting the image "
     "left/right or up/down and making the image larger or smaller. It also has a color picker "
     "that allows you to select colors from the image for the various color choices."},
    {"Try the different options", "Try the various options, so that you can"},
    {"Click \"Control\" tab to print",
     "The \"Control\" tab is the basic tab for selecting tag shape, and also controls printing "
     "of the sheet of tags."},
    {"Select \"Printer Setup\"", "Controls the setup of the printer."},
    {"Select \"Preview Sheet\"", "Preview sheet will show how the tags will look when printed."},
    {"Select \"Print\"",
     "Prints the sheet of tags to your printer. There are also options under the \"File\" menu "
     "to save the page as a bitmap to print later with a graphics editor, or as an jpeg so that "
     "you can email."},
    {"Enjoy and experiment",
     "The \"Images 1 to 9\" tab allows you to select the different images, and change the text "
     "or color for a given image.  Also, if you right click on one of the images there is a "
     "menu to \"Colorize\" the image, or delete the image, or select a different image."},
}};

bool isStep(int step) {
    return step >= 0 && step < kHelpStepCount;
}

} // namespace

QString helpStepText(int step) {
    return isStep(step) ? QString::fromUtf8(kHelpSteps[static_cast<std::size_t>(step)].text)
                        : QString();
}

std::optional<QString> helpStepExplanation(int step) {
    if (!isStep(step)) {
        return std::nullopt;
    }
    const char* explanation = kHelpSteps[static_cast<std::size_t>(step)].explanation;
    if (explanation == nullptr) {
        return std::nullopt;
    }
    return QString::fromUtf8(explanation);
}

} // namespace veltmoor

#pragma once

#include "app/ui/pages/NumbersPage.h"

class QGroupBox;

namespace veltmoor {

class HelpStepRules;
class RadioGroup;
class DesignChange;
class TagDesign;

// "Advanced": the hanging hole's size and place, the picture's size and place in its tag,
// and which colour a click on the tag picks.
class AdvancedPage : public NumbersPage {
    Q_OBJECT

public:
    explicit AdvancedPage(QWidget* parent = nullptr);

    // The design's hole and the current slot's picture settings, written without running a
    // handler.
    void showDesign(const TagDesign& design);
    // Whether a change of the design reaches what showDesign shows.
    static bool showsChange(const DesignChange& change);
    // The colour a click on the tag picks now (`PickColorItem`).
    void showColorPick(int item);
    void addHelpRules(HelpStepRules& rules) const;

signals:
    void colorPickChosen(int item);

private:
    QGroupBox* buildHole();
    QGroupBox* buildImageSize();
    QGroupBox* buildImageOffsets();
    void buildPrintImageAdjust();

    QGroupBox* HoleSizePlaceGroupBox = nullptr;
    QGroupBox* ImageSizeGroupBox = nullptr;
    QGroupBox* ImageVertOffsetGroupBox = nullptr;
    RadioGroup* PickColorRadioGroup = nullptr;
    // Only carried in design files; never shown.
    UpDown* PrintImageAdjustUpDown = nullptr;
};

} // namespace veltmoor

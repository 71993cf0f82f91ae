#pragma once

#include "render/TagBarcode.h"

#include <QWidget>

class QComboBox;
class QDoubleSpinBox;
class QLineEdit;

namespace veltmoor {

class DesignChange;
class DesignEditor;
class RadioGroup;
class TagDesign;

// The "Barcode" page: the code on the tag, its data, where it goes, the width of its modules
// and the height of its bars. It shows the current slot's code; what the user sets goes to
// the checked slots through the editor, and data that cannot be encoded is refused with a
// message when the user leaves its field (data naming price-list fields is left to the
// merged job, which checks every row).
class BarcodePage : public QWidget {
    Q_OBJECT

public:
    explicit BarcodePage(DesignEditor& editor, QWidget* parent = nullptr);

    // Shows the code of the design's current slot (of tag 1 while no tag is current) without
    // announcing any change.
    void showDesign(const TagDesign& design);
    // Whether a change of the design reaches what showDesign shows.
    // A code given to other tags only (the tag in view unchecked) leaves the page as the user
    // set it, so that what is being typed stays.
    bool showsChange(const DesignChange& change) const;

    // The code as the controls set it.
    TagBarcode barcode() const;

private:
    DesignEditor& editor_;
    int shownSlot_ = 1; // the tag whose code the page shows
    void showBarcode(const TagBarcode& shown);
    void changed();
    void dataEntered();
    void enableForSymbology();

    QComboBox* BarcodeTypeComboBox = nullptr;
    QLineEdit* BarcodeDataEdit = nullptr;
    RadioGroup* BarcodePlacementRadioGroup = nullptr;
    QComboBox* BarcodeModuleWidthComboBox = nullptr;
    QDoubleSpinBox* BarcodeHeightEdit = nullptr;
    bool showing_ = false;
};

} // namespace veltmoor

#pragma once

#include <QWidget>

class QComboBox;
class QLabel;
class QLayout;
class QLineEdit;
class QPushButton;

namespace veltmoor {

class DesignEditor;
class HelpStepRules;
class RadioGroup;
class UpDown;
class DesignChange;
class TagDesign;

// "Control": the shape, the copies, the sheet and printing commands, the marks for a
// cutting machine and the printer's calibration.
class ControlPage : public QWidget {
    Q_OBJECT

public:
    explicit ControlPage(DesignEditor& editor, QWidget* parent = nullptr);

    // The design's shape, copies and marks, written without running a handler.
    void showDesign(const TagDesign& design);
    // Whether a change of the design reaches what showDesign shows.
    static bool showsChange(const DesignChange& change);
    void addHelpRules(HelpStepRules& rules) const;
    // The copies as shown: what "Print Page" prints.
    int copies() const;

    // "Preview Sheet" waits for the first tag's picture, "Print Page" for that and for
    // printing being connected.
    void offerSheetCommands(bool sheetWanted, bool printingConnected);
    // Printing was connected: "Printer Setup" is offered, "Print Page" once there is a sheet.
    void offerPrinting(bool sheetWanted);
    // Long work runs: nothing that would start more of it or change the sheet is offered.
    // The window locks and unlocks its pages a control at a time, in one fixed order, so
    // the printer set-up and the shape have their own switches.
    void lockSheetCommands();
    void unlockSheetCommands(bool printingConnected);
    void setPrinterSetupEnabled(bool enabled);
    void setShapeEnabled(bool enabled);

signals:
    // After the design took the choice.
    void shapeChosen();
    void printerSetupAsked();
    void previewSheetAsked();
    void printAsked();
    void previewTagsAsked();
    void cuttingMarksChosen(int marks);
    void calibrationAsked();

private:
    QLayout* buildCuttingMarksChoice();

    DesignEditor& editor_;

    RadioGroup* TypeOfPageRadioGroup = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* CopiesEdit = nullptr;
    UpDown* CopiesUpDown = nullptr;
    QPushButton* PrinterSetupButton = nullptr;
    QPushButton* PreviewButton = nullptr;
    QPushButton* PrintButton = nullptr;
    QPushButton* PreviewTesselButton = nullptr;
    QLabel* CuttingMarksLabel = nullptr;
    QComboBox* CuttingMarksComboBox = nullptr;
    QPushButton* CalibratePrinterButton = nullptr;
};

} // namespace veltmoor

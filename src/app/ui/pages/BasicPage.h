#pragma once

#include "app/ui/pages/NumbersPage.h"
#include "platform/Bitmap.h"
#include "platform/TColor.h"

#include <QImage>
#include <QPoint>
#include <QRect>

#include <array>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace veltmoor {

class DesignEditor;
class HelpStepRules;
class PictureBox;
class RadioGroup;
class DesignChange;
class TagDesign;

// "Basic": the tag in view with its picture's name and size, slots 1 to 4 again, the cut
// line and its colours, the tag size and the tag options. The cut line, its colours, "No
// Hole" and "Blank Sheet" change the design through the editor; what reaches beyond the page
// goes to the window as signals.
class BasicPage : public NumbersPage {
    Q_OBJECT

public:
    // Without a floating tag window its box cannot be checked.
    BasicPage(DesignEditor& editor, bool floatingTagAvailable, QWidget* parent = nullptr);

    // The design's cut line, size and options, written without running a handler.
    void showDesign(const TagDesign& design);
    // Whether a change of the design reaches what showDesign shows.
    static bool showsChange(const DesignChange& change);
    // The tag just composed and where it lies in the box.
    void showTag(const QImage& tag, const QRect& where);
    // The name of the tag's picture and the size of every tag on the sheet.
    void showTagLabels(const QString& pictureLabel, const QString& sizeLabel);
    // A slot's thumbnail in its box here (slots 1 to 4; others have none).
    void showMirror(int slot, const Bitmap& thumbnail);
    // The slot whose box here `widget` is; 0 for none.
    int slotShownBy(const QWidget* widget) const;
    // Slots 2 to 4 are shown once the user designs more than the welcome sample.
    void showAllMirrors();
    // The slot boxes and the cut line are locked while the sheet is composed or printed.
    void setSheetControlsEnabled(bool enabled);
    // The floating tag or help window was closed by its own frame.
    void uncheckFloatingTag();
    void uncheckHelp();
    bool floatingTagChecked() const;
    bool helpChecked() const;
    // The preset was declined: the box shows the design's own choice again.
    void showAddressLabels(const TagDesign& design);
    void addHelpRules(HelpStepRules& rules) const;

signals:
    // After the design took the choice.
    void cutLineChosen();
    void floatingTagToggled(bool checked);
    void addressLabelsToggled(bool checked);
    void helpToggled(bool checked);
    // A press on the tag in view, with the colour shown there.
    void tagPressed(QPoint position, TColor color);
    // The mouse over, a click on, or the menu asked for on a slot's box here.
    void slotHovered(int slot);
    void slotClicked(int slot);
    void slotMenuAsked(int slot, QPoint globalPosition);

private:
    void buildTagView(QLayout* layout);
    void buildMirrors(QLayout* layout);
    void buildColours();
    void buildSize();
    QLayout* buildOptions(bool floatingTagAvailable);
    void connectControls();
    void connectDesignChanges();

    DesignEditor& editor_;
    PictureBox* mirrorOf(int slot) const;

    PictureBox* Image2 = nullptr;
    QLabel* TesselSizeLabel = nullptr;
    QLabel* Label3 = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    std::array<PictureBox*, 4> mirrors_{}; // AImage, BImage, cImage, DImage: slots 1 to 4
    RadioGroup* BorderRadioGroup = nullptr;
    QGroupBox* SelectColorsGroupBox = nullptr;
    QPushButton* SelectBorderColorButton = nullptr;
    QPushButton* SelectBackgoundColorButton = nullptr;
    QGroupBox* TesselSizeGroupBox = nullptr;
    QCheckBox* NoHoleCheckBox = nullptr;
    QCheckBox* BlankCheckBox = nullptr;
    QCheckBox* FloatingTagCheckBox = nullptr;
    QCheckBox* AddressLabelsCheckBox = nullptr;
    QCheckBox* HelpCheckBox = nullptr;
};

} // namespace veltmoor

#pragma once

#include <QWidget>

class QLineEdit;
class QPushButton;

namespace veltmoor {

class DesignEditor;
class HelpStepRules;
class RadioGroup;
class DesignChange;
class TagDesign;

// "Text": the corner text and the text along an edge, each with its font, colour and place.
// What the user does here changes the design through the editor.
class TextPage : public QWidget {
    Q_OBJECT

public:
    explicit TextPage(DesignEditor& editor, QWidget* parent = nullptr);

    // The design's texts and places, written without running a handler.
    void showDesign(const TagDesign& design);
    // Whether a change of the design reaches what showDesign shows.
    static bool showsChange(const DesignChange& change);
    // Pointing at a text field finishes the help's text step.
    void addHelpRules(HelpStepRules& rules) const;

private:
    void connectControls();

    DesignEditor& editor_;
    QLineEdit* ValueEdit = nullptr;
    QPushButton* FontButton = nullptr;
    QPushButton* SelectValueColorButton = nullptr;
    RadioGroup* ValueRadioGroup = nullptr;
    QLineEdit* TextEdit = nullptr;
    QPushButton* TextSelectButton = nullptr;
    QPushButton* SelectTextColorButton = nullptr;
    RadioGroup* EdgeRadioGroup = nullptr;
};

} // namespace veltmoor

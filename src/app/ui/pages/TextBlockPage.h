#pragma once

#include "app/ui/pages/NumbersPage.h"

class QPlainTextEdit;
class QPushButton;

namespace veltmoor {

class DesignEditor;
class HelpStepRules;
class RadioGroup;
class DesignChange;
class TagDesign;

// "Text Block": lines of text on the tag, their font, colour and alignment, and where the
// block sits, typed or picked by a click on the tag. The font, colour and alignment change
// the design through the editor; typing, the offsets and the picking reach beyond the page
// and go to the window as signals.
class TextBlockPage : public NumbersPage {
    Q_OBJECT

public:
    explicit TextBlockPage(DesignEditor& editor, QWidget* parent = nullptr);

    // The design's alignment, place and the block's text, written without running a
    // handler.
    void showDesign(const TagDesign& design);
    // Whether a change of the design reaches what showDesign shows.
    static bool showsChange(const DesignChange& change);
    // Whether a click on the tag places the block.
    void showPositionPick(bool byClick);
    void addHelpRules(HelpStepRules& rules);

signals:
    // The block as typed (its lines as the tag holds them), naming the memo: typing into it
    // is one step until it loses the focus.
    void textTyped(const QString& text, const QObject* field);
    void entered(const QObject* field);
    void left(const QObject* field);
    void positionPickChosen(bool byClick);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildPosition();
    void connectDesignChanges();

    DesignEditor& editor_;

    QPlainTextEdit* TextBlockMemo = nullptr;
    QPushButton* TextBlockMemoSelectFontButton = nullptr;
    QPushButton* Text1MemoSelectColorButton = nullptr;
    RadioGroup* Text1RadioGroup = nullptr;
    RadioGroup* TextBlockPositionRadioGroup = nullptr;
};

} // namespace veltmoor

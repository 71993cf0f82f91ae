#pragma once

#include "platform/TColor.h"

#include <QPoint>
#include <QWidget>

class QPushButton;

namespace veltmoor {

class Bitmap;
class PictureBox;
class RadioGroup;
class DesignChange;
class TagDesign;

// "Color Image": a slot's picture tinted in the chosen way, to be used or cancelled. Its tab
// shows only while a picture is being coloured.
class ColorImagePage : public QWidget {
    Q_OBJECT

public:
    explicit ColorImagePage(QWidget* parent = nullptr);

    // The design's colouring choice, written without running a handler.
    void showDesign(const TagDesign& design);
    // Whether a change of the design reaches what showDesign shows.
    static bool showsChange(const DesignChange& change);
    // The type of colouring chosen on the page.
    int coloringType() const;
    void showPreview(const Bitmap& tinted);
    // A preview of an earlier visit must not stand for a picture that cannot be read now.
    void clearPreview();

signals:
    void typeChosen(int type);
    void useAsked();
    void cancelAsked();
    // A press on the preview, where and on which colour.
    void previewPressed(QPoint position, TColor color);

private:
    PictureBox* ColorBitMapImage = nullptr;
    RadioGroup* TypeRadioGroup = nullptr;
    QPushButton* UseColoredImageButton = nullptr;
    QPushButton* CancelColoringButton = nullptr;
};

} // namespace veltmoor

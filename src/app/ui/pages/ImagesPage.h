#pragma once

#include <QPoint>
#include <QWidget>

#include <functional>

#include <array>

class QAction;
class QCheckBox;
class QGroupBox;
class QMenu;
class QPlainTextEdit;
class QPushButton;

namespace veltmoor {

class Bitmap;
class PictureBox;
class DesignChange;
class DesignEditor;
class TagDesign;

// "Images 1 to 9": a box for each slot's picture with its menu, and the check boxes that
// choose which slots an edit reaches, which the page sets in the design through the editor.
// The window keeps the thumbnails and tells the page what each box shows; the page sends what
// the user asks of a slot's picture.
class ImagesPage : public QWidget {
    Q_OBJECT

public:
    explicit ImagesPage(DesignEditor& editor, QWidget* parent = nullptr);

    // Which slots are checked, written without sending a signal. Slots outside 1..9 have
    // no box: what is asked of them is left alone.
    void showDesign(const TagDesign& design);
    // Whether a change of the design reaches what showDesign shows.
    static bool showsChange(const DesignChange& change);
    void showSlotThumbnail(int slot, const Bitmap& thumbnail);
    void setSlotHint(int slot, const QString& hint);
    // The slot's menu offers its picture commands only while the slot holds a picture;
    // "Open Image..." is always there.
    void offerSlotMenu(int slot, bool hasPicture);
    void popupSlotMenu(int slot, QPoint globalPosition);
    // The slot whose box the widget is; 0 for any other widget.
    int slotOfBox(const QWidget* widget) const;

signals:
    void slotHovered(int slot);
    void slotClicked(int slot);
    // A right click (or the menu key) on a slot's box, where its menu is to open.
    void slotMenuAsked(int slot, QPoint globalPosition);
    void openImageAsked(int slot);
    void showTagAsked(int slot);
    void deleteImageAsked(int slot);
    void colorImageAsked(int slot);

private:
    void buildSlotMenu(int slot);
    // Checks the slots `checked` says, each of 1 to 9, as one change from the control.
    void checkSlots(const QObject* control, const std::function<bool(int)>& checked);

    DesignEditor& editor_;

    // At 1..9; index 0 stays empty so that a slot's number is its index.
    QGroupBox* SlotImagesGroupBox = nullptr;
    std::array<PictureBox*, 10> slotBoxes{}; // c01Image .. c09Image
    QGroupBox* WhichGroupBox = nullptr;
    std::array<QCheckBox*, 10> slotCheckBoxes{}; // CheckBox1 .. CheckBox9
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPlainTextEdit* ImageChangeMemo = nullptr;
    std::array<QMenu*, 10> slotMenus{};         // Image01PopupMenu .. Image09PopupMenu
    std::array<QAction*, 10> openImageItems{};  // "Open Image..."
    std::array<QAction*, 10> showTagItems{};    // "Show Tag"
    std::array<QAction*, 10> colorImageItems{}; // "Color Image"
    std::array<QAction*, 10> deleteItems{};     // "Delete Image" (none for slot 1)
};

} // namespace veltmoor

#pragma once

#include "app/ui/DesignEditor.h"
#include "app/ui/NumericField.h"
#include "app/ui/RedrawScheduler.h"
#include "design/ColorPicking.h"
#include "design/DesignChange.h"
#include "design/DesignHistory.h"
#include "design/NumericFields.h"
#include "design/TagDesign.h"
#include "guidance/WindowPlacement.h"
#include "output/PrinterMetrics.h"
#include "platform/Bitmap.h"
#include "printing/SheetPrinter.h"
#include "render/PictureCache.h"
#include "render/TagCompositor.h"

#include <QMainWindow>
#include <QPoint>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <utility>
#include <vector>

class QAction;
class QCheckBox;
class QComboBox;
class QDragEnterEvent;
class QDropEvent;
class QGroupBox;
class QLabel;
class QLayout;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QStatusBar;
class QTabWidget;
class QTimer;

namespace veltmoor {

class AdvancedPage;
class BarcodePage;
class BasicPage;
class HelpStepRules;
class HintTracker;
class ImagesPage;
class PictureBox;
class PreviewPage;
class PriceListCommands;
class Prompts;
class RadioGroup;
class AboutPage;
class ColorImagePage;
class ControlPage;
class NumbersPage;
class NumericField;
class TextBlockPage;
class TextPage;
class UpDown;

// What the window reaches outside itself. Everything but the prompts may be left empty:
// the help window, the floating tag window and saving a design attach here.
struct WindowServices {
    Prompts* prompts = nullptr; // required
    // The printing system. Without readPrinterMetrics the sheet is laid out on the built-in
    // PDF printer's page; without the printer lists and printSheet nothing is offered for
    // printing. attachSystemPrinting() connects this computer's printers.
    std::function<PrinterMetrics(const PrinterSelection&)> readPrinterMetrics;
    std::function<std::vector<PrinterDescription>()> listPrinters; // with their papers
    std::function<PrinterList()> installedPrinters;                // names only, quick
    std::function<PrintResult(Bitmap& sheet, const PrintRequest&)> printSheet;
    // A price list's sheets as one job (or one PDF); without it they are not printed.
    std::function<PrintResult(const SheetSeries& sheets, const PrintRequest&)> printSheets;
    // The step-by-step help: the current step (-1 without a help window) and moving on.
    std::function<int()> currentHelpItem;
    std::function<void(int done, int next)> advanceHelp;
    // The floating tag window: shown when the user leaves the welcome page, then given
    // every composed tag.
    std::function<void()> showFloatingTag;
    std::function<void(const Bitmap& tag)> updateFloatingTag;
    // "Floating Tag" and "Help" were switched: their windows follow.
    std::function<void(bool visible)> FloatingTagCheckBoxClick;
    std::function<void(bool checked)> HelpCheckBoxClick;
    // The redraw timer; a real 400 ms timer when empty. Tests give one on their own clock.
    std::function<std::unique_ptr<SchedulerTimer>()> makeRedrawTimer;
};

// The printers of this computer through CUPS, for the window's services.
void attachSystemPrinting(WindowServices& services);

// The main window. Its controls carry the names the program has always used for them
// (the C++ name is the objectName); they show the design held in `design()` and their
// handlers change it through the design's own operations.
//
// Each page is a class of its own (pages/<Page>.h): it owns its controls, shows the design
// when told to, and sends the user's changes as signals that the window turns into design
// operations, one step of the history each. Effects across pages (a shape change shows
// pages, a picture click switches to "Basic", the sheet commands lock nearly everything) go
// through the window. So:
//   TForm1.cpp                 the frame (page controls, hint line, status bar, menus) and
//                              the wiring
//   pages/<Page>.cpp           one page, its controls and the handlers that change the
//                              design (through DesignEditor, which the window is)
//   WindowLifecycle.cpp        start, the welcome page, page changes, the status poll,
//                              closing
//   DesignView.cpp             redraws and showing the design in the controls
//   <Job>Handlers.cpp          the handlers of one job, and the connections to them
class TForm1 : public QMainWindow, public DesignEditor {
    Q_OBJECT

public:
    explicit TForm1(WindowServices services, QWidget* parent = nullptr);
    ~TForm1() override;

    TagDesign& design() { return design_; }
    const TagDesign& design() const override { return design_; }
    Prompts& prompts() override { return prompts_; }
    // A page's change runs as the window's own handlers do.
    void change(const QObject* control, const Change& change) override;
    const Bitmap& LastTagBitmap() const { return LastTagBitmap_; }
    const Bitmap& slotThumbnail(int slot) const;
    QString slotHint(int slot) const;
    RedrawScheduler& DrawTimer() { return *DrawTimer_; }
    int compositionCount() const { return compositionCount_; }
    // The slot box the mouse last moved over: the one its menu acts on.
    int hoverSlot() const { return HoverSlot_; }
    // Whether "Print Page" and "Preview Sheet" would be offered now.
    bool sheetCommandsWanted() const { return sheetCommandsWanted_; }
    // The steps Undo and Redo go through, and what the title bar says of them.
    DesignHistory& history() { return *history_; }

    // Handlers, named after their control and event.
    void FormCreate();
    void FormActivate();
    bool FormCloseQuery();
    void ContinueButtonClick();
    void MinimizeMenuClick();
    void DrawTag(int slot);
    void DrawTagReal();
    // Shows a tag just composed for `slot` everywhere it is shown.
    void showComposedTag(int slot, const ComposedTag& composed);
    void DrawTimerTimer();
    void Timer1Timer();
    void DisplayHint(const QString& hint);
    void PageControl1Change();
    void PageControl2Change();
    void TypeOfPageRadioGroupClick();
    void BorderRadioGroupClick();
    void SetValues();
    void SlotImageClick(int slot);
    void OpenImageItemClick(int slot);
    void ShowImage1ItemClick();
    void DeleteImageItemClick(int slot);
    void ImagePopupMenuPopup(int slot);
    void SlotImageMouseMove(int slot);

    // Design files ("Open Tag", "Save Tag...", recent designs, dropped files).
    void OpenItemClick();
    bool SaveAsItemClick(); // true when the design was saved
    // Opens a design into the window; a broken file changes nothing and throws UserError.
    void OpenDesignFile(const QString& path);
    void OpenRecentDesign(const QString& path);
    // Files dropped at a point of the window: a design opens, a picture goes to the slot
    // whose box it landed on.
    void DropFiles(const QStringList& files, const QPoint& where);

    // Pages.
    QTabWidget* PageControl1 = nullptr;
    QTabWidget* PageControl2 = nullptr;

    // Across the bottom, and the menus.
    QPlainTextEdit* Memo2 = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    std::array<QLabel*, 4> statusPanels{};
    QMenu* FileMenu = nullptr;
    QAction* OpenItem = nullptr;
    QAction* SaveAsItem = nullptr;
    QAction* ExitItem = nullptr;
    QAction* RecentDesignsSeparator = nullptr;
    std::vector<QAction*> RecentDesignItems;
    QAction* MinimizeMenu = nullptr;
    QTimer* Timer1 = nullptr;

    // --- Cutting machines: marks on the sheet, cut files and pictures to trace. ---
    void CuttingMarksComboBoxChange(int choice);
    void SaveCutFileItemClick();
    void SaveTagsForCuttingMachineItemClick();
    QAction* SaveCutFileItem = nullptr;
    QAction* SaveTagsForCuttingMachineItem = nullptr;

private:
    void buildCutItems();
    void connectCutCommands();
    QString cutFolder_; // where the last cut file or picture for cutting went

public:
    // --- The sheet: the "Preview" page, the sheet commands and the picture exports. ---
    void PreviewButtonClick();
    void PreviewTesselButtonClick();
    // Composes the sheet of slots 1 to 9 into SheetBitmap and shows it reduced on the
    // "Preview" page, the window locked meanwhile. Throws when a tag cannot be composed;
    // the window is unlocked again either way.
    void PrintPreview();
    // Lock and unlock the window around long work. They do not count: the first
    // EnableControls unlocks everything, giving back the tabs and the page in front that the
    // first DisableControls found.
    void DisableControls();
    void EnableControls();
    // The sending menu item tells which of the three exports each one makes.
    void SaveSheetImageBestItemClick(const QAction* sender);
    void SaveSingleTesselImageBestItemClick(const QAction* sender);
    // The composed sheet: from PrintPreview until the next tag render, empty otherwise.
    const Bitmap& SheetBitmap() const { return SheetBitmap_; }
    // File -> "Use Price List...": the sheets of a table of products.
    PriceListCommands& priceList() { return *priceList_; }

    // --- Guidance: the return-address preset, the help steps the mouse and focus finish, and
    // where the window opens. ---
    void AddressLabelsCheckBoxClick(bool checked);
    // The floating tag or help window closed by its own frame: its box on "Basic" clears.
    void floatingTagClosed();
    void helpClosed();

private:
    void connectAddressLabelHandlers();
    void connectHelpStepRules();
    HelpStepRules* helpStepRules_ = nullptr; // owned by the window
    // Against the right edge of its screen, frame and all, wholly on the available area.
    void placeOnScreen();
    FramePlacement framePlacement_;

    void buildSheetOutput(); // the "Preview" page and the export items of "File"
    void buildPriceListCommands();
    PriceListCommands* priceList_ = nullptr; // owned by the window
    PreviewPage* previewPage_ = nullptr;     // owned by its tab
    void buildExportItems();
    // The "Save ... Image" items of "File", in the order of the menu.
    std::array<QAction*, 6> exportItems_{};
    void connectSheetOutputHandlers();
    void connectSheetCommands();
    void connectExportCommands();
    // Every tag render makes the composed sheet out of date: it goes, and so does its page.
    void forgetSheet();
    // The pages a lock hides, and what the user had of them before it.
    std::array<QWidget*, 4> lockablePages() const;
    struct LockedPages {
        QWidget* front = nullptr;
        std::vector<QWidget*> shown;
    };
    std::optional<LockedPages> lockedPages_;
    // A pending redraw runs now, so that it cannot hide a preview composed after it.
    void redrawIfPending();

    // --- Printing: "Print Page", "Printer Setup" and the page of the selected printer. ---
public:
    void PrintButtonClick();
    void PrinterSetupButtonClick();

private:
    void connectPrintCommands();
    // Reads the page of the design's printer again; a printer that cannot be read is
    // reported and the window goes on with the page it had.
    void refreshPrinterMetrics();
    // The file the built-in PDF printer is to write, asked before anything is composed; the
    // printer's own name (no question) for a real printer; empty when the user cancelled.
    std::optional<PrintRequest> askPrintRequest();
    // "Print Page" and "Printer Setup" are offered once printing is connected to them.
    bool printCommandsConnected_ = false;
    QString printFolder_; // where the last PDF was printed
    Bitmap SheetBitmap_;
    QString exportFolder_; // where the last picture was exported

public:
    // --- Image colouring: the "Color Image" page; picking a colour or the text block's
    // place by a click on the tag. ---
    void ColorImageItemClick();
    void TypeRadioGroupClick(int type);
    void UseColoredImageButtonClick();
    void CancelColoringButtonClick();
    // A press on a picture of the tag (the preview or the colouring preview): the point in
    // tag dots and the colour shown there go to PickPoint.
    void Image2MouseDown(QPoint position, TColor color);
    // A click on the tag at (x, y) in tag dots with the colour there; the floating tag
    // window calls it too.
    void PickPoint(int x, int y, TColor color);
    // Switching the left-hand pages ends any picking.
    void resetPicking();

private:
    void buildColoring(); // the "Color Image" page, hidden until a picture is coloured
    void connectColorImageHandlers();
    bool coloring() const; // the "Color Image" page is open
    void leaveColorImagePage();
    // A slot's new look in its thumbnail, its box and its mirror.
    void showSlotPicture(int slot, const Bitmap& picture, int width, int height);

    int PreviewColoringType_ = 0;
    // What a click on the tag does, as "Advanced" and "Text Block" show it.
    Picking picking_;
    // The slot's own picture, decoded once while the page is open.
    std::shared_ptr<const DecodedPicture> ColoringBitmap_;

    // --- Printer calibration: "Calibrate Printer..." on the "Control" page and its dialog. ---
public:
    void CalibratePrinterButtonClick();

private:
    void connectCalibrationCommands();

protected:
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildWindow();
    // The pages, each owning its controls; the window shows the design in them and turns
    // their signals into the design's operations.
    AboutPage* aboutPage_ = nullptr;
    AdvancedPage* advancedPage_ = nullptr;
    BasicPage* basicPage_ = nullptr;
    ColorImagePage* colorImagePage_ = nullptr;
    ControlPage* controlPage_ = nullptr;
    TextBlockPage* textBlockPage_ = nullptr;
    TextPage* textPage_ = nullptr;
    void buildMenus();
    void buildStatusBar();
    void connectHandlers();

    // Runs a handler inside the error boundary; what it changes of the design becomes one
    // step of the history.
    void guarded(const std::function<void()>& handler);
    // The same for a handler of a control's own event: typing into a text field joins the
    // step before it.
    void guardedFrom(const QObject* control, const std::function<void()>& handler);
    // Connects a control's signal to a handler that runs guarded. The window's own controls
    // are menu items, timers and the page controls, which showing the design never writes.
    template <class Sender, class Signal, class Handler>
    void on(Sender* sender, Signal signal, Handler handler) {
        connect(sender, signal, this,
                [this, sender, handler](auto&&...) { guardedFrom(sender, handler); });
    }
    // Connects a page's signal to a handler that runs guarded. A page sends nothing while it
    // shows the design, so no check for that is needed here.
    template <class Page, class Signal, class Handler>
    void onPage(Page* page, Signal signal, Handler handler) {
        connect(page, signal, this, [this, page, handler](auto&&... values) {
            guardedFrom(page, [&] { handler(values...); });
        });
    }
    // The same for a text typed into a page's field: the field decides the step it joins.
    template <class Page, class Handler>
    void onTyped(Page* page, void (Page::*signal)(const QString&, const QObject*),
                 Handler handler) {
        connect(page, signal, this, [this, handler](const QString& text, const QObject* field) {
            guardedFrom(field, [&] { handler(text); });
        });
    }
    void connectLifecycleHandlers();
    void connectShapeAndColourHandlers();
    void connectSlotHandlers();
    void connectNumericFieldHandlers();
    void connectNumbers(NumbersPage* page);
    void connectTextHandlers();
    void connectFileHandlers();

    // --- Undo and Redo: the "Edit" menu, the steps and the title bar. ---
signals:
    // What a change of the design changed, once it is whole: after each handler (the
    // outermost one), each step of Undo or Redo, each open and each new design. The pages
    // show the design again from here when the change reaches what they show.
    void designChanged(const DesignChange& change);

private:
    // Inside a handler the change waits for the outermost handler's end and goes with
    // what that handler changed; elsewhere it is announced at once.
    void announce(const DesignChange& change);
    // Each page shows the design again when a change reaches what it shows.
    void connectPagesToChanges();
    DesignChange pendingChange_;
    void buildEditMenu();
    void connectEditCommands();
    // Opening or starting a design: the history starts again from it.
    void startHistory();
    // Shows the design a step of the history holds.
    void showHistoryStep(const TagDesign& values);
    void showThumbnailOf(int slot);
    void updateEditItems();
    void updateTitle();
    std::unique_ptr<DesignHistory> history_;
    QMenu* EditMenu = nullptr;
    QAction* UndoItem = nullptr;
    QAction* RedoItem = nullptr;
    int guardDepth_ = 0;
    bool movingInHistory_ = false;
    bool historyStarted_ = false; // by the handler running now
    // The text field typed into: its changes make one step until the focus leaves it.
    const QObject* typingField_ = nullptr;
    const QObject* handlerSource_ = nullptr; // the control whose event runs the handler
    int typingSession_ = 0;
    QString designPath_; // the design file last opened or saved

    // Follows what a design operation asks for.
    void follow(Redraw redraw);
    // Shows the design in the pages of numbers at once, without running their handlers,
    // rather than when the handler's change is announced: a refused number shows the number
    // in use before its message is up.
    void showDesignNow();
    void setActivePage(QTabWidget* control, QWidget* page);
    void setPageVisible(QTabWidget* control, QWidget* page, bool visible);
    void setSheetCommandsEnabled(bool enabled);
    // Whether a floating window shows each tag, so that the window may stay on its page.
    bool floatingTagShowsTheTag() const;
    void advanceHelp(int done, int next);
    int currentHelpItem() const;

    // The numbers the pages let the user type and step. A typed number out of range that
    // more typing may still bring into range waits in its field; any other refused text
    // gives its message at once, the field showing the number in use.
    void numberTyped(Number number, const QString& text, NumericField& field);
    void applyTypedNumber(Number number, const QString& text);
    void numberStepped(Number number, int position);
    void showNumberInUse(Number number, NumericField& field);
    // What is typed into a size field gives way to the design's own size.
    void stopTyping();

    // The text block and the other text handlers.
    void TextBlockMemoChange(const QString& text);
    void TextBlockMemoEnter();
    void TextBlockMemoExit();
    void TextBlockPositionRadioGroupClick(bool byClick);

    // Slot pictures: the "Images 1 to 9" page shows them, slots 1 to 4 on "Basic" too.
    ImagesPage* imagesPage_ = nullptr; // owned by its tab
    void MakeSlotPlaceholders(int first, int last, const QString& word, int firstNumber);
    bool LoadSlotPicture(int slot);
    // Decodes and records a slot's new picture and builds its thumbnail.
    void recordSlotPicture(int slot, const QString& path);
    // A picture given to a slot directly (dropped on it): recorded, shown and composed.
    void givePicture(int slot, const QString& path);
    int slotAt(const QPoint& point) const;
    void rememberRecentDesign(const QString& path);
    void showRecentDesigns();
    // The design pages as "Continue" shows them, without asking for a picture.
    void showDesignPages();
    bool designPagesShown() const;
    // The pages and boxes the shape choice shows for editing.
    void showEditingPages();
    void showSlotThumbnail(int slot);

    // Whether the text block's widest line was too wide at its last change.
    bool textBlockTooLong_ = false;

    BarcodePage* barcodePage_ = nullptr; // the "Barcode" page of the left-hand controls
    WindowServices services_;
    Prompts& prompts_;
    TagDesign design_;
    PrinterMetrics printerMetrics_;
    PictureCache pictures_;
    std::unique_ptr<RedrawScheduler> DrawTimer_;
    std::unique_ptr<HintTracker> hintTracker_;
    Bitmap LastTagBitmap_;
    std::array<Bitmap, 11> SlotThumbnails_;
    std::array<QString, 11> SlotHints_;
    QString designFolder_; // where the design dialogs start: the last design's folder
    int HoverSlot_ = 0;
    bool Activated_ = false; // the first activation has shown the welcome page
    bool sheetCommandsWanted_ = false;
    int compositionCount_ = 0;
};

} // namespace veltmoor

#pragma once

#include "design/TagDesign.h"
#include "output/PrinterMetrics.h"
#include "output/SheetSeries.h"
#include "platform/Bitmap.h"
#include "printing/SheetPrinter.h"
#include "render/PictureCache.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

class QAction;
class QMenu;

namespace veltmoor {

class PriceList;
class PriceListSheets;
class Prompts;

// What the price list's commands reach of the window.
struct PriceListWindow {
    Prompts* prompts = nullptr;
    TagDesign* design = nullptr;
    PictureCache* pictures = nullptr;  // the window's, for the sheet previewed
    std::function<PageMetrics()> page; // the page the sheets are laid on
    // Prints (or writes as a PDF) a series of sheets as one job; empty without printing.
    std::function<PrintResult(const SheetSeries&, const PrintRequest&)> printSheets;
    // Runs a handler in the window's error boundary, its change of the design one step of
    // the history.
    std::function<void(const std::function<void()>&)> guarded;
    std::function<void()> showPreview; // "Preview Sheet"
    // The number of the sheet shown (from 0) of so many, beside the preview; and its going.
    std::function<void(int shown, int count)> showSheetNumber;
    std::function<void()> hideSheetNumber;
    std::function<void(bool locked)> lock;
    std::function<void(const QString&)> status;
};

// A price list in the window: File -> "Use Price List...", "Save Sheets as PDF..." and
// "Stop Using Price List", and which sheet the "Preview" page shows. The design names the
// table; while it is there, the sheets previewed and printed are the table's, made by the
// same code as the merge command's, and the table is read and checked again for each so
// that they follow the design and the table as they are now.
class PriceListCommands : public QObject {
    Q_OBJECT

public:
    // The items go into the menu before `before`.
    PriceListCommands(PriceListWindow window, QMenu* fileMenu, QAction* before, QObject* parent);
    ~PriceListCommands() override;

    // The design names a table that is there: its sheets stand for the plain one.
    bool inUse() const;
    int shownSheet() const { return shownSheet_; } // from 0

    // The sheet shown, composed on the window's page, with "Sheet k of n" beside it. Throws
    // UserError listing the table's problems.
    Bitmap composeShownSheet();
    // The plain sheet is shown: its number goes.
    void showPlainSheet();
    // Every sheet as one job, or written to request.pdfPath; nothing when the user stopped
    // it, in which case nothing was printed or written.
    std::optional<PrintResult> printAll(const PrintRequest& request, const QString& title);

    // The design was opened: a table it names that is not there is reported.
    void designOpened();
    // The design changed under the commands (opened, Undo, Redo): they follow its table.
    void followDesign();

    void UsePriceListItemClick();
    void SaveSheetsAsPdfItemClick();
    void StopUsingPriceListItemClick();
    void PreviousSheetButtonClick();
    void NextSheetButtonClick();

    QAction* UsePriceListItem = nullptr;
    QAction* SaveSheetsAsPdfItem = nullptr;
    QAction* StopUsingPriceListItem = nullptr;

private:
    struct Job {
        std::unique_ptr<PriceList> list;
        std::unique_ptr<PriceListSheets> sheets;
    };
    // The table read and checked against the design, laid on the window's page.
    Job read(const QString& path, PictureCache& pictures) const;
    Job readUsable(PictureCache& pictures) const; // throws UserError for a table with problems
    void buildItems(QMenu* fileMenu, QAction* before);
    void connectCommands();

    PriceListWindow window_;
    int shownSheet_ = 0;
    QString followedPath_;
    QString tableFolder_; // where the table dialog opens
    QString pdfFolder_;   // where the last sheets went
};

} // namespace veltmoor

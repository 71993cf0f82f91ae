#include "app/ui/TForm1.h"

#include "app/ui/BusyCursor.h"
#include "app/ui/Prompts.h"
#include "app/ui/ScopeExit.h"
#include "output/ImageExport.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>

#include <array>
#include <functional>

namespace veltmoor {

namespace {

enum class Exported { Sheet, Tag };

// One item of "File" that saves the sheet or the current tag as a picture, and the dialog
// it asks for the file name with. The Best captions end with a blank, as they always have.
struct ExportItem {
    const char* name;
    const char* caption;
    Exported what;
    const char* title;
    const char* filter;
    const char* defaultSuffix;
    ExportSize size;
};

// The dialogs offer PNG besides the format each item is named for: lossless, and smaller
// than a bitmap. The file name's ending picks the format written.
constexpr const char* kBitmapFilter = "Bitmaps (*.bmp);;PNG (*.png)";
constexpr const char* kJpgFilter = "Jpg (*.jpg);;PNG (*.png)";

// In the order of the menu; TForm1::exportItems_ holds their actions in the same order.
const std::array<ExportItem, 6> kExportItems{{
    {"SaveSheetImageBestItem", "Save Sheet Image Best ", Exported::Sheet,
     "File name to save sheet of tags, as a bitmap.", kBitmapFilter, "bmp", ExportSize::Full},
    {"SaveSingleTesselImageBestItem", "Save Single Tag Image Best ", Exported::Tag,
     "File name to save single tag, as a bitmap.", kBitmapFilter, "bmp", ExportSize::Full},
    {"SaveSheetImageGoodItem", "Save Sheet Image Good", Exported::Sheet,
     "File name to save sheet of tags, as a jpg.", kJpgFilter, "jpg", ExportSize::Full},
    {"SaveSingleTesselImageGoodItem", "Save Single Tag Image Good", Exported::Tag,
     "File name to save single tag, as a jpg.", kJpgFilter, "jpg", ExportSize::Full},
    {"SaveSheetImageforEmailItem", "Save Sheet Image for Email", Exported::Sheet,
     "File name to save sheet of tags, as a small jpg, to email", kJpgFilter, "jpg",
     ExportSize::SheetForEmail},
    {"SaveSingleTesselImageforEmailItem", "Save Single Tag Image for Email", Exported::Tag,
     "File name to save single tag, as a small jpg, to email", kJpgFilter, "jpg",
     ExportSize::TagForEmail},
}};

// The export the sending item stands for; an unknown sender gets the full-size bitmap.
const ExportItem& exportItemFor(const std::array<QAction*, 6>& actions, const QAction* sender,
                                Exported what) {
    const ExportItem* best = nullptr;
    for (std::size_t index = 0; index < kExportItems.size(); ++index) {
        const ExportItem& item = kExportItems[index];
        if (item.what != what) {
            continue;
        }
        if (actions[index] == sender) {
            return item;
        }
        if (best == nullptr) {
            best = &item;
        }
    }
    return *best;
}

// The dialog opens where the last picture went.
std::optional<QString> askExportFileName(Prompts& prompts, const ExportItem& item,
                                         QString& folder) {
    std::optional<QString> chosen =
        prompts.saveFile(QString::fromLatin1(item.title), QString::fromLatin1(item.filter),
                         QString::fromLatin1(item.defaultSuffix), folder);
    if (chosen) {
        folder = QFileInfo(*chosen).absolutePath();
    }
    return chosen;
}

// Asks for the file name; given one, composes the picture and writes it with the window
// locked and the hourglass up, both undone however the export ends. False when the user
// cancelled.
bool exportComposed(TForm1& window, Prompts& prompts, QString& folder, const ExportItem& item,
                    const QString& cancelMessage, const std::function<const Bitmap&()>& compose) {
    const std::optional<QString> path = askExportFileName(prompts, item, folder);
    if (!path) {
        prompts.message(cancelMessage);
        return false;
    }
    window.DisableControls();
    const ScopeExit unlock([&window] { window.EnableControls(); });
    const BusyCursor busy;
    exportPicture(*path, compose(), item.size);
    return true;
}

} // namespace

void TForm1::buildExportItems() {
    for (std::size_t index = 0; index < kExportItems.size(); ++index) {
        const ExportItem& item = kExportItems[index];
        QAction* action = new QAction(QString::fromLatin1(item.caption), FileMenu);
        action->setObjectName(QString::fromLatin1(item.name));
        FileMenu->insertAction(ExitItem, action);
        exportItems_[index] = action;
    }
    FileMenu->insertSeparator(ExitItem);
}

void TForm1::SaveSheetImageBestItemClick(const QAction* sender) {
    exportComposed(
        *this, prompts_, exportFolder_, exportItemFor(exportItems_, sender, Exported::Sheet),
        QStringLiteral("Image not saved. No name entered for image."), [this]() -> const Bitmap& {
            // The render mode stays as it is, the screen's: the sheet carries its
            // cut line.
            PrintPreview();
            return SheetBitmap_;
        });
}

void TForm1::SaveSingleTesselImageBestItemClick(const QAction* sender) {
    const bool exported = exportComposed(
        *this, prompts_, exportFolder_, exportItemFor(exportItems_, sender, Exported::Tag),
        QStringLiteral("Image not saved."), [this]() -> const Bitmap& {
            DrawTagReal();
            return LastTagBitmap_;
        });
    if (exported) {
        DrawTag(design_.currentSlot());
    }
}

// The six "Save ... Image ..." items of "File".
void TForm1::connectExportCommands() {
    for (std::size_t index = 0; index < kExportItems.size(); ++index) {
        QAction* action = exportItems_[index];
        if (kExportItems[index].what == Exported::Sheet) {
            on(action, &QAction::triggered,
               [this, action] { SaveSheetImageBestItemClick(action); });
        } else {
            on(action, &QAction::triggered,
               [this, action] { SaveSingleTesselImageBestItemClick(action); });
        }
    }
}

} // namespace veltmoor

#include "app/ui/TForm1.h"

#include "app/ui/pages/BasicPage.h"

#include "app/ui/BusyCursor.h"
#include "app/ui/PictureBox.h"
#include "app/ui/PriceListCommands.h"
#include "app/ui/Prompts.h"
#include "app/ui/RecentDesigns.h"
#include "app/ui/SlotThumbnails.h"
#include "app/ui/WindowTexts.h"
#include "app/ui/pages/ImagesPage.h"
#include "design/DesignPrinter.h"
#include "images/TintedCopy.h"
#include "platform/Errors.h"
#include "platform/UserSettings.h"
#include "platform/WorkingFolder.h"
#include "printing/OfferedPaper.h"
#include "setupfile/SetupFile.h"

#include <QAction>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>

namespace veltmoor {

namespace {

const QString kDesignFilter = QStringLiteral("Veltmoor Tags (*.vmg)");
constexpr int kRecentDesignCount = 6;

// The design itself is open or saved all the same; only the list is not kept.
void keepRecentDesigns(const QStringList& recent, Prompts& prompts) {
    try {
        user_settings::setRecentDesigns(recent);
    } catch (const UserError& error) {
        prompts.message(error.message());
    }
}

bool isDesignFile(const QString& path) {
    return path.endsWith(QStringLiteral(".vmg"), Qt::CaseInsensitive);
}

// The local files a drag carries; nothing for anything else.
QStringList droppedFiles(const QMimeData* data) {
    QStringList files;
    if (data == nullptr) {
        return files;
    }
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile()) {
            files << url.toLocalFile();
        }
    }
    return files;
}

} // namespace

bool TForm1::SaveAsItemClick() {
    const std::optional<QString> path = prompts_.saveFile(QStringLiteral("Save Tag"), kDesignFilter,
                                                          QStringLiteral("vmg"), designFolder_);
    if (!path) {
        prompts_.message(QStringLiteral("File not Saved"));
        return false;
    }
    {
        const BusyCursor busy;
        saveSetupFile(*path, design_);
        rememberRecentDesign(*path);
    }
    designPath_ = *path;
    history_->markSaved();
    updateTitle();
    // The page is read again on saving, as it always has been; the file does not change.
    refreshPrinterMetrics();
    return true;
}

void TForm1::OpenItemClick() {
    const std::optional<QString> path =
        prompts_.openFile(QStringLiteral("Open Tag"), kDesignFilter, designFolder_);
    if (!path) {
        prompts_.message(QStringLiteral("No File Selected"));
        return;
    }
    OpenDesignFile(*path);
}

void TForm1::OpenDesignFile(const QString& path) {
    const BusyCursor busy;
    // Thumbnails are kept aside until the whole design has opened, so that a broken file
    // leaves the window exactly as it was.
    std::array<std::optional<Bitmap>, 10> thumbnails;
    OpenSetupFileOptions options;
    // The design names its printer by its place among the printers installed now.
    if (services_.installedPrinters) {
        options.printers = services_.installedPrinters();
    }
    options.pictureLoaded = [&thumbnails](int slot, const DecodedPicture& picture) {
        thumbnails.at(static_cast<std::size_t>(slot)) =
            letterboxThumbnail(picture.bitmap, picture.width, picture.height);
    };
    const QStringList previousPictures = pictureFilesOf(design_.slotTable());
    const OpenSetupFileResult opened = openSetupFile(path, design_, options);
    // The closed design's tinted copies go unless the opened one uses them too.
    removeReleasedTintedCopies(previousPictures, pictureFilesOf(design_.slotTable()));

    if (!designPagesShown()) {
        // Opened from the welcome page (or at start): the design pages come as "Continue"
        // brings them, with the sheet's first tag in view instead of the sample.
        showDesignPages();
        showEditingPages();
        design_.setCurrentSlot(kFirstSheetSlot);
        // The step list moves on as "Continue" and the first picture would move it: left at
        // "Click "Continue"", it would wait for a click that never comes, its pane still
        // saying the program is loading.
        advanceHelp(window::kHelpContinue, window::kHelpSelectImage);
        if (!design_.slot(kFirstSheetSlot).FileName.isEmpty()) {
            advanceHelp(window::kHelpSelectImage, window::kHelpSelectShape);
        }
        if (services_.showFloatingTag && design_.floatingTag()) {
            services_.showFloatingTag();
        }
    }
    // A slot whose picture is missing shows its placeholder, not the last design's picture.
    for (int slot = kFirstSheetSlot; slot <= kLastSheetSlot; ++slot) {
        if (auto& thumbnail = thumbnails.at(static_cast<std::size_t>(slot))) {
            SlotThumbnails_[static_cast<std::size_t>(slot)] = std::move(*thumbnail);
        } else {
            MakeSlotPlaceholders(slot, slot, QStringLiteral("Tag"), slot);
        }
        showSlotThumbnail(slot);
    }
    // The design's printer and orientation are in place now, and its paper if the printer
    // still offers it.
    OfferedPaper paper{design_.printer().paper, QString()};
    if (!paper.paper.isEmpty() && services_.listPrinters) {
        paper = offeredPaper(printerSelectionOf(design_), services_.listPrinters());
        design_.setPrinterPaper(paper.paper, design_.printer().landscape);
    }
    refreshPrinterMetrics();
    // The text fields show the tag in view's texts, as "Show Tag" shows them: typing into a
    // field left empty would rewrite every checked tag's text unseen.
    design_.takeCurrentSlotTexts();
    // The size fields show the file's sizes, whatever was being typed into them.
    stopTyping();
    setSheetCommandsEnabled(!design_.slot(kFirstSheetSlot).FileName.isEmpty());
    rememberRecentDesign(path);
    designPath_ = path;
    startHistory();
    follow(opened.redraw);
    priceList_->designOpened();
    announce(DesignChange::everything());
    const QString problems = opened.pictureProblemMessage();
    if (!problems.isEmpty()) {
        prompts_.message(problems);
    }
    if (!paper.message.isEmpty()) {
        prompts_.message(paper.message);
    }
}

void TForm1::rememberRecentDesign(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    designFolder_ = QFileInfo(absolute).absolutePath();
    keepRecentDesigns(
        withRecentDesign(user_settings::recentDesigns(), absolute, kRecentDesignCount), prompts_);
    showRecentDesigns();
}

void TForm1::showRecentDesigns() {
    for (QAction* item : RecentDesignItems) {
        FileMenu->removeAction(item);
        item->deleteLater();
    }
    RecentDesignItems.clear();
    const QStringList recent = user_settings::recentDesigns();
    const QStringList labels = recentDesignLabels(recent);
    RecentDesignsSeparator->setVisible(!recent.isEmpty());
    for (int index = 0; index < recent.size(); ++index) {
        const QString path = recent.at(index);
        QAction* item =
            FileMenu->addAction(QStringLiteral("&%1 %2").arg(index + 1).arg(labels.at(index)));
        item->setObjectName(QStringLiteral("RecentDesign%1").arg(index + 1));
        item->setProperty("hint", path);
        on(item, &QAction::triggered, [this, path] { OpenRecentDesign(path); });
        RecentDesignItems.push_back(item);
    }
}

void TForm1::OpenRecentDesign(const QString& path) {
    if (!QFileInfo::exists(path)) {
        QStringList recent = user_settings::recentDesigns();
        recent.removeAll(path);
        keepRecentDesigns(recent, prompts_);
        showRecentDesigns();
        prompts_.message(QStringLiteral("The design \"%1\" is no longer there, so it has been "
                                        "taken off the list of recent designs.")
                             .arg(path));
        return;
    }
    OpenDesignFile(path);
}

void TForm1::dragEnterEvent(QDragEnterEvent* event) {
    if (!droppedFiles(event->mimeData()).isEmpty() && FileMenu->menuAction()->isEnabled()) {
        event->acceptProposedAction();
    }
}

void TForm1::dropEvent(QDropEvent* event) {
    const QStringList files = droppedFiles(event->mimeData());
    if (!files.isEmpty()) {
        event->acceptProposedAction();
        guarded([this, files, event] { DropFiles(files, event->position().toPoint()); });
    }
}

void TForm1::DropFiles(const QStringList& files, const QPoint& where) {
    const QString& path = files.first();
    if (isDesignFile(path)) {
        OpenDesignFile(path);
    } else {
        givePicture(slotAt(where), path);
    }
}

// The slot whose box (or mirror) lies under a point of the window; the current slot when
// the point is elsewhere, since the tag shown is what the user sees changing.
int TForm1::slotAt(const QPoint& point) const {
    for (QWidget* widget = childAt(point); widget != nullptr; widget = widget->parentWidget()) {
        if (const int slot = imagesPage_->slotOfBox(widget); slot != 0) {
            return slot;
        }
        if (const int slot = basicPage_->slotShownBy(widget)) {
            return slot;
        }
    }
    const int current = design_.currentSlot();
    return current >= kFirstSheetSlot && current <= kLastSheetSlot ? current : kFirstSheetSlot;
}

void TForm1::connectFileHandlers() {
    const auto fileCommand = [this](QAction* item, auto handler) {
        // A shortcut reaches its item even while the menu is locked; the lock holds for it too.
        on(item, &QAction::triggered, [this, handler] {
            if (FileMenu->menuAction()->isEnabled()) {
                handler();
            }
        });
    };
    fileCommand(OpenItem, [this] { OpenItemClick(); });
    fileCommand(SaveAsItem, [this] { SaveAsItemClick(); });
    connect(FileMenu, &QMenu::hovered, this, [this](QAction* item) {
        const QString hint = item->property("hint").toString();
        if (!hint.isEmpty()) {
            DisplayHint(hint);
        }
    });
    // A design deleted or moved since it was listed leaves the list before the user sees it.
    connect(FileMenu, &QMenu::aboutToShow, this, [this] {
        const QStringList recent = user_settings::recentDesigns();
        const QStringList existing = existingRecentDesigns(recent);
        if (existing != recent) {
            keepRecentDesigns(existing, prompts_);
            showRecentDesigns();
        }
    });
    setAcceptDrops(true);
    showRecentDesigns();
}

} // namespace veltmoor

#include "app/ui/TForm1.h"

#include "app/ui/ErrorBoundary.h"
#include "app/ui/PictureBox.h"
#include "app/ui/PriceListCommands.h"
#include "app/ui/SlotThumbnails.h"
#include "design/SlotPicture.h"
#include "platform/Errors.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QUndoStack>

namespace veltmoor {

namespace {

const QString kProgramTitle = QStringLiteral("Veltmoor Tags Print");

// The text fields would take Ctrl+Z for an undo of their own; in this window it undoes the
// last change of the design, whatever it was, typing included.
class HistoryKeys : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ShortcutOverride) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo) ||
                key->keyCombination() == QKeyCombination(Qt::CTRL, Qt::Key_Y)) {
                // Left unaccepted, the key goes on to the window's Undo and Redo items.
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

void addShortcuts(QAction* item, std::initializer_list<QKeySequence> keys) {
    item->setShortcuts(QList<QKeySequence>(keys));
    item->setShortcutContext(Qt::WindowShortcut);
}

} // namespace

void TForm1::buildEditMenu() {
    EditMenu = menuBar()->addMenu(QStringLiteral("&Edit"));
    EditMenu->setObjectName(QStringLiteral("EditMenu"));
    UndoItem = EditMenu->addAction(QStringLiteral("&Undo"));
    UndoItem->setObjectName(QStringLiteral("UndoItem"));
    addShortcuts(UndoItem, {QKeySequence(Qt::CTRL | Qt::Key_Z)});
    RedoItem = EditMenu->addAction(QStringLiteral("&Redo"));
    RedoItem->setObjectName(QStringLiteral("RedoItem"));
    addShortcuts(RedoItem, {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z),
                            QKeySequence(Qt::CTRL | Qt::Key_Y)});
}

void TForm1::connectEditCommands() {
    const auto move = [this](void (QUndoStack::*step)()) {
        // The window locked (welcome page, long work) keeps the history where it is, even
        // for a shortcut.
        if (!FileMenu->menuAction()->isEnabled()) {
            return;
        }
        movingInHistory_ = true;
        runGuarded(prompts_, [this, step] { (history_->stack().*step)(); });
        movingInHistory_ = false;
        // What the step changed is announced once the step is whole.
        announce(DesignChange());
        updateEditItems();
    };
    connect(UndoItem, &QAction::triggered, this, [move] { move(&QUndoStack::undo); });
    connect(RedoItem, &QAction::triggered, this, [move] { move(&QUndoStack::redo); });
    QUndoStack& stack = history_->stack();
    connect(&stack, &QUndoStack::indexChanged, this, [this] { updateEditItems(); });
    connect(&stack, &QUndoStack::cleanChanged, this, [this] { updateTitle(); });
    connect(FileMenu->menuAction(), &QAction::changed, this, [this] { updateEditItems(); });
    // A field typed into gathers its changes into one step until the focus leaves it.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        ++typingSession_;
        const bool typed = qobject_cast<QLineEdit*>(now) != nullptr ||
                           qobject_cast<QPlainTextEdit*>(now) != nullptr;
        typingField_ = typed ? now : nullptr;
    });
    auto* keys = new HistoryKeys(this);
    for (QWidget* field : findChildren<QLineEdit*>()) {
        field->installEventFilter(keys);
    }
    for (QWidget* field : findChildren<QPlainTextEdit*>()) {
        field->installEventFilter(keys);
    }
    updateEditItems();
    updateTitle();
}

void TForm1::updateEditItems() {
    const QUndoStack& stack = history_->stack();
    const bool unlocked = FileMenu->menuAction()->isEnabled();
    EditMenu->menuAction()->setEnabled(unlocked);
    UndoItem->setEnabled(unlocked && stack.canUndo());
    RedoItem->setEnabled(unlocked && stack.canRedo());
    UndoItem->setText(stack.canUndo() ? QStringLiteral("&Undo %1").arg(stack.undoText())
                                      : QStringLiteral("&Undo"));
    RedoItem->setText(stack.canRedo() ? QStringLiteral("&Redo %1").arg(stack.redoText())
                                      : QStringLiteral("&Redo"));
}

void TForm1::updateTitle() {
    const QString name =
        designPath_.isEmpty() ? QStringLiteral("Untitled") : QFileInfo(designPath_).fileName();
    if (designPath_.isEmpty() && !history_->isModified()) {
        setWindowTitle(kProgramTitle);
        return;
    }
    setWindowTitle(
        QStringLiteral("%1%2 - %3")
            .arg(name, history_->isModified() ? QStringLiteral("*") : QString(), kProgramTitle));
}

void TForm1::startHistory() {
    history_->clear();
    historyStarted_ = true;
    updateEditItems();
    updateTitle();
}

void TForm1::showThumbnailOf(int slot) {
    const img& record = design_.slot(slot);
    bool shown = false;
    if (!record.FileName.isEmpty()) {
        try {
            const DecodedPicture picture =
                readPicture(record.FileName, {kThumbnailSize, kThumbnailSize});
            SlotThumbnails_[static_cast<std::size_t>(slot)] =
                letterboxThumbnail(picture.bitmap, picture.width, picture.height);
            shown = true;
        } catch (const UserError&) {
            // A picture gone from the disk since shows as an empty slot; composing it says so.
        }
    }
    if (!shown) {
        MakeSlotPlaceholders(slot, slot, QStringLiteral("Tag"), slot);
    }
    showSlotThumbnail(slot);
}

void TForm1::showHistoryStep(const TagDesign& values) {
    const TagDesign shown = design_.valuesWithoutComposedTags();
    design_.restoreValues(values);
    const DesignChange change = changeBetween(shown, design_);
    for (int slot = kFirstSheetSlot; slot <= kLastSheetSlot; ++slot) {
        const auto index = static_cast<std::size_t>(slot);
        if (shown.slot(index).FileName != design_.slot(index).FileName) {
            showThumbnailOf(slot);
        }
    }
    if (change.changed(DesignAspect::PrinterSetup)) {
        refreshPrinterMetrics();
    }
    stopTyping();
    setSheetCommandsEnabled(!design_.slot(kFirstSheetSlot).FileName.isEmpty());
    priceList_->followDesign();
    DrawTimer_->cancel();
    announce(change);
    DrawTagReal();
}

} // namespace veltmoor

#include "app/ui/TForm1.h"

#include "app/ui/HintTracker.h"
#include "app/ui/PictureBox.h"
#include "app/ui/Prompts.h"
#include "app/ui/RadioGroup.h"
#include "app/ui/UpDown.h"
#include "app/ui/WindowTexts.h"
#include "app/ui/pages/AboutPage.h"
#include "app/ui/pages/AdvancedPage.h"
#include "app/ui/pages/BarcodePage.h"
#include "app/ui/pages/BasicPage.h"
#include "app/ui/pages/ControlPage.h"
#include "app/ui/pages/ImagesPage.h"
#include "app/ui/pages/TextBlockPage.h"
#include "app/ui/pages/TextPage.h"
#include "design/DesignComposition.h"
#include "images/TintedCopy.h"
#include "output/PrinterMetrics.h"
#include "platform/WorkingFolder.h"
#include "render/TagSettings.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFont>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTextBlock>

namespace veltmoor {

using namespace window;

void TForm1::FormCreate() {
    hintTracker_ =
        std::make_unique<HintTracker>([this](const QString& hint) { DisplayHint(hint); });
    qApp->installEventFilter(hintTracker_.get());
    design_.setPrinting(false);
    design_.forgetSheetMargins();
    // Placed before the window exists, the position is taken as the frame's by the window
    // manager; the frame's true size is known only later (see event()).
    adjustSize();
    placeOnScreen();
    ensureWorkingFolder();
    design_.startAnew();
    LastTagBitmap_ = Bitmap();
    // Until a printer answers, the built-in PDF printer's page.
    printerMetrics_ = builtInPdfPrinterMetricsForSystemLocale();
    refreshPrinterMetrics();
    Activated_ = false;
    Timer1->start();
}

void TForm1::FormActivate() {
    if (Activated_) {
        return;
    }
    // The controls show this design at the end; setting one here would run its handler.
    design_ = TagDesign::atFirstActivation();
    Activated_ = true;

    {
        const QSignalBlocker blockOne(PageControl1);
        const QSignalBlocker blockTwo(PageControl2);
        for (QWidget* page :
             std::initializer_list<QWidget*>{basicPage_, imagesPage_, textBlockPage_}) {
            setPageVisible(PageControl1, page, false);
        }
        for (QWidget* page : std::initializer_list<QWidget*>{controlPage_, textPage_, barcodePage_,
                                                             advancedPage_}) {
            setPageVisible(PageControl2, page, false);
        }
        PageControl2->hide();
        setActivePage(PageControl1, aboutPage_);
    }
    FileMenu->menuAction()->setEnabled(false);
    MinimizeMenu->setEnabled(false);

    MakeSlotPlaceholders(0, kLastInitialisedSlot, QStringLiteral("Tag"), 0);
    setSheetCommandsEnabled(false);
    for (int slot = 1; slot <= 9; ++slot) {
        showSlotThumbnail(slot);
        imagesPage_->setSlotHint(slot, SlotHints_[static_cast<std::size_t>(slot)]);
    }

    showComposedTag(kAboutSlot, composeSlot(design_.aboutSample(), kAboutSlot,
                                            printerMetrics_.pageMetrics(), pictures_));
    aboutPage_->showSlogan();
    DrawTimer_->cancel();

    aboutPage_->offerStart();
    startHistory();
}

void TForm1::ContinueButtonClick() {
    advanceHelp(kHelpContinue, kHelpSelectImage);
    showDesignPages();
    follow(design_.TypeOfPageRadioGroupClick(design_.settings().shapeIndex));
    TypeOfPageRadioGroupClick();
    SlotImageClick(1);
    if (services_.showFloatingTag) {
        services_.showFloatingTag();
    }
    setActivePage(PageControl1, basicPage_);
    // The design starts here: nothing before its first picture is undone.
    startHistory();
}

void TForm1::showDesignPages() {
    {
        const QSignalBlocker blockOne(PageControl1);
        const QSignalBlocker blockTwo(PageControl2);
        PageControl2->show();
        setPageVisible(PageControl2, controlPage_, true);
        for (QWidget* page :
             std::initializer_list<QWidget*>{basicPage_, imagesPage_, textBlockPage_}) {
            setPageVisible(PageControl1, page, true);
        }
        setActivePage(PageControl1, basicPage_);
        setPageVisible(PageControl1, aboutPage_, false);
    }
    FileMenu->menuAction()->setEnabled(true);
    MinimizeMenu->setEnabled(true);
}

bool TForm1::designPagesShown() const {
    return PageControl2->isVisibleTo(const_cast<TForm1*>(this)) ||
           !PageControl1->isTabVisible(PageControl1->indexOf(aboutPage_));
}

void TForm1::MinimizeMenuClick() {
    showMinimized();
}

bool TForm1::FormCloseQuery() {
    if (prompts_.askYesNo(
            QStringLiteral("Do you want to save the definition for the current sheet of tags?"),
            QStringLiteral("Save?")) &&
        !SaveAsItemClick()) {
        // The user asked to keep the design; closing after a cancelled or failed save
        // would lose it.
        return false;
    }
    return prompts_.askYesNo(QStringLiteral("Are you sure you want to end program?"),
                             QStringLiteral("End Program?"));
}

void TForm1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // Some platforms know the frame as soon as the window exists.
    if (framePlacement_.frameChanged(*this)) {
        placeOnScreen();
    }
    if (!Activated_) {
        guarded([this] { FormActivate(); });
    }
}

void TForm1::placeOnScreen() {
    if (const QScreen* screen = this->screen()) {
        framePlacement_.placeAt(*this, *screen,
                                mainWindowCorner(screen->geometry(), frameGeometry().size()));
    }
}

bool TForm1::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate && !Activated_) {
        guarded([this] { FormActivate(); });
    }
    const bool handled = QMainWindow::event(event);
    // The window opened before the window manager had put its title bar around it: with
    // that frame known, it is placed again so that the title bar is on the screen too.
    if (isVisible() && (event->type() == QEvent::Move || event->type() == QEvent::Resize) &&
        framePlacement_.frameChanged(*this)) {
        placeOnScreen();
    }
    return handled;
}

void TForm1::closeEvent(QCloseEvent* event) {
    bool mayClose = false;
    guarded([&] { mayClose = FormCloseQuery(); });
    if (!mayClose) {
        event->ignore();
        return;
    }
    Timer1->stop();
    DrawTimer_->cancel();
    // The design is closed: its tinted copies are made again when it is next opened.
    removeReleasedTintedCopies(pictureFilesOf(design_.slotTable()), {});
    event->accept();
}

void TForm1::Timer1Timer() {
    statusPanels[2]->setText(
        QStringLiteral("%1-%2").arg(design_.currentSlot()).arg(DrawTimer_->interval()));
    if (!basicPage_->helpChecked()) {
        return;
    }
    const QString shown = Memo2->document()->firstBlock().text().left(25);
    if (shown.isEmpty()) {
        return;
    }
    if (shown == kShapeHint.left(25) && currentHelpItem() == kHelpSelectShape) {
        advanceHelp(kHelpSelectShape, kHelpChangeSize);
    } else if (shown == kCutLineHint.left(25) && currentHelpItem() == kHelpCutLine) {
        advanceHelp(kHelpCutLine, kHelpColors);
    }
}

void TForm1::DisplayHint(const QString& hint) {
    Memo2->setPlainText(hint);
}

void TForm1::PageControl1Change() {
    QWidget* page = PageControl1->currentWidget();
    if (page == basicPage_) {
        DrawTag(design_.currentSlot());
        if (currentHelpItem() == kHelpBasicTab) {
            advanceHelp(kHelpBasicTab, kHelpCutLine);
        }
    } else if (page == textBlockPage_) {
        setActivePage(PageControl2, textPage_);
        advanceHelp(kHelpTextBlockTab, kHelpChangeText);
    }
}

void TForm1::PageControl2Change() {
    if (!floatingTagShowsTheTag()) {
        setActivePage(PageControl1, basicPage_);
    }
    resetPicking();
    QWidget* page = PageControl2->currentWidget();
    if (page == advancedPage_ && currentHelpItem() == kHelpAdvancedTab) {
        advanceHelp(kHelpAdvancedTab, kHelpTryOptions);
    } else if (page == controlPage_ && currentHelpItem() == kHelpControlTab) {
        advanceHelp(kHelpControlTab, kHelpPrinterSetup);
    }
}

void TForm1::setActivePage(QTabWidget* control, QWidget* page) {
    const QSignalBlocker block(control);
    control->setCurrentWidget(page);
}

void TForm1::setPageVisible(QTabWidget* control, QWidget* page, bool visible) {
    const int index = control->indexOf(page);
    if (index >= 0) {
        control->setTabVisible(index, visible);
    }
}

bool TForm1::floatingTagShowsTheTag() const {
    return basicPage_->floatingTagChecked() && services_.showFloatingTag;
}

void TForm1::advanceHelp(int done, int next) {
    if (services_.advanceHelp) {
        services_.advanceHelp(done, next);
    }
}

int TForm1::currentHelpItem() const {
    return services_.currentHelpItem ? services_.currentHelpItem() : -1;
}

// The timers, the page controls, the welcome page and the menus.
void TForm1::connectLifecycleHandlers() {
    on(Timer1, &QTimer::timeout, [this] { Timer1Timer(); });
    on(PageControl1, &QTabWidget::currentChanged, [this] { PageControl1Change(); });
    on(PageControl2, &QTabWidget::currentChanged, [this] { PageControl2Change(); });
    onPage(aboutPage_, &AboutPage::continueAsked, [this] { ContinueButtonClick(); });
    onPage(aboutPage_, &AboutPage::openAsked, [this] { OpenItemClick(); });
    onPage(aboutPage_, &AboutPage::exitAsked, [this] { close(); });
    on(ExitItem, &QAction::triggered, [this] { close(); });
    on(MinimizeMenu, &QAction::triggered, [this] { MinimizeMenuClick(); });
}

} // namespace veltmoor

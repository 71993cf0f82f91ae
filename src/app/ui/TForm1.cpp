#include "app/ui/TForm1.h"

#include "app/ui/ErrorBoundary.h"
#include "app/ui/HintTracker.h"
#include "app/ui/Prompts.h"
#include "app/ui/WindowTexts.h"
#include "app/ui/pages/AboutPage.h"
#include "app/ui/pages/AdvancedPage.h"
#include "app/ui/pages/BarcodePage.h"
#include "app/ui/pages/BasicPage.h"
#include "app/ui/pages/ColorImagePage.h"
#include "app/ui/pages/ControlPage.h"
#include "app/ui/pages/ImagesPage.h"
#include "app/ui/pages/TextBlockPage.h"
#include "app/ui/pages/TextPage.h"
#include "design/DesignComposition.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProxyStyle>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QUndoStack>

#include <algorithm>
#include <utility>

namespace veltmoor {

using namespace window;

namespace {

// The style's own look for tabs, with a narrower padding beside their captions.
class TabPaddingStyle : public QProxyStyle {
public:
    explicit TabPaddingStyle(int padding) : padding_(padding) {}

    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        return metric == PM_TabBarTabHSpace ? padding_
                                            : QProxyStyle::pixelMetric(metric, option, widget);
    }

private:
    int padding_;
};

// Every tab at its natural size, captions whole and no scroll arrows: where the style's
// padding is too wide for the page control, the padding alone is narrowed to fit.
void fitTabsWhole(QTabWidget* pages) {
    QTabBar* tabs = pages->tabBar();
    tabs->setExpanding(false);
    const int count = tabs->count();
    const int padding = tabs->style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, tabs);
    const int withoutPadding = tabs->sizeHint().width() - count * padding;
    const int fitting = count > 0 ? (pages->width() - withoutPadding) / count : padding;
    if (fitting < padding) {
        auto* style = new TabPaddingStyle(std::max(fitting, 0));
        style->setParent(tabs);
        tabs->setStyle(style);
    }
}

} // namespace

TForm1::TForm1(WindowServices services, QWidget* parent)
    : QMainWindow(parent), services_(std::move(services)), prompts_(*services_.prompts) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Veltmoor Tags Print"));
    // The controls were laid out for an 8-point face; the Liberation metrics stand in.
    setFont(QFont(QStringLiteral("Liberation Sans"), 8));
    std::unique_ptr<SchedulerTimer> redrawTimer =
        services_.makeRedrawTimer
            ? services_.makeRedrawTimer()
            : std::make_unique<QtSchedulerTimer>(RedrawScheduler::kNormalWait);
    DrawTimer_ = std::make_unique<RedrawScheduler>(
        std::move(redrawTimer), [this] { guarded([this] { DrawTimerTimer(); }); });
    history_ = std::make_unique<DesignHistory>(
        [this](const TagDesign& values) { showHistoryStep(values); });
    buildWindow();
    connectHandlers();
    guarded([this] { FormCreate(); });
}

TForm1::~TForm1() {
    // The application, the history and the menus still signal while the window's members
    // are torn down (the focus leaves each field as it goes): none of it may reach a window
    // that is half gone.
    disconnect(qApp, nullptr, this, nullptr);
    // The pages and the fields they watch signal too as the focus leaves them, to the window
    // and to the pages that change the design through it.
    const std::initializer_list<QObject*> editingPages{basicPage_,   imagesPage_, textBlockPage_,
                                                       controlPage_, textPage_,   barcodePage_};
    for (QObject* child : findChildren<QObject*>()) {
        child->disconnect(this);
        for (QObject* page : editingPages) {
            if (page != nullptr) {
                child->disconnect(page);
            }
        }
    }
    if (history_) {
        history_->stack().disconnect(this);
    }
    if (FileMenu) {
        FileMenu->menuAction()->disconnect(this);
    }
    if (hintTracker_) {
        qApp->removeEventFilter(hintTracker_.get());
    }
}

const Bitmap& TForm1::slotThumbnail(int slot) const {
    return SlotThumbnails_.at(static_cast<std::size_t>(slot));
}

QString TForm1::slotHint(int slot) const {
    return SlotHints_.at(static_cast<std::size_t>(slot));
}

// ---------------------------------------------------------------------------------------
// The frame of the window: the two page controls, the hint line, the status bar and the
// menus. Each page is built in its own file under pages/.

void TForm1::buildWindow() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    client->setFixedSize(kClientWidth, kClientHeight);
    setCentralWidget(client);

    PageControl2 = new QTabWidget(client);
    PageControl2->setObjectName(QStringLiteral("PageControl2"));
    PageControl2->setGeometry(0, 0, 161, 417);
    PageControl1 = new QTabWidget(client);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setGeometry(163, 0, 591, 417);

    basicPage_ = new BasicPage(*this, static_cast<bool>(services_.showFloatingTag));
    PageControl1->addTab(basicPage_, QStringLiteral("&Basic"));
    imagesPage_ = new ImagesPage(*this);
    PageControl1->addTab(imagesPage_, QStringLiteral("&Images 1 to 9"));
    textBlockPage_ = new TextBlockPage(*this);
    PageControl1->addTab(textBlockPage_, QStringLiteral("Text B&lock"));
    aboutPage_ = new AboutPage;
    PageControl1->addTab(aboutPage_, QStringLiteral("About"));
    controlPage_ = new ControlPage(*this);
    PageControl2->addTab(controlPage_, QStringLiteral("C&ontrol"));
    textPage_ = new TextPage(*this);
    PageControl2->addTab(textPage_, QStringLiteral("&Text"));
    PageControl2->addTab(barcodePage_ = new BarcodePage(*this), QStringLiteral("B&arcode"));
    advancedPage_ = new AdvancedPage;
    PageControl2->addTab(advancedPage_, QStringLiteral("A&dvanced"));
    fitTabsWhole(PageControl2);

    Memo2 = new QPlainTextEdit(client);
    Memo2->setObjectName(QStringLiteral("Memo2"));
    Memo2->setGeometry(4, 419, 745, 45);
    Memo2->setReadOnly(true);
    Memo2->setFrameShape(QFrame::NoFrame);
    Memo2->setFocusPolicy(Qt::NoFocus);
    Memo2->setStyleSheet(QStringLiteral("QPlainTextEdit { color: red; background: transparent; }"));
    Memo2->setPlainText(
        QStringLiteral("Move the mouse over most areas of the window, will give you help.\n"
                       "The help will be displayed instead of this text."));

    buildStatusBar();
    StatusBar1->setParent(client);
    StatusBar1->setGeometry(0, 466, kClientWidth, kClientHeight - 466);
    buildMenus();
    buildSheetOutput();
    buildColoring();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(150);

    // Fixed single border: the window is exactly its client area plus the menu.
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void TForm1::buildMenus() {
    FileMenu = menuBar()->addMenu(QStringLiteral("&File"));
    FileMenu->setObjectName(QStringLiteral("FileMenu"));
    OpenItem = FileMenu->addAction(QStringLiteral("&Open Tag"));
    OpenItem->setObjectName(QStringLiteral("OpenItem"));
    OpenItem->setShortcut(QKeySequence::Open);
    OpenItem->setProperty(
        "hint", QStringLiteral("Opens a previously saved tag setup, so that more sheets can be "
                               "printed of the sheet, or can be used as the start of an new "
                               "sheet."));
    SaveAsItem = FileMenu->addAction(QStringLiteral("&Save Tag..."));
    SaveAsItem->setObjectName(QStringLiteral("SaveAsItem"));
    SaveAsItem->setShortcut(QKeySequence::Save);
    SaveAsItem->setProperty(
        "hint", QStringLiteral("Save the current values for the sheet of tags so that it can be "
                               "re-loaded later and print more sheets."));
    ExitItem = FileMenu->addAction(QStringLiteral("E&xit"));
    ExitItem->setObjectName(QStringLiteral("ExitItem"));
    ExitItem->setShortcut(QKeySequence::Quit);
    buildCutItems();
    // The designs opened last follow the menu's own items.
    RecentDesignsSeparator = FileMenu->addSeparator();
    buildEditMenu();
    MinimizeMenu = menuBar()->addAction(QStringLiteral("&Minimize"));
    MinimizeMenu->setObjectName(QStringLiteral("MinimizeMenu"));
}

void TForm1::buildStatusBar() {
    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    const std::array<int, 4> widths{350, 175, 100, 100};
    for (std::size_t index = 0; index < widths.size(); ++index) {
        auto* panel = new QLabel(StatusBar1);
        panel->setObjectName(QStringLiteral("StatusPanel%1").arg(index));
        panel->setFixedWidth(widths[index]);
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        StatusBar1->addWidget(panel);
        statusPanels[index] = panel;
    }
    statusPanels[0]->setAlignment(Qt::AlignCenter);
    statusPanels[0]->setText(QStringLiteral("Veltmoor Tags Print"));
    statusPanels[1]->setText(QStringLiteral("Version 1.0b 03-06-04"));
}

// ---------------------------------------------------------------------------------------
// Wiring: every handler runs inside the error boundary; each job connects its own.

void TForm1::guarded(const std::function<void()>& handler) {
    // A handler reached from another one belongs to the outer one's step.
    if (guardDepth_ > 0 || movingInHistory_ || !history_) {
        runGuarded(prompts_, handler);
        return;
    }
    const TagDesign before = design_.valuesWithoutComposedTags();
    const QObject* typed =
        handlerSource_ != nullptr && handlerSource_ == typingField_ ? typingField_ : nullptr;
    handlerSource_ = nullptr;
    historyStarted_ = false;
    ++guardDepth_;
    runGuarded(prompts_, handler);
    --guardDepth_;
    if (!historyStarted_) {
        history_->record(before, design_.valuesWithoutComposedTags(), typed, typingSession_);
    }
    // A design opened or started anew is news to every view, whatever it shares with the last.
    announce(historyStarted_ ? DesignChange::everything() : changeBetween(before, design_));
}

void TForm1::announce(const DesignChange& change) {
    pendingChange_ |= change;
    if (guardDepth_ > 0 || movingInHistory_ || pendingChange_.isEmpty()) {
        return;
    }
    emit designChanged(std::exchange(pendingChange_, DesignChange()));
}

void TForm1::connectPagesToChanges() {
    const auto showOnChange = [this]<class Page>(Page* page) {
        connect(this, &TForm1::designChanged, page, [this, page](const DesignChange& change) {
            if (page->showsChange(change)) {
                page->showDesign(design_);
            }
        });
    };
    showOnChange(advancedPage_);
    showOnChange(basicPage_);
    showOnChange(colorImagePage_);
    showOnChange(controlPage_);
    showOnChange(textPage_);
    showOnChange(barcodePage_);
    showOnChange(imagesPage_);
    showOnChange(textBlockPage_);
}

void TForm1::guardedFrom(const QObject* control, const std::function<void()>& handler) {
    if (guardDepth_ == 0) {
        handlerSource_ = control;
    }
    guarded(handler);
}

void TForm1::change(const QObject* control, const Change& change) {
    guardedFrom(control, [&] { follow(change(design_)); });
}

void TForm1::connectHandlers() {
    connectPagesToChanges();
    connectLifecycleHandlers();
    connectShapeAndColourHandlers();
    connectSlotHandlers();
    connectNumericFieldHandlers();
    connectTextHandlers();
    connectFileHandlers();
    connectSheetOutputHandlers();
    connectColorImageHandlers();
    connectAddressLabelHandlers();
    connectHelpStepRules();
    connectCalibrationCommands();
    connectCutCommands();
    connectEditCommands();
}

} // namespace veltmoor

#include "app/ui/RadioGroup.h"
#include "app/ui/UpDown.h"
#include "design/DesignComposition.h"
#include "render/TagCompositor.h"
#include "support/widgets/WindowHarness.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QFocusEvent>
#include <QGroupBox>
#include <QImageReader>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

#include <gtest/gtest.h>

namespace veltmoor {
namespace {

using testing::near;
using testing::WindowHarness;

// Letter paper with quarter-inch margins at 600 dots per inch: 8.00 x 10.50 printable
// inches, a sheet of 1600 x 2100 tag dots.
PrinterMetrics letterPage() {
    PrinterMetrics metrics = testing::eightByTenPage();
    metrics.PageHeight = 6300;
    return metrics;
}

WindowServices onLetterPage(WindowServices services = {}) {
    services.readPrinterMetrics = [](const PrinterSelection&) { return letterPage(); };
    return services;
}

const TColor kGreen = rgbColor(0, 255, 0);
const TColor kBlue = rgbColor(0, 0, 255);

// Past the welcome page with a red picture for tag 1 and the default 2.00 x 4.00 in tags.
struct Sheet : WindowHarness {
    explicit Sheet(WindowServices services = {}) : WindowHarness(onLetterPage(services)) {
        startDesigning(picture(QStringLiteral("red.bmp"), 100, 100, clRed));
        settle();
    }
    void givePicture(int slot, TColor color) {
        prompts.answerPath(picture(QStringLiteral("%1.bmp").arg(slot), 100, 100, color));
        leftClick(slotBox(slot));
        settle();
    }
    bool tabShown(QWidget* page) {
        return w().PageControl1->isTabVisible(w().PageControl1->indexOf(page));
    }
    // The controls the sheet commands lock, in the order they are locked and unlocked.
    std::vector<QObject*> lockOrder() {
        TForm1& f = w();
        return {testing::control<QPushButton>(f, QStringLiteral("PrinterSetupButton")),
                f.FileMenu->menuAction(),
                f.MinimizeMenu,
                testing::control<QLabel>(f, QStringLiteral("Label2")),
                testing::control<QLineEdit>(f, QStringLiteral("CopiesEdit")),
                testing::control<UpDown>(f, QStringLiteral("CopiesUpDown")),
                testing::control<QPushButton>(f, QStringLiteral("PreviewTesselButton")),
                testing::control<QPushButton>(f, QStringLiteral("PreviewButton")),
                testing::control<QPushButton>(f, QStringLiteral("PrintButton")),
                testing::control<QGroupBox>(f, QStringLiteral("GroupBox1")),
                testing::control<RadioGroup>(f, QStringLiteral("BorderRadioGroup")),
                testing::control<RadioGroup>(f, QStringLiteral("TypeOfPageRadioGroup"))};
    }
    std::vector<QObject*> unlockOrder() {
        TForm1& f = w();
        return {f.FileMenu->menuAction(),
                f.MinimizeMenu,
                testing::control<QPushButton>(f, QStringLiteral("PrinterSetupButton")),
                testing::control<QLabel>(f, QStringLiteral("Label2")),
                testing::control<QLineEdit>(f, QStringLiteral("CopiesEdit")),
                testing::control<UpDown>(f, QStringLiteral("CopiesUpDown")),
                testing::control<QPushButton>(f, QStringLiteral("PreviewButton")),
                testing::control<QPushButton>(f, QStringLiteral("PreviewTesselButton")),
                testing::control<QPushButton>(f, QStringLiteral("PrintButton")),
                testing::control<QGroupBox>(f, QStringLiteral("GroupBox1")),
                testing::control<RadioGroup>(f, QStringLiteral("BorderRadioGroup")),
                testing::control<RadioGroup>(f, QStringLiteral("TypeOfPageRadioGroup"))};
    }
    bool unlocked() {
        for (QObject* item : lockOrder()) {
            if (!isEnabled(item) && item != control<QPushButton>(QStringLiteral("PrintButton")) &&
                item != control<QPushButton>(QStringLiteral("PrinterSetupButton"))) {
                return false;
            }
        }
        return QGuiApplication::overrideCursor() == nullptr;
    }
    static bool isEnabled(QObject* control) {
        if (auto* action = qobject_cast<QAction*>(control)) {
            return action->isEnabled();
        }
        return qobject_cast<QWidget*>(control)->isEnabled();
    }
};

QString nameOf(const QObject* control) {
    if (const auto* action = qobject_cast<const QAction*>(control); action && action->menu()) {
        return action->menu()->objectName();
    }
    return control->objectName();
}

// Notes each control of a list whose enabled state changes, by name, in the order it
// happens.
class EnableLog : public QObject {
public:
    explicit EnableLog(const std::vector<QObject*>& watched) {
        for (QObject* control : watched) {
            if (auto* action = qobject_cast<QAction*>(control)) {
                connect(action, &QAction::enabledChanged, this,
                        [this, action] { changed << nameOf(action); });
            } else {
                control->installEventFilter(this);
            }
        }
    }
    QStringList changed;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::EnabledChange) {
            changed << nameOf(watched);
        }
        return false;
    }
};

// The names of the controls of a list that are enabled now.
QStringList enabledOf(const std::vector<QObject*>& controls) {
    QStringList names;
    for (QObject* control : controls) {
        if (Sheet::isEnabled(control)) {
            names << nameOf(control);
        }
    }
    return names;
}

// The names in the given order that are also among `among`.
QStringList inOrder(const std::vector<QObject*>& order, const QStringList& among) {
    QStringList names;
    for (QObject* control : order) {
        if (among.contains(nameOf(control))) {
            names << nameOf(control);
        }
    }
    return names;
}

// --- "Preview Sheet" --------------------------------------------------------------------

TEST(WindowSheetTest, PreviewSheetShowsTheSheetReducedBySixOnAqua) {
    Sheet h;
    h.givePicture(2, kGreen);
    h.givePicture(5, kBlue);
    TForm1& w = h.w();
    EXPECT_FALSE(h.tabShown(h.control(QStringLiteral("PreviewTabSheet"))))
        << "no sheet composed yet";

    testing::control<QPushButton>(w, QStringLiteral("PreviewButton"))->click();

    EXPECT_TRUE(h.prompts.messages.isEmpty())
        << h.prompts.messages.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(h.tabShown(h.control(QStringLiteral("PreviewTabSheet"))));
    EXPECT_EQ(w.PageControl1->currentWidget(), h.control(QStringLiteral("PreviewTabSheet")));
    EXPECT_EQ(h.design().renderMode(), RenderMode::Single);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(h.unlocked());
    ASSERT_EQ(w.SheetBitmap().width(), 1600);
    ASSERT_EQ(w.SheetBitmap().height(), 2100);

    // F = max(1600 div 583, 2100 div 389) + 1 = 6: the sheet fills 266 x 350 at the top left.
    const QImage shown = h.control<PictureBox>(QStringLiteral("PreviewImage"))->rendered();
    ASSERT_EQ(shown.size(), QSize(583, 389));
    EXPECT_TRUE(near(shown.pixelColor(266, 0), clAqua));
    EXPECT_TRUE(near(shown.pixelColor(582, 388), clAqua));
    EXPECT_TRUE(near(shown.pixelColor(0, 350), clAqua));
    EXPECT_TRUE(near(shown.pixelColor(265, 349), clWhite)) << "the sheet's bottom margin";
    EXPECT_TRUE(near(shown.pixelColor(265, 20), clWhite)) << "the sheet's top margin";
    // Four tags across and two down, 250 dots from the top; the pictured slots 1, 2 and 5
    // follow one another across the rows: 1 2 5 1 / 2 5 1 2. The middle of each tag is
    // its picture.
    const std::array<std::array<TColor, 4>, 2> rows{
        {{clRed, kGreen, kBlue, clRed}, {kGreen, kBlue, clRed, kGreen}}};
    for (int row = 0; row < 2; ++row) {
        for (int column = 0; column < 4; ++column) {
            const int x = (column * 400 + 200) / 6;
            const int y = (250 + row * 800 + 400) / 6;
            EXPECT_TRUE(near(shown.pixelColor(x, y),
                             rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)]))
                << "tag " << column << ", " << row;
        }
    }
}

TEST(WindowSheetTest, PreviewSheetTagsCarryTheWidePreviewCutLine) {
    Sheet h;
    h.control<QPushButton>(QStringLiteral("PreviewButton"))->click();
    TagDesign design = h.design();
    design.setRenderMode(RenderMode::Preview);
    PictureCache pictures;
    const PageMetrics page = letterPage().pageMetrics();
    const Bitmap previewTag = DrawTagReal(compositionInputFor(design, 1, page), pictures).tag;
    design.setRenderMode(RenderMode::Single);
    const Bitmap screenTag = DrawTagReal(compositionInputFor(design, 1, page), pictures).tag;
    ASSERT_NE(previewTag, screenTag);
    const Bitmap& sheet = h.w().SheetBitmap();
    Bitmap placed(400, 800, clWhite);
    for (int y = 0; y < 800; ++y) {
        for (int x = 0; x < 400; ++x) {
            placed.setPixel(x, y, sheet.pixel(x, 250 + y));
        }
    }
    EXPECT_EQ(placed, previewTag);
}

TEST(WindowSheetTest, TheNextTagRenderHidesThePreviewAndDropsTheSheet) {
    Sheet h;
    TForm1& w = h.w();
    testing::control<QPushButton>(w, QStringLiteral("PreviewButton"))->click();
    ASSERT_TRUE(h.tabShown(h.control(QStringLiteral("PreviewTabSheet"))));
    WindowHarness::leftClick(h.slotBox(1));
    EXPECT_FALSE(h.tabShown(h.control(QStringLiteral("PreviewTabSheet"))));
    EXPECT_TRUE(w.SheetBitmap().isEmpty());
}

// A change made just before "Preview Sheet" is in the sheet, and its redraw, due a moment
// later, does not take the preview away again.
TEST(WindowSheetTest, ARedrawStillWaitingDoesNotHideTheNewPreview) {
    Sheet h;
    TForm1& w = h.w();
    h.prompts.answerColor(kBlue);
    testing::control<QPushButton>(w, QStringLiteral("SelectBackgoundColorButton"))->click();
    ASSERT_TRUE(w.DrawTimer().isPending());
    testing::control<QPushButton>(w, QStringLiteral("PreviewButton"))->click();
    h.advance(1000);
    EXPECT_TRUE(h.tabShown(h.control(QStringLiteral("PreviewTabSheet"))));
    ASSERT_FALSE(w.SheetBitmap().isEmpty());
    // Near the bottom of the first tag, below the picture: the new background.
    EXPECT_EQ(w.SheetBitmap().pixelColor(200, 250 + 700), kBlue);
}

TEST(WindowSheetTest, PreviewSheetLeavesTheCurrentSlotsTextBlockInTheMemo) {
    Sheet h;
    TForm1& w = h.w();
    for (int slot = 2; slot <= 9; ++slot) {
        h.slotCheckBox(slot)->setChecked(false);
    }
    h.givePicture(2, kGreen);
    h.editSlot(2)->TextBlockText = QStringLiteral("Two");
    WindowHarness::leftClick(h.slotBox(1));
    testing::control<QPlainTextEdit>(w, QStringLiteral("TextBlockMemo"))
        ->setPlainText(QStringLiteral("One"));
    h.settle();
    testing::control<QPushButton>(w, QStringLiteral("PreviewButton"))->click();
    // Leaving the memo writes its text into the checked slot: still slot 1's own.
    QFocusEvent out(QEvent::FocusOut);
    QCoreApplication::sendEvent(
        testing::control<QPlainTextEdit>(w, QStringLiteral("TextBlockMemo")), &out);
    EXPECT_EQ(h.slot(1).TextBlockText, QStringLiteral("One"));
    EXPECT_EQ(h.slot(2).TextBlockText, QStringLiteral("Two"));
}

// --- "Preview Tags" ---------------------------------------------------------------------

// With or without the floating tag, and from the sheet's preview too, each tag is reviewed in
// the tag view.
TEST(WindowSheetTest, PreviewTagsShowsEachPicturedSlotAndStopsAfterEach) {
    for (const bool floatingTag : {false, true}) {
        SCOPED_TRACE(floatingTag ? "floating tag" : "no floating tag");
        WindowServices services;
        services.showFloatingTag = floatingTag ? std::function<void()>([] {}) : nullptr;
        Sheet h(services);
        h.givePicture(2, kGreen);
        h.givePicture(5, kBlue);
        TForm1& w = h.w();
        w.PageControl1->setCurrentWidget(h.control(QStringLiteral("Images01to15TabSheet")));
        if (floatingTag) {
            testing::control<QPushButton>(w, QStringLiteral("PreviewButton"))->click();
        }
        h.design().setCurrentSlot(1);
        h.prompts.messages.clear();
        std::vector<std::pair<int, QColor>> seen;
        h.prompts.onMessage = [&](const QString&) {
            EXPECT_EQ(w.PageControl1->currentWidget(),
                      testing::control<QWidget>(w, QStringLiteral("StandardTabSheet")))
                << "the tag view";
            seen.emplace_back(h.design().currentSlot(), h.previewPixelForDot(200, 400));
        };

        testing::control<QPushButton>(w, QStringLiteral("PreviewTesselButton"))->click();

        EXPECT_EQ(h.prompts.messages, QStringList(3, QStringLiteral("Display Next Tag")));
        ASSERT_EQ(seen.size(), 3U);
        const std::array<std::pair<int, TColor>, 3> expected{{{1, clRed}, {2, kGreen}, {5, kBlue}}};
        for (std::size_t index = 0; index < expected.size(); ++index) {
            EXPECT_EQ(seen[index].first, expected[index].first);
            EXPECT_TRUE(near(seen[index].second, expected[index].second)) << "tag " << index;
        }
        EXPECT_EQ(h.design().currentSlot(), 5);
        EXPECT_EQ(w.PageControl1->currentWidget(),
                  testing::control<QWidget>(w, QStringLiteral("StandardTabSheet")))
            << "the tag view in front";
    }
}

// Every command that locks the window gives back the tabs and the page the user had ("About"
// stays closed); only "Preview Sheet" brings its own page.
TEST(WindowSheetTest, TheCommandsThatLockTheWindowLeaveTheUserWhereTheyWere) {
    const auto colour = [](const QString& leave) {
        return [leave](Sheet& h) {
            h.w().ImagePopupMenuPopup(1);
            h.slotMenuItem(1, QStringLiteral("&Color Image"))->trigger();
            h.control<QPushButton>(leave)->click();
        };
    };
    const std::pair<const char*, std::function<void(Sheet&)>> commands[] = {
        {"PreviewTabSheet",
         [](Sheet& h) { h.control<QPushButton>(QStringLiteral("PreviewButton"))->click(); }},
        {"Images01to15TabSheet",
         [](Sheet& h) { h.control<QPushButton>(QStringLiteral("PrintButton"))->click(); }},
        {"Images01to15TabSheet",
         [](Sheet& h) {
             h.prompts.answerPath(h.folder.filePath(QStringLiteral("sheet.bmp")));
             h.control<QAction>(QStringLiteral("SaveSheetImageBestItem"))->trigger();
         }},
        {"Images01to15TabSheet", colour(QStringLiteral("UseColoredImageButton"))},
        {"Images01to15TabSheet", colour(QStringLiteral("CancelColoringButton"))},
    };
    WindowServices services;
    services.installedPrinters = [] { return PrinterList{{QStringLiteral("Shop")}, 0}; };
    services.listPrinters = [] { return std::vector<PrinterDescription>{}; };
    services.printSheet = [](Bitmap&, const PrintRequest&) { return PrintResult{}; };
    for (const bool floatingTag : {false, true}) {
        services.showFloatingTag = floatingTag ? std::function<void()>([] {}) : nullptr;
        for (std::size_t index = 0; index < std::size(commands); ++index) {
            SCOPED_TRACE(::testing::Message()
                         << "command " << index << ", floating " << floatingTag);
            Sheet h(services);
            TForm1& w = h.w();
            WindowHarness::hover(h.slotBox(1));
            w.PageControl1->setCurrentWidget(h.control(QStringLiteral("Images01to15TabSheet")));
            const auto shownTabs = [&w] {
                QStringList shown;
                for (int tab = 0; tab < w.PageControl1->count(); ++tab) {
                    shown << (w.PageControl1->isTabVisible(tab)
                                  ? w.PageControl1->widget(tab)->objectName()
                                  : QString());
                }
                return shown.join(QLatin1Char(' ')).simplified();
            };
            const QString before = shownTabs();
            commands[index].second(h);
            EXPECT_TRUE(h.prompts.messages.isEmpty());
            EXPECT_EQ(shownTabs().remove(QStringLiteral(" PreviewTabSheet")), before);
            EXPECT_EQ(w.PageControl1->currentWidget()->objectName(),
                      QString::fromLatin1(commands[index].first));
            EXPECT_TRUE(h.unlocked());
        }
    }
}

// --- which commands are offered ---------------------------------------------------------

TEST(WindowSheetTest, PreviewSheetWaitsForTheFirstPictureAndPrintingForThePrinter) {
    WindowHarness h(onLetterPage());
    TForm1& w = h.w();
    w.show();
    EXPECT_FALSE(testing::control<QPushButton>(w, QStringLiteral("PreviewButton"))->isEnabled());
    EXPECT_TRUE(
        testing::control<QPushButton>(w, QStringLiteral("PreviewTesselButton"))->isEnabled());
    h.prompts.cancelNext(); // tag 1 gets the blank picture
    testing::control<QPushButton>(w, QStringLiteral("ContinueButton"))->click();
    EXPECT_TRUE(testing::control<QPushButton>(w, QStringLiteral("PreviewButton"))->isEnabled());
    EXPECT_TRUE(
        testing::control<QPushButton>(w, QStringLiteral("PreviewTesselButton"))->isEnabled());
    // Nothing prints yet: neither a lock nor the first picture offers it.
    w.DisableControls();
    w.EnableControls();
    EXPECT_FALSE(testing::control<QPushButton>(w, QStringLiteral("PrintButton"))->isEnabled());
    EXPECT_FALSE(
        testing::control<QPushButton>(w, QStringLiteral("PrinterSetupButton"))->isEnabled());
    EXPECT_TRUE(testing::control<QPushButton>(w, QStringLiteral("PreviewButton"))->isEnabled());
}

// --- locking the window -----------------------------------------------------------------

struct LockCase {
    bool floatingTag;
    const char* name;
};

class WindowLockTest : public ::testing::TestWithParam<LockCase> {};

TEST_P(WindowLockTest, LockAndUnlockInTheirOrderAndDoNotCount) {
    WindowServices services;
    if (GetParam().floatingTag) {
        services.showFloatingTag = [] {};
    }
    Sheet h(services);
    TForm1& w = h.w();
    testing::control<QCheckBox>(w, QStringLiteral("FloatingTagCheckBox"))
        ->setChecked(GetParam().floatingTag);
    w.PageControl1->setCurrentWidget(testing::control<QWidget>(w, QStringLiteral("Text2TabSheet")));
    const std::array<QWidget*, 4> lockedPages{
        h.control(QStringLiteral("Images01to15TabSheet")),
        testing::control<QWidget>(w, QStringLiteral("Text2TabSheet")),
        testing::control<QWidget>(w, QStringLiteral("AboutTabSheet")),
        testing::control<QWidget>(w, QStringLiteral("StandardTabSheet"))};

    // What was on before is locked, and unlocked again, each in its own order.
    const QStringList enabledBefore = enabledOf(h.lockOrder());
    ASSERT_EQ(enabledBefore.size(), 10) << "all but printing and its set-up";
    EnableLog locking(h.lockOrder());
    w.DisableControls();
    EXPECT_EQ(locking.changed, inOrder(h.lockOrder(), enabledBefore));
    for (QWidget* page : lockedPages) {
        EXPECT_FALSE(h.tabShown(page)) << page->objectName().toStdString();
    }
    if (GetParam().floatingTag) {
        EXPECT_NE(w.PageControl1->currentWidget(),
                  testing::control<QWidget>(w, QStringLiteral("AboutTabSheet")));
    } else {
        EXPECT_EQ(w.PageControl1->currentWidget(),
                  testing::control<QWidget>(w, QStringLiteral("AboutTabSheet")));
    }

    w.DisableControls(); // nested: one unlock still unlocks everything
    EnableLog unlocking(h.unlockOrder());
    w.EnableControls();
    EXPECT_EQ(unlocking.changed, inOrder(h.unlockOrder(), enabledBefore));
    EXPECT_TRUE(h.unlocked());
    // The tabs and the page of before: "About", closed by "Continue", stays closed.
    for (QWidget* page : lockedPages) {
        EXPECT_EQ(h.tabShown(page),
                  page != testing::control<QWidget>(w, QStringLiteral("AboutTabSheet")))
            << page->objectName().toStdString();
    }
    EXPECT_EQ(w.PageControl1->currentWidget(),
              testing::control<QWidget>(w, QStringLiteral("Text2TabSheet")));
}

INSTANTIATE_TEST_SUITE_P(FloatingTag, WindowLockTest,
                         ::testing::Values(LockCase{false, "Clear"}, LockCase{true, "Checked"}),
                         [](const auto& lockCase) { return std::string(lockCase.param.name); });

// --- exports ----------------------------------------------------------------------------

struct ExportCase {
    const char* item; // its name
    const char* caption;
    const char* title;
    const char* filter;
    const char* suffix;
    const char* fileName;
    const char* format; // what the file's first bytes say
    int width;
    int height;
};

class WindowExportTest : public ::testing::TestWithParam<ExportCase> {};

QByteArray formatOf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QByteArray head = file.read(4);
    if (head.startsWith("BM")) {
        return "bmp";
    }
    if (head.startsWith("\xFF\xD8")) {
        return "jpeg";
    }
    if (head.startsWith("\x89PNG")) {
        return "png";
    }
    return head;
}

TEST_P(WindowExportTest, WritesItsSizeAndFormatUnderTheChosenName) {
    const ExportCase& c = GetParam();
    Sheet h;
    TForm1& w = h.w();
    auto* item = h.control<QAction>(QString::fromLatin1(c.item));
    EXPECT_EQ(item->text(), QString::fromLatin1(c.caption));
    EXPECT_TRUE(w.FileMenu->actions().contains(item));
    const QString path = h.folder.filePath(QString::fromLatin1(c.fileName));
    h.prompts.answerPath(path);

    item->trigger();

    EXPECT_TRUE(h.prompts.messages.isEmpty())
        << h.prompts.messages.join(QLatin1Char('|')).toStdString();
    ASSERT_EQ(h.prompts.saveDialogs.size(), 1);
    EXPECT_EQ(h.prompts.saveDialogs[0],
              (QStringList{QString::fromLatin1(c.title), QString::fromLatin1(c.filter),
                           QString::fromLatin1(c.suffix)}));
    EXPECT_EQ(formatOf(path), QByteArray(c.format));
    EXPECT_EQ(QImageReader(path).size(), QSize(c.width, c.height));
    EXPECT_TRUE(h.unlocked());
    EXPECT_EQ(h.design().renderMode(), RenderMode::Single);
    EXPECT_FALSE(h.tabShown(h.control(QStringLiteral("PreviewTabSheet"))))
        << "an export shows no preview";
}

constexpr const char* kSheetBitmap = "File name to save sheet of tags, as a bitmap.";
constexpr const char* kBitmaps = "Bitmaps (*.bmp);;PNG (*.png)";
constexpr const char* kJpgs = "Jpg (*.jpg);;PNG (*.png)";

INSTANTIATE_TEST_SUITE_P(
    Items, WindowExportTest,
    ::testing::Values(ExportCase{"SaveSheetImageBestItem", "Save Sheet Image Best ", kSheetBitmap,
                                 kBitmaps, "bmp", "sheet.bmp", "bmp", 1600, 2100},
                      ExportCase{"SaveSheetImageBestItem", "Save Sheet Image Best ", kSheetBitmap,
                                 kBitmaps, "bmp", "sheet.png", "png", 1600, 2100},
                      ExportCase{"SaveSheetImageGoodItem", "Save Sheet Image Good",
                                 "File name to save sheet of tags, as a jpg.", kJpgs, "jpg",
                                 "sheet.jpg", "jpeg", 1600, 2100},
                      ExportCase{"SaveSheetImageforEmailItem", "Save Sheet Image for Email",
                                 "File name to save sheet of tags, as a small jpg, to email", kJpgs,
                                 "jpg", "small.jpg", "jpeg", 600, 787},
                      ExportCase{"SaveSingleTesselImageBestItem", "Save Single Tag Image Best ",
                                 "File name to save single tag, as a bitmap.", kBitmaps, "bmp",
                                 "tag.bmp", "bmp", 400, 800},
                      ExportCase{"SaveSingleTesselImageGoodItem", "Save Single Tag Image Good",
                                 "File name to save single tag, as a jpg.", kJpgs, "jpg", "tag.jpg",
                                 "jpeg", 400, 800},
                      ExportCase{"SaveSingleTesselImageforEmailItem",
                                 "Save Single Tag Image for Email",
                                 "File name to save single tag, as a small jpg, to email", kJpgs,
                                 "jpg", "small-tag.jpg", "jpeg", 200, 400}));

TEST(WindowSheetTest, TheExportedSheetCarriesTheScreensCutLine) {
    Sheet h;
    const QString path = h.folder.filePath(QStringLiteral("sheet.bmp"));
    h.prompts.answerPath(path);
    h.control<QAction>(QStringLiteral("SaveSheetImageBestItem"))->trigger();
    const Bitmap sheet = readPicture(path).bitmap;
    PictureCache pictures;
    const ComposedTag screenTag =
        DrawTagReal(compositionInputFor(h.design(), 1, letterPage().pageMetrics()), pictures);
    ASSERT_EQ(h.design().renderMode(), RenderMode::Single);
    for (int y = 0; y < 800; y += 7) {
        for (int x = 0; x < 400; ++x) {
            ASSERT_EQ(sheet.pixelColor(x, 250 + y), screenTag.tag.pixelColor(x, y))
                << x << ", " << y;
        }
    }
}

TEST(WindowSheetTest, ACancelledExportSaysSoAndComposesNothing) {
    Sheet h;
    TForm1& w = h.w();
    const int compositions = w.compositionCount();
    h.prompts.cancelNext();
    h.control<QAction>(QStringLiteral("SaveSheetImageGoodItem"))->trigger();
    h.prompts.cancelNext();
    h.control<QAction>(QStringLiteral("SaveSingleTesselImageforEmailItem"))->trigger();
    EXPECT_EQ(h.prompts.messages,
              (QStringList{QStringLiteral("Image not saved. No name entered for image."),
                           QStringLiteral("Image not saved.")}));
    EXPECT_EQ(w.compositionCount(), compositions);
    EXPECT_TRUE(w.SheetBitmap().isEmpty());
    EXPECT_TRUE(h.unlocked());
}

TEST(WindowSheetTest, AnExportThatCannotBeWrittenSaysSoOnceAndUnlocks) {
    Sheet h;
    for (QAction* item : {h.control<QAction>(QStringLiteral("SaveSheetImageBestItem")),
                          h.control<QAction>(QStringLiteral("SaveSingleTesselImageGoodItem"))}) {
        h.prompts.messages.clear();
        const QString path = h.folder.filePath(QStringLiteral("no such folder/picture.bmp"));
        h.prompts.answerPath(path);
        item->trigger();
        ASSERT_EQ(h.prompts.messages.size(), 1) << item->text().toStdString();
        EXPECT_TRUE(h.prompts.messages[0].contains(QStringLiteral("picture.bmp")))
            << h.prompts.messages[0].toStdString();
        EXPECT_FALSE(QFile::exists(path));
        EXPECT_TRUE(h.unlocked());
        EXPECT_EQ(h.design().renderMode(), RenderMode::Single);
    }
}

} // namespace
} // namespace veltmoor

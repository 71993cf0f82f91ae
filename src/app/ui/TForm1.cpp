#include "app/ui/TForm1.h"

#include "app/ui/BusyCursor.h"
#include "app/ui/ErrorBoundary.h"
#include "app/ui/HintTracker.h"
#include "app/ui/PictureBox.h"
#include "app/ui/Prompts.h"
#include "app/ui/RadioGroup.h"
#include "app/ui/SlotThumbnails.h"
#include "app/ui/UpDown.h"
#include "design/DesignComposition.h"
#include "design/NumericFields.h"
#include "design/SlotPicture.h"
#include "platform/Errors.h"
#include "platform/PictureFile.h"
#include "platform/WorkingFolder.h"
#include "render/PageGrid.h"
#include "render/SamplePicture.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTextBlock>
#include <QTimer>
#include <QVBoxLayout>

namespace veltmoor {

namespace {

constexpr int kClientWidth = 754;
constexpr int kClientHeight = 491;
constexpr int kPreviewSize = 350;
constexpr int kBoxSize = 100;

const QString kMirrorHint = QStringLiteral(
    "Image for Tag %1, right click for popup menu. Popup menu has choices to open, show, "
    "delete, and color image. Left click will show the image, if no image selected will "
    "first allow you to select an image.");
const QString kShapeHint = QStringLiteral("Selects the shape of tag that will be drawn.");
const QString kCutLineHint = QStringLiteral("Selects the cut line to draw around the tag.");
const QString kWhichHint = QStringLiteral(
    "All the checked images will be set when changing any color or text.  The fonts, font "
    "sizes, and font styles are selected for all nine images.");
const QString kCopiesHint = QStringLiteral("The number of copies of each page printed");
const QString kSlogan = QStringLiteral("\"The software that does what you want it to do\"");
const QString kTempTagName = QStringLiteral("~temptag.bmp");

// Help list items the window moves on from.
constexpr int kHelpContinue = 0;
constexpr int kHelpSelectImage = 1;
constexpr int kHelpSelectShape = 2;
constexpr int kHelpChangeSize = 3;
constexpr int kHelpTextBlockTab = 4;
constexpr int kHelpChangeText = 5;
constexpr int kHelpBasicTab = 6;
constexpr int kHelpCutLine = 7;
constexpr int kHelpColors = 8;
constexpr int kHelpAdvancedTab = 9;
constexpr int kHelpTryOptions = 10;
constexpr int kHelpControlTab = 11;
constexpr int kHelpPrinterSetup = 12;

// Windows line breaks are what a slot's text block stores; the memo works with "\n".
QString storedLines(const QString& memoText) {
    QString text = memoText;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text;
}

QString memoLines(const QString& stored) {
    QString text = stored;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

QPushButton* makeButton(const QString& name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

QCheckBox* makeCheckBox(const QString& name, const QString& caption, QWidget* parent) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    return box;
}

QLineEdit* makeEdit(const QString& name, QWidget* parent, int width = 40) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setFixedWidth(width);
    return edit;
}

UpDown* makeUpDown(const QString& name, const UpDownRange& range, int position, QWidget* parent) {
    auto* upDown = new UpDown(parent);
    upDown->setObjectName(name);
    upDown->setRange(range.min, range.max);
    upDown->setIncrement(range.increment);
    upDown->setPosition(position);
    return upDown;
}

RadioGroup* makeRadioGroup(const QString& name, const QString& caption, const QStringList& items,
                           int columns, QWidget* parent) {
    auto* group = new RadioGroup(caption, items, columns, parent);
    group->setObjectName(name);
    return group;
}

QGroupBox* makeGroup(const QString& name, const QString& caption, QWidget* parent) {
    auto* group = new QGroupBox(caption, parent);
    group->setObjectName(name);
    return group;
}

PictureBox* makeBox(const QString& name, int size, QWidget* parent) {
    auto* box = new PictureBox(size, size, parent);
    box->setObjectName(name);
    return box;
}

// One edit with its up-down, and a caption above or beside them.
QWidget* fieldRow(const QString& caption, QLineEdit* edit, UpDown* upDown, QWidget* parent) {
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    if (!caption.isEmpty()) {
        auto* label = new QLabel(caption, row);
        label->setBuddy(edit);
        layout->addWidget(label, 1);
    }
    layout->addWidget(edit);
    layout->addWidget(upDown);
    if (caption.isEmpty()) {
        layout->addStretch(1);
    }
    return row;
}

void compact(QLayout* layout) {
    layout->setContentsMargins(4, 2, 4, 2);
    layout->setSpacing(2);
}

} // namespace

TForm1::TForm1(WindowServices services, QWidget* parent)
    : QMainWindow(parent), services_(std::move(services)), prompts_(*services_.prompts) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Veltmoor Tags Print"));
    // The controls were laid out for an 8-point face; the Liberation metrics stand in.
    setFont(QFont(QStringLiteral("Liberation Sans"), 8));
    DrawTimer_ = std::make_unique<RedrawScheduler>(
        std::make_unique<QtSchedulerTimer>(RedrawScheduler::kNormalWait),
        [this] { guarded([this] { DrawTimerTimer(); }); });
    buildWindow();
    connectHandlers();
    guarded([this] { FormCreate(); });
}

TForm1::~TForm1() {
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
// Building the window

void TForm1::buildWindow() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    client->setFixedSize(kClientWidth, kClientHeight);
    setCentralWidget(client);

    PageControl2 = new QTabWidget(client);
    PageControl2->setObjectName(QStringLiteral("PageControl2"));
    PageControl2->setGeometry(0, 0, 161, 417);
    // Three tabs share 161 pixels.
    PageControl2->tabBar()->setStyleSheet(QStringLiteral("QTabBar::tab { padding: 3px 5px; }"));
    PageControl2->tabBar()->setExpanding(false);
    PageControl1 = new QTabWidget(client);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setGeometry(163, 0, 591, 417);

    PageControl1->addTab(buildBasicPage(), QStringLiteral("&Basic"));
    PageControl1->addTab(buildImagesPage(), QStringLiteral("&Images 1 to 9"));
    PageControl1->addTab(buildTextBlockPage(), QStringLiteral("Text B&lock"));
    PageControl1->addTab(buildAboutPage(), QStringLiteral("About"));
    PageControl2->addTab(buildControlPage(), QStringLiteral("C&ontrol"));
    PageControl2->addTab(buildTextPage(), QStringLiteral("&Text"));
    PageControl2->addTab(buildAdvancedPage(), QStringLiteral("A&dvanced"));

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

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(150);

    // Fixed single border: the window is exactly its client area plus the menu.
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

QWidget* TForm1::buildBasicPage() {
    StandardTabSheet = new QWidget;
    StandardTabSheet->setObjectName(QStringLiteral("StandardTabSheet"));
    auto* page = StandardTabSheet;
    auto* layout = new QHBoxLayout(page);
    compact(layout);

    auto* left = new QVBoxLayout;
    left->setSpacing(1);
    Image2 = makeBox(QStringLiteral("Image2"), kPreviewSize, page);
    Image2->clearPicture(clBtnFace);
    setHint(Image2, QStringLiteral("Each tag is displayed while it is the selected image, or if "
                                   "\"Preview Tags\" was selected."));
    TesselSizeLabel = new QLabel(page);
    TesselSizeLabel->setObjectName(QStringLiteral("TesselSizeLabel"));
    setHint(TesselSizeLabel,
            QStringLiteral("This is the size in inches of each tessel, all tessels are the same "
                           "size, even if the images are different sizes"));
    Label3 = new QLabel(page);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setFixedWidth(kPreviewSize);
    left->addWidget(Image2);
    left->addWidget(TesselSizeLabel);
    left->addWidget(Label3);
    left->addStretch(1);
    layout->addLayout(left);

    auto* right = new QVBoxLayout;
    right->setSpacing(1);
    GroupBox1 = makeGroup(QStringLiteral("GroupBox1"),
                          QStringLiteral("Tags Images 1 to 4 (right click to change)"), page);
    auto* mirrors = new QGridLayout(GroupBox1);
    compact(mirrors);
    AImage = makeBox(QStringLiteral("AImage"), kBoxSize, GroupBox1);
    BImage = makeBox(QStringLiteral("BImage"), kBoxSize, GroupBox1);
    cImage = makeBox(QStringLiteral("cImage"), kBoxSize, GroupBox1);
    DImage = makeBox(QStringLiteral("DImage"), kBoxSize, GroupBox1);
    const std::array<PictureBox*, 4> mirrorBoxes{AImage, BImage, cImage, DImage};
    for (int index = 0; index < 4; ++index) {
        PictureBox* mirror = mirrorBoxes[static_cast<std::size_t>(index)];
        setHint(mirror, kMirrorHint.arg(index + 1));
        mirrors->addWidget(mirror, index / 2, index % 2);
    }
    GroupBox1->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    right->addWidget(GroupBox1);

    BorderRadioGroup = makeRadioGroup(QStringLiteral("BorderRadioGroup"),
                                      QStringLiteral("Type of Cut Line for each Tag"),
                                      {QStringLiteral("None"), QStringLiteral("Thin")}, 2, page);
    setHint(BorderRadioGroup, kCutLineHint);

    SelectColorsGroupBox =
        makeGroup(QStringLiteral("SelectColorsGroupBox"), QStringLiteral("Select Colors"), page);
    auto* colours = new QVBoxLayout(SelectColorsGroupBox);
    compact(colours);
    SelectBorderColorButton = makeButton(QStringLiteral("SelectBorderColorButton"),
                                         QStringLiteral("C&ut Line Color"), SelectColorsGroupBox);
    setHint(SelectBorderColorButton,
            QStringLiteral("Selects the color that will be used for the cut line if one is "
                           "selected"));
    SelectBackgoundColorButton =
        makeButton(QStringLiteral("SelectBackgoundColorButton"), QStringLiteral("Backgound Colo&r"),
                   SelectColorsGroupBox);
    setHint(SelectBackgoundColorButton,
            QStringLiteral("Selects a color for the area between the image and the edge of the "
                           "tag, this will normally be white"));
    colours->addWidget(SelectBorderColorButton);
    colours->addWidget(SelectBackgoundColorButton);

    TesselSizeGroupBox =
        makeGroup(QStringLiteral("TesselSizeGroupBox"), QStringLiteral("Tag Size (inches)"), page);
    auto* size = new QVBoxLayout(TesselSizeGroupBox);
    compact(size);
    WidthEdit = makeEdit(QStringLiteral("WidthEdit"), TesselSizeGroupBox);
    WidthUpDown = makeUpDown(QStringLiteral("WidthUpDown"), kTagSizeRange, 200, TesselSizeGroupBox);
    HeightEdit = makeEdit(QStringLiteral("HeightEdit"), TesselSizeGroupBox);
    HeightUpDown =
        makeUpDown(QStringLiteral("HeightUpDown"), kTagSizeRange, 400, TesselSizeGroupBox);
    size->addWidget(fieldRow(QStringLiteral("&Width"), WidthEdit, WidthUpDown, TesselSizeGroupBox));
    size->addWidget(
        fieldRow(QStringLiteral("&Height"), HeightEdit, HeightUpDown, TesselSizeGroupBox));
    auto* settingsRow = new QHBoxLayout;
    settingsRow->setSpacing(2);
    SelectColorsGroupBox->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    TesselSizeGroupBox->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    settingsRow->addWidget(SelectColorsGroupBox);
    settingsRow->addWidget(TesselSizeGroupBox);
    right->addLayout(settingsRow);
    right->addWidget(BorderRadioGroup);

    auto* boxes = new QGridLayout;
    boxes->setSpacing(0);
    NoHoleCheckBox =
        makeCheckBox(QStringLiteral("NoHoleCheckBox"), QStringLiteral("No Hole"), page);
    BlankCheckBox =
        makeCheckBox(QStringLiteral("BlankCheckBox"), QStringLiteral("Blank Sheet"), page);
    FloatingTagCheckBox =
        makeCheckBox(QStringLiteral("FloatingTagCheckBox"), QStringLiteral("Floating Tag"), page);
    FloatingTagCheckBox->setChecked(true);
    // Without the floating window the tag is only seen on "Basic", so the window goes
    // there as it would with the box cleared.
    FloatingTagCheckBox->setEnabled(static_cast<bool>(services_.showFloatingTag));
    AddressLabelsCheckBox = makeCheckBox(QStringLiteral("AddressLabelsCheckBox"),
                                         QStringLiteral("Address Labels"), page);
    setHint(AddressLabelsCheckBox,
            QStringLiteral("If checked, will reset the various size and options to print a "
                           "return address label, with a picture."));
    // The return-address preset comes with the floating tag window; until then the box
    // only shows where it will be.
    AddressLabelsCheckBox->setEnabled(false);
    HelpCheckBox = makeCheckBox(QStringLiteral("HelpCheckBox"), QStringLiteral("Help"), page);
    HelpCheckBox->setChecked(true);
    boxes->addWidget(NoHoleCheckBox, 0, 0);
    boxes->addWidget(BlankCheckBox, 0, 1);
    boxes->addWidget(HelpCheckBox, 0, 2);
    boxes->addWidget(FloatingTagCheckBox, 1, 0);
    boxes->addWidget(AddressLabelsCheckBox, 1, 1, 1, 2);
    right->addLayout(boxes);
    right->addStretch(1);
    layout->addLayout(right);
    return page;
}

QWidget* TForm1::buildImagesPage() {
    Images01to15TabSheet = new QWidget;
    Images01to15TabSheet->setObjectName(QStringLiteral("Images01to15TabSheet"));
    auto* page = Images01to15TabSheet;
    auto* layout = new QHBoxLayout(page);
    compact(layout);

    SlotImagesGroupBox =
        makeGroup(QStringLiteral("SlotImagesGroupBox"),
                  QStringLiteral("Tag Images 1 to 9 (right click to change image)"), page);
    auto* grid = new QGridLayout(SlotImagesGroupBox);
    compact(grid);
    for (int slot = 1; slot <= 9; ++slot) {
        PictureBox* box = makeBox(QStringLiteral("c%1Image").arg(slot, 2, 10, QLatin1Char('0')),
                                  kBoxSize, SlotImagesGroupBox);
        slotBoxes[static_cast<std::size_t>(slot)] = box;
        grid->addWidget(box, (slot - 1) / 3, (slot - 1) % 3);
    }
    layout->addWidget(SlotImagesGroupBox, 0, Qt::AlignTop);

    auto* right = new QVBoxLayout;
    WhichGroupBox = makeGroup(QStringLiteral("WhichGroupBox"),
                              QStringLiteral("Select the image/images to change"), page);
    setHint(WhichGroupBox, kWhichHint);
    auto* which = new QGridLayout(WhichGroupBox);
    compact(which);
    for (int slot = 1; slot <= 9; ++slot) {
        QCheckBox* box = makeCheckBox(QStringLiteral("CheckBox%1").arg(slot),
                                      QStringLiteral(" &%1").arg(slot), WhichGroupBox);
        box->setChecked(true);
        slotCheckBoxes[static_cast<std::size_t>(slot)] = box;
        which->addWidget(box, (slot - 1) / 3, (slot - 1) % 3);
    }
    Button1 =
        makeButton(QStringLiteral("Button1"), QStringLiteral("Select &All Images"), WhichGroupBox);
    Button2 = makeButton(QStringLiteral("Button2"), QStringLiteral("U&nselect 2-9, select 1"),
                         WhichGroupBox);
    which->addWidget(Button1, 3, 0, 1, 3);
    which->addWidget(Button2, 4, 0, 1, 3);
    right->addWidget(WhichGroupBox);

    ImageChangeMemo = new QPlainTextEdit(page);
    ImageChangeMemo->setObjectName(QStringLiteral("ImageChangeMemo"));
    ImageChangeMemo->setReadOnly(true);
    ImageChangeMemo->setFocusPolicy(Qt::NoFocus);
    ImageChangeMemo->setPlainText(QStringLiteral(
        "The checked images are changed by:\n"
        "Corner Text - Corner Text Color\n"
        "Text for Tag - Text for Tag Color\n"
        "Text Block - Text Block Color \n"
        "Background Color - Cut Line Color\n"
        "Image Size \n"
        "Image Offset (Horizontal and Vertical)\n"
        "The text position, font, font size, font styles, tag shape and hole are the same "
        "for all tags."));
    right->addWidget(ImageChangeMemo, 1);
    layout->addLayout(right, 1);

    for (int slot = 1; slot <= 9; ++slot) {
        buildSlotMenu(slot);
    }
    return page;
}

void TForm1::buildSlotMenu(int slot) {
    const auto index = static_cast<std::size_t>(slot);
    const QString two = QStringLiteral("%1").arg(slot, 2, 10, QLatin1Char('0'));
    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("Image%1PopupMenu").arg(two));
    // The names the menu entries have always had, irregular as they are.
    QString openName = QStringLiteral("SelectImage%1Item").arg(two);
    if (slot == 2) {
        openName = QStringLiteral("SelectImage02");
    } else if (slot == 6) {
        openName = QStringLiteral("OpenImage06Item");
    }
    openImageItems[index] = menu->addAction(QStringLiteral("&Open Image..."));
    openImageItems[index]->setObjectName(openName);
    menu->addSeparator();
    showTagItems[index] = menu->addAction(QStringLiteral("&Show Tag"));
    showTagItems[index]->setObjectName(QStringLiteral("ShowImage%1Item").arg(slot));
    if (slot >= 2) {
        menu->addSeparator();
        deleteItems[index] = menu->addAction(QStringLiteral("&Delete Image"));
        deleteItems[index]->setObjectName(QStringLiteral("DeleteImage%1Item").arg(two));
    }
    slotMenus[index] = menu;
}

QWidget* TForm1::buildTextBlockPage() {
    Text2TabSheet = new QWidget;
    Text2TabSheet->setObjectName(QStringLiteral("Text2TabSheet"));
    auto* page = Text2TabSheet;
    auto* layout = new QGridLayout(page);
    compact(layout);

    auto* memoLabel = new QLabel(QStringLiteral("Te&xt Block"), page);
    TextBlockMemo = new QPlainTextEdit(page);
    TextBlockMemo->setObjectName(QStringLiteral("TextBlockMemo"));
    TextBlockMemo->setFixedSize(273, 161);
    TextBlockMemo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    TextBlockMemo->setFont(QFont(QStringLiteral("Liberation Sans"), 8));
    TextBlockMemo->setTabChangesFocus(true);
    memoLabel->setBuddy(TextBlockMemo);
    layout->addWidget(memoLabel, 0, 0);
    layout->addWidget(TextBlockMemo, 1, 0, 3, 1, Qt::AlignTop);

    auto* buttons = new QHBoxLayout;
    TextBlockMemoSelectFontButton = makeButton(QStringLiteral("TextBlockMemoSelectFontButton"),
                                               QStringLiteral("Select &Font"), page);
    Text1MemoSelectColorButton = makeButton(QStringLiteral("Text1MemoSelectColorButton"),
                                            QStringLiteral("Select &Color"), page);
    buttons->addWidget(TextBlockMemoSelectFontButton);
    buttons->addWidget(Text1MemoSelectColorButton);
    buttons->addStretch(1);
    layout->addLayout(buttons, 4, 0);

    Text1RadioGroup = makeRadioGroup(
        QStringLiteral("Text1RadioGroup"), QStringLiteral("Text Alignment"),
        {QStringLiteral("Left"), QStringLiteral("Center"), QStringLiteral("Right")}, 3, page);
    layout->addWidget(Text1RadioGroup, 5, 0);

    auto* position = makeGroup(QStringLiteral("TextBlockPositionGroupBox"),
                               QStringLiteral("Position of Text Block on Tag"), page);
    auto* positionLayout = new QVBoxLayout(position);
    compact(positionLayout);
    TextBlockWidthOffsetEdit = makeEdit(QStringLiteral("TextBlockWidthOffsetEdit"), position);
    TextBlockWidthOffsetUpDown = makeUpDown(QStringLiteral("TextBlockWidthOffsetUpDown"),
                                            kTextBlockOffsetRange, 30, position);
    TextBlockWidthOffsetUpDown->setAssociate(TextBlockWidthOffsetEdit);
    TextBlockHeightOffsetEdit = makeEdit(QStringLiteral("TextBlockHeightOffsetEdit"), position);
    TextBlockHeightOffsetUpDown = makeUpDown(QStringLiteral("TextBlockHeightOffsetUpDown"),
                                             kTextBlockOffsetRange, 90, position);
    TextBlockHeightOffsetUpDown->setAssociate(TextBlockHeightOffsetEdit);
    auto* widthLabel = new QLabel(QStringLiteral("Text Block &Width Offset (%)"), position);
    widthLabel->setBuddy(TextBlockWidthOffsetEdit);
    auto* heightLabel = new QLabel(QStringLiteral("Text Block &Height Offset (%)"), position);
    heightLabel->setBuddy(TextBlockHeightOffsetEdit);
    positionLayout->addWidget(widthLabel);
    positionLayout->addWidget(
        fieldRow(QString(), TextBlockWidthOffsetEdit, TextBlockWidthOffsetUpDown, position));
    positionLayout->addWidget(heightLabel);
    positionLayout->addWidget(
        fieldRow(QString(), TextBlockHeightOffsetEdit, TextBlockHeightOffsetUpDown, position));
    TextBlockPositionRadioGroup = makeRadioGroup(
        QStringLiteral("TextBlockPositionRadioGroup"), QStringLiteral("Pick Position from Image"),
        {QStringLiteral("At current position"), QStringLiteral("Click at position")}, 1, position);
    TextBlockPositionRadioGroup->setItemIndex(0);
    setHint(TextBlockPositionRadioGroup,
            QStringLiteral("Select \"Click at Position\" to move the \"Text Block\" to different "
                           "locations on the tag."));
    // Placing the block by a click on the preview comes with colour picking; until then
    // only the current position is offered.
    TextBlockPositionRadioGroup->button(1)->setEnabled(false);
    positionLayout->addWidget(TextBlockPositionRadioGroup);
    layout->addWidget(position, 1, 1, 5, 1, Qt::AlignTop);
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(6, 1);
    return page;
}

QWidget* TForm1::buildAboutPage() {
    AboutTabSheet = new QWidget;
    AboutTabSheet->setObjectName(QStringLiteral("AboutTabSheet"));
    auto* page = AboutTabSheet;
    auto* layout = new QHBoxLayout(page);
    compact(layout);
    AboutSampleImage = makeBox(QStringLiteral("AboutSampleImage"), kPreviewSize, page);
    AboutSampleImage->clearPicture(clBtnFace);
    layout->addWidget(AboutSampleImage, 0, Qt::AlignTop);

    auto* right = new QVBoxLayout;
    AboutMemo = new QPlainTextEdit(page);
    AboutMemo->setObjectName(QStringLiteral("AboutMemo"));
    AboutMemo->setReadOnly(true);
    AboutMemo->setFocusPolicy(Qt::NoFocus);
    AboutMemo->setLineWrapMode(QPlainTextEdit::NoWrap);
    AboutMemo->setPlainText(QStringLiteral("Veltmoor Tags Print\n"
                                           "\n"
                                           "Click Continue, and then select the image to \n"
                                           "use for the first tag, then as the size of the \n"
                                           "tags, colors, and text are selected and added \n"
                                           "it will be displayed.  If a you desire to use more \n"
                                           "than 4 images, click the tab \"Images 1 to 9\" \n"
                                           "and select each Tag box.  To delete an image \n"
                                           "so it is not used, right click and select Delete.\n"
                                           "\n"
                                           "Any .bmp, .jpg or .jpeg picture can be used."));
    right->addWidget(AboutMemo, 1);
    ContinueButton =
        makeButton(QStringLiteral("ContinueButton"), QStringLiteral("&Continue"), page);
    setHint(ContinueButton,
            QStringLiteral("Click to continue program, when clicked the program will present a "
                           "file selections window for the image to use for \"Tag 1\".  Any "
                           ".bmp, .jpg, .jpeg file maybe used for a tag image.  The sheet usually "
                           "looks best if all the images are about the same shape."));
    ExitAboutButton = makeButton(QStringLiteral("ExitAboutButton"), QStringLiteral("E&xit"), page);
    setHint(ExitAboutButton, QStringLiteral("End Program"));
    ContinueButton->setEnabled(false);
    ExitAboutButton->setEnabled(false);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ContinueButton);
    buttons->addWidget(ExitAboutButton);
    right->addLayout(buttons);
    layout->addLayout(right, 1);
    return page;
}

QWidget* TForm1::buildControlPage() {
    PrintControlTabSheet = new QWidget;
    PrintControlTabSheet->setObjectName(QStringLiteral("PrintControlTabSheet"));
    auto* page = PrintControlTabSheet;
    auto* layout = new QVBoxLayout(page);
    compact(layout);
    TypeOfPageRadioGroup = makeRadioGroup(
        QStringLiteral("TypeOfPageRadioGroup"), QStringLiteral("Tags Shape"),
        {QStringLiteral("Standard"), QStringLiteral("Rectangle"), QStringLiteral("Rounded Corners"),
         QStringLiteral("Southwestern"), QStringLiteral("Tapered"), QStringLiteral("Curved Ends"),
         QStringLiteral("Oval/Circle"), QStringLiteral("Bow Tie "), QStringLiteral("Scalloped"),
         QStringLiteral("Triangle"), QStringLiteral("Keyhole"), QStringLiteral("Fan-Tapered"),
         QStringLiteral("Fan-Keyhole"), QStringLiteral("Fan-Curved End"), QStringLiteral("Ticket")},
        1, page);
    TypeOfPageRadioGroup->setItemIndex(kShapeStandard);
    setHint(TypeOfPageRadioGroup, kShapeHint);
    layout->addWidget(TypeOfPageRadioGroup);

    Label2 = new QLabel(QStringLiteral("Co&pies"), page);
    Label2->setObjectName(QStringLiteral("Label2"));
    CopiesEdit = makeEdit(QStringLiteral("CopiesEdit"), page, 30);
    CopiesEdit->setReadOnly(true);
    CopiesUpDown = makeUpDown(QStringLiteral("CopiesUpDown"), kCopiesRange, 1, page);
    CopiesUpDown->setAssociate(CopiesEdit);
    Label2->setBuddy(CopiesEdit);
    for (QWidget* widget : {static_cast<QWidget*>(Label2), static_cast<QWidget*>(CopiesEdit),
                            static_cast<QWidget*>(CopiesUpDown)}) {
        setHint(widget, kCopiesHint);
    }
    auto* copies = new QHBoxLayout;
    copies->addWidget(Label2);
    copies->addWidget(CopiesEdit);
    copies->addWidget(CopiesUpDown);
    copies->addStretch(1);
    layout->addLayout(copies);

    PrinterSetupButton =
        makeButton(QStringLiteral("PrinterSetupButton"), QStringLiteral("Printer &Setup"), page);
    setHint(PrinterSetupButton, QStringLiteral("Select printer, and paper size"));
    PreviewButton =
        makeButton(QStringLiteral("PreviewButton"), QStringLiteral("Pre&view Sheet"), page);
    setHint(PreviewButton, QStringLiteral("Shows how the sheet will look when printed"));
    PrintButton = makeButton(QStringLiteral("PrintButton"), QStringLiteral("P&rint Page"), page);
    setHint(PrintButton, QStringLiteral("Will print the sheet of tags to the selected printer"));
    PreviewTesselButton =
        makeButton(QStringLiteral("PreviewTesselButton"), QStringLiteral("Preview &Tags"), page);
    setHint(PreviewTesselButton,
            QStringLiteral("Will display the tag for each image selected, this allows one to "
                           "reveiw the options selected to see that they work with all images."));
    // Printing and the sheet commands come with the sheet output; until they do, the
    // buttons stay disabled rather than pretend.
    for (QPushButton* button :
         {PrinterSetupButton, PreviewButton, PrintButton, PreviewTesselButton}) {
        button->setEnabled(false);
        layout->addWidget(button);
    }
    layout->addStretch(1);
    return page;
}

QWidget* TForm1::buildTextPage() {
    TextTabSheet = new QWidget;
    TextTabSheet->setObjectName(QStringLiteral("TextTabSheet"));
    auto* page = TextTabSheet;
    auto* layout = new QVBoxLayout(page);
    compact(layout);

    auto* corner = makeGroup(QStringLiteral("ValueGroupBox"), QStringLiteral("Corner Text "), page);
    auto* cornerLayout = new QGridLayout(corner);
    compact(cornerLayout);
    ValueEdit = new QLineEdit(corner);
    ValueEdit->setObjectName(QStringLiteral("ValueEdit"));
    setHint(ValueEdit, QStringLiteral("This text will print in the selected corner,  may be any "
                                      "text, example \"Aug 17, 2002\".  Enter spaces before or "
                                      "after as needed to place in the tag."));
    FontButton = makeButton(QStringLiteral("FontButton"), QStringLiteral("Select &Font"), corner);
    setHint(FontButton, QStringLiteral("Select the font and size to use for the text"));
    SelectValueColorButton = makeButton(QStringLiteral("SelectValueColorButton"),
                                        QStringLiteral("Select &Color"), corner);
    setHint(SelectValueColorButton, QStringLiteral("Select the color to use for the text."));
    ValueRadioGroup = makeRadioGroup(
        QStringLiteral("ValueRadioGroup"), QStringLiteral("Corner to Place Value"),
        {QStringLiteral("UL"), QStringLiteral("LL"), QStringLiteral("UR"), QStringLiteral("LR")}, 2,
        corner);
    ValueRadioGroup->setItemIndex(kCornerUR);
    setHint(ValueRadioGroup, QStringLiteral("Selects the corner to place the text"));
    cornerLayout->addWidget(ValueEdit, 0, 0, 1, 2);
    cornerLayout->addWidget(FontButton, 1, 0);
    cornerLayout->addWidget(SelectValueColorButton, 1, 1);
    cornerLayout->addWidget(ValueRadioGroup, 2, 0, 1, 2);
    layout->addWidget(corner);

    auto* edge = makeGroup(QStringLiteral("TextGroupBox"), QStringLiteral("Text for Tag"), page);
    auto* edgeLayout = new QGridLayout(edge);
    compact(edgeLayout);
    TextEdit = new QLineEdit(edge);
    TextEdit->setObjectName(QStringLiteral("TextEdit"));
    setHint(TextEdit, QStringLiteral("The text will be placed on the selected edge, centered if "
                                     "the corner text is not on the same edge, and aligned to the "
                                     "corner text if it is on the same edge."));
    TextSelectButton =
        makeButton(QStringLiteral("TextSelectButton"), QStringLiteral("Select F&ont"), edge);
    setHint(TextSelectButton, QStringLiteral("Selects font and size for the text."));
    SelectTextColorButton =
        makeButton(QStringLiteral("SelectTextColorButton"), QStringLiteral("Select Co&lor"), edge);
    setHint(SelectTextColorButton, QStringLiteral("Selects the color for the text."));
    EdgeRadioGroup =
        makeRadioGroup(QStringLiteral("EdgeRadioGroup"), QStringLiteral("Edge to Place Text"),
                       {QStringLiteral("Top"), QStringLiteral("Bottom"), QStringLiteral("Left"),
                        QStringLiteral("Right")},
                       2, edge);
    EdgeRadioGroup->setItemIndex(kEdgeRight);
    setHint(EdgeRadioGroup,
            QStringLiteral("Will place the text at the top, bottom, or vertical on the left or "
                           "right side.  Aligns to the corner text if on same edge."));
    edgeLayout->addWidget(TextEdit, 0, 0, 1, 2);
    edgeLayout->addWidget(TextSelectButton, 1, 0);
    edgeLayout->addWidget(SelectTextColorButton, 1, 1);
    edgeLayout->addWidget(EdgeRadioGroup, 2, 0, 1, 2);
    layout->addWidget(edge);
    layout->addStretch(1);
    return page;
}

QWidget* TForm1::buildAdvancedPage() {
    AdvancedTabSheet = new QWidget;
    AdvancedTabSheet->setObjectName(QStringLiteral("AdvancedTabSheet"));
    auto* page = AdvancedTabSheet;
    auto* layout = new QVBoxLayout(page);
    compact(layout);

    HoleSizePlaceGroupBox = makeGroup(QStringLiteral("HoleSizePlaceGroupBox"),
                                      QStringLiteral("Hole Size/Placement"), page);
    auto* hole = new QVBoxLayout(HoleSizePlaceGroupBox);
    compact(hole);
    QWidget* box = HoleSizePlaceGroupBox;
    HoleWidthEdit = makeEdit(QStringLiteral("HoleWidthEdit"), box);
    HoleWidthUpDown = makeUpDown(QStringLiteral("HoleWidthUpDown"), kHoleSizeRange, 12, box);
    HoleHeightEdit = makeEdit(QStringLiteral("HoleHeightEdit"), box);
    // The hole height is set with its arrows only; typed text would not be read.
    HoleHeightEdit->setReadOnly(true);
    HoleHeightUpDown = makeUpDown(QStringLiteral("HoleHeightUpDown"), kHoleSizeRange, 12, box);
    HoleWidthOffsetEdit = makeEdit(QStringLiteral("HoleWidthOffsetEdit"), box);
    HoleWidthOffsetUpDown =
        makeUpDown(QStringLiteral("HoleWidthOffsetUpDown"), kHoleWidthOffsetRange, 50, box);
    HoleWidthOffsetUpDown->setAssociate(HoleWidthOffsetEdit);
    HoleHeightOffsetEdit = makeEdit(QStringLiteral("HoleHeightOffsetEdit"), box);
    HoleHeightOffsetUpDown =
        makeUpDown(QStringLiteral("HoleHeightOffsetUpDown"), kHoleHeightOffsetRange, 6, box);
    HoleHeightOffsetUpDown->setAssociate(HoleHeightOffsetEdit);
    hole->addWidget(fieldRow(QStringLiteral("&Width"), HoleWidthEdit, HoleWidthUpDown, box));
    hole->addWidget(fieldRow(QStringLiteral("&Height"), HoleHeightEdit, HoleHeightUpDown, box));
    hole->addWidget(fieldRow(QStringLiteral("Width &Offset %"), HoleWidthOffsetEdit,
                             HoleWidthOffsetUpDown, box));
    hole->addWidget(fieldRow(QStringLiteral("Height O&ffset %"), HoleHeightOffsetEdit,
                             HoleHeightOffsetUpDown, box));
    layout->addWidget(HoleSizePlaceGroupBox);

    ImageSizeGroupBox = makeGroup(QStringLiteral("ImageSizeGroupBox"),
                                  QStringLiteral("Image Size (% of Orginal)"), page);
    auto* imageSize = new QVBoxLayout(ImageSizeGroupBox);
    compact(imageSize);
    ImageSizeEdit = makeEdit(QStringLiteral("ImageSizeEdit"), ImageSizeGroupBox);
    ImageSizeUpDown =
        makeUpDown(QStringLiteral("ImageSizeUpDown"), kImageSizeRange, 100, ImageSizeGroupBox);
    ImageSizeUpDown->setAssociate(ImageSizeEdit);
    imageSize->addWidget(
        fieldRow(QStringLiteral("Si&ze"), ImageSizeEdit, ImageSizeUpDown, ImageSizeGroupBox));
    layout->addWidget(ImageSizeGroupBox);

    ImageVertOffsetGroupBox = makeGroup(QStringLiteral("ImageVertOffsetGroupBox"),
                                        QStringLiteral("Image Offset (%)"), page);
    auto* offsets = new QVBoxLayout(ImageVertOffsetGroupBox);
    compact(offsets);
    box = ImageVertOffsetGroupBox;
    ImageHorizontalOffsetEdit = makeEdit(QStringLiteral("ImageHorizontalOffsetEdit"), box);
    ImageHorizontalOffsetUpDown =
        makeUpDown(QStringLiteral("ImageHorizontalOffsetUpDown"), kImageOffsetRange, 50, box);
    ImageHorizontalOffsetUpDown->setAssociate(ImageHorizontalOffsetEdit);
    ImageVerticalOffsetEdit = makeEdit(QStringLiteral("ImageVerticalOffsetEdit"), box);
    ImageVerticalOffsetUpDown =
        makeUpDown(QStringLiteral("ImageVerticalOffsetUpDown"), kImageOffsetRange, 50, box);
    ImageVerticalOffsetUpDown->setAssociate(ImageVerticalOffsetEdit);
    offsets->addWidget(fieldRow(QStringLiteral("Hori&zontal"), ImageHorizontalOffsetEdit,
                                ImageHorizontalOffsetUpDown, box));
    offsets->addWidget(fieldRow(QStringLiteral("&Vertical"), ImageVerticalOffsetEdit,
                                ImageVerticalOffsetUpDown, box));
    layout->addWidget(ImageVertOffsetGroupBox);

    // Only carried in design files; never shown.
    auto* adjustLabel = new QLabel(QStringLiteral("Print Image Adjust"), page);
    adjustLabel->setObjectName(QStringLiteral("PrintImageAdjustLabel"));
    adjustLabel->hide();
    PrintImageAdjustEdit = makeEdit(QStringLiteral("PrintImageAdjustEdit"), page);
    PrintImageAdjustUpDown =
        makeUpDown(QStringLiteral("PrintImageAdjustUpDown"), kPrintImageAdjustRange, 0, page);
    PrintImageAdjustUpDown->setAssociate(PrintImageAdjustEdit);
    PrintImageAdjustEdit->hide();
    PrintImageAdjustUpDown->hide();
    layout->addStretch(1);
    return page;
}

void TForm1::buildMenus() {
    FileMenu = menuBar()->addMenu(QStringLiteral("&File"));
    FileMenu->setObjectName(QStringLiteral("FileMenu"));
    ExitItem = FileMenu->addAction(QStringLiteral("E&xit"));
    ExitItem->setObjectName(QStringLiteral("ExitItem"));
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
// Wiring

void TForm1::guarded(const std::function<void()>& handler) {
    runGuarded(prompts_, handler);
}

template <class Sender, class Signal, class Handler>
void TForm1::on(Sender* sender, Signal signal, Handler handler) {
    connect(sender, signal, this, [this, handler](auto&&...) {
        if (!syncing_) {
            guarded(handler);
        }
    });
}

void TForm1::connectHandlers() {
    on(Timer1, &QTimer::timeout, [this] { Timer1Timer(); });
    on(PageControl1, &QTabWidget::currentChanged, [this] { PageControl1Change(); });
    on(PageControl2, &QTabWidget::currentChanged, [this] { PageControl2Change(); });
    on(ContinueButton, &QPushButton::clicked, [this] { ContinueButtonClick(); });
    on(ExitAboutButton, &QPushButton::clicked, [this] { close(); });
    on(ExitItem, &QAction::triggered, [this] { close(); });
    on(MinimizeMenu, &QAction::triggered, [this] { MinimizeMenuClick(); });

    // Shape, cut line, check boxes.
    on(TypeOfPageRadioGroup, &RadioGroup::clicked, [this] { TypeOfPageRadioGroupClick(); });
    on(BorderRadioGroup, &RadioGroup::clicked, [this] { BorderRadioGroupClick(); });
    on(NoHoleCheckBox, &QCheckBox::toggled,
       [this] { follow(design_.setNoHole(NoHoleCheckBox->isChecked())); });
    on(BlankCheckBox, &QCheckBox::toggled,
       [this] { follow(design_.setBlankSheet(BlankCheckBox->isChecked())); });
    on(FloatingTagCheckBox, &QCheckBox::toggled,
       [this] { design_.setFloatingTag(FloatingTagCheckBox->isChecked()); });
    for (int slot = 1; slot <= 9; ++slot) {
        QCheckBox* box = slotCheckBoxes[static_cast<std::size_t>(slot)];
        on(box, &QCheckBox::toggled,
           [this, slot, box] { design_.setSlotChecked(slot, box->isChecked()); });
    }
    on(Button1, &QPushButton::clicked, [this] {
        for (int slot = 1; slot <= 9; ++slot) {
            slotCheckBoxes[static_cast<std::size_t>(slot)]->setChecked(true);
        }
    });
    on(Button2, &QPushButton::clicked, [this] {
        for (int slot = 1; slot <= 9; ++slot) {
            slotCheckBoxes[static_cast<std::size_t>(slot)]->setChecked(slot == 1);
        }
    });
    on(CopiesUpDown, &UpDown::clicked,
       [this] { design_.CopiesUpDownPosition = CopiesUpDown->position(); });

    // Tag size and hole size: the edits are read on every key release.
    for (QLineEdit* edit : {WidthEdit, HeightEdit, HoleWidthEdit}) {
        edit->installEventFilter(this);
    }
    on(WidthUpDown, &UpDown::clicked, [this] {
        follow(design_.WidthUpDownClick(WidthUpDown->position()));
        showSizeTexts();
    });
    on(HeightUpDown, &UpDown::clicked, [this] {
        follow(design_.HeightUpDownClick(HeightUpDown->position()));
        showSizeTexts();
    });
    on(HoleWidthUpDown, &UpDown::clicked, [this] {
        follow(design_.HoleWidthUpDownClick(HoleWidthUpDown->position()));
        showHoleSizeTexts();
    });
    on(HoleHeightUpDown, &UpDown::clicked, [this] {
        follow(design_.HoleHeightUpDownClick(HoleHeightUpDown->position()));
        showHoleSizeTexts();
    });

    // Percent pairs.
    const std::array<std::tuple<PercentField, QLineEdit*, UpDown*>, 7> pairs{{
        {PercentField::HoleWidthOffset, HoleWidthOffsetEdit, HoleWidthOffsetUpDown},
        {PercentField::HoleHeightOffset, HoleHeightOffsetEdit, HoleHeightOffsetUpDown},
        {PercentField::ImageSize, ImageSizeEdit, ImageSizeUpDown},
        {PercentField::ImageHorizontalOffset, ImageHorizontalOffsetEdit,
         ImageHorizontalOffsetUpDown},
        {PercentField::ImageVerticalOffset, ImageVerticalOffsetEdit, ImageVerticalOffsetUpDown},
        {PercentField::TextBlockWidthOffset, TextBlockWidthOffsetEdit, TextBlockWidthOffsetUpDown},
        {PercentField::TextBlockHeightOffset, TextBlockHeightOffsetEdit,
         TextBlockHeightOffsetUpDown},
    }};
    for (const auto& [field, edit, upDown] : pairs) {
        on(edit, &QLineEdit::textChanged, [this, field = field, edit = edit, upDown = upDown] {
            percentEditChange(field, edit, upDown);
        });
        on(upDown, &UpDown::clicked,
           [this, field = field, upDown = upDown] { percentUpDownClick(field, upDown); });
    }

    // Texts.
    on(ValueEdit, &QLineEdit::textChanged,
       [this] { follow(design_.ValueEditChange(ValueEdit->text())); });
    on(TextEdit, &QLineEdit::textChanged,
       [this] { follow(design_.TextEditChange(TextEdit->text())); });
    on(TextBlockMemo, &QPlainTextEdit::textChanged, [this] { TextBlockMemoChange(); });
    TextBlockMemo->installEventFilter(this);
    on(ValueRadioGroup, &RadioGroup::clicked, [this] {
        design_.settings.valuePlace = ValueRadioGroup->itemIndex();
        DrawTag(design_.CurrentSlot);
    });
    on(EdgeRadioGroup, &RadioGroup::clicked, [this] {
        design_.settings.edgePlace = EdgeRadioGroup->itemIndex();
        DrawTag(design_.CurrentSlot);
    });
    // A new alignment shows at the next redraw; choosing it asks for none.
    on(Text1RadioGroup, &RadioGroup::clicked,
       [this] { design_.settings.textBlockAlignment = Text1RadioGroup->itemIndex(); });
    on(TextBlockPositionRadioGroup, &RadioGroup::clicked,
       [this] { TextBlockPositionRadioGroupClick(); });
    on(FontButton, &QPushButton::clicked, [this] { chooseFont(design_.settings.valueFont); });
    on(TextSelectButton, &QPushButton::clicked, [this] { chooseFont(design_.settings.textFont); });
    on(TextBlockMemoSelectFontButton, &QPushButton::clicked,
       [this] { chooseFont(design_.settings.textBlockFont); });

    // Colours.
    on(SelectBorderColorButton, &QPushButton::clicked, [this] { SelectBorderColorButtonClick(); });
    on(SelectBackgoundColorButton, &QPushButton::clicked,
       [this] { SelectBackgoundColorButtonClick(); });
    on(SelectValueColorButton, &QPushButton::clicked,
       [this] { SelectTextColorChoice(ValueColorDialogColor_, &TagDesign::SetValueColor); });
    on(SelectTextColorButton, &QPushButton::clicked,
       [this] { SelectTextColorChoice(TextColorDialogColor_, &TagDesign::SetTextColor); });
    on(Text1MemoSelectColorButton, &QPushButton::clicked, [this] {
        SelectTextColorChoice(TextBlockColorDialogColor_, &TagDesign::SetTextBlockColor);
    });

    // Picture boxes, their mirrors and their menus.
    for (int slot = 1; slot <= 9; ++slot) {
        const auto index = static_cast<std::size_t>(slot);
        std::vector<PictureBox*> views{slotBoxes[index]};
        if (PictureBox* mirror = mirrorOf(slot)) {
            views.push_back(mirror);
        }
        for (PictureBox* view : views) {
            view->setFocusPolicy(Qt::StrongFocus);
            on(view, &PictureBox::mouseMoved, [this, slot] { SlotImageMouseMove(slot); });
            on(view, &PictureBox::clicked, [this, slot] { SlotImageClick(slot); });
            connect(view, &PictureBox::rightClicked, this, [this, slot](QPoint where) {
                guarded([this, slot] { ImagePopupMenuPopup(slot); });
                slotMenus[static_cast<std::size_t>(slot)]->popup(where);
            });
        }
        on(openImageItems[index], &QAction::triggered, [this, slot] { OpenImageItemClick(slot); });
        on(showTagItems[index], &QAction::triggered, [this] { ShowImage1ItemClick(); });
        if (deleteItems[index] != nullptr) {
            on(deleteItems[index], &QAction::triggered,
               [this, slot] { DeleteImageItemClick(slot); });
        }
    }
}

// ---------------------------------------------------------------------------------------
// Start, the welcome page, closing

void TForm1::FormCreate() {
    hintTracker_ =
        std::make_unique<HintTracker>([this](const QString& hint) { DisplayHint(hint); });
    qApp->installEventFilter(hintTracker_.get());
    design_.Printing = false;
    design_.pageGrid.SheetMarginX = 0;
    design_.pageGrid.SheetMarginY = 0;
    ensureWorkingFolder();
    for (int slot = 0; slot <= kLastInitialisedSlot; ++slot) {
        design_.Slots[static_cast<std::size_t>(slot)] = img{};
    }
    LastTagBitmap_ = Bitmap();
    design_.TagWidthDots = 350;
    design_.TagHeightDots = 350;
    printerMetrics_ = services_.readPrinterMetrics ? services_.readPrinterMetrics()
                                                   : builtInPdfPrinterMetricsForSystemLocale();
    design_.Activated = false;
    // The text fields start empty, and so do the checked slots' texts.
    design_.TextBlockMemoText.clear();
    design_.TextBlockMemoExit();
    design_.ValueEditChange(QString());
    design_.TextEditChange(QString());
    Timer1->start();
}

void TForm1::FormActivate() {
    if (design_.Activated) {
        return;
    }
    const TagDesign working = TagDesign::atFirstActivation();
    design_ = working;
    BorderRadioGroup->setItemIndex(kCutLineThin);

    {
        const QSignalBlocker blockOne(PageControl1);
        const QSignalBlocker blockTwo(PageControl2);
        for (QWidget* page : {StandardTabSheet, Images01to15TabSheet, Text2TabSheet}) {
            setPageVisible(PageControl1, page, false);
        }
        for (QWidget* page : {PrintControlTabSheet, TextTabSheet, AdvancedTabSheet}) {
            setPageVisible(PageControl2, page, false);
        }
        PageControl2->hide();
        setActivePage(PageControl1, AboutTabSheet);
    }
    FileMenu->menuAction()->setEnabled(false);
    MinimizeMenu->setEnabled(false);

    MakeSlotPlaceholders(0, kLastInitialisedSlot, QStringLiteral("Tag"), 0);
    setSheetCommandsEnabled(false);
    for (int slot = 1; slot <= 9; ++slot) {
        showSlotThumbnail(slot);
        setHint(slotBoxes[static_cast<std::size_t>(slot)],
                SlotHints_[static_cast<std::size_t>(slot)]);
    }

    // The sample is composed small and with small fonts; the working values come back.
    design_.CurrentSlot = kAboutSlot;
    design_.settings.valueFont.sizePoints = 14;
    design_.settings.textFont.sizePoints = 8;
    design_.settings.textBlockFont.sizePoints = 5;
    design_.TagWidthDots = 350;
    design_.TagHeightDots = 350;
    design_.TagRect = Rect{0, 0, 350, 350};
    DrawTagReal();
    QFont sloganFont = AboutSampleImage->font();
    sloganFont.setPointSize(10);
    sloganFont.setBold(true);
    AboutSampleImage->setOverlayText(kSlogan, sloganFont, 310);
    DrawTimer_->cancel();
    design_.settings.textBlockFont.sizePoints = working.settings.textBlockFont.sizePoints;
    design_.settings.valueFont.sizePoints = working.settings.valueFont.sizePoints;
    design_.settings.textFont.sizePoints = working.settings.textFont.sizePoints;
    design_.TagWidthDots = working.TagWidthDots;
    design_.TagHeightDots = working.TagHeightDots;
    design_.TagRect = working.TagRect;
    showDesignInControls();

    ContinueButton->setEnabled(true);
    ExitAboutButton->setEnabled(true);
    ContinueButton->setFocus();
}

void TForm1::ContinueButtonClick() {
    advanceHelp(kHelpContinue, kHelpSelectImage);
    {
        const QSignalBlocker blockOne(PageControl1);
        const QSignalBlocker blockTwo(PageControl2);
        PageControl2->show();
        setPageVisible(PageControl2, PrintControlTabSheet, true);
        for (QWidget* page : {StandardTabSheet, Images01to15TabSheet, Text2TabSheet}) {
            setPageVisible(PageControl1, page, true);
        }
        setActivePage(PageControl1, StandardTabSheet);
        setPageVisible(PageControl1, AboutTabSheet, false);
    }
    FileMenu->menuAction()->setEnabled(true);
    MinimizeMenu->setEnabled(true);
    TypeOfPageRadioGroupClick();
    SlotImageClick(1);
    if (services_.showFloatingTag) {
        services_.showFloatingTag();
    }
    setActivePage(PageControl1, StandardTabSheet);
}

void TForm1::MinimizeMenuClick() {
    showMinimized();
}

bool TForm1::FormCloseQuery() {
    // Without a way to save there is nothing to offer; asking would promise a save that
    // cannot happen.
    if (services_.saveDesign &&
        prompts_.askYesNo(
            QStringLiteral("Do you want to save the definition for the current sheet of tags?"),
            QStringLiteral("Save?"))) {
        services_.saveDesign();
    }
    return prompts_.askYesNo(QStringLiteral("Are you sure you want to end program?"),
                             QStringLiteral("End Program?"));
}

void TForm1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!design_.Activated) {
        // Against the right edge of the screen, as the window has always opened.
        if (const QScreen* screen = this->screen()) {
            const QRect available = screen->availableGeometry();
            move(available.right() - frameGeometry().width(), y());
        }
        guarded([this] { FormActivate(); });
    }
}

bool TForm1::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate && !design_.Activated) {
        guarded([this] { FormActivate(); });
    }
    return QMainWindow::event(event);
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
    event->accept();
}

// ---------------------------------------------------------------------------------------
// Redraws

void TForm1::DrawTag(int slot) {
    design_.CurrentSlot = slot;
    DrawTimer_->request();
}

void TForm1::DrawTimerTimer() {
    statusPanels[2]->setText(
        QStringLiteral("%1-%2").arg(design_.CurrentSlot).arg(DrawTimer_->interval()));
    DrawTagReal();
}

void TForm1::DrawTagReal() {
    const int slot = design_.CurrentSlot;
    if (slot < 0 || slot > kLastInitialisedSlot) {
        return;
    }
    if (slot != kAboutSlot &&
        !QFileInfo::exists(design_.Slots[static_cast<std::size_t>(slot)].FileName)) {
        return;
    }
    const BusyCursor busy;
    const ComposedTag composed =
        composeCurrentSlot(design_, printerMetrics_.pageMetrics(), pictures_);
    if (!composed.composed) {
        return;
    }
    ++compositionCount_;
    Label3->setText(composed.fileLabel);
    showSizeTexts();
    TesselSizeLabel->setText(composed.sizeLabel);
    const QRect preview(composed.PreviewRect.left, composed.PreviewRect.top,
                        composed.PreviewRect.width(), composed.PreviewRect.height());
    const QImage tag = composed.tag.toQImage();
    if (slot == kAboutSlot) {
        AboutSampleImage->showPicture(tag, preview, clBtnFace);
    }
    LastTagBitmap_ = composed.tag;
    if (design_.renderMode != RenderMode::Preview) {
        Image2->showPicture(tag, preview, clBtnFace);
    }
    if (services_.updateFloatingTag) {
        services_.updateFloatingTag(LastTagBitmap_);
    }
    // The composition shows the slot's text block in the memo.
    setTextBlockMemoText(design_.Slots[static_cast<std::size_t>(slot)].TextBlockText);
}

void TForm1::follow(Redraw redraw) {
    switch (redraw) {
    case Redraw::None:
        break;
    case Redraw::Scheduled:
        DrawTag(design_.CurrentSlot);
        break;
    case Redraw::Now:
        DrawTagReal();
        break;
    }
}

void TForm1::Timer1Timer() {
    statusPanels[2]->setText(
        QStringLiteral("%1-%2").arg(design_.CurrentSlot).arg(DrawTimer_->interval()));
    if (!HelpCheckBox->isChecked()) {
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
    if (page == StandardTabSheet) {
        DrawTag(design_.CurrentSlot);
        if (currentHelpItem() == kHelpBasicTab) {
            advanceHelp(kHelpBasicTab, kHelpCutLine);
        }
    } else if (page == Text2TabSheet) {
        setActivePage(PageControl2, TextTabSheet);
        advanceHelp(kHelpTextBlockTab, kHelpChangeText);
    }
}

void TForm1::PageControl2Change() {
    if (!floatingTagShowsTheTag()) {
        setActivePage(PageControl1, StandardTabSheet);
    }
    TextBlockPositionRadioGroup->setItemIndex(0);
    QWidget* page = PageControl2->currentWidget();
    if (page == AdvancedTabSheet && currentHelpItem() == kHelpAdvancedTab) {
        advanceHelp(kHelpAdvancedTab, kHelpTryOptions);
    } else if (page == PrintControlTabSheet && currentHelpItem() == kHelpControlTab) {
        advanceHelp(kHelpControlTab, kHelpPrinterSetup);
    }
}

// ---------------------------------------------------------------------------------------
// Shape, cut line, colours, fonts

void TForm1::TypeOfPageRadioGroupClick() {
    {
        const QSignalBlocker blockOne(PageControl1);
        const QSignalBlocker blockTwo(PageControl2);
        setPageVisible(PageControl2, TextTabSheet, true);
        setPageVisible(PageControl2, AdvancedTabSheet, true);
        for (QWidget* page : {StandardTabSheet, Text2TabSheet, Images01to15TabSheet}) {
            setPageVisible(PageControl1, page, true);
        }
    }
    GroupBox1->show();
    for (PictureBox* mirror : {BImage, cImage, DImage}) {
        mirror->show();
    }
    if (!floatingTagShowsTheTag()) {
        setActivePage(PageControl1, StandardTabSheet);
    }
    design_.settings.shapeIndex = TypeOfPageRadioGroup->itemIndex();
    const Redraw redraw = design_.TypeOfPageRadioGroupClick();
    showDesignInControls();
    follow(redraw);
}

void TForm1::BorderRadioGroupClick() {
    if (services_.readPrinterMetrics) {
        printerMetrics_ = services_.readPrinterMetrics();
    }
    follow(design_.setCutLineType(BorderRadioGroup->itemIndex()));
    advanceHelp(kHelpCutLine, kHelpColors);
}

void TForm1::SelectBorderColorButtonClick() {
    if (const auto colour = prompts_.chooseColor(design_.CutLineColorChoice)) {
        design_.SetBorderColors(*colour);
        DrawTag(design_.CurrentSlot);
    }
}

void TForm1::SelectBackgoundColorButtonClick() {
    if (const auto colour = prompts_.chooseColor(design_.BackgroundColorChoice)) {
        design_.SetBgColors(*colour);
        DrawTag(design_.CurrentSlot);
    }
}

void TForm1::SelectTextColorChoice(TColor& choice, void (TagDesign::*setter)(TColor)) {
    if (const auto colour = prompts_.chooseColor(choice)) {
        choice = *colour;
        // The setter puts the colour into the font as well as into the checked slots.
        (design_.*setter)(*colour);
        DrawTag(design_.CurrentSlot);
    }
}

void TForm1::chooseFont(Font& font) {
    if (const auto chosen = prompts_.chooseFont(font)) {
        font = *chosen;
        DrawTag(design_.CurrentSlot);
    }
}

// ---------------------------------------------------------------------------------------
// Numeric fields

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyRelease && !syncing_) {
        if (watched == WidthEdit || watched == HeightEdit || watched == HoleWidthEdit) {
            auto* edit = static_cast<QLineEdit*>(watched);
            guarded([this, edit] { sizeEditKeyUp(edit); });
        }
    } else if (watched == TextBlockMemo && event->type() == QEvent::FocusIn) {
        guarded([this] { TextBlockMemoEnter(); });
    } else if (watched == TextBlockMemo && event->type() == QEvent::FocusOut) {
        guarded([this] { TextBlockMemoExit(); });
    }
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::sizeEditKeyUp(QLineEdit* edit) {
    const QString text = edit->text();
    try {
        if (edit == WidthEdit) {
            follow(design_.WidthEditKeyUp(text));
        } else if (edit == HeightEdit) {
            follow(design_.HeightEditKeyUp(text));
        } else {
            follow(design_.HoleWidthEditKeyUp(text));
        }
    } catch (const ValueOutOfRange&) {
        // The size in use stays and is applied again, with its redraw.
        if (edit != HoleWidthEdit) {
            DrawTag(design_.CurrentSlot);
        }
        showDesignInControls();
        throw;
    }
    showDesignInControls();
}

void TForm1::percentEditChange(PercentField field, QLineEdit* edit, UpDown* upDown) {
    QString shown;
    try {
        shown = design_.PercentEditChange(field, edit->text());
    } catch (const ValueOutOfRange&) {
        // The field goes back to the value it had.
        syncing_ = true;
        edit->setText(QString::number(design_.percentPosition(field)));
        syncing_ = false;
        throw;
    }
    syncing_ = true;
    upDown->setPosition(design_.percentPosition(field));
    if (edit->text() != shown) {
        edit->setText(shown);
    }
    syncing_ = false;
    DrawTag(design_.CurrentSlot);
}

void TForm1::percentUpDownClick(PercentField field, UpDown* upDown) {
    follow(design_.PercentUpDownClick(field, upDown->position()));
}

void TForm1::TextBlockPositionRadioGroupClick() {
    if (TextBlockPositionRadioGroup->itemIndex() == 1 && !floatingTagShowsTheTag()) {
        setActivePage(PageControl1, StandardTabSheet);
    }
}

// ---------------------------------------------------------------------------------------
// The text block

void TForm1::TextBlockMemoChange() {
    DrawTimer_->cancel();
    const TextBlockChange change =
        design_.TextBlockMemoChange(storedLines(TextBlockMemo->toPlainText()));
    if (change.tooLong) {
        prompts_.message(QStringLiteral("Text is too long, using the current font and size."));
    }
    DrawTimer_->request();
    DrawTag(design_.CurrentSlot);
}

void TForm1::TextBlockMemoEnter() {
    DrawTimer_->setInterval(RedrawScheduler::kTypingWait);
}

void TForm1::TextBlockMemoExit() {
    design_.TextBlockMemoExit();
    DrawTimer_->setInterval(RedrawScheduler::kNormalWait);
}

void TForm1::setTextBlockMemoText(const QString& lines) {
    const QString shown = memoLines(lines);
    if (TextBlockMemo->toPlainText() == shown) {
        return;
    }
    syncing_ = true;
    TextBlockMemo->setPlainText(shown);
    syncing_ = false;
    // A text from another slot: its width is measured for the next redraw, which then
    // centres it properly.
    design_.TextBlockMemoChange(storedLines(shown));
    DrawTag(design_.CurrentSlot);
}

// ---------------------------------------------------------------------------------------
// Showing the design

void TForm1::showSizeTexts() {
    syncing_ = true;
    if (!design_.WidthEditTyping && WidthEdit->text() != design_.WidthEditText) {
        WidthEdit->setText(design_.WidthEditText);
    }
    if (!design_.HeightEditTyping && HeightEdit->text() != design_.HeightEditText) {
        HeightEdit->setText(design_.HeightEditText);
    }
    WidthUpDown->setPosition(design_.WidthUpDownPosition);
    HeightUpDown->setPosition(design_.HeightUpDownPosition);
    syncing_ = false;
}

void TForm1::showHoleSizeTexts() {
    syncing_ = true;
    HoleWidthUpDown->setPosition(design_.settings.hole.width);
    HoleHeightUpDown->setPosition(design_.settings.hole.height);
    if (!design_.HoleWidthEditTyping) {
        HoleWidthEdit->setText(design_.holeWidthEditText());
    }
    if (!design_.HoleHeightEditTyping) {
        HoleHeightEdit->setText(design_.holeHeightEditText());
    }
    syncing_ = false;
}

void TForm1::showDesignInControls() {
    showSizeTexts();
    showHoleSizeTexts();
    syncing_ = true;
    const TagSettings& settings = design_.settings;
    TypeOfPageRadioGroup->setItemIndex(settings.shapeIndex);
    BorderRadioGroup->setItemIndex(settings.cutLineType);
    ValueRadioGroup->setItemIndex(settings.valuePlace);
    EdgeRadioGroup->setItemIndex(settings.edgePlace);
    Text1RadioGroup->setItemIndex(settings.textBlockAlignment);
    NoHoleCheckBox->setChecked(settings.hole.noHole);
    BlankCheckBox->setChecked(settings.blankSheet);
    FloatingTagCheckBox->setChecked(design_.FloatingTagCheckBox);
    for (int slot = 1; slot <= 9; ++slot) {
        slotCheckBoxes[static_cast<std::size_t>(slot)]->setChecked(design_.isSlotChecked(slot));
    }
    HoleWidthOffsetUpDown->setPosition(settings.hole.widthOffset);
    HoleHeightOffsetUpDown->setPosition(settings.hole.heightOffset);
    ImageSizeUpDown->setPosition(design_.ImageSizeUpDownPosition);
    ImageHorizontalOffsetUpDown->setPosition(design_.ImageHorizontalOffsetUpDownPosition);
    ImageVerticalOffsetUpDown->setPosition(design_.ImageVerticalOffsetUpDownPosition);
    TextBlockWidthOffsetUpDown->setPosition(settings.textBlockWidthOffset);
    TextBlockHeightOffsetUpDown->setPosition(settings.textBlockHeightOffset);
    PrintImageAdjustUpDown->setPosition(design_.PrintImageAdjustUpDownPosition);
    CopiesUpDown->setPosition(design_.CopiesUpDownPosition);
    if (ValueEdit->text() != design_.ValueEditText) {
        ValueEdit->setText(design_.ValueEditText);
    }
    if (TextEdit->text() != design_.TextEditText) {
        TextEdit->setText(design_.TextEditText);
    }
    syncing_ = false;
    setTextBlockMemoText(design_.TextBlockMemoText);
}

void TForm1::SetValues() {
    design_.SetValues();
    showDesignInControls();
    // One redraw of the slot follows, a full wait from now.
    DrawTimer_->restart();
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

void TForm1::setSheetCommandsEnabled(bool enabled) {
    // Remembered for the sheet commands; their buttons stay disabled until they exist.
    sheetCommandsWanted_ = enabled;
}

bool TForm1::floatingTagShowsTheTag() const {
    return FloatingTagCheckBox->isChecked() && services_.showFloatingTag;
}

void TForm1::advanceHelp(int done, int next) {
    if (services_.advanceHelp) {
        services_.advanceHelp(done, next);
    }
}

int TForm1::currentHelpItem() const {
    return services_.currentHelpItem ? services_.currentHelpItem() : -1;
}

// ---------------------------------------------------------------------------------------
// Picture slots

PictureBox* TForm1::mirrorOf(int slot) const {
    switch (slot) {
    case 1:
        return AImage;
    case 2:
        return BImage;
    case 3:
        return cImage;
    case 4:
        return DImage;
    default:
        return nullptr;
    }
}

void TForm1::MakeSlotPlaceholders(int first, int last, const QString& word, int firstNumber) {
    for (int slot = first; slot <= last; ++slot) {
        const int number = firstNumber + (slot - first);
        SlotHints_[static_cast<std::size_t>(slot)] = placeholderHint(word, number);
        SlotThumbnails_[static_cast<std::size_t>(slot)] = placeholderThumbnail(number);
    }
}

void TForm1::showSlotThumbnail(int slot) {
    if (slot < 1 || slot > 9) {
        return;
    }
    PictureBox* box = slotBoxes[static_cast<std::size_t>(slot)];
    box->showBitmap(SlotThumbnails_[static_cast<std::size_t>(slot)]);
    if (PictureBox* mirror = mirrorOf(slot)) {
        mirror->showSameAs(*box);
    }
}

bool TForm1::LoadSlotPicture(int slot) {
    img& record = design_.Slots[static_cast<std::size_t>(slot)];
    std::optional<QString> chosen = prompts_.openPicture(
        QStringLiteral("Select image file for Tag %1").arg(slot), QDir::currentPath());
    if (!chosen) {
        if (slot != kFirstSheetSlot || !record.FileName.isEmpty()) {
            // Cancelling keeps the slot as it was; "Delete Image" is how a picture goes.
            return false;
        }
        // The first tag always gets a picture, so that there is a tag to design.
        const QString blank = QDir(ensureWorkingFolder()).filePath(kTempTagName);
        writeBmp24(blank, Bitmap(200, 200, clWhite));
        chosen = blank;
    }
    const DecodedPicture picture =
        chooseSlotPicture(design_, slot, *chosen, {kThumbnailSize, kThumbnailSize});
    SlotThumbnails_[static_cast<std::size_t>(slot)] =
        letterboxThumbnail(picture.bitmap, picture.width, picture.height);
    if (slot == kFirstSheetSlot) {
        // The first picture applies the tag size.
        showSizeTexts();
        DrawTag(design_.CurrentSlot);
    }
    advanceHelp(kHelpSelectImage, kHelpSelectShape);
    return true;
}

void TForm1::SlotImageClick(int slot) {
    if (design_.Slots[static_cast<std::size_t>(slot)].FileName.isEmpty()) {
        LoadSlotPicture(slot);
        showSlotThumbnail(slot);
        if (slot == kFirstSheetSlot) {
            setSheetCommandsEnabled(true);
        }
    }
    design_.CurrentSlot = slot;
    DrawTagReal();
    if (!floatingTagShowsTheTag()) {
        setActivePage(PageControl1, StandardTabSheet);
    }
}

void TForm1::OpenImageItemClick(int slot) {
    LoadSlotPicture(slot);
    showSlotThumbnail(slot);
    if (slot == kFirstSheetSlot) {
        setSheetCommandsEnabled(true);
    }
    design_.CurrentSlot = design_.HoverSlot;
    SetValues();
    if (slot == kFirstSheetSlot) {
        DrawTimer_->cancel();
        DrawTagReal();
        DrawTimer_->request();
    } else {
        DrawTagReal();
    }
}

void TForm1::ShowImage1ItemClick() {
    if (!floatingTagShowsTheTag()) {
        setActivePage(PageControl1, StandardTabSheet);
    }
    design_.CurrentSlot = design_.HoverSlot;
    SetValues();
    DrawTagReal();
}

void TForm1::DeleteImageItemClick(int slot) {
    DeleteImage(design_, slot);
    MakeSlotPlaceholders(slot, slot, QStringLiteral("Tag"), slot);
    // The box keeps the hint it was given at start.
    showSlotThumbnail(slot);
}

void TForm1::ImagePopupMenuPopup(int slot) {
    const auto index = static_cast<std::size_t>(slot);
    const int hover = design_.HoverSlot;
    if (hover != slot) {
        prompts_.message(QStringLiteral("Error"));
    }
    const bool hasPicture = hover >= 0 && hover <= kLastInitialisedSlot &&
                            !design_.Slots[static_cast<std::size_t>(hover)].FileName.isEmpty();
    openImageItems[index]->setEnabled(true);
    showTagItems[index]->setEnabled(hasPicture);
    if (deleteItems[index] != nullptr) {
        deleteItems[index]->setEnabled(hasPicture);
    }
}

void TForm1::SlotImageMouseMove(int slot) {
    design_.HoverSlot = slot;
}

} // namespace veltmoor

#include "guidance/THelpForm.h"

#include "guidance/HelpSteps.h"
#include "guidance/WindowPlacement.h"

#include <QEvent>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTimer>

namespace veltmoor {

namespace {

constexpr int kClientWidth = 202;
constexpr int kClientHeight = 328;
constexpr int kListHeight = 214;
constexpr int kMemoTop = 215;
constexpr int kMemoHeight = 113;
constexpr int kControlWidth = 201;
constexpr int kExplanationInterval = 200; // ms

const QString kLoadingLine =
    QStringLiteral("Loading program, can take a minute, depending on your system.");

QListWidget* makeStepList(QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setObjectName(QStringLiteral("HelpCheckListBox"));
    list->setGeometry(0, 0, kControlWidth, kListHeight);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setWordWrap(true);
    for (int step = 0; step < kHelpStepCount; ++step) {
        auto* item = new QListWidgetItem(helpStepText(step), list);
        // The box shows progress; only the program ticks it, so the user cannot take a tick
        // back. Choosing a step to read its explanation stays possible.
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        item->setCheckState(Qt::Unchecked);
    }
    return list;
}

QPlainTextEdit* makeExplanationMemo(QWidget* parent) {
    auto* memo = new QPlainTextEdit(parent);
    memo->setObjectName(QStringLiteral("Memo1"));
    memo->setGeometry(0, kMemoTop, kControlWidth, kMemoHeight);
    memo->setReadOnly(true);
    memo->appendPlainText(kLoadingLine);
    return memo;
}

} // namespace

// A title bar without buttons: the main window's "Help" box shows and hides the window. X11
// window managers read "no buttons at all" as "the usual buttons", so the harmless minimise
// button stays and keeps close and maximise away.
THelpForm::THelpForm(QWidget* mainWindow)
    : CompanionWindow(mainWindow, Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                      Qt::WindowMinimizeButtonHint) {
    setObjectName(QStringLiteral("HelpForm"));
    setWindowTitle(QStringLiteral("Step by Step Help"));
    setFixedSize(kClientWidth, kClientHeight);

    HelpCheckListBox = makeStepList(this);
    Memo1 = makeExplanationMemo(this);
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(kExplanationInterval);
    connect(Timer1, &QTimer::timeout, this, &THelpForm::Timer1Timer);
    Timer1->start();

    placeOnScreen();
}

void THelpForm::AdvanceHelp(int done, int next) {
    if (QListWidgetItem* item = HelpCheckListBox->item(done)) {
        item->setCheckState(Qt::Checked);
    }
    HelpCheckListBox->setCurrentRow(next);
}

int THelpForm::currentStep() const {
    return HelpCheckListBox->currentRow();
}

bool THelpForm::isTicked(int step) const {
    const QListWidgetItem* item = HelpCheckListBox->item(step);
    return item != nullptr && item->checkState() == Qt::Checked;
}

int THelpForm::firstUntickedStep() const {
    for (int step = 0; step < kLastHelpStep; ++step) {
        if (!isTicked(step)) {
            return step;
        }
    }
    return kLastHelpStep;
}

void THelpForm::HelpCheckBoxClick(bool checked) {
    setVisible(checked);
    HelpCheckListBox->setCurrentRow(firstUntickedStep());
}

void THelpForm::FormActivate() {
    placeOnScreen();
    HelpCheckListBox->setCurrentRow(0);
}

void THelpForm::Timer1Timer() {
    if (!isVisible()) {
        return;
    }
    const std::optional<QString> explanation = helpStepExplanation(currentStep());
    // Writing the same text again would scroll a long explanation back to its top under
    // the reader's eyes, five times a second.
    if (explanation && Memo1->toPlainText() != *explanation) {
        Memo1->setPlainText(*explanation);
    }
}

void THelpForm::placeOnScreen() {
    if (const QScreen* screen = companionScreen()) {
        placeFrameAt(helpWindowCorner(screen->geometry(), frameGeometry().size()));
    }
}

bool THelpForm::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        FormActivate();
    }
    return CompanionWindow::event(event);
}

} // namespace veltmoor

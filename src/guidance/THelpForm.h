#pragma once

#include "guidance/CompanionWindow.h"

class QListWidget;
class QPlainTextEdit;
class QTimer;

namespace veltmoor {

// The step-by-step help: a small window beside the main window with the steps of a first
// sheet, ticked off as the user does them, and an explanation of the current step.
// The main window moves the steps on with AdvanceHelp and reads the current one; the
// window itself only follows the current step with its explanation. Showing the window never
// activates it: the user's own activation (a click into it) starts the steps over.
class THelpForm : public CompanionWindow {
    Q_OBJECT

public:
    explicit THelpForm(QWidget* mainWindow = nullptr);

    // Ticks step `done` and makes step `next` the current one. Ticks are never cleared.
    void AdvanceHelp(int done, int next);
    // The current step, -1 when there is none.
    int currentStep() const;
    bool isTicked(int step) const;
    // The main window's "Help" box changed: the window follows it, and the first step not
    // yet ticked becomes the current one.
    void HelpCheckBoxClick(bool checked);

    // The window's own handlers.
    void FormActivate();
    void Timer1Timer();
    // Moves the window's frame to the left edge of the main window's screen, near its
    // bottom, wholly on the available area.
    void placeOnScreen() override;

    QListWidget* HelpCheckListBox = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QTimer* Timer1 = nullptr;

protected:
    bool event(QEvent* event) override;

private:
    int firstUntickedStep() const;
};

} // namespace veltmoor

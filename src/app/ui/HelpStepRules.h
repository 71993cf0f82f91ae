#pragma once

#include <QObject>

#include <functional>
#include <vector>

class QWidget;

namespace veltmoor {

// The steps of the help window that the user finishes by pointing at a control or by
// moving the keyboard into one: each waits for its own step to be current, ticks it and
// moves on to the next. Several rules on one control act in the order they were added,
// so one mouse move can finish consecutive steps.
class HelpStepRules : public QObject {
    Q_OBJECT

public:
    HelpStepRules(std::function<int()> currentStep, std::function<void(int done, int next)> advance,
                  QObject* parent = nullptr);

    // The mouse entering or moving over the control (its children included).
    void onMouseOver(QWidget* control, int step);
    // The keyboard focus arriving in the control or one of its children from outside it.
    void onFocusEntering(QWidget* container, int step);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Rule {
        const QObject* control;
        int step;
    };

    void watchMouse(QWidget* widget);
    void focusChanged(QWidget* previous, QWidget* now);
    void advanceFrom(int step);

    std::function<int()> currentStep_;
    std::function<void(int, int)> advance_;
    std::vector<Rule> mouseRules_;
    std::vector<std::pair<const QWidget*, int>> focusRules_;
};

} // namespace veltmoor

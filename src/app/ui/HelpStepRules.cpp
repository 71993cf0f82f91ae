#include "app/ui/HelpStepRules.h"

#include "app/ui/RadioGroup.h"
#include "app/ui/TForm1.h"
#include "app/ui/WindowTexts.h"
#include "app/ui/pages/AdvancedPage.h"
#include "app/ui/pages/BasicPage.h"
#include "app/ui/pages/ControlPage.h"
#include "app/ui/pages/TextBlockPage.h"
#include "app/ui/pages/TextPage.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace veltmoor {

using namespace window;

HelpStepRules::HelpStepRules(std::function<int()> currentStep,
                             std::function<void(int, int)> advance, QObject* parent)
    : QObject(parent), currentStep_(std::move(currentStep)), advance_(std::move(advance)) {
    connect(qApp, &QApplication::focusChanged, this, &HelpStepRules::focusChanged);
}

void HelpStepRules::watchMouse(QWidget* widget) {
    // Without tracking, a move with no button held never reaches the widget.
    widget->setMouseTracking(true);
    widget->installEventFilter(this);
}

void HelpStepRules::onMouseOver(QWidget* control, int step) {
    watchMouse(control);
    mouseRules_.push_back({control, step});
    // A text area's mouse events arrive at its viewport, not at the frame around it.
    if (auto* area = qobject_cast<QAbstractScrollArea*>(control)) {
        watchMouse(area->viewport());
        mouseRules_.push_back({area->viewport(), step});
    }
}

void HelpStepRules::onFocusEntering(QWidget* container, int step) {
    focusRules_.emplace_back(container, step);
}

bool HelpStepRules::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Enter || event->type() == QEvent::MouseMove) {
        for (const Rule& rule : mouseRules_) {
            if (rule.control == watched) {
                advanceFrom(rule.step);
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

void HelpStepRules::focusChanged(QWidget* previous, QWidget* now) {
    const auto inside = [](const QWidget* widget, const QWidget* container) {
        return widget != nullptr && (widget == container || container->isAncestorOf(widget));
    };
    for (const auto& [container, step] : focusRules_) {
        if (inside(now, container) && !inside(previous, container)) {
            advanceFrom(step);
        }
    }
}

void HelpStepRules::advanceFrom(int step) {
    if (currentStep_() == step) {
        advance_(step, step + 1);
    }
}

// Pointing at the controls of a step, or moving into them with the keyboard, finishes it.
void TForm1::connectHelpStepRules() {
    helpStepRules_ =
        new HelpStepRules([this] { return currentHelpItem(); },
                          [this](int done, int next) { advanceHelp(done, next); }, this);
    HelpStepRules& rules = *helpStepRules_;
    basicPage_->addHelpRules(rules);
    textBlockPage_->addHelpRules(rules);
    textPage_->addHelpRules(rules);
    advancedPage_->addHelpRules(rules);
    controlPage_->addHelpRules(rules);
}

} // namespace veltmoor

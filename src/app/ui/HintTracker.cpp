#include "app/ui/HintTracker.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QVariant>
#include <QWidget>

namespace veltmoor {

namespace {
constexpr const char* kHintProperty = "veltmoorHint";
}

void setHint(QWidget* widget, const QString& hint) {
    widget->setProperty(kHintProperty, hint);
    widget->setToolTip(shortHint(hint));
}

QString hintOf(const QWidget* widget) {
    return widget->property(kHintProperty).toString();
}

QString longHint(const QString& hint) {
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.mid(bar + 1);
}

QString shortHint(const QString& hint) {
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.left(bar);
}

HintTracker::HintTracker(std::function<void(const QString&)> show, QObject* parent)
    : QObject(parent), show_(std::move(show)) {}

void HintTracker::hovered(const QWidget* widget) {
    QString hint;
    for (const QWidget* candidate = widget; candidate != nullptr;
         candidate = candidate->parentWidget()) {
        hint = hintOf(candidate);
        if (!hint.isEmpty()) {
            break;
        }
    }
    hint = longHint(hint);
    if (hint != current_) {
        current_ = hint;
        if (show_) {
            show_(current_);
        }
    }
}

bool HintTracker::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Enter && watched->isWidgetType()) {
        hovered(static_cast<QWidget*>(watched));
    } else if (event->type() == QEvent::Leave && watched->isWidgetType()) {
        // Leaving a child for its parent sends the parent no enter event.
        const QWidget* under = QApplication::widgetAt(QCursor::pos());
        if (under != nullptr && under != watched) {
            hovered(under);
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace veltmoor

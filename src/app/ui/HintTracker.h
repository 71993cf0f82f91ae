#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QWidget;

namespace veltmoor {

// A widget's hint is "short|long" or one text for both. The short part is its tool tip;
// the long part is what the hint line shows.
void setHint(QWidget* widget, const QString& hint);
QString hintOf(const QWidget* widget);
QString longHint(const QString& hint);
QString shortHint(const QString& hint);
// A hint as its tool tip shows it: broken at blanks into lines of at most kToolTipWidth
// characters (a longer word gets a line of its own); the blanks at a break are dropped.
constexpr int kToolTipWidth = 60;
QString wrappedToolTip(const QString& text, int width = kToolTipWidth);

// Watches the mouse across the application and reports the long hint of the widget it
// is over (or of the nearest parent that has one; empty when none has) each time that
// text changes.
class HintTracker : public QObject {
    Q_OBJECT

public:
    explicit HintTracker(std::function<void(const QString&)> show, QObject* parent = nullptr);

    QString current() const { return current_; }
    // The hint for a widget the mouse is now over.
    void hovered(const QWidget* widget);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void(const QString&)> show_;
    QString current_;
};

} // namespace veltmoor

#include "app/ui/HintTracker.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QPalette>
#include <QStringList>
#include <QToolTip>
#include <QVariant>
#include <QWidget>

namespace veltmoor {

namespace {
constexpr const char* kHintProperty = "veltmoorHint";
}

void setHint(QWidget* widget, const QString& hint) {
    widget->setProperty(kHintProperty, hint);
    widget->setToolTip(wrappedToolTip(shortHint(hint)));
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

QString wrappedToolTip(const QString& text, int width) {
    QStringList lines;
    QString line;
    qsizetype start = 0;
    while (start < text.size()) {
        // The next word, with the blanks written before it.
        qsizetype wordStart = start;
        while (wordStart < text.size() && text.at(wordStart) == QLatin1Char(' ')) {
            ++wordStart;
        }
        qsizetype wordEnd = wordStart;
        while (wordEnd < text.size() && text.at(wordEnd) != QLatin1Char(' ')) {
            ++wordEnd;
        }
        const QString blanks = text.mid(start, wordStart - start);
        const QString word = text.mid(wordStart, wordEnd - wordStart);
        if (!line.isEmpty() && line.size() + blanks.size() + word.size() > width) {
            lines << line;
            line = word;
        } else {
            line += blanks + word;
        }
        start = wordEnd;
    }
    if (!line.isEmpty() || lines.isEmpty()) {
        lines << line;
    }
    return lines.join(QLatin1Char('\n'));
}

HintTracker::HintTracker(std::function<void(const QString&)> show, QObject* parent)
    : QObject(parent), show_(std::move(show)) {
    // The program's hints have always shown on yellow.
    QPalette palette = QToolTip::palette();
    palette.setColor(QPalette::ToolTipBase, QColor(255, 255, 0));
    palette.setColor(QPalette::ToolTipText, Qt::black);
    QToolTip::setPalette(palette);
}

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

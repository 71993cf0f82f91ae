#include "app/ui/BusyCursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace veltmoor {

BusyCursor::BusyCursor() {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

BusyCursor::~BusyCursor() {
    QGuiApplication::restoreOverrideCursor();
}

} // namespace veltmoor

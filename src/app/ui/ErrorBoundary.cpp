#include "app/ui/ErrorBoundary.h"

#include "app/ui/Prompts.h"
#include "platform/Errors.h"

#include <exception>

namespace veltmoor {

bool runGuarded(Prompts& prompts, const std::function<void()>& handler) {
    QString failure;
    try {
        handler();
        return true;
    } catch (const UserError& error) {
        failure = error.message();
    } catch (const std::exception& error) {
        failure = QString::fromLocal8Bit(error.what());
    } catch (...) {
        failure = QStringLiteral("The operation failed for an unknown reason.");
    }
    // Shown outside the handler so that a message box never opens with the handler's
    // hourglass or half-finished state still in place.
    prompts.message(failure);
    return false;
}

} // namespace veltmoor

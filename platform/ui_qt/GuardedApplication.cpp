// The guard around event delivery.
#include "platform/ui_qt/GuardedApplication.h"

#include "platform/settings/Exceptions.h"
#include "platform/ui/UserInterface.h"

bool DeliverGuarded(const std::function<bool()>& deliver) {
    try {
        return deliver();
    } catch (const EAbort&) {
    } catch (const std::exception& error) {
        Ui().ShowError(error.what());
    } catch (...) {
        Ui().ShowError("Neznana napaka");
    }
    return false;
}

bool TGuardedApplication::notify(QObject* receiver, QEvent* event) {
    return DeliverGuarded([&] { return QApplication::notify(receiver, event); });
}

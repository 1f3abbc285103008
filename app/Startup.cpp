#include "app/Startup.h"

#include "platform/ApplicationSetup.h"
#include "platform/SettingsStore.h"
#include "ui/Desktop.h"
#include "ui/Form1.h"

namespace pelmora {

std::unique_ptr<Form1> startPelmora() {
    setUpApplication();
    auto window = std::make_unique<Form1>();
    auto* store = new SettingsStore(window.get());
    window->restoreSettings(store->load());
    connectToDesktop(*window, *store);
    window->show();
    return window;
}

} // namespace pelmora

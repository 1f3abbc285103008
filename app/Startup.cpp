#include "app/Startup.h"

#include "platform/ApplicationSetup.h"
#include "platform/FeeSettingsKeeper.h"
#include "store/SettingsStore.h"
#include "ui/Desktop.h"
#include "ui/Form1.h"

namespace pelmora {

std::unique_ptr<Form1> startPelmora() {
    setUpApplication();
    auto* settings = new FeeSettingsKeeper(std::make_unique<SettingsStore>());
    auto window = std::make_unique<Form1>(*settings);
    // The window's child, so that it outlives everything of the window that reads it.
    settings->setParent(window.get());
    connectToDesktop(*window, *settings);
    window->show();
    return window;
}

} // namespace pelmora

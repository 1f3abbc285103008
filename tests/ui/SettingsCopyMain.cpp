// One running copy of the program as far as its fee settings go, for the two-copies test: "on" on
// its input switches the full-cost mode on, any other line ticks the exchange fees; it tells its
// settings as it starts and as they change, and ends with its input.
#include "platform/FeeSettingsKeeper.h"
#include "platform/SettingsStore.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <iostream>
#include <string>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    pelmora::FeeSettingsKeeper keeper(std::make_unique<pelmora::SettingsStore>());
    const auto tell = [&keeper](const char* when) {
        std::cout << when << " on=" << keeper.settings().fullCostOn
                  << " fees=" << keeper.settings().fullCost.exchangeFees << std::endl;
    };
    QObject::connect(&keeper, &pelmora::FeeSettingsKeeper::changed, [&tell] { tell("changed"); });
    QSocketNotifier input(0, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, [&keeper] {
        std::string line;
        if (!std::getline(std::cin, line)) {
            QCoreApplication::quit();
        } else if (line == "on") {
            keeper.switchFullCost(true);
        } else {
            keeper.changeCosts({.exchangeFees = true});
        }
    });
    tell("ready");
    return QCoreApplication::exec();
}

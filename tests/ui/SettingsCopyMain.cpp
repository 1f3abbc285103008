// One running copy of the program as far as its fee settings go: "on" on its input switches the
// full-cost mode on, "fees" ticks the exchange fees; every change of its settings is told on its
// output. The two-copies test runs two of these on one file.
#include "platform/FeeSettingsKeeper.h"
#include "platform/SettingsStore.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <iostream>
#include <string>

int main(int argc, char* argv[]) {
    using pelmora::FeeSettingsKeeper;
    QCoreApplication app(argc, argv);
    FeeSettingsKeeper keeper(std::make_unique<pelmora::SettingsStore>());
    const auto state = [&keeper] {
        return "on=" + std::to_string(static_cast<int>(keeper.settings().fullCostOn)) +
               " fees=" + std::to_string(static_cast<int>(keeper.settings().fullCost.exchangeFees));
    };
    QObject::connect(&keeper, &FeeSettingsKeeper::changed, &keeper,
                     [&state] { std::cout << "changed " << state() << std::endl; });
    QSocketNotifier input(0, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &keeper, [&keeper] {
        std::string command;
        pelmora::FullCost costs = keeper.settings().fullCost;
        costs.exchangeFees = true;
        if (!std::getline(std::cin, command)) {
            QCoreApplication::quit();
        } else if (command == "on") {
            keeper.switchFullCost(true);
        } else if (command == "fees") {
            keeper.changeCosts(costs);
        }
    });
    std::cout << "ready " << state() << std::endl;
    return QCoreApplication::exec();
}

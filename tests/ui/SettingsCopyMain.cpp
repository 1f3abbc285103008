// One running copy of the program as far as its fee settings go, driven line by line on its
// input ("on" switches the full-cost mode on, "fees" ticks the exchange fees), and telling every
// change of its settings on its output. The two-copies test runs two of these on one file.
#include "platform/FeeSettingsKeeper.h"
#include "platform/SettingsStore.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <iostream>
#include <memory>
#include <string>

namespace {

std::string stateOf(const pelmora::FeeSettingsKeeper& keeper) {
    return "on=" + std::to_string(static_cast<int>(keeper.settings().fullCostOn)) +
           " fees=" + std::to_string(static_cast<int>(keeper.settings().fullCost.exchangeFees));
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    pelmora::FeeSettingsKeeper keeper(std::make_unique<pelmora::SettingsStore>());
    QObject::connect(&keeper, &pelmora::FeeSettingsKeeper::changed, &keeper,
                     [&keeper] { std::cout << "changed " << stateOf(keeper) << std::endl; });
    QSocketNotifier input(0, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &keeper, [&keeper] {
        std::string command;
        if (!std::getline(std::cin, command)) {
            QCoreApplication::quit();
        } else if (command == "on") {
            keeper.switchFullCost(true);
        } else if (command == "fees") {
            pelmora::FullCost costs = keeper.settings().fullCost;
            costs.exchangeFees = true;
            keeper.changeCosts(costs);
        }
    });
    std::cout << "ready " << stateOf(keeper) << std::endl;
    return QCoreApplication::exec();
}

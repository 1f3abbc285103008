// One running copy of the program as far as its fee settings go, for the two-copies test: "on" on
// its input switches the full-cost mode on, any other line ticks the exchange fees; it tells its
// settings as it starts and as they change, and ends with its input.
#include "platform/FeeSettingsKeeper.h"
#include "store/SettingsStore.h"

#include <QCoreApplication>
#include <iostream>
#include <string>
#include <thread>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    pelmora::FeeSettingsKeeper keeper(std::make_unique<pelmora::SettingsStore>());
    const auto tell = [&keeper](const char* when) {
        std::cout << when << " on=" << keeper.settings().fullCostOn
                  << " fees=" << keeper.settings().fullCost.exchangeFees << std::endl;
    };
    QObject::connect(&keeper, &pelmora::FeeSettingsKeeper::changed, [&tell] { tell("changed"); });
    // Lines are read on a thread of their own and handled on the main one: a notifier on the
    // standard input works on POSIX systems only.
    std::thread reader([&keeper] {
        std::string line;
        while (std::getline(std::cin, line)) {
            QMetaObject::invokeMethod(&keeper, [&keeper, line] {
                if (line == "on") {
                    keeper.switchFullCost(true);
                } else {
                    keeper.changeCosts({.exchangeFees = true});
                }
            });
        }
        QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit,
                                  Qt::QueuedConnection);
    });
    tell("ready");
    const int status = QCoreApplication::exec();
    reader.join();
    return status;
}

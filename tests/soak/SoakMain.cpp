// Presses the three Calculate buttons of a real main window many times with random inputs,
// bad ones included, and checks that the process's memory stays flat once warmed up.
//
//   pelmora_soak PRESSES WARMUP_PRESSES MAX_GROWTH_KIB
//
// Prints the resident memory after warm-up, its peak afterwards and at the end; fails when the
// end lies more than MAX_GROWTH_KIB above the warmed-up figure.
#include "platform/ApplicationSetup.h"
#include "platform/FeeSettingsKeeper.h"
#include "tests/soak/ProcessMemory.h"
#include "tests/soak/RandomTexts.h"
#include "ui/Form1.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>

namespace {

using namespace pelmora;

constexpr std::array kInputBoxes = {"nr1", "jr1", "nr2", "jr2", "nr3", "jr3",
                                    "nr4", "jr4", "srl", "scl", "jc",  "Text1"};
constexpr std::array kButtons = {"Command1", "Command2", "Command3"};

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: pelmora_soak PRESSES WARMUP_PRESSES MAX_GROWTH_KIB\n");
        return 2;
    }
    const long presses = std::atol(argv[1]);
    const long warmup = std::atol(argv[2]);
    const long maxGrowth = std::atol(argv[3]);

    setUpApplication();
    long failures = 0;
    FeeSettingsKeeper settings; // in memory: nothing of the user's is read or written
    Form1 window(settings);
    // Counted instead of shown in a message box each.
    QObject::connect(&window, &Form1::calculationFailed, &window, [&failures] { ++failures; });
    window.show();

    RandomTexts texts(20261208);
    std::int64_t warmedUp = 0;
    std::int64_t peak = 0;
    for (long press = 0; press < presses; ++press) {
        for (int typed = texts.below(4); typed > 0; --typed) {
            const char* box =
                kInputBoxes[static_cast<std::size_t>(texts.below(kInputBoxes.size()))];
            window.findChild<QLineEdit*>(box)->setText(texts.next());
        }
        window.findChild<QPushButton*>(kButtons[static_cast<std::size_t>(texts.below(3))])->click();
        if (press % 100 == 0) {
            QApplication::processEvents(); // paints and deferred deletions, as a real loop would
        }
        if (press + 1 == warmup) {
            warmedUp = residentKiB();
        } else if (press >= warmup) {
            peak = std::max(peak, residentKiB());
        }
    }
    const std::int64_t end = residentKiB();
    std::printf("presses %ld (failed %ld), resident KiB after %ld warm-up presses %lld, "
                "peak %lld, end %lld, growth %lld\n",
                presses, failures, warmup, static_cast<long long>(warmedUp),
                static_cast<long long>(peak), static_cast<long long>(end),
                static_cast<long long>(end - warmedUp));
    return end - warmedUp <= maxGrowth ? 0 : 1;
}

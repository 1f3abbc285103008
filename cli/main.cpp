#include "calc/CalcSettings.h"
#include "cli/Commands.h"
#include "cli/Output.h"

#include <QCoreApplication>

// pelmora-journal: the journal of trades from the console, for scripts and for a quick look.
int main(int argc, char* argv[]) {
    const QCoreApplication application(argc, argv);
    pelmora::cli::setUpStreams();
    // Qt's arguments: on Windows from the wide command line, so Chinese names arrive whole.
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    return pelmora::cli::runCommandLine(arguments, pelmora::todayInChina());
}

#include "app/StartupCycle.h"
#include "language/Translators.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    StartupCycle::setApplicationIdentity();

    // A language change in the window asks for a new cycle in this same process.
    while (StartupCycle::run(translationsDirectory())) {
    }
    return 0;
}

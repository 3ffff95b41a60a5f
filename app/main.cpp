// orbilunex: the GPS monitor. With --headless it runs the data path alone
// (read, decode, record, relay) without any window.

#include "app/HeadlessRunner.h"
#include "app/WindowKindList.h"
#include "app/WindowMain.h"
#include "shell/CommandLine.h"

#include <QApplication>
#include <QCoreApplication>

#include <clocale>
#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    std::vector<std::string> arguments(argv + 1, argv + argc);
    const orbilunex::CommandLineResult parsed =
        orbilunex::parseCommandLine(arguments, orbilunex::windowKinds());
    if (parsed.options.help) {
        std::fputs(orbilunex::usageText(orbilunex::windowKinds()).c_str(), stdout);
        return 0;
    }
    if (!parsed.ok) {
        std::fprintf(stderr, "orbilunex: %s\n%s", parsed.error.c_str(),
                     orbilunex::usageText(orbilunex::windowKinds()).c_str());
        return 2;
    }
    if (parsed.options.headless) {
        QCoreApplication app(argc, argv);
        // The application takes the locale from the environment; numbers
        // must keep their point whatever it is.
        std::setlocale(LC_NUMERIC, "C");
        return orbilunex::runHeadless(parsed.options);
    }
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName(QStringLiteral("orbilunex"));
    QApplication::setApplicationDisplayName(QStringLiteral("Orbilunex"));
    QApplication::setOrganizationName(QStringLiteral("ORBX"));
    QApplication::setApplicationVersion(QStringLiteral(ORBILUNEX_VERSION));
    return orbilunex::runWindow(parsed.options);
}

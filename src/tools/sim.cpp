// hovla-sim [--seed N] SCRIPT|-  runs a match headless and prints every state.
#include "tools/sim_engine.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <string>

namespace {

constexpr const char* kUsage =
    "usage: hovla-sim [--seed N] SCRIPT|-\n"
    "Runs a match headless on a hand-turned clock and prints one JSON object per event.\n"
    "Script lines (- reads them from standard input):\n"
    "  start              the menu's start button\n"
    "  key C              a typed character; key ESC, key ENTER\n"
    "  tick N             N ticks of 1/64 s\n"
    "  set NAME [I [J]] [FIELD] VALUE   a variable of the match\n"
    "  # ...              a comment\n"
    "A malformed line stops the run with exit status 2. The same seed gives the same run.\n";

} // namespace

int main(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(kUsage, stdout);
            return 0;
        }
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);  // the readouts are drawn with fonts
    hovla::SimOptions options;
    options.gameFolder = QCoreApplication::applicationDirPath().toStdString();
    const char* scriptName = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--seed") == 0 && i + 1 < argc) {
            options.seed = std::strtoull(argv[++i], nullptr, 10);
        } else if (!scriptName) {
            scriptName = argv[i];
        } else {
            scriptName = nullptr;
            break;
        }
    }
    if (!scriptName) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    if (std::strcmp(scriptName, "-") == 0)
        return hovla::runSimulation(std::cin, std::cout, std::cerr, options);
    std::ifstream script(scriptName);
    if (!script) {
        std::fprintf(stderr, "hovla-sim: cannot read %s\n", scriptName);
        return 2;
    }
    return hovla::runSimulation(script, std::cout, std::cerr, options);
}

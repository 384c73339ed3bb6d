// hovla-sim [--seed N] SCRIPT|-  runs a match headless and prints every state.
#include "tools/sim_engine.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <string>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);  // the readouts are drawn with fonts
    hovla::SimOptions options;
    options.audioFolder = QCoreApplication::applicationDirPath().toStdString() + "/Audio";
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
        std::fprintf(stderr, "usage: hovla-sim [--seed N] SCRIPT|-\n");
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

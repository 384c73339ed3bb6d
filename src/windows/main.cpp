// Hovla: two bathers, one keyboard, one hot steam room each.
#define SDL_MAIN_HANDLED
#include "sound/sdl_service.h"
#include "windows/app.h"

#include <QApplication>

#include <cstdlib>

int main(int argc, char** argv)
{
    QApplication qt(argc, argv);
    QApplication::setApplicationName("Hovla");
    QApplication::setQuitOnLastWindowClosed(false);  // the game ends itself

    hovla::SdlSoundService soundService;
    hovla::QtMessages messages;
    // Closing the window or the quit button ends the process at once.
    hovla::App app(soundService, messages, [](int code) { std::_Exit(code); });
    app.start();
    return qt.exec();
}

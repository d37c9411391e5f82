#include "DesktopShell.h"
#include "Glyphdex.h"
#include "QtPrompter.h"
#include "QtSoundPlayer.h"
#include "StartState.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // Minimised to the notification area the window is hidden, yet the program goes on.
    QApplication::setQuitOnLastWindowClosed(false);
    QtPrompter prompter;
    QtSoundPlayer sound;
    DesktopShell shell;
    Glyphdex window(PlatformServices{&prompter, &sound, &shell});
    QObject::connect(&window, &Glyphdex::ended, &app, &QCoreApplication::quit);
    if (StartState::takeMinimised())
        window.showMinimized();
    else
        window.show();
    return app.exec();
}

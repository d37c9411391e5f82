#include "Form1.h"
#include "DesktopShell.h"
#include "QtPrompter.h"
#include "QtSoundPlayer.h"
#include "StartState.h"
#include "SingleInstance.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QtPrompter prompter;
    QtSoundPlayer sound;
    DesktopShell shell;

    SingleInstance instance(SingleInstance::defaultLockPath());
    if (!Form1::claimSingleInstance(instance, prompter))
        return 0;

    Form1 window(PlatformServices{&prompter, &sound, &shell}, ChatOptions());
    if (StartState::takeMinimised())
        window.showMinimized();
    else
        window.show();
    return app.exec();
}

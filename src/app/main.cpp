#include "DesktopShell.h"
#include "DrillMenu.h"
#include "FomLogin.h"
#include "FomPassWord.h"
#include "MDIForm1.h"
#include "PlatformServices.h"
#include "QtPrompter.h"
#include "QtSoundPlayer.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Keyloom"));

    QtPrompter prompter;
    QtSoundPlayer sound;
    DesktopShell shell;
    const PlatformServices services{&prompter, &sound, &shell};

    MDIForm1 main(services);
    DrillMenu::registerWith(main);
    main.registerDialog(QStringLiteral("FomLogin"),
                        [](MDIForm1 &m) -> QDialog * { return new FomLogin(m); });
    main.registerDialog(QStringLiteral("FomPassWord"),
                        [](MDIForm1 &m) -> QDialog * { return new FomPassWord(m); });

    // Started from inside the event loop, so leaving from the login window ends the program.
    QTimer::singleShot(0, &main, &MDIForm1::start);
    return app.exec();
}

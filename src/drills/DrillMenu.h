#pragma once

#include <QString>

#include <optional>

class MDIForm1;
class QWidget;

// The main window's key drill entries, and the custom-keys question both they and the drill
// window ask.
class DrillMenu
{
public:
    // Makes the drill window openable by name and routes the key drill entries here.
    static void registerWith(MDIForm1 &main);

    // Opens the drill window on the set of this menu caption with a fresh line and session.
    static void StartDrillFromMenu(MDIForm1 &main, const QString &caption);

    // Asks for the keys of the custom drill, offering the stored ones. An answer is stored in the
    // user's record; a cancel leaves the stored keys alone and gives nothing.
    static std::optional<QString> askCustomKeys(MDIForm1 &main, QWidget *parent);
};

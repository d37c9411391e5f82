#include "DrillMenu.h"

#include "DrillSets.h"
#include "FomTT.h"
#include "MDIForm1.h"
#include "Prompter.h"

void DrillMenu::registerWith(MDIForm1 &main)
{
    main.registerWindow(QStringLiteral("FomTT"), [](MDIForm1 &m) -> QWidget * { return new FomTT(m); });
    main.setMenuHandler(QStringLiteral("MmuTT1"), [](MDIForm1 &m, const QString &caption, int) {
        StartDrillFromMenu(m, caption);
    });
}

void DrillMenu::StartDrillFromMenu(MDIForm1 &main, const QString &caption)
{
    const int index = DrillSets::indexOfMenuCaption(caption);
    if (index < 0)
        return;
    QString pool = DrillSets::at(index).menuPool;
    if (index == DrillSets::CustomIndex) {
        const std::optional<QString> keys = askCustomKeys(main, &main);
        if (!keys || keys->isEmpty())
            return;
        pool = *keys;
    }
    const QString line = DrillSets::drawLine(pool);

    // Opening the window draws a line of its own for the stored set; ours replaces it.
    auto *window = qobject_cast<FomTT *>(main.engine().ShowPracticeWindow(QStringLiteral("FomTT")));
    if (!window)
        return;
    main.engine().StartSession(*window);
    window->showLine(line);
    window->markSelectedLabel(main.currentUser().DrillIndex);
    window->updateHints();
}

std::optional<QString> DrillMenu::askCustomKeys(MDIForm1 &main, QWidget *parent)
{
    Prompter *prompter = main.services().prompter;
    if (!prompter)
        return std::nullopt;
    std::optional<QString> answer = prompter->input(parent, DrillSets::customKeysPrompt(),
                                                    DrillSets::customKeysTitle(),
                                                    main.currentUser().CustomKeys);
    if (answer)
        main.currentUser().CustomKeys = *answer;
    return answer;
}

#include "DrillMenu.h"
#include "DrillSets.h"
#include "FingerTable.h"
#include "FomTT.h"
#include "KeyboardPicture.h"
#include "MDIForm1.h"
#include "Random.h"
#include "RecordingShell.h"
#include "RecordingSoundPlayer.h"
#include "ScriptedPrompter.h"
#include "TempProgramFolder.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

const QString User = QStringLiteral("小明");
// 21 characters of the home-row set; the window shows the first 19.
const QString Line = QStringLiteral("asdfjkl;asdfjkl;asdfj");

QColor background(const QLabel *label)
{
    return label->palette().color(QPalette::Window);
}

// One letter per cell: g(reen), b(lue), r(ed).
QString cellColours(const FomTT &w)
{
    QString s;
    for (int i = 1; i <= FomTT::Cells; ++i) {
        const QColor c = background(w.Label1[static_cast<std::size_t>(i)]);
        s += c == QColor(0, 0, 255) ? u'b' : c == QColor(255, 0, 0) ? u'r' : c == QColor(192, 255, 192) ? u'g' : u'?';
    }
    return s;
}

// The answer cells, '.' for an empty one.
QString answers(const FomTT &w)
{
    QString s;
    for (int i = 1; i <= FomTT::Cells; ++i) {
        const QString t = w.Label3[static_cast<std::size_t>(i)]->text();
        s += t.isEmpty() ? QStringLiteral(".") : t;
    }
    return s;
}

QString shownLine(const FomTT &w)
{
    QString s;
    for (int i = 1; i <= FomTT::Cells; ++i)
        s += w.Label1[static_cast<std::size_t>(i)]->text();
    return s;
}

QStringList visibleMarkers(const FomTT &w)
{
    QStringList shown;
    for (int i = 1; i <= KeyboardPicture::MarkerCount; ++i) {
        if (w.Picture1->marker(i)->isVisibleTo(w.Picture1))
            shown << w.Picture1->marker(i)->text();
    }
    return shown;
}

} // namespace

class TstDrillWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void opensOnTheStoredSet();
    void rightClickOffersTheDrillMenu();
    void keyRules_data();
    void keyRules();
    void hintsFollowTheDueCharacter();
    void inputMethodCommitIsJudgedPerCharacter();
    void showKeyOnKeyboard_data();
    void showKeyOnKeyboard();
    void sound_data();
    void sound();
    void pauseStopsOnlyTheClock();
    void stopAndTimeLimit();
    void settingsWrittenBack();
    void customKeysFromTheLabel();
    void startFromMenu();
    void customKeysFromTheMenu();
    void runToTheLimitSavesOneRecord();

private:
    FomTT *open();

    std::unique_ptr<TempProgramFolder> m_folder;
    ScriptedPrompter m_prompter;
    RecordingSoundPlayer m_sound;
    RecordingShell m_shell;
    std::unique_ptr<MDIForm1> m_main;
};

void TstDrillWindow::init()
{
    Random::reset();
    m_folder = std::make_unique<TempProgramFolder>();
    m_prompter.clear();
    m_sound.clear();
    m_main = std::make_unique<MDIForm1>(PlatformServices{&m_prompter, &m_sound, &m_shell});
    DrillMenu::registerWith(*m_main);
    m_main->setCurrentUser(UserRecord::newUser(User, QString()), User);
    // Every reading of the clock is one timer interval later.
    m_main->engine().setMonotonicClock([t = qint64(0)]() mutable { return t += 100; });
    m_main->resize(1200, 800);
}

void TstDrillWindow::cleanup()
{
    m_main.reset();
    m_folder.reset();
}

FomTT *TstDrillWindow::open()
{
    auto *w = qobject_cast<FomTT *>(m_main->engine().ShowPracticeWindow(QStringLiteral("FomTT")));
    return w;
}

void TstDrillWindow::opensOnTheStoredSet()
{
    m_main->currentUser().DrillIndex = 1;
    m_main->currentUser().LastWindow.clear();
    FomTT *w = open();
    QVERIFY(w);
    QCOMPARE(m_main->currentUser().LastWindow, QStringLiteral("FomTT"));
    for (int i = 0; i < DrillSets::Count; ++i) {
        const QColor c = w->LaSelect[static_cast<std::size_t>(i)]->palette().color(QPalette::WindowText);
        QCOMPARE(c, i == 1 ? QColor(255, 0, 0) : QColor(0, 0, 255));
    }
    QVERIFY(m_main->entry(QStringLiteral("MmuTT1"), 1)->isChecked());
    const QString line = shownLine(*w);
    QCOMPARE(line.size(), 19);
    for (QChar c : line)
        QVERIFY(DrillSets::at(1).labelPool.contains(c));
    QVERIFY(w->Label1[20]->isHidden());
    QVERIFY(w->Label3[0]->isHidden());
    QCOMPARE(cellColours(*w), QString(19, u'g'));
    QCOMPARE(answers(*w), QString(19, u'.'));
    // The session runs from the start with the default limit.
    QVERIFY(w->Timer1->isActive());
    QCOMPARE(w->Combo1->count(), 8);
    QCOMPARE(w->TxtStatu[4]->text(), QStringLiteral("5分钟"));
    QCOMPARE(w->CmdShowSet[0]->text(), QStringLiteral("暂停"));
    QVERIFY(w->CmdShowSet[2]->isHidden());
    QVERIFY(w->Check1[0]->isChecked());
    QVERIFY(w->Check1[1]->isChecked());
    QCOMPARE(visibleMarkers(*w), QStringList{line.left(1).toUpper()});
    QCOMPARE(w->LaFingerHint->text(), FingerTable::FingerHintFor(line.left(1)));
    QVERIFY(m_prompter.calls().isEmpty());

    // A set number out of range opens the full keyboard set, without asking for custom keys.
    m_main->currentUser().DrillIndex = 42;
    w = open();
    QCOMPARE(m_main->currentUser().DrillIndex, 0);
    QCOMPARE(w->LaSelect[0]->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    QVERIFY(m_prompter.calls().isEmpty());
}

void TstDrillWindow::rightClickOffersTheDrillMenu()
{
    FomTT *w = open();
    m_main->show();
    QMenu *menu = m_main->menu(QStringLiteral("Mmutt"));
    QVERIFY(menu);
    QVERIFY(!menu->isVisible());
    QTest::mouseClick(w, Qt::RightButton, Qt::NoModifier, QPoint(4, w->height() - 4));
    QVERIFY(menu->isVisible());
    menu->hide();
}

void TstDrillWindow::keyRules_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QTestEventList>("keys");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("right");
    QTest::addColumn<int>("wrong");
    QTest::addColumn<bool>("newLine");
    QTest::addColumn<QString>("colours");
    QTest::addColumn<QString>("typed");

    const QString g17 = QString(17, u'g');
    QTestEventList eighteen;
    eighteen.addKeyClicks(Line.left(18));
    QTest::addRow("18 right keys") << Line << eighteen << 18 << 18 << 0 << false
                                   << QString(18, u'b') + u'g' << Line.left(18) + u'.';
    QTestEventList nineteen = eighteen;
    nineteen.addKeyClick(u'x');
    QTest::addRow("key after the 18th draws a new line uncounted")
        << Line << nineteen << 0 << 18 << 0 << true << QString(19, u'g') << QString(19, u'.');
    QTestEventList eighteenBack = eighteen;
    eighteenBack.addKeyClick(Qt::Key_Backspace);
    QTest::addRow("backspace takes back the 18th")
        << Line << eighteenBack << 17 << 18 << 0 << false << QString(17, u'b') + u"gg"
        << Line.left(17) + u"..";
    QTestEventList backAtStart;
    backAtStart.addKeyClick(Qt::Key_Backspace);
    QTest::addRow("backspace at the first cell") << Line << backAtStart << 0 << 0 << 0 << false
                                                 << QString(19, u'g') << QString(19, u'.');
    QTestEventList fix;
    fix.addKeyClicks(QStringLiteral("ax"));
    fix.addKeyClick(Qt::Key_Backspace);
    QTest::addRow("wrong key taken back") << Line << fix << 1 << 1 << 1 << false << QStringLiteral("bg")
                                          << QStringLiteral("a") + QString(18, u'.');
    QTestEventList enter;
    enter.addKeyClicks(QStringLiteral("asx"));
    enter.addKeyClick(Qt::Key_Return);
    QTest::addRow("enter mid-line starts the line over")
        << Line << enter << 0 << 3 << 1 << false << QString(19, u'g') << QString(19, u'.');
    QTestEventList esc;
    esc.addKeyClicks(QStringLiteral("as"));
    esc.addKeyClick(Qt::Key_Escape);
    QTest::addRow("esc draws a new line") << Line << esc << 0 << 2 << 0 << true << QString(19, u'g')
                                          << QString(19, u'.');
    QTestEventList lower;
    lower.addKeyClicks(QStringLiteral("aB"));
    QTest::addRow("case counts in the full-keyboard set")
        << QStringLiteral("ABCDEFGHIJKLMNOPQRSTU") << lower << 2 << 1 << 1 << false
        << QStringLiteral("rb") + g17 << QStringLiteral("aB") + QString(17, u'.');
    QTestEventList outside;
    outside.addKeyClicks(QStringLiteral("a9"));
    QTest::addRow("key outside the pool is wrong")
        << Line << outside << 2 << 1 << 1 << false << QStringLiteral("br") + g17
        << QStringLiteral("a9") + QString(17, u'.');
    QTestEventList shortcut;
    shortcut.addKeyClick(Qt::Key_A, Qt::ControlModifier);
    shortcut.addKeyClick(Qt::Key_Shift);
    QTest::addRow("chords and bare modifiers are not keystrokes")
        << Line << shortcut << 0 << 0 << 0 << false << QString(19, u'g') << QString(19, u'.');
}

void TstDrillWindow::keyRules()
{
    QFETCH(QString, line);
    QFETCH(QTestEventList, keys);
    QFETCH(int, position);
    QFETCH(int, right);
    QFETCH(int, wrong);
    QFETCH(bool, newLine);
    QFETCH(QString, colours);
    QFETCH(QString, typed);

    FomTT *w = open();
    QVERIFY(w);
    w->showLine(line);
    w->updateHints();
    keys.simulate(w->TxtInput);

    QCOMPARE(w->drillPosition(), position);
    QCOMPARE(m_main->engine().CorrectCount, right);
    QCOMPARE(m_main->engine().WrongCount, wrong);
    QCOMPARE(shownLine(*w) != line.left(19), newLine);
    QCOMPARE(cellColours(*w), colours.leftJustified(19, u'g'));
    QCOMPARE(answers(*w), typed);
    QVERIFY(w->TxtInput->text().isEmpty());
    // Typed characters stay readable on the yellow answer cells.
    QCOMPARE(w->Label3[1]->palette().color(QPalette::WindowText), QColor(Qt::black));
}

void TstDrillWindow::hintsFollowTheDueCharacter()
{
    FomTT *w = open();
    w->showLine(QStringLiteral("aS;-&aaaaaaaaaaaaaaaa"));
    w->updateHints();
    QCOMPARE(visibleMarkers(*w), QStringList{QStringLiteral("A")});
    QCOMPARE(w->LaFingerHint->text(), QStringLiteral("a左小←"));
    QTest::keyClick(w->TxtInput, 'a');
    QCOMPARE(visibleMarkers(*w), QStringList{QStringLiteral("S")});
    QCOMPARE(w->LaFingerHint->text(), QStringLiteral("S左无←"));
    QTest::keyClick(w->TxtInput, 'x');
    QCOMPARE(visibleMarkers(*w), QStringList{QStringLiteral(";")});
    QCOMPARE(w->LaFingerHint->text(), QStringLiteral(";右小→"));
    QTest::keyClick(w->TxtInput, 'x');
    QCOMPARE(visibleMarkers(*w), QStringList{QStringLiteral("-")});
    QCOMPARE(w->LaFingerHint->text(), QString());
    QTest::keyClick(w->TxtInput, 'x');
    QCOMPARE(visibleMarkers(*w), QStringList());
    QTest::keyClick(w->TxtInput, Qt::Key_Backspace);
    QCOMPARE(visibleMarkers(*w), QStringList{QStringLiteral("-")});
}

void TstDrillWindow::inputMethodCommitIsJudgedPerCharacter()
{
    FomTT *w = open();
    w->showLine(Line);
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("as中"));
    QApplication::sendEvent(w->TxtInput, &commit);
    QCOMPARE(m_main->engine().CorrectCount, 2);
    QCOMPARE(m_main->engine().WrongCount, 1);
    QCOMPARE(w->drillPosition(), 3);
    QCOMPARE(answers(*w).left(3), QStringLiteral("as中"));
    QVERIFY(w->TxtInput->text().isEmpty());
}

void TstDrillWindow::showKeyOnKeyboard_data()
{
    QTest::addColumn<QString>("character");
    QTest::addColumn<QStringList>("shown");
    QTest::addRow("a lights A") << QStringLiteral("a") << QStringList{QStringLiteral("A")};
    QTest::addRow("Z") << QStringLiteral("Z") << QStringList{QStringLiteral("Z")};
    QTest::addRow("digit") << QStringLiteral("0") << QStringList{QStringLiteral("0")};
    QTest::addRow("shifted digit") << QStringLiteral("!") << QStringList{QStringLiteral("!")};
    QTest::addRow("double quote") << QStringLiteral("\"") << QStringList{QStringLiteral("\"")};
    QTest::addRow("brace") << QStringLiteral("{") << QStringList{QStringLiteral("{")};
    QTest::addRow("ampersand has none") << QStringLiteral("&") << QStringList();
    QTest::addRow("star has none") << QStringLiteral("*") << QStringList();
    QTest::addRow("question mark has none") << QStringLiteral("?") << QStringList();
    QTest::addRow("backslash has none") << QStringLiteral("\\") << QStringList();
    QTest::addRow("nothing due") << QString() << QStringList();
}

void TstDrillWindow::showKeyOnKeyboard()
{
    QFETCH(QString, character);
    QFETCH(QStringList, shown);
    KeyboardPicture picture;
    picture.resize(900, 280);
    picture.show();
    picture.ShowKeyOnKeyboard(QStringLiteral("Q"));
    picture.ShowKeyOnKeyboard(character);
    QStringList visible;
    for (int i = 1; i <= KeyboardPicture::MarkerCount; ++i) {
        QLabel *m = picture.marker(i);
        if (m->isVisibleTo(&picture)) {
            visible << m->text();
            // A lit marker sits inside the picture, not at its corner.
            QVERIFY(picture.rect().contains(m->geometry()));
            QVERIFY(m->geometry().top() > 0);
        }
    }
    QCOMPARE(visible, shown);
    QVERIFY(picture.marker(0)->isHidden());
}

void TstDrillWindow::sound_data()
{
    QTest::addColumn<bool>("soundOn");
    QTest::addRow("on") << true;
    QTest::addRow("off") << false;
}

void TstDrillWindow::sound()
{
    QFETCH(bool, soundOn);
    m_main->currentUser().DrillSound = soundOn ? 1 : 0;
    FomTT *w = open();
    w->showLine(Line);
    QTest::keyClicks(w->TxtInput, QStringLiteral("ax"));
    QTest::keyClick(w->TxtInput, Qt::Key_Return);
    QTest::keyClick(w->TxtInput, Qt::Key_Backspace);
    QCOMPARE(m_main->engine().CorrectCount, 2);
    QCOMPARE(m_main->engine().WrongCount, 1);
    const QStringList expected = soundOn ? QStringList{m_folder->path(QStringLiteral("right.wav")),
                                                       m_folder->path(QStringLiteral("wrong.wav"))}
                                         : QStringList();
    QCOMPARE(m_sound.played(), expected);
}

void TstDrillWindow::pauseStopsOnlyTheClock()
{
    FomTT *w = open();
    w->showLine(Line);
    QTest::mouseClick(w->CmdShowSet[0], Qt::LeftButton);
    QCOMPARE(w->CmdShowSet[0]->text(), QStringLiteral("开始"));
    QVERIFY(!w->Timer1->isActive());
    QTest::keyClicks(w->TxtInput, QStringLiteral("ax"));
    QCOMPARE(m_main->engine().CorrectCount, 1);
    QCOMPARE(m_main->engine().WrongCount, 1);
    QTest::mouseClick(w->CmdShowSet[0], Qt::LeftButton);
    QCOMPARE(w->CmdShowSet[0]->text(), QStringLiteral("暂停"));
    QVERIFY(w->Timer1->isActive());
    w->Timer1Tick();
    QCOMPARE(w->TxtStatu[0]->text(), QStringLiteral("1个"));
    QCOMPARE(w->TxtStatu[1]->text(), QStringLiteral("1个"));
    QCOMPARE(w->TxtStatu[2]->text(), QStringLiteral("50.00%"));
}

void TstDrillWindow::stopAndTimeLimit()
{
    FomTT *w = open();
    w->showLine(Line);
    QTest::keyClicks(w->TxtInput, QStringLiteral("as"));
    w->Timer1Tick();
    QTest::mouseClick(w->CmdShowSet[1], Qt::LeftButton);
    QCOMPARE(m_main->engine().CorrectCount, 0);
    QCOMPARE(w->TxtStatu[0]->text(), QString());
    QCOMPARE(w->TxtStatu[4]->text(), QStringLiteral("5分钟"));
    QCOMPARE(w->CmdShowSet[0]->text(), QStringLiteral("开始"));
    QVERIFY(!w->Timer1->isActive());
    // Picking a limit restarts the run; the button must then offer to pause it.
    const int three = w->Combo1->findText(QStringLiteral("3分钟"));
    w->Combo1->setCurrentIndex(three);
    Q_EMIT w->Combo1->activated(three);
    QVERIFY(w->Timer1->isActive());
    QCOMPARE(w->TxtStatu[4]->text(), QStringLiteral("3分钟"));
    QCOMPARE(w->CmdShowSet[0]->text(), QStringLiteral("暂停"));
}

void TstDrillWindow::settingsWrittenBack()
{
    FomTT *w = open();
    QTest::mouseClick(w->Check1[0], Qt::LeftButton);
    QTest::mouseClick(w->Check1[1], Qt::LeftButton);
    QVERIFY(w->LaFingerHint->isHidden());
    QCOMPARE(m_main->currentUser().DrillFingering, 0);
    QCOMPARE(m_main->currentUser().DrillSound, 0);
    w->show();
    QTest::mouseClick(w->LaSelect[5], Qt::LeftButton);
    QCOMPARE(m_main->currentUser().DrillIndex, 5);
    QVERIFY(m_main->entry(QStringLiteral("MmuTT1"), 5)->isChecked());
    QVERIFY(!m_main->entry(QStringLiteral("MmuTT1"), 0)->isChecked());
    for (QChar c : shownLine(*w))
        QVERIFY(QStringLiteral("vbmn").contains(c));

    // What lands on disk is read back by the next opening.
    QVERIFY(SaveUserRecord(m_main->currentUser(), User));
    UserRecord reread;
    QVERIFY(LoadUserRecord(reread, User));
    QCOMPARE(reread.DrillFingering, 0);
    QCOMPARE(reread.DrillSound, 0);
    QCOMPARE(reread.DrillIndex, 5);
    QCOMPARE(reread.LastWindow, QStringLiteral("FomTT"));
    m_main->currentUser() = reread;
    w = open();
    QVERIFY(!w->Check1[0]->isChecked());
    QVERIFY(!w->Check1[1]->isChecked());
    QVERIFY(w->LaFingerHint->isHidden());
    QCOMPARE(w->LaSelect[5]->palette().color(QPalette::WindowText), QColor(255, 0, 0));
}

void TstDrillWindow::customKeysFromTheLabel()
{
    m_main->currentUser().DrillIndex = DrillSets::CustomIndex;
    m_main->currentUser().CustomKeys = QStringLiteral("abc");
    m_prompter.planInput(QStringLiteral("xy"));
    FomTT *w = open();
    QCOMPARE(m_prompter.calls().size(), 1);
    const ScriptedPrompter::Call ask = m_prompter.calls().first();
    QCOMPARE(ask.title, QStringLiteral("自定义键练习"));
    QCOMPARE(ask.text, QStringLiteral("请输入你要练习的键名，如“abc”"));
    QCOMPARE(ask.defaultText, QStringLiteral("abc"));
    QCOMPARE(m_main->currentUser().CustomKeys, QStringLiteral("xy"));
    for (QChar c : shownLine(*w))
        QVERIFY(QStringLiteral("xy").contains(c));

    // Esc reuses the stored keys without asking.
    QTest::keyClick(w->TxtInput, Qt::Key_Escape);
    QCOMPARE(m_prompter.calls().size(), 1);
    for (QChar c : shownLine(*w))
        QVERIFY(QStringLiteral("xy").contains(c));

    // A cancelled question keeps the keys and the line.
    const QString before = shownLine(*w);
    QTest::keyClick(w->TxtInput, 'x');
    w->LaSelectClick(DrillSets::CustomIndex);
    QCOMPARE(m_prompter.calls().size(), 2);
    QCOMPARE(m_main->currentUser().CustomKeys, QStringLiteral("xy"));
    QCOMPARE(shownLine(*w), before);
    QCOMPARE(w->drillPosition(), 1);
}

void TstDrillWindow::startFromMenu()
{
    m_main->MmuTT1Click(2);
    auto *w = qobject_cast<FomTT *>(m_main->openPracticeWindow());
    QVERIFY(w);
    QCOMPARE(m_main->currentUser().DrillIndex, 2);
    for (QChar c : shownLine(*w))
        QVERIFY(QStringLiteral("ei").contains(c));
    QCOMPARE(w->LaSelect[2]->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    QCOMPARE(w->LaSelect[0]->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    QVERIFY(w->Timer1->isActive());
    QCOMPARE(m_main->engine().CorrectCount, 0);
    QCOMPARE(visibleMarkers(*w), QStringList{shownLine(*w).left(1).toUpper()});

    // Choosing again from the menu gives a fresh window and session.
    QTest::keyClick(w->TxtInput, 'e');
    m_main->MmuTT1Click(8);
    w = qobject_cast<FomTT *>(m_main->openPracticeWindow());
    QVERIFY(w);
    QCOMPARE(m_main->engine().CorrectCount + m_main->engine().WrongCount, 0);
    QCOMPARE(w->drillPosition(), 0);
    for (QChar c : shownLine(*w))
        QVERIFY(c.isDigit());
}

void TstDrillWindow::customKeysFromTheMenu()
{
    m_prompter.planInput(QStringLiteral("ab"));
    m_prompter.planInput(QStringLiteral("cd"));
    m_main->MmuTT1Click(9);
    auto *w = qobject_cast<FomTT *>(m_main->openPracticeWindow());
    QVERIFY(w);
    QCOMPARE(m_prompter.calls().size(), 2);
    QCOMPARE(m_prompter.calls().at(1).defaultText, QStringLiteral("ab"));
    // The first line comes from the first answer, later ones from the second.
    for (QChar c : shownLine(*w))
        QVERIFY(QStringLiteral("ab").contains(c));
    QCOMPARE(m_main->currentUser().CustomKeys, QStringLiteral("cd"));
    QTest::keyClick(w->TxtInput, Qt::Key_Escape);
    for (QChar c : shownLine(*w))
        QVERIFY(QStringLiteral("cd").contains(c));

    // Cancelling from the menu changes nothing: same window, same line, same keys.
    const QString before = shownLine(*w);
    m_main->MmuTT1Click(9);
    QCOMPARE(m_main->openPracticeWindow(), w);
    QCOMPARE(shownLine(*w), before);
    QCOMPARE(m_main->currentUser().CustomKeys, QStringLiteral("cd"));
}

void TstDrillWindow::runToTheLimitSavesOneRecord()
{
    QDir(m_folder->root()).mkpath(QStringLiteral("MdbSet/UserMdb/") + User);
    m_main->setModalRunner([](QDialog &) {});
    FomTT *w = open();
    w->showLine(Line);
    QTest::keyClicks(w->TxtInput, QStringLiteral("asdx"));
    m_prompter.planAnswer(Prompter::Answer::Yes);
    int ticks = 0;
    while (w->Timer1->isActive() && ticks < 5000) {
        w->Timer1Tick();
        ++ticks;
    }
    QCOMPARE(ticks, 3001); // five minutes of 100 ms ticks
    QCOMPARE(m_prompter.calls().size(), 1);
    QCOMPARE(m_prompter.calls().first().title, QStringLiteral("提示：需要保存成绩吗？"));
    QVERIFY(m_prompter.calls().first().text.endsWith(QStringLiteral("不及格，加把劲呀，老兄!")));
    const QByteArray saved = m_folder->readBytes(u"MdbSet/UserMdb/" + User + u'/' + User + u"@FomTT.reu");
    QCOMPARE(saved.size(), 66);
    QCOMPARE(w->CmdShowSet[0]->text(), QStringLiteral("开始"));
    QCOMPARE(m_main->engine().CorrectCount, 0);
}

QTEST_MAIN(TstDrillWindow)
#include "tst_drill_window.moc"

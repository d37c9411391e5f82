#include "MDIForm1.h"
#include "InputBlocker.h"
#include "RecordingShell.h"
#include "RecordingSoundPlayer.h"
#include "ResultRecord.h"
#include "ScriptedPrompter.h"
#include "SessionRules.h"
#include "SysKnot.h"
#include "TempProgramFolder.h"
#include "TestPracticeWindow.h"
#include "VbFormat.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <memory>

using namespace Qt::StringLiterals;

class TestShellSession : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void startFillsTheLimitsOnceAndRuns();
    void pickingALimitRestartsWithIt();
    void runEndsOnTheRightTick_data();
    void runEndsOnTheRightTick();
    void tickRules_data();
    void tickRules();
    void oneTickFillsTheBoxes();
    void pauseIsNotPracticeTime();
    void gradeTables_data();
    void gradeTables();
    void timeUpSavedRun();
    void timeUpNotSaved();
    void runWithoutKeystrokes();
    void windowWithoutGradeTableOnlyWaits();
    void savingCreatesMissingResultsFolder();
    void resultGoesUnderTheLoginName();
    void failedResultSaveIsReported();
    void extraStatusBoxesAreEmptiedToo();
    void selectedIndexHelpers();

private:
    TestPracticeWindow *open(const QString &name, int boxes = 5);
    // One timer tick, `ms` after the previous one on the injected clock.
    void tick(TestPracticeWindow &window, qint64 ms = 100);
    // Ticks until the timer stops; the number of ticks it took.
    int runOut(TestPracticeWindow &window, qint64 ms = 100);

    qint64 m_now = 0;

    std::unique_ptr<TempProgramFolder> m_folder;
    std::unique_ptr<ScriptedPrompter> m_prompter;
    std::unique_ptr<RecordingSoundPlayer> m_sound;
    std::unique_ptr<RecordingShell> m_shell;
    std::unique_ptr<MDIForm1> m_main;
};

void TestShellSession::init()
{
    m_folder = std::make_unique<TempProgramFolder>();
    m_prompter = std::make_unique<ScriptedPrompter>();
    m_sound = std::make_unique<RecordingSoundPlayer>();
    m_shell = std::make_unique<RecordingShell>();
    m_main = std::make_unique<MDIForm1>(PlatformServices{m_prompter.get(), m_sound.get(), m_shell.get()});
    m_main->setCurrentUser(UserRecord::newUser(u"ann"_s, QString()), u"ann"_s);
    QDir(m_folder->root()).mkpath(u"MdbSet/UserMdb/ann"_s);
    m_main->engine().setClock([] { return QDateTime(QDate(2026, 12, 11), QTime(12, 0)); });
    m_now = 0;
    m_main->engine().setMonotonicClock([this] { return m_now; });
}

void TestShellSession::cleanup()
{
    m_main.reset();
    m_folder.reset();
}

TestPracticeWindow *TestShellSession::open(const QString &name, int boxes)
{
    m_main->registerWindow(name, [name, boxes](MDIForm1 &main) {
        return new TestPracticeWindow(main, name, boxes);
    });
    return static_cast<TestPracticeWindow *>(m_main->ShowPracticeWindow(name));
}

void TestShellSession::tick(TestPracticeWindow &window, qint64 ms)
{
    m_now += ms;
    m_main->engine().SessionTick(window);
}

int TestShellSession::runOut(TestPracticeWindow &window, qint64 ms)
{
    int ticks = 0;
    while (window.Timer1->isActive() && ticks < 100000) {
        tick(window, ms);
        ++ticks;
    }
    return ticks;
}

void TestShellSession::startFillsTheLimitsOnceAndRuns()
{
    TestPracticeWindow *w = open(u"FomTT"_s);
    QVERIFY(w);
    const QStringList limits = {u"3分钟"_s, u"5分钟"_s, u"8分钟"_s, u"10分钟"_s,
                                u"15分钟"_s, u"20分钟"_s, u"25分钟"_s, u"30分钟"_s};
    QStringList shown;
    for (int i = 0; i < w->Combo1->count(); ++i)
        shown << w->Combo1->itemText(i);
    QCOMPARE(shown, limits);
    QCOMPARE(w->Combo1->currentText(), u"5分钟"_s);
    QCOMPARE(w->TxtStatu[4]->text(), u"5分钟"_s);
    QVERIFY(w->Timer1->isActive());

    m_main->engine().CorrectCount = 3;
    w->TxtStatu[0]->setText(u"3个"_s);
    m_main->engine().StartSession(*w);
    QCOMPARE(w->Combo1->count(), 8);
    QCOMPARE(m_main->engine().CorrectCount, 0);
    QCOMPARE(w->TxtStatu[0]->text(), QString());
}

void TestShellSession::pickingALimitRestartsWithIt()
{
    TestPracticeWindow *w = open(u"FomTT"_s);
    tick(*w);
    m_main->engine().CorrectCount = 9;
    m_main->engine().WrongCount = 2;
    w->Timer1->stop();
    w->Combo1->setCurrentIndex(3);
    QCOMPARE(w->TxtStatu[4]->text(), u"10分钟"_s);
    QCOMPARE(w->TxtStatu[0]->text(), QString());
    QCOMPARE(m_main->engine().CorrectCount, 0);
    QCOMPARE(m_main->engine().WrongCount, 0);
    QVERIFY(w->Timer1->isActive());
    tick(*w);
    QCOMPARE(w->TxtStatu[4]->text(), u" 9.998"_s);
}

void TestShellSession::runEndsOnTheRightTick_data()
{
    QTest::addColumn<int>("limitIndex");
    QTest::addColumn<int>("tickMs");
    QTest::addColumn<int>("ticks");
    // The run lasts its limit in time, however often the timer manages to tick.
    QTest::addRow("3 minutes") << 0 << 100 << 1801;
    QTest::addRow("5 minutes") << 1 << 100 << 3001;
    QTest::addRow("8 minutes") << 2 << 100 << 4801;
    QTest::addRow("3 minutes, late ticks") << 0 << 250 << 721;
    QTest::addRow("30 minutes, ticks a second apart") << 7 << 1000 << 1801;
}

void TestShellSession::runEndsOnTheRightTick()
{
    QFETCH(int, limitIndex);
    QFETCH(int, tickMs);
    QFETCH(int, ticks);
    TestPracticeWindow *w = open(u"FomTT"_s);
    w->Combo1->setCurrentIndex(limitIndex);
    const qint64 started = m_now;
    for (int i = 1; i < ticks; ++i)
        tick(*w, tickMs);
    QCOMPARE(m_now - started, qint64(VbFormat::leadingNumber(w->Combo1->currentText()) * 60000));
    QVERIFY(w->Timer1->isActive());
    QCOMPARE(w->TxtStatu[4]->text(), u" 0.000"_s);
    QVERIFY(m_prompter->calls().isEmpty());
    tick(*w, tickMs);
    QVERIFY(!w->Timer1->isActive());
    QCOMPARE(m_prompter->calls().size(), 1);
}

void TestShellSession::tickRules_data()
{
    QTest::addColumn<int>("right");
    QTest::addColumn<int>("wrong");
    QTest::addColumn<QString>("limit");
    QTest::addColumn<int>("elapsedMs");
    QTest::addColumn<QString>("accuracy"); // "-" = the box keeps its text
    QTest::addColumn<QString>("speed");
    QTest::addColumn<QString>("remaining");
    QTest::addColumn<bool>("timeUp");

    QTest::addRow("nothing elapsed") << 3 << 0 << u"5分钟"_s << 0 << u"100.00%"_s << u"-"_s
                                     << u" 5.000"_s << false;
    QTest::addRow("first tick") << 0 << 0 << u"5分钟"_s << 100 << u"-"_s << u"0个"_s << u" 4.998"_s
                                << false;
    QTest::addRow("small accuracy") << 11 << 189 << u"5分钟"_s << 60000 << u"05.50%"_s << u"11个"_s
                                    << u" 4.000"_s << false;
    QTest::addRow("all right") << 5 << 0 << u"5分钟"_s << 30000 << u"100.00%"_s << u"10个"_s
                               << u" 4.500"_s << false;
    QTest::addRow("half to even down") << 5 << 1 << u"3分钟"_s << 120000 << u"83.33%"_s << u"2个"_s
                                       << u" 1.000"_s << false;
    QTest::addRow("half to even up") << 7 << 0 << u"3分钟"_s << 120000 << u"100.00%"_s << u"4个"_s
                                     << u" 1.000"_s << false;
    QTest::addRow("ten minutes") << 0 << 3 << u"10分钟"_s << 100 << u"00.00%"_s << u"0个"_s
                                 << u" 9.998"_s << false;
    QTest::addRow("limit reached") << 1 << 0 << u"3分钟"_s << 180000 << u"100.00%"_s << u"0个"_s
                                   << u" 0.000"_s << false;
    QTest::addRow("limit passed") << 600 << 0 << u"3分钟"_s << 180100 << u"100.00%"_s << u"200个"_s
                                  << u"-"_s << true;
}

void TestShellSession::tickRules()
{
    QFETCH(int, right);
    QFETCH(int, wrong);
    QFETCH(QString, limit);
    QFETCH(int, elapsedMs);
    QFETCH(QString, accuracy);
    QFETCH(QString, speed);
    QFETCH(QString, remaining);
    QFETCH(bool, timeUp);
    const SessionRules::Tick t = SessionRules::tick(right, wrong, limit, elapsedMs);
    QCOMPARE(t.right, QString::number(right) + u'个');
    QCOMPARE(t.wrong, QString::number(wrong) + u'个');
    QCOMPARE(t.accuracy.value_or(u"-"_s), accuracy);
    QCOMPARE(t.speed.value_or(u"-"_s), speed);
    if (remaining != u"-")
        QCOMPARE(t.remaining, remaining);
    QCOMPARE(t.timeUp, timeUp);
}

void TestShellSession::oneTickFillsTheBoxes()
{
    TestPracticeWindow *w = open(u"FomTT"_s);
    w->TxtStatu[2]->setText(u"old"_s);
    m_main->engine().CorrectCount = 5;
    for (int i = 0; i < 300; ++i)
        tick(*w);
    QCOMPARE(w->TxtStatu[0]->text(), u"5个"_s);
    QCOMPARE(w->TxtStatu[1]->text(), u"0个"_s);
    QCOMPARE(w->TxtStatu[2]->text(), u"100.00%"_s);
    QCOMPARE(w->TxtStatu[3]->text(), u"10个"_s);
    QCOMPARE(w->TxtStatu[4]->text(), u" 4.500"_s);
    QVERIFY(w->Timer1->isActive());
}

void TestShellSession::pauseIsNotPracticeTime()
{
    TestPracticeWindow *w = open(u"FomTT"_s);
    for (int i = 0; i < 10; ++i)
        tick(*w);
    QCOMPARE(w->TxtStatu[4]->text(), u" 4.983"_s); // 1 s gone
    m_main->engine().PauseSession(*w);
    QVERIFY(!w->Timer1->isActive());
    m_now += 60000;
    m_main->engine().ResumeSession(*w);
    QVERIFY(w->Timer1->isActive());
    tick(*w, 200);
    QCOMPARE(w->TxtStatu[4]->text(), u" 4.980"_s); // 1.2 s

    // A stop nobody reported counts no more than a short stall.
    w->Timer1->stop();
    m_now += 60000;
    w->Timer1->start();
    tick(*w);
    QCOMPARE(w->TxtStatu[4]->text(), u" 4.963"_s); // 1.2 s and 1 s at most for the gap
}

void TestShellSession::gradeTables_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<double>("speed");
    QTest::addColumn<QString>("message");
    const QString top = u"优秀，你已经是一个打字高手了!"_s;
    const QString excellent = u"优秀，你已经达到的专业打字员水平!"_s;
    const QString master = u"优良，你已经是一个打字高手了!"_s;
    const QString good = u"良好，离优秀只有一步之遥!"_s;
    const QString pass = u"及格，祝你更上一层楼!"_s;
    const QString fail = u"不及格，加把劲呀，老兄!"_s;
    for (const QString &w : {u"FomTT"_s, u"FomEnglish"_s}) {
        QTest::addRow("%s 220", qPrintable(w)) << w << 220.0 << top;
        QTest::addRow("%s 219", qPrintable(w)) << w << 219.0 << good;
        QTest::addRow("%s 187", qPrintable(w)) << w << 187.0 << good;
        QTest::addRow("%s 186", qPrintable(w)) << w << 186.0 << pass;
        QTest::addRow("%s 132", qPrintable(w)) << w << 132.0 << pass;
        QTest::addRow("%s 131", qPrintable(w)) << w << 131.0 << fail;
    }
    const QList<std::pair<double, QString>> wubi = {{80, excellent}, {79, master}, {65, master},
                                                     {64, good},      {50, good},   {49, pass},
                                                     {40, pass},      {39, fail},   {0, fail}};
    for (const auto &[s, m] : wubi)
        QTest::addRow("FomWT %g", s) << u"FomWT"_s << s << m;
    const QList<std::pair<double, QString>> text = {{100, excellent}, {99, master}, {85, master},
                                                     {84, good},       {70, good},   {69, pass},
                                                     {60, pass},       {59, fail}};
    for (const QString &w : {u"FomQW"_s, u"FomFreeInput"_s}) {
        for (const auto &[s, m] : text)
            QTest::addRow("%s %g", qPrintable(w), s) << w << s << m;
    }
}

void TestShellSession::gradeTables()
{
    QFETCH(QString, window);
    QFETCH(double, speed);
    QFETCH(QString, message);
    QCOMPARE(SessionRules::gradeMessage(window, speed).value_or(u"none"_s), message);
    QVERIFY(!SessionRules::gradeMessage(u"FomGame"_s, speed).has_value());
}

void TestShellSession::timeUpSavedRun()
{
    TestPracticeWindow *w = open(u"FomTT"_s);
    w->Combo1->setCurrentIndex(0);
    m_main->engine().CorrectCount = 600;
    m_main->engine().WrongCount = 10;
    m_prompter->planAnswer(Prompter::Answer::Yes);
    QCOMPARE(runOut(*w), 1801);

    QCOMPARE(m_prompter->calls().size(), 1);
    const ScriptedPrompter::Call call = m_prompter->calls().first();
    QCOMPARE(call.text, u"每分钟200个\r\n良好，离优秀只有一步之遥!"_s);
    QCOMPARE(call.title, u"提示：需要保存成绩吗？"_s);
    QCOMPARE(call.buttons, Prompter::Buttons::YesNo);

    const QList<ResultRecord> saved = ReadResults(u"ann"_s, u"FomTT"_s);
    QCOMPARE(m_folder->readBytes(u"MdbSet/UserMdb/ann/ann@FomTT.reu"_s).size(), 66);
    QCOMPARE(saved.size(), 1);
    QCOMPARE(saved[0].RightCount, 600);
    QCOMPARE(saved[0].WrongTotal, 10);
    QCOMPARE(saved[0].Speed, 200);
    QCOMPARE(saved[0].TimeOfDay, 0.5);
    QCOMPARE(saved[0].SavedDate, double(QDate(1899, 12, 30).daysTo(QDate(2026, 12, 11))));
    QCOMPARE(saved[0].TimeLimit, 3.0);

    // Waiting for the next run.
    QCOMPARE(m_main->engine().CorrectCount, 0);
    QCOMPARE(m_main->engine().WrongCount, 0);
    QCOMPARE(w->Combo1->currentText(), u"5分钟"_s);
    QCOMPARE(w->Combo1->count(), 8);
    QVERIFY(!w->Timer1->isActive());
    QCOMPARE(w->CmdShowSet0->text(), u"开始"_s);
    QCOMPARE(w->TxtStatu[0]->text(), QString());
    QCOMPARE(w->TxtStatu[4]->text(), u"5分钟"_s);

    // Input is held back for a moment, and comes back.
    InputBlocker &blocker = m_main->SysKnot1()->inputBlocker();
    QVERIFY(blocker.isBlocking());
    blocker.tick();
    QVERIFY(!blocker.isBlocking());
}

void TestShellSession::timeUpNotSaved()
{
    TestPracticeWindow *w = open(u"FomQW"_s);
    w->Combo1->setCurrentIndex(0);
    m_main->engine().CorrectCount = 300;
    m_prompter->planAnswer(Prompter::Answer::No);
    runOut(*w);
    QCOMPARE(m_prompter->messageTexts(), QStringList{u"每分钟100个\r\n优秀，你已经达到的专业打字员水平!"_s});
    QVERIFY(!m_folder->exists(u"MdbSet/UserMdb/ann/ann@FomQW.reu"_s));
    QVERIFY(!w->Timer1->isActive());
    QCOMPARE(w->CmdShowSet0->text(), u"开始"_s);
    QCOMPARE(w->TxtStatu[4]->text(), u"5分钟"_s);
}

void TestShellSession::runWithoutKeystrokes()
{
    TestPracticeWindow *w = open(u"FomEnglish"_s);
    w->Combo1->setCurrentIndex(0);
    for (int i = 0; i < 1800; ++i)
        tick(*w);
    QCOMPARE(w->TxtStatu[2]->text(), QString());
    QCOMPARE(w->TxtStatu[3]->text(), u"0个"_s);
    tick(*w);
    QCOMPARE(m_prompter->messageTexts(), QStringList{u"每分钟0个\r\n不及格，加把劲呀，老兄!"_s});
}

void TestShellSession::windowWithoutGradeTableOnlyWaits()
{
    TestPracticeWindow *w = open(u"FomOther"_s);
    w->Combo1->setCurrentIndex(0);
    m_main->engine().CorrectCount = 50;
    QCOMPARE(runOut(*w), 1801);
    QVERIFY(m_prompter->calls().isEmpty());
    QCOMPARE(QDir(m_folder->path(u"MdbSet/UserMdb/ann"_s)).entryList(QDir::Files), QStringList());
    QCOMPARE(m_main->engine().CorrectCount, 0);
    QCOMPARE(w->CmdShowSet0->text(), u"开始"_s);
    QVERIFY(!w->Timer1->isActive());
}

void TestShellSession::savingCreatesMissingResultsFolder()
{
    m_main->setCurrentUser(UserRecord::newUser(u"bo"_s, QString()), u"bo"_s);
    TestPracticeWindow *w = open(u"FomWT"_s, 6);
    w->Combo1->setCurrentIndex(0);
    m_main->engine().CorrectCount = 150;
    m_prompter->planAnswer(Prompter::Answer::Yes);
    runOut(*w);
    QCOMPARE(m_prompter->messageTexts(), QStringList{u"每分钟50个\r\n良好，离优秀只有一步之遥!"_s});
    const QList<ResultRecord> saved = ReadResults(u"bo"_s, u"FomWT"_s);
    QCOMPARE(saved.size(), 1);
    QCOMPARE(saved[0].Speed, 50);
}

// A name field that did not survive GBK ("??") must not send the run to a folder of that name.
void TestShellSession::resultGoesUnderTheLoginName()
{
    m_main->setCurrentUser(UserRecord::newUser(u"??"_s, QString()), u"ann"_s);
    TestPracticeWindow *w = open(u"FomTT"_s);
    w->Combo1->setCurrentIndex(0);
    m_prompter->planAnswer(Prompter::Answer::Yes);
    runOut(*w);
    QCOMPARE(ReadResults(u"ann"_s, u"FomTT"_s).size(), 1);
    QCOMPARE(QDir(m_folder->path(u"MdbSet/UserMdb"_s)).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
             QStringList{u"ann"_s});
}

void TestShellSession::failedResultSaveIsReported()
{
    // A file where the results folder should be: the run cannot be written.
    QVERIFY(QDir(m_folder->path(u"MdbSet/UserMdb/ann"_s)).removeRecursively());
    m_folder->writeBytes(u"MdbSet/UserMdb/ann"_s, "x");
    TestPracticeWindow *w = open(u"FomTT"_s);
    w->Combo1->setCurrentIndex(0);
    m_main->engine().CorrectCount = 400;
    m_prompter->planAnswer(Prompter::Answer::Yes);
    m_prompter->planAnswer(Prompter::Answer::Ok);
    runOut(*w);
    QCOMPARE(m_prompter->calls().size(), 2);
    const ScriptedPrompter::Call failed = m_prompter->calls().at(1);
    QCOMPARE(failed.title, u"错误提示"_s);
    QVERIFY2(failed.text.startsWith(u"成绩没有保存。\n"_s), qPrintable(failed.text));
    QVERIFY2(failed.text.contains(u"ann"_s), qPrintable(failed.text));
    QCOMPARE(m_folder->readBytes(u"MdbSet/UserMdb/ann"_s), QByteArray("x"));
    // The window still goes back to waiting for the next run.
    QVERIFY(!w->Timer1->isActive());
    QCOMPARE(w->CmdShowSet0->text(), u"开始"_s);
}

void TestShellSession::extraStatusBoxesAreEmptiedToo()
{
    TestPracticeWindow *w = open(u"FomWT"_s, 6);
    w->TxtStatu[5]->setText(u"x"_s);
    m_main->engine().StartSession(*w);
    QCOMPARE(w->TxtStatu[5]->text(), QString());
    w->TxtStatu[5]->setText(u"y"_s);
    m_main->engine().RestartSession(*w);
    QCOMPARE(w->TxtStatu[5]->text(), QString());
}

void TestShellSession::selectedIndexHelpers()
{
    QList<QLabel *> labels;
    for (int i = 0; i < 4; ++i)
        labels << new QLabel(m_main.get());
    QCOMPARE(Mdiform::SelectedIndexOf(labels), 0);
    QPalette red = labels[2]->palette();
    red.setColor(QPalette::WindowText, QColor(255, 0, 0));
    labels[2]->setPalette(red);
    labels[3]->setPalette(red);
    QCOMPARE(Mdiform::SelectedIndexOf(labels), 2);

    QList<QAction *> entries = m_main->entries(u"MmuQW1"_s);
    QCOMPARE(Mdiform::SelectedIndexOf(entries), 0);
    entries[5]->setChecked(true);
    QCOMPARE(Mdiform::SelectedIndexOf(entries), 5);

    QVERIFY(Mdiform::IsChecked(1));
    QVERIFY(!Mdiform::IsChecked(-1));
}

QTEST_MAIN(TestShellSession)
#include "tst_shell_session.moc"

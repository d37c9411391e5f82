#include "DesktopShell.h"
#include "QtSoundPlayer.h"
#include "RecordingShell.h"
#include "RichText.h"
#include "ScriptedPrompter.h"
#include "StartState.h"
#include "TempProgramFolder.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

using namespace Qt::StringLiterals;

class TestPlatformServices : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void scriptedPrompterRecordsAndAnswersInOrder();
    void scriptedPrompterUnplannedAnswersCancel();
    void qtFilter_data();
    void qtFilter();
    void recordingShellRecordsAndCopiesForReal();
    void richTextPlainRoundTripIsGbkWithCrLf();
    void soundPlayerIsSilentForMissingFile();
    void startedProgramsLearnToStartMinimised_data();
    void startedProgramsLearnToStartMinimised();
    void startStateIsTakenOnce();
};

void TestPlatformServices::startedProgramsLearnToStartMinimised_data()
{
    QTest::addColumn<bool>("minimised");
    QTest::addColumn<QByteArray>("seen");
    QTest::addRow("minimised") << true << QByteArray("1");
    QTest::addRow("normal") << false << QByteArray("unset");
}

// A real child process reports what it found in its environment.
void TestPlatformServices::startedProgramsLearnToStartMinimised()
{
    QFETCH(bool, minimised);
    QFETCH(QByteArray, seen);
    QTemporaryDir dir;
    const QString program = dir.filePath(u"report"_s);
    QFile script(program);
    QVERIFY(script.open(QIODevice::WriteOnly));
    QVERIFY(script.write("#!/bin/sh\nprintf '%s' \"${KEYLOOM_START_MINIMISED-unset}\" > \"$1.part\"\n"
                         "mv \"$1.part\" \"$1\"\n") > 0);
    script.close();
    QVERIFY(script.setPermissions(script.permissions() | QFile::ExeUser));
    // Only the call decides: not what this process inherited itself.
    if (minimised)
        qunsetenv("KEYLOOM_START_MINIMISED");
    else
        qputenv("KEYLOOM_START_MINIMISED", "1");
    const QString out = dir.filePath(u"seen"_s);
    DesktopShell shell;
    QVERIFY(shell.startDetached(program, {out}, minimised));
    qunsetenv("KEYLOOM_START_MINIMISED");
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(out), 10000);
    QFile reported(out);
    QVERIFY(reported.open(QIODevice::ReadOnly));
    QCOMPARE(reported.readAll(), seen);
}

void TestPlatformServices::startStateIsTakenOnce()
{
    qputenv("KEYLOOM_START_MINIMISED", "1");
    QVERIFY(StartState::takeMinimised());
    QVERIFY(!qEnvironmentVariableIsSet("KEYLOOM_START_MINIMISED"));
    QVERIFY(!StartState::takeMinimised());
}

void TestPlatformServices::scriptedPrompterRecordsAndAnswersInOrder()
{
    ScriptedPrompter p;
    p.planAnswer(Prompter::Answer::Yes);
    p.planAnswer(Prompter::Answer::No);
    p.planInput(u"abc"_s);
    p.planFiles({u"/tmp/a.txt"_s, u"/tmp/b.txt"_s});
    p.planFolder(u"/tmp"_s);

    QCOMPARE(p.message(nullptr, u"每分钟5个\r\n不及格"_s, u"提示：需要保存成绩吗？"_s, Prompter::Buttons::YesNo),
             Prompter::Answer::Yes);
    QCOMPARE(p.message(nullptr, u"second"_s, u"t2"_s, Prompter::Buttons::YesNo), Prompter::Answer::No);
    QCOMPARE(p.input(nullptr, u"键"_s, u"自定义键练习"_s, QString()), std::optional<QString>(u"abc"_s));
    QCOMPARE(p.openFiles(nullptr, u"open"_s, u"/"_s, u"*.txt"_s, true),
             (QStringList{u"/tmp/a.txt"_s, u"/tmp/b.txt"_s}));
    QCOMPARE(p.folder(nullptr, u"choose"_s, u"c:"_s), u"/tmp"_s);

    QCOMPARE(p.messageTexts(), (QStringList{u"每分钟5个\r\n不及格"_s, u"second"_s}));
    QCOMPARE(p.titles(),
             (QStringList{u"提示：需要保存成绩吗？"_s, u"t2"_s, u"自定义键练习"_s, u"open"_s, u"choose"_s}));
    QCOMPARE(p.calls().at(0).buttons, Prompter::Buttons::YesNo);
    QCOMPARE(p.calls().at(4).defaultText, u"c:"_s);
}

void TestPlatformServices::scriptedPrompterUnplannedAnswersCancel()
{
    ScriptedPrompter p;
    QCOMPARE(p.message(nullptr, u"x"_s, u"t"_s, Prompter::Buttons::Ok), Prompter::Answer::Ok);
    QCOMPARE(p.message(nullptr, u"x"_s, u"t"_s, Prompter::Buttons::YesNo), Prompter::Answer::No);
    QCOMPARE(p.message(nullptr, u"x"_s, u"t"_s, Prompter::Buttons::OkCancel), Prompter::Answer::Cancel);
    QVERIFY(!p.input(nullptr, u"p"_s, u"t"_s, QString()).has_value());
    QVERIFY(p.openFiles(nullptr, u"t"_s, {}, {}, false).isEmpty());
    QVERIFY(p.saveFile(nullptr, u"t"_s, {}, {}).isEmpty());
    QVERIFY(!p.font(nullptr, QFont()).has_value());
    QVERIFY(!p.colour(nullptr, Qt::red).has_value());
    QCOMPARE(p.calls().size(), qsizetype(8));
}

void TestPlatformServices::qtFilter_data()
{
    QTest::addColumn<QString>("pairs");
    QTest::addColumn<QString>("filter");
    QTest::addRow("one pair") << u"文本文件|*.txt"_s << u"文本文件 (*.txt)"_s;
    QTest::addRow("two pairs, all files")
        << u"文本(*.txt)|*.txt|所有文件|*.*"_s << u"文本(*.txt) (*.txt);;所有文件 (*)"_s;
    QTest::addRow("several patterns") << u"文章|*.txt;*.rtf"_s << u"文章 (*.txt *.rtf)"_s;
    QTest::addRow("empty") << QString() << QString();
}

void TestPlatformServices::qtFilter()
{
    QFETCH(QString, pairs);
    QFETCH(QString, filter);
    QCOMPARE(Prompter::qtFilter(pairs), filter);
}

void TestPlatformServices::recordingShellRecordsAndCopiesForReal()
{
    TempProgramFolder folder;
    RecordingShell shell;
    QVERIFY(shell.openPath(folder.path(u"Keyloom帮助.htm"_s)));
    QVERIFY(shell.open(QUrl(u"mailto:someone@example.org?subject=keyloom：报告BUG！"_s)));
    QVERIFY(shell.startDetached(folder.path(u"glyphdex"_s), {}, true));
    QCOMPARE(shell.opened().size(), qsizetype(2));
    QVERIFY(shell.opened().at(0).isLocalFile());
    QCOMPARE(shell.opened().at(1).scheme(), u"mailto"_s);
    QCOMPARE(shell.started().at(0).program, folder.path(u"glyphdex"_s));
    QVERIFY(shell.started().at(0).minimised);

    folder.writeBytes(u"MdbSet/UserList/张三"_s, "rec");
    QVERIFY(shell.copyTree(folder.path(u"MdbSet"_s), folder.path(u"backup/MdbSet"_s)).ok());
    QCOMPARE(folder.readBytes(u"backup/MdbSet/UserList/张三"_s), QByteArray("rec"));
    QVERIFY(folder.exists(u"backup/MdbSet/UserMdb"_s));
    QVERIFY(shell.deleteTree(folder.path(u"backup"_s)));
    QVERIFY(!folder.exists(u"backup"_s));
}

void TestPlatformServices::richTextPlainRoundTripIsGbkWithCrLf()
{
    TempProgramFolder folder;
    QTextDocument doc;
    doc.setPlainText(u"第一行\n第二行"_s);
    QVERIFY(RichText::savePlain(&doc, folder.path(u"a.txt"_s)));
    QCOMPARE(folder.readBytes(u"a.txt"_s), QByteArray("\xB5\xDA\xD2\xBB\xD0\xD0\r\n\xB5\xDA\xB6\xFE\xD0\xD0"));

    QTextDocument back;
    QVERIFY(RichText::loadPlain(&back, folder.path(u"a.txt"_s)));
    QCOMPARE(back.toPlainText(), u"第一行\n第二行"_s);
    QCOMPARE(back.blockCount(), 2);
    QVERIFY(!RichText::loadPlain(&back, folder.path(u"missing.txt"_s)));
    QCOMPARE(back.toPlainText(), u"第一行\n第二行"_s);
}

void TestPlatformServices::soundPlayerIsSilentForMissingFile()
{
    TempProgramFolder folder;
    QtSoundPlayer player;
    player.play(folder.path(u"right.wav"_s));
    player.play(QString());
    folder.writeBytes(u"broken.wav"_s, "not a wave");
    player.play(folder.path(u"broken.wav"_s));
    player.play(folder.path(u"broken.wav"_s));
    QVERIFY(folder.exists(u"broken.wav"_s));
}

QTEST_MAIN(TestPlatformServices)
#include "tst_platform_services.moc"

#include "CutPathAfterExtension.h"
#include "FileTree.h"
#include "Gbk.h"
#include "ProgramFolder.h"
#include "RecordFile.h"
#include "TempProgramFolder.h"
#include "TextFile.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QScopeGuard>
#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(FileTree::CopyResult::Reason)

namespace {

// Every entry below `root` with its content, links as their targets, never followed.
QMap<QString, QByteArray> snapshot(const QString &root)
{
    QMap<QString, QByteArray> entries;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info = it.nextFileInfo();
        const QString relative = QDir(root).relativeFilePath(info.filePath());
        if (info.isSymLink()) {
            entries.insert(relative, "-> " + info.symLinkTarget().toUtf8());
        } else if (info.isDir()) {
            entries.insert(relative, "/");
        } else {
            QFile f(info.filePath());
            entries.insert(relative, f.open(QIODevice::ReadOnly) ? f.readAll() : "unreadable");
        }
    }
    return entries;
}

// The user data a backup copies: three files on three levels.
void writeMdbSet(const TempProgramFolder &folder)
{
    folder.writeBytes(u"MdbSet/GLY.dat"_s, "admin");
    folder.writeBytes(u"MdbSet/UserList/张三"_s, "record");
    folder.writeBytes(u"MdbSet/UserMdb/张三/张三@FomTT.reu"_s, QByteArray(66, '\x01'));
}

// Points HOME somewhere harmless for as long as it lives.
class ScratchHome
{
public:
    explicit ScratchHome(const QString &home) : m_old(qgetenv("HOME"))
    {
        QDir().mkpath(home);
        qputenv("HOME", QFile::encodeName(home));
    }
    ~ScratchHome() { qputenv("HOME", m_old); }

private:
    QByteArray m_old;
};

} // namespace

class TestPlatformFiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void programFolderPaths_data();
    void programFolderPaths();
    void gbkDecode_data();
    void gbkDecode();
    void gbkEncodeReportsWhatItCannotHold();
    void textFileCrLfAndAppend();
    void textFileRefusesUnencodableAndKeepsOldContent();
    void textFileReadLimits();
    void recordBytesMatchHandWrittenLayout();
    void recordReaderPastEndAndOlderLongerRecord();
    void recordFileCreatesMissingAndDropsStaleTail();
    void recordFileUnopenable();
    void cutPathAfterExtension_data();
    void cutPathAfterExtension();
    void copyTreeKeepsEmptyFoldersAndOverwrites();
    void copyTreeRefusesItsOwnTree_data();
    void copyTreeRefusesItsOwnTree();
    void copyTreeReportsTheFirstPathThatFailed_data();
    void copyTreeReportsTheFirstPathThatFailed();
    void deleteTreeRemovesReadOnlyAndNested();
    void deleteTreeNeverFollowsLinks();
    void protectedFolders_data();
    void protectedFolders();
    void deleteTreeSparesHomeAndWhatHoldsIt();
};

void TestPlatformFiles::programFolderPaths_data()
{
    QTest::addColumn<QString>("relative");
    QTest::addColumn<QString>("expected"); // relative to the root, forward slashes

    QTest::addRow("lower-case folder") << u"\\file\\组合\\二级\\横.txt"_s << u"File/组合/二级/横.txt"_s;
    QTest::addRow("exact spelling") << u"\\File\\组合\\二级\\横.txt"_s << u"File/组合/二级/横.txt"_s;
    QTest::addRow("mixed-case file") << u"\\BM\\Wbc5.zmd"_s << u"BM/wbc5.zmd"_s;
    QTest::addRow("upper-case everything") << u"\\bm\\WBC5.ZMD"_s << u"BM/wbc5.zmd"_s;
    QTest::addRow("missing last component keeps spelling") << u"\\bm\\New.Zmd"_s << u"BM/New.Zmd"_s;
    QTest::addRow("missing folder keeps spelling") << u"\\Nowhere\\X.txt"_s << u"Nowhere/X.txt"_s;
    QTest::addRow("trailing separator") << u"\\mdbset\\userlist\\"_s << u"MdbSet/UserList/"_s;
    QTest::addRow("plug-in executable") << u"\\glyphdex.exe"_s << u"glyphdex"_s;
    QTest::addRow("plug-in executable upper") << u"\\Lanwren.EXE"_s << u"lanwren"_s;
}

void TestPlatformFiles::programFolderPaths()
{
    QFETCH(QString, relative);
    QFETCH(QString, expected);
    TempProgramFolder folder;
    folder.writeText(u"File/组合/二级/横.txt"_s, u"一"_s);
    folder.writeText(u"BM/wbc5.zmd"_s, QString());
    folder.writeBytes(u"glyphdex"_s, "x");
    folder.writeBytes(u"lanwren"_s, "x");
    QCOMPARE(ProgramFolder::path(relative), folder.root() + u'/' + expected);
}

void TestPlatformFiles::gbkDecode_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");

    QTest::addRow("ascii") << QByteArray("abc\r\n") << u"abc\r\n"_s;
    QTest::addRow("two-byte") << QByteArray("\xD6\xD0\xB9\xFA") << u"中国"_s;
    QTest::addRow("euro sign") << QByteArray("\x80") << u"€"_s;
    QTest::addRow("full-width colon") << QByteArray("\xA3\xBA") << u"："_s;
    QTest::addRow("lead byte at the end") << QByteArray("a\xD6") << u"a\uFFFD"_s;
    QTest::addRow("invalid trail byte") << QByteArray("\xD6\x20z") << u"\uFFFD z"_s;
    QTest::addRow("0xFF alone") << QByteArray("\xFF") << u"\uFFFD"_s;
}

void TestPlatformFiles::gbkDecode()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(Gbk::decode(bytes), text);
}

void TestPlatformFiles::gbkEncodeReportsWhatItCannotHold()
{
    const Gbk::Encoded plain = Gbk::encode(u"中文 a?"_s);
    QVERIFY(plain.ok());
    QCOMPARE(plain.bytes, QByteArray("\xD6\xD0\xCE\xC4 a?"));

    const Gbk::Encoded mixed = Gbk::encode(u"好😀字\u0E01"_s);
    QVERIFY(!mixed.ok());
    QCOMPARE(mixed.unencodable, u"😀\u0E01"_s);
    QCOMPARE(Gbk::decode(mixed.bytes), u"好?字?"_s);
    QCOMPARE(Gbk::byteLength(u"张三abc"_s), qsizetype(7));
}

void TestPlatformFiles::textFileCrLfAndAppend()
{
    TempProgramFolder folder;
    const QString p = folder.path(u"t.txt"_s);
    QVERIFY(TextFile::write(p, u"一\n二\r\n三"_s).ok);
    QCOMPARE(folder.readBytes(u"t.txt"_s), QByteArray("\xD2\xBB\r\n\xB6\xFE\r\n\xC8\xFD"));
    QVERIFY(TextFile::append(p, u"\n四"_s).ok);
    QCOMPARE(TextFile::read(p).value(), u"一\r\n二\r\n三\r\n四"_s);

    const QString fresh = folder.path(u"new.txt"_s);
    QVERIFY(TextFile::append(fresh, u"x"_s).ok);
    QCOMPARE(folder.readBytes(u"new.txt"_s), QByteArray("x"));
}

void TestPlatformFiles::textFileRefusesUnencodableAndKeepsOldContent()
{
    TempProgramFolder folder;
    const QString p = folder.path(u"keep.txt"_s);
    QVERIFY(TextFile::write(p, u"旧"_s).ok);
    const TextFile::WriteResult bad = TextFile::write(p, u"新😀"_s);
    QVERIFY(!bad.ok);
    QCOMPARE(bad.unencodable, u"😀"_s);
    QCOMPARE(TextFile::read(p).value(), u"旧"_s);
    QVERIFY(!TextFile::append(p, u"😀"_s).ok);
    QCOMPARE(TextFile::read(p).value(), u"旧"_s);
}

void TestPlatformFiles::textFileReadLimits()
{
    TempProgramFolder folder;
    QVERIFY(!TextFile::read(folder.path(u"missing.txt"_s)).has_value());
    folder.writeBytes(u"big.txt"_s, QByteArray(100, 'a'));
    QVERIFY(!TextFile::read(folder.path(u"big.txt"_s), 99).has_value());
    QCOMPARE(TextFile::read(folder.path(u"big.txt"_s), 100).value().size(), qsizetype(100));
    QVERIFY(!TextFile::read(folder.root()).has_value());
}

void TestPlatformFiles::recordBytesMatchHandWrittenLayout()
{
    RecordWriter w;
    w.addString(u"张三"_s);
    w.addString(QString());
    w.addInt32(1);
    w.addInt32(-2);
    w.addInt16(-1);
    w.addString(u"FomTT"_s);
    w.addDouble(0.5);
    w.addBytes(QByteArray("ab"), 4);
    const QByteArray expected = QByteArray::fromHex("0400" "d5c5c8fd" "0000" "01000000" "feffffff" "ffff"
                                                    "0500" "466f6d5454" "000000000000e03f" "61620000");
    QCOMPARE(w.bytes(), expected);
    QVERIFY(w.unencodable().isEmpty());

    RecordReader r(expected);
    QCOMPARE(r.readString(), u"张三"_s);
    QCOMPARE(r.readString(), QString());
    QCOMPARE(r.readInt32(), 1);
    QCOMPARE(r.readInt32(), -2);
    QCOMPARE(r.readInt16(), qint16(-1));
    QCOMPARE(r.readString(), u"FomTT"_s);
    QCOMPARE(r.readDouble(), 0.5);
    QCOMPARE(r.readBytes(4), QByteArray("ab\0\0", 4));
}

void TestPlatformFiles::recordReaderPastEndAndOlderLongerRecord()
{
    // Shorter than the field list: the rest reads as empty and zero.
    RecordReader shortRecord(QByteArray::fromHex("0200" "4142" "0700"));
    QCOMPARE(shortRecord.readString(), u"AB"_s);
    QCOMPARE(shortRecord.readInt32(), 7); // only two of four bytes there
    QCOMPARE(shortRecord.readString(), QString());
    QCOMPARE(shortRecord.readInt32(), 0);
    QCOMPARE(shortRecord.readDouble(), 0.0);

    // A count running past the end keeps what is there.
    RecordReader torn(QByteArray::fromHex("0900" "4142"));
    QCOMPARE(torn.readString(), u"AB"_s);
    QCOMPARE(torn.readInt16(), qint16(0));

    // Bytes of an older, longer record after the fields are ignored.
    RecordReader longer(QByteArray::fromHex("0100" "5a" "05000000" "0300" "6f6c64"));
    QCOMPARE(longer.readString(), u"Z"_s);
    QCOMPARE(longer.readInt32(), 5);
}

void TestPlatformFiles::recordFileCreatesMissingAndDropsStaleTail()
{
    TempProgramFolder folder;
    const QString p = folder.path(u"MdbSet/UserList/someone"_s);
    const auto empty = RecordFile::load(p);
    QVERIFY(empty.has_value());
    QVERIFY(empty->isEmpty());
    QVERIFY(folder.exists(u"MdbSet/UserList/someone"_s));

    QVERIFY(RecordFile::save(p, QByteArray("0123456789")));
    QVERIFY(RecordFile::save(p, QByteArray("abc")));
    QCOMPARE(folder.readBytes(u"MdbSet/UserList/someone"_s), QByteArray("abc"));
    QCOMPARE(RecordFile::load(p).value(), QByteArray("abc"));
    // No temporary file left beside it.
    QCOMPARE(QDir(folder.path(u"MdbSet/UserList"_s)).entryList(QDir::Files), QStringList{u"someone"_s});
}

void TestPlatformFiles::recordFileUnopenable()
{
    TempProgramFolder folder;
    QDir(folder.root()).mkpath(u"MdbSet/UserList/adir"_s);
    const QString dir = folder.path(u"MdbSet/UserList/adir"_s);
    QVERIFY(!RecordFile::load(dir).has_value());
    QVERIFY(!RecordFile::save(dir, QByteArray("x")));
    const QString noParent = folder.path(u"Missing/Folder/record"_s);
    QVERIFY(!RecordFile::load(noParent).has_value());
    QVERIFY(!RecordFile::save(noParent, QByteArray("x")));
    QVERIFY(!folder.exists(u"Missing"_s));
}

void TestPlatformFiles::cutPathAfterExtension_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("cut");

    QTest::addRow("text after .TXT") << u"C:\\k\\中文打字资料\\一级.TXT(共享)"_s << u"C:\\k\\中文打字资料\\一级.TXT"_s;
    QTest::addRow("plain .TXT") << u"\\a\\b.TXT"_s << u"\\a\\b.TXT"_s;
    QTest::addRow(".RTF when no .T") << u"\\a\\b.RTFxyz"_s << u"\\a\\b.RTF"_s;
    QTest::addRow("lower-case .txt last choice") << u"\\a\\b.txt more"_s << u"\\a\\b.txt"_s;
    QTest::addRow(".T wins over earlier .R") << u"\\a\\x.Rb.Tc"_s << u"\\a\\x.Rb.Tc"_s.left(10);
    QTest::addRow("only lower-case r") << u"\\a\\b.rtf"_s << QString();
    QTest::addRow("no separator") << u"b.TXT"_s << QString();
    QTest::addRow("empty") << QString() << QString();
    QTest::addRow("dot only in folder part") << u"\\x.Tdir\\file"_s << QString();
    QTest::addRow("linux separators") << u"/home/u/文章.TXT tail"_s << u"/home/u/文章.TXT"_s;
    QTest::addRow("short extension at the end") << u"\\a\\b.T"_s << u"\\a\\b.T"_s;
}

void TestPlatformFiles::cutPathAfterExtension()
{
    QFETCH(QString, path);
    QFETCH(QString, cut);
    QCOMPARE(CutPathAfterExtension(path), cut);
}

void TestPlatformFiles::copyTreeKeepsEmptyFoldersAndOverwrites()
{
    TempProgramFolder folder;
    folder.writeBytes(u"src/a.txt"_s, "new");
    folder.writeBytes(u"src/sub/b.bin"_s, "bbb");
    QDir(folder.root()).mkpath(u"src/empty/deeper"_s);
    folder.writeBytes(u"dst/a.txt"_s, "old, longer content");
    QFile::setPermissions(folder.path(u"dst/a.txt"_s), QFile::ReadOwner);

    QVERIFY(FileTree::copyRecursively(folder.path(u"src"_s), folder.path(u"dst"_s)).ok());
    QCOMPARE(folder.readBytes(u"dst/a.txt"_s), QByteArray("new"));
    QCOMPARE(folder.readBytes(u"dst/sub/b.bin"_s), QByteArray("bbb"));
    QVERIFY(QFileInfo(folder.path(u"dst/empty/deeper"_s)).isDir());
    QCOMPARE(QFile::permissions(folder.path(u"dst/a.txt"_s)), QFile::permissions(folder.path(u"src/a.txt"_s)));

    // A sibling whose name starts with the source's is not inside it.
    QVERIFY(FileTree::copyRecursively(folder.path(u"src"_s), folder.root() + u"/src2"_s).ok());
    QCOMPARE(folder.readBytes(u"src2/sub/b.bin"_s), QByteArray("bbb"));

    // A link in the target is replaced, not written through.
    folder.writeBytes(u"outside.txt"_s, "outside");
    QVERIFY(QFile::remove(folder.path(u"dst/sub/b.bin"_s)));
    QVERIFY(QFile::link(folder.path(u"outside.txt"_s), folder.root() + u"/dst/sub/b.bin"_s));
    QVERIFY(FileTree::copyRecursively(folder.path(u"src"_s), folder.path(u"dst"_s)).ok());
    QVERIFY(!QFileInfo(folder.path(u"dst/sub/b.bin"_s)).isSymLink());
    QCOMPARE(folder.readBytes(u"dst/sub/b.bin"_s), QByteArray("bbb"));
    QCOMPARE(folder.readBytes(u"outside.txt"_s), QByteArray("outside"));

    const FileTree::CopyResult missing = FileTree::copyRecursively(folder.path(u"nothing"_s), folder.path(u"dst2"_s));
    QCOMPARE(missing.reason, FileTree::CopyResult::SourceMissing);
    QVERIFY(!folder.exists(u"dst2"_s));
}

void TestPlatformFiles::copyTreeRefusesItsOwnTree_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("target");
    QTest::addColumn<FileTree::CopyResult::Reason>("reason");
    QTest::addColumn<QString>("failedPath"); // empty: the target itself
    using R = FileTree::CopyResult;

    QTest::addRow("onto itself") << u"MdbSet"_s << u"MdbSet"_s << R::TargetIsSource << QString();
    QTest::addRow("onto itself spelled with dots") << u"MdbSet"_s << u"MdbSet/./UserList/.."_s << R::TargetIsSource << QString();
    QTest::addRow("onto itself through a link") << u"MdbSet"_s << u"toMdbSet"_s << R::TargetIsSource << QString();
    // The system takes ".." after a link to the link's parent, not to the folder holding the link.
    QTest::addRow("dots after a link") << u"MdbSet"_s << u"toUserList/.."_s << R::TargetIsSource << QString();
    QTest::addRow("a file onto itself") << u"MdbSet/GLY.dat"_s << u"toMdbSet/GLY.dat"_s << R::TargetIsSource << QString();
    QTest::addRow("into its own new subfolder") << u"MdbSet"_s << u"MdbSet/UserList/backup"_s << R::TargetInsideSource << QString();
    QTest::addRow("into a new folder behind a link") << u"MdbSet"_s << u"toUserList/backup/deeper"_s << R::TargetInsideSource << QString();
    QTest::addRow("into an existing subfolder") << u"MdbSet"_s << u"MdbSet/UserMdb/张三"_s << R::TargetInsideSource << QString();
    QTest::addRow("onto its own parent") << u"MdbSet/UserList"_s << u"MdbSet"_s << R::SourceInsideTarget << QString();
    QTest::addRow("onto a folder further up") << u"MdbSet/UserMdb/张三"_s << u"."_s << R::SourceInsideTarget << QString();
    QTest::addRow("onto its parent through a link") << u"toUserList"_s << u"toMdbSet"_s << R::SourceInsideTarget << QString();
    // Caught only on the way down: out/UserList already leads back into the source.
    QTest::addRow("through a link left in the target") << u"MdbSet"_s << u"out"_s << R::TargetInsideSource << u"out/UserList"_s;
}

void TestPlatformFiles::copyTreeRefusesItsOwnTree()
{
    QFETCH(QString, source);
    QFETCH(QString, target);
    QFETCH(FileTree::CopyResult::Reason, reason);
    QFETCH(QString, failedPath);
    TempProgramFolder folder;
    writeMdbSet(folder);
    const QString root = folder.root();
    QVERIFY(QFile::link(root + u"/MdbSet"_s, root + u"/toMdbSet"_s));
    QVERIFY(QFile::link(root + u"/MdbSet/UserList"_s, root + u"/toUserList"_s));
    QVERIFY(QDir(root).mkdir(u"out"_s));
    QVERIFY(QFile::link(root + u"/MdbSet/UserList"_s, root + u"/out/UserList"_s));
    const QMap<QString, QByteArray> sourceBefore = snapshot(root + u"/MdbSet"_s);
    const QMap<QString, QByteArray> before = snapshot(root);

    const FileTree::CopyResult result = FileTree::copyRecursively(root + u'/' + source, root + u'/' + target);
    QCOMPARE(result.reason, reason);
    QVERIFY(!result.ok());
    QCOMPARE(result.failedPath, root + u'/' + (failedPath.isEmpty() ? target : failedPath));
    QCOMPARE(snapshot(root + u"/MdbSet"_s), sourceBefore);
    if (failedPath.isEmpty())
        QCOMPARE(snapshot(root), before); // refused before anything was written
}

void TestPlatformFiles::copyTreeReportsTheFirstPathThatFailed_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("failedPath");
    QTest::addColumn<QStringList>("copied"); // files below the target the copy still wrote
    QTest::addRow("a file where the target folder goes")
        << u"file"_s << u"blocker/MdbSet"_s << u"blocker/MdbSet"_s << QStringList();
    QTest::addRow("a file where a subfolder goes")
        << u"subfolder"_s << u"out"_s << u"out/UserList"_s
        << QStringList{u"GLY.dat"_s, u"UserMdb/张三/张三@FomTT.reu"_s};
    QTest::addRow("a disk that runs full")
        << u"tmpfs"_s << u"small/MdbSet"_s << u"small/MdbSet/UserList/2.bin"_s
        << QStringList{u"GLY.dat"_s, u"UserList/1.bin"_s, u"UserList/3.bin"_s, u"UserList/张三"_s};
}

void TestPlatformFiles::copyTreeReportsTheFirstPathThatFailed()
{
    QFETCH(QString, setup);
    QFETCH(QString, target);
    QFETCH(QString, failedPath);
    QFETCH(QStringList, copied);
    TempProgramFolder folder;
    writeMdbSet(folder);
    const QString root = folder.root();
    bool mounted = false;
    const auto unmount = qScopeGuard([&] {
        if (mounted)
            QProcess::execute(u"umount"_s, {root + u"/small"_s});
    });
    if (setup == u"file") {
        folder.writeBytes(u"blocker"_s, "a file, not a folder");
    } else if (setup == u"subfolder") {
        folder.writeBytes(u"out/UserList"_s, "a file, not a folder");
    } else {
        QVERIFY(QDir(root).mkdir(u"small"_s));
        QProcess mount;
        mount.start(u"mount"_s, {u"-t"_s, u"tmpfs"_s, u"-o"_s, u"size=64k"_s, u"tmpfs"_s, root + u"/small"_s});
        mounted = mount.waitForFinished() && mount.exitStatus() == QProcess::NormalExit && mount.exitCode() == 0;
        if (!mounted)
            QSKIP("a small tmpfs cannot be mounted here");
        // 40 KiB fit, the next 40 KiB do not, the last small file fits again.
        folder.writeBytes(u"MdbSet/UserList/1.bin"_s, QByteArray(40 * 1024, 'a'));
        folder.writeBytes(u"MdbSet/UserList/2.bin"_s, QByteArray(40 * 1024, 'b'));
        folder.writeBytes(u"MdbSet/UserList/3.bin"_s, "c");
        folder.writeBytes(u"small/MdbSet/UserList/2.bin"_s, "old backup");
    }
    const QMap<QString, QByteArray> sourceBefore = snapshot(root + u"/MdbSet"_s);

    const FileTree::CopyResult result = FileTree::copyRecursively(root + u"/MdbSet"_s, root + u'/' + target);
    QCOMPARE(result.reason, FileTree::CopyResult::CopyFailed);
    QCOMPARE(result.failedPath, root + u'/' + failedPath);
    QCOMPARE(snapshot(root + u"/MdbSet"_s), sourceBefore);
    for (const QString &file : std::as_const(copied))
        QCOMPARE(folder.readBytes(target + u'/' + file), folder.readBytes(u"MdbSet/"_s + file));
    if (mounted) {
        // The file that did not fit keeps its old content, and no half-written copy is left.
        QCOMPARE(folder.readBytes(u"small/MdbSet/UserList/2.bin"_s), QByteArray("old backup"));
        QCOMPARE(QDir(root + u"/small/MdbSet/UserList"_s).entryList(QDir::Files | QDir::Hidden),
                 (QStringList{u"1.bin"_s, u"2.bin"_s, u"3.bin"_s, u"张三"_s}));
    }
}

void TestPlatformFiles::deleteTreeRemovesReadOnlyAndNested()
{
    TempProgramFolder folder;
    folder.writeBytes(u"MdbSet/UserMdb/张三/张三@FomTT.reu"_s, QByteArray(66, '\0'));
    folder.writeBytes(u"MdbSet/UserMdb/李四/.hidden"_s, "h");
    QDir(folder.root()).mkpath(u"MdbSet/UserMdb/空/a/b"_s);
    const QString ro = folder.path(u"MdbSet/UserMdb/李四/ro.txt"_s);
    folder.writeBytes(u"MdbSet/UserMdb/李四/ro.txt"_s, "r");
    QFile::setPermissions(ro, QFile::ReadOwner);
    folder.writeBytes(u"keep.txt"_s, "k");

    int betweenCalls = 0;
    QVERIFY(FileTree::deleteTree(folder.path(u"MdbSet/UserMdb"_s), [&] { ++betweenCalls; }));
    QVERIFY(!folder.exists(u"MdbSet/UserMdb"_s));
    QVERIFY(folder.exists(u"MdbSet/UserList"_s));
    QVERIFY(folder.exists(u"keep.txt"_s));
    QVERIFY(betweenCalls > 0);
    QVERIFY(!FileTree::deleteTree(folder.path(u"MdbSet/UserMdb"_s)));
}

void TestPlatformFiles::deleteTreeNeverFollowsLinks()
{
    TempProgramFolder folder;
    const QString root = folder.root();
    folder.writeBytes(u"outside/kept.txt"_s, "kept");
    QFile::setPermissions(root + u"/outside/kept.txt"_s, QFile::ReadOwner);
    const QFile::Permissions readOnly = QFile::permissions(root + u"/outside/kept.txt"_s);
    folder.writeBytes(u"gone/own.txt"_s, "own");
    QVERIFY(QFile::link(root + u"/outside/kept.txt"_s, root + u"/gone/toFile"_s));
    QVERIFY(QFile::link(root + u"/outside"_s, root + u"/gone/toFolder"_s));
    QVERIFY(QFile::link(root + u"/outside"_s, root + u"/topLink"_s));

    QVERIFY(FileTree::deleteTree(root + u"/gone"_s));
    QVERIFY(!folder.exists(u"gone"_s));
    QVERIFY(FileTree::deleteTree(root + u"/topLink"_s));
    QVERIFY(!QFileInfo(root + u"/topLink"_s).isSymLink());
    QCOMPARE(folder.readBytes(u"outside/kept.txt"_s), QByteArray("kept"));
    QCOMPARE(QFile::permissions(root + u"/outside/kept.txt"_s), readOnly);
}

void TestPlatformFiles::protectedFolders_data()
{
    QTest::addColumn<QString>("folder"); // "~" stands for the scratch home
    QTest::addColumn<bool>("isProtected");
    QTest::addRow("root") << u"/"_s << true;
    QTest::addRow("root spelled twice") << u"//"_s << true;
    QTest::addRow("root through dots") << u"/tmp/.."_s << true;
    QTest::addRow("home") << u"~"_s << true;
    QTest::addRow("home with a separator") << u"~/"_s << true;
    QTest::addRow("what holds home") << u"~/.."_s << true;
    QTest::addRow("a link to home") << u"~/../toHome"_s << true;
    QTest::addRow("a folder in home") << u"~/sub"_s << false;
    QTest::addRow("a sibling named like home") << u"~Too"_s << false;
    QTest::addRow("a missing folder in home") << u"~/none"_s << false;
}

void TestPlatformFiles::protectedFolders()
{
    QFETCH(QString, folder);
    QFETCH(bool, isProtected);
    TempProgramFolder program;
    const QString home = program.root() + u"/users/me"_s;
    const ScratchHome scratch(home);
    QVERIFY(QDir().mkpath(home + u"/sub"_s));
    QVERIFY(QDir().mkpath(home + u"Too"_s));
    QVERIFY(QFile::link(home, program.root() + u"/users/toHome"_s));
    folder.replace(u'~', home);
    QCOMPARE(FileTree::isProtectedFolder(folder), isProtected);
}

void TestPlatformFiles::deleteTreeSparesHomeAndWhatHoldsIt()
{
    TempProgramFolder program;
    const QString home = program.root() + u"/users/me"_s;
    const ScratchHome scratch(home);
    program.writeBytes(u"users/me/sub/notes.txt"_s, "notes");
    program.writeBytes(u"users/me/keep.txt"_s, "keep");
    QVERIFY(QFile::link(home, program.root() + u"/toHome"_s));

    QVERIFY(!FileTree::deleteTree(home));
    QVERIFY(!FileTree::deleteTree(program.root() + u"/users"_s));
    QVERIFY(!FileTree::deleteTree(program.root() + u"/toHome"_s));
    QVERIFY(QFileInfo(program.root() + u"/toHome"_s).isSymLink());
    QCOMPARE(program.readBytes(u"users/me/keep.txt"_s), QByteArray("keep"));
    QVERIFY(FileTree::deleteTree(home + u"/sub"_s));
    QVERIFY(!program.exists(u"users/me/sub"_s));
}

QTEST_GUILESS_MAIN(TestPlatformFiles)
#include "tst_platform_files.moc"

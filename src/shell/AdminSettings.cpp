#include "AdminSettings.h"

#include "ProgramFolder.h"
#include "RecordFile.h"
#include "VbFormat.h"

bool AdminSettings::singleUser() const
{
    return VbFormat::leadingNumber(UserMode) != 0;
}

QByteArray AdminSettings::encode() const
{
    RecordWriter w;
    w.addString(Reserved1);
    w.addString(AdminPassword);
    w.addString(UserMode);
    w.addString(AdminName);
    w.addString(SingleUserName);
    w.addInt32(DisableGame);
    w.addInt32(DisableChat);
    w.addInt32(ChatDeleted);
    return w.bytes();
}

AdminSettings AdminSettings::decode(const QByteArray &bytes)
{
    RecordReader in(bytes);
    AdminSettings s;
    s.Reserved1 = in.readString();
    s.AdminPassword = in.readString();
    s.UserMode = in.readString();
    s.AdminName = in.readString();
    s.SingleUserName = in.readString();
    s.DisableGame = in.readInt32();
    s.DisableChat = in.readInt32();
    s.ChatDeleted = in.readInt32();
    return s;
}

QString AdminSettings::path()
{
    return ProgramFolder::path(QStringLiteral("\\MdbSet\\GLY.dat"));
}

AdminSettings AdminSettings::load()
{
    const auto bytes = RecordFile::load(path());
    return bytes ? decode(*bytes) : AdminSettings();
}

bool AdminSettings::save() const
{
    return RecordFile::save(path(), encode());
}

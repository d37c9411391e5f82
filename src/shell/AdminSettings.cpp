#include "AdminSettings.h"

#include "ProgramFolder.h"
#include "RecordFile.h"
#include "VbFormat.h"

bool AdminSettings::singleUser() const
{
    return VbFormat::leadingNumber(UserMode) != 0;
}

namespace {

// The fields in file order, listed once for writing and for reading.
template<typename Settings, typename Io>
void transferFields(Settings &s, Io &io)
{
    io.field(s.Reserved1);
    io.field(s.AdminPassword);
    io.field(s.UserMode);
    io.field(s.AdminName);
    io.field(s.SingleUserName);
    io.field(s.DisableGame);
    io.field(s.DisableChat);
    io.field(s.ChatDeleted);
}

} // namespace

QByteArray AdminSettings::encode() const
{
    RecordWriter w;
    transferFields(*this, w);
    return w.bytes();
}

AdminSettings AdminSettings::decode(const QByteArray &bytes)
{
    RecordReader in(bytes);
    AdminSettings s;
    transferFields(s, in);
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

SaveResult AdminSettings::save() const
{
    RecordWriter w;
    transferFields(*this, w);
    return RecordFile::save(path(), w);
}

#include "FbApi.h"

#include "Cp1250.h"
#include "DatabaseCalls.h"

#include <QFile>
#include <QStandardPaths>
#include <QStringDecoder>

namespace {

// The embedded engine's lock files go to a directory of the account's own, its session's
// runtime directory. The engine's default, /tmp/firebird, is shared by every account and
// belongs to whoever made it first: the server package makes it firebird's, mode 0770, and
// without the package the first account to start the program makes it its own, so every
// other account is locked out. Separate lock directories share no database file unsafely:
// in its default mode (Super) the engine locks the file itself, exclusively, so the engine
// of another process is refused.
// A lock directory set from outside (an administrator's, a private server's) is kept.
void useOwnLockDirectory()
{
    if (qEnvironmentVariableIsSet("FIREBIRD_LOCK"))
        return;
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (runtime.isEmpty())
        return;
    qputenv("FIREBIRD_LOCK", QFile::encodeName(runtime + QStringLiteral("/firebird")));
}

// The engine's own words, the names of files and the operating system's reasons come in
// the system's encoding, UTF-8; only a value from the database (the key of a unique index
// that refused a row) comes in the connection's Windows-1250, and Polish text in it is
// practically never valid UTF-8.
QString statusText(const char *bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(QByteArrayView(bytes));
    return utf8.hasError() ? Cp1250::decode(QByteArray(bytes)) : text;
}

}

namespace FbApi {

Firebird::IMaster *master()
{
    // Before the client library reads its configuration, which happens once.
    static Firebird::IMaster *const instance = (useOwnLockDirectory(), Firebird::fb_get_master_interface());
    return instance;
}

Firebird::IUtil *util()
{
    return master()->getUtilInterface();
}

Status::Status() : status_(master()->getStatus()), wrapper_(status_)
{
    DatabaseCalls::began();
}

Status::~Status()
{
    status_->dispose();
    DatabaseCalls::ended();
}

void Status::check()
{
    if (!(wrapper_.getState() & Firebird::IStatus::STATE_ERRORS))
        return;
    char buffer[2048];
    util()->formatStatus(buffer, sizeof buffer, &wrapper_);
    QVector<long> codes;
    // The vector is a sequence of (argument kind, value) pairs ending with isc_arg_end;
    // error codes are the values of isc_arg_gds entries.
    const ISC_STATUS *vector = wrapper_.getErrors();
    for (int i = 0; vector[i] != isc_arg_end && i < 40; i += 2) {
        if (vector[i] == isc_arg_gds)
            codes.append(static_cast<long>(vector[i + 1]));
        else if (vector[i] == isc_arg_cstring)
            ++i; // length, pointer: one more slot
    }
    wrapper_.init();
    throw FbError(statusText(buffer).trimmed(), codes);
}

}

#include "FbService.h"

#include "FbApi.h"
#include "FbConnection.h"

namespace FbService {

namespace {

// A single letter before the colon is a Windows drive, not a host.
qsizetype hostEnd(const QString &name)
{
    const qsizetype colon = name.indexOf(u':');
    return colon > 1 ? colon : -1;
}

struct Disposer
{
    void operator()(Firebird::IXpbBuilder *builder) const { builder->dispose(); }
};

}

Target TargetOf(const QString &databaseName)
{
    const qsizetype end = hostEnd(databaseName);
    if (end < 0)
        return {.service = QStringLiteral("service_mgr"), .database = databaseName};
    return {.service = databaseName.left(end) + QStringLiteral(":service_mgr"), .database = databaseName.mid(end + 1)};
}

void Run(const QString &service, const DatabaseLogin &login, unsigned char action, const std::vector<Parameter> &parameters,
         const std::function<void(const QString &line)> &onLine)
{
    FbApi::Status status;
    std::unique_ptr<Firebird::IXpbBuilder, Disposer> attach(
        FbApi::util()->getXpbBuilder(&status, Firebird::IXpbBuilder::SPB_ATTACH, nullptr, 0));
    status.check();
    attach->insertString(&status, isc_spb_user_name, login.user.toUtf8().constData());
    attach->insertString(&status, isc_spb_password, login.password.toUtf8().constData());
    attach->insertString(&status, isc_spb_sql_role_name, FbConnection::Role);
    status.check();

    FbApi::Ref<Firebird::IProvider> provider(FbApi::master()->getDispatcher());
    const QByteArray serviceName = service.toLocal8Bit();
    FbApi::Ref<Firebird::IService> manager(provider->attachServiceManager(
        &status, serviceName.constData(), attach->getBufferLength(&status), attach->getBuffer(&status)));
    status.check();

    std::unique_ptr<Firebird::IXpbBuilder, Disposer> start(
        FbApi::util()->getXpbBuilder(&status, Firebird::IXpbBuilder::SPB_START, nullptr, 0));
    status.check();
    start->insertTag(&status, action);
    for (const Parameter &parameter : parameters) {
        switch (parameter.kind) {
        case Parameter::Kind::Text:
            start->insertString(&status, parameter.tag, parameter.text.toLocal8Bit().constData());
            break;
        case Parameter::Kind::Number:
            start->insertInt(&status, parameter.tag, int(parameter.number));
            break;
        case Parameter::Kind::Flag:
            start->insertTag(&status, parameter.tag);
            break;
        }
    }
    status.check();
    manager->start(&status, start->getBufferLength(&status), start->getBuffer(&status));
    status.check();

    // One line per query; an empty line ends the output. The service's failure comes
    // with the query that would have read past it. A service that asks for input is a
    // restore that ran out of backup file and wants the next volume: there is none.
    const unsigned char request[] = {isc_info_svc_stdin, isc_info_svc_line};
    unsigned char buffer[4096];
    const auto length = [&buffer](const unsigned char *at) {
        return at + 3 <= buffer + sizeof buffer ? unsigned(at[1]) | (unsigned(at[2]) << 8) : 0u;
    };
    for (bool more = true; more;) {
        manager->query(&status, 0, nullptr, sizeof request, request, sizeof buffer, buffer);
        status.check();
        more = false;
        for (const unsigned char *item = buffer; item < buffer + sizeof buffer && *item != isc_info_end;) {
            if (*item == isc_info_svc_stdin) {
                // Four bytes without a length: how much input the service waits for.
                if (item + 5 > buffer + sizeof buffer)
                    break;
                if ((item[1] | item[2] | item[3] | item[4]) != 0)
                    throw FbError(QStringLiteral("unexpected end of file: the backup has no more data"));
                item += 5;
            } else if (*item == isc_info_svc_line) {
                const unsigned size = length(item);
                const unsigned char *text = item + 3;
                if (text + size > buffer + sizeof buffer)
                    break;
                more = size > 0;
                if (more && onLine)
                    onLine(QString::fromLocal8Bit(reinterpret_cast<const char *>(text), qsizetype(size)).trimmed());
                item = text + size;
            } else {
                // isc_info_truncated or isc_info_data_not_ready: ask again.
                more = true;
                break;
            }
        }
    }
    // A successful detach releases the interface itself.
    manager->detach(&status);
    if (!status.failed())
        (void)manager.release();
}

}

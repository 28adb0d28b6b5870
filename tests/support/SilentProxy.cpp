#include "SilentProxy.h"

#include <arpa/inet.h>
#include <map>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int connectTo(int port)
{
    const int socket = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::connect(socket, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0) {
        ::close(socket);
        return -1;
    }
    return socket;
}

long long nowMs()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

constexpr long long LongestSilenceMs = 60000;

}

int TestServerPort(const TestServer &server)
{
    return server.host.section(u'/', 1).toInt();
}

SilentProxy::SilentProxy(int targetPort) : targetPort_(targetPort)
{
    listener_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(listener_, reinterpret_cast<sockaddr *>(&address), sizeof address);
    socklen_t length = sizeof address;
    ::getsockname(listener_, reinterpret_cast<sockaddr *>(&address), &length);
    port_ = ntohs(address.sin_port);
    ::listen(listener_, 16);
    thread_ = std::thread(&SilentProxy::run, this);
}

SilentProxy::~SilentProxy()
{
    stopping_ = true;
    thread_.join();
    // Closed, not left hanging: the server sees its clients go and can stop.
    for (const int socket : sockets_)
        ::close(socket);
    ::close(listener_);
}

QString SilentProxy::throughProxy(const TestServer &server, const QString &databaseName) const
{
    return QStringLiteral("127.0.0.1/%1:").arg(port_) + server.fileOf(databaseName);
}

void SilentProxy::fallSilent()
{
    silentSinceMs_ = nowMs();
    silent_ = true;
}

void SilentProxy::run()
{
    std::map<int, int> peers; // each socket and the one it forwards to
    while (!stopping_) {
        std::vector<pollfd> watched{{listener_, POLLIN, 0}};
        if (!silent_)
            for (const auto &[socket, peer] : peers)
                watched.push_back({socket, POLLIN, 0});
        if (silent_ && nowMs() - silentSinceMs_ > LongestSilenceMs)
            for (const int socket : sockets_)
                ::shutdown(socket, SHUT_RDWR);
        if (::poll(watched.data(), watched.size(), 50) <= 0)
            continue;
        if (watched[0].revents & POLLIN) {
            // Accepted even when silent: the connection is made, and then nothing comes.
            const int client = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
            const int server = silent_ ? -1 : connectTo(targetPort_);
            sockets_.push_back(client);
            if (server >= 0) {
                sockets_.push_back(server);
                peers[client] = server;
                peers[server] = client;
            }
        }
        for (size_t i = 1; i < watched.size() && !silent_; ++i) {
            if (!(watched[i].revents & (POLLIN | POLLHUP | POLLERR)))
                continue;
            char buffer[65536];
            const ssize_t read = ::read(watched[i].fd, buffer, sizeof buffer);
            const int peer = peers[watched[i].fd];
            if (read <= 0) {
                ::shutdown(peer, SHUT_WR);
                peers.erase(watched[i].fd);
                continue;
            }
            for (ssize_t sent = 0; sent < read;) {
                const ssize_t written = ::write(peer, buffer + sent, static_cast<size_t>(read - sent));
                if (written <= 0)
                    break;
                sent += written;
            }
        }
    }
}

#pragma once

#include "TestServer.h"

#include <QString>
#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

// A forwarding proxy on a local port of its own in front of the tests' server, which
// can fall silent: from then on it forwards nothing either way and answers nothing,
// yet keeps every connection open, as a server machine switched off or cut off
// looks to its clients. Falling silent before anyone connects makes a port that
// accepts connections and never answers. Silence lasts a minute at most, then every
// connection is cut, so that a program that fails to notice fails its test instead of
// hanging it.
class SilentProxy
{
public:
    explicit SilentProxy(int targetPort);
    ~SilentProxy();
    SilentProxy(const SilentProxy &) = delete;
    SilentProxy &operator=(const SilentProxy &) = delete;

    int port() const { return port_; }
    // The server's database name rewritten to go through this proxy.
    QString throughProxy(const TestServer &server, const QString &databaseName) const;
    void fallSilent();

private:
    void run();

    int listener_ = -1;
    int port_ = 0;
    int targetPort_;
    std::atomic<bool> silent_{false};
    std::atomic<long long> silentSinceMs_{0};
    std::atomic<bool> stopping_{false};
    std::vector<int> sockets_;
    std::thread thread_;
};

// The port of the tests' server, from its "localhost/port".
int TestServerPort(const TestServer &server);

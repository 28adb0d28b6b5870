#pragma once

#include "FbApi.h"

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

// Notices a server that no longer answers (its machine switched off, the cable
// pulled), which the client itself would notice only when TCP gives up a quarter of
// an hour later. An attachment of the watch's own pings the server now and then from
// a thread; a ping left unanswered too long aborts the watched attachment, so that a
// call hanging on it fails at once as a lost connection, and the loss is reported on
// the event loop for a program that was not waiting on the server just then.
class ServerWatch
{
public:
    struct Timing
    {
        std::chrono::milliseconds pingInterval;
        std::chrono::milliseconds silenceLimit; // an unanswered ping after this means the server is gone
    };
    static Timing timing();
    // Tests shorten the minute a user waits at most.
    static void setTiming(Timing timing);

    // Attaches to the same database with the same parameters; without that
    // attachment (the server refused it) nothing is watched.
    ServerWatch(Firebird::IProvider *provider, Firebird::IAttachment *watched, const QByteArray &databaseName,
                const std::vector<unsigned char> &parameters);
    ~ServerWatch();
    ServerWatch(const ServerWatch &) = delete;
    ServerWatch &operator=(const ServerWatch &) = delete;

private:
    void pingNowAndThen();
    void judgeSilence();
    void declareServerGone();

    Firebird::IAttachment *watched_;
    Firebird::IAttachment *own_ = nullptr;
    const Timing timing_;
    std::mutex mutex_;
    std::condition_variable wake_;
    bool stopping_ = false;
    bool gone_ = false;
    std::chrono::steady_clock::time_point pingSent_;
    bool pingPending_ = false;
    // Cleared when the watch ends, so that a report already on its way stays silent.
    std::shared_ptr<bool> stillWatching_ = std::make_shared<bool>(true);
    std::thread pinger_;
    std::thread judge_;
};

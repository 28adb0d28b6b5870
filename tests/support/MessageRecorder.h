#pragma once

#include "MessageSeam.h"

#include <QStringList>
#include <deque>

// Installs itself for its lifetime: records every warning and question and answers
// the questions from a script (No when the script is empty).
class MessageRecorder : public MessageSink
{
public:
    MessageRecorder() { MessageSeam::install(this); }
    ~MessageRecorder() override { MessageSeam::install(nullptr); }
    MessageRecorder(const MessageRecorder &) = delete;
    MessageRecorder &operator=(const MessageRecorder &) = delete;

    void answerNext(bool yes) { answers.push_back(yes); }

    void warning(const QString &text) override { warnings << text; }
    bool confirm(const QString &text) override
    {
        questions << text;
        if (answers.empty())
            return false;
        const bool yes = answers.front();
        answers.pop_front();
        return yes;
    }

    QStringList warnings;
    QStringList questions;

private:
    std::deque<bool> answers;
};

#pragma once

// Keeps the time the program's outermost database call began, so that a helper
// thread can tell a call that hangs (a server gone without a word) from a program
// that is merely busy. Every database call goes through an FbApi::Status, which marks
// its beginning and end; the watch over the server keeps its own calls out of it.
namespace DatabaseCalls {

void began();
void ended();

// Marks a call made without a status of its own.
class Call
{
public:
    Call() { began(); }
    ~Call() { ended(); }
    Call(const Call &) = delete;
    Call &operator=(const Call &) = delete;
};

// How long the outermost call in progress has lasted, in milliseconds; 0 when none
// is. Safe from any thread.
long long hangingForMilliseconds();

}

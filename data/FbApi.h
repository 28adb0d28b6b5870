#pragma once

// The one include of the Firebird client API, with the helpers that turn its
// status vectors into FbError.

#include "FbError.h"

#include <firebird/Interface.h>

#include <memory>

namespace FbApi {

// Owns one reference of a reference-counted Firebird interface.
struct Releaser
{
    void operator()(Firebird::IReferenceCounted *object) const
    {
        if (object)
            object->release();
    }
};
template <typename T>
using Ref = std::unique_ptr<T, Releaser>;

Firebird::IMaster *master();
Firebird::IUtil *util();

// A status wrapper for one call sequence; check() throws FbError when the last call failed.
class Status
{
public:
    Status();
    ~Status();
    Status(const Status &) = delete;
    Status &operator=(const Status &) = delete;

    Firebird::CheckStatusWrapper *operator&() { return &wrapper_; }
    bool failed() const { return wrapper_.getState() & Firebird::IStatus::STATE_ERRORS; }
    void check();

private:
    Firebird::IStatus *status_;
    Firebird::CheckStatusWrapper wrapper_;
};

}

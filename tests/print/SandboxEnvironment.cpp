#include "SettingsSandbox.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

// A safety net under every test of printing: whatever a test forgets, nothing it
// saves reaches the settings of the user running the tests.
class SandboxEnvironment : public ::testing::Environment
{
public:
    void SetUp() override { sandbox_ = std::make_unique<SettingsSandbox>(); }
    void TearDown() override { sandbox_.reset(); }

private:
    std::unique_ptr<SettingsSandbox> sandbox_;
};

[[maybe_unused]] ::testing::Environment *const environment =
    ::testing::AddGlobalTestEnvironment(new SandboxEnvironment);

}

// Every control library test runs with the message table the program starts with: the framework's and the
// control library's entries, put in by the registration the program's start-up calls.
#include "components/ComponentMessages.h"

#include <gtest/gtest.h>

namespace {

class RegisteredMessages : public ::testing::Environment {
public:
    void SetUp() override { gl::RegisterComponentMessages(); }
};

// gtest's own main runs the tests, so the environment is added while the program loads.
[[maybe_unused]] ::testing::Environment* const g_registeredMessages =
    ::testing::AddGlobalTestEnvironment(new RegisteredMessages);

} // namespace

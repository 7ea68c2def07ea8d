// Every test starts from the platform state a new program starts from, whatever ran before it and in whatever
// order the tests run (--gtest_shuffle).
#include "platform/system/StateReset.h"

#include <gtest/gtest.h>

namespace {

class PlatformReset : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override { win::ResetPlatformState(); }
};

[[maybe_unused]] const bool g_platformReset = [] {
    ::testing::UnitTest::GetInstance()->listeners().Append(new PlatformReset);
    return true;
}();

} // namespace

#pragma once
// The name of the running test, for the folders and files a test makes for itself.

#include <gtest/gtest.h>

#include <string>

namespace pelaconf {

inline std::string TestName() { return ::testing::UnitTest::GetInstance()->current_test_info()->name(); }

// Suite and name, unique across the whole test program.
inline std::string FullTestName() {
    const ::testing::TestInfo& test = *::testing::UnitTest::GetInstance()->current_test_info();
    return std::string(test.test_suite_name()) + "." + test.name();
}

} // namespace pelaconf

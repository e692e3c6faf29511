#include "app/command_line.h"

#include <gtest/gtest.h>

namespace pelaconf {
namespace {

TEST(CommandLine, TheFirstArgumentThatIsNoSwitchIsTheImagePath) {
    using Args = std::vector<std::string>;
    EXPECT_FALSE(FindImagePath(Args{}).has_value());
    EXPECT_FALSE(FindImagePath(Args{"/nochange", "-x"}).has_value());
    EXPECT_EQ(FindImagePath(Args{"/nochange", "C:\\My Pictures\\a.jpg", "b.jpg"}), "C:\\My Pictures\\a.jpg");
    EXPECT_FALSE(FindImagePath(Args{""}).has_value()) << "an empty argument is no image path";
    EXPECT_EQ(FindImagePath(Args{"", "/x", "a.jpg"}), "a.jpg") << "the next argument fills the empty path";
}

TEST(CommandLine, OnlyALineWithSomethingAfterTheProgramNameHoldsArguments) {
    EXPECT_FALSE(HasArgumentsAfterProgramName(L""));
    EXPECT_FALSE(HasArgumentsAfterProgramName(L"Pelaconf.exe \t "));
    EXPECT_FALSE(HasArgumentsAfterProgramName(L"\"C:\\My Programs\\Pelaconf.exe\" "));
    EXPECT_FALSE(HasArgumentsAfterProgramName(L"\"C:\\unclosed quote\\Pelaconf.exe"));
    EXPECT_TRUE(HasArgumentsAfterProgramName(L"\"C:\\My Programs\\Pelaconf.exe\" a.jpg"));
    EXPECT_TRUE(HasArgumentsAfterProgramName(L"\"C:\\My Programs\\Pelaconf.exe\"a.jpg"));
    EXPECT_TRUE(HasArgumentsAfterProgramName(L"C:\\Pelaconf.exe \"\"")) << "an empty argument counts";
}

} // namespace
} // namespace pelaconf

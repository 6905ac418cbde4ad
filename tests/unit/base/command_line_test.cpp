#include "base/command_line.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::u16string Tail(const char16_t* line) {
    return cmdline::CommandTail(line);
}

TEST(CommandTail, SkipsTheProgramNameAndTheBlanksAfterIt) {
    EXPECT_EQ(Tail(u"setup.exe /S /D=C:\\X"), u"/S /D=C:\\X");
    EXPECT_EQ(Tail(u"\"C:\\Program Files\\P\\Uninstall.exe\" /S"), u"/S");
    EXPECT_EQ(Tail(u"setup.exe \t  /S "), u"/S ");
    // A quoted part inside the name does not end it.
    EXPECT_EQ(Tail(u"C:\\\"My Setups\"\\setup.exe /S"), u"/S");
}

TEST(CommandTail, EmptyWhenThereAreNoArguments) {
    EXPECT_EQ(Tail(u"setup.exe"), u"");
    EXPECT_EQ(Tail(u"\"C:\\a b\\setup.exe\""), u"");
    EXPECT_EQ(Tail(u"setup.exe   "), u"");
    EXPECT_EQ(Tail(u""), u"");
    EXPECT_EQ(Tail(nullptr), u"");
}

TEST(CommandTail, AnUnclosedQuoteTakesTheWholeLine) {
    EXPECT_EQ(Tail(u"\"C:\\a b\\setup.exe /S"), u"");
}

TEST(CommandTail, ArgumentsKeepTheirQuotes) {
    EXPECT_EQ(Tail(u"setup.exe \"/D=C:\\a b\""), u"\"/D=C:\\a b\"");
    // Leading blanks before the name are not part of it: the name is then empty.
    EXPECT_EQ(Tail(u"  /S"), u"/S");
}

}  // namespace

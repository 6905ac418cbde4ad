// The UI driver's script language: what the harness writes must parse as meant, and what the
// driver prints must come back exact.

#include <gtest/gtest.h>

#include <cstring>

#include "tools/uidriver/script.h"

namespace {

using uidriver::Command;

Command Parse(const std::string& line) {
    Command command;
    std::string error;
    EXPECT_TRUE(uidriver::ParseCommand(line, &command, &error)) << line << ": " << error;
    return command;
}

std::string ParseError(const std::string& line) {
    Command command;
    std::string error;
    EXPECT_FALSE(uidriver::ParseCommand(line, &command, &error)) << line;
    return error;
}

TEST(DriverScript, NumbersAndTexts) {
    Command item = Parse("item 1004 2");
    ASSERT_NE(item.definition, nullptr);
    EXPECT_STREQ(item.definition->name, "item");
    EXPECT_EQ(item.numbers, (std::vector<long>{1004, 2}));
    EXPECT_TRUE(item.text.empty());

    // The text runs from after the one blank that ends the last word to the end of the line.
    EXPECT_EQ(Parse("settext 1001 Hello,  wine ").text, u"Hello,  wine ");
    EXPECT_EQ(Parse("settext 1001  leading").text, u" leading");
    EXPECT_EQ(Parse("settext 1001").text, u"");
    EXPECT_EQ(Parse("window   Tessark | Step 1").text, u"  Tessark | Step 1");
    EXPECT_EQ(Parse("msgbox").text, u"");
    EXPECT_EQ(Parse("settext 1001 Grüße").text, u"Grüße");
    // Unnamed controls: -1 and 65535 are the same identifier.
    EXPECT_EQ(Parse("text -1").numbers, (std::vector<long>{65535}));
    EXPECT_EQ(Parse("click   1").numbers, (std::vector<long>{1}));
    EXPECT_EQ(Parse("timeout 600000\r").numbers, (std::vector<long>{600000}));
}

TEST(DriverScript, BadCommandsAreRefusedWithTheirUsage) {
    EXPECT_NE(ParseError("clack 1").find("unknown command \"clack\""), std::string::npos);
    EXPECT_NE(ParseError("").find("unknown command"), std::string::npos);
    EXPECT_NE(ParseError("click").find("usage: click ID"), std::string::npos);
    EXPECT_NE(ParseError("click one").find("got \"one\""), std::string::npos);
    EXPECT_NE(ParseError("click 65536").find("control identifier"), std::string::npos);
    EXPECT_NE(ParseError("click -2").find("control identifier"), std::string::npos);
    EXPECT_NE(ParseError("item 1004 -1").find("an index"), std::string::npos);
    EXPECT_NE(ParseError("sleep 600001").find("milliseconds"), std::string::npos);
    EXPECT_NE(ParseError("click 1 2").find("too many arguments"), std::string::npos);
    EXPECT_NE(ParseError("window").find("missing text"), std::string::npos);
    EXPECT_NE(ParseError("window ").find("missing text"), std::string::npos);
    EXPECT_NE(ParseError("click 12345678901").find("control identifier"), std::string::npos);
    // Names are exact.
    EXPECT_NE(ParseError("Click 1").find("unknown command"), std::string::npos);
}

TEST(DriverScript, ScriptsSkipCommentsAndNameTheBadLine) {
    std::vector<Command> commands;
    std::string error;
    ASSERT_TRUE(uidriver::ParseScript(
        "# walk the smoke dialog\r\n\r\n  window Smoke\r\n\tclick 1002\n   # done\nclose",
        &commands, &error))
        << error;
    ASSERT_EQ(commands.size(), 3u);
    EXPECT_STREQ(commands[0].definition->name, "window");
    EXPECT_EQ(commands[0].text, u"Smoke");
    EXPECT_STREQ(commands[1].definition->name, "click");
    EXPECT_STREQ(commands[2].definition->name, "close");

    EXPECT_FALSE(uidriver::ParseScript("window Smoke\n\nclick x\n", &commands, &error));
    EXPECT_EQ(error.compare(0, 7, "line 3:"), 0) << error;
}

TEST(DriverScript, EscapesRoundTrip) {
    const std::u16string texts[] = {
        u"",          u"plain", u"C:\\Program Files\\", u"a\\nb", u"two\nlines\r\n", u"\ttab\\\\",
        u"Grüße ☃ 𝄞", u"\\"};
    for (const std::u16string& text : texts) {
        std::string escaped = uidriver::EscapeText(text);
        EXPECT_EQ(escaped.find_first_of("\r\n\t"), std::string::npos);
        EXPECT_EQ(uidriver::UnescapeText(escaped), text);
    }
    // Written by hand, a backslash that starts no escape stays.
    EXPECT_EQ(uidriver::UnescapeText("C:\\Program Files\\X"), u"C:\\Program Files\\X");
    EXPECT_EQ(uidriver::UnescapeText("a\\tb\\\\c\\"), u"a\tb\\c\\");
    EXPECT_EQ(Parse("settext 1 line one\\nline two").text, u"line one\nline two");
}

TEST(DriverScript, EveryCommandHasUsageAndHelp) {
    for (const uidriver::CommandSpec& definition : uidriver::Commands()) {
        EXPECT_EQ(uidriver::FindCommand(definition.name), &definition);
        EXPECT_EQ(
            std::string(definition.usage).compare(0, std::strlen(definition.name), definition.name),
            0)
            << definition.name;
        EXPECT_GT(std::strlen(definition.help), 10u) << definition.name;
    }
}

}  // namespace

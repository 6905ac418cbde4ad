#include "widgets/hyperlink_text.h"

#include <gtest/gtest.h>

namespace {

using widgets::BrowserCommandLine;
using widgets::HyperlinkFailureText;

TEST(HyperlinkTextTest, FailureTextNamesTheShellsReason) {
    const std::u16string prefix = u"Unable to open hyperlink:\n\n";
    EXPECT_EQ(HyperlinkFailureText(0),
              prefix + u"The operating system is out\nof memory or resources.");
    EXPECT_EQ(HyperlinkFailureText(2), prefix + u"The specified file was not found.");
    EXPECT_EQ(HyperlinkFailureText(26), prefix + u"A sharing violation occurred. ");
    EXPECT_EQ(HyperlinkFailureText(30),
              prefix +
                  u"The DDE transaction could not\nbe completed because other DDE "
                  u"transactions\nwere being processed.");
    EXPECT_EQ(HyperlinkFailureText(32),
              prefix + u"The specified dynamic-link library was not found.");
    // Codes without a text of their own, including those between the known ones.
    EXPECT_EQ(HyperlinkFailureText(1), prefix + u"Unknown Error (1) occurred.");
    EXPECT_EQ(HyperlinkFailureText(4), prefix + u"Unknown Error (4) occurred.");
    EXPECT_EQ(HyperlinkFailureText(33), prefix + u"Unknown Error (33) occurred.");
    EXPECT_EQ(HyperlinkFailureText(-7), prefix + u"Unknown Error (-7) occurred.");
}

TEST(HyperlinkTextTest, EveryKnownResultHasItsOwnReason) {
    const int known[] = {0, 2, 3, 5, 8, 11, 26, 27, 28, 29, 30, 31, 32};
    for (int a : known) {
        EXPECT_EQ(HyperlinkFailureText(a).find(u"Unknown Error"), std::u16string::npos) << a;
        for (int b : known) {
            if (a == b) continue;
            EXPECT_NE(HyperlinkFailureText(a), HyperlinkFailureText(b)) << a << " " << b;
        }
    }
}

TEST(HyperlinkTextTest, BrowserCommandIsCutAtItsPlaceholder) {
    const std::u16string url = u"http://example.com/a b";
    EXPECT_EQ(BrowserCommandLine(u"\"C:\\Browser\\browser.exe\" -osint -url \"%1\"", url),
              u"\"C:\\Browser\\browser.exe\" -osint -url  " + url);
    EXPECT_EQ(BrowserCommandLine(u"C:\\Browser\\browser.exe %1", url),
              u"C:\\Browser\\browser.exe  " + url);
    // The quoted placeholder wins over an earlier bare one.
    EXPECT_EQ(BrowserCommandLine(u"b.exe %1x \"%1\"", url), u"b.exe %1x  " + url);
    EXPECT_EQ(BrowserCommandLine(u"C:\\Browser\\browser.exe", url),
              u"C:\\Browser\\browser.exe " + url);
    EXPECT_EQ(BrowserCommandLine(u"", url), u" " + url);
}

}  // namespace

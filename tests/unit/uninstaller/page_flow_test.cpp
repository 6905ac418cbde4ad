// The order of the three pages.
#include "uninstaller/page_flow.h"

#include <gtest/gtest.h>

namespace {

using uninstaller::kPageCancel;
using uninstaller::kPageFailed;
using uninstaller::kPageNext;
using uninstaller::kPagePrev;
using uninstaller::NextPage;
using uninstaller::Page;

TEST(PageFlow, ForwardsBackwardsAndOut) {
    EXPECT_EQ(NextPage(Page::Welcome, kPageNext), Page::Progress);
    EXPECT_EQ(NextPage(Page::Welcome, kPagePrev), Page::Progress);
    EXPECT_EQ(NextPage(Page::Progress, kPageNext), Page::Complete);
    EXPECT_EQ(NextPage(Page::Progress, kPagePrev), Page::Welcome);
    EXPECT_EQ(NextPage(Page::Progress, 4711), Page::Welcome);
    EXPECT_EQ(NextPage(Page::Complete, kPagePrev), Page::Welcome);
    EXPECT_EQ(NextPage(Page::Complete, kPageNext), Page::End);
    for (Page page : {Page::Welcome, Page::Progress, Page::Complete}) {
        EXPECT_EQ(NextPage(page, kPageCancel), Page::End);
        EXPECT_EQ(NextPage(page, kPageFailed), Page::End);
    }
}

}  // namespace

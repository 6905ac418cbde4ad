#include "builder/ui/project_info_keys.h"

#include <gtest/gtest.h>

namespace {

using namespace ui;

TEST(ProjectInfoKeysTest, TabCycleRunsThroughTheTwelveFields) {
    EXPECT_EQ(kTabCycle[NextTabPlace(7006, 0)], 7001);  // from the last back to the first
    EXPECT_EQ(kTabCycle[NextTabPlace(7001, 0)], 7007);
    EXPECT_EQ(kTabCycle[NextTabPlace(7012, 0)], 7002);
    int place = 0;
    for (int i = 0; i < kTabCycleLength; ++i) place = NextTabPlace(kTabCycle[place], place);
    EXPECT_EQ(place, 0);  // twelve steps go round once
    // A window outside the cycle steps on from the remembered place.
    EXPECT_EQ(kTabCycle[NextTabPlace(999, 3)], 7010);
    EXPECT_EQ(kTabCycle[NextTabPlace(999, kTabCycleLength - 1)], 7001);
    // Shift+Tab goes back.
    EXPECT_EQ(kTabCycle[NextTabPlace(7001, 0, true)], 7006);
    EXPECT_EQ(kTabCycle[NextTabPlace(7002, 0, true)], 7012);
}

TEST(ProjectInfoKeysTest, AllBoxesGiveTheirStates) {
    EXPECT_EQ(AllBoxState(kNoChangeAllId), 2);
    EXPECT_EQ(AllBoxState(kCheckAllId), 1);
    EXPECT_EQ(AllBoxState(kUncheckAllId), 0);
    EXPECT_EQ(AllBoxState(7021), -1);
    EXPECT_EQ(AllBoxState(7027), -1);
}

}  // namespace

#include "installer/wizard_flow.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

namespace {

using installer::kPageCancel;
using installer::kPageFailed;
using installer::kPageNext;
using installer::kPagePrev;
using installer::kWizardEnd;
using installer::NextStep;

TEST(WizardFlowTest, NextAdvancesOneStepAndEndsAfterTheLast) {
    for (int step = 1; step < 8; ++step) {
        const auto t = NextStep(step, kPageNext);
        EXPECT_EQ(t.nextStep, step + 1) << step;
        EXPECT_TRUE(t.movingForward) << step;
    }
    EXPECT_EQ(NextStep(8, kPageNext).nextStep, kWizardEnd);
}

TEST(WizardFlowTest, CancelAndAFailedPageEndFromEveryStep) {
    for (int step = 1; step <= 8; ++step) {
        EXPECT_EQ(NextStep(step, kPageCancel).nextStep, kWizardEnd) << step;
        EXPECT_EQ(NextStep(step, kPageFailed).nextStep, kWizardEnd) << step;
    }
}

TEST(WizardFlowTest, PrevAndAnyOtherResultGoBack) {
    const std::vector<std::pair<int, int>> expected = {{1, 2}, {2, 1}, {3, 2}, {4, 3},
                                                       {5, 4}, {6, 5}, {7, 5}, {8, 7}};
    for (const auto& [step, previous] : expected) {
        for (int32_t result : {kPagePrev, 0, 3, 1012}) {
            const auto t = NextStep(step, result);
            EXPECT_EQ(t.nextStep, previous) << step << " " << result;
            EXPECT_FALSE(t.movingForward) << step << " " << result;
        }
    }
}

TEST(WizardFlowTest, AnEmptyTextPageEndsItselfInTheDirectionOfTravel) {
    EXPECT_EQ(installer::TextPageSkipResult(0, true), kPageNext);
    EXPECT_EQ(installer::TextPageSkipResult(0, false), kPagePrev);
    EXPECT_FALSE(installer::TextPageSkipResult(1, true).has_value());
    EXPECT_FALSE(installer::TextPageSkipResult(1, false).has_value());
}

// Drives the loop with scripted results; text pages with no text skip themselves.
struct ScriptedRun {
    std::set<int> emptyTextPages;
    std::vector<int32_t> userResults;  // consumed by pages that stay
    std::vector<std::pair<int, bool>> shown;

    void Run() {
        size_t next = 0;
        installer::RunWizard([&](int step, bool forward) -> int32_t {
            shown.emplace_back(step, forward);
            if (emptyTextPages.count(step)) {
                return *installer::TextPageSkipResult(0, forward);
            }
            if (next >= userResults.size()) return kPageCancel;
            return userResults[next++];
        });
    }
    std::vector<int> Steps() const {
        std::vector<int> steps;
        for (const auto& s : shown) steps.push_back(s.first);
        return steps;
    }
};

TEST(WizardFlowTest, EmptyReadmeAndLicenseAreSkippedInBothDirections) {
    ScriptedRun run;
    run.emptyTextPages = {2, 3};
    // Next on 1, Prev on 4 (back past 3 and 2 to 1), Next on 1, Next on 4 and 5, Next on 6,
    // Prev on 7 (to 5), Next on 5, 6, 7, Cancel (Finish) on 8.
    run.userResults = {kPageNext, kPagePrev, kPageNext, kPageNext, kPageNext,  kPageNext,
                       kPagePrev, kPageNext, kPageNext, kPageNext, kPageCancel};
    run.Run();
    const std::vector<int> expected = {1, 2, 3, 4, 3, 2, 1, 2, 3, 4, 5, 6, 7, 5, 6, 7, 8};
    EXPECT_EQ(run.Steps(), expected);
    // Step 3 reached backwards from 4 is entered with movingForward false.
    EXPECT_EQ(run.shown[4], std::make_pair(3, false));
    EXPECT_EQ(run.shown[13], std::make_pair(5, false));
    EXPECT_EQ(run.shown[14], std::make_pair(6, true));
}

}  // namespace

#pragma once
// The order of the installer's eight wizard steps. Every step is a modal page whose result
// decides the next step; this file holds those rules without any window.

#include <cstddef>
#include <cstdint>
#include <optional>

namespace installer {

// Page results. Anything other than Next and Cancel counts as Prev.
constexpr int32_t kPageNext = 1;     // IDOK
constexpr int32_t kPageCancel = 2;   // IDCANCEL
constexpr int32_t kPagePrev = 1011;  // the "<< &Prev" button's identifier
// What the dialog call returns when the page could not be created at all.
constexpr int32_t kPageFailed = -1;

constexpr int kFirstStep = 1;
constexpr int kLastStep = 8;
constexpr int kWizardEnd = 0;

struct StepTransition {
    int nextStep;        // 1..8, or kWizardEnd
    bool movingForward;  // the next page is entered with Next
};

// Where a page result on `step` leads. Prev from step 7 returns to the summary (step 5), so a
// Next from there installs again; step 1, having no Prev button, treats any other result as a
// way forward to step 2. A page that could not be shown ends the wizard rather than bouncing
// between two failing pages for ever.
StepTransition NextStep(int step, int32_t pageResult);

// A text page whose control ended up empty ends itself at once in the direction of travel.
// Returns the result to end with, or nothing when the page has text and stays.
std::optional<int32_t> TextPageSkipResult(size_t textLength, bool movingForward);

// Runs the step loop from step 1 until the end: `showPage(step, movingForward)` creates the
// page afresh, runs it modally and returns its result. A template, so that the installer stub
// carries no type-erasing function wrapper for it.
template <class ShowPage>
void RunWizard(const ShowPage& showPage) {
    StepTransition at{kFirstStep, true};
    while (at.nextStep != kWizardEnd) {
        const int32_t result = showPage(at.nextStep, at.movingForward);
        at = NextStep(at.nextStep, result);
    }
}

}  // namespace installer

#include "installer/wizard_flow.h"

namespace installer {

StepTransition NextStep(int step, int32_t pageResult) {
    if (step < kFirstStep || step > kLastStep) return {kWizardEnd, false};
    if (pageResult == kPageCancel || pageResult == kPageFailed) return {kWizardEnd, false};
    if (pageResult == kPageNext) {
        return {step == kLastStep ? kWizardEnd : step + 1, true};
    }
    switch (step) {
        case 1:
            return {2, false};
        case 7:
            return {5, false};
        default:
            return {step - 1, false};
    }
}

std::optional<int32_t> TextPageSkipResult(size_t textLength, bool movingForward) {
    if (textLength != 0) return std::nullopt;
    return movingForward ? kPageNext : kPagePrev;
}

}  // namespace installer

#include "builder/ui/project_info_keys.h"

namespace ui {

const int kTabCycle[kTabCycleLength] = {7001, 7007, 7008, 7009, 7010, 7011,
                                        7012, 7002, 7003, 7004, 7005, 7006};

const int kExpertOptionBoxIds[kExpertOptionBoxCount] = {7021, 7211, 7212, 7022,
                                                        7221, 7023, 7231, 7232};

int NextTabPlace(int focusedId, int rememberedPlace, bool backwards) {
    int place = rememberedPlace;
    for (int i = 0; i < kTabCycleLength; ++i) {
        if (kTabCycle[i] == focusedId) place = i;
    }
    place = ((place % kTabCycleLength) + kTabCycleLength) % kTabCycleLength;
    const int step = backwards ? kTabCycleLength - 1 : 1;
    return (place + step) % kTabCycleLength;
}

int AllBoxState(int windowId) {
    switch (windowId) {
        case kNoChangeAllId:
            return 2;
        case kCheckAllId:
            return 1;
        case kUncheckAllId:
            return 0;
        default:
            return -1;
    }
}

}  // namespace ui

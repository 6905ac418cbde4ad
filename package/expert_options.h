#pragma once
// The MetaTrader expert options a package asks the installer to set.

#include <cstdint>

// Each option: 0 off, 1 on, 2 leave the user's setting unchanged.
struct ExpertOptions {
    int32_t enableExperts = 2;
    int32_t disableOnAccountChange = 2;
    int32_t disableOnProfileChange = 2;
    int32_t allowLiveTrading = 2;
    int32_t askManualConfirmation = 2;
    int32_t allowDllImports = 2;
    int32_t confirmDllCalls = 2;
    int32_t allowExternalImports = 2;
};

// The eight options in member order; the trailer stores them in reverse.
inline constexpr int32_t ExpertOptions::*kExpertOptionFields[8] = {
    &ExpertOptions::enableExperts,          &ExpertOptions::disableOnAccountChange,
    &ExpertOptions::disableOnProfileChange, &ExpertOptions::allowLiveTrading,
    &ExpertOptions::askManualConfirmation,  &ExpertOptions::allowDllImports,
    &ExpertOptions::confirmDllCalls,        &ExpertOptions::allowExternalImports,
};

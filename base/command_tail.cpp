#include "base/command_tail.h"

namespace text {

const char16_t* CommandTail(const char16_t* commandLine) {
    if (!commandLine) return u"";
    const char16_t* p = commandLine;
    // The name ends at the first blank or control character outside quotes, as the C runtime
    // of Windows programs splits it.
    bool quoted = false;
    while (*p > u' ' || (*p && quoted)) {
        if (*p == u'"') quoted = !quoted;
        ++p;
    }
    while (*p && *p <= u' ') ++p;
    return p;
}

}  // namespace text

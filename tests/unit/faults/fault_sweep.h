#pragma once
// Runs a whole operation once for every call it makes through the os seam, with that one call
// failing: the N-th open, read, write, seek, create-folder, move or delete, for every N that a
// good run reaches.

#include <functional>
#include <string>
#include <vector>

#include "os/posix/fake_machine.h"

struct Fault {
    os::fake::Operation operation = os::fake::Operation::Open;
    int n = 0;  // 0: no call fails (the good run)
};

// "the 3rd write", or "no fault".
std::string Describe(const Fault& fault);

// The calls of each operation a good run made, after SweepFaults.
struct CallCounts {
    int calls[7] = {};
    int Of(os::fake::Operation operation) const { return calls[static_cast<int>(operation)]; }
};

// `prepare` sets the machine up (its calls are not counted), then `run` runs the operation and
// checks what it left. First a good run, which counts the calls; then, for each operation of
// `operations` and each N up to that count, a run with the N-th call failing. Returns the
// counts of the good run.
CallCounts SweepFaults(const std::vector<os::fake::Operation>& operations,
                       const std::function<void()>& prepare,
                       const std::function<void(const Fault&)>& run);

// Every operation of the fault plan.
extern const std::vector<os::fake::Operation> kEveryOperation;

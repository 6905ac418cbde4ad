#include "tests/unit/faults/fault_sweep.h"

#include <gtest/gtest.h>

using os::fake::Operation;

const std::vector<Operation> kEveryOperation = {
    Operation::Open,         Operation::Read, Operation::Write,  Operation::Seek,
    Operation::CreateFolder, Operation::Move, Operation::Delete,
};

std::string Describe(const Fault& fault) {
    if (fault.n == 0) return "no fault";
    static const char* const names[] = {"open",          "read", "write", "seek",
                                        "create-folder", "move", "delete"};
    const int n = fault.n;
    const char* suffix = (n % 100 >= 11 && n % 100 <= 13) ? "th"
                         : n % 10 == 1                    ? "st"
                         : n % 10 == 2                    ? "nd"
                         : n % 10 == 3                    ? "rd"
                                                          : "th";
    return "the " + std::to_string(n) + suffix + " " + names[static_cast<int>(fault.operation)];
}

CallCounts SweepFaults(const std::vector<Operation>& operations,
                       const std::function<void()>& prepare,
                       const std::function<void(const Fault&)>& run) {
    CallCounts counts;
    prepare();
    os::fake::ClearFaults();
    {
        SCOPED_TRACE("no fault");
        run(Fault());
    }
    for (const Operation operation : kEveryOperation) {
        counts.calls[static_cast<int>(operation)] = os::fake::CallCount(operation);
    }
    for (const Operation operation : operations) {
        for (int n = 1; n <= counts.Of(operation); ++n) {
            const Fault fault{operation, n};
            prepare();
            os::fake::ClearFaults();
            os::fake::FailNth(operation, n);
            SCOPED_TRACE(Describe(fault));
            run(fault);
            os::fake::ClearFaults();
        }
    }
    return counts;
}

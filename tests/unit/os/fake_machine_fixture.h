#pragma once
// A fresh fake machine below a temporary host folder for every test.

#include <gtest/gtest.h>

#include <string>

#include "os/posix/fake_machine.h"

class FakeMachineTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Host-side helpers that bypass the seam, so a test checks the seam against the disk.
    std::string Host(const os::Path& path) const { return os::fake::HostPath(path); }
    void WriteHostFile(const os::Path& path, const std::string& bytes) const;
    std::string ReadHostFile(const os::Path& path) const;
    bool HostExists(const os::Path& path) const;

    std::string root_;
};

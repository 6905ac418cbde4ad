#pragma once
// Runs the real tessark program in a fresh temporary folder per test, with its own TMPDIR, and
// gives host-side helpers to set up files and look at what the command left.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "builder/project/project_model.h"

// The status of a run on a terminal when the machine offers no pseudo-terminal.
constexpr int kNoTerminal = -2;

struct CommandOutcome {
    int status = -1;  // the exit status, or -1 when the program did not run or exit normally
    std::string out;
    std::string err;
};

class CliTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Runs tessark with `args` in the test folder (or `cwd` below it). With `terminal`, its
    // output goes to a pseudo-terminal, and `out` holds what the terminal got.
    CommandOutcome Run(const std::vector<std::string>& args, const std::string& cwd = "",
                       bool terminal = false) const;
    // Runs tessark and fails the test unless it exits with 0.
    CommandOutcome RunOk(const std::vector<std::string>& args, const std::string& cwd = "") const;

    std::string Path(const std::string& relative) const { return dir_ + "/" + relative; }
    void Write(const std::string& relative, const std::string& bytes) const;
    std::string Read(const std::string& relative) const;
    bool Exists(const std::string& relative) const;
    // The files left in the command's temporary folder.
    std::vector<std::string> TemporaryLeftovers() const;

    // The project at `relative`, read in this process; fails the test when it cannot be read.
    project::ProjectModel LoadProject(const std::string& relative) const;
    // A project with one file in each category, an installer stand-in "stub.exe", and
    // placeholder icon and banner files, all in the test folder ("p.eas").
    void MakeSampleProject() const;

    std::string dir_;
};

// The lines of `text`, without their line breaks.
std::vector<std::string> Lines(const std::string& text);
// The cells of a table row: the parts between runs of two or more blanks.
std::vector<std::string> Cells(const std::string& row);

#pragma once
// Reading a shell link (.lnk) file from Linux: where it points and with what.

#include <string>

namespace installertest {

struct ShellLink {
    std::string target;       // the local path the link points at (UTF-8 as far as ASCII)
    std::string description;  // its name string
    std::string arguments;
};

// Parses the bytes of a .lnk file. Throws std::runtime_error when they are not a shell link.
ShellLink ParseShellLink(const std::string& bytes);

}  // namespace installertest

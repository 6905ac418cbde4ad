#pragma once
// The registry of the Wine prefix, read through `wine reg query` (the 32-bit view, as our
// programs see it). Keys are written as reg.exe takes them:
// "HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Tessark".

#include <map>
#include <optional>
#include <string>

namespace winetest {

struct RegValue {
    std::string type;  // "REG_SZ", "REG_DWORD", ...
    std::string data;  // as reg.exe prints it: text as is, "0x1f" for a DWORD, hex for binary
};

// Value names to values, of the values directly in `key` (not its subkeys); the default value
// is named "(Default)". nullopt when the key does not exist.
std::optional<std::map<std::string, RegValue>> RegValues(const std::string& key);

// One value ("" for the default value); nullopt when the key or the value does not exist.
std::optional<RegValue> RegQuery(const std::string& key, const std::string& name);

// Parses the output of `reg query KEY`: the values listed under the first key heading.
std::map<std::string, RegValue> ParseRegQueryOutput(const std::string& output);

}  // namespace winetest

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

// A value as stored, which reg.exe does not show faithfully (a string without its terminating
// zero, say).
struct StoredRegValue {
    std::string type;  // the type number: "1" for REG_SZ, "4" for REG_DWORD, ...
    std::string hex;   // the stored bytes, exactly as many as stored, in lower-case hex
};

// Every value of a key below HKEY_LOCAL_MACHINE ("SOFTWARE\\..."), read through the installer
// area's regvalues.exe; nullopt when the key cannot be opened.
std::optional<std::map<std::string, StoredRegValue>> StoredRegValues(const std::string& key);

// Parses regvalues.exe's output: "name<TAB>type<TAB>hex" lines. Throws std::runtime_error for a
// line of another form.
std::map<std::string, StoredRegValue> ParseStoredRegValues(const std::string& output);

}  // namespace winetest

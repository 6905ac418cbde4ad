#include "tests/wine/harness/registry_query.h"

#include <sstream>
#include <stdexcept>

#include "tests/wine/harness/process.h"
#include "tests/wine/harness/session.h"

namespace winetest {

namespace {

// reg.exe separates name, type and data by four blanks.
constexpr const char* kSeparator = "    ";

std::optional<std::map<std::string, RegValue>> Query(const std::vector<std::string>& args) {
    std::vector<std::string> command = {"query"};
    command.insert(command.end(), args.begin(), args.end());
    ProcessResult result = Run("reg", command, RunOptions{30000});
    if (result.timedOut) throw std::runtime_error("wine reg query did not finish");
    if (result.exitCode != 0) return std::nullopt;
    return ParseRegQueryOutput(result.out);
}

}  // namespace

std::map<std::string, RegValue> ParseRegQueryOutput(const std::string& output) {
    std::map<std::string, RegValue> values;
    std::istringstream in(output);
    std::string line;
    bool inFirstKey = false;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) {
            if (inFirstKey && !values.empty()) break;
            continue;
        }
        if (line.compare(0, 4, kSeparator) != 0) {
            // A key heading: the first one is the key asked for, the next is a subkey.
            if (inFirstKey) break;
            inFirstKey = true;
            continue;
        }
        if (!inFirstKey) continue;
        std::string rest = line.substr(4);
        size_t typeStart = rest.find(std::string(kSeparator) + "REG_");
        if (typeStart == std::string::npos) continue;
        RegValue value;
        std::string name = rest.substr(0, typeStart);
        std::string typeAndData = rest.substr(typeStart + 4);
        size_t dataStart = typeAndData.find(kSeparator);
        if (dataStart == std::string::npos) {
            value.type = typeAndData;
        } else {
            value.type = typeAndData.substr(0, dataStart);
            value.data = typeAndData.substr(dataStart + 4);
        }
        values[name] = value;
    }
    return values;
}

std::optional<std::map<std::string, RegValue>> RegValues(const std::string& key) {
    return Query({key});
}

std::map<std::string, StoredRegValue> ParseStoredRegValues(const std::string& output) {
    std::map<std::string, StoredRegValue> values;
    std::istringstream in(output);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const size_t tab = line.find('\t');
        const size_t second = tab == std::string::npos ? tab : line.find('\t', tab + 1);
        if (second == std::string::npos) {
            throw std::runtime_error("regvalues.exe printed a line without two tabs: " + line);
        }
        values[line.substr(0, tab)] = {line.substr(tab + 1, second - tab - 1),
                                       line.substr(second + 1)};
    }
    return values;
}

std::optional<std::map<std::string, StoredRegValue>> StoredRegValues(const std::string& key) {
    ProcessResult result =
        Run(WinProgram("tests/wine/installer/regvalues.exe"), {key}, RunOptions{30000});
    if (result.timedOut) throw std::runtime_error("regvalues.exe did not finish");
    if (result.exitCode != 0) return std::nullopt;
    return ParseStoredRegValues(result.out);
}

std::optional<RegValue> RegQuery(const std::string& key, const std::string& name) {
    auto values = name.empty() ? Query({key, "/ve"}) : Query({key, "/v", name});
    if (!values) return std::nullopt;
    auto found = values->find(name.empty() ? "(Default)" : name);
    if (found == values->end()) return std::nullopt;
    return found->second;
}

}  // namespace winetest

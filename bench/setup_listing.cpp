#include "setup_listing.h"

#include <sstream>

#include "process.h"

namespace bench {

namespace {

// The cells of a row: the parts between runs of two or more blanks.
std::vector<std::string> Cells(const std::string& row) {
    std::vector<std::string> cells;
    size_t i = 0;
    while (i < row.size()) {
        while (i < row.size() && row[i] == ' ') ++i;
        if (i >= row.size()) break;
        size_t end = row.find("  ", i);
        if (end == std::string::npos) end = row.size();
        cells.push_back(row.substr(i, end - i));
        i = end;
    }
    return cells;
}

}  // namespace

bool ListSetup(const std::string& tessark, const std::string& setup, const std::string& scratch,
               std::vector<ListedFile>* files) {
    RunOptions options;
    options.outputFile = scratch + "/list.txt";
    const RunResult run = RunProgram({tessark, "list", setup}, options);
    if (!run.Succeeded()) return false;
    std::istringstream lines(run.output);
    std::string line;
    bool table = false;
    files->clear();
    while (std::getline(lines, line)) {
        if (line.rfind("Files (", 0) == 0) {
            table = true;
            continue;
        }
        const std::vector<std::string> cells = Cells(line);
        if (!table || cells.size() != 9 || cells[0] == "#") continue;
        ListedFile file;
        file.name = cells[1];
        file.size = std::stoull(cells[6]);
        file.packed = std::stoull(cells[7]);
        file.offset = std::stoull(cells[8]);
        files->push_back(file);
    }
    return !files->empty();
}

}  // namespace bench

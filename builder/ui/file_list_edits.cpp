#include "builder/ui/file_list_edits.h"

#include <algorithm>

#include "builder/project/file_categories.h"

namespace widgets {

std::vector<std::u16string> SplitOpenFileNames(std::u16string_view buffer) {
    std::vector<std::u16string> names;
    size_t start = 0;
    while (start < buffer.size()) {
        size_t end = buffer.find(u'\0', start);
        if (end == std::u16string_view::npos) end = buffer.size();
        if (end == start) break;  // the empty name that ends the list
        names.emplace_back(buffer.substr(start, end - start));
        start = end + 1;
    }
    if (names.size() <= 1) return names;

    std::vector<std::u16string> paths;
    std::u16string folder = names[0];
    if (folder.back() != u'\\') folder += u'\\';
    for (size_t i = 1; i < names.size(); ++i) paths.push_back(folder + names[i]);
    return paths;
}

AddFilesOutcome AddFiles(project::ProjectModel* model, project::CategoryId category,
                         const std::vector<std::u16string>& paths) {
    AddFilesOutcome outcome;
    for (const std::u16string& path : paths) {
        if (path.empty()) continue;
        const project::AddFileResult result = project::AddFile(model, category, path);
        if (result == project::AddFileResult::Added) {
            ++outcome.added;
            continue;
        }
        const std::u16string message = project::AddFileMessage(result, category, path);
        if (message.empty()) continue;
        if (!outcome.message.empty()) outcome.message += u"\n";
        outcome.message += message;
    }
    return outcome;
}

std::vector<size_t> LastToFirst(std::vector<size_t> selectedRows) {
    std::sort(selectedRows.begin(), selectedRows.end(), std::greater<size_t>());
    selectedRows.erase(std::unique(selectedRows.begin(), selectedRows.end()), selectedRows.end());
    return selectedRows;
}

std::vector<size_t> RemoveSelected(project::ProjectModel* model, project::CategoryId category,
                                   const std::vector<size_t>& selectedRows) {
    std::vector<size_t> removed;
    for (size_t row : LastToFirst(selectedRows)) {
        if (project::RemoveFileAt(model, category, row)) removed.push_back(row);
    }
    return removed;
}

}  // namespace widgets

#pragma once
// What the file category list's three buttons do to a project's category lists. Row i of the
// list always shows item i of the category, so rows are named by their index.

#include <string>
#include <string_view>
#include <vector>

#include "builder/project/project_model.h"

namespace widgets {

// The full paths an open-file dialog with multiple selection returns in its name buffer: one
// full path, or a folder followed by file names, each ended by a zero and the whole ended by
// an empty name. Empty names are skipped.
std::vector<std::u16string> SplitOpenFileNames(std::u16string_view buffer);

struct AddFilesOutcome {
    size_t added = 0;  // the files appended (and rows to append), in the given order
    // The model's messages for refused files, one per line; empty when nothing was refused
    // that deserves a word (a file already listed is passed over in silence).
    std::u16string message;
};
// Adds the paths one by one, in order, as Add Files does.
AddFilesOutcome AddFiles(project::ProjectModel* model, project::CategoryId category,
                         const std::vector<std::u16string>& paths);

// The order in which Remove and Edit visit the selected rows: from the last to the first,
// each row once.
std::vector<size_t> LastToFirst(std::vector<size_t> selectedRows);

// Removes the selected rows' items, from the last selected up, so the indices of those not
// yet visited stay valid. Returns the rows removed, in that order (rows beyond the category's
// items are skipped).
std::vector<size_t> RemoveSelected(project::ProjectModel* model, project::CategoryId category,
                                   const std::vector<size_t>& selectedRows);

}  // namespace widgets

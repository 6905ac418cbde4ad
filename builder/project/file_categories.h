#pragma once
// The edits the Files page makes to a project's six file categories. Every category is an
// ordered list; item i of a category is row i of its list on the page. In Other Files an item's
// path is its entry's fileName. A `category` argument must be one of the six CategoryId values.

#include <cstddef>
#include <string>
#include <string_view>

#include "builder/project/project_model.h"

namespace project {

enum class AddFileResult {
    Added,
    AlreadyListed,  // the category holds this exact path already; nothing changed
    CategoryFull,   // the category holds kMaxFilesPerCategory files; nothing changed
    EmptyPath,      // nothing to add
};

// Appends `path` to the category, as a NewFileEntry in Other Files. Paths compare exactly and
// case-sensitively, and only within the category: the same file may be in several.
AddFileResult AddFile(ProjectModel* model, CategoryId category, std::u16string_view path);

// The message the builder and the command show for a refused file; empty for Added and for
// AlreadyListed, which the builder passes over in silence.
std::u16string AddFileMessage(AddFileResult result, CategoryId category, std::u16string_view path);

// The page caption of a category, such as "Custom Indicators".
std::u16string_view CategoryCaption(CategoryId category);

size_t FileCount(const ProjectModel& model, CategoryId category);
// The path of item `index`, which must be below FileCount.
const std::u16string& FilePathAt(const ProjectModel& model, CategoryId category, size_t index);
// Index of the first item whose path is exactly `path`, or -1.
int FindFile(const ProjectModel& model, CategoryId category, std::u16string_view path);

// Removes item `index`; false (and nothing changed) when there is no such item. The others
// keep their order.
bool RemoveFileAt(ProjectModel* model, CategoryId category, size_t index);

// Replaces Other Files entry `index` with `entry`, as File Properties' OK does; false (and
// nothing changed) when there is no such entry.
bool EditEntry(ProjectModel* model, size_t index, const FileEntry& entry);

}  // namespace project

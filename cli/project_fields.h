#pragma once
// The fields of a project by the names "tessark set" and "tessark show" use, which are the
// model's own field names, and the six categories by name or number.

#include <string>
#include <string_view>
#include <vector>

#include "builder/project/project_model.h"
#include "os/os.h"

namespace cli {

enum class FieldKind {
    Text,     // a plain text of at most capacity - 1 characters
    Path,     // a path; the build takes a relative one from the project's folder
    Rtf,      // set from an .rtf file
    Version,  // four numbers
    Option,   // an OptionState
};

struct ProjectField {
    std::u16string name;
    FieldKind kind;
    std::u16string project::ProjectModel::*text;  // Text, Path and Rtf fields
    size_t capacity;                              // Text, Path and Rtf fields
    int option;                                   // Option fields: the ExpertOption index
};

// Every field in the order "tessark show" lists them.
const std::vector<ProjectField>& ProjectFields();
const ProjectField* FindProjectField(std::u16string_view name);

// Sets `field` from `value`; for an Rtf field `value` is the path of the file to read, "" for
// no text. Empty on success, otherwise the message, and `model` is unchanged.
std::u16string SetProjectField(project::ProjectModel* model, const ProjectField& field,
                               const std::u16string& value);

// How "tessark show" prints a field's value.
std::u16string ShowProjectField(const project::ProjectModel& model, const ProjectField& field);

// "experts", "indicators", "scripts", "sounds", "dlls", "other", or "0" to "5". False when the
// text names no category.
bool ParseCategory(std::u16string_view text, project::CategoryId* category);
std::u16string_view CategoryName(project::CategoryId category);

// "0 (off)", "1 (on)", "2 (no change)".
std::u16string OptionStateText(int32_t state);

}  // namespace cli

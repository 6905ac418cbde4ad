#pragma once
// The one place where the project model meets the section pages. The pages' editors are found
// by their window identifiers: the Project Info texts and version fields, the expert option
// boxes of the MetaTrader Options page, the three rich text editors and the Build page's
// target. The file category lists and the icon and banner pickers edit the model themselves;
// the pages are only told to show it again.
//
// Open:  ApplyProject after the loaded model replaced the old one.
// Save, Build:  GatherProject, then use the model.
// New:  ResetPages.

#include <string>

#include "builder/project/project_model.h"

namespace ui {

// A text field of the model and the Project Info editor that shows it.
struct TextField {
    int windowId;
    std::u16string project::ProjectModel::*member;  // nullptr for the version fields
    int versionIndex;                               // 0 to 3 for the version fields, else -1
    // The most characters a project file keeps of the field; the editor takes no more.
    int maxLength;
};
// A version number is kept as a 32-bit number: "-2147483648" is its longest text.
constexpr int kVersionTextLength = 11;
constexpr int kTextFieldCount = 12;
extern const TextField kTextFields[kTextFieldCount];

// The model's text behind `field`.
std::u16string& FieldText(project::ProjectModel* model, const TextField& field);
const std::u16string& FieldText(const project::ProjectModel& model, const TextField& field);

enum class RichText { License, Readme, WhatsNew };

// What the model needs of the pages. Check states are 0 unchecked, 1 checked, 2 indeterminate.
class ProjectPages {
  public:
    virtual ~ProjectPages() = default;
    virtual std::u16string FieldText(int windowId) const = 0;
    virtual void SetFieldText(int windowId, const std::u16string& text) = 0;
    virtual int OptionCheck(int windowId) const = 0;
    virtual void SetOptionCheck(int windowId, int state) = 0;
    // The editor's content as RTF; empty when the editor holds no text.
    virtual std::u16string RichTextOf(RichText page) const = 0;
    virtual void SetRichText(RichText page, const std::u16string& rtf) = 0;
    virtual std::u16string TargetFile() const = 0;
    virtual void SetTargetFile(const std::u16string& path) = 0;
    // The six file lists and the two pickers show the model's lists and pictures again.
    virtual void ShowModelFilesAndPictures() = 0;
    virtual void ClearBuildLog() = 0;
};

// Reads every field the pages hold into `model`; its lists and pictures are kept as they are.
void GatherProject(const ProjectPages& pages, project::ProjectModel* model);

// Shows every field of `model` on the pages, replacing the previous project.
void ApplyProject(const project::ProjectModel& model, ProjectPages* pages);

// New Project: the model gets the New Project values, the pages show them and the build log
// is emptied.
void ResetPages(project::ProjectModel* model, ProjectPages* pages);

}  // namespace ui

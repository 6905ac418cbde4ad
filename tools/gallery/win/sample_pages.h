#pragma once
// The gallery's sample data: a project, and the rows of the builder's four grid pages built
// from the widgets as the builder's sections use them.

#include "builder/project/project_model.h"
#include "builder/ui/win/object_inspector.h"

namespace gallery {

// A project with a few files in some categories.
project::ProjectModel SampleProject();
// The Other Files entry that the gallery's File Properties button edits.
project::FileEntry SampleEntry();

// Each returns false when a row could not be made.
bool FillProjectInfoGrid(CObjectInspector& grid);
bool FillOptionsGrid(CObjectInspector& grid);
bool FillFilesGrid(CObjectInspector& grid);
bool FillCustomizeGrid(CObjectInspector& grid, int width);
// `rows` caption rows without a group, for trying the scroll bar rule.
bool FillScrollGrid(CObjectInspector& grid, int rows);

}  // namespace gallery

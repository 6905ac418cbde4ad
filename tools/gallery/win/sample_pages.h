#pragma once
// The gallery's sample data: a project, and a page of plain rows. The builder's four grid pages
// come from the builder's own page code (builder/ui/win/section_pages.h).

#include "builder/project/project_model.h"
#include "builder/ui/win/object_inspector.h"

namespace gallery {

// A project with a few files in some categories.
project::ProjectModel SampleProject();
// The Other Files entry that the gallery's File Properties button edits.
project::FileEntry SampleEntry();

// `rows` caption rows without a group, for trying the scroll bar rule. False when a row could
// not be made.
bool FillScrollGrid(CObjectInspector& grid, int rows);

}  // namespace gallery

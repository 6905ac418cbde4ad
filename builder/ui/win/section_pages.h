#pragma once
// The rows of the four property-grid pages: Project Info, Files, MetaTrader Options and
// Customize. Row identifier n gives its editors the window identifiers 7000 + n, by which the
// project's values are found (builder/ui/page_fields.h). The grids must have the project model
// set before the Files and Customize rows are added. False when a row's editors cannot be
// made.

#include "builder/ui/win/object_inspector.h"

bool FillProjectInfoGrid(CObjectInspector& grid);
bool FillFilesGrid(CObjectInspector& grid);
bool FillOptionsGrid(CObjectInspector& grid);
bool FillCustomizeGrid(CObjectInspector& grid, int width);

#pragma once
// What a build takes from the running builder's resources: the installer program (type
// "SFX_EXE", 167), the built-in installer icon (an icon file kept as RCDATA 172, whose largest
// image becomes "project.ico") and the built-in banner (type 271, 171, a 160 x 320 JPEG).

#include <windows.h>

#include "builder/build/build_setup.h"

// Fills the request's stub, built-in icon and built-in banner from `module`'s resources. A
// missing resource leaves its part empty: the build then reports what it lacks.
void LoadBuildResources(HMODULE module, build::BuildRequest* request);

#pragma once
// The POSIX side of the os seam maps Windows paths onto a host folder, the fake machine:
//
//   "C:\Program Files (x86)\X"  ->  <root>/C/Program Files (x86)/X
//   "relative\or\host/path"     ->  relative/or/host/path   (used as a host path)
//
// With no root set, drive paths map below the current directory's "machine" folder. Known
// folders come from a table that starts as a plain Windows layout (below) and that tests may
// change. Tests also use the fault plan to make the N-th call of an operation fail.

#include <string>
#include <vector>

#include "os/os.h"

namespace os::fake {

// Default known folders of the fake machine:
//   ProgramFiles   C:\Program Files (x86)
//   Desktop        C:\users\tester\Desktop
//   Documents      C:\users\tester\Documents
//   Startup        C:\users\tester\AppData\Roaming\Microsoft\Windows\Start Menu\Programs\Startup
//   CommonPrograms C:\ProgramData\Microsoft\Windows\Start Menu\Programs
//   Windows        C:\windows          System  C:\windows\system32
//   SystemWindows  C:\windows          Temp    C:\users\tester\Temp
//   Profile        C:\users\tester
// Temp is a host path (the system's temporary folder) when no root has been set, so that the
// command-line tool works on a plain Linux machine.

// Sets the host folder that holds the drives; resets the known folders to the defaults and
// creates the default folders below it, as a fresh machine has them. An empty text goes back
// to no root.
void SetRoot(const std::string& hostFolder);
const std::string& Root();
void SetKnownFolder(KnownFolder folder, const Path& path);
// A known folder whose query fails (for tests of failure paths).
void FailKnownFolder(KnownFolder folder);
// The path ModulePath() returns; an empty path goes back to the running executable.
void SetModulePath(const Path& path);

// The host path a Windows path maps to. On a drive, ".." never climbs above the drive.
std::string HostPath(const Path& path);
// Confined, a path without a drive is taken as a path on drive C (leading separators dropped),
// so that no path at all maps outside the root; for code fed with damaged or hostile paths.
// Off by default and after SetRoot(""): then such paths are host paths.
void ConfineToRoot(bool confine);

// What CreateShortcut recorded at a link path (the record's format: os/posix/shortcut.cpp).
struct Shortcut {
    Path target;
    Path arguments;
    Path description;
};
bool ReadShortcut(const Path& link, Shortcut* shortcut);

// The processes IsProcessRunning sees (executable file names), empty at start.
void SetRunningProcesses(const std::vector<std::u16string>& exeNames);

// What ShellOpen was asked to start, in order, since the last SetRoot or ClearLaunches.
struct Launch {
    Path path;
    std::u16string parameters;
    ShowMode show = ShowMode::Normal;
};
const std::vector<Launch>& Launches();
void ClearLaunches();

// Fault plan: the n-th call (1 = the next one) of an operation from now fails.
enum class Operation { Open, Read, Write, Seek, CreateFolder, Move, Delete };
void FailNth(Operation operation, int n);
// Calls of an operation since the last ClearFaults.
int CallCount(Operation operation);
void ClearFaults();

}  // namespace os::fake

#pragma once
// The thin seam between the portable core and the machine. Every file, folder, known folder and
// shortcut the engine, the installer and the uninstaller touch goes through here.
//
// Paths are Windows paths in UTF-16 ("C:\Program Files (x86)\X"), on every platform. The Win32
// implementation (os/win) hands them to the wide API unchanged; the POSIX implementation
// (os/posix) maps them onto a host folder so that whole installations run in Linux tests
// against a fake machine (see os/posix/fake_machine.h).
//
// Convention: functions return true on success. On failure nothing is guaranteed about output
// parameters unless stated.

#include <cstdint>
#include <string>
#include <vector>

// <windows.h> defines DeleteFile as DeleteFileW. Included before this header, the macro is
// dropped here; included after it, calls of os::DeleteFile become os::DeleteFileW, which
// forwards to os::DeleteFile (declared below).
#ifdef DeleteFile
#undef DeleteFile
#endif

namespace os {

using Path = std::u16string;

enum class SeekOrigin { Begin, Current, End };

// An open file. Not copyable; movable; closes itself when destroyed.
class File {
  public:
    File() = default;
    ~File();
    File(const File&) = delete;
    File& operator=(const File&) = delete;
    File(File&& other) noexcept;
    File& operator=(File&& other) noexcept;

    // Opens an existing file for reading; other processes may read and write it meanwhile.
    bool OpenRead(const Path& path);
    // Creates the file, or truncates an existing one, for writing; others may share it.
    bool Create(const Path& path);
    bool IsOpen() const { return handle_ != kInvalid; }

    // Reads up to `size` bytes; `*done` is the number read, 0 at the end of the file.
    bool Read(void* buffer, uint32_t size, uint32_t* done);
    // Writes all `size` bytes, or returns false.
    bool Write(const void* data, uint32_t size);
    bool Seek(int64_t offset, SeekOrigin origin);
    // Current position, or -1 on failure.
    int64_t Position() const;
    // Length of the file in bytes, or -1 on failure.
    int64_t Size() const;
    // Writes buffered data through to the disk.
    bool Flush();
    // Returns false when closing reported an error (data may not have reached the disk).
    bool Close();

  private:
    static constexpr intptr_t kInvalid = -1;
    intptr_t handle_ = kInvalid;  // a file descriptor or a HANDLE
};

enum class PathKind {
    Missing,  // neither the path nor (possibly) its parent exists
    File,
    Folder,
    Unknown,  // exists or may exist, but its attributes cannot be read
};
PathKind GetPathKind(const Path& path);

// Creates one folder level. False when it cannot be created, including when it exists.
bool CreateFolder(const Path& path);
// Creates every missing level of `path`; true when the folder exists afterwards.
bool CreateFolderTree(const Path& path);
bool DeleteFile(const Path& path);
// Deletes what a failed operation leaves behind (a temporary file), keeping that failure's
// reason for LastErrorMessage.
bool DiscardFile(const Path& path);
#ifdef _WIN32
bool DeleteFileW(const Path& path);
#endif
// Removes an empty folder, or a folder link itself.
bool RemoveFolder(const Path& path);
// Moves `from` over `to`, replacing `to` when it exists, as one step on the same volume.
bool MoveReplace(const Path& from, const Path& to);

struct FolderEntry {
    std::u16string name;  // the entry's name, without the folder
    bool isFolder = false;
    // A junction or symbolic link: deleting it (RemoveFolder for a folder link, DeleteFile for
    // a file link) removes the link only; what it points to is never touched.
    bool isLink = false;
};
// The direct entries of a folder, without "." and "..", in the order the system lists them.
// False when the folder cannot be listed.
bool ListFolder(const Path& folder, std::vector<FolderEntry>* entries);

// The folders the path macros, the installer and the uninstaller use. All are returned
// without a trailing backslash.
enum class KnownFolder {
    ProgramFiles,    // CSIDL_PROGRAM_FILES
    Desktop,         // CSIDL_DESKTOP
    Documents,       // CSIDL_PERSONAL
    Startup,         // CSIDL_STARTUP, the current user's
    CommonPrograms,  // CSIDL_COMMON_PROGRAMS, the all-users Start Menu programs folder
    Windows,         // GetWindowsDirectoryW
    System,          // GetSystemDirectoryW
    SystemWindows,   // GetSystemWindowsDirectoryW
    Temp,            // GetTempPathW
    Profile,         // the current user's profile folder
};
bool GetKnownFolder(KnownFolder folder, Path* path);
// `base` + "\" + `subfolder`, creating every missing level (SHGetFolderPathAndSubDirW with
// CSIDL_FLAG_CREATE on Windows). `subfolder` is relative.
bool GetKnownSubfolder(KnownFolder base, const Path& subfolder, Path* path);

// Full path of the running program.
Path ModulePath();

// Creates a shell link at `link` that starts `target` with `arguments`. Returns an HRESULT
// value: 0 (S_OK) on success, negative on failure. On POSIX it writes a small record file at
// `link` (see os/posix/fake_machine.h) so that tests can see what link was made.
int32_t CreateShortcut(const Path& target, const Path& arguments, const Path& description,
                       const Path& link);

// True when a running process's executable file name equals `exeName`, ignoring letter case
// (a process snapshot on Windows; the fake machine's process table on POSIX).
bool IsProcessRunning(const std::u16string& exeName);

enum class ShowMode { Normal, Maximized };
// Asks the shell to "open" `path` (a program, a document or an address) with `parameters`.
// Returns the shell's result: above 32 means started, 32 or below is the reason it was not
// (the published ShellExecute codes). The fake machine records the launch and returns 42.
int32_t ShellOpen(const Path& path, const std::u16string& parameters, ShowMode show);

// The system's message for the last failed call of this thread (FormatMessageW or strerror),
// without a trailing line break.
std::u16string LastErrorMessage();

}  // namespace os

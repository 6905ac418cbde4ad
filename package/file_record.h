#pragma once
// One packaged file: what the file table of a package says about it.

#include <cstdint>
#include <string>
#include <string_view>

struct FileRecord {
    std::u16string name;         // bare file name, the text after the last separator
    std::u16string sourcePath;   // the author's file; builder only, never stored
    std::u16string destination;  // folder, usually led by a path macro; empty: default
    std::u16string shortcut;     // Start Menu shortcut name; empty: none
    std::u16string parameters;   // command-line arguments of the shortcuts
    std::u16string onlyIfNewer;  // flag texts, set when "Yes"
    std::u16string neverUninstall;
    std::u16string autostart;
    std::u16string postExecute;
    int32_t uncompressedSize = 0;  // bytes packed
    int32_t compressedSize = 0;    // length of the zlib stream
    int32_t offset = 0;            // stream position from the first byte of the setup
};

// The eight stored texts of a record, in their order in the file table.
inline constexpr std::u16string FileRecord::*kRecordTexts[8] = {
    &FileRecord::name,       &FileRecord::destination, &FileRecord::shortcut,
    &FileRecord::parameters, &FileRecord::onlyIfNewer, &FileRecord::neverUninstall,
    &FileRecord::autostart,  &FileRecord::postExecute,
};

// A flag text counts as set exactly when it is "Yes".
inline bool IsFlagSet(std::u16string_view flag) {
    return flag == u"Yes";
}

// The text after the last backslash or slash; the whole text when it has neither.
std::u16string BareFileName(std::u16string_view path);

// True for a name that can only denote a file inside its folder: not empty, not "." or "..",
// and free of "\", "/", ":" and control characters.
bool IsPlainFileName(std::u16string_view name);

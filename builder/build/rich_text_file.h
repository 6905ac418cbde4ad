#pragma once
// The license, readme and what's-new texts as the .rtf files a build packs.
//
// RTF is 7-bit: characters outside ASCII travel as escapes. The installer reads these files as
// bytes (decoding any byte above 127 as Windows-1252) and streams them into a rich edit control
// as RTF, so a file that is pure ASCII shows every character the same on every machine. The
// texts the builder's editors produce are already ASCII; a stored text that holds characters
// above 127 has each such UTF-16 unit written as "{\uc1\uN?}" (N the unit as a signed 16-bit
// number, "?" the fallback for readers without Unicode), a group so that the "\uc1" does not
// change how the document's own "\u" escapes are read.

#include <string>
#include <string_view>

#include "builder/project/project_model.h"
#include "os/os.h"

namespace build {

// The bytes of the .rtf file for `rtf`: ASCII units unchanged, every other unit escaped.
std::string RtfFileBytes(std::u16string_view rtf);

// The RTF text of an .rtf file's bytes, pure ASCII like the editors' texts. A byte above 127
// means a character of the document's code page, which RTF writes as "\'xx", so it becomes
// that escape. A file that starts with the UTF-8 byte-order mark is read as UTF-8 instead, and
// its characters outside ASCII become "\u" escapes as in RtfFileBytes.
std::u16string RtfTextFromFileBytes(std::string_view bytes);

// True when the text starts as an RTF document does, with "{\rtf".
bool IsRtfDocument(std::u16string_view text);

// Writes the model's three texts as "License.rtf", "Readme.rtf" and "What's New.rtf" into
// `folder` (an empty text gives an empty file). This is the step the builder's window does
// from its editors instead. Empty on success, otherwise a message naming the file that could
// not be written.
std::u16string WriteRichTextFiles(const project::ProjectModel& model, const os::Path& folder);

}  // namespace build

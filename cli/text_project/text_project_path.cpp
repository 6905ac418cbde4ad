#include "base/text.h"
#include "cli/text_project/text_project.h"

namespace cli::text_project {

bool IsTextProjectPath(std::u16string_view path) {
    return text::EndsWith(text::ToLowerAscii(path), u".toml");
}

}  // namespace cli::text_project

#include "cli/console.h"

#include <unistd.h>

#include <cerrno>
#include <string>

#include "base/text.h"

namespace cli::console {

namespace {

void WriteAll(int descriptor, std::u16string_view text) {
    const std::string bytes = text::ToUtf8(text);
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = write(descriptor, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return;  // a closed pipe: nothing more can be said
        done += static_cast<size_t>(n);
    }
}

}  // namespace

void Out(std::u16string_view text) {
    WriteAll(STDOUT_FILENO, text);
}

void Err(std::u16string_view text) {
    WriteAll(STDERR_FILENO, text);
}

bool OutIsTerminal() {
    return isatty(STDOUT_FILENO) == 1;
}

}  // namespace cli::console

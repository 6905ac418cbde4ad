// Entry point of the tessark command: the arguments as UTF-16 texts, the exit status back.
#include <string>
#include <vector>

#include "base/text.h"
#include "cli/command.h"

#ifdef _WIN32
int wmain(int argc, wchar_t** argv) {
    std::vector<std::u16string> args;
    for (int i = 1; i < argc; ++i) args.emplace_back(reinterpret_cast<const char16_t*>(argv[i]));
    return cli::Run(args);
}
#else
int main(int argc, char** argv) {
    std::vector<std::u16string> args;
    for (int i = 1; i < argc; ++i) args.push_back(text::FromUtf8(argv[i]));
    return cli::Run(args);
}
#endif

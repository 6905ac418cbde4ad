// A GUI program on the lean runtime and program start, as the installer stub and the
// uninstaller use them. It prints (UTF-8, one item a line) what its start gave it: the
// arguments part of the command line, whether static constructors ran, its instance and show
// command; then what runs at exit: an atexit function and static destructors. Its exit code is
// 37, or the number the command line ends with after " --exit ".

#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

// Wide texts only through the API: std::wstring would bring the library's prebuilt copy.
void Print(const std::string& prefix, const wchar_t* text = L"") {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, &bytes[0], size, nullptr, nullptr);
    bytes.pop_back();  // the terminating zero
    bytes = prefix + bytes + "\n";
    DWORD done = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), bytes.data(), static_cast<DWORD>(bytes.size()),
              &done, nullptr);
}

// Dynamic initialisation: only a start that runs the static constructors sets it.
bool constructed = false;
struct Constructed {
    Constructed() { constructed = GetCurrentProcessId() != 0; }
} constructedMarker;

struct DestroyedAtExit {
    ~DestroyedAtExit() { Print("destroyed"); }
} destroyedMarker;

void __cdecl AtExit() {
    Print("atexit");
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE previous, PWSTR commandLine, int show) {
    Print("tail=", commandLine);
    Print(constructed ? "constructed" : "not constructed");
    Print(instance == GetModuleHandleW(nullptr) && !previous ? "instance" : "wrong instance");
    Print("show=" + std::to_string(show));

    // Containers and the narrow string grow through the lean runtime's allocation.
    std::vector<std::string> growing;
    for (int i = 0; i < 1000; ++i) growing.push_back(std::string(i % 50, 'x') + "y");
    size_t total = 0;
    for (const std::string& s : growing) total += s.size();
    Print("grown=" + std::to_string(total));

    atexit(AtExit);
    const wchar_t* exit = wcsstr(commandLine, L" --exit ");
    return exit ? _wtoi(exit + 8) : 37;
}

// The small programs are built without exceptions, so a failed allocation or a broken container
// invariant can only end them. These replace the library's throwing helpers, its verbose
// terminate handler, its pure-virtual trap and its prebuilt narrow string (compiled with
// exceptions), any of which would pull in exception objects, the unwinder and the symbol
// demangler: well over 100 KiB that every setup executable would carry.
#include <bits/functexcept.h>

#include <cstdlib>
#include <new>
#include <string>

namespace std {

void __throw_bad_alloc() {
    abort();
}
void __throw_bad_array_new_length() {
    abort();
}
void __throw_bad_function_call() {
    abort();
}
void __throw_length_error(const char*) {
    abort();
}
void __throw_logic_error(const char*) {
    abort();
}
void __throw_invalid_argument(const char*) {
    abort();
}
void __throw_out_of_range(const char*) {
    abort();
}
void __throw_out_of_range_fmt(const char*, ...) {
    abort();
}

}  // namespace std

namespace __gnu_cxx {

void __verbose_terminate_handler() {
    abort();
}

}  // namespace __gnu_cxx

extern "C" void __cxa_pure_virtual() {
    abort();
}
extern "C" void __cxa_deleted_virtual() {
    abort();
}

// Instantiated here, without exceptions, so the library's own copy is not linked; the linker
// keeps only the members a program uses.
template class std::basic_string<char>;

void* operator new(std::size_t size) {
    void* memory = std::malloc(size ? size : 1);
    if (!memory) std::abort();
    return memory;
}
void* operator new[](std::size_t size) {
    return operator new(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    return std::malloc(size ? size : 1);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    return std::malloc(size ? size : 1);
}
void operator delete(void* memory) noexcept {
    std::free(memory);
}
void operator delete[](void* memory) noexcept {
    std::free(memory);
}
void operator delete(void* memory, std::size_t) noexcept {
    std::free(memory);
}
void operator delete[](void* memory, std::size_t) noexcept {
    std::free(memory);
}
void operator delete(void* memory, const std::nothrow_t&) noexcept {
    std::free(memory);
}
void operator delete[](void* memory, const std::nothrow_t&) noexcept {
    std::free(memory);
}

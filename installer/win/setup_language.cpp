#include "installer/win/setup_language.h"

#include <windows.h>

#include "os/os.h"
#include "package/memory_inflate.h"
#include "translations/active_texts.h"
#include "translations/language_pack.h"

namespace installer {

namespace {

// Where the program's image ends in its file: the end of the section that ends last. The
// build's language pack starts there.
uint32_t ImageFileEnd() {
    const auto* base = reinterpret_cast<const uint8_t*>(GetModuleHandleW(nullptr));
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_SECTION_HEADER* section = IMAGE_FIRST_SECTION(nt);
    uint32_t end = 0;
    for (int i = 0; i < nt->FileHeader.NumberOfSections; ++i, ++section) {
        const uint32_t sectionEnd = section->PointerToRawData + section->SizeOfRawData;
        if (sectionEnd > end) end = sectionEnd;
    }
    return end;
}

bool ReadAt(os::File& file, int64_t offset, void* buffer, uint32_t size) {
    uint32_t done = 0;
    return file.Seek(offset, os::SeekOrigin::Begin) && file.Read(buffer, size, &done) &&
           done == size;
}

// Takes what the inflater writes into a buffer of fixed size.
class BufferSink final : public package::ByteSink {
  public:
    explicit BufferSink(uint8_t* buffer)
        : at_(buffer), end_(buffer + translations::kMaxLanguageBytes) {}
    bool Write(const void* data, uint32_t size) override {
        if (size > static_cast<uint32_t>(end_ - at_)) return false;
        memcpy(at_, data, size);
        at_ += size;
        return true;
    }
    uint8_t* End() const { return at_; }

  private:
    uint8_t* at_;
    uint8_t* end_;
};

}  // namespace

void UseSetupLanguage() {
    os::File file;
    if (!file.OpenRead(os::ModulePath())) return;
    const uint32_t packStart = ImageFileEnd();
    uint8_t header[translations::kMaxPackHeaderBytes];
    uint32_t got = 0;
    translations::PackEntry entry;
    if (!file.Seek(packStart, os::SeekOrigin::Begin) || !file.Read(header, sizeof header, &got) ||
        !translations::FindLanguage(header, got, GetUserDefaultUILanguage(), &entry)) {
        return;
    }
    // The texts first, then the stream they come from. The texts are used for the rest of the
    // process, so the buffer is never freed.
    auto* buffer = new uint8_t[translations::kMaxLanguageBytes + entry.size];
    uint8_t* stream = buffer + translations::kMaxLanguageBytes;
    BufferSink texts(buffer);
    if (!ReadAt(file, packStart + int64_t{entry.offset}, stream, entry.size) ||
        !package::InflateWhole(stream, entry.size, texts) ||
        !translations::UseTexts(reinterpret_cast<const char16_t*>(buffer),
                                (texts.End() - buffer) / 2)) {
        delete[] buffer;
    }
}

}  // namespace installer

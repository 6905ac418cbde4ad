#pragma once
// What the tessark program carries inside itself: the installer program that every setup starts
// with, and the built-in installer icon and banner. Each may be absent from a build of tessark
// (the installer program is cross-built, and may not exist when tessark is built).

#include <cstdint>

namespace cli {

struct EmbeddedFile {
    const uint8_t* bytes = nullptr;
    uint32_t size = 0;
    bool Present() const { return size > 0; }
};

EmbeddedFile EmbeddedStub();
EmbeddedFile EmbeddedIconFile();  // a whole .ico file
EmbeddedFile EmbeddedBanner();    // a 160 x 320 JPEG

}  // namespace cli

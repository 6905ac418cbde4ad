// Compiled with TESSARK_EMBEDS_STUB, TESSARK_EMBEDS_ICON and TESSARK_EMBEDS_BANNER set to 1 for
// each file the build turned into an array (cmake/embed.cmake).
#include "cli/embedded.h"

#if TESSARK_EMBEDS_STUB
extern const unsigned char tessark_extractor_stub[];
extern const unsigned long tessark_extractor_stub_size;
#endif
#if TESSARK_EMBEDS_ICON
extern const unsigned char tessark_setup_icon[];
extern const unsigned long tessark_setup_icon_size;
#endif
#if TESSARK_EMBEDS_BANNER
extern const unsigned char tessark_setup_banner[];
extern const unsigned long tessark_setup_banner_size;
#endif

namespace cli {

namespace {

[[maybe_unused]] EmbeddedFile Embedded(const unsigned char* bytes, unsigned long size) {
    EmbeddedFile file;
    file.bytes = bytes;
    file.size = static_cast<uint32_t>(size);
    return file;
}

}  // namespace

EmbeddedFile EmbeddedStub() {
#if TESSARK_EMBEDS_STUB
    return Embedded(tessark_extractor_stub, tessark_extractor_stub_size);
#else
    return {};
#endif
}

EmbeddedFile EmbeddedIconFile() {
#if TESSARK_EMBEDS_ICON
    return Embedded(tessark_setup_icon, tessark_setup_icon_size);
#else
    return {};
#endif
}

EmbeddedFile EmbeddedBanner() {
#if TESSARK_EMBEDS_BANNER
    return Embedded(tessark_setup_banner, tessark_setup_banner_size);
#else
    return {};
#endif
}

}  // namespace cli

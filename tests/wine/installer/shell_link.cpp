#include "tests/wine/installer/shell_link.h"

#include <stdexcept>

#include "base/text.h"

namespace installertest {

namespace {

constexpr uint32_t kHasIdList = 0x1;
constexpr uint32_t kHasLinkInfo = 0x2;
constexpr uint32_t kHasName = 0x4;
constexpr uint32_t kHasRelativePath = 0x8;
constexpr uint32_t kHasWorkingDir = 0x10;
constexpr uint32_t kHasArguments = 0x20;
constexpr uint32_t kIsUnicode = 0x80;
constexpr uint32_t kLinkInfoLocalPath = 0x1;

class Reader {
  public:
    explicit Reader(const std::string& bytes) : bytes_(bytes) {}

    uint32_t U32(size_t at) const {
        Need(at, 4);
        const auto* p = reinterpret_cast<const unsigned char*>(bytes_.data() + at);
        return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
    }
    uint16_t U16(size_t at) const {
        Need(at, 2);
        const auto* p = reinterpret_cast<const unsigned char*>(bytes_.data() + at);
        return static_cast<uint16_t>(p[0] | (p[1] << 8));
    }
    std::string CString(size_t at) const {
        Need(at, 1);
        const size_t end = bytes_.find('\0', at);
        if (end == std::string::npos) throw std::runtime_error("shell link: unterminated text");
        return bytes_.substr(at, end - at);
    }
    // A counted string of the string data; moves `at` past it.
    std::string Counted(size_t* at, bool unicode) const {
        const uint16_t count = U16(*at);
        *at += 2;
        const size_t size = unicode ? count * 2u : count;
        Need(*at, size);
        std::string text;
        if (unicode) {
            std::u16string units;
            for (size_t i = 0; i < count; ++i)
                units.push_back(static_cast<char16_t>(U16(*at + 2 * i)));
            text = text::ToUtf8(units);
        } else {
            text = bytes_.substr(*at, size);
        }
        *at += size;
        // Some writers count the terminating zero too.
        while (!text.empty() && text.back() == '\0') text.pop_back();
        return text;
    }
    void Need(size_t at, size_t size) const {
        if (at > bytes_.size() || size > bytes_.size() - at) {
            throw std::runtime_error("shell link: read past the end");
        }
    }

  private:
    const std::string& bytes_;
};

}  // namespace

ShellLink ParseShellLink(const std::string& bytes) {
    const Reader in(bytes);
    if (in.U32(0) != 0x4C) throw std::runtime_error("not a shell link (header size)");
    const uint32_t flags = in.U32(0x14);
    size_t at = 0x4C;
    if (flags & kHasIdList) at += 2 + in.U16(at);
    ShellLink link;
    if (flags & kHasLinkInfo) {
        const uint32_t size = in.U32(at);
        const uint32_t infoFlags = in.U32(at + 8);
        if (infoFlags & kLinkInfoLocalPath) {
            link.target = in.CString(at + in.U32(at + 16));
            const uint32_t suffix = in.U32(at + 24);
            if (suffix) link.target += in.CString(at + suffix);
        }
        at += size;
    }
    const bool unicode = flags & kIsUnicode;
    if (flags & kHasName) link.description = in.Counted(&at, unicode);
    if (flags & kHasRelativePath) in.Counted(&at, unicode);
    if (flags & kHasWorkingDir) in.Counted(&at, unicode);
    if (flags & kHasArguments) link.arguments = in.Counted(&at, unicode);
    return link;
}

}  // namespace installertest

#include "tests/wine/installer/pe_resources.h"

#include <stdexcept>
#include <vector>

namespace installertest {

namespace {

struct Image {
    const std::string& bytes;

    uint32_t U32(size_t at) const {
        Need(at, 4);
        const auto* p = reinterpret_cast<const unsigned char*>(bytes.data() + at);
        return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
    }
    uint16_t U16(size_t at) const {
        Need(at, 2);
        const auto* p = reinterpret_cast<const unsigned char*>(bytes.data() + at);
        return static_cast<uint16_t>(p[0] | (p[1] << 8));
    }
    void Need(size_t at, size_t size) const {
        if (at > bytes.size() || size > bytes.size() - at) {
            throw std::runtime_error("PE image: read past the end of the file");
        }
    }
};

struct Section {
    uint32_t virtualAddress, virtualSize, rawOffset, rawSize;
};

size_t FileOffset(const std::vector<Section>& sections, uint32_t rva) {
    for (const Section& s : sections) {
        const uint32_t span = s.virtualSize > s.rawSize ? s.virtualSize : s.rawSize;
        if (rva >= s.virtualAddress && rva < s.virtualAddress + span) {
            return s.rawOffset + (rva - s.virtualAddress);
        }
    }
    throw std::runtime_error("PE image: address outside every section");
}

}  // namespace

std::map<ResourceKey, ResourceSpan> NumberedResourceSpans(const std::string& bytes) {
    const Image image{bytes};
    if (bytes.size() < 0x40 || bytes.compare(0, 2, "MZ") != 0) {
        throw std::runtime_error("not a PE image (no MZ header)");
    }
    const size_t pe = image.U32(0x3C);
    if (image.U32(pe) != 0x00004550) throw std::runtime_error("not a PE image (no PE header)");
    const size_t coff = pe + 4;
    const uint16_t sectionCount = image.U16(coff + 2);
    const uint16_t optionalSize = image.U16(coff + 16);
    const size_t optional = coff + 20;
    const uint16_t magic = image.U16(optional);
    const size_t directories = optional + (magic == 0x20b ? 112 : 96);
    const uint32_t resourceRva = image.U32(directories + 2 * 8);
    std::vector<Section> sections;
    const size_t table = optional + optionalSize;
    for (uint16_t i = 0; i < sectionCount; ++i) {
        const size_t at = table + i * 40u;
        sections.push_back(
            {image.U32(at + 12), image.U32(at + 8), image.U32(at + 20), image.U32(at + 16)});
    }
    std::map<ResourceKey, ResourceSpan> resources;
    if (resourceRva == 0) return resources;
    const size_t root = FileOffset(sections, resourceRva);

    // Three levels: type, name, language. An entry's high bit marks a subdirectory or a name.
    const auto entries = [&](size_t directory) {
        std::vector<std::pair<uint32_t, uint32_t>> list;
        const uint16_t named = image.U16(directory + 12);
        const uint16_t numbered = image.U16(directory + 14);
        for (uint32_t i = named; i < named + numbered; ++i) {
            const size_t at = directory + 16 + i * 8u;
            list.emplace_back(image.U32(at), image.U32(at + 4));
        }
        return list;
    };
    for (const auto& [type, typeDir] : entries(root)) {
        if (!(typeDir & 0x80000000u)) continue;
        for (const auto& [id, idDir] : entries(root + (typeDir & 0x7FFFFFFFu))) {
            if (!(idDir & 0x80000000u)) continue;
            for (const auto& [language, leaf] : entries(root + (idDir & 0x7FFFFFFFu))) {
                if (leaf & 0x80000000u) continue;
                const size_t entry = root + leaf;
                const size_t data = FileOffset(sections, image.U32(entry));
                const uint32_t size = image.U32(entry + 4);
                image.Need(data, size);
                resources[{type, id, language}] = {data, size};
            }
        }
    }
    return resources;
}

std::map<ResourceKey, std::string> NumberedResources(const std::string& image) {
    std::map<ResourceKey, std::string> resources;
    for (const auto& [key, span] : NumberedResourceSpans(image)) {
        resources[key] = image.substr(span.offset, span.size);
    }
    return resources;
}

std::string LowestResource(const std::map<ResourceKey, std::string>& resources, uint32_t type,
                           uint32_t* id) {
    for (const auto& [key, data] : resources) {  // ordered by type, then identifier
        if (std::get<0>(key) != type) continue;
        if (id) *id = std::get<1>(key);
        return data;
    }
    return {};
}

}  // namespace installertest

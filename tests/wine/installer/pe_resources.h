#pragma once
// Reading the resources of a Windows program from Linux, to see what the installer wrote into
// the uninstaller.

#include <cstdint>
#include <map>
#include <string>
#include <tuple>

namespace installertest {

// (type, identifier, language) of a resource whose type and name are numbers.
using ResourceKey = std::tuple<uint32_t, uint32_t, uint32_t>;

// Where a resource's bytes lie in the file.
struct ResourceSpan {
    size_t offset;
    size_t size;
};

// Every numbered resource of a PE image; resources with a named type or name are left out.
// Throws std::runtime_error when the bytes are not a PE image or its resource directory points
// outside the file.
std::map<ResourceKey, ResourceSpan> NumberedResourceSpans(const std::string& image);

// The same with each resource's bytes.
std::map<ResourceKey, std::string> NumberedResources(const std::string& image);

// The resource of `type` with the lowest identifier (any language), as the system's loader
// would find the first of them; empty when there is none.
std::string LowestResource(const std::map<ResourceKey, std::string>& resources, uint32_t type,
                           uint32_t* id = nullptr);

}  // namespace installertest

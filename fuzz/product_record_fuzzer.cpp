// The product's own record ("Uninstall.dat") from outside bytes, as the uninstaller reads it
// when the shared registry entry belongs to another product.
//
// What must hold: bytes the reader takes are exactly the bytes the record writes back (a whole
// record, nothing before or after it), and a value read by its name reads the same again.
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "fuzz/fuzz_machine.h"
#include "package/product_record.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    package::ProductRecord record;
    if (!package::ProductRecord::FromBytes(data, size, &record)) return 0;
    const std::vector<uint8_t>& written = record.Bytes();
    FUZZ_CHECK(written.size() == size && std::memcmp(written.data(), data, size) == 0);
    // Each value the uninstaller asks for reads the same from a record made anew.
    package::ProductRecord copy;
    for (const char16_t* name : {u"ProductDir", u"MenuGroup", u"UninstallString"}) {
        std::u16string value;
        if (record.Get(name, &value)) copy.Set(name, value);
    }
    for (const char16_t* name : {u"ProductDir", u"MenuGroup", u"UninstallString"}) {
        std::u16string first, second;
        FUZZ_CHECK(record.Get(name, &first) == copy.Get(name, &second) && first == second);
    }
    return 0;
}

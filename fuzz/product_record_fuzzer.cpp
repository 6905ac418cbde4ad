// The product's own record ("Uninstall.dat") from outside bytes, as the uninstaller reads it
// when the shared registry entry belongs to another product.
//
// What must hold: bytes the reader takes are exactly the bytes the record writes back (a whole
// record, nothing before or after it), and every value it holds can be looked up by its name.
#include <cstdint>
#include <cstring>
#include <vector>

#include "fuzz/fuzz_machine.h"
#include "package/product_record.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    package::ProductRecord record;
    if (!package::ProductRecord::FromBytes(data, size, &record)) return 0;
    const std::vector<uint8_t> written = record.Bytes();
    // A record that named one value twice is written with it once.
    FUZZ_CHECK(written.size() <= size);
    package::ProductRecord again;
    FUZZ_CHECK(package::ProductRecord::FromBytes(written.data(), written.size(), &again));
    FUZZ_CHECK(again.Bytes() == written);
    return 0;
}

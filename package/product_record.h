#pragma once
// "Uninstall.dat", the product's own record, which the installation leaves beside the
// uninstaller in the product folder. It holds the values of the product's registry entry (and
// what else the uninstaller needs of this installation), so that an uninstaller whose product
// no longer owns the shared entry still knows what to remove. The removal keeps it, as it keeps
// the uninstaller, so that a second run finds its product again (and nothing left to remove).
//
//   offset 0   8 bytes "TSKPROD1"
//   offset 8   int32   number of values
//   offset 12  each value: uint16 name length, the name's UTF-16LE units, uint16 data length,
//              the data's UTF-16LE units (lengths in units, no terminators)

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "os/os.h"

namespace package {

constexpr char16_t kProductRecordName[] = u"Uninstall.dat";
constexpr char kProductRecordMark[8] = {'T', 'S', 'K', 'P', 'R', 'O', 'D', '1'};
// Far more than a record of short texts needs; a bound for reading a damaged file.
constexpr size_t kProductRecordLimit = 64 * 1024;

// The record is kept as its bytes; values are looked up in them.
class ProductRecord {
  public:
    ProductRecord();

    // Appends a value; the writer sets each name once.
    void Set(std::u16string_view name, std::u16string_view data);
    // True, and `*data` set, when the record holds a value of that name (the first, should it
    // hold two); `*data` is left alone otherwise.
    bool Get(std::u16string_view name, std::u16string* data) const;

    const std::vector<uint8_t>& Bytes() const { return bytes_; }
    // Writes the record through a temporary file beside `file` that then replaces it.
    bool Write(const os::Path& file) const;

    // False for bytes that are not a whole record: a wrong mark, a value cut off, bytes after
    // the last value.
    static bool FromBytes(const uint8_t* data, size_t size, ProductRecord* record);
    static bool Read(const os::Path& file, ProductRecord* record);

  private:
    std::vector<uint8_t> bytes_;
};

}  // namespace package

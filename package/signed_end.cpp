#include "package/signed_end.h"

#include "base/le.h"
#include "package/format.h"

namespace package {

namespace {

constexpr size_t kPeOffsetField = 0x3C;    // e_lfanew in the DOS header
constexpr size_t kFileHeaderBytes = 20;    // the COFF file header after "PE\0\0"
constexpr size_t kOptionalSizeField = 16;  // SizeOfOptionalHeader, in the file header
constexpr uint16_t kPe32Magic = 0x10B;
constexpr uint16_t kPe32PlusMagic = 0x20B;
constexpr uint32_t kCertificateDirectory = 4;  // data directory index
constexpr size_t kDirectoryBytes = 8;          // address and size, 32 bits each

uint32_t U32At(const uint8_t* bytes) {
    return static_cast<uint32_t>(le::GetI32(bytes));
}

// 1 when the last kSignatureBytes bytes before `end` are the package signature, 0 when they
// are not, -1 when they cannot be read.
int SignatureEndsAt(os::File& file, int64_t end) {
    if (end < kSignatureBytes) return 0;
    uint8_t bytes[kSignatureBytes];
    uint32_t done = 0;
    if (!file.Seek(end - kSignatureBytes, os::SeekOrigin::Begin) ||
        !file.Read(bytes, sizeof bytes, &done) || done != sizeof bytes) {
        return -1;
    }
    for (int32_t i = 0; i < kSignatureUnits; ++i) {
        if (le::GetU16(bytes + 2 * i) != kSignature[i]) return 0;
    }
    return 1;
}

}  // namespace

int64_t CertificateTableStart(const uint8_t* headers, size_t headerSize, int64_t fileSize) {
    if (headers == nullptr || headerSize < kPeOffsetField + 4) return -1;
    if (headers[0] != 'M' || headers[1] != 'Z') return -1;
    // Every offset below is checked against headerSize before it is read; 64-bit sums cannot
    // wrap with 32-bit parts.
    const uint64_t pe = U32At(headers + kPeOffsetField);
    const uint64_t optional = pe + 4 + kFileHeaderBytes;
    if (optional + 2 > headerSize) return -1;
    if (headers[pe] != 'P' || headers[pe + 1] != 'E' || headers[pe + 2] != 0 ||
        headers[pe + 3] != 0) {
        return -1;
    }
    const uint16_t optionalSize = le::GetU16(headers + pe + 4 + kOptionalSizeField);
    const uint16_t magic = le::GetU16(headers + optional);
    uint64_t countField;
    if (magic == kPe32Magic) {
        countField = 92;
    } else if (magic == kPe32PlusMagic) {
        countField = 108;
    } else {
        return -1;
    }
    const uint64_t directories = countField + 4;
    const uint64_t entry = directories + kCertificateDirectory * kDirectoryBytes;
    if (optionalSize < entry + kDirectoryBytes || optional + entry + kDirectoryBytes > headerSize) {
        return -1;
    }
    if (U32At(headers + optional + countField) <= kCertificateDirectory) return -1;

    // The certificate table's "address" is a file offset, unlike the other directories'.
    const uint64_t start = U32At(headers + optional + entry);
    const uint64_t size = U32At(headers + optional + entry + 4);
    if (start == 0 || size == 0 || fileSize < 0) return -1;
    // The table must lie behind the headers and end the file exactly.
    if (start < optional + entry + kDirectoryBytes ||
        start + size != static_cast<uint64_t>(fileSize)) {
        return -1;
    }
    return static_cast<int64_t>(start);
}

int64_t PackageEnd(os::File& file) {
    const int64_t size = file.Size();
    if (size < 0 || !file.Seek(0, os::SeekOrigin::Begin)) return -1;
    uint8_t headers[kPeHeaderProbeBytes];
    uint32_t got = 0;
    while (got < sizeof headers) {
        uint32_t done = 0;
        if (!file.Read(headers + got, sizeof headers - got, &done)) return -1;
        if (done == 0) break;
        got += done;
    }
    const int64_t table = CertificateTableStart(headers, got, size);
    if (table < 0) return size;

    // The signer's padding is zeros; the package ends where the signature does.
    uint8_t before[kMaxSignerPadding];
    const int64_t window = table < kMaxSignerPadding ? table : kMaxSignerPadding;
    uint32_t done = 0;
    if (!file.Seek(table - window, os::SeekOrigin::Begin) ||
        !file.Read(before, static_cast<uint32_t>(window), &done) || done != window) {
        return -1;
    }
    for (int64_t padding = 0; padding <= window; ++padding) {
        if (padding > 0 && before[window - padding] != 0) break;
        const int found = SignatureEndsAt(file, table - padding);
        if (found < 0) return -1;
        if (found > 0) return table - padding;
    }
    return table;
}

}  // namespace package

#pragma once
// Crafted PE images and what an Authenticode signer does to a file, for tests of signed setups.

#include <cstddef>
#include <cstdint>
#include <string>

namespace petest {

constexpr size_t kPeAt = 0x80;  // where the headers put "PE\0\0"
constexpr size_t kOptionalAt = kPeAt + 24;
constexpr size_t kHeaderBytes = 0x200;

void PutU16At(std::string* bytes, size_t at, uint16_t value);
void PutU32At(std::string* bytes, size_t at, uint32_t value);

// The headers of a PE32 image as a linker writes them (kHeaderBytes long), with an empty
// certificate entry. PE32+ moves the data directories 16 bytes further.
std::string PeHeaders(bool pe32Plus = false);

// Where data directory 4, the certificate table's file offset and size, lies in the headers.
size_t CertificateEntryAt(bool pe32Plus = false);
void SetCertificateEntry(std::string* file, uint32_t start, uint32_t size, bool pe32Plus = false);

// A WIN_CERTIFICATE as a signer writes it: its length (64), revision 2.0, type PKCS#7, bytes.
std::string CertificateTable();

// What signing does to a PE32 file: `padding` zero bytes, the table, and the header entry
// naming the table.
std::string Sign(std::string file, size_t padding);

}  // namespace petest

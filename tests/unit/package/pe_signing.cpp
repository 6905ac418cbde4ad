#include "tests/unit/package/pe_signing.h"

namespace petest {

void PutU16At(std::string* bytes, size_t at, uint16_t value) {
    (*bytes)[at] = static_cast<char>(value & 0xFF);
    (*bytes)[at + 1] = static_cast<char>(value >> 8);
}

void PutU32At(std::string* bytes, size_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i) (*bytes)[at + i] = static_cast<char>(value >> (8 * i));
}

std::string PeHeaders(bool pe32Plus) {
    std::string bytes(kHeaderBytes, '\0');
    bytes[0] = 'M';
    bytes[1] = 'Z';
    PutU32At(&bytes, 0x3C, kPeAt);
    bytes.replace(kPeAt, 4, std::string("PE\0\0", 4));
    PutU16At(&bytes, kPeAt + 4, pe32Plus ? 0x8664 : 0x14C);
    PutU16At(&bytes, kPeAt + 20, pe32Plus ? 240 : 224);  // SizeOfOptionalHeader
    PutU16At(&bytes, kOptionalAt, pe32Plus ? 0x20B : 0x10B);
    PutU32At(&bytes, kOptionalAt + (pe32Plus ? 108 : 92), 16);  // NumberOfRvaAndSizes
    return bytes;
}

size_t CertificateEntryAt(bool pe32Plus) {
    return kOptionalAt + (pe32Plus ? 112 : 96) + 4 * 8;
}

void SetCertificateEntry(std::string* file, uint32_t start, uint32_t size, bool pe32Plus) {
    PutU32At(file, CertificateEntryAt(pe32Plus), start);
    PutU32At(file, CertificateEntryAt(pe32Plus) + 4, size);
}

std::string CertificateTable() {
    std::string table(64, '\0');
    PutU32At(&table, 0, 64);
    PutU32At(&table, 4, 0x00020200);
    for (size_t i = 8; i < table.size(); ++i) table[i] = static_cast<char>(0x30 + i * 7);
    return table;
}

std::string Sign(std::string file, size_t padding) {
    file.append(padding, '\0');
    const auto start = static_cast<uint32_t>(file.size());
    const std::string table = CertificateTable();
    file += table;
    SetCertificateEntry(&file, start, static_cast<uint32_t>(table.size()));
    return file;
}

}  // namespace petest

#pragma once
// Where a package ends when the setup was signed after it was built. A signer (signtool,
// osslsigncode) appends an Authenticode certificate table to the file, pads the file with zeros
// to a multiple of 8 bytes before it, and records the table in data directory 4 of the PE
// header ("certificate table": a file offset and a size). The package is then no longer the
// last thing in the file, but it ends right before that padding.

#include <cstddef>
#include <cstdint>

#include "os/os.h"

namespace package {

// How many leading bytes of a file CertificateTableStart needs at most: the DOS header, the
// PE signature, the file header and the optional header up to its fifth data directory.
constexpr size_t kPeHeaderProbeBytes = 4096;

// The most zero bytes a signer puts between the data and the table.
constexpr int64_t kMaxSignerPadding = 7;

// The file offset of the certificate table named by the PE header in `headers` (the first
// `headerSize` bytes of a file of `fileSize` bytes), when that table is the last thing in the
// file: its offset plus its size is exactly `fileSize`. -1 for anything else: not a PE file, a
// header cut short, no table, a table elsewhere or one whose entry does not fit the file.
int64_t CertificateTableStart(const uint8_t* headers, size_t headerSize, int64_t fileSize);

// The end of the package in `file`: the file's length, or for a signed file the start of the
// certificate table less the zero padding in front of it. The padding is told from the data by
// the package signature, which must end right before it; a signed file whose bytes before the
// table do not end with the signature gives the table's start, so the reader still sees no
// package there. -1 when the file cannot be read.
int64_t PackageEnd(os::File& file);

}  // namespace package

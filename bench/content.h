#pragma once
// Plausible contents for the files of a MetaTrader add-on, made from a seed: source text, compiled
// programs, libraries with code, data and relocation sections, sounds, price histories. Each
// compresses about as its real kind does, which is what the benchmark needs of it.

#include <cstddef>
#include <cstdint>
#include <string>

namespace bench {

// An expert, indicator or script source of about `size` bytes.
std::string MqlSource(uint64_t seed, const std::string& name, size_t size);
// A compiled program of exactly `size` bytes: header, code records, constants, names.
std::string CompiledProgram(uint64_t seed, size_t size);
// A 32-bit Windows library of exactly `size` bytes: PE headers, then code (most of it), read-only
// data, data and relocations.
std::string LibraryImage(uint64_t seed, size_t size);
// Machine code of exactly `size` bytes: functions of common instruction shapes.
std::string MachineCode(uint64_t seed, size_t size);
// A 16-bit mono PCM sound at 22050 Hz lasting `milliseconds`.
std::string WaveSound(uint64_t seed, int milliseconds);
// A bar history as comma-separated text of about `size` bytes.
std::string PriceHistory(uint64_t seed, size_t size);
// An expert's saved inputs.
std::string PresetFile(uint64_t seed);
// A manual page in HTML of about `size` bytes.
std::string ManualPage(uint64_t seed, size_t size);

}  // namespace bench

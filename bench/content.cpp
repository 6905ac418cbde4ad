#include "content.h"

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "random.h"

namespace bench {

namespace {

const std::vector<std::string> kWords = {
    "Lots",  "StopLoss", "TakeProfit", "Magic",  "Slippage", "FastMA", "SlowMA",  "Signal",
    "Trend", "Level",    "Price",      "Ticket", "Spread",   "Period", "Shift",   "Buffer",
    "Count", "Total",    "Risk",       "Range",  "Channel",  "Band",   "Pivot",   "Swing",
    "Trail", "Break",    "Entry",      "Exit",   "Filter",   "Volume", "Momentum"};
const std::vector<std::string> kTypes = {"double", "int", "bool", "string", "datetime"};
const std::vector<std::string> kSentences = {
    "The expert opens a position when the fast average crosses the slow one.",
    "Set the lot size in the inputs before you attach the expert to a chart.",
    "Trailing stops move only in the direction of profit.",
    "The indicator draws its levels on the main chart window.",
    "Allow DLL imports in the terminal options, or the library cannot be loaded.",
    "Every order carries the magic number, so that other experts leave it alone.",
    "The script closes all positions of the current symbol.",
    "Signals are checked once per bar, at the opening of the new bar.",
    "Spread and slippage are given in points of the symbol."};

std::string Format(const char* pattern, ...) __attribute__((format(printf, 1, 2)));
std::string Format(const char* pattern, ...) {
    char buffer[512];
    va_list args;
    va_start(args, pattern);
    vsnprintf(buffer, sizeof(buffer), pattern, args);
    va_end(args);
    return buffer;
}

std::string Identifier(Random& random) {
    std::string name = random.Pick(kWords);
    if (random.Chance(0.5)) name += random.Pick(kWords);
    return name;
}

std::string Statement(Random& random, int indent) {
    const std::string pad(static_cast<size_t>(indent), ' ');
    const std::string a = Identifier(random), b = Identifier(random);
    switch (random.Between(0, 9)) {
        case 0:
            return pad + Format("double %s = iMA(NULL, 0, %d, 0, MODE_EMA, PRICE_CLOSE, %d);\n",
                                a.c_str(), static_cast<int>(random.Between(5, 200)),
                                static_cast<int>(random.Between(0, 3)));
        case 1:
            return pad +
                   Format("if(%s > %s && OrdersTotal() < %d)\n", a.c_str(), b.c_str(),
                          static_cast<int>(random.Between(1, 9))) +
                   pad + "  {\n" + Statement(random, indent + 3) + pad + "  }\n";
        case 2:
            return pad + Format("for(int i = %s - 1; i >= 0; i--)\n", a.c_str()) + pad + "  {\n" +
                   pad +
                   Format("   %sBuffer[i] = NormalizeDouble(%s * Point, Digits);\n", b.c_str(),
                          a.c_str()) +
                   pad + "  }\n";
        case 3:
            return pad + Format(
                             "ticket = OrderSend(Symbol(), OP_BUY, Lots, Ask, Slippage, "
                             "Bid - %s * Point, Ask + %s * Point, \"%s\", Magic, 0, Green);\n",
                             a.c_str(), b.c_str(), a.c_str());
        case 4:
            return pad + Format("Print(\"%s: \", DoubleToStr(%s, %d));\n", a.c_str(), b.c_str(),
                                static_cast<int>(random.Between(0, 5)));
        case 5:
            return pad + "// " + random.Pick(kSentences) + "\n";
        case 6:
            return pad + Format("%s = MathMax(%s, iHigh(NULL, PERIOD_H%d, %d));\n", a.c_str(),
                                b.c_str(), static_cast<int>(random.Between(1, 4)),
                                static_cast<int>(random.Between(0, 50)));
        case 7:
            return pad + Format("if(!OrderSelect(%s, SELECT_BY_TICKET)) return(%d);\n", a.c_str(),
                                static_cast<int>(random.Between(-1, 1)));
        case 8:
            return pad + Format("%s %s = %s / %d.0;\n", random.Pick(kTypes).c_str(), a.c_str(),
                                b.c_str(), static_cast<int>(random.Between(2, 100)));
        default:
            return pad + Format("%s += %s;\n", a.c_str(), b.c_str());
    }
}

void PutU16(std::string& bytes, size_t at, uint16_t value) {
    bytes[at] = static_cast<char>(value & 0xFF);
    bytes[at + 1] = static_cast<char>(value >> 8);
}

void PutU32(std::string& bytes, size_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>(value >> (8 * i));
}

void AppendU32(std::string& bytes, uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<char>(value >> (8 * i)));
}

// One function of 32-bit code: prologue, a body of common instruction shapes, epilogue and
// padding to 16 bytes.
void AppendFunction(Random& random, std::string& code) {
    const int frame = static_cast<int>(random.Between(1, 16)) * 4;
    code += "\x55\x8B\xEC";  // push ebp; mov ebp, esp
    code += "\x83\xEC";
    code.push_back(static_cast<char>(frame));
    const int body = static_cast<int>(random.Between(6, 60));
    for (int i = 0; i < body; ++i) {
        const char local = static_cast<char>(-4 * random.Between(1, frame / 4));
        const char argument = static_cast<char>(8 + 4 * random.Between(0, 4));
        switch (random.Between(0, 11)) {
            case 0:
                code += "\x8B\x45";
                code.push_back(argument);
                break;  // mov eax, [ebp+a]
            case 1:
                code += "\x89\x45";
                code.push_back(local);
                break;  // mov [ebp-l], eax
            case 2:
                code += "\x8B\x4D";
                code.push_back(local);
                break;  // mov ecx, [ebp-l]
            case 3:
                code += "\x03\xC1";
                break;  // add eax, ecx
            case 4:
                code += "\x85\xC0";
                break;  // test eax, eax
            case 5:     // je / jne short
                code.push_back(random.Chance(0.5) ? '\x74' : '\x75');
                code.push_back(static_cast<char>(random.Between(2, 40)));
                break;
            case 6:  // push imm8; call
                code += "\x6A";
                code.push_back(static_cast<char>(random.Between(0, 16)));
                code += "\xE8";
                AppendU32(code, static_cast<uint32_t>(random.Between(-400000, 400000)));
                break;
            case 7:
                code += "\x83\xC4\x08";
                break;  // add esp, 8
            case 8:     // mov eax, imm32
                code += "\xB8";
                AppendU32(code, static_cast<uint32_t>(random.Chance(0.6) ? random.Between(0, 255)
                                                                         : random.Next()));
                break;
            case 9:
                code += "\xDD\x45";
                code.push_back(argument);
                break;  // fld qword [ebp+a]
            case 10:
                code += "\xDC\x4D";
                code.push_back(local);
                break;  // fmul qword [ebp-l]
            default:    // mov eax, [addr]
                code += "\xA1";
                AppendU32(code, 0x10010000u + 4 * static_cast<uint32_t>(random.Between(0, 4000)));
                break;
        }
    }
    code += "\x8B\xE5\x5D";  // mov esp, ebp; pop ebp
    if (random.Chance(0.5)) {
        code += "\xC3";
    } else {
        code += "\xC2";
        code.push_back(static_cast<char>(4 * random.Between(1, 4)));
        code.push_back('\0');
    }
    while (code.size() % 16 != 0) code.push_back('\xCC');
}

}  // namespace

std::string MqlSource(uint64_t seed, const std::string& name, size_t size) {
    Random random(seed);
    std::string text;
    text += "//+------------------------------------------------------------------+\n";
    text += "//| " + name + "\n";
    text += "//| Copyright 2024, Tessark Samples                                   |\n";
    text += "//+------------------------------------------------------------------+\n";
    text += "#property copyright \"Tessark Samples\"\n#property strict\n\n";
    for (int i = 0; i < 8; ++i) {
        text += Format("extern %s %s = %d;\n", random.Pick(kTypes).c_str(),
                       Identifier(random).c_str(), static_cast<int>(random.Between(1, 500)));
    }
    while (text.size() < size) {
        text += Format("\n//+---\n%s %s(%s %s)\n  {\n", random.Pick(kTypes).c_str(),
                       Identifier(random).c_str(), random.Pick(kTypes).c_str(),
                       Identifier(random).c_str());
        const int statements = static_cast<int>(random.Between(4, 30));
        for (int i = 0; i < statements; ++i) text += Statement(random, 3);
        text += "   return(0);\n  }\n";
    }
    return text;
}

std::string CompiledProgram(uint64_t seed, size_t size) {
    Random random(seed);
    std::string bytes(64, '\0');
    std::memcpy(&bytes[0], "TSKX", 4);
    PutU32(bytes, 4, 0x0402);
    PutU32(bytes, 8, static_cast<uint32_t>(size));
    std::string names;
    while (names.size() < size / 10) names += Identifier(random) + '\0';
    while (bytes.size() < size * 6 / 10) {
        // Code records: an opcode from a skewed set, then small operands.
        const uint8_t opcode = static_cast<uint8_t>(random.Between(0, 6) * random.Between(0, 6));
        bytes.push_back(static_cast<char>(opcode));
        bytes.push_back(static_cast<char>(random.Between(0, 7)));
        const uint32_t operand = random.Chance(0.8) ? static_cast<uint32_t>(random.Between(0, 300))
                                                    : static_cast<uint32_t>(random.Next());
        AppendU32(bytes, operand);
    }
    while (bytes.size() < size * 8 / 10) {
        // Constants: prices and periods as doubles.
        const double value = random.Chance(0.5) ? 1.0 + random.Between(0, 99999) / 100000.0
                                                : static_cast<double>(random.Between(1, 400));
        char raw[8];
        std::memcpy(raw, &value, 8);
        bytes.append(raw, 8);
    }
    bytes += names;
    while (bytes.size() < size) bytes.push_back(static_cast<char>(random.Between(0, 3)));
    bytes.resize(size);
    return bytes;
}

std::string MachineCode(uint64_t seed, size_t size) {
    Random random(seed);
    std::string code;
    code.reserve(size + 1024);
    while (code.size() < size) AppendFunction(random, code);
    code.resize(size);
    return code;
}

std::string LibraryImage(uint64_t seed, size_t size) {
    Random random(seed);
    const size_t headers = 1024;
    const size_t text = (size - headers) * 62 / 100 / 512 * 512;
    const size_t rdata = (size - headers) * 22 / 100 / 512 * 512;
    const size_t data = (size - headers) * 8 / 100 / 512 * 512;
    const size_t reloc = size - headers - text - rdata - data;

    std::string image(headers, '\0');
    image[0] = 'M';
    image[1] = 'Z';
    PutU32(image, 0x3C, 0x80);
    std::memcpy(&image[0x40], "This program needs 32-bit Windows.\r\n$", 37);
    std::memcpy(&image[0x80], "PE\0\0", 4);
    PutU16(image, 0x84, 0x14C);   // i386
    PutU16(image, 0x86, 4);       // sections
    PutU16(image, 0x94, 0xE0);    // optional header size
    PutU16(image, 0x96, 0x2102);  // executable, 32-bit, library
    PutU16(image, 0x98, 0x10B);
    const char* names[] = {".text", ".rdata", ".data", ".reloc"};
    const size_t sizes[] = {text, rdata, data, reloc};
    size_t raw = headers;
    for (int i = 0; i < 4; ++i) {
        const size_t at = 0x178 + 40 * i;
        std::memcpy(&image[at], names[i], std::strlen(names[i]));
        PutU32(image, at + 8, static_cast<uint32_t>(sizes[i]));
        PutU32(image, at + 12, static_cast<uint32_t>(0x1000 + raw));
        PutU32(image, at + 16, static_cast<uint32_t>(sizes[i]));
        PutU32(image, at + 20, static_cast<uint32_t>(raw));
        raw += sizes[i];
    }

    image += MachineCode(random.Next(), text);

    std::string constants;
    while (constants.size() < rdata) {
        if (random.Chance(0.6)) {
            constants += random.Pick(kSentences);
            constants.push_back('\0');
        } else if (random.Chance(0.5)) {
            constants += Identifier(random) + "Ex";
            constants.push_back('\0');
        } else {
            const double value = random.Unit() * 1000.0;
            char bytes[8];
            std::memcpy(bytes, &value, 8);
            constants.append(bytes, 8);
        }
    }
    constants.resize(rdata);
    image += constants;

    std::string variables(data, '\0');
    for (size_t i = 0; i + 4 <= data; i += 4) {
        if (random.Chance(0.15))
            PutU32(variables, i, static_cast<uint32_t>(random.Between(0, 9999)));
    }
    image += variables;

    std::string relocations;
    uint32_t page = 0x1000;
    while (relocations.size() < reloc) {
        AppendU32(relocations, page);
        AppendU32(relocations, 8 + 2 * 64);
        uint16_t offset = 0;
        for (int i = 0; i < 64; ++i) {
            offset = static_cast<uint16_t>(offset + random.Between(4, 60));
            const uint16_t entry = static_cast<uint16_t>(0x3000 | (offset & 0xFFF));
            relocations.push_back(static_cast<char>(entry & 0xFF));
            relocations.push_back(static_cast<char>(entry >> 8));
        }
        page += 0x1000;
    }
    relocations.resize(reloc);
    image += relocations;
    return image;
}

std::string WaveSound(uint64_t seed, int milliseconds) {
    Random random(seed);
    const uint32_t rate = 22050;
    const uint32_t samples = rate * static_cast<uint32_t>(milliseconds) / 1000;
    std::string bytes(44, '\0');
    std::memcpy(&bytes[0], "RIFF", 4);
    PutU32(bytes, 4, 36 + 2 * samples);
    std::memcpy(&bytes[8], "WAVEfmt ", 8);
    PutU32(bytes, 16, 16);
    PutU16(bytes, 20, 1);  // PCM
    PutU16(bytes, 22, 1);  // mono
    PutU32(bytes, 24, rate);
    PutU32(bytes, 28, rate * 2);
    PutU16(bytes, 32, 2);
    PutU16(bytes, 34, 16);
    std::memcpy(&bytes[36], "data", 4);
    PutU32(bytes, 40, 2 * samples);
    const double tones[3] = {220.0 * random.Between(2, 8), 330.0 * random.Between(1, 4),
                             55.0 * random.Between(2, 12)};
    for (uint32_t i = 0; i < samples; ++i) {
        const double t = static_cast<double>(i) / rate;
        const double envelope = std::exp(-3.0 * t * 1000.0 / milliseconds);
        double value = 0;
        for (const double tone : tones) value += std::sin(2 * M_PI * tone * t) / 3.0;
        value = value * envelope * 20000.0 + (random.Unit() - 0.5) * 400.0;
        const auto sample = static_cast<int16_t>(value);
        bytes.push_back(static_cast<char>(sample & 0xFF));
        bytes.push_back(static_cast<char>((sample >> 8) & 0xFF));
    }
    return bytes;
}

std::string PriceHistory(uint64_t seed, size_t size) {
    Random random(seed);
    std::string text = "Date,Time,Open,High,Low,Close,Volume\n";
    double price = 1.05 + random.Between(0, 2000) / 10000.0;
    int day = 0, minute = 0;
    while (text.size() < size) {
        const double open = price;
        price += (random.Unit() - 0.5) * 0.0012;
        const double high = std::max(open, price) + random.Between(0, 40) / 100000.0;
        const double low = std::min(open, price) - random.Between(0, 40) / 100000.0;
        text += Format("2024.%02d.%02d,%02d:%02d,%.5f,%.5f,%.5f,%.5f,%d\n", 1 + day / 28 % 12,
                       1 + day % 28, minute / 60, minute % 60, open, high, low, price,
                       static_cast<int>(random.Between(40, 4000)));
        minute += 5;
        if (minute >= 24 * 60) {
            minute = 0;
            ++day;
        }
    }
    return text;
}

std::string PresetFile(uint64_t seed) {
    Random random(seed);
    std::string text;
    for (int i = 0; i < 24; ++i) {
        text += Format("%s=%d\r\n", Identifier(random).c_str(),
                       static_cast<int>(random.Between(0, 500)));
    }
    return text;
}

std::string ManualPage(uint64_t seed, size_t size) {
    Random random(seed);
    std::string html = "<html><head><title>Manual</title></head><body>\n";
    while (html.size() < size) {
        html += "<h2>" + Identifier(random) + "</h2>\n<p>";
        const int sentences = static_cast<int>(random.Between(3, 12));
        for (int i = 0; i < sentences; ++i) html += random.Pick(kSentences) + " ";
        html += "</p>\n";
    }
    return html + "</body></html>\n";
}

}  // namespace bench

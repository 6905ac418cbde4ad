#include "product.h"

#include <cstdio>
#include <functional>

#include "content.h"
#include "random.h"

namespace bench {

namespace {

constexpr uint64_t kSeed = 20240601;

bool WriteFile(const std::string& path, const std::string& bytes) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

}  // namespace

std::string InstallSubfolder(const std::string& category) {
    if (category == "experts") return "experts";
    if (category == "indicators") return "experts\\indicators";
    if (category == "scripts") return "experts\\scripts";
    if (category == "sounds") return "experts\\sounds";
    if (category == "dlls") return "experts\\libraries";
    return "";
}

bool GenerateProduct(const std::string& folder, Product* product) {
    Random random(kSeed);
    product->files.clear();
    product->totalBytes = 0;
    const auto add = [&](const std::string& category, const std::string& name,
                         const std::string& bytes) {
        ProductFile file;
        file.category = category;
        file.name = name;
        file.path = folder + "/" + name;
        file.size = bytes.size();
        product->totalBytes += file.size;
        product->files.push_back(file);
        return WriteFile(file.path, bytes);
    };
    const auto kb = [&](int low, int high) {
        return static_cast<size_t>(random.Between(low, high)) * 1024;
    };

    const char* const programs[3][5] = {
        {"MovingCross", "GridKeeper", "NewsBreak", "TrailMaster", "PivotScalper"},
        {"BandSqueeze", "SwingLevels", "VolumeFlow", "TrendRibbon", "MomentumBars"},
        {"CloseAll", "OpenHedge", "ExportBars", "RiskCalc", "SetStops"}};
    const char* const categories[3] = {"experts", "indicators", "scripts"};
    const int sourceKb[3][2] = {{20, 80}, {10, 60}, {5, 30}};
    const int binaryKb[3][2] = {{80, 500}, {40, 400}, {10, 200}};
    bool ok = true;
    for (int c = 0; c < 3; ++c) {
        for (int i = 0; i < 5; ++i) {
            const std::string name = programs[c][i];
            ok = ok &&
                 add(categories[c], name + ".mq4",
                     MqlSource(random.Next(), name + ".mq4", kb(sourceKb[c][0], sourceKb[c][1])));
            ok = ok && add(categories[c], name + ".ex4",
                           CompiledProgram(random.Next(), kb(binaryKb[c][0], binaryKb[c][1])));
        }
    }
    const char* const sounds[] = {"alert",  "open", "close", "stop",
                                  "profit", "news", "tick",  "email"};
    for (const char* sound : sounds) {
        ok = ok && add("sounds", std::string(sound) + ".wav",
                       WaveSound(random.Next(), static_cast<int>(random.Between(300, 2500))));
    }
    const int libraryKb[] = {2600, 2500, 2300, 2100, 1900, 1700, 1500, 1200};
    for (int i = 0; i < 8; ++i) {
        ok = ok && add("dlls", "tsklib" + std::to_string(i + 1) + ".dll",
                       LibraryImage(random.Next(), static_cast<size_t>(libraryKb[i]) * 1024));
    }
    ok = ok && add("dlls", "TradeLib.mqh", MqlSource(random.Next(), "TradeLib.mqh", kb(8, 30)));
    ok = ok && add("dlls", "Signals.mqh", MqlSource(random.Next(), "Signals.mqh", kb(8, 30)));
    const char* const pairs[] = {"EURUSD", "GBPUSD", "USDJPY"};
    const int historyKb[] = {2600, 2400, 2200};
    for (int i = 0; i < 3; ++i) {
        ok = ok && add("other", std::string(pairs[i]) + "_M5.csv",
                       PriceHistory(random.Next(), static_cast<size_t>(historyKb[i]) * 1024));
    }
    for (const char* preset : {"conservative.set", "balanced.set", "aggressive.set"}) {
        ok = ok && add("other", preset, PresetFile(random.Next()));
    }
    ok = ok && add("other", "Manual.htm", ManualPage(random.Next(), kb(150, 250)));
    ok = ok && add("other", "Optimizer.exe", LibraryImage(random.Next(), kb(600, 900)));
    return ok;
}

bool WriteLargeFile(const std::string& path, uint64_t size) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) return false;
    constexpr size_t kPiece = 4u << 20;
    bool written = true;
    for (uint64_t done = 0, piece = 0; written && done < size; done += kPiece, ++piece) {
        const size_t length = static_cast<size_t>(size - done < kPiece ? size - done : kPiece);
        const std::string bytes = length < (64u << 10) ? MachineCode(kSeed + piece, length)
                                                       : LibraryImage(kSeed + 1000 + piece, length);
        written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    }
    return std::fclose(file) == 0 && written;
}

}  // namespace bench

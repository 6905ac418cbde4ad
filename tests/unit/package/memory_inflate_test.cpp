// Inflating a zlib stream held in memory: whole streams come out exactly, and every way a
// stream can be cut, padded or damaged, or the output refuse bytes, is a failure.
#include "package/memory_inflate.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <string>

#include "tests/unit/package/package_fixture.h"

namespace {

class StringSink final : public package::ByteSink {
  public:
    explicit StringSink(size_t refuseAfter = std::string::npos) : refuseAfter_(refuseAfter) {}
    bool Write(const void* data, uint32_t size) override {
        if (bytes.size() + size > refuseAfter_) return false;
        bytes.append(static_cast<const char*>(data), size);
        return true;
    }
    std::string bytes;

  private:
    size_t refuseAfter_;
};

std::string Compressed(const std::string& plain, int level = 9) {
    uLongf size = compressBound(static_cast<uLong>(plain.size()));
    std::string out(size, '\0');
    EXPECT_EQ(compress2(reinterpret_cast<Bytef*>(&out[0]), &size,
                        reinterpret_cast<const Bytef*>(plain.data()),
                        static_cast<uLong>(plain.size()), level),
              Z_OK);
    out.resize(size);
    return out;
}

bool Inflates(const std::string& stream, std::string* plain = nullptr) {
    StringSink sink;
    const bool whole =
        package::InflateWhole(stream.data(), static_cast<uint32_t>(stream.size()), sink);
    if (plain) *plain = sink.bytes;
    return whole;
}

TEST(InflateWhole, GivesBackWhatWasCompressed) {
    // Empty, smaller than one output buffer, and many buffers of hardly compressible bytes.
    for (const std::string& plain : {std::string(), std::string("MZ"), PatternBytes(4096, 7),
                                     PatternBytes(300000, 9), std::string(1 << 20, 'x')}) {
        std::string out;
        EXPECT_TRUE(Inflates(Compressed(plain), &out)) << plain.size();
        EXPECT_TRUE(out == plain) << plain.size();
    }
}

TEST(InflateWhole, RefusesCutPaddedAndDamagedStreams) {
    const std::string plain = PatternBytes(50000, 4);
    const std::string stream = Compressed(plain);
    EXPECT_FALSE(Inflates(""));
    for (size_t cut = 0; cut < stream.size(); cut += 97) {
        EXPECT_FALSE(Inflates(stream.substr(0, cut))) << "cut at " << cut;
    }
    EXPECT_FALSE(Inflates(stream.substr(0, stream.size() - 1))) << "checksum cut";
    EXPECT_FALSE(Inflates(stream + '\0')) << "a byte after the stream";

    std::string wrongSum = stream;
    wrongSum.back() ^= 1;
    EXPECT_FALSE(Inflates(wrongSum));
    std::string wrongHeader = stream;
    wrongHeader[0] = 0x79;  // not deflate with a 32 KiB window
    EXPECT_FALSE(Inflates(wrongHeader));
    EXPECT_FALSE(Inflates(plain.substr(0, 1000))) << "not compressed at all";
}

TEST(InflateWhole, FailsWhenTheOutputRefusesBytes) {
    const std::string plain = PatternBytes(20000, 5);
    StringSink sink(10000);
    const std::string stream = Compressed(plain);
    EXPECT_FALSE(package::InflateWhole(stream.data(), static_cast<uint32_t>(stream.size()), sink));
    EXPECT_LE(sink.bytes.size(), 10000u);
}

}  // namespace

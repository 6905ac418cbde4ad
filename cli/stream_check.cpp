#include "cli/stream_check.h"

#include <zlib.h>

#include "base/text.h"
#include "package/format.h"

namespace cli {

namespace {

class InflateState {
  public:
    InflateState() { started_ = inflateInit(&stream) == Z_OK; }
    ~InflateState() {
        if (started_) inflateEnd(&stream);
    }
    InflateState(const InflateState&) = delete;
    InflateState& operator=(const InflateState&) = delete;
    bool Started() const { return started_; }

    z_stream stream = {};

  private:
    bool started_ = false;
};

}  // namespace

std::u16string CheckStream(os::File& package, const FileRecord& record) {
    if (!package.Seek(record.offset, os::SeekOrigin::Begin)) {
        return text::Format(u"cannot seek to offset %d", {text::FromInt(record.offset)});
    }
    InflateState state;
    if (!state.Started()) return u"zlib cannot start";
    z_stream& z = state.stream;
    uint8_t input[package::kChunkSize];
    uint8_t output[package::kChunkSize];
    int64_t left = record.compressedSize;
    int status = Z_OK;
    while (status == Z_OK) {
        if (z.avail_in == 0) {
            if (left == 0) break;
            const auto want =
                static_cast<uint32_t>(left < package::kChunkSize ? left : package::kChunkSize);
            uint32_t got = 0;
            if (!package.Read(input, want, &got)) return u"cannot read the stream";
            if (got == 0) return u"the stream runs past the end of the file";
            left -= got;
            z.next_in = input;
            z.avail_in = got;
        }
        z.next_out = output;
        z.avail_out = sizeof(output);
        status = inflate(&z, Z_NO_FLUSH);
        if (z.total_out > static_cast<uLong>(record.uncompressedSize)) {
            return text::Format(u"inflates to more than its %d bytes",
                                {text::FromInt(record.uncompressedSize)});
        }
    }
    if (status == Z_STREAM_END) {
        if (z.avail_in != 0 || left != 0) {
            return text::Format(u"the stream ends before its %d bytes",
                                {text::FromInt(record.compressedSize)});
        }
        if (z.total_out != static_cast<uLong>(record.uncompressedSize)) {
            return text::Format(
                u"inflates to %d bytes instead of %d",
                {text::FromInt(z.total_out), text::FromInt(record.uncompressedSize)});
        }
        return {};
    }
    if (status == Z_OK || status == Z_BUF_ERROR) {
        return text::Format(u"the stream does not end within its %d bytes",
                            {text::FromInt(record.compressedSize)});
    }
    return text::Format(u"the stream is corrupt (%s)",
                        {text::FromUtf8(z.msg != nullptr ? z.msg : "zlib error")});
}

}  // namespace cli

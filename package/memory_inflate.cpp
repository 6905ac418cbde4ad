#include "package/memory_inflate.h"

#include "package/format.h"
#include "package/inflate_session.h"

namespace package {

bool InflateWhole(const void* data, uint32_t size, ByteSink& output) {
    z_stream z{};
    InflateSession session(z);
    if (!session.Started()) return false;
    z.next_in = static_cast<Bytef*>(const_cast<void*>(data));
    z.avail_in = size;
    uint8_t buffer[kChunkSize];
    int status;
    do {
        z.next_out = buffer;
        z.avail_out = sizeof buffer;
        status = inflate(&z, Z_NO_FLUSH);
        const uint32_t produced = static_cast<uint32_t>(sizeof buffer - z.avail_out);
        if (produced > 0 && !output.Write(buffer, produced)) return false;
        // All input is there from the start, so a stream that cannot go on (Z_BUF_ERROR) is
        // cut off.
    } while (status == Z_OK);
    return status == Z_STREAM_END && z.avail_in == 0;
}

}  // namespace package

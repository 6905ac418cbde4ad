#pragma once
// An inflate state that is always ended, whatever path leaves the loop that uses it.

#include <zlib.h>

namespace package {

class InflateSession {
  public:
    explicit InflateSession(z_stream& stream) : stream_(stream) {
        started_ = inflateInit(&stream_) == Z_OK;
    }
    ~InflateSession() {
        if (started_) inflateEnd(&stream_);
    }
    InflateSession(const InflateSession&) = delete;
    InflateSession& operator=(const InflateSession&) = delete;
    bool Started() const { return started_; }

  private:
    z_stream& stream_;
    bool started_;
};

}  // namespace package

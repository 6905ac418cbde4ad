#include "zlib_reference.h"

#include <fcntl.h>
#include <unistd.h>
#include <zlib.h>

#include <fstream>

namespace bench {

namespace {

constexpr size_t kChunk = 4096;

class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int Get() const { return fd_; }
    bool Close() {
        const int fd = fd_;
        fd_ = -1;
        return fd < 0 || close(fd) == 0;
    }

  private:
    int fd_;
};

bool WriteAll(int fd, const unsigned char* data, size_t size) {
    while (size > 0) {
        const ssize_t n = write(fd, data, size);
        if (n <= 0) return false;
        data += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

bool DeflateOne(int input, int output, StreamPlace* place) {
    z_stream z = {};
    if (deflateInit(&z, 6) != Z_OK) return false;
    unsigned char in[kChunk], out[kChunk];
    int status = Z_OK;
    bool ok = true;
    for (;;) {
        const ssize_t n = read(input, in, kChunk);
        if (n < 0) ok = false;
        if (n <= 0) break;
        z.next_in = in;
        z.avail_in = static_cast<uInt>(n);
        do {
            z.next_out = out;
            z.avail_out = kChunk;
            status = deflate(&z, Z_NO_FLUSH);
            ok = ok && WriteAll(output, out, kChunk - z.avail_out);
        } while (ok && z.avail_out == 0);
        if (!ok) break;
    }
    while (ok) {
        z.next_out = out;
        z.avail_out = kChunk;
        status = deflate(&z, Z_FINISH);
        ok = WriteAll(output, out, kChunk - z.avail_out);
        if (status == Z_STREAM_END) break;
        if (status != Z_OK && status != Z_BUF_ERROR) ok = false;
    }
    place->size = z.total_out;
    place->inflated = z.total_in;
    deflateEnd(&z);
    return ok && status == Z_STREAM_END;
}

bool InflateOne(int input, const StreamPlace& place, int output) {
    if (lseek(input, static_cast<off_t>(place.offset), SEEK_SET) < 0) return false;
    z_stream z = {};
    if (inflateInit(&z) != Z_OK) return false;
    unsigned char in[kChunk], out[kChunk];
    uint64_t left = place.size;
    int status = Z_OK;
    bool ok = true;
    while (ok && status != Z_STREAM_END) {
        if (z.avail_in == 0) {
            const size_t want = left < kChunk ? static_cast<size_t>(left) : kChunk;
            const ssize_t n = want == 0 ? 0 : read(input, in, want);
            if (n <= 0) {
                ok = false;
                break;
            }
            left -= static_cast<uint64_t>(n);
            z.next_in = in;
            z.avail_in = static_cast<uInt>(n);
        }
        z.next_out = out;
        z.avail_out = kChunk;
        status = inflate(&z, Z_NO_FLUSH);
        ok = (status == Z_OK || status == Z_STREAM_END) &&
             WriteAll(output, out, kChunk - z.avail_out);
    }
    ok = ok && left == 0 && z.avail_in == 0 && z.total_out == place.inflated;
    inflateEnd(&z);
    return ok;
}

}  // namespace

bool DeflateFiles(const std::vector<std::string>& files, const std::string& output,
                  std::vector<StreamPlace>* streams) {
    Descriptor out(open(output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644));
    if (out.Get() < 0) return false;
    streams->clear();
    uint64_t offset = 0;
    for (const std::string& file : files) {
        Descriptor in(open(file.c_str(), O_RDONLY));
        StreamPlace place;
        place.offset = offset;
        if (in.Get() < 0 || !DeflateOne(in.Get(), out.Get(), &place)) return false;
        offset += place.size;
        streams->push_back(place);
    }
    return out.Close();
}

bool InflateStreams(const std::string& package, const std::vector<StreamPlace>& streams,
                    const std::vector<std::string>& names, const std::string& folder) {
    Descriptor in(open(package.c_str(), O_RDONLY));
    if (in.Get() < 0) return false;
    for (size_t i = 0; i < streams.size(); ++i) {
        const std::string path = folder + "/" + names[i];
        Descriptor out(open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644));
        if (out.Get() < 0 || !InflateOne(in.Get(), streams[i], out.Get()) || !out.Close()) {
            return false;
        }
    }
    return true;
}

bool ReadPlaces(const std::string& path, std::vector<StreamPlace>* streams,
                std::vector<std::string>* names) {
    std::ifstream in(path);
    streams->clear();
    names->clear();
    StreamPlace place;
    std::string name;
    while (in >> place.offset >> place.size >> place.inflated >> name) {
        streams->push_back(place);
        names->push_back(name);
    }
    return !streams->empty();
}

int DeflateReferenceMain(int argc, char** argv) {
    if (argc < 5) return 2;
    const std::vector<std::string> files(argv + 4, argv + argc);
    std::vector<StreamPlace> streams;
    if (!DeflateFiles(files, argv[2], &streams)) return 1;
    std::ofstream places(argv[3]);
    for (size_t i = 0; i < files.size(); ++i) {
        const std::string name = files[i].substr(files[i].find_last_of('/') + 1);
        places << streams[i].offset << ' ' << streams[i].size << ' ' << streams[i].inflated << ' '
               << name << '\n';
    }
    return places ? 0 : 1;
}

int InflateReferenceMain(int argc, char** argv) {
    if (argc != 5) return 2;
    std::vector<StreamPlace> streams;
    std::vector<std::string> names;
    if (!ReadPlaces(argv[3], &streams, &names)) return 1;
    return InflateStreams(argv[2], streams, names, argv[4]) ? 0 : 1;
}

}  // namespace bench

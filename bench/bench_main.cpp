// tessark-bench: builds and extracts a realistic product with the tessark command, measures it
// against plain zlib and against an NSIS installer of the same files, and prints one table.
// Exits 1 when a result is wrong: a package that does not verify, streams that differ from
// plain zlib's, files that differ after extraction or installation.
#include <unistd.h>
#include <zlib.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "file_compare.h"
#include "nsis_peer.h"
#include "process.h"
#include "product.h"
#include "results_table.h"
#include "setup_listing.h"
#include "wine_install.h"
#include "zlib_reference.h"

namespace {

namespace fs = std::filesystem;
using namespace bench;

// The installer's fixed entries (icon, banner, three texts) come before the product's files.
constexpr size_t kFixedEntries = 5;

struct Options {
    std::string host, win, out, repo;
    int runs = 5;
    uint64_t largeBytes = 1ull << 30;
    bool wine = true;
};

// The best of several runs: the least wall and processor time, the highest memory.
struct Best {
    double seconds = 1e30;
    double cpuSeconds = 1e30;
    long peakKiB = 0;
    void Take(double s, double cpu, long kib) {
        seconds = std::min(seconds, s);
        cpuSeconds = std::min(cpuSeconds, cpu);
        peakKiB = std::max(peakKiB, kib);
    }
    void Take(const RunResult& run) { Take(run.seconds, run.cpuSeconds, run.peakKiB); }
};

int failures = 0;

void Fail(const std::string& what) {
    std::fprintf(stderr, "tessark-bench: FAILED: %s\n", what.c_str());
    ++failures;
}

void Say(const std::string& what) {
    std::printf("tessark-bench: %s\n", what.c_str());
    std::fflush(stdout);
}

std::string LoadAverage() {
    std::ifstream in("/proc/loadavg");
    std::string one, five;
    in >> one >> five;
    return one + " (1 min), " + five + " (5 min)";
}

std::string Rate(uint64_t bytes, double seconds) {
    return Fixed(seconds, 3) + " s, " + Fixed(bytes / 1e6 / seconds, 1) + " MB/s";
}

std::string KiB(long kib) {
    return std::to_string(kib) + " KiB";
}

bool ParseOptions(int argc, char** argv, Options* options) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const auto value = [&](std::string* into) {
            if (i + 1 >= argc) return false;
            *into = argv[++i];
            return true;
        };
        std::string number;
        if (arg == "--host" && value(&options->host)) continue;
        if (arg == "--win" && value(&options->win)) continue;
        if (arg == "--out" && value(&options->out)) continue;
        if (arg == "--repo" && value(&options->repo)) continue;
        if (arg == "--runs" && value(&number)) {
            options->runs = std::max(1, std::atoi(number.c_str()));
            continue;
        }
        if (arg == "--large-mib" && value(&number)) {
            options->largeBytes = std::strtoull(number.c_str(), nullptr, 10) << 20;
            continue;
        }
        if (arg == "--no-wine") {
            options->wine = false;
            continue;
        }
        return false;
    }
    return !options->host.empty() && !options->win.empty() && !options->out.empty() &&
           !options->repo.empty();
}

class Bench {
  public:
    explicit Bench(const Options& options) : options_(options) {
        tessark_ = fs::absolute(options.host + "/cli/tessark").string();
        stub_ = fs::absolute(options.win + "/installer/win/extractor.exe").string();
        out_ = fs::absolute(options.out).string();
    }

    int Run();

  private:
    RunResult Tessark(const std::vector<std::string>& args) {
        std::vector<std::string> command = {tessark_};
        command.insert(command.end(), args.begin(), args.end());
        RunOptions run;
        run.outputFile = out_ + "/work/tessark.log";
        const RunResult result = RunProgram(command, run);
        if (!result.Succeeded()) Fail("tessark " + args[0] + ": " + result.output);
        return result;
    }
    bool MakeProject(const std::string& project, const std::vector<ProductFile>& files,
                     const std::string& target);
    void MeasureProduct();
    void CheckAgainstReference(const std::string& setup);
    void MeasureLargeFile();
    void MeasurePeer();

    const Options options_;
    std::string tessark_, stub_, out_;
    std::string self_ = fs::read_symlink("/proc/self/exe").string();
    Product product_;
    std::vector<StreamPlace> referenceStreams_;
    ResultsTable table_;
    double ourParallelBuild_ = 0;
    std::string setup_;
};

bool Bench::MakeProject(const std::string& project, const std::vector<ProductFile>& files,
                        const std::string& target) {
    bool ok = Tessark({"new", project, "--force"}).Succeeded();
    ok = ok && Tessark({"set", project, "productName", "Tessark Bench Product"}).Succeeded();
    ok = ok && Tessark({"set", project, "productDirectory", "BenchProduct"}).Succeeded();
    ok = ok && Tessark({"set", project, "licenseRtf", out_ + "/product/license.rtf"}).Succeeded();
    ok = ok && Tessark({"set", project, "targetFile", target}).Succeeded();
    std::map<std::string, std::vector<std::string>> byCategory;
    std::vector<std::string> order;
    for (const ProductFile& file : files) {
        if (byCategory[file.category].empty()) order.push_back(file.category);
        byCategory[file.category].push_back(file.path);
    }
    for (const std::string& category : order) {
        std::vector<std::string> add = {"add", project, category};
        add.insert(add.end(), byCategory[category].begin(), byCategory[category].end());
        ok = ok && Tessark(add).Succeeded();
    }
    return ok;
}

void Bench::MeasureProduct() {
    const std::string work = out_ + "/work";
    const std::string project = work + "/product.eas";
    if (!MakeProject(project, product_.files, work + "/setup.exe")) return;
    std::vector<std::string> sources;
    for (const ProductFile& file : product_.files) sources.push_back(file.path);

    Best reference, single, parallel, extract, inflate;
    std::vector<std::string> names;
    for (int run = 1; run <= options_.runs; ++run) {
        Say("product run " + std::to_string(run) + " of " + std::to_string(options_.runs));
        std::vector<std::string> deflate = {self_, "--deflate-reference", work + "/reference.bin",
                                            work + "/places.txt"};
        deflate.insert(deflate.end(), sources.begin(), sources.end());
        const RunResult deflated = RunProgram(deflate);
        if (!deflated.Succeeded() ||
            !ReadPlaces(work + "/places.txt", &referenceStreams_, &names)) {
            Fail("plain zlib could not deflate the product");
            return;
        }
        reference.Take(deflated);

        const RunResult one = Tessark(
            {"build", project, "-o", work + "/setup-1.exe", "--stub", stub_, "--jobs", "1"});
        const RunResult two = Tessark(
            {"build", project, "-o", work + "/setup-2.exe", "--stub", stub_, "--jobs", "2"});
        if (!one.Succeeded() || !two.Succeeded()) return;
        single.Take(one);
        parallel.Take(two);

        fs::remove_all(work + "/extract");
        const RunResult extracted = Tessark({"extract", work + "/setup-2.exe", work + "/extract"});
        if (!extracted.Succeeded()) return;
        extract.Take(extracted);

        fs::remove_all(work + "/inflate");
        fs::create_directories(work + "/inflate");
        const RunResult inflated =
            RunProgram({self_, "--inflate-reference", work + "/reference.bin", work + "/places.txt",
                        work + "/inflate"});
        if (!inflated.Succeeded()) {
            Fail("plain inflate of the reference streams failed");
            return;
        }
        inflate.Take(inflated);
    }
    setup_ = work + "/setup-2.exe";
    ourParallelBuild_ = parallel.seconds;

    const uint64_t bytes = product_.totalBytes;
    const std::string zlib = "plain zlib: " + Rate(bytes, reference.seconds);
    const auto cpu = [](const Best& ours, const Best& theirs) {
        return "processor time " + Fixed(ours.cpuSeconds, 3) + " s against " +
               Fixed(theirs.cpuSeconds, 3) + " s";
    };
    table_.Add({"build, 1 thread (`--jobs 1`)", Rate(bytes, single.seconds), zlib,
                Fixed(reference.seconds / single.seconds, 2),
                "target at least 0.95; " + cpu(single, reference)});
    table_.Add({"build, 2 threads (`--jobs 2`)", Rate(bytes, parallel.seconds), zlib,
                Fixed(reference.seconds / parallel.seconds, 2),
                "target above 1.6; " + cpu(parallel, reference)});
    table_.Add({"build, 2 threads against 1", "", "", Fixed(single.seconds / parallel.seconds, 2),
                "speed-up of the parallel writer in this run"});
    table_.Add({"extract (`tessark extract`)", Rate(bytes, extract.seconds),
                "plain inflate: " + Rate(bytes, inflate.seconds),
                Fixed(inflate.seconds / extract.seconds, 2),
                "target at least 0.9; " + cpu(extract, inflate)});
    table_.Add({"peak memory, build 1 thread", KiB(single.peakKiB), "", "", ""});
    table_.Add({"peak memory, build 2 threads", KiB(parallel.peakKiB), "", "", ""});
    table_.Add({"peak memory, extract", KiB(extract.peakKiB), "", "", ""});

    // The results must be right before their times mean anything.
    if (!SameFile(work + "/setup-1.exe", work + "/setup-2.exe")) {
        Fail("the setups built with 1 and 2 threads differ");
    }
    if (!Tessark({"verify", setup_}).Succeeded()) Fail("tessark verify refused the setup");
    for (const ProductFile& file : product_.files) {
        if (!SameFile(file.path, work + "/extract/" + file.name)) {
            Fail("extracted " + file.name + " differs from its source");
        }
        if (!SameFile(file.path, work + "/inflate/" + file.name)) {
            Fail("inflated " + file.name + " differs from its source");
        }
    }
    CheckAgainstReference(setup_);
}

// The setup's streams of the product's files are plain zlib's, byte for byte.
void Bench::CheckAgainstReference(const std::string& setup) {
    std::vector<ListedFile> listed;
    if (!ListSetup(tessark_, setup, out_ + "/work", &listed) ||
        listed.size() != kFixedEntries + product_.files.size()) {
        Fail("tessark list does not show the setup's files");
        return;
    }
    std::ifstream ours(setup, std::ios::binary),
        theirs(out_ + "/work/reference.bin", std::ios::binary);
    for (size_t i = 0; i < product_.files.size(); ++i) {
        const ListedFile& file = listed[kFixedEntries + i];
        const StreamPlace& place = referenceStreams_[i];
        if (file.packed != place.size || file.size != place.inflated) {
            Fail(file.name + ": its stream is not plain zlib's length");
            continue;
        }
        std::string a(file.packed, '\0'), b(place.size, '\0');
        ours.seekg(static_cast<std::streamoff>(file.offset));
        ours.read(&a[0], static_cast<std::streamsize>(a.size()));
        theirs.seekg(static_cast<std::streamoff>(place.offset));
        theirs.read(&b[0], static_cast<std::streamsize>(b.size()));
        if (!ours || !theirs || a != b) Fail(file.name + ": its stream differs from plain zlib's");
    }
    const ListedFile& last = listed.back();
    const uint64_t setupBytes = fs::file_size(setup);
    const uint64_t stubBytes = fs::file_size(stub_);
    uint64_t payload = 0, packed = 0;
    for (const ListedFile& file : listed) {
        payload += file.size;
        packed += file.packed;
    }
    table_.Add({"stub `extractor.exe` (uninstaller inside)", std::to_string(stubBytes) + " bytes",
                "", "", "paid by every setup"});
    table_.Add({"trailer", std::to_string(setupBytes - last.offset - last.packed) + " bytes", "",
                "", std::to_string(listed.size()) + " records"});
    table_.Add({"setup against payload", Megabytes(setupBytes) + " for " + Megabytes(payload), "",
                Fixed(100.0 * setupBytes / payload, 1) + " %", "streams " + Megabytes(packed)});
}

void Bench::MeasureLargeFile() {
    const std::string folder = out_ + "/large";
    fs::create_directories(folder);
    ProductFile file;
    file.category = "other";
    file.name = "large.bin";
    file.path = folder + "/large.bin";
    Say("writing the large file (" + std::to_string(options_.largeBytes >> 20) + " MiB)");
    if (!WriteLargeFile(file.path, options_.largeBytes)) {
        Fail("cannot write the large file");
        return;
    }
    const std::string project = folder + "/large.eas";
    if (!MakeProject(project, {file}, folder + "/large-setup.exe")) return;
    Say("building and extracting the large file");
    const RunResult built =
        Tessark({"build", project, "-o", folder + "/large-setup.exe", "--stub", stub_});
    const RunResult verified = Tessark({"verify", folder + "/large-setup.exe"});
    const RunResult extracted =
        Tessark({"extract", folder + "/large-setup.exe", folder + "/extract"});
    if (built.Succeeded() && extracted.Succeeded()) {
        const std::string size = std::to_string(options_.largeBytes >> 20) + " MiB file";
        table_.Add({"peak memory, build of one " + size, KiB(built.peakKiB), "", "",
                    Rate(options_.largeBytes, built.seconds)});
        table_.Add({"peak memory, extract of one " + size, KiB(extracted.peakKiB), "", "",
                    Rate(options_.largeBytes, extracted.seconds)});
        if (!SameFile(file.path, folder + "/extract/large.bin")) {
            Fail("the extracted large file differs from its source");
        }
    }
    if (!verified.Succeeded()) Fail("tessark verify refused the large setup");
    std::error_code ignored;
    fs::remove_all(folder, ignored);  // a few gigabytes nobody needs afterwards
}

void Bench::MeasurePeer() {
    const std::string folder = out_ + "/peer";
    fs::create_directories(folder);
    InstallPlaces places;
    places.metatraderFolder = "C:\\MT4";
    places.productFolder = "BenchProduct";
    Say("building the peer installer");
    const PeerBuild peer =
        BuildPeerInstaller(product_, places, out_ + "/product/license.rtf", folder);
    if (!peer.missing.empty()) {
        table_.Add(
            {"peer build (makensis, zlib, not solid)", "", "not available", "", peer.missing});
    } else {
        const uint64_t ours = fs::file_size(setup_);
        table_.Add({"build time against the peer", Fixed(ourParallelBuild_, 3) + " s",
                    "makensis: " + Fixed(peer.seconds, 3) + " s",
                    Fixed(peer.seconds / ourParallelBuild_, 2), "peer time / ours"});
        table_.Add({"setup size against the peer", Megabytes(ours),
                    "NSIS: " + Megabytes(peer.bytes),
                    Fixed(static_cast<double>(ours) / peer.bytes, 3), "ours / peer"});
    }
    if (!options_.wine) return;

    Say("installing both under Wine");
    WineSession session(options_.repo + "/scripts/wine-session.sh", out_);
    const std::string problem = session.Start();
    if (!problem.empty()) {
        table_.Add(
            {"unattended install under Wine", "not available", "not available", "", problem});
        return;
    }
    std::string peerTime = "not available";
    double peerSeconds = 0;
    if (peer.missing.empty() && PrepareTerminal(session, places)) {
        const RunResult run = session.Run({peer.installer, "/S"}, 300);
        const std::vector<std::string> misplaced = MisplacedFiles(session, product_, places);
        if (!run.Succeeded() || !misplaced.empty()) {
            Fail("the NSIS installer did not install the product (" +
                 std::to_string(misplaced.size()) + " files missing or different)");
        } else {
            peerSeconds = run.seconds;
            peerTime = "NSIS `/S`: " + Fixed(run.seconds, 2) + " s";
        }
    }
    // Our unattended mode: a run that does not end or installs nothing means it is not there.
    std::string ours = "not available", ratio, note;
    if (PrepareTerminal(session, places)) {
        const double limit = std::max(30.0, 10 * peerSeconds);
        const RunResult run = session.Run({setup_, "/S", "/MT4=" + places.metatraderFolder}, limit);
        const std::vector<std::string> misplaced = MisplacedFiles(session, product_, places);
        if (run.Succeeded() && misplaced.empty()) {
            ours = "`setup.exe /S`: " + Fixed(run.seconds, 2) + " s";
            if (peerSeconds > 0) ratio = Fixed(peerSeconds / run.seconds, 2);
            note = "peer time / ours";
        } else if (run.timedOut) {
            note = "setup.exe /S did not end within " + Fixed(limit, 0) +
                   " s: this installer has no unattended mode yet (it waits in its wizard)";
        } else {
            note = "setup.exe /S exited with status " + std::to_string(run.status) +
                   " and installed " + std::to_string(product_.files.size() - misplaced.size()) +
                   " of " + std::to_string(product_.files.size()) + " files";
        }
    }
    table_.Add({"unattended install under Wine", ours, peerTime, ratio, note});
}

int Bench::Run() {
    if (!fs::exists(tessark_)) {
        std::fprintf(stderr, "tessark-bench: %s is missing (make host)\n", tessark_.c_str());
        return 2;
    }
    if (!fs::exists(stub_)) {
        std::fprintf(stderr, "tessark-bench: %s is missing (make win)\n", stub_.c_str());
        return 2;
    }
    const std::string loadBefore = LoadAverage();
    fs::remove_all(out_ + "/product");
    fs::remove_all(out_ + "/work");
    fs::create_directories(out_ + "/product");
    fs::create_directories(out_ + "/work");
    Say("generating the product");
    if (!GenerateProduct(out_ + "/product", &product_)) {
        Fail("cannot write the product's files");
        return 1;
    }
    std::ofstream(out_ + "/product/license.rtf") << "{\\rtf1\\ansi Benchmark license.\\par}";
    uint64_t largest = 0;
    for (const ProductFile& file : product_.files) largest = std::max(largest, file.size);
    if (largest * 10 > product_.totalBytes) Fail("a file is above a tenth of the product");

    MeasureProduct();
    if (!setup_.empty()) {
        MeasureLargeFile();
        MeasurePeer();
    }

    table_.Remark("Product: " + std::to_string(product_.files.size()) + " files, " +
                  Megabytes(product_.totalBytes) + " (largest " + Megabytes(largest) +
                  "); times are the best of " + std::to_string(options_.runs) +
                  " runs, MB/s of the product's bytes; ratios are reference time / ours. "
                  "Every program, the references too, runs as a process of its own and is "
                  "timed from start to exit.");
    table_.Remark("Machine: " + std::to_string(sysconf(_SC_NPROCESSORS_ONLN)) +
                  " processors, load average " + loadBefore + " before and " + LoadAverage() +
                  " after; zlib " + zlibVersion() + ".");
    if (failures > 0) table_.Remark("**" + std::to_string(failures) + " checks FAILED.**");
    const std::string markdown = table_.Markdown("Tessark benchmark");
    std::ofstream(out_ + "/results.md") << markdown;
    std::printf("\n%s\nWritten to %s/results.md\n", markdown.c_str(), out_.c_str());
    return failures == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::string(argv[1]) == "--deflate-reference") {
        return DeflateReferenceMain(argc, argv);
    }
    if (argc > 1 && std::string(argv[1]) == "--inflate-reference") {
        return InflateReferenceMain(argc, argv);
    }
    Options options;
    if (!ParseOptions(argc, argv, &options)) {
        std::fprintf(stderr,
                     "usage: tessark-bench --host BUILD/host --win BUILD/win --out FOLDER "
                     "--repo SOURCE [--runs N] [--large-mib N] [--no-wine]\n");
        return 2;
    }
    return Bench(options).Run();
}

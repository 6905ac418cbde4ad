#include "installer/package_check.h"

namespace installer {

namespace {

struct CheckContext {
    PackageCheckProgress* progress;
    int64_t before;        // stream bytes of the records already checked
    int64_t current;       // the stream size of the record being checked
    int64_t lastReported;  // -1 before the first report
};

// A percentage of the current record turned into bytes of the whole package.
void OnVerifyProgress(int32_t event, const void* data, intptr_t userData) {
    if (event != SFX_PROGRESS) return;
    auto* context = reinterpret_cast<CheckContext*>(userData);
    const int32_t percent = *static_cast<const int32_t*>(data);
    // In double precision (exact for a sound stream, whose percentage is at most 100): the
    // stub then needs no 64-bit division routine.
    const int64_t done =
        context->before +
        static_cast<int64_t>(static_cast<double>(context->current) * percent / 100);
    if (done == context->lastReported) return;
    context->lastReported = done;
    context->progress->Checked(done);
}

}  // namespace

PackageCheck CheckPackage(CSelfExtractor& reader, PackageCheckProgress* progress) {
    if (reader.ReadTrailer(reader.GetModulePath()) != SFX_OK) return PackageCheck::NoPackage;
    os::File package;
    if (!package.OpenRead(reader.GetModulePath())) return PackageCheck::NoPackage;

    int64_t total = 0;
    for (int32_t i = 0; i < reader.GetFileCount(); ++i) {
        total += reader.GetFileRecord(i)->compressedSize;
    }
    if (progress != nullptr) progress->Begin(total);

    CheckContext context{progress, 0, 0, -1};
    for (int32_t i = 0; i < reader.GetFileCount(); ++i) {
        context.current = reader.GetFileRecord(i)->compressedSize;
        const package::StreamState state =
            progress != nullptr ? reader.VerifyFile(package, i, OnVerifyProgress,
                                                    reinterpret_cast<intptr_t>(&context))
                                : reader.VerifyFile(package, i);
        if (state != package::StreamState::Sound) return PackageCheck::Damaged;
        context.before += context.current;
        if (progress != nullptr && context.before != context.lastReported) {
            context.lastReported = context.before;
            progress->Checked(context.before);
        }
    }
    return PackageCheck::Sound;
}

}  // namespace installer

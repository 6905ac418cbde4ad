#include "cli/progress_display.h"

#include "base/text.h"
#include "cli/console.h"

namespace cli {

namespace {

constexpr int kBarWidth = 30;

int32_t Percent(int64_t done, int64_t total) {
    if (total <= 0 || done >= total) return 100;
    return static_cast<int32_t>(done * 100 / total);
}

}  // namespace

std::u16string ProgressDisplay::Bar(int64_t done, int64_t total) {
    const int32_t percent = Percent(done, total);
    const int filled = percent * kBarWidth / 100;
    std::u16string bar = u"[";
    bar.append(static_cast<size_t>(filled), u'#');
    bar.append(static_cast<size_t>(kBarWidth - filled), u'.');
    bar += u"]";
    return bar + text::Format(u"  %d of %d bytes  %d%%",
                              {text::FromInt(done), text::FromInt(total), text::FromInt(percent)});
}

void ProgressDisplay::OnLogLine(const std::u16string& line) {
    const std::u16string bar = shown_;
    Erase();
    console::Out(line + u"\n");
    if (!bar.empty()) {
        console::Out(bar);
        shown_ = bar;
    }
}

void ProgressDisplay::OnPackingStarted(int32_t fileCount, int64_t totalBytes) {
    totalBytes_ = totalBytes;
    finishedBytes_ = 0;
    Draw(0);
}

void ProgressDisplay::OnFileProgress(const FileRecord& record, int32_t percent) {
    Draw(finishedBytes_ + static_cast<int64_t>(record.uncompressedSize) * percent / 100);
}

void ProgressDisplay::OnFileDone(const FileRecord& record) {
    finishedBytes_ += record.uncompressedSize;
    Draw(finishedBytes_);
}

void ProgressDisplay::Finish() {
    Erase();
}

void ProgressDisplay::Draw(int64_t done) {
    if (!terminal_) return;
    // Redrawing only when the bar moves keeps a large file from flooding the terminal.
    const int64_t permille = totalBytes_ > 0 ? done * 1000 / totalBytes_ : 1000;
    if (permille == shownPermille_ && !shown_.empty()) return;
    const std::u16string bar = Bar(done, totalBytes_);
    console::Out(u"\r" + bar);
    shown_ = bar;
    shownPermille_ = permille;
}

void ProgressDisplay::Erase() {
    if (shown_.empty()) return;
    console::Out(u"\r" + std::u16string(shown_.size(), u' ') + u"\r");
    shown_.clear();
}

}  // namespace cli

#pragma once
// What "tessark build" shows while it packs: the build log's lines, and on a terminal a
// progress bar with the bytes packed so far and the percentage, redrawn in place.

#include <cstdint>
#include <string>

#include "builder/build/build_setup.h"

namespace cli {

class ProgressDisplay : public build::BuildObserver {
  public:
    explicit ProgressDisplay(bool terminal) : terminal_(terminal) {}
    ~ProgressDisplay() override { Finish(); }

    void OnLogLine(const std::u16string& line) override;
    void OnPackingStarted(int32_t fileCount, int64_t totalBytes) override;
    void OnFileProgress(const FileRecord& record, int32_t percent) override;
    void OnFileDone(const FileRecord& record) override;

    // Takes the bar off the screen, so that the lines after it start on a clean line.
    void Finish();

    // The bar for `done` of `total` bytes, such as "[#####.....]  512 of 1024 bytes  50%".
    static std::u16string Bar(int64_t done, int64_t total);

  private:
    void Draw(int64_t done);
    void Erase();

    bool terminal_;
    int64_t totalBytes_ = 0;
    int64_t finishedBytes_ = 0;   // of the files packed completely
    std::u16string shown_;        // the bar on the screen, empty when none
    int64_t shownPermille_ = -1;  // how far the bar on the screen is, in tenths of a percent
};

}  // namespace cli

#pragma once
// Where a package's "{metatrader}" destination lands in a terminal. Packages name the folders of
// the classic layout ("{metatrader}\experts\indicators\"); this is the one table that maps them
// onto the layout of each chosen terminal, at install time:
//
//   package folder             classic terminal          current or portable terminal
//   experts\                   experts\                  <data>\MQL4\Experts\
//   experts\indicators\        experts\indicators\       <data>\MQL4\Indicators\
//   experts\scripts\ ...       (likewise)                <data>\MQL4\Scripts\ (and Libraries,
//                                                        Include, Files, Presets, Logs, Images)
//   experts\templates\         experts\templates\        <data>\templates\
//   experts\sounds\            <install>\sounds\         <install>\Sounds\
//   sounds\                    sounds\                   <install>\Sounds\
//   anything else              as named                  <data>\ and the same path
//
// The terminal plays sounds only from its installation folder's sounds folder, in both layouts.
// Folder names match without regard to letter case; a folder that exists keeps its own spelling.

#include <string>
#include <vector>

#include "installer/terminal_target.h"
#include "package/metatrader_placement.h"

namespace installer {

// The folder, ending with a backslash, of `destination` (which begins with "{metatrader}") in
// `terminal`.
os::Path TerminalFolder(const TerminalTarget& terminal, const std::u16string& destination);

// The chosen terminals as the extraction places "{metatrader}" records.
class TerminalPlacement : public package::MetaTraderPlacement {
  public:
    explicit TerminalPlacement(const std::vector<TerminalTarget>& terminals)
        : terminals_(terminals) {}
    size_t TerminalCount() const override { return terminals_.size(); }
    os::Path Folder(size_t terminal, const std::u16string& destination) const override {
        return TerminalFolder(terminals_[terminal], destination);
    }

  private:
    const std::vector<TerminalTarget>& terminals_;
};

}  // namespace installer

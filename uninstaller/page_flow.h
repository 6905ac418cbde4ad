#pragma once
// The order of the uninstaller's three pages. Each page is a modal dialog whose result decides
// the next one: 1 Next, 2 Cancel, anything else Prev.

#include <cstdint>

namespace uninstaller {

enum class Page { Welcome, Progress, Complete, End };

constexpr int32_t kPageNext = 1;     // IDOK
constexpr int32_t kPageCancel = 2;   // IDCANCEL, also the complete page's "&Finish"
constexpr int32_t kPagePrev = 1008;  // the "<< &Prev" button's identifier
constexpr int32_t kPageFailed = -1;  // the dialog could not be created

// Where a result on `page` leads. The welcome page has no Prev button, so anything but Cancel
// goes on to the removal; Prev from the complete page returns to the welcome page, from where
// Next runs the removal again. A page that could not be shown ends the program.
Page NextPage(Page page, int32_t result);

}  // namespace uninstaller

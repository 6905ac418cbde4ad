#pragma once
// The keyboard and check-box rules of the Project Info and MetaTrader Options pages, apart from
// any window: the order Tab visits the Project Info fields, and the "All" boxes that set the
// eight expert options at once. Identifiers are the grid's editor identifiers
// (widgets::kEditorIdBase + row identifier).

namespace ui {

// The Project Info fields in the order Tab visits them; after the last comes the first.
constexpr int kTabCycleLength = 12;
extern const int kTabCycle[kTabCycleLength];
// The place in the cycle that Tab moves to from the window `focusedId`. When that window is
// not in the cycle, the step is taken from `rememberedPlace` (a place from an earlier Tab).
int NextTabPlace(int focusedId, int rememberedPlace, bool backwards = false);

// The eight expert-option check boxes, in option order, and the three boxes that set them all.
constexpr int kExpertOptionBoxCount = 8;
extern const int kExpertOptionBoxIds[kExpertOptionBoxCount];
constexpr int kAllBoxesRowId = 24;
constexpr int kNoChangeAllId = 7024;
constexpr int kCheckAllId = 7025;
constexpr int kUncheckAllId = 7026;
// The state (0 clear, 1 checked, 2 indeterminate) that "All" box `windowId` gives every
// option, or -1 when the window is not one of the three.
int AllBoxState(int windowId);

}  // namespace ui

#pragma once
// Where the bar of a two-pane splitter goes, apart from any window.

namespace widgets {

// The left pane's width after the bar is asked to leave it `requested` pixels wide, in a
// splitter `totalWidth` wide whose bar is `barWidth`: neither pane narrower than `minPane`;
// when the splitter is too narrow for that, the left pane keeps at most half of it.
int ClampSplitLeft(int requested, int totalWidth, int barWidth, int minPane);

}  // namespace widgets

//+------------------------------------------------------------------+
//| Common.mqh: what every indicator of the Tessark Indicator Pack shares.
//+------------------------------------------------------------------+
#property strict
#include <TessarkPack\Math\Filters.mqh>

#define PACK_COLOUR clrTeal

// Draws buffer `index` as the pack's solid line, labelled `label`.
void PackStyleLine(const int index, const string label)
{
   SetIndexStyle(index, DRAW_LINE, STYLE_SOLID, 1, PACK_COLOUR);
   SetIndexLabel(index, label);
}

// The first bar to compute: all of them once, then only the newest.
int PackFirstBar(const int total, const int calculated, const int period)
{
   if (calculated == 0) return total - period - 1;
   return total - calculated;
}

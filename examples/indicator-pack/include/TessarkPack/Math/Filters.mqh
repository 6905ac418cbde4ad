//+------------------------------------------------------------------+
//| Filters.mqh: smoothing helpers of the Tessark Indicator Pack.
//+------------------------------------------------------------------+
#property strict
#include <TessarkPack\Math\Stats\Moments.mqh>

// The mean of `count` values from `start`, of an array in series order.
double PackMean(const double &values[], const int start, const int count)
{
   return PackSum(values, start, count) / MathMax(count, 1);
}

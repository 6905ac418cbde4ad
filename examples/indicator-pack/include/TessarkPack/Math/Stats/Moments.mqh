//+------------------------------------------------------------------+
//| Moments.mqh: sums and spreads for the Tessark Indicator Pack.
//+------------------------------------------------------------------+
#property strict

double PackSum(const double &values[], const int start, const int count)
{
   double sum = 0;
   for (int i = start; i < start + count; i++) sum += values[i];
   return sum;
}

double PackSpread(const double &values[], const int start, const int count)
{
   double mean = PackSum(values, start, count) / MathMax(count, 1);
   double squares = 0;
   for (int i = start; i < start + count; i++) squares += (values[i] - mean) * (values[i] - mean);
   return MathSqrt(squares / MathMax(count, 1));
}

//+------------------------------------------------------------------+
//| PackWeightedMedian8.mq4: a weighted moving average of the median price over 8 bars,
//| drawn with the pack's common colours. Part of the Tessark Indicator Pack sample.
//+------------------------------------------------------------------+
#property strict
#property indicator_chart_window
#property indicator_buffers 1
#include <TessarkPack\Common.mqh>

input int Period = 8;

double Line[];

int OnInit()
{
   SetIndexBuffer(0, Line);
   PackStyleLine(0, "Weighted Median 8");
   return INIT_SUCCEEDED;
}

int OnCalculate(const int rates_total, const int prev_calculated, const datetime &time[],
                const double &open[], const double &high[], const double &low[],
                const double &close[], const long &tick_volume[], const long &volume[],
                const int &spread[])
{
   int first = PackFirstBar(rates_total, prev_calculated, Period);
   for (int i = first; i >= 0; i--)
      Line[i] = iMA(NULL, 0, Period, 0, MODE_LWMA, PRICE_MEDIAN, i);
   return rates_total;
}

//+------------------------------------------------------------------+
//| CrossBands.mq4                                                     |
//| Sample indicator of Tessark's example project: draws the fast and  |
//| slow moving averages that the MovingCross expert trades on.        |
//+------------------------------------------------------------------+
#property copyright "Tessark Samples"
#property version   "1.00"
#property strict
#property indicator_chart_window
#property indicator_buffers 2
#property indicator_color1  clrDodgerBlue
#property indicator_color2  clrOrange
#property indicator_width1  2

input int FastPeriod = 12;
input int SlowPeriod = 26;

double Fast[];
double Slow[];

int OnInit()
{
   SetIndexBuffer(0, Fast);
   SetIndexBuffer(1, Slow);
   SetIndexLabel(0, "Fast EMA");
   SetIndexLabel(1, "Slow EMA");
   IndicatorShortName("CrossBands(" + IntegerToString(FastPeriod) + "," +
                      IntegerToString(SlowPeriod) + ")");
   return(INIT_SUCCEEDED);
}

int OnCalculate(const int rates_total, const int prev_calculated, const datetime &time[],
                const double &open[], const double &high[], const double &low[],
                const double &close[], const long &tick_volume[], const long &volume[],
                const int &spread[])
{
   int limit = rates_total - (prev_calculated > 0 ? prev_calculated - 1 : 0);
   for(int i = 0; i < limit; i++)
   {
      Fast[i] = iMA(NULL, 0, FastPeriod, 0, MODE_EMA, PRICE_CLOSE, i);
      Slow[i] = iMA(NULL, 0, SlowPeriod, 0, MODE_EMA, PRICE_CLOSE, i);
   }
   return(rates_total);
}

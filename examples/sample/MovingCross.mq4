//+------------------------------------------------------------------+
//| MovingCross.mq4                                                    |
//| Sample expert advisor shipped with Tessark's example project:      |
//| buys when a fast moving average crosses above a slow one, sells    |
//| when it crosses below, one position at a time.                     |
//+------------------------------------------------------------------+
#property copyright "Tessark Samples"
#property version   "1.00"
#property strict

#import "crossmath.dll"
int CrossDirection(double fastBefore, double slowBefore, double fastNow, double slowNow);
#import

input int    FastPeriod  = 12;     // fast moving average, bars
input int    SlowPeriod  = 26;     // slow moving average, bars
input double Lots        = 0.10;   // position size
input int    StopLoss    = 300;    // points, 0 for none
input int    TakeProfit  = 600;    // points, 0 for none
input int    Magic       = 20240;  // tells this expert's orders from others
input bool   PlayAlert   = true;   // play cross-alert.wav on every cross

int OnInit()
{
   if(FastPeriod <= 0 || SlowPeriod <= FastPeriod)
   {
      Print("MovingCross: the slow period must be longer than the fast one");
      return(INIT_PARAMETERS_INCORRECT);
   }
   return(INIT_SUCCEEDED);
}

// Number of open orders of this expert on this symbol.
int OpenOrders()
{
   int count = 0;
   for(int i = OrdersTotal() - 1; i >= 0; i--)
      if(OrderSelect(i, SELECT_BY_POS, MODE_TRADES) &&
         OrderSymbol() == Symbol() && OrderMagicNumber() == Magic)
         count++;
   return(count);
}

void CloseOrders()
{
   for(int i = OrdersTotal() - 1; i >= 0; i--)
   {
      if(!OrderSelect(i, SELECT_BY_POS, MODE_TRADES)) continue;
      if(OrderSymbol() != Symbol() || OrderMagicNumber() != Magic) continue;
      double price = OrderType() == OP_BUY ? Bid : Ask;
      if(!OrderClose(OrderTicket(), OrderLots(), price, 3, clrNONE))
         Print("MovingCross: close failed, error ", GetLastError());
   }
}

void Open(int type)
{
   double price = type == OP_BUY ? Ask : Bid;
   double sign  = type == OP_BUY ? 1.0 : -1.0;
   double sl = StopLoss   > 0 ? price - sign * StopLoss   * Point : 0.0;
   double tp = TakeProfit > 0 ? price + sign * TakeProfit * Point : 0.0;
   if(OrderSend(Symbol(), type, Lots, price, 3, sl, tp, "MovingCross", Magic, 0, clrNONE) < 0)
      Print("MovingCross: order failed, error ", GetLastError());
}

void OnTick()
{
   // Decide once per bar, on the two bars that have closed.
   static datetime lastBar = 0;
   if(Time[0] == lastBar) return;
   lastBar = Time[0];

   double fastNow    = iMA(NULL, 0, FastPeriod, 0, MODE_EMA, PRICE_CLOSE, 1);
   double slowNow    = iMA(NULL, 0, SlowPeriod, 0, MODE_EMA, PRICE_CLOSE, 1);
   double fastBefore = iMA(NULL, 0, FastPeriod, 0, MODE_EMA, PRICE_CLOSE, 2);
   double slowBefore = iMA(NULL, 0, SlowPeriod, 0, MODE_EMA, PRICE_CLOSE, 2);

   int direction = CrossDirection(fastBefore, slowBefore, fastNow, slowNow);
   if(direction == 0) return;

   if(PlayAlert) PlaySound("cross-alert.wav");
   CloseOrders();
   if(OpenOrders() == 0) Open(direction > 0 ? OP_BUY : OP_SELL);
}

//+------------------------------------------------------------------+
//| CloseCrossTrades.mq4                                               |
//| Sample script of Tessark's example project: closes every open      |
//| order of the MovingCross expert on the chart's symbol.             |
//+------------------------------------------------------------------+
#property copyright "Tessark Samples"
#property version   "1.00"
#property strict
#property script_show_inputs

input int Magic = 20240;  // the MovingCross expert's magic number

void OnStart()
{
   int closed = 0;
   for(int i = OrdersTotal() - 1; i >= 0; i--)
   {
      if(!OrderSelect(i, SELECT_BY_POS, MODE_TRADES)) continue;
      if(OrderSymbol() != Symbol() || OrderMagicNumber() != Magic) continue;
      if(OrderType() > OP_SELL) continue;  // pending orders stay
      double price = OrderType() == OP_BUY ? Bid : Ask;
      if(OrderClose(OrderTicket(), OrderLots(), price, 3, clrNONE)) closed++;
      else Print("CloseCrossTrades: close failed, error ", GetLastError());
   }
   Print("CloseCrossTrades: ", closed, " orders closed");
}

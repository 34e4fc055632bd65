
 SUB GraficWin ()

   LOCAL hwin AS LONG 

   GRAPHIC WINDOW " Example for PBCC5 or PBwin9 ", 11, 46, 779, 902 TO hWin
   GRAPHIC ATTACH hWin, 0 
   GRAPHIC COLOR 0,%WHITE
   GRAPHIC CLEAR

   GRAPHIC WIDTH 2
   GRAPHIC BOX (95, 303) - (324, 418),0,0,8421631,0        ' [[  2  ]] 

   GRAPHIC WIDTH 2
   GRAPHIC BOX (95, 533) - (324, 648),0,0,%WHITE,0        ' [[  3  ]] 

 END SUB

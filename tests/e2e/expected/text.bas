  GLOBAL sName AS STRING

 SUB DoString
   LOCAL esc, hfont, Xs, Ys AS LONG

   FONT NEW "Lucida console", 10, 0, 255, 0, esc TO hFont

   GRAPHIC SET FONT hFont

   GRAPHIC COLOR 0,%WHITE
   GRAPHIC SET POS (  26,  128)
   GRAPHIC PRINT sName

     FONT END hfont
 End SUB

 SUB GraficWin ()

   LOCAL hwin AS LONG 

   LOCAL esc, HFONT AS LONG
   LOCAL nWidth, nHeight, Xs, Ys AS LONG

   GRAPHIC WINDOW " Example for PBCC5 or PBwin9 ", 103, 115, 229, 258 TO hWin
   GRAPHIC ATTACH hWin, 0 
   GRAPHIC COLOR 0,%WHITE
   GRAPHIC CLEAR

   FONT NEW "Lucida console", 10, 0, 255, 0, esc TO hFont

   GRAPHIC SET FONT hFont
   GRAPHIC COLOR %BLACK, %WHITE 
   Xs =  28 : Ys =  48
   GRAPHIC CHR SIZE TO nWidth, nHeight
   GRAPHIC SET POS ( Xs,  Ys)
   GRAPHIC PRINT "Say ""hi"" to"
   Ys = Ys + nHeight : GRAPHIC SET POS (Xs, Ys)
   GRAPHIC PRINT "the big"
   Ys = Ys + nHeight : GRAPHIC SET POS (Xs, Ys)
   GRAPHIC PRINT "world"
   Ys = Ys + nHeight : GRAPHIC SET POS (Xs, Ys)
   GRAPHIC PRINT "café"

   FONT END hfont        ' [[  1  ]] 

 END SUB

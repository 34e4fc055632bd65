  GLOBAL sName AS STRING

 SUB DoString
   LOCAL esc, hfont, Xs, Ys AS LONG

   FONT NEW "Lucida console", 10, 0, 255, 0, esc TO hFont

   XPRINT SET FONT hFont

   XPRINT COLOR 0,%WHITE
   XPRINT SET POS (  26,  128)
   XPRINT sName

     FONT END hfont
 End SUB

 SUB GraficWin ()

   XPRINT ATTACH CHOOSE 

   LOCAL esc, HFONT AS LONG
   LOCAL nWidth, nHeight, Xs, Ys AS LONG

  XPRINT SCALE (0,0)-( 801, 1056)
   FONT NEW "Lucida console", 10, 0, 255, 0, esc TO hFont

   XPRINT SET FONT hFont
   XPRINT COLOR %BLACK, %WHITE 
   Xs =  28 : Ys =  48
   XPRINT CHR SIZE TO nWidth, nHeight
   XPRINT SET POS ( Xs,  Ys)
   XPRINT "Say ""hi"" to"
   Ys = Ys + nHeight : XPRINT SET POS (Xs, Ys)
   XPRINT "the big"
   Ys = Ys + nHeight : XPRINT SET POS (Xs, Ys)
   XPRINT "world"
   Ys = Ys + nHeight : XPRINT SET POS (Xs, Ys)
   XPRINT "café"

   FONT END hfont        ' [[  1  ]] 

   XPRINT FORMFEED
   XPRINT CLOSE
 END SUB


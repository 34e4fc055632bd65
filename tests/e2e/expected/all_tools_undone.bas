
  TYPE PolyPoint 
     X AS SINGLE 
     Y AS SINGLE 
  END TYPE  

  TYPE PolyArray  
     count AS LONG  
     xy(1 TO 30) AS PolyPoint 
  END TYPE   

 FUNCTION fPolygon ( BYVAL nLeft    AS SINGLE, _  
    BYVAL nTop     AS SINGLE, _  
    BYVAL nRight   AS SINGLE, _ 
    BYVAL nBottom  AS SINGLE, _ 
    BYVAL StartRad AS EXT   , _ 
    BYVAL Count    AS LONG    ) AS STRING 

  DIM Ppoints AS LOCAL STRING  
  DIM sPtr    AS LOCAL SINGLE PTR  
  DIM Radgap  AS LOCAL EXT   
  DIM Xradius AS LOCAL LONG   
  DIM Xcenter AS LOCAL SINGLE  
  DIM Yradius AS LOCAL LONG  
  DIM Ycenter AS LOCAL SINGLE  

   Xradius = (nRight  - nLeft) \ 2 
   Yradius = (nBottom - nTop ) \ 2 
   Xcenter = (nLeft + Xradius) 
   Ycenter = (nTop  + Yradius) 
   Radgap  = (6.28318530717958648## / COUNT) 
   Ppoints = MKL$(COUNT) & STRING$((COUNT*8),0) 
   sPtr    = 4 + STRPTR(Ppoints)   

   DO     
       @sPtr = COS(StartRad) * Xradius + Xcenter : INCR sPtr  
       @sPtr = SIN(StartRad) * Yradius + Ycenter : INCR sPtr  
       StartRad = StartRad + Radgap  
       DECR COUNT  
   LOOP UNTIL COUNT = 0  
   FUNCTION = Ppoints  
 END FUNCTION  

FUNCTION fDegree2Radian ALIAS "fDegree2Radian" ( BYVAL Degree AS EXT ) EXPORT AS EXT
   LOCAL F, R AS EXT
   F = IIF(Degree > 89,2.5,0.5)
   R = (Degree * 0.0174532925199433##)
   FUNCTION = (F * 3.14159265358979324##) - R 
END FUNCTION 

     'This star function is Public Domain by Penwick 
  FUNCTION fPolygonPoints ( BYVAL nLeft    AS SINGLE    , _  
                         BYVAL nTop     AS SINGLE    , _    
                         BYVAL nRight   AS SINGLE    , _    
                         BYVAL nBottom  AS SINGLE    , _    
                         BYVAL StartRad AS EXT       , _    
                               Pts()    AS PolyPoint  ) AS STRING 

 DIM tCenter AS LOCAL PolyPoint  
 DIM P       AS LOCAL LONG   
 DIM Pnts    AS LOCAL LONG   
 DIM Radgap  AS LOCAL EXT    
 DIM Xradius AS LOCAL LONG  
 DIM Yradius AS LOCAL LONG  

 Xradius    = (nRight  - nLeft) \ 2  
 Yradius    = (nBottom - nTop ) \ 2  
 tCenter.X  = (nLeft + Xradius)   
 tCenter.Y  = (nTop  + Yradius) 
 P          = LBOUND(Pts())  
 Pnts       = UBOUND(Pts())  
 Radgap     = (6.28318530717958648## / (Pnts-P)) 

 DO   
   Pts(P).X = COS(StartRad) * Xradius + tCenter.X  
   Pts(P).Y = SIN(StartRad) * Yradius + tCenter.Y   
   StartRad = StartRad + Radgap   
   INCR P   
 LOOP UNTIL P > Pnts  

 FUNCTION = tCenter 

 END FUNCTION  

            ' Public Domain by Penwick 
  FUNCTION GRAPHIC_Star ( BYVAL X1       AS SINGLE, _ 
                          BYVAL Y1       AS SINGLE, _ 
                          BYVAL XX1      AS SINGLE, _ 
                          BYVAL YY1      AS SINGLE, _ 
                          BYVAL SRad1    AS EXT , _   
                          BYVAL X2       AS SINGLE, _ 
                          BYVAL Y2       AS SINGLE, _ 
                          BYVAL XX2      AS SINGLE, _ 
                          BYVAL YY2      AS SINGLE, _ 
                          BYVAL SRad2    AS EXT , _   
                          BYVAL Pnts     AS LONG, _   
                          BYVAL Colour   AS LONG  ) AS STRING 

  DIM P          AS LOCAL LONG  
  DIM Pts1(Pnts) AS LOCAL PolyPoint 
  DIM Pts2(Pnts) AS LOCAL PolyPoint  
  DIM tCenter    AS LOCAL PolyPoint 

  TYPE SET tCenter = fPolygonPoints(X1,Y1,XX1,YY1,SRad1,Pts1()) 
                     fPolygonPoints X2,Y2,XX2,YY2,SRad2,Pts2()

  GRAPHIC COLOR Colour  
  GRAPHIC SET POS (Pts1(0).X,Pts1(0).Y) 
  FOR P = 1 TO Pnts                     
     GRAPHIC LINE STEP -(Pts2(P).X,Pts2(P).Y) 
     GRAPHIC LINE STEP -(Pts1(P).X,Pts1(P).Y)  
  NEXT  

  FUNCTION = tCenter

 END FUNCTION 

 SUB GraficWin ()

   LOCAL hwin AS LONG 

    LOCAL RR1, RR2 AS EXT
  LOCAL sPts AS SINGLE
   GRAPHIC WINDOW " Example for PBCC5 or PBwin9 ", 11, 46, 779, 902 TO hWin
   GRAPHIC ATTACH hWin, 0 
   GRAPHIC COLOR 0,%WHITE
   GRAPHIC CLEAR

   GRAPHIC WIDTH 6
   GRAPHIC BOX (95, 73) - (324, 188),5,0,%WHITE,2        ' [[  1  ]] 

   GRAPHIC WIDTH 2
   sPts =  8 
   RR1  = fDegree2Radian(180/sPts)
   DIM tPpts4 AS LOCAL PolyArray
   TYPE SET tPpts4 = fPolygon( 95, 418, 209, 533, RR1, sPts)
   GRAPHIC POLYGON tPpts4,0,%WHITE,0,0        ' [[  4  ]] 

   GRAPHIC WIDTH 2
   GRAPHIC ELLIPSE (95, 234) - (324, 326),0,%WHITE,0        ' [[  2  ]] 

   GRAPHIC WIDTH 2
   sPts =  5 
   RR1  = fDegree2Radian(180/sPts)    ' Change to (0/sPts) and 
   RR2  = fDegree2Radian(360/sPts)    ' (180/sPts) to rotate points

   GRAPHIC_Star  324,  418,  442,  552, RR1,  356,  454,  409,  515, RR2, sPts,0        ' [[  5  ]] 

   GRAPHIC COLOR 0
   GRAPHIC WIDTH 2
   GRAPHIC LINE (95, 372) - (324, 372)           ' [[  3  ]] 

   GRAPHIC WIDTH 2
   GRAPHIC ARC (95, 579) - (209, 671),2.355,4.71,0        ' [[  6  ]] 

   GRAPHIC WIDTH 2
   GRAPHIC PIE (324, 579) - (438, 671),0,1.57,0,%WHITE,0        ' [[  7  ]] 

 END SUB

relay8x, RELAY8
RELAY8X RELAY8
"relay 8x",RELAY8
dim4
dim4 , DIM4B , extra

"say ""hi"""  x
a,,b

NPump House=0A|Well Road|12|4
AIrrigation=3c
GSouth Field=12|1F|x|3C
N=00||0|0
nlower=01|x|5|0

# blank line above
Ba=1|12
GNo Network Yet=99|20||3C
LShort
A=7
Xunknown kind
NAn extremely long network name=FF|more than fourteen chars|2147483648|-1
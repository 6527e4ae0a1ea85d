# Riverside offices: tags for both networks
NGround Floor=01|Riser A|254|0
NFirst Floor=02|Riser B|253|0
ALighting=38
AHeating=40
GReception=254|01||38
GMeeting Rooms=254|02||38
GOpen Plan East=253|10||38
GRadiators=253|11||40
B254|253
LEvening=254|01||38|03

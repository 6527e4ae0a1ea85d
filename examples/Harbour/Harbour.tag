# Harbour Offices: tags of networks, applications and groups
NMain building=01|main|254|0
NAnnex=02|annex|253|0
NCar park=03|parking|252|0
ALighting=38
ABlinds=39
AHeating=3A
ASecurity=3B
GReception=254|01||38
GOpen office=254|02||38
GMeeting room=254|03||38
GCorridors=254|04||38
GWest blinds=254|10||39
GEast blinds=254|11||39
GOffice heating=254|20||3A
GAlarm zone=254|30||3B
GAnnex store=253|05||38
GAnnex lab=253|06||38
GLevel 1 bays=252|07||38
GEntrance ramp=252|08||38
GGround floor=254|40||38
GFirst floor=254|41||38
GAnnex area=253|42||38
GCar park area=252|43||38
B254|253
B254|252

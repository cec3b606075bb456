#T100

# Directive entries
#D
#D1
#D2
#D3
#D4
#D5
#D6
#D7
#D8
#D9
#D10
#D11
#D12
#D13
#D14
#D15
#D16
#D17
#D18
#D19
#D20
#D21
#D22
#D23
#D24
#D25
#D26
#D27
#D28
#D29

0:00:01.00 0:00:02.99 {NTP} Hello\nWorld
0:01:02.45 0:01:05.04 {NTP} Egy kettõ
1:02:03.45 1:02:07.12 {NTP} A line\nB line\nC line
3:59:58.00 3:59:59.99 {NTP} Õszi ár

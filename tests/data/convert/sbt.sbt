00:00:01
00:00:02
Hello
World
00:01:02
00:01:05

Egy kettõ
01:02:03
01:02:07
A line
B line C line
23:59:58
23:59:59

Õszi ár

/d 01 00
Hello
World
/d 02 99
/c
/d 62 45
Egy kettõ
/d 65 04
/c
/d 3723 45
A line
B line
C line
/d 3727 12
/c
/d 86398 00
Õszi ár
/d 86399 99
/c

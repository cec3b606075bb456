[10][29]Hello|World
[624][650]Egy kettõ
[37234][37271]A line|B line|C line
[863980][863999]Õszi ár

C:\p\a.led
:Reset

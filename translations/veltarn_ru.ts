<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="ru_RU">
<context>
    <name>catalog</name>
    <message numerus="yes">
        <source>%1=%2: можно просуммировать не больше %n гармоник</source>
        <translation>
            <numerusform>%1=%2: можно просуммировать не больше %n гармоники</numerusform>
            <numerusform>%1=%2: можно просуммировать не больше %n гармоник</numerusform>
            <numerusform>%1=%2: можно просуммировать не больше %n гармоник</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>harmonics</name>
    <message numerus="yes">
        <source>гармоник</source>
        <translation>
            <numerusform>гармоника</numerusform>
            <numerusform>гармоники</numerusform>
            <numerusform>гармоник</numerusform>
        </translation>
    </message>
</context>
</TS>

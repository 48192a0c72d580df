<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>PasscodeDialog</name>
    <message>
        <source>PasscodeDialog</source>
        <translation>Set Passcode</translation>
    </message>
    <message>
        <source>P01BL</source>
        <translation>1</translation>
    </message>
    <message>
        <source>P02BL</source>
        <translation>2  ABC</translation>
    </message>
    <message>
        <source>P03BL</source>
        <translation>3  DEF</translation>
    </message>
    <message>
        <source>P04BL</source>
        <translation>4  GHI</translation>
    </message>
    <message>
        <source>P05BL</source>
        <translation>5  JKL</translation>
    </message>
    <message>
        <source>P06BL</source>
        <translation>6  MNO</translation>
    </message>
    <message>
        <source>P07BL</source>
        <translation>7 PQRS</translation>
    </message>
    <message>
        <source>P08BL</source>
        <translation>8  TUV</translation>
    </message>
    <message>
        <source>P09BL</source>
        <translation>9 WXYZ</translation>
    </message>
    <message>
        <source>P10BL</source>
        <translation>Enter </translation>
    </message>
    <message>
        <source>P11BL</source>
        <translation>0     </translation>
    </message>
    <message>
        <source>P12BL</source>
        <translation>Delete</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>Game</name>
    <message numerus="yes">
        <source>%n points</source>
        <translation>
            <numerusform>%n point</numerusform>
            <numerusform>%n points</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n words</source>
        <translation>
            <numerusform>%n word</numerusform>
            <numerusform>%n words</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n words entered</source>
        <translation>
            <numerusform>%n word entered</numerusform>
            <numerusform>%n words entered</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Lettro found %n words</source>
        <translation>
            <numerusform>Lettro found %n words</numerusform>
            <numerusform>Lettro found %n words</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Opponents</name>
    <message numerus="yes">
        <source>%n words</source>
        <translation>
            <numerusform>%n word</numerusform>
            <numerusform>%n words</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n day</numerusform>
            <numerusform>%n days</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n games</source>
        <translation>
            <numerusform>%n game</numerusform>
            <numerusform>%n games</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ResultsWindow</name>
    <message numerus="yes">
        <source>%n points</source>
        <translation>
            <numerusform>%n point</numerusform>
            <numerusform>%n points</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Scoring</name>
    <message numerus="yes">
        <source>%n words</source>
        <translation>
            <numerusform>%n word</numerusform>
            <numerusform>%n words</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SettingItem</name>
    <message numerus="yes">
        <source>%n letters</source>
        <translation>
            <numerusform>%n letter</numerusform>
            <numerusform>%n letters</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SolvedBoardWindow</name>
    <message numerus="yes">
        <source>%n points</source>
        <translation>
            <numerusform>%n point</numerusform>
            <numerusform>%n points</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n words</source>
        <translation>
            <numerusform>%n word</numerusform>
            <numerusform>%n words</numerusform>
        </translation>
    </message>
</context>
</TS>

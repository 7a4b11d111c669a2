<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="zh_CN">
<context>
    <name>GlobalHotkey</name>
    <message>
        <source>%1（不支持的按键）</source>
        <translation>%1 (niet-ondersteunde toets)</translation>
    </message>
</context>
<context>
    <name>LinkManager</name>
    <message>
        <source>Unable to open browser</source>
        <translation>Kan de browser niet openen</translation>
    </message>
    <message>
        <source>Unable to open the default browser.

Please visit this link manually:
%1</source>
        <translation>Kan de standaardbrowser niet openen.

Bezoek deze link handmatig:
%1</translation>
    </message>
    <message>
        <source>Link unavailable</source>
        <translation>Link niet beschikbaar</translation>
    </message>
    <message>
        <source>The requested page link is not configured.</source>
        <translation>De link naar de gevraagde pagina is niet ingesteld.</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>Recorder</name>
    <message>
        <source>无法创建文件夹：%1</source>
        <translation>Kan de map niet aanmaken: %1</translation>
    </message>
</context>
<context>
    <name>WasapiLoopbackCapture</name>
    <message>
        <source>WASAPI 回环录音仅支持 Windows。</source>
        <translation>WASAPI-loopbackopname wordt alleen op Windows ondersteund.</translation>
    </message>
</context>
<context>
    <name>WasapiMicrophoneCapture</name>
    <message>
        <source>WASAPI microphone capture is only supported on Windows.</source>
        <translation>WASAPI-microfoonopname wordt alleen op Windows ondersteund.</translation>
    </message>
</context>
</TS>

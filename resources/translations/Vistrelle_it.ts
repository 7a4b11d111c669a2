<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="zh_CN">
<context>
    <name>GlobalHotkey</name>
    <message>
        <source>%1（不支持的按键）</source>
        <translation>%1 (tasto non supportato)</translation>
    </message>
</context>
<context>
    <name>LinkManager</name>
    <message>
        <source>Unable to open browser</source>
        <translation>Impossibile aprire il browser</translation>
    </message>
    <message>
        <source>Unable to open the default browser.

Please visit this link manually:
%1</source>
        <translation>Impossibile aprire il browser predefinito.

Visita questo link manualmente:
%1</translation>
    </message>
    <message>
        <source>Link unavailable</source>
        <translation>Link non disponibile</translation>
    </message>
    <message>
        <source>The requested page link is not configured.</source>
        <translation>Il link della pagina richiesta non è configurato.</translation>
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
        <translation>Impossibile creare la cartella: %1</translation>
    </message>
</context>
<context>
    <name>WasapiLoopbackCapture</name>
    <message>
        <source>WASAPI 回环录音仅支持 Windows。</source>
        <translation>La registrazione loopback WASAPI è supportata solo su Windows.</translation>
    </message>
</context>
<context>
    <name>WasapiMicrophoneCapture</name>
    <message>
        <source>WASAPI microphone capture is only supported on Windows.</source>
        <translation>L&apos;acquisizione del microfono WASAPI è supportata solo su Windows.</translation>
    </message>
</context>
</TS>

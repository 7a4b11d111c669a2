<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="zh_CN">
<context>
    <name>GlobalHotkey</name>
    <message>
        <source>%1（不支持的按键）</source>
        <translation>%1 (nicht unterstützte Taste)</translation>
    </message>
</context>
<context>
    <name>LinkManager</name>
    <message>
        <source>Unable to open browser</source>
        <translation>Browser kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Unable to open the default browser.

Please visit this link manually:
%1</source>
        <translation>Der Standardbrowser kann nicht geöffnet werden.

Bitte öffnen Sie diesen Link manuell:
%1</translation>
    </message>
    <message>
        <source>Link unavailable</source>
        <translation>Link nicht verfügbar</translation>
    </message>
    <message>
        <source>The requested page link is not configured.</source>
        <translation>Für die angeforderte Seite ist kein Link hinterlegt.</translation>
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
        <translation>Der Ordner kann nicht erstellt werden: %1</translation>
    </message>
</context>
<context>
    <name>WasapiLoopbackCapture</name>
    <message>
        <source>WASAPI 回环录音仅支持 Windows。</source>
        <translation>WASAPI-Loopback-Aufnahme wird nur unter Windows unterstützt.</translation>
    </message>
</context>
<context>
    <name>WasapiMicrophoneCapture</name>
    <message>
        <source>WASAPI microphone capture is only supported on Windows.</source>
        <translation>WASAPI-Mikrofonaufnahme wird nur unter Windows unterstützt.</translation>
    </message>
</context>
</TS>

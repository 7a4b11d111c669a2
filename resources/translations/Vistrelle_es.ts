<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="zh_CN">
<context>
    <name>GlobalHotkey</name>
    <message>
        <source>%1（不支持的按键）</source>
        <translation>%1 (tecla no compatible)</translation>
    </message>
</context>
<context>
    <name>LinkManager</name>
    <message>
        <source>Unable to open browser</source>
        <translation>No se puede abrir el navegador</translation>
    </message>
    <message>
        <source>Unable to open the default browser.

Please visit this link manually:
%1</source>
        <translation>No se puede abrir el navegador predeterminado.

Visite este enlace manualmente:
%1</translation>
    </message>
    <message>
        <source>Link unavailable</source>
        <translation>Enlace no disponible</translation>
    </message>
    <message>
        <source>The requested page link is not configured.</source>
        <translation>El enlace de la página solicitada no está configurado.</translation>
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
        <translation>No se puede crear la carpeta: %1</translation>
    </message>
</context>
<context>
    <name>WasapiLoopbackCapture</name>
    <message>
        <source>WASAPI 回环录音仅支持 Windows。</source>
        <translation>La grabación de bucle invertido WASAPI solo es compatible con Windows.</translation>
    </message>
</context>
<context>
    <name>WasapiMicrophoneCapture</name>
    <message>
        <source>WASAPI microphone capture is only supported on Windows.</source>
        <translation>La captura de micrófono WASAPI solo es compatible con Windows.</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="zh_CN">
<context>
    <name>GlobalHotkey</name>
    <message>
        <source>%1（不支持的按键）</source>
        <translation>%1 (touche non prise en charge)</translation>
    </message>
</context>
<context>
    <name>LinkManager</name>
    <message>
        <source>Unable to open browser</source>
        <translation>Impossible d’ouvrir le navigateur</translation>
    </message>
    <message>
        <source>Unable to open the default browser.

Please visit this link manually:
%1</source>
        <translation>Impossible d’ouvrir le navigateur par défaut.

Veuillez ouvrir ce lien manuellement :
%1</translation>
    </message>
    <message>
        <source>Link unavailable</source>
        <translation>Lien indisponible</translation>
    </message>
    <message>
        <source>The requested page link is not configured.</source>
        <translation>Le lien de la page demandée n’est pas configuré.</translation>
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
        <translation>Impossible de créer le dossier : %1</translation>
    </message>
</context>
<context>
    <name>WasapiLoopbackCapture</name>
    <message>
        <source>WASAPI 回环录音仅支持 Windows。</source>
        <translation>L&apos;enregistrement en boucle WASAPI n&apos;est pris en charge que sous Windows.</translation>
    </message>
</context>
<context>
    <name>WasapiMicrophoneCapture</name>
    <message>
        <source>WASAPI microphone capture is only supported on Windows.</source>
        <translation>La capture du microphone WASAPI n&apos;est prise en charge que sous Windows.</translation>
    </message>
</context>
</TS>

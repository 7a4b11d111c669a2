<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar" sourcelanguage="zh_CN">
<context>
    <name>GlobalHotkey</name>
    <message>
        <source>%1（不支持的按键）</source>
        <translation>%1 (مفتاح غير مدعوم)</translation>
    </message>
</context>
<context>
    <name>LinkManager</name>
    <message>
        <source>Unable to open browser</source>
        <translation>تعذّر فتح المتصفح</translation>
    </message>
    <message>
        <source>Unable to open the default browser.

Please visit this link manually:
%1</source>
        <translation>تعذّر فتح المتصفح الافتراضي.

يُرجى زيارة هذا الرابط يدويًا:
%1</translation>
    </message>
    <message>
        <source>Link unavailable</source>
        <translation>الرابط غير متاح</translation>
    </message>
    <message>
        <source>The requested page link is not configured.</source>
        <translation>رابط الصفحة المطلوبة غير مُعدّ.</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>Recorder</name>
    <message>
        <source>无法创建文件夹：%1</source>
        <translation>تعذّر إنشاء المجلد: %1</translation>
    </message>
</context>
<context>
    <name>WasapiLoopbackCapture</name>
    <message>
        <source>WASAPI 回环录音仅支持 Windows。</source>
        <translation>تسجيل الاسترجاع عبر WASAPI مدعوم على Windows فقط.</translation>
    </message>
</context>
<context>
    <name>WasapiMicrophoneCapture</name>
    <message>
        <source>WASAPI microphone capture is only supported on Windows.</source>
        <translation>التقاط الميكروفون عبر WASAPI مدعوم على Windows فقط.</translation>
    </message>
</context>
</TS>

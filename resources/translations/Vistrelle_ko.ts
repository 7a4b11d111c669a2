<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko" sourcelanguage="zh_CN">
<context>
    <name>GlobalHotkey</name>
    <message>
        <source>%1（不支持的按键）</source>
        <translation>%1 (지원되지 않는 키)</translation>
    </message>
</context>
<context>
    <name>LinkManager</name>
    <message>
        <source>Unable to open browser</source>
        <translation>브라우저를 열 수 없습니다</translation>
    </message>
    <message>
        <source>Unable to open the default browser.

Please visit this link manually:
%1</source>
        <translation>기본 브라우저를 열 수 없습니다.

다음 링크를 직접 방문하세요:
%1</translation>
    </message>
    <message>
        <source>Link unavailable</source>
        <translation>링크를 사용할 수 없음</translation>
    </message>
    <message>
        <source>The requested page link is not configured.</source>
        <translation>요청한 페이지의 링크가 설정되어 있지 않습니다.</translation>
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
        <translation>폴더를 만들 수 없습니다: %1</translation>
    </message>
</context>
<context>
    <name>WasapiLoopbackCapture</name>
    <message>
        <source>WASAPI 回环录音仅支持 Windows。</source>
        <translation>WASAPI 루프백 녹음은 Windows에서만 지원됩니다.</translation>
    </message>
</context>
<context>
    <name>WasapiMicrophoneCapture</name>
    <message>
        <source>WASAPI microphone capture is only supported on Windows.</source>
        <translation>WASAPI 마이크 캡처는 Windows에서만 지원됩니다.</translation>
    </message>
</context>
</TS>

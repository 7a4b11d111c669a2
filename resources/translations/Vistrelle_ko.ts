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
</TS>

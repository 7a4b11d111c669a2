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
    <name>RecordingFinalizer</name>
    <message>
        <source>正在使用兼容编码器重新添加水印…</source>
        <translation>호환 인코더로 워터마크를 다시 추가하는 중…</translation>
    </message>
    <message>
        <source>正在添加水印…</source>
        <translation>워터마크를 추가하는 중…</translation>
    </message>
    <message>
        <source>没有可保存的录制分段。</source>
        <translation>저장할 녹화 세그먼트가 없습니다.</translation>
    </message>
    <message>
        <source>正在准备录制文件…</source>
        <translation>녹화 파일을 준비하는 중…</translation>
    </message>
    <message>
        <source>正在安全合并录制分段…</source>
        <translation>녹화 세그먼트를 안전하게 병합하는 중…</translation>
    </message>
    <message>
        <source>已取消添加水印，已保留无水印原视频。</source>
        <translation>워터마크 추가를 취소했습니다. 워터마크 없는 원본 동영상을 보존했습니다.</translation>
    </message>
    <message>
        <source>水印处理失败，已保留并保存无水印原视频，录制内容没有丢失。</source>
        <translation>워터마크 처리에 실패했습니다. 워터마크 없는 원본 동영상을 보존하고 저장했으며 녹화 내용은 손실되지 않았습니다.</translation>
    </message>
    <message>
        <source>找不到等待添加水印的录制文件。</source>
        <translation>워터마크를 추가할 녹화 파일을 찾을 수 없습니다.</translation>
    </message>
    <message>
        <source>正在安全取消水印处理…</source>
        <translation>워터마크 처리를 안전하게 취소하는 중…</translation>
    </message>
    <message>
        <source>目标文件已存在且无法安全备份；合并结果仍保留在临时文件中。</source>
        <translation>대상 파일이 이미 있고 안전하게 백업할 수 없습니다. 병합 결과는 임시 파일에 남아 있습니다.</translation>
    </message>
    <message>
        <source>录制后处理已完成，但无法写入最终文件；结果仍保留在临时文件中。</source>
        <translation>녹화 후처리는 완료되었지만 최종 파일을 쓸 수 없습니다. 결과는 임시 파일에 남아 있습니다.</translation>
    </message>
    <message>
        <source>同名的原有文件没有被覆盖，已保留为：
%1</source>
        <translation>같은 이름의 기존 파일은 덮어쓰지 않고 다음 이름으로 보존했습니다:
%1</translation>
    </message>
    <message>
        <source>
可恢复的后处理文件：%1</source>
        <translation>
복구 가능한 처리 파일: %1</translation>
    </message>
    <message>
        <source>录制后处理失败。为避免录像丢失，原始分段或可恢复文件已保留在：
%1%2

%3</source>
        <translation>녹화 후처리에 실패했습니다. 녹화가 손실되지 않도록 원본 세그먼트 또는 복구 가능한 파일을 다음 위치에 보존했습니다:
%1%2

%3</translation>
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

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>GlobalHotkey</name>
    <message>
        <source>%1（不支持的按键）</source>
        <translation>%1 (unsupported key)</translation>
    </message>
</context>
<context>
    <name>LinkManager</name>
    <message>
        <source>Unable to open browser</source>
        <translation>Unable to open browser</translation>
    </message>
    <message>
        <source>Unable to open the default browser.

Please visit this link manually:
%1</source>
        <translation>Unable to open the default browser.

Please visit this link manually:
%1</translation>
    </message>
    <message>
        <source>Link unavailable</source>
        <translation>Link unavailable</translation>
    </message>
    <message>
        <source>The requested page link is not configured.</source>
        <translation>The requested page link is not configured.</translation>
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
        <translation>Cannot create the folder: %1</translation>
    </message>
</context>
<context>
    <name>RecordingFinalizer</name>
    <message>
        <source>正在使用兼容编码器重新添加水印…</source>
        <translation>Adding the watermark again with a compatible encoder…</translation>
    </message>
    <message>
        <source>正在添加水印…</source>
        <translation>Adding watermark…</translation>
    </message>
    <message>
        <source>没有可保存的录制分段。</source>
        <translation>There are no recorded segments to save.</translation>
    </message>
    <message>
        <source>正在准备录制文件…</source>
        <translation>Preparing the recording file…</translation>
    </message>
    <message>
        <source>正在安全合并录制分段…</source>
        <translation>Safely merging the recorded segments…</translation>
    </message>
    <message>
        <source>已取消添加水印，已保留无水印原视频。</source>
        <translation>Watermarking was cancelled; the original video without watermark has been kept.</translation>
    </message>
    <message>
        <source>水印处理失败，已保留并保存无水印原视频，录制内容没有丢失。</source>
        <translation>Adding the watermark failed. The original video without watermark has been kept and saved; nothing recorded was lost.</translation>
    </message>
    <message>
        <source>找不到等待添加水印的录制文件。</source>
        <translation>The recording file waiting for the watermark cannot be found.</translation>
    </message>
    <message>
        <source>正在安全取消水印处理…</source>
        <translation>Safely cancelling the watermark…</translation>
    </message>
    <message>
        <source>目标文件已存在且无法安全备份；合并结果仍保留在临时文件中。</source>
        <translation>The target file already exists and cannot be backed up safely; the merged result is still kept in the temporary file.</translation>
    </message>
    <message>
        <source>录制后处理已完成，但无法写入最终文件；结果仍保留在临时文件中。</source>
        <translation>Post-processing of the recording is done, but the final file cannot be written; the result is still kept in the temporary file.</translation>
    </message>
    <message>
        <source>同名的原有文件没有被覆盖，已保留为：
%1</source>
        <translation>The existing file of the same name was not overwritten; it has been kept as:
%1</translation>
    </message>
    <message>
        <source>
可恢复的后处理文件：%1</source>
        <translation>
Recoverable processed file: %1</translation>
    </message>
    <message>
        <source>录制后处理失败。为避免录像丢失，原始分段或可恢复文件已保留在：
%1%2

%3</source>
        <translation>Post-processing of the recording failed. So that nothing recorded is lost, the original segments or recoverable files have been kept in:
%1%2

%3</translation>
    </message>
</context>
<context>
    <name>WasapiLoopbackCapture</name>
    <message>
        <source>WASAPI 回环录音仅支持 Windows。</source>
        <translation>WASAPI loopback recording is only supported on Windows.</translation>
    </message>
</context>
<context>
    <name>WasapiMicrophoneCapture</name>
    <message>
        <source>WASAPI microphone capture is only supported on Windows.</source>
        <translation>WASAPI microphone capture is only supported on Windows.</translation>
    </message>
</context>
</TS>

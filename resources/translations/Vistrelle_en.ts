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
    <name>QObject</name>
    <message>
        <source>播放失败</source>
        <translation>Playback failed</translation>
    </message>
    <message>
        <source>文件不存在：%1</source>
        <translation>File not found: %1</translation>
    </message>
    <message>
        <source>没有打开可播放文件</source>
        <translation>No playable file is open</translation>
    </message>
</context>
<context>
    <name>Recorder</name>
    <message>
        <source>无法创建文件夹：%1</source>
        <translation>Cannot create the folder: %1</translation>
    </message>
    <message>
        <source>正在强制使用 CPU 录制 4K 30 FPS；已启用最快编码预设并将码率提高到 %1 kbps。</source>
        <translation>Forcing 4K 30 FPS recording on the CPU; the fastest encoder preset is on and the bitrate was raised to %1 kbps.</translation>
    </message>
    <message>
        <source>未检测到可用的硬件编码器，已将输出缩放为 %1 × %2、30 FPS。</source>
        <translation>No usable hardware encoder was found; the output was scaled to %1 × %2 at 30 FPS.</translation>
    </message>
    <message>
        <source>4K 当前只能使用 CPU 编码，已采用更容易实时处理的 15 FPS。</source>
        <translation>4K can only be encoded on the CPU right now, so 15 FPS is used, which is easier to process in real time.</translation>
    </message>
    <message>
        <source>请至少开启系统声音或麦克风。</source>
        <translation>Turn on system audio or the microphone, at least one of them.</translation>
    </message>
    <message>
        <source>系统声音录制需要 macOS 13 或更高版本。</source>
        <translation>Recording system audio requires macOS 13 or later.</translation>
    </message>
    <message>
        <source>没有找到所选麦克风，请重新选择输入设备。</source>
        <translation>The selected microphone was not found. Please choose the input device again.</translation>
    </message>
    <message>
        <source>保存磁盘剩余空间不足 %1 GB，请清理空间或更换保存目录。</source>
        <translation>Less than %1 GB is free on the save disk. Free up space or choose another save folder.</translation>
    </message>
    <message>
        <source>无法捕获系统声音：%1</source>
        <translation>Cannot capture system audio: %1</translation>
    </message>
    <message>
        <source>FFmpeg 启动失败。请确认 ffmpeg 已放到程序目录或系统 PATH。
%1</source>
        <translation>FFmpeg failed to start. Make sure ffmpeg is in the program folder or on the system PATH.
%1</translation>
    </message>
    <message>
        <source>无法启动不含工具栏的屏幕录制：%1</source>
        <translation>Cannot start the screen recording without the toolbar: %1</translation>
    </message>
    <message>
        <source>无法删除已丢弃录制的临时文件：%1</source>
        <translation>Cannot delete the temporary files of the discarded recording: %1</translation>
    </message>
    <message>
        <source>FFmpeg 被 SIGKILL 信号终止；编码进度日志没有说明终止原因。</source>
        <translation>FFmpeg was terminated by SIGKILL; its progress log gives no reason for the termination.</translation>
    </message>
    <message>
        <source>FFmpeg 没有输出具体错误信息。</source>
        <translation>FFmpeg did not report a specific error.</translation>
    </message>
    <message>
        <source>硬件编码器 %1 无法处理当前采集规格，已自动切换到 CPU 编码。</source>
        <translation>The hardware encoder %1 cannot handle the current capture settings; switched to CPU encoding.</translation>
    </message>
    <message>
        <source>DXGI 高性能采集不可用，已自动切换到 GDI 兼容模式。</source>
        <translation>High-performance DXGI capture is unavailable; switched to the GDI compatibility mode.</translation>
    </message>
    <message>
        <source>录制进程意外结束。分段已保留在：
%1</source>
        <translation>The recording process ended unexpectedly. The segments were kept in:
%1</translation>
    </message>
    <message>
        <source>录制分段异常，退出码=%1。已生成的分段仍保留在：
%2
%3</source>
        <translation>A recording segment failed, exit code=%1. The segments made so far are kept in:
%2
%3</translation>
    </message>
    <message>
        <source>分段已保留在：
%1</source>
        <translation type="vanished">The segments were kept in:
%1</translation>
    </message>
    <message>
        <source>Camera preview is not ready.</source>
        <translation>Camera preview is not ready.</translation>
    </message>
    <message>
        <source>没有有效的窗口录制目标。</source>
        <translation>There is no valid window to record.</translation>
    </message>
    <message>
        <source>窗口捕获启动失败：%1</source>
        <translation>Window capture failed to start: %1</translation>
    </message>
    <message>
        <source>窗口捕获启动失败或目标窗口没有产生画面。</source>
        <translation>Window capture failed to start, or the window showed no picture.</translation>
    </message>
    <message>
        <source>实际编码速度或有效帧率持续低于 120 FPS 要求</source>
        <translation>The encoding speed or effective frame rate keeps falling short of the 120 FPS target</translation>
    </message>
    <message>
        <source>设备持续无法稳定达到 60 FPS，建议下次使用 30 FPS 或硬件编码。</source>
        <translation>This device cannot keep a steady 60 FPS. Next time, try 30 FPS or hardware encoding.</translation>
    </message>
    <message>
        <source>屏幕采集持续低于 30 FPS 要求，建议关闭高负载程序或改用 720p 录制。</source>
        <translation>Screen capture keeps falling below the 30 FPS target. Close demanding programs or record at 720p.</translation>
    </message>
    <message>
        <source>Screen capture is still dropping frames. Switched to 720p for smoother recording.</source>
        <translation>Screen capture is still dropping frames. Switched to 720p for smoother recording.</translation>
    </message>
    <message>
        <source>屏幕采集持续掉帧，已自动切换到 1080p 以保持录制流畅。</source>
        <translation>Screen capture keeps dropping frames; switched to 1080p to keep the recording smooth.</translation>
    </message>
    <message>
        <source>录制的窗口已不可用，画面停留在最后一帧：%1</source>
        <translation>The recorded window is no longer available; the picture stays on its last frame: %1</translation>
    </message>
    <message>
        <source>这个文件名之前的录制分段仍保留在：
%1
请先移走这些分段，或换一个文件名后再录制。</source>
        <translation>Segments of an earlier recording with this file name are still kept in:
%1
Move those segments elsewhere or choose another file name, then record again.</translation>
    </message>
    <message>
        <source>最后一个录制分段无法读取，没有合并进录像，已保留在：
%1</source>
        <translation>The last recorded segment could not be read and was not joined into the recording. It has been kept at:
%1</translation>
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
    <name>VideoListDialog</name>
    <message>
        <source>媒体库</source>
        <translation>Media Library</translation>
    </message>
    <message>
        <source>搜索录制文件...</source>
        <translation>Search recordings...</translation>
    </message>
    <message>
        <source>全部</source>
        <translation>All</translation>
    </message>
    <message>
        <source>视频</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>音频</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>正在加载媒体文件…</source>
        <translation>Loading media files…</translation>
    </message>
    <message>
        <source>%1 个文件</source>
        <translation>%1 files</translation>
    </message>
    <message>
        <source>播放失败</source>
        <translation>Playback failed</translation>
    </message>
    <message>
        <source>请选择一个媒体文件</source>
        <translation>Select a media file</translation>
    </message>
    <message>
        <source>打开文件夹</source>
        <translation>Open Folder</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>全屏播放（F）</source>
        <translation>Play full screen (F)</translation>
    </message>
    <message>
        <source>全屏播放</source>
        <translation>Play full screen</translation>
    </message>
    <message>
        <source>采样率未知</source>
        <translation>Unknown sample rate</translation>
    </message>
    <message>
        <source>单声道</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>双声道</source>
        <translation>Stereo</translation>
    </message>
    <message>
        <source>%1 声道</source>
        <translation>%1 channels</translation>
    </message>
    <message>
        <source>暂停</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>播放</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>暂停媒体</source>
        <translation>Pause media</translation>
    </message>
    <message>
        <source>播放媒体</source>
        <translation>Play media</translation>
    </message>
    <message>
        <source>暂无媒体文件</source>
        <translation>No media files yet</translation>
    </message>
    <message>
        <source>没有匹配的媒体文件</source>
        <translation>No matching media files</translation>
    </message>
    <message>
        <source>重命名文件</source>
        <translation>Rename File</translation>
    </message>
    <message>
        <source>Copy File Path</source>
        <translation>Copy File Path</translation>
    </message>
    <message>
        <source>查看文件信息</source>
        <translation>File Information</translation>
    </message>
    <message>
        <source>删除音频</source>
        <translation>Delete Audio</translation>
    </message>
    <message>
        <source>删除视频</source>
        <translation>Delete Video</translation>
    </message>
    <message>
        <source>确定永久删除“%1”吗？</source>
        <translation>Permanently delete &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>删除失败</source>
        <translation>Delete Failed</translation>
    </message>
    <message>
        <source>文件正在使用或没有删除权限。</source>
        <translation>The file is in use or you do not have permission to delete it.</translation>
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

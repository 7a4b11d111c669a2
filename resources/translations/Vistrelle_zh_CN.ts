<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="zh_CN">
<context>
    <name>GlobalHotkey</name>
    <message>
        <source>%1（不支持的按键）</source>
        <translation>%1（不支持的按键）</translation>
    </message>
</context>
<context>
    <name>LinkManager</name>
    <message>
        <source>Unable to open browser</source>
        <translation>无法打开浏览器</translation>
    </message>
    <message>
        <source>Unable to open the default browser.

Please visit this link manually:
%1</source>
        <translation>无法打开默认浏览器。

请手动访问此链接：
%1</translation>
    </message>
    <message>
        <source>Link unavailable</source>
        <translation>链接不可用</translation>
    </message>
    <message>
        <source>The requested page link is not configured.</source>
        <translation>所请求页面的链接尚未配置。</translation>
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
        <translation>播放失败</translation>
    </message>
    <message>
        <source>文件不存在：%1</source>
        <translation>文件不存在：%1</translation>
    </message>
    <message>
        <source>没有打开可播放文件</source>
        <translation>没有打开可播放文件</translation>
    </message>
</context>
<context>
    <name>Recorder</name>
    <message>
        <source>无法创建文件夹：%1</source>
        <translation>无法创建文件夹：%1</translation>
    </message>
    <message>
        <source>正在强制使用 CPU 录制 4K 30 FPS；已启用最快编码预设并将码率提高到 %1 kbps。</source>
        <translation>正在强制使用 CPU 录制 4K 30 FPS；已启用最快编码预设并将码率提高到 %1 kbps。</translation>
    </message>
    <message>
        <source>未检测到可用的硬件编码器，已将输出缩放为 %1 × %2、30 FPS。</source>
        <translation>未检测到可用的硬件编码器，已将输出缩放为 %1 × %2、30 FPS。</translation>
    </message>
    <message>
        <source>4K 当前只能使用 CPU 编码，已采用更容易实时处理的 15 FPS。</source>
        <translation>4K 当前只能使用 CPU 编码，已采用更容易实时处理的 15 FPS。</translation>
    </message>
    <message>
        <source>请至少开启系统声音或麦克风。</source>
        <translation>请至少开启系统声音或麦克风。</translation>
    </message>
    <message>
        <source>系统声音录制需要 macOS 13 或更高版本。</source>
        <translation>系统声音录制需要 macOS 13 或更高版本。</translation>
    </message>
    <message>
        <source>没有找到所选麦克风，请重新选择输入设备。</source>
        <translation>没有找到所选麦克风，请重新选择输入设备。</translation>
    </message>
    <message>
        <source>保存磁盘剩余空间不足 %1 GB，请清理空间或更换保存目录。</source>
        <translation>保存磁盘剩余空间不足 %1 GB，请清理空间或更换保存目录。</translation>
    </message>
    <message>
        <source>无法捕获系统声音：%1</source>
        <translation>无法捕获系统声音：%1</translation>
    </message>
    <message>
        <source>FFmpeg 启动失败。请确认 ffmpeg 已放到程序目录或系统 PATH。
%1</source>
        <translation>FFmpeg 启动失败。请确认 ffmpeg 已放到程序目录或系统 PATH。
%1</translation>
    </message>
    <message>
        <source>无法启动不含工具栏的屏幕录制：%1</source>
        <translation>无法启动不含工具栏的屏幕录制：%1</translation>
    </message>
    <message>
        <source>无法删除已丢弃录制的临时文件：%1</source>
        <translation>无法删除已丢弃录制的临时文件：%1</translation>
    </message>
    <message>
        <source>FFmpeg 被 SIGKILL 信号终止；编码进度日志没有说明终止原因。</source>
        <translation>FFmpeg 被 SIGKILL 信号终止；编码进度日志没有说明终止原因。</translation>
    </message>
    <message>
        <source>FFmpeg 没有输出具体错误信息。</source>
        <translation>FFmpeg 没有输出具体错误信息。</translation>
    </message>
    <message>
        <source>硬件编码器 %1 无法处理当前采集规格，已自动切换到 CPU 编码。</source>
        <translation>硬件编码器 %1 无法处理当前采集规格，已自动切换到 CPU 编码。</translation>
    </message>
    <message>
        <source>DXGI 高性能采集不可用，已自动切换到 GDI 兼容模式。</source>
        <translation>DXGI 高性能采集不可用，已自动切换到 GDI 兼容模式。</translation>
    </message>
    <message>
        <source>录制进程意外结束。分段已保留在：
%1</source>
        <translation>录制进程意外结束。分段已保留在：
%1</translation>
    </message>
    <message>
        <source>录制分段异常，退出码=%1。已生成的分段仍保留在：
%2
%3</source>
        <translation>录制分段异常，退出码=%1。已生成的分段仍保留在：
%2
%3</translation>
    </message>
    <message>
        <source>分段已保留在：
%1</source>
        <translation type="vanished">分段已保留在：
%1</translation>
    </message>
    <message>
        <source>Camera preview is not ready.</source>
        <translation>摄像头预览尚未就绪。</translation>
    </message>
    <message>
        <source>没有有效的窗口录制目标。</source>
        <translation>没有有效的窗口录制目标。</translation>
    </message>
    <message>
        <source>窗口捕获启动失败：%1</source>
        <translation>窗口捕获启动失败：%1</translation>
    </message>
    <message>
        <source>窗口捕获启动失败或目标窗口没有产生画面。</source>
        <translation>窗口捕获启动失败或目标窗口没有产生画面。</translation>
    </message>
    <message>
        <source>实际编码速度或有效帧率持续低于 120 FPS 要求</source>
        <translation>实际编码速度或有效帧率持续低于 120 FPS 要求</translation>
    </message>
    <message>
        <source>设备持续无法稳定达到 60 FPS，建议下次使用 30 FPS 或硬件编码。</source>
        <translation>设备持续无法稳定达到 60 FPS，建议下次使用 30 FPS 或硬件编码。</translation>
    </message>
    <message>
        <source>屏幕采集持续低于 30 FPS 要求，建议关闭高负载程序或改用 720p 录制。</source>
        <translation>屏幕采集持续低于 30 FPS 要求，建议关闭高负载程序或改用 720p 录制。</translation>
    </message>
    <message>
        <source>Screen capture is still dropping frames. Switched to 720p for smoother recording.</source>
        <translation>屏幕采集仍在掉帧，已切换到 720p 以使录制更流畅。</translation>
    </message>
    <message>
        <source>屏幕采集持续掉帧，已自动切换到 1080p 以保持录制流畅。</source>
        <translation>屏幕采集持续掉帧，已自动切换到 1080p 以保持录制流畅。</translation>
    </message>
    <message>
        <source>录制的窗口已不可用，画面停留在最后一帧：%1</source>
        <translation>录制的窗口已不可用，画面停留在最后一帧：%1</translation>
    </message>
    <message>
        <source>这个文件名之前的录制分段仍保留在：
%1
请先移走这些分段，或换一个文件名后再录制。</source>
        <translation>这个文件名之前的录制分段仍保留在：
%1
请先移走这些分段，或换一个文件名后再录制。</translation>
    </message>
    <message>
        <source>最后一个录制分段无法读取，没有合并进录像，已保留在：
%1</source>
        <translation>最后一个录制分段无法读取，没有合并进录像，已保留在：
%1</translation>
    </message>
</context>
<context>
    <name>RecordingFinalizer</name>
    <message>
        <source>正在使用兼容编码器重新添加水印…</source>
        <translation>正在使用兼容编码器重新添加水印…</translation>
    </message>
    <message>
        <source>正在添加水印…</source>
        <translation>正在添加水印…</translation>
    </message>
    <message>
        <source>没有可保存的录制分段。</source>
        <translation>没有可保存的录制分段。</translation>
    </message>
    <message>
        <source>正在准备录制文件…</source>
        <translation>正在准备录制文件…</translation>
    </message>
    <message>
        <source>正在安全合并录制分段…</source>
        <translation>正在安全合并录制分段…</translation>
    </message>
    <message>
        <source>已取消添加水印，已保留无水印原视频。</source>
        <translation>已取消添加水印，已保留无水印原视频。</translation>
    </message>
    <message>
        <source>水印处理失败，已保留并保存无水印原视频，录制内容没有丢失。</source>
        <translation>水印处理失败，已保留并保存无水印原视频，录制内容没有丢失。</translation>
    </message>
    <message>
        <source>找不到等待添加水印的录制文件。</source>
        <translation>找不到等待添加水印的录制文件。</translation>
    </message>
    <message>
        <source>正在安全取消水印处理…</source>
        <translation>正在安全取消水印处理…</translation>
    </message>
    <message>
        <source>目标文件已存在且无法安全备份；合并结果仍保留在临时文件中。</source>
        <translation>目标文件已存在且无法安全备份；合并结果仍保留在临时文件中。</translation>
    </message>
    <message>
        <source>录制后处理已完成，但无法写入最终文件；结果仍保留在临时文件中。</source>
        <translation>录制后处理已完成，但无法写入最终文件；结果仍保留在临时文件中。</translation>
    </message>
    <message>
        <source>同名的原有文件没有被覆盖，已保留为：
%1</source>
        <translation>同名的原有文件没有被覆盖，已保留为：
%1</translation>
    </message>
    <message>
        <source>
可恢复的后处理文件：%1</source>
        <translation>
可恢复的后处理文件：%1</translation>
    </message>
    <message>
        <source>录制后处理失败。为避免录像丢失，原始分段或可恢复文件已保留在：
%1%2

%3</source>
        <translation>录制后处理失败。为避免录像丢失，原始分段或可恢复文件已保留在：
%1%2

%3</translation>
    </message>
</context>
<context>
    <name>VideoListDialog</name>
    <message>
        <source>媒体库</source>
        <translation>媒体库</translation>
    </message>
    <message>
        <source>搜索录制文件...</source>
        <translation>搜索录制文件...</translation>
    </message>
    <message>
        <source>全部</source>
        <translation>全部</translation>
    </message>
    <message>
        <source>视频</source>
        <translation>视频</translation>
    </message>
    <message>
        <source>音频</source>
        <translation>音频</translation>
    </message>
    <message>
        <source>正在加载媒体文件…</source>
        <translation>正在加载媒体文件…</translation>
    </message>
    <message>
        <source>%1 个文件</source>
        <translation>%1 个文件</translation>
    </message>
    <message>
        <source>播放失败</source>
        <translation>播放失败</translation>
    </message>
    <message>
        <source>请选择一个媒体文件</source>
        <translation>请选择一个媒体文件</translation>
    </message>
    <message>
        <source>打开文件夹</source>
        <translation>打开文件夹</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>全屏播放（F）</source>
        <translation>全屏播放（F）</translation>
    </message>
    <message>
        <source>全屏播放</source>
        <translation>全屏播放</translation>
    </message>
    <message>
        <source>采样率未知</source>
        <translation>采样率未知</translation>
    </message>
    <message>
        <source>单声道</source>
        <translation>单声道</translation>
    </message>
    <message>
        <source>双声道</source>
        <translation>双声道</translation>
    </message>
    <message>
        <source>%1 声道</source>
        <translation>%1 声道</translation>
    </message>
    <message>
        <source>暂停</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>播放</source>
        <translation>播放</translation>
    </message>
    <message>
        <source>暂停媒体</source>
        <translation>暂停媒体</translation>
    </message>
    <message>
        <source>播放媒体</source>
        <translation>播放媒体</translation>
    </message>
    <message>
        <source>暂无媒体文件</source>
        <translation>暂无媒体文件</translation>
    </message>
    <message>
        <source>没有匹配的媒体文件</source>
        <translation>没有匹配的媒体文件</translation>
    </message>
    <message>
        <source>重命名文件</source>
        <translation>重命名文件</translation>
    </message>
    <message>
        <source>Copy File Path</source>
        <translation>Copy File Path</translation>
    </message>
    <message>
        <source>查看文件信息</source>
        <translation>查看文件信息</translation>
    </message>
    <message>
        <source>删除音频</source>
        <translation>删除音频</translation>
    </message>
    <message>
        <source>删除视频</source>
        <translation>删除视频</translation>
    </message>
    <message>
        <source>确定永久删除“%1”吗？</source>
        <translation>确定永久删除“%1”吗？</translation>
    </message>
    <message>
        <source>删除失败</source>
        <translation>删除失败</translation>
    </message>
    <message>
        <source>文件正在使用或没有删除权限。</source>
        <translation>文件正在使用或没有删除权限。</translation>
    </message>
</context>
<context>
    <name>WasapiLoopbackCapture</name>
    <message>
        <source>WASAPI 回环录音仅支持 Windows。</source>
        <translation>WASAPI 回环录音仅支持 Windows。</translation>
    </message>
</context>
<context>
    <name>WasapiMicrophoneCapture</name>
    <message>
        <source>WASAPI microphone capture is only supported on Windows.</source>
        <translation>WASAPI 麦克风采集仅支持 Windows。</translation>
    </message>
</context>
</TS>

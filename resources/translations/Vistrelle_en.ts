<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>AutoSplitDialog</name>
    <message>
        <source>自动分割设置</source>
        <translation>Auto Split Settings</translation>
    </message>
    <message>
        <source>录制时按指定条件自动切分为多个文件</source>
        <translation>Split the recording into several files automatically by a condition</translation>
    </message>
    <message>
        <source>按录制时长</source>
        <translation>By duration</translation>
    </message>
    <message>
        <source>适合会议、课程等长时间录制</source>
        <translation>For long recordings such as meetings and lessons</translation>
    </message>
    <message>
        <source>分钟</source>
        <translation>min</translation>
    </message>
    <message>
        <source>按文件大小</source>
        <translation>By file size</translation>
    </message>
    <message>
        <source>便于上传、传输或分段保存</source>
        <translation>Easier to upload, transfer or keep in parts</translation>
    </message>
    <message>
        <source>✓  无缝切分</source>
        <translation>✓  Seamless split</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>将每 %1 分钟自动保存为一个新文件</source>
        <translation>A new file is saved every %1 minutes</translation>
    </message>
    <message>
        <source>文件达到 %1 MB 时自动切分并保存</source>
        <translation>The file is split and saved when it reaches %1 MB</translation>
    </message>
</context>
<context>
    <name>AutoStopDialog</name>
    <message>
        <source>自动停止设置</source>
        <translation>Auto Stop Settings</translation>
    </message>
    <message>
        <source>录制达到指定条件时自动停止并保存文件。</source>
        <translation>The recording stops and the file is saved when a condition is reached.</translation>
    </message>
    <message>
        <source>停止条件</source>
        <translation>Stop condition</translation>
    </message>
    <message>
        <source>按录制时长</source>
        <translation>By duration</translation>
    </message>
    <message>
        <source>分钟</source>
        <translation>min</translation>
    </message>
    <message>
        <source>按文件大小</source>
        <translation>By file size</translation>
    </message>
    <message>
        <source>录制 %1 分钟后自动停止</source>
        <translation>Stops after %1 minutes of recording</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>文件达到 %1 MB 后自动停止</source>
        <translation>Stops when the file reaches %1 MB</translation>
    </message>
    <message>
        <source>自动停止倒计时</source>
        <translation>Auto Stop Countdown</translation>
    </message>
    <message>
        <source>录制将在以上时间后自动停止</source>
        <translation>The recording stops by itself after this time</translation>
    </message>
    <message>
        <source>取消自动停止</source>
        <translation>Cancel auto stop</translation>
    </message>
</context>
<context>
    <name>BottomBar</name>
    <message>
        <source>媒体库</source>
        <translation>Media Library</translation>
    </message>
    <message>
        <source>水印</source>
        <translation>Watermark</translation>
    </message>
    <message>
        <source>自动分割</source>
        <translation>Auto Split</translation>
    </message>
    <message>
        <source>自动停止</source>
        <translation>Auto Stop</translation>
    </message>
    <message>
        <source>计划录制</source>
        <translation>Scheduled Recording</translation>
    </message>
    <message>
        <source>GPU 加速</source>
        <translation>GPU Acceleration</translation>
    </message>
</context>
<context>
    <name>GlobalHotkey</name>
    <message>
        <source>%1（不支持的按键）</source>
        <translation>%1 (unsupported key)</translation>
    </message>
</context>
<context>
    <name>HomePage</name>
    <message>
        <source>Start Recording</source>
        <translation>Start Recording</translation>
    </message>
    <message>
        <source>Media Library</source>
        <translation>Media Library</translation>
    </message>
    <message>
        <source>Choose a recording mode</source>
        <translation>Choose a recording mode</translation>
    </message>
    <message>
        <source>Scheduled Recording</source>
        <translation>Scheduled Recording</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Full Screen</translation>
    </message>
    <message>
        <source>Custom Area</source>
        <translation>Custom Area</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Window</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Game</translation>
    </message>
    <message>
        <source>Audio Only</source>
        <translation>Audio Only</translation>
    </message>
    <message>
        <source>Webcam</source>
        <translation>Webcam</translation>
    </message>
    <message>
        <source>Recent recordings</source>
        <translation>Recent recordings</translation>
    </message>
    <message>
        <source>View all  ›</source>
        <translation>View all  ›</translation>
    </message>
    <message>
        <source>No recordings yet</source>
        <translation>No recordings yet</translation>
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
    <name>MainWindow</name>
    <message>
        <source>显示 Vistrelle</source>
        <translation>Show Vistrelle</translation>
    </message>
    <message>
        <source>Start Recording</source>
        <translation>Start Recording</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>快捷键设置</source>
        <translation>Hotkey Settings</translation>
    </message>
    <message>
        <source>以下快捷键无法注册，可能已被其他程序占用或按键不受支持：
%1</source>
        <translation>These hot keys could not be registered; another program may use them or the keys are not supported:
%1</translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>Stop Recording</translation>
    </message>
    <message>
        <source>日志文件夹</source>
        <translation>Log Folder</translation>
    </message>
    <message>
        <source>无法打开日志文件夹。</source>
        <translation>The log folder cannot be opened.</translation>
    </message>
    <message>
        <source>录制性能已自动调整</source>
        <translation>Recording performance adjusted</translation>
    </message>
    <message>
        <source>%1 FPS 已自动降为 %2 FPS。%3</source>
        <translation>%1 FPS was lowered to %2 FPS. %3</translation>
    </message>
    <message>
        <source>录制性能提示</source>
        <translation>Recording performance</translation>
    </message>
    <message>
        <source>4K 录制性能</source>
        <translation>4K Recording Performance</translation>
    </message>
    <message>
        <source>没有可用的硬件 H.264 编码器</source>
        <translation>No hardware H.264 encoder is available</translation>
    </message>
    <message>
        <source>%1 × %2、%3 FPS 的录制可能掉帧。请选择本次录制方式。</source>
        <translation>A %1 × %2 recording at %3 FPS may drop frames. Choose how to record this time.</translation>
    </message>
    <message>
        <source>保持 4K，15 FPS（推荐）</source>
        <translation>Keep 4K at 15 FPS (recommended)</translation>
    </message>
    <message>
        <source>1080p，30 FPS</source>
        <translation>1080p at 30 FPS</translation>
    </message>
    <message>
        <source>强制 4K，30 FPS</source>
        <translation>Force 4K at 30 FPS</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>录制后处理提示</source>
        <translation>Post-processing notice</translation>
    </message>
    <message>
        <source>录音完成</source>
        <translation>Audio recording finished</translation>
    </message>
    <message>
        <source>音频已保存到：%1</source>
        <translation>Audio saved to: %1</translation>
    </message>
    <message>
        <source>录制提示</source>
        <translation>Recording</translation>
    </message>
</context>
<context>
    <name>ModeBar</name>
    <message>
        <source>录制屏幕</source>
        <translation>Record Screen</translation>
    </message>
    <message>
        <source>录制窗口</source>
        <translation>Record Window</translation>
    </message>
    <message>
        <source>游戏录制</source>
        <translation>Game Recording</translation>
    </message>
    <message>
        <source>高性能屏幕录制</source>
        <translation>High-Performance Screen Recording</translation>
    </message>
    <message>
        <source>录制音频</source>
        <translation>Record Audio</translation>
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
        <source>Vistrelle is already running</source>
        <translation>Vistrelle is already running</translation>
    </message>
    <message>
        <source>Another Vistrelle process is running. Finish its recording and quit it before opening Vistrelle again.</source>
        <translation>Another Vistrelle process is running. Finish its recording and quit it before opening Vistrelle again.</translation>
    </message>
</context>
<context>
    <name>RecentCard</name>
    <message>
        <source>Loading preview…</source>
        <translation>Loading preview…</translation>
    </message>
    <message>
        <source>Preview unavailable</source>
        <translation>Preview unavailable</translation>
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
    <name>ScheduledRecordingDialog</name>
    <message>
        <source>计划录制</source>
        <translation>Scheduled Recording</translation>
    </message>
    <message>
        <source>到达开始时间后，Vistrelle 将按指定模式自动开始录制。</source>
        <translation>At the start time, Vistrelle starts recording in the chosen mode.</translation>
    </message>
    <message>
        <source>启用计划录制</source>
        <translation>Enable scheduled recording</translation>
    </message>
    <message>
        <source>单次</source>
        <translation>Once</translation>
    </message>
    <message>
        <source>每日</source>
        <translation>Daily</translation>
    </message>
    <message>
        <source>每周</source>
        <translation>Weekly</translation>
    </message>
    <message>
        <source>星期一</source>
        <translation>Monday</translation>
    </message>
    <message>
        <source>星期二</source>
        <translation>Tuesday</translation>
    </message>
    <message>
        <source>星期三</source>
        <translation>Wednesday</translation>
    </message>
    <message>
        <source>星期四</source>
        <translation>Thursday</translation>
    </message>
    <message>
        <source>星期五</source>
        <translation>Friday</translation>
    </message>
    <message>
        <source>星期六</source>
        <translation>Saturday</translation>
    </message>
    <message>
        <source>星期日</source>
        <translation>Sunday</translation>
    </message>
    <message>
        <source>录制屏幕</source>
        <translation>Record Screen</translation>
    </message>
    <message>
        <source>录制音频</source>
        <translation>Record Audio</translation>
    </message>
    <message>
        <source>录制窗口</source>
        <translation>Record Window</translation>
    </message>
    <message>
        <source>游戏录制</source>
        <translation>Game Recording</translation>
    </message>
    <message>
        <source>高性能屏幕录制</source>
        <translation>High-Performance Screen Recording</translation>
    </message>
    <message>
        <source>重复</source>
        <translation>Repeat</translation>
    </message>
    <message>
        <source>开始日期和时间</source>
        <translation>Start date and time</translation>
    </message>
    <message>
        <source>每天开始时间</source>
        <translation>Daily start time</translation>
    </message>
    <message>
        <source>每周日期</source>
        <translation>Day of the week</translation>
    </message>
    <message>
        <source>指定录制模式</source>
        <translation>Recording mode</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>保存计划</source>
        <translation>Save Schedule</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>菜单</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>关于 Vistrelle</source>
        <translation>About Vistrelle</translation>
    </message>
    <message>
        <source>语言</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>在线帮助</source>
        <translation>Online Help</translation>
    </message>
    <message>
        <source>打开日志文件夹</source>
        <translation>Open Log Folder</translation>
    </message>
    <message>
        <source>技术支持</source>
        <translation>Support</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Quit</translation>
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
<context>
    <name>WatermarkDialog</name>
    <message>
        <source>水印设置</source>
        <translation>Watermark Settings</translation>
    </message>
    <message>
        <source>水印样式</source>
        <translation>Watermark style</translation>
    </message>
    <message>
        <source>水印文字</source>
        <translation>Watermark text</translation>
    </message>
    <message>
        <source>字号</source>
        <translation>Font size</translation>
    </message>
    <message>
        <source>颜色</source>
        <translation>Colour</translation>
    </message>
    <message>
        <source>透明度</source>
        <translation>Opacity</translation>
    </message>
    <message>
        <source>拖动滑块调整水印的可见程度</source>
        <translation>Drag the slider to set how visible the watermark is</translation>
    </message>
    <message>
        <source>实时预览  ●</source>
        <translation>Live preview  ●</translation>
    </message>
    <message>
        <source>对整个原视频添加水印，另存为 MP4 副本。其他编辑请先保存。</source>
        <translation>The watermark is added to the whole original video and saved as an MP4 copy. Save other edits first.</translation>
    </message>
    <message>
        <source>显示位置</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>边距</source>
        <translation>Margins</translation>
    </message>
    <message>
        <source>水平</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>垂直</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <source>恢复默认</source>
        <translation>Restore defaults</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>保存水印副本</source>
        <translation>Save watermarked copy</translation>
    </message>
    <message>
        <source>选择颜色</source>
        <translation>Choose a colour</translation>
    </message>
    <message>
        <source>请输入水印文字。</source>
        <translation>Please enter the watermark text.</translation>
    </message>
</context>
</TS>

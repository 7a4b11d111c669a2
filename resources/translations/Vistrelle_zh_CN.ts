<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="zh_CN">
<context>
    <name>AudioSettingsDialog</name>
    <message>
        <source>音频高级设置</source>
        <translation>音频高级设置</translation>
    </message>
    <message>
        <source>系统声与麦克风会分别处理，再混合写入录制文件。</source>
        <translation>系统声与麦克风会分别处理，再混合写入录制文件。</translation>
    </message>
    <message>
        <source>系统声音音量</source>
        <translation>系统声音音量</translation>
    </message>
    <message>
        <source>麦克风音量</source>
        <translation>麦克风音量</translation>
    </message>
    <message>
        <source> ms</source>
        <translation> 毫秒</translation>
    </message>
    <message>
        <source>麦克风延迟</source>
        <translation>麦克风延迟</translation>
    </message>
    <message>
        <source>麦克风降噪（降低持续环境噪声）</source>
        <translation>麦克风降噪（降低持续环境噪声）</translation>
    </message>
    <message>
        <source>单声道输出（适合语音录制）</source>
        <translation>单声道输出（适合语音录制）</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>完成</translation>
    </message>
</context>
<context>
    <name>ControlsArea</name>
    <message>
        <source>全屏</source>
        <translation>全屏</translation>
    </message>
    <message>
        <source>自定义</source>
        <translation>自定义</translation>
    </message>
    <message>
        <source>尚未选择窗口</source>
        <translation>尚未选择窗口</translation>
    </message>
    <message>
        <source>请选择录制目标</source>
        <translation>请选择录制目标</translation>
    </message>
    <message>
        <source>选择窗口</source>
        <translation>选择窗口</translation>
    </message>
    <message>
        <source>纯音频录制</source>
        <translation>纯音频录制</translation>
    </message>
    <message>
        <source>音质</source>
        <translation>音质</translation>
    </message>
    <message>
        <source>128 kbps · 较小</source>
        <translation>128 kbps · 较小</translation>
    </message>
    <message>
        <source>192 kbps · 推荐</source>
        <translation>192 kbps · 推荐</translation>
    </message>
    <message>
        <source>320 kbps · 高质量</source>
        <translation>320 kbps · 高质量</translation>
    </message>
    <message>
        <source>无损 · 由格式决定</source>
        <translation>无损 · 由格式决定</translation>
    </message>
    <message>
        <source>录摄像头</source>
        <translation>录摄像头</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>扬声器</source>
        <translation>扬声器</translation>
    </message>
    <message>
        <source>试音</source>
        <translation>试音</translation>
    </message>
    <message>
        <source>麦克风</source>
        <translation>麦克风</translation>
    </message>
    <message>
        <source>开始录制</source>
        <translation>开始录制</translation>
    </message>
    <message>
        <source>纯音频模式不录制摄像头</source>
        <translation>纯音频模式不录制摄像头</translation>
    </message>
    <message>
        <source>选择游戏</source>
        <translation>选择游戏</translation>
    </message>
    <message>
        <source>尚未选择游戏</source>
        <translation>尚未选择游戏</translation>
    </message>
    <message>
        <source>高性能屏幕采集模式</source>
        <translation>高性能屏幕采集模式</translation>
    </message>
    <message>
        <source>选择%1设备</source>
        <translation>选择%1设备</translation>
    </message>
    <message>
        <source>选择设备和音频设置</source>
        <translation>选择设备和音频设置</translation>
    </message>
    <message>
        <source>开启</source>
        <translation>开启</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>默认设备</source>
        <translation>默认设备</translation>
    </message>
    <message>
        <source>默认 · %1</source>
        <translation>默认 · %1</translation>
    </message>
    <message>
        <source>选择扬声器</source>
        <translation>选择扬声器</translation>
    </message>
    <message>
        <source>选择麦克风</source>
        <translation>选择麦克风</translation>
    </message>
    <message>
        <source>音频高级设置…</source>
        <translation>音频高级设置…</translation>
    </message>
    <message>
        <source>系统声音</source>
        <translation>系统声音</translation>
    </message>
    <message>
        <source>无法监听所选扬声器：%1</source>
        <translation>无法监听所选扬声器：%1</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>未检测到声音，请先播放一段音频</source>
        <translation>未检测到声音，请先播放一段音频</translation>
    </message>
    <message>
        <source>已检测到系统播放声音</source>
        <translation>已检测到系统播放声音</translation>
    </message>
    <message>
        <source>无设备</source>
        <translation>无设备</translation>
    </message>
    <message>
        <source>不可用</source>
        <translation>不可用</translation>
    </message>
    <message>
        <source>未检测到声音，请检查麦克风或权限</source>
        <translation>未检测到声音，请检查麦克风或权限</translation>
    </message>
    <message>
        <source>已检测到麦克风声音</source>
        <translation>已检测到麦克风声音</translation>
    </message>
    <message>
        <source>系统声音实时电平</source>
        <translation>系统声音实时电平</translation>
    </message>
    <message>
        <source>麦克风实时电平</source>
        <translation>麦克风实时电平</translation>
    </message>
    <message>
        <source>停止试音</source>
        <translation>停止试音</translation>
    </message>
    <message>
        <source>输出</source>
        <translation>输出</translation>
    </message>
    <message>
        <source>输入</source>
        <translation>输入</translation>
    </message>
    <message>
        <source>正在监听，请播放一段声音</source>
        <translation>正在监听，请播放一段声音</translation>
    </message>
    <message>
        <source>正在监听，请对麦克风说话</source>
        <translation>正在监听，请对麦克风说话</translation>
    </message>
    <message>
        <source>录音检查</source>
        <translation>录音检查</translation>
    </message>
    <message>
        <source>请至少开启扬声器或麦克风。</source>
        <translation>请至少开启扬声器或麦克风。</translation>
    </message>
    <message>
        <source>没有可用的扬声器设备，无法录制系统声音。</source>
        <translation>没有可用的扬声器设备，无法录制系统声音。</translation>
    </message>
    <message>
        <source>没有可用的麦克风，请重新连接或选择输入设备。</source>
        <translation>没有可用的麦克风，请重新连接或选择输入设备。</translation>
    </message>
    <message>
        <source>停止录制</source>
        <translation>停止录制</translation>
    </message>
</context>
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
    <name>QDialog</name>
    <message>
        <source>Enable Screen Recording</source>
        <translation>开启屏幕录制权限</translation>
    </message>
    <message>
        <source>Enable Microphone Access</source>
        <translation>开启麦克风权限</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Vistrelle needs permission before it can record your screen.</source>
        <translation>Vistrelle 需要获得权限才能录制你的屏幕。</translation>
    </message>
    <message>
        <source>Vistrelle needs permission before it can record your voice.</source>
        <translation>Vistrelle 需要获得权限才能录制你的声音。</translation>
    </message>
    <message>
        <source>Screen &amp; System Audio Recording</source>
        <translation>屏幕与系统录音</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>麦克风</translation>
    </message>
    <message>
        <source>Allow these apps to record your screen.</source>
        <translation>允许这些应用录制你的屏幕。</translation>
    </message>
    <message>
        <source>Allow these apps to use your microphone.</source>
        <translation>允许这些应用使用你的麦克风。</translation>
    </message>
    <message>
        <source>Illustration of macOS System Settings</source>
        <translation>macOS 系统设置示意图</translation>
    </message>
    <message>
        <source>Three quick steps</source>
        <translation>三个简单步骤</translation>
    </message>
    <message>
        <source>Open Screen Recording settings.</source>
        <translation>打开“屏幕录制”设置。</translation>
    </message>
    <message>
        <source>Open Microphone settings.</source>
        <translation>打开“麦克风”设置。</translation>
    </message>
    <message>
        <source>Turn on Vistrelle.</source>
        <translation>打开 Vistrelle 的开关。</translation>
    </message>
    <message>
        <source>Quit and reopen Vistrelle, then record.</source>
        <translation>退出并重新打开 Vistrelle，然后开始录制。</translation>
    </message>
    <message>
        <source>Return and start recording.</source>
        <translation>返回并开始录制。</translation>
    </message>
    <message>
        <source>Restart Vistrelle after changing this setting.</source>
        <translation>更改此设置后请重新启动 Vistrelle。</translation>
    </message>
    <message>
        <source>You can also turn off Microphone and record without voice.</source>
        <translation>你也可以关闭麦克风，录制不含人声的内容。</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>以后再说</translation>
    </message>
    <message>
        <source>Open Settings ↗</source>
        <translation>打开设置 ↗</translation>
    </message>
    <message>
        <source>Open System Settings &gt; Privacy &amp; Security &gt; Screen &amp; System Audio Recording and allow Vistrelle.</source>
        <translation>请打开 系统设置 &gt; 隐私与安全性 &gt; 屏幕与系统录音，并允许 Vistrelle。</translation>
    </message>
    <message>
        <source>Open System Settings &gt; Privacy &amp; Security &gt; Microphone and allow Vistrelle.</source>
        <translation>请打开 系统设置 &gt; 隐私与安全性 &gt; 麦克风，并允许 Vistrelle。</translation>
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
    <name>RecordingSettingsDialog</name>
    <message>
        <source>录制性能设置</source>
        <translation>录制性能设置</translation>
    </message>
    <message>
        <source>录制性能</source>
        <translation>录制性能</translation>
    </message>
    <message>
        <source>选择用途，自动匹配参数</source>
        <translation>选择用途，自动匹配参数</translation>
    </message>
    <message>
        <source>预设</source>
        <translation>预设</translation>
    </message>
    <message>
        <source>办公
文档、会议</source>
        <translation>办公
文档、会议</translation>
    </message>
    <message>
        <source>课程
文字清晰</source>
        <translation>课程
文字清晰</translation>
    </message>
    <message>
        <source>游戏
流畅优先</source>
        <translation>游戏
流畅优先</translation>
    </message>
    <message>
        <source>高画质
细节优先</source>
        <translation>高画质
细节优先</translation>
    </message>
    <message>
        <source>高级设置  ▾</source>
        <translation>高级设置  ▾</translation>
    </message>
    <message>
        <source>帧率</source>
        <translation>帧率</translation>
    </message>
    <message>
        <source>格式</source>
        <translation>格式</translation>
    </message>
    <message>
        <source>画质</source>
        <translation>画质</translation>
    </message>
    <message>
        <source>帧率类型</source>
        <translation>帧率类型</translation>
    </message>
    <message>
        <source>编码器</source>
        <translation>编码器</translation>
    </message>
    <message>
        <source>关键帧</source>
        <translation>关键帧</translation>
    </message>
    <message>
        <source>30 FPS（推荐）</source>
        <translation>30 FPS（推荐）</translation>
    </message>
    <message>
        <source>标准</source>
        <translation>标准</translation>
    </message>
    <message>
        <source>高清（推荐）</source>
        <translation>高清（推荐）</translation>
    </message>
    <message>
        <source>超清</source>
        <translation>超清</translation>
    </message>
    <message>
        <source>自动（推荐）</source>
        <translation>自动（推荐）</translation>
    </message>
    <message>
        <source>CPU（H.264）</source>
        <translation>CPU（H.264）</translation>
    </message>
    <message>
        <source>NVIDIA（NVENC）</source>
        <translation>NVIDIA（NVENC）</translation>
    </message>
    <message>
        <source>Intel（Quick Sync）</source>
        <translation>Intel（Quick Sync）</translation>
    </message>
    <message>
        <source>AMD（AMF）</source>
        <translation>AMD（AMF）</translation>
    </message>
    <message>
        <source>MP4（兼容）</source>
        <translation>MP4（兼容）</translation>
    </message>
    <message>
        <source>MKV（易恢复）</source>
        <translation>MKV（易恢复）</translation>
    </message>
    <message>
        <source>恒定（推荐）</source>
        <translation>恒定（推荐）</translation>
    </message>
    <message>
        <source>可变（省空间）</source>
        <translation>可变（省空间）</translation>
    </message>
    <message>
        <source>1 秒</source>
        <translation>1 秒</translation>
    </message>
    <message>
        <source>2 秒（推荐）</source>
        <translation>2 秒（推荐）</translation>
    </message>
    <message>
        <source>5 秒</source>
        <translation>5 秒</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>收起高级设置  ▴</source>
        <translation>收起高级设置  ▴</translation>
    </message>
    <message>
        <source>高清</source>
        <translation>高清</translation>
    </message>
    <message>
        <source>CPU 编码</source>
        <translation>CPU 编码</translation>
    </message>
    <message>
        <source>自动编码</source>
        <translation>自动编码</translation>
    </message>
    <message>
        <source>GPU 编码</source>
        <translation>GPU 编码</translation>
    </message>
    <message>
        <source>高性能模式</source>
        <translation>高性能模式</translation>
    </message>
    <message>
        <source>适合办公与课程</source>
        <translation>适合办公与课程</translation>
    </message>
    <message>
        <source>适合游戏</source>
        <translation>适合游戏</translation>
    </message>
    <message>
        <source>%1 · %2 · 关键帧 %3 秒</source>
        <translation>%1 · %2 · 关键帧 %3 秒</translation>
    </message>
    <message>
        <source>可变</source>
        <translation>可变</translation>
    </message>
    <message>
        <source>恒定</source>
        <translation>恒定</translation>
    </message>
    <message>
        <source>%1 FPS · %2 · %3
%4 · %5</source>
        <translation>%1 FPS · %2 · %3
%4 · %5</translation>
    </message>
    <message>
        <source>当前显示器最高刷新率约为 %1 Hz</source>
        <translation>当前显示器最高刷新率约为 %1 Hz</translation>
    </message>
    <message>
        <source>没有检测到可用的 H.264 GPU 硬件编码器</source>
        <translation>没有检测到可用的 H.264 GPU 硬件编码器</translation>
    </message>
    <message>
        <source>120 FPS 性能检查</source>
        <translation>120 FPS 性能检查</translation>
    </message>
    <message>
        <source>当前设备可能无法稳定录制 120 FPS：

• %1

建议自动调整为 60 FPS。录制期间仍会继续监测实际性能。</source>
        <translation>当前设备可能无法稳定录制 120 FPS：

• %1

建议自动调整为 60 FPS。录制期间仍会继续监测实际性能。</translation>
    </message>
    <message>
        <source>自动改为 60 FPS</source>
        <translation>自动改为 60 FPS</translation>
    </message>
    <message>
        <source>仍然使用 120 FPS</source>
        <translation>仍然使用 120 FPS</translation>
    </message>
    <message>
        <source>返回设置</source>
        <translation>返回设置</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>设置</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>通用</source>
        <translation>通用</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>鼠标效果</source>
        <translation>鼠标效果</translation>
    </message>
    <message>
        <source>快捷键</source>
        <translation>快捷键</translation>
    </message>
    <message>
        <source>录制</source>
        <translation>录制</translation>
    </message>
    <message>
        <source>恢复默认设置</source>
        <translation>恢复默认设置</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>保存设置</source>
        <translation>保存设置</translation>
    </message>
    <message>
        <source>保存目录无效或无法创建，请重新选择。</source>
        <translation>保存目录无效或无法创建，请重新选择。</translation>
    </message>
    <message>
        <source>每个全局快捷键只能包含一个组合，请重新设置。</source>
        <translation>每个全局快捷键只能包含一个组合，请重新设置。</translation>
    </message>
    <message>
        <source>快捷键 %1 被重复使用，请为每个功能设置不同组合。</source>
        <translation>快捷键 %1 被重复使用，请为每个功能设置不同组合。</translation>
    </message>
    <message>
        <source>快捷键设置</source>
        <translation>快捷键设置</translation>
    </message>
    <message>
        <source>设置写入失败，请检查当前用户的配置权限。</source>
        <translation>设置写入失败，请检查当前用户的配置权限。</translation>
    </message>
    <message>
        <source>开机时自动启动 Vistrelle</source>
        <translation>开机时自动启动 Vistrelle</translation>
    </message>
    <message>
        <source>启动后最小化到系统托盘</source>
        <translation>启动后最小化到系统托盘</translation>
    </message>
    <message>
        <source>关闭按钮</source>
        <translation>关闭按钮</translation>
    </message>
    <message>
        <source>最小化到系统托盘</source>
        <translation>最小化到系统托盘</translation>
    </message>
    <message>
        <source>退出程序</source>
        <translation>退出程序</translation>
    </message>
    <message>
        <source>每次询问我</source>
        <translation>每次询问我</translation>
    </message>
    <message>
        <source>选择“每次询问我”时，每次关闭主窗口都会弹出选择窗口。以后仍可在这里修改。</source>
        <translation>选择“每次询问我”时，每次关闭主窗口都会弹出选择窗口。以后仍可在这里修改。</translation>
    </message>
    <message>
        <source>诊断</source>
        <translation>诊断</translation>
    </message>
    <message>
        <source>启用详细诊断日志</source>
        <translation>启用详细诊断日志</translation>
    </message>
    <message>
        <source>日志保存在本机；重启后生效。</source>
        <translation>日志保存在本机；重启后生效。</translation>
    </message>
    <message>
        <source>默认保存目录</source>
        <translation>默认保存目录</translation>
    </message>
    <message>
        <source>浏览…</source>
        <translation>浏览…</translation>
    </message>
    <message>
        <source>文件命名规则</source>
        <translation>文件命名规则</translation>
    </message>
    <message>
        <source>日期 + 时间</source>
        <translation>日期 + 时间</translation>
    </message>
    <message>
        <source>Vistrelle + 日期时间</source>
        <translation>Vistrelle + 日期时间</translation>
    </message>
    <message>
        <source>自动编号</source>
        <translation>自动编号</translation>
    </message>
    <message>
        <source>示例：2026-09-04_143022.mp4</source>
        <translation>示例：2026-09-04_143022.mp4</translation>
    </message>
    <message>
        <source>磁盘空间提醒</source>
        <translation>磁盘空间提醒</translation>
    </message>
    <message>
        <source>当磁盘剩余空间少于</source>
        <translation>当磁盘剩余空间少于</translation>
    </message>
    <message>
        <source>时提醒我</source>
        <translation>时提醒我</translation>
    </message>
    <message>
        <source>选择保存目录</source>
        <translation>选择保存目录</translation>
    </message>
    <message>
        <source>显示鼠标高亮</source>
        <translation>显示鼠标高亮</translation>
    </message>
    <message>
        <source>高亮颜色</source>
        <translation>高亮颜色</translation>
    </message>
    <message>
        <source>大小</source>
        <translation>大小</translation>
    </message>
    <message>
        <source>透明度</source>
        <translation>透明度</translation>
    </message>
    <message>
        <source>点击动画</source>
        <translation>点击动画</translation>
    </message>
    <message>
        <source>显示鼠标点击动画</source>
        <translation>显示鼠标点击动画</translation>
    </message>
    <message>
        <source>左键点击</source>
        <translation>左键点击</translation>
    </message>
    <message>
        <source>右键点击</source>
        <translation>右键点击</translation>
    </message>
    <message>
        <source>选择颜色</source>
        <translation>选择颜色</translation>
    </message>
    <message>
        <source>点击选择颜色</source>
        <translation>点击选择颜色</translation>
    </message>
    <message>
        <source>开始 / 停止录制</source>
        <translation>开始 / 停止录制</translation>
    </message>
    <message>
        <source>暂停 / 继续录制</source>
        <translation>暂停 / 继续录制</translation>
    </message>
    <message>
        <source>截图（全屏 / 区域）</source>
        <translation>截图（全屏 / 区域）</translation>
    </message>
    <message>
        <source>显示 / 隐藏悬浮工具栏</source>
        <translation>显示 / 隐藏悬浮工具栏</translation>
    </message>
    <message>
        <source>显示 / 隐藏注释工具栏</source>
        <translation>显示 / 隐藏注释工具栏</translation>
    </message>
    <message>
        <source>点击确定后保存，应用于下一次录制。</source>
        <translation>点击确定后保存，应用于下一次录制。</translation>
    </message>
    <message>
        <source>录制预设</source>
        <translation>录制预设</translation>
    </message>
    <message>
        <source>办公</source>
        <translation>办公</translation>
    </message>
    <message>
        <source>课程</source>
        <translation>课程</translation>
    </message>
    <message>
        <source>游戏</source>
        <translation>游戏</translation>
    </message>
    <message>
        <source>自定义</source>
        <translation>自定义</translation>
    </message>
    <message>
        <source>标准</source>
        <translation>标准</translation>
    </message>
    <message>
        <source>高清（推荐）</source>
        <translation>高清（推荐）</translation>
    </message>
    <message>
        <source>超清</source>
        <translation>超清</translation>
    </message>
    <message>
        <source>自动（推荐）</source>
        <translation>自动（推荐）</translation>
    </message>
    <message>
        <source>恒定（推荐）</source>
        <translation>恒定（推荐）</translation>
    </message>
    <message>
        <source>可变</source>
        <translation>可变</translation>
    </message>
    <message>
        <source>%1 秒</source>
        <translation>%1 秒</translation>
    </message>
    <message>
        <source>常用设置</source>
        <translation>常用设置</translation>
    </message>
    <message>
        <source>视频格式</source>
        <translation>视频格式</translation>
    </message>
    <message>
        <source>帧率</source>
        <translation>帧率</translation>
    </message>
    <message>
        <source>画质</source>
        <translation>画质</translation>
    </message>
    <message>
        <source>硬件加速</source>
        <translation>硬件加速</translation>
    </message>
    <message>
        <source>高级设置 ▾</source>
        <translation>高级设置 ▾</translation>
    </message>
    <message>
        <source>帧率类型</source>
        <translation>帧率类型</translation>
    </message>
    <message>
        <source>关键帧间隔</source>
        <translation>关键帧间隔</translation>
    </message>
    <message>
        <source>收起高级设置 ▴</source>
        <translation>收起高级设置 ▴</translation>
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
<context>
    <name>WatermarkDialog</name>
    <message>
        <source>水印设置</source>
        <translation>水印设置</translation>
    </message>
    <message>
        <source>水印样式</source>
        <translation>水印样式</translation>
    </message>
    <message>
        <source>水印文字</source>
        <translation>水印文字</translation>
    </message>
    <message>
        <source>字号</source>
        <translation>字号</translation>
    </message>
    <message>
        <source>颜色</source>
        <translation>颜色</translation>
    </message>
    <message>
        <source>透明度</source>
        <translation>透明度</translation>
    </message>
    <message>
        <source>拖动滑块调整水印的可见程度</source>
        <translation>拖动滑块调整水印的可见程度</translation>
    </message>
    <message>
        <source>实时预览  ●</source>
        <translation>实时预览  ●</translation>
    </message>
    <message>
        <source>对整个原视频添加水印，另存为 MP4 副本。其他编辑请先保存。</source>
        <translation>对整个原视频添加水印，另存为 MP4 副本。其他编辑请先保存。</translation>
    </message>
    <message>
        <source>显示位置</source>
        <translation>显示位置</translation>
    </message>
    <message>
        <source>边距</source>
        <translation>边距</translation>
    </message>
    <message>
        <source>水平</source>
        <translation>水平</translation>
    </message>
    <message>
        <source>垂直</source>
        <translation>垂直</translation>
    </message>
    <message>
        <source>恢复默认</source>
        <translation>恢复默认</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>保存水印副本</source>
        <translation>保存水印副本</translation>
    </message>
    <message>
        <source>选择颜色</source>
        <translation>选择颜色</translation>
    </message>
    <message>
        <source>请输入水印文字。</source>
        <translation>请输入水印文字。</translation>
    </message>
</context>
<context>
    <name>vc::CloseBehaviorDialog</name>
    <message>
        <source>关闭 Vistrelle</source>
        <translation>关闭 Vistrelle</translation>
    </message>
    <message>
        <source>关闭窗口后要做什么？</source>
        <translation>关闭窗口后要做什么？</translation>
    </message>
    <message>
        <source>最小化到托盘</source>
        <translation>最小化到托盘</translation>
    </message>
    <message>
        <source>退出 Vistrelle</source>
        <translation>退出 Vistrelle</translation>
    </message>
    <message>
        <source>记住我的选择，下次不再询问</source>
        <translation>记住我的选择，下次不再询问</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>确定</translation>
    </message>
</context>
</TS>

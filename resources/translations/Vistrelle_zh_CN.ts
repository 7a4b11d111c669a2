<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="zh_CN">
<context>
    <name>AnnotationOverlay</name>
    <message>
        <source>添加文字标注</source>
        <translation>添加文字标注</translation>
    </message>
    <message>
        <source>输入标注文字：</source>
        <translation>输入标注文字：</translation>
    </message>
    <message>
        <source>左键绘制  Ctrl+Z 撤销  Del 清除  ESC 退出</source>
        <translation>左键绘制  Ctrl+Z 撤销  Del 清除  ESC 退出</translation>
    </message>
</context>
<context>
    <name>AnnotationToolbar</name>
    <message>
        <source>画笔</source>
        <translation>画笔</translation>
    </message>
    <message>
        <source>箭头</source>
        <translation>箭头</translation>
    </message>
    <message>
        <source>矩形</source>
        <translation>矩形</translation>
    </message>
    <message>
        <source>文字</source>
        <translation>文字</translation>
    </message>
    <message>
        <source>选择颜色</source>
        <translation>选择颜色</translation>
    </message>
    <message>
        <source>粗细</source>
        <translation>粗细</translation>
    </message>
    <message>
        <source>撤销  Ctrl+Z</source>
        <translation>撤销  Ctrl+Z</translation>
    </message>
    <message>
        <source>清除全部  Del</source>
        <translation>清除全部  Del</translation>
    </message>
    <message>
        <source>退出注释</source>
        <translation>退出注释</translation>
    </message>
    <message>
        <source>选择注释颜色</source>
        <translation>选择注释颜色</translation>
    </message>
</context>
<context>
    <name>AreaDropdown</name>
    <message>
        <source>全屏</source>
        <translation>全屏</translation>
    </message>
    <message>
        <source>选择区域 / 窗口</source>
        <translation>选择区域 / 窗口</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>AreaPicker</name>
    <message>
        <source>X:%1  Y:%2</source>
        <translation>X:%1  Y:%2</translation>
    </message>
    <message>
        <source>点击拖拽选择区域</source>
        <translation>点击拖拽选择区域</translation>
    </message>
</context>
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
    <name>AutoSplitDialog</name>
    <message>
        <source>自动分割设置</source>
        <translation>自动分割设置</translation>
    </message>
    <message>
        <source>录制时按指定条件自动切分为多个文件</source>
        <translation>录制时按条件开始新的分段，停止时合并为一个文件</translation>
    </message>
    <message>
        <source>按录制时长</source>
        <translation>按录制时长</translation>
    </message>
    <message>
        <source>适合会议、课程等长时间录制</source>
        <translation>适合会议、课程等长时间录制</translation>
    </message>
    <message>
        <source>分钟</source>
        <translation>分钟</translation>
    </message>
    <message>
        <source>按文件大小</source>
        <translation>按文件大小</translation>
    </message>
    <message>
        <source>便于上传、传输或分段保存</source>
        <translation>限制每个分段的大小</translation>
    </message>
    <message>
        <source>✓  无缝切分</source>
        <translation>✓  无缝切分</translation>
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
        <source>将每 %1 分钟自动保存为一个新文件</source>
        <translation type="vanished">将每 %1 分钟自动保存为一个新文件</translation>
    </message>
    <message>
        <source>文件达到 %1 MB 时自动切分并保存</source>
        <translation>分段达到 %1 MB 时开始新的分段</translation>
    </message>
    <message numerus="yes">
        <source>将每 %n 分钟自动保存为一个新文件</source>
        <translation>
            <numerusform>每 %n 分钟开始一个新分段</numerusform>
        </translation>
    </message>
    <message>
        <source>关闭自动分割</source>
        <translation>关闭自动分割</translation>
    </message>
</context>
<context>
    <name>AutoStopDialog</name>
    <message>
        <source>自动停止设置</source>
        <translation>自动停止设置</translation>
    </message>
    <message>
        <source>录制达到指定条件时自动停止并保存文件。</source>
        <translation>录制达到指定条件时自动停止并保存文件。</translation>
    </message>
    <message>
        <source>停止条件</source>
        <translation>停止条件</translation>
    </message>
    <message>
        <source>按录制时长</source>
        <translation>按录制时长</translation>
    </message>
    <message>
        <source>分钟</source>
        <translation>分钟</translation>
    </message>
    <message>
        <source>按文件大小</source>
        <translation>按文件大小</translation>
    </message>
    <message>
        <source>录制 %1 分钟后自动停止</source>
        <translation type="vanished">录制 %1 分钟后自动停止</translation>
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
        <source>文件达到 %1 MB 后自动停止</source>
        <translation>文件达到 %1 MB 后自动停止</translation>
    </message>
    <message>
        <source>自动停止倒计时</source>
        <translation>自动停止倒计时</translation>
    </message>
    <message>
        <source>录制将在以上时间后自动停止</source>
        <translation>录制将在以上时间后自动停止</translation>
    </message>
    <message>
        <source>取消自动停止</source>
        <translation>取消自动停止</translation>
    </message>
    <message numerus="yes">
        <source>录制 %n 分钟后自动停止</source>
        <translation>
            <numerusform>录制 %n 分钟后自动停止</numerusform>
        </translation>
    </message>
    <message>
        <source>关闭自动停止</source>
        <translation>关闭自动停止</translation>
    </message>
</context>
<context>
    <name>BottomBar</name>
    <message>
        <source>媒体库</source>
        <translation>媒体库</translation>
    </message>
    <message>
        <source>水印</source>
        <translation>水印</translation>
    </message>
    <message>
        <source>自动分割</source>
        <translation>自动分割</translation>
    </message>
    <message>
        <source>自动停止</source>
        <translation>自动停止</translation>
    </message>
    <message>
        <source>计划录制</source>
        <translation>计划录制</translation>
    </message>
    <message>
        <source>GPU 加速</source>
        <translation>GPU 加速</translation>
    </message>
</context>
<context>
    <name>CameraRecordingPage</name>
    <message>
        <source>Camera Recording</source>
        <translation>摄像头录制</translation>
    </message>
    <message>
        <source>Back to Home</source>
        <translation>返回首页</translation>
    </message>
    <message>
        <source>Choose a camera to start preview</source>
        <translation>选择摄像头以开始预览</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>镜像</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>竖屏</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>适应</translation>
    </message>
    <message>
        <source>Camera framing mode</source>
        <translation>摄像头画面模式</translation>
    </message>
    <message>
        <source>System Audio</source>
        <translation>系统声音</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>麦克风</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>快照</translation>
    </message>
    <message>
        <source>Auto Stop</source>
        <translation>自动停止</translation>
    </message>
    <message>
        <source>Auto Split</source>
        <translation>自动分段</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>填充</translation>
    </message>
    <message>
        <source>Camera access is off. Allow Vistrelle in System Settings &gt; Privacy &amp; Security &gt; Camera, then return to this page.</source>
        <translation>摄像头权限已关闭。请在 系统设置 &gt; 隐私与安全性 &gt; 摄像头 中允许 Vistrelle，然后返回此页面。</translation>
    </message>
    <message>
        <source>Requesting camera access…</source>
        <translation>正在请求摄像头权限…</translation>
    </message>
    <message>
        <source>Starting camera…</source>
        <translation>正在启动摄像头…</translation>
    </message>
    <message>
        <source>No camera found. Connect a camera and return to this page.</source>
        <translation>未找到摄像头。请连接摄像头后返回此页面。</translation>
    </message>
    <message>
        <source>Camera did not deliver a picture. Check camera access and whether another app is using it, then select the camera again.</source>
        <translation>摄像头没有输出画面。请检查摄像头权限以及是否有其他应用正在使用它，然后重新选择摄像头。</translation>
    </message>
    <message>
        <source>Camera could not start. Check camera access in System Settings.</source>
        <translation>摄像头无法启动。请在系统设置中检查摄像头权限。</translation>
    </message>
    <message>
        <source>Camera stopped delivering frames. Recording has been stopped.</source>
        <translation>摄像头已停止输出画面，录制已停止。</translation>
    </message>
    <message>
        <source>Save camera snapshot</source>
        <translation>保存摄像头快照</translation>
    </message>
    <message>
        <source>Could not save the image.</source>
        <translation>无法保存图片。</translation>
    </message>
    <message>
        <source>Camera Permission</source>
        <translation>摄像头权限</translation>
    </message>
    <message>
        <source>Camera access is off. Allow Vistrelle in System Settings &gt; Privacy &amp; Security &gt; Camera.</source>
        <translation>摄像头权限已关闭。请在 系统设置 &gt; 隐私与安全性 &gt; 摄像头 中允许 Vistrelle。</translation>
    </message>
    <message>
        <source>Open Settings</source>
        <translation>打开设置</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>继续</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>On</source>
        <translation>开</translation>
    </message>
    <message>
        <source>Starting…</source>
        <translation>启动中…</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>关</translation>
    </message>
</context>
<context>
    <name>CameraSettingsDialog</name>
    <message>
        <source>开关</source>
        <translation>开关</translation>
    </message>
    <message>
        <source>点击九宫格选择摄像头位置</source>
        <translation>点击九宫格选择摄像头位置</translation>
    </message>
    <message>
        <source>摄像头位置九宫格</source>
        <translation>摄像头位置九宫格</translation>
    </message>
    <message>
        <source>摄像头设置</source>
        <translation>摄像头设置</translation>
    </message>
    <message>
        <source>正在启动摄像头…</source>
        <translation>正在启动摄像头…</translation>
    </message>
    <message>
        <source>实时预览</source>
        <translation>实时预览</translation>
    </message>
    <message>
        <source>摄像头关闭时，将在这里显示 · 开启摄像头后可预览</source>
        <translation>摄像头关闭时，将在这里显示 · 开启摄像头后可预览</translation>
    </message>
    <message>
        <source>摄像头设备</source>
        <translation>摄像头设备</translation>
    </message>
    <message>
        <source>自动</source>
        <translation>自动</translation>
    </message>
    <message>
        <source>帧率</source>
        <translation>帧率</translation>
    </message>
    <message>
        <source>视频质量</source>
        <translation>视频质量</translation>
    </message>
    <message>
        <source>画面形状</source>
        <translation>画面形状</translation>
    </message>
    <message>
        <source>圆形</source>
        <translation>圆形</translation>
    </message>
    <message>
        <source>圆角矩形</source>
        <translation>圆角矩形</translation>
    </message>
    <message>
        <source>矩形</source>
        <translation>矩形</translation>
    </message>
    <message>
        <source>左上</source>
        <translation>左上</translation>
    </message>
    <message>
        <source>上中</source>
        <translation>上中</translation>
    </message>
    <message>
        <source>右上</source>
        <translation>右上</translation>
    </message>
    <message>
        <source>左中</source>
        <translation>左中</translation>
    </message>
    <message>
        <source>居中</source>
        <translation>居中</translation>
    </message>
    <message>
        <source>右中</source>
        <translation>右中</translation>
    </message>
    <message>
        <source>左下</source>
        <translation>左下</translation>
    </message>
    <message>
        <source>下中</source>
        <translation>下中</translation>
    </message>
    <message>
        <source>右下</source>
        <translation>右下</translation>
    </message>
    <message>
        <source>摄像头位置</source>
        <translation>摄像头位置</translation>
    </message>
    <message>
        <source>小</source>
        <translation>小</translation>
    </message>
    <message>
        <source>大</source>
        <translation>大</translation>
    </message>
    <message>
        <source>画面大小</source>
        <translation>画面大小</translation>
    </message>
    <message>
        <source>镜像画面</source>
        <translation>镜像画面</translation>
    </message>
    <message>
        <source>让预览效果更自然</source>
        <translation>让预览效果更自然</translation>
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
        <source>开启摄像头后可预览</source>
        <translation>开启摄像头后可预览</translation>
    </message>
    <message>
        <source>未检测到摄像头</source>
        <translation>未检测到摄像头</translation>
    </message>
    <message>
        <source>未检测到可用摄像头</source>
        <translation>未检测到可用摄像头</translation>
    </message>
    <message>
        <source>摄像头无法启动，请检查系统权限</source>
        <translation>摄像头无法启动，请检查系统权限</translation>
    </message>
</context>
<context>
    <name>CaptureTargetDialog</name>
    <message>
        <source>选择游戏</source>
        <translation>选择游戏</translation>
    </message>
    <message>
        <source>选择窗口</source>
        <translation>选择窗口</translation>
    </message>
    <message>
        <source>选择游戏窗口</source>
        <translation>选择游戏窗口</translation>
    </message>
    <message>
        <source>选择录制窗口</source>
        <translation>选择录制窗口</translation>
    </message>
    <message>
        <source>刷新</source>
        <translation>刷新</translation>
    </message>
    <message>
        <source>Select a window</source>
        <translation>选择窗口</translation>
    </message>
    <message>
        <source>Process information unavailable</source>
        <translation>进程信息不可用</translation>
    </message>
    <message>
        <source>Loading preview…</source>
        <translation>正在加载预览…</translation>
    </message>
    <message>
        <source>当前没有可捕获窗口。请先打开目标程序，然后点击刷新。</source>
        <translation>当前没有可捕获窗口。请先打开目标程序，然后点击刷新。</translation>
    </message>
    <message>
        <source>选择要录制的游戏或应用窗口。录制时不要最小化窗口。</source>
        <translation>选择要录制的游戏或应用窗口。录制时不要最小化窗口。</translation>
    </message>
    <message>
        <source>录制时不要最小化窗口。</source>
        <translation>录制时不要最小化窗口。</translation>
    </message>
    <message>
        <source>Preview timed out — check screen recording access</source>
        <translation>预览超时 — 请检查屏幕录制权限</translation>
    </message>
    <message>
        <source>Preview unavailable — check screen recording access</source>
        <translation>预览不可用 — 请检查屏幕录制权限</translation>
    </message>
</context>
<context>
    <name>Common</name>
    <message>
        <source>Open Folder</source>
        <translation>打开文件夹</translation>
    </message>
    <message>
        <source>无法打开文件夹：
%1</source>
        <translation>无法打开文件夹：
%1</translation>
    </message>
</context>
<context>
    <name>CompletionDialog</name>
    <message>
        <source>文件已保存到以下文件夹</source>
        <translation>文件已保存到以下文件夹</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>打开文件夹</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>确定</translation>
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
    <message>
        <source>Camera Permission</source>
        <translation>摄像头权限</translation>
    </message>
    <message>
        <source>Camera access is off. Allow Vistrelle in System Settings &gt; Privacy &amp; Security &gt; Camera.</source>
        <translation>摄像头权限已关闭。请在 系统设置 &gt; 隐私与安全性 &gt; 摄像头 中允许 Vistrelle。</translation>
    </message>
    <message>
        <source>Open Settings</source>
        <translation>打开设置</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>高性能屏幕采集</source>
        <translation>高性能屏幕采集</translation>
    </message>
    <message>
        <source> · 高性能屏幕采集</source>
        <translation> · 高性能屏幕采集</translation>
    </message>
    <message>
        <source>%1 · 不可用</source>
        <translation>%1 · 不可用</translation>
    </message>
    <message>
        <source>摄像头</source>
        <translation>摄像头</translation>
    </message>
    <message>
        <source>没有检测到可用摄像头。</source>
        <translation>没有检测到可用摄像头。</translation>
    </message>
</context>
<context>
    <name>CountdownOverlay</name>
    <message>
        <source>开始/停止</source>
        <translation>开始/停止</translation>
    </message>
    <message>
        <source>暂停/恢复</source>
        <translation>暂停/恢复</translation>
    </message>
</context>
<context>
    <name>ExportDialog</name>
    <message>
        <source>导出</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>↑  导出设置</source>
        <translation>↑  导出设置</translation>
    </message>
    <message>
        <source>MP4 (.mp4)</source>
        <translation>MP4 (.mp4)</translation>
    </message>
    <message>
        <source>MKV (.mkv)</source>
        <translation>MKV (.mkv)</translation>
    </message>
    <message>
        <source>GIF 动图 (.gif)</source>
        <translation>GIF 动图 (.gif)</translation>
    </message>
    <message>
        <source>仅音频 MP3 (.mp3)</source>
        <translation>仅音频 MP3 (.mp3)</translation>
    </message>
    <message>
        <source>仅音频 AAC (.aac)</source>
        <translation>仅音频 AAC (.aac)</translation>
    </message>
    <message>
        <source>格式</source>
        <translation>格式</translation>
    </message>
    <message>
        <source>视频编码</source>
        <translation>视频编码</translation>
    </message>
    <message>
        <source>视频码率</source>
        <translation>视频码率</translation>
    </message>
    <message>
        <source>1× (正常)</source>
        <translation>1× (正常)</translation>
    </message>
    <message>
        <source>播放速度</source>
        <translation>播放速度</translation>
    </message>
    <message>
        <source>GIF 帧率</source>
        <translation>GIF 帧率</translation>
    </message>
    <message>
        <source>GIF 宽度</source>
        <translation>GIF 宽度</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>开始导出</source>
        <translation>开始导出</translation>
    </message>
    <message>
        <source>✓ 已保存到: </source>
        <translation>✓ 已保存到: </translation>
    </message>
    <message>
        <source>保存为</source>
        <translation>保存为</translation>
    </message>
    <message>
        <source>视频文件 (*.mp4 *.mkv *.gif *.mp3 *.aac)</source>
        <translation>视频文件 (*.mp4 *.mkv *.gif *.mp3 *.aac)</translation>
    </message>
    <message>
        <source>导出中...</source>
        <translation>导出中...</translation>
    </message>
</context>
<context>
    <name>FfmpegJob</name>
    <message>
        <source>FFmpeg 没有在 %1 秒内完成。</source>
        <translation>FFmpeg 没有在 %1 秒内完成。</translation>
    </message>
    <message>
        <source>FFmpeg 意外终止。</source>
        <translation>FFmpeg 意外终止。</translation>
    </message>
    <message>
        <source>FFmpeg 以退出码 %1 结束，没有说明原因。</source>
        <translation>FFmpeg 以退出码 %1 结束，没有说明原因。</translation>
    </message>
</context>
<context>
    <name>FloatingToolbar</name>
    <message>
        <source>正在录制</source>
        <translation>正在录制</translation>
    </message>
    <message>
        <source>初始化…</source>
        <translation>初始化…</translation>
    </message>
    <message>
        <source>写入中…</source>
        <translation>写入中…</translation>
    </message>
    <message>
        <source>关闭摄像头</source>
        <translation>关闭摄像头</translation>
    </message>
    <message>
        <source>开启摄像头</source>
        <translation>开启摄像头</translation>
    </message>
    <message>
        <source>画笔</source>
        <translation>画笔</translation>
    </message>
    <message>
        <source>箭头</source>
        <translation>箭头</translation>
    </message>
    <message>
        <source>矩形</source>
        <translation>矩形</translation>
    </message>
    <message>
        <source>文字</source>
        <translation>文字</translation>
    </message>
    <message>
        <source>直线</source>
        <translation>直线</translation>
    </message>
    <message>
        <source>圆形</source>
        <translation>圆形</translation>
    </message>
    <message>
        <source>高亮笔</source>
        <translation>高亮笔</translation>
    </message>
    <message>
        <source>橡皮擦</source>
        <translation>橡皮擦</translation>
    </message>
    <message>
        <source>撤销 Ctrl+Z</source>
        <translation>撤销 Ctrl+Z</translation>
    </message>
    <message>
        <source>清除全部 Del</source>
        <translation>清除全部 Del</translation>
    </message>
    <message>
        <source>退出注释模式</source>
        <translation>退出注释模式</translation>
    </message>
    <message>
        <source>选择工具后在屏幕上绘制，ESC 或点“退出”结束注释</source>
        <translation>选择工具后在屏幕上绘制，ESC 或点“退出”结束注释</translation>
    </message>
    <message>
        <source>选择颜色</source>
        <translation>选择颜色</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>已暂停</source>
        <translation>已暂停</translation>
    </message>
    <message>
        <source>正在保存…</source>
        <translation>正在保存…</translation>
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
    <name>HomePage</name>
    <message>
        <source>Start Recording</source>
        <translation>开始录制</translation>
    </message>
    <message>
        <source>Media Library</source>
        <translation>媒体库</translation>
    </message>
    <message>
        <source>Choose a recording mode</source>
        <translation>选择录制模式</translation>
    </message>
    <message>
        <source>Scheduled Recording</source>
        <translation>计划录制</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>全屏</translation>
    </message>
    <message>
        <source>Custom Area</source>
        <translation>自定义区域</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>窗口</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>游戏</translation>
    </message>
    <message>
        <source>Audio Only</source>
        <translation>仅音频</translation>
    </message>
    <message>
        <source>Webcam</source>
        <translation>摄像头</translation>
    </message>
    <message>
        <source>Recent recordings</source>
        <translation>最近录制</translation>
    </message>
    <message>
        <source>View all  ›</source>
        <translation>查看全部  ›</translation>
    </message>
    <message>
        <source>No recordings yet</source>
        <translation>暂无录制</translation>
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
    <name>MainWindow</name>
    <message>
        <source>显示 Vistrelle</source>
        <translation>显示 Vistrelle</translation>
    </message>
    <message>
        <source>Start Recording</source>
        <translation>开始录制</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>快捷键设置</source>
        <translation>快捷键设置</translation>
    </message>
    <message>
        <source>以下快捷键无法注册，可能已被其他程序占用或按键不受支持：
%1</source>
        <translation>以下快捷键无法注册，可能已被其他程序占用或按键不受支持：
%1</translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>停止录制</translation>
    </message>
    <message>
        <source>日志文件夹</source>
        <translation>日志文件夹</translation>
    </message>
    <message>
        <source>无法打开日志文件夹。</source>
        <translation>无法打开日志文件夹。</translation>
    </message>
    <message>
        <source>录制性能已自动调整</source>
        <translation>录制性能已自动调整</translation>
    </message>
    <message>
        <source>%1 FPS 已自动降为 %2 FPS。%3</source>
        <translation>%1 FPS 已自动降为 %2 FPS。%3</translation>
    </message>
    <message>
        <source>录制性能提示</source>
        <translation>录制性能提示</translation>
    </message>
    <message>
        <source>4K 录制性能</source>
        <translation>4K 录制性能</translation>
    </message>
    <message>
        <source>没有可用的硬件 H.264 编码器</source>
        <translation>没有可用的硬件 H.264 编码器</translation>
    </message>
    <message>
        <source>%1 × %2、%3 FPS 的录制可能掉帧。请选择本次录制方式。</source>
        <translation>%1 × %2、%3 FPS 的录制可能掉帧。请选择本次录制方式。</translation>
    </message>
    <message>
        <source>保持 4K，15 FPS（推荐）</source>
        <translation>保持 4K，15 FPS（推荐）</translation>
    </message>
    <message>
        <source>1080p，30 FPS</source>
        <translation>1080p，30 FPS</translation>
    </message>
    <message>
        <source>强制 4K，30 FPS</source>
        <translation>强制 4K，30 FPS</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>录制后处理提示</source>
        <translation>录制后处理提示</translation>
    </message>
    <message>
        <source>录音完成</source>
        <translation>录音完成</translation>
    </message>
    <message>
        <source>音频已保存到：%1</source>
        <translation>音频已保存到：%1</translation>
    </message>
    <message>
        <source>录制提示</source>
        <translation>录制提示</translation>
    </message>
    <message>
        <source>Vistrelle recording toolbar</source>
        <translation>Vistrelle 录制工具栏</translation>
    </message>
    <message>
        <source>Vistrelle preparation toolbar</source>
        <translation>Vistrelle 准备工具栏</translation>
    </message>
    <message>
        <source>Display %1</source>
        <translation>显示器 %1</translation>
    </message>
    <message>
        <source>Audio only</source>
        <translation>仅音频</translation>
    </message>
    <message>
        <source>Camera preview</source>
        <translation>摄像头预览</translation>
    </message>
    <message>
        <source>Camera Recording</source>
        <translation>摄像头录制</translation>
    </message>
    <message>
        <source>Stop recording and return to Home?</source>
        <translation>要停止录制并返回首页吗？</translation>
    </message>
    <message>
        <source>Wait for a live camera preview before recording.</source>
        <translation>请等待摄像头实时预览出现后再录制。</translation>
    </message>
    <message>
        <source>Vistrelle countdown</source>
        <translation>Vistrelle 倒计时</translation>
    </message>
    <message>
        <source>摄像头</source>
        <translation>摄像头</translation>
    </message>
    <message>
        <source>没有检测到可用摄像头。</source>
        <translation>没有检测到可用摄像头。</translation>
    </message>
    <message>
        <source>摄像头无法启动，请检查权限或设备占用情况。</source>
        <translation>摄像头无法启动，请检查权限或设备占用情况。</translation>
    </message>
    <message>
        <source>Camera Permission</source>
        <translation>摄像头权限</translation>
    </message>
    <message>
        <source>Camera access is off. Allow Vistrelle in System Settings &gt; Privacy &amp; Security &gt; Camera.</source>
        <translation>摄像头权限已关闭。请在 系统设置 &gt; 隐私与安全性 &gt; 摄像头 中允许 Vistrelle。</translation>
    </message>
    <message>
        <source>Open Settings</source>
        <translation>打开设置</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>计划录制</source>
        <translation>计划录制</translation>
    </message>
    <message>
        <source>请先在首页为窗口或游戏模式选择录制目标。</source>
        <translation>请先在首页为窗口或游戏模式选择录制目标。</translation>
    </message>
    <message>
        <source>已有录制正在进行，本次计划已跳过。</source>
        <translation>已有录制正在进行，本次计划已跳过。</translation>
    </message>
    <message>
        <source>退出后计划录制将不会执行。

确定要退出 Vistrelle 吗？</source>
        <translation>退出后计划录制将不会执行。

确定要退出 Vistrelle 吗？</translation>
    </message>
    <message>
        <source>仍在录制</source>
        <translation>仍在录制</translation>
    </message>
    <message>
        <source>Vistrelle 已隐藏到系统托盘，录制继续进行。</source>
        <translation>Vistrelle 已隐藏到系统托盘，录制继续进行。</translation>
    </message>
    <message>
        <source>Vistrelle 仍在后台运行</source>
        <translation>Vistrelle 仍在后台运行</translation>
    </message>
    <message>
        <source>已最小化到系统托盘，点击或双击托盘图标可重新打开。</source>
        <translation>已最小化到系统托盘，点击或双击托盘图标可重新打开。</translation>
    </message>
    <message>
        <source>About Vistrelle</source>
        <translation>关于 Vistrelle</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>版本 %1</translation>
    </message>
    <message>
        <source>Vistrelle is a fast, reliable screen recorder for Linux. Record screens, windows, games, system audio, microphones, and webcams, then edit and manage recordings locally with no cloud upload required.</source>
        <translation>Vistrelle 是一款快速、可靠的 Linux 录屏软件。录制屏幕、窗口、游戏、系统声音、麦克风和摄像头，并在本地编辑和管理录制内容，无需上传云端。</translation>
    </message>
    <message>
        <source>Development Team</source>
        <translation>开发团队</translation>
    </message>
    <message>
        <source>The Vistrelle developers</source>
        <translation>Vistrelle 开发者</translation>
    </message>
    <message>
        <source>© Vistrelle. All rights reserved.</source>
        <translation>© Vistrelle。保留所有权利。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>切换语言</source>
        <translation>切换语言</translation>
    </message>
    <message>
        <source>无法保存语言设置，请检查当前用户的配置权限。</source>
        <translation>无法保存语言设置，请检查当前用户的配置权限。</translation>
    </message>
    <message>
        <source>语言设置已保存，重启 Vistrelle 后生效。是否立即重启？</source>
        <translation>语言设置已保存，重启 Vistrelle 后生效。是否立即重启？</translation>
    </message>
    <message>
        <source>重启失败</source>
        <translation>重启失败</translation>
    </message>
    <message>
        <source>无法自动重启，请手动重新打开 Vistrelle。</source>
        <translation>无法自动重启，请手动重新打开 Vistrelle。</translation>
    </message>
    <message>
        <source>录制的窗口已关闭</source>
        <translation>录制的窗口已关闭</translation>
    </message>
    <message>
        <source>Custom Area</source>
        <translation>自定义区域</translation>
    </message>
    <message>
        <source>The display of the chosen area is no longer connected. Choose the area again.</source>
        <translation>所选区域所在的显示器已断开连接。请重新选择区域。</translation>
    </message>
    <message>
        <source>Nothing was recorded: the program quit before the recording began.</source>
        <translation>没有录下任何内容：程序在录制开始前退出了。</translation>
    </message>
</context>
<context>
    <name>MediaProbe</name>
    <message>
        <source>无法启动 ffprobe（%1）。</source>
        <translation>无法启动 ffprobe（%1）。</translation>
    </message>
    <message>
        <source>ffprobe 没有在 %1 秒内结束。</source>
        <translation>ffprobe 没有在 %1 秒内结束。</translation>
    </message>
    <message>
        <source>ffprobe 没有给出可读的回答。</source>
        <translation>ffprobe 没有给出可读的回答。</translation>
    </message>
</context>
<context>
    <name>ModeBar</name>
    <message>
        <source>录制屏幕</source>
        <translation>录制屏幕</translation>
    </message>
    <message>
        <source>录制窗口</source>
        <translation>录制窗口</translation>
    </message>
    <message>
        <source>游戏录制</source>
        <translation>游戏录制</translation>
    </message>
    <message>
        <source>高性能屏幕录制</source>
        <translation>高性能屏幕录制</translation>
    </message>
    <message>
        <source>录制音频</source>
        <translation>录制音频</translation>
    </message>
</context>
<context>
    <name>NumberText</name>
    <message>
        <source>KB</source>
        <translation>KB</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>GB</source>
        <translation>GB</translation>
    </message>
</context>
<context>
    <name>PlayerWindow</name>
    <message>
        <source>Vistrelle — 播放器</source>
        <translation>Vistrelle — 播放器</translation>
    </message>
    <message>
        <source>截图</source>
        <translation>截图</translation>
    </message>
    <message>
        <source>无法保存截图到 %1。</source>
        <translation>无法保存截图到 %1。</translation>
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
    <name>QObject</name>
    <message>
        <source>预计剩余 --:--</source>
        <translation>预计剩余 --:--</translation>
    </message>
    <message>
        <source>预计剩余 %1:%2</source>
        <translation>预计剩余 %1:%2</translation>
    </message>
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
    <message>
        <source>Vistrelle is already running</source>
        <translation>Vistrelle 已在运行</translation>
    </message>
    <message>
        <source>Another Vistrelle process is running. Finish its recording and quit it before opening Vistrelle again.</source>
        <translation>另一个 Vistrelle 进程正在运行。请先结束它的录制并退出，再重新打开 Vistrelle。</translation>
    </message>
    <message>
        <source>已有 FFmpeg 任务正在执行</source>
        <translation>已有 FFmpeg 任务正在执行</translation>
    </message>
    <message>
        <source>FFmpeg 未找到或无法启动：%1</source>
        <translation>FFmpeg 未找到或无法启动：%1</translation>
    </message>
    <message>
        <source>操作已取消</source>
        <translation>操作已取消</translation>
    </message>
    <message>
        <source>FFmpeg 出错：
%1</source>
        <translation>FFmpeg 出错：
%1</translation>
    </message>
    <message>
        <source>裁剪参数无效</source>
        <translation>裁剪参数无效</translation>
    </message>
    <message>
        <source>合并参数无效</source>
        <translation>合并参数无效</translation>
    </message>
    <message>
        <source>无法创建合并列表文件</source>
        <translation>无法创建合并列表文件</translation>
    </message>
    <message>
        <source>变速参数无效</source>
        <translation>变速参数无效</translation>
    </message>
    <message>
        <source>转场效果无效：%1</source>
        <translation>转场效果无效：%1</translation>
    </message>
    <message>
        <source>转场失败：至少有一个视频时长小于转场时长</source>
        <translation>转场失败：至少有一个视频时长小于转场时长</translation>
    </message>
    <message>
        <source>音频降噪需要 sh.rnnn 模型文件，请放到程序目录，或先关闭音频降噪。</source>
        <translation>音频降噪需要 sh.rnnn 模型文件，请放到程序目录，或先关闭音频降噪。</translation>
    </message>
    <message>
        <source>字幕文件不存在：%1</source>
        <translation>字幕文件不存在：%1</translation>
    </message>
    <message>
        <source>FFmpeg 报告完成，但没有写出可用的文件：
%1</source>
        <translation>FFmpeg 报告完成，但没有写出可用的文件：
%1</translation>
    </message>
    <message>
        <source>格式无效或不受支持</source>
        <translation>格式无效或不受支持</translation>
    </message>
    <message>
        <source>没有读取权限</source>
        <translation>没有读取权限</translation>
    </message>
    <message>
        <source>文件无法读取或已损坏</source>
        <translation>文件无法读取或已损坏</translation>
    </message>
    <message>
        <source>无法打开文件：%1</source>
        <translation>无法打开文件：%1</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>&amp;Yes</source>
        <translation>是(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>否(&amp;N)</translation>
    </message>
</context>
<context>
    <name>RecentCard</name>
    <message>
        <source>Loading preview…</source>
        <translation>正在加载预览…</translation>
    </message>
    <message>
        <source>Preview unavailable</source>
        <translation>无法预览</translation>
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
        <translation type="vanished">系统声音录制需要 macOS 13 或更高版本。</translation>
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
        <translation type="vanished">无法捕获系统声音：%1</translation>
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
    <message>
        <source>保存磁盘的剩余空间已不足 %1 MB，录制已停止；已录制的内容会正常保存。</source>
        <translation type="vanished">保存磁盘的剩余空间已不足 %1 MB，录制已停止；已录制的内容会正常保存。</translation>
    </message>
    <message>
        <source>屏幕录制不可用：屏幕录制需要 X11 会话，在 Wayland 下无法录制屏幕。</source>
        <translation>屏幕录制不可用：屏幕录制需要 X11 会话，在 Wayland 下无法录制屏幕。</translation>
    </message>
    <message>
        <source>录制分段异常，退出码=%1。没有录下任何内容。
%2</source>
        <translation>录制分段异常，退出码=%1。没有录下任何内容。
%2</translation>
    </message>
    <message>
        <source>无法录制麦克风：%1</source>
        <translation type="vanished">无法录制麦克风：%1</translation>
    </message>
    <message>
        <source>保存文件夹不可写入：%1</source>
        <translation>保存文件夹不可写入：%1</translation>
    </message>
    <message>
        <source>无法录制系统声音，因为声音服务器无法连接。</source>
        <translation>无法录制系统声音，因为声音服务器无法连接。</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已快满，录制已停止。已录下的分段保留在：
%2</source>
        <translation>保存磁盘 %1 已快满，录制已停止。已录下的分段保留在：
%2</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已快满，录制已停止并已保存为：
%2</source>
        <translation>保存磁盘 %1 已快满，录制已停止并已保存为：
%2</translation>
    </message>
    <message>
        <source>保存文件夹不存在，也无法创建：%1
%2 不可写入。</source>
        <translation>保存文件夹不存在，也无法创建：%1
%2 不可写入。</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已快满，录制已停止。录像保留为 %2 个分段，位于：
%3
把它们合并成一个文件还需要约 %4 的可用空间（现在可用 %5）。腾出空间后，可以手动合并这些分段。</source>
        <translation>保存磁盘 %1 已快满，录制已停止。录像保留为 %2 个分段，位于：
%3
把它们合并成一个文件还需要约 %4 的可用空间（现在可用 %5）。腾出空间后，可以手动合并这些分段。</translation>
    </message>
    <message>
        <source>声音服务器已断开。录制仍在继续，这段时间的声音录为静音；声音服务器恢复后会自动继续录音。</source>
        <translation>声音服务器已断开。录制仍在继续，这段时间的声音录为静音；声音服务器恢复后会自动继续录音。</translation>
    </message>
    <message>
        <source>录制文件夹在录制中被删除，已录下的内容随文件夹一起被删除：%1
该文件夹无法重新创建，录制已停止。
%2</source>
        <translation>录制文件夹在录制中被删除，已录下的内容随文件夹一起被删除：%1
该文件夹无法重新创建，录制已停止。
%2</translation>
    </message>
    <message>
        <source>录制文件夹在录制中被删除，此前录下的内容已随文件夹一起被删除：%1
已重新创建该文件夹，录制继续，此后的内容会正常保存。</source>
        <translation>录制文件夹在录制中被删除，此前录下的内容已随文件夹一起被删除：%1
已重新创建该文件夹，录制继续，此后的内容会正常保存。</translation>
    </message>
    <message>
        <source>无法录制麦克风，因为声音服务器无法连接。</source>
        <translation>无法录制麦克风，因为声音服务器无法连接。</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已满，录制已停止。录下的内容没有可以播放的部分，没有保存录像；未完成的分段保留在：
%2</source>
        <translation>保存磁盘 %1 已满，录制已停止。录下的内容没有可以播放的部分，没有保存录像；未完成的分段保留在：
%2</translation>
    </message>
    <message>
        <source>编码器停止了响应，录像只保存到 %1（共录制了 %2）：
%3</source>
        <translation type="vanished">编码器停止了响应，录像只保存到 %1（共录制了 %2）：
%3</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已满，没有录下任何内容。请清理空间或更换保存目录。
%2</source>
        <translation type="vanished">保存磁盘 %1 已满，没有录下任何内容。请清理空间或更换保存目录。
%2</translation>
    </message>
    <message>
        <source>所选麦克风已断开，录制改为使用系统默认的输入设备继续录音。</source>
        <translation>所选麦克风已断开，录制改为使用系统默认的输入设备继续录音。</translation>
    </message>
    <message>
        <source>编码器停止了响应：文件保存了 %1（共录制了 %2），从 %3 起缺少 %4：
%5</source>
        <translation>编码器停止了响应：文件保存了 %1（共录制了 %2），从 %3 起缺少 %4：
%5</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已满，录制已停止。录像保留为 %2 个分段，位于：
%3
把它们合并成一个文件还需要约 %4 的可用空间（现在可用 %5）。腾出空间后，可以手动合并这些分段。</source>
        <translation>保存磁盘 %1 已满，录制已停止。录像保留为 %2 个分段，位于：
%3
把它们合并成一个文件还需要约 %4 的可用空间（现在可用 %5）。腾出空间后，可以手动合并这些分段。</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已满，录制已停止。已录下的分段保留在：
%2</source>
        <translation>保存磁盘 %1 已满，录制已停止。已录下的分段保留在：
%2</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已满，录制已停止并已保存为：
%2</source>
        <translation>保存磁盘 %1 已满，录制已停止并已保存为：
%2</translation>
    </message>
    <message>
        <source>录制进程意外结束，没有录下任何内容。</source>
        <translation>录制进程意外结束，没有录下任何内容。</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已满，没有录下任何内容。请清理空间或更换保存目录。</source>
        <translation>保存磁盘 %1 已满，没有录下任何内容。请清理空间或更换保存目录。</translation>
    </message>
    <message>
        <source>无法录制麦克风：声音服务器没有开始录音。请检查输入设备后重试。</source>
        <translation>无法录制麦克风：声音服务器没有开始录音。请检查输入设备后重试。</translation>
    </message>
    <message>
        <source>无法捕获系统声音：声音服务器没有开始录音。请检查输出设备后重试。</source>
        <translation>无法捕获系统声音：声音服务器没有开始录音。请检查输出设备后重试。</translation>
    </message>
    <message>
        <source>正在等待 FFmpeg 检测编码器…</source>
        <translation>正在等待 FFmpeg 检测编码器…</translation>
    </message>
    <message>
        <source>正在等待 FFmpeg 开始录制…</source>
        <translation>正在等待 FFmpeg 开始录制…</translation>
    </message>
    <message>
        <source>请先启动声音服务器（PulseAudio），再开始录制。</source>
        <translation>请先启动声音服务器（PulseAudio），再开始录制。</translation>
    </message>
    <message>
        <source>请先启动声音服务器（PulseAudio），或关闭扬声器和麦克风后录制无声视频。</source>
        <translation>请先启动声音服务器（PulseAudio），或关闭扬声器和麦克风后录制无声视频。</translation>
    </message>
    <message>
        <source>没有录下任何内容：录制在开始之前就已停止。</source>
        <translation>没有录下任何内容：录制在开始之前就已停止。</translation>
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
    <message>
        <source>保存磁盘 %1 已满，分段没有合并成一个文件。腾出约 %2 的可用空间后，可以手动合并这些分段。</source>
        <translation>保存磁盘 %1 已满，分段没有合并成一个文件。腾出约 %2 的可用空间后，可以手动合并这些分段。</translation>
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
    <name>ScheduledRecordingDialog</name>
    <message>
        <source>计划录制</source>
        <translation>计划录制</translation>
    </message>
    <message>
        <source>到达开始时间后，Vistrelle 将按指定模式自动开始录制。</source>
        <translation>到达开始时间后，Vistrelle 将按指定模式自动开始录制。</translation>
    </message>
    <message>
        <source>启用计划录制</source>
        <translation>启用计划录制</translation>
    </message>
    <message>
        <source>单次</source>
        <translation>单次</translation>
    </message>
    <message>
        <source>每日</source>
        <translation>每日</translation>
    </message>
    <message>
        <source>每周</source>
        <translation>每周</translation>
    </message>
    <message>
        <source>星期一</source>
        <translation>星期一</translation>
    </message>
    <message>
        <source>星期二</source>
        <translation>星期二</translation>
    </message>
    <message>
        <source>星期三</source>
        <translation>星期三</translation>
    </message>
    <message>
        <source>星期四</source>
        <translation>星期四</translation>
    </message>
    <message>
        <source>星期五</source>
        <translation>星期五</translation>
    </message>
    <message>
        <source>星期六</source>
        <translation>星期六</translation>
    </message>
    <message>
        <source>星期日</source>
        <translation>星期日</translation>
    </message>
    <message>
        <source>录制屏幕</source>
        <translation>录制屏幕</translation>
    </message>
    <message>
        <source>录制音频</source>
        <translation>录制音频</translation>
    </message>
    <message>
        <source>录制窗口</source>
        <translation>录制窗口</translation>
    </message>
    <message>
        <source>游戏录制</source>
        <translation>游戏录制</translation>
    </message>
    <message>
        <source>高性能屏幕录制</source>
        <translation>高性能屏幕录制</translation>
    </message>
    <message>
        <source>重复</source>
        <translation>重复</translation>
    </message>
    <message>
        <source>开始日期和时间</source>
        <translation>开始日期和时间</translation>
    </message>
    <message>
        <source>每天开始时间</source>
        <translation>每天开始时间</translation>
    </message>
    <message>
        <source>每周日期</source>
        <translation>每周日期</translation>
    </message>
    <message>
        <source>指定录制模式</source>
        <translation>指定录制模式</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>保存计划</source>
        <translation>保存计划</translation>
    </message>
    <message>
        <source>这个时间已经过去，请选择一个将来的时间。</source>
        <translation>这个时间已经过去，请选择一个将来的时间。</translation>
    </message>
</context>
<context>
    <name>ScreenshotNotice</name>
    <message>
        <source>截图失败</source>
        <translation>截图失败</translation>
    </message>
    <message>
        <source>无法截取画面。</source>
        <translation>无法截取画面。</translation>
    </message>
    <message>
        <source>无法保存截图：
%1
请检查文件夹的写入权限。</source>
        <translation>无法保存截图：
%1
请检查文件夹的写入权限。</translation>
    </message>
    <message>
        <source>截图完成</source>
        <translation>截图完成</translation>
    </message>
    <message>
        <source>截图已保存到：
%1</source>
        <translation>截图已保存到：
%1</translation>
    </message>
    <message>
        <source>上一张截图仍在保存，请稍后再试。</source>
        <translation>上一张截图仍在保存，请稍后再试。</translation>
    </message>
</context>
<context>
    <name>SegmentMerger</name>
    <message>
        <source>FFmpeg 停止了响应，分段没有合并。</source>
        <translation>FFmpeg 停止了响应，分段没有合并。</translation>
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
        <translation type="vanished">示例：2026-09-04_143022.mp4</translation>
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
    <message>
        <source>示例：%1</source>
        <translation>示例：%1</translation>
    </message>
</context>
<context>
    <name>SetupRecordingToolbar</name>
    <message>
        <source>Full Screen  ▾</source>
        <translation>全屏  ▾</translation>
    </message>
    <message>
        <source>Display 1</source>
        <translation>显示器 1</translation>
    </message>
    <message>
        <source>Webcam  ▾</source>
        <translation>摄像头  ▾</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>关</translation>
    </message>
    <message>
        <source>Speaker  ▾</source>
        <translation>扬声器  ▾</translation>
    </message>
    <message>
        <source>On</source>
        <translation>开</translation>
    </message>
    <message>
        <source>Microphone  ▾</source>
        <translation>麦克风  ▾</translation>
    </message>
    <message>
        <source>Screenshot</source>
        <translation>截图</translation>
    </message>
    <message>
        <source>Auto Stop</source>
        <translation>自动停止</translation>
    </message>
    <message>
        <source>Auto Split</source>
        <translation>自动分段</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>计划</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>全屏</translation>
    </message>
    <message>
        <source>Full Screen · Display %1</source>
        <translation>全屏 · 显示器 %1</translation>
    </message>
    <message>
        <source>Custom Area</source>
        <translation>自定义区域</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>窗口</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>游戏</translation>
    </message>
    <message>
        <source>Audio Only</source>
        <translation>仅音频</translation>
    </message>
    <message>
        <source>Webcam</source>
        <translation>摄像头</translation>
    </message>
    <message>
        <source>Custom Area  ▾</source>
        <translation>自定义区域  ▾</translation>
    </message>
    <message>
        <source>Window  ▾</source>
        <translation>窗口  ▾</translation>
    </message>
    <message>
        <source>Game  ▾</source>
        <translation>游戏  ▾</translation>
    </message>
    <message>
        <source>Audio Only  ▾</source>
        <translation>仅音频  ▾</translation>
    </message>
    <message>
        <source>Start recording</source>
        <translation>开始录制</translation>
    </message>
    <message>
        <source>Select a window before recording</source>
        <translation>录制前请选择窗口</translation>
    </message>
    <message>
        <source>Drag toolbar</source>
        <translation>拖动工具栏</translation>
    </message>
    <message>
        <source>Open menu</source>
        <translation>打开菜单</translation>
    </message>
</context>
<context>
    <name>StopRecordingDialog</name>
    <message>
        <source>Stop Recording</source>
        <translation>停止录制</translation>
    </message>
    <message>
        <source>Stop this recording?</source>
        <translation>要停止本次录制吗？</translation>
    </message>
    <message>
        <source>Recorded</source>
        <translation>已录制</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>继续</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>丢弃</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
</context>
<context>
    <name>TimelineWidget</name>
    <message>
        <source>🎬 视频</source>
        <translation>🎬 视频</translation>
    </message>
    <message>
        <source>🔊 系统音</source>
        <translation>🔊 系统音</translation>
    </message>
    <message>
        <source>🎵 背景乐</source>
        <translation>🎵 背景乐</translation>
    </message>
    <message>
        <source>📝 字幕</source>
        <translation>📝 字幕</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>菜单</source>
        <translation>菜单</translation>
    </message>
    <message>
        <source>关于 Vistrelle</source>
        <translation>关于 Vistrelle</translation>
    </message>
    <message>
        <source>语言</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>在线帮助</source>
        <translation>在线帮助</translation>
    </message>
    <message>
        <source>打开日志文件夹</source>
        <translation>打开日志文件夹</translation>
    </message>
    <message>
        <source>技术支持</source>
        <translation>技术支持</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>退出</translation>
    </message>
</context>
<context>
    <name>ToolDialog</name>
    <message>
        <source>音量</source>
        <translation type="vanished">音量</translation>
    </message>
    <message>
        <source>音频</source>
        <translation type="vanished">音频</translation>
    </message>
    <message>
        <source>速度</source>
        <translation type="vanished">速度</translation>
    </message>
    <message>
        <source>转换</source>
        <translation type="vanished">转换</translation>
    </message>
    <message>
        <source>信息</source>
        <translation type="vanished">信息</translation>
    </message>
    <message>
        <source>取消</source>
        <translation type="vanished">取消</translation>
    </message>
    <message>
        <source>应用</source>
        <translation type="vanished">应用</translation>
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
        <translation type="vanished">%1 个文件</translation>
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
        <translation>复制文件路径</translation>
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
    <message>
        <source>正在生成波形…</source>
        <translation>正在生成波形…</translation>
    </message>
    <message>
        <source>正在加载缩略图…</source>
        <translation>正在加载缩略图…</translation>
    </message>
    <message>
        <source>音频文件</source>
        <translation>音频文件</translation>
    </message>
    <message>
        <source>无法加载缩略图</source>
        <translation>无法加载缩略图</translation>
    </message>
    <message>
        <source>移除声音</source>
        <translation>移除声音</translation>
    </message>
    <message>
        <source>裁剪</source>
        <translation>裁剪</translation>
    </message>
    <message>
        <source>分割</source>
        <translation>分割</translation>
    </message>
    <message>
        <source>截图</source>
        <translation>截图</translation>
    </message>
    <message>
        <source>水印</source>
        <translation>水印</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>更多</source>
        <translation>更多</translation>
    </message>
    <message>
        <source>编辑与文件工具</source>
        <translation>编辑与文件工具</translation>
    </message>
    <message>
        <source>裁剪视频</source>
        <translation>裁剪视频</translation>
    </message>
    <message>
        <source>拖动两侧滑块，选择保留的片段</source>
        <translation>拖动两侧滑块，选择保留的片段</translation>
    </message>
    <message>
        <source>Start Trimming...</source>
        <translation>开始裁剪...</translation>
    </message>
    <message>
        <source>分割点  %1</source>
        <translation>分割点  %1</translation>
    </message>
    <message>
        <source>将在 %1 处分割为两个%2片段</source>
        <translation type="vanished">将在 %1 处分割为两个%2片段</translation>
    </message>
    <message>
        <source>选中时长  %1</source>
        <translation>选中时长  %1</translation>
    </message>
    <message>
        <source>Mute Selection</source>
        <translation>静音选中部分</translation>
    </message>
    <message>
        <source>预览画面效果</source>
        <translation>预览画面效果</translation>
    </message>
    <message>
        <source>分割音频</source>
        <translation>分割音频</translation>
    </message>
    <message>
        <source>分割视频</source>
        <translation>分割视频</translation>
    </message>
    <message>
        <source>裁剪音频</source>
        <translation>裁剪音频</translation>
    </message>
    <message>
        <source>当前仅预览，点击保存后才会处理视频</source>
        <translation>当前仅预览，点击保存后才会处理视频</translation>
    </message>
    <message>
        <source>拖动黄色分割线，选择分割位置</source>
        <translation>拖动黄色分割线，选择分割位置</translation>
    </message>
    <message>
        <source>Save Muted Copy</source>
        <translation>保存静音副本</translation>
    </message>
    <message>
        <source>开始分割</source>
        <translation>开始分割</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>已设为无声</source>
        <translation>已设为无声</translation>
    </message>
    <message>
        <source>点击恢复原声</source>
        <translation>点击恢复原声</translation>
    </message>
    <message>
        <source>Mute audio in the selected range</source>
        <translation>将选中范围内的声音静音</translation>
    </message>
    <message>
        <source>音量</source>
        <translation>音量</translation>
    </message>
    <message>
        <source>调整音频音量</source>
        <translation>调整音频音量</translation>
    </message>
    <message>
        <source>Vistrelle 全屏播放</source>
        <translation>Vistrelle 全屏播放</translation>
    </message>
    <message>
        <source>截图不可用</source>
        <translation>截图不可用</translation>
    </message>
    <message>
        <source>视频画面尚未就绪，请先播放或移动到需要截图的位置。</source>
        <translation>视频画面尚未就绪，请先播放或移动到需要截图的位置。</translation>
    </message>
    <message>
        <source>截图完成</source>
        <translation>截图完成</translation>
    </message>
    <message>
        <source>截图已保存到：
%1</source>
        <translation>截图已保存到：
%1</translation>
    </message>
    <message>
        <source>正在保存媒体文件，请稍候…</source>
        <translation>正在保存媒体文件，请稍候…</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>正在保存</source>
        <translation>正在保存</translation>
    </message>
    <message>
        <source>编辑失败</source>
        <translation>编辑失败</translation>
    </message>
    <message>
        <source>无法启动 FFmpeg。</source>
        <translation>无法启动 FFmpeg。</translation>
    </message>
    <message>
        <source>无法分割</source>
        <translation>无法分割</translation>
    </message>
    <message>
        <source>请将播放位置移动到音频中间。</source>
        <translation>请将播放位置移动到音频中间。</translation>
    </message>
    <message>
        <source>请将播放位置移动到视频中间。</source>
        <translation>请将播放位置移动到视频中间。</translation>
    </message>
    <message>
        <source>分割失败</source>
        <translation>分割失败</translation>
    </message>
    <message>
        <source>FFmpeg 没有写出分割后的文件。</source>
        <translation>FFmpeg 没有写出分割后的文件。</translation>
    </message>
    <message>
        <source>分割完成</source>
        <translation>分割完成</translation>
    </message>
    <message>
        <source>已生成两个音频片段。</source>
        <translation>已生成两个音频片段。</translation>
    </message>
    <message>
        <source>已生成两个视频片段。</source>
        <translation>已生成两个视频片段。</translation>
    </message>
    <message>
        <source>保存失败</source>
        <translation>保存失败</translation>
    </message>
    <message>
        <source>无法替换原文件，原文件已保留。</source>
        <translation>无法替换原文件，原文件已保留。</translation>
    </message>
    <message>
        <source>保存完成</source>
        <translation>保存完成</translation>
    </message>
    <message>
        <source>音频已保存：
%1</source>
        <translation>音频已保存：
%1</translation>
    </message>
    <message>
        <source>视频已保存：
%1</source>
        <translation>视频已保存：
%1</translation>
    </message>
    <message>
        <source>正在处理媒体文件…</source>
        <translation>正在处理媒体文件…</translation>
    </message>
    <message>
        <source>处理失败</source>
        <translation>处理失败</translation>
    </message>
    <message>
        <source>操作已完成。</source>
        <translation>操作已完成。</translation>
    </message>
    <message>
        <source>文件已保存：
%1</source>
        <translation>文件已保存：
%1</translation>
    </message>
    <message>
        <source>旋转 90°</source>
        <translation>旋转 90°</translation>
    </message>
    <message>
        <source>水平翻转</source>
        <translation>水平翻转</translation>
    </message>
    <message>
        <source>垂直翻转</source>
        <translation>垂直翻转</translation>
    </message>
    <message>
        <source>调整播放速度</source>
        <translation>调整播放速度</translation>
    </message>
    <message>
        <source>调整音量</source>
        <translation>调整音量</translation>
    </message>
    <message>
        <source>提取音频</source>
        <translation>提取音频</translation>
    </message>
    <message>
        <source>另存为 / 转换格式</source>
        <translation>另存为 / 转换格式</translation>
    </message>
    <message>
        <source>未知</source>
        <translation>未知</translation>
    </message>
    <message>
        <source>格式：%1
编码：%2
采样率：%3 Hz
声道：%4
码率：%5 kbps
时长：%6
大小：%7
创建时间：%8
保存路径：%9</source>
        <translation type="vanished">格式：%1
编码：%2
采样率：%3 Hz
声道：%4
码率：%5 kbps
时长：%6
大小：%7
创建时间：%8
保存路径：%9</translation>
    </message>
    <message>
        <source>格式：%1
分辨率：%2 × %3
帧率：%4 fps
时长：%5
大小：%6
创建时间：%7
保存路径：%8</source>
        <translation type="vanished">格式：%1
分辨率：%2 × %3
帧率：%4 fps
时长：%5
大小：%6
创建时间：%7
保存路径：%8</translation>
    </message>
    <message>
        <source>速度</source>
        <translation>速度</translation>
    </message>
    <message>
        <source>转换</source>
        <translation>转换</translation>
    </message>
    <message>
        <source>信息</source>
        <translation>信息</translation>
    </message>
    <message>
        <source>应用</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>播放速度</source>
        <translation>播放速度</translation>
    </message>
    <message>
        <source>调整预览速度，也可生成变速视频</source>
        <translation>调整预览速度，也可生成变速视频</translation>
    </message>
    <message>
        <source>选择速度</source>
        <translation>选择速度</translation>
    </message>
    <message>
        <source>Normal (1×)</source>
        <translation>正常 (1×)</translation>
    </message>
    <message>
        <source>0.5× 慢速    1× 原速    1.5× / 2× 加速</source>
        <translation>0.5× 慢速    1× 原速    1.5× / 2× 加速</translation>
    </message>
    <message>
        <source>变速完成</source>
        <translation>变速完成</translation>
    </message>
    <message>
        <source>预览并输出新的音量电平</source>
        <translation>预览并输出新的音量电平</translation>
    </message>
    <message>
        <source>静音</source>
        <translation>静音</translation>
    </message>
    <message>
        <source>音量调整完成</source>
        <translation>音量调整完成</translation>
    </message>
    <message>
        <source>从视频中提取音轨，保存为音频文件</source>
        <translation>从视频中提取音轨，保存为音频文件</translation>
    </message>
    <message>
        <source>提取</source>
        <translation>提取</translation>
    </message>
    <message>
        <source>输出格式</source>
        <translation>输出格式</translation>
    </message>
    <message>
        <source>音质</source>
        <translation>音质</translation>
    </message>
    <message>
        <source>高质量（320 kbps）</source>
        <translation>高质量（320 kbps）</translation>
    </message>
    <message>
        <source>标准（192 kbps）</source>
        <translation>标准（192 kbps）</translation>
    </message>
    <message>
        <source>压缩（128 kbps）</source>
        <translation>压缩（128 kbps）</translation>
    </message>
    <message>
        <source>音频提取完成</source>
        <translation>音频提取完成</translation>
    </message>
    <message>
        <source>选择输出格式并保留原始文件</source>
        <translation>选择输出格式并保留原始文件</translation>
    </message>
    <message>
        <source>导出</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>画质</source>
        <translation>画质</translation>
    </message>
    <message>
        <source>高质量</source>
        <translation>高质量</translation>
    </message>
    <message>
        <source>标准</source>
        <translation>标准</translation>
    </message>
    <message>
        <source>压缩</source>
        <translation>压缩</translation>
    </message>
    <message>
        <source>转换完成</source>
        <translation>转换完成</translation>
    </message>
    <message>
        <source>修改文件名，扩展名保持不变</source>
        <translation>修改文件名，扩展名保持不变</translation>
    </message>
    <message>
        <source>新文件名</source>
        <translation>新文件名</translation>
    </message>
    <message>
        <source>名称无效</source>
        <translation>名称无效</translation>
    </message>
    <message>
        <source>文件名为空或包含无效字符。</source>
        <translation>文件名为空或包含无效字符。</translation>
    </message>
    <message>
        <source>重命名失败</source>
        <translation>重命名失败</translation>
    </message>
    <message>
        <source>目标文件已存在或文件正在被占用。</source>
        <translation>目标文件已存在或文件正在被占用。</translation>
    </message>
    <message>
        <source>查看音频文件的详细信息</source>
        <translation>查看音频文件的详细信息</translation>
    </message>
    <message>
        <source>查看视频文件的详细信息</source>
        <translation>查看视频文件的详细信息</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>复制信息</source>
        <translation>复制信息</translation>
    </message>
    <message>
        <source>无法在视频目录创建临时文件，请检查写入权限。</source>
        <translation>无法在视频目录创建临时文件，请检查写入权限。</translation>
    </message>
    <message>
        <source>无法写入水印文字。</source>
        <translation>无法写入水印文字。</translation>
    </message>
    <message>
        <source>正在添加水印，原视频保持不变…</source>
        <translation>正在添加水印，原视频保持不变…</translation>
    </message>
    <message>
        <source>无法保存水印副本，原视频未修改。</source>
        <translation>无法保存水印副本，原视频未修改。</translation>
    </message>
    <message>
        <source>无法生成水印副本，原视频未修改。</source>
        <translation>无法生成水印副本，原视频未修改。</translation>
    </message>
    <message>
        <source>将在 %1 处分割为两个音频片段</source>
        <translation>将在 %1 处分割为两个音频片段</translation>
    </message>
    <message>
        <source>将在 %1 处分割为两个视频片段</source>
        <translation>将在 %1 处分割为两个视频片段</translation>
    </message>
    <message numerus="yes">
        <source>%n 个文件</source>
        <translation>
            <numerusform>%n 个文件</numerusform>
        </translation>
    </message>
    <message>
        <source>截图失败</source>
        <translation>截图失败</translation>
    </message>
    <message>
        <source>无法保存截图：
%1
请检查文件夹的写入权限。</source>
        <translation>无法保存截图：
%1
请检查文件夹的写入权限。</translation>
    </message>
    <message>
        <source>已有同名文件：
%1</source>
        <translation>已有同名文件：
%1</translation>
    </message>
    <message>
        <source>没有写入此文件夹的权限：
%1</source>
        <translation>没有写入此文件夹的权限：
%1</translation>
    </message>
    <message>
        <source>文件名不能包含字符 %1</source>
        <translation>文件名不能包含字符 %1</translation>
    </message>
    <message>
        <source>文件为空</source>
        <translation>文件为空</translation>
    </message>
    <message>
        <source>格式：%1
分辨率：%2
帧率：%3
时长：%4
大小：%5
创建时间：%6
保存路径：%7</source>
        <translation>格式：%1
分辨率：%2
帧率：%3
时长：%4
大小：%5
创建时间：%6
保存路径：%7</translation>
    </message>
    <message>
        <source>文件不存在</source>
        <translation>文件不存在</translation>
    </message>
    <message>
        <source>“%1”已被移动或删除，已从列表中移除。</source>
        <translation>“%1”已被移动或删除，已从列表中移除。</translation>
    </message>
    <message>
        <source>文件名过长，请缩短后再试。</source>
        <translation>文件名过长，请缩短后再试。</translation>
    </message>
    <message>
        <source>无法检查这个文件是否可用：%1</source>
        <translation>无法检查这个文件是否可用：%1</translation>
    </message>
    <message>
        <source>正在读取文件信息…</source>
        <translation>正在读取文件信息…</translation>
    </message>
    <message>
        <source>无法读取此文件的信息</source>
        <translation>无法读取此文件的信息</translation>
    </message>
    <message>
        <source>此文件没有声音</source>
        <translation>此文件没有声音</translation>
    </message>
    <message>
        <source>%1 Hz</source>
        <translation>%1 Hz</translation>
    </message>
    <message>
        <source>%1 kbps</source>
        <translation>%1 kbps</translation>
    </message>
    <message>
        <source>格式：%1
编码：%2
采样率：%3
声道：%4
码率：%5
时长：%6
大小：%7
创建时间：%8
保存路径：%9</source>
        <translation>格式：%1
编码：%2
采样率：%3
声道：%4
码率：%5
时长：%6
大小：%7
创建时间：%8
保存路径：%9</translation>
    </message>
    <message>
        <source>时长未知</source>
        <translation>时长未知</translation>
    </message>
    <message>
        <source>声道未知</source>
        <translation>声道未知</translation>
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
    <name>WatermarkProgressDialog</name>
    <message>
        <source>正在添加水印</source>
        <translation>正在添加水印</translation>
    </message>
    <message>
        <source>正在保存录制</source>
        <translation>正在保存录制</translation>
    </message>
    <message>
        <source>正在处理视频，请稍候…</source>
        <translation>正在处理视频，请稍候…</translation>
    </message>
    <message>
        <source>正在处理录制文件，请稍候…</source>
        <translation>正在处理录制文件，请稍候…</translation>
    </message>
    <message>
        <source>正在处理 %1 / %2</source>
        <translation>正在处理 %1 / %2</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>正在取消…</source>
        <translation>正在取消…</translation>
    </message>
    <message>
        <source>正在安全取消水印处理…</source>
        <translation>正在安全取消水印处理…</translation>
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

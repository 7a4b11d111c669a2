<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>AnnotationOverlay</name>
    <message>
        <source>添加文字标注</source>
        <translation>Add Text Annotation</translation>
    </message>
    <message>
        <source>输入标注文字：</source>
        <translation>Annotation text:</translation>
    </message>
    <message>
        <source>左键绘制  Ctrl+Z 撤销  Del 清除  ESC 退出</source>
        <translation>Left-drag to draw  Ctrl+Z Undo  Del Clear  Esc Exit</translation>
    </message>
</context>
<context>
    <name>AnnotationToolbar</name>
    <message>
        <source>画笔</source>
        <translation>Pen</translation>
    </message>
    <message>
        <source>箭头</source>
        <translation>Arrow</translation>
    </message>
    <message>
        <source>矩形</source>
        <translation>Rectangle</translation>
    </message>
    <message>
        <source>文字</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>选择颜色</source>
        <translation>Choose Colour</translation>
    </message>
    <message>
        <source>粗细</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>撤销  Ctrl+Z</source>
        <translation>Undo  Ctrl+Z</translation>
    </message>
    <message>
        <source>清除全部  Del</source>
        <translation>Clear All  Del</translation>
    </message>
    <message>
        <source>退出注释</source>
        <translation>Exit Annotation</translation>
    </message>
    <message>
        <source>选择注释颜色</source>
        <translation>Choose Annotation Colour</translation>
    </message>
</context>
<context>
    <name>AreaDropdown</name>
    <message>
        <source>全屏</source>
        <translation>Full Screen</translation>
    </message>
    <message>
        <source>选择区域 / 窗口</source>
        <translation>Select Area / Window</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
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
        <translation>Click and drag to select an area</translation>
    </message>
</context>
<context>
    <name>AudioSettingsDialog</name>
    <message>
        <source>音频高级设置</source>
        <translation>Advanced Audio Settings</translation>
    </message>
    <message>
        <source>系统声与麦克风会分别处理，再混合写入录制文件。</source>
        <translation>System sound and microphone are processed separately, then mixed into the recording.</translation>
    </message>
    <message>
        <source>系统声音音量</source>
        <translation>System sound volume</translation>
    </message>
    <message>
        <source>麦克风音量</source>
        <translation>Microphone volume</translation>
    </message>
    <message>
        <source> ms</source>
        <translation> ms</translation>
    </message>
    <message>
        <source>麦克风延迟</source>
        <translation>Microphone delay</translation>
    </message>
    <message>
        <source>麦克风降噪（降低持续环境噪声）</source>
        <translation>Microphone noise reduction (lowers steady background noise)</translation>
    </message>
    <message>
        <source>单声道输出（适合语音录制）</source>
        <translation>Mono output (suits voice recordings)</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>Done</translation>
    </message>
</context>
<context>
    <name>AutoSplitDialog</name>
    <message>
        <source>自动分割设置</source>
        <translation>Auto Split Settings</translation>
    </message>
    <message>
        <source>录制时按指定条件自动切分为多个文件</source>
        <translation>Starts a new segment when a condition is met; all segments are joined into one file at the end</translation>
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
        <translation>Keeps each segment to a set size</translation>
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
        <translation type="vanished">A new file is saved every %1 minutes</translation>
    </message>
    <message>
        <source>文件达到 %1 MB 时自动切分并保存</source>
        <translation>A new segment starts each time one reaches %1 MB</translation>
    </message>
    <message numerus="yes">
        <source>将每 %n 分钟自动保存为一个新文件</source>
        <translation>
            <numerusform>A new segment starts every minute</numerusform>
            <numerusform>A new segment starts every %n minutes</numerusform>
        </translation>
    </message>
    <message>
        <source>关闭自动分割</source>
        <translation>Turn off auto split</translation>
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
        <translation type="vanished">Stops after %1 minutes of recording</translation>
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
    <message numerus="yes">
        <source>录制 %n 分钟后自动停止</source>
        <translation>
            <numerusform>Stops after one minute of recording</numerusform>
            <numerusform>Stops after %n minutes of recording</numerusform>
        </translation>
    </message>
    <message>
        <source>关闭自动停止</source>
        <translation>Turn off auto stop</translation>
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
    <name>CameraRecordingPage</name>
    <message>
        <source>Camera Recording</source>
        <translation>Camera Recording</translation>
    </message>
    <message>
        <source>Back to Home</source>
        <translation>Back to Home</translation>
    </message>
    <message>
        <source>Choose a camera to start preview</source>
        <translation>Choose a camera to start preview</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Mirror</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Portrait</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Fit</translation>
    </message>
    <message>
        <source>Camera framing mode</source>
        <translation>Camera framing mode</translation>
    </message>
    <message>
        <source>System Audio</source>
        <translation>System Audio</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Microphone</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>Snapshot</translation>
    </message>
    <message>
        <source>Auto Stop</source>
        <translation>Auto Stop</translation>
    </message>
    <message>
        <source>Auto Split</source>
        <translation>Auto Split</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Fill</translation>
    </message>
    <message>
        <source>Camera access is off. Allow Vistrelle in System Settings &gt; Privacy &amp; Security &gt; Camera, then return to this page.</source>
        <translation>Camera access is off. Allow Vistrelle in System Settings &gt; Privacy &amp; Security &gt; Camera, then return to this page.</translation>
    </message>
    <message>
        <source>Requesting camera access…</source>
        <translation>Requesting camera access…</translation>
    </message>
    <message>
        <source>Starting camera…</source>
        <translation>Starting camera…</translation>
    </message>
    <message>
        <source>No camera found. Connect a camera and return to this page.</source>
        <translation>No camera found. Connect a camera and return to this page.</translation>
    </message>
    <message>
        <source>Camera did not deliver a picture. Check camera access and whether another app is using it, then select the camera again.</source>
        <translation>Camera did not deliver a picture. Check camera access and whether another app is using it, then select the camera again.</translation>
    </message>
    <message>
        <source>Camera could not start. Check camera access in System Settings.</source>
        <translation>Camera could not start. Check camera access in System Settings.</translation>
    </message>
    <message>
        <source>Camera stopped delivering frames. Recording has been stopped.</source>
        <translation>Camera stopped delivering frames. Recording has been stopped.</translation>
    </message>
    <message>
        <source>Save camera snapshot</source>
        <translation>Save camera snapshot</translation>
    </message>
    <message>
        <source>Could not save the image.</source>
        <translation>Could not save the image.</translation>
    </message>
    <message>
        <source>Camera Permission</source>
        <translation>Camera Permission</translation>
    </message>
    <message>
        <source>Camera access is off. Allow Vistrelle in System Settings &gt; Privacy &amp; Security &gt; Camera.</source>
        <translation>Camera access is off. Allow Vistrelle in System Settings &gt; Privacy &amp; Security &gt; Camera.</translation>
    </message>
    <message>
        <source>Open Settings</source>
        <translation>Open Settings</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Resume</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>On</source>
        <translation>On</translation>
    </message>
    <message>
        <source>Starting…</source>
        <translation>Starting…</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Off</translation>
    </message>
</context>
<context>
    <name>CameraSettingsDialog</name>
    <message>
        <source>开关</source>
        <translation>Switch</translation>
    </message>
    <message>
        <source>点击九宫格选择摄像头位置</source>
        <translation>Click the grid to choose the webcam position</translation>
    </message>
    <message>
        <source>摄像头位置九宫格</source>
        <translation>Webcam position grid</translation>
    </message>
    <message>
        <source>摄像头设置</source>
        <translation>Webcam Settings</translation>
    </message>
    <message>
        <source>正在启动摄像头…</source>
        <translation>Starting camera…</translation>
    </message>
    <message>
        <source>实时预览</source>
        <translation>Live preview</translation>
    </message>
    <message>
        <source>摄像头关闭时，将在这里显示 · 开启摄像头后可预览</source>
        <translation>Shown here while the camera is off · Turn the camera on to preview</translation>
    </message>
    <message>
        <source>摄像头设备</source>
        <translation>Camera device</translation>
    </message>
    <message>
        <source>自动</source>
        <translation>Automatic</translation>
    </message>
    <message>
        <source>帧率</source>
        <translation>Frame rate</translation>
    </message>
    <message>
        <source>视频质量</source>
        <translation>Video quality</translation>
    </message>
    <message>
        <source>画面形状</source>
        <translation>Shape</translation>
    </message>
    <message>
        <source>圆形</source>
        <translation>Circle</translation>
    </message>
    <message>
        <source>圆角矩形</source>
        <translation>Rounded</translation>
    </message>
    <message>
        <source>矩形</source>
        <translation>Rectangle</translation>
    </message>
    <message>
        <source>左上</source>
        <translation>Top left</translation>
    </message>
    <message>
        <source>上中</source>
        <translation>Top centre</translation>
    </message>
    <message>
        <source>右上</source>
        <translation>Top right</translation>
    </message>
    <message>
        <source>左中</source>
        <translation>Middle left</translation>
    </message>
    <message>
        <source>居中</source>
        <translation>Centre</translation>
    </message>
    <message>
        <source>右中</source>
        <translation>Middle right</translation>
    </message>
    <message>
        <source>左下</source>
        <translation>Bottom left</translation>
    </message>
    <message>
        <source>下中</source>
        <translation>Bottom centre</translation>
    </message>
    <message>
        <source>右下</source>
        <translation>Bottom right</translation>
    </message>
    <message>
        <source>摄像头位置</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>小</source>
        <translation>Small</translation>
    </message>
    <message>
        <source>大</source>
        <translation>Large</translation>
    </message>
    <message>
        <source>画面大小</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>镜像画面</source>
        <translation>Mirror picture</translation>
    </message>
    <message>
        <source>让预览效果更自然</source>
        <translation>Makes the preview look more natural</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>开启摄像头后可预览</source>
        <translation>Turn the camera on to preview</translation>
    </message>
    <message>
        <source>未检测到摄像头</source>
        <translation>No camera detected</translation>
    </message>
    <message>
        <source>未检测到可用摄像头</source>
        <translation>No usable camera detected</translation>
    </message>
    <message>
        <source>摄像头无法启动，请检查系统权限</source>
        <translation>The camera could not start. Check the system permissions.</translation>
    </message>
</context>
<context>
    <name>CaptureTargetDialog</name>
    <message>
        <source>选择游戏</source>
        <translation>Select Game</translation>
    </message>
    <message>
        <source>选择窗口</source>
        <translation>Select Window</translation>
    </message>
    <message>
        <source>选择游戏窗口</source>
        <translation>Select a Game Window</translation>
    </message>
    <message>
        <source>选择录制窗口</source>
        <translation>Select a Window to Record</translation>
    </message>
    <message>
        <source>刷新</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>Select a window</source>
        <translation>Select a window</translation>
    </message>
    <message>
        <source>Process information unavailable</source>
        <translation>Process information unavailable</translation>
    </message>
    <message>
        <source>Loading preview…</source>
        <translation>Loading preview…</translation>
    </message>
    <message>
        <source>当前没有可捕获窗口。请先打开目标程序，然后点击刷新。</source>
        <translation>No window can be captured right now. Open the program you want to record, then click Refresh.</translation>
    </message>
    <message>
        <source>选择要录制的游戏或应用窗口。录制时不要最小化窗口。</source>
        <translation>Select the game or application window to record. Do not minimize the window while recording.</translation>
    </message>
    <message>
        <source>录制时不要最小化窗口。</source>
        <translation>Do not minimize the window while recording.</translation>
    </message>
    <message>
        <source>Preview timed out — check screen recording access</source>
        <translation>Preview timed out — check screen recording access</translation>
    </message>
    <message>
        <source>Preview unavailable — check screen recording access</source>
        <translation>Preview unavailable — check screen recording access</translation>
    </message>
</context>
<context>
    <name>Common</name>
    <message>
        <source>Open Folder</source>
        <translation>Open Folder</translation>
    </message>
    <message>
        <source>无法打开文件夹：
%1</source>
        <translation>Could not open the folder:
%1</translation>
    </message>
</context>
<context>
    <name>CompletionDialog</name>
    <message>
        <source>文件已保存到以下文件夹</source>
        <translation>The file was saved to this folder</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Open Folder</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>ControlsArea</name>
    <message>
        <source>全屏</source>
        <translation>Full Screen</translation>
    </message>
    <message>
        <source>自定义</source>
        <translation>Custom</translation>
    </message>
    <message>
        <source>尚未选择窗口</source>
        <translation>No window selected</translation>
    </message>
    <message>
        <source>请选择录制目标</source>
        <translation>Choose what to record</translation>
    </message>
    <message>
        <source>选择窗口</source>
        <translation>Select Window</translation>
    </message>
    <message>
        <source>纯音频录制</source>
        <translation>Audio-Only Recording</translation>
    </message>
    <message>
        <source>音质</source>
        <translation>Audio quality</translation>
    </message>
    <message>
        <source>128 kbps · 较小</source>
        <translation>128 kbps · Smaller</translation>
    </message>
    <message>
        <source>192 kbps · 推荐</source>
        <translation>192 kbps · Recommended</translation>
    </message>
    <message>
        <source>320 kbps · 高质量</source>
        <translation>320 kbps · High quality</translation>
    </message>
    <message>
        <source>无损 · 由格式决定</source>
        <translation>Lossless · Set by the format</translation>
    </message>
    <message>
        <source>录摄像头</source>
        <translation>Webcam</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>扬声器</source>
        <translation>Speaker</translation>
    </message>
    <message>
        <source>试音</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>麦克风</source>
        <translation>Microphone</translation>
    </message>
    <message>
        <source>开始录制</source>
        <translation>Start recording</translation>
    </message>
    <message>
        <source>纯音频模式不录制摄像头</source>
        <translation>Audio-only mode does not record the webcam</translation>
    </message>
    <message>
        <source>选择游戏</source>
        <translation>Select Game</translation>
    </message>
    <message>
        <source>尚未选择游戏</source>
        <translation>No game selected</translation>
    </message>
    <message>
        <source>高性能屏幕采集模式</source>
        <translation>High-performance screen capture mode</translation>
    </message>
    <message>
        <source>选择%1设备</source>
        <translation>Choose %1 device</translation>
    </message>
    <message>
        <source>选择设备和音频设置</source>
        <translation>Choose the device and audio settings</translation>
    </message>
    <message>
        <source>开启</source>
        <translation>On</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>默认设备</source>
        <translation>Default device</translation>
    </message>
    <message>
        <source>默认 · %1</source>
        <translation>Default · %1</translation>
    </message>
    <message>
        <source>选择扬声器</source>
        <translation>Choose speaker</translation>
    </message>
    <message>
        <source>选择麦克风</source>
        <translation>Choose microphone</translation>
    </message>
    <message>
        <source>音频高级设置…</source>
        <translation>Advanced audio settings…</translation>
    </message>
    <message>
        <source>系统声音</source>
        <translation>System Sound</translation>
    </message>
    <message>
        <source>无法监听所选扬声器：%1</source>
        <translation>Cannot listen to the chosen speaker: %1</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>未检测到声音，请先播放一段音频</source>
        <translation>No sound detected. Play some audio first.</translation>
    </message>
    <message>
        <source>已检测到系统播放声音</source>
        <translation>System playback sound detected</translation>
    </message>
    <message>
        <source>无设备</source>
        <translation>No device</translation>
    </message>
    <message>
        <source>不可用</source>
        <translation>Unavailable</translation>
    </message>
    <message>
        <source>未检测到声音，请检查麦克风或权限</source>
        <translation>No sound detected. Check the microphone or its permission.</translation>
    </message>
    <message>
        <source>已检测到麦克风声音</source>
        <translation>Microphone sound detected</translation>
    </message>
    <message>
        <source>系统声音实时电平</source>
        <translation>System sound live level</translation>
    </message>
    <message>
        <source>麦克风实时电平</source>
        <translation>Microphone live level</translation>
    </message>
    <message>
        <source>停止试音</source>
        <translation>Stop test</translation>
    </message>
    <message>
        <source>输出</source>
        <translation>Output</translation>
    </message>
    <message>
        <source>输入</source>
        <translation>Input</translation>
    </message>
    <message>
        <source>正在监听，请播放一段声音</source>
        <translation>Listening. Play some sound.</translation>
    </message>
    <message>
        <source>正在监听，请对麦克风说话</source>
        <translation>Listening. Speak into the microphone.</translation>
    </message>
    <message>
        <source>录音检查</source>
        <translation>Recording Check</translation>
    </message>
    <message>
        <source>请至少开启扬声器或麦克风。</source>
        <translation>Turn on the speaker or the microphone, or both.</translation>
    </message>
    <message>
        <source>没有可用的扬声器设备，无法录制系统声音。</source>
        <translation>No speaker device is available, so system sound cannot be recorded.</translation>
    </message>
    <message>
        <source>没有可用的麦克风，请重新连接或选择输入设备。</source>
        <translation>No microphone is available. Reconnect it or choose another input device.</translation>
    </message>
    <message>
        <source>停止录制</source>
        <translation>Stop recording</translation>
    </message>
    <message>
        <source>Camera Permission</source>
        <translation>Camera Permission</translation>
    </message>
    <message>
        <source>Camera access is off. Allow Vistrelle in System Settings &gt; Privacy &amp; Security &gt; Camera.</source>
        <translation>Camera access is off. Allow Vistrelle in System Settings &gt; Privacy &amp; Security &gt; Camera.</translation>
    </message>
    <message>
        <source>Open Settings</source>
        <translation>Open Settings</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>高性能屏幕采集</source>
        <translation>High-performance screen capture</translation>
    </message>
    <message>
        <source> · 高性能屏幕采集</source>
        <translation> · High-performance screen capture</translation>
    </message>
    <message>
        <source>%1 · 不可用</source>
        <translation>%1 · unavailable</translation>
    </message>
    <message>
        <source>摄像头</source>
        <translation>Webcam</translation>
    </message>
    <message>
        <source>没有检测到可用摄像头。</source>
        <translation>No webcam was found.</translation>
    </message>
</context>
<context>
    <name>CountdownOverlay</name>
    <message>
        <source>开始/停止</source>
        <translation>Start/Stop</translation>
    </message>
    <message>
        <source>暂停/恢复</source>
        <translation>Pause/Resume</translation>
    </message>
</context>
<context>
    <name>ExportDialog</name>
    <message>
        <source>导出</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>↑  导出设置</source>
        <translation>↑  Export settings</translation>
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
        <translation>Animated GIF (.gif)</translation>
    </message>
    <message>
        <source>仅音频 MP3 (.mp3)</source>
        <translation>Audio only MP3 (.mp3)</translation>
    </message>
    <message>
        <source>仅音频 AAC (.aac)</source>
        <translation>Audio only AAC (.aac)</translation>
    </message>
    <message>
        <source>格式</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>视频编码</source>
        <translation>Video encoder</translation>
    </message>
    <message>
        <source>视频码率</source>
        <translation>Video bit rate</translation>
    </message>
    <message>
        <source>1× (正常)</source>
        <translation>1× (normal)</translation>
    </message>
    <message>
        <source>播放速度</source>
        <translation>Playback Speed</translation>
    </message>
    <message>
        <source>GIF 帧率</source>
        <translation>GIF frame rate</translation>
    </message>
    <message>
        <source>GIF 宽度</source>
        <translation>GIF width</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>开始导出</source>
        <translation>Start export</translation>
    </message>
    <message>
        <source>✓ 已保存到: </source>
        <translation>✓ Saved to: </translation>
    </message>
    <message>
        <source>保存为</source>
        <translation>Save as</translation>
    </message>
    <message>
        <source>视频文件 (*.mp4 *.mkv *.gif *.mp3 *.aac)</source>
        <translation>Media files (*.mp4 *.mkv *.gif *.mp3 *.aac)</translation>
    </message>
    <message>
        <source>导出中...</source>
        <translation>Exporting...</translation>
    </message>
</context>
<context>
    <name>FfmpegJob</name>
    <message>
        <source>FFmpeg 没有在 %1 秒内完成。</source>
        <translation>FFmpeg did not finish within %1 seconds.</translation>
    </message>
    <message>
        <source>FFmpeg 意外终止。</source>
        <translation>FFmpeg stopped unexpectedly.</translation>
    </message>
    <message>
        <source>FFmpeg 以退出码 %1 结束，没有说明原因。</source>
        <translation>FFmpeg ended with exit code %1 without giving a reason.</translation>
    </message>
</context>
<context>
    <name>FloatingToolbar</name>
    <message>
        <source>正在录制</source>
        <translation>Recording</translation>
    </message>
    <message>
        <source>初始化…</source>
        <translation>Starting…</translation>
    </message>
    <message>
        <source>写入中…</source>
        <translation>Writing…</translation>
    </message>
    <message>
        <source>关闭摄像头</source>
        <translation>Turn Off Webcam</translation>
    </message>
    <message>
        <source>开启摄像头</source>
        <translation>Turn On Webcam</translation>
    </message>
    <message>
        <source>画笔</source>
        <translation>Pen</translation>
    </message>
    <message>
        <source>箭头</source>
        <translation>Arrow</translation>
    </message>
    <message>
        <source>矩形</source>
        <translation>Rectangle</translation>
    </message>
    <message>
        <source>文字</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>直线</source>
        <translation>Line</translation>
    </message>
    <message>
        <source>圆形</source>
        <translation>Circle</translation>
    </message>
    <message>
        <source>高亮笔</source>
        <translation>Highlighter</translation>
    </message>
    <message>
        <source>橡皮擦</source>
        <translation>Eraser</translation>
    </message>
    <message>
        <source>撤销 Ctrl+Z</source>
        <translation>Undo Ctrl+Z</translation>
    </message>
    <message>
        <source>清除全部 Del</source>
        <translation>Clear All Del</translation>
    </message>
    <message>
        <source>退出注释模式</source>
        <translation>Exit Annotation Mode</translation>
    </message>
    <message>
        <source>选择工具后在屏幕上绘制，ESC 或点“退出”结束注释</source>
        <translation>Pick a tool and draw on the screen; press Esc or click Exit to end annotation</translation>
    </message>
    <message>
        <source>选择颜色</source>
        <translation>Choose Colour</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>已暂停</source>
        <translation>Paused</translation>
    </message>
    <message>
        <source>正在保存…</source>
        <translation>Saving…</translation>
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
    <message>
        <source>Vistrelle recording toolbar</source>
        <translation>Vistrelle recording toolbar</translation>
    </message>
    <message>
        <source>Vistrelle preparation toolbar</source>
        <translation>Vistrelle preparation toolbar</translation>
    </message>
    <message>
        <source>Display %1</source>
        <translation>Display %1</translation>
    </message>
    <message>
        <source>Audio only</source>
        <translation>Audio only</translation>
    </message>
    <message>
        <source>Camera preview</source>
        <translation>Camera preview</translation>
    </message>
    <message>
        <source>Camera Recording</source>
        <translation>Camera Recording</translation>
    </message>
    <message>
        <source>Stop recording and return to Home?</source>
        <translation>Stop recording and return to Home?</translation>
    </message>
    <message>
        <source>Wait for a live camera preview before recording.</source>
        <translation>Wait for a live camera preview before recording.</translation>
    </message>
    <message>
        <source>Vistrelle countdown</source>
        <translation>Vistrelle countdown</translation>
    </message>
    <message>
        <source>摄像头</source>
        <translation>Webcam</translation>
    </message>
    <message>
        <source>没有检测到可用摄像头。</source>
        <translation>No webcam was found.</translation>
    </message>
    <message>
        <source>摄像头无法启动，请检查权限或设备占用情况。</source>
        <translation>The webcam could not start. Check its permission and whether another program is using it.</translation>
    </message>
    <message>
        <source>Camera Permission</source>
        <translation>Camera Permission</translation>
    </message>
    <message>
        <source>Camera access is off. Allow Vistrelle in System Settings &gt; Privacy &amp; Security &gt; Camera.</source>
        <translation>Camera access is off. Allow Vistrelle in System Settings &gt; Privacy &amp; Security &gt; Camera.</translation>
    </message>
    <message>
        <source>Open Settings</source>
        <translation>Open Settings</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>计划录制</source>
        <translation>Scheduled Recording</translation>
    </message>
    <message>
        <source>请先在首页为窗口或游戏模式选择录制目标。</source>
        <translation>Choose a window or game to record on the home page first.</translation>
    </message>
    <message>
        <source>已有录制正在进行，本次计划已跳过。</source>
        <translation>A recording is already running; this scheduled start was skipped.</translation>
    </message>
    <message>
        <source>退出后计划录制将不会执行。

确定要退出 Vistrelle 吗？</source>
        <translation>The scheduled recording will not run after you quit.

Quit Vistrelle anyway?</translation>
    </message>
    <message>
        <source>仍在录制</source>
        <translation>Still recording</translation>
    </message>
    <message>
        <source>Vistrelle 已隐藏到系统托盘，录制继续进行。</source>
        <translation>Vistrelle is hidden in the system tray; the recording goes on.</translation>
    </message>
    <message>
        <source>Vistrelle 仍在后台运行</source>
        <translation>Vistrelle is still running</translation>
    </message>
    <message>
        <source>已最小化到系统托盘，点击或双击托盘图标可重新打开。</source>
        <translation>Minimized to the system tray. Click or double-click the tray icon to open it again.</translation>
    </message>
    <message>
        <source>About Vistrelle</source>
        <translation>About Vistrelle</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Vistrelle is a fast, reliable screen recorder for Linux. Record screens, windows, games, system audio, microphones, and webcams, then edit and manage recordings locally with no cloud upload required.</source>
        <translation>Vistrelle is a fast, reliable screen recorder for Linux. Record screens, windows, games, system audio, microphones, and webcams, then edit and manage recordings locally with no cloud upload required.</translation>
    </message>
    <message>
        <source>Development Team</source>
        <translation>Development Team</translation>
    </message>
    <message>
        <source>The Vistrelle developers</source>
        <translation>The Vistrelle developers</translation>
    </message>
    <message>
        <source>© Vistrelle. All rights reserved.</source>
        <translation>© Vistrelle. All rights reserved.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>切换语言</source>
        <translation>Change Language</translation>
    </message>
    <message>
        <source>无法保存语言设置，请检查当前用户的配置权限。</source>
        <translation>The language could not be saved. Please check that the current user may write its configuration.</translation>
    </message>
    <message>
        <source>语言设置已保存，重启 Vistrelle 后生效。是否立即重启？</source>
        <translation>The language is saved and takes effect when Vistrelle restarts. Restart now?</translation>
    </message>
    <message>
        <source>重启失败</source>
        <translation>Restart Failed</translation>
    </message>
    <message>
        <source>无法自动重启，请手动重新打开 Vistrelle。</source>
        <translation>Vistrelle could not restart by itself. Please open it again yourself.</translation>
    </message>
    <message>
        <source>录制的窗口已关闭</source>
        <translation>Recorded window closed</translation>
    </message>
    <message>
        <source>Custom Area</source>
        <translation>Custom Area</translation>
    </message>
    <message>
        <source>The display of the chosen area is no longer connected. Choose the area again.</source>
        <translation>The display of the chosen area is no longer connected. Choose the area again.</translation>
    </message>
    <message>
        <source>Nothing was recorded: the program quit before the recording began.</source>
        <translation>Nothing was recorded: the program quit before the recording began.</translation>
    </message>
</context>
<context>
    <name>MediaProbe</name>
    <message>
        <source>无法启动 ffprobe（%1）。</source>
        <translation>ffprobe could not be started (%1).</translation>
    </message>
    <message>
        <source>ffprobe 没有在 %1 秒内结束。</source>
        <translation>ffprobe did not finish within %1 seconds.</translation>
    </message>
    <message>
        <source>ffprobe 没有给出可读的回答。</source>
        <translation>ffprobe gave no readable answer.</translation>
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
        <translation>Vistrelle — Player</translation>
    </message>
    <message>
        <source>截图</source>
        <translation>Screenshot</translation>
    </message>
    <message>
        <source>无法保存截图到 %1。</source>
        <translation>Could not save the screenshot to %1.</translation>
    </message>
</context>
<context>
    <name>QDialog</name>
    <message>
        <source>Enable Screen Recording</source>
        <translation>Enable Screen Recording</translation>
    </message>
    <message>
        <source>Enable Microphone Access</source>
        <translation>Enable Microphone Access</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Vistrelle needs permission before it can record your screen.</source>
        <translation>Vistrelle needs permission before it can record your screen.</translation>
    </message>
    <message>
        <source>Vistrelle needs permission before it can record your voice.</source>
        <translation>Vistrelle needs permission before it can record your voice.</translation>
    </message>
    <message>
        <source>Screen &amp; System Audio Recording</source>
        <translation>Screen &amp; System Audio Recording</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Microphone</translation>
    </message>
    <message>
        <source>Allow these apps to record your screen.</source>
        <translation>Allow these apps to record your screen.</translation>
    </message>
    <message>
        <source>Allow these apps to use your microphone.</source>
        <translation>Allow these apps to use your microphone.</translation>
    </message>
    <message>
        <source>Illustration of macOS System Settings</source>
        <translation>Illustration of macOS System Settings</translation>
    </message>
    <message>
        <source>Three quick steps</source>
        <translation>Three quick steps</translation>
    </message>
    <message>
        <source>Open Screen Recording settings.</source>
        <translation>Open Screen Recording settings.</translation>
    </message>
    <message>
        <source>Open Microphone settings.</source>
        <translation>Open Microphone settings.</translation>
    </message>
    <message>
        <source>Turn on Vistrelle.</source>
        <translation>Turn on Vistrelle.</translation>
    </message>
    <message>
        <source>Quit and reopen Vistrelle, then record.</source>
        <translation>Quit and reopen Vistrelle, then record.</translation>
    </message>
    <message>
        <source>Return and start recording.</source>
        <translation>Return and start recording.</translation>
    </message>
    <message>
        <source>Restart Vistrelle after changing this setting.</source>
        <translation>Restart Vistrelle after changing this setting.</translation>
    </message>
    <message>
        <source>You can also turn off Microphone and record without voice.</source>
        <translation>You can also turn off Microphone and record without voice.</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Not now</translation>
    </message>
    <message>
        <source>Open Settings ↗</source>
        <translation>Open Settings ↗</translation>
    </message>
    <message>
        <source>Open System Settings &gt; Privacy &amp; Security &gt; Screen &amp; System Audio Recording and allow Vistrelle.</source>
        <translation>Open System Settings &gt; Privacy &amp; Security &gt; Screen &amp; System Audio Recording and allow Vistrelle.</translation>
    </message>
    <message>
        <source>Open System Settings &gt; Privacy &amp; Security &gt; Microphone and allow Vistrelle.</source>
        <translation>Open System Settings &gt; Privacy &amp; Security &gt; Microphone and allow Vistrelle.</translation>
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
        <translation>About --:-- left</translation>
    </message>
    <message>
        <source>预计剩余 %1:%2</source>
        <translation>About %1:%2 left</translation>
    </message>
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
    <message>
        <source>Vistrelle is already running</source>
        <translation>Vistrelle is already running</translation>
    </message>
    <message>
        <source>Another Vistrelle process is running. Finish its recording and quit it before opening Vistrelle again.</source>
        <translation>Another Vistrelle process is running. Finish its recording and quit it before opening Vistrelle again.</translation>
    </message>
    <message>
        <source>已有 FFmpeg 任务正在执行</source>
        <translation>An FFmpeg job is already running</translation>
    </message>
    <message>
        <source>FFmpeg 未找到或无法启动：%1</source>
        <translation>FFmpeg was not found or could not start: %1</translation>
    </message>
    <message>
        <source>操作已取消</source>
        <translation>The operation was cancelled</translation>
    </message>
    <message>
        <source>FFmpeg 出错：
%1</source>
        <translation>FFmpeg reported an error:
%1</translation>
    </message>
    <message>
        <source>裁剪参数无效</source>
        <translation>Invalid trim settings</translation>
    </message>
    <message>
        <source>合并参数无效</source>
        <translation>Invalid join settings</translation>
    </message>
    <message>
        <source>无法创建合并列表文件</source>
        <translation>Could not create the join list file</translation>
    </message>
    <message>
        <source>变速参数无效</source>
        <translation>Invalid speed setting</translation>
    </message>
    <message>
        <source>转场效果无效：%1</source>
        <translation>Invalid transition: %1</translation>
    </message>
    <message>
        <source>转场失败：至少有一个视频时长小于转场时长</source>
        <translation>Transition failed: at least one video is shorter than the transition</translation>
    </message>
    <message>
        <source>音频降噪需要 sh.rnnn 模型文件，请放到程序目录，或先关闭音频降噪。</source>
        <translation>Audio noise reduction needs the model file sh.rnnn: put it in the program&apos;s folder, or turn audio noise reduction off.</translation>
    </message>
    <message>
        <source>字幕文件不存在：%1</source>
        <translation>Subtitle file not found: %1</translation>
    </message>
    <message>
        <source>FFmpeg 报告完成，但没有写出可用的文件：
%1</source>
        <translation>FFmpeg reported success but wrote no usable file:
%1</translation>
    </message>
    <message>
        <source>格式无效或不受支持</source>
        <translation>the format is invalid or not supported</translation>
    </message>
    <message>
        <source>没有读取权限</source>
        <translation>no permission to read it</translation>
    </message>
    <message>
        <source>文件无法读取或已损坏</source>
        <translation>the file cannot be read or is damaged</translation>
    </message>
    <message>
        <source>无法打开文件：%1</source>
        <translation>Could not open the file: %1</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
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
        <translation type="vanished">Recording system audio requires macOS 13 or later.</translation>
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
        <translation type="vanished">Cannot capture system audio: %1</translation>
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
    <message>
        <source>保存磁盘的剩余空间已不足 %1 MB，录制已停止；已录制的内容会正常保存。</source>
        <translation type="vanished">Less than %1 MB is left on the save disk, so the recording was stopped. Everything recorded so far will be saved.</translation>
    </message>
    <message>
        <source>屏幕录制不可用：屏幕录制需要 X11 会话，在 Wayland 下无法录制屏幕。</source>
        <translation>Screen capture is unavailable: recording the screen needs an X11 session and is not possible under Wayland.</translation>
    </message>
    <message>
        <source>录制分段异常，退出码=%1。没有录下任何内容。
%2</source>
        <translation>The recording segment failed (exit code %1). Nothing was recorded.
%2</translation>
    </message>
    <message>
        <source>无法录制麦克风：%1</source>
        <translation type="vanished">Cannot record the microphone: %1</translation>
    </message>
    <message>
        <source>保存文件夹不可写入：%1</source>
        <translation>The save folder is not writable: %1</translation>
    </message>
    <message>
        <source>无法录制系统声音，因为声音服务器无法连接。</source>
        <translation>System audio cannot be captured because the sound server is not reachable.</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已快满，录制已停止。已录下的分段保留在：
%2</source>
        <translation>The save disk %1 is almost full, so the recording was stopped. The recorded segments are kept in:
%2</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已快满，录制已停止并已保存为：
%2</source>
        <translation>The save disk %1 is almost full, so the recording was stopped and saved as:
%2</translation>
    </message>
    <message>
        <source>保存文件夹不存在，也无法创建：%1
%2 不可写入。</source>
        <translation>The save folder does not exist and cannot be created: %1
%2 is not writable.</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已快满，录制已停止。录像保留为 %2 个分段，位于：
%3
把它们合并成一个文件还需要约 %4 的可用空间（现在可用 %5）。腾出空间后，可以手动合并这些分段。</source>
        <translation>The save disk %1 is almost full, so the recording was stopped. It is kept as %2 segments in:
%3
Joining them into one file needs about %4 of free space (%5 is free now). Once you have freed space, you can join these segments yourself.</translation>
    </message>
    <message>
        <source>声音服务器已断开。录制仍在继续，这段时间的声音录为静音；声音服务器恢复后会自动继续录音。</source>
        <translation>The sound server has gone away. The recording goes on and records silence meanwhile; sound is recorded again as soon as the sound server is back.</translation>
    </message>
    <message>
        <source>录制文件夹在录制中被删除，已录下的内容随文件夹一起被删除：%1
该文件夹无法重新创建，录制已停止。
%2</source>
        <translation>The recording&apos;s folder was deleted during the recording, and what was recorded was deleted with it: %1
The folder cannot be created again, so the recording has stopped.
%2</translation>
    </message>
    <message>
        <source>录制文件夹在录制中被删除，此前录下的内容已随文件夹一起被删除：%1
已重新创建该文件夹，录制继续，此后的内容会正常保存。</source>
        <translation>The recording&apos;s folder was deleted during the recording, and what was recorded so far was deleted with it: %1
The folder has been created again; the recording goes on and everything from now on is saved.</translation>
    </message>
    <message>
        <source>无法录制麦克风，因为声音服务器无法连接。</source>
        <translation>The microphone cannot be recorded because the sound server is not reachable.</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已满，录制已停止。录下的内容没有可以播放的部分，没有保存录像；未完成的分段保留在：
%2</source>
        <translation>The save disk %1 is full, so the recording was stopped. Nothing of what was recorded can be played, so no recording was saved; the unfinished segment is kept in:
%2</translation>
    </message>
    <message>
        <source>编码器停止了响应，录像只保存到 %1（共录制了 %2）：
%3</source>
        <translation type="vanished">The encoder stopped responding: the recording was saved up to %1 (of %2 recorded):
%3</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已满，没有录下任何内容。请清理空间或更换保存目录。
%2</source>
        <translation type="vanished">The save disk %1 is full, so nothing was recorded. Free up space or choose another save folder.
%2</translation>
    </message>
    <message>
        <source>所选麦克风已断开，录制改为使用系统默认的输入设备继续录音。</source>
        <translation>The chosen microphone was disconnected. The recording goes on with the system&apos;s default input device instead.</translation>
    </message>
    <message>
        <source>编码器停止了响应：文件保存了 %1（共录制了 %2），从 %3 起缺少 %4：
%5</source>
        <translation>The encoder stopped responding: the file holds %1 of the %2 recorded; %4 is missing from %3 on:
%5</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已满，录制已停止。录像保留为 %2 个分段，位于：
%3
把它们合并成一个文件还需要约 %4 的可用空间（现在可用 %5）。腾出空间后，可以手动合并这些分段。</source>
        <translation>The save disk %1 is full, so the recording was stopped. It is kept as %2 segments in:
%3
Joining them into one file needs about %4 of free space (%5 is free now). Once you have freed space, you can join these segments yourself.</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已满，录制已停止。已录下的分段保留在：
%2</source>
        <translation>The save disk %1 is full, so the recording was stopped. The recorded segments are kept in:
%2</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已满，录制已停止并已保存为：
%2</source>
        <translation>The save disk %1 is full, so the recording was stopped and saved as:
%2</translation>
    </message>
    <message>
        <source>录制进程意外结束，没有录下任何内容。</source>
        <translation>The recording process ended unexpectedly, and nothing was recorded.</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已满，没有录下任何内容。请清理空间或更换保存目录。</source>
        <translation>The save disk %1 is full, so nothing was recorded. Free up space or choose another save folder.</translation>
    </message>
    <message>
        <source>无法录制麦克风：声音服务器没有开始录音。请检查输入设备后重试。</source>
        <translation>Cannot record the microphone: the sound server did not start recording. Check the input device and try again.</translation>
    </message>
    <message>
        <source>无法捕获系统声音：声音服务器没有开始录音。请检查输出设备后重试。</source>
        <translation>Cannot capture the system audio: the sound server did not start recording. Check the output device and try again.</translation>
    </message>
    <message>
        <source>正在等待 FFmpeg 检测编码器…</source>
        <translation>Waiting for FFmpeg to test the encoders…</translation>
    </message>
    <message>
        <source>正在等待 FFmpeg 开始录制…</source>
        <translation>Waiting for FFmpeg to start recording…</translation>
    </message>
    <message>
        <source>请先启动声音服务器（PulseAudio），再开始录制。</source>
        <translation>Start the sound server (PulseAudio) first, then start recording.</translation>
    </message>
    <message>
        <source>请先启动声音服务器（PulseAudio），或关闭扬声器和麦克风后录制无声视频。</source>
        <translation>Start the sound server (PulseAudio) first, or switch the speaker and microphone off to record a video without sound.</translation>
    </message>
    <message>
        <source>没有录下任何内容：录制在开始之前就已停止。</source>
        <translation>Nothing was recorded: the recording was stopped before it began.</translation>
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
    <message>
        <source>保存磁盘 %1 已满，分段没有合并成一个文件。腾出约 %2 的可用空间后，可以手动合并这些分段。</source>
        <translation>The save disk %1 is full, so the segments were not joined into one file. Once about %2 of space is free, you can join these segments yourself.</translation>
    </message>
</context>
<context>
    <name>RecordingSettingsDialog</name>
    <message>
        <source>录制性能设置</source>
        <translation>Recording Performance Settings</translation>
    </message>
    <message>
        <source>录制性能</source>
        <translation>Recording Performance</translation>
    </message>
    <message>
        <source>选择用途，自动匹配参数</source>
        <translation>Pick a use and the settings follow</translation>
    </message>
    <message>
        <source>预设</source>
        <translation>Presets</translation>
    </message>
    <message>
        <source>办公
文档、会议</source>
        <translation>Office
Documents, meetings</translation>
    </message>
    <message>
        <source>课程
文字清晰</source>
        <translation>Course
Sharp text</translation>
    </message>
    <message>
        <source>游戏
流畅优先</source>
        <translation>Gaming
Smoothness first</translation>
    </message>
    <message>
        <source>高画质
细节优先</source>
        <translation>High quality
Detail first</translation>
    </message>
    <message>
        <source>高级设置  ▾</source>
        <translation>Advanced settings  ▾</translation>
    </message>
    <message>
        <source>帧率</source>
        <translation>Frame rate</translation>
    </message>
    <message>
        <source>格式</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>画质</source>
        <translation>Picture quality</translation>
    </message>
    <message>
        <source>帧率类型</source>
        <translation>Frame rate mode</translation>
    </message>
    <message>
        <source>编码器</source>
        <translation>Encoder</translation>
    </message>
    <message>
        <source>关键帧</source>
        <translation>Keyframes</translation>
    </message>
    <message>
        <source>30 FPS（推荐）</source>
        <translation>30 FPS (recommended)</translation>
    </message>
    <message>
        <source>标准</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>高清（推荐）</source>
        <translation>HD (recommended)</translation>
    </message>
    <message>
        <source>超清</source>
        <translation>Ultra HD</translation>
    </message>
    <message>
        <source>自动（推荐）</source>
        <translation>Automatic (recommended)</translation>
    </message>
    <message>
        <source>CPU（H.264）</source>
        <translation>CPU (H.264)</translation>
    </message>
    <message>
        <source>NVIDIA（NVENC）</source>
        <translation>NVIDIA (NVENC)</translation>
    </message>
    <message>
        <source>Intel（Quick Sync）</source>
        <translation>Intel (Quick Sync)</translation>
    </message>
    <message>
        <source>AMD（AMF）</source>
        <translation>AMD (AMF)</translation>
    </message>
    <message>
        <source>MP4（兼容）</source>
        <translation>MP4 (compatible)</translation>
    </message>
    <message>
        <source>MKV（易恢复）</source>
        <translation>MKV (easy to recover)</translation>
    </message>
    <message>
        <source>恒定（推荐）</source>
        <translation>Constant (recommended)</translation>
    </message>
    <message>
        <source>可变（省空间）</source>
        <translation>Variable (saves space)</translation>
    </message>
    <message>
        <source>1 秒</source>
        <translation>1 s</translation>
    </message>
    <message>
        <source>2 秒（推荐）</source>
        <translation>2 s (recommended)</translation>
    </message>
    <message>
        <source>5 秒</source>
        <translation>5 s</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>收起高级设置  ▴</source>
        <translation>Hide advanced settings  ▴</translation>
    </message>
    <message>
        <source>高清</source>
        <translation>HD</translation>
    </message>
    <message>
        <source>CPU 编码</source>
        <translation>CPU encoding</translation>
    </message>
    <message>
        <source>自动编码</source>
        <translation>Automatic encoding</translation>
    </message>
    <message>
        <source>GPU 编码</source>
        <translation>GPU encoding</translation>
    </message>
    <message>
        <source>高性能模式</source>
        <translation>High-performance mode</translation>
    </message>
    <message>
        <source>适合办公与课程</source>
        <translation>Good for office work and courses</translation>
    </message>
    <message>
        <source>适合游戏</source>
        <translation>Good for games</translation>
    </message>
    <message>
        <source>%1 · %2 · 关键帧 %3 秒</source>
        <translation>%1 · %2 · keyframe every %3 s</translation>
    </message>
    <message>
        <source>可变</source>
        <translation>Variable</translation>
    </message>
    <message>
        <source>恒定</source>
        <translation>Constant</translation>
    </message>
    <message>
        <source>%1 FPS · %2 · %3
%4 · %5</source>
        <translation>%1 FPS · %2 · %3
%4 · %5</translation>
    </message>
    <message>
        <source>当前显示器最高刷新率约为 %1 Hz</source>
        <translation>The fastest display refreshes at about %1 Hz</translation>
    </message>
    <message>
        <source>没有检测到可用的 H.264 GPU 硬件编码器</source>
        <translation>No working H.264 GPU hardware encoder was found</translation>
    </message>
    <message>
        <source>120 FPS 性能检查</source>
        <translation>120 FPS Performance Check</translation>
    </message>
    <message>
        <source>当前设备可能无法稳定录制 120 FPS：

• %1

建议自动调整为 60 FPS。录制期间仍会继续监测实际性能。</source>
        <translation>This computer may not record 120 FPS steadily:

• %1

Switching to 60 FPS is recommended. Actual performance is still watched during recording.</translation>
    </message>
    <message>
        <source>自动改为 60 FPS</source>
        <translation>Switch to 60 FPS</translation>
    </message>
    <message>
        <source>仍然使用 120 FPS</source>
        <translation>Keep 120 FPS</translation>
    </message>
    <message>
        <source>返回设置</source>
        <translation>Back to Settings</translation>
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
    <message>
        <source>这个时间已经过去，请选择一个将来的时间。</source>
        <translation>This time has already passed. Please choose a time in the future.</translation>
    </message>
</context>
<context>
    <name>ScreenshotNotice</name>
    <message>
        <source>截图失败</source>
        <translation>Screenshot failed</translation>
    </message>
    <message>
        <source>无法截取画面。</source>
        <translation>The picture could not be taken.</translation>
    </message>
    <message>
        <source>无法保存截图：
%1
请检查文件夹的写入权限。</source>
        <translation>Could not save the screenshot:
%1
Check that the folder is writable.</translation>
    </message>
    <message>
        <source>截图完成</source>
        <translation>Screenshot Saved</translation>
    </message>
    <message>
        <source>截图已保存到：
%1</source>
        <translation>The screenshot was saved to:
%1</translation>
    </message>
    <message>
        <source>上一张截图仍在保存，请稍后再试。</source>
        <translation>The previous screenshots are still being saved. Try again in a moment.</translation>
    </message>
</context>
<context>
    <name>SegmentMerger</name>
    <message>
        <source>FFmpeg 停止了响应，分段没有合并。</source>
        <translation>FFmpeg stopped responding, so the segments were not joined.</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>设置</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>通用</source>
        <translation>General</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>鼠标效果</source>
        <translation>Mouse effects</translation>
    </message>
    <message>
        <source>快捷键</source>
        <translation>Hotkeys</translation>
    </message>
    <message>
        <source>录制</source>
        <translation>Recording</translation>
    </message>
    <message>
        <source>恢复默认设置</source>
        <translation>Restore defaults</translation>
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
        <source>保存设置</source>
        <translation>Save Settings</translation>
    </message>
    <message>
        <source>保存目录无效或无法创建，请重新选择。</source>
        <translation>The save folder is not valid or cannot be created. Please choose another one.</translation>
    </message>
    <message>
        <source>每个全局快捷键只能包含一个组合，请重新设置。</source>
        <translation>Each global hotkey can hold only one key combination. Please set it again.</translation>
    </message>
    <message>
        <source>快捷键 %1 被重复使用，请为每个功能设置不同组合。</source>
        <translation>The hotkey %1 is used more than once. Please give each action its own combination.</translation>
    </message>
    <message>
        <source>快捷键设置</source>
        <translation>Hotkey Settings</translation>
    </message>
    <message>
        <source>设置写入失败，请检查当前用户的配置权限。</source>
        <translation>The settings could not be saved. Please check that the current user may write its configuration.</translation>
    </message>
    <message>
        <source>开机时自动启动 Vistrelle</source>
        <translation>Start Vistrelle when I log in</translation>
    </message>
    <message>
        <source>启动后最小化到系统托盘</source>
        <translation>Start minimized to the system tray</translation>
    </message>
    <message>
        <source>关闭按钮</source>
        <translation>Close button</translation>
    </message>
    <message>
        <source>最小化到系统托盘</source>
        <translation>Minimize to the system tray</translation>
    </message>
    <message>
        <source>退出程序</source>
        <translation>Quit the program</translation>
    </message>
    <message>
        <source>每次询问我</source>
        <translation>Ask me every time</translation>
    </message>
    <message>
        <source>选择“每次询问我”时，每次关闭主窗口都会弹出选择窗口。以后仍可在这里修改。</source>
        <translation>With “Ask me every time”, closing the main window always asks what to do. You can change this here later.</translation>
    </message>
    <message>
        <source>诊断</source>
        <translation>Diagnostics</translation>
    </message>
    <message>
        <source>启用详细诊断日志</source>
        <translation>Enable detailed diagnostic logging</translation>
    </message>
    <message>
        <source>日志保存在本机；重启后生效。</source>
        <translation>Logs stay on this computer; takes effect after a restart.</translation>
    </message>
    <message>
        <source>默认保存目录</source>
        <translation>Default save folder</translation>
    </message>
    <message>
        <source>浏览…</source>
        <translation>Browse…</translation>
    </message>
    <message>
        <source>文件命名规则</source>
        <translation>File naming</translation>
    </message>
    <message>
        <source>日期 + 时间</source>
        <translation>Date + time</translation>
    </message>
    <message>
        <source>Vistrelle + 日期时间</source>
        <translation>Vistrelle + date and time</translation>
    </message>
    <message>
        <source>自动编号</source>
        <translation>Sequential number</translation>
    </message>
    <message>
        <source>示例：2026-09-04_143022.mp4</source>
        <translation type="vanished">Example: 2026-09-04_143022.mp4</translation>
    </message>
    <message>
        <source>磁盘空间提醒</source>
        <translation>Disk space warning</translation>
    </message>
    <message>
        <source>当磁盘剩余空间少于</source>
        <translation>When free disk space is below</translation>
    </message>
    <message>
        <source>时提醒我</source>
        <translation>warn me</translation>
    </message>
    <message>
        <source>选择保存目录</source>
        <translation>Choose Save Folder</translation>
    </message>
    <message>
        <source>显示鼠标高亮</source>
        <translation>Highlight the mouse pointer</translation>
    </message>
    <message>
        <source>高亮颜色</source>
        <translation>Highlight colour</translation>
    </message>
    <message>
        <source>大小</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>透明度</source>
        <translation>Opacity</translation>
    </message>
    <message>
        <source>点击动画</source>
        <translation>Click animation</translation>
    </message>
    <message>
        <source>显示鼠标点击动画</source>
        <translation>Animate mouse clicks</translation>
    </message>
    <message>
        <source>左键点击</source>
        <translation>Left click</translation>
    </message>
    <message>
        <source>右键点击</source>
        <translation>Right click</translation>
    </message>
    <message>
        <source>选择颜色</source>
        <translation>Choose Colour</translation>
    </message>
    <message>
        <source>点击选择颜色</source>
        <translation>Click to choose a colour</translation>
    </message>
    <message>
        <source>开始 / 停止录制</source>
        <translation>Start / stop recording</translation>
    </message>
    <message>
        <source>暂停 / 继续录制</source>
        <translation>Pause / resume recording</translation>
    </message>
    <message>
        <source>截图（全屏 / 区域）</source>
        <translation>Screenshot (full screen / area)</translation>
    </message>
    <message>
        <source>显示 / 隐藏悬浮工具栏</source>
        <translation>Show / hide the floating toolbar</translation>
    </message>
    <message>
        <source>显示 / 隐藏注释工具栏</source>
        <translation>Show / hide the annotation tools</translation>
    </message>
    <message>
        <source>点击确定后保存，应用于下一次录制。</source>
        <translation>Saved when you press OK; applies to the next recording.</translation>
    </message>
    <message>
        <source>录制预设</source>
        <translation>Recording preset</translation>
    </message>
    <message>
        <source>办公</source>
        <translation>Office</translation>
    </message>
    <message>
        <source>课程</source>
        <translation>Course</translation>
    </message>
    <message>
        <source>游戏</source>
        <translation>Gaming</translation>
    </message>
    <message>
        <source>自定义</source>
        <translation>Custom</translation>
    </message>
    <message>
        <source>标准</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>高清（推荐）</source>
        <translation>HD (recommended)</translation>
    </message>
    <message>
        <source>超清</source>
        <translation>Ultra HD</translation>
    </message>
    <message>
        <source>自动（推荐）</source>
        <translation>Automatic (recommended)</translation>
    </message>
    <message>
        <source>恒定（推荐）</source>
        <translation>Constant (recommended)</translation>
    </message>
    <message>
        <source>可变</source>
        <translation>Variable</translation>
    </message>
    <message>
        <source>%1 秒</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>常用设置</source>
        <translation>Common settings</translation>
    </message>
    <message>
        <source>视频格式</source>
        <translation>Video format</translation>
    </message>
    <message>
        <source>帧率</source>
        <translation>Frame rate</translation>
    </message>
    <message>
        <source>画质</source>
        <translation>Picture quality</translation>
    </message>
    <message>
        <source>硬件加速</source>
        <translation>Hardware acceleration</translation>
    </message>
    <message>
        <source>高级设置 ▾</source>
        <translation>Advanced settings ▾</translation>
    </message>
    <message>
        <source>帧率类型</source>
        <translation>Frame rate mode</translation>
    </message>
    <message>
        <source>关键帧间隔</source>
        <translation>Keyframe interval</translation>
    </message>
    <message>
        <source>收起高级设置 ▴</source>
        <translation>Hide advanced settings ▴</translation>
    </message>
    <message>
        <source>示例：%1</source>
        <translation>Example: %1</translation>
    </message>
</context>
<context>
    <name>SetupRecordingToolbar</name>
    <message>
        <source>Full Screen  ▾</source>
        <translation>Full Screen  ▾</translation>
    </message>
    <message>
        <source>Display 1</source>
        <translation>Display 1</translation>
    </message>
    <message>
        <source>Webcam  ▾</source>
        <translation>Webcam  ▾</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>Speaker  ▾</source>
        <translation>Speaker  ▾</translation>
    </message>
    <message>
        <source>On</source>
        <translation>On</translation>
    </message>
    <message>
        <source>Microphone  ▾</source>
        <translation>Microphone  ▾</translation>
    </message>
    <message>
        <source>Screenshot</source>
        <translation>Screenshot</translation>
    </message>
    <message>
        <source>Auto Stop</source>
        <translation>Auto Stop</translation>
    </message>
    <message>
        <source>Auto Split</source>
        <translation>Auto Split</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Schedule</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Full Screen</translation>
    </message>
    <message>
        <source>Full Screen · Display %1</source>
        <translation>Full Screen · Display %1</translation>
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
        <source>Custom Area  ▾</source>
        <translation>Custom Area  ▾</translation>
    </message>
    <message>
        <source>Window  ▾</source>
        <translation>Window  ▾</translation>
    </message>
    <message>
        <source>Game  ▾</source>
        <translation>Game  ▾</translation>
    </message>
    <message>
        <source>Audio Only  ▾</source>
        <translation>Audio Only  ▾</translation>
    </message>
    <message>
        <source>Start recording</source>
        <translation>Start recording</translation>
    </message>
    <message>
        <source>Select a window before recording</source>
        <translation>Select a window before recording</translation>
    </message>
    <message>
        <source>Drag toolbar</source>
        <translation>Drag toolbar</translation>
    </message>
    <message>
        <source>Open menu</source>
        <translation>Open menu</translation>
    </message>
</context>
<context>
    <name>StopRecordingDialog</name>
    <message>
        <source>Stop Recording</source>
        <translation>Stop Recording</translation>
    </message>
    <message>
        <source>Stop this recording?</source>
        <translation>Stop this recording?</translation>
    </message>
    <message>
        <source>Recorded</source>
        <translation>Recorded</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Discard</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
</context>
<context>
    <name>TimelineWidget</name>
    <message>
        <source>🎬 视频</source>
        <translation>🎬 Video</translation>
    </message>
    <message>
        <source>🔊 系统音</source>
        <translation>🔊 System</translation>
    </message>
    <message>
        <source>🎵 背景乐</source>
        <translation>🎵 Music</translation>
    </message>
    <message>
        <source>📝 字幕</source>
        <translation>📝 Subtitles</translation>
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
    <name>ToolDialog</name>
    <message>
        <source>音量</source>
        <translation type="vanished">Volume</translation>
    </message>
    <message>
        <source>音频</source>
        <translation type="vanished">Audio</translation>
    </message>
    <message>
        <source>速度</source>
        <translation type="vanished">Speed</translation>
    </message>
    <message>
        <source>转换</source>
        <translation type="vanished">Convert</translation>
    </message>
    <message>
        <source>信息</source>
        <translation type="vanished">Information</translation>
    </message>
    <message>
        <source>取消</source>
        <translation type="vanished">Cancel</translation>
    </message>
    <message>
        <source>应用</source>
        <translation type="vanished">Apply</translation>
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
        <translation type="vanished">%1 files</translation>
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
    <message>
        <source>正在生成波形…</source>
        <translation>Drawing waveform…</translation>
    </message>
    <message>
        <source>正在加载缩略图…</source>
        <translation>Loading thumbnail…</translation>
    </message>
    <message>
        <source>音频文件</source>
        <translation>Audio file</translation>
    </message>
    <message>
        <source>无法加载缩略图</source>
        <translation>Thumbnail unavailable</translation>
    </message>
    <message>
        <source>移除声音</source>
        <translation>Mute</translation>
    </message>
    <message>
        <source>裁剪</source>
        <translation>Trim</translation>
    </message>
    <message>
        <source>分割</source>
        <translation>Split</translation>
    </message>
    <message>
        <source>截图</source>
        <translation>Screenshot</translation>
    </message>
    <message>
        <source>水印</source>
        <translation>Watermark</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>更多</source>
        <translation>More</translation>
    </message>
    <message>
        <source>编辑与文件工具</source>
        <translation>Editing and file tools</translation>
    </message>
    <message>
        <source>裁剪视频</source>
        <translation>Trim Video</translation>
    </message>
    <message>
        <source>拖动两侧滑块，选择保留的片段</source>
        <translation>Drag the two handles to choose the part to keep</translation>
    </message>
    <message>
        <source>Start Trimming...</source>
        <translation>Start Trimming...</translation>
    </message>
    <message>
        <source>分割点  %1</source>
        <translation>Split at  %1</translation>
    </message>
    <message>
        <source>将在 %1 处分割为两个%2片段</source>
        <translation type="vanished">Splits into two %2 clips at %1</translation>
    </message>
    <message>
        <source>选中时长  %1</source>
        <translation>Selected  %1</translation>
    </message>
    <message>
        <source>Mute Selection</source>
        <translation>Mute Selection</translation>
    </message>
    <message>
        <source>预览画面效果</source>
        <translation>Preview Picture Effect</translation>
    </message>
    <message>
        <source>分割音频</source>
        <translation>Split Audio</translation>
    </message>
    <message>
        <source>分割视频</source>
        <translation>Split Video</translation>
    </message>
    <message>
        <source>裁剪音频</source>
        <translation>Trim Audio</translation>
    </message>
    <message>
        <source>当前仅预览，点击保存后才会处理视频</source>
        <translation>Preview only: the video is processed when you click Save</translation>
    </message>
    <message>
        <source>拖动黄色分割线，选择分割位置</source>
        <translation>Drag the yellow line to choose where to split</translation>
    </message>
    <message>
        <source>Save Muted Copy</source>
        <translation>Save Muted Copy</translation>
    </message>
    <message>
        <source>开始分割</source>
        <translation>Start Splitting</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>已设为无声</source>
        <translation>Muted</translation>
    </message>
    <message>
        <source>点击恢复原声</source>
        <translation>Click to restore the sound</translation>
    </message>
    <message>
        <source>Mute audio in the selected range</source>
        <translation>Mute audio in the selected range</translation>
    </message>
    <message>
        <source>音量</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>调整音频音量</source>
        <translation>Adjust the audio volume</translation>
    </message>
    <message>
        <source>Vistrelle 全屏播放</source>
        <translation>Vistrelle Full Screen</translation>
    </message>
    <message>
        <source>截图不可用</source>
        <translation>Screenshot Unavailable</translation>
    </message>
    <message>
        <source>视频画面尚未就绪，请先播放或移动到需要截图的位置。</source>
        <translation>The video picture is not ready yet. Play the video or move to the moment you want to capture first.</translation>
    </message>
    <message>
        <source>截图完成</source>
        <translation>Screenshot Saved</translation>
    </message>
    <message>
        <source>截图已保存到：
%1</source>
        <translation>The screenshot was saved to:
%1</translation>
    </message>
    <message>
        <source>正在保存媒体文件，请稍候…</source>
        <translation>Saving the media file, please wait…</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>正在保存</source>
        <translation>Saving</translation>
    </message>
    <message>
        <source>编辑失败</source>
        <translation>Edit Failed</translation>
    </message>
    <message>
        <source>无法启动 FFmpeg。</source>
        <translation>FFmpeg could not be started.</translation>
    </message>
    <message>
        <source>无法分割</source>
        <translation>Cannot Split</translation>
    </message>
    <message>
        <source>请将播放位置移动到音频中间。</source>
        <translation>Move the playback position into the middle of the audio.</translation>
    </message>
    <message>
        <source>请将播放位置移动到视频中间。</source>
        <translation>Move the playback position into the middle of the video.</translation>
    </message>
    <message>
        <source>分割失败</source>
        <translation>Split Failed</translation>
    </message>
    <message>
        <source>FFmpeg 没有写出分割后的文件。</source>
        <translation>FFmpeg did not write the split files.</translation>
    </message>
    <message>
        <source>分割完成</source>
        <translation>Split Complete</translation>
    </message>
    <message>
        <source>已生成两个音频片段。</source>
        <translation>Two audio clips were created.</translation>
    </message>
    <message>
        <source>已生成两个视频片段。</source>
        <translation>Two video clips were created.</translation>
    </message>
    <message>
        <source>保存失败</source>
        <translation>Save Failed</translation>
    </message>
    <message>
        <source>无法替换原文件，原文件已保留。</source>
        <translation>The original file could not be replaced; it was kept.</translation>
    </message>
    <message>
        <source>保存完成</source>
        <translation>Saved</translation>
    </message>
    <message>
        <source>音频已保存：
%1</source>
        <translation>The audio was saved:
%1</translation>
    </message>
    <message>
        <source>视频已保存：
%1</source>
        <translation>The video was saved:
%1</translation>
    </message>
    <message>
        <source>正在处理媒体文件…</source>
        <translation>Processing the media file…</translation>
    </message>
    <message>
        <source>处理失败</source>
        <translation>Processing failed</translation>
    </message>
    <message>
        <source>操作已完成。</source>
        <translation>The operation is complete.</translation>
    </message>
    <message>
        <source>文件已保存：
%1</source>
        <translation>The file was saved:
%1</translation>
    </message>
    <message>
        <source>旋转 90°</source>
        <translation>Rotate 90°</translation>
    </message>
    <message>
        <source>水平翻转</source>
        <translation>Flip Horizontally</translation>
    </message>
    <message>
        <source>垂直翻转</source>
        <translation>Flip Vertically</translation>
    </message>
    <message>
        <source>调整播放速度</source>
        <translation>Playback Speed</translation>
    </message>
    <message>
        <source>调整音量</source>
        <translation>Adjust Volume</translation>
    </message>
    <message>
        <source>提取音频</source>
        <translation>Extract Audio</translation>
    </message>
    <message>
        <source>另存为 / 转换格式</source>
        <translation>Save As / Convert</translation>
    </message>
    <message>
        <source>未知</source>
        <translation>Unknown</translation>
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
        <translation type="vanished">Format: %1
Codec: %2
Sample rate: %3 Hz
Channels: %4
Bit rate: %5 kbps
Duration: %6
Size: %7
Created: %8
Folder: %9</translation>
    </message>
    <message>
        <source>格式：%1
分辨率：%2 × %3
帧率：%4 fps
时长：%5
大小：%6
创建时间：%7
保存路径：%8</source>
        <translation type="vanished">Format: %1
Resolution: %2 × %3
Frame rate: %4 fps
Duration: %5
Size: %6
Created: %7
Folder: %8</translation>
    </message>
    <message>
        <source>速度</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>转换</source>
        <translation>Convert</translation>
    </message>
    <message>
        <source>信息</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>应用</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>播放速度</source>
        <translation>Playback Speed</translation>
    </message>
    <message>
        <source>调整预览速度，也可生成变速视频</source>
        <translation>Change the preview speed, or write a re-timed copy</translation>
    </message>
    <message>
        <source>选择速度</source>
        <translation>Choose a speed</translation>
    </message>
    <message>
        <source>Normal (1×)</source>
        <translation>Normal (1×)</translation>
    </message>
    <message>
        <source>0.5× 慢速    1× 原速    1.5× / 2× 加速</source>
        <translation>0.5× slower    1× original    1.5× / 2× faster</translation>
    </message>
    <message>
        <source>变速完成</source>
        <translation>Speed changed</translation>
    </message>
    <message>
        <source>预览并输出新的音量电平</source>
        <translation>Preview a new volume level and write a copy with it</translation>
    </message>
    <message>
        <source>静音</source>
        <translation>Mute</translation>
    </message>
    <message>
        <source>音量调整完成</source>
        <translation>Volume adjusted</translation>
    </message>
    <message>
        <source>从视频中提取音轨，保存为音频文件</source>
        <translation>Save the video&apos;s sound track as an audio file</translation>
    </message>
    <message>
        <source>提取</source>
        <translation>Extract</translation>
    </message>
    <message>
        <source>输出格式</source>
        <translation>Output format</translation>
    </message>
    <message>
        <source>音质</source>
        <translation>Audio quality</translation>
    </message>
    <message>
        <source>高质量（320 kbps）</source>
        <translation>High (320 kbps)</translation>
    </message>
    <message>
        <source>标准（192 kbps）</source>
        <translation>Standard (192 kbps)</translation>
    </message>
    <message>
        <source>压缩（128 kbps）</source>
        <translation>Compact (128 kbps)</translation>
    </message>
    <message>
        <source>音频提取完成</source>
        <translation>Audio extracted</translation>
    </message>
    <message>
        <source>选择输出格式并保留原始文件</source>
        <translation>Choose the output format; the original file is kept</translation>
    </message>
    <message>
        <source>导出</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>画质</source>
        <translation>Picture quality</translation>
    </message>
    <message>
        <source>高质量</source>
        <translation>High</translation>
    </message>
    <message>
        <source>标准</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>压缩</source>
        <translation>Compact</translation>
    </message>
    <message>
        <source>转换完成</source>
        <translation>Conversion finished</translation>
    </message>
    <message>
        <source>修改文件名，扩展名保持不变</source>
        <translation>Change the file name; the extension stays</translation>
    </message>
    <message>
        <source>新文件名</source>
        <translation>New file name</translation>
    </message>
    <message>
        <source>名称无效</source>
        <translation>Invalid name</translation>
    </message>
    <message>
        <source>文件名为空或包含无效字符。</source>
        <translation>The file name is empty or contains characters that are not allowed.</translation>
    </message>
    <message>
        <source>重命名失败</source>
        <translation>Rename failed</translation>
    </message>
    <message>
        <source>目标文件已存在或文件正在被占用。</source>
        <translation>A file of that name already exists, or the file is in use.</translation>
    </message>
    <message>
        <source>查看音频文件的详细信息</source>
        <translation>Details of the audio file</translation>
    </message>
    <message>
        <source>查看视频文件的详细信息</source>
        <translation>Details of the video file</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>复制信息</source>
        <translation>Copy Details</translation>
    </message>
    <message>
        <source>无法在视频目录创建临时文件，请检查写入权限。</source>
        <translation>Cannot create a temporary file in the video&apos;s folder. Check that the folder can be written to.</translation>
    </message>
    <message>
        <source>无法写入水印文字。</source>
        <translation>Cannot write the watermark text.</translation>
    </message>
    <message>
        <source>正在添加水印，原视频保持不变…</source>
        <translation>Adding the watermark; the original video stays unchanged…</translation>
    </message>
    <message>
        <source>无法保存水印副本，原视频未修改。</source>
        <translation>Cannot save the watermarked copy. The original video was not changed.</translation>
    </message>
    <message>
        <source>无法生成水印副本，原视频未修改。</source>
        <translation>Cannot make the watermarked copy. The original video was not changed.</translation>
    </message>
    <message>
        <source>将在 %1 处分割为两个音频片段</source>
        <translation>Splits into two audio clips at %1</translation>
    </message>
    <message>
        <source>将在 %1 处分割为两个视频片段</source>
        <translation>Splits into two video clips at %1</translation>
    </message>
    <message numerus="yes">
        <source>%n 个文件</source>
        <translation>
            <numerusform>%n file</numerusform>
            <numerusform>%n files</numerusform>
        </translation>
    </message>
    <message>
        <source>截图失败</source>
        <translation>Screenshot failed</translation>
    </message>
    <message>
        <source>无法保存截图：
%1
请检查文件夹的写入权限。</source>
        <translation>Could not save the screenshot:
%1
Check that the folder is writable.</translation>
    </message>
    <message>
        <source>已有同名文件：
%1</source>
        <translation>A file with this name already exists:
%1</translation>
    </message>
    <message>
        <source>没有写入此文件夹的权限：
%1</source>
        <translation>No permission to write to this folder:
%1</translation>
    </message>
    <message>
        <source>文件名不能包含字符 %1</source>
        <translation>A file name cannot contain the character %1</translation>
    </message>
    <message>
        <source>文件为空</source>
        <translation>The file is empty</translation>
    </message>
    <message>
        <source>格式：%1
分辨率：%2
帧率：%3
时长：%4
大小：%5
创建时间：%6
保存路径：%7</source>
        <translation>Format: %1
Resolution: %2
Frame rate: %3
Duration: %4
Size: %5
Created: %6
Folder: %7</translation>
    </message>
    <message>
        <source>文件不存在</source>
        <translation>File Not Found</translation>
    </message>
    <message>
        <source>“%1”已被移动或删除，已从列表中移除。</source>
        <translation>&quot;%1&quot; no longer exists: it was moved or deleted. It has been removed from the list.</translation>
    </message>
    <message>
        <source>文件名过长，请缩短后再试。</source>
        <translation>The file name is too long. Please shorten it and try again.</translation>
    </message>
    <message>
        <source>无法检查这个文件是否可用：%1</source>
        <translation>Whether this file is usable could not be checked: %1</translation>
    </message>
    <message>
        <source>正在读取文件信息…</source>
        <translation>Reading the file&apos;s details…</translation>
    </message>
    <message>
        <source>无法读取此文件的信息</source>
        <translation>This file&apos;s details could not be read</translation>
    </message>
    <message>
        <source>此文件没有声音</source>
        <translation>This file has no sound</translation>
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
        <translation>Format: %1
Codec: %2
Sample rate: %3
Channels: %4
Bit rate: %5
Duration: %6
Size: %7
Created: %8
Folder: %9</translation>
    </message>
    <message>
        <source>时长未知</source>
        <translation>Unknown duration</translation>
    </message>
    <message>
        <source>声道未知</source>
        <translation>Unknown channels</translation>
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
        <translation>Choose Colour</translation>
    </message>
    <message>
        <source>请输入水印文字。</source>
        <translation>Please enter the watermark text.</translation>
    </message>
</context>
<context>
    <name>WatermarkProgressDialog</name>
    <message>
        <source>正在添加水印</source>
        <translation>Adding Watermark</translation>
    </message>
    <message>
        <source>正在保存录制</source>
        <translation>Saving Recording</translation>
    </message>
    <message>
        <source>正在处理视频，请稍候…</source>
        <translation>Processing the video, please wait…</translation>
    </message>
    <message>
        <source>正在处理录制文件，请稍候…</source>
        <translation>Processing the recording, please wait…</translation>
    </message>
    <message>
        <source>正在处理 %1 / %2</source>
        <translation>Processing %1 of %2</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>正在取消…</source>
        <translation>Cancelling…</translation>
    </message>
    <message>
        <source>正在安全取消水印处理…</source>
        <translation>Safely cancelling the watermark…</translation>
    </message>
</context>
<context>
    <name>vc::CloseBehaviorDialog</name>
    <message>
        <source>关闭 Vistrelle</source>
        <translation>Close Vistrelle</translation>
    </message>
    <message>
        <source>关闭窗口后要做什么？</source>
        <translation>What should closing the window do?</translation>
    </message>
    <message>
        <source>最小化到托盘</source>
        <translation>Minimize to the tray</translation>
    </message>
    <message>
        <source>退出 Vistrelle</source>
        <translation>Quit Vistrelle</translation>
    </message>
    <message>
        <source>记住我的选择，下次不再询问</source>
        <translation>Remember my choice and don&apos;t ask again</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
</context>
</TS>

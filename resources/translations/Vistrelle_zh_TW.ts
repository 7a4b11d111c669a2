<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="zh_CN">
<context>
    <name>AnnotationOverlay</name>
    <message>
        <source>添加文字标注</source>
        <translation>新增文字標註</translation>
    </message>
    <message>
        <source>输入标注文字：</source>
        <translation>輸入標註文字：</translation>
    </message>
    <message>
        <source>左键绘制  Ctrl+Z 撤销  Del 清除  ESC 退出</source>
        <translation>左鍵繪製  Ctrl+Z 復原  Del 清除  ESC 退出</translation>
    </message>
</context>
<context>
    <name>AnnotationToolbar</name>
    <message>
        <source>画笔</source>
        <translation>畫筆</translation>
    </message>
    <message>
        <source>箭头</source>
        <translation>箭頭</translation>
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
        <translation>選擇顏色</translation>
    </message>
    <message>
        <source>粗细</source>
        <translation>粗細</translation>
    </message>
    <message>
        <source>撤销  Ctrl+Z</source>
        <translation>復原  Ctrl+Z</translation>
    </message>
    <message>
        <source>清除全部  Del</source>
        <translation>全部清除  Del</translation>
    </message>
    <message>
        <source>退出注释</source>
        <translation>退出註解</translation>
    </message>
    <message>
        <source>选择注释颜色</source>
        <translation>選擇註解顏色</translation>
    </message>
</context>
<context>
    <name>AreaDropdown</name>
    <message>
        <source>全屏</source>
        <translation>全螢幕</translation>
    </message>
    <message>
        <source>选择区域 / 窗口</source>
        <translation>選擇區域 / 視窗</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>確定</translation>
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
        <translation>點擊拖曳選擇區域</translation>
    </message>
</context>
<context>
    <name>AudioSettingsDialog</name>
    <message>
        <source>音频高级设置</source>
        <translation>音訊進階設定</translation>
    </message>
    <message>
        <source>系统声与麦克风会分别处理，再混合写入录制文件。</source>
        <translation>系統聲音與麥克風會分別處理，再混合寫入錄製檔案。</translation>
    </message>
    <message>
        <source>系统声音音量</source>
        <translation>系統聲音音量</translation>
    </message>
    <message>
        <source>麦克风音量</source>
        <translation>麥克風音量</translation>
    </message>
    <message>
        <source> ms</source>
        <translation> 毫秒</translation>
    </message>
    <message>
        <source>麦克风延迟</source>
        <translation>麥克風延遲</translation>
    </message>
    <message>
        <source>麦克风降噪（降低持续环境噪声）</source>
        <translation>麥克風降噪（降低持續環境噪音）</translation>
    </message>
    <message>
        <source>单声道输出（适合语音录制）</source>
        <translation>單聲道輸出（適合語音錄製）</translation>
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
        <translation>自動分割設定</translation>
    </message>
    <message>
        <source>录制时按指定条件自动切分为多个文件</source>
        <translation>錄製時依條件開始新的分段，停止時合併為一個檔案</translation>
    </message>
    <message>
        <source>按录制时长</source>
        <translation>按錄製時長</translation>
    </message>
    <message>
        <source>适合会议、课程等长时间录制</source>
        <translation>適合會議、課程等長時間錄製</translation>
    </message>
    <message>
        <source>分钟</source>
        <translation>分鐘</translation>
    </message>
    <message>
        <source>按文件大小</source>
        <translation>按檔案大小</translation>
    </message>
    <message>
        <source>便于上传、传输或分段保存</source>
        <translation>限制每個分段的大小</translation>
    </message>
    <message>
        <source>✓  无缝切分</source>
        <translation>✓  無縫切分</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>将每 %1 分钟自动保存为一个新文件</source>
        <translation type="vanished">將每 %1 分鐘自動儲存為一個新檔案</translation>
    </message>
    <message>
        <source>文件达到 %1 MB 时自动切分并保存</source>
        <translation>分段達到 %1 MB 時開始新的分段</translation>
    </message>
    <message numerus="yes">
        <source>将每 %n 分钟自动保存为一个新文件</source>
        <translation>
            <numerusform>每 %n 分鐘開始一個新分段</numerusform>
        </translation>
    </message>
    <message>
        <source>关闭自动分割</source>
        <translation>關閉自動分割</translation>
    </message>
</context>
<context>
    <name>AutoStopDialog</name>
    <message>
        <source>自动停止设置</source>
        <translation>自動停止設定</translation>
    </message>
    <message>
        <source>录制达到指定条件时自动停止并保存文件。</source>
        <translation>錄製達到指定條件時自動停止並儲存檔案。</translation>
    </message>
    <message>
        <source>停止条件</source>
        <translation>停止條件</translation>
    </message>
    <message>
        <source>按录制时长</source>
        <translation>按錄製時長</translation>
    </message>
    <message>
        <source>分钟</source>
        <translation>分鐘</translation>
    </message>
    <message>
        <source>按文件大小</source>
        <translation>按檔案大小</translation>
    </message>
    <message>
        <source>录制 %1 分钟后自动停止</source>
        <translation type="vanished">錄製 %1 分鐘後自動停止</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>文件达到 %1 MB 后自动停止</source>
        <translation>檔案達到 %1 MB 後自動停止</translation>
    </message>
    <message>
        <source>自动停止倒计时</source>
        <translation>自動停止倒數</translation>
    </message>
    <message>
        <source>录制将在以上时间后自动停止</source>
        <translation>錄製將在以上時間後自動停止</translation>
    </message>
    <message>
        <source>取消自动停止</source>
        <translation>取消自動停止</translation>
    </message>
    <message numerus="yes">
        <source>录制 %n 分钟后自动停止</source>
        <translation>
            <numerusform>錄製 %n 分鐘後自動停止</numerusform>
        </translation>
    </message>
    <message>
        <source>关闭自动停止</source>
        <translation>關閉自動停止</translation>
    </message>
</context>
<context>
    <name>BottomBar</name>
    <message>
        <source>媒体库</source>
        <translation>媒體庫</translation>
    </message>
    <message>
        <source>水印</source>
        <translation>浮水印</translation>
    </message>
    <message>
        <source>自动分割</source>
        <translation>自動分割</translation>
    </message>
    <message>
        <source>自动停止</source>
        <translation>自動停止</translation>
    </message>
    <message>
        <source>计划录制</source>
        <translation>排程錄製</translation>
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
        <translation>攝影機錄製</translation>
    </message>
    <message>
        <source>Back to Home</source>
        <translation>返回首頁</translation>
    </message>
    <message>
        <source>Choose a camera to start preview</source>
        <translation>選擇攝影機以開始預覽</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>鏡像</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>直向</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>適應</translation>
    </message>
    <message>
        <source>Camera framing mode</source>
        <translation>攝影機畫面模式</translation>
    </message>
    <message>
        <source>System Audio</source>
        <translation>系統聲音</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>麥克風</translation>
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
        <translation>自動停止</translation>
    </message>
    <message>
        <source>Auto Split</source>
        <translation>自動分段</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>填滿</translation>
    </message>
    <message>
        <source>Camera access is off. Allow Vistrelle in System Settings &gt; Privacy &amp; Security &gt; Camera, then return to this page.</source>
        <translation>攝影機權限已關閉。請在 系統設定 &gt; 隱私權與安全性 &gt; 攝影機 中允許 Vistrelle，然後返回此頁面。</translation>
    </message>
    <message>
        <source>Requesting camera access…</source>
        <translation>正在請求攝影機權限…</translation>
    </message>
    <message>
        <source>Starting camera…</source>
        <translation>正在啟動攝影機…</translation>
    </message>
    <message>
        <source>No camera found. Connect a camera and return to this page.</source>
        <translation>找不到攝影機。請連接攝影機後返回此頁面。</translation>
    </message>
    <message>
        <source>Camera did not deliver a picture. Check camera access and whether another app is using it, then select the camera again.</source>
        <translation>攝影機沒有輸出畫面。請檢查攝影機權限以及是否有其他應用程式正在使用它，然後重新選擇攝影機。</translation>
    </message>
    <message>
        <source>Camera could not start. Check camera access in System Settings.</source>
        <translation>攝影機無法啟動。請在系統設定中檢查攝影機權限。</translation>
    </message>
    <message>
        <source>Camera stopped delivering frames. Recording has been stopped.</source>
        <translation>攝影機已停止輸出畫面，錄製已停止。</translation>
    </message>
    <message>
        <source>Save camera snapshot</source>
        <translation>儲存攝影機快照</translation>
    </message>
    <message>
        <source>Could not save the image.</source>
        <translation>無法儲存圖片。</translation>
    </message>
    <message>
        <source>Camera Permission</source>
        <translation>攝影機權限</translation>
    </message>
    <message>
        <source>Camera access is off. Allow Vistrelle in System Settings &gt; Privacy &amp; Security &gt; Camera.</source>
        <translation>攝影機權限已關閉。請在 系統設定 &gt; 隱私權與安全性 &gt; 攝影機 中允許 Vistrelle。</translation>
    </message>
    <message>
        <source>Open Settings</source>
        <translation>開啟設定</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>繼續</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暫停</translation>
    </message>
    <message>
        <source>On</source>
        <translation>開</translation>
    </message>
    <message>
        <source>Starting…</source>
        <translation>啟動中…</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>關</translation>
    </message>
</context>
<context>
    <name>CameraSettingsDialog</name>
    <message>
        <source>开关</source>
        <translation>開關</translation>
    </message>
    <message>
        <source>点击九宫格选择摄像头位置</source>
        <translation>點擊九宮格選擇攝影機位置</translation>
    </message>
    <message>
        <source>摄像头位置九宫格</source>
        <translation>攝影機位置九宮格</translation>
    </message>
    <message>
        <source>摄像头设置</source>
        <translation>攝影機設定</translation>
    </message>
    <message>
        <source>正在启动摄像头…</source>
        <translation>正在啟動攝影機…</translation>
    </message>
    <message>
        <source>实时预览</source>
        <translation>即時預覽</translation>
    </message>
    <message>
        <source>摄像头关闭时，将在这里显示 · 开启摄像头后可预览</source>
        <translation>攝影機關閉時，將在這裡顯示 · 開啟攝影機後可預覽</translation>
    </message>
    <message>
        <source>摄像头设备</source>
        <translation>攝影機裝置</translation>
    </message>
    <message>
        <source>自动</source>
        <translation>自動</translation>
    </message>
    <message>
        <source>帧率</source>
        <translation>影格率</translation>
    </message>
    <message>
        <source>视频质量</source>
        <translation>影片品質</translation>
    </message>
    <message>
        <source>画面形状</source>
        <translation>畫面形狀</translation>
    </message>
    <message>
        <source>圆形</source>
        <translation>圓形</translation>
    </message>
    <message>
        <source>圆角矩形</source>
        <translation>圓角矩形</translation>
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
        <translation>置中</translation>
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
        <translation>攝影機位置</translation>
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
        <translation>畫面大小</translation>
    </message>
    <message>
        <source>镜像画面</source>
        <translation>鏡像畫面</translation>
    </message>
    <message>
        <source>让预览效果更自然</source>
        <translation>讓預覽效果更自然</translation>
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
        <translation>開啟攝影機後可預覽</translation>
    </message>
    <message>
        <source>未检测到摄像头</source>
        <translation>未偵測到攝影機</translation>
    </message>
    <message>
        <source>未检测到可用摄像头</source>
        <translation>未偵測到可用的攝影機</translation>
    </message>
    <message>
        <source>摄像头无法启动，请检查系统权限</source>
        <translation>攝影機無法啟動，請檢查系統權限</translation>
    </message>
</context>
<context>
    <name>CaptureTargetDialog</name>
    <message>
        <source>选择游戏</source>
        <translation>選擇遊戲</translation>
    </message>
    <message>
        <source>选择窗口</source>
        <translation>選擇視窗</translation>
    </message>
    <message>
        <source>选择游戏窗口</source>
        <translation>選擇遊戲視窗</translation>
    </message>
    <message>
        <source>选择录制窗口</source>
        <translation>選擇錄製視窗</translation>
    </message>
    <message>
        <source>刷新</source>
        <translation>重新整理</translation>
    </message>
    <message>
        <source>Select a window</source>
        <translation>選擇視窗</translation>
    </message>
    <message>
        <source>Process information unavailable</source>
        <translation>程序資訊無法使用</translation>
    </message>
    <message>
        <source>Loading preview…</source>
        <translation>正在載入預覽…</translation>
    </message>
    <message>
        <source>当前没有可捕获窗口。请先打开目标程序，然后点击刷新。</source>
        <translation>目前沒有可擷取的視窗。請先開啟目標程式，然後點擊重新整理。</translation>
    </message>
    <message>
        <source>选择要录制的游戏或应用窗口。录制时不要最小化窗口。</source>
        <translation>選擇要錄製的遊戲或應用程式視窗。錄製時請勿最小化視窗。</translation>
    </message>
    <message>
        <source>录制时不要最小化窗口。</source>
        <translation>錄製時請勿最小化視窗。</translation>
    </message>
    <message>
        <source>Preview timed out — check screen recording access</source>
        <translation>預覽逾時 — 請檢查螢幕錄製權限</translation>
    </message>
    <message>
        <source>Preview unavailable — check screen recording access</source>
        <translation>預覽無法使用 — 請檢查螢幕錄製權限</translation>
    </message>
</context>
<context>
    <name>Common</name>
    <message>
        <source>Open Folder</source>
        <translation>開啟資料夾</translation>
    </message>
    <message>
        <source>无法打开文件夹：
%1</source>
        <translation>無法開啟資料夾：
%1</translation>
    </message>
</context>
<context>
    <name>CompletionDialog</name>
    <message>
        <source>文件已保存到以下文件夹</source>
        <translation>檔案已儲存到以下資料夾</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>開啟資料夾</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>確定</translation>
    </message>
</context>
<context>
    <name>ControlsArea</name>
    <message>
        <source>全屏</source>
        <translation>全螢幕</translation>
    </message>
    <message>
        <source>自定义</source>
        <translation>自訂</translation>
    </message>
    <message>
        <source>尚未选择窗口</source>
        <translation>尚未選擇視窗</translation>
    </message>
    <message>
        <source>请选择录制目标</source>
        <translation>請選擇錄製目標</translation>
    </message>
    <message>
        <source>选择窗口</source>
        <translation>選擇視窗</translation>
    </message>
    <message>
        <source>纯音频录制</source>
        <translation>純音訊錄製</translation>
    </message>
    <message>
        <source>音质</source>
        <translation>音質</translation>
    </message>
    <message>
        <source>128 kbps · 较小</source>
        <translation>128 kbps · 較小</translation>
    </message>
    <message>
        <source>192 kbps · 推荐</source>
        <translation>192 kbps · 推薦</translation>
    </message>
    <message>
        <source>320 kbps · 高质量</source>
        <translation>320 kbps · 高品質</translation>
    </message>
    <message>
        <source>无损 · 由格式决定</source>
        <translation>無損 · 由格式決定</translation>
    </message>
    <message>
        <source>录摄像头</source>
        <translation>錄攝影機</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>扬声器</source>
        <translation>揚聲器</translation>
    </message>
    <message>
        <source>试音</source>
        <translation>試音</translation>
    </message>
    <message>
        <source>麦克风</source>
        <translation>麥克風</translation>
    </message>
    <message>
        <source>开始录制</source>
        <translation>開始錄製</translation>
    </message>
    <message>
        <source>纯音频模式不录制摄像头</source>
        <translation>純音訊模式不錄製攝影機</translation>
    </message>
    <message>
        <source>选择游戏</source>
        <translation>選擇遊戲</translation>
    </message>
    <message>
        <source>尚未选择游戏</source>
        <translation>尚未選擇遊戲</translation>
    </message>
    <message>
        <source>高性能屏幕采集模式</source>
        <translation>高效能螢幕擷取模式</translation>
    </message>
    <message>
        <source>选择%1设备</source>
        <translation>選擇%1裝置</translation>
    </message>
    <message>
        <source>选择设备和音频设置</source>
        <translation>選擇裝置和音訊設定</translation>
    </message>
    <message>
        <source>开启</source>
        <translation>開啟</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>默认设备</source>
        <translation>預設裝置</translation>
    </message>
    <message>
        <source>默认 · %1</source>
        <translation>預設 · %1</translation>
    </message>
    <message>
        <source>选择扬声器</source>
        <translation>選擇揚聲器</translation>
    </message>
    <message>
        <source>选择麦克风</source>
        <translation>選擇麥克風</translation>
    </message>
    <message>
        <source>音频高级设置…</source>
        <translation>音訊進階設定…</translation>
    </message>
    <message>
        <source>系统声音</source>
        <translation>系統聲音</translation>
    </message>
    <message>
        <source>无法监听所选扬声器：%1</source>
        <translation>無法監聽所選揚聲器：%1</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>未检测到声音，请先播放一段音频</source>
        <translation>未偵測到聲音，請先播放一段音訊</translation>
    </message>
    <message>
        <source>已检测到系统播放声音</source>
        <translation>已偵測到系統播放聲音</translation>
    </message>
    <message>
        <source>无设备</source>
        <translation>無裝置</translation>
    </message>
    <message>
        <source>不可用</source>
        <translation>無法使用</translation>
    </message>
    <message>
        <source>未检测到声音，请检查麦克风或权限</source>
        <translation>未偵測到聲音，請檢查麥克風或權限</translation>
    </message>
    <message>
        <source>已检测到麦克风声音</source>
        <translation>已偵測到麥克風聲音</translation>
    </message>
    <message>
        <source>系统声音实时电平</source>
        <translation>系統聲音即時電平</translation>
    </message>
    <message>
        <source>麦克风实时电平</source>
        <translation>麥克風即時電平</translation>
    </message>
    <message>
        <source>停止试音</source>
        <translation>停止試音</translation>
    </message>
    <message>
        <source>输出</source>
        <translation>輸出</translation>
    </message>
    <message>
        <source>输入</source>
        <translation>輸入</translation>
    </message>
    <message>
        <source>正在监听，请播放一段声音</source>
        <translation>正在監聽，請播放一段聲音</translation>
    </message>
    <message>
        <source>正在监听，请对麦克风说话</source>
        <translation>正在監聽，請對麥克風說話</translation>
    </message>
    <message>
        <source>录音检查</source>
        <translation>錄音檢查</translation>
    </message>
    <message>
        <source>请至少开启扬声器或麦克风。</source>
        <translation>請至少開啟揚聲器或麥克風。</translation>
    </message>
    <message>
        <source>没有可用的扬声器设备，无法录制系统声音。</source>
        <translation>沒有可用的揚聲器裝置，無法錄製系統聲音。</translation>
    </message>
    <message>
        <source>没有可用的麦克风，请重新连接或选择输入设备。</source>
        <translation>沒有可用的麥克風，請重新連接或選擇輸入裝置。</translation>
    </message>
    <message>
        <source>停止录制</source>
        <translation>停止錄製</translation>
    </message>
    <message>
        <source>Camera Permission</source>
        <translation>攝影機權限</translation>
    </message>
    <message>
        <source>Camera access is off. Allow Vistrelle in System Settings &gt; Privacy &amp; Security &gt; Camera.</source>
        <translation>攝影機權限已關閉。請在 系統設定 &gt; 隱私權與安全性 &gt; 攝影機 中允許 Vistrelle。</translation>
    </message>
    <message>
        <source>Open Settings</source>
        <translation>開啟設定</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>高性能屏幕采集</source>
        <translation>高效能螢幕擷取</translation>
    </message>
    <message>
        <source> · 高性能屏幕采集</source>
        <translation> · 高效能螢幕擷取</translation>
    </message>
    <message>
        <source>%1 · 不可用</source>
        <translation>%1 · 無法使用</translation>
    </message>
    <message>
        <source>摄像头</source>
        <translation>攝影機</translation>
    </message>
    <message>
        <source>没有检测到可用摄像头。</source>
        <translation>沒有偵測到可用的攝影機。</translation>
    </message>
</context>
<context>
    <name>CountdownOverlay</name>
    <message>
        <source>开始/停止</source>
        <translation>開始/停止</translation>
    </message>
    <message>
        <source>暂停/恢复</source>
        <translation>暫停/繼續</translation>
    </message>
</context>
<context>
    <name>ExportDialog</name>
    <message>
        <source>导出</source>
        <translation>匯出</translation>
    </message>
    <message>
        <source>↑  导出设置</source>
        <translation>↑  匯出設定</translation>
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
        <translation>GIF 動圖 (.gif)</translation>
    </message>
    <message>
        <source>仅音频 MP3 (.mp3)</source>
        <translation>僅音訊 MP3 (.mp3)</translation>
    </message>
    <message>
        <source>仅音频 AAC (.aac)</source>
        <translation>僅音訊 AAC (.aac)</translation>
    </message>
    <message>
        <source>格式</source>
        <translation>格式</translation>
    </message>
    <message>
        <source>视频编码</source>
        <translation>視訊編碼</translation>
    </message>
    <message>
        <source>视频码率</source>
        <translation>視訊位元速率</translation>
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
        <translation>GIF 影格率</translation>
    </message>
    <message>
        <source>GIF 宽度</source>
        <translation>GIF 寬度</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>开始导出</source>
        <translation>開始匯出</translation>
    </message>
    <message>
        <source>✓ 已保存到: </source>
        <translation>✓ 已儲存到：</translation>
    </message>
    <message>
        <source>保存为</source>
        <translation>另存為</translation>
    </message>
    <message>
        <source>视频文件 (*.mp4 *.mkv *.gif *.mp3 *.aac)</source>
        <translation>媒體檔案 (*.mp4 *.mkv *.gif *.mp3 *.aac)</translation>
    </message>
    <message>
        <source>导出中...</source>
        <translation>匯出中...</translation>
    </message>
</context>
<context>
    <name>FfmpegJob</name>
    <message>
        <source>FFmpeg 没有在 %1 秒内完成。</source>
        <translation>FFmpeg 沒有在 %1 秒內完成。</translation>
    </message>
    <message>
        <source>FFmpeg 意外终止。</source>
        <translation>FFmpeg 意外終止。</translation>
    </message>
    <message>
        <source>FFmpeg 以退出码 %1 结束，没有说明原因。</source>
        <translation>FFmpeg 以結束代碼 %1 結束，沒有說明原因。</translation>
    </message>
</context>
<context>
    <name>FloatingToolbar</name>
    <message>
        <source>正在录制</source>
        <translation>正在錄製</translation>
    </message>
    <message>
        <source>初始化…</source>
        <translation>初始化…</translation>
    </message>
    <message>
        <source>写入中…</source>
        <translation>寫入中…</translation>
    </message>
    <message>
        <source>关闭摄像头</source>
        <translation>關閉攝影機</translation>
    </message>
    <message>
        <source>开启摄像头</source>
        <translation>開啟攝影機</translation>
    </message>
    <message>
        <source>画笔</source>
        <translation>畫筆</translation>
    </message>
    <message>
        <source>箭头</source>
        <translation>箭頭</translation>
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
        <translation>直線</translation>
    </message>
    <message>
        <source>圆形</source>
        <translation>圓形</translation>
    </message>
    <message>
        <source>高亮笔</source>
        <translation>螢光筆</translation>
    </message>
    <message>
        <source>橡皮擦</source>
        <translation>橡皮擦</translation>
    </message>
    <message>
        <source>撤销 Ctrl+Z</source>
        <translation>復原 Ctrl+Z</translation>
    </message>
    <message>
        <source>清除全部 Del</source>
        <translation>全部清除 Del</translation>
    </message>
    <message>
        <source>退出注释模式</source>
        <translation>退出註解模式</translation>
    </message>
    <message>
        <source>选择工具后在屏幕上绘制，ESC 或点“退出”结束注释</source>
        <translation>選擇工具後在螢幕上繪製，ESC 或點「退出」結束註解</translation>
    </message>
    <message>
        <source>选择颜色</source>
        <translation>選擇顏色</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>已暂停</source>
        <translation>已暫停</translation>
    </message>
    <message>
        <source>正在保存…</source>
        <translation>正在儲存…</translation>
    </message>
</context>
<context>
    <name>GlobalHotkey</name>
    <message>
        <source>%1（不支持的按键）</source>
        <translation>%1（不支援的按鍵）</translation>
    </message>
</context>
<context>
    <name>HomePage</name>
    <message>
        <source>Start Recording</source>
        <translation>開始錄製</translation>
    </message>
    <message>
        <source>Media Library</source>
        <translation>媒體庫</translation>
    </message>
    <message>
        <source>Choose a recording mode</source>
        <translation>選擇錄製模式</translation>
    </message>
    <message>
        <source>Scheduled Recording</source>
        <translation>排程錄製</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>全螢幕</translation>
    </message>
    <message>
        <source>Custom Area</source>
        <translation>自訂區域</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>視窗</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>遊戲</translation>
    </message>
    <message>
        <source>Audio Only</source>
        <translation>僅音訊</translation>
    </message>
    <message>
        <source>Webcam</source>
        <translation>攝影機</translation>
    </message>
    <message>
        <source>Recent recordings</source>
        <translation>最近的錄製</translation>
    </message>
    <message>
        <source>View all  ›</source>
        <translation>檢視全部  ›</translation>
    </message>
    <message>
        <source>No recordings yet</source>
        <translation>尚無錄製</translation>
    </message>
</context>
<context>
    <name>LinkManager</name>
    <message>
        <source>Unable to open browser</source>
        <translation>無法開啟瀏覽器</translation>
    </message>
    <message>
        <source>Unable to open the default browser.

Please visit this link manually:
%1</source>
        <translation>無法開啟預設瀏覽器。

請手動造訪此連結：
%1</translation>
    </message>
    <message>
        <source>Link unavailable</source>
        <translation>連結無法使用</translation>
    </message>
    <message>
        <source>The requested page link is not configured.</source>
        <translation>所要求頁面的連結尚未設定。</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>显示 Vistrelle</source>
        <translation>顯示 Vistrelle</translation>
    </message>
    <message>
        <source>Start Recording</source>
        <translation>開始錄製</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>結束</translation>
    </message>
    <message>
        <source>快捷键设置</source>
        <translation>快速鍵設定</translation>
    </message>
    <message>
        <source>以下快捷键无法注册，可能已被其他程序占用或按键不受支持：
%1</source>
        <translation>以下快速鍵無法註冊，可能已被其他程式占用或按鍵不受支援：
%1</translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>停止錄製</translation>
    </message>
    <message>
        <source>日志文件夹</source>
        <translation>日誌資料夾</translation>
    </message>
    <message>
        <source>无法打开日志文件夹。</source>
        <translation>無法開啟日誌資料夾。</translation>
    </message>
    <message>
        <source>录制性能已自动调整</source>
        <translation>錄製效能已自動調整</translation>
    </message>
    <message>
        <source>%1 FPS 已自动降为 %2 FPS。%3</source>
        <translation>%1 FPS 已自動降為 %2 FPS。%3</translation>
    </message>
    <message>
        <source>录制性能提示</source>
        <translation>錄製效能提示</translation>
    </message>
    <message>
        <source>4K 录制性能</source>
        <translation>4K 錄製效能</translation>
    </message>
    <message>
        <source>没有可用的硬件 H.264 编码器</source>
        <translation>沒有可用的硬體 H.264 編碼器</translation>
    </message>
    <message>
        <source>%1 × %2、%3 FPS 的录制可能掉帧。请选择本次录制方式。</source>
        <translation>%1 × %2、%3 FPS 的錄製可能掉格。請選擇本次錄製方式。</translation>
    </message>
    <message>
        <source>保持 4K，15 FPS（推荐）</source>
        <translation>保持 4K，15 FPS（建議）</translation>
    </message>
    <message>
        <source>1080p，30 FPS</source>
        <translation>1080p，30 FPS</translation>
    </message>
    <message>
        <source>强制 4K，30 FPS</source>
        <translation>強制 4K，30 FPS</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>录制后处理提示</source>
        <translation>錄製後處理提示</translation>
    </message>
    <message>
        <source>录音完成</source>
        <translation>錄音完成</translation>
    </message>
    <message>
        <source>音频已保存到：%1</source>
        <translation>音訊已儲存到：%1</translation>
    </message>
    <message>
        <source>录制提示</source>
        <translation>錄製提示</translation>
    </message>
    <message>
        <source>Vistrelle recording toolbar</source>
        <translation>Vistrelle 錄製工具列</translation>
    </message>
    <message>
        <source>Vistrelle preparation toolbar</source>
        <translation>Vistrelle 準備工具列</translation>
    </message>
    <message>
        <source>Display %1</source>
        <translation>顯示器 %1</translation>
    </message>
    <message>
        <source>Audio only</source>
        <translation>僅音訊</translation>
    </message>
    <message>
        <source>Camera preview</source>
        <translation>攝影機預覽</translation>
    </message>
    <message>
        <source>Camera Recording</source>
        <translation>攝影機錄製</translation>
    </message>
    <message>
        <source>Stop recording and return to Home?</source>
        <translation>要停止錄製並返回首頁嗎？</translation>
    </message>
    <message>
        <source>Wait for a live camera preview before recording.</source>
        <translation>請等待攝影機即時預覽出現後再錄製。</translation>
    </message>
    <message>
        <source>Vistrelle countdown</source>
        <translation>Vistrelle 倒數</translation>
    </message>
    <message>
        <source>摄像头</source>
        <translation>攝影機</translation>
    </message>
    <message>
        <source>没有检测到可用摄像头。</source>
        <translation>沒有偵測到可用的攝影機。</translation>
    </message>
    <message>
        <source>摄像头无法启动，请检查权限或设备占用情况。</source>
        <translation>攝影機無法啟動，請檢查權限或裝置是否被占用。</translation>
    </message>
    <message>
        <source>Camera Permission</source>
        <translation>攝影機權限</translation>
    </message>
    <message>
        <source>Camera access is off. Allow Vistrelle in System Settings &gt; Privacy &amp; Security &gt; Camera.</source>
        <translation>攝影機權限已關閉。請在 系統設定 &gt; 隱私權與安全性 &gt; 攝影機 中允許 Vistrelle。</translation>
    </message>
    <message>
        <source>Open Settings</source>
        <translation>開啟設定</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>计划录制</source>
        <translation>排程錄製</translation>
    </message>
    <message>
        <source>请先在首页为窗口或游戏模式选择录制目标。</source>
        <translation>請先在首頁為視窗或遊戲模式選擇錄製目標。</translation>
    </message>
    <message>
        <source>已有录制正在进行，本次计划已跳过。</source>
        <translation>已有錄製正在進行，本次排程已略過。</translation>
    </message>
    <message>
        <source>退出后计划录制将不会执行。

确定要退出 Vistrelle 吗？</source>
        <translation>結束後排程錄製將不會執行。

確定要結束 Vistrelle 嗎？</translation>
    </message>
    <message>
        <source>仍在录制</source>
        <translation>仍在錄製</translation>
    </message>
    <message>
        <source>Vistrelle 已隐藏到系统托盘，录制继续进行。</source>
        <translation>Vistrelle 已隱藏到系統匣，錄製繼續進行。</translation>
    </message>
    <message>
        <source>Vistrelle 仍在后台运行</source>
        <translation>Vistrelle 仍在背景執行</translation>
    </message>
    <message>
        <source>已最小化到系统托盘，点击或双击托盘图标可重新打开。</source>
        <translation>已最小化到系統匣，按一下或按兩下系統匣圖示可重新開啟。</translation>
    </message>
    <message>
        <source>About Vistrelle</source>
        <translation>關於 Vistrelle</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>版本 %1</translation>
    </message>
    <message>
        <source>Vistrelle is a fast, reliable screen recorder for Linux. Record screens, windows, games, system audio, microphones, and webcams, then edit and manage recordings locally with no cloud upload required.</source>
        <translation>Vistrelle 是一款快速、可靠的 Linux 螢幕錄製軟體。錄製螢幕、視窗、遊戲、系統聲音、麥克風和攝影機，並在本機編輯和管理錄製內容，無需上傳雲端。</translation>
    </message>
    <message>
        <source>Development Team</source>
        <translation>開發團隊</translation>
    </message>
    <message>
        <source>The Vistrelle developers</source>
        <translation>Vistrelle 開發者</translation>
    </message>
    <message>
        <source>© Vistrelle. All rights reserved.</source>
        <translation>© Vistrelle。保留所有權利。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>切换语言</source>
        <translation>切換語言</translation>
    </message>
    <message>
        <source>无法保存语言设置，请检查当前用户的配置权限。</source>
        <translation>無法儲存語言設定，請檢查目前使用者的設定權限。</translation>
    </message>
    <message>
        <source>语言设置已保存，重启 Vistrelle 后生效。是否立即重启？</source>
        <translation>語言設定已儲存，重新啟動 Vistrelle 後生效。是否立即重新啟動？</translation>
    </message>
    <message>
        <source>重启失败</source>
        <translation>重新啟動失敗</translation>
    </message>
    <message>
        <source>无法自动重启，请手动重新打开 Vistrelle。</source>
        <translation>無法自動重新啟動，請手動重新開啟 Vistrelle。</translation>
    </message>
    <message>
        <source>录制的窗口已关闭</source>
        <translation>錄製的視窗已關閉</translation>
    </message>
    <message>
        <source>Custom Area</source>
        <translation>自訂區域</translation>
    </message>
    <message>
        <source>The display of the chosen area is no longer connected. Choose the area again.</source>
        <translation>所選區域所在的顯示器已中斷連線。請重新選擇區域。</translation>
    </message>
    <message>
        <source>Nothing was recorded: the program quit before the recording began.</source>
        <translation>沒有錄下任何內容：程式在錄製開始前結束了。</translation>
    </message>
</context>
<context>
    <name>MediaProbe</name>
    <message>
        <source>无法启动 ffprobe（%1）。</source>
        <translation>無法啟動 ffprobe（%1）。</translation>
    </message>
    <message>
        <source>ffprobe 没有在 %1 秒内结束。</source>
        <translation>ffprobe 沒有在 %1 秒內結束。</translation>
    </message>
    <message>
        <source>ffprobe 没有给出可读的回答。</source>
        <translation>ffprobe 沒有給出可讀的回答。</translation>
    </message>
</context>
<context>
    <name>ModeBar</name>
    <message>
        <source>录制屏幕</source>
        <translation>錄製螢幕</translation>
    </message>
    <message>
        <source>录制窗口</source>
        <translation>錄製視窗</translation>
    </message>
    <message>
        <source>游戏录制</source>
        <translation>遊戲錄製</translation>
    </message>
    <message>
        <source>高性能屏幕录制</source>
        <translation>高效能螢幕錄製</translation>
    </message>
    <message>
        <source>录制音频</source>
        <translation>錄製音訊</translation>
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
        <translation>截圖</translation>
    </message>
    <message>
        <source>无法保存截图到 %1。</source>
        <translation>無法將截圖儲存到 %1。</translation>
    </message>
</context>
<context>
    <name>QDialog</name>
    <message>
        <source>Enable Screen Recording</source>
        <translation>開啟螢幕錄製權限</translation>
    </message>
    <message>
        <source>Enable Microphone Access</source>
        <translation>開啟麥克風權限</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Vistrelle needs permission before it can record your screen.</source>
        <translation>Vistrelle 需要取得權限才能錄製你的螢幕。</translation>
    </message>
    <message>
        <source>Vistrelle needs permission before it can record your voice.</source>
        <translation>Vistrelle 需要取得權限才能錄製你的聲音。</translation>
    </message>
    <message>
        <source>Screen &amp; System Audio Recording</source>
        <translation>螢幕與系統錄音</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>麥克風</translation>
    </message>
    <message>
        <source>Allow these apps to record your screen.</source>
        <translation>允許這些應用程式錄製你的螢幕。</translation>
    </message>
    <message>
        <source>Allow these apps to use your microphone.</source>
        <translation>允許這些應用程式使用你的麥克風。</translation>
    </message>
    <message>
        <source>Illustration of macOS System Settings</source>
        <translation>macOS 系統設定示意圖</translation>
    </message>
    <message>
        <source>Three quick steps</source>
        <translation>三個簡單步驟</translation>
    </message>
    <message>
        <source>Open Screen Recording settings.</source>
        <translation>開啟「螢幕錄製」設定。</translation>
    </message>
    <message>
        <source>Open Microphone settings.</source>
        <translation>開啟「麥克風」設定。</translation>
    </message>
    <message>
        <source>Turn on Vistrelle.</source>
        <translation>開啟 Vistrelle 的開關。</translation>
    </message>
    <message>
        <source>Quit and reopen Vistrelle, then record.</source>
        <translation>結束並重新開啟 Vistrelle，然後開始錄製。</translation>
    </message>
    <message>
        <source>Return and start recording.</source>
        <translation>返回並開始錄製。</translation>
    </message>
    <message>
        <source>Restart Vistrelle after changing this setting.</source>
        <translation>變更此設定後請重新啟動 Vistrelle。</translation>
    </message>
    <message>
        <source>You can also turn off Microphone and record without voice.</source>
        <translation>你也可以關閉麥克風，錄製不含人聲的內容。</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>以後再說</translation>
    </message>
    <message>
        <source>Open Settings ↗</source>
        <translation>開啟設定 ↗</translation>
    </message>
    <message>
        <source>Open System Settings &gt; Privacy &amp; Security &gt; Screen &amp; System Audio Recording and allow Vistrelle.</source>
        <translation>請開啟 系統設定 &gt; 隱私權與安全性 &gt; 螢幕與系統錄音，並允許 Vistrelle。</translation>
    </message>
    <message>
        <source>Open System Settings &gt; Privacy &amp; Security &gt; Microphone and allow Vistrelle.</source>
        <translation>請開啟 系統設定 &gt; 隱私權與安全性 &gt; 麥克風，並允許 Vistrelle。</translation>
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
        <translation>預計剩餘 --:--</translation>
    </message>
    <message>
        <source>预计剩余 %1:%2</source>
        <translation>預計剩餘 %1:%2</translation>
    </message>
    <message>
        <source>播放失败</source>
        <translation>播放失敗</translation>
    </message>
    <message>
        <source>文件不存在：%1</source>
        <translation>檔案不存在：%1</translation>
    </message>
    <message>
        <source>没有打开可播放文件</source>
        <translation>沒有開啟可播放的檔案</translation>
    </message>
    <message>
        <source>Vistrelle is already running</source>
        <translation>Vistrelle 已在執行</translation>
    </message>
    <message>
        <source>Another Vistrelle process is running. Finish its recording and quit it before opening Vistrelle again.</source>
        <translation>另一個 Vistrelle 程序正在執行。請先結束其錄製並退出，再重新開啟 Vistrelle。</translation>
    </message>
    <message>
        <source>已有 FFmpeg 任务正在执行</source>
        <translation>已有 FFmpeg 工作正在執行</translation>
    </message>
    <message>
        <source>FFmpeg 未找到或无法启动：%1</source>
        <translation>找不到 FFmpeg 或無法啟動：%1</translation>
    </message>
    <message>
        <source>操作已取消</source>
        <translation>作業已取消</translation>
    </message>
    <message>
        <source>FFmpeg 出错：
%1</source>
        <translation>FFmpeg 發生錯誤：
%1</translation>
    </message>
    <message>
        <source>裁剪参数无效</source>
        <translation>裁剪參數無效</translation>
    </message>
    <message>
        <source>合并参数无效</source>
        <translation>合併參數無效</translation>
    </message>
    <message>
        <source>无法创建合并列表文件</source>
        <translation>無法建立合併清單檔案</translation>
    </message>
    <message>
        <source>变速参数无效</source>
        <translation>變速參數無效</translation>
    </message>
    <message>
        <source>转场效果无效：%1</source>
        <translation>轉場效果無效：%1</translation>
    </message>
    <message>
        <source>转场失败：至少有一个视频时长小于转场时长</source>
        <translation>轉場失敗：至少有一個影片時長小於轉場時長</translation>
    </message>
    <message>
        <source>音频降噪需要 sh.rnnn 模型文件，请放到程序目录，或先关闭音频降噪。</source>
        <translation>音訊降噪需要 sh.rnnn 模型檔案，請放到程式目錄，或先關閉音訊降噪。</translation>
    </message>
    <message>
        <source>字幕文件不存在：%1</source>
        <translation>字幕檔案不存在：%1</translation>
    </message>
    <message>
        <source>FFmpeg 报告完成，但没有写出可用的文件：
%1</source>
        <translation>FFmpeg 回報完成，但沒有寫出可用的檔案：
%1</translation>
    </message>
    <message>
        <source>格式无效或不受支持</source>
        <translation>格式無效或不受支援</translation>
    </message>
    <message>
        <source>没有读取权限</source>
        <translation>沒有讀取權限</translation>
    </message>
    <message>
        <source>文件无法读取或已损坏</source>
        <translation>檔案無法讀取或已損毀</translation>
    </message>
    <message>
        <source>无法打开文件：%1</source>
        <translation>無法開啟檔案：%1</translation>
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
        <translation>正在載入預覽…</translation>
    </message>
    <message>
        <source>Preview unavailable</source>
        <translation>無法預覽</translation>
    </message>
</context>
<context>
    <name>Recorder</name>
    <message>
        <source>无法创建文件夹：%1</source>
        <translation>無法建立資料夾：%1</translation>
    </message>
    <message>
        <source>正在强制使用 CPU 录制 4K 30 FPS；已启用最快编码预设并将码率提高到 %1 kbps。</source>
        <translation>正在強制使用 CPU 錄製 4K 30 FPS；已啟用最快編碼預設並將位元率提高到 %1 kbps。</translation>
    </message>
    <message>
        <source>未检测到可用的硬件编码器，已将输出缩放为 %1 × %2、30 FPS。</source>
        <translation>未偵測到可用的硬體編碼器，已將輸出縮放為 %1 × %2、30 FPS。</translation>
    </message>
    <message>
        <source>4K 当前只能使用 CPU 编码，已采用更容易实时处理的 15 FPS。</source>
        <translation>4K 目前只能使用 CPU 編碼，已採用更容易即時處理的 15 FPS。</translation>
    </message>
    <message>
        <source>请至少开启系统声音或麦克风。</source>
        <translation>請至少開啟系統聲音或麥克風。</translation>
    </message>
    <message>
        <source>系统声音录制需要 macOS 13 或更高版本。</source>
        <translation type="vanished">系統聲音錄製需要 macOS 13 或更高版本。</translation>
    </message>
    <message>
        <source>没有找到所选麦克风，请重新选择输入设备。</source>
        <translation>沒有找到所選麥克風，請重新選擇輸入裝置。</translation>
    </message>
    <message>
        <source>保存磁盘剩余空间不足 %1 GB，请清理空间或更换保存目录。</source>
        <translation>儲存磁碟剩餘空間不足 %1 GB，請清理空間或更換儲存目錄。</translation>
    </message>
    <message>
        <source>无法捕获系统声音：%1</source>
        <translation type="vanished">無法擷取系統聲音：%1</translation>
    </message>
    <message>
        <source>FFmpeg 启动失败。请确认 ffmpeg 已放到程序目录或系统 PATH。
%1</source>
        <translation>FFmpeg 啟動失敗。請確認 ffmpeg 已放到程式目錄或系統 PATH。
%1</translation>
    </message>
    <message>
        <source>无法启动不含工具栏的屏幕录制：%1</source>
        <translation>無法啟動不含工具列的螢幕錄製：%1</translation>
    </message>
    <message>
        <source>无法删除已丢弃录制的临时文件：%1</source>
        <translation>無法刪除已捨棄錄製的暫存檔案：%1</translation>
    </message>
    <message>
        <source>FFmpeg 被 SIGKILL 信号终止；编码进度日志没有说明终止原因。</source>
        <translation>FFmpeg 被 SIGKILL 訊號終止；編碼進度記錄沒有說明終止原因。</translation>
    </message>
    <message>
        <source>FFmpeg 没有输出具体错误信息。</source>
        <translation>FFmpeg 沒有輸出具體錯誤訊息。</translation>
    </message>
    <message>
        <source>硬件编码器 %1 无法处理当前采集规格，已自动切换到 CPU 编码。</source>
        <translation>硬體編碼器 %1 無法處理目前擷取規格，已自動切換到 CPU 編碼。</translation>
    </message>
    <message>
        <source>DXGI 高性能采集不可用，已自动切换到 GDI 兼容模式。</source>
        <translation>DXGI 高效能擷取無法使用，已自動切換到 GDI 相容模式。</translation>
    </message>
    <message>
        <source>录制进程意外结束。分段已保留在：
%1</source>
        <translation>錄製程序意外結束。分段已保留在：
%1</translation>
    </message>
    <message>
        <source>录制分段异常，退出码=%1。已生成的分段仍保留在：
%2
%3</source>
        <translation>錄製分段異常，結束代碼=%1。已產生的分段仍保留在：
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
        <translation>攝影機預覽尚未就緒。</translation>
    </message>
    <message>
        <source>没有有效的窗口录制目标。</source>
        <translation>沒有有效的視窗錄製目標。</translation>
    </message>
    <message>
        <source>窗口捕获启动失败：%1</source>
        <translation>視窗擷取啟動失敗：%1</translation>
    </message>
    <message>
        <source>窗口捕获启动失败或目标窗口没有产生画面。</source>
        <translation>視窗擷取啟動失敗，或目標視窗沒有產生畫面。</translation>
    </message>
    <message>
        <source>实际编码速度或有效帧率持续低于 120 FPS 要求</source>
        <translation>實際編碼速度或有效影格率持續低於 120 FPS 要求</translation>
    </message>
    <message>
        <source>设备持续无法稳定达到 60 FPS，建议下次使用 30 FPS 或硬件编码。</source>
        <translation>裝置持續無法穩定達到 60 FPS，建議下次使用 30 FPS 或硬體編碼。</translation>
    </message>
    <message>
        <source>屏幕采集持续低于 30 FPS 要求，建议关闭高负载程序或改用 720p 录制。</source>
        <translation>螢幕擷取持續低於 30 FPS 要求，建議關閉高負載程式或改用 720p 錄製。</translation>
    </message>
    <message>
        <source>Screen capture is still dropping frames. Switched to 720p for smoother recording.</source>
        <translation>螢幕擷取仍在掉格，已切換到 720p 以使錄製更流暢。</translation>
    </message>
    <message>
        <source>屏幕采集持续掉帧，已自动切换到 1080p 以保持录制流畅。</source>
        <translation>螢幕擷取持續掉格，已自動切換到 1080p 以保持錄製流暢。</translation>
    </message>
    <message>
        <source>录制的窗口已不可用，画面停留在最后一帧：%1</source>
        <translation>錄製的視窗已無法使用，畫面停留在最後一格：%1</translation>
    </message>
    <message>
        <source>这个文件名之前的录制分段仍保留在：
%1
请先移走这些分段，或换一个文件名后再录制。</source>
        <translation>這個檔名先前的錄製分段仍保留在：
%1
請先移走這些分段，或換一個檔名後再錄製。</translation>
    </message>
    <message>
        <source>最后一个录制分段无法读取，没有合并进录像，已保留在：
%1</source>
        <translation>最後一個錄製分段無法讀取，沒有合併進錄影，已保留在：
%1</translation>
    </message>
    <message>
        <source>保存磁盘的剩余空间已不足 %1 MB，录制已停止；已录制的内容会正常保存。</source>
        <translation type="vanished">儲存磁碟的剩餘空間已不足 %1 MB，錄製已停止；已錄製的內容會正常儲存。</translation>
    </message>
    <message>
        <source>屏幕录制不可用：屏幕录制需要 X11 会话，在 Wayland 下无法录制屏幕。</source>
        <translation>螢幕錄製無法使用：螢幕錄製需要 X11 工作階段，在 Wayland 下無法錄製螢幕。</translation>
    </message>
    <message>
        <source>录制分段异常，退出码=%1。没有录下任何内容。
%2</source>
        <translation>錄製分段異常，結束代碼=%1。沒有錄下任何內容。
%2</translation>
    </message>
    <message>
        <source>无法录制麦克风：%1</source>
        <translation type="vanished">無法錄製麥克風：%1</translation>
    </message>
    <message>
        <source>保存文件夹不可写入：%1</source>
        <translation>儲存資料夾無法寫入：%1</translation>
    </message>
    <message>
        <source>无法录制系统声音，因为声音服务器无法连接。</source>
        <translation>無法錄製系統聲音，因為無法連線到聲音伺服器。</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已快满，录制已停止。已录下的分段保留在：
%2</source>
        <translation>儲存磁碟 %1 即將滿載，錄製已停止。已錄下的分段保留在：
%2</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已快满，录制已停止并已保存为：
%2</source>
        <translation>儲存磁碟 %1 即將滿載，錄製已停止並已儲存為：
%2</translation>
    </message>
    <message>
        <source>保存文件夹不存在，也无法创建：%1
%2 不可写入。</source>
        <translation>儲存資料夾不存在，也無法建立：%1
%2 無法寫入。</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已快满，录制已停止。录像保留为 %2 个分段，位于：
%3
把它们合并成一个文件还需要约 %4 的可用空间（现在可用 %5）。腾出空间后，可以手动合并这些分段。</source>
        <translation>儲存磁碟 %1 即將滿載，錄製已停止。錄影保留為 %2 個分段，位於：
%3
將它們合併成一個檔案還需要約 %4 的可用空間（目前可用 %5）。騰出空間後，可以手動合併這些分段。</translation>
    </message>
    <message>
        <source>声音服务器已断开。录制仍在继续，这段时间的声音录为静音；声音服务器恢复后会自动继续录音。</source>
        <translation>聲音伺服器已中斷。錄製仍在繼續，這段時間的聲音錄為靜音；聲音伺服器恢復後會自動繼續錄音。</translation>
    </message>
    <message>
        <source>录制文件夹在录制中被删除，已录下的内容随文件夹一起被删除：%1
该文件夹无法重新创建，录制已停止。
%2</source>
        <translation>錄製資料夾在錄製中被刪除，已錄下的內容隨資料夾一起被刪除：%1
該資料夾無法重新建立，錄製已停止。
%2</translation>
    </message>
    <message>
        <source>录制文件夹在录制中被删除，此前录下的内容已随文件夹一起被删除：%1
已重新创建该文件夹，录制继续，此后的内容会正常保存。</source>
        <translation>錄製資料夾在錄製中被刪除，此前錄下的內容已隨資料夾一起被刪除：%1
已重新建立該資料夾，錄製繼續，此後的內容會正常儲存。</translation>
    </message>
    <message>
        <source>无法录制麦克风，因为声音服务器无法连接。</source>
        <translation>無法錄製麥克風，因為無法連線到聲音伺服器。</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已满，录制已停止。录下的内容没有可以播放的部分，没有保存录像；未完成的分段保留在：
%2</source>
        <translation>儲存磁碟 %1 已滿，錄製已停止。錄下的內容沒有可以播放的部分，因此沒有儲存錄影；未完成的分段保留在：
%2</translation>
    </message>
    <message>
        <source>编码器停止了响应，录像只保存到 %1（共录制了 %2）：
%3</source>
        <translation type="vanished">編碼器停止回應，錄影只儲存到 %1（共錄製了 %2）：
%3</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已满，没有录下任何内容。请清理空间或更换保存目录。
%2</source>
        <translation type="vanished">儲存磁碟 %1 已滿，沒有錄下任何內容。請清理空間或更換儲存資料夾。
%2</translation>
    </message>
    <message>
        <source>所选麦克风已断开，录制改为使用系统默认的输入设备继续录音。</source>
        <translation>所選麥克風已中斷連線，錄製改為使用系統預設的輸入裝置繼續錄音。</translation>
    </message>
    <message>
        <source>编码器停止了响应：文件保存了 %1（共录制了 %2），从 %3 起缺少 %4：
%5</source>
        <translation>編碼器停止回應：檔案儲存了 %1（共錄製了 %2），從 %3 起缺少 %4：
%5</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已满，录制已停止。录像保留为 %2 个分段，位于：
%3
把它们合并成一个文件还需要约 %4 的可用空间（现在可用 %5）。腾出空间后，可以手动合并这些分段。</source>
        <translation>儲存磁碟 %1 已滿，錄製已停止。錄影保留為 %2 個分段，位於：
%3
將它們合併成一個檔案還需要約 %4 的可用空間（目前可用 %5）。騰出空間後，可以手動合併這些分段。</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已满，录制已停止。已录下的分段保留在：
%2</source>
        <translation>儲存磁碟 %1 已滿，錄製已停止。已錄下的分段保留在：
%2</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已满，录制已停止并已保存为：
%2</source>
        <translation>儲存磁碟 %1 已滿，錄製已停止並已儲存為：
%2</translation>
    </message>
    <message>
        <source>录制进程意外结束，没有录下任何内容。</source>
        <translation>錄製程序意外結束，沒有錄下任何內容。</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已满，没有录下任何内容。请清理空间或更换保存目录。</source>
        <translation>儲存磁碟 %1 已滿，沒有錄下任何內容。請清理空間或更換儲存資料夾。</translation>
    </message>
    <message>
        <source>无法录制麦克风：声音服务器没有开始录音。请检查输入设备后重试。</source>
        <translation>無法錄製麥克風：聲音伺服器沒有開始錄音。請檢查輸入裝置後重試。</translation>
    </message>
    <message>
        <source>无法捕获系统声音：声音服务器没有开始录音。请检查输出设备后重试。</source>
        <translation>無法擷取系統聲音：聲音伺服器沒有開始錄音。請檢查輸出裝置後重試。</translation>
    </message>
    <message>
        <source>正在等待 FFmpeg 检测编码器…</source>
        <translation>正在等待 FFmpeg 偵測編碼器…</translation>
    </message>
    <message>
        <source>正在等待 FFmpeg 开始录制…</source>
        <translation>正在等待 FFmpeg 開始錄製…</translation>
    </message>
    <message>
        <source>请先启动声音服务器（PulseAudio），再开始录制。</source>
        <translation>請先啟動聲音伺服器（PulseAudio），再開始錄製。</translation>
    </message>
    <message>
        <source>请先启动声音服务器（PulseAudio），或关闭扬声器和麦克风后录制无声视频。</source>
        <translation>請先啟動聲音伺服器（PulseAudio），或關閉揚聲器和麥克風後錄製無聲影片。</translation>
    </message>
    <message>
        <source>没有录下任何内容：录制在开始之前就已停止。</source>
        <translation>沒有錄下任何內容：錄製在開始之前就已停止。</translation>
    </message>
</context>
<context>
    <name>RecordingFinalizer</name>
    <message>
        <source>正在使用兼容编码器重新添加水印…</source>
        <translation>正在使用相容編碼器重新加入浮水印…</translation>
    </message>
    <message>
        <source>正在添加水印…</source>
        <translation>正在加入浮水印…</translation>
    </message>
    <message>
        <source>没有可保存的录制分段。</source>
        <translation>沒有可儲存的錄製分段。</translation>
    </message>
    <message>
        <source>正在准备录制文件…</source>
        <translation>正在準備錄製檔案…</translation>
    </message>
    <message>
        <source>正在安全合并录制分段…</source>
        <translation>正在安全合併錄製分段…</translation>
    </message>
    <message>
        <source>已取消添加水印，已保留无水印原视频。</source>
        <translation>已取消加入浮水印，已保留無浮水印的原始影片。</translation>
    </message>
    <message>
        <source>水印处理失败，已保留并保存无水印原视频，录制内容没有丢失。</source>
        <translation>浮水印處理失敗，已保留並儲存無浮水印的原始影片，錄製內容沒有遺失。</translation>
    </message>
    <message>
        <source>找不到等待添加水印的录制文件。</source>
        <translation>找不到等待加入浮水印的錄製檔案。</translation>
    </message>
    <message>
        <source>正在安全取消水印处理…</source>
        <translation>正在安全取消浮水印處理…</translation>
    </message>
    <message>
        <source>目标文件已存在且无法安全备份；合并结果仍保留在临时文件中。</source>
        <translation>目標檔案已存在且無法安全備份；合併結果仍保留在暫存檔案中。</translation>
    </message>
    <message>
        <source>录制后处理已完成，但无法写入最终文件；结果仍保留在临时文件中。</source>
        <translation>錄製後處理已完成，但無法寫入最終檔案；結果仍保留在暫存檔案中。</translation>
    </message>
    <message>
        <source>同名的原有文件没有被覆盖，已保留为：
%1</source>
        <translation>同名的原有檔案沒有被覆寫，已保留為：
%1</translation>
    </message>
    <message>
        <source>
可恢复的后处理文件：%1</source>
        <translation>
可復原的後處理檔案：%1</translation>
    </message>
    <message>
        <source>录制后处理失败。为避免录像丢失，原始分段或可恢复文件已保留在：
%1%2

%3</source>
        <translation>錄製後處理失敗。為避免錄影遺失，原始分段或可復原檔案已保留在：
%1%2

%3</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已满，分段没有合并成一个文件。腾出约 %2 的可用空间后，可以手动合并这些分段。</source>
        <translation>儲存磁碟 %1 已滿，分段沒有合併成一個檔案。騰出約 %2 的可用空間後，可以手動合併這些分段。</translation>
    </message>
</context>
<context>
    <name>RecordingSettingsDialog</name>
    <message>
        <source>录制性能设置</source>
        <translation>錄製效能設定</translation>
    </message>
    <message>
        <source>录制性能</source>
        <translation>錄製效能</translation>
    </message>
    <message>
        <source>选择用途，自动匹配参数</source>
        <translation>選擇用途，自動配對參數</translation>
    </message>
    <message>
        <source>预设</source>
        <translation>預設集</translation>
    </message>
    <message>
        <source>办公
文档、会议</source>
        <translation>辦公
文件、會議</translation>
    </message>
    <message>
        <source>课程
文字清晰</source>
        <translation>課程
文字清晰</translation>
    </message>
    <message>
        <source>游戏
流畅优先</source>
        <translation>遊戲
流暢優先</translation>
    </message>
    <message>
        <source>高画质
细节优先</source>
        <translation>高畫質
細節優先</translation>
    </message>
    <message>
        <source>高级设置  ▾</source>
        <translation>進階設定  ▾</translation>
    </message>
    <message>
        <source>帧率</source>
        <translation>影格率</translation>
    </message>
    <message>
        <source>格式</source>
        <translation>格式</translation>
    </message>
    <message>
        <source>画质</source>
        <translation>畫質</translation>
    </message>
    <message>
        <source>帧率类型</source>
        <translation>影格率類型</translation>
    </message>
    <message>
        <source>编码器</source>
        <translation>編碼器</translation>
    </message>
    <message>
        <source>关键帧</source>
        <translation>關鍵影格</translation>
    </message>
    <message>
        <source>30 FPS（推荐）</source>
        <translation>30 FPS（建議）</translation>
    </message>
    <message>
        <source>标准</source>
        <translation>標準</translation>
    </message>
    <message>
        <source>高清（推荐）</source>
        <translation>高畫質（建議）</translation>
    </message>
    <message>
        <source>超清</source>
        <translation>超高畫質</translation>
    </message>
    <message>
        <source>自动（推荐）</source>
        <translation>自動（建議）</translation>
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
        <translation>MP4（相容）</translation>
    </message>
    <message>
        <source>MKV（易恢复）</source>
        <translation>MKV（易於復原）</translation>
    </message>
    <message>
        <source>恒定（推荐）</source>
        <translation>固定（建議）</translation>
    </message>
    <message>
        <source>可变（省空间）</source>
        <translation>可變（節省空間）</translation>
    </message>
    <message>
        <source>1 秒</source>
        <translation>1 秒</translation>
    </message>
    <message>
        <source>2 秒（推荐）</source>
        <translation>2 秒（建議）</translation>
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
        <translation>收合進階設定  ▴</translation>
    </message>
    <message>
        <source>高清</source>
        <translation>高畫質</translation>
    </message>
    <message>
        <source>CPU 编码</source>
        <translation>CPU 編碼</translation>
    </message>
    <message>
        <source>自动编码</source>
        <translation>自動編碼</translation>
    </message>
    <message>
        <source>GPU 编码</source>
        <translation>GPU 編碼</translation>
    </message>
    <message>
        <source>高性能模式</source>
        <translation>高效能模式</translation>
    </message>
    <message>
        <source>适合办公与课程</source>
        <translation>適合辦公與課程</translation>
    </message>
    <message>
        <source>适合游戏</source>
        <translation>適合遊戲</translation>
    </message>
    <message>
        <source>%1 · %2 · 关键帧 %3 秒</source>
        <translation>%1 · %2 · 關鍵影格 %3 秒</translation>
    </message>
    <message>
        <source>可变</source>
        <translation>可變</translation>
    </message>
    <message>
        <source>恒定</source>
        <translation>固定</translation>
    </message>
    <message>
        <source>%1 FPS · %2 · %3
%4 · %5</source>
        <translation>%1 FPS · %2 · %3
%4 · %5</translation>
    </message>
    <message>
        <source>当前显示器最高刷新率约为 %1 Hz</source>
        <translation>目前顯示器最高更新率約為 %1 Hz</translation>
    </message>
    <message>
        <source>没有检测到可用的 H.264 GPU 硬件编码器</source>
        <translation>沒有偵測到可用的 H.264 GPU 硬體編碼器</translation>
    </message>
    <message>
        <source>120 FPS 性能检查</source>
        <translation>120 FPS 效能檢查</translation>
    </message>
    <message>
        <source>当前设备可能无法稳定录制 120 FPS：

• %1

建议自动调整为 60 FPS。录制期间仍会继续监测实际性能。</source>
        <translation>目前裝置可能無法穩定錄製 120 FPS：

• %1

建議自動調整為 60 FPS。錄製期間仍會持續監測實際效能。</translation>
    </message>
    <message>
        <source>自动改为 60 FPS</source>
        <translation>自動改為 60 FPS</translation>
    </message>
    <message>
        <source>仍然使用 120 FPS</source>
        <translation>仍然使用 120 FPS</translation>
    </message>
    <message>
        <source>返回设置</source>
        <translation>返回設定</translation>
    </message>
</context>
<context>
    <name>ScheduledRecordingDialog</name>
    <message>
        <source>计划录制</source>
        <translation>排程錄製</translation>
    </message>
    <message>
        <source>到达开始时间后，Vistrelle 将按指定模式自动开始录制。</source>
        <translation>到達開始時間後，Vistrelle 將按指定模式自動開始錄製。</translation>
    </message>
    <message>
        <source>启用计划录制</source>
        <translation>啟用排程錄製</translation>
    </message>
    <message>
        <source>单次</source>
        <translation>單次</translation>
    </message>
    <message>
        <source>每日</source>
        <translation>每日</translation>
    </message>
    <message>
        <source>每周</source>
        <translation>每週</translation>
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
        <translation>錄製螢幕</translation>
    </message>
    <message>
        <source>录制音频</source>
        <translation>錄製音訊</translation>
    </message>
    <message>
        <source>录制窗口</source>
        <translation>錄製視窗</translation>
    </message>
    <message>
        <source>游戏录制</source>
        <translation>遊戲錄製</translation>
    </message>
    <message>
        <source>高性能屏幕录制</source>
        <translation>高效能螢幕錄製</translation>
    </message>
    <message>
        <source>重复</source>
        <translation>重複</translation>
    </message>
    <message>
        <source>开始日期和时间</source>
        <translation>開始日期和時間</translation>
    </message>
    <message>
        <source>每天开始时间</source>
        <translation>每天開始時間</translation>
    </message>
    <message>
        <source>每周日期</source>
        <translation>每週日期</translation>
    </message>
    <message>
        <source>指定录制模式</source>
        <translation>指定錄製模式</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>保存计划</source>
        <translation>儲存排程</translation>
    </message>
    <message>
        <source>这个时间已经过去，请选择一个将来的时间。</source>
        <translation>這個時間已經過去，請選擇一個將來的時間。</translation>
    </message>
</context>
<context>
    <name>ScreenshotNotice</name>
    <message>
        <source>截图失败</source>
        <translation>截圖失敗</translation>
    </message>
    <message>
        <source>无法截取画面。</source>
        <translation>無法擷取畫面。</translation>
    </message>
    <message>
        <source>无法保存截图：
%1
请检查文件夹的写入权限。</source>
        <translation>無法儲存截圖：
%1
請檢查資料夾的寫入權限。</translation>
    </message>
    <message>
        <source>截图完成</source>
        <translation>截圖完成</translation>
    </message>
    <message>
        <source>截图已保存到：
%1</source>
        <translation>截圖已儲存到：
%1</translation>
    </message>
    <message>
        <source>上一张截图仍在保存，请稍后再试。</source>
        <translation>上一張截圖仍在儲存，請稍後再試。</translation>
    </message>
</context>
<context>
    <name>SegmentMerger</name>
    <message>
        <source>FFmpeg 停止了响应，分段没有合并。</source>
        <translation>FFmpeg 停止回應，分段沒有合併。</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>设置</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>通用</source>
        <translation>一般</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>鼠标效果</source>
        <translation>滑鼠效果</translation>
    </message>
    <message>
        <source>快捷键</source>
        <translation>快速鍵</translation>
    </message>
    <message>
        <source>录制</source>
        <translation>錄製</translation>
    </message>
    <message>
        <source>恢复默认设置</source>
        <translation>還原預設設定</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>保存设置</source>
        <translation>儲存設定</translation>
    </message>
    <message>
        <source>保存目录无效或无法创建，请重新选择。</source>
        <translation>儲存資料夾無效或無法建立，請重新選擇。</translation>
    </message>
    <message>
        <source>每个全局快捷键只能包含一个组合，请重新设置。</source>
        <translation>每個全域快速鍵只能包含一個組合，請重新設定。</translation>
    </message>
    <message>
        <source>快捷键 %1 被重复使用，请为每个功能设置不同组合。</source>
        <translation>快速鍵 %1 被重複使用，請為每個功能設定不同組合。</translation>
    </message>
    <message>
        <source>快捷键设置</source>
        <translation>快速鍵設定</translation>
    </message>
    <message>
        <source>设置写入失败，请检查当前用户的配置权限。</source>
        <translation>設定寫入失敗，請檢查目前使用者的設定權限。</translation>
    </message>
    <message>
        <source>开机时自动启动 Vistrelle</source>
        <translation>開機時自動啟動 Vistrelle</translation>
    </message>
    <message>
        <source>启动后最小化到系统托盘</source>
        <translation>啟動後最小化到系統匣</translation>
    </message>
    <message>
        <source>关闭按钮</source>
        <translation>關閉按鈕</translation>
    </message>
    <message>
        <source>最小化到系统托盘</source>
        <translation>最小化到系統匣</translation>
    </message>
    <message>
        <source>退出程序</source>
        <translation>結束程式</translation>
    </message>
    <message>
        <source>每次询问我</source>
        <translation>每次詢問我</translation>
    </message>
    <message>
        <source>选择“每次询问我”时，每次关闭主窗口都会弹出选择窗口。以后仍可在这里修改。</source>
        <translation>選擇「每次詢問我」時，每次關閉主視窗都會跳出選擇視窗。之後仍可在這裡修改。</translation>
    </message>
    <message>
        <source>诊断</source>
        <translation>診斷</translation>
    </message>
    <message>
        <source>启用详细诊断日志</source>
        <translation>啟用詳細診斷記錄</translation>
    </message>
    <message>
        <source>日志保存在本机；重启后生效。</source>
        <translation>記錄保存在本機；重新啟動後生效。</translation>
    </message>
    <message>
        <source>默认保存目录</source>
        <translation>預設儲存資料夾</translation>
    </message>
    <message>
        <source>浏览…</source>
        <translation>瀏覽…</translation>
    </message>
    <message>
        <source>文件命名规则</source>
        <translation>檔案命名規則</translation>
    </message>
    <message>
        <source>日期 + 时间</source>
        <translation>日期 + 時間</translation>
    </message>
    <message>
        <source>Vistrelle + 日期时间</source>
        <translation>Vistrelle + 日期時間</translation>
    </message>
    <message>
        <source>自动编号</source>
        <translation>自動編號</translation>
    </message>
    <message>
        <source>示例：2026-09-04_143022.mp4</source>
        <translation type="vanished">範例：2026-09-04_143022.mp4</translation>
    </message>
    <message>
        <source>磁盘空间提醒</source>
        <translation>磁碟空間提醒</translation>
    </message>
    <message>
        <source>当磁盘剩余空间少于</source>
        <translation>當磁碟剩餘空間少於</translation>
    </message>
    <message>
        <source>时提醒我</source>
        <translation>時提醒我</translation>
    </message>
    <message>
        <source>选择保存目录</source>
        <translation>選擇儲存資料夾</translation>
    </message>
    <message>
        <source>显示鼠标高亮</source>
        <translation>顯示滑鼠醒目提示</translation>
    </message>
    <message>
        <source>高亮颜色</source>
        <translation>醒目提示顏色</translation>
    </message>
    <message>
        <source>大小</source>
        <translation>大小</translation>
    </message>
    <message>
        <source>透明度</source>
        <translation>不透明度</translation>
    </message>
    <message>
        <source>点击动画</source>
        <translation>點擊動畫</translation>
    </message>
    <message>
        <source>显示鼠标点击动画</source>
        <translation>顯示滑鼠點擊動畫</translation>
    </message>
    <message>
        <source>左键点击</source>
        <translation>左鍵點擊</translation>
    </message>
    <message>
        <source>右键点击</source>
        <translation>右鍵點擊</translation>
    </message>
    <message>
        <source>选择颜色</source>
        <translation>選擇顏色</translation>
    </message>
    <message>
        <source>点击选择颜色</source>
        <translation>點擊選擇顏色</translation>
    </message>
    <message>
        <source>开始 / 停止录制</source>
        <translation>開始 / 停止錄製</translation>
    </message>
    <message>
        <source>暂停 / 继续录制</source>
        <translation>暫停 / 繼續錄製</translation>
    </message>
    <message>
        <source>截图（全屏 / 区域）</source>
        <translation>截圖（全螢幕 / 區域）</translation>
    </message>
    <message>
        <source>显示 / 隐藏悬浮工具栏</source>
        <translation>顯示 / 隱藏浮動工具列</translation>
    </message>
    <message>
        <source>显示 / 隐藏注释工具栏</source>
        <translation>顯示 / 隱藏註解工具列</translation>
    </message>
    <message>
        <source>点击确定后保存，应用于下一次录制。</source>
        <translation>按下確定後儲存，套用於下一次錄製。</translation>
    </message>
    <message>
        <source>录制预设</source>
        <translation>錄製預設集</translation>
    </message>
    <message>
        <source>办公</source>
        <translation>辦公</translation>
    </message>
    <message>
        <source>课程</source>
        <translation>課程</translation>
    </message>
    <message>
        <source>游戏</source>
        <translation>遊戲</translation>
    </message>
    <message>
        <source>自定义</source>
        <translation>自訂</translation>
    </message>
    <message>
        <source>标准</source>
        <translation>標準</translation>
    </message>
    <message>
        <source>高清（推荐）</source>
        <translation>高畫質（建議）</translation>
    </message>
    <message>
        <source>超清</source>
        <translation>超高畫質</translation>
    </message>
    <message>
        <source>自动（推荐）</source>
        <translation>自動（建議）</translation>
    </message>
    <message>
        <source>恒定（推荐）</source>
        <translation>固定（建議）</translation>
    </message>
    <message>
        <source>可变</source>
        <translation>可變</translation>
    </message>
    <message>
        <source>%1 秒</source>
        <translation>%1 秒</translation>
    </message>
    <message>
        <source>常用设置</source>
        <translation>常用設定</translation>
    </message>
    <message>
        <source>视频格式</source>
        <translation>影片格式</translation>
    </message>
    <message>
        <source>帧率</source>
        <translation>影格率</translation>
    </message>
    <message>
        <source>画质</source>
        <translation>畫質</translation>
    </message>
    <message>
        <source>硬件加速</source>
        <translation>硬體加速</translation>
    </message>
    <message>
        <source>高级设置 ▾</source>
        <translation>進階設定 ▾</translation>
    </message>
    <message>
        <source>帧率类型</source>
        <translation>影格率類型</translation>
    </message>
    <message>
        <source>关键帧间隔</source>
        <translation>關鍵影格間隔</translation>
    </message>
    <message>
        <source>收起高级设置 ▴</source>
        <translation>收合進階設定 ▴</translation>
    </message>
    <message>
        <source>示例：%1</source>
        <translation>範例：%1</translation>
    </message>
</context>
<context>
    <name>SetupRecordingToolbar</name>
    <message>
        <source>Full Screen  ▾</source>
        <translation>全螢幕  ▾</translation>
    </message>
    <message>
        <source>Display 1</source>
        <translation>顯示器 1</translation>
    </message>
    <message>
        <source>Webcam  ▾</source>
        <translation>攝影機  ▾</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>關</translation>
    </message>
    <message>
        <source>Speaker  ▾</source>
        <translation>揚聲器  ▾</translation>
    </message>
    <message>
        <source>On</source>
        <translation>開</translation>
    </message>
    <message>
        <source>Microphone  ▾</source>
        <translation>麥克風  ▾</translation>
    </message>
    <message>
        <source>Screenshot</source>
        <translation>截圖</translation>
    </message>
    <message>
        <source>Auto Stop</source>
        <translation>自動停止</translation>
    </message>
    <message>
        <source>Auto Split</source>
        <translation>自動分段</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>排程</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>離開</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>全螢幕</translation>
    </message>
    <message>
        <source>Full Screen · Display %1</source>
        <translation>全螢幕 · 顯示器 %1</translation>
    </message>
    <message>
        <source>Custom Area</source>
        <translation>自訂區域</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>視窗</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>遊戲</translation>
    </message>
    <message>
        <source>Audio Only</source>
        <translation>僅音訊</translation>
    </message>
    <message>
        <source>Webcam</source>
        <translation>攝影機</translation>
    </message>
    <message>
        <source>Custom Area  ▾</source>
        <translation>自訂區域  ▾</translation>
    </message>
    <message>
        <source>Window  ▾</source>
        <translation>視窗  ▾</translation>
    </message>
    <message>
        <source>Game  ▾</source>
        <translation>遊戲  ▾</translation>
    </message>
    <message>
        <source>Audio Only  ▾</source>
        <translation>僅音訊  ▾</translation>
    </message>
    <message>
        <source>Start recording</source>
        <translation>開始錄製</translation>
    </message>
    <message>
        <source>Select a window before recording</source>
        <translation>錄製前請選擇視窗</translation>
    </message>
    <message>
        <source>Drag toolbar</source>
        <translation>拖曳工具列</translation>
    </message>
    <message>
        <source>Open menu</source>
        <translation>開啟選單</translation>
    </message>
</context>
<context>
    <name>StopRecordingDialog</name>
    <message>
        <source>Stop Recording</source>
        <translation>停止錄製</translation>
    </message>
    <message>
        <source>Stop this recording?</source>
        <translation>要停止本次錄製嗎？</translation>
    </message>
    <message>
        <source>Recorded</source>
        <translation>已錄製</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>繼續</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>捨棄</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
</context>
<context>
    <name>TimelineWidget</name>
    <message>
        <source>🎬 视频</source>
        <translation>🎬 影片</translation>
    </message>
    <message>
        <source>🔊 系统音</source>
        <translation>🔊 系統音</translation>
    </message>
    <message>
        <source>🎵 背景乐</source>
        <translation>🎵 背景音樂</translation>
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
        <translation>選單</translation>
    </message>
    <message>
        <source>关于 Vistrelle</source>
        <translation>關於 Vistrelle</translation>
    </message>
    <message>
        <source>语言</source>
        <translation>語言</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>說明</translation>
    </message>
    <message>
        <source>在线帮助</source>
        <translation>線上說明</translation>
    </message>
    <message>
        <source>打开日志文件夹</source>
        <translation>開啟日誌資料夾</translation>
    </message>
    <message>
        <source>技术支持</source>
        <translation>技術支援</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>結束</translation>
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
        <translation type="vanished">音訊</translation>
    </message>
    <message>
        <source>速度</source>
        <translation type="vanished">速度</translation>
    </message>
    <message>
        <source>转换</source>
        <translation type="vanished">轉換</translation>
    </message>
    <message>
        <source>信息</source>
        <translation type="vanished">資訊</translation>
    </message>
    <message>
        <source>取消</source>
        <translation type="vanished">取消</translation>
    </message>
    <message>
        <source>应用</source>
        <translation type="vanished">套用</translation>
    </message>
</context>
<context>
    <name>VideoListDialog</name>
    <message>
        <source>媒体库</source>
        <translation>媒體庫</translation>
    </message>
    <message>
        <source>搜索录制文件...</source>
        <translation>搜尋錄製檔案...</translation>
    </message>
    <message>
        <source>全部</source>
        <translation>全部</translation>
    </message>
    <message>
        <source>视频</source>
        <translation>影片</translation>
    </message>
    <message>
        <source>音频</source>
        <translation>音訊</translation>
    </message>
    <message>
        <source>正在加载媒体文件…</source>
        <translation>正在載入媒體檔案…</translation>
    </message>
    <message>
        <source>%1 个文件</source>
        <translation type="vanished">%1 個檔案</translation>
    </message>
    <message>
        <source>播放失败</source>
        <translation>播放失敗</translation>
    </message>
    <message>
        <source>请选择一个媒体文件</source>
        <translation>請選擇一個媒體檔案</translation>
    </message>
    <message>
        <source>打开文件夹</source>
        <translation>開啟資料夾</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>刪除</translation>
    </message>
    <message>
        <source>全屏播放（F）</source>
        <translation>全螢幕播放（F）</translation>
    </message>
    <message>
        <source>全屏播放</source>
        <translation>全螢幕播放</translation>
    </message>
    <message>
        <source>采样率未知</source>
        <translation>取樣率未知</translation>
    </message>
    <message>
        <source>单声道</source>
        <translation>單聲道</translation>
    </message>
    <message>
        <source>双声道</source>
        <translation>雙聲道</translation>
    </message>
    <message>
        <source>%1 声道</source>
        <translation>%1 聲道</translation>
    </message>
    <message>
        <source>暂停</source>
        <translation>暫停</translation>
    </message>
    <message>
        <source>播放</source>
        <translation>播放</translation>
    </message>
    <message>
        <source>暂停媒体</source>
        <translation>暫停媒體</translation>
    </message>
    <message>
        <source>播放媒体</source>
        <translation>播放媒體</translation>
    </message>
    <message>
        <source>暂无媒体文件</source>
        <translation>暫無媒體檔案</translation>
    </message>
    <message>
        <source>没有匹配的媒体文件</source>
        <translation>沒有符合的媒體檔案</translation>
    </message>
    <message>
        <source>重命名文件</source>
        <translation>重新命名檔案</translation>
    </message>
    <message>
        <source>Copy File Path</source>
        <translation>複製檔案路徑</translation>
    </message>
    <message>
        <source>查看文件信息</source>
        <translation>檢視檔案資訊</translation>
    </message>
    <message>
        <source>删除音频</source>
        <translation>刪除音訊</translation>
    </message>
    <message>
        <source>删除视频</source>
        <translation>刪除影片</translation>
    </message>
    <message>
        <source>确定永久删除“%1”吗？</source>
        <translation>確定永久刪除「%1」嗎？</translation>
    </message>
    <message>
        <source>删除失败</source>
        <translation>刪除失敗</translation>
    </message>
    <message>
        <source>文件正在使用或没有删除权限。</source>
        <translation>檔案正在使用中或沒有刪除權限。</translation>
    </message>
    <message>
        <source>正在生成波形…</source>
        <translation>正在產生波形…</translation>
    </message>
    <message>
        <source>正在加载缩略图…</source>
        <translation>正在載入縮圖…</translation>
    </message>
    <message>
        <source>音频文件</source>
        <translation>音訊檔案</translation>
    </message>
    <message>
        <source>无法加载缩略图</source>
        <translation>無法載入縮圖</translation>
    </message>
    <message>
        <source>移除声音</source>
        <translation>移除聲音</translation>
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
        <translation>截圖</translation>
    </message>
    <message>
        <source>水印</source>
        <translation>浮水印</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>復原</translation>
    </message>
    <message>
        <source>更多</source>
        <translation>更多</translation>
    </message>
    <message>
        <source>编辑与文件工具</source>
        <translation>編輯與檔案工具</translation>
    </message>
    <message>
        <source>裁剪视频</source>
        <translation>裁剪影片</translation>
    </message>
    <message>
        <source>拖动两侧滑块，选择保留的片段</source>
        <translation>拖曳兩側滑桿，選擇保留的片段</translation>
    </message>
    <message>
        <source>Start Trimming...</source>
        <translation>開始裁剪...</translation>
    </message>
    <message>
        <source>分割点  %1</source>
        <translation>分割點  %1</translation>
    </message>
    <message>
        <source>将在 %1 处分割为两个%2片段</source>
        <translation type="vanished">將在 %1 處分割為兩個%2片段</translation>
    </message>
    <message>
        <source>选中时长  %1</source>
        <translation>選取時長  %1</translation>
    </message>
    <message>
        <source>Mute Selection</source>
        <translation>靜音選取範圍</translation>
    </message>
    <message>
        <source>预览画面效果</source>
        <translation>預覽畫面效果</translation>
    </message>
    <message>
        <source>分割音频</source>
        <translation>分割音訊</translation>
    </message>
    <message>
        <source>分割视频</source>
        <translation>分割影片</translation>
    </message>
    <message>
        <source>裁剪音频</source>
        <translation>裁剪音訊</translation>
    </message>
    <message>
        <source>当前仅预览，点击保存后才会处理视频</source>
        <translation>目前僅預覽，按下儲存後才會處理影片</translation>
    </message>
    <message>
        <source>拖动黄色分割线，选择分割位置</source>
        <translation>拖曳黃色分割線，選擇分割位置</translation>
    </message>
    <message>
        <source>Save Muted Copy</source>
        <translation>儲存靜音副本</translation>
    </message>
    <message>
        <source>开始分割</source>
        <translation>開始分割</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>已设为无声</source>
        <translation>已設為無聲</translation>
    </message>
    <message>
        <source>点击恢复原声</source>
        <translation>按一下恢復原聲</translation>
    </message>
    <message>
        <source>Mute audio in the selected range</source>
        <translation>將選取範圍內的聲音設為靜音</translation>
    </message>
    <message>
        <source>音量</source>
        <translation>音量</translation>
    </message>
    <message>
        <source>调整音频音量</source>
        <translation>調整音訊音量</translation>
    </message>
    <message>
        <source>Vistrelle 全屏播放</source>
        <translation>Vistrelle 全螢幕播放</translation>
    </message>
    <message>
        <source>截图不可用</source>
        <translation>截圖無法使用</translation>
    </message>
    <message>
        <source>视频画面尚未就绪，请先播放或移动到需要截图的位置。</source>
        <translation>影片畫面尚未就緒，請先播放或移動到要截圖的位置。</translation>
    </message>
    <message>
        <source>截图完成</source>
        <translation>截圖完成</translation>
    </message>
    <message>
        <source>截图已保存到：
%1</source>
        <translation>截圖已儲存到：
%1</translation>
    </message>
    <message>
        <source>正在保存媒体文件，请稍候…</source>
        <translation>正在儲存媒體檔案，請稍候…</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>正在保存</source>
        <translation>正在儲存</translation>
    </message>
    <message>
        <source>编辑失败</source>
        <translation>編輯失敗</translation>
    </message>
    <message>
        <source>无法启动 FFmpeg。</source>
        <translation>無法啟動 FFmpeg。</translation>
    </message>
    <message>
        <source>无法分割</source>
        <translation>無法分割</translation>
    </message>
    <message>
        <source>请将播放位置移动到音频中间。</source>
        <translation>請將播放位置移動到音訊中間。</translation>
    </message>
    <message>
        <source>请将播放位置移动到视频中间。</source>
        <translation>請將播放位置移動到影片中間。</translation>
    </message>
    <message>
        <source>分割失败</source>
        <translation>分割失敗</translation>
    </message>
    <message>
        <source>FFmpeg 没有写出分割后的文件。</source>
        <translation>FFmpeg 沒有寫出分割後的檔案。</translation>
    </message>
    <message>
        <source>分割完成</source>
        <translation>分割完成</translation>
    </message>
    <message>
        <source>已生成两个音频片段。</source>
        <translation>已產生兩個音訊片段。</translation>
    </message>
    <message>
        <source>已生成两个视频片段。</source>
        <translation>已產生兩個影片片段。</translation>
    </message>
    <message>
        <source>保存失败</source>
        <translation>儲存失敗</translation>
    </message>
    <message>
        <source>无法替换原文件，原文件已保留。</source>
        <translation>無法取代原檔案，原檔案已保留。</translation>
    </message>
    <message>
        <source>保存完成</source>
        <translation>儲存完成</translation>
    </message>
    <message>
        <source>音频已保存：
%1</source>
        <translation>音訊已儲存：
%1</translation>
    </message>
    <message>
        <source>视频已保存：
%1</source>
        <translation>影片已儲存：
%1</translation>
    </message>
    <message>
        <source>正在处理媒体文件…</source>
        <translation>正在處理媒體檔案…</translation>
    </message>
    <message>
        <source>处理失败</source>
        <translation>處理失敗</translation>
    </message>
    <message>
        <source>操作已完成。</source>
        <translation>作業已完成。</translation>
    </message>
    <message>
        <source>文件已保存：
%1</source>
        <translation>檔案已儲存：
%1</translation>
    </message>
    <message>
        <source>旋转 90°</source>
        <translation>旋轉 90°</translation>
    </message>
    <message>
        <source>水平翻转</source>
        <translation>水平翻轉</translation>
    </message>
    <message>
        <source>垂直翻转</source>
        <translation>垂直翻轉</translation>
    </message>
    <message>
        <source>调整播放速度</source>
        <translation>調整播放速度</translation>
    </message>
    <message>
        <source>调整音量</source>
        <translation>調整音量</translation>
    </message>
    <message>
        <source>提取音频</source>
        <translation>擷取音訊</translation>
    </message>
    <message>
        <source>另存为 / 转换格式</source>
        <translation>另存為 / 轉換格式</translation>
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
編碼：%2
取樣率：%3 Hz
聲道：%4
位元速率：%5 kbps
時長：%6
大小：%7
建立時間：%8
儲存路徑：%9</translation>
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
解析度：%2 × %3
影格率：%4 fps
時長：%5
大小：%6
建立時間：%7
儲存路徑：%8</translation>
    </message>
    <message>
        <source>速度</source>
        <translation>速度</translation>
    </message>
    <message>
        <source>转换</source>
        <translation>轉換</translation>
    </message>
    <message>
        <source>信息</source>
        <translation>資訊</translation>
    </message>
    <message>
        <source>应用</source>
        <translation>套用</translation>
    </message>
    <message>
        <source>播放速度</source>
        <translation>播放速度</translation>
    </message>
    <message>
        <source>调整预览速度，也可生成变速视频</source>
        <translation>調整預覽速度，也可產生變速影片</translation>
    </message>
    <message>
        <source>选择速度</source>
        <translation>選擇速度</translation>
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
        <translation>變速完成</translation>
    </message>
    <message>
        <source>预览并输出新的音量电平</source>
        <translation>預覽並輸出新的音量電平</translation>
    </message>
    <message>
        <source>静音</source>
        <translation>靜音</translation>
    </message>
    <message>
        <source>音量调整完成</source>
        <translation>音量調整完成</translation>
    </message>
    <message>
        <source>从视频中提取音轨，保存为音频文件</source>
        <translation>從影片中擷取音軌，儲存為音訊檔案</translation>
    </message>
    <message>
        <source>提取</source>
        <translation>擷取</translation>
    </message>
    <message>
        <source>输出格式</source>
        <translation>輸出格式</translation>
    </message>
    <message>
        <source>音质</source>
        <translation>音質</translation>
    </message>
    <message>
        <source>高质量（320 kbps）</source>
        <translation>高品質（320 kbps）</translation>
    </message>
    <message>
        <source>标准（192 kbps）</source>
        <translation>標準（192 kbps）</translation>
    </message>
    <message>
        <source>压缩（128 kbps）</source>
        <translation>壓縮（128 kbps）</translation>
    </message>
    <message>
        <source>音频提取完成</source>
        <translation>音訊擷取完成</translation>
    </message>
    <message>
        <source>选择输出格式并保留原始文件</source>
        <translation>選擇輸出格式並保留原始檔案</translation>
    </message>
    <message>
        <source>导出</source>
        <translation>匯出</translation>
    </message>
    <message>
        <source>画质</source>
        <translation>畫質</translation>
    </message>
    <message>
        <source>高质量</source>
        <translation>高品質</translation>
    </message>
    <message>
        <source>标准</source>
        <translation>標準</translation>
    </message>
    <message>
        <source>压缩</source>
        <translation>壓縮</translation>
    </message>
    <message>
        <source>转换完成</source>
        <translation>轉換完成</translation>
    </message>
    <message>
        <source>修改文件名，扩展名保持不变</source>
        <translation>修改檔案名稱，副檔名保持不變</translation>
    </message>
    <message>
        <source>新文件名</source>
        <translation>新檔案名稱</translation>
    </message>
    <message>
        <source>名称无效</source>
        <translation>名稱無效</translation>
    </message>
    <message>
        <source>文件名为空或包含无效字符。</source>
        <translation>檔案名稱為空或包含無效字元。</translation>
    </message>
    <message>
        <source>重命名失败</source>
        <translation>重新命名失敗</translation>
    </message>
    <message>
        <source>目标文件已存在或文件正在被占用。</source>
        <translation>目標檔案已存在或檔案正在被佔用。</translation>
    </message>
    <message>
        <source>查看音频文件的详细信息</source>
        <translation>檢視音訊檔案的詳細資訊</translation>
    </message>
    <message>
        <source>查看视频文件的详细信息</source>
        <translation>檢視影片檔案的詳細資訊</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>复制信息</source>
        <translation>複製資訊</translation>
    </message>
    <message>
        <source>无法在视频目录创建临时文件，请检查写入权限。</source>
        <translation>無法在影片目錄建立暫存檔案，請檢查寫入權限。</translation>
    </message>
    <message>
        <source>无法写入水印文字。</source>
        <translation>無法寫入浮水印文字。</translation>
    </message>
    <message>
        <source>正在添加水印，原视频保持不变…</source>
        <translation>正在加入浮水印，原影片保持不變…</translation>
    </message>
    <message>
        <source>无法保存水印副本，原视频未修改。</source>
        <translation>無法儲存浮水印副本，原影片未修改。</translation>
    </message>
    <message>
        <source>无法生成水印副本，原视频未修改。</source>
        <translation>無法產生浮水印副本，原影片未修改。</translation>
    </message>
    <message>
        <source>将在 %1 处分割为两个音频片段</source>
        <translation>將在 %1 處分割為兩個音訊片段</translation>
    </message>
    <message>
        <source>将在 %1 处分割为两个视频片段</source>
        <translation>將在 %1 處分割為兩個影片片段</translation>
    </message>
    <message numerus="yes">
        <source>%n 个文件</source>
        <translation>
            <numerusform>%n 個檔案</numerusform>
        </translation>
    </message>
    <message>
        <source>截图失败</source>
        <translation>截圖失敗</translation>
    </message>
    <message>
        <source>无法保存截图：
%1
请检查文件夹的写入权限。</source>
        <translation>無法儲存截圖：
%1
請檢查資料夾的寫入權限。</translation>
    </message>
    <message>
        <source>已有同名文件：
%1</source>
        <translation>已有同名檔案：
%1</translation>
    </message>
    <message>
        <source>没有写入此文件夹的权限：
%1</source>
        <translation>沒有寫入此資料夾的權限：
%1</translation>
    </message>
    <message>
        <source>文件名不能包含字符 %1</source>
        <translation>檔案名稱不能包含字元 %1</translation>
    </message>
    <message>
        <source>文件为空</source>
        <translation>檔案為空</translation>
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
解析度：%2
影格率：%3
時長：%4
大小：%5
建立時間：%6
儲存路徑：%7</translation>
    </message>
    <message>
        <source>文件不存在</source>
        <translation>檔案不存在</translation>
    </message>
    <message>
        <source>“%1”已被移动或删除，已从列表中移除。</source>
        <translation>「%1」已被移動或刪除，已從清單中移除。</translation>
    </message>
    <message>
        <source>文件名过长，请缩短后再试。</source>
        <translation>檔案名稱過長，請縮短後再試。</translation>
    </message>
    <message>
        <source>无法检查这个文件是否可用：%1</source>
        <translation>無法檢查這個檔案是否可用：%1</translation>
    </message>
    <message>
        <source>正在读取文件信息…</source>
        <translation>正在讀取檔案資訊…</translation>
    </message>
    <message>
        <source>无法读取此文件的信息</source>
        <translation>無法讀取此檔案的資訊</translation>
    </message>
    <message>
        <source>此文件没有声音</source>
        <translation>此檔案沒有聲音</translation>
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
編碼：%2
取樣率：%3
聲道：%4
位元速率：%5
時長：%6
大小：%7
建立時間：%8
儲存路徑：%9</translation>
    </message>
    <message>
        <source>时长未知</source>
        <translation>時長未知</translation>
    </message>
    <message>
        <source>声道未知</source>
        <translation>聲道未知</translation>
    </message>
</context>
<context>
    <name>WasapiLoopbackCapture</name>
    <message>
        <source>WASAPI 回环录音仅支持 Windows。</source>
        <translation>WASAPI 迴路錄音僅支援 Windows。</translation>
    </message>
</context>
<context>
    <name>WasapiMicrophoneCapture</name>
    <message>
        <source>WASAPI microphone capture is only supported on Windows.</source>
        <translation>WASAPI 麥克風擷取僅支援 Windows。</translation>
    </message>
</context>
<context>
    <name>WatermarkDialog</name>
    <message>
        <source>水印设置</source>
        <translation>浮水印設定</translation>
    </message>
    <message>
        <source>水印样式</source>
        <translation>浮水印樣式</translation>
    </message>
    <message>
        <source>水印文字</source>
        <translation>浮水印文字</translation>
    </message>
    <message>
        <source>字号</source>
        <translation>字型大小</translation>
    </message>
    <message>
        <source>颜色</source>
        <translation>顏色</translation>
    </message>
    <message>
        <source>透明度</source>
        <translation>不透明度</translation>
    </message>
    <message>
        <source>拖动滑块调整水印的可见程度</source>
        <translation>拖曳滑桿調整浮水印的可見程度</translation>
    </message>
    <message>
        <source>实时预览  ●</source>
        <translation>即時預覽  ●</translation>
    </message>
    <message>
        <source>对整个原视频添加水印，另存为 MP4 副本。其他编辑请先保存。</source>
        <translation>為整段原影片加上浮水印，另存為 MP4 副本。其他編輯請先儲存。</translation>
    </message>
    <message>
        <source>显示位置</source>
        <translation>顯示位置</translation>
    </message>
    <message>
        <source>边距</source>
        <translation>邊距</translation>
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
        <translation>恢復預設</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>保存水印副本</source>
        <translation>儲存浮水印副本</translation>
    </message>
    <message>
        <source>选择颜色</source>
        <translation>選擇顏色</translation>
    </message>
    <message>
        <source>请输入水印文字。</source>
        <translation>請輸入浮水印文字。</translation>
    </message>
</context>
<context>
    <name>WatermarkProgressDialog</name>
    <message>
        <source>正在添加水印</source>
        <translation>正在加入浮水印</translation>
    </message>
    <message>
        <source>正在保存录制</source>
        <translation>正在儲存錄製</translation>
    </message>
    <message>
        <source>正在处理视频，请稍候…</source>
        <translation>正在處理影片，請稍候…</translation>
    </message>
    <message>
        <source>正在处理录制文件，请稍候…</source>
        <translation>正在處理錄製檔案，請稍候…</translation>
    </message>
    <message>
        <source>正在处理 %1 / %2</source>
        <translation>正在處理 %1 / %2</translation>
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
        <translation>正在安全取消浮水印處理…</translation>
    </message>
</context>
<context>
    <name>vc::CloseBehaviorDialog</name>
    <message>
        <source>关闭 Vistrelle</source>
        <translation>關閉 Vistrelle</translation>
    </message>
    <message>
        <source>关闭窗口后要做什么？</source>
        <translation>關閉視窗後要做什麼？</translation>
    </message>
    <message>
        <source>最小化到托盘</source>
        <translation>最小化到系統匣</translation>
    </message>
    <message>
        <source>退出 Vistrelle</source>
        <translation>結束 Vistrelle</translation>
    </message>
    <message>
        <source>记住我的选择，下次不再询问</source>
        <translation>記住我的選擇，下次不再詢問</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>確定</translation>
    </message>
</context>
</TS>

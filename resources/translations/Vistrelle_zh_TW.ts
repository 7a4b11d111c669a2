<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="zh_CN">
<context>
    <name>AutoSplitDialog</name>
    <message>
        <source>自动分割设置</source>
        <translation>自動分割設定</translation>
    </message>
    <message>
        <source>录制时按指定条件自动切分为多个文件</source>
        <translation>錄製時按指定條件自動切分為多個檔案</translation>
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
        <translation>便於上傳、傳輸或分段儲存</translation>
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
        <translation>將每 %1 分鐘自動儲存為一個新檔案</translation>
    </message>
    <message>
        <source>文件达到 %1 MB 时自动切分并保存</source>
        <translation>檔案達到 %1 MB 時自動切分並儲存</translation>
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
        <translation>錄製 %1 分鐘後自動停止</translation>
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
        <translation>Vistrelle 已在執行</translation>
    </message>
    <message>
        <source>Another Vistrelle process is running. Finish its recording and quit it before opening Vistrelle again.</source>
        <translation>另一個 Vistrelle 程序正在執行。請先結束其錄製並退出，再重新開啟 Vistrelle。</translation>
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
        <translation>系統聲音錄製需要 macOS 13 或更高版本。</translation>
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
        <translation>無法擷取系統聲音：%1</translation>
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
        <translation>透明度</translation>
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
</TS>

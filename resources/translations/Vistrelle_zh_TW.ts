<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="zh_CN">
<context>
    <name>GlobalHotkey</name>
    <message>
        <source>%1（不支持的按键）</source>
        <translation>%1（不支援的按鍵）</translation>
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
        <translation>%1 個檔案</translation>
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
</TS>

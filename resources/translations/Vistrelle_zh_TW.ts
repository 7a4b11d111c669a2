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
    <name>Recorder</name>
    <message>
        <source>无法创建文件夹：%1</source>
        <translation>無法建立資料夾：%1</translation>
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

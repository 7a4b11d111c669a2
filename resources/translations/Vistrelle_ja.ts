<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="zh_CN">
<context>
    <name>GlobalHotkey</name>
    <message>
        <source>%1（不支持的按键）</source>
        <translation>%1（サポートされていないキー）</translation>
    </message>
</context>
<context>
    <name>LinkManager</name>
    <message>
        <source>Unable to open browser</source>
        <translation>ブラウザーを開けません</translation>
    </message>
    <message>
        <source>Unable to open the default browser.

Please visit this link manually:
%1</source>
        <translation>既定のブラウザーを開けません。

次のリンクに手動でアクセスしてください：
%1</translation>
    </message>
    <message>
        <source>Link unavailable</source>
        <translation>リンクを利用できません</translation>
    </message>
    <message>
        <source>The requested page link is not configured.</source>
        <translation>要求されたページのリンクは設定されていません。</translation>
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
        <translation>フォルダーを作成できません：%1</translation>
    </message>
</context>
<context>
    <name>RecordingFinalizer</name>
    <message>
        <source>正在使用兼容编码器重新添加水印…</source>
        <translation>互換エンコーダーで透かしを再度追加しています…</translation>
    </message>
    <message>
        <source>正在添加水印…</source>
        <translation>透かしを追加しています…</translation>
    </message>
    <message>
        <source>没有可保存的录制分段。</source>
        <translation>保存できる録画セグメントがありません。</translation>
    </message>
    <message>
        <source>正在准备录制文件…</source>
        <translation>録画ファイルを準備しています…</translation>
    </message>
    <message>
        <source>正在安全合并录制分段…</source>
        <translation>録画セグメントを安全に結合しています…</translation>
    </message>
    <message>
        <source>已取消添加水印，已保留无水印原视频。</source>
        <translation>透かしの追加をキャンセルしました。透かしのない元の動画を保持しました。</translation>
    </message>
    <message>
        <source>水印处理失败，已保留并保存无水印原视频，录制内容没有丢失。</source>
        <translation>透かしの処理に失敗しました。透かしのない元の動画を保持して保存しました。録画内容は失われていません。</translation>
    </message>
    <message>
        <source>找不到等待添加水印的录制文件。</source>
        <translation>透かしを追加する録画ファイルが見つかりません。</translation>
    </message>
    <message>
        <source>正在安全取消水印处理…</source>
        <translation>透かしの処理を安全にキャンセルしています…</translation>
    </message>
    <message>
        <source>目标文件已存在且无法安全备份；合并结果仍保留在临时文件中。</source>
        <translation>出力先のファイルが既に存在し、安全にバックアップできません。結合結果は一時ファイルに残っています。</translation>
    </message>
    <message>
        <source>录制后处理已完成，但无法写入最终文件；结果仍保留在临时文件中。</source>
        <translation>録画の後処理は完了しましたが、最終ファイルを書き込めません。結果は一時ファイルに残っています。</translation>
    </message>
    <message>
        <source>同名的原有文件没有被覆盖，已保留为：
%1</source>
        <translation>同じ名前の既存ファイルは上書きされず、次の名前で保持されました：
%1</translation>
    </message>
    <message>
        <source>
可恢复的后处理文件：%1</source>
        <translation>
復元可能な処理済みファイル：%1</translation>
    </message>
    <message>
        <source>录制后处理失败。为避免录像丢失，原始分段或可恢复文件已保留在：
%1%2

%3</source>
        <translation>録画の後処理に失敗しました。録画が失われないよう、元のセグメントまたは復元可能なファイルを次の場所に保持しました：
%1%2

%3</translation>
    </message>
</context>
<context>
    <name>WasapiLoopbackCapture</name>
    <message>
        <source>WASAPI 回环录音仅支持 Windows。</source>
        <translation>WASAPI ループバック録音は Windows でのみサポートされています。</translation>
    </message>
</context>
<context>
    <name>WasapiMicrophoneCapture</name>
    <message>
        <source>WASAPI microphone capture is only supported on Windows.</source>
        <translation>WASAPI マイク キャプチャは Windows でのみサポートされています。</translation>
    </message>
</context>
</TS>

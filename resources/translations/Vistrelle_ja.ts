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
    <name>QObject</name>
    <message>
        <source>播放失败</source>
        <translation>再生に失敗しました</translation>
    </message>
    <message>
        <source>文件不存在：%1</source>
        <translation>ファイルが見つかりません：%1</translation>
    </message>
    <message>
        <source>没有打开可播放文件</source>
        <translation>再生できるファイルが開かれていません</translation>
    </message>
</context>
<context>
    <name>Recorder</name>
    <message>
        <source>无法创建文件夹：%1</source>
        <translation>フォルダーを作成できません：%1</translation>
    </message>
    <message>
        <source>正在强制使用 CPU 录制 4K 30 FPS；已启用最快编码预设并将码率提高到 %1 kbps。</source>
        <translation>CPU で 4K 30 FPS の録画を強制しています。最速のエンコードプリセットを有効にし、ビットレートを %1 kbps に上げました。</translation>
    </message>
    <message>
        <source>未检测到可用的硬件编码器，已将输出缩放为 %1 × %2、30 FPS。</source>
        <translation>使用できるハードウェアエンコーダーが見つからないため、出力を %1 × %2、30 FPS に縮小しました。</translation>
    </message>
    <message>
        <source>4K 当前只能使用 CPU 编码，已采用更容易实时处理的 15 FPS。</source>
        <translation>現在 4K は CPU でしかエンコードできないため、リアルタイム処理しやすい 15 FPS を使用します。</translation>
    </message>
    <message>
        <source>请至少开启系统声音或麦克风。</source>
        <translation>システム音声かマイクの少なくとも一方をオンにしてください。</translation>
    </message>
    <message>
        <source>系统声音录制需要 macOS 13 或更高版本。</source>
        <translation>システム音声の録音には macOS 13 以降が必要です。</translation>
    </message>
    <message>
        <source>没有找到所选麦克风，请重新选择输入设备。</source>
        <translation>選択したマイクが見つかりません。入力デバイスを選び直してください。</translation>
    </message>
    <message>
        <source>保存磁盘剩余空间不足 %1 GB，请清理空间或更换保存目录。</source>
        <translation>保存先ディスクの空き容量が %1 GB 未満です。空き容量を増やすか、保存先を変更してください。</translation>
    </message>
    <message>
        <source>无法捕获系统声音：%1</source>
        <translation>システム音声をキャプチャできません：%1</translation>
    </message>
    <message>
        <source>FFmpeg 启动失败。请确认 ffmpeg 已放到程序目录或系统 PATH。
%1</source>
        <translation>FFmpeg を起動できませんでした。ffmpeg がプログラムのフォルダーかシステムの PATH にあることを確認してください。
%1</translation>
    </message>
    <message>
        <source>无法启动不含工具栏的屏幕录制：%1</source>
        <translation>ツールバーを除いた画面録画を開始できません：%1</translation>
    </message>
    <message>
        <source>无法删除已丢弃录制的临时文件：%1</source>
        <translation>破棄した録画の一時ファイルを削除できません：%1</translation>
    </message>
    <message>
        <source>FFmpeg 被 SIGKILL 信号终止；编码进度日志没有说明终止原因。</source>
        <translation>FFmpeg は SIGKILL で終了しました。進行状況ログに終了理由は記録されていません。</translation>
    </message>
    <message>
        <source>FFmpeg 没有输出具体错误信息。</source>
        <translation>FFmpeg は具体的なエラーを出力しませんでした。</translation>
    </message>
    <message>
        <source>硬件编码器 %1 无法处理当前采集规格，已自动切换到 CPU 编码。</source>
        <translation>ハードウェアエンコーダー %1 は現在のキャプチャ設定を処理できないため、CPU エンコードに切り替えました。</translation>
    </message>
    <message>
        <source>DXGI 高性能采集不可用，已自动切换到 GDI 兼容模式。</source>
        <translation>DXGI 高性能キャプチャを使用できないため、GDI 互換モードに切り替えました。</translation>
    </message>
    <message>
        <source>录制进程意外结束。分段已保留在：
%1</source>
        <translation>録画プロセスが予期せず終了しました。セグメントは次の場所に残っています：
%1</translation>
    </message>
    <message>
        <source>录制分段异常，退出码=%1。已生成的分段仍保留在：
%2
%3</source>
        <translation>録画セグメントでエラーが発生しました（終了コード=%1）。作成済みのセグメントは次の場所に残っています：
%2
%3</translation>
    </message>
    <message>
        <source>分段已保留在：
%1</source>
        <translation type="vanished">セグメントは次の場所に残っています：
%1</translation>
    </message>
    <message>
        <source>Camera preview is not ready.</source>
        <translation>カメラのプレビューの準備ができていません。</translation>
    </message>
    <message>
        <source>没有有效的窗口录制目标。</source>
        <translation>録画できる有効なウィンドウがありません。</translation>
    </message>
    <message>
        <source>窗口捕获启动失败：%1</source>
        <translation>ウィンドウキャプチャを開始できませんでした：%1</translation>
    </message>
    <message>
        <source>窗口捕获启动失败或目标窗口没有产生画面。</source>
        <translation>ウィンドウキャプチャを開始できなかったか、対象ウィンドウが画像を出しませんでした。</translation>
    </message>
    <message>
        <source>实际编码速度或有效帧率持续低于 120 FPS 要求</source>
        <translation>実際のエンコード速度または有効フレームレートが 120 FPS の要件を下回り続けています</translation>
    </message>
    <message>
        <source>设备持续无法稳定达到 60 FPS，建议下次使用 30 FPS 或硬件编码。</source>
        <translation>このデバイスでは 60 FPS を安定して維持できません。次回は 30 FPS かハードウェアエンコードをお試しください。</translation>
    </message>
    <message>
        <source>屏幕采集持续低于 30 FPS 要求，建议关闭高负载程序或改用 720p 录制。</source>
        <translation>画面キャプチャが 30 FPS の要件を下回り続けています。負荷の高いプログラムを閉じるか、720p で録画してください。</translation>
    </message>
    <message>
        <source>Screen capture is still dropping frames. Switched to 720p for smoother recording.</source>
        <translation>画面キャプチャでフレーム落ちが続いています。録画を滑らかにするため 720p に切り替えました。</translation>
    </message>
    <message>
        <source>屏幕采集持续掉帧，已自动切换到 1080p 以保持录制流畅。</source>
        <translation>画面キャプチャでフレーム落ちが続くため、録画を滑らかに保つよう 1080p に切り替えました。</translation>
    </message>
    <message>
        <source>录制的窗口已不可用，画面停留在最后一帧：%1</source>
        <translation>録画中のウィンドウが使用できなくなりました。画面は最後のフレームのままです：%1</translation>
    </message>
    <message>
        <source>这个文件名之前的录制分段仍保留在：
%1
请先移走这些分段，或换一个文件名后再录制。</source>
        <translation>このファイル名の以前の録画セグメントがまだ次の場所に残っています：
%1
これらのセグメントを移動するか、別のファイル名を選んでから録画し直してください。</translation>
    </message>
    <message>
        <source>最后一个录制分段无法读取，没有合并进录像，已保留在：
%1</source>
        <translation>最後の録画セグメントを読み込めなかったため、録画には結合されていません。次の場所に保存されています：
%1</translation>
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
    <name>VideoListDialog</name>
    <message>
        <source>媒体库</source>
        <translation>メディアライブラリ</translation>
    </message>
    <message>
        <source>搜索录制文件...</source>
        <translation>録画を検索...</translation>
    </message>
    <message>
        <source>全部</source>
        <translation>すべて</translation>
    </message>
    <message>
        <source>视频</source>
        <translation>動画</translation>
    </message>
    <message>
        <source>音频</source>
        <translation>音声</translation>
    </message>
    <message>
        <source>正在加载媒体文件…</source>
        <translation>メディアファイルを読み込んでいます…</translation>
    </message>
    <message>
        <source>%1 个文件</source>
        <translation>%1 個のファイル</translation>
    </message>
    <message>
        <source>播放失败</source>
        <translation>再生に失敗しました</translation>
    </message>
    <message>
        <source>请选择一个媒体文件</source>
        <translation>メディアファイルを選択してください</translation>
    </message>
    <message>
        <source>打开文件夹</source>
        <translation>フォルダーを開く</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>全屏播放（F）</source>
        <translation>全画面で再生（F）</translation>
    </message>
    <message>
        <source>全屏播放</source>
        <translation>全画面で再生</translation>
    </message>
    <message>
        <source>采样率未知</source>
        <translation>サンプルレート不明</translation>
    </message>
    <message>
        <source>单声道</source>
        <translation>モノラル</translation>
    </message>
    <message>
        <source>双声道</source>
        <translation>ステレオ</translation>
    </message>
    <message>
        <source>%1 声道</source>
        <translation>%1 チャンネル</translation>
    </message>
    <message>
        <source>暂停</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>播放</source>
        <translation>再生</translation>
    </message>
    <message>
        <source>暂停媒体</source>
        <translation>メディアを一時停止</translation>
    </message>
    <message>
        <source>播放媒体</source>
        <translation>メディアを再生</translation>
    </message>
    <message>
        <source>暂无媒体文件</source>
        <translation>メディアファイルはまだありません</translation>
    </message>
    <message>
        <source>没有匹配的媒体文件</source>
        <translation>一致するメディアファイルはありません</translation>
    </message>
    <message>
        <source>重命名文件</source>
        <translation>ファイル名を変更</translation>
    </message>
    <message>
        <source>Copy File Path</source>
        <translation>ファイルパスをコピー</translation>
    </message>
    <message>
        <source>查看文件信息</source>
        <translation>ファイル情報を表示</translation>
    </message>
    <message>
        <source>删除音频</source>
        <translation>音声を削除</translation>
    </message>
    <message>
        <source>删除视频</source>
        <translation>動画を削除</translation>
    </message>
    <message>
        <source>确定永久删除“%1”吗？</source>
        <translation>「%1」を完全に削除しますか？</translation>
    </message>
    <message>
        <source>删除失败</source>
        <translation>削除に失敗しました</translation>
    </message>
    <message>
        <source>文件正在使用或没有删除权限。</source>
        <translation>ファイルが使用中か、削除する権限がありません。</translation>
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

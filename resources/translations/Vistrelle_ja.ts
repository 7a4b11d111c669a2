<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="zh_CN">
<context>
    <name>AutoSplitDialog</name>
    <message>
        <source>自动分割设置</source>
        <translation>自動分割の設定</translation>
    </message>
    <message>
        <source>录制时按指定条件自动切分为多个文件</source>
        <translation>条件に従って録画を複数のファイルに自動分割します</translation>
    </message>
    <message>
        <source>按录制时长</source>
        <translation>録画時間で</translation>
    </message>
    <message>
        <source>适合会议、课程等长时间录制</source>
        <translation>会議や授業などの長時間録画に</translation>
    </message>
    <message>
        <source>分钟</source>
        <translation>分</translation>
    </message>
    <message>
        <source>按文件大小</source>
        <translation>ファイルサイズで</translation>
    </message>
    <message>
        <source>便于上传、传输或分段保存</source>
        <translation>アップロードや転送、分割保存に便利</translation>
    </message>
    <message>
        <source>✓  无缝切分</source>
        <translation>✓  シームレス分割</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>将每 %1 分钟自动保存为一个新文件</source>
        <translation>%1 分ごとに新しいファイルとして保存します</translation>
    </message>
    <message>
        <source>文件达到 %1 MB 时自动切分并保存</source>
        <translation>ファイルが %1 MB に達すると分割して保存します</translation>
    </message>
</context>
<context>
    <name>AutoStopDialog</name>
    <message>
        <source>自动停止设置</source>
        <translation>自動停止の設定</translation>
    </message>
    <message>
        <source>录制达到指定条件时自动停止并保存文件。</source>
        <translation>条件に達すると録画を停止してファイルを保存します。</translation>
    </message>
    <message>
        <source>停止条件</source>
        <translation>停止条件</translation>
    </message>
    <message>
        <source>按录制时长</source>
        <translation>録画時間で</translation>
    </message>
    <message>
        <source>分钟</source>
        <translation>分</translation>
    </message>
    <message>
        <source>按文件大小</source>
        <translation>ファイルサイズで</translation>
    </message>
    <message>
        <source>录制 %1 分钟后自动停止</source>
        <translation>録画 %1 分後に自動停止します</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>文件达到 %1 MB 后自动停止</source>
        <translation>ファイルが %1 MB に達すると自動停止します</translation>
    </message>
    <message>
        <source>自动停止倒计时</source>
        <translation>自動停止カウントダウン</translation>
    </message>
    <message>
        <source>录制将在以上时间后自动停止</source>
        <translation>この時間が経過すると録画は自動的に停止します</translation>
    </message>
    <message>
        <source>取消自动停止</source>
        <translation>自動停止を取り消す</translation>
    </message>
</context>
<context>
    <name>BottomBar</name>
    <message>
        <source>媒体库</source>
        <translation>メディアライブラリ</translation>
    </message>
    <message>
        <source>水印</source>
        <translation>透かし</translation>
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
        <translation>予約録画</translation>
    </message>
    <message>
        <source>GPU 加速</source>
        <translation>GPU アクセラレーション</translation>
    </message>
</context>
<context>
    <name>GlobalHotkey</name>
    <message>
        <source>%1（不支持的按键）</source>
        <translation>%1（サポートされていないキー）</translation>
    </message>
</context>
<context>
    <name>HomePage</name>
    <message>
        <source>Start Recording</source>
        <translation>録画を開始</translation>
    </message>
    <message>
        <source>Media Library</source>
        <translation>メディアライブラリ</translation>
    </message>
    <message>
        <source>Choose a recording mode</source>
        <translation>録画モードを選択</translation>
    </message>
    <message>
        <source>Scheduled Recording</source>
        <translation>予約録画</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>全画面</translation>
    </message>
    <message>
        <source>Custom Area</source>
        <translation>カスタム範囲</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>ウィンドウ</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>ゲーム</translation>
    </message>
    <message>
        <source>Audio Only</source>
        <translation>音声のみ</translation>
    </message>
    <message>
        <source>Webcam</source>
        <translation>Webカメラ</translation>
    </message>
    <message>
        <source>Recent recordings</source>
        <translation>最近の録画</translation>
    </message>
    <message>
        <source>View all  ›</source>
        <translation>すべて表示  ›</translation>
    </message>
    <message>
        <source>No recordings yet</source>
        <translation>まだ録画はありません</translation>
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
    <name>MainWindow</name>
    <message>
        <source>显示 Vistrelle</source>
        <translation>Vistrelle を表示</translation>
    </message>
    <message>
        <source>Start Recording</source>
        <translation>録画を開始</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>快捷键设置</source>
        <translation>ショートカットの設定</translation>
    </message>
    <message>
        <source>以下快捷键无法注册，可能已被其他程序占用或按键不受支持：
%1</source>
        <translation>次のショートカットを登録できませんでした。他のプログラムが使用しているか、キーがサポートされていない可能性があります：
%1</translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>録画を停止</translation>
    </message>
    <message>
        <source>日志文件夹</source>
        <translation>ログフォルダー</translation>
    </message>
    <message>
        <source>无法打开日志文件夹。</source>
        <translation>ログフォルダーを開けません。</translation>
    </message>
    <message>
        <source>录制性能已自动调整</source>
        <translation>録画パフォーマンスを自動調整しました</translation>
    </message>
    <message>
        <source>%1 FPS 已自动降为 %2 FPS。%3</source>
        <translation>%1 FPS を %2 FPS に自動で下げました。%3</translation>
    </message>
    <message>
        <source>录制性能提示</source>
        <translation>録画パフォーマンスの通知</translation>
    </message>
    <message>
        <source>4K 录制性能</source>
        <translation>4K 録画のパフォーマンス</translation>
    </message>
    <message>
        <source>没有可用的硬件 H.264 编码器</source>
        <translation>利用できるハードウェア H.264 エンコーダーがありません</translation>
    </message>
    <message>
        <source>%1 × %2、%3 FPS 的录制可能掉帧。请选择本次录制方式。</source>
        <translation>%1 × %2、%3 FPS の録画ではフレーム落ちの可能性があります。今回の録画方法を選択してください。</translation>
    </message>
    <message>
        <source>保持 4K，15 FPS（推荐）</source>
        <translation>4K のまま 15 FPS（推奨）</translation>
    </message>
    <message>
        <source>1080p，30 FPS</source>
        <translation>1080p、30 FPS</translation>
    </message>
    <message>
        <source>强制 4K，30 FPS</source>
        <translation>4K、30 FPS を強制</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>录制后处理提示</source>
        <translation>録画後処理の通知</translation>
    </message>
    <message>
        <source>录音完成</source>
        <translation>録音が完了しました</translation>
    </message>
    <message>
        <source>音频已保存到：%1</source>
        <translation>オーディオの保存先：%1</translation>
    </message>
    <message>
        <source>录制提示</source>
        <translation>録画の通知</translation>
    </message>
</context>
<context>
    <name>ModeBar</name>
    <message>
        <source>录制屏幕</source>
        <translation>画面を録画</translation>
    </message>
    <message>
        <source>录制窗口</source>
        <translation>ウィンドウを録画</translation>
    </message>
    <message>
        <source>游戏录制</source>
        <translation>ゲーム録画</translation>
    </message>
    <message>
        <source>高性能屏幕录制</source>
        <translation>高パフォーマンス画面録画</translation>
    </message>
    <message>
        <source>录制音频</source>
        <translation>音声を録音</translation>
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
        <translation>Vistrelle は既に実行中です</translation>
    </message>
    <message>
        <source>Another Vistrelle process is running. Finish its recording and quit it before opening Vistrelle again.</source>
        <translation>別の Vistrelle プロセスが実行中です。その録画を終えて終了してから、Vistrelle をもう一度開いてください。</translation>
    </message>
</context>
<context>
    <name>RecentCard</name>
    <message>
        <source>Loading preview…</source>
        <translation>プレビューを読み込み中…</translation>
    </message>
    <message>
        <source>Preview unavailable</source>
        <translation>プレビューを利用できません</translation>
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
    <name>ScheduledRecordingDialog</name>
    <message>
        <source>计划录制</source>
        <translation>予約録画</translation>
    </message>
    <message>
        <source>到达开始时间后，Vistrelle 将按指定模式自动开始录制。</source>
        <translation>開始時刻になると、Vistrelle は指定したモードで録画を開始します。</translation>
    </message>
    <message>
        <source>启用计划录制</source>
        <translation>予約録画を有効にする</translation>
    </message>
    <message>
        <source>单次</source>
        <translation>1 回のみ</translation>
    </message>
    <message>
        <source>每日</source>
        <translation>毎日</translation>
    </message>
    <message>
        <source>每周</source>
        <translation>毎週</translation>
    </message>
    <message>
        <source>星期一</source>
        <translation>月曜日</translation>
    </message>
    <message>
        <source>星期二</source>
        <translation>火曜日</translation>
    </message>
    <message>
        <source>星期三</source>
        <translation>水曜日</translation>
    </message>
    <message>
        <source>星期四</source>
        <translation>木曜日</translation>
    </message>
    <message>
        <source>星期五</source>
        <translation>金曜日</translation>
    </message>
    <message>
        <source>星期六</source>
        <translation>土曜日</translation>
    </message>
    <message>
        <source>星期日</source>
        <translation>日曜日</translation>
    </message>
    <message>
        <source>录制屏幕</source>
        <translation>画面を録画</translation>
    </message>
    <message>
        <source>录制音频</source>
        <translation>音声を録音</translation>
    </message>
    <message>
        <source>录制窗口</source>
        <translation>ウィンドウを録画</translation>
    </message>
    <message>
        <source>游戏录制</source>
        <translation>ゲーム録画</translation>
    </message>
    <message>
        <source>高性能屏幕录制</source>
        <translation>高パフォーマンス画面録画</translation>
    </message>
    <message>
        <source>重复</source>
        <translation>繰り返し</translation>
    </message>
    <message>
        <source>开始日期和时间</source>
        <translation>開始日時</translation>
    </message>
    <message>
        <source>每天开始时间</source>
        <translation>毎日の開始時刻</translation>
    </message>
    <message>
        <source>每周日期</source>
        <translation>曜日</translation>
    </message>
    <message>
        <source>指定录制模式</source>
        <translation>録画モード</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>保存计划</source>
        <translation>スケジュールを保存</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>菜单</source>
        <translation>メニュー</translation>
    </message>
    <message>
        <source>关于 Vistrelle</source>
        <translation>Vistrelle について</translation>
    </message>
    <message>
        <source>语言</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>在线帮助</source>
        <translation>オンラインヘルプ</translation>
    </message>
    <message>
        <source>打开日志文件夹</source>
        <translation>ログフォルダーを開く</translation>
    </message>
    <message>
        <source>技术支持</source>
        <translation>サポート</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>終了</translation>
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
<context>
    <name>WatermarkDialog</name>
    <message>
        <source>水印设置</source>
        <translation>透かしの設定</translation>
    </message>
    <message>
        <source>水印样式</source>
        <translation>透かしのスタイル</translation>
    </message>
    <message>
        <source>水印文字</source>
        <translation>透かしの文字</translation>
    </message>
    <message>
        <source>字号</source>
        <translation>文字サイズ</translation>
    </message>
    <message>
        <source>颜色</source>
        <translation>色</translation>
    </message>
    <message>
        <source>透明度</source>
        <translation>不透明度</translation>
    </message>
    <message>
        <source>拖动滑块调整水印的可见程度</source>
        <translation>スライダーをドラッグして透かしの見え方を調整します</translation>
    </message>
    <message>
        <source>实时预览  ●</source>
        <translation>ライブプレビュー  ●</translation>
    </message>
    <message>
        <source>对整个原视频添加水印，另存为 MP4 副本。其他编辑请先保存。</source>
        <translation>元の動画全体に透かしを入れ、MP4 のコピーとして保存します。ほかの編集は先に保存してください。</translation>
    </message>
    <message>
        <source>显示位置</source>
        <translation>表示位置</translation>
    </message>
    <message>
        <source>边距</source>
        <translation>余白</translation>
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
        <translation>既定に戻す</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>保存水印副本</source>
        <translation>透かし入りのコピーを保存</translation>
    </message>
    <message>
        <source>选择颜色</source>
        <translation>色を選択</translation>
    </message>
    <message>
        <source>请输入水印文字。</source>
        <translation>透かしの文字を入力してください。</translation>
    </message>
</context>
</TS>

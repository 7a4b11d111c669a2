<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="zh_CN">
<context>
    <name>AnnotationOverlay</name>
    <message>
        <source>添加文字标注</source>
        <translation>テキスト注釈を追加</translation>
    </message>
    <message>
        <source>输入标注文字：</source>
        <translation>注釈テキストを入力：</translation>
    </message>
    <message>
        <source>左键绘制  Ctrl+Z 撤销  Del 清除  ESC 退出</source>
        <translation>左ドラッグで描画  Ctrl+Z 元に戻す  Del 消去  Esc 終了</translation>
    </message>
</context>
<context>
    <name>AnnotationToolbar</name>
    <message>
        <source>画笔</source>
        <translation>ペン</translation>
    </message>
    <message>
        <source>箭头</source>
        <translation>矢印</translation>
    </message>
    <message>
        <source>矩形</source>
        <translation>四角形</translation>
    </message>
    <message>
        <source>文字</source>
        <translation>テキスト</translation>
    </message>
    <message>
        <source>选择颜色</source>
        <translation>色を選択</translation>
    </message>
    <message>
        <source>粗细</source>
        <translation>太さ</translation>
    </message>
    <message>
        <source>撤销  Ctrl+Z</source>
        <translation>元に戻す  Ctrl+Z</translation>
    </message>
    <message>
        <source>清除全部  Del</source>
        <translation>すべて消去  Del</translation>
    </message>
    <message>
        <source>退出注释</source>
        <translation>注釈を終了</translation>
    </message>
    <message>
        <source>选择注释颜色</source>
        <translation>注釈の色を選択</translation>
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
        <translation>一時停止/再開</translation>
    </message>
</context>
<context>
    <name>FloatingToolbar</name>
    <message>
        <source>正在录制</source>
        <translation>録画中</translation>
    </message>
    <message>
        <source>初始化…</source>
        <translation>初期化中…</translation>
    </message>
    <message>
        <source>写入中…</source>
        <translation>書き込み中…</translation>
    </message>
    <message>
        <source>关闭摄像头</source>
        <translation>Webカメラをオフ</translation>
    </message>
    <message>
        <source>开启摄像头</source>
        <translation>Webカメラをオン</translation>
    </message>
    <message>
        <source>画笔</source>
        <translation>ペン</translation>
    </message>
    <message>
        <source>箭头</source>
        <translation>矢印</translation>
    </message>
    <message>
        <source>矩形</source>
        <translation>四角形</translation>
    </message>
    <message>
        <source>文字</source>
        <translation>テキスト</translation>
    </message>
    <message>
        <source>直线</source>
        <translation>直線</translation>
    </message>
    <message>
        <source>圆形</source>
        <translation>円</translation>
    </message>
    <message>
        <source>高亮笔</source>
        <translation>蛍光ペン</translation>
    </message>
    <message>
        <source>橡皮擦</source>
        <translation>消しゴム</translation>
    </message>
    <message>
        <source>撤销 Ctrl+Z</source>
        <translation>元に戻す Ctrl+Z</translation>
    </message>
    <message>
        <source>清除全部 Del</source>
        <translation>すべて消去 Del</translation>
    </message>
    <message>
        <source>退出注释模式</source>
        <translation>注釈モードを終了</translation>
    </message>
    <message>
        <source>选择工具后在屏幕上绘制，ESC 或点“退出”结束注释</source>
        <translation>ツールを選んで画面に描画します。Esc または「終了」で注釈を終了</translation>
    </message>
    <message>
        <source>选择颜色</source>
        <translation>色を選択</translation>
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
        <source>预计剩余 --:--</source>
        <translation>残り約 --:--</translation>
    </message>
    <message>
        <source>预计剩余 %1:%2</source>
        <translation>残り約 %1:%2</translation>
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
    <name>StopRecordingDialog</name>
    <message>
        <source>Stop Recording</source>
        <translation>録画を停止</translation>
    </message>
    <message>
        <source>Stop this recording?</source>
        <translation>この録画を停止しますか？</translation>
    </message>
    <message>
        <source>Recorded</source>
        <translation>録画時間</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>続ける</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>破棄</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
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
<context>
    <name>WatermarkProgressDialog</name>
    <message>
        <source>正在添加水印</source>
        <translation>透かしを追加中</translation>
    </message>
    <message>
        <source>正在保存录制</source>
        <translation>録画を保存中</translation>
    </message>
    <message>
        <source>正在处理视频，请稍候…</source>
        <translation>動画を処理しています。お待ちください…</translation>
    </message>
    <message>
        <source>正在处理录制文件，请稍候…</source>
        <translation>録画ファイルを処理しています。お待ちください…</translation>
    </message>
    <message>
        <source>正在处理 %1 / %2</source>
        <translation>処理中 %1 / %2</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>正在取消…</source>
        <translation>キャンセル中…</translation>
    </message>
    <message>
        <source>正在安全取消水印处理…</source>
        <translation>透かしの処理を安全にキャンセルしています…</translation>
    </message>
</context>
</TS>

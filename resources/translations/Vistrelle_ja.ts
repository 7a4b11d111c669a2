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
        <translation>長方形</translation>
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
    <name>AreaDropdown</name>
    <message>
        <source>全屏</source>
        <translation>全画面</translation>
    </message>
    <message>
        <source>选择区域 / 窗口</source>
        <translation>範囲 / ウィンドウを選択</translation>
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
        <translation>クリックしてドラッグし範囲を選択</translation>
    </message>
</context>
<context>
    <name>AudioSettingsDialog</name>
    <message>
        <source>音频高级设置</source>
        <translation>詳細なオーディオ設定</translation>
    </message>
    <message>
        <source>系统声与麦克风会分别处理，再混合写入录制文件。</source>
        <translation>システム音とマイクは別々に処理され、録画ファイルにミックスされます。</translation>
    </message>
    <message>
        <source>系统声音音量</source>
        <translation>システム音の音量</translation>
    </message>
    <message>
        <source>麦克风音量</source>
        <translation>マイクの音量</translation>
    </message>
    <message>
        <source> ms</source>
        <translation> ms</translation>
    </message>
    <message>
        <source>麦克风延迟</source>
        <translation>マイクの遅延</translation>
    </message>
    <message>
        <source>麦克风降噪（降低持续环境噪声）</source>
        <translation>マイクのノイズ低減（持続的な環境ノイズを抑えます）</translation>
    </message>
    <message>
        <source>单声道输出（适合语音录制）</source>
        <translation>モノラル出力（音声の録音向け）</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>完了</translation>
    </message>
</context>
<context>
    <name>AutoSplitDialog</name>
    <message>
        <source>自动分割设置</source>
        <translation>自動分割の設定</translation>
    </message>
    <message>
        <source>录制时按指定条件自动切分为多个文件</source>
        <translation>条件を満たすと新しいセグメントを開始し、停止時に 1 つのファイルに結合します</translation>
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
        <translation>セグメントごとのサイズを抑えます</translation>
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
        <translation type="vanished">%1 分ごとに新しいファイルとして保存します</translation>
    </message>
    <message>
        <source>文件达到 %1 MB 时自动切分并保存</source>
        <translation>セグメントが %1 MB に達するたびに新しいセグメントを開始します</translation>
    </message>
    <message numerus="yes">
        <source>将每 %n 分钟自动保存为一个新文件</source>
        <translation>
            <numerusform>%n 分ごとに新しいセグメントを開始します</numerusform>
        </translation>
    </message>
    <message>
        <source>关闭自动分割</source>
        <translation>自動分割をオフ</translation>
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
        <translation type="vanished">録画 %1 分後に自動停止します</translation>
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
    <message numerus="yes">
        <source>录制 %n 分钟后自动停止</source>
        <translation>
            <numerusform>録画 %n 分後に自動停止します</numerusform>
        </translation>
    </message>
    <message>
        <source>关闭自动停止</source>
        <translation>自動停止をオフ</translation>
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
    <name>CameraRecordingPage</name>
    <message>
        <source>Camera Recording</source>
        <translation>カメラ録画</translation>
    </message>
    <message>
        <source>Back to Home</source>
        <translation>ホームに戻る</translation>
    </message>
    <message>
        <source>Choose a camera to start preview</source>
        <translation>プレビューを開始するカメラを選択してください</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>ミラー</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>縦向き</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>全体表示</translation>
    </message>
    <message>
        <source>Camera framing mode</source>
        <translation>カメラのフレーミング</translation>
    </message>
    <message>
        <source>System Audio</source>
        <translation>システム音声</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>マイク</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>スナップショット</translation>
    </message>
    <message>
        <source>Auto Stop</source>
        <translation>自動停止</translation>
    </message>
    <message>
        <source>Auto Split</source>
        <translation>自動分割</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>塗りつぶし</translation>
    </message>
    <message>
        <source>Camera access is off. Allow Vistrelle in System Settings &gt; Privacy &amp; Security &gt; Camera, then return to this page.</source>
        <translation>カメラへのアクセスがオフです。システム設定 &gt; プライバシーとセキュリティ &gt; カメラ で Vistrelle を許可してから、このページに戻ってください。</translation>
    </message>
    <message>
        <source>Requesting camera access…</source>
        <translation>カメラへのアクセスを要求しています…</translation>
    </message>
    <message>
        <source>Starting camera…</source>
        <translation>カメラを起動しています…</translation>
    </message>
    <message>
        <source>No camera found. Connect a camera and return to this page.</source>
        <translation>カメラが見つかりません。カメラを接続してからこのページに戻ってください。</translation>
    </message>
    <message>
        <source>Camera did not deliver a picture. Check camera access and whether another app is using it, then select the camera again.</source>
        <translation>カメラから映像が届きません。カメラへのアクセスと、他のアプリが使用していないかを確認してから、カメラを選び直してください。</translation>
    </message>
    <message>
        <source>Camera could not start. Check camera access in System Settings.</source>
        <translation>カメラを起動できませんでした。システム設定でカメラへのアクセスを確認してください。</translation>
    </message>
    <message>
        <source>Camera stopped delivering frames. Recording has been stopped.</source>
        <translation>カメラからの映像が止まりました。録画を停止しました。</translation>
    </message>
    <message>
        <source>Save camera snapshot</source>
        <translation>カメラのスナップショットを保存</translation>
    </message>
    <message>
        <source>Could not save the image.</source>
        <translation>画像を保存できませんでした。</translation>
    </message>
    <message>
        <source>Camera Permission</source>
        <translation>カメラへのアクセス</translation>
    </message>
    <message>
        <source>Camera access is off. Allow Vistrelle in System Settings &gt; Privacy &amp; Security &gt; Camera.</source>
        <translation>カメラへのアクセスがオフです。システム設定 &gt; プライバシーとセキュリティ &gt; カメラ で Vistrelle を許可してください。</translation>
    </message>
    <message>
        <source>Open Settings</source>
        <translation>設定を開く</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>再開</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>On</source>
        <translation>オン</translation>
    </message>
    <message>
        <source>Starting…</source>
        <translation>起動中…</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>オフ</translation>
    </message>
</context>
<context>
    <name>CameraSettingsDialog</name>
    <message>
        <source>开关</source>
        <translation>スイッチ</translation>
    </message>
    <message>
        <source>点击九宫格选择摄像头位置</source>
        <translation>グリッドをクリックしてカメラの位置を選択</translation>
    </message>
    <message>
        <source>摄像头位置九宫格</source>
        <translation>カメラ位置グリッド</translation>
    </message>
    <message>
        <source>摄像头设置</source>
        <translation>カメラ設定</translation>
    </message>
    <message>
        <source>正在启动摄像头…</source>
        <translation>カメラを起動しています…</translation>
    </message>
    <message>
        <source>实时预览</source>
        <translation>ライブプレビュー</translation>
    </message>
    <message>
        <source>摄像头关闭时，将在这里显示 · 开启摄像头后可预览</source>
        <translation>カメラがオフの間はここに表示されます · カメラをオンにするとプレビューできます</translation>
    </message>
    <message>
        <source>摄像头设备</source>
        <translation>カメラデバイス</translation>
    </message>
    <message>
        <source>自动</source>
        <translation>自動</translation>
    </message>
    <message>
        <source>帧率</source>
        <translation>フレームレート</translation>
    </message>
    <message>
        <source>视频质量</source>
        <translation>画質</translation>
    </message>
    <message>
        <source>画面形状</source>
        <translation>形状</translation>
    </message>
    <message>
        <source>圆形</source>
        <translation>円形</translation>
    </message>
    <message>
        <source>圆角矩形</source>
        <translation>角丸</translation>
    </message>
    <message>
        <source>矩形</source>
        <translation>長方形</translation>
    </message>
    <message>
        <source>左上</source>
        <translation>左上</translation>
    </message>
    <message>
        <source>上中</source>
        <translation>上中央</translation>
    </message>
    <message>
        <source>右上</source>
        <translation>右上</translation>
    </message>
    <message>
        <source>左中</source>
        <translation>左中央</translation>
    </message>
    <message>
        <source>居中</source>
        <translation>中央</translation>
    </message>
    <message>
        <source>右中</source>
        <translation>右中央</translation>
    </message>
    <message>
        <source>左下</source>
        <translation>左下</translation>
    </message>
    <message>
        <source>下中</source>
        <translation>下中央</translation>
    </message>
    <message>
        <source>右下</source>
        <translation>右下</translation>
    </message>
    <message>
        <source>摄像头位置</source>
        <translation>カメラの位置</translation>
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
        <translation>サイズ</translation>
    </message>
    <message>
        <source>镜像画面</source>
        <translation>映像を反転</translation>
    </message>
    <message>
        <source>让预览效果更自然</source>
        <translation>プレビューがより自然に見えます</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>开启摄像头后可预览</source>
        <translation>カメラをオンにするとプレビューできます</translation>
    </message>
    <message>
        <source>未检测到摄像头</source>
        <translation>カメラが検出されません</translation>
    </message>
    <message>
        <source>未检测到可用摄像头</source>
        <translation>使用できるカメラが検出されません</translation>
    </message>
    <message>
        <source>摄像头无法启动，请检查系统权限</source>
        <translation>カメラを起動できません。システムの許可を確認してください。</translation>
    </message>
</context>
<context>
    <name>CaptureTargetDialog</name>
    <message>
        <source>选择游戏</source>
        <translation>ゲームを選択</translation>
    </message>
    <message>
        <source>选择窗口</source>
        <translation>ウィンドウを選択</translation>
    </message>
    <message>
        <source>选择游戏窗口</source>
        <translation>ゲームウィンドウを選択</translation>
    </message>
    <message>
        <source>选择录制窗口</source>
        <translation>録画するウィンドウを選択</translation>
    </message>
    <message>
        <source>刷新</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Select a window</source>
        <translation>ウィンドウを選択</translation>
    </message>
    <message>
        <source>Process information unavailable</source>
        <translation>プロセス情報を取得できません</translation>
    </message>
    <message>
        <source>Loading preview…</source>
        <translation>プレビューを読み込み中…</translation>
    </message>
    <message>
        <source>当前没有可捕获窗口。请先打开目标程序，然后点击刷新。</source>
        <translation>現在キャプチャできるウィンドウがありません。録画するプログラムを開いてから、更新をクリックしてください。</translation>
    </message>
    <message>
        <source>选择要录制的游戏或应用窗口。录制时不要最小化窗口。</source>
        <translation>録画するゲームまたはアプリのウィンドウを選択してください。録画中はウィンドウを最小化しないでください。</translation>
    </message>
    <message>
        <source>录制时不要最小化窗口。</source>
        <translation>録画中はウィンドウを最小化しないでください。</translation>
    </message>
    <message>
        <source>Preview timed out — check screen recording access</source>
        <translation>プレビューがタイムアウトしました — 画面収録の許可を確認してください</translation>
    </message>
    <message>
        <source>Preview unavailable — check screen recording access</source>
        <translation>プレビューを表示できません — 画面収録の許可を確認してください</translation>
    </message>
</context>
<context>
    <name>Common</name>
    <message>
        <source>Open Folder</source>
        <translation>フォルダーを開く</translation>
    </message>
    <message>
        <source>无法打开文件夹：
%1</source>
        <translation>フォルダーを開けませんでした：
%1</translation>
    </message>
</context>
<context>
    <name>CompletionDialog</name>
    <message>
        <source>文件已保存到以下文件夹</source>
        <translation>ファイルは次のフォルダーに保存されました</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>フォルダーを開く</translation>
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
        <translation>全画面</translation>
    </message>
    <message>
        <source>自定义</source>
        <translation>カスタム</translation>
    </message>
    <message>
        <source>尚未选择窗口</source>
        <translation>ウィンドウが選択されていません</translation>
    </message>
    <message>
        <source>请选择录制目标</source>
        <translation>録画する対象を選んでください</translation>
    </message>
    <message>
        <source>选择窗口</source>
        <translation>ウィンドウを選択</translation>
    </message>
    <message>
        <source>纯音频录制</source>
        <translation>音声のみの録音</translation>
    </message>
    <message>
        <source>音质</source>
        <translation>音質</translation>
    </message>
    <message>
        <source>128 kbps · 较小</source>
        <translation>128 kbps · 小さめ</translation>
    </message>
    <message>
        <source>192 kbps · 推荐</source>
        <translation>192 kbps · 推奨</translation>
    </message>
    <message>
        <source>320 kbps · 高质量</source>
        <translation>320 kbps · 高音質</translation>
    </message>
    <message>
        <source>无损 · 由格式决定</source>
        <translation>ロスレス · 形式で決まります</translation>
    </message>
    <message>
        <source>录摄像头</source>
        <translation>Webカメラ</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>扬声器</source>
        <translation>スピーカー</translation>
    </message>
    <message>
        <source>试音</source>
        <translation>テスト</translation>
    </message>
    <message>
        <source>麦克风</source>
        <translation>マイク</translation>
    </message>
    <message>
        <source>开始录制</source>
        <translation>録画を開始</translation>
    </message>
    <message>
        <source>纯音频模式不录制摄像头</source>
        <translation>音声のみのモードではWebカメラを録画しません</translation>
    </message>
    <message>
        <source>选择游戏</source>
        <translation>ゲームを選択</translation>
    </message>
    <message>
        <source>尚未选择游戏</source>
        <translation>ゲームが選択されていません</translation>
    </message>
    <message>
        <source>高性能屏幕采集模式</source>
        <translation>高性能画面キャプチャモード</translation>
    </message>
    <message>
        <source>选择%1设备</source>
        <translation>%1デバイスを選択</translation>
    </message>
    <message>
        <source>选择设备和音频设置</source>
        <translation>デバイスとオーディオ設定を選択</translation>
    </message>
    <message>
        <source>开启</source>
        <translation>オン</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>默认设备</source>
        <translation>既定のデバイス</translation>
    </message>
    <message>
        <source>默认 · %1</source>
        <translation>既定 · %1</translation>
    </message>
    <message>
        <source>选择扬声器</source>
        <translation>スピーカーを選択</translation>
    </message>
    <message>
        <source>选择麦克风</source>
        <translation>マイクを選択</translation>
    </message>
    <message>
        <source>音频高级设置…</source>
        <translation>詳細なオーディオ設定…</translation>
    </message>
    <message>
        <source>系统声音</source>
        <translation>システム音</translation>
    </message>
    <message>
        <source>无法监听所选扬声器：%1</source>
        <translation>選択したスピーカーをモニターできません: %1</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>未检测到声音，请先播放一段音频</source>
        <translation>音声が検出されません。まず音声を再生してください。</translation>
    </message>
    <message>
        <source>已检测到系统播放声音</source>
        <translation>システムの再生音を検出しました</translation>
    </message>
    <message>
        <source>无设备</source>
        <translation>デバイスなし</translation>
    </message>
    <message>
        <source>不可用</source>
        <translation>使用不可</translation>
    </message>
    <message>
        <source>未检测到声音，请检查麦克风或权限</source>
        <translation>音声が検出されません。マイクまたはアクセス許可を確認してください。</translation>
    </message>
    <message>
        <source>已检测到麦克风声音</source>
        <translation>マイクの音声を検出しました</translation>
    </message>
    <message>
        <source>系统声音实时电平</source>
        <translation>システム音のリアルタイムレベル</translation>
    </message>
    <message>
        <source>麦克风实时电平</source>
        <translation>マイクのリアルタイムレベル</translation>
    </message>
    <message>
        <source>停止试音</source>
        <translation>テストを停止</translation>
    </message>
    <message>
        <source>输出</source>
        <translation>出力</translation>
    </message>
    <message>
        <source>输入</source>
        <translation>入力</translation>
    </message>
    <message>
        <source>正在监听，请播放一段声音</source>
        <translation>モニター中です。音声を再生してください。</translation>
    </message>
    <message>
        <source>正在监听，请对麦克风说话</source>
        <translation>モニター中です。マイクに向かって話してください。</translation>
    </message>
    <message>
        <source>录音检查</source>
        <translation>録音チェック</translation>
    </message>
    <message>
        <source>请至少开启扬声器或麦克风。</source>
        <translation>スピーカーかマイクの少なくとも一方をオンにしてください。</translation>
    </message>
    <message>
        <source>没有可用的扬声器设备，无法录制系统声音。</source>
        <translation>使用できるスピーカーがないため、システム音を録音できません。</translation>
    </message>
    <message>
        <source>没有可用的麦克风，请重新连接或选择输入设备。</source>
        <translation>使用できるマイクがありません。接続し直すか、別の入力デバイスを選んでください。</translation>
    </message>
    <message>
        <source>停止录制</source>
        <translation>録画を停止</translation>
    </message>
    <message>
        <source>Camera Permission</source>
        <translation>カメラへのアクセス</translation>
    </message>
    <message>
        <source>Camera access is off. Allow Vistrelle in System Settings &gt; Privacy &amp; Security &gt; Camera.</source>
        <translation>カメラへのアクセスがオフです。システム設定 &gt; プライバシーとセキュリティ &gt; カメラ で Vistrelle を許可してください。</translation>
    </message>
    <message>
        <source>Open Settings</source>
        <translation>設定を開く</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>高性能屏幕采集</source>
        <translation>高性能画面キャプチャ</translation>
    </message>
    <message>
        <source> · 高性能屏幕采集</source>
        <translation> · 高性能画面キャプチャ</translation>
    </message>
    <message>
        <source>%1 · 不可用</source>
        <translation>%1 · 使用不可</translation>
    </message>
    <message>
        <source>摄像头</source>
        <translation>Webカメラ</translation>
    </message>
    <message>
        <source>没有检测到可用摄像头。</source>
        <translation>利用できるWebカメラが見つかりません。</translation>
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
    <name>ExportDialog</name>
    <message>
        <source>导出</source>
        <translation>エクスポート</translation>
    </message>
    <message>
        <source>↑  导出设置</source>
        <translation>↑  エクスポート設定</translation>
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
        <translation>GIF アニメーション (.gif)</translation>
    </message>
    <message>
        <source>仅音频 MP3 (.mp3)</source>
        <translation>音声のみ MP3 (.mp3)</translation>
    </message>
    <message>
        <source>仅音频 AAC (.aac)</source>
        <translation>音声のみ AAC (.aac)</translation>
    </message>
    <message>
        <source>格式</source>
        <translation>形式</translation>
    </message>
    <message>
        <source>视频编码</source>
        <translation>ビデオエンコーダー</translation>
    </message>
    <message>
        <source>视频码率</source>
        <translation>ビデオビットレート</translation>
    </message>
    <message>
        <source>1× (正常)</source>
        <translation>1× (標準)</translation>
    </message>
    <message>
        <source>播放速度</source>
        <translation>再生速度</translation>
    </message>
    <message>
        <source>GIF 帧率</source>
        <translation>GIF フレームレート</translation>
    </message>
    <message>
        <source>GIF 宽度</source>
        <translation>GIF の幅</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>开始导出</source>
        <translation>エクスポート開始</translation>
    </message>
    <message>
        <source>✓ 已保存到: </source>
        <translation>✓ 保存先: </translation>
    </message>
    <message>
        <source>保存为</source>
        <translation>名前を付けて保存</translation>
    </message>
    <message>
        <source>视频文件 (*.mp4 *.mkv *.gif *.mp3 *.aac)</source>
        <translation>メディアファイル (*.mp4 *.mkv *.gif *.mp3 *.aac)</translation>
    </message>
    <message>
        <source>导出中...</source>
        <translation>エクスポート中...</translation>
    </message>
</context>
<context>
    <name>FfmpegJob</name>
    <message>
        <source>FFmpeg 没有在 %1 秒内完成。</source>
        <translation>FFmpeg が %1 秒以内に完了しませんでした。</translation>
    </message>
    <message>
        <source>FFmpeg 意外终止。</source>
        <translation>FFmpeg が予期せず終了しました。</translation>
    </message>
    <message>
        <source>FFmpeg 以退出码 %1 结束，没有说明原因。</source>
        <translation>FFmpeg は終了コード %1 で終了しましたが、理由は示されませんでした。</translation>
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
        <translation>長方形</translation>
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
        <translation>円形</translation>
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
    <message>
        <source>退出</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>已暂停</source>
        <translation>一時停止中</translation>
    </message>
    <message>
        <source>正在保存…</source>
        <translation>保存中…</translation>
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
    <message>
        <source>Vistrelle recording toolbar</source>
        <translation>Vistrelle 録画ツールバー</translation>
    </message>
    <message>
        <source>Vistrelle preparation toolbar</source>
        <translation>Vistrelle 準備ツールバー</translation>
    </message>
    <message>
        <source>Display %1</source>
        <translation>ディスプレイ %1</translation>
    </message>
    <message>
        <source>Audio only</source>
        <translation>音声のみ</translation>
    </message>
    <message>
        <source>Camera preview</source>
        <translation>カメラのプレビュー</translation>
    </message>
    <message>
        <source>Camera Recording</source>
        <translation>カメラ録画</translation>
    </message>
    <message>
        <source>Stop recording and return to Home?</source>
        <translation>録画を停止してホームに戻りますか？</translation>
    </message>
    <message>
        <source>Wait for a live camera preview before recording.</source>
        <translation>録画の前にカメラのライブプレビューが表示されるまでお待ちください。</translation>
    </message>
    <message>
        <source>Vistrelle countdown</source>
        <translation>Vistrelle カウントダウン</translation>
    </message>
    <message>
        <source>摄像头</source>
        <translation>Webカメラ</translation>
    </message>
    <message>
        <source>没有检测到可用摄像头。</source>
        <translation>利用できるWebカメラが見つかりません。</translation>
    </message>
    <message>
        <source>摄像头无法启动，请检查权限或设备占用情况。</source>
        <translation>Webカメラを起動できません。権限と、ほかのアプリが使用していないかを確認してください。</translation>
    </message>
    <message>
        <source>Camera Permission</source>
        <translation>カメラへのアクセス</translation>
    </message>
    <message>
        <source>Camera access is off. Allow Vistrelle in System Settings &gt; Privacy &amp; Security &gt; Camera.</source>
        <translation>カメラへのアクセスがオフです。システム設定 &gt; プライバシーとセキュリティ &gt; カメラ で Vistrelle を許可してください。</translation>
    </message>
    <message>
        <source>Open Settings</source>
        <translation>設定を開く</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>计划录制</source>
        <translation>予約録画</translation>
    </message>
    <message>
        <source>请先在首页为窗口或游戏模式选择录制目标。</source>
        <translation>先にホーム画面でウィンドウまたはゲームの録画対象を選んでください。</translation>
    </message>
    <message>
        <source>已有录制正在进行，本次计划已跳过。</source>
        <translation>すでに録画中のため、今回の予約はスキップされました。</translation>
    </message>
    <message>
        <source>退出后计划录制将不会执行。

确定要退出 Vistrelle 吗？</source>
        <translation>終了すると予約録画は実行されません。

Vistrelle を終了しますか？</translation>
    </message>
    <message>
        <source>仍在录制</source>
        <translation>録画中です</translation>
    </message>
    <message>
        <source>Vistrelle 已隐藏到系统托盘，录制继续进行。</source>
        <translation>Vistrelle はシステムトレイに隠れました。録画は続いています。</translation>
    </message>
    <message>
        <source>Vistrelle 仍在后台运行</source>
        <translation>Vistrelle はバックグラウンドで動作中です</translation>
    </message>
    <message>
        <source>已最小化到系统托盘，点击或双击托盘图标可重新打开。</source>
        <translation>システムトレイに最小化しました。トレイアイコンをクリックまたはダブルクリックすると再び開きます。</translation>
    </message>
    <message>
        <source>About Vistrelle</source>
        <translation>Vistrelle について</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>バージョン %1</translation>
    </message>
    <message>
        <source>Vistrelle is a fast, reliable screen recorder for Linux. Record screens, windows, games, system audio, microphones, and webcams, then edit and manage recordings locally with no cloud upload required.</source>
        <translation>Vistrelle は Linux 向けの高速で信頼性の高い画面録画ソフトです。画面、ウィンドウ、ゲーム、システム音声、マイク、Webカメラを録画・録音し、クラウドにアップロードすることなくローカルで編集・管理できます。</translation>
    </message>
    <message>
        <source>Development Team</source>
        <translation>開発チーム</translation>
    </message>
    <message>
        <source>The Vistrelle developers</source>
        <translation>Vistrelle の開発者</translation>
    </message>
    <message>
        <source>© Vistrelle. All rights reserved.</source>
        <translation>© Vistrelle. 無断転載を禁じます。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>切换语言</source>
        <translation>言語の切り替え</translation>
    </message>
    <message>
        <source>无法保存语言设置，请检查当前用户的配置权限。</source>
        <translation>言語設定を保存できませんでした。現在のユーザーの設定ファイルへの書き込み権限を確認してください。</translation>
    </message>
    <message>
        <source>语言设置已保存，重启 Vistrelle 后生效。是否立即重启？</source>
        <translation>言語設定を保存しました。Vistrelle の再起動後に有効になります。今すぐ再起動しますか？</translation>
    </message>
    <message>
        <source>重启失败</source>
        <translation>再起動に失敗しました</translation>
    </message>
    <message>
        <source>无法自动重启，请手动重新打开 Vistrelle。</source>
        <translation>Vistrelle を自動で再起動できませんでした。手動でもう一度開いてください。</translation>
    </message>
    <message>
        <source>录制的窗口已关闭</source>
        <translation>録画中のウィンドウが閉じられました</translation>
    </message>
    <message>
        <source>Custom Area</source>
        <translation>カスタム範囲</translation>
    </message>
    <message>
        <source>The display of the chosen area is no longer connected. Choose the area again.</source>
        <translation>選択した範囲のディスプレイが接続されていません。範囲をもう一度選択してください。</translation>
    </message>
    <message>
        <source>Nothing was recorded: the program quit before the recording began.</source>
        <translation>何も録画されませんでした：録画が始まる前にプログラムが終了しました。</translation>
    </message>
</context>
<context>
    <name>MediaProbe</name>
    <message>
        <source>无法启动 ffprobe（%1）。</source>
        <translation>ffprobe を起動できませんでした（%1）。</translation>
    </message>
    <message>
        <source>ffprobe 没有在 %1 秒内结束。</source>
        <translation>ffprobe が %1 秒以内に終了しませんでした。</translation>
    </message>
    <message>
        <source>ffprobe 没有给出可读的回答。</source>
        <translation>ffprobe から読み取れる応答がありませんでした。</translation>
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
        <translation>Vistrelle — プレーヤー</translation>
    </message>
    <message>
        <source>截图</source>
        <translation>スクリーンショット</translation>
    </message>
    <message>
        <source>无法保存截图到 %1。</source>
        <translation>スクリーンショットを %1 に保存できませんでした。</translation>
    </message>
</context>
<context>
    <name>QDialog</name>
    <message>
        <source>Enable Screen Recording</source>
        <translation>画面収録を有効にする</translation>
    </message>
    <message>
        <source>Enable Microphone Access</source>
        <translation>マイクへのアクセスを有効にする</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Vistrelle needs permission before it can record your screen.</source>
        <translation>Vistrelle が画面を収録するには許可が必要です。</translation>
    </message>
    <message>
        <source>Vistrelle needs permission before it can record your voice.</source>
        <translation>Vistrelle が音声を収録するには許可が必要です。</translation>
    </message>
    <message>
        <source>Screen &amp; System Audio Recording</source>
        <translation>画面とシステムオーディオの収録</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>マイク</translation>
    </message>
    <message>
        <source>Allow these apps to record your screen.</source>
        <translation>これらのアプリに画面の収録を許可します。</translation>
    </message>
    <message>
        <source>Allow these apps to use your microphone.</source>
        <translation>これらのアプリにマイクの使用を許可します。</translation>
    </message>
    <message>
        <source>Illustration of macOS System Settings</source>
        <translation>macOS のシステム設定のイメージ</translation>
    </message>
    <message>
        <source>Three quick steps</source>
        <translation>かんたん 3 ステップ</translation>
    </message>
    <message>
        <source>Open Screen Recording settings.</source>
        <translation>画面収録の設定を開きます。</translation>
    </message>
    <message>
        <source>Open Microphone settings.</source>
        <translation>マイクの設定を開きます。</translation>
    </message>
    <message>
        <source>Turn on Vistrelle.</source>
        <translation>Vistrelle をオンにします。</translation>
    </message>
    <message>
        <source>Quit and reopen Vistrelle, then record.</source>
        <translation>Vistrelle を終了して再度開き、録画します。</translation>
    </message>
    <message>
        <source>Return and start recording.</source>
        <translation>戻って録画を開始します。</translation>
    </message>
    <message>
        <source>Restart Vistrelle after changing this setting.</source>
        <translation>この設定を変更したら Vistrelle を再起動してください。</translation>
    </message>
    <message>
        <source>You can also turn off Microphone and record without voice.</source>
        <translation>マイクをオフにして音声なしで録画することもできます。</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>後で</translation>
    </message>
    <message>
        <source>Open Settings ↗</source>
        <translation>設定を開く ↗</translation>
    </message>
    <message>
        <source>Open System Settings &gt; Privacy &amp; Security &gt; Screen &amp; System Audio Recording and allow Vistrelle.</source>
        <translation>システム設定 &gt; プライバシーとセキュリティ &gt; 画面とシステムオーディオの収録 を開き、Vistrelle を許可してください。</translation>
    </message>
    <message>
        <source>Open System Settings &gt; Privacy &amp; Security &gt; Microphone and allow Vistrelle.</source>
        <translation>システム設定 &gt; プライバシーとセキュリティ &gt; マイク を開き、Vistrelle を許可してください。</translation>
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
    <message>
        <source>Vistrelle is already running</source>
        <translation>Vistrelle は既に実行中です</translation>
    </message>
    <message>
        <source>Another Vistrelle process is running. Finish its recording and quit it before opening Vistrelle again.</source>
        <translation>別の Vistrelle プロセスが実行中です。その録画を終えて終了してから、Vistrelle をもう一度開いてください。</translation>
    </message>
    <message>
        <source>已有 FFmpeg 任务正在执行</source>
        <translation>FFmpeg の処理がすでに実行中です</translation>
    </message>
    <message>
        <source>FFmpeg 未找到或无法启动：%1</source>
        <translation>FFmpeg が見つからないか起動できません：%1</translation>
    </message>
    <message>
        <source>操作已取消</source>
        <translation>操作はキャンセルされました</translation>
    </message>
    <message>
        <source>FFmpeg 出错：
%1</source>
        <translation>FFmpeg でエラーが発生しました：
%1</translation>
    </message>
    <message>
        <source>裁剪参数无效</source>
        <translation>トリミングの設定が無効です</translation>
    </message>
    <message>
        <source>合并参数无效</source>
        <translation>結合の設定が無効です</translation>
    </message>
    <message>
        <source>无法创建合并列表文件</source>
        <translation>結合リストファイルを作成できません</translation>
    </message>
    <message>
        <source>变速参数无效</source>
        <translation>速度の設定が無効です</translation>
    </message>
    <message>
        <source>转场效果无效：%1</source>
        <translation>無効なトランジション: %1</translation>
    </message>
    <message>
        <source>转场失败：至少有一个视频时长小于转场时长</source>
        <translation>トランジションに失敗しました: トランジションより短い動画があります</translation>
    </message>
    <message>
        <source>音频降噪需要 sh.rnnn 模型文件，请放到程序目录，或先关闭音频降噪。</source>
        <translation>音声のノイズ除去にはモデルファイル sh.rnnn が必要です。プログラムのフォルダーに置くか、音声のノイズ除去をオフにしてください。</translation>
    </message>
    <message>
        <source>字幕文件不存在：%1</source>
        <translation>字幕ファイルが見つかりません: %1</translation>
    </message>
    <message>
        <source>FFmpeg 报告完成，但没有写出可用的文件：
%1</source>
        <translation>FFmpeg は完了を報告しましたが、使用できるファイルを書き出していません：
%1</translation>
    </message>
    <message>
        <source>格式无效或不受支持</source>
        <translation>形式が無効か、サポートされていません</translation>
    </message>
    <message>
        <source>没有读取权限</source>
        <translation>読み取り権限がありません</translation>
    </message>
    <message>
        <source>文件无法读取或已损坏</source>
        <translation>ファイルを読み取れないか、破損しています</translation>
    </message>
    <message>
        <source>无法打开文件：%1</source>
        <translation>ファイルを開けませんでした：%1</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>&amp;Yes</source>
        <translation>はい(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>いいえ(&amp;N)</translation>
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
        <translation type="vanished">システム音声の録音には macOS 13 以降が必要です。</translation>
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
        <translation type="vanished">システム音声をキャプチャできません：%1</translation>
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
    <message>
        <source>保存磁盘的剩余空间已不足 %1 MB，录制已停止；已录制的内容会正常保存。</source>
        <translation type="vanished">保存先ディスクの空き容量が %1 MB を下回ったため、録画を停止しました。これまでに録画した内容は保存されます。</translation>
    </message>
    <message>
        <source>屏幕录制不可用：屏幕录制需要 X11 会话，在 Wayland 下无法录制屏幕。</source>
        <translation>画面キャプチャを使用できません：画面の録画には X11 セッションが必要で、Wayland では録画できません。</translation>
    </message>
    <message>
        <source>录制分段异常，退出码=%1。没有录下任何内容。
%2</source>
        <translation>録画セグメントでエラーが発生しました（終了コード %1）。何も録画されていません。
%2</translation>
    </message>
    <message>
        <source>无法录制麦克风：%1</source>
        <translation type="vanished">マイクを録音できません：%1</translation>
    </message>
    <message>
        <source>保存文件夹不可写入：%1</source>
        <translation>保存フォルダーに書き込めません：%1</translation>
    </message>
    <message>
        <source>无法录制系统声音，因为声音服务器无法连接。</source>
        <translation>サウンドサーバーに接続できないため、システム音声を録音できません。</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已快满，录制已停止。已录下的分段保留在：
%2</source>
        <translation>保存先ディスク %1 の空き容量がほとんどないため、録画を停止しました。録画済みのセグメントは次の場所に残っています：
%2</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已快满，录制已停止并已保存为：
%2</source>
        <translation>保存先ディスク %1 の空き容量がほとんどないため、録画を停止し、次のファイルに保存しました：
%2</translation>
    </message>
    <message>
        <source>保存文件夹不存在，也无法创建：%1
%2 不可写入。</source>
        <translation>保存フォルダーが存在せず、作成もできません：%1
%2 に書き込めません。</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已快满，录制已停止。录像保留为 %2 个分段，位于：
%3
把它们合并成一个文件还需要约 %4 的可用空间（现在可用 %5）。腾出空间后，可以手动合并这些分段。</source>
        <translation>保存先ディスク %1 の空き容量がほとんどないため、録画を停止しました。録画は %2 個のセグメントとして次の場所に残っています：
%3
1 つのファイルに結合するには約 %4 の空き容量が必要です（現在の空き容量 %5）。空き容量を確保したあと、これらのセグメントを手動で結合できます。</translation>
    </message>
    <message>
        <source>声音服务器已断开。录制仍在继续，这段时间的声音录为静音；声音服务器恢复后会自动继续录音。</source>
        <translation>サウンドサーバーとの接続が切れました。録画は続いており、その間の音声は無音で記録されます。サウンドサーバーが戻ると自動的に録音を再開します。</translation>
    </message>
    <message>
        <source>录制文件夹在录制中被删除，已录下的内容随文件夹一起被删除：%1
该文件夹无法重新创建，录制已停止。
%2</source>
        <translation>録画中に録画フォルダーが削除され、録画した内容もフォルダーと一緒に削除されました: %1
フォルダーを作り直せないため、録画を停止しました。
%2</translation>
    </message>
    <message>
        <source>录制文件夹在录制中被删除，此前录下的内容已随文件夹一起被删除：%1
已重新创建该文件夹，录制继续，此后的内容会正常保存。</source>
        <translation>録画中に録画フォルダーが削除され、それまでに録画した内容もフォルダーと一緒に削除されました: %1
フォルダーを作り直しました。録画は続いており、これ以降の内容は通常どおり保存されます。</translation>
    </message>
    <message>
        <source>无法录制麦克风，因为声音服务器无法连接。</source>
        <translation>サウンドサーバーに接続できないため、マイクを録音できません。</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已满，录制已停止。录下的内容没有可以播放的部分，没有保存录像；未完成的分段保留在：
%2</source>
        <translation>保存先ディスク %1 がいっぱいになったため、録画を停止しました。録画した内容に再生できる部分がないため、録画は保存されていません。未完成のセグメントは次の場所に残っています：
%2</translation>
    </message>
    <message>
        <source>编码器停止了响应，录像只保存到 %1（共录制了 %2）：
%3</source>
        <translation type="vanished">エンコーダーが応答しなくなったため、録画は %1 までしか保存されていません（録画した時間は %2）：
%3</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已满，没有录下任何内容。请清理空间或更换保存目录。
%2</source>
        <translation type="vanished">保存先ディスク %1 がいっぱいのため、何も録画されませんでした。空き容量を増やすか、別の保存フォルダーを選んでください。
%2</translation>
    </message>
    <message>
        <source>所选麦克风已断开，录制改为使用系统默认的输入设备继续录音。</source>
        <translation>選択したマイクが切断されました。録画はシステムの既定の入力デバイスで続行します。</translation>
    </message>
    <message>
        <source>编码器停止了响应：文件保存了 %1（共录制了 %2），从 %3 起缺少 %4：
%5</source>
        <translation>エンコーダーが応答しなくなりました。ファイルには録画した %2 のうち %1 が保存されており、%3 から %4 が欠けています：
%5</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已满，录制已停止。录像保留为 %2 个分段，位于：
%3
把它们合并成一个文件还需要约 %4 的可用空间（现在可用 %5）。腾出空间后，可以手动合并这些分段。</source>
        <translation>保存先ディスク %1 がいっぱいになったため、録画を停止しました。録画は %2 個のセグメントとして次の場所に残っています：
%3
1 つのファイルに結合するには約 %4 の空き容量が必要です（現在の空き容量 %5）。空き容量を確保したあと、これらのセグメントを手動で結合できます。</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已满，录制已停止。已录下的分段保留在：
%2</source>
        <translation>保存先ディスク %1 がいっぱいになったため、録画を停止しました。録画済みのセグメントは次の場所に残っています：
%2</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已满，录制已停止并已保存为：
%2</source>
        <translation>保存先ディスク %1 がいっぱいになったため、録画を停止し、次のファイルに保存しました：
%2</translation>
    </message>
    <message>
        <source>录制进程意外结束，没有录下任何内容。</source>
        <translation>録画プロセスが予期せず終了したため、何も録画されませんでした。</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已满，没有录下任何内容。请清理空间或更换保存目录。</source>
        <translation>保存先ディスク %1 がいっぱいのため、何も録画されませんでした。空き容量を増やすか、別の保存フォルダーを選んでください。</translation>
    </message>
    <message>
        <source>无法录制麦克风：声音服务器没有开始录音。请检查输入设备后重试。</source>
        <translation>マイクを録音できません：サウンドサーバーが録音を開始しませんでした。入力デバイスを確認してもう一度お試しください。</translation>
    </message>
    <message>
        <source>无法捕获系统声音：声音服务器没有开始录音。请检查输出设备后重试。</source>
        <translation>システム音声をキャプチャできません：サウンドサーバーが録音を開始しませんでした。出力デバイスを確認してもう一度お試しください。</translation>
    </message>
    <message>
        <source>正在等待 FFmpeg 检测编码器…</source>
        <translation>FFmpeg のエンコーダー検査を待っています…</translation>
    </message>
    <message>
        <source>正在等待 FFmpeg 开始录制…</source>
        <translation>FFmpeg の録画開始を待っています…</translation>
    </message>
    <message>
        <source>请先启动声音服务器（PulseAudio），再开始录制。</source>
        <translation>先にサウンドサーバー（PulseAudio）を起動してから録音を開始してください。</translation>
    </message>
    <message>
        <source>请先启动声音服务器（PulseAudio），或关闭扬声器和麦克风后录制无声视频。</source>
        <translation>先にサウンドサーバー（PulseAudio）を起動するか、スピーカーとマイクをオフにして音声なしで録画してください。</translation>
    </message>
    <message>
        <source>没有录下任何内容：录制在开始之前就已停止。</source>
        <translation>何も録画されませんでした：録画が始まる前に停止されました。</translation>
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
    <message>
        <source>保存磁盘 %1 已满，分段没有合并成一个文件。腾出约 %2 的可用空间后，可以手动合并这些分段。</source>
        <translation>保存先ディスク %1 がいっぱいのため、セグメントを 1 つのファイルに結合できませんでした。約 %2 の空き容量を確保したあと、これらのセグメントを手動で結合できます。</translation>
    </message>
</context>
<context>
    <name>RecordingSettingsDialog</name>
    <message>
        <source>录制性能设置</source>
        <translation>録画パフォーマンス設定</translation>
    </message>
    <message>
        <source>录制性能</source>
        <translation>録画パフォーマンス</translation>
    </message>
    <message>
        <source>选择用途，自动匹配参数</source>
        <translation>用途を選ぶとパラメーターが自動で決まります</translation>
    </message>
    <message>
        <source>预设</source>
        <translation>プリセット</translation>
    </message>
    <message>
        <source>办公
文档、会议</source>
        <translation>オフィス
資料・会議</translation>
    </message>
    <message>
        <source>课程
文字清晰</source>
        <translation>講座
文字をくっきり</translation>
    </message>
    <message>
        <source>游戏
流畅优先</source>
        <translation>ゲーム
滑らかさ優先</translation>
    </message>
    <message>
        <source>高画质
细节优先</source>
        <translation>高画質
ディテール優先</translation>
    </message>
    <message>
        <source>高级设置  ▾</source>
        <translation>詳細設定  ▾</translation>
    </message>
    <message>
        <source>帧率</source>
        <translation>フレームレート</translation>
    </message>
    <message>
        <source>格式</source>
        <translation>形式</translation>
    </message>
    <message>
        <source>画质</source>
        <translation>画質</translation>
    </message>
    <message>
        <source>帧率类型</source>
        <translation>フレームレートの種類</translation>
    </message>
    <message>
        <source>编码器</source>
        <translation>エンコーダー</translation>
    </message>
    <message>
        <source>关键帧</source>
        <translation>キーフレーム</translation>
    </message>
    <message>
        <source>30 FPS（推荐）</source>
        <translation>30 FPS（推奨）</translation>
    </message>
    <message>
        <source>标准</source>
        <translation>標準</translation>
    </message>
    <message>
        <source>高清（推荐）</source>
        <translation>高画質（推奨）</translation>
    </message>
    <message>
        <source>超清</source>
        <translation>超高画質</translation>
    </message>
    <message>
        <source>自动（推荐）</source>
        <translation>自動（推奨）</translation>
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
        <translation>MP4（互換性重視）</translation>
    </message>
    <message>
        <source>MKV（易恢复）</source>
        <translation>MKV（復旧しやすい）</translation>
    </message>
    <message>
        <source>恒定（推荐）</source>
        <translation>固定（推奨）</translation>
    </message>
    <message>
        <source>可变（省空间）</source>
        <translation>可変（容量節約）</translation>
    </message>
    <message>
        <source>1 秒</source>
        <translation>1 秒</translation>
    </message>
    <message>
        <source>2 秒（推荐）</source>
        <translation>2 秒（推奨）</translation>
    </message>
    <message>
        <source>5 秒</source>
        <translation>5 秒</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>收起高级设置  ▴</source>
        <translation>詳細設定を閉じる  ▴</translation>
    </message>
    <message>
        <source>高清</source>
        <translation>高画質</translation>
    </message>
    <message>
        <source>CPU 编码</source>
        <translation>CPU エンコード</translation>
    </message>
    <message>
        <source>自动编码</source>
        <translation>自動エンコード</translation>
    </message>
    <message>
        <source>GPU 编码</source>
        <translation>GPU エンコード</translation>
    </message>
    <message>
        <source>高性能模式</source>
        <translation>高パフォーマンスモード</translation>
    </message>
    <message>
        <source>适合办公与课程</source>
        <translation>オフィスや講座向け</translation>
    </message>
    <message>
        <source>适合游戏</source>
        <translation>ゲーム向け</translation>
    </message>
    <message>
        <source>%1 · %2 · 关键帧 %3 秒</source>
        <translation>%1 · %2 · キーフレーム %3 秒</translation>
    </message>
    <message>
        <source>可变</source>
        <translation>可変</translation>
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
        <translation>現在のディスプレイの最大リフレッシュレートは約 %1 Hz です</translation>
    </message>
    <message>
        <source>没有检测到可用的 H.264 GPU 硬件编码器</source>
        <translation>利用できる H.264 GPU ハードウェアエンコーダーが見つかりません</translation>
    </message>
    <message>
        <source>120 FPS 性能检查</source>
        <translation>120 FPS パフォーマンスチェック</translation>
    </message>
    <message>
        <source>当前设备可能无法稳定录制 120 FPS：

• %1

建议自动调整为 60 FPS。录制期间仍会继续监测实际性能。</source>
        <translation>このデバイスでは 120 FPS を安定して録画できない可能性があります：

• %1

60 FPS への自動変更をおすすめします。録画中も実際のパフォーマンスを監視し続けます。</translation>
    </message>
    <message>
        <source>自动改为 60 FPS</source>
        <translation>60 FPS に変更</translation>
    </message>
    <message>
        <source>仍然使用 120 FPS</source>
        <translation>120 FPS のまま使う</translation>
    </message>
    <message>
        <source>返回设置</source>
        <translation>設定に戻る</translation>
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
    <message>
        <source>这个时间已经过去，请选择一个将来的时间。</source>
        <translation>この時刻はすでに過ぎています。これからの時刻を選んでください。</translation>
    </message>
</context>
<context>
    <name>ScreenshotNotice</name>
    <message>
        <source>截图失败</source>
        <translation>スクリーンショットに失敗しました</translation>
    </message>
    <message>
        <source>无法截取画面。</source>
        <translation>画面を取得できませんでした。</translation>
    </message>
    <message>
        <source>无法保存截图：
%1
请检查文件夹的写入权限。</source>
        <translation>スクリーンショットを保存できません：
%1
フォルダーへの書き込み権限を確認してください。</translation>
    </message>
    <message>
        <source>截图完成</source>
        <translation>スクリーンショットを保存しました</translation>
    </message>
    <message>
        <source>截图已保存到：
%1</source>
        <translation>スクリーンショットの保存先：
%1</translation>
    </message>
    <message>
        <source>上一张截图仍在保存，请稍后再试。</source>
        <translation>前のスクリーンショットを保存中です。少し待ってからもう一度お試しください。</translation>
    </message>
</context>
<context>
    <name>SegmentMerger</name>
    <message>
        <source>FFmpeg 停止了响应，分段没有合并。</source>
        <translation>FFmpeg が応答しなくなったため、セグメントは結合されませんでした。</translation>
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
        <translation>保存</translation>
    </message>
    <message>
        <source>鼠标效果</source>
        <translation>マウス効果</translation>
    </message>
    <message>
        <source>快捷键</source>
        <translation>ショートカット</translation>
    </message>
    <message>
        <source>录制</source>
        <translation>録画</translation>
    </message>
    <message>
        <source>恢复默认设置</source>
        <translation>既定値に戻す</translation>
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
        <source>保存设置</source>
        <translation>設定の保存</translation>
    </message>
    <message>
        <source>保存目录无效或无法创建，请重新选择。</source>
        <translation>保存フォルダーが無効か作成できません。別のフォルダーを選んでください。</translation>
    </message>
    <message>
        <source>每个全局快捷键只能包含一个组合，请重新设置。</source>
        <translation>グローバルショートカットには組み合わせを 1 つだけ設定できます。設定し直してください。</translation>
    </message>
    <message>
        <source>快捷键 %1 被重复使用，请为每个功能设置不同组合。</source>
        <translation>ショートカット %1 が重複しています。機能ごとに別の組み合わせを設定してください。</translation>
    </message>
    <message>
        <source>快捷键设置</source>
        <translation>ショートカットの設定</translation>
    </message>
    <message>
        <source>设置写入失败，请检查当前用户的配置权限。</source>
        <translation>設定を書き込めませんでした。現在のユーザーの設定ファイルへの書き込み権限を確認してください。</translation>
    </message>
    <message>
        <source>开机时自动启动 Vistrelle</source>
        <translation>ログイン時に Vistrelle を起動</translation>
    </message>
    <message>
        <source>启动后最小化到系统托盘</source>
        <translation>起動後にシステムトレイへ最小化</translation>
    </message>
    <message>
        <source>关闭按钮</source>
        <translation>閉じるボタン</translation>
    </message>
    <message>
        <source>最小化到系统托盘</source>
        <translation>システムトレイに最小化</translation>
    </message>
    <message>
        <source>退出程序</source>
        <translation>プログラムを終了</translation>
    </message>
    <message>
        <source>每次询问我</source>
        <translation>毎回確認する</translation>
    </message>
    <message>
        <source>选择“每次询问我”时，每次关闭主窗口都会弹出选择窗口。以后仍可在这里修改。</source>
        <translation>「毎回確認する」を選ぶと、メインウィンドウを閉じるたびに選択画面が表示されます。あとでここから変更できます。</translation>
    </message>
    <message>
        <source>诊断</source>
        <translation>診断</translation>
    </message>
    <message>
        <source>启用详细诊断日志</source>
        <translation>詳細な診断ログを有効にする</translation>
    </message>
    <message>
        <source>日志保存在本机；重启后生效。</source>
        <translation>ログはこのコンピューターに保存されます。再起動後に有効になります。</translation>
    </message>
    <message>
        <source>默认保存目录</source>
        <translation>既定の保存フォルダー</translation>
    </message>
    <message>
        <source>浏览…</source>
        <translation>参照…</translation>
    </message>
    <message>
        <source>文件命名规则</source>
        <translation>ファイル名の付け方</translation>
    </message>
    <message>
        <source>日期 + 时间</source>
        <translation>日付 + 時刻</translation>
    </message>
    <message>
        <source>Vistrelle + 日期时间</source>
        <translation>Vistrelle + 日時</translation>
    </message>
    <message>
        <source>自动编号</source>
        <translation>連番</translation>
    </message>
    <message>
        <source>示例：2026-09-04_143022.mp4</source>
        <translation type="vanished">例：2026-09-04_143022.mp4</translation>
    </message>
    <message>
        <source>磁盘空间提醒</source>
        <translation>ディスク容量の警告</translation>
    </message>
    <message>
        <source>当磁盘剩余空间少于</source>
        <translation>空き容量が次を下回ったら</translation>
    </message>
    <message>
        <source>时提醒我</source>
        <translation>警告する</translation>
    </message>
    <message>
        <source>选择保存目录</source>
        <translation>保存フォルダーを選択</translation>
    </message>
    <message>
        <source>显示鼠标高亮</source>
        <translation>マウスポインターを強調表示</translation>
    </message>
    <message>
        <source>高亮颜色</source>
        <translation>強調色</translation>
    </message>
    <message>
        <source>大小</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>透明度</source>
        <translation>不透明度</translation>
    </message>
    <message>
        <source>点击动画</source>
        <translation>クリックアニメーション</translation>
    </message>
    <message>
        <source>显示鼠标点击动画</source>
        <translation>マウスクリックをアニメーション表示</translation>
    </message>
    <message>
        <source>左键点击</source>
        <translation>左クリック</translation>
    </message>
    <message>
        <source>右键点击</source>
        <translation>右クリック</translation>
    </message>
    <message>
        <source>选择颜色</source>
        <translation>色を選択</translation>
    </message>
    <message>
        <source>点击选择颜色</source>
        <translation>クリックして色を選択</translation>
    </message>
    <message>
        <source>开始 / 停止录制</source>
        <translation>録画の開始 / 停止</translation>
    </message>
    <message>
        <source>暂停 / 继续录制</source>
        <translation>録画の一時停止 / 再開</translation>
    </message>
    <message>
        <source>截图（全屏 / 区域）</source>
        <translation>スクリーンショット（全画面 / 範囲）</translation>
    </message>
    <message>
        <source>显示 / 隐藏悬浮工具栏</source>
        <translation>フローティングツールバーの表示 / 非表示</translation>
    </message>
    <message>
        <source>显示 / 隐藏注释工具栏</source>
        <translation>注釈ツールバーの表示 / 非表示</translation>
    </message>
    <message>
        <source>点击确定后保存，应用于下一次录制。</source>
        <translation>OK を押すと保存され、次の録画から適用されます。</translation>
    </message>
    <message>
        <source>录制预设</source>
        <translation>録画プリセット</translation>
    </message>
    <message>
        <source>办公</source>
        <translation>オフィス</translation>
    </message>
    <message>
        <source>课程</source>
        <translation>講座</translation>
    </message>
    <message>
        <source>游戏</source>
        <translation>ゲーム</translation>
    </message>
    <message>
        <source>自定义</source>
        <translation>カスタム</translation>
    </message>
    <message>
        <source>标准</source>
        <translation>標準</translation>
    </message>
    <message>
        <source>高清（推荐）</source>
        <translation>高画質（推奨）</translation>
    </message>
    <message>
        <source>超清</source>
        <translation>超高画質</translation>
    </message>
    <message>
        <source>自动（推荐）</source>
        <translation>自動（推奨）</translation>
    </message>
    <message>
        <source>恒定（推荐）</source>
        <translation>固定（推奨）</translation>
    </message>
    <message>
        <source>可变</source>
        <translation>可変</translation>
    </message>
    <message>
        <source>%1 秒</source>
        <translation>%1 秒</translation>
    </message>
    <message>
        <source>常用设置</source>
        <translation>よく使う設定</translation>
    </message>
    <message>
        <source>视频格式</source>
        <translation>動画形式</translation>
    </message>
    <message>
        <source>帧率</source>
        <translation>フレームレート</translation>
    </message>
    <message>
        <source>画质</source>
        <translation>画質</translation>
    </message>
    <message>
        <source>硬件加速</source>
        <translation>ハードウェアアクセラレーション</translation>
    </message>
    <message>
        <source>高级设置 ▾</source>
        <translation>詳細設定 ▾</translation>
    </message>
    <message>
        <source>帧率类型</source>
        <translation>フレームレートの種類</translation>
    </message>
    <message>
        <source>关键帧间隔</source>
        <translation>キーフレーム間隔</translation>
    </message>
    <message>
        <source>收起高级设置 ▴</source>
        <translation>詳細設定を閉じる ▴</translation>
    </message>
    <message>
        <source>示例：%1</source>
        <translation>例：%1</translation>
    </message>
</context>
<context>
    <name>SetupRecordingToolbar</name>
    <message>
        <source>Full Screen  ▾</source>
        <translation>全画面  ▾</translation>
    </message>
    <message>
        <source>Display 1</source>
        <translation>ディスプレイ 1</translation>
    </message>
    <message>
        <source>Webcam  ▾</source>
        <translation>Webカメラ  ▾</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>Speaker  ▾</source>
        <translation>スピーカー  ▾</translation>
    </message>
    <message>
        <source>On</source>
        <translation>オン</translation>
    </message>
    <message>
        <source>Microphone  ▾</source>
        <translation>マイク  ▾</translation>
    </message>
    <message>
        <source>Screenshot</source>
        <translation>スクリーンショット</translation>
    </message>
    <message>
        <source>Auto Stop</source>
        <translation>自動停止</translation>
    </message>
    <message>
        <source>Auto Split</source>
        <translation>自動分割</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>スケジュール</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>全画面</translation>
    </message>
    <message>
        <source>Full Screen · Display %1</source>
        <translation>全画面 · ディスプレイ %1</translation>
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
        <source>Custom Area  ▾</source>
        <translation>カスタム範囲  ▾</translation>
    </message>
    <message>
        <source>Window  ▾</source>
        <translation>ウィンドウ  ▾</translation>
    </message>
    <message>
        <source>Game  ▾</source>
        <translation>ゲーム  ▾</translation>
    </message>
    <message>
        <source>Audio Only  ▾</source>
        <translation>音声のみ  ▾</translation>
    </message>
    <message>
        <source>Start recording</source>
        <translation>録画を開始</translation>
    </message>
    <message>
        <source>Select a window before recording</source>
        <translation>録画する前にウィンドウを選択してください</translation>
    </message>
    <message>
        <source>Drag toolbar</source>
        <translation>ツールバーをドラッグ</translation>
    </message>
    <message>
        <source>Open menu</source>
        <translation>メニューを開く</translation>
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
    <name>TimelineWidget</name>
    <message>
        <source>🎬 视频</source>
        <translation>🎬 映像</translation>
    </message>
    <message>
        <source>🔊 系统音</source>
        <translation>🔊 システム音</translation>
    </message>
    <message>
        <source>🎵 背景乐</source>
        <translation>🎵 背景音楽</translation>
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
    <name>ToolDialog</name>
    <message>
        <source>音量</source>
        <translation type="vanished">音量</translation>
    </message>
    <message>
        <source>音频</source>
        <translation type="vanished">音声</translation>
    </message>
    <message>
        <source>速度</source>
        <translation type="vanished">速度</translation>
    </message>
    <message>
        <source>转换</source>
        <translation type="vanished">変換</translation>
    </message>
    <message>
        <source>信息</source>
        <translation type="vanished">情報</translation>
    </message>
    <message>
        <source>取消</source>
        <translation type="vanished">キャンセル</translation>
    </message>
    <message>
        <source>应用</source>
        <translation type="vanished">適用</translation>
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
        <translation type="vanished">%1 個のファイル</translation>
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
        <translation>ファイル情報</translation>
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
    <message>
        <source>正在生成波形…</source>
        <translation>波形を生成しています…</translation>
    </message>
    <message>
        <source>正在加载缩略图…</source>
        <translation>サムネイルを読み込んでいます…</translation>
    </message>
    <message>
        <source>音频文件</source>
        <translation>音声ファイル</translation>
    </message>
    <message>
        <source>无法加载缩略图</source>
        <translation>サムネイルを読み込めません</translation>
    </message>
    <message>
        <source>移除声音</source>
        <translation>音声を消す</translation>
    </message>
    <message>
        <source>裁剪</source>
        <translation>トリミング</translation>
    </message>
    <message>
        <source>分割</source>
        <translation>分割</translation>
    </message>
    <message>
        <source>截图</source>
        <translation>スクリーンショット</translation>
    </message>
    <message>
        <source>水印</source>
        <translation>透かし</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>更多</source>
        <translation>その他</translation>
    </message>
    <message>
        <source>编辑与文件工具</source>
        <translation>編集とファイルのツール</translation>
    </message>
    <message>
        <source>裁剪视频</source>
        <translation>動画をトリミング</translation>
    </message>
    <message>
        <source>拖动两侧滑块，选择保留的片段</source>
        <translation>両側のハンドルをドラッグして残す部分を選びます</translation>
    </message>
    <message>
        <source>Start Trimming...</source>
        <translation>トリミングを開始...</translation>
    </message>
    <message>
        <source>分割点  %1</source>
        <translation>分割位置  %1</translation>
    </message>
    <message>
        <source>将在 %1 处分割为两个%2片段</source>
        <translation type="vanished">%1 で 2 つの%2クリップに分割します</translation>
    </message>
    <message>
        <source>选中时长  %1</source>
        <translation>選択した長さ  %1</translation>
    </message>
    <message>
        <source>Mute Selection</source>
        <translation>選択範囲を消音</translation>
    </message>
    <message>
        <source>预览画面效果</source>
        <translation>映像効果のプレビュー</translation>
    </message>
    <message>
        <source>分割音频</source>
        <translation>音声を分割</translation>
    </message>
    <message>
        <source>分割视频</source>
        <translation>動画を分割</translation>
    </message>
    <message>
        <source>裁剪音频</source>
        <translation>音声をトリミング</translation>
    </message>
    <message>
        <source>当前仅预览，点击保存后才会处理视频</source>
        <translation>プレビューのみです。保存をクリックすると動画が処理されます</translation>
    </message>
    <message>
        <source>拖动黄色分割线，选择分割位置</source>
        <translation>黄色の線をドラッグして分割位置を選びます</translation>
    </message>
    <message>
        <source>Save Muted Copy</source>
        <translation>消音したコピーを保存</translation>
    </message>
    <message>
        <source>开始分割</source>
        <translation>分割を開始</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>已设为无声</source>
        <translation>消音中</translation>
    </message>
    <message>
        <source>点击恢复原声</source>
        <translation>クリックすると元の音声に戻ります</translation>
    </message>
    <message>
        <source>Mute audio in the selected range</source>
        <translation>選択範囲の音声を消音</translation>
    </message>
    <message>
        <source>音量</source>
        <translation>音量</translation>
    </message>
    <message>
        <source>调整音频音量</source>
        <translation>音声の音量を調整</translation>
    </message>
    <message>
        <source>Vistrelle 全屏播放</source>
        <translation>Vistrelle 全画面再生</translation>
    </message>
    <message>
        <source>截图不可用</source>
        <translation>スクリーンショットを撮れません</translation>
    </message>
    <message>
        <source>视频画面尚未就绪，请先播放或移动到需要截图的位置。</source>
        <translation>動画の映像がまだ準備できていません。先に再生するか、撮りたい位置に移動してください。</translation>
    </message>
    <message>
        <source>截图完成</source>
        <translation>スクリーンショットを保存しました</translation>
    </message>
    <message>
        <source>截图已保存到：
%1</source>
        <translation>スクリーンショットの保存先：
%1</translation>
    </message>
    <message>
        <source>正在保存媒体文件，请稍候…</source>
        <translation>メディアファイルを保存しています。お待ちください…</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>正在保存</source>
        <translation>保存中</translation>
    </message>
    <message>
        <source>编辑失败</source>
        <translation>編集に失敗しました</translation>
    </message>
    <message>
        <source>无法启动 FFmpeg。</source>
        <translation>FFmpeg を起動できません。</translation>
    </message>
    <message>
        <source>无法分割</source>
        <translation>分割できません</translation>
    </message>
    <message>
        <source>请将播放位置移动到音频中间。</source>
        <translation>再生位置を音声の途中に移動してください。</translation>
    </message>
    <message>
        <source>请将播放位置移动到视频中间。</source>
        <translation>再生位置を動画の途中に移動してください。</translation>
    </message>
    <message>
        <source>分割失败</source>
        <translation>分割に失敗しました</translation>
    </message>
    <message>
        <source>FFmpeg 没有写出分割后的文件。</source>
        <translation>FFmpeg は分割後のファイルを書き出しませんでした。</translation>
    </message>
    <message>
        <source>分割完成</source>
        <translation>分割が完了しました</translation>
    </message>
    <message>
        <source>已生成两个音频片段。</source>
        <translation>2 つの音声クリップを作成しました。</translation>
    </message>
    <message>
        <source>已生成两个视频片段。</source>
        <translation>2 つの動画クリップを作成しました。</translation>
    </message>
    <message>
        <source>保存失败</source>
        <translation>保存に失敗しました</translation>
    </message>
    <message>
        <source>无法替换原文件，原文件已保留。</source>
        <translation>元のファイルを置き換えられませんでした。元のファイルは残っています。</translation>
    </message>
    <message>
        <source>保存完成</source>
        <translation>保存しました</translation>
    </message>
    <message>
        <source>音频已保存：
%1</source>
        <translation>音声を保存しました：
%1</translation>
    </message>
    <message>
        <source>视频已保存：
%1</source>
        <translation>動画を保存しました：
%1</translation>
    </message>
    <message>
        <source>正在处理媒体文件…</source>
        <translation>メディアファイルを処理しています…</translation>
    </message>
    <message>
        <source>处理失败</source>
        <translation>処理に失敗しました</translation>
    </message>
    <message>
        <source>操作已完成。</source>
        <translation>操作が完了しました。</translation>
    </message>
    <message>
        <source>文件已保存：
%1</source>
        <translation>ファイルを保存しました：
%1</translation>
    </message>
    <message>
        <source>旋转 90°</source>
        <translation>90° 回転</translation>
    </message>
    <message>
        <source>水平翻转</source>
        <translation>左右反転</translation>
    </message>
    <message>
        <source>垂直翻转</source>
        <translation>上下反転</translation>
    </message>
    <message>
        <source>调整播放速度</source>
        <translation>再生速度を調整</translation>
    </message>
    <message>
        <source>调整音量</source>
        <translation>音量を調整</translation>
    </message>
    <message>
        <source>提取音频</source>
        <translation>音声を抽出</translation>
    </message>
    <message>
        <source>另存为 / 转换格式</source>
        <translation>名前を付けて保存 / 変換</translation>
    </message>
    <message>
        <source>未知</source>
        <translation>不明</translation>
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
        <translation type="vanished">形式: %1
コーデック: %2
サンプルレート: %3 Hz
チャンネル: %4
ビットレート: %5 kbps
長さ: %6
サイズ: %7
作成日時: %8
保存先: %9</translation>
    </message>
    <message>
        <source>格式：%1
分辨率：%2 × %3
帧率：%4 fps
时长：%5
大小：%6
创建时间：%7
保存路径：%8</source>
        <translation type="vanished">形式: %1
解像度: %2 × %3
フレームレート: %4 fps
長さ: %5
サイズ: %6
作成日時: %7
保存先: %8</translation>
    </message>
    <message>
        <source>速度</source>
        <translation>速度</translation>
    </message>
    <message>
        <source>转换</source>
        <translation>変換</translation>
    </message>
    <message>
        <source>信息</source>
        <translation>情報</translation>
    </message>
    <message>
        <source>应用</source>
        <translation>適用</translation>
    </message>
    <message>
        <source>播放速度</source>
        <translation>再生速度</translation>
    </message>
    <message>
        <source>调整预览速度，也可生成变速视频</source>
        <translation>プレビュー速度を変更するか、速度を変えたコピーを作成します</translation>
    </message>
    <message>
        <source>选择速度</source>
        <translation>速度を選択</translation>
    </message>
    <message>
        <source>Normal (1×)</source>
        <translation>標準 (1×)</translation>
    </message>
    <message>
        <source>0.5× 慢速    1× 原速    1.5× / 2× 加速</source>
        <translation>0.5× スロー    1× 元の速度    1.5× / 2× 高速</translation>
    </message>
    <message>
        <source>变速完成</source>
        <translation>速度の変更が完了しました</translation>
    </message>
    <message>
        <source>预览并输出新的音量电平</source>
        <translation>新しい音量をプレビューしてコピーを作成します</translation>
    </message>
    <message>
        <source>静音</source>
        <translation>ミュート</translation>
    </message>
    <message>
        <source>音量调整完成</source>
        <translation>音量の調整が完了しました</translation>
    </message>
    <message>
        <source>从视频中提取音轨，保存为音频文件</source>
        <translation>動画の音声トラックを音声ファイルとして保存します</translation>
    </message>
    <message>
        <source>提取</source>
        <translation>抽出</translation>
    </message>
    <message>
        <source>输出格式</source>
        <translation>出力形式</translation>
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
        <translation>圧縮（128 kbps）</translation>
    </message>
    <message>
        <source>音频提取完成</source>
        <translation>音声の抽出が完了しました</translation>
    </message>
    <message>
        <source>选择输出格式并保留原始文件</source>
        <translation>出力形式を選択します（元のファイルは残ります）</translation>
    </message>
    <message>
        <source>导出</source>
        <translation>エクスポート</translation>
    </message>
    <message>
        <source>画质</source>
        <translation>画質</translation>
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
        <translation>圧縮</translation>
    </message>
    <message>
        <source>转换完成</source>
        <translation>変換が完了しました</translation>
    </message>
    <message>
        <source>修改文件名，扩展名保持不变</source>
        <translation>ファイル名を変更します（拡張子はそのまま）</translation>
    </message>
    <message>
        <source>新文件名</source>
        <translation>新しいファイル名</translation>
    </message>
    <message>
        <source>名称无效</source>
        <translation>無効な名前</translation>
    </message>
    <message>
        <source>文件名为空或包含无效字符。</source>
        <translation>ファイル名が空か、使用できない文字が含まれています。</translation>
    </message>
    <message>
        <source>重命名失败</source>
        <translation>名前の変更に失敗しました</translation>
    </message>
    <message>
        <source>目标文件已存在或文件正在被占用。</source>
        <translation>同じ名前のファイルが既にあるか、ファイルが使用中です。</translation>
    </message>
    <message>
        <source>查看音频文件的详细信息</source>
        <translation>音声ファイルの詳細</translation>
    </message>
    <message>
        <source>查看视频文件的详细信息</source>
        <translation>動画ファイルの詳細</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>复制信息</source>
        <translation>情報をコピー</translation>
    </message>
    <message>
        <source>无法在视频目录创建临时文件，请检查写入权限。</source>
        <translation>動画のフォルダーに一時ファイルを作成できません。書き込み権限を確認してください。</translation>
    </message>
    <message>
        <source>无法写入水印文字。</source>
        <translation>透かしの文字を書き込めません。</translation>
    </message>
    <message>
        <source>正在添加水印，原视频保持不变…</source>
        <translation>透かしを追加しています（元の動画は変更されません）…</translation>
    </message>
    <message>
        <source>无法保存水印副本，原视频未修改。</source>
        <translation>透かし入りのコピーを保存できません。元の動画は変更されていません。</translation>
    </message>
    <message>
        <source>无法生成水印副本，原视频未修改。</source>
        <translation>透かし入りのコピーを作成できません。元の動画は変更されていません。</translation>
    </message>
    <message>
        <source>将在 %1 处分割为两个音频片段</source>
        <translation>%1 で 2 つの音声クリップに分割します</translation>
    </message>
    <message>
        <source>将在 %1 处分割为两个视频片段</source>
        <translation>%1 で 2 つの動画クリップに分割します</translation>
    </message>
    <message numerus="yes">
        <source>%n 个文件</source>
        <translation>
            <numerusform>%n 個のファイル</numerusform>
        </translation>
    </message>
    <message>
        <source>截图失败</source>
        <translation>スクリーンショットに失敗しました</translation>
    </message>
    <message>
        <source>无法保存截图：
%1
请检查文件夹的写入权限。</source>
        <translation>スクリーンショットを保存できません：
%1
フォルダーへの書き込み権限を確認してください。</translation>
    </message>
    <message>
        <source>已有同名文件：
%1</source>
        <translation>同じ名前のファイルが既にあります：
%1</translation>
    </message>
    <message>
        <source>没有写入此文件夹的权限：
%1</source>
        <translation>このフォルダーに書き込む権限がありません：
%1</translation>
    </message>
    <message>
        <source>文件名不能包含字符 %1</source>
        <translation>ファイル名に文字 %1 は使用できません</translation>
    </message>
    <message>
        <source>文件为空</source>
        <translation>ファイルが空です</translation>
    </message>
    <message>
        <source>格式：%1
分辨率：%2
帧率：%3
时长：%4
大小：%5
创建时间：%6
保存路径：%7</source>
        <translation>形式: %1
解像度: %2
フレームレート: %3
長さ: %4
サイズ: %5
作成日時: %6
保存先: %7</translation>
    </message>
    <message>
        <source>文件不存在</source>
        <translation>ファイルが見つかりません</translation>
    </message>
    <message>
        <source>“%1”已被移动或删除，已从列表中移除。</source>
        <translation>「%1」は移動または削除されたため、存在しません。一覧から取り除きました。</translation>
    </message>
    <message>
        <source>文件名过长，请缩短后再试。</source>
        <translation>ファイル名が長すぎます。短くしてからもう一度お試しください。</translation>
    </message>
    <message>
        <source>无法检查这个文件是否可用：%1</source>
        <translation>このファイルが使えるかどうかを確認できませんでした：%1</translation>
    </message>
    <message>
        <source>正在读取文件信息…</source>
        <translation>ファイル情報を読み込んでいます…</translation>
    </message>
    <message>
        <source>无法读取此文件的信息</source>
        <translation>このファイルの情報を読み取れませんでした</translation>
    </message>
    <message>
        <source>此文件没有声音</source>
        <translation>このファイルには音声がありません</translation>
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
        <translation>形式: %1
コーデック: %2
サンプルレート: %3
チャンネル: %4
ビットレート: %5
長さ: %6
サイズ: %7
作成日時: %8
保存先: %9</translation>
    </message>
    <message>
        <source>时长未知</source>
        <translation>長さ不明</translation>
    </message>
    <message>
        <source>声道未知</source>
        <translation>チャンネル数不明</translation>
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
<context>
    <name>vc::CloseBehaviorDialog</name>
    <message>
        <source>关闭 Vistrelle</source>
        <translation>Vistrelle を閉じる</translation>
    </message>
    <message>
        <source>关闭窗口后要做什么？</source>
        <translation>ウィンドウを閉じたらどうしますか？</translation>
    </message>
    <message>
        <source>最小化到托盘</source>
        <translation>トレイに最小化</translation>
    </message>
    <message>
        <source>退出 Vistrelle</source>
        <translation>Vistrelle を終了</translation>
    </message>
    <message>
        <source>记住我的选择，下次不再询问</source>
        <translation>選択を記憶して次回から確認しない</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
</context>
</TS>

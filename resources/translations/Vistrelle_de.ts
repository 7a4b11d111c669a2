<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="zh_CN">
<context>
    <name>AnnotationOverlay</name>
    <message>
        <source>添加文字标注</source>
        <translation>Textanmerkung hinzufügen</translation>
    </message>
    <message>
        <source>输入标注文字：</source>
        <translation>Text der Anmerkung:</translation>
    </message>
    <message>
        <source>左键绘制  Ctrl+Z 撤销  Del 清除  ESC 退出</source>
        <translation>Mit linker Maustaste zeichnen  Strg+Z Rückgängig  Entf Löschen  Esc Beenden</translation>
    </message>
</context>
<context>
    <name>AnnotationToolbar</name>
    <message>
        <source>画笔</source>
        <translation>Stift</translation>
    </message>
    <message>
        <source>箭头</source>
        <translation>Pfeil</translation>
    </message>
    <message>
        <source>矩形</source>
        <translation>Rechteck</translation>
    </message>
    <message>
        <source>文字</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>选择颜色</source>
        <translation>Farbe wählen</translation>
    </message>
    <message>
        <source>粗细</source>
        <translation>Stärke</translation>
    </message>
    <message>
        <source>撤销  Ctrl+Z</source>
        <translation>Rückgängig  Strg+Z</translation>
    </message>
    <message>
        <source>清除全部  Del</source>
        <translation>Alles löschen  Entf</translation>
    </message>
    <message>
        <source>退出注释</source>
        <translation>Anmerkungen beenden</translation>
    </message>
    <message>
        <source>选择注释颜色</source>
        <translation>Anmerkungsfarbe wählen</translation>
    </message>
</context>
<context>
    <name>AreaDropdown</name>
    <message>
        <source>全屏</source>
        <translation>Vollbild</translation>
    </message>
    <message>
        <source>选择区域 / 窗口</source>
        <translation>Bereich / Fenster auswählen</translation>
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
        <translation>Klicken und ziehen, um einen Bereich auszuwählen</translation>
    </message>
</context>
<context>
    <name>AudioSettingsDialog</name>
    <message>
        <source>音频高级设置</source>
        <translation>Erweiterte Audioeinstellungen</translation>
    </message>
    <message>
        <source>系统声与麦克风会分别处理，再混合写入录制文件。</source>
        <translation>Systemton und Mikrofon werden getrennt bearbeitet und dann in die Aufnahme gemischt.</translation>
    </message>
    <message>
        <source>系统声音音量</source>
        <translation>Lautstärke des Systemtons</translation>
    </message>
    <message>
        <source>麦克风音量</source>
        <translation>Mikrofonlautstärke</translation>
    </message>
    <message>
        <source> ms</source>
        <translation> ms</translation>
    </message>
    <message>
        <source>麦克风延迟</source>
        <translation>Mikrofonverzögerung</translation>
    </message>
    <message>
        <source>麦克风降噪（降低持续环境噪声）</source>
        <translation>Mikrofon-Rauschunterdrückung (senkt gleichmäßiges Hintergrundrauschen)</translation>
    </message>
    <message>
        <source>单声道输出（适合语音录制）</source>
        <translation>Mono-Ausgabe (geeignet für Sprachaufnahmen)</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>Fertig</translation>
    </message>
</context>
<context>
    <name>AutoSplitDialog</name>
    <message>
        <source>自动分割设置</source>
        <translation>Einstellungen für automatisches Teilen</translation>
    </message>
    <message>
        <source>录制时按指定条件自动切分为多个文件</source>
        <translation>Beginnt bei einer Bedingung ein neues Segment; am Ende werden alle Segmente zu einer Datei zusammengefügt</translation>
    </message>
    <message>
        <source>按录制时长</source>
        <translation>Nach Dauer</translation>
    </message>
    <message>
        <source>适合会议、课程等长时间录制</source>
        <translation>Für lange Aufnahmen wie Besprechungen und Kurse</translation>
    </message>
    <message>
        <source>分钟</source>
        <translation>Min.</translation>
    </message>
    <message>
        <source>按文件大小</source>
        <translation>Nach Dateigröße</translation>
    </message>
    <message>
        <source>便于上传、传输或分段保存</source>
        <translation>Begrenzt die Größe jedes Segments</translation>
    </message>
    <message>
        <source>✓  无缝切分</source>
        <translation>✓  Nahtlose Teilung</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>将每 %1 分钟自动保存为一个新文件</source>
        <translation type="vanished">Alle %1 Minuten wird eine neue Datei gespeichert</translation>
    </message>
    <message>
        <source>文件达到 %1 MB 时自动切分并保存</source>
        <translation>Ein neues Segment beginnt, sobald eines %1 MB erreicht</translation>
    </message>
    <message numerus="yes">
        <source>将每 %n 分钟自动保存为一个新文件</source>
        <translation>
            <numerusform>Jede Minute beginnt ein neues Segment</numerusform>
            <numerusform>Alle %n Minuten beginnt ein neues Segment</numerusform>
        </translation>
    </message>
    <message>
        <source>关闭自动分割</source>
        <translation>Autom. Teilen ausschalten</translation>
    </message>
</context>
<context>
    <name>AutoStopDialog</name>
    <message>
        <source>自动停止设置</source>
        <translation>Einstellungen für automatisches Stoppen</translation>
    </message>
    <message>
        <source>录制达到指定条件时自动停止并保存文件。</source>
        <translation>Die Aufnahme stoppt und die Datei wird gespeichert, sobald eine Bedingung erreicht ist.</translation>
    </message>
    <message>
        <source>停止条件</source>
        <translation>Stoppbedingung</translation>
    </message>
    <message>
        <source>按录制时长</source>
        <translation>Nach Dauer</translation>
    </message>
    <message>
        <source>分钟</source>
        <translation>Min.</translation>
    </message>
    <message>
        <source>按文件大小</source>
        <translation>Nach Dateigröße</translation>
    </message>
    <message>
        <source>录制 %1 分钟后自动停止</source>
        <translation type="vanished">Stoppt nach %1 Minuten Aufnahme</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>文件达到 %1 MB 后自动停止</source>
        <translation>Stoppt, wenn die Datei %1 MB erreicht</translation>
    </message>
    <message>
        <source>自动停止倒计时</source>
        <translation>Countdown bis zum automatischen Stopp</translation>
    </message>
    <message>
        <source>录制将在以上时间后自动停止</source>
        <translation>Die Aufnahme stoppt nach dieser Zeit von selbst</translation>
    </message>
    <message>
        <source>取消自动停止</source>
        <translation>Automatischen Stopp abbrechen</translation>
    </message>
    <message numerus="yes">
        <source>录制 %n 分钟后自动停止</source>
        <translation>
            <numerusform>Stoppt nach einer Minute Aufnahme</numerusform>
            <numerusform>Stoppt nach %n Minuten Aufnahme</numerusform>
        </translation>
    </message>
    <message>
        <source>关闭自动停止</source>
        <translation>Autom. Stopp ausschalten</translation>
    </message>
</context>
<context>
    <name>BottomBar</name>
    <message>
        <source>媒体库</source>
        <translation>Mediathek</translation>
    </message>
    <message>
        <source>水印</source>
        <translation>Wasserzeichen</translation>
    </message>
    <message>
        <source>自动分割</source>
        <translation>Automatisch teilen</translation>
    </message>
    <message>
        <source>自动停止</source>
        <translation>Automatisch stoppen</translation>
    </message>
    <message>
        <source>计划录制</source>
        <translation>Geplante Aufnahme</translation>
    </message>
    <message>
        <source>GPU 加速</source>
        <translation>GPU-Beschleunigung</translation>
    </message>
</context>
<context>
    <name>CameraRecordingPage</name>
    <message>
        <source>Camera Recording</source>
        <translation>Kameraaufnahme</translation>
    </message>
    <message>
        <source>Back to Home</source>
        <translation>Zurück zur Startseite</translation>
    </message>
    <message>
        <source>Choose a camera to start preview</source>
        <translation>Wählen Sie eine Kamera für die Vorschau</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Spiegeln</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Hochformat</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Einpassen</translation>
    </message>
    <message>
        <source>Camera framing mode</source>
        <translation>Bildausschnitt der Kamera</translation>
    </message>
    <message>
        <source>System Audio</source>
        <translation>Systemton</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Mikrofon</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>Schnappschuss</translation>
    </message>
    <message>
        <source>Auto Stop</source>
        <translation>Auto-Stopp</translation>
    </message>
    <message>
        <source>Auto Split</source>
        <translation>Auto-Teilen</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Füllen</translation>
    </message>
    <message>
        <source>Camera access is off. Allow Vistrelle in System Settings &gt; Privacy &amp; Security &gt; Camera, then return to this page.</source>
        <translation>Der Kamerazugriff ist aus. Erlauben Sie Vistrelle unter Systemeinstellungen &gt; Datenschutz &amp; Sicherheit &gt; Kamera und kehren Sie dann zu dieser Seite zurück.</translation>
    </message>
    <message>
        <source>Requesting camera access…</source>
        <translation>Kamerazugriff wird angefragt…</translation>
    </message>
    <message>
        <source>Starting camera…</source>
        <translation>Kamera wird gestartet…</translation>
    </message>
    <message>
        <source>No camera found. Connect a camera and return to this page.</source>
        <translation>Keine Kamera gefunden. Schließen Sie eine Kamera an und kehren Sie zu dieser Seite zurück.</translation>
    </message>
    <message>
        <source>Camera did not deliver a picture. Check camera access and whether another app is using it, then select the camera again.</source>
        <translation>Die Kamera hat kein Bild geliefert. Prüfen Sie den Kamerazugriff und ob eine andere App sie verwendet, und wählen Sie die Kamera dann erneut.</translation>
    </message>
    <message>
        <source>Camera could not start. Check camera access in System Settings.</source>
        <translation>Die Kamera konnte nicht starten. Prüfen Sie den Kamerazugriff in den Systemeinstellungen.</translation>
    </message>
    <message>
        <source>Camera stopped delivering frames. Recording has been stopped.</source>
        <translation>Die Kamera liefert keine Bilder mehr. Die Aufnahme wurde beendet.</translation>
    </message>
    <message>
        <source>Save camera snapshot</source>
        <translation>Kamera-Schnappschuss speichern</translation>
    </message>
    <message>
        <source>Could not save the image.</source>
        <translation>Das Bild konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Camera Permission</source>
        <translation>Kamerazugriff</translation>
    </message>
    <message>
        <source>Camera access is off. Allow Vistrelle in System Settings &gt; Privacy &amp; Security &gt; Camera.</source>
        <translation>Der Kamerazugriff ist aus. Erlauben Sie Vistrelle unter Systemeinstellungen &gt; Datenschutz &amp; Sicherheit &gt; Kamera.</translation>
    </message>
    <message>
        <source>Open Settings</source>
        <translation>Einstellungen öffnen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Starting…</source>
        <translation>Startet…</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
</context>
<context>
    <name>CameraSettingsDialog</name>
    <message>
        <source>开关</source>
        <translation>Schalter</translation>
    </message>
    <message>
        <source>点击九宫格选择摄像头位置</source>
        <translation>Klicken Sie in das Raster, um die Webcam-Position zu wählen</translation>
    </message>
    <message>
        <source>摄像头位置九宫格</source>
        <translation>Raster der Webcam-Position</translation>
    </message>
    <message>
        <source>摄像头设置</source>
        <translation>Webcam-Einstellungen</translation>
    </message>
    <message>
        <source>正在启动摄像头…</source>
        <translation>Kamera wird gestartet…</translation>
    </message>
    <message>
        <source>实时预览</source>
        <translation>Live-Vorschau</translation>
    </message>
    <message>
        <source>摄像头关闭时，将在这里显示 · 开启摄像头后可预览</source>
        <translation>Wird hier angezeigt, solange die Kamera aus ist · Kamera einschalten für die Vorschau</translation>
    </message>
    <message>
        <source>摄像头设备</source>
        <translation>Kameragerät</translation>
    </message>
    <message>
        <source>自动</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>帧率</source>
        <translation>Bildrate</translation>
    </message>
    <message>
        <source>视频质量</source>
        <translation>Videoqualität</translation>
    </message>
    <message>
        <source>画面形状</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>圆形</source>
        <translation>Kreis</translation>
    </message>
    <message>
        <source>圆角矩形</source>
        <translation>Abgerundet</translation>
    </message>
    <message>
        <source>矩形</source>
        <translation>Rechteck</translation>
    </message>
    <message>
        <source>左上</source>
        <translation>Oben links</translation>
    </message>
    <message>
        <source>上中</source>
        <translation>Oben Mitte</translation>
    </message>
    <message>
        <source>右上</source>
        <translation>Oben rechts</translation>
    </message>
    <message>
        <source>左中</source>
        <translation>Mitte links</translation>
    </message>
    <message>
        <source>居中</source>
        <translation>Mitte</translation>
    </message>
    <message>
        <source>右中</source>
        <translation>Mitte rechts</translation>
    </message>
    <message>
        <source>左下</source>
        <translation>Unten links</translation>
    </message>
    <message>
        <source>下中</source>
        <translation>Unten Mitte</translation>
    </message>
    <message>
        <source>右下</source>
        <translation>Unten rechts</translation>
    </message>
    <message>
        <source>摄像头位置</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>小</source>
        <translation>Klein</translation>
    </message>
    <message>
        <source>大</source>
        <translation>Groß</translation>
    </message>
    <message>
        <source>画面大小</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>镜像画面</source>
        <translation>Bild spiegeln</translation>
    </message>
    <message>
        <source>让预览效果更自然</source>
        <translation>Wirkt in der Vorschau natürlicher</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>开启摄像头后可预览</source>
        <translation>Kamera einschalten für die Vorschau</translation>
    </message>
    <message>
        <source>未检测到摄像头</source>
        <translation>Keine Kamera erkannt</translation>
    </message>
    <message>
        <source>未检测到可用摄像头</source>
        <translation>Keine nutzbare Kamera erkannt</translation>
    </message>
    <message>
        <source>摄像头无法启动，请检查系统权限</source>
        <translation>Die Kamera konnte nicht starten. Prüfen Sie die Systemberechtigungen.</translation>
    </message>
</context>
<context>
    <name>CaptureTargetDialog</name>
    <message>
        <source>选择游戏</source>
        <translation>Spiel auswählen</translation>
    </message>
    <message>
        <source>选择窗口</source>
        <translation>Fenster auswählen</translation>
    </message>
    <message>
        <source>选择游戏窗口</source>
        <translation>Spielfenster auswählen</translation>
    </message>
    <message>
        <source>选择录制窗口</source>
        <translation>Aufzunehmendes Fenster auswählen</translation>
    </message>
    <message>
        <source>刷新</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Select a window</source>
        <translation>Fenster auswählen</translation>
    </message>
    <message>
        <source>Process information unavailable</source>
        <translation>Prozessinformationen nicht verfügbar</translation>
    </message>
    <message>
        <source>Loading preview…</source>
        <translation>Vorschau wird geladen…</translation>
    </message>
    <message>
        <source>当前没有可捕获窗口。请先打开目标程序，然后点击刷新。</source>
        <translation>Derzeit kann kein Fenster aufgenommen werden. Öffnen Sie das gewünschte Programm und klicken Sie dann auf Aktualisieren.</translation>
    </message>
    <message>
        <source>选择要录制的游戏或应用窗口。录制时不要最小化窗口。</source>
        <translation>Wählen Sie das aufzunehmende Spiel- oder Anwendungsfenster. Minimieren Sie das Fenster während der Aufnahme nicht.</translation>
    </message>
    <message>
        <source>录制时不要最小化窗口。</source>
        <translation>Minimieren Sie das Fenster während der Aufnahme nicht.</translation>
    </message>
    <message>
        <source>Preview timed out — check screen recording access</source>
        <translation>Zeitüberschreitung der Vorschau — Bildschirmaufnahme-Zugriff prüfen</translation>
    </message>
    <message>
        <source>Preview unavailable — check screen recording access</source>
        <translation>Vorschau nicht verfügbar — Bildschirmaufnahme-Zugriff prüfen</translation>
    </message>
</context>
<context>
    <name>Common</name>
    <message>
        <source>Open Folder</source>
        <translation>Ordner öffnen</translation>
    </message>
    <message>
        <source>无法打开文件夹：
%1</source>
        <translation>Der Ordner konnte nicht geöffnet werden:
%1</translation>
    </message>
</context>
<context>
    <name>CompletionDialog</name>
    <message>
        <source>文件已保存到以下文件夹</source>
        <translation>Die Datei wurde in diesem Ordner gespeichert</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ordner öffnen</translation>
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
        <translation>Vollbild</translation>
    </message>
    <message>
        <source>自定义</source>
        <translation>Benutzerdefiniert</translation>
    </message>
    <message>
        <source>尚未选择窗口</source>
        <translation>Kein Fenster ausgewählt</translation>
    </message>
    <message>
        <source>请选择录制目标</source>
        <translation>Wählen Sie aus, was aufgenommen wird</translation>
    </message>
    <message>
        <source>选择窗口</source>
        <translation>Fenster auswählen</translation>
    </message>
    <message>
        <source>纯音频录制</source>
        <translation>Nur-Audio-Aufnahme</translation>
    </message>
    <message>
        <source>音质</source>
        <translation>Audioqualität</translation>
    </message>
    <message>
        <source>128 kbps · 较小</source>
        <translation>128 kbps · Kleiner</translation>
    </message>
    <message>
        <source>192 kbps · 推荐</source>
        <translation>192 kbps · Empfohlen</translation>
    </message>
    <message>
        <source>320 kbps · 高质量</source>
        <translation>320 kbps · Hohe Qualität</translation>
    </message>
    <message>
        <source>无损 · 由格式决定</source>
        <translation>Verlustfrei · Vom Format bestimmt</translation>
    </message>
    <message>
        <source>录摄像头</source>
        <translation>Webcam</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>扬声器</source>
        <translation>Lautsprecher</translation>
    </message>
    <message>
        <source>试音</source>
        <translation>Testen</translation>
    </message>
    <message>
        <source>麦克风</source>
        <translation>Mikrofon</translation>
    </message>
    <message>
        <source>开始录制</source>
        <translation>Aufnahme starten</translation>
    </message>
    <message>
        <source>纯音频模式不录制摄像头</source>
        <translation>Im Nur-Audio-Modus wird die Webcam nicht aufgenommen</translation>
    </message>
    <message>
        <source>选择游戏</source>
        <translation>Spiel auswählen</translation>
    </message>
    <message>
        <source>尚未选择游戏</source>
        <translation>Kein Spiel ausgewählt</translation>
    </message>
    <message>
        <source>高性能屏幕采集模式</source>
        <translation>Hochleistungs-Bildschirmaufnahmemodus</translation>
    </message>
    <message>
        <source>选择%1设备</source>
        <translation>Gerät wählen: %1</translation>
    </message>
    <message>
        <source>选择设备和音频设置</source>
        <translation>Gerät und Audioeinstellungen wählen</translation>
    </message>
    <message>
        <source>开启</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>默认设备</source>
        <translation>Standardgerät</translation>
    </message>
    <message>
        <source>默认 · %1</source>
        <translation>Standard · %1</translation>
    </message>
    <message>
        <source>选择扬声器</source>
        <translation>Lautsprecher wählen</translation>
    </message>
    <message>
        <source>选择麦克风</source>
        <translation>Mikrofon wählen</translation>
    </message>
    <message>
        <source>音频高级设置…</source>
        <translation>Erweiterte Audioeinstellungen…</translation>
    </message>
    <message>
        <source>系统声音</source>
        <translation>Systemton</translation>
    </message>
    <message>
        <source>无法监听所选扬声器：%1</source>
        <translation>Der gewählte Lautsprecher kann nicht abgehört werden: %1</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>未检测到声音，请先播放一段音频</source>
        <translation>Kein Ton erkannt. Spielen Sie zuerst etwas ab.</translation>
    </message>
    <message>
        <source>已检测到系统播放声音</source>
        <translation>Systemwiedergabe erkannt</translation>
    </message>
    <message>
        <source>无设备</source>
        <translation>Kein Gerät</translation>
    </message>
    <message>
        <source>不可用</source>
        <translation>Nicht verfügbar</translation>
    </message>
    <message>
        <source>未检测到声音，请检查麦克风或权限</source>
        <translation>Kein Ton erkannt. Prüfen Sie das Mikrofon oder seine Berechtigung.</translation>
    </message>
    <message>
        <source>已检测到麦克风声音</source>
        <translation>Mikrofonton erkannt</translation>
    </message>
    <message>
        <source>系统声音实时电平</source>
        <translation>Live-Pegel des Systemtons</translation>
    </message>
    <message>
        <source>麦克风实时电平</source>
        <translation>Live-Pegel des Mikrofons</translation>
    </message>
    <message>
        <source>停止试音</source>
        <translation>Test beenden</translation>
    </message>
    <message>
        <source>输出</source>
        <translation>Ausgang</translation>
    </message>
    <message>
        <source>输入</source>
        <translation>Eingang</translation>
    </message>
    <message>
        <source>正在监听，请播放一段声音</source>
        <translation>Hört mit. Spielen Sie etwas ab.</translation>
    </message>
    <message>
        <source>正在监听，请对麦克风说话</source>
        <translation>Hört mit. Sprechen Sie ins Mikrofon.</translation>
    </message>
    <message>
        <source>录音检查</source>
        <translation>Aufnahmeprüfung</translation>
    </message>
    <message>
        <source>请至少开启扬声器或麦克风。</source>
        <translation>Schalten Sie mindestens den Lautsprecher oder das Mikrofon ein.</translation>
    </message>
    <message>
        <source>没有可用的扬声器设备，无法录制系统声音。</source>
        <translation>Kein Lautsprecher verfügbar; der Systemton kann nicht aufgenommen werden.</translation>
    </message>
    <message>
        <source>没有可用的麦克风，请重新连接或选择输入设备。</source>
        <translation>Kein Mikrofon verfügbar. Schließen Sie es erneut an oder wählen Sie ein anderes Eingabegerät.</translation>
    </message>
    <message>
        <source>停止录制</source>
        <translation>Aufnahme beenden</translation>
    </message>
    <message>
        <source>Camera Permission</source>
        <translation>Kamerazugriff</translation>
    </message>
    <message>
        <source>Camera access is off. Allow Vistrelle in System Settings &gt; Privacy &amp; Security &gt; Camera.</source>
        <translation>Der Kamerazugriff ist aus. Erlauben Sie Vistrelle unter Systemeinstellungen &gt; Datenschutz &amp; Sicherheit &gt; Kamera.</translation>
    </message>
    <message>
        <source>Open Settings</source>
        <translation>Einstellungen öffnen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>高性能屏幕采集</source>
        <translation>Hochleistungs-Bildschirmaufnahme</translation>
    </message>
    <message>
        <source> · 高性能屏幕采集</source>
        <translation> · Hochleistungs-Bildschirmaufnahme</translation>
    </message>
    <message>
        <source>%1 · 不可用</source>
        <translation>%1 · nicht verfügbar</translation>
    </message>
    <message>
        <source>摄像头</source>
        <translation>Webcam</translation>
    </message>
    <message>
        <source>没有检测到可用摄像头。</source>
        <translation>Keine Webcam gefunden.</translation>
    </message>
</context>
<context>
    <name>CountdownOverlay</name>
    <message>
        <source>开始/停止</source>
        <translation>Start/Stopp</translation>
    </message>
    <message>
        <source>暂停/恢复</source>
        <translation>Pause/Fortsetzen</translation>
    </message>
</context>
<context>
    <name>ExportDialog</name>
    <message>
        <source>导出</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>↑  导出设置</source>
        <translation>↑  Exporteinstellungen</translation>
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
        <translation>Animiertes GIF (.gif)</translation>
    </message>
    <message>
        <source>仅音频 MP3 (.mp3)</source>
        <translation>Nur Audio MP3 (.mp3)</translation>
    </message>
    <message>
        <source>仅音频 AAC (.aac)</source>
        <translation>Nur Audio AAC (.aac)</translation>
    </message>
    <message>
        <source>格式</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>视频编码</source>
        <translation>Video-Encoder</translation>
    </message>
    <message>
        <source>视频码率</source>
        <translation>Video-Bitrate</translation>
    </message>
    <message>
        <source>1× (正常)</source>
        <translation>1× (normal)</translation>
    </message>
    <message>
        <source>播放速度</source>
        <translation>Wiedergabegeschwindigkeit</translation>
    </message>
    <message>
        <source>GIF 帧率</source>
        <translation>GIF-Bildrate</translation>
    </message>
    <message>
        <source>GIF 宽度</source>
        <translation>GIF-Breite</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>开始导出</source>
        <translation>Export starten</translation>
    </message>
    <message>
        <source>✓ 已保存到: </source>
        <translation>✓ Gespeichert unter: </translation>
    </message>
    <message>
        <source>保存为</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>视频文件 (*.mp4 *.mkv *.gif *.mp3 *.aac)</source>
        <translation>Mediendateien (*.mp4 *.mkv *.gif *.mp3 *.aac)</translation>
    </message>
    <message>
        <source>导出中...</source>
        <translation>Export läuft...</translation>
    </message>
</context>
<context>
    <name>FfmpegJob</name>
    <message>
        <source>FFmpeg 没有在 %1 秒内完成。</source>
        <translation>FFmpeg wurde nicht innerhalb von %1 Sekunden fertig.</translation>
    </message>
    <message>
        <source>FFmpeg 意外终止。</source>
        <translation>FFmpeg wurde unerwartet beendet.</translation>
    </message>
    <message>
        <source>FFmpeg 以退出码 %1 结束，没有说明原因。</source>
        <translation>FFmpeg wurde mit dem Exitcode %1 beendet, ohne einen Grund zu nennen.</translation>
    </message>
</context>
<context>
    <name>FloatingToolbar</name>
    <message>
        <source>正在录制</source>
        <translation>Aufnahme</translation>
    </message>
    <message>
        <source>初始化…</source>
        <translation>Initialisierung…</translation>
    </message>
    <message>
        <source>写入中…</source>
        <translation>Schreiben…</translation>
    </message>
    <message>
        <source>关闭摄像头</source>
        <translation>Webcam ausschalten</translation>
    </message>
    <message>
        <source>开启摄像头</source>
        <translation>Webcam einschalten</translation>
    </message>
    <message>
        <source>画笔</source>
        <translation>Stift</translation>
    </message>
    <message>
        <source>箭头</source>
        <translation>Pfeil</translation>
    </message>
    <message>
        <source>矩形</source>
        <translation>Rechteck</translation>
    </message>
    <message>
        <source>文字</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>直线</source>
        <translation>Linie</translation>
    </message>
    <message>
        <source>圆形</source>
        <translation>Kreis</translation>
    </message>
    <message>
        <source>高亮笔</source>
        <translation>Textmarker</translation>
    </message>
    <message>
        <source>橡皮擦</source>
        <translation>Radierer</translation>
    </message>
    <message>
        <source>撤销 Ctrl+Z</source>
        <translation>Rückgängig Strg+Z</translation>
    </message>
    <message>
        <source>清除全部 Del</source>
        <translation>Alles löschen Entf</translation>
    </message>
    <message>
        <source>退出注释模式</source>
        <translation>Anmerkungsmodus beenden</translation>
    </message>
    <message>
        <source>选择工具后在屏幕上绘制，ESC 或点“退出”结束注释</source>
        <translation>Werkzeug wählen und auf dem Bildschirm zeichnen; Esc oder „Beenden“ beendet die Anmerkungen</translation>
    </message>
    <message>
        <source>选择颜色</source>
        <translation>Farbe wählen</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>已暂停</source>
        <translation>Pausiert</translation>
    </message>
    <message>
        <source>正在保存…</source>
        <translation>Wird gespeichert…</translation>
    </message>
</context>
<context>
    <name>GlobalHotkey</name>
    <message>
        <source>%1（不支持的按键）</source>
        <translation>%1 (nicht unterstützte Taste)</translation>
    </message>
</context>
<context>
    <name>HomePage</name>
    <message>
        <source>Start Recording</source>
        <translation>Aufnahme starten</translation>
    </message>
    <message>
        <source>Media Library</source>
        <translation>Mediathek</translation>
    </message>
    <message>
        <source>Choose a recording mode</source>
        <translation>Aufnahmemodus wählen</translation>
    </message>
    <message>
        <source>Scheduled Recording</source>
        <translation>Geplante Aufnahme</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Vollbild</translation>
    </message>
    <message>
        <source>Custom Area</source>
        <translation>Eigener Bereich</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Fenster</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>Audio Only</source>
        <translation>Nur Audio</translation>
    </message>
    <message>
        <source>Webcam</source>
        <translation>Webcam</translation>
    </message>
    <message>
        <source>Recent recordings</source>
        <translation>Letzte Aufnahmen</translation>
    </message>
    <message>
        <source>View all  ›</source>
        <translation>Alle anzeigen  ›</translation>
    </message>
    <message>
        <source>No recordings yet</source>
        <translation>Noch keine Aufnahmen</translation>
    </message>
</context>
<context>
    <name>LinkManager</name>
    <message>
        <source>Unable to open browser</source>
        <translation>Browser kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Unable to open the default browser.

Please visit this link manually:
%1</source>
        <translation>Der Standardbrowser kann nicht geöffnet werden.

Bitte öffnen Sie diesen Link manuell:
%1</translation>
    </message>
    <message>
        <source>Link unavailable</source>
        <translation>Link nicht verfügbar</translation>
    </message>
    <message>
        <source>The requested page link is not configured.</source>
        <translation>Für die angeforderte Seite ist kein Link hinterlegt.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>显示 Vistrelle</source>
        <translation>Vistrelle anzeigen</translation>
    </message>
    <message>
        <source>Start Recording</source>
        <translation>Aufnahme starten</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>快捷键设置</source>
        <translation>Tastenkürzel-Einstellungen</translation>
    </message>
    <message>
        <source>以下快捷键无法注册，可能已被其他程序占用或按键不受支持：
%1</source>
        <translation>Diese Tastenkürzel konnten nicht registriert werden; ein anderes Programm belegt sie möglicherweise oder die Tasten werden nicht unterstützt:
%1</translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>Aufnahme beenden</translation>
    </message>
    <message>
        <source>日志文件夹</source>
        <translation>Protokollordner</translation>
    </message>
    <message>
        <source>无法打开日志文件夹。</source>
        <translation>Der Protokollordner kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>录制性能已自动调整</source>
        <translation>Aufnahmeleistung angepasst</translation>
    </message>
    <message>
        <source>%1 FPS 已自动降为 %2 FPS。%3</source>
        <translation>%1 FPS wurde auf %2 FPS gesenkt. %3</translation>
    </message>
    <message>
        <source>录制性能提示</source>
        <translation>Aufnahmeleistung</translation>
    </message>
    <message>
        <source>4K 录制性能</source>
        <translation>4K-Aufnahmeleistung</translation>
    </message>
    <message>
        <source>没有可用的硬件 H.264 编码器</source>
        <translation>Kein Hardware-H.264-Encoder verfügbar</translation>
    </message>
    <message>
        <source>%1 × %2、%3 FPS 的录制可能掉帧。请选择本次录制方式。</source>
        <translation>Eine Aufnahme mit %1 × %2 und %3 FPS kann Bilder verlieren. Wählen Sie, wie diesmal aufgenommen wird.</translation>
    </message>
    <message>
        <source>保持 4K，15 FPS（推荐）</source>
        <translation>4K mit 15 FPS beibehalten (empfohlen)</translation>
    </message>
    <message>
        <source>1080p，30 FPS</source>
        <translation>1080p mit 30 FPS</translation>
    </message>
    <message>
        <source>强制 4K，30 FPS</source>
        <translation>4K mit 30 FPS erzwingen</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>录制后处理提示</source>
        <translation>Hinweis zur Nachbearbeitung</translation>
    </message>
    <message>
        <source>录音完成</source>
        <translation>Audioaufnahme fertig</translation>
    </message>
    <message>
        <source>音频已保存到：%1</source>
        <translation>Audio gespeichert unter: %1</translation>
    </message>
    <message>
        <source>录制提示</source>
        <translation>Aufnahme</translation>
    </message>
    <message>
        <source>Vistrelle recording toolbar</source>
        <translation>Vistrelle-Aufnahmeleiste</translation>
    </message>
    <message>
        <source>Vistrelle preparation toolbar</source>
        <translation>Vistrelle-Vorbereitungsleiste</translation>
    </message>
    <message>
        <source>Display %1</source>
        <translation>Bildschirm %1</translation>
    </message>
    <message>
        <source>Audio only</source>
        <translation>Nur Audio</translation>
    </message>
    <message>
        <source>Camera preview</source>
        <translation>Kameravorschau</translation>
    </message>
    <message>
        <source>Camera Recording</source>
        <translation>Kameraaufnahme</translation>
    </message>
    <message>
        <source>Stop recording and return to Home?</source>
        <translation>Aufnahme beenden und zur Startseite zurückkehren?</translation>
    </message>
    <message>
        <source>Wait for a live camera preview before recording.</source>
        <translation>Warten Sie vor der Aufnahme auf eine Live-Vorschau der Kamera.</translation>
    </message>
    <message>
        <source>Vistrelle countdown</source>
        <translation>Vistrelle-Countdown</translation>
    </message>
    <message>
        <source>摄像头</source>
        <translation>Webcam</translation>
    </message>
    <message>
        <source>没有检测到可用摄像头。</source>
        <translation>Keine Webcam gefunden.</translation>
    </message>
    <message>
        <source>摄像头无法启动，请检查权限或设备占用情况。</source>
        <translation>Die Webcam konnte nicht starten. Prüfen Sie die Berechtigung und ob ein anderes Programm sie verwendet.</translation>
    </message>
    <message>
        <source>Camera Permission</source>
        <translation>Kamerazugriff</translation>
    </message>
    <message>
        <source>Camera access is off. Allow Vistrelle in System Settings &gt; Privacy &amp; Security &gt; Camera.</source>
        <translation>Der Kamerazugriff ist aus. Erlauben Sie Vistrelle unter Systemeinstellungen &gt; Datenschutz &amp; Sicherheit &gt; Kamera.</translation>
    </message>
    <message>
        <source>Open Settings</source>
        <translation>Einstellungen öffnen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>计划录制</source>
        <translation>Geplante Aufnahme</translation>
    </message>
    <message>
        <source>请先在首页为窗口或游戏模式选择录制目标。</source>
        <translation>Wählen Sie zuerst auf der Startseite das Fenster oder Spiel für die Aufnahme.</translation>
    </message>
    <message>
        <source>已有录制正在进行，本次计划已跳过。</source>
        <translation>Es läuft bereits eine Aufnahme; dieser geplante Start wurde übersprungen.</translation>
    </message>
    <message>
        <source>退出后计划录制将不会执行。

确定要退出 Vistrelle 吗？</source>
        <translation>Nach dem Beenden findet die geplante Aufnahme nicht statt.

Vistrelle trotzdem beenden?</translation>
    </message>
    <message>
        <source>仍在录制</source>
        <translation>Aufnahme läuft weiter</translation>
    </message>
    <message>
        <source>Vistrelle 已隐藏到系统托盘，录制继续进行。</source>
        <translation>Vistrelle ist im Infobereich ausgeblendet; die Aufnahme läuft weiter.</translation>
    </message>
    <message>
        <source>Vistrelle 仍在后台运行</source>
        <translation>Vistrelle läuft weiter</translation>
    </message>
    <message>
        <source>已最小化到系统托盘，点击或双击托盘图标可重新打开。</source>
        <translation>In den Infobereich minimiert. Klicken oder doppelklicken Sie auf das Symbol, um es wieder zu öffnen.</translation>
    </message>
    <message>
        <source>About Vistrelle</source>
        <translation>Über Vistrelle</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Vistrelle is a fast, reliable screen recorder for Linux. Record screens, windows, games, system audio, microphones, and webcams, then edit and manage recordings locally with no cloud upload required.</source>
        <translation>Vistrelle ist ein schneller, zuverlässiger Bildschirmrekorder für Linux. Nehmen Sie Bildschirme, Fenster, Spiele, Systemaudio, Mikrofone und Webcams auf und bearbeiten und verwalten Sie Aufnahmen lokal, ganz ohne Cloud-Upload.</translation>
    </message>
    <message>
        <source>Development Team</source>
        <translation>Entwicklungsteam</translation>
    </message>
    <message>
        <source>The Vistrelle developers</source>
        <translation>Die Vistrelle-Entwickler</translation>
    </message>
    <message>
        <source>© Vistrelle. All rights reserved.</source>
        <translation>© Vistrelle. Alle Rechte vorbehalten.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>切换语言</source>
        <translation>Sprache wechseln</translation>
    </message>
    <message>
        <source>无法保存语言设置，请检查当前用户的配置权限。</source>
        <translation>Die Sprache konnte nicht gespeichert werden. Bitte prüfen Sie, ob der aktuelle Benutzer seine Konfiguration schreiben darf.</translation>
    </message>
    <message>
        <source>语言设置已保存，重启 Vistrelle 后生效。是否立即重启？</source>
        <translation>Die Sprache ist gespeichert und gilt nach einem Neustart von Vistrelle. Jetzt neu starten?</translation>
    </message>
    <message>
        <source>重启失败</source>
        <translation>Neustart fehlgeschlagen</translation>
    </message>
    <message>
        <source>无法自动重启，请手动重新打开 Vistrelle。</source>
        <translation>Vistrelle konnte nicht selbst neu starten. Bitte öffnen Sie es erneut.</translation>
    </message>
    <message>
        <source>录制的窗口已关闭</source>
        <translation>Aufgenommenes Fenster geschlossen</translation>
    </message>
    <message>
        <source>Custom Area</source>
        <translation>Eigener Bereich</translation>
    </message>
    <message>
        <source>The display of the chosen area is no longer connected. Choose the area again.</source>
        <translation>Der Bildschirm des gewählten Bereichs ist nicht mehr angeschlossen. Wählen Sie den Bereich erneut.</translation>
    </message>
    <message>
        <source>Nothing was recorded: the program quit before the recording began.</source>
        <translation>Nichts wurde aufgenommen: Das Programm wurde vor dem Beginn der Aufnahme beendet.</translation>
    </message>
</context>
<context>
    <name>MediaProbe</name>
    <message>
        <source>无法启动 ffprobe（%1）。</source>
        <translation>ffprobe konnte nicht gestartet werden (%1).</translation>
    </message>
    <message>
        <source>ffprobe 没有在 %1 秒内结束。</source>
        <translation>ffprobe wurde nicht innerhalb von %1 Sekunden fertig.</translation>
    </message>
    <message>
        <source>ffprobe 没有给出可读的回答。</source>
        <translation>ffprobe hat keine lesbare Antwort gegeben.</translation>
    </message>
</context>
<context>
    <name>ModeBar</name>
    <message>
        <source>录制屏幕</source>
        <translation>Bildschirm aufnehmen</translation>
    </message>
    <message>
        <source>录制窗口</source>
        <translation>Fenster aufnehmen</translation>
    </message>
    <message>
        <source>游戏录制</source>
        <translation>Spielaufnahme</translation>
    </message>
    <message>
        <source>高性能屏幕录制</source>
        <translation>Leistungsstarke Bildschirmaufnahme</translation>
    </message>
    <message>
        <source>录制音频</source>
        <translation>Audio aufnehmen</translation>
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
        <translation>Bildschirmfoto</translation>
    </message>
    <message>
        <source>无法保存截图到 %1。</source>
        <translation>Das Bildschirmfoto konnte nicht in %1 gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>QDialog</name>
    <message>
        <source>Enable Screen Recording</source>
        <translation>Bildschirmaufnahme erlauben</translation>
    </message>
    <message>
        <source>Enable Microphone Access</source>
        <translation>Mikrofonzugriff erlauben</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Vistrelle needs permission before it can record your screen.</source>
        <translation>Vistrelle braucht eine Erlaubnis, um Ihren Bildschirm aufzunehmen.</translation>
    </message>
    <message>
        <source>Vistrelle needs permission before it can record your voice.</source>
        <translation>Vistrelle braucht eine Erlaubnis, um Ihre Stimme aufzunehmen.</translation>
    </message>
    <message>
        <source>Screen &amp; System Audio Recording</source>
        <translation>Bildschirm- und Systemaudioaufnahme</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Mikrofon</translation>
    </message>
    <message>
        <source>Allow these apps to record your screen.</source>
        <translation>Diesen Apps die Bildschirmaufnahme erlauben.</translation>
    </message>
    <message>
        <source>Allow these apps to use your microphone.</source>
        <translation>Diesen Apps die Nutzung des Mikrofons erlauben.</translation>
    </message>
    <message>
        <source>Illustration of macOS System Settings</source>
        <translation>Darstellung der macOS-Systemeinstellungen</translation>
    </message>
    <message>
        <source>Three quick steps</source>
        <translation>Drei schnelle Schritte</translation>
    </message>
    <message>
        <source>Open Screen Recording settings.</source>
        <translation>Öffnen Sie die Einstellungen zur Bildschirmaufnahme.</translation>
    </message>
    <message>
        <source>Open Microphone settings.</source>
        <translation>Öffnen Sie die Mikrofoneinstellungen.</translation>
    </message>
    <message>
        <source>Turn on Vistrelle.</source>
        <translation>Schalten Sie Vistrelle ein.</translation>
    </message>
    <message>
        <source>Quit and reopen Vistrelle, then record.</source>
        <translation>Beenden Sie Vistrelle, öffnen Sie es erneut und nehmen Sie auf.</translation>
    </message>
    <message>
        <source>Return and start recording.</source>
        <translation>Kehren Sie zurück und starten Sie die Aufnahme.</translation>
    </message>
    <message>
        <source>Restart Vistrelle after changing this setting.</source>
        <translation>Starten Sie Vistrelle nach dieser Änderung neu.</translation>
    </message>
    <message>
        <source>You can also turn off Microphone and record without voice.</source>
        <translation>Sie können das Mikrofon auch ausschalten und ohne Stimme aufnehmen.</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Nicht jetzt</translation>
    </message>
    <message>
        <source>Open Settings ↗</source>
        <translation>Einstellungen öffnen ↗</translation>
    </message>
    <message>
        <source>Open System Settings &gt; Privacy &amp; Security &gt; Screen &amp; System Audio Recording and allow Vistrelle.</source>
        <translation>Öffnen Sie Systemeinstellungen &gt; Datenschutz &amp; Sicherheit &gt; Bildschirm- und Systemaudioaufnahme und erlauben Sie Vistrelle.</translation>
    </message>
    <message>
        <source>Open System Settings &gt; Privacy &amp; Security &gt; Microphone and allow Vistrelle.</source>
        <translation>Öffnen Sie Systemeinstellungen &gt; Datenschutz &amp; Sicherheit &gt; Mikrofon und erlauben Sie Vistrelle.</translation>
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
        <translation>Noch etwa --:--</translation>
    </message>
    <message>
        <source>预计剩余 %1:%2</source>
        <translation>Noch etwa %1:%2</translation>
    </message>
    <message>
        <source>播放失败</source>
        <translation>Wiedergabe fehlgeschlagen</translation>
    </message>
    <message>
        <source>文件不存在：%1</source>
        <translation>Datei nicht gefunden: %1</translation>
    </message>
    <message>
        <source>没有打开可播放文件</source>
        <translation>Keine abspielbare Datei geöffnet</translation>
    </message>
    <message>
        <source>Vistrelle is already running</source>
        <translation>Vistrelle läuft bereits</translation>
    </message>
    <message>
        <source>Another Vistrelle process is running. Finish its recording and quit it before opening Vistrelle again.</source>
        <translation>Ein anderer Vistrelle-Prozess läuft. Beenden Sie dessen Aufnahme und schließen Sie ihn, bevor Sie Vistrelle erneut öffnen.</translation>
    </message>
    <message>
        <source>已有 FFmpeg 任务正在执行</source>
        <translation>Es läuft bereits ein FFmpeg-Auftrag</translation>
    </message>
    <message>
        <source>FFmpeg 未找到或无法启动：%1</source>
        <translation>FFmpeg wurde nicht gefunden oder konnte nicht starten: %1</translation>
    </message>
    <message>
        <source>操作已取消</source>
        <translation>Der Vorgang wurde abgebrochen</translation>
    </message>
    <message>
        <source>FFmpeg 出错：
%1</source>
        <translation>FFmpeg hat einen Fehler gemeldet:
%1</translation>
    </message>
    <message>
        <source>裁剪参数无效</source>
        <translation>Ungültige Schnitteinstellungen</translation>
    </message>
    <message>
        <source>合并参数无效</source>
        <translation>Ungültige Zusammenführungseinstellungen</translation>
    </message>
    <message>
        <source>无法创建合并列表文件</source>
        <translation>Die Liste zum Zusammenführen konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>变速参数无效</source>
        <translation>Ungültige Geschwindigkeitseinstellung</translation>
    </message>
    <message>
        <source>转场效果无效：%1</source>
        <translation>Ungültiger Übergang: %1</translation>
    </message>
    <message>
        <source>转场失败：至少有一个视频时长小于转场时长</source>
        <translation>Übergang fehlgeschlagen: mindestens ein Video ist kürzer als der Übergang</translation>
    </message>
    <message>
        <source>音频降噪需要 sh.rnnn 模型文件，请放到程序目录，或先关闭音频降噪。</source>
        <translation>Die Audio-Rauschunterdrückung benötigt die Modelldatei sh.rnnn: Legen Sie sie in den Programmordner oder schalten Sie die Audio-Rauschunterdrückung aus.</translation>
    </message>
    <message>
        <source>字幕文件不存在：%1</source>
        <translation>Untertiteldatei nicht gefunden: %1</translation>
    </message>
    <message>
        <source>FFmpeg 报告完成，但没有写出可用的文件：
%1</source>
        <translation>FFmpeg meldete Erfolg, hat aber keine verwendbare Datei geschrieben:
%1</translation>
    </message>
    <message>
        <source>格式无效或不受支持</source>
        <translation>das Format ist ungültig oder wird nicht unterstützt</translation>
    </message>
    <message>
        <source>没有读取权限</source>
        <translation>keine Leseberechtigung</translation>
    </message>
    <message>
        <source>文件无法读取或已损坏</source>
        <translation>die Datei ist nicht lesbar oder beschädigt</translation>
    </message>
    <message>
        <source>无法打开文件：%1</source>
        <translation>Die Datei konnte nicht geöffnet werden: %1</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
</context>
<context>
    <name>RecentCard</name>
    <message>
        <source>Loading preview…</source>
        <translation>Vorschau wird geladen…</translation>
    </message>
    <message>
        <source>Preview unavailable</source>
        <translation>Vorschau nicht verfügbar</translation>
    </message>
</context>
<context>
    <name>Recorder</name>
    <message>
        <source>无法创建文件夹：%1</source>
        <translation>Der Ordner kann nicht erstellt werden: %1</translation>
    </message>
    <message>
        <source>正在强制使用 CPU 录制 4K 30 FPS；已启用最快编码预设并将码率提高到 %1 kbps。</source>
        <translation>4K mit 30 FPS wird erzwungen per CPU aufgenommen; die schnellste Encoder-Voreinstellung ist aktiv und die Bitrate wurde auf %1 kbps erhöht.</translation>
    </message>
    <message>
        <source>未检测到可用的硬件编码器，已将输出缩放为 %1 × %2、30 FPS。</source>
        <translation>Kein nutzbarer Hardware-Encoder gefunden; die Ausgabe wurde auf %1 × %2 bei 30 FPS skaliert.</translation>
    </message>
    <message>
        <source>4K 当前只能使用 CPU 编码，已采用更容易实时处理的 15 FPS。</source>
        <translation>4K kann derzeit nur per CPU kodiert werden; es werden 15 FPS verwendet, die sich leichter in Echtzeit verarbeiten lassen.</translation>
    </message>
    <message>
        <source>请至少开启系统声音或麦克风。</source>
        <translation>Schalten Sie mindestens den Systemton oder das Mikrofon ein.</translation>
    </message>
    <message>
        <source>系统声音录制需要 macOS 13 或更高版本。</source>
        <translation type="vanished">Für die Aufnahme des Systemtons ist macOS 13 oder neuer erforderlich.</translation>
    </message>
    <message>
        <source>没有找到所选麦克风，请重新选择输入设备。</source>
        <translation>Das ausgewählte Mikrofon wurde nicht gefunden. Bitte wählen Sie das Eingabegerät erneut.</translation>
    </message>
    <message>
        <source>保存磁盘剩余空间不足 %1 GB，请清理空间或更换保存目录。</source>
        <translation>Auf dem Speicherlaufwerk sind weniger als %1 GB frei. Geben Sie Speicher frei oder wählen Sie einen anderen Ordner.</translation>
    </message>
    <message>
        <source>无法捕获系统声音：%1</source>
        <translation type="vanished">Systemton kann nicht aufgenommen werden: %1</translation>
    </message>
    <message>
        <source>FFmpeg 启动失败。请确认 ffmpeg 已放到程序目录或系统 PATH。
%1</source>
        <translation>FFmpeg konnte nicht gestartet werden. Stellen Sie sicher, dass ffmpeg im Programmordner oder im System-PATH liegt.
%1</translation>
    </message>
    <message>
        <source>无法启动不含工具栏的屏幕录制：%1</source>
        <translation>Die Bildschirmaufnahme ohne Werkzeugleiste kann nicht gestartet werden: %1</translation>
    </message>
    <message>
        <source>无法删除已丢弃录制的临时文件：%1</source>
        <translation>Die temporären Dateien der verworfenen Aufnahme können nicht gelöscht werden: %1</translation>
    </message>
    <message>
        <source>FFmpeg 被 SIGKILL 信号终止；编码进度日志没有说明终止原因。</source>
        <translation>FFmpeg wurde durch SIGKILL beendet; das Fortschrittsprotokoll nennt keinen Grund dafür.</translation>
    </message>
    <message>
        <source>FFmpeg 没有输出具体错误信息。</source>
        <translation>FFmpeg hat keinen genauen Fehler gemeldet.</translation>
    </message>
    <message>
        <source>硬件编码器 %1 无法处理当前采集规格，已自动切换到 CPU 编码。</source>
        <translation>Der Hardware-Encoder %1 kann die aktuelle Aufnahme nicht verarbeiten; automatisch auf CPU-Kodierung umgestellt.</translation>
    </message>
    <message>
        <source>DXGI 高性能采集不可用，已自动切换到 GDI 兼容模式。</source>
        <translation>Die DXGI-Hochleistungsaufnahme ist nicht verfügbar; automatisch in den GDI-Kompatibilitätsmodus gewechselt.</translation>
    </message>
    <message>
        <source>录制进程意外结束。分段已保留在：
%1</source>
        <translation>Der Aufnahmeprozess wurde unerwartet beendet. Die Segmente wurden aufbewahrt in:
%1</translation>
    </message>
    <message>
        <source>录制分段异常，退出码=%1。已生成的分段仍保留在：
%2
%3</source>
        <translation>Ein Aufnahmesegment ist fehlgeschlagen, Exitcode=%1. Die bisherigen Segmente liegen weiterhin in:
%2
%3</translation>
    </message>
    <message>
        <source>分段已保留在：
%1</source>
        <translation type="vanished">Die Segmente wurden aufbewahrt in:
%1</translation>
    </message>
    <message>
        <source>Camera preview is not ready.</source>
        <translation>Die Kameravorschau ist noch nicht bereit.</translation>
    </message>
    <message>
        <source>没有有效的窗口录制目标。</source>
        <translation>Es gibt kein gültiges Fenster für die Aufnahme.</translation>
    </message>
    <message>
        <source>窗口捕获启动失败：%1</source>
        <translation>Die Fensteraufnahme konnte nicht gestartet werden: %1</translation>
    </message>
    <message>
        <source>窗口捕获启动失败或目标窗口没有产生画面。</source>
        <translation>Die Fensteraufnahme ist nicht gestartet oder das Fenster hat kein Bild geliefert.</translation>
    </message>
    <message>
        <source>实际编码速度或有效帧率持续低于 120 FPS 要求</source>
        <translation>Kodiergeschwindigkeit oder tatsächliche Bildrate bleiben dauerhaft unter den geforderten 120 FPS</translation>
    </message>
    <message>
        <source>设备持续无法稳定达到 60 FPS，建议下次使用 30 FPS 或硬件编码。</source>
        <translation>Dieses Gerät erreicht dauerhaft keine stabilen 60 FPS. Verwenden Sie beim nächsten Mal 30 FPS oder Hardware-Kodierung.</translation>
    </message>
    <message>
        <source>屏幕采集持续低于 30 FPS 要求，建议关闭高负载程序或改用 720p 录制。</source>
        <translation>Die Bildschirmaufnahme bleibt dauerhaft unter 30 FPS. Schließen Sie rechenintensive Programme oder nehmen Sie in 720p auf.</translation>
    </message>
    <message>
        <source>Screen capture is still dropping frames. Switched to 720p for smoother recording.</source>
        <translation>Die Bildschirmaufnahme verliert weiterhin Bilder. Für eine flüssigere Aufnahme auf 720p umgestellt.</translation>
    </message>
    <message>
        <source>屏幕采集持续掉帧，已自动切换到 1080p 以保持录制流畅。</source>
        <translation>Die Bildschirmaufnahme verliert ständig Bilder; automatisch auf 1080p umgestellt, damit die Aufnahme flüssig bleibt.</translation>
    </message>
    <message>
        <source>录制的窗口已不可用，画面停留在最后一帧：%1</source>
        <translation>Das aufgenommene Fenster ist nicht mehr verfügbar; das Bild bleibt beim letzten Stand: %1</translation>
    </message>
    <message>
        <source>这个文件名之前的录制分段仍保留在：
%1
请先移走这些分段，或换一个文件名后再录制。</source>
        <translation>Segmente einer früheren Aufnahme mit diesem Dateinamen liegen noch in:
%1
Verschieben Sie diese Segmente oder wählen Sie einen anderen Dateinamen und nehmen Sie dann erneut auf.</translation>
    </message>
    <message>
        <source>最后一个录制分段无法读取，没有合并进录像，已保留在：
%1</source>
        <translation>Das letzte aufgenommene Segment konnte nicht gelesen werden und wurde nicht in die Aufnahme übernommen. Es wurde hier aufbewahrt:
%1</translation>
    </message>
    <message>
        <source>保存磁盘的剩余空间已不足 %1 MB，录制已停止；已录制的内容会正常保存。</source>
        <translation type="vanished">Auf dem Speicherlaufwerk sind weniger als %1 MB frei, daher wurde die Aufnahme beendet. Alles bisher Aufgenommene wird gespeichert.</translation>
    </message>
    <message>
        <source>屏幕录制不可用：屏幕录制需要 X11 会话，在 Wayland 下无法录制屏幕。</source>
        <translation>Bildschirmaufnahme nicht verfügbar: Die Aufnahme des Bildschirms erfordert eine X11-Sitzung und ist unter Wayland nicht möglich.</translation>
    </message>
    <message>
        <source>录制分段异常，退出码=%1。没有录下任何内容。
%2</source>
        <translation>Das Aufnahmesegment ist fehlgeschlagen (Exit-Code %1). Es wurde nichts aufgenommen.
%2</translation>
    </message>
    <message>
        <source>无法录制麦克风：%1</source>
        <translation type="vanished">Mikrofon kann nicht aufgenommen werden: %1</translation>
    </message>
    <message>
        <source>保存文件夹不可写入：%1</source>
        <translation>Der Speicherordner ist nicht beschreibbar: %1</translation>
    </message>
    <message>
        <source>无法录制系统声音，因为声音服务器无法连接。</source>
        <translation>Der Systemton kann nicht aufgenommen werden, weil der Soundserver nicht erreichbar ist.</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已快满，录制已停止。已录下的分段保留在：
%2</source>
        <translation>Das Speicherlaufwerk %1 ist fast voll, daher wurde die Aufnahme beendet. Die aufgenommenen Segmente bleiben erhalten in:
%2</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已快满，录制已停止并已保存为：
%2</source>
        <translation>Das Speicherlaufwerk %1 ist fast voll, daher wurde die Aufnahme beendet und gespeichert als:
%2</translation>
    </message>
    <message>
        <source>保存文件夹不存在，也无法创建：%1
%2 不可写入。</source>
        <translation>Der Speicherordner existiert nicht und kann nicht angelegt werden: %1
%2 ist nicht beschreibbar.</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已快满，录制已停止。录像保留为 %2 个分段，位于：
%3
把它们合并成一个文件还需要约 %4 的可用空间（现在可用 %5）。腾出空间后，可以手动合并这些分段。</source>
        <translation>Das Speicherlaufwerk %1 ist fast voll, daher wurde die Aufnahme beendet. Sie bleibt als %2 Segmente erhalten in:
%3
Um sie zu einer Datei zusammenzufügen, werden etwa %4 freier Speicher benötigt (derzeit frei: %5). Sobald Platz frei ist, können Sie diese Segmente selbst zusammenfügen.</translation>
    </message>
    <message>
        <source>声音服务器已断开。录制仍在继续，这段时间的声音录为静音；声音服务器恢复后会自动继续录音。</source>
        <translation>Der Soundserver ist weg. Die Aufnahme läuft weiter und nimmt solange Stille auf; sobald der Soundserver zurück ist, wird wieder Ton aufgenommen.</translation>
    </message>
    <message>
        <source>录制文件夹在录制中被删除，已录下的内容随文件夹一起被删除：%1
该文件夹无法重新创建，录制已停止。
%2</source>
        <translation>Der Ordner der Aufnahme wurde während der Aufnahme gelöscht, und das Aufgenommene wurde mit ihm gelöscht: %1
Der Ordner kann nicht neu angelegt werden; die Aufnahme wurde daher beendet.
%2</translation>
    </message>
    <message>
        <source>录制文件夹在录制中被删除，此前录下的内容已随文件夹一起被删除：%1
已重新创建该文件夹，录制继续，此后的内容会正常保存。</source>
        <translation>Der Ordner der Aufnahme wurde während der Aufnahme gelöscht, und das bisher Aufgenommene wurde mit ihm gelöscht: %1
Der Ordner wurde neu angelegt; die Aufnahme läuft weiter, und alles Weitere wird gespeichert.</translation>
    </message>
    <message>
        <source>无法录制麦克风，因为声音服务器无法连接。</source>
        <translation>Das Mikrofon kann nicht aufgenommen werden, weil der Soundserver nicht erreichbar ist.</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已满，录制已停止。录下的内容没有可以播放的部分，没有保存录像；未完成的分段保留在：
%2</source>
        <translation>Das Speicherlaufwerk %1 ist voll, daher wurde die Aufnahme beendet. Nichts vom Aufgenommenen ist abspielbar, daher wurde keine Aufnahme gespeichert; das unvollständige Segment bleibt erhalten in:
%2</translation>
    </message>
    <message>
        <source>编码器停止了响应，录像只保存到 %1（共录制了 %2）：
%3</source>
        <translation type="vanished">Der Encoder reagierte nicht mehr: Die Aufnahme wurde bis %1 gespeichert (von %2 aufgenommen):
%3</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已满，没有录下任何内容。请清理空间或更换保存目录。
%2</source>
        <translation type="vanished">Das Speicherlaufwerk %1 ist voll, daher wurde nichts aufgenommen. Geben Sie Speicherplatz frei oder wählen Sie einen anderen Speicherordner.
%2</translation>
    </message>
    <message>
        <source>所选麦克风已断开，录制改为使用系统默认的输入设备继续录音。</source>
        <translation>Das gewählte Mikrofon wurde getrennt. Die Aufnahme läuft mit dem Standard-Eingabegerät des Systems weiter.</translation>
    </message>
    <message>
        <source>编码器停止了响应：文件保存了 %1（共录制了 %2），从 %3 起缺少 %4：
%5</source>
        <translation>Der Encoder reagierte nicht mehr: Die Datei enthält %1 von %2 Aufnahme; ab %3 fehlen %4:
%5</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已满，录制已停止。录像保留为 %2 个分段，位于：
%3
把它们合并成一个文件还需要约 %4 的可用空间（现在可用 %5）。腾出空间后，可以手动合并这些分段。</source>
        <translation>Das Speicherlaufwerk %1 ist voll, daher wurde die Aufnahme beendet. Sie bleibt als %2 Segmente erhalten in:
%3
Um sie zu einer Datei zusammenzufügen, werden etwa %4 freier Speicher benötigt (derzeit frei: %5). Sobald Platz frei ist, können Sie diese Segmente selbst zusammenfügen.</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已满，录制已停止。已录下的分段保留在：
%2</source>
        <translation>Das Speicherlaufwerk %1 ist voll, daher wurde die Aufnahme beendet. Die aufgenommenen Segmente bleiben erhalten in:
%2</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已满，录制已停止并已保存为：
%2</source>
        <translation>Das Speicherlaufwerk %1 ist voll, daher wurde die Aufnahme beendet und gespeichert als:
%2</translation>
    </message>
    <message>
        <source>录制进程意外结束，没有录下任何内容。</source>
        <translation>Der Aufnahmeprozess wurde unerwartet beendet; es wurde nichts aufgenommen.</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已满，没有录下任何内容。请清理空间或更换保存目录。</source>
        <translation>Das Speicherlaufwerk %1 ist voll, daher wurde nichts aufgenommen. Geben Sie Speicherplatz frei oder wählen Sie einen anderen Speicherordner.</translation>
    </message>
    <message>
        <source>无法录制麦克风：声音服务器没有开始录音。请检查输入设备后重试。</source>
        <translation>Das Mikrofon kann nicht aufgenommen werden: Der Soundserver hat die Aufnahme nicht gestartet. Prüfen Sie das Eingabegerät und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>无法捕获系统声音：声音服务器没有开始录音。请检查输出设备后重试。</source>
        <translation>Der Systemton kann nicht aufgenommen werden: Der Soundserver hat die Aufnahme nicht gestartet. Prüfen Sie das Ausgabegerät und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>正在等待 FFmpeg 检测编码器…</source>
        <translation>Warte, bis FFmpeg die Encoder getestet hat…</translation>
    </message>
    <message>
        <source>正在等待 FFmpeg 开始录制…</source>
        <translation>Warte, bis FFmpeg mit der Aufnahme beginnt…</translation>
    </message>
    <message>
        <source>请先启动声音服务器（PulseAudio），再开始录制。</source>
        <translation>Starten Sie zuerst den Soundserver (PulseAudio) und dann die Aufnahme.</translation>
    </message>
    <message>
        <source>请先启动声音服务器（PulseAudio），或关闭扬声器和麦克风后录制无声视频。</source>
        <translation>Starten Sie zuerst den Soundserver (PulseAudio) oder schalten Sie Lautsprecher und Mikrofon aus, um ein Video ohne Ton aufzunehmen.</translation>
    </message>
    <message>
        <source>没有录下任何内容：录制在开始之前就已停止。</source>
        <translation>Nichts wurde aufgenommen: Die Aufnahme wurde beendet, bevor sie begann.</translation>
    </message>
</context>
<context>
    <name>RecordingFinalizer</name>
    <message>
        <source>正在使用兼容编码器重新添加水印…</source>
        <translation>Wasserzeichen wird mit einem kompatiblen Encoder erneut hinzugefügt…</translation>
    </message>
    <message>
        <source>正在添加水印…</source>
        <translation>Wasserzeichen wird hinzugefügt…</translation>
    </message>
    <message>
        <source>没有可保存的录制分段。</source>
        <translation>Es gibt keine aufgenommenen Segmente zum Speichern.</translation>
    </message>
    <message>
        <source>正在准备录制文件…</source>
        <translation>Aufnahmedatei wird vorbereitet…</translation>
    </message>
    <message>
        <source>正在安全合并录制分段…</source>
        <translation>Aufgenommene Segmente werden sicher zusammengeführt…</translation>
    </message>
    <message>
        <source>已取消添加水印，已保留无水印原视频。</source>
        <translation>Das Hinzufügen des Wasserzeichens wurde abgebrochen; das Originalvideo ohne Wasserzeichen wurde behalten.</translation>
    </message>
    <message>
        <source>水印处理失败，已保留并保存无水印原视频，录制内容没有丢失。</source>
        <translation>Das Wasserzeichen konnte nicht hinzugefügt werden. Das Originalvideo ohne Wasserzeichen wurde behalten und gespeichert; von der Aufnahme ging nichts verloren.</translation>
    </message>
    <message>
        <source>找不到等待添加水印的录制文件。</source>
        <translation>Die Aufnahmedatei, die das Wasserzeichen erhalten soll, wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>正在安全取消水印处理…</source>
        <translation>Wasserzeichen wird sicher abgebrochen…</translation>
    </message>
    <message>
        <source>目标文件已存在且无法安全备份；合并结果仍保留在临时文件中。</source>
        <translation>Die Zieldatei existiert bereits und kann nicht sicher gesichert werden; das zusammengeführte Ergebnis bleibt in der temporären Datei.</translation>
    </message>
    <message>
        <source>录制后处理已完成，但无法写入最终文件；结果仍保留在临时文件中。</source>
        <translation>Die Nachbearbeitung der Aufnahme ist abgeschlossen, aber die endgültige Datei kann nicht geschrieben werden; das Ergebnis bleibt in der temporären Datei.</translation>
    </message>
    <message>
        <source>同名的原有文件没有被覆盖，已保留为：
%1</source>
        <translation>Die vorhandene Datei mit demselben Namen wurde nicht überschrieben; sie wurde behalten als:
%1</translation>
    </message>
    <message>
        <source>
可恢复的后处理文件：%1</source>
        <translation>
Wiederherstellbare bearbeitete Datei: %1</translation>
    </message>
    <message>
        <source>录制后处理失败。为避免录像丢失，原始分段或可恢复文件已保留在：
%1%2

%3</source>
        <translation>Die Nachbearbeitung der Aufnahme ist fehlgeschlagen. Damit nichts verloren geht, wurden die ursprünglichen Segmente oder wiederherstellbaren Dateien behalten in:
%1%2

%3</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已满，分段没有合并成一个文件。腾出约 %2 的可用空间后，可以手动合并这些分段。</source>
        <translation>Das Speicherlaufwerk %1 ist voll, daher wurden die Segmente nicht zu einer Datei zusammengefügt. Sobald etwa %2 frei sind, können Sie diese Segmente selbst zusammenfügen.</translation>
    </message>
</context>
<context>
    <name>RecordingSettingsDialog</name>
    <message>
        <source>录制性能设置</source>
        <translation>Aufnahmeleistung</translation>
    </message>
    <message>
        <source>录制性能</source>
        <translation>Aufnahmeleistung</translation>
    </message>
    <message>
        <source>选择用途，自动匹配参数</source>
        <translation>Wählen Sie einen Zweck, die Werte passen sich an</translation>
    </message>
    <message>
        <source>预设</source>
        <translation>Voreinstellungen</translation>
    </message>
    <message>
        <source>办公
文档、会议</source>
        <translation>Büro
Dokumente, Besprechungen</translation>
    </message>
    <message>
        <source>课程
文字清晰</source>
        <translation>Kurs
Scharfer Text</translation>
    </message>
    <message>
        <source>游戏
流畅优先</source>
        <translation>Spiele
Flüssigkeit zuerst</translation>
    </message>
    <message>
        <source>高画质
细节优先</source>
        <translation>Hohe Qualität
Details zuerst</translation>
    </message>
    <message>
        <source>高级设置  ▾</source>
        <translation>Erweiterte Einstellungen  ▾</translation>
    </message>
    <message>
        <source>帧率</source>
        <translation>Bildrate</translation>
    </message>
    <message>
        <source>格式</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>画质</source>
        <translation>Bildqualität</translation>
    </message>
    <message>
        <source>帧率类型</source>
        <translation>Bildratenmodus</translation>
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
        <translation>30 FPS (empfohlen)</translation>
    </message>
    <message>
        <source>标准</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>高清（推荐）</source>
        <translation>HD (empfohlen)</translation>
    </message>
    <message>
        <source>超清</source>
        <translation>Ultra HD</translation>
    </message>
    <message>
        <source>自动（推荐）</source>
        <translation>Automatisch (empfohlen)</translation>
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
        <translation>MP4 (kompatibel)</translation>
    </message>
    <message>
        <source>MKV（易恢复）</source>
        <translation>MKV (leicht wiederherstellbar)</translation>
    </message>
    <message>
        <source>恒定（推荐）</source>
        <translation>Konstant (empfohlen)</translation>
    </message>
    <message>
        <source>可变（省空间）</source>
        <translation>Variabel (spart Platz)</translation>
    </message>
    <message>
        <source>1 秒</source>
        <translation>1 s</translation>
    </message>
    <message>
        <source>2 秒（推荐）</source>
        <translation>2 s (empfohlen)</translation>
    </message>
    <message>
        <source>5 秒</source>
        <translation>5 s</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>收起高级设置  ▴</source>
        <translation>Erweiterte Einstellungen ausblenden  ▴</translation>
    </message>
    <message>
        <source>高清</source>
        <translation>HD</translation>
    </message>
    <message>
        <source>CPU 编码</source>
        <translation>CPU-Kodierung</translation>
    </message>
    <message>
        <source>自动编码</source>
        <translation>Automatische Kodierung</translation>
    </message>
    <message>
        <source>GPU 编码</source>
        <translation>GPU-Kodierung</translation>
    </message>
    <message>
        <source>高性能模式</source>
        <translation>Hochleistungsmodus</translation>
    </message>
    <message>
        <source>适合办公与课程</source>
        <translation>Gut für Büro und Kurse</translation>
    </message>
    <message>
        <source>适合游戏</source>
        <translation>Gut für Spiele</translation>
    </message>
    <message>
        <source>%1 · %2 · 关键帧 %3 秒</source>
        <translation>%1 · %2 · Keyframe alle %3 s</translation>
    </message>
    <message>
        <source>可变</source>
        <translation>Variabel</translation>
    </message>
    <message>
        <source>恒定</source>
        <translation>Konstant</translation>
    </message>
    <message>
        <source>%1 FPS · %2 · %3
%4 · %5</source>
        <translation>%1 FPS · %2 · %3
%4 · %5</translation>
    </message>
    <message>
        <source>当前显示器最高刷新率约为 %1 Hz</source>
        <translation>Der schnellste Bildschirm arbeitet mit etwa %1 Hz</translation>
    </message>
    <message>
        <source>没有检测到可用的 H.264 GPU 硬件编码器</source>
        <translation>Kein funktionierender H.264-GPU-Hardware-Encoder gefunden</translation>
    </message>
    <message>
        <source>120 FPS 性能检查</source>
        <translation>120-FPS-Leistungsprüfung</translation>
    </message>
    <message>
        <source>当前设备可能无法稳定录制 120 FPS：

• %1

建议自动调整为 60 FPS。录制期间仍会继续监测实际性能。</source>
        <translation>Dieses Gerät kann 120 FPS möglicherweise nicht stabil aufnehmen:

• %1

Empfohlen wird der Wechsel auf 60 FPS. Die tatsächliche Leistung wird während der Aufnahme weiter überwacht.</translation>
    </message>
    <message>
        <source>自动改为 60 FPS</source>
        <translation>Auf 60 FPS umstellen</translation>
    </message>
    <message>
        <source>仍然使用 120 FPS</source>
        <translation>120 FPS beibehalten</translation>
    </message>
    <message>
        <source>返回设置</source>
        <translation>Zurück zu den Einstellungen</translation>
    </message>
</context>
<context>
    <name>ScheduledRecordingDialog</name>
    <message>
        <source>计划录制</source>
        <translation>Geplante Aufnahme</translation>
    </message>
    <message>
        <source>到达开始时间后，Vistrelle 将按指定模式自动开始录制。</source>
        <translation>Zur Startzeit beginnt Vistrelle die Aufnahme im gewählten Modus.</translation>
    </message>
    <message>
        <source>启用计划录制</source>
        <translation>Geplante Aufnahme aktivieren</translation>
    </message>
    <message>
        <source>单次</source>
        <translation>Einmalig</translation>
    </message>
    <message>
        <source>每日</source>
        <translation>Täglich</translation>
    </message>
    <message>
        <source>每周</source>
        <translation>Wöchentlich</translation>
    </message>
    <message>
        <source>星期一</source>
        <translation>Montag</translation>
    </message>
    <message>
        <source>星期二</source>
        <translation>Dienstag</translation>
    </message>
    <message>
        <source>星期三</source>
        <translation>Mittwoch</translation>
    </message>
    <message>
        <source>星期四</source>
        <translation>Donnerstag</translation>
    </message>
    <message>
        <source>星期五</source>
        <translation>Freitag</translation>
    </message>
    <message>
        <source>星期六</source>
        <translation>Samstag</translation>
    </message>
    <message>
        <source>星期日</source>
        <translation>Sonntag</translation>
    </message>
    <message>
        <source>录制屏幕</source>
        <translation>Bildschirm aufnehmen</translation>
    </message>
    <message>
        <source>录制音频</source>
        <translation>Audio aufnehmen</translation>
    </message>
    <message>
        <source>录制窗口</source>
        <translation>Fenster aufnehmen</translation>
    </message>
    <message>
        <source>游戏录制</source>
        <translation>Spielaufnahme</translation>
    </message>
    <message>
        <source>高性能屏幕录制</source>
        <translation>Leistungsstarke Bildschirmaufnahme</translation>
    </message>
    <message>
        <source>重复</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>开始日期和时间</source>
        <translation>Startdatum und -zeit</translation>
    </message>
    <message>
        <source>每天开始时间</source>
        <translation>Tägliche Startzeit</translation>
    </message>
    <message>
        <source>每周日期</source>
        <translation>Wochentag</translation>
    </message>
    <message>
        <source>指定录制模式</source>
        <translation>Aufnahmemodus</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>保存计划</source>
        <translation>Zeitplan speichern</translation>
    </message>
    <message>
        <source>这个时间已经过去，请选择一个将来的时间。</source>
        <translation>Dieser Zeitpunkt ist bereits vorbei. Bitte wählen Sie einen Zeitpunkt in der Zukunft.</translation>
    </message>
</context>
<context>
    <name>ScreenshotNotice</name>
    <message>
        <source>截图失败</source>
        <translation>Bildschirmfoto fehlgeschlagen</translation>
    </message>
    <message>
        <source>无法截取画面。</source>
        <translation>Das Bild konnte nicht aufgenommen werden.</translation>
    </message>
    <message>
        <source>无法保存截图：
%1
请检查文件夹的写入权限。</source>
        <translation>Das Bildschirmfoto konnte nicht gespeichert werden:
%1
Prüfen Sie die Schreibrechte des Ordners.</translation>
    </message>
    <message>
        <source>截图完成</source>
        <translation>Bildschirmfoto gespeichert</translation>
    </message>
    <message>
        <source>截图已保存到：
%1</source>
        <translation>Das Bildschirmfoto wurde gespeichert unter:
%1</translation>
    </message>
    <message>
        <source>上一张截图仍在保存，请稍后再试。</source>
        <translation>Die vorherigen Screenshots werden noch gespeichert. Versuchen Sie es gleich noch einmal.</translation>
    </message>
</context>
<context>
    <name>SegmentMerger</name>
    <message>
        <source>FFmpeg 停止了响应，分段没有合并。</source>
        <translation>FFmpeg reagierte nicht mehr, daher wurden die Segmente nicht zusammengefügt.</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>设置</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>通用</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>鼠标效果</source>
        <translation>Mauseffekte</translation>
    </message>
    <message>
        <source>快捷键</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>录制</source>
        <translation>Aufnahme</translation>
    </message>
    <message>
        <source>恢复默认设置</source>
        <translation>Standard wiederherstellen</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>保存设置</source>
        <translation>Einstellungen speichern</translation>
    </message>
    <message>
        <source>保存目录无效或无法创建，请重新选择。</source>
        <translation>Der Speicherordner ist ungültig oder kann nicht angelegt werden. Bitte wählen Sie einen anderen.</translation>
    </message>
    <message>
        <source>每个全局快捷键只能包含一个组合，请重新设置。</source>
        <translation>Jedes globale Tastenkürzel darf nur eine Tastenkombination enthalten. Bitte neu festlegen.</translation>
    </message>
    <message>
        <source>快捷键 %1 被重复使用，请为每个功能设置不同组合。</source>
        <translation>Das Tastenkürzel %1 wird mehrfach verwendet. Bitte geben Sie jeder Aktion eine eigene Kombination.</translation>
    </message>
    <message>
        <source>快捷键设置</source>
        <translation>Tastenkürzel-Einstellungen</translation>
    </message>
    <message>
        <source>设置写入失败，请检查当前用户的配置权限。</source>
        <translation>Die Einstellungen konnten nicht gespeichert werden. Bitte prüfen Sie, ob der aktuelle Benutzer seine Konfiguration schreiben darf.</translation>
    </message>
    <message>
        <source>开机时自动启动 Vistrelle</source>
        <translation>Vistrelle bei der Anmeldung starten</translation>
    </message>
    <message>
        <source>启动后最小化到系统托盘</source>
        <translation>Beim Start in den Infobereich minimieren</translation>
    </message>
    <message>
        <source>关闭按钮</source>
        <translation>Schließen-Schaltfläche</translation>
    </message>
    <message>
        <source>最小化到系统托盘</source>
        <translation>In den Infobereich minimieren</translation>
    </message>
    <message>
        <source>退出程序</source>
        <translation>Programm beenden</translation>
    </message>
    <message>
        <source>每次询问我</source>
        <translation>Jedes Mal fragen</translation>
    </message>
    <message>
        <source>选择“每次询问我”时，每次关闭主窗口都会弹出选择窗口。以后仍可在这里修改。</source>
        <translation>Mit „Jedes Mal fragen“ wird beim Schließen des Hauptfensters immer nachgefragt. Sie können das hier später ändern.</translation>
    </message>
    <message>
        <source>诊断</source>
        <translation>Diagnose</translation>
    </message>
    <message>
        <source>启用详细诊断日志</source>
        <translation>Ausführliche Diagnoseprotokolle aktivieren</translation>
    </message>
    <message>
        <source>日志保存在本机；重启后生效。</source>
        <translation>Protokolle bleiben auf diesem Computer; wirkt nach einem Neustart.</translation>
    </message>
    <message>
        <source>默认保存目录</source>
        <translation>Standard-Speicherordner</translation>
    </message>
    <message>
        <source>浏览…</source>
        <translation>Durchsuchen…</translation>
    </message>
    <message>
        <source>文件命名规则</source>
        <translation>Dateibenennung</translation>
    </message>
    <message>
        <source>日期 + 时间</source>
        <translation>Datum + Uhrzeit</translation>
    </message>
    <message>
        <source>Vistrelle + 日期时间</source>
        <translation>Vistrelle + Datum und Uhrzeit</translation>
    </message>
    <message>
        <source>自动编号</source>
        <translation>Fortlaufende Nummer</translation>
    </message>
    <message>
        <source>示例：2026-09-04_143022.mp4</source>
        <translation type="vanished">Beispiel: 2026-09-04_143022.mp4</translation>
    </message>
    <message>
        <source>磁盘空间提醒</source>
        <translation>Speicherplatzwarnung</translation>
    </message>
    <message>
        <source>当磁盘剩余空间少于</source>
        <translation>Wenn der freie Speicher unter</translation>
    </message>
    <message>
        <source>时提醒我</source>
        <translation>fällt, warnen</translation>
    </message>
    <message>
        <source>选择保存目录</source>
        <translation>Speicherordner wählen</translation>
    </message>
    <message>
        <source>显示鼠标高亮</source>
        <translation>Mauszeiger hervorheben</translation>
    </message>
    <message>
        <source>高亮颜色</source>
        <translation>Hervorhebungsfarbe</translation>
    </message>
    <message>
        <source>大小</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>透明度</source>
        <translation>Deckkraft</translation>
    </message>
    <message>
        <source>点击动画</source>
        <translation>Klickanimation</translation>
    </message>
    <message>
        <source>显示鼠标点击动画</source>
        <translation>Mausklicks animieren</translation>
    </message>
    <message>
        <source>左键点击</source>
        <translation>Linksklick</translation>
    </message>
    <message>
        <source>右键点击</source>
        <translation>Rechtsklick</translation>
    </message>
    <message>
        <source>选择颜色</source>
        <translation>Farbe wählen</translation>
    </message>
    <message>
        <source>点击选择颜色</source>
        <translation>Klicken, um eine Farbe zu wählen</translation>
    </message>
    <message>
        <source>开始 / 停止录制</source>
        <translation>Aufnahme starten / beenden</translation>
    </message>
    <message>
        <source>暂停 / 继续录制</source>
        <translation>Aufnahme pausieren / fortsetzen</translation>
    </message>
    <message>
        <source>截图（全屏 / 区域）</source>
        <translation>Bildschirmfoto (Vollbild / Bereich)</translation>
    </message>
    <message>
        <source>显示 / 隐藏悬浮工具栏</source>
        <translation>Schwebende Symbolleiste ein- / ausblenden</translation>
    </message>
    <message>
        <source>显示 / 隐藏注释工具栏</source>
        <translation>Anmerkungswerkzeuge ein- / ausblenden</translation>
    </message>
    <message>
        <source>点击确定后保存，应用于下一次录制。</source>
        <translation>Wird mit OK gespeichert und gilt für die nächste Aufnahme.</translation>
    </message>
    <message>
        <source>录制预设</source>
        <translation>Aufnahmevorgabe</translation>
    </message>
    <message>
        <source>办公</source>
        <translation>Büro</translation>
    </message>
    <message>
        <source>课程</source>
        <translation>Kurs</translation>
    </message>
    <message>
        <source>游戏</source>
        <translation>Spiele</translation>
    </message>
    <message>
        <source>自定义</source>
        <translation>Benutzerdefiniert</translation>
    </message>
    <message>
        <source>标准</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>高清（推荐）</source>
        <translation>HD (empfohlen)</translation>
    </message>
    <message>
        <source>超清</source>
        <translation>Ultra HD</translation>
    </message>
    <message>
        <source>自动（推荐）</source>
        <translation>Automatisch (empfohlen)</translation>
    </message>
    <message>
        <source>恒定（推荐）</source>
        <translation>Konstant (empfohlen)</translation>
    </message>
    <message>
        <source>可变</source>
        <translation>Variabel</translation>
    </message>
    <message>
        <source>%1 秒</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>常用设置</source>
        <translation>Häufige Einstellungen</translation>
    </message>
    <message>
        <source>视频格式</source>
        <translation>Videoformat</translation>
    </message>
    <message>
        <source>帧率</source>
        <translation>Bildrate</translation>
    </message>
    <message>
        <source>画质</source>
        <translation>Bildqualität</translation>
    </message>
    <message>
        <source>硬件加速</source>
        <translation>Hardwarebeschleunigung</translation>
    </message>
    <message>
        <source>高级设置 ▾</source>
        <translation>Erweiterte Einstellungen ▾</translation>
    </message>
    <message>
        <source>帧率类型</source>
        <translation>Bildratenmodus</translation>
    </message>
    <message>
        <source>关键帧间隔</source>
        <translation>Keyframe-Abstand</translation>
    </message>
    <message>
        <source>收起高级设置 ▴</source>
        <translation>Erweiterte Einstellungen ausblenden ▴</translation>
    </message>
    <message>
        <source>示例：%1</source>
        <translation>Beispiel: %1</translation>
    </message>
</context>
<context>
    <name>SetupRecordingToolbar</name>
    <message>
        <source>Full Screen  ▾</source>
        <translation>Vollbild  ▾</translation>
    </message>
    <message>
        <source>Display 1</source>
        <translation>Bildschirm 1</translation>
    </message>
    <message>
        <source>Webcam  ▾</source>
        <translation>Webcam  ▾</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Speaker  ▾</source>
        <translation>Lautsprecher  ▾</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Microphone  ▾</source>
        <translation>Mikrofon  ▾</translation>
    </message>
    <message>
        <source>Screenshot</source>
        <translation>Screenshot</translation>
    </message>
    <message>
        <source>Auto Stop</source>
        <translation>Auto-Stopp</translation>
    </message>
    <message>
        <source>Auto Split</source>
        <translation>Auto-Teilen</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Zeitplan</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Vollbild</translation>
    </message>
    <message>
        <source>Full Screen · Display %1</source>
        <translation>Vollbild · Bildschirm %1</translation>
    </message>
    <message>
        <source>Custom Area</source>
        <translation>Eigener Bereich</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Fenster</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>Audio Only</source>
        <translation>Nur Audio</translation>
    </message>
    <message>
        <source>Webcam</source>
        <translation>Webcam</translation>
    </message>
    <message>
        <source>Custom Area  ▾</source>
        <translation>Eigener Bereich  ▾</translation>
    </message>
    <message>
        <source>Window  ▾</source>
        <translation>Fenster  ▾</translation>
    </message>
    <message>
        <source>Game  ▾</source>
        <translation>Spiel  ▾</translation>
    </message>
    <message>
        <source>Audio Only  ▾</source>
        <translation>Nur Audio  ▾</translation>
    </message>
    <message>
        <source>Start recording</source>
        <translation>Aufnahme starten</translation>
    </message>
    <message>
        <source>Select a window before recording</source>
        <translation>Wählen Sie vor der Aufnahme ein Fenster aus</translation>
    </message>
    <message>
        <source>Drag toolbar</source>
        <translation>Symbolleiste ziehen</translation>
    </message>
    <message>
        <source>Open menu</source>
        <translation>Menü öffnen</translation>
    </message>
</context>
<context>
    <name>StopRecordingDialog</name>
    <message>
        <source>Stop Recording</source>
        <translation>Aufnahme beenden</translation>
    </message>
    <message>
        <source>Stop this recording?</source>
        <translation>Diese Aufnahme beenden?</translation>
    </message>
    <message>
        <source>Recorded</source>
        <translation>Aufgenommen</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
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
        <translation>🎵 Musik</translation>
    </message>
    <message>
        <source>📝 字幕</source>
        <translation>📝 Untertitel</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>菜单</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>关于 Vistrelle</source>
        <translation>Über Vistrelle</translation>
    </message>
    <message>
        <source>语言</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>在线帮助</source>
        <translation>Online-Hilfe</translation>
    </message>
    <message>
        <source>打开日志文件夹</source>
        <translation>Protokollordner öffnen</translation>
    </message>
    <message>
        <source>技术支持</source>
        <translation>Support</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Beenden</translation>
    </message>
</context>
<context>
    <name>ToolDialog</name>
    <message>
        <source>音量</source>
        <translation type="vanished">Lautstärke</translation>
    </message>
    <message>
        <source>音频</source>
        <translation type="vanished">Audio</translation>
    </message>
    <message>
        <source>速度</source>
        <translation type="vanished">Geschwindigkeit</translation>
    </message>
    <message>
        <source>转换</source>
        <translation type="vanished">Umwandeln</translation>
    </message>
    <message>
        <source>信息</source>
        <translation type="vanished">information</translation>
    </message>
    <message>
        <source>取消</source>
        <translation type="vanished">Abbrechen</translation>
    </message>
    <message>
        <source>应用</source>
        <translation type="vanished">Anwenden</translation>
    </message>
</context>
<context>
    <name>VideoListDialog</name>
    <message>
        <source>媒体库</source>
        <translation>Mediathek</translation>
    </message>
    <message>
        <source>搜索录制文件...</source>
        <translation>Aufnahmen durchsuchen...</translation>
    </message>
    <message>
        <source>全部</source>
        <translation>Alle</translation>
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
        <translation>Mediendateien werden geladen…</translation>
    </message>
    <message>
        <source>%1 个文件</source>
        <translation type="vanished">%1 Dateien</translation>
    </message>
    <message>
        <source>播放失败</source>
        <translation>Wiedergabe fehlgeschlagen</translation>
    </message>
    <message>
        <source>请选择一个媒体文件</source>
        <translation>Wählen Sie eine Mediendatei</translation>
    </message>
    <message>
        <source>打开文件夹</source>
        <translation>Ordner öffnen</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>全屏播放（F）</source>
        <translation>Vollbildwiedergabe (F)</translation>
    </message>
    <message>
        <source>全屏播放</source>
        <translation>Vollbildwiedergabe</translation>
    </message>
    <message>
        <source>采样率未知</source>
        <translation>Abtastrate unbekannt</translation>
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
        <translation>%1 Kanäle</translation>
    </message>
    <message>
        <source>暂停</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>播放</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>暂停媒体</source>
        <translation>Medium anhalten</translation>
    </message>
    <message>
        <source>播放媒体</source>
        <translation>Medium abspielen</translation>
    </message>
    <message>
        <source>暂无媒体文件</source>
        <translation>Noch keine Mediendateien</translation>
    </message>
    <message>
        <source>没有匹配的媒体文件</source>
        <translation>Keine passenden Mediendateien</translation>
    </message>
    <message>
        <source>重命名文件</source>
        <translation>Datei umbenennen</translation>
    </message>
    <message>
        <source>Copy File Path</source>
        <translation>Dateipfad kopieren</translation>
    </message>
    <message>
        <source>查看文件信息</source>
        <translation>Dateiinformationen</translation>
    </message>
    <message>
        <source>删除音频</source>
        <translation>Audio löschen</translation>
    </message>
    <message>
        <source>删除视频</source>
        <translation>Video löschen</translation>
    </message>
    <message>
        <source>确定永久删除“%1”吗？</source>
        <translation>„%1“ endgültig löschen?</translation>
    </message>
    <message>
        <source>删除失败</source>
        <translation>Löschen fehlgeschlagen</translation>
    </message>
    <message>
        <source>文件正在使用或没有删除权限。</source>
        <translation>Die Datei wird verwendet, oder Sie dürfen sie nicht löschen.</translation>
    </message>
    <message>
        <source>正在生成波形…</source>
        <translation>Wellenform wird erstellt…</translation>
    </message>
    <message>
        <source>正在加载缩略图…</source>
        <translation>Vorschaubild wird geladen…</translation>
    </message>
    <message>
        <source>音频文件</source>
        <translation>Audiodatei</translation>
    </message>
    <message>
        <source>无法加载缩略图</source>
        <translation>Vorschaubild nicht verfügbar</translation>
    </message>
    <message>
        <source>移除声音</source>
        <translation>Stumm</translation>
    </message>
    <message>
        <source>裁剪</source>
        <translation>Schneiden</translation>
    </message>
    <message>
        <source>分割</source>
        <translation>Teilen</translation>
    </message>
    <message>
        <source>截图</source>
        <translation>Bildschirmfoto</translation>
    </message>
    <message>
        <source>水印</source>
        <translation>Wasserzeichen</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>更多</source>
        <translation>Mehr</translation>
    </message>
    <message>
        <source>编辑与文件工具</source>
        <translation>Bearbeitungs- und Dateiwerkzeuge</translation>
    </message>
    <message>
        <source>裁剪视频</source>
        <translation>Video schneiden</translation>
    </message>
    <message>
        <source>拖动两侧滑块，选择保留的片段</source>
        <translation>Ziehen Sie die beiden Griffe, um den zu behaltenden Teil zu wählen</translation>
    </message>
    <message>
        <source>Start Trimming...</source>
        <translation>Schnitt starten...</translation>
    </message>
    <message>
        <source>分割点  %1</source>
        <translation>Teilungspunkt  %1</translation>
    </message>
    <message>
        <source>将在 %1 处分割为两个%2片段</source>
        <translation type="vanished">Teilt bei %1 in zwei Stücke (%2)</translation>
    </message>
    <message>
        <source>选中时长  %1</source>
        <translation>Auswahl  %1</translation>
    </message>
    <message>
        <source>Mute Selection</source>
        <translation>Auswahl stummschalten</translation>
    </message>
    <message>
        <source>预览画面效果</source>
        <translation>Bildeffekt-Vorschau</translation>
    </message>
    <message>
        <source>分割音频</source>
        <translation>Audio teilen</translation>
    </message>
    <message>
        <source>分割视频</source>
        <translation>Video teilen</translation>
    </message>
    <message>
        <source>裁剪音频</source>
        <translation>Audio schneiden</translation>
    </message>
    <message>
        <source>当前仅预览，点击保存后才会处理视频</source>
        <translation>Nur Vorschau: Das Video wird beim Speichern bearbeitet</translation>
    </message>
    <message>
        <source>拖动黄色分割线，选择分割位置</source>
        <translation>Ziehen Sie die gelbe Linie an die Teilungsstelle</translation>
    </message>
    <message>
        <source>Save Muted Copy</source>
        <translation>Stumme Kopie speichern</translation>
    </message>
    <message>
        <source>开始分割</source>
        <translation>Teilen starten</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>已设为无声</source>
        <translation>Stummgeschaltet</translation>
    </message>
    <message>
        <source>点击恢复原声</source>
        <translation>Klicken, um den Ton wiederherzustellen</translation>
    </message>
    <message>
        <source>Mute audio in the selected range</source>
        <translation>Ton im gewählten Bereich stummschalten</translation>
    </message>
    <message>
        <source>音量</source>
        <translation>Lautstärke</translation>
    </message>
    <message>
        <source>调整音频音量</source>
        <translation>Audiolautstärke anpassen</translation>
    </message>
    <message>
        <source>Vistrelle 全屏播放</source>
        <translation>Vistrelle Vollbild</translation>
    </message>
    <message>
        <source>截图不可用</source>
        <translation>Bildschirmfoto nicht verfügbar</translation>
    </message>
    <message>
        <source>视频画面尚未就绪，请先播放或移动到需要截图的位置。</source>
        <translation>Das Videobild ist noch nicht bereit. Spielen Sie das Video ab oder springen Sie zuerst an die gewünschte Stelle.</translation>
    </message>
    <message>
        <source>截图完成</source>
        <translation>Bildschirmfoto gespeichert</translation>
    </message>
    <message>
        <source>截图已保存到：
%1</source>
        <translation>Das Bildschirmfoto wurde gespeichert unter:
%1</translation>
    </message>
    <message>
        <source>正在保存媒体文件，请稍候…</source>
        <translation>Mediendatei wird gespeichert, bitte warten…</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>正在保存</source>
        <translation>Wird gespeichert</translation>
    </message>
    <message>
        <source>编辑失败</source>
        <translation>Bearbeitung fehlgeschlagen</translation>
    </message>
    <message>
        <source>无法启动 FFmpeg。</source>
        <translation>FFmpeg konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>无法分割</source>
        <translation>Teilen nicht möglich</translation>
    </message>
    <message>
        <source>请将播放位置移动到音频中间。</source>
        <translation>Setzen Sie die Wiedergabeposition in die Mitte des Audios.</translation>
    </message>
    <message>
        <source>请将播放位置移动到视频中间。</source>
        <translation>Setzen Sie die Wiedergabeposition in die Mitte des Videos.</translation>
    </message>
    <message>
        <source>分割失败</source>
        <translation>Teilen fehlgeschlagen</translation>
    </message>
    <message>
        <source>FFmpeg 没有写出分割后的文件。</source>
        <translation>FFmpeg hat die geteilten Dateien nicht geschrieben.</translation>
    </message>
    <message>
        <source>分割完成</source>
        <translation>Teilen abgeschlossen</translation>
    </message>
    <message>
        <source>已生成两个音频片段。</source>
        <translation>Zwei Audiostücke wurden erstellt.</translation>
    </message>
    <message>
        <source>已生成两个视频片段。</source>
        <translation>Zwei Videostücke wurden erstellt.</translation>
    </message>
    <message>
        <source>保存失败</source>
        <translation>Speichern fehlgeschlagen</translation>
    </message>
    <message>
        <source>无法替换原文件，原文件已保留。</source>
        <translation>Die Originaldatei konnte nicht ersetzt werden; sie wurde behalten.</translation>
    </message>
    <message>
        <source>保存完成</source>
        <translation>Gespeichert</translation>
    </message>
    <message>
        <source>音频已保存：
%1</source>
        <translation>Das Audio wurde gespeichert:
%1</translation>
    </message>
    <message>
        <source>视频已保存：
%1</source>
        <translation>Das Video wurde gespeichert:
%1</translation>
    </message>
    <message>
        <source>正在处理媒体文件…</source>
        <translation>Mediendatei wird bearbeitet…</translation>
    </message>
    <message>
        <source>处理失败</source>
        <translation>Verarbeitung fehlgeschlagen</translation>
    </message>
    <message>
        <source>操作已完成。</source>
        <translation>Der Vorgang ist abgeschlossen.</translation>
    </message>
    <message>
        <source>文件已保存：
%1</source>
        <translation>Die Datei wurde gespeichert:
%1</translation>
    </message>
    <message>
        <source>旋转 90°</source>
        <translation>Um 90° drehen</translation>
    </message>
    <message>
        <source>水平翻转</source>
        <translation>Horizontal spiegeln</translation>
    </message>
    <message>
        <source>垂直翻转</source>
        <translation>Vertikal spiegeln</translation>
    </message>
    <message>
        <source>调整播放速度</source>
        <translation>Wiedergabegeschwindigkeit</translation>
    </message>
    <message>
        <source>调整音量</source>
        <translation>Lautstärke anpassen</translation>
    </message>
    <message>
        <source>提取音频</source>
        <translation>Audio extrahieren</translation>
    </message>
    <message>
        <source>另存为 / 转换格式</source>
        <translation>Speichern unter / Konvertieren</translation>
    </message>
    <message>
        <source>未知</source>
        <translation>Unbekannt</translation>
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
Abtastrate: %3 Hz
Kanäle: %4
Bitrate: %5 kbit/s
Dauer: %6
Größe: %7
Erstellt: %8
Ordner: %9</translation>
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
Auflösung: %2 × %3
Bildrate: %4 fps
Dauer: %5
Größe: %6
Erstellt: %7
Ordner: %8</translation>
    </message>
    <message>
        <source>速度</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <source>转换</source>
        <translation>Konvertieren</translation>
    </message>
    <message>
        <source>信息</source>
        <translation>Informationen</translation>
    </message>
    <message>
        <source>应用</source>
        <translation>Anwenden</translation>
    </message>
    <message>
        <source>播放速度</source>
        <translation>Wiedergabegeschwindigkeit</translation>
    </message>
    <message>
        <source>调整预览速度，也可生成变速视频</source>
        <translation>Vorschaugeschwindigkeit ändern oder eine Kopie mit anderem Tempo erstellen</translation>
    </message>
    <message>
        <source>选择速度</source>
        <translation>Geschwindigkeit wählen</translation>
    </message>
    <message>
        <source>Normal (1×)</source>
        <translation>Normal (1×)</translation>
    </message>
    <message>
        <source>0.5× 慢速    1× 原速    1.5× / 2× 加速</source>
        <translation>0.5× langsamer    1× original    1.5× / 2× schneller</translation>
    </message>
    <message>
        <source>变速完成</source>
        <translation>Geschwindigkeit geändert</translation>
    </message>
    <message>
        <source>预览并输出新的音量电平</source>
        <translation>Neue Lautstärke anhören und eine Kopie damit erstellen</translation>
    </message>
    <message>
        <source>静音</source>
        <translation>Stumm</translation>
    </message>
    <message>
        <source>音量调整完成</source>
        <translation>Lautstärke angepasst</translation>
    </message>
    <message>
        <source>从视频中提取音轨，保存为音频文件</source>
        <translation>Tonspur des Videos als Audiodatei speichern</translation>
    </message>
    <message>
        <source>提取</source>
        <translation>Extrahieren</translation>
    </message>
    <message>
        <source>输出格式</source>
        <translation>Ausgabeformat</translation>
    </message>
    <message>
        <source>音质</source>
        <translation>Audioqualität</translation>
    </message>
    <message>
        <source>高质量（320 kbps）</source>
        <translation>Hoch (320 kbit/s)</translation>
    </message>
    <message>
        <source>标准（192 kbps）</source>
        <translation>Standard (192 kbit/s)</translation>
    </message>
    <message>
        <source>压缩（128 kbps）</source>
        <translation>Kompakt (128 kbit/s)</translation>
    </message>
    <message>
        <source>音频提取完成</source>
        <translation>Audio extrahiert</translation>
    </message>
    <message>
        <source>选择输出格式并保留原始文件</source>
        <translation>Ausgabeformat wählen; die Originaldatei bleibt erhalten</translation>
    </message>
    <message>
        <source>导出</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>画质</source>
        <translation>Bildqualität</translation>
    </message>
    <message>
        <source>高质量</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>标准</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>压缩</source>
        <translation>Kompakt</translation>
    </message>
    <message>
        <source>转换完成</source>
        <translation>Konvertierung abgeschlossen</translation>
    </message>
    <message>
        <source>修改文件名，扩展名保持不变</source>
        <translation>Dateinamen ändern; die Endung bleibt</translation>
    </message>
    <message>
        <source>新文件名</source>
        <translation>Neuer Dateiname</translation>
    </message>
    <message>
        <source>名称无效</source>
        <translation>Ungültiger Name</translation>
    </message>
    <message>
        <source>文件名为空或包含无效字符。</source>
        <translation>Der Dateiname ist leer oder enthält unzulässige Zeichen.</translation>
    </message>
    <message>
        <source>重命名失败</source>
        <translation>Umbenennen fehlgeschlagen</translation>
    </message>
    <message>
        <source>目标文件已存在或文件正在被占用。</source>
        <translation>Eine Datei dieses Namens existiert bereits oder die Datei wird verwendet.</translation>
    </message>
    <message>
        <source>查看音频文件的详细信息</source>
        <translation>Details der Audiodatei</translation>
    </message>
    <message>
        <source>查看视频文件的详细信息</source>
        <translation>Details der Videodatei</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>复制信息</source>
        <translation>Details kopieren</translation>
    </message>
    <message>
        <source>无法在视频目录创建临时文件，请检查写入权限。</source>
        <translation>Im Ordner des Videos kann keine temporäre Datei angelegt werden. Prüfen Sie die Schreibrechte.</translation>
    </message>
    <message>
        <source>无法写入水印文字。</source>
        <translation>Der Wasserzeichentext kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>正在添加水印，原视频保持不变…</source>
        <translation>Wasserzeichen wird hinzugefügt; das Originalvideo bleibt unverändert…</translation>
    </message>
    <message>
        <source>无法保存水印副本，原视频未修改。</source>
        <translation>Die Kopie mit Wasserzeichen kann nicht gespeichert werden. Das Originalvideo wurde nicht verändert.</translation>
    </message>
    <message>
        <source>无法生成水印副本，原视频未修改。</source>
        <translation>Die Kopie mit Wasserzeichen kann nicht erstellt werden. Das Originalvideo wurde nicht verändert.</translation>
    </message>
    <message>
        <source>将在 %1 处分割为两个音频片段</source>
        <translation>Teilt bei %1 in zwei Audiostücke</translation>
    </message>
    <message>
        <source>将在 %1 处分割为两个视频片段</source>
        <translation>Teilt bei %1 in zwei Videostücke</translation>
    </message>
    <message numerus="yes">
        <source>%n 个文件</source>
        <translation>
            <numerusform>%n Datei</numerusform>
            <numerusform>%n Dateien</numerusform>
        </translation>
    </message>
    <message>
        <source>截图失败</source>
        <translation>Bildschirmfoto fehlgeschlagen</translation>
    </message>
    <message>
        <source>无法保存截图：
%1
请检查文件夹的写入权限。</source>
        <translation>Das Bildschirmfoto konnte nicht gespeichert werden:
%1
Prüfen Sie die Schreibrechte des Ordners.</translation>
    </message>
    <message>
        <source>已有同名文件：
%1</source>
        <translation>Eine Datei mit diesem Namen existiert bereits:
%1</translation>
    </message>
    <message>
        <source>没有写入此文件夹的权限：
%1</source>
        <translation>Keine Schreibberechtigung für diesen Ordner:
%1</translation>
    </message>
    <message>
        <source>文件名不能包含字符 %1</source>
        <translation>Ein Dateiname darf das Zeichen %1 nicht enthalten</translation>
    </message>
    <message>
        <source>文件为空</source>
        <translation>Die Datei ist leer</translation>
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
Auflösung: %2
Bildrate: %3
Dauer: %4
Größe: %5
Erstellt: %6
Ordner: %7</translation>
    </message>
    <message>
        <source>文件不存在</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>“%1”已被移动或删除，已从列表中移除。</source>
        <translation>„%1“ existiert nicht mehr: Die Datei wurde verschoben oder gelöscht. Sie wurde aus der Liste entfernt.</translation>
    </message>
    <message>
        <source>文件名过长，请缩短后再试。</source>
        <translation>Der Dateiname ist zu lang. Bitte kürzen Sie ihn und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>无法检查这个文件是否可用：%1</source>
        <translation>Ob diese Datei brauchbar ist, konnte nicht geprüft werden: %1</translation>
    </message>
    <message>
        <source>正在读取文件信息…</source>
        <translation>Dateiinformationen werden gelesen …</translation>
    </message>
    <message>
        <source>无法读取此文件的信息</source>
        <translation>Die Informationen dieser Datei konnten nicht gelesen werden</translation>
    </message>
    <message>
        <source>此文件没有声音</source>
        <translation>Diese Datei hat keinen Ton</translation>
    </message>
    <message>
        <source>%1 Hz</source>
        <translation>%1 Hz</translation>
    </message>
    <message>
        <source>%1 kbps</source>
        <translation>%1 kbit/s</translation>
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
Abtastrate: %3
Kanäle: %4
Bitrate: %5
Dauer: %6
Größe: %7
Erstellt: %8
Ordner: %9</translation>
    </message>
    <message>
        <source>时长未知</source>
        <translation>Dauer unbekannt</translation>
    </message>
    <message>
        <source>声道未知</source>
        <translation>Kanäle unbekannt</translation>
    </message>
</context>
<context>
    <name>WasapiLoopbackCapture</name>
    <message>
        <source>WASAPI 回环录音仅支持 Windows。</source>
        <translation>WASAPI-Loopback-Aufnahme wird nur unter Windows unterstützt.</translation>
    </message>
</context>
<context>
    <name>WasapiMicrophoneCapture</name>
    <message>
        <source>WASAPI microphone capture is only supported on Windows.</source>
        <translation>WASAPI-Mikrofonaufnahme wird nur unter Windows unterstützt.</translation>
    </message>
</context>
<context>
    <name>WatermarkDialog</name>
    <message>
        <source>水印设置</source>
        <translation>Wasserzeichen-Einstellungen</translation>
    </message>
    <message>
        <source>水印样式</source>
        <translation>Wasserzeichen-Stil</translation>
    </message>
    <message>
        <source>水印文字</source>
        <translation>Wasserzeichentext</translation>
    </message>
    <message>
        <source>字号</source>
        <translation>Schriftgröße</translation>
    </message>
    <message>
        <source>颜色</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>透明度</source>
        <translation>Deckkraft</translation>
    </message>
    <message>
        <source>拖动滑块调整水印的可见程度</source>
        <translation>Ziehen Sie den Regler, um die Sichtbarkeit des Wasserzeichens einzustellen</translation>
    </message>
    <message>
        <source>实时预览  ●</source>
        <translation>Live-Vorschau  ●</translation>
    </message>
    <message>
        <source>对整个原视频添加水印，另存为 MP4 副本。其他编辑请先保存。</source>
        <translation>Das Wasserzeichen wird dem gesamten Originalvideo hinzugefügt und als MP4-Kopie gespeichert. Speichern Sie andere Bearbeitungen zuerst.</translation>
    </message>
    <message>
        <source>显示位置</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>边距</source>
        <translation>Abstände</translation>
    </message>
    <message>
        <source>水平</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>垂直</source>
        <translation>Vertikal</translation>
    </message>
    <message>
        <source>恢复默认</source>
        <translation>Standard wiederherstellen</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>保存水印副本</source>
        <translation>Kopie mit Wasserzeichen speichern</translation>
    </message>
    <message>
        <source>选择颜色</source>
        <translation>Farbe wählen</translation>
    </message>
    <message>
        <source>请输入水印文字。</source>
        <translation>Bitte geben Sie den Wasserzeichentext ein.</translation>
    </message>
</context>
<context>
    <name>WatermarkProgressDialog</name>
    <message>
        <source>正在添加水印</source>
        <translation>Wasserzeichen wird hinzugefügt</translation>
    </message>
    <message>
        <source>正在保存录制</source>
        <translation>Aufnahme wird gespeichert</translation>
    </message>
    <message>
        <source>正在处理视频，请稍候…</source>
        <translation>Video wird verarbeitet, bitte warten…</translation>
    </message>
    <message>
        <source>正在处理录制文件，请稍候…</source>
        <translation>Aufnahme wird verarbeitet, bitte warten…</translation>
    </message>
    <message>
        <source>正在处理 %1 / %2</source>
        <translation>Verarbeite %1 von %2</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>正在取消…</source>
        <translation>Wird abgebrochen…</translation>
    </message>
    <message>
        <source>正在安全取消水印处理…</source>
        <translation>Wasserzeichen wird sicher abgebrochen…</translation>
    </message>
</context>
<context>
    <name>vc::CloseBehaviorDialog</name>
    <message>
        <source>关闭 Vistrelle</source>
        <translation>Vistrelle schließen</translation>
    </message>
    <message>
        <source>关闭窗口后要做什么？</source>
        <translation>Was soll beim Schließen des Fensters passieren?</translation>
    </message>
    <message>
        <source>最小化到托盘</source>
        <translation>In den Infobereich minimieren</translation>
    </message>
    <message>
        <source>退出 Vistrelle</source>
        <translation>Vistrelle beenden</translation>
    </message>
    <message>
        <source>记住我的选择，下次不再询问</source>
        <translation>Auswahl merken und nicht mehr fragen</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="zh_CN">
<context>
    <name>AutoSplitDialog</name>
    <message>
        <source>自动分割设置</source>
        <translation>Einstellungen für automatisches Teilen</translation>
    </message>
    <message>
        <source>录制时按指定条件自动切分为多个文件</source>
        <translation>Die Aufnahme nach einer Bedingung automatisch in mehrere Dateien teilen</translation>
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
        <translation>Einfacher hochzuladen, zu übertragen oder in Teilen zu speichern</translation>
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
        <translation>Alle %1 Minuten wird eine neue Datei gespeichert</translation>
    </message>
    <message>
        <source>文件达到 %1 MB 时自动切分并保存</source>
        <translation>Die Datei wird bei %1 MB geteilt und gespeichert</translation>
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
        <translation>Stoppt nach %1 Minuten Aufnahme</translation>
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
        <translation>Vistrelle läuft bereits</translation>
    </message>
    <message>
        <source>Another Vistrelle process is running. Finish its recording and quit it before opening Vistrelle again.</source>
        <translation>Ein anderer Vistrelle-Prozess läuft. Beenden Sie dessen Aufnahme und schließen Sie ihn, bevor Sie Vistrelle erneut öffnen.</translation>
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
        <translation>Für die Aufnahme des Systemtons ist macOS 13 oder neuer erforderlich.</translation>
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
        <translation>Systemton kann nicht aufgenommen werden: %1</translation>
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
</TS>

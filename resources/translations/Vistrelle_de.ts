<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="zh_CN">
<context>
    <name>GlobalHotkey</name>
    <message>
        <source>%1（不支持的按键）</source>
        <translation>%1 (nicht unterstützte Taste)</translation>
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
        <translation>%1 Dateien</translation>
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
</TS>

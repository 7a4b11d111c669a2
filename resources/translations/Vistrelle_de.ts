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
    <name>Recorder</name>
    <message>
        <source>无法创建文件夹：%1</source>
        <translation>Der Ordner kann nicht erstellt werden: %1</translation>
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

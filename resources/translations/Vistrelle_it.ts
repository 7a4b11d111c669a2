<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="zh_CN">
<context>
    <name>GlobalHotkey</name>
    <message>
        <source>%1（不支持的按键）</source>
        <translation>%1 (tasto non supportato)</translation>
    </message>
</context>
<context>
    <name>LinkManager</name>
    <message>
        <source>Unable to open browser</source>
        <translation>Impossibile aprire il browser</translation>
    </message>
    <message>
        <source>Unable to open the default browser.

Please visit this link manually:
%1</source>
        <translation>Impossibile aprire il browser predefinito.

Visita questo link manualmente:
%1</translation>
    </message>
    <message>
        <source>Link unavailable</source>
        <translation>Link non disponibile</translation>
    </message>
    <message>
        <source>The requested page link is not configured.</source>
        <translation>Il link della pagina richiesta non è configurato.</translation>
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
        <translation>Impossibile creare la cartella: %1</translation>
    </message>
</context>
<context>
    <name>RecordingFinalizer</name>
    <message>
        <source>正在使用兼容编码器重新添加水印…</source>
        <translation>Nuova aggiunta della filigrana con un codificatore compatibile…</translation>
    </message>
    <message>
        <source>正在添加水印…</source>
        <translation>Aggiunta della filigrana…</translation>
    </message>
    <message>
        <source>没有可保存的录制分段。</source>
        <translation>Non ci sono segmenti registrati da salvare.</translation>
    </message>
    <message>
        <source>正在准备录制文件…</source>
        <translation>Preparazione del file di registrazione…</translation>
    </message>
    <message>
        <source>正在安全合并录制分段…</source>
        <translation>Unione sicura dei segmenti registrati…</translation>
    </message>
    <message>
        <source>已取消添加水印，已保留无水印原视频。</source>
        <translation>L&apos;aggiunta della filigrana è stata annullata; il video originale senza filigrana è stato conservato.</translation>
    </message>
    <message>
        <source>水印处理失败，已保留并保存无水印原视频，录制内容没有丢失。</source>
        <translation>Aggiunta della filigrana non riuscita. Il video originale senza filigrana è stato conservato e salvato; nulla della registrazione è andato perso.</translation>
    </message>
    <message>
        <source>找不到等待添加水印的录制文件。</source>
        <translation>Impossibile trovare il file di registrazione a cui aggiungere la filigrana.</translation>
    </message>
    <message>
        <source>正在安全取消水印处理…</source>
        <translation>Annullamento sicuro della filigrana…</translation>
    </message>
    <message>
        <source>目标文件已存在且无法安全备份；合并结果仍保留在临时文件中。</source>
        <translation>Il file di destinazione esiste già e non può essere salvato in sicurezza; il risultato dell&apos;unione resta nel file temporaneo.</translation>
    </message>
    <message>
        <source>录制后处理已完成，但无法写入最终文件；结果仍保留在临时文件中。</source>
        <translation>L&apos;elaborazione della registrazione è terminata, ma il file finale non può essere scritto; il risultato resta nel file temporaneo.</translation>
    </message>
    <message>
        <source>同名的原有文件没有被覆盖，已保留为：
%1</source>
        <translation>Il file esistente con lo stesso nome non è stato sovrascritto; è stato conservato come:
%1</translation>
    </message>
    <message>
        <source>
可恢复的后处理文件：%1</source>
        <translation>
File elaborato recuperabile: %1</translation>
    </message>
    <message>
        <source>录制后处理失败。为避免录像丢失，原始分段或可恢复文件已保留在：
%1%2

%3</source>
        <translation>L&apos;elaborazione della registrazione non è riuscita. Per non perdere nulla, i segmenti originali o i file recuperabili sono stati conservati in:
%1%2

%3</translation>
    </message>
</context>
<context>
    <name>WasapiLoopbackCapture</name>
    <message>
        <source>WASAPI 回环录音仅支持 Windows。</source>
        <translation>La registrazione loopback WASAPI è supportata solo su Windows.</translation>
    </message>
</context>
<context>
    <name>WasapiMicrophoneCapture</name>
    <message>
        <source>WASAPI microphone capture is only supported on Windows.</source>
        <translation>L&apos;acquisizione del microfono WASAPI è supportata solo su Windows.</translation>
    </message>
</context>
</TS>

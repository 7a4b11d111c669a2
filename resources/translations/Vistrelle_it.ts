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
    <name>QObject</name>
    <message>
        <source>播放失败</source>
        <translation>Riproduzione non riuscita</translation>
    </message>
    <message>
        <source>文件不存在：%1</source>
        <translation>File non trovato: %1</translation>
    </message>
    <message>
        <source>没有打开可播放文件</source>
        <translation>Nessun file riproducibile aperto</translation>
    </message>
</context>
<context>
    <name>Recorder</name>
    <message>
        <source>无法创建文件夹：%1</source>
        <translation>Impossibile creare la cartella: %1</translation>
    </message>
    <message>
        <source>正在强制使用 CPU 录制 4K 30 FPS；已启用最快编码预设并将码率提高到 %1 kbps。</source>
        <translation>Registrazione 4K a 30 FPS forzata sulla CPU; è attivo il preset di codifica più veloce e il bitrate è stato portato a %1 kbps.</translation>
    </message>
    <message>
        <source>未检测到可用的硬件编码器，已将输出缩放为 %1 × %2、30 FPS。</source>
        <translation>Nessun codificatore hardware utilizzabile trovato; l’output è stato ridimensionato a %1 × %2 a 30 FPS.</translation>
    </message>
    <message>
        <source>4K 当前只能使用 CPU 编码，已采用更容易实时处理的 15 FPS。</source>
        <translation>Al momento il 4K può essere codificato solo dalla CPU; si usano 15 FPS, più facili da elaborare in tempo reale.</translation>
    </message>
    <message>
        <source>请至少开启系统声音或麦克风。</source>
        <translation>Attiva almeno l’audio di sistema o il microfono.</translation>
    </message>
    <message>
        <source>系统声音录制需要 macOS 13 或更高版本。</source>
        <translation>La registrazione dell’audio di sistema richiede macOS 13 o successivo.</translation>
    </message>
    <message>
        <source>没有找到所选麦克风，请重新选择输入设备。</source>
        <translation>Il microfono selezionato non è stato trovato. Scegli di nuovo il dispositivo di ingresso.</translation>
    </message>
    <message>
        <source>保存磁盘剩余空间不足 %1 GB，请清理空间或更换保存目录。</source>
        <translation>Sul disco di salvataggio restano meno di %1 GB. Libera spazio o scegli un’altra cartella.</translation>
    </message>
    <message>
        <source>无法捕获系统声音：%1</source>
        <translation>Impossibile acquisire l’audio di sistema: %1</translation>
    </message>
    <message>
        <source>FFmpeg 启动失败。请确认 ffmpeg 已放到程序目录或系统 PATH。
%1</source>
        <translation>Impossibile avviare FFmpeg. Verifica che ffmpeg si trovi nella cartella del programma o nel PATH di sistema.
%1</translation>
    </message>
    <message>
        <source>无法启动不含工具栏的屏幕录制：%1</source>
        <translation>Impossibile avviare la registrazione dello schermo senza la barra degli strumenti: %1</translation>
    </message>
    <message>
        <source>无法删除已丢弃录制的临时文件：%1</source>
        <translation>Impossibile eliminare i file temporanei della registrazione scartata: %1</translation>
    </message>
    <message>
        <source>FFmpeg 被 SIGKILL 信号终止；编码进度日志没有说明终止原因。</source>
        <translation>FFmpeg è stato terminato da SIGKILL; il registro di avanzamento non indica il motivo.</translation>
    </message>
    <message>
        <source>FFmpeg 没有输出具体错误信息。</source>
        <translation>FFmpeg non ha segnalato alcun errore specifico.</translation>
    </message>
    <message>
        <source>硬件编码器 %1 无法处理当前采集规格，已自动切换到 CPU 编码。</source>
        <translation>Il codificatore hardware %1 non gestisce l’acquisizione attuale; passaggio automatico alla codifica su CPU.</translation>
    </message>
    <message>
        <source>DXGI 高性能采集不可用，已自动切换到 GDI 兼容模式。</source>
        <translation>L’acquisizione DXGI ad alte prestazioni non è disponibile; passaggio automatico alla modalità di compatibilità GDI.</translation>
    </message>
    <message>
        <source>录制进程意外结束。分段已保留在：
%1</source>
        <translation>Il processo di registrazione è terminato in modo imprevisto. I segmenti sono stati conservati in:
%1</translation>
    </message>
    <message>
        <source>录制分段异常，退出码=%1。已生成的分段仍保留在：
%2
%3</source>
        <translation>Un segmento di registrazione non è riuscito, codice di uscita=%1. I segmenti già creati restano in:
%2
%3</translation>
    </message>
    <message>
        <source>分段已保留在：
%1</source>
        <translation type="vanished">I segmenti sono stati conservati in:
%1</translation>
    </message>
    <message>
        <source>Camera preview is not ready.</source>
        <translation>L’anteprima della fotocamera non è pronta.</translation>
    </message>
    <message>
        <source>没有有效的窗口录制目标。</source>
        <translation>Nessuna finestra valida da registrare.</translation>
    </message>
    <message>
        <source>窗口捕获启动失败：%1</source>
        <translation>Impossibile avviare l’acquisizione della finestra: %1</translation>
    </message>
    <message>
        <source>窗口捕获启动失败或目标窗口没有产生画面。</source>
        <translation>L’acquisizione della finestra non è partita oppure la finestra non ha prodotto immagini.</translation>
    </message>
    <message>
        <source>实际编码速度或有效帧率持续低于 120 FPS 要求</source>
        <translation>La velocità di codifica o il frame rate effettivo restano sotto i 120 FPS richiesti</translation>
    </message>
    <message>
        <source>设备持续无法稳定达到 60 FPS，建议下次使用 30 FPS 或硬件编码。</source>
        <translation>Questo dispositivo non riesce a mantenere 60 FPS stabili. La prossima volta usa 30 FPS o la codifica hardware.</translation>
    </message>
    <message>
        <source>屏幕采集持续低于 30 FPS 要求，建议关闭高负载程序或改用 720p 录制。</source>
        <translation>L’acquisizione dello schermo resta sotto i 30 FPS. Chiudi i programmi pesanti o registra in 720p.</translation>
    </message>
    <message>
        <source>Screen capture is still dropping frames. Switched to 720p for smoother recording.</source>
        <translation>L’acquisizione dello schermo perde ancora fotogrammi. Passaggio a 720p per una registrazione più fluida.</translation>
    </message>
    <message>
        <source>屏幕采集持续掉帧，已自动切换到 1080p 以保持录制流畅。</source>
        <translation>L’acquisizione dello schermo perde continuamente fotogrammi; passaggio automatico a 1080p per mantenere fluida la registrazione.</translation>
    </message>
    <message>
        <source>录制的窗口已不可用，画面停留在最后一帧：%1</source>
        <translation>La finestra registrata non è più disponibile; l’immagine resta sull’ultimo fotogramma: %1</translation>
    </message>
    <message>
        <source>这个文件名之前的录制分段仍保留在：
%1
请先移走这些分段，或换一个文件名后再录制。</source>
        <translation>I segmenti di una registrazione precedente con questo nome di file sono ancora conservati in:
%1
Sposta quei segmenti o scegli un altro nome di file, quindi registra di nuovo.</translation>
    </message>
    <message>
        <source>最后一个录制分段无法读取，没有合并进录像，已保留在：
%1</source>
        <translation>Non è stato possibile leggere l&apos;ultimo segmento registrato, che non è stato unito alla registrazione. È stato conservato in:
%1</translation>
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
    <name>VideoListDialog</name>
    <message>
        <source>媒体库</source>
        <translation>Libreria multimediale</translation>
    </message>
    <message>
        <source>搜索录制文件...</source>
        <translation>Cerca registrazioni...</translation>
    </message>
    <message>
        <source>全部</source>
        <translation>Tutti</translation>
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
        <translation>Caricamento dei file multimediali…</translation>
    </message>
    <message>
        <source>%1 个文件</source>
        <translation>%1 file</translation>
    </message>
    <message>
        <source>播放失败</source>
        <translation>Riproduzione non riuscita</translation>
    </message>
    <message>
        <source>请选择一个媒体文件</source>
        <translation>Seleziona un file multimediale</translation>
    </message>
    <message>
        <source>打开文件夹</source>
        <translation>Apri cartella</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>全屏播放（F）</source>
        <translation>Riproduci a schermo intero (F)</translation>
    </message>
    <message>
        <source>全屏播放</source>
        <translation>Riproduci a schermo intero</translation>
    </message>
    <message>
        <source>采样率未知</source>
        <translation>Frequenza di campionamento sconosciuta</translation>
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
        <translation>%1 canali</translation>
    </message>
    <message>
        <source>暂停</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>播放</source>
        <translation>Riproduci</translation>
    </message>
    <message>
        <source>暂停媒体</source>
        <translation>Metti in pausa il file</translation>
    </message>
    <message>
        <source>播放媒体</source>
        <translation>Riproduci il file</translation>
    </message>
    <message>
        <source>暂无媒体文件</source>
        <translation>Nessun file multimediale</translation>
    </message>
    <message>
        <source>没有匹配的媒体文件</source>
        <translation>Nessun file multimediale corrispondente</translation>
    </message>
    <message>
        <source>重命名文件</source>
        <translation>Rinomina file</translation>
    </message>
    <message>
        <source>Copy File Path</source>
        <translation>Copia percorso file</translation>
    </message>
    <message>
        <source>查看文件信息</source>
        <translation>Informazioni sul file</translation>
    </message>
    <message>
        <source>删除音频</source>
        <translation>Elimina audio</translation>
    </message>
    <message>
        <source>删除视频</source>
        <translation>Elimina video</translation>
    </message>
    <message>
        <source>确定永久删除“%1”吗？</source>
        <translation>Eliminare definitivamente &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>删除失败</source>
        <translation>Eliminazione non riuscita</translation>
    </message>
    <message>
        <source>文件正在使用或没有删除权限。</source>
        <translation>Il file è in uso o non hai i permessi per eliminarlo.</translation>
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

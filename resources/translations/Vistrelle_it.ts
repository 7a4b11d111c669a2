<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="zh_CN">
<context>
    <name>CameraRecordingPage</name>
    <message>
        <source>Camera Recording</source>
        <translation>Registrazione webcam</translation>
    </message>
    <message>
        <source>Back to Home</source>
        <translation>Torna alla home</translation>
    </message>
    <message>
        <source>Choose a camera to start preview</source>
        <translation>Scegli una webcam per avviare l&apos;anteprima</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Specchio</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Verticale</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Adatta</translation>
    </message>
    <message>
        <source>Camera framing mode</source>
        <translation>Inquadratura della webcam</translation>
    </message>
    <message>
        <source>System Audio</source>
        <translation>Audio di sistema</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Microfono</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Interrompi</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>Istantanea</translation>
    </message>
    <message>
        <source>Auto Stop</source>
        <translation>Arresto automatico</translation>
    </message>
    <message>
        <source>Auto Split</source>
        <translation>Divisione automatica</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Riempi</translation>
    </message>
    <message>
        <source>Camera access is off. Allow Vistrelle in System Settings &gt; Privacy &amp; Security &gt; Camera, then return to this page.</source>
        <translation>L&apos;accesso alla webcam è disattivato. Consenti Vistrelle in Impostazioni di Sistema &gt; Privacy e sicurezza &gt; Fotocamera, poi torna a questa pagina.</translation>
    </message>
    <message>
        <source>Requesting camera access…</source>
        <translation>Richiesta di accesso alla webcam…</translation>
    </message>
    <message>
        <source>Starting camera…</source>
        <translation>Avvio della webcam…</translation>
    </message>
    <message>
        <source>No camera found. Connect a camera and return to this page.</source>
        <translation>Nessuna webcam trovata. Collega una webcam e torna a questa pagina.</translation>
    </message>
    <message>
        <source>Camera did not deliver a picture. Check camera access and whether another app is using it, then select the camera again.</source>
        <translation>La webcam non ha fornito alcuna immagine. Controlla l&apos;accesso alla webcam e se un&apos;altra app la sta usando, poi selezionala di nuovo.</translation>
    </message>
    <message>
        <source>Camera could not start. Check camera access in System Settings.</source>
        <translation>Impossibile avviare la webcam. Controlla l&apos;accesso alla webcam nelle Impostazioni di Sistema.</translation>
    </message>
    <message>
        <source>Camera stopped delivering frames. Recording has been stopped.</source>
        <translation>La webcam ha smesso di fornire immagini. La registrazione è stata interrotta.</translation>
    </message>
    <message>
        <source>Save camera snapshot</source>
        <translation>Salva istantanea della webcam</translation>
    </message>
    <message>
        <source>Could not save the image.</source>
        <translation>Impossibile salvare l&apos;immagine.</translation>
    </message>
    <message>
        <source>Camera Permission</source>
        <translation>Autorizzazione webcam</translation>
    </message>
    <message>
        <source>Camera access is off. Allow Vistrelle in System Settings &gt; Privacy &amp; Security &gt; Camera.</source>
        <translation>L&apos;accesso alla webcam è disattivato. Consenti Vistrelle in Impostazioni di Sistema &gt; Privacy e sicurezza &gt; Fotocamera.</translation>
    </message>
    <message>
        <source>Open Settings</source>
        <translation>Apri impostazioni</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Riprendi</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Attivo</translation>
    </message>
    <message>
        <source>Starting…</source>
        <translation>Avvio…</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Disattivo</translation>
    </message>
</context>
<context>
    <name>CameraSettingsDialog</name>
    <message>
        <source>开关</source>
        <translation>Interruttore</translation>
    </message>
    <message>
        <source>点击九宫格选择摄像头位置</source>
        <translation>Fai clic sulla griglia per scegliere la posizione della webcam</translation>
    </message>
    <message>
        <source>摄像头位置九宫格</source>
        <translation>Griglia della posizione webcam</translation>
    </message>
    <message>
        <source>摄像头设置</source>
        <translation>Impostazioni webcam</translation>
    </message>
    <message>
        <source>正在启动摄像头…</source>
        <translation>Avvio della webcam…</translation>
    </message>
    <message>
        <source>实时预览</source>
        <translation>Anteprima dal vivo</translation>
    </message>
    <message>
        <source>摄像头关闭时，将在这里显示 · 开启摄像头后可预览</source>
        <translation>Mostrato qui a webcam spenta · Accendi la webcam per l&apos;anteprima</translation>
    </message>
    <message>
        <source>摄像头设备</source>
        <translation>Dispositivo webcam</translation>
    </message>
    <message>
        <source>自动</source>
        <translation>Automatico</translation>
    </message>
    <message>
        <source>帧率</source>
        <translation>Frame rate</translation>
    </message>
    <message>
        <source>视频质量</source>
        <translation>Qualità video</translation>
    </message>
    <message>
        <source>画面形状</source>
        <translation>Forma</translation>
    </message>
    <message>
        <source>圆形</source>
        <translation>Cerchio</translation>
    </message>
    <message>
        <source>圆角矩形</source>
        <translation>Arrotondato</translation>
    </message>
    <message>
        <source>矩形</source>
        <translation>Rettangolo</translation>
    </message>
    <message>
        <source>左上</source>
        <translation>In alto a sinistra</translation>
    </message>
    <message>
        <source>上中</source>
        <translation>In alto al centro</translation>
    </message>
    <message>
        <source>右上</source>
        <translation>In alto a destra</translation>
    </message>
    <message>
        <source>左中</source>
        <translation>Al centro a sinistra</translation>
    </message>
    <message>
        <source>居中</source>
        <translation>Centro</translation>
    </message>
    <message>
        <source>右中</source>
        <translation>Al centro a destra</translation>
    </message>
    <message>
        <source>左下</source>
        <translation>In basso a sinistra</translation>
    </message>
    <message>
        <source>下中</source>
        <translation>In basso al centro</translation>
    </message>
    <message>
        <source>右下</source>
        <translation>In basso a destra</translation>
    </message>
    <message>
        <source>摄像头位置</source>
        <translation>Posizione</translation>
    </message>
    <message>
        <source>小</source>
        <translation>Piccolo</translation>
    </message>
    <message>
        <source>大</source>
        <translation>Grande</translation>
    </message>
    <message>
        <source>画面大小</source>
        <translation>Dimensione</translation>
    </message>
    <message>
        <source>镜像画面</source>
        <translation>Immagine speculare</translation>
    </message>
    <message>
        <source>让预览效果更自然</source>
        <translation>Rende l&apos;anteprima più naturale</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>开启摄像头后可预览</source>
        <translation>Accendi la webcam per l&apos;anteprima</translation>
    </message>
    <message>
        <source>未检测到摄像头</source>
        <translation>Nessuna webcam rilevata</translation>
    </message>
    <message>
        <source>未检测到可用摄像头</source>
        <translation>Nessuna webcam utilizzabile rilevata</translation>
    </message>
    <message>
        <source>摄像头无法启动，请检查系统权限</source>
        <translation>Impossibile avviare la webcam. Controlla le autorizzazioni di sistema.</translation>
    </message>
</context>
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

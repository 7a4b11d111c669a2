<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="zh_CN">
<context>
    <name>AudioSettingsDialog</name>
    <message>
        <source>音频高级设置</source>
        <translation>Impostazioni audio avanzate</translation>
    </message>
    <message>
        <source>系统声与麦克风会分别处理，再混合写入录制文件。</source>
        <translation>L&apos;audio di sistema e il microfono vengono elaborati separatamente, poi mixati nella registrazione.</translation>
    </message>
    <message>
        <source>系统声音音量</source>
        <translation>Volume audio di sistema</translation>
    </message>
    <message>
        <source>麦克风音量</source>
        <translation>Volume del microfono</translation>
    </message>
    <message>
        <source> ms</source>
        <translation> ms</translation>
    </message>
    <message>
        <source>麦克风延迟</source>
        <translation>Ritardo del microfono</translation>
    </message>
    <message>
        <source>麦克风降噪（降低持续环境噪声）</source>
        <translation>Riduzione del rumore del microfono (attenua il rumore di fondo costante)</translation>
    </message>
    <message>
        <source>单声道输出（适合语音录制）</source>
        <translation>Uscita mono (adatta alle registrazioni vocali)</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>Fine</translation>
    </message>
</context>
<context>
    <name>ControlsArea</name>
    <message>
        <source>全屏</source>
        <translation>Schermo intero</translation>
    </message>
    <message>
        <source>自定义</source>
        <translation>Personalizzato</translation>
    </message>
    <message>
        <source>尚未选择窗口</source>
        <translation>Nessuna finestra selezionata</translation>
    </message>
    <message>
        <source>请选择录制目标</source>
        <translation>Scegli cosa registrare</translation>
    </message>
    <message>
        <source>选择窗口</source>
        <translation>Scegli finestra</translation>
    </message>
    <message>
        <source>纯音频录制</source>
        <translation>Registrazione solo audio</translation>
    </message>
    <message>
        <source>音质</source>
        <translation>Qualità</translation>
    </message>
    <message>
        <source>128 kbps · 较小</source>
        <translation>128 kbps · Più piccolo</translation>
    </message>
    <message>
        <source>192 kbps · 推荐</source>
        <translation>192 kbps · Consigliato</translation>
    </message>
    <message>
        <source>320 kbps · 高质量</source>
        <translation>320 kbps · Alta qualità</translation>
    </message>
    <message>
        <source>无损 · 由格式决定</source>
        <translation>Senza perdita · Determinato dal formato</translation>
    </message>
    <message>
        <source>录摄像头</source>
        <translation>Webcam</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>扬声器</source>
        <translation>Altoparlante</translation>
    </message>
    <message>
        <source>试音</source>
        <translation>Prova</translation>
    </message>
    <message>
        <source>麦克风</source>
        <translation>Microfono</translation>
    </message>
    <message>
        <source>开始录制</source>
        <translation>Avvia registrazione</translation>
    </message>
    <message>
        <source>纯音频模式不录制摄像头</source>
        <translation>La modalità solo audio non registra la webcam</translation>
    </message>
    <message>
        <source>选择游戏</source>
        <translation>Scegli gioco</translation>
    </message>
    <message>
        <source>尚未选择游戏</source>
        <translation>Nessun gioco selezionato</translation>
    </message>
    <message>
        <source>高性能屏幕采集模式</source>
        <translation>Modalità di acquisizione schermo ad alte prestazioni</translation>
    </message>
    <message>
        <source>选择%1设备</source>
        <translation>Scegli dispositivo: %1</translation>
    </message>
    <message>
        <source>选择设备和音频设置</source>
        <translation>Scegli il dispositivo e le impostazioni audio</translation>
    </message>
    <message>
        <source>开启</source>
        <translation>Attivo</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Disattivo</translation>
    </message>
    <message>
        <source>默认设备</source>
        <translation>Dispositivo predefinito</translation>
    </message>
    <message>
        <source>默认 · %1</source>
        <translation>Predefinito · %1</translation>
    </message>
    <message>
        <source>选择扬声器</source>
        <translation>Scegli altoparlante</translation>
    </message>
    <message>
        <source>选择麦克风</source>
        <translation>Scegli microfono</translation>
    </message>
    <message>
        <source>音频高级设置…</source>
        <translation>Impostazioni audio avanzate…</translation>
    </message>
    <message>
        <source>系统声音</source>
        <translation>Audio di sistema</translation>
    </message>
    <message>
        <source>无法监听所选扬声器：%1</source>
        <translation>Impossibile ascoltare l&apos;altoparlante scelto: %1</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>Interrompi</translation>
    </message>
    <message>
        <source>未检测到声音，请先播放一段音频</source>
        <translation>Nessun suono rilevato. Riproduci prima un audio.</translation>
    </message>
    <message>
        <source>已检测到系统播放声音</source>
        <translation>Audio di riproduzione del sistema rilevato</translation>
    </message>
    <message>
        <source>无设备</source>
        <translation>Nessun dispositivo</translation>
    </message>
    <message>
        <source>不可用</source>
        <translation>Non disponibile</translation>
    </message>
    <message>
        <source>未检测到声音，请检查麦克风或权限</source>
        <translation>Nessun suono rilevato. Controlla il microfono o le autorizzazioni.</translation>
    </message>
    <message>
        <source>已检测到麦克风声音</source>
        <translation>Audio del microfono rilevato</translation>
    </message>
    <message>
        <source>系统声音实时电平</source>
        <translation>Livello in tempo reale dell&apos;audio di sistema</translation>
    </message>
    <message>
        <source>麦克风实时电平</source>
        <translation>Livello in tempo reale del microfono</translation>
    </message>
    <message>
        <source>停止试音</source>
        <translation>Interrompi prova</translation>
    </message>
    <message>
        <source>输出</source>
        <translation>Uscita</translation>
    </message>
    <message>
        <source>输入</source>
        <translation>Ingresso</translation>
    </message>
    <message>
        <source>正在监听，请播放一段声音</source>
        <translation>In ascolto. Riproduci un suono.</translation>
    </message>
    <message>
        <source>正在监听，请对麦克风说话</source>
        <translation>In ascolto. Parla nel microfono.</translation>
    </message>
    <message>
        <source>录音检查</source>
        <translation>Verifica registrazione</translation>
    </message>
    <message>
        <source>请至少开启扬声器或麦克风。</source>
        <translation>Attiva almeno l&apos;altoparlante o il microfono.</translation>
    </message>
    <message>
        <source>没有可用的扬声器设备，无法录制系统声音。</source>
        <translation>Nessun altoparlante disponibile: impossibile registrare l&apos;audio di sistema.</translation>
    </message>
    <message>
        <source>没有可用的麦克风，请重新连接或选择输入设备。</source>
        <translation>Nessun microfono disponibile. Ricollegalo o scegli un altro dispositivo di ingresso.</translation>
    </message>
    <message>
        <source>停止录制</source>
        <translation>Interrompi registrazione</translation>
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
    <name>QDialog</name>
    <message>
        <source>Enable Screen Recording</source>
        <translation>Ativa la registrazione dello schermo</translation>
    </message>
    <message>
        <source>Enable Microphone Access</source>
        <translation>Attiva l&apos;accesso al microfono</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Vistrelle needs permission before it can record your screen.</source>
        <translation>Vistrelle ha bisogno di un permesso per registrare lo schermo.</translation>
    </message>
    <message>
        <source>Vistrelle needs permission before it can record your voice.</source>
        <translation>Vistrelle ha bisogno di un permesso per registrare la tua voce.</translation>
    </message>
    <message>
        <source>Screen &amp; System Audio Recording</source>
        <translation>Registrazione schermo e audio di sistema</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Microfono</translation>
    </message>
    <message>
        <source>Allow these apps to record your screen.</source>
        <translation>Consenti a queste app di registrare lo schermo.</translation>
    </message>
    <message>
        <source>Allow these apps to use your microphone.</source>
        <translation>Consenti a queste app di usare il microfono.</translation>
    </message>
    <message>
        <source>Illustration of macOS System Settings</source>
        <translation>Illustrazione delle Impostazioni di Sistema di macOS</translation>
    </message>
    <message>
        <source>Three quick steps</source>
        <translation>Tre semplici passaggi</translation>
    </message>
    <message>
        <source>Open Screen Recording settings.</source>
        <translation>Apri le impostazioni di registrazione dello schermo.</translation>
    </message>
    <message>
        <source>Open Microphone settings.</source>
        <translation>Apri le impostazioni del microfono.</translation>
    </message>
    <message>
        <source>Turn on Vistrelle.</source>
        <translation>Attiva Vistrelle.</translation>
    </message>
    <message>
        <source>Quit and reopen Vistrelle, then record.</source>
        <translation>Chiudi e riapri Vistrelle, poi registra.</translation>
    </message>
    <message>
        <source>Return and start recording.</source>
        <translation>Torna indietro e avvia la registrazione.</translation>
    </message>
    <message>
        <source>Restart Vistrelle after changing this setting.</source>
        <translation>Riavvia Vistrelle dopo aver cambiato questa impostazione.</translation>
    </message>
    <message>
        <source>You can also turn off Microphone and record without voice.</source>
        <translation>Puoi anche disattivare il microfono e registrare senza voce.</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Non ora</translation>
    </message>
    <message>
        <source>Open Settings ↗</source>
        <translation>Apri impostazioni ↗</translation>
    </message>
    <message>
        <source>Open System Settings &gt; Privacy &amp; Security &gt; Screen &amp; System Audio Recording and allow Vistrelle.</source>
        <translation>Apri Impostazioni di Sistema &gt; Privacy e sicurezza &gt; Registrazione schermo e audio di sistema e consenti Vistrelle.</translation>
    </message>
    <message>
        <source>Open System Settings &gt; Privacy &amp; Security &gt; Microphone and allow Vistrelle.</source>
        <translation>Apri Impostazioni di Sistema &gt; Privacy e sicurezza &gt; Microfono e consenti Vistrelle.</translation>
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
    <name>RecordingSettingsDialog</name>
    <message>
        <source>录制性能设置</source>
        <translation>Prestazioni di registrazione</translation>
    </message>
    <message>
        <source>录制性能</source>
        <translation>Prestazioni di registrazione</translation>
    </message>
    <message>
        <source>选择用途，自动匹配参数</source>
        <translation>Scegli un uso e le impostazioni si adeguano</translation>
    </message>
    <message>
        <source>预设</source>
        <translation>Preimpostazioni</translation>
    </message>
    <message>
        <source>办公
文档、会议</source>
        <translation>Ufficio
Documenti, riunioni</translation>
    </message>
    <message>
        <source>课程
文字清晰</source>
        <translation>Corso
Testo nitido</translation>
    </message>
    <message>
        <source>游戏
流畅优先</source>
        <translation>Giochi
Fluidità prima di tutto</translation>
    </message>
    <message>
        <source>高画质
细节优先</source>
        <translation>Alta qualità
Dettagli prima di tutto</translation>
    </message>
    <message>
        <source>高级设置  ▾</source>
        <translation>Impostazioni avanzate  ▾</translation>
    </message>
    <message>
        <source>帧率</source>
        <translation>Frequenza fotogrammi</translation>
    </message>
    <message>
        <source>格式</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>画质</source>
        <translation>Qualità</translation>
    </message>
    <message>
        <source>帧率类型</source>
        <translation>Modalità fotogrammi</translation>
    </message>
    <message>
        <source>编码器</source>
        <translation>Codificatore</translation>
    </message>
    <message>
        <source>关键帧</source>
        <translation>Fotogrammi chiave</translation>
    </message>
    <message>
        <source>30 FPS（推荐）</source>
        <translation>30 FPS (consigliato)</translation>
    </message>
    <message>
        <source>标准</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>高清（推荐）</source>
        <translation>HD (consigliato)</translation>
    </message>
    <message>
        <source>超清</source>
        <translation>Ultra HD</translation>
    </message>
    <message>
        <source>自动（推荐）</source>
        <translation>Automatico (consigliato)</translation>
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
        <translation>MP4 (compatibile)</translation>
    </message>
    <message>
        <source>MKV（易恢复）</source>
        <translation>MKV (facile da recuperare)</translation>
    </message>
    <message>
        <source>恒定（推荐）</source>
        <translation>Costante (consigliato)</translation>
    </message>
    <message>
        <source>可变（省空间）</source>
        <translation>Variabile (risparmia spazio)</translation>
    </message>
    <message>
        <source>1 秒</source>
        <translation>1 s</translation>
    </message>
    <message>
        <source>2 秒（推荐）</source>
        <translation>2 s (consigliato)</translation>
    </message>
    <message>
        <source>5 秒</source>
        <translation>5 s</translation>
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
        <source>收起高级设置  ▴</source>
        <translation>Nascondi impostazioni avanzate  ▴</translation>
    </message>
    <message>
        <source>高清</source>
        <translation>HD</translation>
    </message>
    <message>
        <source>CPU 编码</source>
        <translation>Codifica CPU</translation>
    </message>
    <message>
        <source>自动编码</source>
        <translation>Codifica automatica</translation>
    </message>
    <message>
        <source>GPU 编码</source>
        <translation>Codifica GPU</translation>
    </message>
    <message>
        <source>高性能模式</source>
        <translation>Modalità alte prestazioni</translation>
    </message>
    <message>
        <source>适合办公与课程</source>
        <translation>Adatto a ufficio e corsi</translation>
    </message>
    <message>
        <source>适合游戏</source>
        <translation>Adatto ai giochi</translation>
    </message>
    <message>
        <source>%1 · %2 · 关键帧 %3 秒</source>
        <translation>%1 · %2 · fotogramma chiave ogni %3 s</translation>
    </message>
    <message>
        <source>可变</source>
        <translation>Variabile</translation>
    </message>
    <message>
        <source>恒定</source>
        <translation>Costante</translation>
    </message>
    <message>
        <source>%1 FPS · %2 · %3
%4 · %5</source>
        <translation>%1 FPS · %2 · %3
%4 · %5</translation>
    </message>
    <message>
        <source>当前显示器最高刷新率约为 %1 Hz</source>
        <translation>Lo schermo più veloce si aggiorna a circa %1 Hz</translation>
    </message>
    <message>
        <source>没有检测到可用的 H.264 GPU 硬件编码器</source>
        <translation>Nessun codificatore hardware GPU H.264 funzionante trovato</translation>
    </message>
    <message>
        <source>120 FPS 性能检查</source>
        <translation>Verifica prestazioni a 120 FPS</translation>
    </message>
    <message>
        <source>当前设备可能无法稳定录制 120 FPS：

• %1

建议自动调整为 60 FPS。录制期间仍会继续监测实际性能。</source>
        <translation>Questo dispositivo potrebbe non registrare 120 FPS in modo stabile:

• %1

Si consiglia di passare a 60 FPS. Le prestazioni reali restano monitorate durante la registrazione.</translation>
    </message>
    <message>
        <source>自动改为 60 FPS</source>
        <translation>Passa a 60 FPS</translation>
    </message>
    <message>
        <source>仍然使用 120 FPS</source>
        <translation>Mantieni 120 FPS</translation>
    </message>
    <message>
        <source>返回设置</source>
        <translation>Torna alle impostazioni</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>设置</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>通用</source>
        <translation>Generale</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Salvataggio</translation>
    </message>
    <message>
        <source>鼠标效果</source>
        <translation>Effetti del mouse</translation>
    </message>
    <message>
        <source>快捷键</source>
        <translation>Scorciatoie</translation>
    </message>
    <message>
        <source>录制</source>
        <translation>Registrazione</translation>
    </message>
    <message>
        <source>恢复默认设置</source>
        <translation>Ripristina predefiniti</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>保存设置</source>
        <translation>Salva impostazioni</translation>
    </message>
    <message>
        <source>保存目录无效或无法创建，请重新选择。</source>
        <translation>La cartella di salvataggio non è valida o non può essere creata. Scegline un’altra.</translation>
    </message>
    <message>
        <source>每个全局快捷键只能包含一个组合，请重新设置。</source>
        <translation>Ogni scorciatoia globale può contenere una sola combinazione. Impostala di nuovo.</translation>
    </message>
    <message>
        <source>快捷键 %1 被重复使用，请为每个功能设置不同组合。</source>
        <translation>La scorciatoia %1 è usata più volte. Assegna a ogni azione una combinazione diversa.</translation>
    </message>
    <message>
        <source>快捷键设置</source>
        <translation>Impostazioni scorciatoie</translation>
    </message>
    <message>
        <source>设置写入失败，请检查当前用户的配置权限。</source>
        <translation>Impossibile salvare le impostazioni. Verifica che l’utente corrente possa scrivere la propria configurazione.</translation>
    </message>
    <message>
        <source>开机时自动启动 Vistrelle</source>
        <translation>Avvia Vistrelle all’accesso</translation>
    </message>
    <message>
        <source>启动后最小化到系统托盘</source>
        <translation>Avvia ridotto nell’area di notifica</translation>
    </message>
    <message>
        <source>关闭按钮</source>
        <translation>Pulsante di chiusura</translation>
    </message>
    <message>
        <source>最小化到系统托盘</source>
        <translation>Riduci nell’area di notifica</translation>
    </message>
    <message>
        <source>退出程序</source>
        <translation>Esci dal programma</translation>
    </message>
    <message>
        <source>每次询问我</source>
        <translation>Chiedi ogni volta</translation>
    </message>
    <message>
        <source>选择“每次询问我”时，每次关闭主窗口都会弹出选择窗口。以后仍可在这里修改。</source>
        <translation>Con «Chiedi ogni volta», chiudendo la finestra principale verrà sempre chiesto cosa fare. Puoi cambiarlo qui in seguito.</translation>
    </message>
    <message>
        <source>诊断</source>
        <translation>Diagnostica</translation>
    </message>
    <message>
        <source>启用详细诊断日志</source>
        <translation>Attiva il registro diagnostico dettagliato</translation>
    </message>
    <message>
        <source>日志保存在本机；重启后生效。</source>
        <translation>I registri restano su questo computer; effettivo dopo il riavvio.</translation>
    </message>
    <message>
        <source>默认保存目录</source>
        <translation>Cartella di salvataggio predefinita</translation>
    </message>
    <message>
        <source>浏览…</source>
        <translation>Sfoglia…</translation>
    </message>
    <message>
        <source>文件命名规则</source>
        <translation>Nomi dei file</translation>
    </message>
    <message>
        <source>日期 + 时间</source>
        <translation>Data + ora</translation>
    </message>
    <message>
        <source>Vistrelle + 日期时间</source>
        <translation>Vistrelle + data e ora</translation>
    </message>
    <message>
        <source>自动编号</source>
        <translation>Numerazione automatica</translation>
    </message>
    <message>
        <source>示例：2026-09-04_143022.mp4</source>
        <translation>Esempio: 2026-09-04_143022.mp4</translation>
    </message>
    <message>
        <source>磁盘空间提醒</source>
        <translation>Avviso spazio su disco</translation>
    </message>
    <message>
        <source>当磁盘剩余空间少于</source>
        <translation>Quando lo spazio libero scende sotto</translation>
    </message>
    <message>
        <source>时提醒我</source>
        <translation>avvisami</translation>
    </message>
    <message>
        <source>选择保存目录</source>
        <translation>Scegli cartella di salvataggio</translation>
    </message>
    <message>
        <source>显示鼠标高亮</source>
        <translation>Evidenzia il puntatore del mouse</translation>
    </message>
    <message>
        <source>高亮颜色</source>
        <translation>Colore evidenziazione</translation>
    </message>
    <message>
        <source>大小</source>
        <translation>Dimensione</translation>
    </message>
    <message>
        <source>透明度</source>
        <translation>Opacità</translation>
    </message>
    <message>
        <source>点击动画</source>
        <translation>Animazione dei clic</translation>
    </message>
    <message>
        <source>显示鼠标点击动画</source>
        <translation>Anima i clic del mouse</translation>
    </message>
    <message>
        <source>左键点击</source>
        <translation>Clic sinistro</translation>
    </message>
    <message>
        <source>右键点击</source>
        <translation>Clic destro</translation>
    </message>
    <message>
        <source>选择颜色</source>
        <translation>Scegli colore</translation>
    </message>
    <message>
        <source>点击选择颜色</source>
        <translation>Fai clic per scegliere un colore</translation>
    </message>
    <message>
        <source>开始 / 停止录制</source>
        <translation>Avvia / ferma registrazione</translation>
    </message>
    <message>
        <source>暂停 / 继续录制</source>
        <translation>Metti in pausa / riprendi registrazione</translation>
    </message>
    <message>
        <source>截图（全屏 / 区域）</source>
        <translation>Screenshot (schermo intero / area)</translation>
    </message>
    <message>
        <source>显示 / 隐藏悬浮工具栏</source>
        <translation>Mostra / nascondi la barra mobile</translation>
    </message>
    <message>
        <source>显示 / 隐藏注释工具栏</source>
        <translation>Mostra / nascondi gli strumenti di annotazione</translation>
    </message>
    <message>
        <source>点击确定后保存，应用于下一次录制。</source>
        <translation>Salvato premendo OK; si applica alla prossima registrazione.</translation>
    </message>
    <message>
        <source>录制预设</source>
        <translation>Preimpostazione di registrazione</translation>
    </message>
    <message>
        <source>办公</source>
        <translation>Ufficio</translation>
    </message>
    <message>
        <source>课程</source>
        <translation>Corso</translation>
    </message>
    <message>
        <source>游戏</source>
        <translation>Giochi</translation>
    </message>
    <message>
        <source>自定义</source>
        <translation>Personalizzato</translation>
    </message>
    <message>
        <source>标准</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>高清（推荐）</source>
        <translation>HD (consigliato)</translation>
    </message>
    <message>
        <source>超清</source>
        <translation>Ultra HD</translation>
    </message>
    <message>
        <source>自动（推荐）</source>
        <translation>Automatico (consigliato)</translation>
    </message>
    <message>
        <source>恒定（推荐）</source>
        <translation>Costante (consigliato)</translation>
    </message>
    <message>
        <source>可变</source>
        <translation>Variabile</translation>
    </message>
    <message>
        <source>%1 秒</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>常用设置</source>
        <translation>Impostazioni comuni</translation>
    </message>
    <message>
        <source>视频格式</source>
        <translation>Formato video</translation>
    </message>
    <message>
        <source>帧率</source>
        <translation>Frequenza fotogrammi</translation>
    </message>
    <message>
        <source>画质</source>
        <translation>Qualità</translation>
    </message>
    <message>
        <source>硬件加速</source>
        <translation>Accelerazione hardware</translation>
    </message>
    <message>
        <source>高级设置 ▾</source>
        <translation>Impostazioni avanzate ▾</translation>
    </message>
    <message>
        <source>帧率类型</source>
        <translation>Modalità fotogrammi</translation>
    </message>
    <message>
        <source>关键帧间隔</source>
        <translation>Intervallo fotogrammi chiave</translation>
    </message>
    <message>
        <source>收起高级设置 ▴</source>
        <translation>Nascondi impostazioni avanzate ▴</translation>
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
<context>
    <name>WatermarkDialog</name>
    <message>
        <source>水印设置</source>
        <translation>Impostazioni filigrana</translation>
    </message>
    <message>
        <source>水印样式</source>
        <translation>Stile filigrana</translation>
    </message>
    <message>
        <source>水印文字</source>
        <translation>Testo filigrana</translation>
    </message>
    <message>
        <source>字号</source>
        <translation>Dimensione carattere</translation>
    </message>
    <message>
        <source>颜色</source>
        <translation>Colore</translation>
    </message>
    <message>
        <source>透明度</source>
        <translation>Opacità</translation>
    </message>
    <message>
        <source>拖动滑块调整水印的可见程度</source>
        <translation>Trascina il cursore per regolare la visibilità della filigrana</translation>
    </message>
    <message>
        <source>实时预览  ●</source>
        <translation>Anteprima dal vivo  ●</translation>
    </message>
    <message>
        <source>对整个原视频添加水印，另存为 MP4 副本。其他编辑请先保存。</source>
        <translation>La filigrana viene aggiunta all&apos;intero video originale e salvata come copia MP4. Salva prima le altre modifiche.</translation>
    </message>
    <message>
        <source>显示位置</source>
        <translation>Posizione</translation>
    </message>
    <message>
        <source>边距</source>
        <translation>Margini</translation>
    </message>
    <message>
        <source>水平</source>
        <translation>Orizzontale</translation>
    </message>
    <message>
        <source>垂直</source>
        <translation>Verticale</translation>
    </message>
    <message>
        <source>恢复默认</source>
        <translation>Ripristina predefiniti</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>保存水印副本</source>
        <translation>Salva copia con filigrana</translation>
    </message>
    <message>
        <source>选择颜色</source>
        <translation>Scegli colore</translation>
    </message>
    <message>
        <source>请输入水印文字。</source>
        <translation>Inserisci il testo della filigrana.</translation>
    </message>
</context>
<context>
    <name>vc::CloseBehaviorDialog</name>
    <message>
        <source>关闭 Vistrelle</source>
        <translation>Chiudi Vistrelle</translation>
    </message>
    <message>
        <source>关闭窗口后要做什么？</source>
        <translation>Cosa fare alla chiusura della finestra?</translation>
    </message>
    <message>
        <source>最小化到托盘</source>
        <translation>Riduci nell’area di notifica</translation>
    </message>
    <message>
        <source>退出 Vistrelle</source>
        <translation>Esci da Vistrelle</translation>
    </message>
    <message>
        <source>记住我的选择，下次不再询问</source>
        <translation>Ricorda la scelta e non chiedere più</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
</context>
</TS>

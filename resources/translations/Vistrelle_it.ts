<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="zh_CN">
<context>
    <name>AutoSplitDialog</name>
    <message>
        <source>自动分割设置</source>
        <translation>Impostazioni divisione automatica</translation>
    </message>
    <message>
        <source>录制时按指定条件自动切分为多个文件</source>
        <translation>Dividi automaticamente la registrazione in più file secondo una condizione</translation>
    </message>
    <message>
        <source>按录制时长</source>
        <translation>Per durata</translation>
    </message>
    <message>
        <source>适合会议、课程等长时间录制</source>
        <translation>Per registrazioni lunghe come riunioni e lezioni</translation>
    </message>
    <message>
        <source>分钟</source>
        <translation>min</translation>
    </message>
    <message>
        <source>按文件大小</source>
        <translation>Per dimensione file</translation>
    </message>
    <message>
        <source>便于上传、传输或分段保存</source>
        <translation>Più facile da caricare, trasferire o salvare in parti</translation>
    </message>
    <message>
        <source>✓  无缝切分</source>
        <translation>✓  Divisione senza interruzioni</translation>
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
        <source>将每 %1 分钟自动保存为一个新文件</source>
        <translation>Ogni %1 minuti viene salvato un nuovo file</translation>
    </message>
    <message>
        <source>文件达到 %1 MB 时自动切分并保存</source>
        <translation>Il file viene diviso e salvato a %1 MB</translation>
    </message>
</context>
<context>
    <name>AutoStopDialog</name>
    <message>
        <source>自动停止设置</source>
        <translation>Impostazioni arresto automatico</translation>
    </message>
    <message>
        <source>录制达到指定条件时自动停止并保存文件。</source>
        <translation>La registrazione si ferma e il file viene salvato al raggiungimento di una condizione.</translation>
    </message>
    <message>
        <source>停止条件</source>
        <translation>Condizione di arresto</translation>
    </message>
    <message>
        <source>按录制时长</source>
        <translation>Per durata</translation>
    </message>
    <message>
        <source>分钟</source>
        <translation>min</translation>
    </message>
    <message>
        <source>按文件大小</source>
        <translation>Per dimensione file</translation>
    </message>
    <message>
        <source>录制 %1 分钟后自动停止</source>
        <translation>Si ferma dopo %1 minuti di registrazione</translation>
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
        <source>文件达到 %1 MB 后自动停止</source>
        <translation>Si ferma quando il file raggiunge %1 MB</translation>
    </message>
    <message>
        <source>自动停止倒计时</source>
        <translation>Conto alla rovescia arresto automatico</translation>
    </message>
    <message>
        <source>录制将在以上时间后自动停止</source>
        <translation>La registrazione si fermerà da sola dopo questo tempo</translation>
    </message>
    <message>
        <source>取消自动停止</source>
        <translation>Annulla arresto automatico</translation>
    </message>
</context>
<context>
    <name>BottomBar</name>
    <message>
        <source>媒体库</source>
        <translation>Libreria multimediale</translation>
    </message>
    <message>
        <source>水印</source>
        <translation>Filigrana</translation>
    </message>
    <message>
        <source>自动分割</source>
        <translation>Divisione automatica</translation>
    </message>
    <message>
        <source>自动停止</source>
        <translation>Arresto automatico</translation>
    </message>
    <message>
        <source>计划录制</source>
        <translation>Registrazione programmata</translation>
    </message>
    <message>
        <source>GPU 加速</source>
        <translation>Accelerazione GPU</translation>
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
    <name>HomePage</name>
    <message>
        <source>Start Recording</source>
        <translation>Avvia registrazione</translation>
    </message>
    <message>
        <source>Media Library</source>
        <translation>Libreria multimediale</translation>
    </message>
    <message>
        <source>Choose a recording mode</source>
        <translation>Scegli una modalità di registrazione</translation>
    </message>
    <message>
        <source>Scheduled Recording</source>
        <translation>Registrazione programmata</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Schermo intero</translation>
    </message>
    <message>
        <source>Custom Area</source>
        <translation>Area personalizzata</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Finestra</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Gioco</translation>
    </message>
    <message>
        <source>Audio Only</source>
        <translation>Solo audio</translation>
    </message>
    <message>
        <source>Webcam</source>
        <translation>Webcam</translation>
    </message>
    <message>
        <source>Recent recordings</source>
        <translation>Registrazioni recenti</translation>
    </message>
    <message>
        <source>View all  ›</source>
        <translation>Vedi tutto  ›</translation>
    </message>
    <message>
        <source>No recordings yet</source>
        <translation>Nessuna registrazione</translation>
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
    <name>MainWindow</name>
    <message>
        <source>显示 Vistrelle</source>
        <translation>Mostra Vistrelle</translation>
    </message>
    <message>
        <source>Start Recording</source>
        <translation>Avvia registrazione</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>快捷键设置</source>
        <translation>Impostazioni scorciatoie</translation>
    </message>
    <message>
        <source>以下快捷键无法注册，可能已被其他程序占用或按键不受支持：
%1</source>
        <translation>Queste scorciatoie non possono essere registrate; un altro programma potrebbe usarle o i tasti non sono supportati:
%1</translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>Interrompi registrazione</translation>
    </message>
    <message>
        <source>日志文件夹</source>
        <translation>Cartella dei log</translation>
    </message>
    <message>
        <source>无法打开日志文件夹。</source>
        <translation>Impossibile aprire la cartella dei log.</translation>
    </message>
    <message>
        <source>录制性能已自动调整</source>
        <translation>Prestazioni di registrazione regolate</translation>
    </message>
    <message>
        <source>%1 FPS 已自动降为 %2 FPS。%3</source>
        <translation>%1 FPS ridotti a %2 FPS. %3</translation>
    </message>
    <message>
        <source>录制性能提示</source>
        <translation>Prestazioni di registrazione</translation>
    </message>
    <message>
        <source>4K 录制性能</source>
        <translation>Prestazioni registrazione 4K</translation>
    </message>
    <message>
        <source>没有可用的硬件 H.264 编码器</source>
        <translation>Nessun codificatore H.264 hardware disponibile</translation>
    </message>
    <message>
        <source>%1 × %2、%3 FPS 的录制可能掉帧。请选择本次录制方式。</source>
        <translation>Una registrazione %1 × %2 a %3 FPS potrebbe perdere fotogrammi. Scegli come registrare questa volta.</translation>
    </message>
    <message>
        <source>保持 4K，15 FPS（推荐）</source>
        <translation>Mantieni 4K a 15 FPS (consigliato)</translation>
    </message>
    <message>
        <source>1080p，30 FPS</source>
        <translation>1080p a 30 FPS</translation>
    </message>
    <message>
        <source>强制 4K，30 FPS</source>
        <translation>Forza 4K a 30 FPS</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>录制后处理提示</source>
        <translation>Avviso di post-elaborazione</translation>
    </message>
    <message>
        <source>录音完成</source>
        <translation>Registrazione audio completata</translation>
    </message>
    <message>
        <source>音频已保存到：%1</source>
        <translation>Audio salvato in: %1</translation>
    </message>
    <message>
        <source>录制提示</source>
        <translation>Registrazione</translation>
    </message>
</context>
<context>
    <name>ModeBar</name>
    <message>
        <source>录制屏幕</source>
        <translation>Registra schermo</translation>
    </message>
    <message>
        <source>录制窗口</source>
        <translation>Registra finestra</translation>
    </message>
    <message>
        <source>游戏录制</source>
        <translation>Registrazione giochi</translation>
    </message>
    <message>
        <source>高性能屏幕录制</source>
        <translation>Registrazione schermo ad alte prestazioni</translation>
    </message>
    <message>
        <source>录制音频</source>
        <translation>Registra audio</translation>
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
        <translation>Vistrelle è già in esecuzione</translation>
    </message>
    <message>
        <source>Another Vistrelle process is running. Finish its recording and quit it before opening Vistrelle again.</source>
        <translation>È in esecuzione un altro processo Vistrelle. Termina la registrazione e chiudilo prima di riaprire Vistrelle.</translation>
    </message>
</context>
<context>
    <name>RecentCard</name>
    <message>
        <source>Loading preview…</source>
        <translation>Caricamento anteprima…</translation>
    </message>
    <message>
        <source>Preview unavailable</source>
        <translation>Anteprima non disponibile</translation>
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
    <name>ScheduledRecordingDialog</name>
    <message>
        <source>计划录制</source>
        <translation>Registrazione programmata</translation>
    </message>
    <message>
        <source>到达开始时间后，Vistrelle 将按指定模式自动开始录制。</source>
        <translation>All&apos;ora di inizio, Vistrelle avvia la registrazione nella modalità scelta.</translation>
    </message>
    <message>
        <source>启用计划录制</source>
        <translation>Attiva registrazione programmata</translation>
    </message>
    <message>
        <source>单次</source>
        <translation>Una volta</translation>
    </message>
    <message>
        <source>每日</source>
        <translation>Ogni giorno</translation>
    </message>
    <message>
        <source>每周</source>
        <translation>Ogni settimana</translation>
    </message>
    <message>
        <source>星期一</source>
        <translation>Lunedì</translation>
    </message>
    <message>
        <source>星期二</source>
        <translation>Martedì</translation>
    </message>
    <message>
        <source>星期三</source>
        <translation>Mercoledì</translation>
    </message>
    <message>
        <source>星期四</source>
        <translation>Giovedì</translation>
    </message>
    <message>
        <source>星期五</source>
        <translation>Venerdì</translation>
    </message>
    <message>
        <source>星期六</source>
        <translation>Sabato</translation>
    </message>
    <message>
        <source>星期日</source>
        <translation>Domenica</translation>
    </message>
    <message>
        <source>录制屏幕</source>
        <translation>Registra schermo</translation>
    </message>
    <message>
        <source>录制音频</source>
        <translation>Registra audio</translation>
    </message>
    <message>
        <source>录制窗口</source>
        <translation>Registra finestra</translation>
    </message>
    <message>
        <source>游戏录制</source>
        <translation>Registrazione giochi</translation>
    </message>
    <message>
        <source>高性能屏幕录制</source>
        <translation>Registrazione schermo ad alte prestazioni</translation>
    </message>
    <message>
        <source>重复</source>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>开始日期和时间</source>
        <translation>Data e ora di inizio</translation>
    </message>
    <message>
        <source>每天开始时间</source>
        <translation>Ora di inizio giornaliera</translation>
    </message>
    <message>
        <source>每周日期</source>
        <translation>Giorno della settimana</translation>
    </message>
    <message>
        <source>指定录制模式</source>
        <translation>Modalità di registrazione</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>保存计划</source>
        <translation>Salva pianificazione</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>菜单</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>关于 Vistrelle</source>
        <translation>Informazioni su Vistrelle</translation>
    </message>
    <message>
        <source>语言</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>在线帮助</source>
        <translation>Guida online</translation>
    </message>
    <message>
        <source>打开日志文件夹</source>
        <translation>Apri cartella dei log</translation>
    </message>
    <message>
        <source>技术支持</source>
        <translation>Supporto tecnico</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Esci</translation>
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
        <translation>Scegli un colore</translation>
    </message>
    <message>
        <source>请输入水印文字。</source>
        <translation>Inserisci il testo della filigrana.</translation>
    </message>
</context>
</TS>

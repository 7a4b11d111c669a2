<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="zh_CN">
<context>
    <name>AnnotationOverlay</name>
    <message>
        <source>添加文字标注</source>
        <translation>Aggiungi annotazione di testo</translation>
    </message>
    <message>
        <source>输入标注文字：</source>
        <translation>Testo dell&apos;annotazione:</translation>
    </message>
    <message>
        <source>左键绘制  Ctrl+Z 撤销  Del 清除  ESC 退出</source>
        <translation>Trascina con il tasto sinistro per disegnare  Ctrl+Z Annulla  Canc Cancella  Esc Esci</translation>
    </message>
</context>
<context>
    <name>AnnotationToolbar</name>
    <message>
        <source>画笔</source>
        <translation>Penna</translation>
    </message>
    <message>
        <source>箭头</source>
        <translation>Freccia</translation>
    </message>
    <message>
        <source>矩形</source>
        <translation>Rettangolo</translation>
    </message>
    <message>
        <source>文字</source>
        <translation>Testo</translation>
    </message>
    <message>
        <source>选择颜色</source>
        <translation>Scegli colore</translation>
    </message>
    <message>
        <source>粗细</source>
        <translation>Spessore</translation>
    </message>
    <message>
        <source>撤销  Ctrl+Z</source>
        <translation>Annulla  Ctrl+Z</translation>
    </message>
    <message>
        <source>清除全部  Del</source>
        <translation>Cancella tutto  Canc</translation>
    </message>
    <message>
        <source>退出注释</source>
        <translation>Esci dall&apos;annotazione</translation>
    </message>
    <message>
        <source>选择注释颜色</source>
        <translation>Scegli colore dell&apos;annotazione</translation>
    </message>
</context>
<context>
    <name>AreaDropdown</name>
    <message>
        <source>全屏</source>
        <translation>Schermo intero</translation>
    </message>
    <message>
        <source>选择区域 / 窗口</source>
        <translation>Seleziona area / finestra</translation>
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
        <translation>Fai clic e trascina per selezionare un&apos;area</translation>
    </message>
</context>
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
    <name>AutoSplitDialog</name>
    <message>
        <source>自动分割设置</source>
        <translation>Impostazioni divisione automatica</translation>
    </message>
    <message>
        <source>录制时按指定条件自动切分为多个文件</source>
        <translation>Avvia un nuovo segmento al verificarsi di una condizione; alla fine tutti i segmenti vengono uniti in un unico file</translation>
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
        <translation>Limita la dimensione di ogni segmento</translation>
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
        <translation type="vanished">Ogni %1 minuti viene salvato un nuovo file</translation>
    </message>
    <message>
        <source>文件达到 %1 MB 时自动切分并保存</source>
        <translation>Inizia un nuovo segmento ogni volta che uno raggiunge %1 MB</translation>
    </message>
    <message numerus="yes">
        <source>将每 %n 分钟自动保存为一个新文件</source>
        <translation>
            <numerusform>Ogni minuto inizia un nuovo segmento</numerusform>
            <numerusform>Ogni %n minuti inizia un nuovo segmento</numerusform>
        </translation>
    </message>
    <message>
        <source>关闭自动分割</source>
        <translation>Disattiva divisione auto</translation>
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
        <translation type="vanished">Si ferma dopo %1 minuti di registrazione</translation>
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
    <message numerus="yes">
        <source>录制 %n 分钟后自动停止</source>
        <translation>
            <numerusform>Si ferma dopo un minuto di registrazione</numerusform>
            <numerusform>Si ferma dopo %n minuti di registrazione</numerusform>
        </translation>
    </message>
    <message>
        <source>关闭自动停止</source>
        <translation>Disattiva arresto auto</translation>
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
    <name>CameraRecordingPage</name>
    <message>
        <source>Camera Recording</source>
        <translation>Registrazione fotocamera</translation>
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
        <translation>Stop auto</translation>
    </message>
    <message>
        <source>Auto Split</source>
        <translation>Dividi auto</translation>
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
        <translation>Permesso fotocamera</translation>
    </message>
    <message>
        <source>Camera access is off. Allow Vistrelle in System Settings &gt; Privacy &amp; Security &gt; Camera.</source>
        <translation>L&apos;accesso alla fotocamera è disattivato. Consenti Vistrelle in Impostazioni di Sistema &gt; Privacy e sicurezza &gt; Fotocamera.</translation>
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
        <translation>Attivato</translation>
    </message>
    <message>
        <source>Starting…</source>
        <translation>Avvio…</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Disattivato</translation>
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
        <translation>Frequenza fotogrammi</translation>
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
    <name>CaptureTargetDialog</name>
    <message>
        <source>选择游戏</source>
        <translation>Seleziona gioco</translation>
    </message>
    <message>
        <source>选择窗口</source>
        <translation>Seleziona finestra</translation>
    </message>
    <message>
        <source>选择游戏窗口</source>
        <translation>Seleziona una finestra di gioco</translation>
    </message>
    <message>
        <source>选择录制窗口</source>
        <translation>Seleziona la finestra da registrare</translation>
    </message>
    <message>
        <source>刷新</source>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <source>Select a window</source>
        <translation>Seleziona una finestra</translation>
    </message>
    <message>
        <source>Process information unavailable</source>
        <translation>Informazioni sul processo non disponibili</translation>
    </message>
    <message>
        <source>Loading preview…</source>
        <translation>Caricamento anteprima…</translation>
    </message>
    <message>
        <source>当前没有可捕获窗口。请先打开目标程序，然后点击刷新。</source>
        <translation>Al momento non ci sono finestre acquisibili. Apri il programma da registrare, poi fai clic su Aggiorna.</translation>
    </message>
    <message>
        <source>选择要录制的游戏或应用窗口。录制时不要最小化窗口。</source>
        <translation>Seleziona la finestra del gioco o dell&apos;applicazione da registrare. Non ridurre a icona la finestra durante la registrazione.</translation>
    </message>
    <message>
        <source>录制时不要最小化窗口。</source>
        <translation>Non ridurre a icona la finestra durante la registrazione.</translation>
    </message>
    <message>
        <source>Preview timed out — check screen recording access</source>
        <translation>Anteprima scaduta — controlla l&apos;accesso alla registrazione dello schermo</translation>
    </message>
    <message>
        <source>Preview unavailable — check screen recording access</source>
        <translation>Anteprima non disponibile — controlla l&apos;accesso alla registrazione dello schermo</translation>
    </message>
</context>
<context>
    <name>Common</name>
    <message>
        <source>Open Folder</source>
        <translation>Apri cartella</translation>
    </message>
    <message>
        <source>无法打开文件夹：
%1</source>
        <translation>Impossibile aprire la cartella:
%1</translation>
    </message>
</context>
<context>
    <name>CompletionDialog</name>
    <message>
        <source>文件已保存到以下文件夹</source>
        <translation>Il file è stato salvato in questa cartella</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Apri cartella</translation>
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
        <translation>Seleziona finestra</translation>
    </message>
    <message>
        <source>纯音频录制</source>
        <translation>Registrazione solo audio</translation>
    </message>
    <message>
        <source>音质</source>
        <translation>Qualità audio</translation>
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
        <translation>Seleziona gioco</translation>
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
        <translation>Disattivato</translation>
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
        <translation>Livello dell&apos;audio di sistema</translation>
    </message>
    <message>
        <source>麦克风实时电平</source>
        <translation>Livello del microfono</translation>
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
    <message>
        <source>Camera Permission</source>
        <translation>Permesso fotocamera</translation>
    </message>
    <message>
        <source>Camera access is off. Allow Vistrelle in System Settings &gt; Privacy &amp; Security &gt; Camera.</source>
        <translation>L&apos;accesso alla fotocamera è disattivato. Consenti Vistrelle in Impostazioni di Sistema &gt; Privacy e sicurezza &gt; Fotocamera.</translation>
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
        <source>高性能屏幕采集</source>
        <translation>Acquisizione schermo ad alte prestazioni</translation>
    </message>
    <message>
        <source> · 高性能屏幕采集</source>
        <translation> · Acquisizione schermo ad alte prestazioni</translation>
    </message>
    <message>
        <source>%1 · 不可用</source>
        <translation>%1 · non disponibile</translation>
    </message>
    <message>
        <source>摄像头</source>
        <translation>Webcam</translation>
    </message>
    <message>
        <source>没有检测到可用摄像头。</source>
        <translation>Nessuna webcam trovata.</translation>
    </message>
</context>
<context>
    <name>CountdownOverlay</name>
    <message>
        <source>开始/停止</source>
        <translation>Avvia/Interrompi</translation>
    </message>
    <message>
        <source>暂停/恢复</source>
        <translation>Pausa/Riprendi</translation>
    </message>
</context>
<context>
    <name>ExportDialog</name>
    <message>
        <source>导出</source>
        <translation>Esporta</translation>
    </message>
    <message>
        <source>↑  导出设置</source>
        <translation>↑  Impostazioni di esportazione</translation>
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
        <translation>GIF animata (.gif)</translation>
    </message>
    <message>
        <source>仅音频 MP3 (.mp3)</source>
        <translation>Solo audio MP3 (.mp3)</translation>
    </message>
    <message>
        <source>仅音频 AAC (.aac)</source>
        <translation>Solo audio AAC (.aac)</translation>
    </message>
    <message>
        <source>格式</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>视频编码</source>
        <translation>Codificatore video</translation>
    </message>
    <message>
        <source>视频码率</source>
        <translation>Bitrate video</translation>
    </message>
    <message>
        <source>1× (正常)</source>
        <translation>1× (normale)</translation>
    </message>
    <message>
        <source>播放速度</source>
        <translation>Velocità di riproduzione</translation>
    </message>
    <message>
        <source>GIF 帧率</source>
        <translation>Frequenza fotogrammi GIF</translation>
    </message>
    <message>
        <source>GIF 宽度</source>
        <translation>Larghezza GIF</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>开始导出</source>
        <translation>Avvia esportazione</translation>
    </message>
    <message>
        <source>✓ 已保存到: </source>
        <translation>✓ Salvato in: </translation>
    </message>
    <message>
        <source>保存为</source>
        <translation>Salva come</translation>
    </message>
    <message>
        <source>视频文件 (*.mp4 *.mkv *.gif *.mp3 *.aac)</source>
        <translation>File multimediali (*.mp4 *.mkv *.gif *.mp3 *.aac)</translation>
    </message>
    <message>
        <source>导出中...</source>
        <translation>Esportazione in corso...</translation>
    </message>
</context>
<context>
    <name>FfmpegJob</name>
    <message>
        <source>FFmpeg 没有在 %1 秒内完成。</source>
        <translation>FFmpeg non ha terminato entro %1 secondi.</translation>
    </message>
    <message>
        <source>FFmpeg 意外终止。</source>
        <translation>FFmpeg si è arrestato in modo imprevisto.</translation>
    </message>
    <message>
        <source>FFmpeg 以退出码 %1 结束，没有说明原因。</source>
        <translation>FFmpeg è terminato con il codice di uscita %1 senza indicarne il motivo.</translation>
    </message>
</context>
<context>
    <name>FloatingToolbar</name>
    <message>
        <source>正在录制</source>
        <translation>In corso</translation>
    </message>
    <message>
        <source>初始化…</source>
        <translation>Avvio…</translation>
    </message>
    <message>
        <source>写入中…</source>
        <translation>Scrittura…</translation>
    </message>
    <message>
        <source>关闭摄像头</source>
        <translation>Disattiva webcam</translation>
    </message>
    <message>
        <source>开启摄像头</source>
        <translation>Attiva webcam</translation>
    </message>
    <message>
        <source>画笔</source>
        <translation>Penna</translation>
    </message>
    <message>
        <source>箭头</source>
        <translation>Freccia</translation>
    </message>
    <message>
        <source>矩形</source>
        <translation>Rettangolo</translation>
    </message>
    <message>
        <source>文字</source>
        <translation>Testo</translation>
    </message>
    <message>
        <source>直线</source>
        <translation>Linea</translation>
    </message>
    <message>
        <source>圆形</source>
        <translation>Cerchio</translation>
    </message>
    <message>
        <source>高亮笔</source>
        <translation>Evidenziatore</translation>
    </message>
    <message>
        <source>橡皮擦</source>
        <translation>Gomma</translation>
    </message>
    <message>
        <source>撤销 Ctrl+Z</source>
        <translation>Annulla Ctrl+Z</translation>
    </message>
    <message>
        <source>清除全部 Del</source>
        <translation>Cancella tutto Canc</translation>
    </message>
    <message>
        <source>退出注释模式</source>
        <translation>Esci dalla modalità annotazione</translation>
    </message>
    <message>
        <source>选择工具后在屏幕上绘制，ESC 或点“退出”结束注释</source>
        <translation>Scegli uno strumento e disegna sullo schermo; Esc o «Esci» termina l&apos;annotazione</translation>
    </message>
    <message>
        <source>选择颜色</source>
        <translation>Scegli colore</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>已暂停</source>
        <translation>In pausa</translation>
    </message>
    <message>
        <source>正在保存…</source>
        <translation>Salvataggio…</translation>
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
        <translation>Scegli la modalità</translation>
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
        <translation>Area libera</translation>
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
    <message>
        <source>Vistrelle recording toolbar</source>
        <translation>Barra di registrazione di Vistrelle</translation>
    </message>
    <message>
        <source>Vistrelle preparation toolbar</source>
        <translation>Barra di preparazione di Vistrelle</translation>
    </message>
    <message>
        <source>Display %1</source>
        <translation>Schermo %1</translation>
    </message>
    <message>
        <source>Audio only</source>
        <translation>Solo audio</translation>
    </message>
    <message>
        <source>Camera preview</source>
        <translation>Anteprima della fotocamera</translation>
    </message>
    <message>
        <source>Camera Recording</source>
        <translation>Registrazione fotocamera</translation>
    </message>
    <message>
        <source>Stop recording and return to Home?</source>
        <translation>Interrompere la registrazione e tornare alla Home?</translation>
    </message>
    <message>
        <source>Wait for a live camera preview before recording.</source>
        <translation>Attendi l&apos;anteprima dal vivo della fotocamera prima di registrare.</translation>
    </message>
    <message>
        <source>Vistrelle countdown</source>
        <translation>Conto alla rovescia di Vistrelle</translation>
    </message>
    <message>
        <source>摄像头</source>
        <translation>Webcam</translation>
    </message>
    <message>
        <source>没有检测到可用摄像头。</source>
        <translation>Nessuna webcam trovata.</translation>
    </message>
    <message>
        <source>摄像头无法启动，请检查权限或设备占用情况。</source>
        <translation>Impossibile avviare la webcam. Controlla l&apos;autorizzazione e che nessun altro programma la stia usando.</translation>
    </message>
    <message>
        <source>Camera Permission</source>
        <translation>Permesso fotocamera</translation>
    </message>
    <message>
        <source>Camera access is off. Allow Vistrelle in System Settings &gt; Privacy &amp; Security &gt; Camera.</source>
        <translation>L&apos;accesso alla fotocamera è disattivato. Consenti Vistrelle in Impostazioni di Sistema &gt; Privacy e sicurezza &gt; Fotocamera.</translation>
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
        <source>计划录制</source>
        <translation>Registrazione programmata</translation>
    </message>
    <message>
        <source>请先在首页为窗口或游戏模式选择录制目标。</source>
        <translation>Scegli prima nella pagina iniziale la finestra o il gioco da registrare.</translation>
    </message>
    <message>
        <source>已有录制正在进行，本次计划已跳过。</source>
        <translation>Una registrazione è già in corso; quest&apos;avvio programmato è stato saltato.</translation>
    </message>
    <message>
        <source>退出后计划录制将不会执行。

确定要退出 Vistrelle 吗？</source>
        <translation>La registrazione programmata non avverrà se esci.

Uscire comunque da Vistrelle?</translation>
    </message>
    <message>
        <source>仍在录制</source>
        <translation>Registrazione in corso</translation>
    </message>
    <message>
        <source>Vistrelle 已隐藏到系统托盘，录制继续进行。</source>
        <translation>Vistrelle è nascosto nell&apos;area di notifica; la registrazione continua.</translation>
    </message>
    <message>
        <source>Vistrelle 仍在后台运行</source>
        <translation>Vistrelle è ancora in esecuzione</translation>
    </message>
    <message>
        <source>已最小化到系统托盘，点击或双击托盘图标可重新打开。</source>
        <translation>Ridotto nell&apos;area di notifica. Fai clic o doppio clic sull&apos;icona per riaprirlo.</translation>
    </message>
    <message>
        <source>About Vistrelle</source>
        <translation>Informazioni su Vistrelle</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versione %1</translation>
    </message>
    <message>
        <source>Vistrelle is a fast, reliable screen recorder for Linux. Record screens, windows, games, system audio, microphones, and webcams, then edit and manage recordings locally with no cloud upload required.</source>
        <translation>Vistrelle è un registratore dello schermo veloce e affidabile per Linux. Registra schermi, finestre, giochi, audio di sistema, microfoni e webcam, poi modifica e gestisci le registrazioni in locale, senza caricamenti sul cloud.</translation>
    </message>
    <message>
        <source>Development Team</source>
        <translation>Team di sviluppo</translation>
    </message>
    <message>
        <source>The Vistrelle developers</source>
        <translation>Gli sviluppatori di Vistrelle</translation>
    </message>
    <message>
        <source>© Vistrelle. All rights reserved.</source>
        <translation>© Vistrelle. Tutti i diritti riservati.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>切换语言</source>
        <translation>Cambia lingua</translation>
    </message>
    <message>
        <source>无法保存语言设置，请检查当前用户的配置权限。</source>
        <translation>Impossibile salvare la lingua. Verifica che l&apos;utente corrente possa scrivere la propria configurazione.</translation>
    </message>
    <message>
        <source>语言设置已保存，重启 Vistrelle 后生效。是否立即重启？</source>
        <translation>La lingua è salvata e avrà effetto al riavvio di Vistrelle. Riavviare ora?</translation>
    </message>
    <message>
        <source>重启失败</source>
        <translation>Riavvio non riuscito</translation>
    </message>
    <message>
        <source>无法自动重启，请手动重新打开 Vistrelle。</source>
        <translation>Vistrelle non è riuscito a riavviarsi da solo. Riaprilo manualmente.</translation>
    </message>
    <message>
        <source>录制的窗口已关闭</source>
        <translation>Finestra registrata chiusa</translation>
    </message>
    <message>
        <source>Custom Area</source>
        <translation>Area libera</translation>
    </message>
    <message>
        <source>The display of the chosen area is no longer connected. Choose the area again.</source>
        <translation>Lo schermo dell&apos;area scelta non è più collegato. Scegli di nuovo l&apos;area.</translation>
    </message>
    <message>
        <source>Nothing was recorded: the program quit before the recording began.</source>
        <translation>Non è stato registrato nulla: il programma è stato chiuso prima dell’inizio della registrazione.</translation>
    </message>
</context>
<context>
    <name>MediaProbe</name>
    <message>
        <source>无法启动 ffprobe（%1）。</source>
        <translation>Impossibile avviare ffprobe (%1).</translation>
    </message>
    <message>
        <source>ffprobe 没有在 %1 秒内结束。</source>
        <translation>ffprobe non è terminato entro %1 secondi.</translation>
    </message>
    <message>
        <source>ffprobe 没有给出可读的回答。</source>
        <translation>ffprobe non ha dato una risposta leggibile.</translation>
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
        <translation>Vistrelle — Lettore</translation>
    </message>
    <message>
        <source>截图</source>
        <translation>Istantanea</translation>
    </message>
    <message>
        <source>无法保存截图到 %1。</source>
        <translation>Impossibile salvare lo screenshot in %1.</translation>
    </message>
</context>
<context>
    <name>QDialog</name>
    <message>
        <source>Enable Screen Recording</source>
        <translation>Attiva la registrazione dello schermo</translation>
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
    <name>QObject</name>
    <message>
        <source>预计剩余 --:--</source>
        <translation>Tempo rimanente --:--</translation>
    </message>
    <message>
        <source>预计剩余 %1:%2</source>
        <translation>Tempo rimanente %1:%2</translation>
    </message>
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
    <message>
        <source>Vistrelle is already running</source>
        <translation>Vistrelle è già in esecuzione</translation>
    </message>
    <message>
        <source>Another Vistrelle process is running. Finish its recording and quit it before opening Vistrelle again.</source>
        <translation>È in esecuzione un altro processo Vistrelle. Termina la registrazione e chiudilo prima di riaprire Vistrelle.</translation>
    </message>
    <message>
        <source>已有 FFmpeg 任务正在执行</source>
        <translation>Un&apos;operazione FFmpeg è già in corso</translation>
    </message>
    <message>
        <source>FFmpeg 未找到或无法启动：%1</source>
        <translation>FFmpeg non trovato o impossibile da avviare: %1</translation>
    </message>
    <message>
        <source>操作已取消</source>
        <translation>L&apos;operazione è stata annullata</translation>
    </message>
    <message>
        <source>FFmpeg 出错：
%1</source>
        <translation>FFmpeg ha segnalato un errore:
%1</translation>
    </message>
    <message>
        <source>裁剪参数无效</source>
        <translation>Parametri di taglio non validi</translation>
    </message>
    <message>
        <source>合并参数无效</source>
        <translation>Parametri di unione non validi</translation>
    </message>
    <message>
        <source>无法创建合并列表文件</source>
        <translation>Impossibile creare il file elenco per l&apos;unione</translation>
    </message>
    <message>
        <source>变速参数无效</source>
        <translation>Impostazione di velocità non valida</translation>
    </message>
    <message>
        <source>转场效果无效：%1</source>
        <translation>Transizione non valida: %1</translation>
    </message>
    <message>
        <source>转场失败：至少有一个视频时长小于转场时长</source>
        <translation>Transizione non riuscita: almeno un video è più breve della transizione</translation>
    </message>
    <message>
        <source>音频降噪需要 sh.rnnn 模型文件，请放到程序目录，或先关闭音频降噪。</source>
        <translation>La riduzione del rumore audio richiede il file di modello sh.rnnn: mettilo nella cartella del programma o disattiva la riduzione del rumore audio.</translation>
    </message>
    <message>
        <source>字幕文件不存在：%1</source>
        <translation>File dei sottotitoli non trovato: %1</translation>
    </message>
    <message>
        <source>FFmpeg 报告完成，但没有写出可用的文件：
%1</source>
        <translation>FFmpeg ha segnalato il completamento ma non ha scritto alcun file utilizzabile:
%1</translation>
    </message>
    <message>
        <source>格式无效或不受支持</source>
        <translation>il formato non è valido o non è supportato</translation>
    </message>
    <message>
        <source>没有读取权限</source>
        <translation>nessun permesso di lettura</translation>
    </message>
    <message>
        <source>文件无法读取或已损坏</source>
        <translation>il file non è leggibile o è danneggiato</translation>
    </message>
    <message>
        <source>无法打开文件：%1</source>
        <translation>Impossibile aprire il file: %1</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sì</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
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
        <translation type="vanished">La registrazione dell’audio di sistema richiede macOS 13 o successivo.</translation>
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
        <translation type="vanished">Impossibile acquisire l’audio di sistema: %1</translation>
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
    <message>
        <source>保存磁盘的剩余空间已不足 %1 MB，录制已停止；已录制的内容会正常保存。</source>
        <translation type="vanished">Sul disco di salvataggio restano meno di %1 MB, quindi la registrazione è stata interrotta. Tutto ciò che è stato registrato finora verrà salvato.</translation>
    </message>
    <message>
        <source>屏幕录制不可用：屏幕录制需要 X11 会话，在 Wayland 下无法录制屏幕。</source>
        <translation>La cattura dello schermo non è disponibile: registrare lo schermo richiede una sessione X11 e non è possibile con Wayland.</translation>
    </message>
    <message>
        <source>录制分段异常，退出码=%1。没有录下任何内容。
%2</source>
        <translation>Il segmento di registrazione non è riuscito (codice di uscita %1). Non è stato registrato nulla.
%2</translation>
    </message>
    <message>
        <source>无法录制麦克风：%1</source>
        <translation type="vanished">Impossibile registrare il microfono: %1</translation>
    </message>
    <message>
        <source>保存文件夹不可写入：%1</source>
        <translation>La cartella di salvataggio non è scrivibile: %1</translation>
    </message>
    <message>
        <source>无法录制系统声音，因为声音服务器无法连接。</source>
        <translation>Impossibile registrare l’audio di sistema perché il server audio non è raggiungibile.</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已快满，录制已停止。已录下的分段保留在：
%2</source>
        <translation>Il disco di salvataggio %1 è quasi pieno, quindi la registrazione è stata interrotta. I segmenti registrati sono conservati in:
%2</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已快满，录制已停止并已保存为：
%2</source>
        <translation>Il disco di salvataggio %1 è quasi pieno, quindi la registrazione è stata interrotta e salvata come:
%2</translation>
    </message>
    <message>
        <source>保存文件夹不存在，也无法创建：%1
%2 不可写入。</source>
        <translation>La cartella di salvataggio non esiste e non può essere creata: %1
%2 non è scrivibile.</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已快满，录制已停止。录像保留为 %2 个分段，位于：
%3
把它们合并成一个文件还需要约 %4 的可用空间（现在可用 %5）。腾出空间后，可以手动合并这些分段。</source>
        <translation>Il disco di salvataggio %1 è quasi pieno, quindi la registrazione è stata interrotta. È conservata in %2 segmenti in:
%3
Per unirli in un unico file servono circa %4 di spazio libero (ora liberi: %5). Dopo aver liberato spazio, puoi unire questi segmenti manualmente.</translation>
    </message>
    <message>
        <source>声音服务器已断开。录制仍在继续，这段时间的声音录为静音；声音服务器恢复后会自动继续录音。</source>
        <translation>Il server audio non è più disponibile. La registrazione continua e nel frattempo registra silenzio; l’audio viene registrato di nuovo appena il server audio torna disponibile.</translation>
    </message>
    <message>
        <source>录制文件夹在录制中被删除，已录下的内容随文件夹一起被删除：%1
该文件夹无法重新创建，录制已停止。
%2</source>
        <translation>La cartella della registrazione è stata eliminata durante la registrazione, e quanto registrato è stato eliminato con essa: %1
Non è possibile ricreare la cartella, quindi la registrazione si è fermata.
%2</translation>
    </message>
    <message>
        <source>录制文件夹在录制中被删除，此前录下的内容已随文件夹一起被删除：%1
已重新创建该文件夹，录制继续，此后的内容会正常保存。</source>
        <translation>La cartella della registrazione è stata eliminata durante la registrazione, e quanto registrato fino ad allora è stato eliminato con essa: %1
La cartella è stata ricreata; la registrazione continua e tutto ciò che segue viene salvato.</translation>
    </message>
    <message>
        <source>无法录制麦克风，因为声音服务器无法连接。</source>
        <translation>Impossibile registrare il microfono perché il server audio non è raggiungibile.</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已满，录制已停止。录下的内容没有可以播放的部分，没有保存录像；未完成的分段保留在：
%2</source>
        <translation>Il disco di salvataggio %1 è pieno, quindi la registrazione è stata interrotta. Nulla di quanto registrato è riproducibile, quindi non è stata salvata alcuna registrazione; il segmento incompleto resta in:
%2</translation>
    </message>
    <message>
        <source>编码器停止了响应，录像只保存到 %1（共录制了 %2）：
%3</source>
        <translation type="vanished">Il codificatore ha smesso di rispondere: la registrazione è stata salvata fino a %1 (su %2 registrati):
%3</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已满，没有录下任何内容。请清理空间或更换保存目录。
%2</source>
        <translation type="vanished">Il disco di salvataggio %1 è pieno, quindi non è stato registrato nulla. Libera spazio o scegli un&apos;altra cartella di salvataggio.
%2</translation>
    </message>
    <message>
        <source>所选麦克风已断开，录制改为使用系统默认的输入设备继续录音。</source>
        <translation>Il microfono scelto è stato scollegato. La registrazione continua con il dispositivo di ingresso predefinito del sistema.</translation>
    </message>
    <message>
        <source>编码器停止了响应：文件保存了 %1（共录制了 %2），从 %3 起缺少 %4：
%5</source>
        <translation>Il codificatore ha smesso di rispondere: il file contiene %1 dei %2 registrati; da %3 mancano %4:
%5</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已满，录制已停止。录像保留为 %2 个分段，位于：
%3
把它们合并成一个文件还需要约 %4 的可用空间（现在可用 %5）。腾出空间后，可以手动合并这些分段。</source>
        <translation>Il disco di salvataggio %1 è pieno, quindi la registrazione è stata interrotta. È conservata in %2 segmenti in:
%3
Per unirli in un unico file servono circa %4 di spazio libero (ora liberi: %5). Dopo aver liberato spazio, puoi unire questi segmenti manualmente.</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已满，录制已停止。已录下的分段保留在：
%2</source>
        <translation>Il disco di salvataggio %1 è pieno, quindi la registrazione è stata interrotta. I segmenti registrati sono conservati in:
%2</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已满，录制已停止并已保存为：
%2</source>
        <translation>Il disco di salvataggio %1 è pieno, quindi la registrazione è stata interrotta e salvata come:
%2</translation>
    </message>
    <message>
        <source>录制进程意外结束，没有录下任何内容。</source>
        <translation>Il processo di registrazione è terminato in modo imprevisto e non è stato registrato nulla.</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已满，没有录下任何内容。请清理空间或更换保存目录。</source>
        <translation>Il disco di salvataggio %1 è pieno, quindi non è stato registrato nulla. Libera spazio o scegli un&apos;altra cartella di salvataggio.</translation>
    </message>
    <message>
        <source>无法录制麦克风：声音服务器没有开始录音。请检查输入设备后重试。</source>
        <translation>Impossibile registrare il microfono: il server audio non ha avviato la registrazione. Controlla il dispositivo di ingresso e riprova.</translation>
    </message>
    <message>
        <source>无法捕获系统声音：声音服务器没有开始录音。请检查输出设备后重试。</source>
        <translation>Impossibile acquisire l&apos;audio di sistema: il server audio non ha avviato la registrazione. Controlla il dispositivo di uscita e riprova.</translation>
    </message>
    <message>
        <source>正在等待 FFmpeg 检测编码器…</source>
        <translation>In attesa che FFmpeg verifichi i codificatori…</translation>
    </message>
    <message>
        <source>正在等待 FFmpeg 开始录制…</source>
        <translation>In attesa che FFmpeg inizi a registrare…</translation>
    </message>
    <message>
        <source>请先启动声音服务器（PulseAudio），再开始录制。</source>
        <translation>Avvia prima il server audio (PulseAudio), poi inizia la registrazione.</translation>
    </message>
    <message>
        <source>请先启动声音服务器（PulseAudio），或关闭扬声器和麦克风后录制无声视频。</source>
        <translation>Avvia prima il server audio (PulseAudio) oppure disattiva altoparlante e microfono per registrare un video senza audio.</translation>
    </message>
    <message>
        <source>没有录下任何内容：录制在开始之前就已停止。</source>
        <translation>Non è stato registrato nulla: la registrazione è stata interrotta prima di iniziare.</translation>
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
    <message>
        <source>保存磁盘 %1 已满，分段没有合并成一个文件。腾出约 %2 的可用空间后，可以手动合并这些分段。</source>
        <translation>Il disco di salvataggio %1 è pieno, quindi i segmenti non sono stati uniti in un unico file. Dopo aver liberato circa %2, puoi unire questi segmenti manualmente.</translation>
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
        <translation>Qualità immagine</translation>
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
        <translation>Modalità registrazione</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>保存计划</source>
        <translation>Salva pianificazione</translation>
    </message>
    <message>
        <source>这个时间已经过去，请选择一个将来的时间。</source>
        <translation>Questo orario è già passato. Scegli un orario futuro.</translation>
    </message>
</context>
<context>
    <name>ScreenshotNotice</name>
    <message>
        <source>截图失败</source>
        <translation>Istantanea non riuscita</translation>
    </message>
    <message>
        <source>无法截取画面。</source>
        <translation>Impossibile acquisire l&apos;immagine.</translation>
    </message>
    <message>
        <source>无法保存截图：
%1
请检查文件夹的写入权限。</source>
        <translation>Impossibile salvare l’istantanea:
%1
Verifica che la cartella sia scrivibile.</translation>
    </message>
    <message>
        <source>截图完成</source>
        <translation>Istantanea salvata</translation>
    </message>
    <message>
        <source>截图已保存到：
%1</source>
        <translation>L&apos;istantanea è stata salvata in:
%1</translation>
    </message>
    <message>
        <source>上一张截图仍在保存，请稍后再试。</source>
        <translation>Gli screenshot precedenti sono ancora in fase di salvataggio. Riprova tra un momento.</translation>
    </message>
</context>
<context>
    <name>SegmentMerger</name>
    <message>
        <source>FFmpeg 停止了响应，分段没有合并。</source>
        <translation>FFmpeg ha smesso di rispondere, quindi i segmenti non sono stati uniti.</translation>
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
        <translation>Salva</translation>
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
        <translation type="vanished">Esempio: 2026-09-04_143022.mp4</translation>
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
        <translation>Qualità immagine</translation>
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
    <message>
        <source>示例：%1</source>
        <translation>Esempio: %1</translation>
    </message>
</context>
<context>
    <name>SetupRecordingToolbar</name>
    <message>
        <source>Full Screen  ▾</source>
        <translation>Schermo intero  ▾</translation>
    </message>
    <message>
        <source>Display 1</source>
        <translation>Schermo 1</translation>
    </message>
    <message>
        <source>Webcam  ▾</source>
        <translation>Webcam  ▾</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Disattivato</translation>
    </message>
    <message>
        <source>Speaker  ▾</source>
        <translation>Altoparlante  ▾</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Attivato</translation>
    </message>
    <message>
        <source>Microphone  ▾</source>
        <translation>Microfono  ▾</translation>
    </message>
    <message>
        <source>Screenshot</source>
        <translation>Screenshot</translation>
    </message>
    <message>
        <source>Auto Stop</source>
        <translation>Stop auto</translation>
    </message>
    <message>
        <source>Auto Split</source>
        <translation>Dividi auto</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Pianifica</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Schermo intero</translation>
    </message>
    <message>
        <source>Full Screen · Display %1</source>
        <translation>Schermo intero · Schermo %1</translation>
    </message>
    <message>
        <source>Custom Area</source>
        <translation>Area libera</translation>
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
        <source>Custom Area  ▾</source>
        <translation>Area libera  ▾</translation>
    </message>
    <message>
        <source>Window  ▾</source>
        <translation>Finestra  ▾</translation>
    </message>
    <message>
        <source>Game  ▾</source>
        <translation>Gioco  ▾</translation>
    </message>
    <message>
        <source>Audio Only  ▾</source>
        <translation>Solo audio  ▾</translation>
    </message>
    <message>
        <source>Start recording</source>
        <translation>Avvia registrazione</translation>
    </message>
    <message>
        <source>Select a window before recording</source>
        <translation>Seleziona una finestra prima di registrare</translation>
    </message>
    <message>
        <source>Drag toolbar</source>
        <translation>Trascina la barra degli strumenti</translation>
    </message>
    <message>
        <source>Open menu</source>
        <translation>Apri menu</translation>
    </message>
</context>
<context>
    <name>StopRecordingDialog</name>
    <message>
        <source>Stop Recording</source>
        <translation>Interrompi registrazione</translation>
    </message>
    <message>
        <source>Stop this recording?</source>
        <translation>Interrompere questa registrazione?</translation>
    </message>
    <message>
        <source>Recorded</source>
        <translation>Registrato</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continua</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Scarta</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
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
        <translation>🔊 Sistema</translation>
    </message>
    <message>
        <source>🎵 背景乐</source>
        <translation>🎵 Musica</translation>
    </message>
    <message>
        <source>📝 字幕</source>
        <translation>📝 Sottotitoli</translation>
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
    <name>ToolDialog</name>
    <message>
        <source>音量</source>
        <translation type="vanished">Volume</translation>
    </message>
    <message>
        <source>音频</source>
        <translation type="vanished">Audio</translation>
    </message>
    <message>
        <source>速度</source>
        <translation type="vanished">velocità</translation>
    </message>
    <message>
        <source>转换</source>
        <translation type="vanished">Converti</translation>
    </message>
    <message>
        <source>信息</source>
        <translation type="vanished">Informazioni</translation>
    </message>
    <message>
        <source>取消</source>
        <translation type="vanished">Annulla</translation>
    </message>
    <message>
        <source>应用</source>
        <translation type="vanished">Applica</translation>
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
        <translation type="vanished">%1 file</translation>
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
    <message>
        <source>正在生成波形…</source>
        <translation>Generazione della forma d&apos;onda…</translation>
    </message>
    <message>
        <source>正在加载缩略图…</source>
        <translation>Caricamento miniatura…</translation>
    </message>
    <message>
        <source>音频文件</source>
        <translation>File audio</translation>
    </message>
    <message>
        <source>无法加载缩略图</source>
        <translation>Miniatura non disponibile</translation>
    </message>
    <message>
        <source>移除声音</source>
        <translation>Silenzia</translation>
    </message>
    <message>
        <source>裁剪</source>
        <translation>Taglia</translation>
    </message>
    <message>
        <source>分割</source>
        <translation>Dividi</translation>
    </message>
    <message>
        <source>截图</source>
        <translation>Istantanea</translation>
    </message>
    <message>
        <source>水印</source>
        <translation>Filigrana</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>更多</source>
        <translation>Altro</translation>
    </message>
    <message>
        <source>编辑与文件工具</source>
        <translation>Strumenti di modifica e file</translation>
    </message>
    <message>
        <source>裁剪视频</source>
        <translation>Taglia video</translation>
    </message>
    <message>
        <source>拖动两侧滑块，选择保留的片段</source>
        <translation>Trascina le due maniglie per scegliere la parte da tenere</translation>
    </message>
    <message>
        <source>Start Trimming...</source>
        <translation>Avvia taglio...</translation>
    </message>
    <message>
        <source>分割点  %1</source>
        <translation>Punto di divisione  %1</translation>
    </message>
    <message>
        <source>将在 %1 处分割为两个%2片段</source>
        <translation type="vanished">Verrà diviso in due spezzoni (%2) a %1</translation>
    </message>
    <message>
        <source>选中时长  %1</source>
        <translation>Selezione  %1</translation>
    </message>
    <message>
        <source>Mute Selection</source>
        <translation>Silenzia selezione</translation>
    </message>
    <message>
        <source>预览画面效果</source>
        <translation>Anteprima effetto immagine</translation>
    </message>
    <message>
        <source>分割音频</source>
        <translation>Dividi audio</translation>
    </message>
    <message>
        <source>分割视频</source>
        <translation>Dividi video</translation>
    </message>
    <message>
        <source>裁剪音频</source>
        <translation>Taglia audio</translation>
    </message>
    <message>
        <source>当前仅预览，点击保存后才会处理视频</source>
        <translation>Solo anteprima: il video viene elaborato quando fai clic su Salva</translation>
    </message>
    <message>
        <source>拖动黄色分割线，选择分割位置</source>
        <translation>Trascina la linea gialla per scegliere dove dividere</translation>
    </message>
    <message>
        <source>Save Muted Copy</source>
        <translation>Salva copia silenziata</translation>
    </message>
    <message>
        <source>开始分割</source>
        <translation>Avvia divisione</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>已设为无声</source>
        <translation>Silenziato</translation>
    </message>
    <message>
        <source>点击恢复原声</source>
        <translation>Fai clic per ripristinare l&apos;audio</translation>
    </message>
    <message>
        <source>Mute audio in the selected range</source>
        <translation>Silenzia l&apos;audio nell&apos;intervallo selezionato</translation>
    </message>
    <message>
        <source>音量</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>调整音频音量</source>
        <translation>Regola il volume dell&apos;audio</translation>
    </message>
    <message>
        <source>Vistrelle 全屏播放</source>
        <translation>Vistrelle a schermo intero</translation>
    </message>
    <message>
        <source>截图不可用</source>
        <translation>Istantanea non disponibile</translation>
    </message>
    <message>
        <source>视频画面尚未就绪，请先播放或移动到需要截图的位置。</source>
        <translation>L&apos;immagine del video non è ancora pronta. Riproduci il video o spostati prima sul momento da catturare.</translation>
    </message>
    <message>
        <source>截图完成</source>
        <translation>Istantanea salvata</translation>
    </message>
    <message>
        <source>截图已保存到：
%1</source>
        <translation>L&apos;istantanea è stata salvata in:
%1</translation>
    </message>
    <message>
        <source>正在保存媒体文件，请稍候…</source>
        <translation>Salvataggio del file multimediale, attendere…</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>正在保存</source>
        <translation>Salvataggio</translation>
    </message>
    <message>
        <source>编辑失败</source>
        <translation>Modifica non riuscita</translation>
    </message>
    <message>
        <source>无法启动 FFmpeg。</source>
        <translation>Impossibile avviare FFmpeg.</translation>
    </message>
    <message>
        <source>无法分割</source>
        <translation>Impossibile dividere</translation>
    </message>
    <message>
        <source>请将播放位置移动到音频中间。</source>
        <translation>Sposta la posizione di riproduzione all&apos;interno dell&apos;audio.</translation>
    </message>
    <message>
        <source>请将播放位置移动到视频中间。</source>
        <translation>Sposta la posizione di riproduzione all&apos;interno del video.</translation>
    </message>
    <message>
        <source>分割失败</source>
        <translation>Divisione non riuscita</translation>
    </message>
    <message>
        <source>FFmpeg 没有写出分割后的文件。</source>
        <translation>FFmpeg non ha scritto i file divisi.</translation>
    </message>
    <message>
        <source>分割完成</source>
        <translation>Divisione completata</translation>
    </message>
    <message>
        <source>已生成两个音频片段。</source>
        <translation>Sono stati creati due spezzoni audio.</translation>
    </message>
    <message>
        <source>已生成两个视频片段。</source>
        <translation>Sono stati creati due spezzoni video.</translation>
    </message>
    <message>
        <source>保存失败</source>
        <translation>Salvataggio non riuscito</translation>
    </message>
    <message>
        <source>无法替换原文件，原文件已保留。</source>
        <translation>Impossibile sostituire il file originale; è stato mantenuto.</translation>
    </message>
    <message>
        <source>保存完成</source>
        <translation>Salvato</translation>
    </message>
    <message>
        <source>音频已保存：
%1</source>
        <translation>L&apos;audio è stato salvato:
%1</translation>
    </message>
    <message>
        <source>视频已保存：
%1</source>
        <translation>Il video è stato salvato:
%1</translation>
    </message>
    <message>
        <source>正在处理媒体文件…</source>
        <translation>Elaborazione del file multimediale…</translation>
    </message>
    <message>
        <source>处理失败</source>
        <translation>Elaborazione non riuscita</translation>
    </message>
    <message>
        <source>操作已完成。</source>
        <translation>L&apos;operazione è completata.</translation>
    </message>
    <message>
        <source>文件已保存：
%1</source>
        <translation>Il file è stato salvato:
%1</translation>
    </message>
    <message>
        <source>旋转 90°</source>
        <translation>Ruota di 90°</translation>
    </message>
    <message>
        <source>水平翻转</source>
        <translation>Capovolgi orizzontalmente</translation>
    </message>
    <message>
        <source>垂直翻转</source>
        <translation>Capovolgi verticalmente</translation>
    </message>
    <message>
        <source>调整播放速度</source>
        <translation>Velocità di riproduzione</translation>
    </message>
    <message>
        <source>调整音量</source>
        <translation>Regola volume</translation>
    </message>
    <message>
        <source>提取音频</source>
        <translation>Estrai audio</translation>
    </message>
    <message>
        <source>另存为 / 转换格式</source>
        <translation>Salva come / Converti</translation>
    </message>
    <message>
        <source>未知</source>
        <translation>Sconosciuto</translation>
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
        <translation type="vanished">Formato: %1
Codec: %2
Frequenza di campionamento: %3 Hz
Canali: %4
Bitrate: %5 kbps
Durata: %6
Dimensione: %7
Creato: %8
Cartella: %9</translation>
    </message>
    <message>
        <source>格式：%1
分辨率：%2 × %3
帧率：%4 fps
时长：%5
大小：%6
创建时间：%7
保存路径：%8</source>
        <translation type="vanished">Formato: %1
Risoluzione: %2 × %3
Frequenza fotogrammi: %4 fps
Durata: %5
Dimensione: %6
Creato: %7
Cartella: %8</translation>
    </message>
    <message>
        <source>速度</source>
        <translation>Velocità</translation>
    </message>
    <message>
        <source>转换</source>
        <translation>Converti</translation>
    </message>
    <message>
        <source>信息</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>应用</source>
        <translation>Applica</translation>
    </message>
    <message>
        <source>播放速度</source>
        <translation>Velocità di riproduzione</translation>
    </message>
    <message>
        <source>调整预览速度，也可生成变速视频</source>
        <translation>Cambia la velocità dell&apos;anteprima o crea una copia con un&apos;altra velocità</translation>
    </message>
    <message>
        <source>选择速度</source>
        <translation>Scegli una velocità</translation>
    </message>
    <message>
        <source>Normal (1×)</source>
        <translation>Normale (1×)</translation>
    </message>
    <message>
        <source>0.5× 慢速    1× 原速    1.5× / 2× 加速</source>
        <translation>0.5× più lento    1× originale    1.5× / 2× più veloce</translation>
    </message>
    <message>
        <source>变速完成</source>
        <translation>Velocità modificata</translation>
    </message>
    <message>
        <source>预览并输出新的音量电平</source>
        <translation>Ascolta un nuovo livello di volume e crea una copia con esso</translation>
    </message>
    <message>
        <source>静音</source>
        <translation>Muto</translation>
    </message>
    <message>
        <source>音量调整完成</source>
        <translation>Volume regolato</translation>
    </message>
    <message>
        <source>从视频中提取音轨，保存为音频文件</source>
        <translation>Salva la traccia audio del video come file audio</translation>
    </message>
    <message>
        <source>提取</source>
        <translation>Estrai</translation>
    </message>
    <message>
        <source>输出格式</source>
        <translation>Formato di uscita</translation>
    </message>
    <message>
        <source>音质</source>
        <translation>Qualità audio</translation>
    </message>
    <message>
        <source>高质量（320 kbps）</source>
        <translation>Alta (320 kbps)</translation>
    </message>
    <message>
        <source>标准（192 kbps）</source>
        <translation>Standard (192 kbps)</translation>
    </message>
    <message>
        <source>压缩（128 kbps）</source>
        <translation>Compatta (128 kbps)</translation>
    </message>
    <message>
        <source>音频提取完成</source>
        <translation>Audio estratto</translation>
    </message>
    <message>
        <source>选择输出格式并保留原始文件</source>
        <translation>Scegli il formato di uscita; il file originale viene mantenuto</translation>
    </message>
    <message>
        <source>导出</source>
        <translation>Esporta</translation>
    </message>
    <message>
        <source>画质</source>
        <translation>Qualità immagine</translation>
    </message>
    <message>
        <source>高质量</source>
        <translation>Alta</translation>
    </message>
    <message>
        <source>标准</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>压缩</source>
        <translation>Compatta</translation>
    </message>
    <message>
        <source>转换完成</source>
        <translation>Conversione completata</translation>
    </message>
    <message>
        <source>修改文件名，扩展名保持不变</source>
        <translation>Cambia il nome del file; l&apos;estensione resta invariata</translation>
    </message>
    <message>
        <source>新文件名</source>
        <translation>Nuovo nome file</translation>
    </message>
    <message>
        <source>名称无效</source>
        <translation>Nome non valido</translation>
    </message>
    <message>
        <source>文件名为空或包含无效字符。</source>
        <translation>Il nome del file è vuoto o contiene caratteri non consentiti.</translation>
    </message>
    <message>
        <source>重命名失败</source>
        <translation>Ridenominazione non riuscita</translation>
    </message>
    <message>
        <source>目标文件已存在或文件正在被占用。</source>
        <translation>Esiste già un file con quel nome oppure il file è in uso.</translation>
    </message>
    <message>
        <source>查看音频文件的详细信息</source>
        <translation>Dettagli del file audio</translation>
    </message>
    <message>
        <source>查看视频文件的详细信息</source>
        <translation>Dettagli del file video</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>复制信息</source>
        <translation>Copia dettagli</translation>
    </message>
    <message>
        <source>无法在视频目录创建临时文件，请检查写入权限。</source>
        <translation>Impossibile creare un file temporaneo nella cartella del video. Controlla i permessi di scrittura.</translation>
    </message>
    <message>
        <source>无法写入水印文字。</source>
        <translation>Impossibile scrivere il testo della filigrana.</translation>
    </message>
    <message>
        <source>正在添加水印，原视频保持不变…</source>
        <translation>Aggiunta della filigrana; il video originale resta invariato…</translation>
    </message>
    <message>
        <source>无法保存水印副本，原视频未修改。</source>
        <translation>Impossibile salvare la copia con filigrana. Il video originale non è stato modificato.</translation>
    </message>
    <message>
        <source>无法生成水印副本，原视频未修改。</source>
        <translation>Impossibile creare la copia con filigrana. Il video originale non è stato modificato.</translation>
    </message>
    <message>
        <source>将在 %1 处分割为两个音频片段</source>
        <translation>Verrà diviso in due spezzoni audio a %1</translation>
    </message>
    <message>
        <source>将在 %1 处分割为两个视频片段</source>
        <translation>Verrà diviso in due spezzoni video a %1</translation>
    </message>
    <message numerus="yes">
        <source>%n 个文件</source>
        <translation>
            <numerusform>%n file</numerusform>
            <numerusform>%n file</numerusform>
        </translation>
    </message>
    <message>
        <source>截图失败</source>
        <translation>Istantanea non riuscita</translation>
    </message>
    <message>
        <source>无法保存截图：
%1
请检查文件夹的写入权限。</source>
        <translation>Impossibile salvare l’istantanea:
%1
Verifica che la cartella sia scrivibile.</translation>
    </message>
    <message>
        <source>已有同名文件：
%1</source>
        <translation>Esiste già un file con questo nome:
%1</translation>
    </message>
    <message>
        <source>没有写入此文件夹的权限：
%1</source>
        <translation>Nessuna autorizzazione a scrivere in questa cartella:
%1</translation>
    </message>
    <message>
        <source>文件名不能包含字符 %1</source>
        <translation>Un nome di file non può contenere il carattere %1</translation>
    </message>
    <message>
        <source>文件为空</source>
        <translation>Il file è vuoto</translation>
    </message>
    <message>
        <source>格式：%1
分辨率：%2
帧率：%3
时长：%4
大小：%5
创建时间：%6
保存路径：%7</source>
        <translation>Formato: %1
Risoluzione: %2
Frequenza fotogrammi: %3
Durata: %4
Dimensione: %5
Creato: %6
Cartella: %7</translation>
    </message>
    <message>
        <source>文件不存在</source>
        <translation>File non trovato</translation>
    </message>
    <message>
        <source>“%1”已被移动或删除，已从列表中移除。</source>
        <translation>&quot;%1&quot; non esiste più: è stato spostato o eliminato. È stato rimosso dall&apos;elenco.</translation>
    </message>
    <message>
        <source>文件名过长，请缩短后再试。</source>
        <translation>Il nome del file è troppo lungo. Accorcialo e riprova.</translation>
    </message>
    <message>
        <source>无法检查这个文件是否可用：%1</source>
        <translation>Impossibile verificare se questo file è utilizzabile: %1</translation>
    </message>
    <message>
        <source>正在读取文件信息…</source>
        <translation>Lettura delle informazioni del file…</translation>
    </message>
    <message>
        <source>无法读取此文件的信息</source>
        <translation>Impossibile leggere le informazioni di questo file</translation>
    </message>
    <message>
        <source>此文件没有声音</source>
        <translation>Questo file non ha audio</translation>
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
        <translation>Formato: %1
Codec: %2
Frequenza di campionamento: %3
Canali: %4
Bitrate: %5
Durata: %6
Dimensione: %7
Creato: %8
Cartella: %9</translation>
    </message>
    <message>
        <source>时长未知</source>
        <translation>Durata sconosciuta</translation>
    </message>
    <message>
        <source>声道未知</source>
        <translation>Canali sconosciuti</translation>
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
    <name>WatermarkProgressDialog</name>
    <message>
        <source>正在添加水印</source>
        <translation>Aggiunta filigrana</translation>
    </message>
    <message>
        <source>正在保存录制</source>
        <translation>Salvataggio registrazione</translation>
    </message>
    <message>
        <source>正在处理视频，请稍候…</source>
        <translation>Elaborazione del video, attendere…</translation>
    </message>
    <message>
        <source>正在处理录制文件，请稍候…</source>
        <translation>Elaborazione della registrazione, attendere…</translation>
    </message>
    <message>
        <source>正在处理 %1 / %2</source>
        <translation>Elaborazione %1 di %2</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>正在取消…</source>
        <translation>Annullamento…</translation>
    </message>
    <message>
        <source>正在安全取消水印处理…</source>
        <translation>Annullamento sicuro della filigrana…</translation>
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

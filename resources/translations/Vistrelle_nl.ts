<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="zh_CN">
<context>
    <name>AutoSplitDialog</name>
    <message>
        <source>自动分割设置</source>
        <translation>Instellingen automatisch splitsen</translation>
    </message>
    <message>
        <source>录制时按指定条件自动切分为多个文件</source>
        <translation>De opname volgens een voorwaarde automatisch in meerdere bestanden splitsen</translation>
    </message>
    <message>
        <source>按录制时长</source>
        <translation>Op duur</translation>
    </message>
    <message>
        <source>适合会议、课程等长时间录制</source>
        <translation>Voor lange opnamen zoals vergaderingen en lessen</translation>
    </message>
    <message>
        <source>分钟</source>
        <translation>min</translation>
    </message>
    <message>
        <source>按文件大小</source>
        <translation>Op bestandsgrootte</translation>
    </message>
    <message>
        <source>便于上传、传输或分段保存</source>
        <translation>Makkelijker te uploaden, over te zetten of in delen te bewaren</translation>
    </message>
    <message>
        <source>✓  无缝切分</source>
        <translation>✓  Naadloos splitsen</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>将每 %1 分钟自动保存为一个新文件</source>
        <translation>Elke %1 minuten wordt een nieuw bestand opgeslagen</translation>
    </message>
    <message>
        <source>文件达到 %1 MB 时自动切分并保存</source>
        <translation>Het bestand wordt bij %1 MB gesplitst en opgeslagen</translation>
    </message>
</context>
<context>
    <name>AutoStopDialog</name>
    <message>
        <source>自动停止设置</source>
        <translation>Instellingen automatisch stoppen</translation>
    </message>
    <message>
        <source>录制达到指定条件时自动停止并保存文件。</source>
        <translation>De opname stopt en het bestand wordt opgeslagen zodra een voorwaarde is bereikt.</translation>
    </message>
    <message>
        <source>停止条件</source>
        <translation>Stopvoorwaarde</translation>
    </message>
    <message>
        <source>按录制时长</source>
        <translation>Op duur</translation>
    </message>
    <message>
        <source>分钟</source>
        <translation>min</translation>
    </message>
    <message>
        <source>按文件大小</source>
        <translation>Op bestandsgrootte</translation>
    </message>
    <message>
        <source>录制 %1 分钟后自动停止</source>
        <translation>Stopt na %1 minuten opnemen</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>文件达到 %1 MB 后自动停止</source>
        <translation>Stopt wanneer het bestand %1 MB bereikt</translation>
    </message>
    <message>
        <source>自动停止倒计时</source>
        <translation>Aftellen tot automatisch stoppen</translation>
    </message>
    <message>
        <source>录制将在以上时间后自动停止</source>
        <translation>De opname stopt vanzelf na deze tijd</translation>
    </message>
    <message>
        <source>取消自动停止</source>
        <translation>Automatisch stoppen annuleren</translation>
    </message>
</context>
<context>
    <name>BottomBar</name>
    <message>
        <source>媒体库</source>
        <translation>Mediabibliotheek</translation>
    </message>
    <message>
        <source>水印</source>
        <translation>Watermerk</translation>
    </message>
    <message>
        <source>自动分割</source>
        <translation>Automatisch splitsen</translation>
    </message>
    <message>
        <source>自动停止</source>
        <translation>Automatisch stoppen</translation>
    </message>
    <message>
        <source>计划录制</source>
        <translation>Geplande opname</translation>
    </message>
    <message>
        <source>GPU 加速</source>
        <translation>GPU-versnelling</translation>
    </message>
</context>
<context>
    <name>GlobalHotkey</name>
    <message>
        <source>%1（不支持的按键）</source>
        <translation>%1 (niet-ondersteunde toets)</translation>
    </message>
</context>
<context>
    <name>HomePage</name>
    <message>
        <source>Start Recording</source>
        <translation>Opname starten</translation>
    </message>
    <message>
        <source>Media Library</source>
        <translation>Mediabibliotheek</translation>
    </message>
    <message>
        <source>Choose a recording mode</source>
        <translation>Kies een opnamemodus</translation>
    </message>
    <message>
        <source>Scheduled Recording</source>
        <translation>Geplande opname</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Volledig scherm</translation>
    </message>
    <message>
        <source>Custom Area</source>
        <translation>Aangepast gebied</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Venster</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Game</translation>
    </message>
    <message>
        <source>Audio Only</source>
        <translation>Alleen audio</translation>
    </message>
    <message>
        <source>Webcam</source>
        <translation>Webcam</translation>
    </message>
    <message>
        <source>Recent recordings</source>
        <translation>Recente opnamen</translation>
    </message>
    <message>
        <source>View all  ›</source>
        <translation>Alles bekijken  ›</translation>
    </message>
    <message>
        <source>No recordings yet</source>
        <translation>Nog geen opnamen</translation>
    </message>
</context>
<context>
    <name>LinkManager</name>
    <message>
        <source>Unable to open browser</source>
        <translation>Kan de browser niet openen</translation>
    </message>
    <message>
        <source>Unable to open the default browser.

Please visit this link manually:
%1</source>
        <translation>Kan de standaardbrowser niet openen.

Bezoek deze link handmatig:
%1</translation>
    </message>
    <message>
        <source>Link unavailable</source>
        <translation>Link niet beschikbaar</translation>
    </message>
    <message>
        <source>The requested page link is not configured.</source>
        <translation>De link naar de gevraagde pagina is niet ingesteld.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>显示 Vistrelle</source>
        <translation>Vistrelle tonen</translation>
    </message>
    <message>
        <source>Start Recording</source>
        <translation>Opname starten</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>快捷键设置</source>
        <translation>Sneltoetsinstellingen</translation>
    </message>
    <message>
        <source>以下快捷键无法注册，可能已被其他程序占用或按键不受支持：
%1</source>
        <translation>Deze sneltoetsen konden niet worden geregistreerd; een ander programma gebruikt ze mogelijk of de toetsen worden niet ondersteund:
%1</translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>Opname stoppen</translation>
    </message>
    <message>
        <source>日志文件夹</source>
        <translation>Logmap</translation>
    </message>
    <message>
        <source>无法打开日志文件夹。</source>
        <translation>De logmap kan niet worden geopend.</translation>
    </message>
    <message>
        <source>录制性能已自动调整</source>
        <translation>Opnameprestaties aangepast</translation>
    </message>
    <message>
        <source>%1 FPS 已自动降为 %2 FPS。%3</source>
        <translation>%1 FPS is verlaagd naar %2 FPS. %3</translation>
    </message>
    <message>
        <source>录制性能提示</source>
        <translation>Opnameprestaties</translation>
    </message>
    <message>
        <source>4K 录制性能</source>
        <translation>4K-opnameprestaties</translation>
    </message>
    <message>
        <source>没有可用的硬件 H.264 编码器</source>
        <translation>Geen hardwarematige H.264-encoder beschikbaar</translation>
    </message>
    <message>
        <source>%1 × %2、%3 FPS 的录制可能掉帧。请选择本次录制方式。</source>
        <translation>Een opname van %1 × %2 met %3 FPS kan beelden missen. Kies hoe u deze keer opneemt.</translation>
    </message>
    <message>
        <source>保持 4K，15 FPS（推荐）</source>
        <translation>4K behouden met 15 FPS (aanbevolen)</translation>
    </message>
    <message>
        <source>1080p，30 FPS</source>
        <translation>1080p met 30 FPS</translation>
    </message>
    <message>
        <source>强制 4K，30 FPS</source>
        <translation>4K met 30 FPS afdwingen</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>录制后处理提示</source>
        <translation>Melding nabewerking</translation>
    </message>
    <message>
        <source>录音完成</source>
        <translation>Audio-opname voltooid</translation>
    </message>
    <message>
        <source>音频已保存到：%1</source>
        <translation>Audio opgeslagen in: %1</translation>
    </message>
    <message>
        <source>录制提示</source>
        <translation>Opname</translation>
    </message>
</context>
<context>
    <name>ModeBar</name>
    <message>
        <source>录制屏幕</source>
        <translation>Scherm opnemen</translation>
    </message>
    <message>
        <source>录制窗口</source>
        <translation>Venster opnemen</translation>
    </message>
    <message>
        <source>游戏录制</source>
        <translation>Game-opname</translation>
    </message>
    <message>
        <source>高性能屏幕录制</source>
        <translation>Schermopname met hoge prestaties</translation>
    </message>
    <message>
        <source>录制音频</source>
        <translation>Audio opnemen</translation>
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
        <translation>Vistrelle is al actief</translation>
    </message>
    <message>
        <source>Another Vistrelle process is running. Finish its recording and quit it before opening Vistrelle again.</source>
        <translation>Er draait al een ander Vistrelle-proces. Rond de opname af en sluit het voordat u Vistrelle opnieuw opent.</translation>
    </message>
</context>
<context>
    <name>RecentCard</name>
    <message>
        <source>Loading preview…</source>
        <translation>Voorbeeld laden…</translation>
    </message>
    <message>
        <source>Preview unavailable</source>
        <translation>Voorbeeld niet beschikbaar</translation>
    </message>
</context>
<context>
    <name>Recorder</name>
    <message>
        <source>无法创建文件夹：%1</source>
        <translation>Kan de map niet aanmaken: %1</translation>
    </message>
    <message>
        <source>正在强制使用 CPU 录制 4K 30 FPS；已启用最快编码预设并将码率提高到 %1 kbps。</source>
        <translation>4K 30 FPS wordt geforceerd op de processor opgenomen; de snelste encoderinstelling is actief en de bitrate is verhoogd naar %1 kbps.</translation>
    </message>
    <message>
        <source>未检测到可用的硬件编码器，已将输出缩放为 %1 × %2、30 FPS。</source>
        <translation>Geen bruikbare hardware-encoder gevonden; de uitvoer is geschaald naar %1 × %2 bij 30 FPS.</translation>
    </message>
    <message>
        <source>4K 当前只能使用 CPU 编码，已采用更容易实时处理的 15 FPS。</source>
        <translation>4K kan nu alleen op de processor worden gecodeerd; er wordt 15 FPS gebruikt, dat makkelijker in realtime te verwerken is.</translation>
    </message>
    <message>
        <source>请至少开启系统声音或麦克风。</source>
        <translation>Zet ten minste het systeemgeluid of de microfoon aan.</translation>
    </message>
    <message>
        <source>系统声音录制需要 macOS 13 或更高版本。</source>
        <translation>Voor het opnemen van systeemgeluid is macOS 13 of nieuwer nodig.</translation>
    </message>
    <message>
        <source>没有找到所选麦克风，请重新选择输入设备。</source>
        <translation>De gekozen microfoon is niet gevonden. Kies het invoerapparaat opnieuw.</translation>
    </message>
    <message>
        <source>保存磁盘剩余空间不足 %1 GB，请清理空间或更换保存目录。</source>
        <translation>Er is minder dan %1 GB vrij op de opslagschijf. Maak ruimte vrij of kies een andere map.</translation>
    </message>
    <message>
        <source>无法捕获系统声音：%1</source>
        <translation>Kan systeemgeluid niet opnemen: %1</translation>
    </message>
    <message>
        <source>FFmpeg 启动失败。请确认 ffmpeg 已放到程序目录或系统 PATH。
%1</source>
        <translation>FFmpeg kon niet starten. Controleer of ffmpeg in de programmamap of in het systeem-PATH staat.
%1</translation>
    </message>
    <message>
        <source>无法启动不含工具栏的屏幕录制：%1</source>
        <translation>Kan de schermopname zonder werkbalk niet starten: %1</translation>
    </message>
    <message>
        <source>无法删除已丢弃录制的临时文件：%1</source>
        <translation>Kan de tijdelijke bestanden van de verworpen opname niet verwijderen: %1</translation>
    </message>
    <message>
        <source>FFmpeg 被 SIGKILL 信号终止；编码进度日志没有说明终止原因。</source>
        <translation>FFmpeg is beëindigd door SIGKILL; het voortgangslogboek vermeldt geen reden.</translation>
    </message>
    <message>
        <source>FFmpeg 没有输出具体错误信息。</source>
        <translation>FFmpeg heeft geen specifieke fout gemeld.</translation>
    </message>
    <message>
        <source>硬件编码器 %1 无法处理当前采集规格，已自动切换到 CPU 编码。</source>
        <translation>De hardware-encoder %1 kan de huidige opname niet aan; automatisch overgeschakeld op processorcodering.</translation>
    </message>
    <message>
        <source>DXGI 高性能采集不可用，已自动切换到 GDI 兼容模式。</source>
        <translation>Snelle DXGI-opname is niet beschikbaar; automatisch overgeschakeld op de GDI-compatibiliteitsmodus.</translation>
    </message>
    <message>
        <source>录制进程意外结束。分段已保留在：
%1</source>
        <translation>Het opnameproces is onverwacht gestopt. De segmenten zijn bewaard in:
%1</translation>
    </message>
    <message>
        <source>录制分段异常，退出码=%1。已生成的分段仍保留在：
%2
%3</source>
        <translation>Een opnamesegment is mislukt, afsluitcode=%1. De gemaakte segmenten staan nog in:
%2
%3</translation>
    </message>
    <message>
        <source>分段已保留在：
%1</source>
        <translation type="vanished">De segmenten zijn bewaard in:
%1</translation>
    </message>
    <message>
        <source>Camera preview is not ready.</source>
        <translation>Het cameravoorbeeld is nog niet klaar.</translation>
    </message>
    <message>
        <source>没有有效的窗口录制目标。</source>
        <translation>Er is geen geldig venster om op te nemen.</translation>
    </message>
    <message>
        <source>窗口捕获启动失败：%1</source>
        <translation>Vensteropname kon niet starten: %1</translation>
    </message>
    <message>
        <source>窗口捕获启动失败或目标窗口没有产生画面。</source>
        <translation>Vensteropname is niet gestart of het venster leverde geen beeld.</translation>
    </message>
    <message>
        <source>实际编码速度或有效帧率持续低于 120 FPS 要求</source>
        <translation>De coderingssnelheid of effectieve framerate blijft onder de vereiste 120 FPS</translation>
    </message>
    <message>
        <source>设备持续无法稳定达到 60 FPS，建议下次使用 30 FPS 或硬件编码。</source>
        <translation>Dit apparaat haalt geen stabiele 60 FPS. Gebruik de volgende keer 30 FPS of hardwarecodering.</translation>
    </message>
    <message>
        <source>屏幕采集持续低于 30 FPS 要求，建议关闭高负载程序或改用 720p 录制。</source>
        <translation>De schermopname blijft onder de 30 FPS. Sluit zware programma’s of neem op in 720p.</translation>
    </message>
    <message>
        <source>Screen capture is still dropping frames. Switched to 720p for smoother recording.</source>
        <translation>De schermopname laat nog steeds frames vallen. Overgeschakeld op 720p voor een vloeiendere opname.</translation>
    </message>
    <message>
        <source>屏幕采集持续掉帧，已自动切换到 1080p 以保持录制流畅。</source>
        <translation>De schermopname laat steeds frames vallen; automatisch overgeschakeld op 1080p om de opname vloeiend te houden.</translation>
    </message>
    <message>
        <source>录制的窗口已不可用，画面停留在最后一帧：%1</source>
        <translation>Het opgenomen venster is niet meer beschikbaar; het beeld blijft op het laatste frame staan: %1</translation>
    </message>
    <message>
        <source>这个文件名之前的录制分段仍保留在：
%1
请先移走这些分段，或换一个文件名后再录制。</source>
        <translation>Segmenten van een eerdere opname met deze bestandsnaam staan nog in:
%1
Verplaats die segmenten of kies een andere bestandsnaam en neem daarna opnieuw op.</translation>
    </message>
    <message>
        <source>最后一个录制分段无法读取，没有合并进录像，已保留在：
%1</source>
        <translation>Het laatste opgenomen segment kon niet worden gelezen en is niet in de opname samengevoegd. Het is bewaard in:
%1</translation>
    </message>
</context>
<context>
    <name>RecordingFinalizer</name>
    <message>
        <source>正在使用兼容编码器重新添加水印…</source>
        <translation>Watermerk wordt opnieuw toegevoegd met een compatibele encoder…</translation>
    </message>
    <message>
        <source>正在添加水印…</source>
        <translation>Watermerk wordt toegevoegd…</translation>
    </message>
    <message>
        <source>没有可保存的录制分段。</source>
        <translation>Er zijn geen opgenomen segmenten om op te slaan.</translation>
    </message>
    <message>
        <source>正在准备录制文件…</source>
        <translation>Opnamebestand wordt voorbereid…</translation>
    </message>
    <message>
        <source>正在安全合并录制分段…</source>
        <translation>Opgenomen segmenten worden veilig samengevoegd…</translation>
    </message>
    <message>
        <source>已取消添加水印，已保留无水印原视频。</source>
        <translation>Het toevoegen van het watermerk is geannuleerd; de originele video zonder watermerk is bewaard.</translation>
    </message>
    <message>
        <source>水印处理失败，已保留并保存无水印原视频，录制内容没有丢失。</source>
        <translation>Het watermerk kon niet worden toegevoegd. De originele video zonder watermerk is bewaard en opgeslagen; er is niets van de opname verloren gegaan.</translation>
    </message>
    <message>
        <source>找不到等待添加水印的录制文件。</source>
        <translation>Het opnamebestand dat het watermerk moet krijgen, is niet gevonden.</translation>
    </message>
    <message>
        <source>正在安全取消水印处理…</source>
        <translation>Watermerk wordt veilig geannuleerd…</translation>
    </message>
    <message>
        <source>目标文件已存在且无法安全备份；合并结果仍保留在临时文件中。</source>
        <translation>Het doelbestand bestaat al en kan niet veilig worden geback-upt; het samengevoegde resultaat staat nog in het tijdelijke bestand.</translation>
    </message>
    <message>
        <source>录制后处理已完成，但无法写入最终文件；结果仍保留在临时文件中。</source>
        <translation>De nabewerking van de opname is klaar, maar het definitieve bestand kan niet worden geschreven; het resultaat staat nog in het tijdelijke bestand.</translation>
    </message>
    <message>
        <source>同名的原有文件没有被覆盖，已保留为：
%1</source>
        <translation>Het bestaande bestand met dezelfde naam is niet overschreven; het is bewaard als:
%1</translation>
    </message>
    <message>
        <source>
可恢复的后处理文件：%1</source>
        <translation>
Herstelbaar bewerkt bestand: %1</translation>
    </message>
    <message>
        <source>录制后处理失败。为避免录像丢失，原始分段或可恢复文件已保留在：
%1%2

%3</source>
        <translation>De nabewerking van de opname is mislukt. Om niets te verliezen zijn de originele segmenten of herstelbare bestanden bewaard in:
%1%2

%3</translation>
    </message>
</context>
<context>
    <name>ScheduledRecordingDialog</name>
    <message>
        <source>计划录制</source>
        <translation>Geplande opname</translation>
    </message>
    <message>
        <source>到达开始时间后，Vistrelle 将按指定模式自动开始录制。</source>
        <translation>Op de begintijd begint Vistrelle met opnemen in de gekozen modus.</translation>
    </message>
    <message>
        <source>启用计划录制</source>
        <translation>Geplande opname inschakelen</translation>
    </message>
    <message>
        <source>单次</source>
        <translation>Eenmalig</translation>
    </message>
    <message>
        <source>每日</source>
        <translation>Dagelijks</translation>
    </message>
    <message>
        <source>每周</source>
        <translation>Wekelijks</translation>
    </message>
    <message>
        <source>星期一</source>
        <translation>Maandag</translation>
    </message>
    <message>
        <source>星期二</source>
        <translation>Dinsdag</translation>
    </message>
    <message>
        <source>星期三</source>
        <translation>Woensdag</translation>
    </message>
    <message>
        <source>星期四</source>
        <translation>Donderdag</translation>
    </message>
    <message>
        <source>星期五</source>
        <translation>Vrijdag</translation>
    </message>
    <message>
        <source>星期六</source>
        <translation>Zaterdag</translation>
    </message>
    <message>
        <source>星期日</source>
        <translation>Zondag</translation>
    </message>
    <message>
        <source>录制屏幕</source>
        <translation>Scherm opnemen</translation>
    </message>
    <message>
        <source>录制音频</source>
        <translation>Audio opnemen</translation>
    </message>
    <message>
        <source>录制窗口</source>
        <translation>Venster opnemen</translation>
    </message>
    <message>
        <source>游戏录制</source>
        <translation>Game-opname</translation>
    </message>
    <message>
        <source>高性能屏幕录制</source>
        <translation>Schermopname met hoge prestaties</translation>
    </message>
    <message>
        <source>重复</source>
        <translation>Herhalen</translation>
    </message>
    <message>
        <source>开始日期和时间</source>
        <translation>Begindatum en -tijd</translation>
    </message>
    <message>
        <source>每天开始时间</source>
        <translation>Dagelijkse begintijd</translation>
    </message>
    <message>
        <source>每周日期</source>
        <translation>Dag van de week</translation>
    </message>
    <message>
        <source>指定录制模式</source>
        <translation>Opnamemodus</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>保存计划</source>
        <translation>Planning opslaan</translation>
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
        <translation>Over Vistrelle</translation>
    </message>
    <message>
        <source>语言</source>
        <translation>Taal</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>在线帮助</source>
        <translation>Online help</translation>
    </message>
    <message>
        <source>打开日志文件夹</source>
        <translation>Logmap openen</translation>
    </message>
    <message>
        <source>技术支持</source>
        <translation>Ondersteuning</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Afsluiten</translation>
    </message>
</context>
<context>
    <name>WasapiLoopbackCapture</name>
    <message>
        <source>WASAPI 回环录音仅支持 Windows。</source>
        <translation>WASAPI-loopbackopname wordt alleen op Windows ondersteund.</translation>
    </message>
</context>
<context>
    <name>WasapiMicrophoneCapture</name>
    <message>
        <source>WASAPI microphone capture is only supported on Windows.</source>
        <translation>WASAPI-microfoonopname wordt alleen op Windows ondersteund.</translation>
    </message>
</context>
<context>
    <name>WatermarkDialog</name>
    <message>
        <source>水印设置</source>
        <translation>Watermerkinstellingen</translation>
    </message>
    <message>
        <source>水印样式</source>
        <translation>Watermerkstijl</translation>
    </message>
    <message>
        <source>水印文字</source>
        <translation>Watermerktekst</translation>
    </message>
    <message>
        <source>字号</source>
        <translation>Lettergrootte</translation>
    </message>
    <message>
        <source>颜色</source>
        <translation>Kleur</translation>
    </message>
    <message>
        <source>透明度</source>
        <translation>Dekking</translation>
    </message>
    <message>
        <source>拖动滑块调整水印的可见程度</source>
        <translation>Sleep de schuifregelaar om de zichtbaarheid van het watermerk in te stellen</translation>
    </message>
    <message>
        <source>实时预览  ●</source>
        <translation>Live voorbeeld  ●</translation>
    </message>
    <message>
        <source>对整个原视频添加水印，另存为 MP4 副本。其他编辑请先保存。</source>
        <translation>Het watermerk wordt aan de hele originele video toegevoegd en als MP4-kopie opgeslagen. Sla andere bewerkingen eerst op.</translation>
    </message>
    <message>
        <source>显示位置</source>
        <translation>Positie</translation>
    </message>
    <message>
        <source>边距</source>
        <translation>Marges</translation>
    </message>
    <message>
        <source>水平</source>
        <translation>Horizontaal</translation>
    </message>
    <message>
        <source>垂直</source>
        <translation>Verticaal</translation>
    </message>
    <message>
        <source>恢复默认</source>
        <translation>Standaardwaarden herstellen</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>保存水印副本</source>
        <translation>Kopie met watermerk opslaan</translation>
    </message>
    <message>
        <source>选择颜色</source>
        <translation>Kleur kiezen</translation>
    </message>
    <message>
        <source>请输入水印文字。</source>
        <translation>Voer de watermerktekst in.</translation>
    </message>
</context>
</TS>

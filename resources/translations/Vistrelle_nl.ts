<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="zh_CN">
<context>
    <name>GlobalHotkey</name>
    <message>
        <source>%1（不支持的按键）</source>
        <translation>%1 (niet-ondersteunde toets)</translation>
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
        <translation>Afspelen mislukt</translation>
    </message>
    <message>
        <source>文件不存在：%1</source>
        <translation>Bestand niet gevonden: %1</translation>
    </message>
    <message>
        <source>没有打开可播放文件</source>
        <translation>Er is geen afspeelbaar bestand geopend</translation>
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
    <name>VideoListDialog</name>
    <message>
        <source>媒体库</source>
        <translation>Mediabibliotheek</translation>
    </message>
    <message>
        <source>搜索录制文件...</source>
        <translation>Opnamen zoeken...</translation>
    </message>
    <message>
        <source>全部</source>
        <translation>Alles</translation>
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
        <translation>Mediabestanden laden…</translation>
    </message>
    <message>
        <source>%1 个文件</source>
        <translation>%1 bestanden</translation>
    </message>
    <message>
        <source>播放失败</source>
        <translation>Afspelen mislukt</translation>
    </message>
    <message>
        <source>请选择一个媒体文件</source>
        <translation>Selecteer een mediabestand</translation>
    </message>
    <message>
        <source>打开文件夹</source>
        <translation>Map openen</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>全屏播放（F）</source>
        <translation>Schermvullend afspelen (F)</translation>
    </message>
    <message>
        <source>全屏播放</source>
        <translation>Schermvullend afspelen</translation>
    </message>
    <message>
        <source>采样率未知</source>
        <translation>Onbekende samplefrequentie</translation>
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
        <translation>%1 kanalen</translation>
    </message>
    <message>
        <source>暂停</source>
        <translation>Pauzeren</translation>
    </message>
    <message>
        <source>播放</source>
        <translation>Afspelen</translation>
    </message>
    <message>
        <source>暂停媒体</source>
        <translation>Media pauzeren</translation>
    </message>
    <message>
        <source>播放媒体</source>
        <translation>Media afspelen</translation>
    </message>
    <message>
        <source>暂无媒体文件</source>
        <translation>Nog geen mediabestanden</translation>
    </message>
    <message>
        <source>没有匹配的媒体文件</source>
        <translation>Geen overeenkomende mediabestanden</translation>
    </message>
    <message>
        <source>重命名文件</source>
        <translation>Bestand hernoemen</translation>
    </message>
    <message>
        <source>Copy File Path</source>
        <translation>Bestandspad kopiëren</translation>
    </message>
    <message>
        <source>查看文件信息</source>
        <translation>Bestandsinformatie</translation>
    </message>
    <message>
        <source>删除音频</source>
        <translation>Audio verwijderen</translation>
    </message>
    <message>
        <source>删除视频</source>
        <translation>Video verwijderen</translation>
    </message>
    <message>
        <source>确定永久删除“%1”吗？</source>
        <translation>&quot;%1&quot; definitief verwijderen?</translation>
    </message>
    <message>
        <source>删除失败</source>
        <translation>Verwijderen mislukt</translation>
    </message>
    <message>
        <source>文件正在使用或没有删除权限。</source>
        <translation>Het bestand is in gebruik of u mag het niet verwijderen.</translation>
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
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="zh_CN">
<context>
    <name>AnnotationOverlay</name>
    <message>
        <source>添加文字标注</source>
        <translation>Tekstannotatie toevoegen</translation>
    </message>
    <message>
        <source>输入标注文字：</source>
        <translation>Annotatietekst:</translation>
    </message>
    <message>
        <source>左键绘制  Ctrl+Z 撤销  Del 清除  ESC 退出</source>
        <translation>Links slepen om te tekenen  Ctrl+Z Ongedaan maken  Del Wissen  Esc Afsluiten</translation>
    </message>
</context>
<context>
    <name>AnnotationToolbar</name>
    <message>
        <source>画笔</source>
        <translation>Pen</translation>
    </message>
    <message>
        <source>箭头</source>
        <translation>Pijl</translation>
    </message>
    <message>
        <source>矩形</source>
        <translation>Rechthoek</translation>
    </message>
    <message>
        <source>文字</source>
        <translation>Tekst</translation>
    </message>
    <message>
        <source>选择颜色</source>
        <translation>Kleur kiezen</translation>
    </message>
    <message>
        <source>粗细</source>
        <translation>Dikte</translation>
    </message>
    <message>
        <source>撤销  Ctrl+Z</source>
        <translation>Ongedaan maken  Ctrl+Z</translation>
    </message>
    <message>
        <source>清除全部  Del</source>
        <translation>Alles wissen  Del</translation>
    </message>
    <message>
        <source>退出注释</source>
        <translation>Annotatie afsluiten</translation>
    </message>
    <message>
        <source>选择注释颜色</source>
        <translation>Annotatiekleur kiezen</translation>
    </message>
</context>
<context>
    <name>CountdownOverlay</name>
    <message>
        <source>开始/停止</source>
        <translation>Starten/Stoppen</translation>
    </message>
    <message>
        <source>暂停/恢复</source>
        <translation>Pauzeren/Hervatten</translation>
    </message>
</context>
<context>
    <name>FloatingToolbar</name>
    <message>
        <source>正在录制</source>
        <translation>Opnemen</translation>
    </message>
    <message>
        <source>初始化…</source>
        <translation>Starten…</translation>
    </message>
    <message>
        <source>写入中…</source>
        <translation>Schrijven…</translation>
    </message>
    <message>
        <source>关闭摄像头</source>
        <translation>Webcam uitschakelen</translation>
    </message>
    <message>
        <source>开启摄像头</source>
        <translation>Webcam inschakelen</translation>
    </message>
    <message>
        <source>画笔</source>
        <translation>Pen</translation>
    </message>
    <message>
        <source>箭头</source>
        <translation>Pijl</translation>
    </message>
    <message>
        <source>矩形</source>
        <translation>Rechthoek</translation>
    </message>
    <message>
        <source>文字</source>
        <translation>Tekst</translation>
    </message>
    <message>
        <source>直线</source>
        <translation>Lijn</translation>
    </message>
    <message>
        <source>圆形</source>
        <translation>Cirkel</translation>
    </message>
    <message>
        <source>高亮笔</source>
        <translation>Markeerstift</translation>
    </message>
    <message>
        <source>橡皮擦</source>
        <translation>Gum</translation>
    </message>
    <message>
        <source>撤销 Ctrl+Z</source>
        <translation>Ongedaan maken Ctrl+Z</translation>
    </message>
    <message>
        <source>清除全部 Del</source>
        <translation>Alles wissen Del</translation>
    </message>
    <message>
        <source>退出注释模式</source>
        <translation>Annotatiemodus afsluiten</translation>
    </message>
    <message>
        <source>选择工具后在屏幕上绘制，ESC 或点“退出”结束注释</source>
        <translation>Kies een gereedschap en teken op het scherm; Esc of &apos;Afsluiten&apos; beëindigt de annotatie</translation>
    </message>
    <message>
        <source>选择颜色</source>
        <translation>Kleur kiezen</translation>
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
        <source>预计剩余 --:--</source>
        <translation>Nog ongeveer --:--</translation>
    </message>
    <message>
        <source>预计剩余 %1:%2</source>
        <translation>Nog ongeveer %1:%2</translation>
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
    <name>StopRecordingDialog</name>
    <message>
        <source>Stop Recording</source>
        <translation>Opname stoppen</translation>
    </message>
    <message>
        <source>Stop this recording?</source>
        <translation>Deze opname stoppen?</translation>
    </message>
    <message>
        <source>Recorded</source>
        <translation>Opgenomen</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Doorgaan</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Weggooien</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
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
<context>
    <name>WatermarkProgressDialog</name>
    <message>
        <source>正在添加水印</source>
        <translation>Watermerk toevoegen</translation>
    </message>
    <message>
        <source>正在保存录制</source>
        <translation>Opname opslaan</translation>
    </message>
    <message>
        <source>正在处理视频，请稍候…</source>
        <translation>Video wordt verwerkt, even geduld…</translation>
    </message>
    <message>
        <source>正在处理录制文件，请稍候…</source>
        <translation>Opname wordt verwerkt, even geduld…</translation>
    </message>
    <message>
        <source>正在处理 %1 / %2</source>
        <translation>Verwerken %1 van %2</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>正在取消…</source>
        <translation>Annuleren…</translation>
    </message>
    <message>
        <source>正在安全取消水印处理…</source>
        <translation>Watermerk wordt veilig geannuleerd…</translation>
    </message>
</context>
</TS>

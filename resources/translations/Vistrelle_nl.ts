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
    <name>Recorder</name>
    <message>
        <source>无法创建文件夹：%1</source>
        <translation>Kan de map niet aanmaken: %1</translation>
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

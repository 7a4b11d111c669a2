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
    <name>AreaDropdown</name>
    <message>
        <source>全屏</source>
        <translation>Volledig scherm</translation>
    </message>
    <message>
        <source>选择区域 / 窗口</source>
        <translation>Gebied / venster kiezen</translation>
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
        <translation>Klik en sleep om een gebied te kiezen</translation>
    </message>
</context>
<context>
    <name>AudioSettingsDialog</name>
    <message>
        <source>音频高级设置</source>
        <translation>Geavanceerde audio-instellingen</translation>
    </message>
    <message>
        <source>系统声与麦克风会分别处理，再混合写入录制文件。</source>
        <translation>Systeemgeluid en microfoon worden apart verwerkt en daarna in de opname gemengd.</translation>
    </message>
    <message>
        <source>系统声音音量</source>
        <translation>Volume systeemgeluid</translation>
    </message>
    <message>
        <source>麦克风音量</source>
        <translation>Microfoonvolume</translation>
    </message>
    <message>
        <source> ms</source>
        <translation> ms</translation>
    </message>
    <message>
        <source>麦克风延迟</source>
        <translation>Microfoonvertraging</translation>
    </message>
    <message>
        <source>麦克风降噪（降低持续环境噪声）</source>
        <translation>Ruisonderdrukking microfoon (vermindert constant achtergrondgeluid)</translation>
    </message>
    <message>
        <source>单声道输出（适合语音录制）</source>
        <translation>Mono-uitvoer (geschikt voor spraakopnamen)</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>Klaar</translation>
    </message>
</context>
<context>
    <name>AutoSplitDialog</name>
    <message>
        <source>自动分割设置</source>
        <translation>Instellingen automatisch splitsen</translation>
    </message>
    <message>
        <source>录制时按指定条件自动切分为多个文件</source>
        <translation>Start bij een voorwaarde een nieuw segment; aan het eind worden alle segmenten tot één bestand samengevoegd</translation>
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
        <translation>Beperkt de grootte van elk segment</translation>
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
        <translation type="vanished">Elke %1 minuten wordt een nieuw bestand opgeslagen</translation>
    </message>
    <message>
        <source>文件达到 %1 MB 时自动切分并保存</source>
        <translation>Er begint een nieuw segment zodra een segment %1 MB bereikt</translation>
    </message>
    <message numerus="yes">
        <source>将每 %n 分钟自动保存为一个新文件</source>
        <translation>
            <numerusform>Elke minuut begint een nieuw segment</numerusform>
            <numerusform>Elke %n minuten begint een nieuw segment</numerusform>
        </translation>
    </message>
    <message>
        <source>关闭自动分割</source>
        <translation>Automatisch splitsen uit</translation>
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
        <translation type="vanished">Stopt na %1 minuten opnemen</translation>
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
    <message numerus="yes">
        <source>录制 %n 分钟后自动停止</source>
        <translation>
            <numerusform>Stopt na één minuut opnemen</numerusform>
            <numerusform>Stopt na %n minuten opnemen</numerusform>
        </translation>
    </message>
    <message>
        <source>关闭自动停止</source>
        <translation>Automatisch stoppen uit</translation>
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
    <name>CameraRecordingPage</name>
    <message>
        <source>Camera Recording</source>
        <translation>Camera-opname</translation>
    </message>
    <message>
        <source>Back to Home</source>
        <translation>Terug naar start</translation>
    </message>
    <message>
        <source>Choose a camera to start preview</source>
        <translation>Kies een camera om de voorvertoning te starten</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Spiegelen</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Staand</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Passend</translation>
    </message>
    <message>
        <source>Camera framing mode</source>
        <translation>Camera-kadrering</translation>
    </message>
    <message>
        <source>System Audio</source>
        <translation>Systeemgeluid</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Microfoon</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stoppen</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>Momentopname</translation>
    </message>
    <message>
        <source>Auto Stop</source>
        <translation>Auto-stop</translation>
    </message>
    <message>
        <source>Auto Split</source>
        <translation>Auto-splitsen</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Vullen</translation>
    </message>
    <message>
        <source>Camera access is off. Allow Vistrelle in System Settings &gt; Privacy &amp; Security &gt; Camera, then return to this page.</source>
        <translation>Cameratoegang staat uit. Sta Vistrelle toe in Systeeminstellingen &gt; Privacy en beveiliging &gt; Camera en keer dan terug naar deze pagina.</translation>
    </message>
    <message>
        <source>Requesting camera access…</source>
        <translation>Cameratoegang wordt aangevraagd…</translation>
    </message>
    <message>
        <source>Starting camera…</source>
        <translation>Camera wordt gestart…</translation>
    </message>
    <message>
        <source>No camera found. Connect a camera and return to this page.</source>
        <translation>Geen camera gevonden. Sluit een camera aan en keer terug naar deze pagina.</translation>
    </message>
    <message>
        <source>Camera did not deliver a picture. Check camera access and whether another app is using it, then select the camera again.</source>
        <translation>De camera leverde geen beeld. Controleer de cameratoegang en of een andere app hem gebruikt, en kies de camera daarna opnieuw.</translation>
    </message>
    <message>
        <source>Camera could not start. Check camera access in System Settings.</source>
        <translation>De camera kon niet starten. Controleer de cameratoegang in Systeeminstellingen.</translation>
    </message>
    <message>
        <source>Camera stopped delivering frames. Recording has been stopped.</source>
        <translation>De camera levert geen beelden meer. De opname is gestopt.</translation>
    </message>
    <message>
        <source>Save camera snapshot</source>
        <translation>Momentopname van de camera opslaan</translation>
    </message>
    <message>
        <source>Could not save the image.</source>
        <translation>De afbeelding kon niet worden opgeslagen.</translation>
    </message>
    <message>
        <source>Camera Permission</source>
        <translation>Cameratoestemming</translation>
    </message>
    <message>
        <source>Camera access is off. Allow Vistrelle in System Settings &gt; Privacy &amp; Security &gt; Camera.</source>
        <translation>Cameratoegang staat uit. Sta Vistrelle toe in Systeeminstellingen &gt; Privacy en beveiliging &gt; Camera.</translation>
    </message>
    <message>
        <source>Open Settings</source>
        <translation>Instellingen openen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Hervatten</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pauze</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Aan</translation>
    </message>
    <message>
        <source>Starting…</source>
        <translation>Starten…</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Uit</translation>
    </message>
</context>
<context>
    <name>CameraSettingsDialog</name>
    <message>
        <source>开关</source>
        <translation>Schakelaar</translation>
    </message>
    <message>
        <source>点击九宫格选择摄像头位置</source>
        <translation>Klik op het raster om de webcampositie te kiezen</translation>
    </message>
    <message>
        <source>摄像头位置九宫格</source>
        <translation>Raster voor webcampositie</translation>
    </message>
    <message>
        <source>摄像头设置</source>
        <translation>Webcaminstellingen</translation>
    </message>
    <message>
        <source>正在启动摄像头…</source>
        <translation>Camera wordt gestart…</translation>
    </message>
    <message>
        <source>实时预览</source>
        <translation>Live-voorvertoning</translation>
    </message>
    <message>
        <source>摄像头关闭时，将在这里显示 · 开启摄像头后可预览</source>
        <translation>Wordt hier getoond als de camera uit staat · Zet de camera aan voor een voorvertoning</translation>
    </message>
    <message>
        <source>摄像头设备</source>
        <translation>Cameraapparaat</translation>
    </message>
    <message>
        <source>自动</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>帧率</source>
        <translation>Framesnelheid</translation>
    </message>
    <message>
        <source>视频质量</source>
        <translation>Videokwaliteit</translation>
    </message>
    <message>
        <source>画面形状</source>
        <translation>Vorm</translation>
    </message>
    <message>
        <source>圆形</source>
        <translation>Cirkel</translation>
    </message>
    <message>
        <source>圆角矩形</source>
        <translation>Afgerond</translation>
    </message>
    <message>
        <source>矩形</source>
        <translation>Rechthoek</translation>
    </message>
    <message>
        <source>左上</source>
        <translation>Linksboven</translation>
    </message>
    <message>
        <source>上中</source>
        <translation>Midden boven</translation>
    </message>
    <message>
        <source>右上</source>
        <translation>Rechtsboven</translation>
    </message>
    <message>
        <source>左中</source>
        <translation>Midden links</translation>
    </message>
    <message>
        <source>居中</source>
        <translation>Midden</translation>
    </message>
    <message>
        <source>右中</source>
        <translation>Midden rechts</translation>
    </message>
    <message>
        <source>左下</source>
        <translation>Linksonder</translation>
    </message>
    <message>
        <source>下中</source>
        <translation>Midden onder</translation>
    </message>
    <message>
        <source>右下</source>
        <translation>Rechtsonder</translation>
    </message>
    <message>
        <source>摄像头位置</source>
        <translation>Positie</translation>
    </message>
    <message>
        <source>小</source>
        <translation>Klein</translation>
    </message>
    <message>
        <source>大</source>
        <translation>Groot</translation>
    </message>
    <message>
        <source>画面大小</source>
        <translation>Grootte</translation>
    </message>
    <message>
        <source>镜像画面</source>
        <translation>Beeld spiegelen</translation>
    </message>
    <message>
        <source>让预览效果更自然</source>
        <translation>De voorvertoning oogt natuurlijker</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>Klaar</translation>
    </message>
    <message>
        <source>开启摄像头后可预览</source>
        <translation>Zet de camera aan voor een voorvertoning</translation>
    </message>
    <message>
        <source>未检测到摄像头</source>
        <translation>Geen camera gevonden</translation>
    </message>
    <message>
        <source>未检测到可用摄像头</source>
        <translation>Geen bruikbare camera gevonden</translation>
    </message>
    <message>
        <source>摄像头无法启动，请检查系统权限</source>
        <translation>De camera kon niet starten. Controleer de systeemmachtigingen.</translation>
    </message>
</context>
<context>
    <name>CaptureTargetDialog</name>
    <message>
        <source>选择游戏</source>
        <translation>Game kiezen</translation>
    </message>
    <message>
        <source>选择窗口</source>
        <translation>Venster kiezen</translation>
    </message>
    <message>
        <source>选择游戏窗口</source>
        <translation>Kies een gamevenster</translation>
    </message>
    <message>
        <source>选择录制窗口</source>
        <translation>Kies het venster om op te nemen</translation>
    </message>
    <message>
        <source>刷新</source>
        <translation>Vernieuwen</translation>
    </message>
    <message>
        <source>Select a window</source>
        <translation>Kies een venster</translation>
    </message>
    <message>
        <source>Process information unavailable</source>
        <translation>Procesinformatie niet beschikbaar</translation>
    </message>
    <message>
        <source>Loading preview…</source>
        <translation>Voorbeeld laden…</translation>
    </message>
    <message>
        <source>当前没有可捕获窗口。请先打开目标程序，然后点击刷新。</source>
        <translation>Er is nu geen venster om op te nemen. Open het programma dat u wilt opnemen en klik dan op Vernieuwen.</translation>
    </message>
    <message>
        <source>选择要录制的游戏或应用窗口。录制时不要最小化窗口。</source>
        <translation>Kies het game- of programmavenster om op te nemen. Minimaliseer het venster niet tijdens het opnemen.</translation>
    </message>
    <message>
        <source>录制时不要最小化窗口。</source>
        <translation>Minimaliseer het venster niet tijdens het opnemen.</translation>
    </message>
    <message>
        <source>Preview timed out — check screen recording access</source>
        <translation>Time-out bij voorbeeld — controleer de toegang tot schermopname</translation>
    </message>
    <message>
        <source>Preview unavailable — check screen recording access</source>
        <translation>Voorbeeld niet beschikbaar — controleer de toegang tot schermopname</translation>
    </message>
</context>
<context>
    <name>Common</name>
    <message>
        <source>Open Folder</source>
        <translation>Map openen</translation>
    </message>
    <message>
        <source>无法打开文件夹：
%1</source>
        <translation>De map kan niet worden geopend:
%1</translation>
    </message>
</context>
<context>
    <name>CompletionDialog</name>
    <message>
        <source>文件已保存到以下文件夹</source>
        <translation>Het bestand is in deze map opgeslagen</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Map openen</translation>
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
        <translation>Volledig scherm</translation>
    </message>
    <message>
        <source>自定义</source>
        <translation>Aangepast</translation>
    </message>
    <message>
        <source>尚未选择窗口</source>
        <translation>Geen venster gekozen</translation>
    </message>
    <message>
        <source>请选择录制目标</source>
        <translation>Kies wat u wilt opnemen</translation>
    </message>
    <message>
        <source>选择窗口</source>
        <translation>Venster kiezen</translation>
    </message>
    <message>
        <source>纯音频录制</source>
        <translation>Alleen audio opnemen</translation>
    </message>
    <message>
        <source>音质</source>
        <translation>Audiokwaliteit</translation>
    </message>
    <message>
        <source>128 kbps · 较小</source>
        <translation>128 kbps · Kleiner</translation>
    </message>
    <message>
        <source>192 kbps · 推荐</source>
        <translation>192 kbps · Aanbevolen</translation>
    </message>
    <message>
        <source>320 kbps · 高质量</source>
        <translation>320 kbps · Hoge kwaliteit</translation>
    </message>
    <message>
        <source>无损 · 由格式决定</source>
        <translation>Verliesvrij · Bepaald door het formaat</translation>
    </message>
    <message>
        <source>录摄像头</source>
        <translation>Webcam</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>扬声器</source>
        <translation>Luidspreker</translation>
    </message>
    <message>
        <source>试音</source>
        <translation>Testen</translation>
    </message>
    <message>
        <source>麦克风</source>
        <translation>Microfoon</translation>
    </message>
    <message>
        <source>开始录制</source>
        <translation>Opname starten</translation>
    </message>
    <message>
        <source>纯音频模式不录制摄像头</source>
        <translation>In de modus Alleen audio wordt de webcam niet opgenomen</translation>
    </message>
    <message>
        <source>选择游戏</source>
        <translation>Game kiezen</translation>
    </message>
    <message>
        <source>尚未选择游戏</source>
        <translation>Geen game gekozen</translation>
    </message>
    <message>
        <source>高性能屏幕采集模式</source>
        <translation>Modus voor snelle schermopname</translation>
    </message>
    <message>
        <source>选择%1设备</source>
        <translation>Apparaat kiezen: %1</translation>
    </message>
    <message>
        <source>选择设备和音频设置</source>
        <translation>Apparaat en audio-instellingen kiezen</translation>
    </message>
    <message>
        <source>开启</source>
        <translation>Aan</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Uit</translation>
    </message>
    <message>
        <source>默认设备</source>
        <translation>Standaardapparaat</translation>
    </message>
    <message>
        <source>默认 · %1</source>
        <translation>Standaard · %1</translation>
    </message>
    <message>
        <source>选择扬声器</source>
        <translation>Luidspreker kiezen</translation>
    </message>
    <message>
        <source>选择麦克风</source>
        <translation>Microfoon kiezen</translation>
    </message>
    <message>
        <source>音频高级设置…</source>
        <translation>Geavanceerde audio-instellingen…</translation>
    </message>
    <message>
        <source>系统声音</source>
        <translation>Systeemgeluid</translation>
    </message>
    <message>
        <source>无法监听所选扬声器：%1</source>
        <translation>Kan de gekozen luidspreker niet beluisteren: %1</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>Stoppen</translation>
    </message>
    <message>
        <source>未检测到声音，请先播放一段音频</source>
        <translation>Geen geluid gedetecteerd. Speel eerst wat audio af.</translation>
    </message>
    <message>
        <source>已检测到系统播放声音</source>
        <translation>Afspeelgeluid van het systeem gedetecteerd</translation>
    </message>
    <message>
        <source>无设备</source>
        <translation>Geen apparaat</translation>
    </message>
    <message>
        <source>不可用</source>
        <translation>Niet beschikbaar</translation>
    </message>
    <message>
        <source>未检测到声音，请检查麦克风或权限</source>
        <translation>Geen geluid gedetecteerd. Controleer de microfoon of de toestemming.</translation>
    </message>
    <message>
        <source>已检测到麦克风声音</source>
        <translation>Microfoongeluid gedetecteerd</translation>
    </message>
    <message>
        <source>系统声音实时电平</source>
        <translation>Live niveau systeemgeluid</translation>
    </message>
    <message>
        <source>麦克风实时电平</source>
        <translation>Live niveau microfoon</translation>
    </message>
    <message>
        <source>停止试音</source>
        <translation>Test stoppen</translation>
    </message>
    <message>
        <source>输出</source>
        <translation>Uitvoer</translation>
    </message>
    <message>
        <source>输入</source>
        <translation>Invoer</translation>
    </message>
    <message>
        <source>正在监听，请播放一段声音</source>
        <translation>Aan het luisteren. Speel wat geluid af.</translation>
    </message>
    <message>
        <source>正在监听，请对麦克风说话</source>
        <translation>Aan het luisteren. Spreek in de microfoon.</translation>
    </message>
    <message>
        <source>录音检查</source>
        <translation>Opnamecontrole</translation>
    </message>
    <message>
        <source>请至少开启扬声器或麦克风。</source>
        <translation>Zet ten minste de luidspreker of de microfoon aan.</translation>
    </message>
    <message>
        <source>没有可用的扬声器设备，无法录制系统声音。</source>
        <translation>Er is geen luidspreker beschikbaar, dus systeemgeluid kan niet worden opgenomen.</translation>
    </message>
    <message>
        <source>没有可用的麦克风，请重新连接或选择输入设备。</source>
        <translation>Er is geen microfoon beschikbaar. Sluit hem opnieuw aan of kies een ander invoerapparaat.</translation>
    </message>
    <message>
        <source>停止录制</source>
        <translation>Opname stoppen</translation>
    </message>
    <message>
        <source>Camera Permission</source>
        <translation>Cameratoestemming</translation>
    </message>
    <message>
        <source>Camera access is off. Allow Vistrelle in System Settings &gt; Privacy &amp; Security &gt; Camera.</source>
        <translation>Cameratoegang staat uit. Sta Vistrelle toe in Systeeminstellingen &gt; Privacy en beveiliging &gt; Camera.</translation>
    </message>
    <message>
        <source>Open Settings</source>
        <translation>Instellingen openen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>高性能屏幕采集</source>
        <translation>Snelle schermopname</translation>
    </message>
    <message>
        <source> · 高性能屏幕采集</source>
        <translation> · Snelle schermopname</translation>
    </message>
    <message>
        <source>%1 · 不可用</source>
        <translation>%1 · niet beschikbaar</translation>
    </message>
    <message>
        <source>摄像头</source>
        <translation>Webcam</translation>
    </message>
    <message>
        <source>没有检测到可用摄像头。</source>
        <translation>Geen webcam gevonden.</translation>
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
    <name>ExportDialog</name>
    <message>
        <source>导出</source>
        <translation>Exporteren</translation>
    </message>
    <message>
        <source>↑  导出设置</source>
        <translation>↑  Exportinstellingen</translation>
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
        <translation>Geanimeerde GIF (.gif)</translation>
    </message>
    <message>
        <source>仅音频 MP3 (.mp3)</source>
        <translation>Alleen audio MP3 (.mp3)</translation>
    </message>
    <message>
        <source>仅音频 AAC (.aac)</source>
        <translation>Alleen audio AAC (.aac)</translation>
    </message>
    <message>
        <source>格式</source>
        <translation>Formaat</translation>
    </message>
    <message>
        <source>视频编码</source>
        <translation>Video-encoder</translation>
    </message>
    <message>
        <source>视频码率</source>
        <translation>Videobitrate</translation>
    </message>
    <message>
        <source>1× (正常)</source>
        <translation>1× (normaal)</translation>
    </message>
    <message>
        <source>播放速度</source>
        <translation>Afspeelsnelheid</translation>
    </message>
    <message>
        <source>GIF 帧率</source>
        <translation>GIF-framesnelheid</translation>
    </message>
    <message>
        <source>GIF 宽度</source>
        <translation>GIF-breedte</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>开始导出</source>
        <translation>Exporteren starten</translation>
    </message>
    <message>
        <source>✓ 已保存到: </source>
        <translation>✓ Opgeslagen in: </translation>
    </message>
    <message>
        <source>保存为</source>
        <translation>Opslaan als</translation>
    </message>
    <message>
        <source>视频文件 (*.mp4 *.mkv *.gif *.mp3 *.aac)</source>
        <translation>Mediabestanden (*.mp4 *.mkv *.gif *.mp3 *.aac)</translation>
    </message>
    <message>
        <source>导出中...</source>
        <translation>Bezig met exporteren...</translation>
    </message>
</context>
<context>
    <name>FfmpegJob</name>
    <message>
        <source>FFmpeg 没有在 %1 秒内完成。</source>
        <translation>FFmpeg was niet binnen %1 seconden klaar.</translation>
    </message>
    <message>
        <source>FFmpeg 意外终止。</source>
        <translation>FFmpeg is onverwacht gestopt.</translation>
    </message>
    <message>
        <source>FFmpeg 以退出码 %1 结束，没有说明原因。</source>
        <translation>FFmpeg is gestopt met afsluitcode %1 zonder een reden te geven.</translation>
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
    <message>
        <source>退出</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>已暂停</source>
        <translation>Gepauzeerd</translation>
    </message>
    <message>
        <source>正在保存…</source>
        <translation>Bezig met opslaan…</translation>
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
        <translation>Vrij gebied</translation>
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
    <message>
        <source>Vistrelle recording toolbar</source>
        <translation>Vistrelle-opnamebalk</translation>
    </message>
    <message>
        <source>Vistrelle preparation toolbar</source>
        <translation>Vistrelle-voorbereidingsbalk</translation>
    </message>
    <message>
        <source>Display %1</source>
        <translation>Scherm %1</translation>
    </message>
    <message>
        <source>Audio only</source>
        <translation>Alleen audio</translation>
    </message>
    <message>
        <source>Camera preview</source>
        <translation>Cameravoorbeeld</translation>
    </message>
    <message>
        <source>Camera Recording</source>
        <translation>Camera-opname</translation>
    </message>
    <message>
        <source>Stop recording and return to Home?</source>
        <translation>Opname stoppen en terug naar Start?</translation>
    </message>
    <message>
        <source>Wait for a live camera preview before recording.</source>
        <translation>Wacht op een live cameravoorbeeld voordat u opneemt.</translation>
    </message>
    <message>
        <source>Vistrelle countdown</source>
        <translation>Vistrelle-aftelling</translation>
    </message>
    <message>
        <source>摄像头</source>
        <translation>Webcam</translation>
    </message>
    <message>
        <source>没有检测到可用摄像头。</source>
        <translation>Geen webcam gevonden.</translation>
    </message>
    <message>
        <source>摄像头无法启动，请检查权限或设备占用情况。</source>
        <translation>De webcam kon niet starten. Controleer de toestemming en of een ander programma hem gebruikt.</translation>
    </message>
    <message>
        <source>Camera Permission</source>
        <translation>Cameratoestemming</translation>
    </message>
    <message>
        <source>Camera access is off. Allow Vistrelle in System Settings &gt; Privacy &amp; Security &gt; Camera.</source>
        <translation>Cameratoegang staat uit. Sta Vistrelle toe in Systeeminstellingen &gt; Privacy en beveiliging &gt; Camera.</translation>
    </message>
    <message>
        <source>Open Settings</source>
        <translation>Instellingen openen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>计划录制</source>
        <translation>Geplande opname</translation>
    </message>
    <message>
        <source>请先在首页为窗口或游戏模式选择录制目标。</source>
        <translation>Kies eerst op de startpagina het venster of de game om op te nemen.</translation>
    </message>
    <message>
        <source>已有录制正在进行，本次计划已跳过。</source>
        <translation>Er loopt al een opname; deze geplande start is overgeslagen.</translation>
    </message>
    <message>
        <source>退出后计划录制将不会执行。

确定要退出 Vistrelle 吗？</source>
        <translation>De geplande opname gaat niet door als u afsluit.

Vistrelle toch afsluiten?</translation>
    </message>
    <message>
        <source>仍在录制</source>
        <translation>Opname loopt nog</translation>
    </message>
    <message>
        <source>Vistrelle 已隐藏到系统托盘，录制继续进行。</source>
        <translation>Vistrelle is verborgen in het systeemvak; de opname gaat door.</translation>
    </message>
    <message>
        <source>Vistrelle 仍在后台运行</source>
        <translation>Vistrelle draait nog</translation>
    </message>
    <message>
        <source>已最小化到系统托盘，点击或双击托盘图标可重新打开。</source>
        <translation>Geminimaliseerd naar het systeemvak. Klik of dubbelklik op het pictogram om het weer te openen.</translation>
    </message>
    <message>
        <source>About Vistrelle</source>
        <translation>Over Vistrelle</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versie %1</translation>
    </message>
    <message>
        <source>Vistrelle is a fast, reliable screen recorder for Linux. Record screens, windows, games, system audio, microphones, and webcams, then edit and manage recordings locally with no cloud upload required.</source>
        <translation>Vistrelle is een snelle, betrouwbare schermrecorder voor Linux. Neem schermen, vensters, games, systeemaudio, microfoons en webcams op en bewerk en beheer opnamen lokaal, zonder upload naar de cloud.</translation>
    </message>
    <message>
        <source>Development Team</source>
        <translation>Ontwikkelteam</translation>
    </message>
    <message>
        <source>The Vistrelle developers</source>
        <translation>De ontwikkelaars van Vistrelle</translation>
    </message>
    <message>
        <source>© Vistrelle. All rights reserved.</source>
        <translation>© Vistrelle. Alle rechten voorbehouden.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>切换语言</source>
        <translation>Taal wijzigen</translation>
    </message>
    <message>
        <source>无法保存语言设置，请检查当前用户的配置权限。</source>
        <translation>De taal kon niet worden opgeslagen. Controleer of de huidige gebruiker zijn configuratie mag schrijven.</translation>
    </message>
    <message>
        <source>语言设置已保存，重启 Vistrelle 后生效。是否立即重启？</source>
        <translation>De taal is opgeslagen en geldt na een herstart van Vistrelle. Nu herstarten?</translation>
    </message>
    <message>
        <source>重启失败</source>
        <translation>Herstarten mislukt</translation>
    </message>
    <message>
        <source>无法自动重启，请手动重新打开 Vistrelle。</source>
        <translation>Vistrelle kon niet zelf herstarten. Open het zelf opnieuw.</translation>
    </message>
    <message>
        <source>录制的窗口已关闭</source>
        <translation>Opgenomen venster gesloten</translation>
    </message>
    <message>
        <source>Custom Area</source>
        <translation>Vrij gebied</translation>
    </message>
    <message>
        <source>The display of the chosen area is no longer connected. Choose the area again.</source>
        <translation>Het scherm van het gekozen gebied is niet meer aangesloten. Kies het gebied opnieuw.</translation>
    </message>
    <message>
        <source>Nothing was recorded: the program quit before the recording began.</source>
        <translation>Er is niets opgenomen: het programma werd afgesloten voordat de opname begon.</translation>
    </message>
</context>
<context>
    <name>MediaProbe</name>
    <message>
        <source>无法启动 ffprobe（%1）。</source>
        <translation>ffprobe kon niet worden gestart (%1).</translation>
    </message>
    <message>
        <source>ffprobe 没有在 %1 秒内结束。</source>
        <translation>ffprobe was niet binnen %1 seconden klaar.</translation>
    </message>
    <message>
        <source>ffprobe 没有给出可读的回答。</source>
        <translation>ffprobe gaf geen leesbaar antwoord.</translation>
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
        <translation>Vistrelle — Speler</translation>
    </message>
    <message>
        <source>截图</source>
        <translation>Schermafbeelding</translation>
    </message>
    <message>
        <source>无法保存截图到 %1。</source>
        <translation>Kan de schermafbeelding niet opslaan in %1.</translation>
    </message>
</context>
<context>
    <name>QDialog</name>
    <message>
        <source>Enable Screen Recording</source>
        <translation>Schermopname inschakelen</translation>
    </message>
    <message>
        <source>Enable Microphone Access</source>
        <translation>Microfoontoegang inschakelen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Vistrelle needs permission before it can record your screen.</source>
        <translation>Vistrelle heeft toestemming nodig om uw scherm op te nemen.</translation>
    </message>
    <message>
        <source>Vistrelle needs permission before it can record your voice.</source>
        <translation>Vistrelle heeft toestemming nodig om uw stem op te nemen.</translation>
    </message>
    <message>
        <source>Screen &amp; System Audio Recording</source>
        <translation>Scherm- en systeemaudio-opname</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Microfoon</translation>
    </message>
    <message>
        <source>Allow these apps to record your screen.</source>
        <translation>Sta deze apps toe uw scherm op te nemen.</translation>
    </message>
    <message>
        <source>Allow these apps to use your microphone.</source>
        <translation>Sta deze apps toe uw microfoon te gebruiken.</translation>
    </message>
    <message>
        <source>Illustration of macOS System Settings</source>
        <translation>Illustratie van de macOS-systeeminstellingen</translation>
    </message>
    <message>
        <source>Three quick steps</source>
        <translation>Drie snelle stappen</translation>
    </message>
    <message>
        <source>Open Screen Recording settings.</source>
        <translation>Open de instellingen voor schermopname.</translation>
    </message>
    <message>
        <source>Open Microphone settings.</source>
        <translation>Open de microfooninstellingen.</translation>
    </message>
    <message>
        <source>Turn on Vistrelle.</source>
        <translation>Zet Vistrelle aan.</translation>
    </message>
    <message>
        <source>Quit and reopen Vistrelle, then record.</source>
        <translation>Sluit Vistrelle af, open het opnieuw en neem op.</translation>
    </message>
    <message>
        <source>Return and start recording.</source>
        <translation>Ga terug en start de opname.</translation>
    </message>
    <message>
        <source>Restart Vistrelle after changing this setting.</source>
        <translation>Start Vistrelle opnieuw na het wijzigen van deze instelling.</translation>
    </message>
    <message>
        <source>You can also turn off Microphone and record without voice.</source>
        <translation>U kunt de microfoon ook uitzetten en zonder stem opnemen.</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Niet nu</translation>
    </message>
    <message>
        <source>Open Settings ↗</source>
        <translation>Instellingen openen ↗</translation>
    </message>
    <message>
        <source>Open System Settings &gt; Privacy &amp; Security &gt; Screen &amp; System Audio Recording and allow Vistrelle.</source>
        <translation>Open Systeeminstellingen &gt; Privacy en beveiliging &gt; Scherm- en systeemaudio-opname en sta Vistrelle toe.</translation>
    </message>
    <message>
        <source>Open System Settings &gt; Privacy &amp; Security &gt; Microphone and allow Vistrelle.</source>
        <translation>Open Systeeminstellingen &gt; Privacy en beveiliging &gt; Microfoon en sta Vistrelle toe.</translation>
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
    <message>
        <source>Vistrelle is already running</source>
        <translation>Vistrelle is al actief</translation>
    </message>
    <message>
        <source>Another Vistrelle process is running. Finish its recording and quit it before opening Vistrelle again.</source>
        <translation>Er draait al een ander Vistrelle-proces. Rond de opname af en sluit het voordat u Vistrelle opnieuw opent.</translation>
    </message>
    <message>
        <source>已有 FFmpeg 任务正在执行</source>
        <translation>Er loopt al een FFmpeg-taak</translation>
    </message>
    <message>
        <source>FFmpeg 未找到或无法启动：%1</source>
        <translation>FFmpeg is niet gevonden of kon niet starten: %1</translation>
    </message>
    <message>
        <source>操作已取消</source>
        <translation>De bewerking is geannuleerd</translation>
    </message>
    <message>
        <source>FFmpeg 出错：
%1</source>
        <translation>FFmpeg meldde een fout:
%1</translation>
    </message>
    <message>
        <source>裁剪参数无效</source>
        <translation>Ongeldige bijsnij-instellingen</translation>
    </message>
    <message>
        <source>合并参数无效</source>
        <translation>Ongeldige samenvoeginstellingen</translation>
    </message>
    <message>
        <source>无法创建合并列表文件</source>
        <translation>Kan het samenvoeglijstbestand niet maken</translation>
    </message>
    <message>
        <source>变速参数无效</source>
        <translation>Ongeldige snelheidsinstelling</translation>
    </message>
    <message>
        <source>转场效果无效：%1</source>
        <translation>Ongeldige overgang: %1</translation>
    </message>
    <message>
        <source>转场失败：至少有一个视频时长小于转场时长</source>
        <translation>Overgang mislukt: minstens één video is korter dan de overgang</translation>
    </message>
    <message>
        <source>音频降噪需要 sh.rnnn 模型文件，请放到程序目录，或先关闭音频降噪。</source>
        <translation>Audioruisonderdrukking heeft het modelbestand sh.rnnn nodig: zet het in de programmamap of schakel audioruisonderdrukking uit.</translation>
    </message>
    <message>
        <source>字幕文件不存在：%1</source>
        <translation>Ondertitelbestand niet gevonden: %1</translation>
    </message>
    <message>
        <source>FFmpeg 报告完成，但没有写出可用的文件：
%1</source>
        <translation>FFmpeg meldde succes, maar schreef geen bruikbaar bestand:
%1</translation>
    </message>
    <message>
        <source>格式无效或不受支持</source>
        <translation>de indeling is ongeldig of wordt niet ondersteund</translation>
    </message>
    <message>
        <source>没有读取权限</source>
        <translation>geen leesrechten</translation>
    </message>
    <message>
        <source>文件无法读取或已损坏</source>
        <translation>het bestand kan niet worden gelezen of is beschadigd</translation>
    </message>
    <message>
        <source>无法打开文件：%1</source>
        <translation>Het bestand kan niet worden geopend: %1</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nee</translation>
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
        <translation type="vanished">Voor het opnemen van systeemgeluid is macOS 13 of nieuwer nodig.</translation>
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
        <translation type="vanished">Kan systeemgeluid niet opnemen: %1</translation>
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
    <message>
        <source>保存磁盘的剩余空间已不足 %1 MB，录制已停止；已录制的内容会正常保存。</source>
        <translation type="vanished">Er is minder dan %1 MB vrij op de opslagschijf, daarom is de opname gestopt. Alles wat tot nu toe is opgenomen, wordt opgeslagen.</translation>
    </message>
    <message>
        <source>屏幕录制不可用：屏幕录制需要 X11 会话，在 Wayland 下无法录制屏幕。</source>
        <translation>Schermopname is niet beschikbaar: het scherm opnemen vereist een X11-sessie en is onder Wayland niet mogelijk.</translation>
    </message>
    <message>
        <source>录制分段异常，退出码=%1。没有录下任何内容。
%2</source>
        <translation>Het opnamesegment is mislukt (afsluitcode %1). Er is niets opgenomen.
%2</translation>
    </message>
    <message>
        <source>无法录制麦克风：%1</source>
        <translation type="vanished">Kan de microfoon niet opnemen: %1</translation>
    </message>
    <message>
        <source>保存文件夹不可写入：%1</source>
        <translation>De opslagmap is niet beschrijfbaar: %1</translation>
    </message>
    <message>
        <source>无法录制系统声音，因为声音服务器无法连接。</source>
        <translation>Systeemgeluid kan niet worden opgenomen omdat de geluidsserver niet bereikbaar is.</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已快满，录制已停止。已录下的分段保留在：
%2</source>
        <translation>De opslagschijf %1 is bijna vol, daarom is de opname gestopt. De opgenomen segmenten blijven bewaard in:
%2</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已快满，录制已停止并已保存为：
%2</source>
        <translation>De opslagschijf %1 is bijna vol, daarom is de opname gestopt en opgeslagen als:
%2</translation>
    </message>
    <message>
        <source>保存文件夹不存在，也无法创建：%1
%2 不可写入。</source>
        <translation>De opslagmap bestaat niet en kan niet worden aangemaakt: %1
%2 is niet beschrijfbaar.</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已快满，录制已停止。录像保留为 %2 个分段，位于：
%3
把它们合并成一个文件还需要约 %4 的可用空间（现在可用 %5）。腾出空间后，可以手动合并这些分段。</source>
        <translation>De opslagschijf %1 is bijna vol, daarom is de opname gestopt. Ze blijft bewaard als %2 segmenten in:
%3
Om ze tot één bestand samen te voegen is ongeveer %4 vrije ruimte nodig (nu %5 vrij). Zodra er ruimte vrij is, kunt u deze segmenten zelf samenvoegen.</translation>
    </message>
    <message>
        <source>声音服务器已断开。录制仍在继续，这段时间的声音录为静音；声音服务器恢复后会自动继续录音。</source>
        <translation>De geluidsserver is weggevallen. De opname gaat door en neemt intussen stilte op; zodra de geluidsserver terug is, wordt weer geluid opgenomen.</translation>
    </message>
    <message>
        <source>录制文件夹在录制中被删除，已录下的内容随文件夹一起被删除：%1
该文件夹无法重新创建，录制已停止。
%2</source>
        <translation>De map van de opname is tijdens de opname verwijderd, en wat was opgenomen is ermee verwijderd: %1
De map kan niet opnieuw worden aangemaakt, dus de opname is gestopt.
%2</translation>
    </message>
    <message>
        <source>录制文件夹在录制中被删除，此前录下的内容已随文件夹一起被删除：%1
已重新创建该文件夹，录制继续，此后的内容会正常保存。</source>
        <translation>De map van de opname is tijdens de opname verwijderd, en wat tot dan toe was opgenomen is ermee verwijderd: %1
De map is opnieuw aangemaakt; de opname gaat door en alles vanaf nu wordt bewaard.</translation>
    </message>
    <message>
        <source>无法录制麦克风，因为声音服务器无法连接。</source>
        <translation>De microfoon kan niet worden opgenomen omdat de geluidsserver niet bereikbaar is.</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已满，录制已停止。录下的内容没有可以播放的部分，没有保存录像；未完成的分段保留在：
%2</source>
        <translation>De opslagschijf %1 is vol, dus de opname is gestopt. Niets van wat is opgenomen kan worden afgespeeld, dus er is geen opname opgeslagen; het onvoltooide segment staat nog in:
%2</translation>
    </message>
    <message>
        <source>编码器停止了响应，录像只保存到 %1（共录制了 %2）：
%3</source>
        <translation type="vanished">De encoder reageerde niet meer: de opname is opgeslagen tot %1 (van %2 opgenomen):
%3</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已满，没有录下任何内容。请清理空间或更换保存目录。
%2</source>
        <translation type="vanished">De opslagschijf %1 is vol, dus er is niets opgenomen. Maak ruimte vrij of kies een andere opslagmap.
%2</translation>
    </message>
    <message>
        <source>所选麦克风已断开，录制改为使用系统默认的输入设备继续录音。</source>
        <translation>De gekozen microfoon is losgekoppeld. De opname gaat verder met het standaard invoerapparaat van het systeem.</translation>
    </message>
    <message>
        <source>编码器停止了响应：文件保存了 %1（共录制了 %2），从 %3 起缺少 %4：
%5</source>
        <translation>De encoder reageerde niet meer: het bestand bevat %1 van de %2 opgenomen; vanaf %3 ontbreekt %4:
%5</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已满，录制已停止。录像保留为 %2 个分段，位于：
%3
把它们合并成一个文件还需要约 %4 的可用空间（现在可用 %5）。腾出空间后，可以手动合并这些分段。</source>
        <translation>De opslagschijf %1 is vol, daarom is de opname gestopt. Ze blijft bewaard als %2 segmenten in:
%3
Om ze tot één bestand samen te voegen is ongeveer %4 vrije ruimte nodig (nu %5 vrij). Zodra er ruimte vrij is, kunt u deze segmenten zelf samenvoegen.</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已满，录制已停止。已录下的分段保留在：
%2</source>
        <translation>De opslagschijf %1 is vol, daarom is de opname gestopt. De opgenomen segmenten blijven bewaard in:
%2</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已满，录制已停止并已保存为：
%2</source>
        <translation>De opslagschijf %1 is vol, daarom is de opname gestopt en opgeslagen als:
%2</translation>
    </message>
    <message>
        <source>录制进程意外结束，没有录下任何内容。</source>
        <translation>Het opnameproces is onverwacht gestopt; er is niets opgenomen.</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已满，没有录下任何内容。请清理空间或更换保存目录。</source>
        <translation>De opslagschijf %1 is vol, dus er is niets opgenomen. Maak ruimte vrij of kies een andere opslagmap.</translation>
    </message>
    <message>
        <source>无法录制麦克风：声音服务器没有开始录音。请检查输入设备后重试。</source>
        <translation>Kan de microfoon niet opnemen: de geluidsserver is niet met opnemen begonnen. Controleer het invoerapparaat en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>无法捕获系统声音：声音服务器没有开始录音。请检查输出设备后重试。</source>
        <translation>Kan het systeemgeluid niet opnemen: de geluidsserver is niet met opnemen begonnen. Controleer het uitvoerapparaat en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>正在等待 FFmpeg 检测编码器…</source>
        <translation>Wachten tot FFmpeg de encoders heeft getest…</translation>
    </message>
    <message>
        <source>正在等待 FFmpeg 开始录制…</source>
        <translation>Wachten tot FFmpeg begint met opnemen…</translation>
    </message>
    <message>
        <source>请先启动声音服务器（PulseAudio），再开始录制。</source>
        <translation>Start eerst de geluidsserver (PulseAudio) en begin daarna met opnemen.</translation>
    </message>
    <message>
        <source>请先启动声音服务器（PulseAudio），或关闭扬声器和麦克风后录制无声视频。</source>
        <translation>Start eerst de geluidsserver (PulseAudio), of zet de luidspreker en de microfoon uit om een video zonder geluid op te nemen.</translation>
    </message>
    <message>
        <source>没有录下任何内容：录制在开始之前就已停止。</source>
        <translation>Er is niets opgenomen: de opname werd gestopt voordat ze begon.</translation>
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
    <message>
        <source>保存磁盘 %1 已满，分段没有合并成一个文件。腾出约 %2 的可用空间后，可以手动合并这些分段。</source>
        <translation>De opslagschijf %1 is vol, daarom zijn de segmenten niet tot één bestand samengevoegd. Zodra er ongeveer %2 vrij is, kunt u deze segmenten zelf samenvoegen.</translation>
    </message>
</context>
<context>
    <name>RecordingSettingsDialog</name>
    <message>
        <source>录制性能设置</source>
        <translation>Opnameprestaties</translation>
    </message>
    <message>
        <source>录制性能</source>
        <translation>Opnameprestaties</translation>
    </message>
    <message>
        <source>选择用途，自动匹配参数</source>
        <translation>Kies een doel, de instellingen volgen</translation>
    </message>
    <message>
        <source>预设</source>
        <translation>Voorinstellingen</translation>
    </message>
    <message>
        <source>办公
文档、会议</source>
        <translation>Kantoor
Documenten, vergaderingen</translation>
    </message>
    <message>
        <source>课程
文字清晰</source>
        <translation>Cursus
Scherpe tekst</translation>
    </message>
    <message>
        <source>游戏
流畅优先</source>
        <translation>Games
Vloeiendheid eerst</translation>
    </message>
    <message>
        <source>高画质
细节优先</source>
        <translation>Hoge kwaliteit
Detail eerst</translation>
    </message>
    <message>
        <source>高级设置  ▾</source>
        <translation>Geavanceerde instellingen  ▾</translation>
    </message>
    <message>
        <source>帧率</source>
        <translation>Framesnelheid</translation>
    </message>
    <message>
        <source>格式</source>
        <translation>Formaat</translation>
    </message>
    <message>
        <source>画质</source>
        <translation>Beeldkwaliteit</translation>
    </message>
    <message>
        <source>帧率类型</source>
        <translation>Framesnelheidsmodus</translation>
    </message>
    <message>
        <source>编码器</source>
        <translation>Encoder</translation>
    </message>
    <message>
        <source>关键帧</source>
        <translation>Keyframes</translation>
    </message>
    <message>
        <source>30 FPS（推荐）</source>
        <translation>30 FPS (aanbevolen)</translation>
    </message>
    <message>
        <source>标准</source>
        <translation>Standaard</translation>
    </message>
    <message>
        <source>高清（推荐）</source>
        <translation>HD (aanbevolen)</translation>
    </message>
    <message>
        <source>超清</source>
        <translation>Ultra HD</translation>
    </message>
    <message>
        <source>自动（推荐）</source>
        <translation>Automatisch (aanbevolen)</translation>
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
        <translation>MP4 (compatibel)</translation>
    </message>
    <message>
        <source>MKV（易恢复）</source>
        <translation>MKV (makkelijk te herstellen)</translation>
    </message>
    <message>
        <source>恒定（推荐）</source>
        <translation>Constant (aanbevolen)</translation>
    </message>
    <message>
        <source>可变（省空间）</source>
        <translation>Variabel (bespaart ruimte)</translation>
    </message>
    <message>
        <source>1 秒</source>
        <translation>1 s</translation>
    </message>
    <message>
        <source>2 秒（推荐）</source>
        <translation>2 s (aanbevolen)</translation>
    </message>
    <message>
        <source>5 秒</source>
        <translation>5 s</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>Klaar</translation>
    </message>
    <message>
        <source>收起高级设置  ▴</source>
        <translation>Geavanceerde instellingen verbergen  ▴</translation>
    </message>
    <message>
        <source>高清</source>
        <translation>HD</translation>
    </message>
    <message>
        <source>CPU 编码</source>
        <translation>CPU-codering</translation>
    </message>
    <message>
        <source>自动编码</source>
        <translation>Automatische codering</translation>
    </message>
    <message>
        <source>GPU 编码</source>
        <translation>GPU-codering</translation>
    </message>
    <message>
        <source>高性能模式</source>
        <translation>Hoge-prestatiemodus</translation>
    </message>
    <message>
        <source>适合办公与课程</source>
        <translation>Geschikt voor kantoor en cursussen</translation>
    </message>
    <message>
        <source>适合游戏</source>
        <translation>Geschikt voor games</translation>
    </message>
    <message>
        <source>%1 · %2 · 关键帧 %3 秒</source>
        <translation>%1 · %2 · keyframe elke %3 s</translation>
    </message>
    <message>
        <source>可变</source>
        <translation>Variabel</translation>
    </message>
    <message>
        <source>恒定</source>
        <translation>Constant</translation>
    </message>
    <message>
        <source>%1 FPS · %2 · %3
%4 · %5</source>
        <translation>%1 FPS · %2 · %3
%4 · %5</translation>
    </message>
    <message>
        <source>当前显示器最高刷新率约为 %1 Hz</source>
        <translation>Het snelste scherm ververst op ongeveer %1 Hz</translation>
    </message>
    <message>
        <source>没有检测到可用的 H.264 GPU 硬件编码器</source>
        <translation>Geen werkende H.264-GPU-hardware-encoder gevonden</translation>
    </message>
    <message>
        <source>120 FPS 性能检查</source>
        <translation>120 FPS-prestatiecontrole</translation>
    </message>
    <message>
        <source>当前设备可能无法稳定录制 120 FPS：

• %1

建议自动调整为 60 FPS。录制期间仍会继续监测实际性能。</source>
        <translation>Dit apparaat neemt 120 FPS mogelijk niet stabiel op:

• %1

Overschakelen naar 60 FPS wordt aanbevolen. De werkelijke prestaties worden tijdens de opname blijvend gevolgd.</translation>
    </message>
    <message>
        <source>自动改为 60 FPS</source>
        <translation>Overschakelen naar 60 FPS</translation>
    </message>
    <message>
        <source>仍然使用 120 FPS</source>
        <translation>120 FPS behouden</translation>
    </message>
    <message>
        <source>返回设置</source>
        <translation>Terug naar instellingen</translation>
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
    <message>
        <source>这个时间已经过去，请选择一个将来的时间。</source>
        <translation>Dit tijdstip is al voorbij. Kies een tijdstip in de toekomst.</translation>
    </message>
</context>
<context>
    <name>ScreenshotNotice</name>
    <message>
        <source>截图失败</source>
        <translation>Schermafbeelding mislukt</translation>
    </message>
    <message>
        <source>无法截取画面。</source>
        <translation>De afbeelding kon niet worden gemaakt.</translation>
    </message>
    <message>
        <source>无法保存截图：
%1
请检查文件夹的写入权限。</source>
        <translation>Kan de schermafbeelding niet opslaan:
%1
Controleer of de map beschrijfbaar is.</translation>
    </message>
    <message>
        <source>截图完成</source>
        <translation>Schermafbeelding opgeslagen</translation>
    </message>
    <message>
        <source>截图已保存到：
%1</source>
        <translation>De schermafbeelding is opgeslagen in:
%1</translation>
    </message>
    <message>
        <source>上一张截图仍在保存，请稍后再试。</source>
        <translation>De vorige schermafbeeldingen worden nog opgeslagen. Probeer het zo opnieuw.</translation>
    </message>
</context>
<context>
    <name>SegmentMerger</name>
    <message>
        <source>FFmpeg 停止了响应，分段没有合并。</source>
        <translation>FFmpeg reageerde niet meer, daarom zijn de segmenten niet samengevoegd.</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>设置</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>通用</source>
        <translation>Algemeen</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>鼠标效果</source>
        <translation>Muiseffecten</translation>
    </message>
    <message>
        <source>快捷键</source>
        <translation>Sneltoetsen</translation>
    </message>
    <message>
        <source>录制</source>
        <translation>Opname</translation>
    </message>
    <message>
        <source>恢复默认设置</source>
        <translation>Standaardwaarden herstellen</translation>
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
        <source>保存设置</source>
        <translation>Instellingen opslaan</translation>
    </message>
    <message>
        <source>保存目录无效或无法创建，请重新选择。</source>
        <translation>De opslagmap is ongeldig of kan niet worden gemaakt. Kies een andere.</translation>
    </message>
    <message>
        <source>每个全局快捷键只能包含一个组合，请重新设置。</source>
        <translation>Elke globale sneltoets mag maar één toetscombinatie bevatten. Stel hem opnieuw in.</translation>
    </message>
    <message>
        <source>快捷键 %1 被重复使用，请为每个功能设置不同组合。</source>
        <translation>De sneltoets %1 wordt meer dan eens gebruikt. Geef elke actie een eigen combinatie.</translation>
    </message>
    <message>
        <source>快捷键设置</source>
        <translation>Sneltoetsinstellingen</translation>
    </message>
    <message>
        <source>设置写入失败，请检查当前用户的配置权限。</source>
        <translation>De instellingen konden niet worden opgeslagen. Controleer of de huidige gebruiker zijn configuratie mag schrijven.</translation>
    </message>
    <message>
        <source>开机时自动启动 Vistrelle</source>
        <translation>Vistrelle starten bij aanmelden</translation>
    </message>
    <message>
        <source>启动后最小化到系统托盘</source>
        <translation>Geminimaliseerd starten in het systeemvak</translation>
    </message>
    <message>
        <source>关闭按钮</source>
        <translation>Sluitknop</translation>
    </message>
    <message>
        <source>最小化到系统托盘</source>
        <translation>Minimaliseren naar het systeemvak</translation>
    </message>
    <message>
        <source>退出程序</source>
        <translation>Programma afsluiten</translation>
    </message>
    <message>
        <source>每次询问我</source>
        <translation>Elke keer vragen</translation>
    </message>
    <message>
        <source>选择“每次询问我”时，每次关闭主窗口都会弹出选择窗口。以后仍可在这里修改。</source>
        <translation>Met ‘Elke keer vragen’ wordt bij het sluiten van het hoofdvenster altijd gevraagd wat er moet gebeuren. U kunt dit hier later wijzigen.</translation>
    </message>
    <message>
        <source>诊断</source>
        <translation>Diagnose</translation>
    </message>
    <message>
        <source>启用详细诊断日志</source>
        <translation>Uitgebreide diagnoselogboeken inschakelen</translation>
    </message>
    <message>
        <source>日志保存在本机；重启后生效。</source>
        <translation>Logboeken blijven op deze computer; werkt na een herstart.</translation>
    </message>
    <message>
        <source>默认保存目录</source>
        <translation>Standaard opslagmap</translation>
    </message>
    <message>
        <source>浏览…</source>
        <translation>Bladeren…</translation>
    </message>
    <message>
        <source>文件命名规则</source>
        <translation>Bestandsnamen</translation>
    </message>
    <message>
        <source>日期 + 时间</source>
        <translation>Datum + tijd</translation>
    </message>
    <message>
        <source>Vistrelle + 日期时间</source>
        <translation>Vistrelle + datum en tijd</translation>
    </message>
    <message>
        <source>自动编号</source>
        <translation>Automatische nummering</translation>
    </message>
    <message>
        <source>示例：2026-09-04_143022.mp4</source>
        <translation type="vanished">Voorbeeld: 2026-09-04_143022.mp4</translation>
    </message>
    <message>
        <source>磁盘空间提醒</source>
        <translation>Waarschuwing schijfruimte</translation>
    </message>
    <message>
        <source>当磁盘剩余空间少于</source>
        <translation>Als de vrije schijfruimte onder</translation>
    </message>
    <message>
        <source>时提醒我</source>
        <translation>komt, waarschuwen</translation>
    </message>
    <message>
        <source>选择保存目录</source>
        <translation>Opslagmap kiezen</translation>
    </message>
    <message>
        <source>显示鼠标高亮</source>
        <translation>Muisaanwijzer markeren</translation>
    </message>
    <message>
        <source>高亮颜色</source>
        <translation>Markeerkleur</translation>
    </message>
    <message>
        <source>大小</source>
        <translation>Grootte</translation>
    </message>
    <message>
        <source>透明度</source>
        <translation>Dekking</translation>
    </message>
    <message>
        <source>点击动画</source>
        <translation>Klikanimatie</translation>
    </message>
    <message>
        <source>显示鼠标点击动画</source>
        <translation>Muisklikken animeren</translation>
    </message>
    <message>
        <source>左键点击</source>
        <translation>Linkerklik</translation>
    </message>
    <message>
        <source>右键点击</source>
        <translation>Rechterklik</translation>
    </message>
    <message>
        <source>选择颜色</source>
        <translation>Kleur kiezen</translation>
    </message>
    <message>
        <source>点击选择颜色</source>
        <translation>Klik om een kleur te kiezen</translation>
    </message>
    <message>
        <source>开始 / 停止录制</source>
        <translation>Opname starten / stoppen</translation>
    </message>
    <message>
        <source>暂停 / 继续录制</source>
        <translation>Opname pauzeren / hervatten</translation>
    </message>
    <message>
        <source>截图（全屏 / 区域）</source>
        <translation>Schermafbeelding (volledig scherm / gebied)</translation>
    </message>
    <message>
        <source>显示 / 隐藏悬浮工具栏</source>
        <translation>Zwevende werkbalk tonen / verbergen</translation>
    </message>
    <message>
        <source>显示 / 隐藏注释工具栏</source>
        <translation>Annotatiehulpmiddelen tonen / verbergen</translation>
    </message>
    <message>
        <source>点击确定后保存，应用于下一次录制。</source>
        <translation>Wordt opgeslagen met OK en geldt voor de volgende opname.</translation>
    </message>
    <message>
        <source>录制预设</source>
        <translation>Opnamevoorinstelling</translation>
    </message>
    <message>
        <source>办公</source>
        <translation>Kantoor</translation>
    </message>
    <message>
        <source>课程</source>
        <translation>Cursus</translation>
    </message>
    <message>
        <source>游戏</source>
        <translation>Games</translation>
    </message>
    <message>
        <source>自定义</source>
        <translation>Aangepast</translation>
    </message>
    <message>
        <source>标准</source>
        <translation>Standaard</translation>
    </message>
    <message>
        <source>高清（推荐）</source>
        <translation>HD (aanbevolen)</translation>
    </message>
    <message>
        <source>超清</source>
        <translation>Ultra HD</translation>
    </message>
    <message>
        <source>自动（推荐）</source>
        <translation>Automatisch (aanbevolen)</translation>
    </message>
    <message>
        <source>恒定（推荐）</source>
        <translation>Constant (aanbevolen)</translation>
    </message>
    <message>
        <source>可变</source>
        <translation>Variabel</translation>
    </message>
    <message>
        <source>%1 秒</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>常用设置</source>
        <translation>Veelgebruikte instellingen</translation>
    </message>
    <message>
        <source>视频格式</source>
        <translation>Videoformaat</translation>
    </message>
    <message>
        <source>帧率</source>
        <translation>Framesnelheid</translation>
    </message>
    <message>
        <source>画质</source>
        <translation>Beeldkwaliteit</translation>
    </message>
    <message>
        <source>硬件加速</source>
        <translation>Hardwareversnelling</translation>
    </message>
    <message>
        <source>高级设置 ▾</source>
        <translation>Geavanceerde instellingen ▾</translation>
    </message>
    <message>
        <source>帧率类型</source>
        <translation>Framesnelheidsmodus</translation>
    </message>
    <message>
        <source>关键帧间隔</source>
        <translation>Keyframe-interval</translation>
    </message>
    <message>
        <source>收起高级设置 ▴</source>
        <translation>Geavanceerde instellingen verbergen ▴</translation>
    </message>
    <message>
        <source>示例：%1</source>
        <translation>Voorbeeld: %1</translation>
    </message>
</context>
<context>
    <name>SetupRecordingToolbar</name>
    <message>
        <source>Full Screen  ▾</source>
        <translation>Volledig scherm  ▾</translation>
    </message>
    <message>
        <source>Display 1</source>
        <translation>Scherm 1</translation>
    </message>
    <message>
        <source>Webcam  ▾</source>
        <translation>Webcam  ▾</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Uit</translation>
    </message>
    <message>
        <source>Speaker  ▾</source>
        <translation>Luidspreker  ▾</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Aan</translation>
    </message>
    <message>
        <source>Microphone  ▾</source>
        <translation>Microfoon  ▾</translation>
    </message>
    <message>
        <source>Screenshot</source>
        <translation>Schermafbeelding</translation>
    </message>
    <message>
        <source>Auto Stop</source>
        <translation>Auto-stop</translation>
    </message>
    <message>
        <source>Auto Split</source>
        <translation>Auto-splitsen</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Planning</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Volledig scherm</translation>
    </message>
    <message>
        <source>Full Screen · Display %1</source>
        <translation>Volledig scherm · Scherm %1</translation>
    </message>
    <message>
        <source>Custom Area</source>
        <translation>Vrij gebied</translation>
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
        <source>Custom Area  ▾</source>
        <translation>Vrij gebied  ▾</translation>
    </message>
    <message>
        <source>Window  ▾</source>
        <translation>Venster  ▾</translation>
    </message>
    <message>
        <source>Game  ▾</source>
        <translation>Game  ▾</translation>
    </message>
    <message>
        <source>Audio Only  ▾</source>
        <translation>Alleen audio  ▾</translation>
    </message>
    <message>
        <source>Start recording</source>
        <translation>Opname starten</translation>
    </message>
    <message>
        <source>Select a window before recording</source>
        <translation>Kies een venster voordat u opneemt</translation>
    </message>
    <message>
        <source>Drag toolbar</source>
        <translation>Werkbalk slepen</translation>
    </message>
    <message>
        <source>Open menu</source>
        <translation>Menu openen</translation>
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
    <name>TimelineWidget</name>
    <message>
        <source>🎬 视频</source>
        <translation>🎬 Video</translation>
    </message>
    <message>
        <source>🔊 系统音</source>
        <translation>🔊 Systeem</translation>
    </message>
    <message>
        <source>🎵 背景乐</source>
        <translation>🎵 Muziek</translation>
    </message>
    <message>
        <source>📝 字幕</source>
        <translation>📝 Ondertitels</translation>
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
        <translation type="vanished">snelheid</translation>
    </message>
    <message>
        <source>转换</source>
        <translation type="vanished">Converteren</translation>
    </message>
    <message>
        <source>信息</source>
        <translation type="vanished">informatie</translation>
    </message>
    <message>
        <source>取消</source>
        <translation type="vanished">Annuleren</translation>
    </message>
    <message>
        <source>应用</source>
        <translation type="vanished">Toepassen</translation>
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
        <translation type="vanished">%1 bestanden</translation>
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
    <message>
        <source>正在生成波形…</source>
        <translation>Golfvorm maken…</translation>
    </message>
    <message>
        <source>正在加载缩略图…</source>
        <translation>Miniatuur laden…</translation>
    </message>
    <message>
        <source>音频文件</source>
        <translation>Audiobestand</translation>
    </message>
    <message>
        <source>无法加载缩略图</source>
        <translation>Miniatuur niet beschikbaar</translation>
    </message>
    <message>
        <source>移除声音</source>
        <translation>Geluid uit</translation>
    </message>
    <message>
        <source>裁剪</source>
        <translation>Bijsnijden</translation>
    </message>
    <message>
        <source>分割</source>
        <translation>Splitsen</translation>
    </message>
    <message>
        <source>截图</source>
        <translation>Schermafbeelding</translation>
    </message>
    <message>
        <source>水印</source>
        <translation>Watermerk</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Ongedaan maken</translation>
    </message>
    <message>
        <source>更多</source>
        <translation>Meer</translation>
    </message>
    <message>
        <source>编辑与文件工具</source>
        <translation>Bewerkings- en bestandshulpmiddelen</translation>
    </message>
    <message>
        <source>裁剪视频</source>
        <translation>Video bijsnijden</translation>
    </message>
    <message>
        <source>拖动两侧滑块，选择保留的片段</source>
        <translation>Sleep de twee grepen om het te bewaren deel te kiezen</translation>
    </message>
    <message>
        <source>Start Trimming...</source>
        <translation>Bijsnijden starten...</translation>
    </message>
    <message>
        <source>分割点  %1</source>
        <translation>Splitspunt  %1</translation>
    </message>
    <message>
        <source>将在 %1 处分割为两个%2片段</source>
        <translation type="vanished">Splitst bij %1 in twee fragmenten (%2)</translation>
    </message>
    <message>
        <source>选中时长  %1</source>
        <translation>Geselecteerd  %1</translation>
    </message>
    <message>
        <source>Mute Selection</source>
        <translation>Selectie dempen</translation>
    </message>
    <message>
        <source>预览画面效果</source>
        <translation>Voorbeeld van beeldeffect</translation>
    </message>
    <message>
        <source>分割音频</source>
        <translation>Audio splitsen</translation>
    </message>
    <message>
        <source>分割视频</source>
        <translation>Video splitsen</translation>
    </message>
    <message>
        <source>裁剪音频</source>
        <translation>Audio bijsnijden</translation>
    </message>
    <message>
        <source>当前仅预览，点击保存后才会处理视频</source>
        <translation>Alleen voorbeeld: de video wordt verwerkt als u op Opslaan klikt</translation>
    </message>
    <message>
        <source>拖动黄色分割线，选择分割位置</source>
        <translation>Sleep de gele lijn naar de plek om te splitsen</translation>
    </message>
    <message>
        <source>Save Muted Copy</source>
        <translation>Gedempte kopie opslaan</translation>
    </message>
    <message>
        <source>开始分割</source>
        <translation>Splitsen starten</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>已设为无声</source>
        <translation>Gedempt</translation>
    </message>
    <message>
        <source>点击恢复原声</source>
        <translation>Klik om het geluid te herstellen</translation>
    </message>
    <message>
        <source>Mute audio in the selected range</source>
        <translation>Geluid in het gekozen bereik dempen</translation>
    </message>
    <message>
        <source>音量</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>调整音频音量</source>
        <translation>Audiovolume aanpassen</translation>
    </message>
    <message>
        <source>Vistrelle 全屏播放</source>
        <translation>Vistrelle volledig scherm</translation>
    </message>
    <message>
        <source>截图不可用</source>
        <translation>Schermafbeelding niet beschikbaar</translation>
    </message>
    <message>
        <source>视频画面尚未就绪，请先播放或移动到需要截图的位置。</source>
        <translation>Het videobeeld is nog niet klaar. Speel de video af of ga eerst naar het moment dat u wilt vastleggen.</translation>
    </message>
    <message>
        <source>截图完成</source>
        <translation>Schermafbeelding opgeslagen</translation>
    </message>
    <message>
        <source>截图已保存到：
%1</source>
        <translation>De schermafbeelding is opgeslagen in:
%1</translation>
    </message>
    <message>
        <source>正在保存媒体文件，请稍候…</source>
        <translation>Mediabestand wordt opgeslagen, even geduld…</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>正在保存</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>编辑失败</source>
        <translation>Bewerken mislukt</translation>
    </message>
    <message>
        <source>无法启动 FFmpeg。</source>
        <translation>FFmpeg kon niet worden gestart.</translation>
    </message>
    <message>
        <source>无法分割</source>
        <translation>Kan niet splitsen</translation>
    </message>
    <message>
        <source>请将播放位置移动到音频中间。</source>
        <translation>Zet de afspeelpositie midden in de audio.</translation>
    </message>
    <message>
        <source>请将播放位置移动到视频中间。</source>
        <translation>Zet de afspeelpositie midden in de video.</translation>
    </message>
    <message>
        <source>分割失败</source>
        <translation>Splitsen mislukt</translation>
    </message>
    <message>
        <source>FFmpeg 没有写出分割后的文件。</source>
        <translation>FFmpeg heeft de gesplitste bestanden niet geschreven.</translation>
    </message>
    <message>
        <source>分割完成</source>
        <translation>Splitsen voltooid</translation>
    </message>
    <message>
        <source>已生成两个音频片段。</source>
        <translation>Er zijn twee audiofragmenten gemaakt.</translation>
    </message>
    <message>
        <source>已生成两个视频片段。</source>
        <translation>Er zijn twee videofragmenten gemaakt.</translation>
    </message>
    <message>
        <source>保存失败</source>
        <translation>Opslaan mislukt</translation>
    </message>
    <message>
        <source>无法替换原文件，原文件已保留。</source>
        <translation>Het originele bestand kon niet worden vervangen; het is bewaard.</translation>
    </message>
    <message>
        <source>保存完成</source>
        <translation>Opgeslagen</translation>
    </message>
    <message>
        <source>音频已保存：
%1</source>
        <translation>De audio is opgeslagen:
%1</translation>
    </message>
    <message>
        <source>视频已保存：
%1</source>
        <translation>De video is opgeslagen:
%1</translation>
    </message>
    <message>
        <source>正在处理媒体文件…</source>
        <translation>Mediabestand wordt verwerkt…</translation>
    </message>
    <message>
        <source>处理失败</source>
        <translation>Verwerking mislukt</translation>
    </message>
    <message>
        <source>操作已完成。</source>
        <translation>De bewerking is voltooid.</translation>
    </message>
    <message>
        <source>文件已保存：
%1</source>
        <translation>Het bestand is opgeslagen:
%1</translation>
    </message>
    <message>
        <source>旋转 90°</source>
        <translation>90° draaien</translation>
    </message>
    <message>
        <source>水平翻转</source>
        <translation>Horizontaal spiegelen</translation>
    </message>
    <message>
        <source>垂直翻转</source>
        <translation>Verticaal spiegelen</translation>
    </message>
    <message>
        <source>调整播放速度</source>
        <translation>Afspeelsnelheid</translation>
    </message>
    <message>
        <source>调整音量</source>
        <translation>Volume aanpassen</translation>
    </message>
    <message>
        <source>提取音频</source>
        <translation>Audio extraheren</translation>
    </message>
    <message>
        <source>另存为 / 转换格式</source>
        <translation>Opslaan als / Converteren</translation>
    </message>
    <message>
        <source>未知</source>
        <translation>Onbekend</translation>
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
        <translation type="vanished">Formaat: %1
Codec: %2
Samplefrequentie: %3 Hz
Kanalen: %4
Bitrate: %5 kbps
Duur: %6
Grootte: %7
Gemaakt: %8
Map: %9</translation>
    </message>
    <message>
        <source>格式：%1
分辨率：%2 × %3
帧率：%4 fps
时长：%5
大小：%6
创建时间：%7
保存路径：%8</source>
        <translation type="vanished">Formaat: %1
Resolutie: %2 × %3
Framesnelheid: %4 fps
Duur: %5
Grootte: %6
Gemaakt: %7
Map: %8</translation>
    </message>
    <message>
        <source>速度</source>
        <translation>snelheid</translation>
    </message>
    <message>
        <source>转换</source>
        <translation>Converteren</translation>
    </message>
    <message>
        <source>信息</source>
        <translation>informatie</translation>
    </message>
    <message>
        <source>应用</source>
        <translation>Toepassen</translation>
    </message>
    <message>
        <source>播放速度</source>
        <translation>Afspeelsnelheid</translation>
    </message>
    <message>
        <source>调整预览速度，也可生成变速视频</source>
        <translation>Wijzig de voorbeeldsnelheid of maak een kopie met een ander tempo</translation>
    </message>
    <message>
        <source>选择速度</source>
        <translation>Kies een snelheid</translation>
    </message>
    <message>
        <source>Normal (1×)</source>
        <translation>Normaal (1×)</translation>
    </message>
    <message>
        <source>0.5× 慢速    1× 原速    1.5× / 2× 加速</source>
        <translation>0.5× langzamer    1× origineel    1.5× / 2× sneller</translation>
    </message>
    <message>
        <source>变速完成</source>
        <translation>Snelheid gewijzigd</translation>
    </message>
    <message>
        <source>预览并输出新的音量电平</source>
        <translation>Beluister een nieuw volumeniveau en maak er een kopie mee</translation>
    </message>
    <message>
        <source>静音</source>
        <translation>Dempen</translation>
    </message>
    <message>
        <source>音量调整完成</source>
        <translation>Volume aangepast</translation>
    </message>
    <message>
        <source>从视频中提取音轨，保存为音频文件</source>
        <translation>Sla het geluidsspoor van de video op als audiobestand</translation>
    </message>
    <message>
        <source>提取</source>
        <translation>Extraheren</translation>
    </message>
    <message>
        <source>输出格式</source>
        <translation>Uitvoerformaat</translation>
    </message>
    <message>
        <source>音质</source>
        <translation>Audiokwaliteit</translation>
    </message>
    <message>
        <source>高质量（320 kbps）</source>
        <translation>Hoog (320 kbps)</translation>
    </message>
    <message>
        <source>标准（192 kbps）</source>
        <translation>Standaard (192 kbps)</translation>
    </message>
    <message>
        <source>压缩（128 kbps）</source>
        <translation>Compact (128 kbps)</translation>
    </message>
    <message>
        <source>音频提取完成</source>
        <translation>Audio geëxtraheerd</translation>
    </message>
    <message>
        <source>选择输出格式并保留原始文件</source>
        <translation>Kies het uitvoerformaat; het originele bestand blijft behouden</translation>
    </message>
    <message>
        <source>导出</source>
        <translation>Exporteren</translation>
    </message>
    <message>
        <source>画质</source>
        <translation>Beeldkwaliteit</translation>
    </message>
    <message>
        <source>高质量</source>
        <translation>Hoog</translation>
    </message>
    <message>
        <source>标准</source>
        <translation>Standaard</translation>
    </message>
    <message>
        <source>压缩</source>
        <translation>Compact</translation>
    </message>
    <message>
        <source>转换完成</source>
        <translation>Conversie voltooid</translation>
    </message>
    <message>
        <source>修改文件名，扩展名保持不变</source>
        <translation>Wijzig de bestandsnaam; de extensie blijft</translation>
    </message>
    <message>
        <source>新文件名</source>
        <translation>Nieuwe bestandsnaam</translation>
    </message>
    <message>
        <source>名称无效</source>
        <translation>Ongeldige naam</translation>
    </message>
    <message>
        <source>文件名为空或包含无效字符。</source>
        <translation>De bestandsnaam is leeg of bevat ongeldige tekens.</translation>
    </message>
    <message>
        <source>重命名失败</source>
        <translation>Naam wijzigen mislukt</translation>
    </message>
    <message>
        <source>目标文件已存在或文件正在被占用。</source>
        <translation>Er bestaat al een bestand met die naam of het bestand is in gebruik.</translation>
    </message>
    <message>
        <source>查看音频文件的详细信息</source>
        <translation>Details van het audiobestand</translation>
    </message>
    <message>
        <source>查看视频文件的详细信息</source>
        <translation>Details van het videobestand</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>复制信息</source>
        <translation>Details kopiëren</translation>
    </message>
    <message>
        <source>无法在视频目录创建临时文件，请检查写入权限。</source>
        <translation>Kan geen tijdelijk bestand maken in de map van de video. Controleer de schrijfrechten.</translation>
    </message>
    <message>
        <source>无法写入水印文字。</source>
        <translation>Kan de watermerktekst niet schrijven.</translation>
    </message>
    <message>
        <source>正在添加水印，原视频保持不变…</source>
        <translation>Watermerk wordt toegevoegd; de originele video blijft ongewijzigd…</translation>
    </message>
    <message>
        <source>无法保存水印副本，原视频未修改。</source>
        <translation>Kan de kopie met watermerk niet opslaan. De originele video is niet gewijzigd.</translation>
    </message>
    <message>
        <source>无法生成水印副本，原视频未修改。</source>
        <translation>Kan de kopie met watermerk niet maken. De originele video is niet gewijzigd.</translation>
    </message>
    <message>
        <source>将在 %1 处分割为两个音频片段</source>
        <translation>Splitst bij %1 in twee audiofragmenten</translation>
    </message>
    <message>
        <source>将在 %1 处分割为两个视频片段</source>
        <translation>Splitst bij %1 in twee videofragmenten</translation>
    </message>
    <message numerus="yes">
        <source>%n 个文件</source>
        <translation>
            <numerusform>%n bestand</numerusform>
            <numerusform>%n bestanden</numerusform>
        </translation>
    </message>
    <message>
        <source>截图失败</source>
        <translation>Schermafbeelding mislukt</translation>
    </message>
    <message>
        <source>无法保存截图：
%1
请检查文件夹的写入权限。</source>
        <translation>Kan de schermafbeelding niet opslaan:
%1
Controleer of de map beschrijfbaar is.</translation>
    </message>
    <message>
        <source>已有同名文件：
%1</source>
        <translation>Er bestaat al een bestand met deze naam:
%1</translation>
    </message>
    <message>
        <source>没有写入此文件夹的权限：
%1</source>
        <translation>Geen toestemming om naar deze map te schrijven:
%1</translation>
    </message>
    <message>
        <source>文件名不能包含字符 %1</source>
        <translation>Een bestandsnaam mag het teken %1 niet bevatten</translation>
    </message>
    <message>
        <source>文件为空</source>
        <translation>Het bestand is leeg</translation>
    </message>
    <message>
        <source>格式：%1
分辨率：%2
帧率：%3
时长：%4
大小：%5
创建时间：%6
保存路径：%7</source>
        <translation>Formaat: %1
Resolutie: %2
Framesnelheid: %3
Duur: %4
Grootte: %5
Gemaakt: %6
Map: %7</translation>
    </message>
    <message>
        <source>文件不存在</source>
        <translation>Bestand niet gevonden</translation>
    </message>
    <message>
        <source>“%1”已被移动或删除，已从列表中移除。</source>
        <translation>&quot;%1&quot; bestaat niet meer: het is verplaatst of verwijderd. Het is uit de lijst gehaald.</translation>
    </message>
    <message>
        <source>文件名过长，请缩短后再试。</source>
        <translation>De bestandsnaam is te lang. Maak hem korter en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>无法检查这个文件是否可用：%1</source>
        <translation>Kon niet controleren of dit bestand bruikbaar is: %1</translation>
    </message>
    <message>
        <source>正在读取文件信息…</source>
        <translation>Bestandsgegevens worden gelezen…</translation>
    </message>
    <message>
        <source>无法读取此文件的信息</source>
        <translation>De gegevens van dit bestand konden niet worden gelezen</translation>
    </message>
    <message>
        <source>此文件没有声音</source>
        <translation>Dit bestand heeft geen geluid</translation>
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
        <translation>Formaat: %1
Codec: %2
Samplefrequentie: %3
Kanalen: %4
Bitrate: %5
Duur: %6
Grootte: %7
Gemaakt: %8
Map: %9</translation>
    </message>
    <message>
        <source>时长未知</source>
        <translation>Onbekende duur</translation>
    </message>
    <message>
        <source>声道未知</source>
        <translation>Onbekende kanalen</translation>
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
<context>
    <name>vc::CloseBehaviorDialog</name>
    <message>
        <source>关闭 Vistrelle</source>
        <translation>Vistrelle sluiten</translation>
    </message>
    <message>
        <source>关闭窗口后要做什么？</source>
        <translation>Wat moet er gebeuren als u het venster sluit?</translation>
    </message>
    <message>
        <source>最小化到托盘</source>
        <translation>Minimaliseren naar het systeemvak</translation>
    </message>
    <message>
        <source>退出 Vistrelle</source>
        <translation>Vistrelle afsluiten</translation>
    </message>
    <message>
        <source>记住我的选择，下次不再询问</source>
        <translation>Mijn keuze onthouden en niet meer vragen</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
</context>
</TS>

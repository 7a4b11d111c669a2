<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr" sourcelanguage="zh_CN">
<context>
    <name>AnnotationOverlay</name>
    <message>
        <source>添加文字标注</source>
        <translation>Metin notu ekle</translation>
    </message>
    <message>
        <source>输入标注文字：</source>
        <translation>Not metni:</translation>
    </message>
    <message>
        <source>左键绘制  Ctrl+Z 撤销  Del 清除  ESC 退出</source>
        <translation>Çizmek için sol tuşla sürükleyin  Ctrl+Z Geri al  Del Temizle  Esc Çıkış</translation>
    </message>
</context>
<context>
    <name>AnnotationToolbar</name>
    <message>
        <source>画笔</source>
        <translation>Kalem</translation>
    </message>
    <message>
        <source>箭头</source>
        <translation>Ok</translation>
    </message>
    <message>
        <source>矩形</source>
        <translation>Dikdörtgen</translation>
    </message>
    <message>
        <source>文字</source>
        <translation>Metin</translation>
    </message>
    <message>
        <source>选择颜色</source>
        <translation>Renk Seç</translation>
    </message>
    <message>
        <source>粗细</source>
        <translation>Kalınlık</translation>
    </message>
    <message>
        <source>撤销  Ctrl+Z</source>
        <translation>Geri al  Ctrl+Z</translation>
    </message>
    <message>
        <source>清除全部  Del</source>
        <translation>Tümünü temizle  Del</translation>
    </message>
    <message>
        <source>退出注释</source>
        <translation>Not almadan çık</translation>
    </message>
    <message>
        <source>选择注释颜色</source>
        <translation>Not rengini seç</translation>
    </message>
</context>
<context>
    <name>AreaDropdown</name>
    <message>
        <source>全屏</source>
        <translation>Tam ekran</translation>
    </message>
    <message>
        <source>选择区域 / 窗口</source>
        <translation>Alan / pencere seç</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>Tamam</translation>
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
        <translation>Bir alan seçmek için tıklayıp sürükleyin</translation>
    </message>
</context>
<context>
    <name>AudioSettingsDialog</name>
    <message>
        <source>音频高级设置</source>
        <translation>Gelişmiş ses ayarları</translation>
    </message>
    <message>
        <source>系统声与麦克风会分别处理，再混合写入录制文件。</source>
        <translation>Sistem sesi ve mikrofon ayrı ayrı işlenir, ardından kayda karıştırılır.</translation>
    </message>
    <message>
        <source>系统声音音量</source>
        <translation>Sistem sesi düzeyi</translation>
    </message>
    <message>
        <source>麦克风音量</source>
        <translation>Mikrofon ses düzeyi</translation>
    </message>
    <message>
        <source> ms</source>
        <translation> ms</translation>
    </message>
    <message>
        <source>麦克风延迟</source>
        <translation>Mikrofon gecikmesi</translation>
    </message>
    <message>
        <source>麦克风降噪（降低持续环境噪声）</source>
        <translation>Mikrofon gürültü azaltma (sürekli arka plan gürültüsünü azaltır)</translation>
    </message>
    <message>
        <source>单声道输出（适合语音录制）</source>
        <translation>Mono çıkış (ses kaydı için uygun)</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>Bitti</translation>
    </message>
</context>
<context>
    <name>AutoSplitDialog</name>
    <message>
        <source>自动分割设置</source>
        <translation>Otomatik Bölme Ayarları</translation>
    </message>
    <message>
        <source>录制时按指定条件自动切分为多个文件</source>
        <translation>Bir koşul sağlandığında yeni bir bölüm başlar; sonunda tüm bölümler tek dosyada birleştirilir</translation>
    </message>
    <message>
        <source>按录制时长</source>
        <translation>Süreye göre</translation>
    </message>
    <message>
        <source>适合会议、课程等长时间录制</source>
        <translation>Toplantı ve ders gibi uzun kayıtlar için</translation>
    </message>
    <message>
        <source>分钟</source>
        <translation>dk</translation>
    </message>
    <message>
        <source>按文件大小</source>
        <translation>Dosya boyutuna göre</translation>
    </message>
    <message>
        <source>便于上传、传输或分段保存</source>
        <translation>Her bölümün boyutunu sınırlar</translation>
    </message>
    <message>
        <source>✓  无缝切分</source>
        <translation>✓  Kesintisiz bölme</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>将每 %1 分钟自动保存为一个新文件</source>
        <translation type="vanished">Her %1 dakikada yeni bir dosya kaydedilir</translation>
    </message>
    <message>
        <source>文件达到 %1 MB 时自动切分并保存</source>
        <translation>Bir bölüm %1 MB&apos;a ulaştığında yeni bölüm başlar</translation>
    </message>
    <message numerus="yes">
        <source>将每 %n 分钟自动保存为一个新文件</source>
        <translation>
            <numerusform>Her %n dakikada yeni bir bölüm başlar</numerusform>
        </translation>
    </message>
    <message>
        <source>关闭自动分割</source>
        <translation>Otomatik bölmeyi kapat</translation>
    </message>
</context>
<context>
    <name>AutoStopDialog</name>
    <message>
        <source>自动停止设置</source>
        <translation>Otomatik Durdurma Ayarları</translation>
    </message>
    <message>
        <source>录制达到指定条件时自动停止并保存文件。</source>
        <translation>Bir koşula ulaşıldığında kayıt durur ve dosya kaydedilir.</translation>
    </message>
    <message>
        <source>停止条件</source>
        <translation>Durdurma koşulu</translation>
    </message>
    <message>
        <source>按录制时长</source>
        <translation>Süreye göre</translation>
    </message>
    <message>
        <source>分钟</source>
        <translation>dk</translation>
    </message>
    <message>
        <source>按文件大小</source>
        <translation>Dosya boyutuna göre</translation>
    </message>
    <message>
        <source>录制 %1 分钟后自动停止</source>
        <translation type="vanished">%1 dakikalık kayıttan sonra durur</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>文件达到 %1 MB 后自动停止</source>
        <translation>Dosya %1 MB olduğunda durur</translation>
    </message>
    <message>
        <source>自动停止倒计时</source>
        <translation>Otomatik Durdurma Geri Sayımı</translation>
    </message>
    <message>
        <source>录制将在以上时间后自动停止</source>
        <translation>Kayıt bu süreden sonra kendiliğinden durur</translation>
    </message>
    <message>
        <source>取消自动停止</source>
        <translation>Otomatik durdurmayı iptal et</translation>
    </message>
    <message numerus="yes">
        <source>录制 %n 分钟后自动停止</source>
        <translation>
            <numerusform>%n dakikalık kayıttan sonra durur</numerusform>
        </translation>
    </message>
    <message>
        <source>关闭自动停止</source>
        <translation>Otomatik durdurmayı kapat</translation>
    </message>
</context>
<context>
    <name>BottomBar</name>
    <message>
        <source>媒体库</source>
        <translation>Medya Kitaplığı</translation>
    </message>
    <message>
        <source>水印</source>
        <translation>Filigran</translation>
    </message>
    <message>
        <source>自动分割</source>
        <translation>Otomatik Bölme</translation>
    </message>
    <message>
        <source>自动停止</source>
        <translation>Otomatik Durdurma</translation>
    </message>
    <message>
        <source>计划录制</source>
        <translation>Zamanlanmış Kayıt</translation>
    </message>
    <message>
        <source>GPU 加速</source>
        <translation>GPU Hızlandırma</translation>
    </message>
</context>
<context>
    <name>CameraRecordingPage</name>
    <message>
        <source>Camera Recording</source>
        <translation>Kamera Kaydı</translation>
    </message>
    <message>
        <source>Back to Home</source>
        <translation>Ana sayfaya dön</translation>
    </message>
    <message>
        <source>Choose a camera to start preview</source>
        <translation>Önizlemeyi başlatmak için bir kamera seçin</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Ayna</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Dikey</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Sığdır</translation>
    </message>
    <message>
        <source>Camera framing mode</source>
        <translation>Kamera çerçeveleme modu</translation>
    </message>
    <message>
        <source>System Audio</source>
        <translation>Sistem sesi</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Mikrofon</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Durdur</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>Anlık görüntü</translation>
    </message>
    <message>
        <source>Auto Stop</source>
        <translation>Oto. durdur</translation>
    </message>
    <message>
        <source>Auto Split</source>
        <translation>Otomatik böl</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ayarlar</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Doldur</translation>
    </message>
    <message>
        <source>Camera access is off. Allow Vistrelle in System Settings &gt; Privacy &amp; Security &gt; Camera, then return to this page.</source>
        <translation>Kamera erişimi kapalı. Sistem Ayarları &gt; Gizlilik ve Güvenlik &gt; Kamera bölümünden Vistrelle&apos;e izin verin, ardından bu sayfaya dönün.</translation>
    </message>
    <message>
        <source>Requesting camera access…</source>
        <translation>Kamera erişimi isteniyor…</translation>
    </message>
    <message>
        <source>Starting camera…</source>
        <translation>Kamera başlatılıyor…</translation>
    </message>
    <message>
        <source>No camera found. Connect a camera and return to this page.</source>
        <translation>Kamera bulunamadı. Bir kamera bağlayıp bu sayfaya dönün.</translation>
    </message>
    <message>
        <source>Camera did not deliver a picture. Check camera access and whether another app is using it, then select the camera again.</source>
        <translation>Kamera görüntü vermedi. Kamera erişimini ve başka bir uygulamanın kullanıp kullanmadığını kontrol edin, ardından kamerayı yeniden seçin.</translation>
    </message>
    <message>
        <source>Camera could not start. Check camera access in System Settings.</source>
        <translation>Kamera başlatılamadı. Sistem Ayarları&apos;nda kamera erişimini kontrol edin.</translation>
    </message>
    <message>
        <source>Camera stopped delivering frames. Recording has been stopped.</source>
        <translation>Kamera görüntü vermeyi durdurdu. Kayıt durduruldu.</translation>
    </message>
    <message>
        <source>Save camera snapshot</source>
        <translation>Kamera görüntüsünü kaydet</translation>
    </message>
    <message>
        <source>Could not save the image.</source>
        <translation>Görüntü kaydedilemedi.</translation>
    </message>
    <message>
        <source>Camera Permission</source>
        <translation>Kamera İzni</translation>
    </message>
    <message>
        <source>Camera access is off. Allow Vistrelle in System Settings &gt; Privacy &amp; Security &gt; Camera.</source>
        <translation>Kamera erişimi kapalı. Sistem Ayarları &gt; Gizlilik ve Güvenlik &gt; Kamera&apos;da Vistrelle&apos;e izin verin.</translation>
    </message>
    <message>
        <source>Open Settings</source>
        <translation>Ayarları Aç</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Devam</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Duraklat</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Açık</translation>
    </message>
    <message>
        <source>Starting…</source>
        <translation>Başlatılıyor…</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Kapalı</translation>
    </message>
</context>
<context>
    <name>CameraSettingsDialog</name>
    <message>
        <source>开关</source>
        <translation>Anahtar</translation>
    </message>
    <message>
        <source>点击九宫格选择摄像头位置</source>
        <translation>Web kamerası konumunu seçmek için ızgaraya tıklayın</translation>
    </message>
    <message>
        <source>摄像头位置九宫格</source>
        <translation>Web kamerası konum ızgarası</translation>
    </message>
    <message>
        <source>摄像头设置</source>
        <translation>Web kamerası ayarları</translation>
    </message>
    <message>
        <source>正在启动摄像头…</source>
        <translation>Kamera başlatılıyor…</translation>
    </message>
    <message>
        <source>实时预览</source>
        <translation>Canlı önizleme</translation>
    </message>
    <message>
        <source>摄像头关闭时，将在这里显示 · 开启摄像头后可预览</source>
        <translation>Kamera kapalıyken burada gösterilir · Önizleme için kamerayı açın</translation>
    </message>
    <message>
        <source>摄像头设备</source>
        <translation>Kamera aygıtı</translation>
    </message>
    <message>
        <source>自动</source>
        <translation>Otomatik</translation>
    </message>
    <message>
        <source>帧率</source>
        <translation>Kare hızı</translation>
    </message>
    <message>
        <source>视频质量</source>
        <translation>Video kalitesi</translation>
    </message>
    <message>
        <source>画面形状</source>
        <translation>Şekil</translation>
    </message>
    <message>
        <source>圆形</source>
        <translation>Daire</translation>
    </message>
    <message>
        <source>圆角矩形</source>
        <translation>Yuvarlak köşeli</translation>
    </message>
    <message>
        <source>矩形</source>
        <translation>Dikdörtgen</translation>
    </message>
    <message>
        <source>左上</source>
        <translation>Sol üst</translation>
    </message>
    <message>
        <source>上中</source>
        <translation>Üst orta</translation>
    </message>
    <message>
        <source>右上</source>
        <translation>Sağ üst</translation>
    </message>
    <message>
        <source>左中</source>
        <translation>Sol orta</translation>
    </message>
    <message>
        <source>居中</source>
        <translation>Orta</translation>
    </message>
    <message>
        <source>右中</source>
        <translation>Sağ orta</translation>
    </message>
    <message>
        <source>左下</source>
        <translation>Sol alt</translation>
    </message>
    <message>
        <source>下中</source>
        <translation>Alt orta</translation>
    </message>
    <message>
        <source>右下</source>
        <translation>Sağ alt</translation>
    </message>
    <message>
        <source>摄像头位置</source>
        <translation>Konum</translation>
    </message>
    <message>
        <source>小</source>
        <translation>Küçük</translation>
    </message>
    <message>
        <source>大</source>
        <translation>Büyük</translation>
    </message>
    <message>
        <source>画面大小</source>
        <translation>Boyut</translation>
    </message>
    <message>
        <source>镜像画面</source>
        <translation>Görüntüyü aynala</translation>
    </message>
    <message>
        <source>让预览效果更自然</source>
        <translation>Önizlemeyi daha doğal gösterir</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>Bitti</translation>
    </message>
    <message>
        <source>开启摄像头后可预览</source>
        <translation>Önizleme için kamerayı açın</translation>
    </message>
    <message>
        <source>未检测到摄像头</source>
        <translation>Kamera algılanmadı</translation>
    </message>
    <message>
        <source>未检测到可用摄像头</source>
        <translation>Kullanılabilir kamera algılanmadı</translation>
    </message>
    <message>
        <source>摄像头无法启动，请检查系统权限</source>
        <translation>Kamera başlatılamadı. Sistem izinlerini kontrol edin.</translation>
    </message>
</context>
<context>
    <name>CaptureTargetDialog</name>
    <message>
        <source>选择游戏</source>
        <translation>Oyun seç</translation>
    </message>
    <message>
        <source>选择窗口</source>
        <translation>Pencere seç</translation>
    </message>
    <message>
        <source>选择游戏窗口</source>
        <translation>Bir oyun penceresi seçin</translation>
    </message>
    <message>
        <source>选择录制窗口</source>
        <translation>Kaydedilecek pencereyi seçin</translation>
    </message>
    <message>
        <source>刷新</source>
        <translation>Yenile</translation>
    </message>
    <message>
        <source>Select a window</source>
        <translation>Bir pencere seçin</translation>
    </message>
    <message>
        <source>Process information unavailable</source>
        <translation>İşlem bilgisi kullanılamıyor</translation>
    </message>
    <message>
        <source>Loading preview…</source>
        <translation>Önizleme yükleniyor…</translation>
    </message>
    <message>
        <source>当前没有可捕获窗口。请先打开目标程序，然后点击刷新。</source>
        <translation>Şu anda yakalanabilecek bir pencere yok. Kaydetmek istediğiniz programı açın, ardından Yenile&apos;ye tıklayın.</translation>
    </message>
    <message>
        <source>选择要录制的游戏或应用窗口。录制时不要最小化窗口。</source>
        <translation>Kaydedilecek oyun veya uygulama penceresini seçin. Kayıt sırasında pencereyi simge durumuna küçültmeyin.</translation>
    </message>
    <message>
        <source>录制时不要最小化窗口。</source>
        <translation>Kayıt sırasında pencereyi simge durumuna küçültmeyin.</translation>
    </message>
    <message>
        <source>Preview timed out — check screen recording access</source>
        <translation>Önizleme zaman aşımına uğradı — ekran kaydı iznini kontrol edin</translation>
    </message>
    <message>
        <source>Preview unavailable — check screen recording access</source>
        <translation>Önizleme kullanılamıyor — ekran kaydı iznini kontrol edin</translation>
    </message>
</context>
<context>
    <name>Common</name>
    <message>
        <source>Open Folder</source>
        <translation>Klasörü aç</translation>
    </message>
    <message>
        <source>无法打开文件夹：
%1</source>
        <translation>Klasör açılamadı:
%1</translation>
    </message>
</context>
<context>
    <name>CompletionDialog</name>
    <message>
        <source>文件已保存到以下文件夹</source>
        <translation>Dosya şu klasöre kaydedildi</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Klasörü aç</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>Tamam</translation>
    </message>
</context>
<context>
    <name>ControlsArea</name>
    <message>
        <source>全屏</source>
        <translation>Tam ekran</translation>
    </message>
    <message>
        <source>自定义</source>
        <translation>Özel</translation>
    </message>
    <message>
        <source>尚未选择窗口</source>
        <translation>Pencere seçilmedi</translation>
    </message>
    <message>
        <source>请选择录制目标</source>
        <translation>Kaydedilecek hedefi seçin</translation>
    </message>
    <message>
        <source>选择窗口</source>
        <translation>Pencere seç</translation>
    </message>
    <message>
        <source>纯音频录制</source>
        <translation>Yalnızca ses kaydı</translation>
    </message>
    <message>
        <source>音质</source>
        <translation>Ses kalitesi</translation>
    </message>
    <message>
        <source>128 kbps · 较小</source>
        <translation>128 kbps · Daha küçük</translation>
    </message>
    <message>
        <source>192 kbps · 推荐</source>
        <translation>192 kbps · Önerilen</translation>
    </message>
    <message>
        <source>320 kbps · 高质量</source>
        <translation>320 kbps · Yüksek kalite</translation>
    </message>
    <message>
        <source>无损 · 由格式决定</source>
        <translation>Kayıpsız · Biçime bağlı</translation>
    </message>
    <message>
        <source>录摄像头</source>
        <translation>Web kamerası</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Ayarlar</translation>
    </message>
    <message>
        <source>扬声器</source>
        <translation>Hoparlör</translation>
    </message>
    <message>
        <source>试音</source>
        <translation>Test et</translation>
    </message>
    <message>
        <source>麦克风</source>
        <translation>Mikrofon</translation>
    </message>
    <message>
        <source>开始录制</source>
        <translation>Kaydı başlat</translation>
    </message>
    <message>
        <source>纯音频模式不录制摄像头</source>
        <translation>Yalnızca ses modunda web kamerası kaydedilmez</translation>
    </message>
    <message>
        <source>选择游戏</source>
        <translation>Oyun seç</translation>
    </message>
    <message>
        <source>尚未选择游戏</source>
        <translation>Oyun seçilmedi</translation>
    </message>
    <message>
        <source>高性能屏幕采集模式</source>
        <translation>Yüksek performanslı ekran yakalama modu</translation>
    </message>
    <message>
        <source>选择%1设备</source>
        <translation>%1 aygıtını seç</translation>
    </message>
    <message>
        <source>选择设备和音频设置</source>
        <translation>Aygıtı ve ses ayarlarını seçin</translation>
    </message>
    <message>
        <source>开启</source>
        <translation>Açık</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Kapalı</translation>
    </message>
    <message>
        <source>默认设备</source>
        <translation>Varsayılan aygıt</translation>
    </message>
    <message>
        <source>默认 · %1</source>
        <translation>Varsayılan · %1</translation>
    </message>
    <message>
        <source>选择扬声器</source>
        <translation>Hoparlör seç</translation>
    </message>
    <message>
        <source>选择麦克风</source>
        <translation>Mikrofon seç</translation>
    </message>
    <message>
        <source>音频高级设置…</source>
        <translation>Gelişmiş ses ayarları…</translation>
    </message>
    <message>
        <source>系统声音</source>
        <translation>Sistem sesi</translation>
    </message>
    <message>
        <source>无法监听所选扬声器：%1</source>
        <translation>Seçilen hoparlör dinlenemiyor: %1</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>Durdur</translation>
    </message>
    <message>
        <source>未检测到声音，请先播放一段音频</source>
        <translation>Ses algılanmadı. Önce bir ses çalın.</translation>
    </message>
    <message>
        <source>已检测到系统播放声音</source>
        <translation>Sistem çalma sesi algılandı</translation>
    </message>
    <message>
        <source>无设备</source>
        <translation>Aygıt yok</translation>
    </message>
    <message>
        <source>不可用</source>
        <translation>Kullanılamıyor</translation>
    </message>
    <message>
        <source>未检测到声音，请检查麦克风或权限</source>
        <translation>Ses algılanmadı. Mikrofonu veya iznini denetleyin.</translation>
    </message>
    <message>
        <source>已检测到麦克风声音</source>
        <translation>Mikrofon sesi algılandı</translation>
    </message>
    <message>
        <source>系统声音实时电平</source>
        <translation>Sistem sesi canlı düzeyi</translation>
    </message>
    <message>
        <source>麦克风实时电平</source>
        <translation>Mikrofon canlı düzeyi</translation>
    </message>
    <message>
        <source>停止试音</source>
        <translation>Testi durdur</translation>
    </message>
    <message>
        <source>输出</source>
        <translation>Çıkış</translation>
    </message>
    <message>
        <source>输入</source>
        <translation>Giriş</translation>
    </message>
    <message>
        <source>正在监听，请播放一段声音</source>
        <translation>Dinleniyor. Bir ses çalın.</translation>
    </message>
    <message>
        <source>正在监听，请对麦克风说话</source>
        <translation>Dinleniyor. Mikrofona konuşun.</translation>
    </message>
    <message>
        <source>录音检查</source>
        <translation>Kayıt denetimi</translation>
    </message>
    <message>
        <source>请至少开启扬声器或麦克风。</source>
        <translation>En az hoparlörü veya mikrofonu açın.</translation>
    </message>
    <message>
        <source>没有可用的扬声器设备，无法录制系统声音。</source>
        <translation>Kullanılabilir hoparlör aygıtı yok; sistem sesi kaydedilemez.</translation>
    </message>
    <message>
        <source>没有可用的麦克风，请重新连接或选择输入设备。</source>
        <translation>Kullanılabilir mikrofon yok. Yeniden bağlayın veya başka bir giriş aygıtı seçin.</translation>
    </message>
    <message>
        <source>停止录制</source>
        <translation>Kaydı durdur</translation>
    </message>
    <message>
        <source>Camera Permission</source>
        <translation>Kamera İzni</translation>
    </message>
    <message>
        <source>Camera access is off. Allow Vistrelle in System Settings &gt; Privacy &amp; Security &gt; Camera.</source>
        <translation>Kamera erişimi kapalı. Sistem Ayarları &gt; Gizlilik ve Güvenlik &gt; Kamera&apos;da Vistrelle&apos;e izin verin.</translation>
    </message>
    <message>
        <source>Open Settings</source>
        <translation>Ayarları Aç</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>高性能屏幕采集</source>
        <translation>Yüksek performanslı ekran yakalama</translation>
    </message>
    <message>
        <source> · 高性能屏幕采集</source>
        <translation> · Yüksek performanslı ekran yakalama</translation>
    </message>
    <message>
        <source>%1 · 不可用</source>
        <translation>%1 · kullanılamıyor</translation>
    </message>
    <message>
        <source>摄像头</source>
        <translation>Web kamerası</translation>
    </message>
    <message>
        <source>没有检测到可用摄像头。</source>
        <translation>Kullanılabilir web kamerası bulunamadı.</translation>
    </message>
</context>
<context>
    <name>CountdownOverlay</name>
    <message>
        <source>开始/停止</source>
        <translation>Başlat/Durdur</translation>
    </message>
    <message>
        <source>暂停/恢复</source>
        <translation>Duraklat/Sürdür</translation>
    </message>
</context>
<context>
    <name>ExportDialog</name>
    <message>
        <source>导出</source>
        <translation>Dışa aktar</translation>
    </message>
    <message>
        <source>↑  导出设置</source>
        <translation>↑  Dışa aktarma ayarları</translation>
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
        <translation>Hareketli GIF (.gif)</translation>
    </message>
    <message>
        <source>仅音频 MP3 (.mp3)</source>
        <translation>Yalnızca ses MP3 (.mp3)</translation>
    </message>
    <message>
        <source>仅音频 AAC (.aac)</source>
        <translation>Yalnızca ses AAC (.aac)</translation>
    </message>
    <message>
        <source>格式</source>
        <translation>Biçim</translation>
    </message>
    <message>
        <source>视频编码</source>
        <translation>Video kodlayıcı</translation>
    </message>
    <message>
        <source>视频码率</source>
        <translation>Video bit hızı</translation>
    </message>
    <message>
        <source>1× (正常)</source>
        <translation>1× (normal)</translation>
    </message>
    <message>
        <source>播放速度</source>
        <translation>Oynatma hızı</translation>
    </message>
    <message>
        <source>GIF 帧率</source>
        <translation>GIF kare hızı</translation>
    </message>
    <message>
        <source>GIF 宽度</source>
        <translation>GIF genişliği</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>开始导出</source>
        <translation>Dışa aktarmayı başlat</translation>
    </message>
    <message>
        <source>✓ 已保存到: </source>
        <translation>✓ Kaydedildi: </translation>
    </message>
    <message>
        <source>保存为</source>
        <translation>Farklı kaydet</translation>
    </message>
    <message>
        <source>视频文件 (*.mp4 *.mkv *.gif *.mp3 *.aac)</source>
        <translation>Medya dosyaları (*.mp4 *.mkv *.gif *.mp3 *.aac)</translation>
    </message>
    <message>
        <source>导出中...</source>
        <translation>Dışa aktarılıyor...</translation>
    </message>
</context>
<context>
    <name>FfmpegJob</name>
    <message>
        <source>FFmpeg 没有在 %1 秒内完成。</source>
        <translation>FFmpeg %1 saniye içinde bitmedi.</translation>
    </message>
    <message>
        <source>FFmpeg 意外终止。</source>
        <translation>FFmpeg beklenmedik şekilde durdu.</translation>
    </message>
    <message>
        <source>FFmpeg 以退出码 %1 结束，没有说明原因。</source>
        <translation>FFmpeg, bir neden belirtmeden %1 çıkış koduyla sona erdi.</translation>
    </message>
</context>
<context>
    <name>FloatingToolbar</name>
    <message>
        <source>正在录制</source>
        <translation>Kaydediliyor</translation>
    </message>
    <message>
        <source>初始化…</source>
        <translation>Başlatılıyor…</translation>
    </message>
    <message>
        <source>写入中…</source>
        <translation>Yazılıyor…</translation>
    </message>
    <message>
        <source>关闭摄像头</source>
        <translation>Web kamerasını kapat</translation>
    </message>
    <message>
        <source>开启摄像头</source>
        <translation>Web kamerasını aç</translation>
    </message>
    <message>
        <source>画笔</source>
        <translation>Kalem</translation>
    </message>
    <message>
        <source>箭头</source>
        <translation>Ok</translation>
    </message>
    <message>
        <source>矩形</source>
        <translation>Dikdörtgen</translation>
    </message>
    <message>
        <source>文字</source>
        <translation>Metin</translation>
    </message>
    <message>
        <source>直线</source>
        <translation>Çizgi</translation>
    </message>
    <message>
        <source>圆形</source>
        <translation>Daire</translation>
    </message>
    <message>
        <source>高亮笔</source>
        <translation>Vurgulayıcı</translation>
    </message>
    <message>
        <source>橡皮擦</source>
        <translation>Silgi</translation>
    </message>
    <message>
        <source>撤销 Ctrl+Z</source>
        <translation>Geri al Ctrl+Z</translation>
    </message>
    <message>
        <source>清除全部 Del</source>
        <translation>Tümünü temizle Del</translation>
    </message>
    <message>
        <source>退出注释模式</source>
        <translation>Not modundan çık</translation>
    </message>
    <message>
        <source>选择工具后在屏幕上绘制，ESC 或点“退出”结束注释</source>
        <translation>Bir araç seçip ekrana çizin; Esc veya &quot;Çıkış&quot; not almayı bitirir</translation>
    </message>
    <message>
        <source>选择颜色</source>
        <translation>Renk Seç</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Çıkış</translation>
    </message>
    <message>
        <source>已暂停</source>
        <translation>Duraklatıldı</translation>
    </message>
    <message>
        <source>正在保存…</source>
        <translation>Kaydediliyor…</translation>
    </message>
</context>
<context>
    <name>GlobalHotkey</name>
    <message>
        <source>%1（不支持的按键）</source>
        <translation>%1 (desteklenmeyen tuş)</translation>
    </message>
</context>
<context>
    <name>HomePage</name>
    <message>
        <source>Start Recording</source>
        <translation>Kaydı Başlat</translation>
    </message>
    <message>
        <source>Media Library</source>
        <translation>Medya Kitaplığı</translation>
    </message>
    <message>
        <source>Choose a recording mode</source>
        <translation>Bir kayıt modu seçin</translation>
    </message>
    <message>
        <source>Scheduled Recording</source>
        <translation>Zamanlanmış Kayıt</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Tam ekran</translation>
    </message>
    <message>
        <source>Custom Area</source>
        <translation>Özel alan</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Pencere</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Oyun</translation>
    </message>
    <message>
        <source>Audio Only</source>
        <translation>Yalnızca ses</translation>
    </message>
    <message>
        <source>Webcam</source>
        <translation>Web kamerası</translation>
    </message>
    <message>
        <source>Recent recordings</source>
        <translation>Son kayıtlar</translation>
    </message>
    <message>
        <source>View all  ›</source>
        <translation>Tümünü gör  ›</translation>
    </message>
    <message>
        <source>No recordings yet</source>
        <translation>Henüz kayıt yok</translation>
    </message>
</context>
<context>
    <name>LinkManager</name>
    <message>
        <source>Unable to open browser</source>
        <translation>Tarayıcı açılamıyor</translation>
    </message>
    <message>
        <source>Unable to open the default browser.

Please visit this link manually:
%1</source>
        <translation>Varsayılan tarayıcı açılamıyor.

Lütfen bu bağlantıyı elle ziyaret edin:
%1</translation>
    </message>
    <message>
        <source>Link unavailable</source>
        <translation>Bağlantı kullanılamıyor</translation>
    </message>
    <message>
        <source>The requested page link is not configured.</source>
        <translation>İstenen sayfanın bağlantısı yapılandırılmamış.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>显示 Vistrelle</source>
        <translation>Vistrelle&apos;i göster</translation>
    </message>
    <message>
        <source>Start Recording</source>
        <translation>Kaydı Başlat</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Çıkış</translation>
    </message>
    <message>
        <source>快捷键设置</source>
        <translation>Kısayol Ayarları</translation>
    </message>
    <message>
        <source>以下快捷键无法注册，可能已被其他程序占用或按键不受支持：
%1</source>
        <translation>Bu kısayollar kaydedilemedi; başka bir program kullanıyor olabilir veya tuşlar desteklenmiyor:
%1</translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>Kaydı durdur</translation>
    </message>
    <message>
        <source>日志文件夹</source>
        <translation>Günlük Klasörü</translation>
    </message>
    <message>
        <source>无法打开日志文件夹。</source>
        <translation>Günlük klasörü açılamıyor.</translation>
    </message>
    <message>
        <source>录制性能已自动调整</source>
        <translation>Kayıt performansı ayarlandı</translation>
    </message>
    <message>
        <source>%1 FPS 已自动降为 %2 FPS。%3</source>
        <translation>%1 FPS, %2 FPS&apos;ye düşürüldü. %3</translation>
    </message>
    <message>
        <source>录制性能提示</source>
        <translation>Kayıt performansı</translation>
    </message>
    <message>
        <source>4K 录制性能</source>
        <translation>4K Kayıt Performansı</translation>
    </message>
    <message>
        <source>没有可用的硬件 H.264 编码器</source>
        <translation>Kullanılabilir donanım H.264 kodlayıcı yok</translation>
    </message>
    <message>
        <source>%1 × %2、%3 FPS 的录制可能掉帧。请选择本次录制方式。</source>
        <translation>%1 × %2, %3 FPS kayıtta kare kaybı olabilir. Bu kez nasıl kaydedileceğini seçin.</translation>
    </message>
    <message>
        <source>保持 4K，15 FPS（推荐）</source>
        <translation>4K&apos;yı 15 FPS ile koru (önerilen)</translation>
    </message>
    <message>
        <source>1080p，30 FPS</source>
        <translation>1080p, 30 FPS</translation>
    </message>
    <message>
        <source>强制 4K，30 FPS</source>
        <translation>4K&apos;yı 30 FPS ile zorla</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>录制后处理提示</source>
        <translation>Son işlem bildirimi</translation>
    </message>
    <message>
        <source>录音完成</source>
        <translation>Ses kaydı tamamlandı</translation>
    </message>
    <message>
        <source>音频已保存到：%1</source>
        <translation>Ses şuraya kaydedildi: %1</translation>
    </message>
    <message>
        <source>录制提示</source>
        <translation>Kayıt</translation>
    </message>
    <message>
        <source>Vistrelle recording toolbar</source>
        <translation>Vistrelle kayıt araç çubuğu</translation>
    </message>
    <message>
        <source>Vistrelle preparation toolbar</source>
        <translation>Vistrelle hazırlık araç çubuğu</translation>
    </message>
    <message>
        <source>Display %1</source>
        <translation>Ekran %1</translation>
    </message>
    <message>
        <source>Audio only</source>
        <translation>Yalnızca ses</translation>
    </message>
    <message>
        <source>Camera preview</source>
        <translation>Kamera önizlemesi</translation>
    </message>
    <message>
        <source>Camera Recording</source>
        <translation>Kamera Kaydı</translation>
    </message>
    <message>
        <source>Stop recording and return to Home?</source>
        <translation>Kayıt durdurulup ana sayfaya dönülsün mü?</translation>
    </message>
    <message>
        <source>Wait for a live camera preview before recording.</source>
        <translation>Kayda başlamadan önce canlı kamera önizlemesini bekleyin.</translation>
    </message>
    <message>
        <source>Vistrelle countdown</source>
        <translation>Vistrelle geri sayımı</translation>
    </message>
    <message>
        <source>摄像头</source>
        <translation>Web kamerası</translation>
    </message>
    <message>
        <source>没有检测到可用摄像头。</source>
        <translation>Kullanılabilir web kamerası bulunamadı.</translation>
    </message>
    <message>
        <source>摄像头无法启动，请检查权限或设备占用情况。</source>
        <translation>Web kamerası başlatılamadı. İzni ve başka bir programın kullanıp kullanmadığını denetleyin.</translation>
    </message>
    <message>
        <source>Camera Permission</source>
        <translation>Kamera İzni</translation>
    </message>
    <message>
        <source>Camera access is off. Allow Vistrelle in System Settings &gt; Privacy &amp; Security &gt; Camera.</source>
        <translation>Kamera erişimi kapalı. Sistem Ayarları &gt; Gizlilik ve Güvenlik &gt; Kamera&apos;da Vistrelle&apos;e izin verin.</translation>
    </message>
    <message>
        <source>Open Settings</source>
        <translation>Ayarları Aç</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>计划录制</source>
        <translation>Zamanlanmış Kayıt</translation>
    </message>
    <message>
        <source>请先在首页为窗口或游戏模式选择录制目标。</source>
        <translation>Önce ana sayfada kaydedilecek pencereyi veya oyunu seçin.</translation>
    </message>
    <message>
        <source>已有录制正在进行，本次计划已跳过。</source>
        <translation>Zaten bir kayıt sürüyor; bu zamanlanmış başlatma atlandı.</translation>
    </message>
    <message>
        <source>退出后计划录制将不会执行。

确定要退出 Vistrelle 吗？</source>
        <translation>Çıkarsanız zamanlanmış kayıt yapılmayacak.

Yine de Vistrelle’den çıkılsın mı?</translation>
    </message>
    <message>
        <source>仍在录制</source>
        <translation>Kayıt sürüyor</translation>
    </message>
    <message>
        <source>Vistrelle 已隐藏到系统托盘，录制继续进行。</source>
        <translation>Vistrelle sistem tepsisine gizlendi; kayıt devam ediyor.</translation>
    </message>
    <message>
        <source>Vistrelle 仍在后台运行</source>
        <translation>Vistrelle arka planda çalışıyor</translation>
    </message>
    <message>
        <source>已最小化到系统托盘，点击或双击托盘图标可重新打开。</source>
        <translation>Sistem tepsisine küçültüldü. Yeniden açmak için tepsi simgesine tıklayın veya çift tıklayın.</translation>
    </message>
    <message>
        <source>About Vistrelle</source>
        <translation>Vistrelle Hakkında</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Sürüm %1</translation>
    </message>
    <message>
        <source>Vistrelle is a fast, reliable screen recorder for Linux. Record screens, windows, games, system audio, microphones, and webcams, then edit and manage recordings locally with no cloud upload required.</source>
        <translation>Vistrelle, Linux için hızlı ve güvenilir bir ekran kaydedicidir. Ekranları, pencereleri, oyunları, sistem sesini, mikrofonları ve web kameralarını kaydedin; kayıtları buluta yüklemeden yerel olarak düzenleyip yönetin.</translation>
    </message>
    <message>
        <source>Development Team</source>
        <translation>Geliştirme Ekibi</translation>
    </message>
    <message>
        <source>The Vistrelle developers</source>
        <translation>Vistrelle geliştiricileri</translation>
    </message>
    <message>
        <source>© Vistrelle. All rights reserved.</source>
        <translation>© Vistrelle. Tüm hakları saklıdır.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>切换语言</source>
        <translation>Dili Değiştir</translation>
    </message>
    <message>
        <source>无法保存语言设置，请检查当前用户的配置权限。</source>
        <translation>Dil kaydedilemedi. Lütfen geçerli kullanıcının yapılandırma yazma iznini denetleyin.</translation>
    </message>
    <message>
        <source>语言设置已保存，重启 Vistrelle 后生效。是否立即重启？</source>
        <translation>Dil kaydedildi; Vistrelle yeniden başlatılınca geçerli olur. Şimdi yeniden başlatılsın mı?</translation>
    </message>
    <message>
        <source>重启失败</source>
        <translation>Yeniden Başlatılamadı</translation>
    </message>
    <message>
        <source>无法自动重启，请手动重新打开 Vistrelle。</source>
        <translation>Vistrelle kendi kendine yeniden başlatılamadı. Lütfen yeniden açın.</translation>
    </message>
    <message>
        <source>录制的窗口已关闭</source>
        <translation>Kaydedilen pencere kapatıldı</translation>
    </message>
    <message>
        <source>Custom Area</source>
        <translation>Özel alan</translation>
    </message>
    <message>
        <source>The display of the chosen area is no longer connected. Choose the area again.</source>
        <translation>Seçilen alanın ekranı artık bağlı değil. Alanı yeniden seçin.</translation>
    </message>
    <message>
        <source>Nothing was recorded: the program quit before the recording began.</source>
        <translation>Hiçbir şey kaydedilmedi: program, kayıt başlamadan önce kapandı.</translation>
    </message>
</context>
<context>
    <name>MediaProbe</name>
    <message>
        <source>无法启动 ffprobe（%1）。</source>
        <translation>ffprobe başlatılamadı (%1).</translation>
    </message>
    <message>
        <source>ffprobe 没有在 %1 秒内结束。</source>
        <translation>ffprobe %1 saniye içinde bitmedi.</translation>
    </message>
    <message>
        <source>ffprobe 没有给出可读的回答。</source>
        <translation>ffprobe okunabilir bir yanıt vermedi.</translation>
    </message>
</context>
<context>
    <name>ModeBar</name>
    <message>
        <source>录制屏幕</source>
        <translation>Ekranı Kaydet</translation>
    </message>
    <message>
        <source>录制窗口</source>
        <translation>Pencereyi Kaydet</translation>
    </message>
    <message>
        <source>游戏录制</source>
        <translation>Oyun Kaydı</translation>
    </message>
    <message>
        <source>高性能屏幕录制</source>
        <translation>Yüksek Performanslı Ekran Kaydı</translation>
    </message>
    <message>
        <source>录制音频</source>
        <translation>Ses Kaydet</translation>
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
        <translation>Vistrelle — Oynatıcı</translation>
    </message>
    <message>
        <source>截图</source>
        <translation>Ekran görüntüsü</translation>
    </message>
    <message>
        <source>无法保存截图到 %1。</source>
        <translation>Ekran görüntüsü %1 konumuna kaydedilemedi.</translation>
    </message>
</context>
<context>
    <name>QDialog</name>
    <message>
        <source>Enable Screen Recording</source>
        <translation>Ekran Kaydını Etkinleştir</translation>
    </message>
    <message>
        <source>Enable Microphone Access</source>
        <translation>Mikrofon Erişimini Etkinleştir</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>Vistrelle needs permission before it can record your screen.</source>
        <translation>Vistrelle ekranınızı kaydetmek için izne ihtiyaç duyar.</translation>
    </message>
    <message>
        <source>Vistrelle needs permission before it can record your voice.</source>
        <translation>Vistrelle sesinizi kaydetmek için izne ihtiyaç duyar.</translation>
    </message>
    <message>
        <source>Screen &amp; System Audio Recording</source>
        <translation>Ekran ve Sistem Sesi Kaydı</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Mikrofon</translation>
    </message>
    <message>
        <source>Allow these apps to record your screen.</source>
        <translation>Bu uygulamalar ekranınızı kaydedebilsin.</translation>
    </message>
    <message>
        <source>Allow these apps to use your microphone.</source>
        <translation>Bu uygulamalar mikrofonunuzu kullanabilsin.</translation>
    </message>
    <message>
        <source>Illustration of macOS System Settings</source>
        <translation>macOS Sistem Ayarları çizimi</translation>
    </message>
    <message>
        <source>Three quick steps</source>
        <translation>Üç hızlı adım</translation>
    </message>
    <message>
        <source>Open Screen Recording settings.</source>
        <translation>Ekran Kaydı ayarlarını açın.</translation>
    </message>
    <message>
        <source>Open Microphone settings.</source>
        <translation>Mikrofon ayarlarını açın.</translation>
    </message>
    <message>
        <source>Turn on Vistrelle.</source>
        <translation>Vistrelle&apos;i açın.</translation>
    </message>
    <message>
        <source>Quit and reopen Vistrelle, then record.</source>
        <translation>Vistrelle&apos;i kapatıp yeniden açın, ardından kaydedin.</translation>
    </message>
    <message>
        <source>Return and start recording.</source>
        <translation>Geri dönün ve kayda başlayın.</translation>
    </message>
    <message>
        <source>Restart Vistrelle after changing this setting.</source>
        <translation>Bu ayarı değiştirdikten sonra Vistrelle&apos;i yeniden başlatın.</translation>
    </message>
    <message>
        <source>You can also turn off Microphone and record without voice.</source>
        <translation>Mikrofonu kapatıp sessiz de kaydedebilirsiniz.</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Şimdi değil</translation>
    </message>
    <message>
        <source>Open Settings ↗</source>
        <translation>Ayarları Aç ↗</translation>
    </message>
    <message>
        <source>Open System Settings &gt; Privacy &amp; Security &gt; Screen &amp; System Audio Recording and allow Vistrelle.</source>
        <translation>Sistem Ayarları &gt; Gizlilik ve Güvenlik &gt; Ekran ve Sistem Sesi Kaydı&apos;nı açın ve Vistrelle&apos;e izin verin.</translation>
    </message>
    <message>
        <source>Open System Settings &gt; Privacy &amp; Security &gt; Microphone and allow Vistrelle.</source>
        <translation>Sistem Ayarları &gt; Gizlilik ve Güvenlik &gt; Mikrofon&apos;u açın ve Vistrelle&apos;e izin verin.</translation>
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
        <translation>Kalan --:--</translation>
    </message>
    <message>
        <source>预计剩余 %1:%2</source>
        <translation>Kalan %1:%2</translation>
    </message>
    <message>
        <source>播放失败</source>
        <translation>Oynatma başarısız</translation>
    </message>
    <message>
        <source>文件不存在：%1</source>
        <translation>Dosya bulunamadı: %1</translation>
    </message>
    <message>
        <source>没有打开可播放文件</source>
        <translation>Açık oynatılabilir dosya yok</translation>
    </message>
    <message>
        <source>Vistrelle is already running</source>
        <translation>Vistrelle zaten çalışıyor</translation>
    </message>
    <message>
        <source>Another Vistrelle process is running. Finish its recording and quit it before opening Vistrelle again.</source>
        <translation>Başka bir Vistrelle işlemi çalışıyor. Vistrelle&apos;i yeniden açmadan önce kaydını bitirip kapatın.</translation>
    </message>
    <message>
        <source>已有 FFmpeg 任务正在执行</source>
        <translation>Zaten çalışan bir FFmpeg işi var</translation>
    </message>
    <message>
        <source>FFmpeg 未找到或无法启动：%1</source>
        <translation>FFmpeg bulunamadı veya başlatılamadı: %1</translation>
    </message>
    <message>
        <source>操作已取消</source>
        <translation>İşlem iptal edildi</translation>
    </message>
    <message>
        <source>FFmpeg 出错：
%1</source>
        <translation>FFmpeg bir hata bildirdi:
%1</translation>
    </message>
    <message>
        <source>裁剪参数无效</source>
        <translation>Geçersiz kırpma ayarları</translation>
    </message>
    <message>
        <source>合并参数无效</source>
        <translation>Geçersiz birleştirme ayarları</translation>
    </message>
    <message>
        <source>无法创建合并列表文件</source>
        <translation>Birleştirme listesi dosyası oluşturulamadı</translation>
    </message>
    <message>
        <source>变速参数无效</source>
        <translation>Geçersiz hız ayarı</translation>
    </message>
    <message>
        <source>转场效果无效：%1</source>
        <translation>Geçersiz geçiş: %1</translation>
    </message>
    <message>
        <source>转场失败：至少有一个视频时长小于转场时长</source>
        <translation>Geçiş başarısız: en az bir video geçişten kısa</translation>
    </message>
    <message>
        <source>音频降噪需要 sh.rnnn 模型文件，请放到程序目录，或先关闭音频降噪。</source>
        <translation>Ses gürültü azaltma sh.rnnn model dosyasını gerektirir: dosyayı program klasörüne koyun ya da ses gürültü azaltmayı kapatın.</translation>
    </message>
    <message>
        <source>字幕文件不存在：%1</source>
        <translation>Altyazı dosyası bulunamadı: %1</translation>
    </message>
    <message>
        <source>FFmpeg 报告完成，但没有写出可用的文件：
%1</source>
        <translation>FFmpeg başarılı olduğunu bildirdi ancak kullanılabilir bir dosya yazmadı:
%1</translation>
    </message>
    <message>
        <source>格式无效或不受支持</source>
        <translation>biçim geçersiz veya desteklenmiyor</translation>
    </message>
    <message>
        <source>没有读取权限</source>
        <translation>okuma izni yok</translation>
    </message>
    <message>
        <source>文件无法读取或已损坏</source>
        <translation>dosya okunamıyor veya bozuk</translation>
    </message>
    <message>
        <source>无法打开文件：%1</source>
        <translation>Dosya açılamadı: %1</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Evet</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Hayır</translation>
    </message>
</context>
<context>
    <name>RecentCard</name>
    <message>
        <source>Loading preview…</source>
        <translation>Önizleme yükleniyor…</translation>
    </message>
    <message>
        <source>Preview unavailable</source>
        <translation>Önizleme kullanılamıyor</translation>
    </message>
</context>
<context>
    <name>Recorder</name>
    <message>
        <source>无法创建文件夹：%1</source>
        <translation>Klasör oluşturulamıyor: %1</translation>
    </message>
    <message>
        <source>正在强制使用 CPU 录制 4K 30 FPS；已启用最快编码预设并将码率提高到 %1 kbps。</source>
        <translation>4K 30 FPS kayıt işlemcide zorlanıyor; en hızlı kodlama ön ayarı açıldı ve bit hızı %1 kbps değerine yükseltildi.</translation>
    </message>
    <message>
        <source>未检测到可用的硬件编码器，已将输出缩放为 %1 × %2、30 FPS。</source>
        <translation>Kullanılabilir donanım kodlayıcı bulunamadı; çıktı 30 FPS ile %1 × %2 boyutuna ölçeklendi.</translation>
    </message>
    <message>
        <source>4K 当前只能使用 CPU 编码，已采用更容易实时处理的 15 FPS。</source>
        <translation>4K şu anda yalnızca işlemciyle kodlanabiliyor; gerçek zamanlı işlemesi daha kolay olan 15 FPS kullanılıyor.</translation>
    </message>
    <message>
        <source>请至少开启系统声音或麦克风。</source>
        <translation>Lütfen en az sistem sesini veya mikrofonu açın.</translation>
    </message>
    <message>
        <source>系统声音录制需要 macOS 13 或更高版本。</source>
        <translation type="vanished">Sistem sesini kaydetmek için macOS 13 veya üstü gerekir.</translation>
    </message>
    <message>
        <source>没有找到所选麦克风，请重新选择输入设备。</source>
        <translation>Seçilen mikrofon bulunamadı. Lütfen giriş aygıtını yeniden seçin.</translation>
    </message>
    <message>
        <source>保存磁盘剩余空间不足 %1 GB，请清理空间或更换保存目录。</source>
        <translation>Kayıt diskinde %1 GB’tan az boş alan var. Yer açın veya başka bir kayıt klasörü seçin.</translation>
    </message>
    <message>
        <source>无法捕获系统声音：%1</source>
        <translation type="vanished">Sistem sesi yakalanamıyor: %1</translation>
    </message>
    <message>
        <source>FFmpeg 启动失败。请确认 ffmpeg 已放到程序目录或系统 PATH。
%1</source>
        <translation>FFmpeg başlatılamadı. ffmpeg’in program klasöründe veya sistem PATH’inde olduğundan emin olun.
%1</translation>
    </message>
    <message>
        <source>无法启动不含工具栏的屏幕录制：%1</source>
        <translation>Araç çubuğu olmadan ekran kaydı başlatılamıyor: %1</translation>
    </message>
    <message>
        <source>无法删除已丢弃录制的临时文件：%1</source>
        <translation>Vazgeçilen kaydın geçici dosyaları silinemiyor: %1</translation>
    </message>
    <message>
        <source>FFmpeg 被 SIGKILL 信号终止；编码进度日志没有说明终止原因。</source>
        <translation>FFmpeg SIGKILL sinyaliyle sonlandırıldı; ilerleme günlüğü sonlanma nedenini belirtmiyor.</translation>
    </message>
    <message>
        <source>FFmpeg 没有输出具体错误信息。</source>
        <translation>FFmpeg belirli bir hata bildirmedi.</translation>
    </message>
    <message>
        <source>硬件编码器 %1 无法处理当前采集规格，已自动切换到 CPU 编码。</source>
        <translation>Donanım kodlayıcı %1 mevcut yakalama ayarlarını işleyemiyor; otomatik olarak işlemci kodlamasına geçildi.</translation>
    </message>
    <message>
        <source>DXGI 高性能采集不可用，已自动切换到 GDI 兼容模式。</source>
        <translation>Yüksek performanslı DXGI yakalama kullanılamıyor; otomatik olarak GDI uyumluluk moduna geçildi.</translation>
    </message>
    <message>
        <source>录制进程意外结束。分段已保留在：
%1</source>
        <translation>Kayıt işlemi beklenmedik şekilde sona erdi. Bölümler şurada saklandı:
%1</translation>
    </message>
    <message>
        <source>录制分段异常，退出码=%1。已生成的分段仍保留在：
%2
%3</source>
        <translation>Bir kayıt bölümü başarısız oldu, çıkış kodu=%1. Oluşturulan bölümler hâlâ şurada:
%2
%3</translation>
    </message>
    <message>
        <source>分段已保留在：
%1</source>
        <translation type="vanished">Bölümler şurada saklandı:
%1</translation>
    </message>
    <message>
        <source>Camera preview is not ready.</source>
        <translation>Kamera önizlemesi hazır değil.</translation>
    </message>
    <message>
        <source>没有有效的窗口录制目标。</source>
        <translation>Kaydedilecek geçerli bir pencere yok.</translation>
    </message>
    <message>
        <source>窗口捕获启动失败：%1</source>
        <translation>Pencere yakalama başlatılamadı: %1</translation>
    </message>
    <message>
        <source>窗口捕获启动失败或目标窗口没有产生画面。</source>
        <translation>Pencere yakalama başlatılamadı veya hedef pencere görüntü üretmedi.</translation>
    </message>
    <message>
        <source>实际编码速度或有效帧率持续低于 120 FPS 要求</source>
        <translation>Gerçek kodlama hızı veya etkin kare hızı sürekli olarak 120 FPS gereksiniminin altında</translation>
    </message>
    <message>
        <source>设备持续无法稳定达到 60 FPS，建议下次使用 30 FPS 或硬件编码。</source>
        <translation>Bu cihaz sürekli olarak kararlı 60 FPS’e ulaşamıyor. Bir dahaki sefere 30 FPS veya donanım kodlaması kullanın.</translation>
    </message>
    <message>
        <source>屏幕采集持续低于 30 FPS 要求，建议关闭高负载程序或改用 720p 录制。</source>
        <translation>Ekran yakalama sürekli olarak 30 FPS gereksiniminin altında. Yoğun programları kapatın veya 720p ile kaydedin.</translation>
    </message>
    <message>
        <source>Screen capture is still dropping frames. Switched to 720p for smoother recording.</source>
        <translation>Ekran yakalama hâlâ kare kaybediyor. Daha akıcı kayıt için 720p’ye geçildi.</translation>
    </message>
    <message>
        <source>屏幕采集持续掉帧，已自动切换到 1080p 以保持录制流畅。</source>
        <translation>Ekran yakalama sürekli kare kaybediyor; kaydın akıcı kalması için otomatik olarak 1080p’ye geçildi.</translation>
    </message>
    <message>
        <source>录制的窗口已不可用，画面停留在最后一帧：%1</source>
        <translation>Kaydedilen pencere artık kullanılamıyor; görüntü son karede kalıyor: %1</translation>
    </message>
    <message>
        <source>这个文件名之前的录制分段仍保留在：
%1
请先移走这些分段，或换一个文件名后再录制。</source>
        <translation>Bu dosya adına sahip önceki bir kaydın bölümleri hâlâ şurada duruyor:
%1
Bu bölümleri başka bir yere taşıyın ya da başka bir dosya adı seçip yeniden kaydedin.</translation>
    </message>
    <message>
        <source>最后一个录制分段无法读取，没有合并进录像，已保留在：
%1</source>
        <translation>Son kaydedilen bölüm okunamadı ve kayda eklenmedi. Şurada saklandı:
%1</translation>
    </message>
    <message>
        <source>保存磁盘的剩余空间已不足 %1 MB，录制已停止；已录制的内容会正常保存。</source>
        <translation type="vanished">Kayıt diskinde %1 MB&apos;tan az yer kaldığı için kayıt durduruldu. Şimdiye kadar kaydedilenlerin tümü kaydedilecek.</translation>
    </message>
    <message>
        <source>屏幕录制不可用：屏幕录制需要 X11 会话，在 Wayland 下无法录制屏幕。</source>
        <translation>Ekran yakalama kullanılamıyor: ekranı kaydetmek bir X11 oturumu gerektirir ve Wayland altında mümkün değildir.</translation>
    </message>
    <message>
        <source>录制分段异常，退出码=%1。没有录下任何内容。
%2</source>
        <translation>Kayıt bölümü başarısız oldu (çıkış kodu %1). Hiçbir şey kaydedilmedi.
%2</translation>
    </message>
    <message>
        <source>无法录制麦克风：%1</source>
        <translation type="vanished">Mikrofon kaydedilemiyor: %1</translation>
    </message>
    <message>
        <source>保存文件夹不可写入：%1</source>
        <translation>Kayıt klasörüne yazılamıyor: %1</translation>
    </message>
    <message>
        <source>无法录制系统声音，因为声音服务器无法连接。</source>
        <translation>Ses sunucusuna ulaşılamadığı için sistem sesi kaydedilemiyor.</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已快满，录制已停止。已录下的分段保留在：
%2</source>
        <translation>Kayıt diski %1 neredeyse dolu, bu yüzden kayıt durduruldu. Kaydedilen bölümler şurada saklanıyor:
%2</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已快满，录制已停止并已保存为：
%2</source>
        <translation>Kayıt diski %1 neredeyse dolu, bu yüzden kayıt durduruldu ve şu dosyaya kaydedildi:
%2</translation>
    </message>
    <message>
        <source>保存文件夹不存在，也无法创建：%1
%2 不可写入。</source>
        <translation>Kayıt klasörü yok ve oluşturulamıyor: %1
%2 yazılabilir değil.</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已快满，录制已停止。录像保留为 %2 个分段，位于：
%3
把它们合并成一个文件还需要约 %4 的可用空间（现在可用 %5）。腾出空间后，可以手动合并这些分段。</source>
        <translation>Kayıt diski %1 neredeyse dolu, bu yüzden kayıt durduruldu. Kayıt %2 bölüm olarak şurada saklanıyor:
%3
Bunları tek bir dosyada birleştirmek için yaklaşık %4 boş alan gerekiyor (şu anda %5 boş). Yer açtıktan sonra bu bölümleri kendiniz birleştirebilirsiniz.</translation>
    </message>
    <message>
        <source>声音服务器已断开。录制仍在继续，这段时间的声音录为静音；声音服务器恢复后会自动继续录音。</source>
        <translation>Ses sunucusu bağlantısı kesildi. Kayıt sürüyor ve bu sırada sessizlik kaydediliyor; ses sunucusu geri geldiğinde ses yeniden kaydedilir.</translation>
    </message>
    <message>
        <source>录制文件夹在录制中被删除，已录下的内容随文件夹一起被删除：%1
该文件夹无法重新创建，录制已停止。
%2</source>
        <translation>Kayıt klasörü kayıt sırasında silindi ve kaydedilenler de klasörle birlikte silindi: %1
Klasör yeniden oluşturulamadığı için kayıt durduruldu.
%2</translation>
    </message>
    <message>
        <source>录制文件夹在录制中被删除，此前录下的内容已随文件夹一起被删除：%1
已重新创建该文件夹，录制继续，此后的内容会正常保存。</source>
        <translation>Kayıt klasörü kayıt sırasında silindi ve o ana kadar kaydedilenler de klasörle birlikte silindi: %1
Klasör yeniden oluşturuldu; kayıt sürüyor ve bundan sonrası normal şekilde kaydediliyor.</translation>
    </message>
    <message>
        <source>无法录制麦克风，因为声音服务器无法连接。</source>
        <translation>Ses sunucusuna ulaşılamadığı için mikrofon kaydedilemiyor.</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已满，录制已停止。录下的内容没有可以播放的部分，没有保存录像；未完成的分段保留在：
%2</source>
        <translation>Kayıt diski %1 dolu olduğu için kayıt durduruldu. Kaydedilenlerin hiçbir kısmı oynatılamıyor, bu yüzden kayıt kaydedilmedi; tamamlanmamış bölüm şurada duruyor:
%2</translation>
    </message>
    <message>
        <source>编码器停止了响应，录像只保存到 %1（共录制了 %2）：
%3</source>
        <translation type="vanished">Kodlayıcı yanıt vermeyi bıraktı: kayıt %1 noktasına kadar kaydedildi (kaydedilen %2):
%3</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已满，没有录下任何内容。请清理空间或更换保存目录。
%2</source>
        <translation type="vanished">Kayıt diski %1 dolu olduğu için hiçbir şey kaydedilmedi. Yer açın veya başka bir kayıt klasörü seçin.
%2</translation>
    </message>
    <message>
        <source>所选麦克风已断开，录制改为使用系统默认的输入设备继续录音。</source>
        <translation>Seçilen mikrofonun bağlantısı kesildi. Kayıt, sistemin varsayılan giriş aygıtıyla sürüyor.</translation>
    </message>
    <message>
        <source>编码器停止了响应：文件保存了 %1（共录制了 %2），从 %3 起缺少 %4：
%5</source>
        <translation>Kodlayıcı yanıt vermeyi bıraktı: dosya, kaydedilen %2 sürenin %1 kadarını içeriyor; %3 noktasından itibaren %4 eksik:
%5</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已满，录制已停止。录像保留为 %2 个分段，位于：
%3
把它们合并成一个文件还需要约 %4 的可用空间（现在可用 %5）。腾出空间后，可以手动合并这些分段。</source>
        <translation>Kayıt diski %1 dolu, bu yüzden kayıt durduruldu. Kayıt %2 bölüm olarak şurada saklanıyor:
%3
Bunları tek bir dosyada birleştirmek için yaklaşık %4 boş alan gerekiyor (şu anda %5 boş). Yer açtıktan sonra bu bölümleri kendiniz birleştirebilirsiniz.</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已满，录制已停止。已录下的分段保留在：
%2</source>
        <translation>Kayıt diski %1 dolu, bu yüzden kayıt durduruldu. Kaydedilen bölümler şurada saklanıyor:
%2</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已满，录制已停止并已保存为：
%2</source>
        <translation>Kayıt diski %1 dolu, bu yüzden kayıt durduruldu ve şu dosyaya kaydedildi:
%2</translation>
    </message>
    <message>
        <source>录制进程意外结束，没有录下任何内容。</source>
        <translation>Kayıt işlemi beklenmedik şekilde sona erdi ve hiçbir şey kaydedilmedi.</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已满，没有录下任何内容。请清理空间或更换保存目录。</source>
        <translation>Kayıt diski %1 dolu olduğu için hiçbir şey kaydedilmedi. Yer açın veya başka bir kayıt klasörü seçin.</translation>
    </message>
    <message>
        <source>无法录制麦克风：声音服务器没有开始录音。请检查输入设备后重试。</source>
        <translation>Mikrofon kaydedilemiyor: ses sunucusu kayda başlamadı. Giriş aygıtını denetleyip yeniden deneyin.</translation>
    </message>
    <message>
        <source>无法捕获系统声音：声音服务器没有开始录音。请检查输出设备后重试。</source>
        <translation>Sistem sesi yakalanamıyor: ses sunucusu kayda başlamadı. Çıkış aygıtını denetleyip yeniden deneyin.</translation>
    </message>
    <message>
        <source>正在等待 FFmpeg 检测编码器…</source>
        <translation>FFmpeg&apos;in kodlayıcıları denemesi bekleniyor…</translation>
    </message>
    <message>
        <source>正在等待 FFmpeg 开始录制…</source>
        <translation>FFmpeg&apos;in kayda başlaması bekleniyor…</translation>
    </message>
    <message>
        <source>请先启动声音服务器（PulseAudio），再开始录制。</source>
        <translation>Önce ses sunucusunu (PulseAudio) başlatın, ardından kayda başlayın.</translation>
    </message>
    <message>
        <source>请先启动声音服务器（PulseAudio），或关闭扬声器和麦克风后录制无声视频。</source>
        <translation>Önce ses sunucusunu (PulseAudio) başlatın ya da sessiz bir video kaydetmek için hoparlörü ve mikrofonu kapatın.</translation>
    </message>
    <message>
        <source>没有录下任何内容：录制在开始之前就已停止。</source>
        <translation>Hiçbir şey kaydedilmedi: kayıt başlamadan önce durduruldu.</translation>
    </message>
</context>
<context>
    <name>RecordingFinalizer</name>
    <message>
        <source>正在使用兼容编码器重新添加水印…</source>
        <translation>Filigran uyumlu bir kodlayıcıyla yeniden ekleniyor…</translation>
    </message>
    <message>
        <source>正在添加水印…</source>
        <translation>Filigran ekleniyor…</translation>
    </message>
    <message>
        <source>没有可保存的录制分段。</source>
        <translation>Kaydedilecek kayıt bölümü yok.</translation>
    </message>
    <message>
        <source>正在准备录制文件…</source>
        <translation>Kayıt dosyası hazırlanıyor…</translation>
    </message>
    <message>
        <source>正在安全合并录制分段…</source>
        <translation>Kayıt bölümleri güvenle birleştiriliyor…</translation>
    </message>
    <message>
        <source>已取消添加水印，已保留无水印原视频。</source>
        <translation>Filigran ekleme iptal edildi; filigransız özgün video korundu.</translation>
    </message>
    <message>
        <source>水印处理失败，已保留并保存无水印原视频，录制内容没有丢失。</source>
        <translation>Filigran eklenemedi. Filigransız özgün video korundu ve kaydedildi; kayıttan hiçbir şey kaybolmadı.</translation>
    </message>
    <message>
        <source>找不到等待添加水印的录制文件。</source>
        <translation>Filigran eklenecek kayıt dosyası bulunamadı.</translation>
    </message>
    <message>
        <source>正在安全取消水印处理…</source>
        <translation>Filigran işlemi güvenle iptal ediliyor…</translation>
    </message>
    <message>
        <source>目标文件已存在且无法安全备份；合并结果仍保留在临时文件中。</source>
        <translation>Hedef dosya zaten var ve güvenle yedeklenemiyor; birleştirme sonucu geçici dosyada duruyor.</translation>
    </message>
    <message>
        <source>录制后处理已完成，但无法写入最终文件；结果仍保留在临时文件中。</source>
        <translation>Kaydın son işlemesi tamamlandı ancak son dosya yazılamıyor; sonuç geçici dosyada duruyor.</translation>
    </message>
    <message>
        <source>同名的原有文件没有被覆盖，已保留为：
%1</source>
        <translation>Aynı adlı mevcut dosyanın üzerine yazılmadı; şu adla korundu:
%1</translation>
    </message>
    <message>
        <source>
可恢复的后处理文件：%1</source>
        <translation>
Kurtarılabilir işlenmiş dosya: %1</translation>
    </message>
    <message>
        <source>录制后处理失败。为避免录像丢失，原始分段或可恢复文件已保留在：
%1%2

%3</source>
        <translation>Kaydın son işlemesi başarısız oldu. Hiçbir şey kaybolmasın diye özgün bölümler veya kurtarılabilir dosyalar şurada korundu:
%1%2

%3</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已满，分段没有合并成一个文件。腾出约 %2 的可用空间后，可以手动合并这些分段。</source>
        <translation>Kayıt diski %1 dolu, bu yüzden bölümler tek bir dosyada birleştirilmedi. Yaklaşık %2 yer açtıktan sonra bu bölümleri kendiniz birleştirebilirsiniz.</translation>
    </message>
</context>
<context>
    <name>RecordingSettingsDialog</name>
    <message>
        <source>录制性能设置</source>
        <translation>Kayıt Performansı Ayarları</translation>
    </message>
    <message>
        <source>录制性能</source>
        <translation>Kayıt Performansı</translation>
    </message>
    <message>
        <source>选择用途，自动匹配参数</source>
        <translation>Bir kullanım seçin, ayarlar ona uysun</translation>
    </message>
    <message>
        <source>预设</source>
        <translation>Hazır ayarlar</translation>
    </message>
    <message>
        <source>办公
文档、会议</source>
        <translation>Ofis
Belgeler, toplantılar</translation>
    </message>
    <message>
        <source>课程
文字清晰</source>
        <translation>Ders
Net metin</translation>
    </message>
    <message>
        <source>游戏
流畅优先</source>
        <translation>Oyun
Akıcılık öncelikli</translation>
    </message>
    <message>
        <source>高画质
细节优先</source>
        <translation>Yüksek kalite
Ayrıntı öncelikli</translation>
    </message>
    <message>
        <source>高级设置  ▾</source>
        <translation>Gelişmiş ayarlar  ▾</translation>
    </message>
    <message>
        <source>帧率</source>
        <translation>Kare hızı</translation>
    </message>
    <message>
        <source>格式</source>
        <translation>Biçim</translation>
    </message>
    <message>
        <source>画质</source>
        <translation>Görüntü kalitesi</translation>
    </message>
    <message>
        <source>帧率类型</source>
        <translation>Kare hızı modu</translation>
    </message>
    <message>
        <source>编码器</source>
        <translation>Kodlayıcı</translation>
    </message>
    <message>
        <source>关键帧</source>
        <translation>Anahtar kareler</translation>
    </message>
    <message>
        <source>30 FPS（推荐）</source>
        <translation>30 FPS (önerilen)</translation>
    </message>
    <message>
        <source>标准</source>
        <translation>Standart</translation>
    </message>
    <message>
        <source>高清（推荐）</source>
        <translation>HD (önerilen)</translation>
    </message>
    <message>
        <source>超清</source>
        <translation>Ultra HD</translation>
    </message>
    <message>
        <source>自动（推荐）</source>
        <translation>Otomatik (önerilen)</translation>
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
        <translation>MP4 (uyumlu)</translation>
    </message>
    <message>
        <source>MKV（易恢复）</source>
        <translation>MKV (kolay kurtarılır)</translation>
    </message>
    <message>
        <source>恒定（推荐）</source>
        <translation>Sabit (önerilen)</translation>
    </message>
    <message>
        <source>可变（省空间）</source>
        <translation>Değişken (yer tasarrufu)</translation>
    </message>
    <message>
        <source>1 秒</source>
        <translation>1 sn</translation>
    </message>
    <message>
        <source>2 秒（推荐）</source>
        <translation>2 sn (önerilen)</translation>
    </message>
    <message>
        <source>5 秒</source>
        <translation>5 sn</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>Bitti</translation>
    </message>
    <message>
        <source>收起高级设置  ▴</source>
        <translation>Gelişmiş ayarları gizle  ▴</translation>
    </message>
    <message>
        <source>高清</source>
        <translation>HD</translation>
    </message>
    <message>
        <source>CPU 编码</source>
        <translation>CPU kodlama</translation>
    </message>
    <message>
        <source>自动编码</source>
        <translation>Otomatik kodlama</translation>
    </message>
    <message>
        <source>GPU 编码</source>
        <translation>GPU kodlama</translation>
    </message>
    <message>
        <source>高性能模式</source>
        <translation>Yüksek performans modu</translation>
    </message>
    <message>
        <source>适合办公与课程</source>
        <translation>Ofis ve dersler için uygun</translation>
    </message>
    <message>
        <source>适合游戏</source>
        <translation>Oyunlar için uygun</translation>
    </message>
    <message>
        <source>%1 · %2 · 关键帧 %3 秒</source>
        <translation>%1 · %2 · %3 sn’de bir anahtar kare</translation>
    </message>
    <message>
        <source>可变</source>
        <translation>Değişken</translation>
    </message>
    <message>
        <source>恒定</source>
        <translation>Sabit</translation>
    </message>
    <message>
        <source>%1 FPS · %2 · %3
%4 · %5</source>
        <translation>%1 FPS · %2 · %3
%4 · %5</translation>
    </message>
    <message>
        <source>当前显示器最高刷新率约为 %1 Hz</source>
        <translation>En hızlı ekranın yenileme hızı yaklaşık %1 Hz</translation>
    </message>
    <message>
        <source>没有检测到可用的 H.264 GPU 硬件编码器</source>
        <translation>Çalışan bir H.264 GPU donanım kodlayıcısı bulunamadı</translation>
    </message>
    <message>
        <source>120 FPS 性能检查</source>
        <translation>120 FPS Performans Denetimi</translation>
    </message>
    <message>
        <source>当前设备可能无法稳定录制 120 FPS：

• %1

建议自动调整为 60 FPS。录制期间仍会继续监测实际性能。</source>
        <translation>Bu cihaz 120 FPS’yi kararlı kaydedemeyebilir:

• %1

60 FPS’ye geçmeniz önerilir. Kayıt sırasında gerçek performans izlenmeye devam eder.</translation>
    </message>
    <message>
        <source>自动改为 60 FPS</source>
        <translation>60 FPS’ye geç</translation>
    </message>
    <message>
        <source>仍然使用 120 FPS</source>
        <translation>120 FPS’de kal</translation>
    </message>
    <message>
        <source>返回设置</source>
        <translation>Ayarlara dön</translation>
    </message>
</context>
<context>
    <name>ScheduledRecordingDialog</name>
    <message>
        <source>计划录制</source>
        <translation>Zamanlanmış Kayıt</translation>
    </message>
    <message>
        <source>到达开始时间后，Vistrelle 将按指定模式自动开始录制。</source>
        <translation>Başlangıç saatinde Vistrelle seçilen modda kayda başlar.</translation>
    </message>
    <message>
        <source>启用计划录制</source>
        <translation>Zamanlanmış kaydı etkinleştir</translation>
    </message>
    <message>
        <source>单次</source>
        <translation>Bir kez</translation>
    </message>
    <message>
        <source>每日</source>
        <translation>Her gün</translation>
    </message>
    <message>
        <source>每周</source>
        <translation>Her hafta</translation>
    </message>
    <message>
        <source>星期一</source>
        <translation>Pazartesi</translation>
    </message>
    <message>
        <source>星期二</source>
        <translation>Salı</translation>
    </message>
    <message>
        <source>星期三</source>
        <translation>Çarşamba</translation>
    </message>
    <message>
        <source>星期四</source>
        <translation>Perşembe</translation>
    </message>
    <message>
        <source>星期五</source>
        <translation>Cuma</translation>
    </message>
    <message>
        <source>星期六</source>
        <translation>Cumartesi</translation>
    </message>
    <message>
        <source>星期日</source>
        <translation>Pazar</translation>
    </message>
    <message>
        <source>录制屏幕</source>
        <translation>Ekranı Kaydet</translation>
    </message>
    <message>
        <source>录制音频</source>
        <translation>Ses Kaydet</translation>
    </message>
    <message>
        <source>录制窗口</source>
        <translation>Pencereyi Kaydet</translation>
    </message>
    <message>
        <source>游戏录制</source>
        <translation>Oyun Kaydı</translation>
    </message>
    <message>
        <source>高性能屏幕录制</source>
        <translation>Yüksek Performanslı Ekran Kaydı</translation>
    </message>
    <message>
        <source>重复</source>
        <translation>Tekrar</translation>
    </message>
    <message>
        <source>开始日期和时间</source>
        <translation>Başlangıç tarihi ve saati</translation>
    </message>
    <message>
        <source>每天开始时间</source>
        <translation>Günlük başlangıç saati</translation>
    </message>
    <message>
        <source>每周日期</source>
        <translation>Haftanın günü</translation>
    </message>
    <message>
        <source>指定录制模式</source>
        <translation>Kayıt modu</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>保存计划</source>
        <translation>Zamanlamayı Kaydet</translation>
    </message>
    <message>
        <source>这个时间已经过去，请选择一个将来的时间。</source>
        <translation>Bu saat zaten geçti. Lütfen ileri bir saat seçin.</translation>
    </message>
</context>
<context>
    <name>ScreenshotNotice</name>
    <message>
        <source>截图失败</source>
        <translation>Ekran görüntüsü alınamadı</translation>
    </message>
    <message>
        <source>无法截取画面。</source>
        <translation>Görüntü alınamadı.</translation>
    </message>
    <message>
        <source>无法保存截图：
%1
请检查文件夹的写入权限。</source>
        <translation>Ekran görüntüsü kaydedilemedi:
%1
Klasörün yazma iznini denetleyin.</translation>
    </message>
    <message>
        <source>截图完成</source>
        <translation>Ekran görüntüsü kaydedildi</translation>
    </message>
    <message>
        <source>截图已保存到：
%1</source>
        <translation>Ekran görüntüsü şuraya kaydedildi:
%1</translation>
    </message>
    <message>
        <source>上一张截图仍在保存，请稍后再试。</source>
        <translation>Önceki ekran görüntüleri hâlâ kaydediliyor. Biraz sonra yeniden deneyin.</translation>
    </message>
</context>
<context>
    <name>SegmentMerger</name>
    <message>
        <source>FFmpeg 停止了响应，分段没有合并。</source>
        <translation>FFmpeg yanıt vermeyi bıraktı, bu yüzden bölümler birleştirilmedi.</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>设置</source>
        <translation>Ayarlar</translation>
    </message>
    <message>
        <source>通用</source>
        <translation>Genel</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Kaydet</translation>
    </message>
    <message>
        <source>鼠标效果</source>
        <translation>Fare efektleri</translation>
    </message>
    <message>
        <source>快捷键</source>
        <translation>Kısayollar</translation>
    </message>
    <message>
        <source>录制</source>
        <translation>Kayıt</translation>
    </message>
    <message>
        <source>恢复默认设置</source>
        <translation>Varsayılanları geri yükle</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>保存设置</source>
        <translation>Ayarları Kaydet</translation>
    </message>
    <message>
        <source>保存目录无效或无法创建，请重新选择。</source>
        <translation>Kayıt klasörü geçersiz veya oluşturulamıyor. Lütfen başka bir klasör seçin.</translation>
    </message>
    <message>
        <source>每个全局快捷键只能包含一个组合，请重新设置。</source>
        <translation>Her genel kısayol yalnızca bir tuş birleşimi içerebilir. Lütfen yeniden ayarlayın.</translation>
    </message>
    <message>
        <source>快捷键 %1 被重复使用，请为每个功能设置不同组合。</source>
        <translation>%1 kısayolu birden fazla kez kullanılıyor. Lütfen her işleve ayrı bir birleşim verin.</translation>
    </message>
    <message>
        <source>快捷键设置</source>
        <translation>Kısayol Ayarları</translation>
    </message>
    <message>
        <source>设置写入失败，请检查当前用户的配置权限。</source>
        <translation>Ayarlar kaydedilemedi. Lütfen geçerli kullanıcının yapılandırma yazma iznini denetleyin.</translation>
    </message>
    <message>
        <source>开机时自动启动 Vistrelle</source>
        <translation>Oturum açıldığında Vistrelle’i başlat</translation>
    </message>
    <message>
        <source>启动后最小化到系统托盘</source>
        <translation>Sistem tepsisine küçültülmüş başlat</translation>
    </message>
    <message>
        <source>关闭按钮</source>
        <translation>Kapat düğmesi</translation>
    </message>
    <message>
        <source>最小化到系统托盘</source>
        <translation>Sistem tepsisine küçült</translation>
    </message>
    <message>
        <source>退出程序</source>
        <translation>Programdan çık</translation>
    </message>
    <message>
        <source>每次询问我</source>
        <translation>Her seferinde sor</translation>
    </message>
    <message>
        <source>选择“每次询问我”时，每次关闭主窗口都会弹出选择窗口。以后仍可在这里修改。</source>
        <translation>“Her seferinde sor” seçildiğinde ana pencereyi kapatırken her zaman ne yapılacağı sorulur. Bunu daha sonra buradan değiştirebilirsiniz.</translation>
    </message>
    <message>
        <source>诊断</source>
        <translation>Tanılama</translation>
    </message>
    <message>
        <source>启用详细诊断日志</source>
        <translation>Ayrıntılı tanılama günlüğünü etkinleştir</translation>
    </message>
    <message>
        <source>日志保存在本机；重启后生效。</source>
        <translation>Günlükler bu bilgisayarda kalır; yeniden başlatınca etkin olur.</translation>
    </message>
    <message>
        <source>默认保存目录</source>
        <translation>Varsayılan kayıt klasörü</translation>
    </message>
    <message>
        <source>浏览…</source>
        <translation>Gözat…</translation>
    </message>
    <message>
        <source>文件命名规则</source>
        <translation>Dosya adlandırma</translation>
    </message>
    <message>
        <source>日期 + 时间</source>
        <translation>Tarih + saat</translation>
    </message>
    <message>
        <source>Vistrelle + 日期时间</source>
        <translation>Vistrelle + tarih ve saat</translation>
    </message>
    <message>
        <source>自动编号</source>
        <translation>Otomatik numara</translation>
    </message>
    <message>
        <source>示例：2026-09-04_143022.mp4</source>
        <translation type="vanished">Örnek: 2026-09-04_143022.mp4</translation>
    </message>
    <message>
        <source>磁盘空间提醒</source>
        <translation>Disk alanı uyarısı</translation>
    </message>
    <message>
        <source>当磁盘剩余空间少于</source>
        <translation>Boş disk alanı şunun altına düştüğünde</translation>
    </message>
    <message>
        <source>时提醒我</source>
        <translation>uyar</translation>
    </message>
    <message>
        <source>选择保存目录</source>
        <translation>Kayıt Klasörünü Seç</translation>
    </message>
    <message>
        <source>显示鼠标高亮</source>
        <translation>Fare imlecini vurgula</translation>
    </message>
    <message>
        <source>高亮颜色</source>
        <translation>Vurgu rengi</translation>
    </message>
    <message>
        <source>大小</source>
        <translation>Boyut</translation>
    </message>
    <message>
        <source>透明度</source>
        <translation>Opaklık</translation>
    </message>
    <message>
        <source>点击动画</source>
        <translation>Tıklama animasyonu</translation>
    </message>
    <message>
        <source>显示鼠标点击动画</source>
        <translation>Fare tıklamalarını canlandır</translation>
    </message>
    <message>
        <source>左键点击</source>
        <translation>Sol tık</translation>
    </message>
    <message>
        <source>右键点击</source>
        <translation>Sağ tık</translation>
    </message>
    <message>
        <source>选择颜色</source>
        <translation>Renk Seç</translation>
    </message>
    <message>
        <source>点击选择颜色</source>
        <translation>Renk seçmek için tıklayın</translation>
    </message>
    <message>
        <source>开始 / 停止录制</source>
        <translation>Kaydı başlat / durdur</translation>
    </message>
    <message>
        <source>暂停 / 继续录制</source>
        <translation>Kaydı duraklat / sürdür</translation>
    </message>
    <message>
        <source>截图（全屏 / 区域）</source>
        <translation>Ekran görüntüsü (tam ekran / alan)</translation>
    </message>
    <message>
        <source>显示 / 隐藏悬浮工具栏</source>
        <translation>Kayan araç çubuğunu göster / gizle</translation>
    </message>
    <message>
        <source>显示 / 隐藏注释工具栏</source>
        <translation>Açıklama araçlarını göster / gizle</translation>
    </message>
    <message>
        <source>点击确定后保存，应用于下一次录制。</source>
        <translation>Tamam’a basınca kaydedilir; sonraki kayda uygulanır.</translation>
    </message>
    <message>
        <source>录制预设</source>
        <translation>Kayıt hazır ayarı</translation>
    </message>
    <message>
        <source>办公</source>
        <translation>Ofis</translation>
    </message>
    <message>
        <source>课程</source>
        <translation>Ders</translation>
    </message>
    <message>
        <source>游戏</source>
        <translation>Oyun</translation>
    </message>
    <message>
        <source>自定义</source>
        <translation>Özel</translation>
    </message>
    <message>
        <source>标准</source>
        <translation>Standart</translation>
    </message>
    <message>
        <source>高清（推荐）</source>
        <translation>HD (önerilen)</translation>
    </message>
    <message>
        <source>超清</source>
        <translation>Ultra HD</translation>
    </message>
    <message>
        <source>自动（推荐）</source>
        <translation>Otomatik (önerilen)</translation>
    </message>
    <message>
        <source>恒定（推荐）</source>
        <translation>Sabit (önerilen)</translation>
    </message>
    <message>
        <source>可变</source>
        <translation>Değişken</translation>
    </message>
    <message>
        <source>%1 秒</source>
        <translation>%1 sn</translation>
    </message>
    <message>
        <source>常用设置</source>
        <translation>Sık kullanılan ayarlar</translation>
    </message>
    <message>
        <source>视频格式</source>
        <translation>Video biçimi</translation>
    </message>
    <message>
        <source>帧率</source>
        <translation>Kare hızı</translation>
    </message>
    <message>
        <source>画质</source>
        <translation>Görüntü kalitesi</translation>
    </message>
    <message>
        <source>硬件加速</source>
        <translation>Donanım hızlandırma</translation>
    </message>
    <message>
        <source>高级设置 ▾</source>
        <translation>Gelişmiş ayarlar ▾</translation>
    </message>
    <message>
        <source>帧率类型</source>
        <translation>Kare hızı modu</translation>
    </message>
    <message>
        <source>关键帧间隔</source>
        <translation>Anahtar kare aralığı</translation>
    </message>
    <message>
        <source>收起高级设置 ▴</source>
        <translation>Gelişmiş ayarları gizle ▴</translation>
    </message>
    <message>
        <source>示例：%1</source>
        <translation>Örnek: %1</translation>
    </message>
</context>
<context>
    <name>SetupRecordingToolbar</name>
    <message>
        <source>Full Screen  ▾</source>
        <translation>Tam ekran  ▾</translation>
    </message>
    <message>
        <source>Display 1</source>
        <translation>Ekran 1</translation>
    </message>
    <message>
        <source>Webcam  ▾</source>
        <translation>Web kamerası  ▾</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Kapalı</translation>
    </message>
    <message>
        <source>Speaker  ▾</source>
        <translation>Hoparlör  ▾</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Açık</translation>
    </message>
    <message>
        <source>Microphone  ▾</source>
        <translation>Mikrofon  ▾</translation>
    </message>
    <message>
        <source>Screenshot</source>
        <translation>Ekran görüntüsü</translation>
    </message>
    <message>
        <source>Auto Stop</source>
        <translation>Oto. durdur</translation>
    </message>
    <message>
        <source>Auto Split</source>
        <translation>Otomatik böl</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Zamanla</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ayarlar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Çıkış</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Tam ekran</translation>
    </message>
    <message>
        <source>Full Screen · Display %1</source>
        <translation>Tam ekran · Ekran %1</translation>
    </message>
    <message>
        <source>Custom Area</source>
        <translation>Özel alan</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Pencere</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Oyun</translation>
    </message>
    <message>
        <source>Audio Only</source>
        <translation>Yalnızca ses</translation>
    </message>
    <message>
        <source>Webcam</source>
        <translation>Web kamerası</translation>
    </message>
    <message>
        <source>Custom Area  ▾</source>
        <translation>Özel alan  ▾</translation>
    </message>
    <message>
        <source>Window  ▾</source>
        <translation>Pencere  ▾</translation>
    </message>
    <message>
        <source>Game  ▾</source>
        <translation>Oyun  ▾</translation>
    </message>
    <message>
        <source>Audio Only  ▾</source>
        <translation>Yalnızca ses  ▾</translation>
    </message>
    <message>
        <source>Start recording</source>
        <translation>Kaydı başlat</translation>
    </message>
    <message>
        <source>Select a window before recording</source>
        <translation>Kayıttan önce bir pencere seçin</translation>
    </message>
    <message>
        <source>Drag toolbar</source>
        <translation>Araç çubuğunu sürükle</translation>
    </message>
    <message>
        <source>Open menu</source>
        <translation>Menüyü aç</translation>
    </message>
</context>
<context>
    <name>StopRecordingDialog</name>
    <message>
        <source>Stop Recording</source>
        <translation>Kaydı durdur</translation>
    </message>
    <message>
        <source>Stop this recording?</source>
        <translation>Bu kayıt durdurulsun mu?</translation>
    </message>
    <message>
        <source>Recorded</source>
        <translation>Kaydedilen</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Devam et</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>At</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Kaydet</translation>
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
        <translation>🔊 Sistem</translation>
    </message>
    <message>
        <source>🎵 背景乐</source>
        <translation>🎵 Müzik</translation>
    </message>
    <message>
        <source>📝 字幕</source>
        <translation>📝 Altyazı</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>菜单</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>关于 Vistrelle</source>
        <translation>Vistrelle Hakkında</translation>
    </message>
    <message>
        <source>语言</source>
        <translation>Dil</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Yardım</translation>
    </message>
    <message>
        <source>在线帮助</source>
        <translation>Çevrimiçi Yardım</translation>
    </message>
    <message>
        <source>打开日志文件夹</source>
        <translation>Günlük Klasörünü Aç</translation>
    </message>
    <message>
        <source>技术支持</source>
        <translation>Destek</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Ayarlar</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Çıkış</translation>
    </message>
</context>
<context>
    <name>ToolDialog</name>
    <message>
        <source>音量</source>
        <translation type="vanished">Ses düzeyi</translation>
    </message>
    <message>
        <source>音频</source>
        <translation type="vanished">Ses</translation>
    </message>
    <message>
        <source>速度</source>
        <translation type="vanished">hız</translation>
    </message>
    <message>
        <source>转换</source>
        <translation type="vanished">Dönüştür</translation>
    </message>
    <message>
        <source>信息</source>
        <translation type="vanished">Bilgi</translation>
    </message>
    <message>
        <source>取消</source>
        <translation type="vanished">İptal</translation>
    </message>
    <message>
        <source>应用</source>
        <translation type="vanished">Uygula</translation>
    </message>
</context>
<context>
    <name>VideoListDialog</name>
    <message>
        <source>媒体库</source>
        <translation>Medya Kitaplığı</translation>
    </message>
    <message>
        <source>搜索录制文件...</source>
        <translation>Kayıtlarda ara...</translation>
    </message>
    <message>
        <source>全部</source>
        <translation>Tümü</translation>
    </message>
    <message>
        <source>视频</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>音频</source>
        <translation>Ses</translation>
    </message>
    <message>
        <source>正在加载媒体文件…</source>
        <translation>Medya dosyaları yükleniyor…</translation>
    </message>
    <message>
        <source>%1 个文件</source>
        <translation type="vanished">%1 dosya</translation>
    </message>
    <message>
        <source>播放失败</source>
        <translation>Oynatma başarısız</translation>
    </message>
    <message>
        <source>请选择一个媒体文件</source>
        <translation>Bir medya dosyası seçin</translation>
    </message>
    <message>
        <source>打开文件夹</source>
        <translation>Klasörü Aç</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Sil</translation>
    </message>
    <message>
        <source>全屏播放（F）</source>
        <translation>Tam ekran oynat (F)</translation>
    </message>
    <message>
        <source>全屏播放</source>
        <translation>Tam ekran oynat</translation>
    </message>
    <message>
        <source>采样率未知</source>
        <translation>Örnekleme hızı bilinmiyor</translation>
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
        <translation>%1 kanal</translation>
    </message>
    <message>
        <source>暂停</source>
        <translation>Duraklat</translation>
    </message>
    <message>
        <source>播放</source>
        <translation>Oynat</translation>
    </message>
    <message>
        <source>暂停媒体</source>
        <translation>Medyayı duraklat</translation>
    </message>
    <message>
        <source>播放媒体</source>
        <translation>Medyayı oynat</translation>
    </message>
    <message>
        <source>暂无媒体文件</source>
        <translation>Henüz medya dosyası yok</translation>
    </message>
    <message>
        <source>没有匹配的媒体文件</source>
        <translation>Eşleşen medya dosyası yok</translation>
    </message>
    <message>
        <source>重命名文件</source>
        <translation>Dosyayı yeniden adlandır</translation>
    </message>
    <message>
        <source>Copy File Path</source>
        <translation>Dosya Yolunu Kopyala</translation>
    </message>
    <message>
        <source>查看文件信息</source>
        <translation>Dosya bilgileri</translation>
    </message>
    <message>
        <source>删除音频</source>
        <translation>Sesi Sil</translation>
    </message>
    <message>
        <source>删除视频</source>
        <translation>Videoyu Sil</translation>
    </message>
    <message>
        <source>确定永久删除“%1”吗？</source>
        <translation>&quot;%1&quot; kalıcı olarak silinsin mi?</translation>
    </message>
    <message>
        <source>删除失败</source>
        <translation>Silme başarısız</translation>
    </message>
    <message>
        <source>文件正在使用或没有删除权限。</source>
        <translation>Dosya kullanımda veya silme izniniz yok.</translation>
    </message>
    <message>
        <source>正在生成波形…</source>
        <translation>Dalga biçimi oluşturuluyor…</translation>
    </message>
    <message>
        <source>正在加载缩略图…</source>
        <translation>Küçük resim yükleniyor…</translation>
    </message>
    <message>
        <source>音频文件</source>
        <translation>Ses dosyası</translation>
    </message>
    <message>
        <source>无法加载缩略图</source>
        <translation>Küçük resim yüklenemedi</translation>
    </message>
    <message>
        <source>移除声音</source>
        <translation>Sesi kaldır</translation>
    </message>
    <message>
        <source>裁剪</source>
        <translation>Kırp</translation>
    </message>
    <message>
        <source>分割</source>
        <translation>Böl</translation>
    </message>
    <message>
        <source>截图</source>
        <translation>Ekran görüntüsü</translation>
    </message>
    <message>
        <source>水印</source>
        <translation>Filigran</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Geri al</translation>
    </message>
    <message>
        <source>更多</source>
        <translation>Daha fazla</translation>
    </message>
    <message>
        <source>编辑与文件工具</source>
        <translation>Düzenleme ve dosya araçları</translation>
    </message>
    <message>
        <source>裁剪视频</source>
        <translation>Videoyu kırp</translation>
    </message>
    <message>
        <source>拖动两侧滑块，选择保留的片段</source>
        <translation>Saklanacak bölümü seçmek için iki tutamacı sürükleyin</translation>
    </message>
    <message>
        <source>Start Trimming...</source>
        <translation>Kırpmayı başlat...</translation>
    </message>
    <message>
        <source>分割点  %1</source>
        <translation>Bölme noktası  %1</translation>
    </message>
    <message>
        <source>将在 %1 处分割为两个%2片段</source>
        <translation type="vanished">%1 konumunda iki %2 parçasına bölünecek</translation>
    </message>
    <message>
        <source>选中时长  %1</source>
        <translation>Seçilen süre  %1</translation>
    </message>
    <message>
        <source>Mute Selection</source>
        <translation>Seçimin sesini kapat</translation>
    </message>
    <message>
        <source>预览画面效果</source>
        <translation>Görüntü efekti önizlemesi</translation>
    </message>
    <message>
        <source>分割音频</source>
        <translation>Sesi böl</translation>
    </message>
    <message>
        <source>分割视频</source>
        <translation>Videoyu böl</translation>
    </message>
    <message>
        <source>裁剪音频</source>
        <translation>Sesi kırp</translation>
    </message>
    <message>
        <source>当前仅预览，点击保存后才会处理视频</source>
        <translation>Yalnızca önizleme: video Kaydet&apos;e tıkladığınızda işlenir</translation>
    </message>
    <message>
        <source>拖动黄色分割线，选择分割位置</source>
        <translation>Bölme yerini seçmek için sarı çizgiyi sürükleyin</translation>
    </message>
    <message>
        <source>Save Muted Copy</source>
        <translation>Sessiz kopyayı kaydet</translation>
    </message>
    <message>
        <source>开始分割</source>
        <translation>Bölmeyi başlat</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Kaydet</translation>
    </message>
    <message>
        <source>已设为无声</source>
        <translation>Sessize alındı</translation>
    </message>
    <message>
        <source>点击恢复原声</source>
        <translation>Sesi geri getirmek için tıklayın</translation>
    </message>
    <message>
        <source>Mute audio in the selected range</source>
        <translation>Seçilen aralıktaki sesi kapat</translation>
    </message>
    <message>
        <source>音量</source>
        <translation>Ses düzeyi</translation>
    </message>
    <message>
        <source>调整音频音量</source>
        <translation>Ses düzeyini ayarla</translation>
    </message>
    <message>
        <source>Vistrelle 全屏播放</source>
        <translation>Vistrelle tam ekran</translation>
    </message>
    <message>
        <source>截图不可用</source>
        <translation>Ekran görüntüsü alınamıyor</translation>
    </message>
    <message>
        <source>视频画面尚未就绪，请先播放或移动到需要截图的位置。</source>
        <translation>Video görüntüsü henüz hazır değil. Önce videoyu oynatın veya yakalamak istediğiniz ana gidin.</translation>
    </message>
    <message>
        <source>截图完成</source>
        <translation>Ekran görüntüsü kaydedildi</translation>
    </message>
    <message>
        <source>截图已保存到：
%1</source>
        <translation>Ekran görüntüsü şuraya kaydedildi:
%1</translation>
    </message>
    <message>
        <source>正在保存媒体文件，请稍候…</source>
        <translation>Medya dosyası kaydediliyor, lütfen bekleyin…</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>正在保存</source>
        <translation>Kaydediliyor</translation>
    </message>
    <message>
        <source>编辑失败</source>
        <translation>Düzenleme başarısız</translation>
    </message>
    <message>
        <source>无法启动 FFmpeg。</source>
        <translation>FFmpeg başlatılamadı.</translation>
    </message>
    <message>
        <source>无法分割</source>
        <translation>Bölünemiyor</translation>
    </message>
    <message>
        <source>请将播放位置移动到音频中间。</source>
        <translation>Oynatma konumunu sesin ortasına taşıyın.</translation>
    </message>
    <message>
        <source>请将播放位置移动到视频中间。</source>
        <translation>Oynatma konumunu videonun ortasına taşıyın.</translation>
    </message>
    <message>
        <source>分割失败</source>
        <translation>Bölme başarısız</translation>
    </message>
    <message>
        <source>FFmpeg 没有写出分割后的文件。</source>
        <translation>FFmpeg bölünmüş dosyaları yazmadı.</translation>
    </message>
    <message>
        <source>分割完成</source>
        <translation>Bölme tamamlandı</translation>
    </message>
    <message>
        <source>已生成两个音频片段。</source>
        <translation>İki ses parçası oluşturuldu.</translation>
    </message>
    <message>
        <source>已生成两个视频片段。</source>
        <translation>İki video parçası oluşturuldu.</translation>
    </message>
    <message>
        <source>保存失败</source>
        <translation>Kaydetme başarısız</translation>
    </message>
    <message>
        <source>无法替换原文件，原文件已保留。</source>
        <translation>Özgün dosya değiştirilemedi; korundu.</translation>
    </message>
    <message>
        <source>保存完成</source>
        <translation>Kaydedildi</translation>
    </message>
    <message>
        <source>音频已保存：
%1</source>
        <translation>Ses kaydedildi:
%1</translation>
    </message>
    <message>
        <source>视频已保存：
%1</source>
        <translation>Video kaydedildi:
%1</translation>
    </message>
    <message>
        <source>正在处理媒体文件…</source>
        <translation>Medya dosyası işleniyor…</translation>
    </message>
    <message>
        <source>处理失败</source>
        <translation>İşlem başarısız</translation>
    </message>
    <message>
        <source>操作已完成。</source>
        <translation>İşlem tamamlandı.</translation>
    </message>
    <message>
        <source>文件已保存：
%1</source>
        <translation>Dosya kaydedildi:
%1</translation>
    </message>
    <message>
        <source>旋转 90°</source>
        <translation>90° döndür</translation>
    </message>
    <message>
        <source>水平翻转</source>
        <translation>Yatay çevir</translation>
    </message>
    <message>
        <source>垂直翻转</source>
        <translation>Dikey çevir</translation>
    </message>
    <message>
        <source>调整播放速度</source>
        <translation>Oynatma hızını ayarla</translation>
    </message>
    <message>
        <source>调整音量</source>
        <translation>Ses düzeyini ayarla</translation>
    </message>
    <message>
        <source>提取音频</source>
        <translation>Sesi çıkar</translation>
    </message>
    <message>
        <source>另存为 / 转换格式</source>
        <translation>Farklı kaydet / Dönüştür</translation>
    </message>
    <message>
        <source>未知</source>
        <translation>Bilinmiyor</translation>
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
        <translation type="vanished">Biçim: %1
Kodek: %2
Örnekleme hızı: %3 Hz
Kanal: %4
Bit hızı: %5 kbps
Süre: %6
Boyut: %7
Oluşturulma: %8
Klasör: %9</translation>
    </message>
    <message>
        <source>格式：%1
分辨率：%2 × %3
帧率：%4 fps
时长：%5
大小：%6
创建时间：%7
保存路径：%8</source>
        <translation type="vanished">Biçim: %1
Çözünürlük: %2 × %3
Kare hızı: %4 fps
Süre: %5
Boyut: %6
Oluşturulma: %7
Klasör: %8</translation>
    </message>
    <message>
        <source>速度</source>
        <translation>hız</translation>
    </message>
    <message>
        <source>转换</source>
        <translation>Dönüştür</translation>
    </message>
    <message>
        <source>信息</source>
        <translation>Bilgi</translation>
    </message>
    <message>
        <source>应用</source>
        <translation>Uygula</translation>
    </message>
    <message>
        <source>播放速度</source>
        <translation>Oynatma hızı</translation>
    </message>
    <message>
        <source>调整预览速度，也可生成变速视频</source>
        <translation>Önizleme hızını değiştirin veya hızı değiştirilmiş bir kopya oluşturun</translation>
    </message>
    <message>
        <source>选择速度</source>
        <translation>Bir hız seçin</translation>
    </message>
    <message>
        <source>Normal (1×)</source>
        <translation>Normal (1×)</translation>
    </message>
    <message>
        <source>0.5× 慢速    1× 原速    1.5× / 2× 加速</source>
        <translation>0.5× daha yavaş    1× orijinal    1.5× / 2× daha hızlı</translation>
    </message>
    <message>
        <source>变速完成</source>
        <translation>Hız değiştirildi</translation>
    </message>
    <message>
        <source>预览并输出新的音量电平</source>
        <translation>Yeni ses düzeyini önizleyin ve onunla bir kopya oluşturun</translation>
    </message>
    <message>
        <source>静音</source>
        <translation>Sessiz</translation>
    </message>
    <message>
        <source>音量调整完成</source>
        <translation>Ses düzeyi ayarlandı</translation>
    </message>
    <message>
        <source>从视频中提取音轨，保存为音频文件</source>
        <translation>Videonun ses parçasını ses dosyası olarak kaydedin</translation>
    </message>
    <message>
        <source>提取</source>
        <translation>Çıkar</translation>
    </message>
    <message>
        <source>输出格式</source>
        <translation>Çıktı biçimi</translation>
    </message>
    <message>
        <source>音质</source>
        <translation>Ses kalitesi</translation>
    </message>
    <message>
        <source>高质量（320 kbps）</source>
        <translation>Yüksek (320 kbps)</translation>
    </message>
    <message>
        <source>标准（192 kbps）</source>
        <translation>Standart (192 kbps)</translation>
    </message>
    <message>
        <source>压缩（128 kbps）</source>
        <translation>Sıkıştırılmış (128 kbps)</translation>
    </message>
    <message>
        <source>音频提取完成</source>
        <translation>Ses çıkarıldı</translation>
    </message>
    <message>
        <source>选择输出格式并保留原始文件</source>
        <translation>Çıktı biçimini seçin; özgün dosya korunur</translation>
    </message>
    <message>
        <source>导出</source>
        <translation>Dışa aktar</translation>
    </message>
    <message>
        <source>画质</source>
        <translation>Görüntü kalitesi</translation>
    </message>
    <message>
        <source>高质量</source>
        <translation>Yüksek</translation>
    </message>
    <message>
        <source>标准</source>
        <translation>Standart</translation>
    </message>
    <message>
        <source>压缩</source>
        <translation>Sıkıştırılmış</translation>
    </message>
    <message>
        <source>转换完成</source>
        <translation>Dönüştürme tamamlandı</translation>
    </message>
    <message>
        <source>修改文件名，扩展名保持不变</source>
        <translation>Dosya adını değiştirin; uzantı aynı kalır</translation>
    </message>
    <message>
        <source>新文件名</source>
        <translation>Yeni dosya adı</translation>
    </message>
    <message>
        <source>名称无效</source>
        <translation>Geçersiz ad</translation>
    </message>
    <message>
        <source>文件名为空或包含无效字符。</source>
        <translation>Dosya adı boş veya izin verilmeyen karakterler içeriyor.</translation>
    </message>
    <message>
        <source>重命名失败</source>
        <translation>Yeniden adlandırma başarısız</translation>
    </message>
    <message>
        <source>目标文件已存在或文件正在被占用。</source>
        <translation>Bu adda bir dosya zaten var veya dosya kullanımda.</translation>
    </message>
    <message>
        <source>查看音频文件的详细信息</source>
        <translation>Ses dosyasının ayrıntıları</translation>
    </message>
    <message>
        <source>查看视频文件的详细信息</source>
        <translation>Video dosyasının ayrıntıları</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>复制信息</source>
        <translation>Ayrıntıları kopyala</translation>
    </message>
    <message>
        <source>无法在视频目录创建临时文件，请检查写入权限。</source>
        <translation>Videonun klasöründe geçici dosya oluşturulamıyor. Yazma iznini kontrol edin.</translation>
    </message>
    <message>
        <source>无法写入水印文字。</source>
        <translation>Filigran metni yazılamıyor.</translation>
    </message>
    <message>
        <source>正在添加水印，原视频保持不变…</source>
        <translation>Filigran ekleniyor; özgün video değişmeden kalır…</translation>
    </message>
    <message>
        <source>无法保存水印副本，原视频未修改。</source>
        <translation>Filigranlı kopya kaydedilemiyor. Özgün video değiştirilmedi.</translation>
    </message>
    <message>
        <source>无法生成水印副本，原视频未修改。</source>
        <translation>Filigranlı kopya oluşturulamıyor. Özgün video değiştirilmedi.</translation>
    </message>
    <message>
        <source>将在 %1 处分割为两个音频片段</source>
        <translation>%1 konumunda iki ses parçasına bölünecek</translation>
    </message>
    <message>
        <source>将在 %1 处分割为两个视频片段</source>
        <translation>%1 konumunda iki video parçasına bölünecek</translation>
    </message>
    <message numerus="yes">
        <source>%n 个文件</source>
        <translation>
            <numerusform>%n dosya</numerusform>
        </translation>
    </message>
    <message>
        <source>截图失败</source>
        <translation>Ekran görüntüsü alınamadı</translation>
    </message>
    <message>
        <source>无法保存截图：
%1
请检查文件夹的写入权限。</source>
        <translation>Ekran görüntüsü kaydedilemedi:
%1
Klasörün yazma iznini denetleyin.</translation>
    </message>
    <message>
        <source>已有同名文件：
%1</source>
        <translation>Bu adda bir dosya zaten var:
%1</translation>
    </message>
    <message>
        <source>没有写入此文件夹的权限：
%1</source>
        <translation>Bu klasöre yazma izni yok:
%1</translation>
    </message>
    <message>
        <source>文件名不能包含字符 %1</source>
        <translation>Dosya adı %1 karakterini içeremez</translation>
    </message>
    <message>
        <source>文件为空</source>
        <translation>Dosya boş</translation>
    </message>
    <message>
        <source>格式：%1
分辨率：%2
帧率：%3
时长：%4
大小：%5
创建时间：%6
保存路径：%7</source>
        <translation>Biçim: %1
Çözünürlük: %2
Kare hızı: %3
Süre: %4
Boyut: %5
Oluşturulma: %6
Klasör: %7</translation>
    </message>
    <message>
        <source>文件不存在</source>
        <translation>Dosya bulunamadı</translation>
    </message>
    <message>
        <source>“%1”已被移动或删除，已从列表中移除。</source>
        <translation>&quot;%1&quot; artık yok: taşındı ya da silindi. Listeden kaldırıldı.</translation>
    </message>
    <message>
        <source>文件名过长，请缩短后再试。</source>
        <translation>Dosya adı çok uzun. Lütfen kısaltıp yeniden deneyin.</translation>
    </message>
    <message>
        <source>无法检查这个文件是否可用：%1</source>
        <translation>Bu dosyanın kullanılabilir olup olmadığı denetlenemedi: %1</translation>
    </message>
    <message>
        <source>正在读取文件信息…</source>
        <translation>Dosya bilgileri okunuyor…</translation>
    </message>
    <message>
        <source>无法读取此文件的信息</source>
        <translation>Bu dosyanın bilgileri okunamadı</translation>
    </message>
    <message>
        <source>此文件没有声音</source>
        <translation>Bu dosyada ses yok</translation>
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
        <translation>Biçim: %1
Kodek: %2
Örnekleme hızı: %3
Kanal: %4
Bit hızı: %5
Süre: %6
Boyut: %7
Oluşturulma: %8
Klasör: %9</translation>
    </message>
    <message>
        <source>时长未知</source>
        <translation>Süre bilinmiyor</translation>
    </message>
    <message>
        <source>声道未知</source>
        <translation>Kanal sayısı bilinmiyor</translation>
    </message>
</context>
<context>
    <name>WasapiLoopbackCapture</name>
    <message>
        <source>WASAPI 回环录音仅支持 Windows。</source>
        <translation>WASAPI geri döngü kaydı yalnızca Windows&apos;ta desteklenir.</translation>
    </message>
</context>
<context>
    <name>WasapiMicrophoneCapture</name>
    <message>
        <source>WASAPI microphone capture is only supported on Windows.</source>
        <translation>WASAPI mikrofon yakalama yalnızca Windows&apos;ta desteklenir.</translation>
    </message>
</context>
<context>
    <name>WatermarkDialog</name>
    <message>
        <source>水印设置</source>
        <translation>Filigran Ayarları</translation>
    </message>
    <message>
        <source>水印样式</source>
        <translation>Filigran stili</translation>
    </message>
    <message>
        <source>水印文字</source>
        <translation>Filigran metni</translation>
    </message>
    <message>
        <source>字号</source>
        <translation>Yazı boyutu</translation>
    </message>
    <message>
        <source>颜色</source>
        <translation>Renk</translation>
    </message>
    <message>
        <source>透明度</source>
        <translation>Opaklık</translation>
    </message>
    <message>
        <source>拖动滑块调整水印的可见程度</source>
        <translation>Filigranın görünürlüğünü ayarlamak için kaydırıcıyı sürükleyin</translation>
    </message>
    <message>
        <source>实时预览  ●</source>
        <translation>Canlı önizleme  ●</translation>
    </message>
    <message>
        <source>对整个原视频添加水印，另存为 MP4 副本。其他编辑请先保存。</source>
        <translation>Filigran özgün videonun tamamına eklenir ve MP4 kopyası olarak kaydedilir. Diğer düzenlemeleri önce kaydedin.</translation>
    </message>
    <message>
        <source>显示位置</source>
        <translation>Konum</translation>
    </message>
    <message>
        <source>边距</source>
        <translation>Kenar boşlukları</translation>
    </message>
    <message>
        <source>水平</source>
        <translation>Yatay</translation>
    </message>
    <message>
        <source>垂直</source>
        <translation>Dikey</translation>
    </message>
    <message>
        <source>恢复默认</source>
        <translation>Varsayılanlara dön</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>保存水印副本</source>
        <translation>Filigranlı kopyayı kaydet</translation>
    </message>
    <message>
        <source>选择颜色</source>
        <translation>Renk Seç</translation>
    </message>
    <message>
        <source>请输入水印文字。</source>
        <translation>Lütfen filigran metnini girin.</translation>
    </message>
</context>
<context>
    <name>WatermarkProgressDialog</name>
    <message>
        <source>正在添加水印</source>
        <translation>Filigran ekleniyor</translation>
    </message>
    <message>
        <source>正在保存录制</source>
        <translation>Kayıt kaydediliyor</translation>
    </message>
    <message>
        <source>正在处理视频，请稍候…</source>
        <translation>Video işleniyor, lütfen bekleyin…</translation>
    </message>
    <message>
        <source>正在处理录制文件，请稍候…</source>
        <translation>Kayıt işleniyor, lütfen bekleyin…</translation>
    </message>
    <message>
        <source>正在处理 %1 / %2</source>
        <translation>İşleniyor %1 / %2</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>正在取消…</source>
        <translation>İptal ediliyor…</translation>
    </message>
    <message>
        <source>正在安全取消水印处理…</source>
        <translation>Filigran işlemi güvenle iptal ediliyor…</translation>
    </message>
</context>
<context>
    <name>vc::CloseBehaviorDialog</name>
    <message>
        <source>关闭 Vistrelle</source>
        <translation>Vistrelle’i Kapat</translation>
    </message>
    <message>
        <source>关闭窗口后要做什么？</source>
        <translation>Pencere kapatılınca ne yapılsın?</translation>
    </message>
    <message>
        <source>最小化到托盘</source>
        <translation>Tepsiye küçült</translation>
    </message>
    <message>
        <source>退出 Vistrelle</source>
        <translation>Vistrelle’den çık</translation>
    </message>
    <message>
        <source>记住我的选择，下次不再询问</source>
        <translation>Seçimimi hatırla, bir daha sorma</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>Tamam</translation>
    </message>
</context>
</TS>

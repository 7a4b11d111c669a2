<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr" sourcelanguage="zh_CN">
<context>
    <name>AutoSplitDialog</name>
    <message>
        <source>自动分割设置</source>
        <translation>Otomatik Bölme Ayarları</translation>
    </message>
    <message>
        <source>录制时按指定条件自动切分为多个文件</source>
        <translation>Kaydı bir koşula göre otomatik olarak birden çok dosyaya böl</translation>
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
        <translation>Yüklemek, aktarmak veya parça parça saklamak için kolay</translation>
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
        <translation>Her %1 dakikada yeni bir dosya kaydedilir</translation>
    </message>
    <message>
        <source>文件达到 %1 MB 时自动切分并保存</source>
        <translation>Dosya %1 MB olduğunda bölünüp kaydedilir</translation>
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
        <translation>%1 dakikalık kayıttan sonra durur</translation>
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
        <translation>Vistrelle zaten çalışıyor</translation>
    </message>
    <message>
        <source>Another Vistrelle process is running. Finish its recording and quit it before opening Vistrelle again.</source>
        <translation>Başka bir Vistrelle işlemi çalışıyor. Vistrelle&apos;i yeniden açmadan önce kaydını bitirip kapatın.</translation>
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
        <translation>Sistem sesini kaydetmek için macOS 13 veya üstü gerekir.</translation>
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
        <translation>Sistem sesi yakalanamıyor: %1</translation>
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
        <translation>Renk seçin</translation>
    </message>
    <message>
        <source>请输入水印文字。</source>
        <translation>Lütfen filigran metnini girin.</translation>
    </message>
</context>
</TS>

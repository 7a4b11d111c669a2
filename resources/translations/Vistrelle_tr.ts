<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr" sourcelanguage="zh_CN">
<context>
    <name>GlobalHotkey</name>
    <message>
        <source>%1（不支持的按键）</source>
        <translation>%1 (desteklenmeyen tuş)</translation>
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
        <translation>%1 dosya</translation>
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
        <translation>Dosyayı Yeniden Adlandır</translation>
    </message>
    <message>
        <source>Copy File Path</source>
        <translation>Dosya Yolunu Kopyala</translation>
    </message>
    <message>
        <source>查看文件信息</source>
        <translation>Dosya Bilgileri</translation>
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
</TS>

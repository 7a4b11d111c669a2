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
    <name>Recorder</name>
    <message>
        <source>无法创建文件夹：%1</source>
        <translation>Klasör oluşturulamıyor: %1</translation>
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

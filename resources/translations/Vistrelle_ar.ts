<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar" sourcelanguage="zh_CN">
<context>
    <name>GlobalHotkey</name>
    <message>
        <source>%1（不支持的按键）</source>
        <translation>%1 (مفتاح غير مدعوم)</translation>
    </message>
</context>
<context>
    <name>LinkManager</name>
    <message>
        <source>Unable to open browser</source>
        <translation>تعذّر فتح المتصفح</translation>
    </message>
    <message>
        <source>Unable to open the default browser.

Please visit this link manually:
%1</source>
        <translation>تعذّر فتح المتصفح الافتراضي.

يُرجى زيارة هذا الرابط يدويًا:
%1</translation>
    </message>
    <message>
        <source>Link unavailable</source>
        <translation>الرابط غير متاح</translation>
    </message>
    <message>
        <source>The requested page link is not configured.</source>
        <translation>رابط الصفحة المطلوبة غير مُعدّ.</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>Recorder</name>
    <message>
        <source>无法创建文件夹：%1</source>
        <translation>تعذّر إنشاء المجلد: %1</translation>
    </message>
</context>
<context>
    <name>RecordingFinalizer</name>
    <message>
        <source>正在使用兼容编码器重新添加水印…</source>
        <translation>جارٍ إضافة العلامة المائية مرة أخرى باستخدام مرمّز متوافق…</translation>
    </message>
    <message>
        <source>正在添加水印…</source>
        <translation>جارٍ إضافة العلامة المائية…</translation>
    </message>
    <message>
        <source>没有可保存的录制分段。</source>
        <translation>لا توجد مقاطع مسجّلة لحفظها.</translation>
    </message>
    <message>
        <source>正在准备录制文件…</source>
        <translation>جارٍ تجهيز ملف التسجيل…</translation>
    </message>
    <message>
        <source>正在安全合并录制分段…</source>
        <translation>جارٍ دمج المقاطع المسجّلة بأمان…</translation>
    </message>
    <message>
        <source>已取消添加水印，已保留无水印原视频。</source>
        <translation>أُلغيت إضافة العلامة المائية، واحتُفظ بالفيديو الأصلي دون علامة مائية.</translation>
    </message>
    <message>
        <source>水印处理失败，已保留并保存无水印原视频，录制内容没有丢失。</source>
        <translation>فشلت إضافة العلامة المائية. احتُفظ بالفيديو الأصلي دون علامة مائية وحُفظ، ولم يُفقد شيء من التسجيل.</translation>
    </message>
    <message>
        <source>找不到等待添加水印的录制文件。</source>
        <translation>تعذّر العثور على ملف التسجيل الذي ينتظر إضافة العلامة المائية.</translation>
    </message>
    <message>
        <source>正在安全取消水印处理…</source>
        <translation>جارٍ إلغاء معالجة العلامة المائية بأمان…</translation>
    </message>
    <message>
        <source>目标文件已存在且无法安全备份；合并结果仍保留在临时文件中。</source>
        <translation>الملف الهدف موجود مسبقًا ولا يمكن نسخه احتياطيًا بأمان؛ ولا تزال نتيجة الدمج محفوظة في الملف المؤقت.</translation>
    </message>
    <message>
        <source>录制后处理已完成，但无法写入最终文件；结果仍保留在临时文件中。</source>
        <translation>اكتملت معالجة التسجيل، لكن تعذّرت كتابة الملف النهائي؛ ولا تزال النتيجة محفوظة في الملف المؤقت.</translation>
    </message>
    <message>
        <source>同名的原有文件没有被覆盖，已保留为：
%1</source>
        <translation>لم يُستبدل الملف الموجود بالاسم نفسه، واحتُفظ به باسم:
%1</translation>
    </message>
    <message>
        <source>
可恢复的后处理文件：%1</source>
        <translation>
الملف المعالَج القابل للاسترداد: %1</translation>
    </message>
    <message>
        <source>录制后处理失败。为避免录像丢失，原始分段或可恢复文件已保留在：
%1%2

%3</source>
        <translation>فشلت معالجة التسجيل. حتى لا يُفقد شيء، احتُفظ بالمقاطع الأصلية أو الملفات القابلة للاسترداد في:
%1%2

%3</translation>
    </message>
</context>
<context>
    <name>WasapiLoopbackCapture</name>
    <message>
        <source>WASAPI 回环录音仅支持 Windows。</source>
        <translation>تسجيل الاسترجاع عبر WASAPI مدعوم على Windows فقط.</translation>
    </message>
</context>
<context>
    <name>WasapiMicrophoneCapture</name>
    <message>
        <source>WASAPI microphone capture is only supported on Windows.</source>
        <translation>التقاط الميكروفون عبر WASAPI مدعوم على Windows فقط.</translation>
    </message>
</context>
</TS>

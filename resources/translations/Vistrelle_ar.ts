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
    <name>QObject</name>
    <message>
        <source>播放失败</source>
        <translation>فشل التشغيل</translation>
    </message>
    <message>
        <source>文件不存在：%1</source>
        <translation>الملف غير موجود: %1</translation>
    </message>
    <message>
        <source>没有打开可播放文件</source>
        <translation>لا يوجد ملف مفتوح قابل للتشغيل</translation>
    </message>
</context>
<context>
    <name>Recorder</name>
    <message>
        <source>无法创建文件夹：%1</source>
        <translation>تعذّر إنشاء المجلد: %1</translation>
    </message>
    <message>
        <source>正在强制使用 CPU 录制 4K 30 FPS；已启用最快编码预设并将码率提高到 %1 kbps。</source>
        <translation>يتم فرض تسجيل 4K بمعدل 30 إطارًا في الثانية على المعالج؛ تم تفعيل أسرع إعداد ترميز ورُفع معدل البت إلى %1 كيلوبت/ث.</translation>
    </message>
    <message>
        <source>未检测到可用的硬件编码器，已将输出缩放为 %1 × %2、30 FPS。</source>
        <translation>لم يُعثر على مرمِّز عتادي صالح؛ تم تحجيم المخرجات إلى %1 × %2 بمعدل 30 إطارًا في الثانية.</translation>
    </message>
    <message>
        <source>4K 当前只能使用 CPU 编码，已采用更容易实时处理的 15 FPS。</source>
        <translation>لا يمكن حاليًا ترميز 4K إلا على المعالج، لذا يُستخدم 15 إطارًا في الثانية وهو أسهل للمعالجة الفورية.</translation>
    </message>
    <message>
        <source>请至少开启系统声音或麦克风。</source>
        <translation>يُرجى تشغيل صوت النظام أو الميكروفون على الأقل.</translation>
    </message>
    <message>
        <source>系统声音录制需要 macOS 13 或更高版本。</source>
        <translation>يتطلب تسجيل صوت النظام macOS 13 أو إصدارًا أحدث.</translation>
    </message>
    <message>
        <source>没有找到所选麦克风，请重新选择输入设备。</source>
        <translation>لم يُعثر على الميكروفون المحدد. يُرجى اختيار جهاز الإدخال مرة أخرى.</translation>
    </message>
    <message>
        <source>保存磁盘剩余空间不足 %1 GB，请清理空间或更换保存目录。</source>
        <translation>المساحة الحرة على قرص الحفظ أقل من %1 غيغابايت. يُرجى تحرير مساحة أو اختيار مجلد حفظ آخر.</translation>
    </message>
    <message>
        <source>无法捕获系统声音：%1</source>
        <translation>تعذّر التقاط صوت النظام: %1</translation>
    </message>
    <message>
        <source>FFmpeg 启动失败。请确认 ffmpeg 已放到程序目录或系统 PATH。
%1</source>
        <translation>تعذّر تشغيل FFmpeg. تأكد من وجود ffmpeg في مجلد البرنامج أو في مسار PATH للنظام.
%1</translation>
    </message>
    <message>
        <source>无法启动不含工具栏的屏幕录制：%1</source>
        <translation>تعذّر بدء تسجيل الشاشة دون شريط الأدوات: %1</translation>
    </message>
    <message>
        <source>无法删除已丢弃录制的临时文件：%1</source>
        <translation>تعذّر حذف الملفات المؤقتة للتسجيل المتجاهَل: %1</translation>
    </message>
    <message>
        <source>FFmpeg 被 SIGKILL 信号终止；编码进度日志没有说明终止原因。</source>
        <translation>أُنهي FFmpeg بالإشارة SIGKILL؛ ولا يذكر سجل التقدم سبب الإنهاء.</translation>
    </message>
    <message>
        <source>FFmpeg 没有输出具体错误信息。</source>
        <translation>لم يُبلغ FFmpeg عن خطأ محدد.</translation>
    </message>
    <message>
        <source>硬件编码器 %1 无法处理当前采集规格，已自动切换到 CPU 编码。</source>
        <translation>لا يستطيع المرمِّز العتادي %1 التعامل مع إعدادات الالتقاط الحالية؛ تم التحويل تلقائيًا إلى الترميز بالمعالج.</translation>
    </message>
    <message>
        <source>DXGI 高性能采集不可用，已自动切换到 GDI 兼容模式。</source>
        <translation>التقاط DXGI عالي الأداء غير متاح؛ تم التحويل تلقائيًا إلى وضع توافق GDI.</translation>
    </message>
    <message>
        <source>录制进程意外结束。分段已保留在：
%1</source>
        <translation>انتهت عملية التسجيل بشكل غير متوقع. تم الاحتفاظ بالمقاطع في:
%1</translation>
    </message>
    <message>
        <source>录制分段异常，退出码=%1。已生成的分段仍保留在：
%2
%3</source>
        <translation>فشل مقطع من التسجيل، رمز الخروج=%1. المقاطع المُنشأة لا تزال محفوظة في:
%2
%3</translation>
    </message>
    <message>
        <source>分段已保留在：
%1</source>
        <translation type="vanished">تم الاحتفاظ بالمقاطع في:
%1</translation>
    </message>
    <message>
        <source>Camera preview is not ready.</source>
        <translation>معاينة الكاميرا غير جاهزة.</translation>
    </message>
    <message>
        <source>没有有效的窗口录制目标。</source>
        <translation>لا توجد نافذة صالحة للتسجيل.</translation>
    </message>
    <message>
        <source>窗口捕获启动失败：%1</source>
        <translation>تعذّر بدء التقاط النافذة: %1</translation>
    </message>
    <message>
        <source>窗口捕获启动失败或目标窗口没有产生画面。</source>
        <translation>تعذّر بدء التقاط النافذة أو لم تُظهر النافذة أي صورة.</translation>
    </message>
    <message>
        <source>实际编码速度或有效帧率持续低于 120 FPS 要求</source>
        <translation>سرعة الترميز الفعلية أو معدل الإطارات الفعلي لا يزال أقل من متطلب 120 إطارًا في الثانية</translation>
    </message>
    <message>
        <source>设备持续无法稳定达到 60 FPS，建议下次使用 30 FPS 或硬件编码。</source>
        <translation>لا يستطيع هذا الجهاز الحفاظ على 60 إطارًا في الثانية بثبات. جرّب في المرة القادمة 30 إطارًا أو الترميز العتادي.</translation>
    </message>
    <message>
        <source>屏幕采集持续低于 30 FPS 要求，建议关闭高负载程序或改用 720p 录制。</source>
        <translation>لا يزال التقاط الشاشة أقل من 30 إطارًا في الثانية. أغلق البرامج الثقيلة أو سجّل بدقة 720p.</translation>
    </message>
    <message>
        <source>Screen capture is still dropping frames. Switched to 720p for smoother recording.</source>
        <translation>لا يزال التقاط الشاشة يُسقط إطارات. تم التحويل إلى 720p لتسجيل أكثر سلاسة.</translation>
    </message>
    <message>
        <source>屏幕采集持续掉帧，已自动切换到 1080p 以保持录制流畅。</source>
        <translation>يُسقط التقاط الشاشة الإطارات باستمرار؛ تم التحويل تلقائيًا إلى 1080p للحفاظ على سلاسة التسجيل.</translation>
    </message>
    <message>
        <source>录制的窗口已不可用，画面停留在最后一帧：%1</source>
        <translation>لم تعد النافذة المسجَّلة متاحة؛ تبقى الصورة على آخر إطار: %1</translation>
    </message>
    <message>
        <source>这个文件名之前的录制分段仍保留在：
%1
请先移走这些分段，或换一个文件名后再录制。</source>
        <translation>لا تزال مقاطع تسجيل سابق بهذا الاسم محفوظة في:
%1
انقل هذه المقاطع إلى مكان آخر أو اختر اسم ملف آخر، ثم سجّل مرة أخرى.</translation>
    </message>
    <message>
        <source>最后一个录制分段无法读取，没有合并进录像，已保留在：
%1</source>
        <translation>تعذّرت قراءة آخر مقطع مسجَّل فلم يُدمج في التسجيل. تم الاحتفاظ به في:
%1</translation>
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
    <name>VideoListDialog</name>
    <message>
        <source>媒体库</source>
        <translation>مكتبة الوسائط</translation>
    </message>
    <message>
        <source>搜索录制文件...</source>
        <translation>البحث في التسجيلات...</translation>
    </message>
    <message>
        <source>全部</source>
        <translation>الكل</translation>
    </message>
    <message>
        <source>视频</source>
        <translation>فيديو</translation>
    </message>
    <message>
        <source>音频</source>
        <translation>صوت</translation>
    </message>
    <message>
        <source>正在加载媒体文件…</source>
        <translation>جارٍ تحميل ملفات الوسائط…</translation>
    </message>
    <message>
        <source>%1 个文件</source>
        <translation>%1 ملفات</translation>
    </message>
    <message>
        <source>播放失败</source>
        <translation>فشل التشغيل</translation>
    </message>
    <message>
        <source>请选择一个媒体文件</source>
        <translation>اختر ملف وسائط</translation>
    </message>
    <message>
        <source>打开文件夹</source>
        <translation>فتح المجلد</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>全屏播放（F）</source>
        <translation>تشغيل بملء الشاشة (F)</translation>
    </message>
    <message>
        <source>全屏播放</source>
        <translation>تشغيل بملء الشاشة</translation>
    </message>
    <message>
        <source>采样率未知</source>
        <translation>معدل العينات غير معروف</translation>
    </message>
    <message>
        <source>单声道</source>
        <translation>أحادي</translation>
    </message>
    <message>
        <source>双声道</source>
        <translation>ستيريو</translation>
    </message>
    <message>
        <source>%1 声道</source>
        <translation>%1 قنوات</translation>
    </message>
    <message>
        <source>暂停</source>
        <translation>إيقاف مؤقت</translation>
    </message>
    <message>
        <source>播放</source>
        <translation>تشغيل</translation>
    </message>
    <message>
        <source>暂停媒体</source>
        <translation>إيقاف الوسائط مؤقتًا</translation>
    </message>
    <message>
        <source>播放媒体</source>
        <translation>تشغيل الوسائط</translation>
    </message>
    <message>
        <source>暂无媒体文件</source>
        <translation>لا توجد ملفات وسائط بعد</translation>
    </message>
    <message>
        <source>没有匹配的媒体文件</source>
        <translation>لا توجد ملفات وسائط مطابقة</translation>
    </message>
    <message>
        <source>重命名文件</source>
        <translation>إعادة تسمية الملف</translation>
    </message>
    <message>
        <source>Copy File Path</source>
        <translation>نسخ مسار الملف</translation>
    </message>
    <message>
        <source>查看文件信息</source>
        <translation>معلومات الملف</translation>
    </message>
    <message>
        <source>删除音频</source>
        <translation>حذف الصوت</translation>
    </message>
    <message>
        <source>删除视频</source>
        <translation>حذف الفيديو</translation>
    </message>
    <message>
        <source>确定永久删除“%1”吗？</source>
        <translation>هل تريد حذف &quot;%1&quot; نهائيًا؟</translation>
    </message>
    <message>
        <source>删除失败</source>
        <translation>فشل الحذف</translation>
    </message>
    <message>
        <source>文件正在使用或没有删除权限。</source>
        <translation>الملف قيد الاستخدام أو ليس لديك إذن بحذفه.</translation>
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

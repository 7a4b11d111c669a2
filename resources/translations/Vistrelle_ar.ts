<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar" sourcelanguage="zh_CN">
<context>
    <name>AutoSplitDialog</name>
    <message>
        <source>自动分割设置</source>
        <translation>إعدادات التقسيم التلقائي</translation>
    </message>
    <message>
        <source>录制时按指定条件自动切分为多个文件</source>
        <translation>تقسيم التسجيل تلقائيًا إلى عدة ملفات حسب شرط</translation>
    </message>
    <message>
        <source>按录制时长</source>
        <translation>حسب المدة</translation>
    </message>
    <message>
        <source>适合会议、课程等长时间录制</source>
        <translation>للتسجيلات الطويلة مثل الاجتماعات والدروس</translation>
    </message>
    <message>
        <source>分钟</source>
        <translation>دقيقة</translation>
    </message>
    <message>
        <source>按文件大小</source>
        <translation>حسب حجم الملف</translation>
    </message>
    <message>
        <source>便于上传、传输或分段保存</source>
        <translation>أسهل للرفع أو النقل أو الحفظ على أجزاء</translation>
    </message>
    <message>
        <source>✓  无缝切分</source>
        <translation>✓  تقسيم سلس</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>将每 %1 分钟自动保存为一个新文件</source>
        <translation>يُحفظ ملف جديد كل %1 دقيقة</translation>
    </message>
    <message>
        <source>文件达到 %1 MB 时自动切分并保存</source>
        <translation>يُقسَّم الملف ويُحفظ عند بلوغه %1 ميغابايت</translation>
    </message>
</context>
<context>
    <name>AutoStopDialog</name>
    <message>
        <source>自动停止设置</source>
        <translation>إعدادات الإيقاف التلقائي</translation>
    </message>
    <message>
        <source>录制达到指定条件时自动停止并保存文件。</source>
        <translation>يتوقف التسجيل ويُحفظ الملف عند تحقق شرط.</translation>
    </message>
    <message>
        <source>停止条件</source>
        <translation>شرط الإيقاف</translation>
    </message>
    <message>
        <source>按录制时长</source>
        <translation>حسب المدة</translation>
    </message>
    <message>
        <source>分钟</source>
        <translation>دقيقة</translation>
    </message>
    <message>
        <source>按文件大小</source>
        <translation>حسب حجم الملف</translation>
    </message>
    <message>
        <source>录制 %1 分钟后自动停止</source>
        <translation>يتوقف بعد %1 دقيقة من التسجيل</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>文件达到 %1 MB 后自动停止</source>
        <translation>يتوقف عندما يبلغ الملف %1 ميغابايت</translation>
    </message>
    <message>
        <source>自动停止倒计时</source>
        <translation>العد التنازلي للإيقاف التلقائي</translation>
    </message>
    <message>
        <source>录制将在以上时间后自动停止</source>
        <translation>سيتوقف التسجيل تلقائيًا بعد هذا الوقت</translation>
    </message>
    <message>
        <source>取消自动停止</source>
        <translation>إلغاء الإيقاف التلقائي</translation>
    </message>
</context>
<context>
    <name>BottomBar</name>
    <message>
        <source>媒体库</source>
        <translation>مكتبة الوسائط</translation>
    </message>
    <message>
        <source>水印</source>
        <translation>علامة مائية</translation>
    </message>
    <message>
        <source>自动分割</source>
        <translation>تقسيم تلقائي</translation>
    </message>
    <message>
        <source>自动停止</source>
        <translation>إيقاف تلقائي</translation>
    </message>
    <message>
        <source>计划录制</source>
        <translation>تسجيل مجدول</translation>
    </message>
    <message>
        <source>GPU 加速</source>
        <translation>تسريع GPU</translation>
    </message>
</context>
<context>
    <name>GlobalHotkey</name>
    <message>
        <source>%1（不支持的按键）</source>
        <translation>%1 (مفتاح غير مدعوم)</translation>
    </message>
</context>
<context>
    <name>HomePage</name>
    <message>
        <source>Start Recording</source>
        <translation>بدء التسجيل</translation>
    </message>
    <message>
        <source>Media Library</source>
        <translation>مكتبة الوسائط</translation>
    </message>
    <message>
        <source>Choose a recording mode</source>
        <translation>اختر وضع التسجيل</translation>
    </message>
    <message>
        <source>Scheduled Recording</source>
        <translation>تسجيل مجدول</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>ملء الشاشة</translation>
    </message>
    <message>
        <source>Custom Area</source>
        <translation>منطقة مخصصة</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>نافذة</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>لعبة</translation>
    </message>
    <message>
        <source>Audio Only</source>
        <translation>الصوت فقط</translation>
    </message>
    <message>
        <source>Webcam</source>
        <translation>كاميرا الويب</translation>
    </message>
    <message>
        <source>Recent recordings</source>
        <translation>التسجيلات الأخيرة</translation>
    </message>
    <message>
        <source>View all  ›</source>
        <translation>عرض الكل  ›</translation>
    </message>
    <message>
        <source>No recordings yet</source>
        <translation>لا توجد تسجيلات بعد</translation>
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
    <name>MainWindow</name>
    <message>
        <source>显示 Vistrelle</source>
        <translation>إظهار Vistrelle</translation>
    </message>
    <message>
        <source>Start Recording</source>
        <translation>بدء التسجيل</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>خروج</translation>
    </message>
    <message>
        <source>快捷键设置</source>
        <translation>إعدادات الاختصارات</translation>
    </message>
    <message>
        <source>以下快捷键无法注册，可能已被其他程序占用或按键不受支持：
%1</source>
        <translation>تعذّر تسجيل اختصارات المفاتيح التالية؛ ربما يستخدمها برنامج آخر أو المفاتيح غير مدعومة:
%1</translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>إيقاف التسجيل</translation>
    </message>
    <message>
        <source>日志文件夹</source>
        <translation>مجلد السجلات</translation>
    </message>
    <message>
        <source>无法打开日志文件夹。</source>
        <translation>تعذّر فتح مجلد السجلات.</translation>
    </message>
    <message>
        <source>录制性能已自动调整</source>
        <translation>تم ضبط أداء التسجيل تلقائيًا</translation>
    </message>
    <message>
        <source>%1 FPS 已自动降为 %2 FPS。%3</source>
        <translation>تم خفض %1 إطارًا/ث إلى %2 إطارًا/ث. %3</translation>
    </message>
    <message>
        <source>录制性能提示</source>
        <translation>أداء التسجيل</translation>
    </message>
    <message>
        <source>4K 录制性能</source>
        <translation>أداء تسجيل 4K</translation>
    </message>
    <message>
        <source>没有可用的硬件 H.264 编码器</source>
        <translation>لا يوجد مُرمِّز H.264 عتادي متاح</translation>
    </message>
    <message>
        <source>%1 × %2、%3 FPS 的录制可能掉帧。请选择本次录制方式。</source>
        <translation>قد يفقد تسجيل %1 × %2 بمعدل %3 إطارًا/ث بعض الإطارات. اختر طريقة التسجيل هذه المرة.</translation>
    </message>
    <message>
        <source>保持 4K，15 FPS（推荐）</source>
        <translation>الإبقاء على 4K بمعدل 15 إطارًا/ث (موصى به)</translation>
    </message>
    <message>
        <source>1080p，30 FPS</source>
        <translation>1080p بمعدل 30 إطارًا/ث</translation>
    </message>
    <message>
        <source>强制 4K，30 FPS</source>
        <translation>فرض 4K بمعدل 30 إطارًا/ث</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>录制后处理提示</source>
        <translation>تنبيه المعالجة اللاحقة</translation>
    </message>
    <message>
        <source>录音完成</source>
        <translation>اكتمل التسجيل الصوتي</translation>
    </message>
    <message>
        <source>音频已保存到：%1</source>
        <translation>تم حفظ الصوت في: %1</translation>
    </message>
    <message>
        <source>录制提示</source>
        <translation>التسجيل</translation>
    </message>
</context>
<context>
    <name>ModeBar</name>
    <message>
        <source>录制屏幕</source>
        <translation>تسجيل الشاشة</translation>
    </message>
    <message>
        <source>录制窗口</source>
        <translation>تسجيل نافذة</translation>
    </message>
    <message>
        <source>游戏录制</source>
        <translation>تسجيل الألعاب</translation>
    </message>
    <message>
        <source>高性能屏幕录制</source>
        <translation>تسجيل الشاشة عالي الأداء</translation>
    </message>
    <message>
        <source>录制音频</source>
        <translation>تسجيل الصوت</translation>
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
        <source>Vistrelle is already running</source>
        <translation>Vistrelle قيد التشغيل بالفعل</translation>
    </message>
    <message>
        <source>Another Vistrelle process is running. Finish its recording and quit it before opening Vistrelle again.</source>
        <translation>توجد عملية Vistrelle أخرى قيد التشغيل. أنهِ تسجيلها وأغلقها قبل فتح Vistrelle مرة أخرى.</translation>
    </message>
</context>
<context>
    <name>RecentCard</name>
    <message>
        <source>Loading preview…</source>
        <translation>جارٍ تحميل المعاينة…</translation>
    </message>
    <message>
        <source>Preview unavailable</source>
        <translation>المعاينة غير متاحة</translation>
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
    <name>ScheduledRecordingDialog</name>
    <message>
        <source>计划录制</source>
        <translation>تسجيل مجدول</translation>
    </message>
    <message>
        <source>到达开始时间后，Vistrelle 将按指定模式自动开始录制。</source>
        <translation>عند وقت البدء، يبدأ Vistrelle التسجيل بالوضع المحدد.</translation>
    </message>
    <message>
        <source>启用计划录制</source>
        <translation>تفعيل التسجيل المجدول</translation>
    </message>
    <message>
        <source>单次</source>
        <translation>مرة واحدة</translation>
    </message>
    <message>
        <source>每日</source>
        <translation>يوميًا</translation>
    </message>
    <message>
        <source>每周</source>
        <translation>أسبوعيًا</translation>
    </message>
    <message>
        <source>星期一</source>
        <translation>الاثنين</translation>
    </message>
    <message>
        <source>星期二</source>
        <translation>الثلاثاء</translation>
    </message>
    <message>
        <source>星期三</source>
        <translation>الأربعاء</translation>
    </message>
    <message>
        <source>星期四</source>
        <translation>الخميس</translation>
    </message>
    <message>
        <source>星期五</source>
        <translation>الجمعة</translation>
    </message>
    <message>
        <source>星期六</source>
        <translation>السبت</translation>
    </message>
    <message>
        <source>星期日</source>
        <translation>الأحد</translation>
    </message>
    <message>
        <source>录制屏幕</source>
        <translation>تسجيل الشاشة</translation>
    </message>
    <message>
        <source>录制音频</source>
        <translation>تسجيل الصوت</translation>
    </message>
    <message>
        <source>录制窗口</source>
        <translation>تسجيل نافذة</translation>
    </message>
    <message>
        <source>游戏录制</source>
        <translation>تسجيل الألعاب</translation>
    </message>
    <message>
        <source>高性能屏幕录制</source>
        <translation>تسجيل الشاشة عالي الأداء</translation>
    </message>
    <message>
        <source>重复</source>
        <translation>التكرار</translation>
    </message>
    <message>
        <source>开始日期和时间</source>
        <translation>تاريخ ووقت البدء</translation>
    </message>
    <message>
        <source>每天开始时间</source>
        <translation>وقت البدء اليومي</translation>
    </message>
    <message>
        <source>每周日期</source>
        <translation>يوم الأسبوع</translation>
    </message>
    <message>
        <source>指定录制模式</source>
        <translation>وضع التسجيل</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>保存计划</source>
        <translation>حفظ الجدول</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>菜单</source>
        <translation>القائمة</translation>
    </message>
    <message>
        <source>关于 Vistrelle</source>
        <translation>حول Vistrelle</translation>
    </message>
    <message>
        <source>语言</source>
        <translation>اللغة</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>المساعدة</translation>
    </message>
    <message>
        <source>在线帮助</source>
        <translation>المساعدة عبر الإنترنت</translation>
    </message>
    <message>
        <source>打开日志文件夹</source>
        <translation>فتح مجلد السجلات</translation>
    </message>
    <message>
        <source>技术支持</source>
        <translation>الدعم الفني</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>الإعدادات</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>خروج</translation>
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
<context>
    <name>WatermarkDialog</name>
    <message>
        <source>水印设置</source>
        <translation>إعدادات العلامة المائية</translation>
    </message>
    <message>
        <source>水印样式</source>
        <translation>نمط العلامة المائية</translation>
    </message>
    <message>
        <source>水印文字</source>
        <translation>نص العلامة المائية</translation>
    </message>
    <message>
        <source>字号</source>
        <translation>حجم الخط</translation>
    </message>
    <message>
        <source>颜色</source>
        <translation>اللون</translation>
    </message>
    <message>
        <source>透明度</source>
        <translation>العتامة</translation>
    </message>
    <message>
        <source>拖动滑块调整水印的可见程度</source>
        <translation>اسحب شريط التمرير لضبط مدى ظهور العلامة المائية</translation>
    </message>
    <message>
        <source>实时预览  ●</source>
        <translation>معاينة مباشرة  ●</translation>
    </message>
    <message>
        <source>对整个原视频添加水印，另存为 MP4 副本。其他编辑请先保存。</source>
        <translation>تُضاف العلامة المائية إلى الفيديو الأصلي كله وتُحفظ كنسخة MP4. احفظ التعديلات الأخرى أولاً.</translation>
    </message>
    <message>
        <source>显示位置</source>
        <translation>الموضع</translation>
    </message>
    <message>
        <source>边距</source>
        <translation>الهوامش</translation>
    </message>
    <message>
        <source>水平</source>
        <translation>أفقي</translation>
    </message>
    <message>
        <source>垂直</source>
        <translation>عمودي</translation>
    </message>
    <message>
        <source>恢复默认</source>
        <translation>استعادة الافتراضيات</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>保存水印副本</source>
        <translation>حفظ نسخة بعلامة مائية</translation>
    </message>
    <message>
        <source>选择颜色</source>
        <translation>اختر لوناً</translation>
    </message>
    <message>
        <source>请输入水印文字。</source>
        <translation>يرجى إدخال نص العلامة المائية.</translation>
    </message>
</context>
</TS>

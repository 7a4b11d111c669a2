<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar" sourcelanguage="zh_CN">
<context>
    <name>AnnotationOverlay</name>
    <message>
        <source>添加文字标注</source>
        <translation>إضافة تعليق نصي</translation>
    </message>
    <message>
        <source>输入标注文字：</source>
        <translation>نص التعليق:</translation>
    </message>
    <message>
        <source>左键绘制  Ctrl+Z 撤销  Del 清除  ESC 退出</source>
        <translation>اسحب بالزر الأيسر للرسم  Ctrl+Z تراجع  Del مسح  Esc خروج</translation>
    </message>
</context>
<context>
    <name>AnnotationToolbar</name>
    <message>
        <source>画笔</source>
        <translation>قلم</translation>
    </message>
    <message>
        <source>箭头</source>
        <translation>سهم</translation>
    </message>
    <message>
        <source>矩形</source>
        <translation>مستطيل</translation>
    </message>
    <message>
        <source>文字</source>
        <translation>نص</translation>
    </message>
    <message>
        <source>选择颜色</source>
        <translation>اختيار اللون</translation>
    </message>
    <message>
        <source>粗细</source>
        <translation>السُمك</translation>
    </message>
    <message>
        <source>撤销  Ctrl+Z</source>
        <translation>تراجع  Ctrl+Z</translation>
    </message>
    <message>
        <source>清除全部  Del</source>
        <translation>مسح الكل  Del</translation>
    </message>
    <message>
        <source>退出注释</source>
        <translation>إنهاء التعليقات</translation>
    </message>
    <message>
        <source>选择注释颜色</source>
        <translation>اختيار لون التعليق</translation>
    </message>
</context>
<context>
    <name>AreaDropdown</name>
    <message>
        <source>全屏</source>
        <translation>ملء الشاشة</translation>
    </message>
    <message>
        <source>选择区域 / 窗口</source>
        <translation>تحديد منطقة / نافذة</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>موافق</translation>
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
        <translation>انقر واسحب لتحديد منطقة</translation>
    </message>
</context>
<context>
    <name>AudioSettingsDialog</name>
    <message>
        <source>音频高级设置</source>
        <translation>إعدادات الصوت المتقدمة</translation>
    </message>
    <message>
        <source>系统声与麦克风会分别处理，再混合写入录制文件。</source>
        <translation>تتم معالجة صوت النظام والميكروفون كلٌّ على حدة، ثم يُدمجان في التسجيل.</translation>
    </message>
    <message>
        <source>系统声音音量</source>
        <translation>مستوى صوت النظام</translation>
    </message>
    <message>
        <source>麦克风音量</source>
        <translation>مستوى صوت الميكروفون</translation>
    </message>
    <message>
        <source> ms</source>
        <translation> مللي ثانية</translation>
    </message>
    <message>
        <source>麦克风延迟</source>
        <translation>تأخير الميكروفون</translation>
    </message>
    <message>
        <source>麦克风降噪（降低持续环境噪声）</source>
        <translation>تقليل ضوضاء الميكروفون (يخفض الضوضاء المحيطة المستمرة)</translation>
    </message>
    <message>
        <source>单声道输出（适合语音录制）</source>
        <translation>إخراج أحادي (مناسب لتسجيل الصوت)</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>تم</translation>
    </message>
</context>
<context>
    <name>AutoSplitDialog</name>
    <message>
        <source>自动分割设置</source>
        <translation>إعدادات التقسيم التلقائي</translation>
    </message>
    <message>
        <source>录制时按指定条件自动切分为多个文件</source>
        <translation>يبدأ مقطع جديد عند تحقق شرط، وفي النهاية تُدمج كل المقاطع في ملف واحد</translation>
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
        <translation>يحدّ من حجم كل مقطع</translation>
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
        <translation type="vanished">يُحفظ ملف جديد كل %1 دقيقة</translation>
    </message>
    <message>
        <source>文件达到 %1 MB 时自动切分并保存</source>
        <translation>يبدأ مقطع جديد كلما بلغ أحد المقاطع %1 م.ب</translation>
    </message>
    <message numerus="yes">
        <source>将每 %n 分钟自动保存为一个新文件</source>
        <translation>
            <numerusform>يبدأ مقطع جديد كل %n دقيقة</numerusform>
            <numerusform>يبدأ مقطع جديد كل دقيقة</numerusform>
            <numerusform>يبدأ مقطع جديد كل دقيقتين</numerusform>
            <numerusform>يبدأ مقطع جديد كل %n دقائق</numerusform>
            <numerusform>يبدأ مقطع جديد كل %n دقيقة</numerusform>
            <numerusform>يبدأ مقطع جديد كل %n دقيقة</numerusform>
        </translation>
    </message>
    <message>
        <source>关闭自动分割</source>
        <translation>إيقاف التقسيم التلقائي</translation>
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
        <translation type="vanished">يتوقف بعد %1 دقيقة من التسجيل</translation>
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
        <translation>يتوقف عندما يبلغ الملف %1 م.ب</translation>
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
    <message numerus="yes">
        <source>录制 %n 分钟后自动停止</source>
        <translation>
            <numerusform>يتوقف بعد %n دقيقة من التسجيل</numerusform>
            <numerusform>يتوقف بعد دقيقة واحدة من التسجيل</numerusform>
            <numerusform>يتوقف بعد دقيقتين من التسجيل</numerusform>
            <numerusform>يتوقف بعد %n دقائق من التسجيل</numerusform>
            <numerusform>يتوقف بعد %n دقيقة من التسجيل</numerusform>
            <numerusform>يتوقف بعد %n دقيقة من التسجيل</numerusform>
        </translation>
    </message>
    <message>
        <source>关闭自动停止</source>
        <translation>إيقاف الإيقاف التلقائي</translation>
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
    <name>CameraRecordingPage</name>
    <message>
        <source>Camera Recording</source>
        <translation>تسجيل الكاميرا</translation>
    </message>
    <message>
        <source>Back to Home</source>
        <translation>العودة إلى الرئيسية</translation>
    </message>
    <message>
        <source>Choose a camera to start preview</source>
        <translation>اختر كاميرا لبدء المعاينة</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>مرآة</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>عمودي</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>ملاءمة</translation>
    </message>
    <message>
        <source>Camera framing mode</source>
        <translation>وضع تأطير الكاميرا</translation>
    </message>
    <message>
        <source>System Audio</source>
        <translation>صوت النظام</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>الميكروفون</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>إيقاف</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>لقطة</translation>
    </message>
    <message>
        <source>Auto Stop</source>
        <translation>إيقاف تلقائي</translation>
    </message>
    <message>
        <source>Auto Split</source>
        <translation>تقسيم تلقائي</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>الإعدادات</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>ملء</translation>
    </message>
    <message>
        <source>Camera access is off. Allow Vistrelle in System Settings &gt; Privacy &amp; Security &gt; Camera, then return to this page.</source>
        <translation>الوصول إلى الكاميرا متوقف. اسمح لـ Vistrelle من إعدادات النظام &gt; الخصوصية والأمان &gt; الكاميرا، ثم عد إلى هذه الصفحة.</translation>
    </message>
    <message>
        <source>Requesting camera access…</source>
        <translation>جارٍ طلب الوصول إلى الكاميرا…</translation>
    </message>
    <message>
        <source>Starting camera…</source>
        <translation>جارٍ تشغيل الكاميرا…</translation>
    </message>
    <message>
        <source>No camera found. Connect a camera and return to this page.</source>
        <translation>لم يتم العثور على كاميرا. وصّل كاميرا ثم عد إلى هذه الصفحة.</translation>
    </message>
    <message>
        <source>Camera did not deliver a picture. Check camera access and whether another app is using it, then select the camera again.</source>
        <translation>لم تقدّم الكاميرا أي صورة. تحقق من الوصول إلى الكاميرا ومن أن تطبيقًا آخر لا يستخدمها، ثم اختر الكاميرا مرة أخرى.</translation>
    </message>
    <message>
        <source>Camera could not start. Check camera access in System Settings.</source>
        <translation>تعذّر تشغيل الكاميرا. تحقق من الوصول إلى الكاميرا في إعدادات النظام.</translation>
    </message>
    <message>
        <source>Camera stopped delivering frames. Recording has been stopped.</source>
        <translation>توقفت الكاميرا عن تقديم الإطارات. تم إيقاف التسجيل.</translation>
    </message>
    <message>
        <source>Save camera snapshot</source>
        <translation>حفظ لقطة الكاميرا</translation>
    </message>
    <message>
        <source>Could not save the image.</source>
        <translation>تعذّر حفظ الصورة.</translation>
    </message>
    <message>
        <source>Camera Permission</source>
        <translation>إذن الكاميرا</translation>
    </message>
    <message>
        <source>Camera access is off. Allow Vistrelle in System Settings &gt; Privacy &amp; Security &gt; Camera.</source>
        <translation>الوصول إلى الكاميرا متوقف. اسمح لـ Vistrelle من إعدادات النظام &gt; الخصوصية والأمان &gt; الكاميرا.</translation>
    </message>
    <message>
        <source>Open Settings</source>
        <translation>فتح الإعدادات</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>استئناف</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>إيقاف مؤقت</translation>
    </message>
    <message>
        <source>On</source>
        <translation>تشغيل</translation>
    </message>
    <message>
        <source>Starting…</source>
        <translation>جارٍ البدء…</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>إيقاف</translation>
    </message>
</context>
<context>
    <name>CameraSettingsDialog</name>
    <message>
        <source>开关</source>
        <translation>مفتاح</translation>
    </message>
    <message>
        <source>点击九宫格选择摄像头位置</source>
        <translation>انقر على الشبكة لاختيار موضع الكاميرا</translation>
    </message>
    <message>
        <source>摄像头位置九宫格</source>
        <translation>شبكة موضع الكاميرا</translation>
    </message>
    <message>
        <source>摄像头设置</source>
        <translation>إعدادات الكاميرا</translation>
    </message>
    <message>
        <source>正在启动摄像头…</source>
        <translation>جارٍ تشغيل الكاميرا…</translation>
    </message>
    <message>
        <source>实时预览</source>
        <translation>معاينة مباشرة</translation>
    </message>
    <message>
        <source>摄像头关闭时，将在这里显示 · 开启摄像头后可预览</source>
        <translation>يظهر هنا عندما تكون الكاميرا متوقفة · شغّل الكاميرا للمعاينة</translation>
    </message>
    <message>
        <source>摄像头设备</source>
        <translation>جهاز الكاميرا</translation>
    </message>
    <message>
        <source>自动</source>
        <translation>تلقائي</translation>
    </message>
    <message>
        <source>帧率</source>
        <translation>معدل الإطارات</translation>
    </message>
    <message>
        <source>视频质量</source>
        <translation>جودة الفيديو</translation>
    </message>
    <message>
        <source>画面形状</source>
        <translation>الشكل</translation>
    </message>
    <message>
        <source>圆形</source>
        <translation>دائرة</translation>
    </message>
    <message>
        <source>圆角矩形</source>
        <translation>مستدير الزوايا</translation>
    </message>
    <message>
        <source>矩形</source>
        <translation>مستطيل</translation>
    </message>
    <message>
        <source>左上</source>
        <translation>أعلى اليسار</translation>
    </message>
    <message>
        <source>上中</source>
        <translation>أعلى الوسط</translation>
    </message>
    <message>
        <source>右上</source>
        <translation>أعلى اليمين</translation>
    </message>
    <message>
        <source>左中</source>
        <translation>يسار الوسط</translation>
    </message>
    <message>
        <source>居中</source>
        <translation>الوسط</translation>
    </message>
    <message>
        <source>右中</source>
        <translation>يمين الوسط</translation>
    </message>
    <message>
        <source>左下</source>
        <translation>أسفل اليسار</translation>
    </message>
    <message>
        <source>下中</source>
        <translation>أسفل الوسط</translation>
    </message>
    <message>
        <source>右下</source>
        <translation>أسفل اليمين</translation>
    </message>
    <message>
        <source>摄像头位置</source>
        <translation>الموضع</translation>
    </message>
    <message>
        <source>小</source>
        <translation>صغير</translation>
    </message>
    <message>
        <source>大</source>
        <translation>كبير</translation>
    </message>
    <message>
        <source>画面大小</source>
        <translation>الحجم</translation>
    </message>
    <message>
        <source>镜像画面</source>
        <translation>عكس الصورة</translation>
    </message>
    <message>
        <source>让预览效果更自然</source>
        <translation>يجعل المعاينة أكثر طبيعية</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>تم</translation>
    </message>
    <message>
        <source>开启摄像头后可预览</source>
        <translation>شغّل الكاميرا للمعاينة</translation>
    </message>
    <message>
        <source>未检测到摄像头</source>
        <translation>لم يتم اكتشاف كاميرا</translation>
    </message>
    <message>
        <source>未检测到可用摄像头</source>
        <translation>لم يتم اكتشاف كاميرا قابلة للاستخدام</translation>
    </message>
    <message>
        <source>摄像头无法启动，请检查系统权限</source>
        <translation>تعذّر تشغيل الكاميرا. تحقق من أذونات النظام.</translation>
    </message>
</context>
<context>
    <name>CaptureTargetDialog</name>
    <message>
        <source>选择游戏</source>
        <translation>اختيار لعبة</translation>
    </message>
    <message>
        <source>选择窗口</source>
        <translation>اختيار نافذة</translation>
    </message>
    <message>
        <source>选择游戏窗口</source>
        <translation>اختر نافذة لعبة</translation>
    </message>
    <message>
        <source>选择录制窗口</source>
        <translation>اختر النافذة المراد تسجيلها</translation>
    </message>
    <message>
        <source>刷新</source>
        <translation>تحديث</translation>
    </message>
    <message>
        <source>Select a window</source>
        <translation>اختر نافذة</translation>
    </message>
    <message>
        <source>Process information unavailable</source>
        <translation>معلومات العملية غير متاحة</translation>
    </message>
    <message>
        <source>Loading preview…</source>
        <translation>جارٍ تحميل المعاينة…</translation>
    </message>
    <message>
        <source>当前没有可捕获窗口。请先打开目标程序，然后点击刷新。</source>
        <translation>لا توجد الآن نافذة يمكن التقاطها. افتح البرنامج الذي تريد تسجيله ثم انقر على تحديث.</translation>
    </message>
    <message>
        <source>选择要录制的游戏或应用窗口。录制时不要最小化窗口。</source>
        <translation>اختر نافذة اللعبة أو التطبيق المراد تسجيلها. لا تصغّر النافذة أثناء التسجيل.</translation>
    </message>
    <message>
        <source>录制时不要最小化窗口。</source>
        <translation>لا تصغّر النافذة أثناء التسجيل.</translation>
    </message>
    <message>
        <source>Preview timed out — check screen recording access</source>
        <translation>انتهت مهلة المعاينة — تحقق من إذن تسجيل الشاشة</translation>
    </message>
    <message>
        <source>Preview unavailable — check screen recording access</source>
        <translation>المعاينة غير متاحة — تحقق من إذن تسجيل الشاشة</translation>
    </message>
</context>
<context>
    <name>Common</name>
    <message>
        <source>Open Folder</source>
        <translation>فتح المجلد</translation>
    </message>
    <message>
        <source>无法打开文件夹：
%1</source>
        <translation>تعذّر فتح المجلد:
%1</translation>
    </message>
</context>
<context>
    <name>CompletionDialog</name>
    <message>
        <source>文件已保存到以下文件夹</source>
        <translation>تم حفظ الملف في هذا المجلد</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>فتح المجلد</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>موافق</translation>
    </message>
</context>
<context>
    <name>ControlsArea</name>
    <message>
        <source>全屏</source>
        <translation>ملء الشاشة</translation>
    </message>
    <message>
        <source>自定义</source>
        <translation>مخصص</translation>
    </message>
    <message>
        <source>尚未选择窗口</source>
        <translation>لم يتم اختيار نافذة</translation>
    </message>
    <message>
        <source>请选择录制目标</source>
        <translation>اختر ما تريد تسجيله</translation>
    </message>
    <message>
        <source>选择窗口</source>
        <translation>اختيار نافذة</translation>
    </message>
    <message>
        <source>纯音频录制</source>
        <translation>تسجيل الصوت فقط</translation>
    </message>
    <message>
        <source>音质</source>
        <translation>جودة الصوت</translation>
    </message>
    <message>
        <source>128 kbps · 较小</source>
        <translation>⁦128 kbps⁩ · أصغر</translation>
    </message>
    <message>
        <source>192 kbps · 推荐</source>
        <translation>⁦192 kbps⁩ · موصى به</translation>
    </message>
    <message>
        <source>320 kbps · 高质量</source>
        <translation>⁦320 kbps⁩ · جودة عالية</translation>
    </message>
    <message>
        <source>无损 · 由格式决定</source>
        <translation>بدون فقدان · يحدده التنسيق</translation>
    </message>
    <message>
        <source>录摄像头</source>
        <translation>كاميرا الويب</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>الإعدادات</translation>
    </message>
    <message>
        <source>扬声器</source>
        <translation>مكبر الصوت</translation>
    </message>
    <message>
        <source>试音</source>
        <translation>اختبار</translation>
    </message>
    <message>
        <source>麦克风</source>
        <translation>الميكروفون</translation>
    </message>
    <message>
        <source>开始录制</source>
        <translation>بدء التسجيل</translation>
    </message>
    <message>
        <source>纯音频模式不录制摄像头</source>
        <translation>وضع الصوت فقط لا يسجل كاميرا الويب</translation>
    </message>
    <message>
        <source>选择游戏</source>
        <translation>اختيار لعبة</translation>
    </message>
    <message>
        <source>尚未选择游戏</source>
        <translation>لم يتم اختيار لعبة</translation>
    </message>
    <message>
        <source>高性能屏幕采集模式</source>
        <translation>وضع التقاط الشاشة عالي الأداء</translation>
    </message>
    <message>
        <source>选择%1设备</source>
        <translation>اختيار جهاز %1</translation>
    </message>
    <message>
        <source>选择设备和音频设置</source>
        <translation>اختيار الجهاز وإعدادات الصوت</translation>
    </message>
    <message>
        <source>开启</source>
        <translation>تشغيل</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>إيقاف</translation>
    </message>
    <message>
        <source>默认设备</source>
        <translation>الجهاز الافتراضي</translation>
    </message>
    <message>
        <source>默认 · %1</source>
        <translation>الافتراضي · %1</translation>
    </message>
    <message>
        <source>选择扬声器</source>
        <translation>اختيار مكبر الصوت</translation>
    </message>
    <message>
        <source>选择麦克风</source>
        <translation>اختيار الميكروفون</translation>
    </message>
    <message>
        <source>音频高级设置…</source>
        <translation>إعدادات الصوت المتقدمة…</translation>
    </message>
    <message>
        <source>系统声音</source>
        <translation>صوت النظام</translation>
    </message>
    <message>
        <source>无法监听所选扬声器：%1</source>
        <translation>تعذر الاستماع إلى مكبر الصوت المحدد: %1</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>إيقاف</translation>
    </message>
    <message>
        <source>未检测到声音，请先播放一段音频</source>
        <translation>لم يتم اكتشاف أي صوت. شغّل مقطعًا صوتيًا أولًا.</translation>
    </message>
    <message>
        <source>已检测到系统播放声音</source>
        <translation>تم اكتشاف صوت تشغيل النظام</translation>
    </message>
    <message>
        <source>无设备</source>
        <translation>لا يوجد جهاز</translation>
    </message>
    <message>
        <source>不可用</source>
        <translation>غير متاح</translation>
    </message>
    <message>
        <source>未检测到声音，请检查麦克风或权限</source>
        <translation>لم يتم اكتشاف أي صوت. تحقق من الميكروفون أو من إذنه.</translation>
    </message>
    <message>
        <source>已检测到麦克风声音</source>
        <translation>تم اكتشاف صوت الميكروفون</translation>
    </message>
    <message>
        <source>系统声音实时电平</source>
        <translation>المستوى الحي لصوت النظام</translation>
    </message>
    <message>
        <source>麦克风实时电平</source>
        <translation>المستوى الحي للميكروفون</translation>
    </message>
    <message>
        <source>停止试音</source>
        <translation>إيقاف الاختبار</translation>
    </message>
    <message>
        <source>输出</source>
        <translation>إخراج</translation>
    </message>
    <message>
        <source>输入</source>
        <translation>إدخال</translation>
    </message>
    <message>
        <source>正在监听，请播放一段声音</source>
        <translation>جارٍ الاستماع. شغّل صوتًا ما.</translation>
    </message>
    <message>
        <source>正在监听，请对麦克风说话</source>
        <translation>جارٍ الاستماع. تحدّث في الميكروفون.</translation>
    </message>
    <message>
        <source>录音检查</source>
        <translation>فحص التسجيل</translation>
    </message>
    <message>
        <source>请至少开启扬声器或麦克风。</source>
        <translation>شغّل مكبر الصوت أو الميكروفون على الأقل.</translation>
    </message>
    <message>
        <source>没有可用的扬声器设备，无法录制系统声音。</source>
        <translation>لا يوجد جهاز مكبر صوت متاح، لذا لا يمكن تسجيل صوت النظام.</translation>
    </message>
    <message>
        <source>没有可用的麦克风，请重新连接或选择输入设备。</source>
        <translation>لا يوجد ميكروفون متاح. أعد توصيله أو اختر جهاز إدخال آخر.</translation>
    </message>
    <message>
        <source>停止录制</source>
        <translation>إيقاف التسجيل</translation>
    </message>
    <message>
        <source>Camera Permission</source>
        <translation>إذن الكاميرا</translation>
    </message>
    <message>
        <source>Camera access is off. Allow Vistrelle in System Settings &gt; Privacy &amp; Security &gt; Camera.</source>
        <translation>الوصول إلى الكاميرا متوقف. اسمح لـ Vistrelle من إعدادات النظام &gt; الخصوصية والأمان &gt; الكاميرا.</translation>
    </message>
    <message>
        <source>Open Settings</source>
        <translation>فتح الإعدادات</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>高性能屏幕采集</source>
        <translation>التقاط الشاشة عالي الأداء</translation>
    </message>
    <message>
        <source> · 高性能屏幕采集</source>
        <translation> · التقاط الشاشة عالي الأداء</translation>
    </message>
    <message>
        <source>%1 · 不可用</source>
        <translation>%1 · غير متاح</translation>
    </message>
    <message>
        <source>摄像头</source>
        <translation>كاميرا الويب</translation>
    </message>
    <message>
        <source>没有检测到可用摄像头。</source>
        <translation>لم يُعثر على كاميرا ويب.</translation>
    </message>
</context>
<context>
    <name>CountdownOverlay</name>
    <message>
        <source>开始/停止</source>
        <translation>بدء/إيقاف</translation>
    </message>
    <message>
        <source>暂停/恢复</source>
        <translation>إيقاف مؤقت/استئناف</translation>
    </message>
</context>
<context>
    <name>ExportDialog</name>
    <message>
        <source>导出</source>
        <translation>تصدير</translation>
    </message>
    <message>
        <source>↑  导出设置</source>
        <translation>↑  إعدادات التصدير</translation>
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
        <translation>صورة GIF متحركة (.gif)</translation>
    </message>
    <message>
        <source>仅音频 MP3 (.mp3)</source>
        <translation>صوت فقط MP3 (.mp3)</translation>
    </message>
    <message>
        <source>仅音频 AAC (.aac)</source>
        <translation>صوت فقط AAC (.aac)</translation>
    </message>
    <message>
        <source>格式</source>
        <translation>التنسيق</translation>
    </message>
    <message>
        <source>视频编码</source>
        <translation>مرمّز الفيديو</translation>
    </message>
    <message>
        <source>视频码率</source>
        <translation>معدل بت الفيديو</translation>
    </message>
    <message>
        <source>1× (正常)</source>
        <translation>1× (عادي)</translation>
    </message>
    <message>
        <source>播放速度</source>
        <translation>سرعة التشغيل</translation>
    </message>
    <message>
        <source>GIF 帧率</source>
        <translation>معدل إطارات GIF</translation>
    </message>
    <message>
        <source>GIF 宽度</source>
        <translation>عرض GIF</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>开始导出</source>
        <translation>بدء التصدير</translation>
    </message>
    <message>
        <source>✓ 已保存到: </source>
        <translation>✓ تم الحفظ في: </translation>
    </message>
    <message>
        <source>保存为</source>
        <translation>حفظ باسم</translation>
    </message>
    <message>
        <source>视频文件 (*.mp4 *.mkv *.gif *.mp3 *.aac)</source>
        <translation>ملفات الوسائط (*.mp4 *.mkv *.gif *.mp3 *.aac)</translation>
    </message>
    <message>
        <source>导出中...</source>
        <translation>جارٍ التصدير...</translation>
    </message>
</context>
<context>
    <name>FfmpegJob</name>
    <message>
        <source>FFmpeg 没有在 %1 秒内完成。</source>
        <translation>لم ينتهِ FFmpeg خلال %1 ثانية.</translation>
    </message>
    <message>
        <source>FFmpeg 意外终止。</source>
        <translation>توقف FFmpeg بشكل غير متوقع.</translation>
    </message>
    <message>
        <source>FFmpeg 以退出码 %1 结束，没有说明原因。</source>
        <translation>انتهى FFmpeg برمز الخروج %1 دون أن يذكر السبب.</translation>
    </message>
</context>
<context>
    <name>FloatingToolbar</name>
    <message>
        <source>正在录制</source>
        <translation>جارٍ التسجيل</translation>
    </message>
    <message>
        <source>初始化…</source>
        <translation>جارٍ التهيئة…</translation>
    </message>
    <message>
        <source>写入中…</source>
        <translation>جارٍ الكتابة…</translation>
    </message>
    <message>
        <source>关闭摄像头</source>
        <translation>إيقاف كاميرا الويب</translation>
    </message>
    <message>
        <source>开启摄像头</source>
        <translation>تشغيل كاميرا الويب</translation>
    </message>
    <message>
        <source>画笔</source>
        <translation>قلم</translation>
    </message>
    <message>
        <source>箭头</source>
        <translation>سهم</translation>
    </message>
    <message>
        <source>矩形</source>
        <translation>مستطيل</translation>
    </message>
    <message>
        <source>文字</source>
        <translation>نص</translation>
    </message>
    <message>
        <source>直线</source>
        <translation>خط</translation>
    </message>
    <message>
        <source>圆形</source>
        <translation>دائرة</translation>
    </message>
    <message>
        <source>高亮笔</source>
        <translation>قلم تمييز</translation>
    </message>
    <message>
        <source>橡皮擦</source>
        <translation>ممحاة</translation>
    </message>
    <message>
        <source>撤销 Ctrl+Z</source>
        <translation>تراجع Ctrl+Z</translation>
    </message>
    <message>
        <source>清除全部 Del</source>
        <translation>مسح الكل Del</translation>
    </message>
    <message>
        <source>退出注释模式</source>
        <translation>إنهاء وضع التعليقات</translation>
    </message>
    <message>
        <source>选择工具后在屏幕上绘制，ESC 或点“退出”结束注释</source>
        <translation>اختر أداة وارسم على الشاشة؛ اضغط Esc أو «خروج» لإنهاء التعليقات</translation>
    </message>
    <message>
        <source>选择颜色</source>
        <translation>اختيار اللون</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>خروج</translation>
    </message>
    <message>
        <source>已暂停</source>
        <translation>متوقف مؤقتًا</translation>
    </message>
    <message>
        <source>正在保存…</source>
        <translation>جارٍ الحفظ…</translation>
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
        <translation>عرض الكل  ‹</translation>
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
        <translation>قد يفقد تسجيل ⁧%1 × %2⁩ بمعدل %3 إطارًا/ث بعض الإطارات. اختر طريقة التسجيل هذه المرة.</translation>
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
    <message>
        <source>Vistrelle recording toolbar</source>
        <translation>شريط تسجيل Vistrelle</translation>
    </message>
    <message>
        <source>Vistrelle preparation toolbar</source>
        <translation>شريط تحضير Vistrelle</translation>
    </message>
    <message>
        <source>Display %1</source>
        <translation>الشاشة %1</translation>
    </message>
    <message>
        <source>Audio only</source>
        <translation>الصوت فقط</translation>
    </message>
    <message>
        <source>Camera preview</source>
        <translation>معاينة الكاميرا</translation>
    </message>
    <message>
        <source>Camera Recording</source>
        <translation>تسجيل الكاميرا</translation>
    </message>
    <message>
        <source>Stop recording and return to Home?</source>
        <translation>هل تريد إيقاف التسجيل والعودة إلى الصفحة الرئيسية؟</translation>
    </message>
    <message>
        <source>Wait for a live camera preview before recording.</source>
        <translation>انتظر ظهور المعاينة المباشرة للكاميرا قبل التسجيل.</translation>
    </message>
    <message>
        <source>Vistrelle countdown</source>
        <translation>العد التنازلي في Vistrelle</translation>
    </message>
    <message>
        <source>摄像头</source>
        <translation>كاميرا الويب</translation>
    </message>
    <message>
        <source>没有检测到可用摄像头。</source>
        <translation>لم يُعثر على كاميرا ويب.</translation>
    </message>
    <message>
        <source>摄像头无法启动，请检查权限或设备占用情况。</source>
        <translation>تعذّر تشغيل كاميرا الويب. تحقّق من الإذن ومن عدم استخدام برنامج آخر لها.</translation>
    </message>
    <message>
        <source>Camera Permission</source>
        <translation>إذن الكاميرا</translation>
    </message>
    <message>
        <source>Camera access is off. Allow Vistrelle in System Settings &gt; Privacy &amp; Security &gt; Camera.</source>
        <translation>الوصول إلى الكاميرا متوقف. اسمح لـ Vistrelle من إعدادات النظام &gt; الخصوصية والأمان &gt; الكاميرا.</translation>
    </message>
    <message>
        <source>Open Settings</source>
        <translation>فتح الإعدادات</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>计划录制</source>
        <translation>تسجيل مجدول</translation>
    </message>
    <message>
        <source>请先在首页为窗口或游戏模式选择录制目标。</source>
        <translation>اختر أولًا من الصفحة الرئيسية النافذة أو اللعبة المراد تسجيلها.</translation>
    </message>
    <message>
        <source>已有录制正在进行，本次计划已跳过。</source>
        <translation>يوجد تسجيل قيد التشغيل بالفعل؛ تم تخطي هذا البدء المجدول.</translation>
    </message>
    <message>
        <source>退出后计划录制将不会执行。

确定要退出 Vistrelle 吗？</source>
        <translation>لن يُنفَّذ التسجيل المجدول بعد الخروج.

هل تريد إنهاء Vistrelle على أي حال؟</translation>
    </message>
    <message>
        <source>仍在录制</source>
        <translation>التسجيل مستمر</translation>
    </message>
    <message>
        <source>Vistrelle 已隐藏到系统托盘，录制继续进行。</source>
        <translation>تم إخفاء Vistrelle في علبة النظام؛ ويستمر التسجيل.</translation>
    </message>
    <message>
        <source>Vistrelle 仍在后台运行</source>
        <translation>لا يزال Vistrelle يعمل في الخلفية</translation>
    </message>
    <message>
        <source>已最小化到系统托盘，点击或双击托盘图标可重新打开。</source>
        <translation>تم التصغير إلى علبة النظام. انقر أو انقر نقرًا مزدوجًا على أيقونة العلبة لفتحه مجددًا.</translation>
    </message>
    <message>
        <source>About Vistrelle</source>
        <translation>حول Vistrelle</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>الإصدار %1</translation>
    </message>
    <message>
        <source>Vistrelle is a fast, reliable screen recorder for Linux. Record screens, windows, games, system audio, microphones, and webcams, then edit and manage recordings locally with no cloud upload required.</source>
        <translation>برنامج Vistrelle هو مسجّل شاشة سريع وموثوق لنظام Linux. سجّل الشاشات والنوافذ والألعاب وصوت النظام والميكروفونات وكاميرات الويب، ثم حرّر تسجيلاتك وأدرها محليًا دون رفع إلى السحابة.</translation>
    </message>
    <message>
        <source>Development Team</source>
        <translation>فريق التطوير</translation>
    </message>
    <message>
        <source>The Vistrelle developers</source>
        <translation>مطوّرو Vistrelle</translation>
    </message>
    <message>
        <source>© Vistrelle. All rights reserved.</source>
        <translation>حقوق النشر © Vistrelle. جميع الحقوق محفوظة.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>切换语言</source>
        <translation>تغيير اللغة</translation>
    </message>
    <message>
        <source>无法保存语言设置，请检查当前用户的配置权限。</source>
        <translation>تعذّر حفظ اللغة. يُرجى التحقق من أن المستخدم الحالي يملك إذن كتابة إعداداته.</translation>
    </message>
    <message>
        <source>语言设置已保存，重启 Vistrelle 后生效。是否立即重启？</source>
        <translation>تم حفظ اللغة وستسري عند إعادة تشغيل Vistrelle. هل تريد إعادة التشغيل الآن؟</translation>
    </message>
    <message>
        <source>重启失败</source>
        <translation>فشلت إعادة التشغيل</translation>
    </message>
    <message>
        <source>无法自动重启，请手动重新打开 Vistrelle。</source>
        <translation>تعذّرت إعادة تشغيل Vistrelle تلقائيًا. يُرجى فتحه يدويًا.</translation>
    </message>
    <message>
        <source>录制的窗口已关闭</source>
        <translation>أُغلقت النافذة المسجَّلة</translation>
    </message>
    <message>
        <source>Custom Area</source>
        <translation>منطقة مخصصة</translation>
    </message>
    <message>
        <source>The display of the chosen area is no longer connected. Choose the area again.</source>
        <translation>لم تعد الشاشة التي تحوي المنطقة المختارة متصلة. اختر المنطقة من جديد.</translation>
    </message>
    <message>
        <source>Nothing was recorded: the program quit before the recording began.</source>
        <translation>لم يُسجَّل أي شيء: أُغلق البرنامج قبل أن يبدأ التسجيل.</translation>
    </message>
</context>
<context>
    <name>MediaProbe</name>
    <message>
        <source>无法启动 ffprobe（%1）。</source>
        <translation>تعذّر تشغيل ffprobe ‏(%1).</translation>
    </message>
    <message>
        <source>ffprobe 没有在 %1 秒内结束。</source>
        <translation>لم ينتهِ ffprobe خلال %1 ثانية.</translation>
    </message>
    <message>
        <source>ffprobe 没有给出可读的回答。</source>
        <translation>لم يُعطِ ffprobe إجابة مقروءة.</translation>
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
    <name>NumberText</name>
    <message>
        <source>KB</source>
        <translation>ك.ب</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>م.ب</translation>
    </message>
    <message>
        <source>GB</source>
        <translation>غ.ب</translation>
    </message>
</context>
<context>
    <name>PlayerWindow</name>
    <message>
        <source>Vistrelle — 播放器</source>
        <translation>المشغّل — Vistrelle</translation>
    </message>
    <message>
        <source>截图</source>
        <translation>لقطة شاشة</translation>
    </message>
    <message>
        <source>无法保存截图到 %1。</source>
        <translation>تعذّر حفظ لقطة الشاشة في %1.</translation>
    </message>
</context>
<context>
    <name>QDialog</name>
    <message>
        <source>Enable Screen Recording</source>
        <translation>تفعيل تسجيل الشاشة</translation>
    </message>
    <message>
        <source>Enable Microphone Access</source>
        <translation>تفعيل الوصول إلى الميكروفون</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>Vistrelle needs permission before it can record your screen.</source>
        <translation>يحتاج Vistrelle إلى إذن قبل أن يتمكن من تسجيل شاشتك.</translation>
    </message>
    <message>
        <source>Vistrelle needs permission before it can record your voice.</source>
        <translation>يحتاج Vistrelle إلى إذن قبل أن يتمكن من تسجيل صوتك.</translation>
    </message>
    <message>
        <source>Screen &amp; System Audio Recording</source>
        <translation>تسجيل الشاشة وصوت النظام</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>الميكروفون</translation>
    </message>
    <message>
        <source>Allow these apps to record your screen.</source>
        <translation>السماح لهذه التطبيقات بتسجيل شاشتك.</translation>
    </message>
    <message>
        <source>Allow these apps to use your microphone.</source>
        <translation>السماح لهذه التطبيقات باستخدام الميكروفون.</translation>
    </message>
    <message>
        <source>Illustration of macOS System Settings</source>
        <translation>رسم توضيحي لإعدادات نظام macOS</translation>
    </message>
    <message>
        <source>Three quick steps</source>
        <translation>ثلاث خطوات سريعة</translation>
    </message>
    <message>
        <source>Open Screen Recording settings.</source>
        <translation>افتح إعدادات تسجيل الشاشة.</translation>
    </message>
    <message>
        <source>Open Microphone settings.</source>
        <translation>افتح إعدادات الميكروفون.</translation>
    </message>
    <message>
        <source>Turn on Vistrelle.</source>
        <translation>فعّل Vistrelle.</translation>
    </message>
    <message>
        <source>Quit and reopen Vistrelle, then record.</source>
        <translation>أغلق Vistrelle وأعد فتحه، ثم ابدأ التسجيل.</translation>
    </message>
    <message>
        <source>Return and start recording.</source>
        <translation>عد وابدأ التسجيل.</translation>
    </message>
    <message>
        <source>Restart Vistrelle after changing this setting.</source>
        <translation>أعد تشغيل Vistrelle بعد تغيير هذا الإعداد.</translation>
    </message>
    <message>
        <source>You can also turn off Microphone and record without voice.</source>
        <translation>يمكنك أيضًا إيقاف الميكروفون والتسجيل بدون صوت.</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>ليس الآن</translation>
    </message>
    <message>
        <source>Open Settings ↗</source>
        <translation>فتح الإعدادات ↖</translation>
    </message>
    <message>
        <source>Open System Settings &gt; Privacy &amp; Security &gt; Screen &amp; System Audio Recording and allow Vistrelle.</source>
        <translation>افتح إعدادات النظام &gt; الخصوصية والأمان &gt; تسجيل الشاشة وصوت النظام واسمح لـ Vistrelle.</translation>
    </message>
    <message>
        <source>Open System Settings &gt; Privacy &amp; Security &gt; Microphone and allow Vistrelle.</source>
        <translation>افتح إعدادات النظام &gt; الخصوصية والأمان &gt; الميكروفون واسمح لـ Vistrelle.</translation>
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
        <source>预计剩余 --:--</source>
        <translation>المتبقي --:--</translation>
    </message>
    <message>
        <source>预计剩余 %1:%2</source>
        <translation>المتبقي %1:%2</translation>
    </message>
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
    <message>
        <source>Vistrelle is already running</source>
        <translation>برنامج Vistrelle قيد التشغيل بالفعل</translation>
    </message>
    <message>
        <source>Another Vistrelle process is running. Finish its recording and quit it before opening Vistrelle again.</source>
        <translation>توجد عملية Vistrelle أخرى قيد التشغيل. أنهِ تسجيلها وأغلقها قبل فتح Vistrelle مرة أخرى.</translation>
    </message>
    <message>
        <source>已有 FFmpeg 任务正在执行</source>
        <translation>توجد مهمة FFmpeg قيد التشغيل بالفعل</translation>
    </message>
    <message>
        <source>FFmpeg 未找到或无法启动：%1</source>
        <translation>لم يتم العثور على FFmpeg أو تعذر تشغيله: %1</translation>
    </message>
    <message>
        <source>操作已取消</source>
        <translation>تم إلغاء العملية</translation>
    </message>
    <message>
        <source>FFmpeg 出错：
%1</source>
        <translation>أبلغ FFmpeg عن خطأ:
%1</translation>
    </message>
    <message>
        <source>裁剪参数无效</source>
        <translation>إعدادات القص غير صالحة</translation>
    </message>
    <message>
        <source>合并参数无效</source>
        <translation>إعدادات الدمج غير صالحة</translation>
    </message>
    <message>
        <source>无法创建合并列表文件</source>
        <translation>تعذر إنشاء ملف قائمة الدمج</translation>
    </message>
    <message>
        <source>变速参数无效</source>
        <translation>إعداد السرعة غير صالح</translation>
    </message>
    <message>
        <source>转场效果无效：%1</source>
        <translation>انتقال غير صالح: %1</translation>
    </message>
    <message>
        <source>转场失败：至少有一个视频时长小于转场时长</source>
        <translation>فشل الانتقال: مقطع فيديو واحد على الأقل أقصر من مدة الانتقال</translation>
    </message>
    <message>
        <source>音频降噪需要 sh.rnnn 模型文件，请放到程序目录，或先关闭音频降噪。</source>
        <translation>يحتاج تقليل ضوضاء الصوت إلى ملف النموذج sh.rnnn: ضعه في مجلد البرنامج أو أوقف تقليل ضوضاء الصوت.</translation>
    </message>
    <message>
        <source>字幕文件不存在：%1</source>
        <translation>ملف الترجمة غير موجود: %1</translation>
    </message>
    <message>
        <source>FFmpeg 报告完成，但没有写出可用的文件：
%1</source>
        <translation>أبلغ FFmpeg بالنجاح لكنه لم يكتب ملفًا صالحًا للاستخدام:
%1</translation>
    </message>
    <message>
        <source>格式无效或不受支持</source>
        <translation>التنسيق غير صالح أو غير مدعوم</translation>
    </message>
    <message>
        <source>没有读取权限</source>
        <translation>لا يوجد إذن بالقراءة</translation>
    </message>
    <message>
        <source>文件无法读取或已损坏</source>
        <translation>لا يمكن قراءة الملف أو أنه تالف</translation>
    </message>
    <message>
        <source>无法打开文件：%1</source>
        <translation>تعذّر فتح الملف: %1</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>&amp;Yes</source>
        <translation>نعم</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>لا</translation>
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
        <translation>لم يُعثر على مرمِّز عتادي صالح؛ تم تحجيم المخرجات إلى ⁧%1 × %2⁩ بمعدل 30 إطارًا في الثانية.</translation>
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
        <translation type="vanished">يتطلب تسجيل صوت النظام macOS 13 أو إصدارًا أحدث.</translation>
    </message>
    <message>
        <source>没有找到所选麦克风，请重新选择输入设备。</source>
        <translation>لم يُعثر على الميكروفون المحدد. يُرجى اختيار جهاز الإدخال مرة أخرى.</translation>
    </message>
    <message>
        <source>保存磁盘剩余空间不足 %1 GB，请清理空间或更换保存目录。</source>
        <translation>المساحة الحرة على قرص الحفظ أقل من %1 غ.ب. يُرجى تحرير مساحة أو اختيار مجلد حفظ آخر.</translation>
    </message>
    <message>
        <source>无法捕获系统声音：%1</source>
        <translation type="vanished">تعذّر التقاط صوت النظام: %1</translation>
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
        <translation>تعذّر حذف الملفات المؤقتة للتسجيل المحذوف: %1</translation>
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
    <message>
        <source>保存磁盘的剩余空间已不足 %1 MB，录制已停止；已录制的内容会正常保存。</source>
        <translation type="vanished">تبقّى أقل من %1 ميغابايت على قرص الحفظ، لذلك أُوقف التسجيل. سيُحفظ كل ما سُجّل حتى الآن.</translation>
    </message>
    <message>
        <source>屏幕录制不可用：屏幕录制需要 X11 会话，在 Wayland 下无法录制屏幕。</source>
        <translation>التقاط الشاشة غير متاح: يتطلب تسجيل الشاشة جلسة X11 ولا يمكن تسجيلها تحت Wayland.</translation>
    </message>
    <message>
        <source>录制分段异常，退出码=%1。没有录下任何内容。
%2</source>
        <translation>فشل مقطع التسجيل (رمز الخروج %1). لم يُسجَّل أي شيء.
%2</translation>
    </message>
    <message>
        <source>无法录制麦克风：%1</source>
        <translation type="vanished">تعذّر تسجيل الميكروفون: %1</translation>
    </message>
    <message>
        <source>保存文件夹不可写入：%1</source>
        <translation>لا يمكن الكتابة في مجلد الحفظ: %1</translation>
    </message>
    <message>
        <source>无法录制系统声音，因为声音服务器无法连接。</source>
        <translation>لا يمكن التقاط صوت النظام لأنه لا يمكن الوصول إلى خادم الصوت.</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已快满，录制已停止。已录下的分段保留在：
%2</source>
        <translation>قرص الحفظ %1 ممتلئ تقريبًا، لذا أُوقف التسجيل. المقاطع المسجّلة محفوظة في:
%2</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已快满，录制已停止并已保存为：
%2</source>
        <translation>قرص الحفظ %1 ممتلئ تقريبًا، لذا أُوقف التسجيل وحُفظ باسم:
%2</translation>
    </message>
    <message>
        <source>保存文件夹不存在，也无法创建：%1
%2 不可写入。</source>
        <translation>مجلد الحفظ غير موجود ولا يمكن إنشاؤه: %1
لا يمكن الكتابة في %2.</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已快满，录制已停止。录像保留为 %2 个分段，位于：
%3
把它们合并成一个文件还需要约 %4 的可用空间（现在可用 %5）。腾出空间后，可以手动合并这些分段。</source>
        <translation>قرص الحفظ %1 ممتلئ تقريبًا، لذا أُوقف التسجيل. التسجيل محفوظ في %2 من المقاطع في:
%3
يتطلب دمجها في ملف واحد نحو %4 من المساحة الحرة (المتاح الآن %5). بعد تحرير المساحة يمكنك دمج هذه المقاطع بنفسك.</translation>
    </message>
    <message>
        <source>声音服务器已断开。录制仍在继续，这段时间的声音录为静音；声音服务器恢复后会自动继续录音。</source>
        <translation>انقطع خادم الصوت. يستمر التسجيل ويُسجَّل صمت في هذه الأثناء؛ ويُستأنف تسجيل الصوت فور عودة خادم الصوت.</translation>
    </message>
    <message>
        <source>录制文件夹在录制中被删除，已录下的内容随文件夹一起被删除：%1
该文件夹无法重新创建，录制已停止。
%2</source>
        <translation>حُذف مجلد التسجيل أثناء التسجيل، وحُذف معه ما سُجّل: %1
لا يمكن إعادة إنشاء المجلد، لذلك توقف التسجيل.
%2</translation>
    </message>
    <message>
        <source>录制文件夹在录制中被删除，此前录下的内容已随文件夹一起被删除：%1
已重新创建该文件夹，录制继续，此后的内容会正常保存。</source>
        <translation>حُذف مجلد التسجيل أثناء التسجيل، وحُذف معه ما سُجّل حتى ذلك الحين: %1
أُعيد إنشاء المجلد؛ يستمر التسجيل ويُحفظ كل ما يأتي بعد الآن.</translation>
    </message>
    <message>
        <source>无法录制麦克风，因为声音服务器无法连接。</source>
        <translation>لا يمكن تسجيل الميكروفون لأنه لا يمكن الوصول إلى خادم الصوت.</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已满，录制已停止。录下的内容没有可以播放的部分，没有保存录像；未完成的分段保留在：
%2</source>
        <translation>قرص الحفظ %1 ممتلئ، لذا أُوقف التسجيل. لا يمكن تشغيل أي جزء مما سُجّل، لذا لم يُحفظ أي تسجيل؛ المقطع غير المكتمل محفوظ في:
%2</translation>
    </message>
    <message>
        <source>编码器停止了响应，录像只保存到 %1（共录制了 %2）：
%3</source>
        <translation type="vanished">توقف المُرمِّز عن الاستجابة: حُفظ التسجيل حتى %1 (من أصل %2 مسجّلة):
%3</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已满，没有录下任何内容。请清理空间或更换保存目录。
%2</source>
        <translation type="vanished">قرص الحفظ %1 ممتلئ، لذا لم يُسجَّل أي شيء. حرّر بعض المساحة أو اختر مجلد حفظ آخر.
%2</translation>
    </message>
    <message>
        <source>所选麦克风已断开，录制改为使用系统默认的输入设备继续录音。</source>
        <translation>تم فصل الميكروفون المختار. يستمر التسجيل باستخدام جهاز الإدخال الافتراضي للنظام.</translation>
    </message>
    <message>
        <source>编码器停止了响应：文件保存了 %1（共录制了 %2），从 %3 起缺少 %4：
%5</source>
        <translation>توقف المُرمِّز عن الاستجابة: يحتوي الملف على %1 من أصل %2 مسجّلة، وينقصه %4 بدءًا من %3:
%5</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已满，录制已停止。录像保留为 %2 个分段，位于：
%3
把它们合并成一个文件还需要约 %4 的可用空间（现在可用 %5）。腾出空间后，可以手动合并这些分段。</source>
        <translation>قرص الحفظ %1 ممتلئ، لذا أُوقف التسجيل. التسجيل محفوظ في %2 من المقاطع في:
%3
يتطلب دمجها في ملف واحد نحو %4 من المساحة الحرة (المتاح الآن %5). بعد تحرير المساحة يمكنك دمج هذه المقاطع بنفسك.</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已满，录制已停止。已录下的分段保留在：
%2</source>
        <translation>قرص الحفظ %1 ممتلئ، لذا أُوقف التسجيل. المقاطع المسجّلة محفوظة في:
%2</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已满，录制已停止并已保存为：
%2</source>
        <translation>قرص الحفظ %1 ممتلئ، لذا أُوقف التسجيل وحُفظ باسم:
%2</translation>
    </message>
    <message>
        <source>录制进程意外结束，没有录下任何内容。</source>
        <translation>انتهت عملية التسجيل بشكل غير متوقع، ولم يُسجَّل أي شيء.</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已满，没有录下任何内容。请清理空间或更换保存目录。</source>
        <translation>قرص الحفظ %1 ممتلئ، لذا لم يُسجَّل أي شيء. حرّر بعض المساحة أو اختر مجلد حفظ آخر.</translation>
    </message>
    <message>
        <source>无法录制麦克风：声音服务器没有开始录音。请检查输入设备后重试。</source>
        <translation>تعذّر تسجيل الميكروفون: لم يبدأ خادم الصوت التسجيل. تحقّق من جهاز الإدخال ثم أعد المحاولة.</translation>
    </message>
    <message>
        <source>无法捕获系统声音：声音服务器没有开始录音。请检查输出设备后重试。</source>
        <translation>تعذّر التقاط صوت النظام: لم يبدأ خادم الصوت التسجيل. تحقّق من جهاز الإخراج ثم أعد المحاولة.</translation>
    </message>
    <message>
        <source>正在等待 FFmpeg 检测编码器…</source>
        <translation>في انتظار أن يختبر FFmpeg المرمِّزات…</translation>
    </message>
    <message>
        <source>正在等待 FFmpeg 开始录制…</source>
        <translation>في انتظار أن يبدأ FFmpeg التسجيل…</translation>
    </message>
    <message>
        <source>请先启动声音服务器（PulseAudio），再开始录制。</source>
        <translation>شغِّل خادم الصوت (PulseAudio) أولًا، ثم ابدأ التسجيل.</translation>
    </message>
    <message>
        <source>请先启动声音服务器（PulseAudio），或关闭扬声器和麦克风后录制无声视频。</source>
        <translation>شغِّل خادم الصوت (PulseAudio) أولًا، أو أوقف مكبّر الصوت والميكروفون لتسجيل فيديو بلا صوت.</translation>
    </message>
    <message>
        <source>没有录下任何内容：录制在开始之前就已停止。</source>
        <translation>لم يُسجَّل أي شيء: أُوقف التسجيل قبل أن يبدأ.</translation>
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
    <message>
        <source>保存磁盘 %1 已满，分段没有合并成一个文件。腾出约 %2 的可用空间后，可以手动合并这些分段。</source>
        <translation>قرص الحفظ %1 ممتلئ، لذا لم تُدمج المقاطع في ملف واحد. بعد تحرير نحو %2 من المساحة يمكنك دمج هذه المقاطع بنفسك.</translation>
    </message>
</context>
<context>
    <name>RecordingSettingsDialog</name>
    <message>
        <source>录制性能设置</source>
        <translation>إعدادات أداء التسجيل</translation>
    </message>
    <message>
        <source>录制性能</source>
        <translation>أداء التسجيل</translation>
    </message>
    <message>
        <source>选择用途，自动匹配参数</source>
        <translation>اختر الاستخدام وستُضبط الإعدادات تلقائيًا</translation>
    </message>
    <message>
        <source>预设</source>
        <translation>الإعدادات المسبقة</translation>
    </message>
    <message>
        <source>办公
文档、会议</source>
        <translation>المكتب
مستندات، اجتماعات</translation>
    </message>
    <message>
        <source>课程
文字清晰</source>
        <translation>دورة
نص واضح</translation>
    </message>
    <message>
        <source>游戏
流畅优先</source>
        <translation>الألعاب
السلاسة أولًا</translation>
    </message>
    <message>
        <source>高画质
细节优先</source>
        <translation>جودة عالية
التفاصيل أولًا</translation>
    </message>
    <message>
        <source>高级设置  ▾</source>
        <translation>إعدادات متقدمة  ▾</translation>
    </message>
    <message>
        <source>帧率</source>
        <translation>معدل الإطارات</translation>
    </message>
    <message>
        <source>格式</source>
        <translation>التنسيق</translation>
    </message>
    <message>
        <source>画质</source>
        <translation>جودة الصورة</translation>
    </message>
    <message>
        <source>帧率类型</source>
        <translation>نوع معدل الإطارات</translation>
    </message>
    <message>
        <source>编码器</source>
        <translation>المُرمِّز</translation>
    </message>
    <message>
        <source>关键帧</source>
        <translation>الإطارات الرئيسية</translation>
    </message>
    <message>
        <source>30 FPS（推荐）</source>
        <translation>30 إطارًا/ث (موصى به)</translation>
    </message>
    <message>
        <source>标准</source>
        <translation>قياسية</translation>
    </message>
    <message>
        <source>高清（推荐）</source>
        <translation>عالية الدقة (موصى بها)</translation>
    </message>
    <message>
        <source>超清</source>
        <translation>فائقة الدقة</translation>
    </message>
    <message>
        <source>自动（推荐）</source>
        <translation>تلقائي (موصى به)</translation>
    </message>
    <message>
        <source>CPU（H.264）</source>
        <translation>المعالج (H.264)</translation>
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
        <translation>MP4 (متوافق)</translation>
    </message>
    <message>
        <source>MKV（易恢复）</source>
        <translation>MKV (سهل الاسترداد)</translation>
    </message>
    <message>
        <source>恒定（推荐）</source>
        <translation>ثابت (موصى به)</translation>
    </message>
    <message>
        <source>可变（省空间）</source>
        <translation>متغير (يوفر المساحة)</translation>
    </message>
    <message>
        <source>1 秒</source>
        <translation>1 ث</translation>
    </message>
    <message>
        <source>2 秒（推荐）</source>
        <translation>2 ث (موصى به)</translation>
    </message>
    <message>
        <source>5 秒</source>
        <translation>5 ث</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>تم</translation>
    </message>
    <message>
        <source>收起高级设置  ▴</source>
        <translation>إخفاء الإعدادات المتقدمة  ▴</translation>
    </message>
    <message>
        <source>高清</source>
        <translation>عالية الدقة</translation>
    </message>
    <message>
        <source>CPU 编码</source>
        <translation>ترميز بالمعالج</translation>
    </message>
    <message>
        <source>自动编码</source>
        <translation>ترميز تلقائي</translation>
    </message>
    <message>
        <source>GPU 编码</source>
        <translation>ترميز بمعالج الرسوميات</translation>
    </message>
    <message>
        <source>高性能模式</source>
        <translation>وضع الأداء العالي</translation>
    </message>
    <message>
        <source>适合办公与课程</source>
        <translation>مناسب للعمل المكتبي والدورات</translation>
    </message>
    <message>
        <source>适合游戏</source>
        <translation>مناسب للألعاب</translation>
    </message>
    <message>
        <source>%1 · %2 · 关键帧 %3 秒</source>
        <translation>%1 · %2 · إطار رئيسي كل %3 ث</translation>
    </message>
    <message>
        <source>可变</source>
        <translation>متغير</translation>
    </message>
    <message>
        <source>恒定</source>
        <translation>ثابت</translation>
    </message>
    <message>
        <source>%1 FPS · %2 · %3
%4 · %5</source>
        <translation>%1 إطارًا/ث · %2 · %3
%4 · %5</translation>
    </message>
    <message>
        <source>当前显示器最高刷新率约为 %1 Hz</source>
        <translation>أعلى معدل تحديث للشاشة الحالية نحو %1 هرتز</translation>
    </message>
    <message>
        <source>没有检测到可用的 H.264 GPU 硬件编码器</source>
        <translation>لم يُعثر على مُرمِّز عتادي H.264 يعمل على معالج الرسوميات</translation>
    </message>
    <message>
        <source>120 FPS 性能检查</source>
        <translation>فحص الأداء عند 120 إطارًا/ث</translation>
    </message>
    <message>
        <source>当前设备可能无法稳定录制 120 FPS：

• %1

建议自动调整为 60 FPS。录制期间仍会继续监测实际性能。</source>
        <translation>قد لا يتمكن هذا الجهاز من التسجيل بثبات عند 120 إطارًا/ث:

• %1

يُنصح بالتبديل إلى 60 إطارًا/ث. يستمر رصد الأداء الفعلي أثناء التسجيل.</translation>
    </message>
    <message>
        <source>自动改为 60 FPS</source>
        <translation>التبديل إلى 60 إطارًا/ث</translation>
    </message>
    <message>
        <source>仍然使用 120 FPS</source>
        <translation>الإبقاء على 120 إطارًا/ث</translation>
    </message>
    <message>
        <source>返回设置</source>
        <translation>العودة إلى الإعدادات</translation>
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
    <message>
        <source>这个时间已经过去，请选择一个将来的时间。</source>
        <translation>لقد مضى هذا الوقت بالفعل. يُرجى اختيار وقت في المستقبل.</translation>
    </message>
</context>
<context>
    <name>ScreenshotNotice</name>
    <message>
        <source>截图失败</source>
        <translation>فشل التقاط الصورة</translation>
    </message>
    <message>
        <source>无法截取画面。</source>
        <translation>تعذر التقاط الصورة.</translation>
    </message>
    <message>
        <source>无法保存截图：
%1
请检查文件夹的写入权限。</source>
        <translation>تعذّر حفظ لقطة الشاشة:
%1
تحقق من أذونات الكتابة في المجلد.</translation>
    </message>
    <message>
        <source>截图完成</source>
        <translation>تم حفظ لقطة الشاشة</translation>
    </message>
    <message>
        <source>截图已保存到：
%1</source>
        <translation>تم حفظ لقطة الشاشة في:
%1</translation>
    </message>
    <message>
        <source>上一张截图仍在保存，请稍后再试。</source>
        <translation>لا تزال لقطات الشاشة السابقة قيد الحفظ. حاول مرة أخرى بعد لحظة.</translation>
    </message>
</context>
<context>
    <name>SegmentMerger</name>
    <message>
        <source>FFmpeg 停止了响应，分段没有合并。</source>
        <translation>توقف FFmpeg عن الاستجابة، لذا لم تُدمج المقاطع.</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>设置</source>
        <translation>الإعدادات</translation>
    </message>
    <message>
        <source>通用</source>
        <translation>عام</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>鼠标效果</source>
        <translation>تأثيرات الفأرة</translation>
    </message>
    <message>
        <source>快捷键</source>
        <translation>اختصارات لوحة المفاتيح</translation>
    </message>
    <message>
        <source>录制</source>
        <translation>التسجيل</translation>
    </message>
    <message>
        <source>恢复默认设置</source>
        <translation>استعادة الإعدادات الافتراضية</translation>
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
        <source>保存设置</source>
        <translation>حفظ الإعدادات</translation>
    </message>
    <message>
        <source>保存目录无效或无法创建，请重新选择。</source>
        <translation>مجلد الحفظ غير صالح أو لا يمكن إنشاؤه. يُرجى اختيار مجلد آخر.</translation>
    </message>
    <message>
        <source>每个全局快捷键只能包含一个组合，请重新设置。</source>
        <translation>يمكن لكل اختصار عام أن يحتوي على تركيبة مفاتيح واحدة فقط. يُرجى ضبطه من جديد.</translation>
    </message>
    <message>
        <source>快捷键 %1 被重复使用，请为每个功能设置不同组合。</source>
        <translation>الاختصار %1 مستخدم أكثر من مرة. يُرجى تعيين تركيبة مختلفة لكل إجراء.</translation>
    </message>
    <message>
        <source>快捷键设置</source>
        <translation>إعدادات الاختصارات</translation>
    </message>
    <message>
        <source>设置写入失败，请检查当前用户的配置权限。</source>
        <translation>تعذّر حفظ الإعدادات. يُرجى التحقق من أن المستخدم الحالي يملك إذن كتابة إعداداته.</translation>
    </message>
    <message>
        <source>开机时自动启动 Vistrelle</source>
        <translation>تشغيل Vistrelle عند تسجيل الدخول</translation>
    </message>
    <message>
        <source>启动后最小化到系统托盘</source>
        <translation>البدء مصغّرًا في علبة النظام</translation>
    </message>
    <message>
        <source>关闭按钮</source>
        <translation>زر الإغلاق</translation>
    </message>
    <message>
        <source>最小化到系统托盘</source>
        <translation>التصغير إلى علبة النظام</translation>
    </message>
    <message>
        <source>退出程序</source>
        <translation>إنهاء البرنامج</translation>
    </message>
    <message>
        <source>每次询问我</source>
        <translation>اسألني في كل مرة</translation>
    </message>
    <message>
        <source>选择“每次询问我”时，每次关闭主窗口都会弹出选择窗口。以后仍可在这里修改。</source>
        <translation>عند اختيار «اسألني في كل مرة» يُسأل عمّا يجب فعله في كل مرة تُغلق فيها النافذة الرئيسية. يمكنك تغيير ذلك هنا لاحقًا.</translation>
    </message>
    <message>
        <source>诊断</source>
        <translation>التشخيص</translation>
    </message>
    <message>
        <source>启用详细诊断日志</source>
        <translation>تفعيل سجل التشخيص المفصّل</translation>
    </message>
    <message>
        <source>日志保存在本机；重启后生效。</source>
        <translation>تبقى السجلات على هذا الحاسوب؛ يسري بعد إعادة التشغيل.</translation>
    </message>
    <message>
        <source>默认保存目录</source>
        <translation>مجلد الحفظ الافتراضي</translation>
    </message>
    <message>
        <source>浏览…</source>
        <translation>استعراض…</translation>
    </message>
    <message>
        <source>文件命名规则</source>
        <translation>تسمية الملفات</translation>
    </message>
    <message>
        <source>日期 + 时间</source>
        <translation>التاريخ + الوقت</translation>
    </message>
    <message>
        <source>Vistrelle + 日期时间</source>
        <translation>Vistrelle + التاريخ والوقت</translation>
    </message>
    <message>
        <source>自动编号</source>
        <translation>ترقيم تلقائي</translation>
    </message>
    <message>
        <source>示例：2026-09-04_143022.mp4</source>
        <translation type="vanished">مثال: 2026-09-04_143022.mp4</translation>
    </message>
    <message>
        <source>磁盘空间提醒</source>
        <translation>تنبيه مساحة القرص</translation>
    </message>
    <message>
        <source>当磁盘剩余空间少于</source>
        <translation>عندما تقل المساحة الحرة عن</translation>
    </message>
    <message>
        <source>时提醒我</source>
        <translation>نبّهني</translation>
    </message>
    <message>
        <source>选择保存目录</source>
        <translation>اختيار مجلد الحفظ</translation>
    </message>
    <message>
        <source>显示鼠标高亮</source>
        <translation>تمييز مؤشر الفأرة</translation>
    </message>
    <message>
        <source>高亮颜色</source>
        <translation>لون التمييز</translation>
    </message>
    <message>
        <source>大小</source>
        <translation>الحجم</translation>
    </message>
    <message>
        <source>透明度</source>
        <translation>العتامة</translation>
    </message>
    <message>
        <source>点击动画</source>
        <translation>حركة النقر</translation>
    </message>
    <message>
        <source>显示鼠标点击动画</source>
        <translation>إظهار حركة نقرات الفأرة</translation>
    </message>
    <message>
        <source>左键点击</source>
        <translation>النقر الأيسر</translation>
    </message>
    <message>
        <source>右键点击</source>
        <translation>النقر الأيمن</translation>
    </message>
    <message>
        <source>选择颜色</source>
        <translation>اختيار اللون</translation>
    </message>
    <message>
        <source>点击选择颜色</source>
        <translation>انقر لاختيار لون</translation>
    </message>
    <message>
        <source>开始 / 停止录制</source>
        <translation>بدء / إيقاف التسجيل</translation>
    </message>
    <message>
        <source>暂停 / 继续录制</source>
        <translation>إيقاف التسجيل مؤقتًا / استئنافه</translation>
    </message>
    <message>
        <source>截图（全屏 / 区域）</source>
        <translation>لقطة شاشة (الشاشة كاملة / منطقة)</translation>
    </message>
    <message>
        <source>显示 / 隐藏悬浮工具栏</source>
        <translation>إظهار / إخفاء شريط الأدوات العائم</translation>
    </message>
    <message>
        <source>显示 / 隐藏注释工具栏</source>
        <translation>إظهار / إخفاء أدوات التعليق</translation>
    </message>
    <message>
        <source>点击确定后保存，应用于下一次录制。</source>
        <translation>يُحفظ عند الضغط على موافق ويُطبَّق على التسجيل التالي.</translation>
    </message>
    <message>
        <source>录制预设</source>
        <translation>إعداد التسجيل المسبق</translation>
    </message>
    <message>
        <source>办公</source>
        <translation>المكتب</translation>
    </message>
    <message>
        <source>课程</source>
        <translation>دورة</translation>
    </message>
    <message>
        <source>游戏</source>
        <translation>الألعاب</translation>
    </message>
    <message>
        <source>自定义</source>
        <translation>مخصص</translation>
    </message>
    <message>
        <source>标准</source>
        <translation>قياسية</translation>
    </message>
    <message>
        <source>高清（推荐）</source>
        <translation>عالية الدقة (موصى بها)</translation>
    </message>
    <message>
        <source>超清</source>
        <translation>فائقة الدقة</translation>
    </message>
    <message>
        <source>自动（推荐）</source>
        <translation>تلقائي (موصى به)</translation>
    </message>
    <message>
        <source>恒定（推荐）</source>
        <translation>ثابت (موصى به)</translation>
    </message>
    <message>
        <source>可变</source>
        <translation>متغير</translation>
    </message>
    <message>
        <source>%1 秒</source>
        <translation>%1 ث</translation>
    </message>
    <message>
        <source>常用设置</source>
        <translation>الإعدادات الشائعة</translation>
    </message>
    <message>
        <source>视频格式</source>
        <translation>صيغة الفيديو</translation>
    </message>
    <message>
        <source>帧率</source>
        <translation>معدل الإطارات</translation>
    </message>
    <message>
        <source>画质</source>
        <translation>جودة الصورة</translation>
    </message>
    <message>
        <source>硬件加速</source>
        <translation>التسريع العتادي</translation>
    </message>
    <message>
        <source>高级设置 ▾</source>
        <translation>إعدادات متقدمة ▾</translation>
    </message>
    <message>
        <source>帧率类型</source>
        <translation>نوع معدل الإطارات</translation>
    </message>
    <message>
        <source>关键帧间隔</source>
        <translation>الفاصل بين الإطارات الرئيسية</translation>
    </message>
    <message>
        <source>收起高级设置 ▴</source>
        <translation>إخفاء الإعدادات المتقدمة ▴</translation>
    </message>
    <message>
        <source>示例：%1</source>
        <translation>مثال: %1</translation>
    </message>
</context>
<context>
    <name>SetupRecordingToolbar</name>
    <message>
        <source>Full Screen  ▾</source>
        <translation>ملء الشاشة  ▾</translation>
    </message>
    <message>
        <source>Display 1</source>
        <translation>الشاشة 1</translation>
    </message>
    <message>
        <source>Webcam  ▾</source>
        <translation>كاميرا الويب  ▾</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>إيقاف</translation>
    </message>
    <message>
        <source>Speaker  ▾</source>
        <translation>السماعة  ▾</translation>
    </message>
    <message>
        <source>On</source>
        <translation>تشغيل</translation>
    </message>
    <message>
        <source>Microphone  ▾</source>
        <translation>الميكروفون  ▾</translation>
    </message>
    <message>
        <source>Screenshot</source>
        <translation>لقطة شاشة</translation>
    </message>
    <message>
        <source>Auto Stop</source>
        <translation>إيقاف تلقائي</translation>
    </message>
    <message>
        <source>Auto Split</source>
        <translation>تقسيم تلقائي</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>جدولة</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>الإعدادات</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>خروج</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>ملء الشاشة</translation>
    </message>
    <message>
        <source>Full Screen · Display %1</source>
        <translation>ملء الشاشة · الشاشة %1</translation>
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
        <source>Custom Area  ▾</source>
        <translation>منطقة مخصصة  ▾</translation>
    </message>
    <message>
        <source>Window  ▾</source>
        <translation>نافذة  ▾</translation>
    </message>
    <message>
        <source>Game  ▾</source>
        <translation>لعبة  ▾</translation>
    </message>
    <message>
        <source>Audio Only  ▾</source>
        <translation>الصوت فقط  ▾</translation>
    </message>
    <message>
        <source>Start recording</source>
        <translation>بدء التسجيل</translation>
    </message>
    <message>
        <source>Select a window before recording</source>
        <translation>اختر نافذة قبل التسجيل</translation>
    </message>
    <message>
        <source>Drag toolbar</source>
        <translation>سحب شريط الأدوات</translation>
    </message>
    <message>
        <source>Open menu</source>
        <translation>فتح القائمة</translation>
    </message>
</context>
<context>
    <name>StopRecordingDialog</name>
    <message>
        <source>Stop Recording</source>
        <translation>إيقاف التسجيل</translation>
    </message>
    <message>
        <source>Stop this recording?</source>
        <translation>هل تريد إيقاف هذا التسجيل؟</translation>
    </message>
    <message>
        <source>Recorded</source>
        <translation>المدة المسجلة</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>متابعة</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
</context>
<context>
    <name>TimelineWidget</name>
    <message>
        <source>🎬 视频</source>
        <translation>🎬 فيديو</translation>
    </message>
    <message>
        <source>🔊 系统音</source>
        <translation>🔊 النظام</translation>
    </message>
    <message>
        <source>🎵 背景乐</source>
        <translation>🎵 موسيقى</translation>
    </message>
    <message>
        <source>📝 字幕</source>
        <translation>📝 ترجمة</translation>
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
    <name>ToolDialog</name>
    <message>
        <source>音量</source>
        <translation type="vanished">مستوى الصوت</translation>
    </message>
    <message>
        <source>音频</source>
        <translation type="vanished">صوت</translation>
    </message>
    <message>
        <source>速度</source>
        <translation type="vanished">سرعة</translation>
    </message>
    <message>
        <source>转换</source>
        <translation type="vanished">تحويل</translation>
    </message>
    <message>
        <source>信息</source>
        <translation type="vanished">معلومات</translation>
    </message>
    <message>
        <source>取消</source>
        <translation type="vanished">إلغاء</translation>
    </message>
    <message>
        <source>应用</source>
        <translation type="vanished">تطبيق</translation>
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
        <translation>الصوت</translation>
    </message>
    <message>
        <source>正在加载媒体文件…</source>
        <translation>جارٍ تحميل ملفات الوسائط…</translation>
    </message>
    <message>
        <source>%1 个文件</source>
        <translation type="vanished">%1 ملفات</translation>
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
    <message>
        <source>正在生成波形…</source>
        <translation>جارٍ رسم الموجة الصوتية…</translation>
    </message>
    <message>
        <source>正在加载缩略图…</source>
        <translation>جارٍ تحميل الصورة المصغرة…</translation>
    </message>
    <message>
        <source>音频文件</source>
        <translation>ملف صوتي</translation>
    </message>
    <message>
        <source>无法加载缩略图</source>
        <translation>الصورة المصغرة غير متاحة</translation>
    </message>
    <message>
        <source>移除声音</source>
        <translation>كتم الصوت</translation>
    </message>
    <message>
        <source>裁剪</source>
        <translation>قص</translation>
    </message>
    <message>
        <source>分割</source>
        <translation>تقسيم</translation>
    </message>
    <message>
        <source>截图</source>
        <translation>لقطة شاشة</translation>
    </message>
    <message>
        <source>水印</source>
        <translation>علامة مائية</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>تراجع</translation>
    </message>
    <message>
        <source>更多</source>
        <translation>المزيد</translation>
    </message>
    <message>
        <source>编辑与文件工具</source>
        <translation>أدوات التحرير والملفات</translation>
    </message>
    <message>
        <source>裁剪视频</source>
        <translation>قص الفيديو</translation>
    </message>
    <message>
        <source>拖动两侧滑块，选择保留的片段</source>
        <translation>اسحب المقبضين لاختيار الجزء الذي سيُحتفظ به</translation>
    </message>
    <message>
        <source>Start Trimming...</source>
        <translation>بدء القص...</translation>
    </message>
    <message>
        <source>分割点  %1</source>
        <translation>نقطة التقسيم  %1</translation>
    </message>
    <message>
        <source>将在 %1 处分割为两个%2片段</source>
        <translation type="vanished">سيتم التقسيم إلى مقطعين (%2) عند %1</translation>
    </message>
    <message>
        <source>选中时长  %1</source>
        <translation>المدة المحددة  %1</translation>
    </message>
    <message>
        <source>Mute Selection</source>
        <translation>كتم الجزء المحدد</translation>
    </message>
    <message>
        <source>预览画面效果</source>
        <translation>معاينة تأثير الصورة</translation>
    </message>
    <message>
        <source>分割音频</source>
        <translation>تقسيم الصوت</translation>
    </message>
    <message>
        <source>分割视频</source>
        <translation>تقسيم الفيديو</translation>
    </message>
    <message>
        <source>裁剪音频</source>
        <translation>قص الصوت</translation>
    </message>
    <message>
        <source>当前仅预览，点击保存后才会处理视频</source>
        <translation>معاينة فقط: تتم معالجة الفيديو عند النقر على حفظ</translation>
    </message>
    <message>
        <source>拖动黄色分割线，选择分割位置</source>
        <translation>اسحب الخط الأصفر لاختيار موضع التقسيم</translation>
    </message>
    <message>
        <source>Save Muted Copy</source>
        <translation>حفظ نسخة مكتومة</translation>
    </message>
    <message>
        <source>开始分割</source>
        <translation>بدء التقسيم</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>已设为无声</source>
        <translation>مكتوم</translation>
    </message>
    <message>
        <source>点击恢复原声</source>
        <translation>انقر لاستعادة الصوت</translation>
    </message>
    <message>
        <source>Mute audio in the selected range</source>
        <translation>كتم الصوت في النطاق المحدد</translation>
    </message>
    <message>
        <source>音量</source>
        <translation>مستوى الصوت</translation>
    </message>
    <message>
        <source>调整音频音量</source>
        <translation>ضبط مستوى الصوت</translation>
    </message>
    <message>
        <source>Vistrelle 全屏播放</source>
        <translation>تشغيل Vistrelle بملء الشاشة</translation>
    </message>
    <message>
        <source>截图不可用</source>
        <translation>لقطة الشاشة غير متاحة</translation>
    </message>
    <message>
        <source>视频画面尚未就绪，请先播放或移动到需要截图的位置。</source>
        <translation>صورة الفيديو غير جاهزة بعد. شغّل الفيديو أو انتقل أولاً إلى اللحظة التي تريد التقاطها.</translation>
    </message>
    <message>
        <source>截图完成</source>
        <translation>تم حفظ لقطة الشاشة</translation>
    </message>
    <message>
        <source>截图已保存到：
%1</source>
        <translation>تم حفظ لقطة الشاشة في:
%1</translation>
    </message>
    <message>
        <source>正在保存媒体文件，请稍候…</source>
        <translation>جارٍ حفظ ملف الوسائط، يرجى الانتظار…</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>正在保存</source>
        <translation>جارٍ الحفظ</translation>
    </message>
    <message>
        <source>编辑失败</source>
        <translation>فشل التحرير</translation>
    </message>
    <message>
        <source>无法启动 FFmpeg。</source>
        <translation>تعذر تشغيل FFmpeg.</translation>
    </message>
    <message>
        <source>无法分割</source>
        <translation>لا يمكن التقسيم</translation>
    </message>
    <message>
        <source>请将播放位置移动到音频中间。</source>
        <translation>انقل موضع التشغيل إلى منتصف الصوت.</translation>
    </message>
    <message>
        <source>请将播放位置移动到视频中间。</source>
        <translation>انقل موضع التشغيل إلى منتصف الفيديو.</translation>
    </message>
    <message>
        <source>分割失败</source>
        <translation>فشل التقسيم</translation>
    </message>
    <message>
        <source>FFmpeg 没有写出分割后的文件。</source>
        <translation>لم يكتب FFmpeg الملفات المقسمة.</translation>
    </message>
    <message>
        <source>分割完成</source>
        <translation>اكتمل التقسيم</translation>
    </message>
    <message>
        <source>已生成两个音频片段。</source>
        <translation>تم إنشاء مقطعين صوتيين.</translation>
    </message>
    <message>
        <source>已生成两个视频片段。</source>
        <translation>تم إنشاء مقطعي فيديو.</translation>
    </message>
    <message>
        <source>保存失败</source>
        <translation>فشل الحفظ</translation>
    </message>
    <message>
        <source>无法替换原文件，原文件已保留。</source>
        <translation>تعذر استبدال الملف الأصلي؛ تم الاحتفاظ به.</translation>
    </message>
    <message>
        <source>保存完成</source>
        <translation>تم الحفظ</translation>
    </message>
    <message>
        <source>音频已保存：
%1</source>
        <translation>تم حفظ الصوت:
%1</translation>
    </message>
    <message>
        <source>视频已保存：
%1</source>
        <translation>تم حفظ الفيديو:
%1</translation>
    </message>
    <message>
        <source>正在处理媒体文件…</source>
        <translation>جارٍ معالجة ملف الوسائط…</translation>
    </message>
    <message>
        <source>处理失败</source>
        <translation>فشلت المعالجة</translation>
    </message>
    <message>
        <source>操作已完成。</source>
        <translation>اكتملت العملية.</translation>
    </message>
    <message>
        <source>文件已保存：
%1</source>
        <translation>تم حفظ الملف:
%1</translation>
    </message>
    <message>
        <source>旋转 90°</source>
        <translation>تدوير 90°</translation>
    </message>
    <message>
        <source>水平翻转</source>
        <translation>قلب أفقي</translation>
    </message>
    <message>
        <source>垂直翻转</source>
        <translation>قلب عمودي</translation>
    </message>
    <message>
        <source>调整播放速度</source>
        <translation>ضبط سرعة التشغيل</translation>
    </message>
    <message>
        <source>调整音量</source>
        <translation>ضبط مستوى الصوت</translation>
    </message>
    <message>
        <source>提取音频</source>
        <translation>استخراج الصوت</translation>
    </message>
    <message>
        <source>另存为 / 转换格式</source>
        <translation>حفظ باسم / تحويل</translation>
    </message>
    <message>
        <source>未知</source>
        <translation>غير معروف</translation>
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
        <translation type="vanished">التنسيق: %1
الترميز: %2
معدل العينات: ⁦%3 Hz⁩
القنوات: %4
معدل البت: ⁦%5 kbps⁩
المدة: %6
الحجم: %7
تاريخ الإنشاء: %8
المجلد: %9</translation>
    </message>
    <message>
        <source>格式：%1
分辨率：%2 × %3
帧率：%4 fps
时长：%5
大小：%6
创建时间：%7
保存路径：%8</source>
        <translation type="vanished">التنسيق: %1
الدقة: ⁦%2 × %3⁩
معدل الإطارات: %4 fps
المدة: %5
الحجم: %6
تاريخ الإنشاء: %7
المجلد: %8</translation>
    </message>
    <message>
        <source>速度</source>
        <translation>سرعة</translation>
    </message>
    <message>
        <source>转换</source>
        <translation>تحويل</translation>
    </message>
    <message>
        <source>信息</source>
        <translation>معلومات</translation>
    </message>
    <message>
        <source>应用</source>
        <translation>تطبيق</translation>
    </message>
    <message>
        <source>播放速度</source>
        <translation>سرعة التشغيل</translation>
    </message>
    <message>
        <source>调整预览速度，也可生成变速视频</source>
        <translation>غيّر سرعة المعاينة أو أنشئ نسخة بسرعة مختلفة</translation>
    </message>
    <message>
        <source>选择速度</source>
        <translation>اختر السرعة</translation>
    </message>
    <message>
        <source>Normal (1×)</source>
        <translation>عادي (1×)</translation>
    </message>
    <message>
        <source>0.5× 慢速    1× 原速    1.5× / 2× 加速</source>
        <translation>0.5× أبطأ    1× الأصلية    1.5× / 2× أسرع</translation>
    </message>
    <message>
        <source>变速完成</source>
        <translation>تم تغيير السرعة</translation>
    </message>
    <message>
        <source>预览并输出新的音量电平</source>
        <translation>استمع إلى مستوى صوت جديد وأنشئ نسخة به</translation>
    </message>
    <message>
        <source>静音</source>
        <translation>كتم الصوت</translation>
    </message>
    <message>
        <source>音量调整完成</source>
        <translation>تم ضبط مستوى الصوت</translation>
    </message>
    <message>
        <source>从视频中提取音轨，保存为音频文件</source>
        <translation>احفظ المسار الصوتي للفيديو كملف صوتي</translation>
    </message>
    <message>
        <source>提取</source>
        <translation>استخراج</translation>
    </message>
    <message>
        <source>输出格式</source>
        <translation>تنسيق الإخراج</translation>
    </message>
    <message>
        <source>音质</source>
        <translation>جودة الصوت</translation>
    </message>
    <message>
        <source>高质量（320 kbps）</source>
        <translation>عالية (⁦320 kbps⁩)</translation>
    </message>
    <message>
        <source>标准（192 kbps）</source>
        <translation>قياسية (⁦192 kbps⁩)</translation>
    </message>
    <message>
        <source>压缩（128 kbps）</source>
        <translation>مضغوطة (⁦128 kbps⁩)</translation>
    </message>
    <message>
        <source>音频提取完成</source>
        <translation>تم استخراج الصوت</translation>
    </message>
    <message>
        <source>选择输出格式并保留原始文件</source>
        <translation>اختر تنسيق الإخراج؛ يُحتفَظ بالملف الأصلي</translation>
    </message>
    <message>
        <source>导出</source>
        <translation>تصدير</translation>
    </message>
    <message>
        <source>画质</source>
        <translation>جودة الصورة</translation>
    </message>
    <message>
        <source>高质量</source>
        <translation>عالية</translation>
    </message>
    <message>
        <source>标准</source>
        <translation>قياسية</translation>
    </message>
    <message>
        <source>压缩</source>
        <translation>مضغوطة</translation>
    </message>
    <message>
        <source>转换完成</source>
        <translation>اكتمل التحويل</translation>
    </message>
    <message>
        <source>修改文件名，扩展名保持不变</source>
        <translation>غيّر اسم الملف؛ يبقى الامتداد كما هو</translation>
    </message>
    <message>
        <source>新文件名</source>
        <translation>اسم الملف الجديد</translation>
    </message>
    <message>
        <source>名称无效</source>
        <translation>اسم غير صالح</translation>
    </message>
    <message>
        <source>文件名为空或包含无效字符。</source>
        <translation>اسم الملف فارغ أو يحتوي على أحرف غير مسموح بها.</translation>
    </message>
    <message>
        <source>重命名失败</source>
        <translation>فشلت إعادة التسمية</translation>
    </message>
    <message>
        <source>目标文件已存在或文件正在被占用。</source>
        <translation>يوجد ملف بهذا الاسم بالفعل، أو أن الملف قيد الاستخدام.</translation>
    </message>
    <message>
        <source>查看音频文件的详细信息</source>
        <translation>تفاصيل الملف الصوتي</translation>
    </message>
    <message>
        <source>查看视频文件的详细信息</source>
        <translation>تفاصيل ملف الفيديو</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>复制信息</source>
        <translation>نسخ التفاصيل</translation>
    </message>
    <message>
        <source>无法在视频目录创建临时文件，请检查写入权限。</source>
        <translation>تعذّر إنشاء ملف مؤقت في مجلد الفيديو. تحقّق من أذونات الكتابة.</translation>
    </message>
    <message>
        <source>无法写入水印文字。</source>
        <translation>تعذّر كتابة نص العلامة المائية.</translation>
    </message>
    <message>
        <source>正在添加水印，原视频保持不变…</source>
        <translation>جارٍ إضافة العلامة المائية؛ يبقى الفيديو الأصلي دون تغيير…</translation>
    </message>
    <message>
        <source>无法保存水印副本，原视频未修改。</source>
        <translation>تعذّر حفظ النسخة ذات العلامة المائية. لم يتغيّر الفيديو الأصلي.</translation>
    </message>
    <message>
        <source>无法生成水印副本，原视频未修改。</source>
        <translation>تعذّر إنشاء النسخة ذات العلامة المائية. لم يتغيّر الفيديو الأصلي.</translation>
    </message>
    <message>
        <source>将在 %1 处分割为两个音频片段</source>
        <translation>سيتم التقسيم إلى مقطعين صوتيين عند %1</translation>
    </message>
    <message>
        <source>将在 %1 处分割为两个视频片段</source>
        <translation>سيتم التقسيم إلى مقطعي فيديو عند %1</translation>
    </message>
    <message numerus="yes">
        <source>%n 个文件</source>
        <translation>
            <numerusform>%n ملف</numerusform>
            <numerusform>ملف واحد</numerusform>
            <numerusform>ملفان</numerusform>
            <numerusform>%n ملفات</numerusform>
            <numerusform>%n ملفًا</numerusform>
            <numerusform>%n ملف</numerusform>
        </translation>
    </message>
    <message>
        <source>截图失败</source>
        <translation>فشل التقاط الصورة</translation>
    </message>
    <message>
        <source>无法保存截图：
%1
请检查文件夹的写入权限。</source>
        <translation>تعذّر حفظ لقطة الشاشة:
%1
تحقق من أذونات الكتابة في المجلد.</translation>
    </message>
    <message>
        <source>已有同名文件：
%1</source>
        <translation>يوجد ملف بهذا الاسم بالفعل:
%1</translation>
    </message>
    <message>
        <source>没有写入此文件夹的权限：
%1</source>
        <translation>لا يوجد إذن بالكتابة في هذا المجلد:
%1</translation>
    </message>
    <message>
        <source>文件名不能包含字符 %1</source>
        <translation>لا يمكن أن يحتوي اسم الملف على الحرف %1</translation>
    </message>
    <message>
        <source>文件为空</source>
        <translation>الملف فارغ</translation>
    </message>
    <message>
        <source>格式：%1
分辨率：%2
帧率：%3
时长：%4
大小：%5
创建时间：%6
保存路径：%7</source>
        <translation>التنسيق: %1
الدقة: %2
معدل الإطارات: %3
المدة: %4
الحجم: %5
تاريخ الإنشاء: %6
المجلد: %7</translation>
    </message>
    <message>
        <source>文件不存在</source>
        <translation>الملف غير موجود</translation>
    </message>
    <message>
        <source>“%1”已被移动或删除，已从列表中移除。</source>
        <translation>لم يعد &quot;%1&quot; موجودًا: فقد نُقل أو حُذف. أُزيل من القائمة.</translation>
    </message>
    <message>
        <source>文件名过长，请缩短后再试。</source>
        <translation>اسم الملف طويل جدًا. يُرجى تقصيره ثم المحاولة مرة أخرى.</translation>
    </message>
    <message>
        <source>无法检查这个文件是否可用：%1</source>
        <translation>تعذّر التحقق مما إذا كان هذا الملف صالحًا للاستخدام: %1</translation>
    </message>
    <message>
        <source>正在读取文件信息…</source>
        <translation>جارٍ قراءة معلومات الملف…</translation>
    </message>
    <message>
        <source>无法读取此文件的信息</source>
        <translation>تعذّرت قراءة معلومات هذا الملف</translation>
    </message>
    <message>
        <source>此文件没有声音</source>
        <translation>لا يحتوي هذا الملف على صوت</translation>
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
        <translation>التنسيق: %1
الترميز: %2
معدل العينات: %3
القنوات: %4
معدل البت: %5
المدة: %6
الحجم: %7
تاريخ الإنشاء: %8
المجلد: %9</translation>
    </message>
    <message>
        <source>时长未知</source>
        <translation>المدة غير معروفة</translation>
    </message>
    <message>
        <source>声道未知</source>
        <translation>القنوات غير معروفة</translation>
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
        <translation>اختيار اللون</translation>
    </message>
    <message>
        <source>请输入水印文字。</source>
        <translation>يرجى إدخال نص العلامة المائية.</translation>
    </message>
</context>
<context>
    <name>WatermarkProgressDialog</name>
    <message>
        <source>正在添加水印</source>
        <translation>جارٍ إضافة العلامة المائية</translation>
    </message>
    <message>
        <source>正在保存录制</source>
        <translation>جارٍ حفظ التسجيل</translation>
    </message>
    <message>
        <source>正在处理视频，请稍候…</source>
        <translation>جارٍ معالجة الفيديو، يرجى الانتظار…</translation>
    </message>
    <message>
        <source>正在处理录制文件，请稍候…</source>
        <translation>جارٍ معالجة التسجيل، يرجى الانتظار…</translation>
    </message>
    <message>
        <source>正在处理 %1 / %2</source>
        <translation>جارٍ معالجة %1 من %2</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>正在取消…</source>
        <translation>جارٍ الإلغاء…</translation>
    </message>
    <message>
        <source>正在安全取消水印处理…</source>
        <translation>جارٍ إلغاء معالجة العلامة المائية بأمان…</translation>
    </message>
</context>
<context>
    <name>vc::CloseBehaviorDialog</name>
    <message>
        <source>关闭 Vistrelle</source>
        <translation>إغلاق Vistrelle</translation>
    </message>
    <message>
        <source>关闭窗口后要做什么？</source>
        <translation>ماذا يحدث عند إغلاق النافذة؟</translation>
    </message>
    <message>
        <source>最小化到托盘</source>
        <translation>التصغير إلى العلبة</translation>
    </message>
    <message>
        <source>退出 Vistrelle</source>
        <translation>إنهاء Vistrelle</translation>
    </message>
    <message>
        <source>记住我的选择，下次不再询问</source>
        <translation>تذكّر اختياري ولا تسألني مجددًا</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>موافق</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="zh_CN">
<context>
    <name>AutoSplitDialog</name>
    <message>
        <source>自动分割设置</source>
        <translation>Paramètres de découpage automatique</translation>
    </message>
    <message>
        <source>录制时按指定条件自动切分为多个文件</source>
        <translation>Découper l&apos;enregistrement en plusieurs fichiers selon une condition</translation>
    </message>
    <message>
        <source>按录制时长</source>
        <translation>Par durée</translation>
    </message>
    <message>
        <source>适合会议、课程等长时间录制</source>
        <translation>Pour les longs enregistrements (réunions, cours)</translation>
    </message>
    <message>
        <source>分钟</source>
        <translation>min</translation>
    </message>
    <message>
        <source>按文件大小</source>
        <translation>Par taille de fichier</translation>
    </message>
    <message>
        <source>便于上传、传输或分段保存</source>
        <translation>Plus simple à envoyer, transférer ou conserver en parties</translation>
    </message>
    <message>
        <source>✓  无缝切分</source>
        <translation>✓  Découpage continu</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>将每 %1 分钟自动保存为一个新文件</source>
        <translation>Un nouveau fichier est enregistré toutes les %1 minutes</translation>
    </message>
    <message>
        <source>文件达到 %1 MB 时自动切分并保存</source>
        <translation>Le fichier est découpé et enregistré à %1 Mo</translation>
    </message>
</context>
<context>
    <name>AutoStopDialog</name>
    <message>
        <source>自动停止设置</source>
        <translation>Paramètres d&apos;arrêt automatique</translation>
    </message>
    <message>
        <source>录制达到指定条件时自动停止并保存文件。</source>
        <translation>L&apos;enregistrement s&apos;arrête et le fichier est enregistré lorsqu&apos;une condition est atteinte.</translation>
    </message>
    <message>
        <source>停止条件</source>
        <translation>Condition d&apos;arrêt</translation>
    </message>
    <message>
        <source>按录制时长</source>
        <translation>Par durée</translation>
    </message>
    <message>
        <source>分钟</source>
        <translation>min</translation>
    </message>
    <message>
        <source>按文件大小</source>
        <translation>Par taille de fichier</translation>
    </message>
    <message>
        <source>录制 %1 分钟后自动停止</source>
        <translation>S&apos;arrête après %1 minutes d&apos;enregistrement</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>文件达到 %1 MB 后自动停止</source>
        <translation>S&apos;arrête lorsque le fichier atteint %1 Mo</translation>
    </message>
    <message>
        <source>自动停止倒计时</source>
        <translation>Compte à rebours de l&apos;arrêt automatique</translation>
    </message>
    <message>
        <source>录制将在以上时间后自动停止</source>
        <translation>L&apos;enregistrement s&apos;arrêtera seul après ce délai</translation>
    </message>
    <message>
        <source>取消自动停止</source>
        <translation>Annuler l&apos;arrêt automatique</translation>
    </message>
</context>
<context>
    <name>BottomBar</name>
    <message>
        <source>媒体库</source>
        <translation>Médiathèque</translation>
    </message>
    <message>
        <source>水印</source>
        <translation>Filigrane</translation>
    </message>
    <message>
        <source>自动分割</source>
        <translation>Découpage auto</translation>
    </message>
    <message>
        <source>自动停止</source>
        <translation>Arrêt auto</translation>
    </message>
    <message>
        <source>计划录制</source>
        <translation>Enregistrement programmé</translation>
    </message>
    <message>
        <source>GPU 加速</source>
        <translation>Accélération GPU</translation>
    </message>
</context>
<context>
    <name>GlobalHotkey</name>
    <message>
        <source>%1（不支持的按键）</source>
        <translation>%1 (touche non prise en charge)</translation>
    </message>
</context>
<context>
    <name>HomePage</name>
    <message>
        <source>Start Recording</source>
        <translation>Démarrer l&apos;enregistrement</translation>
    </message>
    <message>
        <source>Media Library</source>
        <translation>Médiathèque</translation>
    </message>
    <message>
        <source>Choose a recording mode</source>
        <translation>Choisissez un mode d&apos;enregistrement</translation>
    </message>
    <message>
        <source>Scheduled Recording</source>
        <translation>Enregistrement programmé</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Plein écran</translation>
    </message>
    <message>
        <source>Custom Area</source>
        <translation>Zone personnalisée</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Fenêtre</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Jeu</translation>
    </message>
    <message>
        <source>Audio Only</source>
        <translation>Audio seul</translation>
    </message>
    <message>
        <source>Webcam</source>
        <translation>Webcam</translation>
    </message>
    <message>
        <source>Recent recordings</source>
        <translation>Enregistrements récents</translation>
    </message>
    <message>
        <source>View all  ›</source>
        <translation>Tout voir  ›</translation>
    </message>
    <message>
        <source>No recordings yet</source>
        <translation>Aucun enregistrement pour l&apos;instant</translation>
    </message>
</context>
<context>
    <name>LinkManager</name>
    <message>
        <source>Unable to open browser</source>
        <translation>Impossible d’ouvrir le navigateur</translation>
    </message>
    <message>
        <source>Unable to open the default browser.

Please visit this link manually:
%1</source>
        <translation>Impossible d’ouvrir le navigateur par défaut.

Veuillez ouvrir ce lien manuellement :
%1</translation>
    </message>
    <message>
        <source>Link unavailable</source>
        <translation>Lien indisponible</translation>
    </message>
    <message>
        <source>The requested page link is not configured.</source>
        <translation>Le lien de la page demandée n’est pas configuré.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>显示 Vistrelle</source>
        <translation>Afficher Vistrelle</translation>
    </message>
    <message>
        <source>Start Recording</source>
        <translation>Démarrer l&apos;enregistrement</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>快捷键设置</source>
        <translation>Réglages des raccourcis</translation>
    </message>
    <message>
        <source>以下快捷键无法注册，可能已被其他程序占用或按键不受支持：
%1</source>
        <translation>Ces raccourcis n&apos;ont pas pu être enregistrés ; un autre programme les utilise peut-être ou les touches ne sont pas prises en charge :
%1</translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>Arrêter l&apos;enregistrement</translation>
    </message>
    <message>
        <source>日志文件夹</source>
        <translation>Dossier des journaux</translation>
    </message>
    <message>
        <source>无法打开日志文件夹。</source>
        <translation>Impossible d&apos;ouvrir le dossier des journaux.</translation>
    </message>
    <message>
        <source>录制性能已自动调整</source>
        <translation>Performances d&apos;enregistrement ajustées</translation>
    </message>
    <message>
        <source>%1 FPS 已自动降为 %2 FPS。%3</source>
        <translation>%1 i/s abaissé à %2 i/s. %3</translation>
    </message>
    <message>
        <source>录制性能提示</source>
        <translation>Performances d&apos;enregistrement</translation>
    </message>
    <message>
        <source>4K 录制性能</source>
        <translation>Performances d&apos;enregistrement 4K</translation>
    </message>
    <message>
        <source>没有可用的硬件 H.264 编码器</source>
        <translation>Aucun encodeur H.264 matériel disponible</translation>
    </message>
    <message>
        <source>%1 × %2、%3 FPS 的录制可能掉帧。请选择本次录制方式。</source>
        <translation>Un enregistrement %1 × %2 à %3 i/s peut perdre des images. Choisissez comment enregistrer cette fois.</translation>
    </message>
    <message>
        <source>保持 4K，15 FPS（推荐）</source>
        <translation>Garder la 4K à 15 i/s (recommandé)</translation>
    </message>
    <message>
        <source>1080p，30 FPS</source>
        <translation>1080p à 30 i/s</translation>
    </message>
    <message>
        <source>强制 4K，30 FPS</source>
        <translation>Forcer la 4K à 30 i/s</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>录制后处理提示</source>
        <translation>Avis de post-traitement</translation>
    </message>
    <message>
        <source>录音完成</source>
        <translation>Enregistrement audio terminé</translation>
    </message>
    <message>
        <source>音频已保存到：%1</source>
        <translation>Audio enregistré dans : %1</translation>
    </message>
    <message>
        <source>录制提示</source>
        <translation>Enregistrement</translation>
    </message>
</context>
<context>
    <name>ModeBar</name>
    <message>
        <source>录制屏幕</source>
        <translation>Enregistrer l&apos;écran</translation>
    </message>
    <message>
        <source>录制窗口</source>
        <translation>Enregistrer une fenêtre</translation>
    </message>
    <message>
        <source>游戏录制</source>
        <translation>Enregistrement de jeu</translation>
    </message>
    <message>
        <source>高性能屏幕录制</source>
        <translation>Enregistrement d&apos;écran haute performance</translation>
    </message>
    <message>
        <source>录制音频</source>
        <translation>Enregistrer l&apos;audio</translation>
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
        <translation>Vistrelle est déjà en cours d&apos;exécution</translation>
    </message>
    <message>
        <source>Another Vistrelle process is running. Finish its recording and quit it before opening Vistrelle again.</source>
        <translation>Un autre processus Vistrelle est en cours. Terminez son enregistrement et quittez-le avant de rouvrir Vistrelle.</translation>
    </message>
</context>
<context>
    <name>RecentCard</name>
    <message>
        <source>Loading preview…</source>
        <translation>Chargement de l&apos;aperçu…</translation>
    </message>
    <message>
        <source>Preview unavailable</source>
        <translation>Aperçu indisponible</translation>
    </message>
</context>
<context>
    <name>Recorder</name>
    <message>
        <source>无法创建文件夹：%1</source>
        <translation>Impossible de créer le dossier : %1</translation>
    </message>
    <message>
        <source>正在强制使用 CPU 录制 4K 30 FPS；已启用最快编码预设并将码率提高到 %1 kbps。</source>
        <translation>Enregistrement 4K 30 FPS forcé sur le processeur ; le préréglage d’encodage le plus rapide est activé et le débit a été porté à %1 kbps.</translation>
    </message>
    <message>
        <source>未检测到可用的硬件编码器，已将输出缩放为 %1 × %2、30 FPS。</source>
        <translation>Aucun encodeur matériel utilisable n’a été trouvé ; la sortie a été réduite à %1 × %2 à 30 FPS.</translation>
    </message>
    <message>
        <source>4K 当前只能使用 CPU 编码，已采用更容易实时处理的 15 FPS。</source>
        <translation>La 4K ne peut être encodée que par le processeur pour l’instant ; 15 FPS, plus facile à traiter en temps réel, est utilisé.</translation>
    </message>
    <message>
        <source>请至少开启系统声音或麦克风。</source>
        <translation>Activez au moins le son du système ou le microphone.</translation>
    </message>
    <message>
        <source>系统声音录制需要 macOS 13 或更高版本。</source>
        <translation>L’enregistrement du son du système nécessite macOS 13 ou une version ultérieure.</translation>
    </message>
    <message>
        <source>没有找到所选麦克风，请重新选择输入设备。</source>
        <translation>Le microphone sélectionné est introuvable. Choisissez à nouveau le périphérique d’entrée.</translation>
    </message>
    <message>
        <source>保存磁盘剩余空间不足 %1 GB，请清理空间或更换保存目录。</source>
        <translation>Il reste moins de %1 Go sur le disque d’enregistrement. Libérez de l’espace ou choisissez un autre dossier.</translation>
    </message>
    <message>
        <source>无法捕获系统声音：%1</source>
        <translation>Impossible de capturer le son du système : %1</translation>
    </message>
    <message>
        <source>FFmpeg 启动失败。请确认 ffmpeg 已放到程序目录或系统 PATH。
%1</source>
        <translation>FFmpeg n’a pas pu démarrer. Vérifiez que ffmpeg se trouve dans le dossier du programme ou dans le PATH du système.
%1</translation>
    </message>
    <message>
        <source>无法启动不含工具栏的屏幕录制：%1</source>
        <translation>Impossible de lancer l’enregistrement de l’écran sans la barre d’outils : %1</translation>
    </message>
    <message>
        <source>无法删除已丢弃录制的临时文件：%1</source>
        <translation>Impossible de supprimer les fichiers temporaires de l’enregistrement abandonné : %1</translation>
    </message>
    <message>
        <source>FFmpeg 被 SIGKILL 信号终止；编码进度日志没有说明终止原因。</source>
        <translation>FFmpeg a été arrêté par SIGKILL ; son journal de progression n’indique pas la raison de l’arrêt.</translation>
    </message>
    <message>
        <source>FFmpeg 没有输出具体错误信息。</source>
        <translation>FFmpeg n’a signalé aucune erreur précise.</translation>
    </message>
    <message>
        <source>硬件编码器 %1 无法处理当前采集规格，已自动切换到 CPU 编码。</source>
        <translation>L’encodeur matériel %1 ne peut pas traiter la capture actuelle ; passage automatique à l’encodage par le processeur.</translation>
    </message>
    <message>
        <source>DXGI 高性能采集不可用，已自动切换到 GDI 兼容模式。</source>
        <translation>La capture DXGI hautes performances est indisponible ; passage automatique au mode de compatibilité GDI.</translation>
    </message>
    <message>
        <source>录制进程意外结束。分段已保留在：
%1</source>
        <translation>Le processus d’enregistrement s’est arrêté de façon inattendue. Les segments ont été conservés dans :
%1</translation>
    </message>
    <message>
        <source>录制分段异常，退出码=%1。已生成的分段仍保留在：
%2
%3</source>
        <translation>Un segment d’enregistrement a échoué, code de sortie=%1. Les segments déjà créés sont conservés dans :
%2
%3</translation>
    </message>
    <message>
        <source>分段已保留在：
%1</source>
        <translation type="vanished">Les segments ont été conservés dans :
%1</translation>
    </message>
    <message>
        <source>Camera preview is not ready.</source>
        <translation>L’aperçu de la caméra n’est pas prêt.</translation>
    </message>
    <message>
        <source>没有有效的窗口录制目标。</source>
        <translation>Aucune fenêtre valide à enregistrer.</translation>
    </message>
    <message>
        <source>窗口捕获启动失败：%1</source>
        <translation>La capture de la fenêtre n’a pas pu démarrer : %1</translation>
    </message>
    <message>
        <source>窗口捕获启动失败或目标窗口没有产生画面。</source>
        <translation>La capture de la fenêtre n’a pas démarré ou la fenêtre n’a produit aucune image.</translation>
    </message>
    <message>
        <source>实际编码速度或有效帧率持续低于 120 FPS 要求</source>
        <translation>La vitesse d’encodage ou la fréquence effective reste inférieure à l’objectif de 120 FPS</translation>
    </message>
    <message>
        <source>设备持续无法稳定达到 60 FPS，建议下次使用 30 FPS 或硬件编码。</source>
        <translation>Cet appareil ne parvient pas à tenir 60 FPS de façon stable. La prochaine fois, essayez 30 FPS ou l’encodage matériel.</translation>
    </message>
    <message>
        <source>屏幕采集持续低于 30 FPS 要求，建议关闭高负载程序或改用 720p 录制。</source>
        <translation>La capture d’écran reste sous l’objectif de 30 FPS. Fermez les programmes gourmands ou enregistrez en 720p.</translation>
    </message>
    <message>
        <source>Screen capture is still dropping frames. Switched to 720p for smoother recording.</source>
        <translation>La capture d’écran perd encore des images. Passage en 720p pour un enregistrement plus fluide.</translation>
    </message>
    <message>
        <source>屏幕采集持续掉帧，已自动切换到 1080p 以保持录制流畅。</source>
        <translation>La capture d’écran perd des images en continu ; passage automatique en 1080p pour garder un enregistrement fluide.</translation>
    </message>
    <message>
        <source>录制的窗口已不可用，画面停留在最后一帧：%1</source>
        <translation>La fenêtre enregistrée n’est plus disponible ; l’image reste sur sa dernière vue : %1</translation>
    </message>
    <message>
        <source>这个文件名之前的录制分段仍保留在：
%1
请先移走这些分段，或换一个文件名后再录制。</source>
        <translation>Des segments d&apos;un enregistrement précédent portant ce nom de fichier sont encore conservés dans :
%1
Déplacez ces segments ou choisissez un autre nom de fichier, puis enregistrez à nouveau.</translation>
    </message>
    <message>
        <source>最后一个录制分段无法读取，没有合并进录像，已保留在：
%1</source>
        <translation>Le dernier segment enregistré est illisible et n&apos;a pas été intégré à l&apos;enregistrement. Il a été conservé ici :
%1</translation>
    </message>
</context>
<context>
    <name>RecordingFinalizer</name>
    <message>
        <source>正在使用兼容编码器重新添加水印…</source>
        <translation>Nouvel ajout du filigrane avec un encodeur compatible…</translation>
    </message>
    <message>
        <source>正在添加水印…</source>
        <translation>Ajout du filigrane…</translation>
    </message>
    <message>
        <source>没有可保存的录制分段。</source>
        <translation>Aucun segment enregistré à sauvegarder.</translation>
    </message>
    <message>
        <source>正在准备录制文件…</source>
        <translation>Préparation du fichier d&apos;enregistrement…</translation>
    </message>
    <message>
        <source>正在安全合并录制分段…</source>
        <translation>Fusion sécurisée des segments enregistrés…</translation>
    </message>
    <message>
        <source>已取消添加水印，已保留无水印原视频。</source>
        <translation>L&apos;ajout du filigrane a été annulé ; la vidéo d&apos;origine sans filigrane a été conservée.</translation>
    </message>
    <message>
        <source>水印处理失败，已保留并保存无水印原视频，录制内容没有丢失。</source>
        <translation>L&apos;ajout du filigrane a échoué. La vidéo d&apos;origine sans filigrane a été conservée et enregistrée ; rien de l&apos;enregistrement n&apos;a été perdu.</translation>
    </message>
    <message>
        <source>找不到等待添加水印的录制文件。</source>
        <translation>Le fichier d&apos;enregistrement en attente du filigrane est introuvable.</translation>
    </message>
    <message>
        <source>正在安全取消水印处理…</source>
        <translation>Annulation sécurisée du filigrane…</translation>
    </message>
    <message>
        <source>目标文件已存在且无法安全备份；合并结果仍保留在临时文件中。</source>
        <translation>Le fichier cible existe déjà et ne peut pas être sauvegardé en toute sécurité ; le résultat de la fusion reste dans le fichier temporaire.</translation>
    </message>
    <message>
        <source>录制后处理已完成，但无法写入最终文件；结果仍保留在临时文件中。</source>
        <translation>Le traitement de l&apos;enregistrement est terminé, mais le fichier final ne peut pas être écrit ; le résultat reste dans le fichier temporaire.</translation>
    </message>
    <message>
        <source>同名的原有文件没有被覆盖，已保留为：
%1</source>
        <translation>Le fichier existant du même nom n&apos;a pas été écrasé ; il a été conservé sous :
%1</translation>
    </message>
    <message>
        <source>
可恢复的后处理文件：%1</source>
        <translation>
Fichier traité récupérable : %1</translation>
    </message>
    <message>
        <source>录制后处理失败。为避免录像丢失，原始分段或可恢复文件已保留在：
%1%2

%3</source>
        <translation>Le traitement de l&apos;enregistrement a échoué. Pour ne rien perdre, les segments d&apos;origine ou les fichiers récupérables ont été conservés dans :
%1%2

%3</translation>
    </message>
</context>
<context>
    <name>ScheduledRecordingDialog</name>
    <message>
        <source>计划录制</source>
        <translation>Enregistrement programmé</translation>
    </message>
    <message>
        <source>到达开始时间后，Vistrelle 将按指定模式自动开始录制。</source>
        <translation>À l&apos;heure de début, Vistrelle commence l&apos;enregistrement dans le mode choisi.</translation>
    </message>
    <message>
        <source>启用计划录制</source>
        <translation>Activer l&apos;enregistrement programmé</translation>
    </message>
    <message>
        <source>单次</source>
        <translation>Une fois</translation>
    </message>
    <message>
        <source>每日</source>
        <translation>Tous les jours</translation>
    </message>
    <message>
        <source>每周</source>
        <translation>Chaque semaine</translation>
    </message>
    <message>
        <source>星期一</source>
        <translation>Lundi</translation>
    </message>
    <message>
        <source>星期二</source>
        <translation>Mardi</translation>
    </message>
    <message>
        <source>星期三</source>
        <translation>Mercredi</translation>
    </message>
    <message>
        <source>星期四</source>
        <translation>Jeudi</translation>
    </message>
    <message>
        <source>星期五</source>
        <translation>Vendredi</translation>
    </message>
    <message>
        <source>星期六</source>
        <translation>Samedi</translation>
    </message>
    <message>
        <source>星期日</source>
        <translation>Dimanche</translation>
    </message>
    <message>
        <source>录制屏幕</source>
        <translation>Enregistrer l&apos;écran</translation>
    </message>
    <message>
        <source>录制音频</source>
        <translation>Enregistrer l&apos;audio</translation>
    </message>
    <message>
        <source>录制窗口</source>
        <translation>Enregistrer une fenêtre</translation>
    </message>
    <message>
        <source>游戏录制</source>
        <translation>Enregistrement de jeu</translation>
    </message>
    <message>
        <source>高性能屏幕录制</source>
        <translation>Enregistrement d&apos;écran haute performance</translation>
    </message>
    <message>
        <source>重复</source>
        <translation>Répétition</translation>
    </message>
    <message>
        <source>开始日期和时间</source>
        <translation>Date et heure de début</translation>
    </message>
    <message>
        <source>每天开始时间</source>
        <translation>Heure de début quotidienne</translation>
    </message>
    <message>
        <source>每周日期</source>
        <translation>Jour de la semaine</translation>
    </message>
    <message>
        <source>指定录制模式</source>
        <translation>Mode d&apos;enregistrement</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>保存计划</source>
        <translation>Enregistrer la planification</translation>
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
        <translation>À propos de Vistrelle</translation>
    </message>
    <message>
        <source>语言</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>在线帮助</source>
        <translation>Aide en ligne</translation>
    </message>
    <message>
        <source>打开日志文件夹</source>
        <translation>Ouvrir le dossier des journaux</translation>
    </message>
    <message>
        <source>技术支持</source>
        <translation>Assistance</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Quitter</translation>
    </message>
</context>
<context>
    <name>WasapiLoopbackCapture</name>
    <message>
        <source>WASAPI 回环录音仅支持 Windows。</source>
        <translation>L&apos;enregistrement en boucle WASAPI n&apos;est pris en charge que sous Windows.</translation>
    </message>
</context>
<context>
    <name>WasapiMicrophoneCapture</name>
    <message>
        <source>WASAPI microphone capture is only supported on Windows.</source>
        <translation>La capture du microphone WASAPI n&apos;est prise en charge que sous Windows.</translation>
    </message>
</context>
<context>
    <name>WatermarkDialog</name>
    <message>
        <source>水印设置</source>
        <translation>Paramètres du filigrane</translation>
    </message>
    <message>
        <source>水印样式</source>
        <translation>Style du filigrane</translation>
    </message>
    <message>
        <source>水印文字</source>
        <translation>Texte du filigrane</translation>
    </message>
    <message>
        <source>字号</source>
        <translation>Taille de police</translation>
    </message>
    <message>
        <source>颜色</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>透明度</source>
        <translation>Opacité</translation>
    </message>
    <message>
        <source>拖动滑块调整水印的可见程度</source>
        <translation>Faites glisser le curseur pour régler la visibilité du filigrane</translation>
    </message>
    <message>
        <source>实时预览  ●</source>
        <translation>Aperçu en direct  ●</translation>
    </message>
    <message>
        <source>对整个原视频添加水印，另存为 MP4 副本。其他编辑请先保存。</source>
        <translation>Le filigrane est ajouté à toute la vidéo d&apos;origine et enregistré comme copie MP4. Enregistrez d&apos;abord les autres modifications.</translation>
    </message>
    <message>
        <source>显示位置</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>边距</source>
        <translation>Marges</translation>
    </message>
    <message>
        <source>水平</source>
        <translation>Horizontale</translation>
    </message>
    <message>
        <source>垂直</source>
        <translation>Verticale</translation>
    </message>
    <message>
        <source>恢复默认</source>
        <translation>Rétablir les valeurs par défaut</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>保存水印副本</source>
        <translation>Enregistrer une copie filigranée</translation>
    </message>
    <message>
        <source>选择颜色</source>
        <translation>Choisir une couleur</translation>
    </message>
    <message>
        <source>请输入水印文字。</source>
        <translation>Veuillez saisir le texte du filigrane.</translation>
    </message>
</context>
</TS>

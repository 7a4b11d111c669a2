<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="zh_CN">
<context>
    <name>GlobalHotkey</name>
    <message>
        <source>%1（不支持的按键）</source>
        <translation>%1 (touche non prise en charge)</translation>
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
        <translation>Échec de la lecture</translation>
    </message>
    <message>
        <source>文件不存在：%1</source>
        <translation>Fichier introuvable : %1</translation>
    </message>
    <message>
        <source>没有打开可播放文件</source>
        <translation>Aucun fichier lisible n&apos;est ouvert</translation>
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
    <name>VideoListDialog</name>
    <message>
        <source>媒体库</source>
        <translation>Médiathèque</translation>
    </message>
    <message>
        <source>搜索录制文件...</source>
        <translation>Rechercher des enregistrements...</translation>
    </message>
    <message>
        <source>全部</source>
        <translation>Tout</translation>
    </message>
    <message>
        <source>视频</source>
        <translation>Vidéo</translation>
    </message>
    <message>
        <source>音频</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>正在加载媒体文件…</source>
        <translation>Chargement des fichiers multimédias…</translation>
    </message>
    <message>
        <source>%1 个文件</source>
        <translation>%1 fichiers</translation>
    </message>
    <message>
        <source>播放失败</source>
        <translation>Échec de la lecture</translation>
    </message>
    <message>
        <source>请选择一个媒体文件</source>
        <translation>Sélectionnez un fichier multimédia</translation>
    </message>
    <message>
        <source>打开文件夹</source>
        <translation>Ouvrir le dossier</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>全屏播放（F）</source>
        <translation>Lecture en plein écran (F)</translation>
    </message>
    <message>
        <source>全屏播放</source>
        <translation>Lecture en plein écran</translation>
    </message>
    <message>
        <source>采样率未知</source>
        <translation>Fréquence d&apos;échantillonnage inconnue</translation>
    </message>
    <message>
        <source>单声道</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>双声道</source>
        <translation>Stéréo</translation>
    </message>
    <message>
        <source>%1 声道</source>
        <translation>%1 canaux</translation>
    </message>
    <message>
        <source>暂停</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>播放</source>
        <translation>Lire</translation>
    </message>
    <message>
        <source>暂停媒体</source>
        <translation>Mettre le média en pause</translation>
    </message>
    <message>
        <source>播放媒体</source>
        <translation>Lire le média</translation>
    </message>
    <message>
        <source>暂无媒体文件</source>
        <translation>Aucun fichier multimédia pour l&apos;instant</translation>
    </message>
    <message>
        <source>没有匹配的媒体文件</source>
        <translation>Aucun fichier multimédia correspondant</translation>
    </message>
    <message>
        <source>重命名文件</source>
        <translation>Renommer le fichier</translation>
    </message>
    <message>
        <source>Copy File Path</source>
        <translation>Copier le chemin du fichier</translation>
    </message>
    <message>
        <source>查看文件信息</source>
        <translation>Informations sur le fichier</translation>
    </message>
    <message>
        <source>删除音频</source>
        <translation>Supprimer l&apos;audio</translation>
    </message>
    <message>
        <source>删除视频</source>
        <translation>Supprimer la vidéo</translation>
    </message>
    <message>
        <source>确定永久删除“%1”吗？</source>
        <translation>Supprimer définitivement « %1 » ?</translation>
    </message>
    <message>
        <source>删除失败</source>
        <translation>Échec de la suppression</translation>
    </message>
    <message>
        <source>文件正在使用或没有删除权限。</source>
        <translation>Le fichier est en cours d&apos;utilisation ou vous n&apos;avez pas l&apos;autorisation de le supprimer.</translation>
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
</TS>

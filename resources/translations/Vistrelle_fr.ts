<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="zh_CN">
<context>
    <name>AnnotationOverlay</name>
    <message>
        <source>添加文字标注</source>
        <translation>Ajouter une annotation texte</translation>
    </message>
    <message>
        <source>输入标注文字：</source>
        <translation>Texte de l&apos;annotation :</translation>
    </message>
    <message>
        <source>左键绘制  Ctrl+Z 撤销  Del 清除  ESC 退出</source>
        <translation>Clic gauche pour dessiner  Ctrl+Z Annuler  Suppr Effacer  Échap Quitter</translation>
    </message>
</context>
<context>
    <name>AnnotationToolbar</name>
    <message>
        <source>画笔</source>
        <translation>Stylo</translation>
    </message>
    <message>
        <source>箭头</source>
        <translation>Flèche</translation>
    </message>
    <message>
        <source>矩形</source>
        <translation>Rectangle</translation>
    </message>
    <message>
        <source>文字</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>选择颜色</source>
        <translation>Choisir une couleur</translation>
    </message>
    <message>
        <source>粗细</source>
        <translation>Épaisseur</translation>
    </message>
    <message>
        <source>撤销  Ctrl+Z</source>
        <translation>Annuler  Ctrl+Z</translation>
    </message>
    <message>
        <source>清除全部  Del</source>
        <translation>Tout effacer  Suppr</translation>
    </message>
    <message>
        <source>退出注释</source>
        <translation>Quitter l&apos;annotation</translation>
    </message>
    <message>
        <source>选择注释颜色</source>
        <translation>Choisir la couleur d&apos;annotation</translation>
    </message>
</context>
<context>
    <name>AreaDropdown</name>
    <message>
        <source>全屏</source>
        <translation>Plein écran</translation>
    </message>
    <message>
        <source>选择区域 / 窗口</source>
        <translation>Sélectionner une zone / fenêtre</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
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
        <translation>Cliquez et faites glisser pour sélectionner une zone</translation>
    </message>
</context>
<context>
    <name>AudioSettingsDialog</name>
    <message>
        <source>音频高级设置</source>
        <translation>Paramètres audio avancés</translation>
    </message>
    <message>
        <source>系统声与麦克风会分别处理，再混合写入录制文件。</source>
        <translation>Le son du système et le microphone sont traités séparément, puis mixés dans l&apos;enregistrement.</translation>
    </message>
    <message>
        <source>系统声音音量</source>
        <translation>Volume du son système</translation>
    </message>
    <message>
        <source>麦克风音量</source>
        <translation>Volume du microphone</translation>
    </message>
    <message>
        <source> ms</source>
        <translation> ms</translation>
    </message>
    <message>
        <source>麦克风延迟</source>
        <translation>Délai du microphone</translation>
    </message>
    <message>
        <source>麦克风降噪（降低持续环境噪声）</source>
        <translation>Réduction du bruit du microphone (atténue le bruit de fond continu)</translation>
    </message>
    <message>
        <source>单声道输出（适合语音录制）</source>
        <translation>Sortie mono (adaptée aux enregistrements vocaux)</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>Terminé</translation>
    </message>
</context>
<context>
    <name>AutoSplitDialog</name>
    <message>
        <source>自动分割设置</source>
        <translation>Paramètres de découpage automatique</translation>
    </message>
    <message>
        <source>录制时按指定条件自动切分为多个文件</source>
        <translation>Démarre un nouveau segment selon une condition ; tous les segments sont réunis en un seul fichier à la fin</translation>
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
        <translation>Limite la taille de chaque segment</translation>
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
        <translation type="vanished">Un nouveau fichier est enregistré toutes les %1 minutes</translation>
    </message>
    <message>
        <source>文件达到 %1 MB 时自动切分并保存</source>
        <translation>Un nouveau segment démarre dès qu&apos;un segment atteint %1 Mo</translation>
    </message>
    <message numerus="yes">
        <source>将每 %n 分钟自动保存为一个新文件</source>
        <translation>
            <numerusform>Un nouveau segment démarre chaque minute</numerusform>
            <numerusform>Un nouveau segment démarre toutes les %n minutes</numerusform>
        </translation>
    </message>
    <message>
        <source>关闭自动分割</source>
        <translation>Désactiver la division auto</translation>
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
        <translation type="vanished">S&apos;arrête après %1 minutes d&apos;enregistrement</translation>
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
    <message numerus="yes">
        <source>录制 %n 分钟后自动停止</source>
        <translation>
            <numerusform>S&apos;arrête après une minute d&apos;enregistrement</numerusform>
            <numerusform>S&apos;arrête après %n minutes d&apos;enregistrement</numerusform>
        </translation>
    </message>
    <message>
        <source>关闭自动停止</source>
        <translation>Désactiver l&apos;arrêt auto</translation>
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
    <name>CameraRecordingPage</name>
    <message>
        <source>Camera Recording</source>
        <translation>Enregistrement caméra</translation>
    </message>
    <message>
        <source>Back to Home</source>
        <translation>Retour à l&apos;accueil</translation>
    </message>
    <message>
        <source>Choose a camera to start preview</source>
        <translation>Choisissez une caméra pour lancer l&apos;aperçu</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Miroir</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Portrait</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Ajuster</translation>
    </message>
    <message>
        <source>Camera framing mode</source>
        <translation>Cadrage de la caméra</translation>
    </message>
    <message>
        <source>System Audio</source>
        <translation>Son du système</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Micro</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>Instantané</translation>
    </message>
    <message>
        <source>Auto Stop</source>
        <translation>Arrêt auto</translation>
    </message>
    <message>
        <source>Auto Split</source>
        <translation>Découpe auto</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Remplir</translation>
    </message>
    <message>
        <source>Camera access is off. Allow Vistrelle in System Settings &gt; Privacy &amp; Security &gt; Camera, then return to this page.</source>
        <translation>L&apos;accès à la caméra est désactivé. Autorisez Vistrelle dans Réglages Système &gt; Confidentialité et sécurité &gt; Caméra, puis revenez sur cette page.</translation>
    </message>
    <message>
        <source>Requesting camera access…</source>
        <translation>Demande d&apos;accès à la caméra…</translation>
    </message>
    <message>
        <source>Starting camera…</source>
        <translation>Démarrage de la caméra…</translation>
    </message>
    <message>
        <source>No camera found. Connect a camera and return to this page.</source>
        <translation>Aucune caméra trouvée. Branchez une caméra et revenez sur cette page.</translation>
    </message>
    <message>
        <source>Camera did not deliver a picture. Check camera access and whether another app is using it, then select the camera again.</source>
        <translation>La caméra n&apos;a fourni aucune image. Vérifiez l&apos;accès à la caméra et si une autre application l&apos;utilise, puis sélectionnez à nouveau la caméra.</translation>
    </message>
    <message>
        <source>Camera could not start. Check camera access in System Settings.</source>
        <translation>La caméra n&apos;a pas pu démarrer. Vérifiez l&apos;accès à la caméra dans les Réglages Système.</translation>
    </message>
    <message>
        <source>Camera stopped delivering frames. Recording has been stopped.</source>
        <translation>La caméra ne fournit plus d&apos;images. L&apos;enregistrement a été arrêté.</translation>
    </message>
    <message>
        <source>Save camera snapshot</source>
        <translation>Enregistrer l&apos;instantané de la caméra</translation>
    </message>
    <message>
        <source>Could not save the image.</source>
        <translation>Impossible d&apos;enregistrer l&apos;image.</translation>
    </message>
    <message>
        <source>Camera Permission</source>
        <translation>Autorisation de la caméra</translation>
    </message>
    <message>
        <source>Camera access is off. Allow Vistrelle in System Settings &gt; Privacy &amp; Security &gt; Camera.</source>
        <translation>L&apos;accès à la caméra est désactivé. Autorisez Vistrelle dans Réglages Système &gt; Confidentialité et sécurité &gt; Caméra.</translation>
    </message>
    <message>
        <source>Open Settings</source>
        <translation>Ouvrir les réglages</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reprendre</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>Starting…</source>
        <translation>Démarrage…</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Désactivé</translation>
    </message>
</context>
<context>
    <name>CameraSettingsDialog</name>
    <message>
        <source>开关</source>
        <translation>Interrupteur</translation>
    </message>
    <message>
        <source>点击九宫格选择摄像头位置</source>
        <translation>Cliquez sur la grille pour choisir la position de la webcam</translation>
    </message>
    <message>
        <source>摄像头位置九宫格</source>
        <translation>Grille de position de la webcam</translation>
    </message>
    <message>
        <source>摄像头设置</source>
        <translation>Réglages de la webcam</translation>
    </message>
    <message>
        <source>正在启动摄像头…</source>
        <translation>Démarrage de la caméra…</translation>
    </message>
    <message>
        <source>实时预览</source>
        <translation>Aperçu en direct</translation>
    </message>
    <message>
        <source>摄像头关闭时，将在这里显示 · 开启摄像头后可预览</source>
        <translation>Affiché ici quand la caméra est éteinte · Allumez la caméra pour l&apos;aperçu</translation>
    </message>
    <message>
        <source>摄像头设备</source>
        <translation>Caméra</translation>
    </message>
    <message>
        <source>自动</source>
        <translation>Automatique</translation>
    </message>
    <message>
        <source>帧率</source>
        <translation>Fréquence d&apos;images</translation>
    </message>
    <message>
        <source>视频质量</source>
        <translation>Qualité vidéo</translation>
    </message>
    <message>
        <source>画面形状</source>
        <translation>Forme</translation>
    </message>
    <message>
        <source>圆形</source>
        <translation>Cercle</translation>
    </message>
    <message>
        <source>圆角矩形</source>
        <translation>Arrondi</translation>
    </message>
    <message>
        <source>矩形</source>
        <translation>Rectangle</translation>
    </message>
    <message>
        <source>左上</source>
        <translation>En haut à gauche</translation>
    </message>
    <message>
        <source>上中</source>
        <translation>En haut au centre</translation>
    </message>
    <message>
        <source>右上</source>
        <translation>En haut à droite</translation>
    </message>
    <message>
        <source>左中</source>
        <translation>Au milieu à gauche</translation>
    </message>
    <message>
        <source>居中</source>
        <translation>Centre</translation>
    </message>
    <message>
        <source>右中</source>
        <translation>Au milieu à droite</translation>
    </message>
    <message>
        <source>左下</source>
        <translation>En bas à gauche</translation>
    </message>
    <message>
        <source>下中</source>
        <translation>En bas au centre</translation>
    </message>
    <message>
        <source>右下</source>
        <translation>En bas à droite</translation>
    </message>
    <message>
        <source>摄像头位置</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>小</source>
        <translation>Petit</translation>
    </message>
    <message>
        <source>大</source>
        <translation>Grand</translation>
    </message>
    <message>
        <source>画面大小</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>镜像画面</source>
        <translation>Image miroir</translation>
    </message>
    <message>
        <source>让预览效果更自然</source>
        <translation>Un aperçu plus naturel</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>开启摄像头后可预览</source>
        <translation>Allumez la caméra pour l&apos;aperçu</translation>
    </message>
    <message>
        <source>未检测到摄像头</source>
        <translation>Aucune caméra détectée</translation>
    </message>
    <message>
        <source>未检测到可用摄像头</source>
        <translation>Aucune caméra utilisable détectée</translation>
    </message>
    <message>
        <source>摄像头无法启动，请检查系统权限</source>
        <translation>La caméra n&apos;a pas pu démarrer. Vérifiez les autorisations du système.</translation>
    </message>
</context>
<context>
    <name>CaptureTargetDialog</name>
    <message>
        <source>选择游戏</source>
        <translation>Choisir un jeu</translation>
    </message>
    <message>
        <source>选择窗口</source>
        <translation>Choisir une fenêtre</translation>
    </message>
    <message>
        <source>选择游戏窗口</source>
        <translation>Choisir une fenêtre de jeu</translation>
    </message>
    <message>
        <source>选择录制窗口</source>
        <translation>Choisir la fenêtre à enregistrer</translation>
    </message>
    <message>
        <source>刷新</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>Select a window</source>
        <translation>Choisissez une fenêtre</translation>
    </message>
    <message>
        <source>Process information unavailable</source>
        <translation>Informations sur le processus indisponibles</translation>
    </message>
    <message>
        <source>Loading preview…</source>
        <translation>Chargement de l&apos;aperçu…</translation>
    </message>
    <message>
        <source>当前没有可捕获窗口。请先打开目标程序，然后点击刷新。</source>
        <translation>Aucune fenêtre ne peut être capturée pour l&apos;instant. Ouvrez le programme à enregistrer, puis cliquez sur Actualiser.</translation>
    </message>
    <message>
        <source>选择要录制的游戏或应用窗口。录制时不要最小化窗口。</source>
        <translation>Choisissez la fenêtre du jeu ou de l&apos;application à enregistrer. Ne réduisez pas la fenêtre pendant l&apos;enregistrement.</translation>
    </message>
    <message>
        <source>录制时不要最小化窗口。</source>
        <translation>Ne réduisez pas la fenêtre pendant l&apos;enregistrement.</translation>
    </message>
    <message>
        <source>Preview timed out — check screen recording access</source>
        <translation>Délai de l&apos;aperçu dépassé — vérifiez l&apos;accès à l&apos;enregistrement de l&apos;écran</translation>
    </message>
    <message>
        <source>Preview unavailable — check screen recording access</source>
        <translation>Aperçu indisponible — vérifiez l&apos;accès à l&apos;enregistrement de l&apos;écran</translation>
    </message>
</context>
<context>
    <name>Common</name>
    <message>
        <source>Open Folder</source>
        <translation>Ouvrir le dossier</translation>
    </message>
    <message>
        <source>无法打开文件夹：
%1</source>
        <translation>Impossible d&apos;ouvrir le dossier :
%1</translation>
    </message>
</context>
<context>
    <name>CompletionDialog</name>
    <message>
        <source>文件已保存到以下文件夹</source>
        <translation>Le fichier a été enregistré dans ce dossier</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ouvrir le dossier</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>ControlsArea</name>
    <message>
        <source>全屏</source>
        <translation>Plein écran</translation>
    </message>
    <message>
        <source>自定义</source>
        <translation>Personnalisé</translation>
    </message>
    <message>
        <source>尚未选择窗口</source>
        <translation>Aucune fenêtre sélectionnée</translation>
    </message>
    <message>
        <source>请选择录制目标</source>
        <translation>Choisissez ce qu&apos;il faut enregistrer</translation>
    </message>
    <message>
        <source>选择窗口</source>
        <translation>Choisir une fenêtre</translation>
    </message>
    <message>
        <source>纯音频录制</source>
        <translation>Enregistrement audio seul</translation>
    </message>
    <message>
        <source>音质</source>
        <translation>Qualité audio</translation>
    </message>
    <message>
        <source>128 kbps · 较小</source>
        <translation>128 kbps · Plus petit</translation>
    </message>
    <message>
        <source>192 kbps · 推荐</source>
        <translation>192 kbps · Recommandé</translation>
    </message>
    <message>
        <source>320 kbps · 高质量</source>
        <translation>320 kbps · Haute qualité</translation>
    </message>
    <message>
        <source>无损 · 由格式决定</source>
        <translation>Sans perte · Défini par le format</translation>
    </message>
    <message>
        <source>录摄像头</source>
        <translation>Webcam</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>扬声器</source>
        <translation>Haut-parleur</translation>
    </message>
    <message>
        <source>试音</source>
        <translation>Tester</translation>
    </message>
    <message>
        <source>麦克风</source>
        <translation>Microphone</translation>
    </message>
    <message>
        <source>开始录制</source>
        <translation>Démarrer l&apos;enregistrement</translation>
    </message>
    <message>
        <source>纯音频模式不录制摄像头</source>
        <translation>Le mode audio seul n&apos;enregistre pas la webcam</translation>
    </message>
    <message>
        <source>选择游戏</source>
        <translation>Choisir un jeu</translation>
    </message>
    <message>
        <source>尚未选择游戏</source>
        <translation>Aucun jeu sélectionné</translation>
    </message>
    <message>
        <source>高性能屏幕采集模式</source>
        <translation>Mode de capture d&apos;écran haute performance</translation>
    </message>
    <message>
        <source>选择%1设备</source>
        <translation>Choisir le périphérique : %1</translation>
    </message>
    <message>
        <source>选择设备和音频设置</source>
        <translation>Choisir le périphérique et les réglages audio</translation>
    </message>
    <message>
        <source>开启</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>默认设备</source>
        <translation>Périphérique par défaut</translation>
    </message>
    <message>
        <source>默认 · %1</source>
        <translation>Par défaut · %1</translation>
    </message>
    <message>
        <source>选择扬声器</source>
        <translation>Choisir le haut-parleur</translation>
    </message>
    <message>
        <source>选择麦克风</source>
        <translation>Choisir le microphone</translation>
    </message>
    <message>
        <source>音频高级设置…</source>
        <translation>Paramètres audio avancés…</translation>
    </message>
    <message>
        <source>系统声音</source>
        <translation>Son du système</translation>
    </message>
    <message>
        <source>无法监听所选扬声器：%1</source>
        <translation>Impossible d&apos;écouter le haut-parleur choisi : %1</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>未检测到声音，请先播放一段音频</source>
        <translation>Aucun son détecté. Lancez d&apos;abord la lecture d&apos;un son.</translation>
    </message>
    <message>
        <source>已检测到系统播放声音</source>
        <translation>Son de lecture du système détecté</translation>
    </message>
    <message>
        <source>无设备</source>
        <translation>Aucun périphérique</translation>
    </message>
    <message>
        <source>不可用</source>
        <translation>Indisponible</translation>
    </message>
    <message>
        <source>未检测到声音，请检查麦克风或权限</source>
        <translation>Aucun son détecté. Vérifiez le microphone ou son autorisation.</translation>
    </message>
    <message>
        <source>已检测到麦克风声音</source>
        <translation>Son du microphone détecté</translation>
    </message>
    <message>
        <source>系统声音实时电平</source>
        <translation>Niveau du son système en direct</translation>
    </message>
    <message>
        <source>麦克风实时电平</source>
        <translation>Niveau du microphone en direct</translation>
    </message>
    <message>
        <source>停止试音</source>
        <translation>Arrêter le test</translation>
    </message>
    <message>
        <source>输出</source>
        <translation>Sortie</translation>
    </message>
    <message>
        <source>输入</source>
        <translation>Entrée</translation>
    </message>
    <message>
        <source>正在监听，请播放一段声音</source>
        <translation>Écoute en cours. Lancez la lecture d&apos;un son.</translation>
    </message>
    <message>
        <source>正在监听，请对麦克风说话</source>
        <translation>Écoute en cours. Parlez dans le microphone.</translation>
    </message>
    <message>
        <source>录音检查</source>
        <translation>Vérification avant l&apos;enregistrement</translation>
    </message>
    <message>
        <source>请至少开启扬声器或麦克风。</source>
        <translation>Activez au moins le haut-parleur ou le microphone.</translation>
    </message>
    <message>
        <source>没有可用的扬声器设备，无法录制系统声音。</source>
        <translation>Aucun haut-parleur n&apos;est disponible : le son du système ne peut pas être enregistré.</translation>
    </message>
    <message>
        <source>没有可用的麦克风，请重新连接或选择输入设备。</source>
        <translation>Aucun microphone n&apos;est disponible. Rebranchez-le ou choisissez un autre périphérique d&apos;entrée.</translation>
    </message>
    <message>
        <source>停止录制</source>
        <translation>Arrêter l&apos;enregistrement</translation>
    </message>
    <message>
        <source>Camera Permission</source>
        <translation>Autorisation de la caméra</translation>
    </message>
    <message>
        <source>Camera access is off. Allow Vistrelle in System Settings &gt; Privacy &amp; Security &gt; Camera.</source>
        <translation>L&apos;accès à la caméra est désactivé. Autorisez Vistrelle dans Réglages Système &gt; Confidentialité et sécurité &gt; Caméra.</translation>
    </message>
    <message>
        <source>Open Settings</source>
        <translation>Ouvrir les réglages</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>高性能屏幕采集</source>
        <translation>Capture d&apos;écran haute performance</translation>
    </message>
    <message>
        <source> · 高性能屏幕采集</source>
        <translation> · Capture d&apos;écran haute performance</translation>
    </message>
    <message>
        <source>%1 · 不可用</source>
        <translation>%1 · indisponible</translation>
    </message>
    <message>
        <source>摄像头</source>
        <translation>Webcam</translation>
    </message>
    <message>
        <source>没有检测到可用摄像头。</source>
        <translation>Aucune webcam n&apos;a été trouvée.</translation>
    </message>
</context>
<context>
    <name>CountdownOverlay</name>
    <message>
        <source>开始/停止</source>
        <translation>Démarrer/Arrêter</translation>
    </message>
    <message>
        <source>暂停/恢复</source>
        <translation>Pause/Reprise</translation>
    </message>
</context>
<context>
    <name>ExportDialog</name>
    <message>
        <source>导出</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>↑  导出设置</source>
        <translation>↑  Paramètres d&apos;exportation</translation>
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
        <translation>GIF animé (.gif)</translation>
    </message>
    <message>
        <source>仅音频 MP3 (.mp3)</source>
        <translation>Audio seul MP3 (.mp3)</translation>
    </message>
    <message>
        <source>仅音频 AAC (.aac)</source>
        <translation>Audio seul AAC (.aac)</translation>
    </message>
    <message>
        <source>格式</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>视频编码</source>
        <translation>Encodeur vidéo</translation>
    </message>
    <message>
        <source>视频码率</source>
        <translation>Débit vidéo</translation>
    </message>
    <message>
        <source>1× (正常)</source>
        <translation>1× (normale)</translation>
    </message>
    <message>
        <source>播放速度</source>
        <translation>Vitesse de lecture</translation>
    </message>
    <message>
        <source>GIF 帧率</source>
        <translation>Fréquence d&apos;images GIF</translation>
    </message>
    <message>
        <source>GIF 宽度</source>
        <translation>Largeur du GIF</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>开始导出</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>✓ 已保存到: </source>
        <translation>✓ Enregistré dans : </translation>
    </message>
    <message>
        <source>保存为</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>视频文件 (*.mp4 *.mkv *.gif *.mp3 *.aac)</source>
        <translation>Fichiers multimédias (*.mp4 *.mkv *.gif *.mp3 *.aac)</translation>
    </message>
    <message>
        <source>导出中...</source>
        <translation>Exportation...</translation>
    </message>
</context>
<context>
    <name>FfmpegJob</name>
    <message>
        <source>FFmpeg 没有在 %1 秒内完成。</source>
        <translation>FFmpeg n’a pas terminé en %1 secondes.</translation>
    </message>
    <message>
        <source>FFmpeg 意外终止。</source>
        <translation>FFmpeg s’est arrêté de façon inattendue.</translation>
    </message>
    <message>
        <source>FFmpeg 以退出码 %1 结束，没有说明原因。</source>
        <translation>FFmpeg s’est terminé avec le code de sortie %1 sans en donner la raison.</translation>
    </message>
</context>
<context>
    <name>FloatingToolbar</name>
    <message>
        <source>正在录制</source>
        <translation>En cours</translation>
    </message>
    <message>
        <source>初始化…</source>
        <translation>Initialisation…</translation>
    </message>
    <message>
        <source>写入中…</source>
        <translation>Écriture…</translation>
    </message>
    <message>
        <source>关闭摄像头</source>
        <translation>Désactiver la webcam</translation>
    </message>
    <message>
        <source>开启摄像头</source>
        <translation>Activer la webcam</translation>
    </message>
    <message>
        <source>画笔</source>
        <translation>Stylo</translation>
    </message>
    <message>
        <source>箭头</source>
        <translation>Flèche</translation>
    </message>
    <message>
        <source>矩形</source>
        <translation>Rectangle</translation>
    </message>
    <message>
        <source>文字</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>直线</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <source>圆形</source>
        <translation>Cercle</translation>
    </message>
    <message>
        <source>高亮笔</source>
        <translation>Surligneur</translation>
    </message>
    <message>
        <source>橡皮擦</source>
        <translation>Gomme</translation>
    </message>
    <message>
        <source>撤销 Ctrl+Z</source>
        <translation>Annuler Ctrl+Z</translation>
    </message>
    <message>
        <source>清除全部 Del</source>
        <translation>Tout effacer Suppr</translation>
    </message>
    <message>
        <source>退出注释模式</source>
        <translation>Quitter le mode annotation</translation>
    </message>
    <message>
        <source>选择工具后在屏幕上绘制，ESC 或点“退出”结束注释</source>
        <translation>Choisissez un outil et dessinez à l&apos;écran ; Échap ou « Quitter » termine l&apos;annotation</translation>
    </message>
    <message>
        <source>选择颜色</source>
        <translation>Choisir une couleur</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>已暂停</source>
        <translation>En pause</translation>
    </message>
    <message>
        <source>正在保存…</source>
        <translation>Enregistrement du fichier…</translation>
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
        <translation>Choisissez un mode</translation>
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
        <translation>Zone libre</translation>
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
    <message>
        <source>Vistrelle recording toolbar</source>
        <translation>Barre d&apos;enregistrement Vistrelle</translation>
    </message>
    <message>
        <source>Vistrelle preparation toolbar</source>
        <translation>Barre de préparation Vistrelle</translation>
    </message>
    <message>
        <source>Display %1</source>
        <translation>Écran %1</translation>
    </message>
    <message>
        <source>Audio only</source>
        <translation>Audio seul</translation>
    </message>
    <message>
        <source>Camera preview</source>
        <translation>Aperçu de la caméra</translation>
    </message>
    <message>
        <source>Camera Recording</source>
        <translation>Enregistrement caméra</translation>
    </message>
    <message>
        <source>Stop recording and return to Home?</source>
        <translation>Arrêter l&apos;enregistrement et revenir à l&apos;accueil ?</translation>
    </message>
    <message>
        <source>Wait for a live camera preview before recording.</source>
        <translation>Attendez l&apos;aperçu en direct de la caméra avant d&apos;enregistrer.</translation>
    </message>
    <message>
        <source>Vistrelle countdown</source>
        <translation>Compte à rebours Vistrelle</translation>
    </message>
    <message>
        <source>摄像头</source>
        <translation>Webcam</translation>
    </message>
    <message>
        <source>没有检测到可用摄像头。</source>
        <translation>Aucune webcam n&apos;a été trouvée.</translation>
    </message>
    <message>
        <source>摄像头无法启动，请检查权限或设备占用情况。</source>
        <translation>La webcam n&apos;a pas pu démarrer. Vérifiez son autorisation et qu&apos;aucun autre programme ne l&apos;utilise.</translation>
    </message>
    <message>
        <source>Camera Permission</source>
        <translation>Autorisation de la caméra</translation>
    </message>
    <message>
        <source>Camera access is off. Allow Vistrelle in System Settings &gt; Privacy &amp; Security &gt; Camera.</source>
        <translation>L&apos;accès à la caméra est désactivé. Autorisez Vistrelle dans Réglages Système &gt; Confidentialité et sécurité &gt; Caméra.</translation>
    </message>
    <message>
        <source>Open Settings</source>
        <translation>Ouvrir les réglages</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>计划录制</source>
        <translation>Enregistrement programmé</translation>
    </message>
    <message>
        <source>请先在首页为窗口或游戏模式选择录制目标。</source>
        <translation>Choisissez d&apos;abord sur l&apos;accueil la fenêtre ou le jeu à enregistrer.</translation>
    </message>
    <message>
        <source>已有录制正在进行，本次计划已跳过。</source>
        <translation>Un enregistrement est déjà en cours ; ce démarrage programmé a été ignoré.</translation>
    </message>
    <message>
        <source>退出后计划录制将不会执行。

确定要退出 Vistrelle 吗？</source>
        <translation>L&apos;enregistrement programmé n&apos;aura pas lieu si vous quittez.

Quitter Vistrelle quand même ?</translation>
    </message>
    <message>
        <source>仍在录制</source>
        <translation>Enregistrement en cours</translation>
    </message>
    <message>
        <source>Vistrelle 已隐藏到系统托盘，录制继续进行。</source>
        <translation>Vistrelle est masqué dans la zone de notification ; l&apos;enregistrement continue.</translation>
    </message>
    <message>
        <source>Vistrelle 仍在后台运行</source>
        <translation>Vistrelle fonctionne toujours</translation>
    </message>
    <message>
        <source>已最小化到系统托盘，点击或双击托盘图标可重新打开。</source>
        <translation>Réduit dans la zone de notification. Cliquez ou double-cliquez sur l&apos;icône pour le rouvrir.</translation>
    </message>
    <message>
        <source>About Vistrelle</source>
        <translation>À propos de Vistrelle</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Vistrelle is a fast, reliable screen recorder for Linux. Record screens, windows, games, system audio, microphones, and webcams, then edit and manage recordings locally with no cloud upload required.</source>
        <translation>Vistrelle est un enregistreur d&apos;écran rapide et fiable pour Linux. Enregistrez écrans, fenêtres, jeux, audio système, micros et webcams, puis modifiez et gérez vos enregistrements localement, sans envoi vers le cloud.</translation>
    </message>
    <message>
        <source>Development Team</source>
        <translation>Équipe de développement</translation>
    </message>
    <message>
        <source>The Vistrelle developers</source>
        <translation>Les développeurs de Vistrelle</translation>
    </message>
    <message>
        <source>© Vistrelle. All rights reserved.</source>
        <translation>© Vistrelle. Tous droits réservés.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>切换语言</source>
        <translation>Changer de langue</translation>
    </message>
    <message>
        <source>无法保存语言设置，请检查当前用户的配置权限。</source>
        <translation>La langue n&apos;a pas pu être enregistrée. Vérifiez que l&apos;utilisateur actuel peut écrire sa configuration.</translation>
    </message>
    <message>
        <source>语言设置已保存，重启 Vistrelle 后生效。是否立即重启？</source>
        <translation>La langue est enregistrée et sera appliquée au redémarrage de Vistrelle. Redémarrer maintenant ?</translation>
    </message>
    <message>
        <source>重启失败</source>
        <translation>Échec du redémarrage</translation>
    </message>
    <message>
        <source>无法自动重启，请手动重新打开 Vistrelle。</source>
        <translation>Vistrelle n&apos;a pas pu redémarrer tout seul. Rouvrez-le vous-même.</translation>
    </message>
    <message>
        <source>录制的窗口已关闭</source>
        <translation>Fenêtre enregistrée fermée</translation>
    </message>
    <message>
        <source>Custom Area</source>
        <translation>Zone libre</translation>
    </message>
    <message>
        <source>The display of the chosen area is no longer connected. Choose the area again.</source>
        <translation>L&apos;écran de la zone choisie n&apos;est plus connecté. Choisissez à nouveau la zone.</translation>
    </message>
    <message>
        <source>Nothing was recorded: the program quit before the recording began.</source>
        <translation>Rien n’a été enregistré : le programme s’est fermé avant le début de l’enregistrement.</translation>
    </message>
</context>
<context>
    <name>MediaProbe</name>
    <message>
        <source>无法启动 ffprobe（%1）。</source>
        <translation>Impossible de démarrer ffprobe (%1).</translation>
    </message>
    <message>
        <source>ffprobe 没有在 %1 秒内结束。</source>
        <translation>ffprobe ne s’est pas terminé en %1 secondes.</translation>
    </message>
    <message>
        <source>ffprobe 没有给出可读的回答。</source>
        <translation>ffprobe n’a donné aucune réponse lisible.</translation>
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
    <name>NumberText</name>
    <message>
        <source>KB</source>
        <translation>Ko</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>Mo</translation>
    </message>
    <message>
        <source>GB</source>
        <translation>Go</translation>
    </message>
</context>
<context>
    <name>PlayerWindow</name>
    <message>
        <source>Vistrelle — 播放器</source>
        <translation>Vistrelle — Lecteur</translation>
    </message>
    <message>
        <source>截图</source>
        <translation>Capture</translation>
    </message>
    <message>
        <source>无法保存截图到 %1。</source>
        <translation>Impossible d&apos;enregistrer la capture dans %1.</translation>
    </message>
</context>
<context>
    <name>QDialog</name>
    <message>
        <source>Enable Screen Recording</source>
        <translation>Autoriser l&apos;enregistrement de l&apos;écran</translation>
    </message>
    <message>
        <source>Enable Microphone Access</source>
        <translation>Autoriser l&apos;accès au micro</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Vistrelle needs permission before it can record your screen.</source>
        <translation>Vistrelle a besoin d&apos;une autorisation pour enregistrer votre écran.</translation>
    </message>
    <message>
        <source>Vistrelle needs permission before it can record your voice.</source>
        <translation>Vistrelle a besoin d&apos;une autorisation pour enregistrer votre voix.</translation>
    </message>
    <message>
        <source>Screen &amp; System Audio Recording</source>
        <translation>Enregistrement de l&apos;écran et de l&apos;audio système</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Micro</translation>
    </message>
    <message>
        <source>Allow these apps to record your screen.</source>
        <translation>Autoriser ces apps à enregistrer votre écran.</translation>
    </message>
    <message>
        <source>Allow these apps to use your microphone.</source>
        <translation>Autoriser ces apps à utiliser votre micro.</translation>
    </message>
    <message>
        <source>Illustration of macOS System Settings</source>
        <translation>Illustration des Réglages Système de macOS</translation>
    </message>
    <message>
        <source>Three quick steps</source>
        <translation>Trois étapes rapides</translation>
    </message>
    <message>
        <source>Open Screen Recording settings.</source>
        <translation>Ouvrez les réglages d&apos;enregistrement de l&apos;écran.</translation>
    </message>
    <message>
        <source>Open Microphone settings.</source>
        <translation>Ouvrez les réglages du micro.</translation>
    </message>
    <message>
        <source>Turn on Vistrelle.</source>
        <translation>Activez Vistrelle.</translation>
    </message>
    <message>
        <source>Quit and reopen Vistrelle, then record.</source>
        <translation>Quittez et rouvrez Vistrelle, puis enregistrez.</translation>
    </message>
    <message>
        <source>Return and start recording.</source>
        <translation>Revenez et lancez l&apos;enregistrement.</translation>
    </message>
    <message>
        <source>Restart Vistrelle after changing this setting.</source>
        <translation>Redémarrez Vistrelle après avoir modifié ce réglage.</translation>
    </message>
    <message>
        <source>You can also turn off Microphone and record without voice.</source>
        <translation>Vous pouvez aussi couper le micro et enregistrer sans voix.</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Plus tard</translation>
    </message>
    <message>
        <source>Open Settings ↗</source>
        <translation>Ouvrir les réglages ↗</translation>
    </message>
    <message>
        <source>Open System Settings &gt; Privacy &amp; Security &gt; Screen &amp; System Audio Recording and allow Vistrelle.</source>
        <translation>Ouvrez Réglages Système &gt; Confidentialité et sécurité &gt; Enregistrement de l&apos;écran et de l&apos;audio système et autorisez Vistrelle.</translation>
    </message>
    <message>
        <source>Open System Settings &gt; Privacy &amp; Security &gt; Microphone and allow Vistrelle.</source>
        <translation>Ouvrez Réglages Système &gt; Confidentialité et sécurité &gt; Micro et autorisez Vistrelle.</translation>
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
        <translation>Temps restant --:--</translation>
    </message>
    <message>
        <source>预计剩余 %1:%2</source>
        <translation>Temps restant %1:%2</translation>
    </message>
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
    <message>
        <source>Vistrelle is already running</source>
        <translation>Vistrelle est déjà en cours d&apos;exécution</translation>
    </message>
    <message>
        <source>Another Vistrelle process is running. Finish its recording and quit it before opening Vistrelle again.</source>
        <translation>Un autre processus Vistrelle est en cours. Terminez son enregistrement et quittez-le avant de rouvrir Vistrelle.</translation>
    </message>
    <message>
        <source>已有 FFmpeg 任务正在执行</source>
        <translation>Une tâche FFmpeg est déjà en cours</translation>
    </message>
    <message>
        <source>FFmpeg 未找到或无法启动：%1</source>
        <translation>FFmpeg est introuvable ou n&apos;a pas pu démarrer : %1</translation>
    </message>
    <message>
        <source>操作已取消</source>
        <translation>L&apos;opération a été annulée</translation>
    </message>
    <message>
        <source>FFmpeg 出错：
%1</source>
        <translation>FFmpeg a signalé une erreur :
%1</translation>
    </message>
    <message>
        <source>裁剪参数无效</source>
        <translation>Paramètres de découpe non valides</translation>
    </message>
    <message>
        <source>合并参数无效</source>
        <translation>Paramètres de fusion non valides</translation>
    </message>
    <message>
        <source>无法创建合并列表文件</source>
        <translation>Impossible de créer le fichier de liste de fusion</translation>
    </message>
    <message>
        <source>变速参数无效</source>
        <translation>Réglage de vitesse non valide</translation>
    </message>
    <message>
        <source>转场效果无效：%1</source>
        <translation>Transition non valide : %1</translation>
    </message>
    <message>
        <source>转场失败：至少有一个视频时长小于转场时长</source>
        <translation>Échec de la transition : au moins une vidéo est plus courte que la transition</translation>
    </message>
    <message>
        <source>音频降噪需要 sh.rnnn 模型文件，请放到程序目录，或先关闭音频降噪。</source>
        <translation>La réduction du bruit audio nécessite le fichier de modèle sh.rnnn : placez-le dans le dossier du programme ou désactivez la réduction du bruit audio.</translation>
    </message>
    <message>
        <source>字幕文件不存在：%1</source>
        <translation>Fichier de sous-titres introuvable : %1</translation>
    </message>
    <message>
        <source>FFmpeg 报告完成，但没有写出可用的文件：
%1</source>
        <translation>FFmpeg a signalé la réussite mais n’a écrit aucun fichier utilisable :
%1</translation>
    </message>
    <message>
        <source>格式无效或不受支持</source>
        <translation>le format est invalide ou non pris en charge</translation>
    </message>
    <message>
        <source>没有读取权限</source>
        <translation>pas d&apos;autorisation de lecture</translation>
    </message>
    <message>
        <source>文件无法读取或已损坏</source>
        <translation>le fichier est illisible ou endommagé</translation>
    </message>
    <message>
        <source>无法打开文件：%1</source>
        <translation>Impossible d&apos;ouvrir le fichier : %1</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
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
        <translation type="vanished">L’enregistrement du son du système nécessite macOS 13 ou une version ultérieure.</translation>
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
        <translation type="vanished">Impossible de capturer le son du système : %1</translation>
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
    <message>
        <source>保存磁盘的剩余空间已不足 %1 MB，录制已停止；已录制的内容会正常保存。</source>
        <translation type="vanished">Il reste moins de %1 Mo sur le disque d&apos;enregistrement : l&apos;enregistrement a été arrêté. Tout ce qui a été enregistré sera sauvegardé.</translation>
    </message>
    <message>
        <source>屏幕录制不可用：屏幕录制需要 X11 会话，在 Wayland 下无法录制屏幕。</source>
        <translation>La capture d&apos;écran n&apos;est pas disponible : l&apos;enregistrement de l&apos;écran nécessite une session X11 et n&apos;est pas possible sous Wayland.</translation>
    </message>
    <message>
        <source>录制分段异常，退出码=%1。没有录下任何内容。
%2</source>
        <translation>Le segment d&apos;enregistrement a échoué (code de sortie %1). Rien n&apos;a été enregistré.
%2</translation>
    </message>
    <message>
        <source>无法录制麦克风：%1</source>
        <translation type="vanished">Impossible d’enregistrer le microphone : %1</translation>
    </message>
    <message>
        <source>保存文件夹不可写入：%1</source>
        <translation>Le dossier d’enregistrement n’est pas accessible en écriture : %1</translation>
    </message>
    <message>
        <source>无法录制系统声音，因为声音服务器无法连接。</source>
        <translation>Le son du système ne peut pas être capturé, car le serveur de son est injoignable.</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已快满，录制已停止。已录下的分段保留在：
%2</source>
        <translation>Le disque d’enregistrement %1 est presque plein : l’enregistrement a été arrêté. Les segments enregistrés sont conservés dans :
%2</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已快满，录制已停止并已保存为：
%2</source>
        <translation>Le disque d’enregistrement %1 est presque plein : l’enregistrement a été arrêté et sauvegardé sous :
%2</translation>
    </message>
    <message>
        <source>保存文件夹不存在，也无法创建：%1
%2 不可写入。</source>
        <translation>Le dossier d’enregistrement n’existe pas et ne peut pas être créé : %1
%2 n’est pas accessible en écriture.</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已快满，录制已停止。录像保留为 %2 个分段，位于：
%3
把它们合并成一个文件还需要约 %4 的可用空间（现在可用 %5）。腾出空间后，可以手动合并这些分段。</source>
        <translation>Le disque d’enregistrement %1 est presque plein : l’enregistrement a été arrêté. Il est conservé en %2 segments dans :
%3
Les réunir en un seul fichier demande environ %4 d’espace libre (%5 libres actuellement). Une fois de l’espace libéré, vous pourrez réunir ces segments vous-même.</translation>
    </message>
    <message>
        <source>声音服务器已断开。录制仍在继续，这段时间的声音录为静音；声音服务器恢复后会自动继续录音。</source>
        <translation>Le serveur de son a disparu. L’enregistrement continue et enregistre du silence en attendant ; le son est de nouveau enregistré dès que le serveur de son revient.</translation>
    </message>
    <message>
        <source>录制文件夹在录制中被删除，已录下的内容随文件夹一起被删除：%1
该文件夹无法重新创建，录制已停止。
%2</source>
        <translation>Le dossier de l’enregistrement a été supprimé pendant l’enregistrement, et ce qui avait été enregistré a été supprimé avec lui : %1
Le dossier ne peut pas être recréé ; l’enregistrement s’est donc arrêté.
%2</translation>
    </message>
    <message>
        <source>录制文件夹在录制中被删除，此前录下的内容已随文件夹一起被删除：%1
已重新创建该文件夹，录制继续，此后的内容会正常保存。</source>
        <translation>Le dossier de l’enregistrement a été supprimé pendant l’enregistrement, et ce qui avait été enregistré jusque-là a été supprimé avec lui : %1
Le dossier a été recréé ; l’enregistrement continue et tout ce qui suit est enregistré.</translation>
    </message>
    <message>
        <source>无法录制麦克风，因为声音服务器无法连接。</source>
        <translation>Le microphone ne peut pas être enregistré, car le serveur de son est injoignable.</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已满，录制已停止。录下的内容没有可以播放的部分，没有保存录像；未完成的分段保留在：
%2</source>
        <translation>Le disque d&apos;enregistrement %1 est plein : l&apos;enregistrement a été arrêté. Rien de ce qui a été enregistré ne peut être lu, aucun enregistrement n&apos;a donc été sauvegardé ; le segment inachevé est conservé dans :
%2</translation>
    </message>
    <message>
        <source>编码器停止了响应，录像只保存到 %1（共录制了 %2）：
%3</source>
        <translation type="vanished">L&apos;encodeur a cessé de répondre : l&apos;enregistrement a été sauvegardé jusqu&apos;à %1 (sur %2 enregistrées) :
%3</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已满，没有录下任何内容。请清理空间或更换保存目录。
%2</source>
        <translation type="vanished">Le disque d&apos;enregistrement %1 est plein : rien n&apos;a été enregistré. Libérez de l&apos;espace ou choisissez un autre dossier d&apos;enregistrement.
%2</translation>
    </message>
    <message>
        <source>所选麦克风已断开，录制改为使用系统默认的输入设备继续录音。</source>
        <translation>Le microphone choisi a été déconnecté. L&apos;enregistrement continue avec le périphérique d&apos;entrée par défaut du système.</translation>
    </message>
    <message>
        <source>编码器停止了响应：文件保存了 %1（共录制了 %2），从 %3 起缺少 %4：
%5</source>
        <translation>L&apos;encodeur a cessé de répondre : le fichier contient %1 des %2 enregistrées ; il manque %4 à partir de %3 :
%5</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已满，录制已停止。录像保留为 %2 个分段，位于：
%3
把它们合并成一个文件还需要约 %4 的可用空间（现在可用 %5）。腾出空间后，可以手动合并这些分段。</source>
        <translation>Le disque d’enregistrement %1 est plein : l’enregistrement a été arrêté. Il est conservé en %2 segments dans :
%3
Les réunir en un seul fichier demande environ %4 d’espace libre (%5 libres actuellement). Une fois de l’espace libéré, vous pourrez réunir ces segments vous-même.</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已满，录制已停止。已录下的分段保留在：
%2</source>
        <translation>Le disque d’enregistrement %1 est plein : l’enregistrement a été arrêté. Les segments enregistrés sont conservés dans :
%2</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已满，录制已停止并已保存为：
%2</source>
        <translation>Le disque d’enregistrement %1 est plein : l’enregistrement a été arrêté et sauvegardé sous :
%2</translation>
    </message>
    <message>
        <source>录制进程意外结束，没有录下任何内容。</source>
        <translation>Le processus d’enregistrement s’est arrêté de façon inattendue : rien n’a été enregistré.</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已满，没有录下任何内容。请清理空间或更换保存目录。</source>
        <translation>Le disque d&apos;enregistrement %1 est plein : rien n&apos;a été enregistré. Libérez de l&apos;espace ou choisissez un autre dossier d&apos;enregistrement.</translation>
    </message>
    <message>
        <source>无法录制麦克风：声音服务器没有开始录音。请检查输入设备后重试。</source>
        <translation>Impossible d&apos;enregistrer le microphone : le serveur de son n&apos;a pas commencé l&apos;enregistrement. Vérifiez le périphérique d&apos;entrée et réessayez.</translation>
    </message>
    <message>
        <source>无法捕获系统声音：声音服务器没有开始录音。请检查输出设备后重试。</source>
        <translation>Impossible de capturer le son du système : le serveur de son n&apos;a pas commencé l&apos;enregistrement. Vérifiez le périphérique de sortie et réessayez.</translation>
    </message>
    <message>
        <source>正在等待 FFmpeg 检测编码器…</source>
        <translation>En attente du test des encodeurs par FFmpeg…</translation>
    </message>
    <message>
        <source>正在等待 FFmpeg 开始录制…</source>
        <translation>En attente du début de l’enregistrement par FFmpeg…</translation>
    </message>
    <message>
        <source>请先启动声音服务器（PulseAudio），再开始录制。</source>
        <translation>Démarrez d’abord le serveur de son (PulseAudio), puis lancez l’enregistrement.</translation>
    </message>
    <message>
        <source>请先启动声音服务器（PulseAudio），或关闭扬声器和麦克风后录制无声视频。</source>
        <translation>Démarrez d’abord le serveur de son (PulseAudio), ou désactivez le haut-parleur et le micro pour enregistrer une vidéo sans son.</translation>
    </message>
    <message>
        <source>没有录下任何内容：录制在开始之前就已停止。</source>
        <translation>Rien n’a été enregistré : l’enregistrement a été arrêté avant de commencer.</translation>
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
    <message>
        <source>保存磁盘 %1 已满，分段没有合并成一个文件。腾出约 %2 的可用空间后，可以手动合并这些分段。</source>
        <translation>Le disque d’enregistrement %1 est plein : les segments n’ont pas été réunis en un seul fichier. Une fois environ %2 d’espace libéré, vous pourrez réunir ces segments vous-même.</translation>
    </message>
</context>
<context>
    <name>RecordingSettingsDialog</name>
    <message>
        <source>录制性能设置</source>
        <translation>Performances d&apos;enregistrement</translation>
    </message>
    <message>
        <source>录制性能</source>
        <translation>Performances d&apos;enregistrement</translation>
    </message>
    <message>
        <source>选择用途，自动匹配参数</source>
        <translation>Choisissez un usage, les réglages suivent</translation>
    </message>
    <message>
        <source>预设</source>
        <translation>Préréglages</translation>
    </message>
    <message>
        <source>办公
文档、会议</source>
        <translation>Bureau
Documents, réunions</translation>
    </message>
    <message>
        <source>课程
文字清晰</source>
        <translation>Cours
Texte net</translation>
    </message>
    <message>
        <source>游戏
流畅优先</source>
        <translation>Jeu
Fluidité avant tout</translation>
    </message>
    <message>
        <source>高画质
细节优先</source>
        <translation>Haute qualité
Détails avant tout</translation>
    </message>
    <message>
        <source>高级设置  ▾</source>
        <translation>Réglages avancés  ▾</translation>
    </message>
    <message>
        <source>帧率</source>
        <translation>Fréquence d&apos;images</translation>
    </message>
    <message>
        <source>格式</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>画质</source>
        <translation>Qualité d&apos;image</translation>
    </message>
    <message>
        <source>帧率类型</source>
        <translation>Mode de fréquence d&apos;images</translation>
    </message>
    <message>
        <source>编码器</source>
        <translation>Encodeur</translation>
    </message>
    <message>
        <source>关键帧</source>
        <translation>Images clés</translation>
    </message>
    <message>
        <source>30 FPS（推荐）</source>
        <translation>30 FPS (recommandé)</translation>
    </message>
    <message>
        <source>标准</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>高清（推荐）</source>
        <translation>HD (recommandé)</translation>
    </message>
    <message>
        <source>超清</source>
        <translation>Ultra HD</translation>
    </message>
    <message>
        <source>自动（推荐）</source>
        <translation>Automatique (recommandé)</translation>
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
        <translation>MP4 (compatible)</translation>
    </message>
    <message>
        <source>MKV（易恢复）</source>
        <translation>MKV (facile à récupérer)</translation>
    </message>
    <message>
        <source>恒定（推荐）</source>
        <translation>Constante (recommandé)</translation>
    </message>
    <message>
        <source>可变（省空间）</source>
        <translation>Variable (économise l&apos;espace)</translation>
    </message>
    <message>
        <source>1 秒</source>
        <translation>1 s</translation>
    </message>
    <message>
        <source>2 秒（推荐）</source>
        <translation>2 s (recommandé)</translation>
    </message>
    <message>
        <source>5 秒</source>
        <translation>5 s</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>收起高级设置  ▴</source>
        <translation>Masquer les réglages avancés  ▴</translation>
    </message>
    <message>
        <source>高清</source>
        <translation>HD</translation>
    </message>
    <message>
        <source>CPU 编码</source>
        <translation>Encodage CPU</translation>
    </message>
    <message>
        <source>自动编码</source>
        <translation>Encodage automatique</translation>
    </message>
    <message>
        <source>GPU 编码</source>
        <translation>Encodage GPU</translation>
    </message>
    <message>
        <source>高性能模式</source>
        <translation>Mode haute performance</translation>
    </message>
    <message>
        <source>适合办公与课程</source>
        <translation>Idéal pour le bureau et les cours</translation>
    </message>
    <message>
        <source>适合游戏</source>
        <translation>Idéal pour les jeux</translation>
    </message>
    <message>
        <source>%1 · %2 · 关键帧 %3 秒</source>
        <translation>%1 · %2 · image clé toutes les %3 s</translation>
    </message>
    <message>
        <source>可变</source>
        <translation>Variable</translation>
    </message>
    <message>
        <source>恒定</source>
        <translation>Constante</translation>
    </message>
    <message>
        <source>%1 FPS · %2 · %3
%4 · %5</source>
        <translation>%1 FPS · %2 · %3
%4 · %5</translation>
    </message>
    <message>
        <source>当前显示器最高刷新率约为 %1 Hz</source>
        <translation>L&apos;écran le plus rapide se rafraîchit à environ %1 Hz</translation>
    </message>
    <message>
        <source>没有检测到可用的 H.264 GPU 硬件编码器</source>
        <translation>Aucun encodeur matériel GPU H.264 fonctionnel n&apos;a été trouvé</translation>
    </message>
    <message>
        <source>120 FPS 性能检查</source>
        <translation>Vérification des performances à 120 FPS</translation>
    </message>
    <message>
        <source>当前设备可能无法稳定录制 120 FPS：

• %1

建议自动调整为 60 FPS。录制期间仍会继续监测实际性能。</source>
        <translation>Cet appareil risque de ne pas enregistrer 120 FPS de façon stable :

• %1

Passer à 60 FPS est recommandé. Les performances réelles restent surveillées pendant l&apos;enregistrement.</translation>
    </message>
    <message>
        <source>自动改为 60 FPS</source>
        <translation>Passer à 60 FPS</translation>
    </message>
    <message>
        <source>仍然使用 120 FPS</source>
        <translation>Garder 120 FPS</translation>
    </message>
    <message>
        <source>返回设置</source>
        <translation>Retour aux réglages</translation>
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
    <message>
        <source>这个时间已经过去，请选择一个将来的时间。</source>
        <translation>Cette heure est déjà passée. Veuillez choisir une heure à venir.</translation>
    </message>
</context>
<context>
    <name>ScreenshotNotice</name>
    <message>
        <source>截图失败</source>
        <translation>Échec de la capture</translation>
    </message>
    <message>
        <source>无法截取画面。</source>
        <translation>Impossible de prendre l&apos;image.</translation>
    </message>
    <message>
        <source>无法保存截图：
%1
请检查文件夹的写入权限。</source>
        <translation>Impossible d’enregistrer la capture :
%1
Vérifiez que le dossier est accessible en écriture.</translation>
    </message>
    <message>
        <source>截图完成</source>
        <translation>Capture enregistrée</translation>
    </message>
    <message>
        <source>截图已保存到：
%1</source>
        <translation>La capture a été enregistrée dans :
%1</translation>
    </message>
    <message>
        <source>上一张截图仍在保存，请稍后再试。</source>
        <translation>Les captures précédentes sont encore en cours d&apos;enregistrement. Réessayez dans un instant.</translation>
    </message>
</context>
<context>
    <name>SegmentMerger</name>
    <message>
        <source>FFmpeg 停止了响应，分段没有合并。</source>
        <translation>FFmpeg a cessé de répondre : les segments n’ont pas été réunis.</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>设置</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>通用</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Fichiers</translation>
    </message>
    <message>
        <source>鼠标效果</source>
        <translation>Effets de souris</translation>
    </message>
    <message>
        <source>快捷键</source>
        <translation>Raccourcis</translation>
    </message>
    <message>
        <source>录制</source>
        <translation>Enregistrement</translation>
    </message>
    <message>
        <source>恢复默认设置</source>
        <translation>Rétablir les valeurs par défaut</translation>
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
        <source>保存设置</source>
        <translation>Enregistrer les réglages</translation>
    </message>
    <message>
        <source>保存目录无效或无法创建，请重新选择。</source>
        <translation>Le dossier d&apos;enregistrement n&apos;est pas valide ou ne peut pas être créé. Choisissez-en un autre.</translation>
    </message>
    <message>
        <source>每个全局快捷键只能包含一个组合，请重新设置。</source>
        <translation>Chaque raccourci global ne peut contenir qu&apos;une seule combinaison. Définissez-le à nouveau.</translation>
    </message>
    <message>
        <source>快捷键 %1 被重复使用，请为每个功能设置不同组合。</source>
        <translation>Le raccourci %1 est utilisé plusieurs fois. Donnez à chaque action sa propre combinaison.</translation>
    </message>
    <message>
        <source>快捷键设置</source>
        <translation>Réglages des raccourcis</translation>
    </message>
    <message>
        <source>设置写入失败，请检查当前用户的配置权限。</source>
        <translation>Les réglages n&apos;ont pas pu être enregistrés. Vérifiez que l&apos;utilisateur actuel peut écrire sa configuration.</translation>
    </message>
    <message>
        <source>开机时自动启动 Vistrelle</source>
        <translation>Lancer Vistrelle à l’ouverture de session</translation>
    </message>
    <message>
        <source>启动后最小化到系统托盘</source>
        <translation>Démarrer réduit dans la zone de notification</translation>
    </message>
    <message>
        <source>关闭按钮</source>
        <translation>Bouton de fermeture</translation>
    </message>
    <message>
        <source>最小化到系统托盘</source>
        <translation>Réduire dans la zone de notification</translation>
    </message>
    <message>
        <source>退出程序</source>
        <translation>Quitter le programme</translation>
    </message>
    <message>
        <source>每次询问我</source>
        <translation>Me demander à chaque fois</translation>
    </message>
    <message>
        <source>选择“每次询问我”时，每次关闭主窗口都会弹出选择窗口。以后仍可在这里修改。</source>
        <translation>Avec « Me demander à chaque fois », fermer la fenêtre principale demande toujours quoi faire. Vous pourrez le modifier ici plus tard.</translation>
    </message>
    <message>
        <source>诊断</source>
        <translation>Diagnostic</translation>
    </message>
    <message>
        <source>启用详细诊断日志</source>
        <translation>Activer la journalisation de diagnostic détaillée</translation>
    </message>
    <message>
        <source>日志保存在本机；重启后生效。</source>
        <translation>Les journaux restent sur cet ordinateur ; effectif après un redémarrage.</translation>
    </message>
    <message>
        <source>默认保存目录</source>
        <translation>Dossier d&apos;enregistrement par défaut</translation>
    </message>
    <message>
        <source>浏览…</source>
        <translation>Parcourir…</translation>
    </message>
    <message>
        <source>文件命名规则</source>
        <translation>Nommage des fichiers</translation>
    </message>
    <message>
        <source>日期 + 时间</source>
        <translation>Date + heure</translation>
    </message>
    <message>
        <source>Vistrelle + 日期时间</source>
        <translation>Vistrelle + date et heure</translation>
    </message>
    <message>
        <source>自动编号</source>
        <translation>Numérotation automatique</translation>
    </message>
    <message>
        <source>示例：2026-09-04_143022.mp4</source>
        <translation type="vanished">Exemple : 2026-09-04_143022.mp4</translation>
    </message>
    <message>
        <source>磁盘空间提醒</source>
        <translation>Alerte d&apos;espace disque</translation>
    </message>
    <message>
        <source>当磁盘剩余空间少于</source>
        <translation>Quand l&apos;espace disque libre est sous</translation>
    </message>
    <message>
        <source>时提醒我</source>
        <translation>m&apos;avertir</translation>
    </message>
    <message>
        <source>选择保存目录</source>
        <translation>Choisir le dossier d&apos;enregistrement</translation>
    </message>
    <message>
        <source>显示鼠标高亮</source>
        <translation>Mettre en évidence le pointeur</translation>
    </message>
    <message>
        <source>高亮颜色</source>
        <translation>Couleur de surbrillance</translation>
    </message>
    <message>
        <source>大小</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>透明度</source>
        <translation>Opacité</translation>
    </message>
    <message>
        <source>点击动画</source>
        <translation>Animation des clics</translation>
    </message>
    <message>
        <source>显示鼠标点击动画</source>
        <translation>Animer les clics de souris</translation>
    </message>
    <message>
        <source>左键点击</source>
        <translation>Clic gauche</translation>
    </message>
    <message>
        <source>右键点击</source>
        <translation>Clic droit</translation>
    </message>
    <message>
        <source>选择颜色</source>
        <translation>Choisir une couleur</translation>
    </message>
    <message>
        <source>点击选择颜色</source>
        <translation>Cliquer pour choisir une couleur</translation>
    </message>
    <message>
        <source>开始 / 停止录制</source>
        <translation>Démarrer / arrêter l&apos;enregistrement</translation>
    </message>
    <message>
        <source>暂停 / 继续录制</source>
        <translation>Suspendre / reprendre l&apos;enregistrement</translation>
    </message>
    <message>
        <source>截图（全屏 / 区域）</source>
        <translation>Capture d&apos;écran (plein écran / zone)</translation>
    </message>
    <message>
        <source>显示 / 隐藏悬浮工具栏</source>
        <translation>Afficher / masquer la barre d&apos;outils flottante</translation>
    </message>
    <message>
        <source>显示 / 隐藏注释工具栏</source>
        <translation>Afficher / masquer les outils d&apos;annotation</translation>
    </message>
    <message>
        <source>点击确定后保存，应用于下一次录制。</source>
        <translation>Enregistré en cliquant sur OK ; appliqué au prochain enregistrement.</translation>
    </message>
    <message>
        <source>录制预设</source>
        <translation>Préréglage d&apos;enregistrement</translation>
    </message>
    <message>
        <source>办公</source>
        <translation>Bureau</translation>
    </message>
    <message>
        <source>课程</source>
        <translation>Cours</translation>
    </message>
    <message>
        <source>游戏</source>
        <translation>Jeu</translation>
    </message>
    <message>
        <source>自定义</source>
        <translation>Personnalisé</translation>
    </message>
    <message>
        <source>标准</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>高清（推荐）</source>
        <translation>HD (recommandé)</translation>
    </message>
    <message>
        <source>超清</source>
        <translation>Ultra HD</translation>
    </message>
    <message>
        <source>自动（推荐）</source>
        <translation>Automatique (recommandé)</translation>
    </message>
    <message>
        <source>恒定（推荐）</source>
        <translation>Constante (recommandé)</translation>
    </message>
    <message>
        <source>可变</source>
        <translation>Variable</translation>
    </message>
    <message>
        <source>%1 秒</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>常用设置</source>
        <translation>Réglages courants</translation>
    </message>
    <message>
        <source>视频格式</source>
        <translation>Format vidéo</translation>
    </message>
    <message>
        <source>帧率</source>
        <translation>Fréquence d&apos;images</translation>
    </message>
    <message>
        <source>画质</source>
        <translation>Qualité d&apos;image</translation>
    </message>
    <message>
        <source>硬件加速</source>
        <translation>Accélération matérielle</translation>
    </message>
    <message>
        <source>高级设置 ▾</source>
        <translation>Réglages avancés ▾</translation>
    </message>
    <message>
        <source>帧率类型</source>
        <translation>Mode de fréquence d&apos;images</translation>
    </message>
    <message>
        <source>关键帧间隔</source>
        <translation>Intervalle d&apos;images clés</translation>
    </message>
    <message>
        <source>收起高级设置 ▴</source>
        <translation>Masquer les réglages avancés ▴</translation>
    </message>
    <message>
        <source>示例：%1</source>
        <translation>Exemple : %1</translation>
    </message>
</context>
<context>
    <name>SetupRecordingToolbar</name>
    <message>
        <source>Full Screen  ▾</source>
        <translation>Plein écran  ▾</translation>
    </message>
    <message>
        <source>Display 1</source>
        <translation>Écran 1</translation>
    </message>
    <message>
        <source>Webcam  ▾</source>
        <translation>Webcam  ▾</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>Speaker  ▾</source>
        <translation>Haut-parleur  ▾</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>Microphone  ▾</source>
        <translation>Microphone  ▾</translation>
    </message>
    <message>
        <source>Screenshot</source>
        <translation>Capture d&apos;écran</translation>
    </message>
    <message>
        <source>Auto Stop</source>
        <translation>Arrêt auto</translation>
    </message>
    <message>
        <source>Auto Split</source>
        <translation>Découpe auto</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Planifier</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Plein écran</translation>
    </message>
    <message>
        <source>Full Screen · Display %1</source>
        <translation>Plein écran · Écran %1</translation>
    </message>
    <message>
        <source>Custom Area</source>
        <translation>Zone libre</translation>
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
        <source>Custom Area  ▾</source>
        <translation>Zone libre  ▾</translation>
    </message>
    <message>
        <source>Window  ▾</source>
        <translation>Fenêtre  ▾</translation>
    </message>
    <message>
        <source>Game  ▾</source>
        <translation>Jeu  ▾</translation>
    </message>
    <message>
        <source>Audio Only  ▾</source>
        <translation>Audio seul  ▾</translation>
    </message>
    <message>
        <source>Start recording</source>
        <translation>Démarrer l&apos;enregistrement</translation>
    </message>
    <message>
        <source>Select a window before recording</source>
        <translation>Choisissez une fenêtre avant d&apos;enregistrer</translation>
    </message>
    <message>
        <source>Drag toolbar</source>
        <translation>Déplacer la barre d&apos;outils</translation>
    </message>
    <message>
        <source>Open menu</source>
        <translation>Ouvrir le menu</translation>
    </message>
</context>
<context>
    <name>StopRecordingDialog</name>
    <message>
        <source>Stop Recording</source>
        <translation>Arrêter l&apos;enregistrement</translation>
    </message>
    <message>
        <source>Stop this recording?</source>
        <translation>Arrêter cet enregistrement ?</translation>
    </message>
    <message>
        <source>Recorded</source>
        <translation>Enregistré</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
</context>
<context>
    <name>TimelineWidget</name>
    <message>
        <source>🎬 视频</source>
        <translation>🎬 Vidéo</translation>
    </message>
    <message>
        <source>🔊 系统音</source>
        <translation>🔊 Système</translation>
    </message>
    <message>
        <source>🎵 背景乐</source>
        <translation>🎵 Musique</translation>
    </message>
    <message>
        <source>📝 字幕</source>
        <translation>📝 Sous-titres</translation>
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
    <name>ToolDialog</name>
    <message>
        <source>音量</source>
        <translation type="vanished">Volume</translation>
    </message>
    <message>
        <source>音频</source>
        <translation type="vanished">Audio</translation>
    </message>
    <message>
        <source>速度</source>
        <translation type="vanished">vitesse</translation>
    </message>
    <message>
        <source>转换</source>
        <translation type="vanished">Convertir</translation>
    </message>
    <message>
        <source>信息</source>
        <translation type="vanished">Informations</translation>
    </message>
    <message>
        <source>取消</source>
        <translation type="vanished">Annuler</translation>
    </message>
    <message>
        <source>应用</source>
        <translation type="vanished">Appliquer</translation>
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
        <translation type="vanished">%1 fichiers</translation>
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
    <message>
        <source>正在生成波形…</source>
        <translation>Création de la forme d&apos;onde…</translation>
    </message>
    <message>
        <source>正在加载缩略图…</source>
        <translation>Chargement de la miniature…</translation>
    </message>
    <message>
        <source>音频文件</source>
        <translation>Fichier audio</translation>
    </message>
    <message>
        <source>无法加载缩略图</source>
        <translation>Miniature indisponible</translation>
    </message>
    <message>
        <source>移除声音</source>
        <translation>Couper le son</translation>
    </message>
    <message>
        <source>裁剪</source>
        <translation>Découper</translation>
    </message>
    <message>
        <source>分割</source>
        <translation>Scinder</translation>
    </message>
    <message>
        <source>截图</source>
        <translation>Capture</translation>
    </message>
    <message>
        <source>水印</source>
        <translation>Filigrane</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>更多</source>
        <translation>Plus</translation>
    </message>
    <message>
        <source>编辑与文件工具</source>
        <translation>Outils d&apos;édition et de fichier</translation>
    </message>
    <message>
        <source>裁剪视频</source>
        <translation>Découper la vidéo</translation>
    </message>
    <message>
        <source>拖动两侧滑块，选择保留的片段</source>
        <translation>Faites glisser les deux poignées pour choisir la partie à garder</translation>
    </message>
    <message>
        <source>Start Trimming...</source>
        <translation>Lancer la découpe...</translation>
    </message>
    <message>
        <source>分割点  %1</source>
        <translation>Point de scission  %1</translation>
    </message>
    <message>
        <source>将在 %1 处分割为两个%2片段</source>
        <translation type="vanished">Scinde en deux extraits (%2) à %1</translation>
    </message>
    <message>
        <source>选中时长  %1</source>
        <translation>Sélection  %1</translation>
    </message>
    <message>
        <source>Mute Selection</source>
        <translation>Couper le son de la sélection</translation>
    </message>
    <message>
        <source>预览画面效果</source>
        <translation>Aperçu de l&apos;effet d&apos;image</translation>
    </message>
    <message>
        <source>分割音频</source>
        <translation>Scinder l&apos;audio</translation>
    </message>
    <message>
        <source>分割视频</source>
        <translation>Scinder la vidéo</translation>
    </message>
    <message>
        <source>裁剪音频</source>
        <translation>Découper l&apos;audio</translation>
    </message>
    <message>
        <source>当前仅预览，点击保存后才会处理视频</source>
        <translation>Aperçu seulement : la vidéo est traitée quand vous cliquez sur Enregistrer</translation>
    </message>
    <message>
        <source>拖动黄色分割线，选择分割位置</source>
        <translation>Faites glisser la ligne jaune pour choisir où scinder</translation>
    </message>
    <message>
        <source>Save Muted Copy</source>
        <translation>Enregistrer une copie muette</translation>
    </message>
    <message>
        <source>开始分割</source>
        <translation>Lancer la scission</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>已设为无声</source>
        <translation>Son coupé</translation>
    </message>
    <message>
        <source>点击恢复原声</source>
        <translation>Cliquez pour rétablir le son</translation>
    </message>
    <message>
        <source>Mute audio in the selected range</source>
        <translation>Couper le son dans la plage sélectionnée</translation>
    </message>
    <message>
        <source>音量</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>调整音频音量</source>
        <translation>Régler le volume audio</translation>
    </message>
    <message>
        <source>Vistrelle 全屏播放</source>
        <translation>Vistrelle plein écran</translation>
    </message>
    <message>
        <source>截图不可用</source>
        <translation>Capture indisponible</translation>
    </message>
    <message>
        <source>视频画面尚未就绪，请先播放或移动到需要截图的位置。</source>
        <translation>L&apos;image de la vidéo n&apos;est pas encore prête. Lisez la vidéo ou placez-vous d&apos;abord au moment à capturer.</translation>
    </message>
    <message>
        <source>截图完成</source>
        <translation>Capture enregistrée</translation>
    </message>
    <message>
        <source>截图已保存到：
%1</source>
        <translation>La capture a été enregistrée dans :
%1</translation>
    </message>
    <message>
        <source>正在保存媒体文件，请稍候…</source>
        <translation>Enregistrement du fichier multimédia, veuillez patienter…</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>正在保存</source>
        <translation>Enregistrement</translation>
    </message>
    <message>
        <source>编辑失败</source>
        <translation>Échec de la modification</translation>
    </message>
    <message>
        <source>无法启动 FFmpeg。</source>
        <translation>Impossible de démarrer FFmpeg.</translation>
    </message>
    <message>
        <source>无法分割</source>
        <translation>Scission impossible</translation>
    </message>
    <message>
        <source>请将播放位置移动到音频中间。</source>
        <translation>Placez la position de lecture au milieu de l&apos;audio.</translation>
    </message>
    <message>
        <source>请将播放位置移动到视频中间。</source>
        <translation>Placez la position de lecture au milieu de la vidéo.</translation>
    </message>
    <message>
        <source>分割失败</source>
        <translation>Échec de la scission</translation>
    </message>
    <message>
        <source>FFmpeg 没有写出分割后的文件。</source>
        <translation>FFmpeg n&apos;a pas écrit les fichiers scindés.</translation>
    </message>
    <message>
        <source>分割完成</source>
        <translation>Scission terminée</translation>
    </message>
    <message>
        <source>已生成两个音频片段。</source>
        <translation>Deux extraits audio ont été créés.</translation>
    </message>
    <message>
        <source>已生成两个视频片段。</source>
        <translation>Deux extraits vidéo ont été créés.</translation>
    </message>
    <message>
        <source>保存失败</source>
        <translation>Échec de l&apos;enregistrement</translation>
    </message>
    <message>
        <source>无法替换原文件，原文件已保留。</source>
        <translation>Impossible de remplacer le fichier d&apos;origine ; il a été conservé.</translation>
    </message>
    <message>
        <source>保存完成</source>
        <translation>Enregistré</translation>
    </message>
    <message>
        <source>音频已保存：
%1</source>
        <translation>L&apos;audio a été enregistré :
%1</translation>
    </message>
    <message>
        <source>视频已保存：
%1</source>
        <translation>La vidéo a été enregistrée :
%1</translation>
    </message>
    <message>
        <source>正在处理媒体文件…</source>
        <translation>Traitement du fichier multimédia…</translation>
    </message>
    <message>
        <source>处理失败</source>
        <translation>Échec du traitement</translation>
    </message>
    <message>
        <source>操作已完成。</source>
        <translation>L&apos;opération est terminée.</translation>
    </message>
    <message>
        <source>文件已保存：
%1</source>
        <translation>Le fichier a été enregistré :
%1</translation>
    </message>
    <message>
        <source>旋转 90°</source>
        <translation>Rotation de 90°</translation>
    </message>
    <message>
        <source>水平翻转</source>
        <translation>Retourner horizontalement</translation>
    </message>
    <message>
        <source>垂直翻转</source>
        <translation>Retourner verticalement</translation>
    </message>
    <message>
        <source>调整播放速度</source>
        <translation>Vitesse de lecture</translation>
    </message>
    <message>
        <source>调整音量</source>
        <translation>Régler le volume</translation>
    </message>
    <message>
        <source>提取音频</source>
        <translation>Extraire l&apos;audio</translation>
    </message>
    <message>
        <source>另存为 / 转换格式</source>
        <translation>Enregistrer sous / Convertir</translation>
    </message>
    <message>
        <source>未知</source>
        <translation>Inconnu</translation>
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
        <translation type="vanished">Format : %1
Codec : %2
Fréquence d&apos;échantillonnage : %3 Hz
Canaux : %4
Débit : %5 kbit/s
Durée : %6
Taille : %7
Créé le : %8
Dossier : %9</translation>
    </message>
    <message>
        <source>格式：%1
分辨率：%2 × %3
帧率：%4 fps
时长：%5
大小：%6
创建时间：%7
保存路径：%8</source>
        <translation type="vanished">Format : %1
Résolution : %2 × %3
Fréquence d&apos;images : %4 ips
Durée : %5
Taille : %6
Créé le : %7
Dossier : %8</translation>
    </message>
    <message>
        <source>速度</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>转换</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <source>信息</source>
        <translation>Informations</translation>
    </message>
    <message>
        <source>应用</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>播放速度</source>
        <translation>Vitesse de lecture</translation>
    </message>
    <message>
        <source>调整预览速度，也可生成变速视频</source>
        <translation>Changez la vitesse d&apos;aperçu ou créez une copie accélérée ou ralentie</translation>
    </message>
    <message>
        <source>选择速度</source>
        <translation>Choisissez une vitesse</translation>
    </message>
    <message>
        <source>Normal (1×)</source>
        <translation>Normale (1×)</translation>
    </message>
    <message>
        <source>0.5× 慢速    1× 原速    1.5× / 2× 加速</source>
        <translation>0.5× plus lent    1× d&apos;origine    1.5× / 2× plus rapide</translation>
    </message>
    <message>
        <source>变速完成</source>
        <translation>Vitesse modifiée</translation>
    </message>
    <message>
        <source>预览并输出新的音量电平</source>
        <translation>Écoutez un nouveau niveau de volume et créez une copie avec celui-ci</translation>
    </message>
    <message>
        <source>静音</source>
        <translation>Muet</translation>
    </message>
    <message>
        <source>音量调整完成</source>
        <translation>Volume réglé</translation>
    </message>
    <message>
        <source>从视频中提取音轨，保存为音频文件</source>
        <translation>Enregistrez la piste audio de la vidéo dans un fichier audio</translation>
    </message>
    <message>
        <source>提取</source>
        <translation>Extraire</translation>
    </message>
    <message>
        <source>输出格式</source>
        <translation>Format de sortie</translation>
    </message>
    <message>
        <source>音质</source>
        <translation>Qualité audio</translation>
    </message>
    <message>
        <source>高质量（320 kbps）</source>
        <translation>Haute (320 kbit/s)</translation>
    </message>
    <message>
        <source>标准（192 kbps）</source>
        <translation>Standard (192 kbit/s)</translation>
    </message>
    <message>
        <source>压缩（128 kbps）</source>
        <translation>Compacte (128 kbit/s)</translation>
    </message>
    <message>
        <source>音频提取完成</source>
        <translation>Audio extrait</translation>
    </message>
    <message>
        <source>选择输出格式并保留原始文件</source>
        <translation>Choisissez le format de sortie ; le fichier d&apos;origine est conservé</translation>
    </message>
    <message>
        <source>导出</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>画质</source>
        <translation>Qualité d&apos;image</translation>
    </message>
    <message>
        <source>高质量</source>
        <translation>Haute</translation>
    </message>
    <message>
        <source>标准</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>压缩</source>
        <translation>Compacte</translation>
    </message>
    <message>
        <source>转换完成</source>
        <translation>Conversion terminée</translation>
    </message>
    <message>
        <source>修改文件名，扩展名保持不变</source>
        <translation>Modifiez le nom du fichier ; l&apos;extension est conservée</translation>
    </message>
    <message>
        <source>新文件名</source>
        <translation>Nouveau nom de fichier</translation>
    </message>
    <message>
        <source>名称无效</source>
        <translation>Nom non valide</translation>
    </message>
    <message>
        <source>文件名为空或包含无效字符。</source>
        <translation>Le nom de fichier est vide ou contient des caractères non autorisés.</translation>
    </message>
    <message>
        <source>重命名失败</source>
        <translation>Échec du renommage</translation>
    </message>
    <message>
        <source>目标文件已存在或文件正在被占用。</source>
        <translation>Un fichier de ce nom existe déjà ou le fichier est en cours d&apos;utilisation.</translation>
    </message>
    <message>
        <source>查看音频文件的详细信息</source>
        <translation>Détails du fichier audio</translation>
    </message>
    <message>
        <source>查看视频文件的详细信息</source>
        <translation>Détails du fichier vidéo</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>复制信息</source>
        <translation>Copier les détails</translation>
    </message>
    <message>
        <source>无法在视频目录创建临时文件，请检查写入权限。</source>
        <translation>Impossible de créer un fichier temporaire dans le dossier de la vidéo. Vérifiez que le dossier est accessible en écriture.</translation>
    </message>
    <message>
        <source>无法写入水印文字。</source>
        <translation>Impossible d&apos;écrire le texte du filigrane.</translation>
    </message>
    <message>
        <source>正在添加水印，原视频保持不变…</source>
        <translation>Ajout du filigrane ; la vidéo d&apos;origine reste inchangée…</translation>
    </message>
    <message>
        <source>无法保存水印副本，原视频未修改。</source>
        <translation>Impossible d&apos;enregistrer la copie avec filigrane. La vidéo d&apos;origine n&apos;a pas été modifiée.</translation>
    </message>
    <message>
        <source>无法生成水印副本，原视频未修改。</source>
        <translation>Impossible de créer la copie avec filigrane. La vidéo d&apos;origine n&apos;a pas été modifiée.</translation>
    </message>
    <message>
        <source>将在 %1 处分割为两个音频片段</source>
        <translation>Scinde en deux extraits audio à %1</translation>
    </message>
    <message>
        <source>将在 %1 处分割为两个视频片段</source>
        <translation>Scinde en deux extraits vidéo à %1</translation>
    </message>
    <message numerus="yes">
        <source>%n 个文件</source>
        <translation>
            <numerusform>%n fichier</numerusform>
            <numerusform>%n fichiers</numerusform>
        </translation>
    </message>
    <message>
        <source>截图失败</source>
        <translation>Échec de la capture</translation>
    </message>
    <message>
        <source>无法保存截图：
%1
请检查文件夹的写入权限。</source>
        <translation>Impossible d’enregistrer la capture :
%1
Vérifiez que le dossier est accessible en écriture.</translation>
    </message>
    <message>
        <source>已有同名文件：
%1</source>
        <translation>Un fichier de ce nom existe déjà :
%1</translation>
    </message>
    <message>
        <source>没有写入此文件夹的权限：
%1</source>
        <translation>Aucune autorisation d’écrire dans ce dossier :
%1</translation>
    </message>
    <message>
        <source>文件名不能包含字符 %1</source>
        <translation>Un nom de fichier ne peut pas contenir le caractère %1</translation>
    </message>
    <message>
        <source>文件为空</source>
        <translation>Le fichier est vide</translation>
    </message>
    <message>
        <source>格式：%1
分辨率：%2
帧率：%3
时长：%4
大小：%5
创建时间：%6
保存路径：%7</source>
        <translation>Format : %1
Résolution : %2
Fréquence d&apos;images : %3
Durée : %4
Taille : %5
Créé le : %6
Dossier : %7</translation>
    </message>
    <message>
        <source>文件不存在</source>
        <translation>Fichier introuvable</translation>
    </message>
    <message>
        <source>“%1”已被移动或删除，已从列表中移除。</source>
        <translation>« %1 » n&apos;existe plus : il a été déplacé ou supprimé. Il a été retiré de la liste.</translation>
    </message>
    <message>
        <source>文件名过长，请缩短后再试。</source>
        <translation>Le nom de fichier est trop long. Raccourcissez-le et réessayez.</translation>
    </message>
    <message>
        <source>无法检查这个文件是否可用：%1</source>
        <translation>Impossible de vérifier si ce fichier est utilisable : %1</translation>
    </message>
    <message>
        <source>正在读取文件信息…</source>
        <translation>Lecture des informations du fichier…</translation>
    </message>
    <message>
        <source>无法读取此文件的信息</source>
        <translation>Impossible de lire les informations de ce fichier</translation>
    </message>
    <message>
        <source>此文件没有声音</source>
        <translation>Ce fichier n&apos;a pas de son</translation>
    </message>
    <message>
        <source>%1 Hz</source>
        <translation>%1 Hz</translation>
    </message>
    <message>
        <source>%1 kbps</source>
        <translation>%1 kbit/s</translation>
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
        <translation>Format : %1
Codec : %2
Fréquence d&apos;échantillonnage : %3
Canaux : %4
Débit : %5
Durée : %6
Taille : %7
Créé le : %8
Dossier : %9</translation>
    </message>
    <message>
        <source>时长未知</source>
        <translation>Durée inconnue</translation>
    </message>
    <message>
        <source>声道未知</source>
        <translation>Canaux inconnus</translation>
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
<context>
    <name>WatermarkProgressDialog</name>
    <message>
        <source>正在添加水印</source>
        <translation>Ajout du filigrane</translation>
    </message>
    <message>
        <source>正在保存录制</source>
        <translation>Enregistrement du fichier</translation>
    </message>
    <message>
        <source>正在处理视频，请稍候…</source>
        <translation>Traitement de la vidéo, veuillez patienter…</translation>
    </message>
    <message>
        <source>正在处理录制文件，请稍候…</source>
        <translation>Traitement de l&apos;enregistrement en cours…</translation>
    </message>
    <message>
        <source>正在处理 %1 / %2</source>
        <translation>Traitement %1 sur %2</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>正在取消…</source>
        <translation>Annulation…</translation>
    </message>
    <message>
        <source>正在安全取消水印处理…</source>
        <translation>Annulation sécurisée du filigrane…</translation>
    </message>
</context>
<context>
    <name>vc::CloseBehaviorDialog</name>
    <message>
        <source>关闭 Vistrelle</source>
        <translation>Fermer Vistrelle</translation>
    </message>
    <message>
        <source>关闭窗口后要做什么？</source>
        <translation>Que faire à la fermeture de la fenêtre ?</translation>
    </message>
    <message>
        <source>最小化到托盘</source>
        <translation>Réduire dans la zone de notification</translation>
    </message>
    <message>
        <source>退出 Vistrelle</source>
        <translation>Quitter Vistrelle</translation>
    </message>
    <message>
        <source>记住我的选择，下次不再询问</source>
        <translation>Mémoriser mon choix et ne plus demander</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
</context>
</TS>

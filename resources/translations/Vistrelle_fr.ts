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
    <name>Recorder</name>
    <message>
        <source>无法创建文件夹：%1</source>
        <translation>Impossible de créer le dossier : %1</translation>
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

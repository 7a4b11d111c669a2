<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt" sourcelanguage="zh_CN">
<context>
    <name>GlobalHotkey</name>
    <message>
        <source>%1（不支持的按键）</source>
        <translation>%1 (tecla não suportada)</translation>
    </message>
</context>
<context>
    <name>LinkManager</name>
    <message>
        <source>Unable to open browser</source>
        <translation>Não foi possível abrir o navegador</translation>
    </message>
    <message>
        <source>Unable to open the default browser.

Please visit this link manually:
%1</source>
        <translation>Não foi possível abrir o navegador padrão.

Visite este link manualmente:
%1</translation>
    </message>
    <message>
        <source>Link unavailable</source>
        <translation>Link indisponível</translation>
    </message>
    <message>
        <source>The requested page link is not configured.</source>
        <translation>O link da página solicitada não está configurado.</translation>
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
        <translation>Não é possível criar a pasta: %1</translation>
    </message>
</context>
<context>
    <name>RecordingFinalizer</name>
    <message>
        <source>正在使用兼容编码器重新添加水印…</source>
        <translation>Adicionando a marca d&apos;água novamente com um codificador compatível…</translation>
    </message>
    <message>
        <source>正在添加水印…</source>
        <translation>Adicionando a marca d&apos;água…</translation>
    </message>
    <message>
        <source>没有可保存的录制分段。</source>
        <translation>Não há segmentos gravados para salvar.</translation>
    </message>
    <message>
        <source>正在准备录制文件…</source>
        <translation>Preparando o arquivo de gravação…</translation>
    </message>
    <message>
        <source>正在安全合并录制分段…</source>
        <translation>Mesclando com segurança os segmentos gravados…</translation>
    </message>
    <message>
        <source>已取消添加水印，已保留无水印原视频。</source>
        <translation>A marca d&apos;água foi cancelada; o vídeo original sem marca d&apos;água foi mantido.</translation>
    </message>
    <message>
        <source>水印处理失败，已保留并保存无水印原视频，录制内容没有丢失。</source>
        <translation>Falha ao adicionar a marca d&apos;água. O vídeo original sem marca d&apos;água foi mantido e salvo; nada da gravação foi perdido.</translation>
    </message>
    <message>
        <source>找不到等待添加水印的录制文件。</source>
        <translation>Não foi possível encontrar o arquivo de gravação que aguarda a marca d&apos;água.</translation>
    </message>
    <message>
        <source>正在安全取消水印处理…</source>
        <translation>Cancelando a marca d&apos;água com segurança…</translation>
    </message>
    <message>
        <source>目标文件已存在且无法安全备份；合并结果仍保留在临时文件中。</source>
        <translation>O arquivo de destino já existe e não pode ser copiado com segurança; o resultado da mesclagem continua no arquivo temporário.</translation>
    </message>
    <message>
        <source>录制后处理已完成，但无法写入最终文件；结果仍保留在临时文件中。</source>
        <translation>O processamento da gravação terminou, mas o arquivo final não pode ser gravado; o resultado continua no arquivo temporário.</translation>
    </message>
    <message>
        <source>同名的原有文件没有被覆盖，已保留为：
%1</source>
        <translation>O arquivo existente com o mesmo nome não foi substituído; ele foi mantido como:
%1</translation>
    </message>
    <message>
        <source>
可恢复的后处理文件：%1</source>
        <translation>
Arquivo processado recuperável: %1</translation>
    </message>
    <message>
        <source>录制后处理失败。为避免录像丢失，原始分段或可恢复文件已保留在：
%1%2

%3</source>
        <translation>O processamento da gravação falhou. Para que nada seja perdido, os segmentos originais ou arquivos recuperáveis foram mantidos em:
%1%2

%3</translation>
    </message>
</context>
<context>
    <name>WasapiLoopbackCapture</name>
    <message>
        <source>WASAPI 回环录音仅支持 Windows。</source>
        <translation>A gravação de loopback WASAPI só é suportada no Windows.</translation>
    </message>
</context>
<context>
    <name>WasapiMicrophoneCapture</name>
    <message>
        <source>WASAPI microphone capture is only supported on Windows.</source>
        <translation>A captura de microfone WASAPI só é suportada no Windows.</translation>
    </message>
</context>
</TS>

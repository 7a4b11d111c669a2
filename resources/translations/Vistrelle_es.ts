<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="zh_CN">
<context>
    <name>GlobalHotkey</name>
    <message>
        <source>%1（不支持的按键）</source>
        <translation>%1 (tecla no compatible)</translation>
    </message>
</context>
<context>
    <name>LinkManager</name>
    <message>
        <source>Unable to open browser</source>
        <translation>No se puede abrir el navegador</translation>
    </message>
    <message>
        <source>Unable to open the default browser.

Please visit this link manually:
%1</source>
        <translation>No se puede abrir el navegador predeterminado.

Visite este enlace manualmente:
%1</translation>
    </message>
    <message>
        <source>Link unavailable</source>
        <translation>Enlace no disponible</translation>
    </message>
    <message>
        <source>The requested page link is not configured.</source>
        <translation>El enlace de la página solicitada no está configurado.</translation>
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
        <translation>No se puede crear la carpeta: %1</translation>
    </message>
</context>
<context>
    <name>RecordingFinalizer</name>
    <message>
        <source>正在使用兼容编码器重新添加水印…</source>
        <translation>Volviendo a añadir la marca de agua con un codificador compatible…</translation>
    </message>
    <message>
        <source>正在添加水印…</source>
        <translation>Añadiendo la marca de agua…</translation>
    </message>
    <message>
        <source>没有可保存的录制分段。</source>
        <translation>No hay segmentos grabados que guardar.</translation>
    </message>
    <message>
        <source>正在准备录制文件…</source>
        <translation>Preparando el archivo de grabación…</translation>
    </message>
    <message>
        <source>正在安全合并录制分段…</source>
        <translation>Uniendo de forma segura los segmentos grabados…</translation>
    </message>
    <message>
        <source>已取消添加水印，已保留无水印原视频。</source>
        <translation>Se canceló la marca de agua; se ha conservado el vídeo original sin marca de agua.</translation>
    </message>
    <message>
        <source>水印处理失败，已保留并保存无水印原视频，录制内容没有丢失。</source>
        <translation>No se pudo añadir la marca de agua. Se ha conservado y guardado el vídeo original sin marca de agua; no se ha perdido nada de la grabación.</translation>
    </message>
    <message>
        <source>找不到等待添加水印的录制文件。</source>
        <translation>No se encuentra el archivo de grabación pendiente de la marca de agua.</translation>
    </message>
    <message>
        <source>正在安全取消水印处理…</source>
        <translation>Cancelando la marca de agua de forma segura…</translation>
    </message>
    <message>
        <source>目标文件已存在且无法安全备份；合并结果仍保留在临时文件中。</source>
        <translation>El archivo de destino ya existe y no se puede respaldar de forma segura; el resultado de la unión sigue en el archivo temporal.</translation>
    </message>
    <message>
        <source>录制后处理已完成，但无法写入最终文件；结果仍保留在临时文件中。</source>
        <translation>El procesamiento de la grabación ha terminado, pero no se puede escribir el archivo final; el resultado sigue en el archivo temporal.</translation>
    </message>
    <message>
        <source>同名的原有文件没有被覆盖，已保留为：
%1</source>
        <translation>El archivo existente con el mismo nombre no se ha sobrescrito; se ha conservado como:
%1</translation>
    </message>
    <message>
        <source>
可恢复的后处理文件：%1</source>
        <translation>
Archivo procesado recuperable: %1</translation>
    </message>
    <message>
        <source>录制后处理失败。为避免录像丢失，原始分段或可恢复文件已保留在：
%1%2

%3</source>
        <translation>Falló el procesamiento de la grabación. Para no perder nada, los segmentos originales o los archivos recuperables se han conservado en:
%1%2

%3</translation>
    </message>
</context>
<context>
    <name>WasapiLoopbackCapture</name>
    <message>
        <source>WASAPI 回环录音仅支持 Windows。</source>
        <translation>La grabación de bucle invertido WASAPI solo es compatible con Windows.</translation>
    </message>
</context>
<context>
    <name>WasapiMicrophoneCapture</name>
    <message>
        <source>WASAPI microphone capture is only supported on Windows.</source>
        <translation>La captura de micrófono WASAPI solo es compatible con Windows.</translation>
    </message>
</context>
</TS>

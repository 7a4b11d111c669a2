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
    <name>QObject</name>
    <message>
        <source>播放失败</source>
        <translation>Error de reproducción</translation>
    </message>
    <message>
        <source>文件不存在：%1</source>
        <translation>No se encuentra el archivo: %1</translation>
    </message>
    <message>
        <source>没有打开可播放文件</source>
        <translation>No hay ningún archivo reproducible abierto</translation>
    </message>
</context>
<context>
    <name>Recorder</name>
    <message>
        <source>无法创建文件夹：%1</source>
        <translation>No se puede crear la carpeta: %1</translation>
    </message>
    <message>
        <source>正在强制使用 CPU 录制 4K 30 FPS；已启用最快编码预设并将码率提高到 %1 kbps。</source>
        <translation>Grabación 4K a 30 FPS forzada en la CPU; se activó el preajuste de codificación más rápido y la tasa de bits se elevó a %1 kbps.</translation>
    </message>
    <message>
        <source>未检测到可用的硬件编码器，已将输出缩放为 %1 × %2、30 FPS。</source>
        <translation>No se encontró ningún codificador por hardware utilizable; la salida se escaló a %1 × %2 a 30 FPS.</translation>
    </message>
    <message>
        <source>4K 当前只能使用 CPU 编码，已采用更容易实时处理的 15 FPS。</source>
        <translation>Por ahora el 4K solo puede codificarse en la CPU; se usan 15 FPS, más fáciles de procesar en tiempo real.</translation>
    </message>
    <message>
        <source>请至少开启系统声音或麦克风。</source>
        <translation>Activa al menos el audio del sistema o el micrófono.</translation>
    </message>
    <message>
        <source>系统声音录制需要 macOS 13 或更高版本。</source>
        <translation>Grabar el audio del sistema requiere macOS 13 o posterior.</translation>
    </message>
    <message>
        <source>没有找到所选麦克风，请重新选择输入设备。</source>
        <translation>No se encontró el micrófono seleccionado. Vuelve a elegir el dispositivo de entrada.</translation>
    </message>
    <message>
        <source>保存磁盘剩余空间不足 %1 GB，请清理空间或更换保存目录。</source>
        <translation>Quedan menos de %1 GB libres en el disco de guardado. Libera espacio o elige otra carpeta.</translation>
    </message>
    <message>
        <source>无法捕获系统声音：%1</source>
        <translation>No se puede capturar el audio del sistema: %1</translation>
    </message>
    <message>
        <source>FFmpeg 启动失败。请确认 ffmpeg 已放到程序目录或系统 PATH。
%1</source>
        <translation>FFmpeg no pudo iniciarse. Comprueba que ffmpeg esté en la carpeta del programa o en el PATH del sistema.
%1</translation>
    </message>
    <message>
        <source>无法启动不含工具栏的屏幕录制：%1</source>
        <translation>No se puede iniciar la grabación de pantalla sin la barra de herramientas: %1</translation>
    </message>
    <message>
        <source>无法删除已丢弃录制的临时文件：%1</source>
        <translation>No se pueden eliminar los archivos temporales de la grabación descartada: %1</translation>
    </message>
    <message>
        <source>FFmpeg 被 SIGKILL 信号终止；编码进度日志没有说明终止原因。</source>
        <translation>FFmpeg fue terminado por SIGKILL; su registro de progreso no indica el motivo.</translation>
    </message>
    <message>
        <source>FFmpeg 没有输出具体错误信息。</source>
        <translation>FFmpeg no informó de ningún error concreto.</translation>
    </message>
    <message>
        <source>硬件编码器 %1 无法处理当前采集规格，已自动切换到 CPU 编码。</source>
        <translation>El codificador por hardware %1 no puede con la captura actual; se cambió automáticamente a codificación por CPU.</translation>
    </message>
    <message>
        <source>DXGI 高性能采集不可用，已自动切换到 GDI 兼容模式。</source>
        <translation>La captura DXGI de alto rendimiento no está disponible; se cambió al modo de compatibilidad GDI.</translation>
    </message>
    <message>
        <source>录制进程意外结束。分段已保留在：
%1</source>
        <translation>El proceso de grabación terminó de forma inesperada. Los segmentos se conservaron en:
%1</translation>
    </message>
    <message>
        <source>录制分段异常，退出码=%1。已生成的分段仍保留在：
%2
%3</source>
        <translation>Falló un segmento de la grabación, código de salida=%1. Los segmentos creados se conservan en:
%2
%3</translation>
    </message>
    <message>
        <source>分段已保留在：
%1</source>
        <translation type="vanished">Los segmentos se conservaron en:
%1</translation>
    </message>
    <message>
        <source>Camera preview is not ready.</source>
        <translation>La vista previa de la cámara no está lista.</translation>
    </message>
    <message>
        <source>没有有效的窗口录制目标。</source>
        <translation>No hay ninguna ventana válida para grabar.</translation>
    </message>
    <message>
        <source>窗口捕获启动失败：%1</source>
        <translation>No se pudo iniciar la captura de la ventana: %1</translation>
    </message>
    <message>
        <source>窗口捕获启动失败或目标窗口没有产生画面。</source>
        <translation>La captura de la ventana no se inició o la ventana no produjo ninguna imagen.</translation>
    </message>
    <message>
        <source>实际编码速度或有效帧率持续低于 120 FPS 要求</source>
        <translation>La velocidad de codificación o la tasa de fotogramas efectiva sigue por debajo de los 120 FPS requeridos</translation>
    </message>
    <message>
        <source>设备持续无法稳定达到 60 FPS，建议下次使用 30 FPS 或硬件编码。</source>
        <translation>Este equipo no logra mantener 60 FPS estables. La próxima vez usa 30 FPS o codificación por hardware.</translation>
    </message>
    <message>
        <source>屏幕采集持续低于 30 FPS 要求，建议关闭高负载程序或改用 720p 录制。</source>
        <translation>La captura de pantalla sigue por debajo de los 30 FPS. Cierra los programas exigentes o graba en 720p.</translation>
    </message>
    <message>
        <source>Screen capture is still dropping frames. Switched to 720p for smoother recording.</source>
        <translation>La captura de pantalla sigue perdiendo fotogramas. Se cambió a 720p para una grabación más fluida.</translation>
    </message>
    <message>
        <source>屏幕采集持续掉帧，已自动切换到 1080p 以保持录制流畅。</source>
        <translation>La captura de pantalla pierde fotogramas continuamente; se cambió a 1080p para mantener la grabación fluida.</translation>
    </message>
    <message>
        <source>录制的窗口已不可用，画面停留在最后一帧：%1</source>
        <translation>La ventana grabada ya no está disponible; la imagen se queda en su último fotograma: %1</translation>
    </message>
    <message>
        <source>这个文件名之前的录制分段仍保留在：
%1
请先移走这些分段，或换一个文件名后再录制。</source>
        <translation>Todavía se conservan segmentos de una grabación anterior con este nombre de archivo en:
%1
Mueva esos segmentos o elija otro nombre de archivo y vuelva a grabar.</translation>
    </message>
    <message>
        <source>最后一个录制分段无法读取，没有合并进录像，已保留在：
%1</source>
        <translation>No se pudo leer el último segmento grabado y no se ha unido a la grabación. Se ha conservado en:
%1</translation>
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
    <name>VideoListDialog</name>
    <message>
        <source>媒体库</source>
        <translation>Biblioteca multimedia</translation>
    </message>
    <message>
        <source>搜索录制文件...</source>
        <translation>Buscar grabaciones...</translation>
    </message>
    <message>
        <source>全部</source>
        <translation>Todo</translation>
    </message>
    <message>
        <source>视频</source>
        <translation>Vídeo</translation>
    </message>
    <message>
        <source>音频</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>正在加载媒体文件…</source>
        <translation>Cargando archivos multimedia…</translation>
    </message>
    <message>
        <source>%1 个文件</source>
        <translation>%1 archivos</translation>
    </message>
    <message>
        <source>播放失败</source>
        <translation>Error de reproducción</translation>
    </message>
    <message>
        <source>请选择一个媒体文件</source>
        <translation>Seleccione un archivo multimedia</translation>
    </message>
    <message>
        <source>打开文件夹</source>
        <translation>Abrir carpeta</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>全屏播放（F）</source>
        <translation>Reproducir a pantalla completa (F)</translation>
    </message>
    <message>
        <source>全屏播放</source>
        <translation>Reproducir a pantalla completa</translation>
    </message>
    <message>
        <source>采样率未知</source>
        <translation>Frecuencia de muestreo desconocida</translation>
    </message>
    <message>
        <source>单声道</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>双声道</source>
        <translation>Estéreo</translation>
    </message>
    <message>
        <source>%1 声道</source>
        <translation>%1 canales</translation>
    </message>
    <message>
        <source>暂停</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>播放</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>暂停媒体</source>
        <translation>Pausar el medio</translation>
    </message>
    <message>
        <source>播放媒体</source>
        <translation>Reproducir el medio</translation>
    </message>
    <message>
        <source>暂无媒体文件</source>
        <translation>Aún no hay archivos multimedia</translation>
    </message>
    <message>
        <source>没有匹配的媒体文件</source>
        <translation>No hay archivos multimedia que coincidan</translation>
    </message>
    <message>
        <source>重命名文件</source>
        <translation>Cambiar nombre del archivo</translation>
    </message>
    <message>
        <source>Copy File Path</source>
        <translation>Copiar ruta del archivo</translation>
    </message>
    <message>
        <source>查看文件信息</source>
        <translation>Información del archivo</translation>
    </message>
    <message>
        <source>删除音频</source>
        <translation>Eliminar audio</translation>
    </message>
    <message>
        <source>删除视频</source>
        <translation>Eliminar vídeo</translation>
    </message>
    <message>
        <source>确定永久删除“%1”吗？</source>
        <translation>¿Eliminar «%1» de forma permanente?</translation>
    </message>
    <message>
        <source>删除失败</source>
        <translation>Error al eliminar</translation>
    </message>
    <message>
        <source>文件正在使用或没有删除权限。</source>
        <translation>El archivo está en uso o no tiene permiso para eliminarlo.</translation>
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

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="zh_CN">
<context>
    <name>AutoSplitDialog</name>
    <message>
        <source>自动分割设置</source>
        <translation>Ajustes de división automática</translation>
    </message>
    <message>
        <source>录制时按指定条件自动切分为多个文件</source>
        <translation>Dividir la grabación en varios archivos según una condición</translation>
    </message>
    <message>
        <source>按录制时长</source>
        <translation>Por duración</translation>
    </message>
    <message>
        <source>适合会议、课程等长时间录制</source>
        <translation>Para grabaciones largas como reuniones y clases</translation>
    </message>
    <message>
        <source>分钟</source>
        <translation>min</translation>
    </message>
    <message>
        <source>按文件大小</source>
        <translation>Por tamaño de archivo</translation>
    </message>
    <message>
        <source>便于上传、传输或分段保存</source>
        <translation>Más fácil de subir, transferir o guardar por partes</translation>
    </message>
    <message>
        <source>✓  无缝切分</source>
        <translation>✓  División sin cortes</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>将每 %1 分钟自动保存为一个新文件</source>
        <translation>Se guarda un archivo nuevo cada %1 minutos</translation>
    </message>
    <message>
        <source>文件达到 %1 MB 时自动切分并保存</source>
        <translation>El archivo se divide y se guarda al llegar a %1 MB</translation>
    </message>
</context>
<context>
    <name>AutoStopDialog</name>
    <message>
        <source>自动停止设置</source>
        <translation>Ajustes de detención automática</translation>
    </message>
    <message>
        <source>录制达到指定条件时自动停止并保存文件。</source>
        <translation>La grabación se detiene y se guarda el archivo al cumplirse una condición.</translation>
    </message>
    <message>
        <source>停止条件</source>
        <translation>Condición de detención</translation>
    </message>
    <message>
        <source>按录制时长</source>
        <translation>Por duración</translation>
    </message>
    <message>
        <source>分钟</source>
        <translation>min</translation>
    </message>
    <message>
        <source>按文件大小</source>
        <translation>Por tamaño de archivo</translation>
    </message>
    <message>
        <source>录制 %1 分钟后自动停止</source>
        <translation>Se detiene tras %1 minutos de grabación</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>文件达到 %1 MB 后自动停止</source>
        <translation>Se detiene cuando el archivo llega a %1 MB</translation>
    </message>
    <message>
        <source>自动停止倒计时</source>
        <translation>Cuenta atrás de la detención automática</translation>
    </message>
    <message>
        <source>录制将在以上时间后自动停止</source>
        <translation>La grabación se detendrá sola tras este tiempo</translation>
    </message>
    <message>
        <source>取消自动停止</source>
        <translation>Cancelar detención automática</translation>
    </message>
</context>
<context>
    <name>BottomBar</name>
    <message>
        <source>媒体库</source>
        <translation>Biblioteca multimedia</translation>
    </message>
    <message>
        <source>水印</source>
        <translation>Marca de agua</translation>
    </message>
    <message>
        <source>自动分割</source>
        <translation>División automática</translation>
    </message>
    <message>
        <source>自动停止</source>
        <translation>Detención automática</translation>
    </message>
    <message>
        <source>计划录制</source>
        <translation>Grabación programada</translation>
    </message>
    <message>
        <source>GPU 加速</source>
        <translation>Aceleración por GPU</translation>
    </message>
</context>
<context>
    <name>GlobalHotkey</name>
    <message>
        <source>%1（不支持的按键）</source>
        <translation>%1 (tecla no compatible)</translation>
    </message>
</context>
<context>
    <name>HomePage</name>
    <message>
        <source>Start Recording</source>
        <translation>Iniciar grabación</translation>
    </message>
    <message>
        <source>Media Library</source>
        <translation>Biblioteca multimedia</translation>
    </message>
    <message>
        <source>Choose a recording mode</source>
        <translation>Elija un modo de grabación</translation>
    </message>
    <message>
        <source>Scheduled Recording</source>
        <translation>Grabación programada</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Pantalla completa</translation>
    </message>
    <message>
        <source>Custom Area</source>
        <translation>Área personalizada</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Ventana</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Juego</translation>
    </message>
    <message>
        <source>Audio Only</source>
        <translation>Solo audio</translation>
    </message>
    <message>
        <source>Webcam</source>
        <translation>Cámara</translation>
    </message>
    <message>
        <source>Recent recordings</source>
        <translation>Grabaciones recientes</translation>
    </message>
    <message>
        <source>View all  ›</source>
        <translation>Ver todo  ›</translation>
    </message>
    <message>
        <source>No recordings yet</source>
        <translation>Aún no hay grabaciones</translation>
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
    <name>MainWindow</name>
    <message>
        <source>显示 Vistrelle</source>
        <translation>Mostrar Vistrelle</translation>
    </message>
    <message>
        <source>Start Recording</source>
        <translation>Iniciar grabación</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>快捷键设置</source>
        <translation>Ajustes de atajos</translation>
    </message>
    <message>
        <source>以下快捷键无法注册，可能已被其他程序占用或按键不受支持：
%1</source>
        <translation>No se pudieron registrar estos atajos; puede que otro programa los use o que las teclas no sean compatibles:
%1</translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>Detener grabación</translation>
    </message>
    <message>
        <source>日志文件夹</source>
        <translation>Carpeta de registros</translation>
    </message>
    <message>
        <source>无法打开日志文件夹。</source>
        <translation>No se puede abrir la carpeta de registros.</translation>
    </message>
    <message>
        <source>录制性能已自动调整</source>
        <translation>Rendimiento de grabación ajustado</translation>
    </message>
    <message>
        <source>%1 FPS 已自动降为 %2 FPS。%3</source>
        <translation>%1 FPS se redujo a %2 FPS. %3</translation>
    </message>
    <message>
        <source>录制性能提示</source>
        <translation>Rendimiento de grabación</translation>
    </message>
    <message>
        <source>4K 录制性能</source>
        <translation>Rendimiento de grabación 4K</translation>
    </message>
    <message>
        <source>没有可用的硬件 H.264 编码器</source>
        <translation>No hay ningún codificador H.264 por hardware</translation>
    </message>
    <message>
        <source>%1 × %2、%3 FPS 的录制可能掉帧。请选择本次录制方式。</source>
        <translation>Una grabación de %1 × %2 a %3 FPS puede perder fotogramas. Elija cómo grabar esta vez.</translation>
    </message>
    <message>
        <source>保持 4K，15 FPS（推荐）</source>
        <translation>Mantener 4K a 15 FPS (recomendado)</translation>
    </message>
    <message>
        <source>1080p，30 FPS</source>
        <translation>1080p a 30 FPS</translation>
    </message>
    <message>
        <source>强制 4K，30 FPS</source>
        <translation>Forzar 4K a 30 FPS</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>录制后处理提示</source>
        <translation>Aviso de posprocesamiento</translation>
    </message>
    <message>
        <source>录音完成</source>
        <translation>Grabación de audio terminada</translation>
    </message>
    <message>
        <source>音频已保存到：%1</source>
        <translation>Audio guardado en: %1</translation>
    </message>
    <message>
        <source>录制提示</source>
        <translation>Grabación</translation>
    </message>
</context>
<context>
    <name>ModeBar</name>
    <message>
        <source>录制屏幕</source>
        <translation>Grabar pantalla</translation>
    </message>
    <message>
        <source>录制窗口</source>
        <translation>Grabar ventana</translation>
    </message>
    <message>
        <source>游戏录制</source>
        <translation>Grabación de juegos</translation>
    </message>
    <message>
        <source>高性能屏幕录制</source>
        <translation>Grabación de pantalla de alto rendimiento</translation>
    </message>
    <message>
        <source>录制音频</source>
        <translation>Grabar audio</translation>
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
        <translation>Vistrelle ya se está ejecutando</translation>
    </message>
    <message>
        <source>Another Vistrelle process is running. Finish its recording and quit it before opening Vistrelle again.</source>
        <translation>Hay otro proceso de Vistrelle en ejecución. Termine su grabación y ciérrelo antes de volver a abrir Vistrelle.</translation>
    </message>
</context>
<context>
    <name>RecentCard</name>
    <message>
        <source>Loading preview…</source>
        <translation>Cargando vista previa…</translation>
    </message>
    <message>
        <source>Preview unavailable</source>
        <translation>Vista previa no disponible</translation>
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
    <name>ScheduledRecordingDialog</name>
    <message>
        <source>计划录制</source>
        <translation>Grabación programada</translation>
    </message>
    <message>
        <source>到达开始时间后，Vistrelle 将按指定模式自动开始录制。</source>
        <translation>A la hora de inicio, Vistrelle empieza a grabar en el modo elegido.</translation>
    </message>
    <message>
        <source>启用计划录制</source>
        <translation>Activar grabación programada</translation>
    </message>
    <message>
        <source>单次</source>
        <translation>Una vez</translation>
    </message>
    <message>
        <source>每日</source>
        <translation>Diariamente</translation>
    </message>
    <message>
        <source>每周</source>
        <translation>Semanalmente</translation>
    </message>
    <message>
        <source>星期一</source>
        <translation>Lunes</translation>
    </message>
    <message>
        <source>星期二</source>
        <translation>Martes</translation>
    </message>
    <message>
        <source>星期三</source>
        <translation>Miércoles</translation>
    </message>
    <message>
        <source>星期四</source>
        <translation>Jueves</translation>
    </message>
    <message>
        <source>星期五</source>
        <translation>Viernes</translation>
    </message>
    <message>
        <source>星期六</source>
        <translation>Sábado</translation>
    </message>
    <message>
        <source>星期日</source>
        <translation>Domingo</translation>
    </message>
    <message>
        <source>录制屏幕</source>
        <translation>Grabar pantalla</translation>
    </message>
    <message>
        <source>录制音频</source>
        <translation>Grabar audio</translation>
    </message>
    <message>
        <source>录制窗口</source>
        <translation>Grabar ventana</translation>
    </message>
    <message>
        <source>游戏录制</source>
        <translation>Grabación de juegos</translation>
    </message>
    <message>
        <source>高性能屏幕录制</source>
        <translation>Grabación de pantalla de alto rendimiento</translation>
    </message>
    <message>
        <source>重复</source>
        <translation>Repetir</translation>
    </message>
    <message>
        <source>开始日期和时间</source>
        <translation>Fecha y hora de inicio</translation>
    </message>
    <message>
        <source>每天开始时间</source>
        <translation>Hora de inicio diaria</translation>
    </message>
    <message>
        <source>每周日期</source>
        <translation>Día de la semana</translation>
    </message>
    <message>
        <source>指定录制模式</source>
        <translation>Modo de grabación</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>保存计划</source>
        <translation>Guardar programación</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>菜单</source>
        <translation>Menú</translation>
    </message>
    <message>
        <source>关于 Vistrelle</source>
        <translation>Acerca de Vistrelle</translation>
    </message>
    <message>
        <source>语言</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>在线帮助</source>
        <translation>Ayuda en línea</translation>
    </message>
    <message>
        <source>打开日志文件夹</source>
        <translation>Abrir carpeta de registros</translation>
    </message>
    <message>
        <source>技术支持</source>
        <translation>Soporte técnico</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Salir</translation>
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
<context>
    <name>WatermarkDialog</name>
    <message>
        <source>水印设置</source>
        <translation>Ajustes de marca de agua</translation>
    </message>
    <message>
        <source>水印样式</source>
        <translation>Estilo de la marca de agua</translation>
    </message>
    <message>
        <source>水印文字</source>
        <translation>Texto de la marca de agua</translation>
    </message>
    <message>
        <source>字号</source>
        <translation>Tamaño de fuente</translation>
    </message>
    <message>
        <source>颜色</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>透明度</source>
        <translation>Opacidad</translation>
    </message>
    <message>
        <source>拖动滑块调整水印的可见程度</source>
        <translation>Arrastre el control para ajustar la visibilidad de la marca de agua</translation>
    </message>
    <message>
        <source>实时预览  ●</source>
        <translation>Vista previa en directo  ●</translation>
    </message>
    <message>
        <source>对整个原视频添加水印，另存为 MP4 副本。其他编辑请先保存。</source>
        <translation>La marca de agua se añade a todo el vídeo original y se guarda como copia MP4. Guarde antes otras ediciones.</translation>
    </message>
    <message>
        <source>显示位置</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>边距</source>
        <translation>Márgenes</translation>
    </message>
    <message>
        <source>水平</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>垂直</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <source>恢复默认</source>
        <translation>Restaurar valores predeterminados</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>保存水印副本</source>
        <translation>Guardar copia con marca de agua</translation>
    </message>
    <message>
        <source>选择颜色</source>
        <translation>Elegir un color</translation>
    </message>
    <message>
        <source>请输入水印文字。</source>
        <translation>Introduzca el texto de la marca de agua.</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="zh_CN">
<context>
    <name>AudioSettingsDialog</name>
    <message>
        <source>音频高级设置</source>
        <translation>Configuración de audio avanzada</translation>
    </message>
    <message>
        <source>系统声与麦克风会分别处理，再混合写入录制文件。</source>
        <translation>El sonido del sistema y el micrófono se procesan por separado y luego se mezclan en la grabación.</translation>
    </message>
    <message>
        <source>系统声音音量</source>
        <translation>Volumen del sonido del sistema</translation>
    </message>
    <message>
        <source>麦克风音量</source>
        <translation>Volumen del micrófono</translation>
    </message>
    <message>
        <source> ms</source>
        <translation> ms</translation>
    </message>
    <message>
        <source>麦克风延迟</source>
        <translation>Retardo del micrófono</translation>
    </message>
    <message>
        <source>麦克风降噪（降低持续环境噪声）</source>
        <translation>Reducción de ruido del micrófono (reduce el ruido de fondo constante)</translation>
    </message>
    <message>
        <source>单声道输出（适合语音录制）</source>
        <translation>Salida mono (adecuada para grabar voz)</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>Listo</translation>
    </message>
</context>
<context>
    <name>CameraRecordingPage</name>
    <message>
        <source>Camera Recording</source>
        <translation>Grabación de cámara</translation>
    </message>
    <message>
        <source>Back to Home</source>
        <translation>Volver al inicio</translation>
    </message>
    <message>
        <source>Choose a camera to start preview</source>
        <translation>Elija una cámara para iniciar la vista previa</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Espejo</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Ajustar</translation>
    </message>
    <message>
        <source>Camera framing mode</source>
        <translation>Encuadre de la cámara</translation>
    </message>
    <message>
        <source>System Audio</source>
        <translation>Audio del sistema</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Micrófono</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>Instantánea</translation>
    </message>
    <message>
        <source>Auto Stop</source>
        <translation>Parada automática</translation>
    </message>
    <message>
        <source>Auto Split</source>
        <translation>División automática</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Rellenar</translation>
    </message>
    <message>
        <source>Camera access is off. Allow Vistrelle in System Settings &gt; Privacy &amp; Security &gt; Camera, then return to this page.</source>
        <translation>El acceso a la cámara está desactivado. Permita Vistrelle en Ajustes del Sistema &gt; Privacidad y seguridad &gt; Cámara y vuelva a esta página.</translation>
    </message>
    <message>
        <source>Requesting camera access…</source>
        <translation>Solicitando acceso a la cámara…</translation>
    </message>
    <message>
        <source>Starting camera…</source>
        <translation>Iniciando la cámara…</translation>
    </message>
    <message>
        <source>No camera found. Connect a camera and return to this page.</source>
        <translation>No se encontró ninguna cámara. Conecte una cámara y vuelva a esta página.</translation>
    </message>
    <message>
        <source>Camera did not deliver a picture. Check camera access and whether another app is using it, then select the camera again.</source>
        <translation>La cámara no entregó ninguna imagen. Compruebe el acceso a la cámara y si otra aplicación la está usando, y vuelva a seleccionarla.</translation>
    </message>
    <message>
        <source>Camera could not start. Check camera access in System Settings.</source>
        <translation>No se pudo iniciar la cámara. Compruebe el acceso a la cámara en Ajustes del Sistema.</translation>
    </message>
    <message>
        <source>Camera stopped delivering frames. Recording has been stopped.</source>
        <translation>La cámara dejó de entregar imágenes. Se detuvo la grabación.</translation>
    </message>
    <message>
        <source>Save camera snapshot</source>
        <translation>Guardar instantánea de la cámara</translation>
    </message>
    <message>
        <source>Could not save the image.</source>
        <translation>No se pudo guardar la imagen.</translation>
    </message>
    <message>
        <source>Camera Permission</source>
        <translation>Permiso de cámara</translation>
    </message>
    <message>
        <source>Camera access is off. Allow Vistrelle in System Settings &gt; Privacy &amp; Security &gt; Camera.</source>
        <translation>El acceso a la cámara está desactivado. Permita Vistrelle en Ajustes del Sistema &gt; Privacidad y seguridad &gt; Cámara.</translation>
    </message>
    <message>
        <source>Open Settings</source>
        <translation>Abrir ajustes</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reanudar</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activado</translation>
    </message>
    <message>
        <source>Starting…</source>
        <translation>Iniciando…</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desactivado</translation>
    </message>
</context>
<context>
    <name>CameraSettingsDialog</name>
    <message>
        <source>开关</source>
        <translation>Interruptor</translation>
    </message>
    <message>
        <source>点击九宫格选择摄像头位置</source>
        <translation>Haga clic en la cuadrícula para elegir la posición de la cámara</translation>
    </message>
    <message>
        <source>摄像头位置九宫格</source>
        <translation>Cuadrícula de posición de la cámara</translation>
    </message>
    <message>
        <source>摄像头设置</source>
        <translation>Ajustes de la cámara</translation>
    </message>
    <message>
        <source>正在启动摄像头…</source>
        <translation>Iniciando la cámara…</translation>
    </message>
    <message>
        <source>实时预览</source>
        <translation>Vista previa en vivo</translation>
    </message>
    <message>
        <source>摄像头关闭时，将在这里显示 · 开启摄像头后可预览</source>
        <translation>Se muestra aquí con la cámara apagada · Encienda la cámara para ver la vista previa</translation>
    </message>
    <message>
        <source>摄像头设备</source>
        <translation>Dispositivo de cámara</translation>
    </message>
    <message>
        <source>自动</source>
        <translation>Automático</translation>
    </message>
    <message>
        <source>帧率</source>
        <translation>Fotogramas</translation>
    </message>
    <message>
        <source>视频质量</source>
        <translation>Calidad de vídeo</translation>
    </message>
    <message>
        <source>画面形状</source>
        <translation>Forma</translation>
    </message>
    <message>
        <source>圆形</source>
        <translation>Círculo</translation>
    </message>
    <message>
        <source>圆角矩形</source>
        <translation>Redondeado</translation>
    </message>
    <message>
        <source>矩形</source>
        <translation>Rectángulo</translation>
    </message>
    <message>
        <source>左上</source>
        <translation>Arriba a la izquierda</translation>
    </message>
    <message>
        <source>上中</source>
        <translation>Arriba en el centro</translation>
    </message>
    <message>
        <source>右上</source>
        <translation>Arriba a la derecha</translation>
    </message>
    <message>
        <source>左中</source>
        <translation>En medio a la izquierda</translation>
    </message>
    <message>
        <source>居中</source>
        <translation>Centro</translation>
    </message>
    <message>
        <source>右中</source>
        <translation>En medio a la derecha</translation>
    </message>
    <message>
        <source>左下</source>
        <translation>Abajo a la izquierda</translation>
    </message>
    <message>
        <source>下中</source>
        <translation>Abajo en el centro</translation>
    </message>
    <message>
        <source>右下</source>
        <translation>Abajo a la derecha</translation>
    </message>
    <message>
        <source>摄像头位置</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>小</source>
        <translation>Pequeño</translation>
    </message>
    <message>
        <source>大</source>
        <translation>Grande</translation>
    </message>
    <message>
        <source>画面大小</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>镜像画面</source>
        <translation>Imagen en espejo</translation>
    </message>
    <message>
        <source>让预览效果更自然</source>
        <translation>La vista previa se ve más natural</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>开启摄像头后可预览</source>
        <translation>Encienda la cámara para ver la vista previa</translation>
    </message>
    <message>
        <source>未检测到摄像头</source>
        <translation>No se detectó ninguna cámara</translation>
    </message>
    <message>
        <source>未检测到可用摄像头</source>
        <translation>No se detectó ninguna cámara disponible</translation>
    </message>
    <message>
        <source>摄像头无法启动，请检查系统权限</source>
        <translation>No se pudo iniciar la cámara. Compruebe los permisos del sistema.</translation>
    </message>
</context>
<context>
    <name>ControlsArea</name>
    <message>
        <source>全屏</source>
        <translation>Pantalla completa</translation>
    </message>
    <message>
        <source>自定义</source>
        <translation>Personalizado</translation>
    </message>
    <message>
        <source>尚未选择窗口</source>
        <translation>No se ha seleccionado ninguna ventana</translation>
    </message>
    <message>
        <source>请选择录制目标</source>
        <translation>Elija qué grabar</translation>
    </message>
    <message>
        <source>选择窗口</source>
        <translation>Elegir ventana</translation>
    </message>
    <message>
        <source>纯音频录制</source>
        <translation>Grabación solo de audio</translation>
    </message>
    <message>
        <source>音质</source>
        <translation>Calidad</translation>
    </message>
    <message>
        <source>128 kbps · 较小</source>
        <translation>128 kbps · Más pequeño</translation>
    </message>
    <message>
        <source>192 kbps · 推荐</source>
        <translation>192 kbps · Recomendado</translation>
    </message>
    <message>
        <source>320 kbps · 高质量</source>
        <translation>320 kbps · Alta calidad</translation>
    </message>
    <message>
        <source>无损 · 由格式决定</source>
        <translation>Sin pérdida · Lo determina el formato</translation>
    </message>
    <message>
        <source>录摄像头</source>
        <translation>Cámara web</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>扬声器</source>
        <translation>Altavoz</translation>
    </message>
    <message>
        <source>试音</source>
        <translation>Probar</translation>
    </message>
    <message>
        <source>麦克风</source>
        <translation>Micrófono</translation>
    </message>
    <message>
        <source>开始录制</source>
        <translation>Iniciar grabación</translation>
    </message>
    <message>
        <source>纯音频模式不录制摄像头</source>
        <translation>El modo solo audio no graba la cámara web</translation>
    </message>
    <message>
        <source>选择游戏</source>
        <translation>Elegir juego</translation>
    </message>
    <message>
        <source>尚未选择游戏</source>
        <translation>No se ha seleccionado ningún juego</translation>
    </message>
    <message>
        <source>高性能屏幕采集模式</source>
        <translation>Modo de captura de pantalla de alto rendimiento</translation>
    </message>
    <message>
        <source>选择%1设备</source>
        <translation>Elegir dispositivo: %1</translation>
    </message>
    <message>
        <source>选择设备和音频设置</source>
        <translation>Elegir el dispositivo y los ajustes de audio</translation>
    </message>
    <message>
        <source>开启</source>
        <translation>Activado</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>默认设备</source>
        <translation>Dispositivo predeterminado</translation>
    </message>
    <message>
        <source>默认 · %1</source>
        <translation>Predeterminado · %1</translation>
    </message>
    <message>
        <source>选择扬声器</source>
        <translation>Elegir altavoz</translation>
    </message>
    <message>
        <source>选择麦克风</source>
        <translation>Elegir micrófono</translation>
    </message>
    <message>
        <source>音频高级设置…</source>
        <translation>Configuración de audio avanzada…</translation>
    </message>
    <message>
        <source>系统声音</source>
        <translation>Sonido del sistema</translation>
    </message>
    <message>
        <source>无法监听所选扬声器：%1</source>
        <translation>No se puede escuchar el altavoz elegido: %1</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>未检测到声音，请先播放一段音频</source>
        <translation>No se detecta sonido. Reproduzca algo de audio primero.</translation>
    </message>
    <message>
        <source>已检测到系统播放声音</source>
        <translation>Se detectó sonido de reproducción del sistema</translation>
    </message>
    <message>
        <source>无设备</source>
        <translation>Sin dispositivo</translation>
    </message>
    <message>
        <source>不可用</source>
        <translation>No disponible</translation>
    </message>
    <message>
        <source>未检测到声音，请检查麦克风或权限</source>
        <translation>No se detecta sonido. Compruebe el micrófono o su permiso.</translation>
    </message>
    <message>
        <source>已检测到麦克风声音</source>
        <translation>Se detectó sonido del micrófono</translation>
    </message>
    <message>
        <source>系统声音实时电平</source>
        <translation>Nivel en vivo del sonido del sistema</translation>
    </message>
    <message>
        <source>麦克风实时电平</source>
        <translation>Nivel en vivo del micrófono</translation>
    </message>
    <message>
        <source>停止试音</source>
        <translation>Detener prueba</translation>
    </message>
    <message>
        <source>输出</source>
        <translation>Salida</translation>
    </message>
    <message>
        <source>输入</source>
        <translation>Entrada</translation>
    </message>
    <message>
        <source>正在监听，请播放一段声音</source>
        <translation>Escuchando. Reproduzca algún sonido.</translation>
    </message>
    <message>
        <source>正在监听，请对麦克风说话</source>
        <translation>Escuchando. Hable al micrófono.</translation>
    </message>
    <message>
        <source>录音检查</source>
        <translation>Comprobación de grabación</translation>
    </message>
    <message>
        <source>请至少开启扬声器或麦克风。</source>
        <translation>Active al menos el altavoz o el micrófono.</translation>
    </message>
    <message>
        <source>没有可用的扬声器设备，无法录制系统声音。</source>
        <translation>No hay ningún altavoz disponible, así que no se puede grabar el sonido del sistema.</translation>
    </message>
    <message>
        <source>没有可用的麦克风，请重新连接或选择输入设备。</source>
        <translation>No hay ningún micrófono disponible. Vuelva a conectarlo o elija otro dispositivo de entrada.</translation>
    </message>
    <message>
        <source>停止录制</source>
        <translation>Detener grabación</translation>
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

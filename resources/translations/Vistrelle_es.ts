<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="zh_CN">
<context>
    <name>AnnotationOverlay</name>
    <message>
        <source>添加文字标注</source>
        <translation>Añadir anotación de texto</translation>
    </message>
    <message>
        <source>输入标注文字：</source>
        <translation>Texto de la anotación:</translation>
    </message>
    <message>
        <source>左键绘制  Ctrl+Z 撤销  Del 清除  ESC 退出</source>
        <translation>Arrastre con el botón izquierdo para dibujar  Ctrl+Z Deshacer  Supr Borrar  Esc Salir</translation>
    </message>
</context>
<context>
    <name>AnnotationToolbar</name>
    <message>
        <source>画笔</source>
        <translation>Lápiz</translation>
    </message>
    <message>
        <source>箭头</source>
        <translation>Flecha</translation>
    </message>
    <message>
        <source>矩形</source>
        <translation>Rectángulo</translation>
    </message>
    <message>
        <source>文字</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>选择颜色</source>
        <translation>Elegir color</translation>
    </message>
    <message>
        <source>粗细</source>
        <translation>Grosor</translation>
    </message>
    <message>
        <source>撤销  Ctrl+Z</source>
        <translation>Deshacer  Ctrl+Z</translation>
    </message>
    <message>
        <source>清除全部  Del</source>
        <translation>Borrar todo  Supr</translation>
    </message>
    <message>
        <source>退出注释</source>
        <translation>Salir de la anotación</translation>
    </message>
    <message>
        <source>选择注释颜色</source>
        <translation>Elegir color de anotación</translation>
    </message>
</context>
<context>
    <name>AreaDropdown</name>
    <message>
        <source>全屏</source>
        <translation>Pantalla completa</translation>
    </message>
    <message>
        <source>选择区域 / 窗口</source>
        <translation>Seleccionar área / ventana</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>Aceptar</translation>
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
        <translation>Haga clic y arrastre para seleccionar un área</translation>
    </message>
</context>
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
    <name>AutoSplitDialog</name>
    <message>
        <source>自动分割设置</source>
        <translation>Ajustes de división automática</translation>
    </message>
    <message>
        <source>录制时按指定条件自动切分为多个文件</source>
        <translation>Empieza un segmento nuevo al cumplirse una condición; al final todos se unen en un solo archivo</translation>
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
        <translation>Limita el tamaño de cada segmento</translation>
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
        <translation type="vanished">Se guarda un archivo nuevo cada %1 minutos</translation>
    </message>
    <message>
        <source>文件达到 %1 MB 时自动切分并保存</source>
        <translation>Empieza un segmento nuevo cada vez que uno llega a %1 MB</translation>
    </message>
    <message numerus="yes">
        <source>将每 %n 分钟自动保存为一个新文件</source>
        <translation>
            <numerusform>Cada minuto empieza un segmento nuevo</numerusform>
            <numerusform>Cada %n minutos empieza un segmento nuevo</numerusform>
        </translation>
    </message>
    <message>
        <source>关闭自动分割</source>
        <translation>Desactivar división auto.</translation>
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
        <translation type="vanished">Se detiene tras %1 minutos de grabación</translation>
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
    <message numerus="yes">
        <source>录制 %n 分钟后自动停止</source>
        <translation>
            <numerusform>Se detiene tras un minuto de grabación</numerusform>
            <numerusform>Se detiene tras %n minutos de grabación</numerusform>
        </translation>
    </message>
    <message>
        <source>关闭自动停止</source>
        <translation>Desactivar parada auto.</translation>
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
    <name>CameraRecordingPage</name>
    <message>
        <source>Camera Recording</source>
        <translation>Grabación con cámara</translation>
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
        <translation>Parada auto</translation>
    </message>
    <message>
        <source>Auto Split</source>
        <translation>Dividir auto</translation>
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
        <translation>Velocidad de fotogramas</translation>
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
    <name>CaptureTargetDialog</name>
    <message>
        <source>选择游戏</source>
        <translation>Seleccionar juego</translation>
    </message>
    <message>
        <source>选择窗口</source>
        <translation>Seleccionar ventana</translation>
    </message>
    <message>
        <source>选择游戏窗口</source>
        <translation>Seleccione una ventana de juego</translation>
    </message>
    <message>
        <source>选择录制窗口</source>
        <translation>Seleccione la ventana que desea grabar</translation>
    </message>
    <message>
        <source>刷新</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Select a window</source>
        <translation>Seleccione una ventana</translation>
    </message>
    <message>
        <source>Process information unavailable</source>
        <translation>Información del proceso no disponible</translation>
    </message>
    <message>
        <source>Loading preview…</source>
        <translation>Cargando vista previa…</translation>
    </message>
    <message>
        <source>当前没有可捕获窗口。请先打开目标程序，然后点击刷新。</source>
        <translation>Ahora no hay ninguna ventana que se pueda capturar. Abra el programa que desea grabar y haga clic en Actualizar.</translation>
    </message>
    <message>
        <source>选择要录制的游戏或应用窗口。录制时不要最小化窗口。</source>
        <translation>Seleccione la ventana del juego o de la aplicación que desea grabar. No minimice la ventana durante la grabación.</translation>
    </message>
    <message>
        <source>录制时不要最小化窗口。</source>
        <translation>No minimice la ventana durante la grabación.</translation>
    </message>
    <message>
        <source>Preview timed out — check screen recording access</source>
        <translation>Se agotó el tiempo de la vista previa — compruebe el acceso a la grabación de pantalla</translation>
    </message>
    <message>
        <source>Preview unavailable — check screen recording access</source>
        <translation>Vista previa no disponible — compruebe el acceso a la grabación de pantalla</translation>
    </message>
</context>
<context>
    <name>Common</name>
    <message>
        <source>Open Folder</source>
        <translation>Abrir carpeta</translation>
    </message>
    <message>
        <source>无法打开文件夹：
%1</source>
        <translation>No se pudo abrir la carpeta:
%1</translation>
    </message>
</context>
<context>
    <name>CompletionDialog</name>
    <message>
        <source>文件已保存到以下文件夹</source>
        <translation>El archivo se guardó en esta carpeta</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Abrir carpeta</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>Aceptar</translation>
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
        <translation>Seleccionar ventana</translation>
    </message>
    <message>
        <source>纯音频录制</source>
        <translation>Grabación solo de audio</translation>
    </message>
    <message>
        <source>音质</source>
        <translation>Calidad de audio</translation>
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
        <translation>Seleccionar juego</translation>
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
        <source>高性能屏幕采集</source>
        <translation>Captura de pantalla de alto rendimiento</translation>
    </message>
    <message>
        <source> · 高性能屏幕采集</source>
        <translation> · Captura de pantalla de alto rendimiento</translation>
    </message>
    <message>
        <source>%1 · 不可用</source>
        <translation>%1 · no disponible</translation>
    </message>
    <message>
        <source>摄像头</source>
        <translation>Cámara web</translation>
    </message>
    <message>
        <source>没有检测到可用摄像头。</source>
        <translation>No se encontró ninguna cámara web.</translation>
    </message>
</context>
<context>
    <name>CountdownOverlay</name>
    <message>
        <source>开始/停止</source>
        <translation>Iniciar/Detener</translation>
    </message>
    <message>
        <source>暂停/恢复</source>
        <translation>Pausar/Reanudar</translation>
    </message>
</context>
<context>
    <name>ExportDialog</name>
    <message>
        <source>导出</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>↑  导出设置</source>
        <translation>↑  Ajustes de exportación</translation>
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
        <translation>GIF animado (.gif)</translation>
    </message>
    <message>
        <source>仅音频 MP3 (.mp3)</source>
        <translation>Solo audio MP3 (.mp3)</translation>
    </message>
    <message>
        <source>仅音频 AAC (.aac)</source>
        <translation>Solo audio AAC (.aac)</translation>
    </message>
    <message>
        <source>格式</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>视频编码</source>
        <translation>Codificador de vídeo</translation>
    </message>
    <message>
        <source>视频码率</source>
        <translation>Tasa de bits de vídeo</translation>
    </message>
    <message>
        <source>1× (正常)</source>
        <translation>1× (normal)</translation>
    </message>
    <message>
        <source>播放速度</source>
        <translation>Velocidad de reproducción</translation>
    </message>
    <message>
        <source>GIF 帧率</source>
        <translation>Fotogramas por segundo del GIF</translation>
    </message>
    <message>
        <source>GIF 宽度</source>
        <translation>Ancho del GIF</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>开始导出</source>
        <translation>Iniciar exportación</translation>
    </message>
    <message>
        <source>✓ 已保存到: </source>
        <translation>✓ Guardado en: </translation>
    </message>
    <message>
        <source>保存为</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>视频文件 (*.mp4 *.mkv *.gif *.mp3 *.aac)</source>
        <translation>Archivos multimedia (*.mp4 *.mkv *.gif *.mp3 *.aac)</translation>
    </message>
    <message>
        <source>导出中...</source>
        <translation>Exportando...</translation>
    </message>
</context>
<context>
    <name>FfmpegJob</name>
    <message>
        <source>FFmpeg 没有在 %1 秒内完成。</source>
        <translation>FFmpeg no terminó en %1 segundos.</translation>
    </message>
    <message>
        <source>FFmpeg 意外终止。</source>
        <translation>FFmpeg se detuvo de forma inesperada.</translation>
    </message>
    <message>
        <source>FFmpeg 以退出码 %1 结束，没有说明原因。</source>
        <translation>FFmpeg terminó con el código de salida %1 sin indicar el motivo.</translation>
    </message>
</context>
<context>
    <name>FloatingToolbar</name>
    <message>
        <source>正在录制</source>
        <translation>Grabando</translation>
    </message>
    <message>
        <source>初始化…</source>
        <translation>Iniciando…</translation>
    </message>
    <message>
        <source>写入中…</source>
        <translation>Escribiendo…</translation>
    </message>
    <message>
        <source>关闭摄像头</source>
        <translation>Apagar cámara web</translation>
    </message>
    <message>
        <source>开启摄像头</source>
        <translation>Encender cámara web</translation>
    </message>
    <message>
        <source>画笔</source>
        <translation>Lápiz</translation>
    </message>
    <message>
        <source>箭头</source>
        <translation>Flecha</translation>
    </message>
    <message>
        <source>矩形</source>
        <translation>Rectángulo</translation>
    </message>
    <message>
        <source>文字</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>直线</source>
        <translation>Línea</translation>
    </message>
    <message>
        <source>圆形</source>
        <translation>Círculo</translation>
    </message>
    <message>
        <source>高亮笔</source>
        <translation>Resaltador</translation>
    </message>
    <message>
        <source>橡皮擦</source>
        <translation>Borrador</translation>
    </message>
    <message>
        <source>撤销 Ctrl+Z</source>
        <translation>Deshacer Ctrl+Z</translation>
    </message>
    <message>
        <source>清除全部 Del</source>
        <translation>Borrar todo Supr</translation>
    </message>
    <message>
        <source>退出注释模式</source>
        <translation>Salir del modo de anotación</translation>
    </message>
    <message>
        <source>选择工具后在屏幕上绘制，ESC 或点“退出”结束注释</source>
        <translation>Elija una herramienta y dibuje en la pantalla; Esc o «Salir» termina la anotación</translation>
    </message>
    <message>
        <source>选择颜色</source>
        <translation>Elegir color</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>已暂停</source>
        <translation>En pausa</translation>
    </message>
    <message>
        <source>正在保存…</source>
        <translation>Guardando…</translation>
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
        <translation>Elija cómo grabar</translation>
    </message>
    <message>
        <source>Scheduled Recording</source>
        <translation>Grabación programada</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Toda la pantalla</translation>
    </message>
    <message>
        <source>Custom Area</source>
        <translation>Área libre</translation>
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
    <message>
        <source>Vistrelle recording toolbar</source>
        <translation>Barra de grabación de Vistrelle</translation>
    </message>
    <message>
        <source>Vistrelle preparation toolbar</source>
        <translation>Barra de preparación de Vistrelle</translation>
    </message>
    <message>
        <source>Display %1</source>
        <translation>Pantalla %1</translation>
    </message>
    <message>
        <source>Audio only</source>
        <translation>Solo audio</translation>
    </message>
    <message>
        <source>Camera preview</source>
        <translation>Vista previa de la cámara</translation>
    </message>
    <message>
        <source>Camera Recording</source>
        <translation>Grabación con cámara</translation>
    </message>
    <message>
        <source>Stop recording and return to Home?</source>
        <translation>¿Detener la grabación y volver al inicio?</translation>
    </message>
    <message>
        <source>Wait for a live camera preview before recording.</source>
        <translation>Espere a la vista previa en directo de la cámara antes de grabar.</translation>
    </message>
    <message>
        <source>Vistrelle countdown</source>
        <translation>Cuenta atrás de Vistrelle</translation>
    </message>
    <message>
        <source>摄像头</source>
        <translation>Cámara web</translation>
    </message>
    <message>
        <source>没有检测到可用摄像头。</source>
        <translation>No se encontró ninguna cámara web.</translation>
    </message>
    <message>
        <source>摄像头无法启动，请检查权限或设备占用情况。</source>
        <translation>No se pudo iniciar la cámara web. Compruebe el permiso y si otro programa la está usando.</translation>
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
        <source>计划录制</source>
        <translation>Grabación programada</translation>
    </message>
    <message>
        <source>请先在首页为窗口或游戏模式选择录制目标。</source>
        <translation>Primero elija en la página de inicio la ventana o el juego que desea grabar.</translation>
    </message>
    <message>
        <source>已有录制正在进行，本次计划已跳过。</source>
        <translation>Ya hay una grabación en curso; se omitió este inicio programado.</translation>
    </message>
    <message>
        <source>退出后计划录制将不会执行。

确定要退出 Vistrelle 吗？</source>
        <translation>La grabación programada no se hará si sale.

¿Salir de Vistrelle de todos modos?</translation>
    </message>
    <message>
        <source>仍在录制</source>
        <translation>Sigue grabando</translation>
    </message>
    <message>
        <source>Vistrelle 已隐藏到系统托盘，录制继续进行。</source>
        <translation>Vistrelle está oculto en la bandeja del sistema; la grabación continúa.</translation>
    </message>
    <message>
        <source>Vistrelle 仍在后台运行</source>
        <translation>Vistrelle sigue en ejecución</translation>
    </message>
    <message>
        <source>已最小化到系统托盘，点击或双击托盘图标可重新打开。</source>
        <translation>Minimizado en la bandeja del sistema. Haga clic o doble clic en el icono para volver a abrirlo.</translation>
    </message>
    <message>
        <source>About Vistrelle</source>
        <translation>Acerca de Vistrelle</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Vistrelle is a fast, reliable screen recorder for Linux. Record screens, windows, games, system audio, microphones, and webcams, then edit and manage recordings locally with no cloud upload required.</source>
        <translation>Vistrelle es una grabadora de pantalla rápida y fiable para Linux. Graba pantallas, ventanas, juegos, audio del sistema, micrófonos y cámaras web, y edita y gestiona las grabaciones en local sin subir nada a la nube.</translation>
    </message>
    <message>
        <source>Development Team</source>
        <translation>Equipo de desarrollo</translation>
    </message>
    <message>
        <source>The Vistrelle developers</source>
        <translation>Los desarrolladores de Vistrelle</translation>
    </message>
    <message>
        <source>© Vistrelle. All rights reserved.</source>
        <translation>© Vistrelle. Todos los derechos reservados.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>切换语言</source>
        <translation>Cambiar idioma</translation>
    </message>
    <message>
        <source>无法保存语言设置，请检查当前用户的配置权限。</source>
        <translation>No se pudo guardar el idioma. Compruebe que el usuario actual puede escribir su configuración.</translation>
    </message>
    <message>
        <source>语言设置已保存，重启 Vistrelle 后生效。是否立即重启？</source>
        <translation>El idioma se ha guardado y se aplicará al reiniciar Vistrelle. ¿Reiniciar ahora?</translation>
    </message>
    <message>
        <source>重启失败</source>
        <translation>Error al reiniciar</translation>
    </message>
    <message>
        <source>无法自动重启，请手动重新打开 Vistrelle。</source>
        <translation>Vistrelle no pudo reiniciarse solo. Vuelva a abrirlo manualmente.</translation>
    </message>
    <message>
        <source>录制的窗口已关闭</source>
        <translation>Se cerró la ventana grabada</translation>
    </message>
    <message>
        <source>Custom Area</source>
        <translation>Área libre</translation>
    </message>
    <message>
        <source>The display of the chosen area is no longer connected. Choose the area again.</source>
        <translation>La pantalla del área elegida ya no está conectada. Vuelva a elegir el área.</translation>
    </message>
    <message>
        <source>Nothing was recorded: the program quit before the recording began.</source>
        <translation>No se grabó nada: el programa se cerró antes de que empezara la grabación.</translation>
    </message>
</context>
<context>
    <name>MediaProbe</name>
    <message>
        <source>无法启动 ffprobe（%1）。</source>
        <translation>No se pudo iniciar ffprobe (%1).</translation>
    </message>
    <message>
        <source>ffprobe 没有在 %1 秒内结束。</source>
        <translation>ffprobe no terminó en %1 segundos.</translation>
    </message>
    <message>
        <source>ffprobe 没有给出可读的回答。</source>
        <translation>ffprobe no dio una respuesta legible.</translation>
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
    <name>NumberText</name>
    <message>
        <source>KB</source>
        <translation>KB</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>GB</source>
        <translation>GB</translation>
    </message>
</context>
<context>
    <name>PlayerWindow</name>
    <message>
        <source>Vistrelle — 播放器</source>
        <translation>Vistrelle — Reproductor</translation>
    </message>
    <message>
        <source>截图</source>
        <translation>Captura</translation>
    </message>
    <message>
        <source>无法保存截图到 %1。</source>
        <translation>No se pudo guardar la captura en %1.</translation>
    </message>
</context>
<context>
    <name>QDialog</name>
    <message>
        <source>Enable Screen Recording</source>
        <translation>Activar la grabación de pantalla</translation>
    </message>
    <message>
        <source>Enable Microphone Access</source>
        <translation>Activar el acceso al micrófono</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Vistrelle needs permission before it can record your screen.</source>
        <translation>Vistrelle necesita permiso para grabar su pantalla.</translation>
    </message>
    <message>
        <source>Vistrelle needs permission before it can record your voice.</source>
        <translation>Vistrelle necesita permiso para grabar su voz.</translation>
    </message>
    <message>
        <source>Screen &amp; System Audio Recording</source>
        <translation>Grabación de pantalla y audio del sistema</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Micrófono</translation>
    </message>
    <message>
        <source>Allow these apps to record your screen.</source>
        <translation>Permitir que estas apps graben su pantalla.</translation>
    </message>
    <message>
        <source>Allow these apps to use your microphone.</source>
        <translation>Permitir que estas apps usen su micrófono.</translation>
    </message>
    <message>
        <source>Illustration of macOS System Settings</source>
        <translation>Ilustración de los Ajustes del Sistema de macOS</translation>
    </message>
    <message>
        <source>Three quick steps</source>
        <translation>Tres pasos rápidos</translation>
    </message>
    <message>
        <source>Open Screen Recording settings.</source>
        <translation>Abra los ajustes de grabación de pantalla.</translation>
    </message>
    <message>
        <source>Open Microphone settings.</source>
        <translation>Abra los ajustes del micrófono.</translation>
    </message>
    <message>
        <source>Turn on Vistrelle.</source>
        <translation>Active Vistrelle.</translation>
    </message>
    <message>
        <source>Quit and reopen Vistrelle, then record.</source>
        <translation>Cierre y vuelva a abrir Vistrelle y después grabe.</translation>
    </message>
    <message>
        <source>Return and start recording.</source>
        <translation>Vuelva y empiece a grabar.</translation>
    </message>
    <message>
        <source>Restart Vistrelle after changing this setting.</source>
        <translation>Reinicie Vistrelle después de cambiar este ajuste.</translation>
    </message>
    <message>
        <source>You can also turn off Microphone and record without voice.</source>
        <translation>También puede desactivar el micrófono y grabar sin voz.</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Ahora no</translation>
    </message>
    <message>
        <source>Open Settings ↗</source>
        <translation>Abrir ajustes ↗</translation>
    </message>
    <message>
        <source>Open System Settings &gt; Privacy &amp; Security &gt; Screen &amp; System Audio Recording and allow Vistrelle.</source>
        <translation>Abra Ajustes del Sistema &gt; Privacidad y seguridad &gt; Grabación de pantalla y audio del sistema y permita Vistrelle.</translation>
    </message>
    <message>
        <source>Open System Settings &gt; Privacy &amp; Security &gt; Microphone and allow Vistrelle.</source>
        <translation>Abra Ajustes del Sistema &gt; Privacidad y seguridad &gt; Micrófono y permita Vistrelle.</translation>
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
        <translation>Quedan --:--</translation>
    </message>
    <message>
        <source>预计剩余 %1:%2</source>
        <translation>Quedan %1:%2</translation>
    </message>
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
    <message>
        <source>Vistrelle is already running</source>
        <translation>Vistrelle ya se está ejecutando</translation>
    </message>
    <message>
        <source>Another Vistrelle process is running. Finish its recording and quit it before opening Vistrelle again.</source>
        <translation>Hay otro proceso de Vistrelle en ejecución. Termine su grabación y ciérrelo antes de volver a abrir Vistrelle.</translation>
    </message>
    <message>
        <source>已有 FFmpeg 任务正在执行</source>
        <translation>Ya hay una tarea de FFmpeg en curso</translation>
    </message>
    <message>
        <source>FFmpeg 未找到或无法启动：%1</source>
        <translation>No se encontró FFmpeg o no se pudo iniciar: %1</translation>
    </message>
    <message>
        <source>操作已取消</source>
        <translation>La operación se canceló</translation>
    </message>
    <message>
        <source>FFmpeg 出错：
%1</source>
        <translation>FFmpeg informó de un error:
%1</translation>
    </message>
    <message>
        <source>裁剪参数无效</source>
        <translation>Parámetros de recorte no válidos</translation>
    </message>
    <message>
        <source>合并参数无效</source>
        <translation>Parámetros de unión no válidos</translation>
    </message>
    <message>
        <source>无法创建合并列表文件</source>
        <translation>No se pudo crear el archivo de lista de unión</translation>
    </message>
    <message>
        <source>变速参数无效</source>
        <translation>Ajuste de velocidad no válido</translation>
    </message>
    <message>
        <source>转场效果无效：%1</source>
        <translation>Transición no válida: %1</translation>
    </message>
    <message>
        <source>转场失败：至少有一个视频时长小于转场时长</source>
        <translation>La transición falló: al menos un vídeo es más corto que la transición</translation>
    </message>
    <message>
        <source>音频降噪需要 sh.rnnn 模型文件，请放到程序目录，或先关闭音频降噪。</source>
        <translation>La reducción de ruido de audio necesita el archivo de modelo sh.rnnn: colóquelo en la carpeta del programa o desactive la reducción de ruido de audio.</translation>
    </message>
    <message>
        <source>字幕文件不存在：%1</source>
        <translation>No se encuentra el archivo de subtítulos: %1</translation>
    </message>
    <message>
        <source>FFmpeg 报告完成，但没有写出可用的文件：
%1</source>
        <translation>FFmpeg indicó que terminó, pero no escribió ningún archivo utilizable:
%1</translation>
    </message>
    <message>
        <source>格式无效或不受支持</source>
        <translation>el formato no es válido o no es compatible</translation>
    </message>
    <message>
        <source>没有读取权限</source>
        <translation>no hay permiso de lectura</translation>
    </message>
    <message>
        <source>文件无法读取或已损坏</source>
        <translation>el archivo no se puede leer o está dañado</translation>
    </message>
    <message>
        <source>无法打开文件：%1</source>
        <translation>No se pudo abrir el archivo: %1</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sí</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
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
        <translation>Active al menos el audio del sistema o el micrófono.</translation>
    </message>
    <message>
        <source>系统声音录制需要 macOS 13 或更高版本。</source>
        <translation type="vanished">Grabar el audio del sistema requiere macOS 13 o posterior.</translation>
    </message>
    <message>
        <source>没有找到所选麦克风，请重新选择输入设备。</source>
        <translation>No se encontró el micrófono seleccionado. Vuelva a elegir el dispositivo de entrada.</translation>
    </message>
    <message>
        <source>保存磁盘剩余空间不足 %1 GB，请清理空间或更换保存目录。</source>
        <translation>Quedan menos de %1 GB libres en el disco de guardado. Libere espacio o elija otra carpeta.</translation>
    </message>
    <message>
        <source>无法捕获系统声音：%1</source>
        <translation type="vanished">No se puede capturar el audio del sistema: %1</translation>
    </message>
    <message>
        <source>FFmpeg 启动失败。请确认 ffmpeg 已放到程序目录或系统 PATH。
%1</source>
        <translation>FFmpeg no pudo iniciarse. Compruebe que ffmpeg esté en la carpeta del programa o en el PATH del sistema.
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
        <translation>La captura de pantalla sigue por debajo de los 30 FPS. Cierre los programas exigentes o grabe en 720p.</translation>
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
    <message>
        <source>保存磁盘的剩余空间已不足 %1 MB，录制已停止；已录制的内容会正常保存。</source>
        <translation type="vanished">Quedan menos de %1 MB en el disco de guardado, así que la grabación se ha detenido. Todo lo grabado hasta ahora se guardará.</translation>
    </message>
    <message>
        <source>屏幕录制不可用：屏幕录制需要 X11 会话，在 Wayland 下无法录制屏幕。</source>
        <translation>La captura de pantalla no está disponible: grabar la pantalla requiere una sesión X11 y no es posible con Wayland.</translation>
    </message>
    <message>
        <source>录制分段异常，退出码=%1。没有录下任何内容。
%2</source>
        <translation>El segmento de grabación falló (código de salida %1). No se grabó nada.
%2</translation>
    </message>
    <message>
        <source>无法录制麦克风：%1</source>
        <translation type="vanished">No se puede grabar el micrófono: %1</translation>
    </message>
    <message>
        <source>保存文件夹不可写入：%1</source>
        <translation>No se puede escribir en la carpeta de guardado: %1</translation>
    </message>
    <message>
        <source>无法录制系统声音，因为声音服务器无法连接。</source>
        <translation>No se puede capturar el audio del sistema porque no se puede conectar con el servidor de sonido.</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已快满，录制已停止。已录下的分段保留在：
%2</source>
        <translation>El disco de guardado %1 está casi lleno, así que la grabación se detuvo. Los segmentos grabados se conservan en:
%2</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已快满，录制已停止并已保存为：
%2</source>
        <translation>El disco de guardado %1 está casi lleno, así que la grabación se detuvo y se guardó como:
%2</translation>
    </message>
    <message>
        <source>保存文件夹不存在，也无法创建：%1
%2 不可写入。</source>
        <translation>La carpeta de guardado no existe y no se puede crear: %1
No se puede escribir en %2.</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已快满，录制已停止。录像保留为 %2 个分段，位于：
%3
把它们合并成一个文件还需要约 %4 的可用空间（现在可用 %5）。腾出空间后，可以手动合并这些分段。</source>
        <translation>El disco de guardado %1 está casi lleno, así que la grabación se detuvo. Se conserva en %2 segmentos en:
%3
Unirlos en un solo archivo requiere unos %4 de espacio libre (ahora hay %5 libres). Cuando libere espacio, podrá unir estos segmentos usted mismo.</translation>
    </message>
    <message>
        <source>声音服务器已断开。录制仍在继续，这段时间的声音录为静音；声音服务器恢复后会自动继续录音。</source>
        <translation>El servidor de sonido ha desaparecido. La grabación continúa y graba silencio mientras tanto; el sonido se vuelve a grabar en cuanto vuelve el servidor de sonido.</translation>
    </message>
    <message>
        <source>录制文件夹在录制中被删除，已录下的内容随文件夹一起被删除：%1
该文件夹无法重新创建，录制已停止。
%2</source>
        <translation>La carpeta de la grabación se eliminó durante la grabación, y lo grabado se eliminó con ella: %1
No se puede volver a crear la carpeta, así que la grabación se ha detenido.
%2</translation>
    </message>
    <message>
        <source>录制文件夹在录制中被删除，此前录下的内容已随文件夹一起被删除：%1
已重新创建该文件夹，录制继续，此后的内容会正常保存。</source>
        <translation>La carpeta de la grabación se eliminó durante la grabación, y lo grabado hasta entonces se eliminó con ella: %1
Se ha vuelto a crear la carpeta; la grabación continúa y todo lo que sigue se guarda.</translation>
    </message>
    <message>
        <source>无法录制麦克风，因为声音服务器无法连接。</source>
        <translation>No se puede grabar el micrófono porque no se puede conectar con el servidor de sonido.</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已满，录制已停止。录下的内容没有可以播放的部分，没有保存录像；未完成的分段保留在：
%2</source>
        <translation>El disco de guardado %1 está lleno, así que la grabación se detuvo. Nada de lo grabado se puede reproducir, así que no se guardó ninguna grabación; el segmento sin terminar se conserva en:
%2</translation>
    </message>
    <message>
        <source>编码器停止了响应，录像只保存到 %1（共录制了 %2）：
%3</source>
        <translation type="vanished">El codificador dejó de responder: la grabación se guardó hasta %1 (de %2 grabados):
%3</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已满，没有录下任何内容。请清理空间或更换保存目录。
%2</source>
        <translation type="vanished">El disco de guardado %1 está lleno, así que no se grabó nada. Libere espacio o elija otra carpeta de guardado.
%2</translation>
    </message>
    <message>
        <source>所选麦克风已断开，录制改为使用系统默认的输入设备继续录音。</source>
        <translation>El micrófono elegido se ha desconectado. La grabación continúa con el dispositivo de entrada predeterminado del sistema.</translation>
    </message>
    <message>
        <source>编码器停止了响应：文件保存了 %1（共录制了 %2），从 %3 起缺少 %4：
%5</source>
        <translation>El codificador dejó de responder: el archivo contiene %1 de los %2 grabados; faltan %4 a partir de %3:
%5</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已满，录制已停止。录像保留为 %2 个分段，位于：
%3
把它们合并成一个文件还需要约 %4 的可用空间（现在可用 %5）。腾出空间后，可以手动合并这些分段。</source>
        <translation>El disco de guardado %1 está lleno, así que la grabación se detuvo. Se conserva en %2 segmentos en:
%3
Unirlos en un solo archivo requiere unos %4 de espacio libre (ahora hay %5 libres). Cuando libere espacio, podrá unir estos segmentos usted mismo.</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已满，录制已停止。已录下的分段保留在：
%2</source>
        <translation>El disco de guardado %1 está lleno, así que la grabación se detuvo. Los segmentos grabados se conservan en:
%2</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已满，录制已停止并已保存为：
%2</source>
        <translation>El disco de guardado %1 está lleno, así que la grabación se detuvo y se guardó como:
%2</translation>
    </message>
    <message>
        <source>录制进程意外结束，没有录下任何内容。</source>
        <translation>El proceso de grabación terminó de forma inesperada y no se grabó nada.</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已满，没有录下任何内容。请清理空间或更换保存目录。</source>
        <translation>El disco de guardado %1 está lleno, así que no se grabó nada. Libere espacio o elija otra carpeta de guardado.</translation>
    </message>
    <message>
        <source>无法录制麦克风：声音服务器没有开始录音。请检查输入设备后重试。</source>
        <translation>No se puede grabar el micrófono: el servidor de sonido no empezó a grabar. Compruebe el dispositivo de entrada e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>无法捕获系统声音：声音服务器没有开始录音。请检查输出设备后重试。</source>
        <translation>No se puede capturar el sonido del sistema: el servidor de sonido no empezó a grabar. Compruebe el dispositivo de salida e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>正在等待 FFmpeg 检测编码器…</source>
        <translation>Esperando a que FFmpeg pruebe los codificadores…</translation>
    </message>
    <message>
        <source>正在等待 FFmpeg 开始录制…</source>
        <translation>Esperando a que FFmpeg empiece a grabar…</translation>
    </message>
    <message>
        <source>请先启动声音服务器（PulseAudio），再开始录制。</source>
        <translation>Inicie primero el servidor de sonido (PulseAudio) y después empiece a grabar.</translation>
    </message>
    <message>
        <source>请先启动声音服务器（PulseAudio），或关闭扬声器和麦克风后录制无声视频。</source>
        <translation>Inicie primero el servidor de sonido (PulseAudio) o desactive el altavoz y el micrófono para grabar un vídeo sin sonido.</translation>
    </message>
    <message>
        <source>没有录下任何内容：录制在开始之前就已停止。</source>
        <translation>No se grabó nada: la grabación se detuvo antes de empezar.</translation>
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
    <message>
        <source>保存磁盘 %1 已满，分段没有合并成一个文件。腾出约 %2 的可用空间后，可以手动合并这些分段。</source>
        <translation>El disco de guardado %1 está lleno, así que los segmentos no se unieron en un solo archivo. Cuando haya unos %2 libres, podrá unir estos segmentos usted mismo.</translation>
    </message>
</context>
<context>
    <name>RecordingSettingsDialog</name>
    <message>
        <source>录制性能设置</source>
        <translation>Rendimiento de grabación</translation>
    </message>
    <message>
        <source>录制性能</source>
        <translation>Rendimiento de grabación</translation>
    </message>
    <message>
        <source>选择用途，自动匹配参数</source>
        <translation>Elija un uso y los ajustes se adaptan</translation>
    </message>
    <message>
        <source>预设</source>
        <translation>Ajustes predefinidos</translation>
    </message>
    <message>
        <source>办公
文档、会议</source>
        <translation>Oficina
Documentos, reuniones</translation>
    </message>
    <message>
        <source>课程
文字清晰</source>
        <translation>Curso
Texto nítido</translation>
    </message>
    <message>
        <source>游戏
流畅优先</source>
        <translation>Juegos
Fluidez primero</translation>
    </message>
    <message>
        <source>高画质
细节优先</source>
        <translation>Alta calidad
Detalle primero</translation>
    </message>
    <message>
        <source>高级设置  ▾</source>
        <translation>Ajustes avanzados  ▾</translation>
    </message>
    <message>
        <source>帧率</source>
        <translation>Velocidad de fotogramas</translation>
    </message>
    <message>
        <source>格式</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>画质</source>
        <translation>Calidad de imagen</translation>
    </message>
    <message>
        <source>帧率类型</source>
        <translation>Modo de fotogramas</translation>
    </message>
    <message>
        <source>编码器</source>
        <translation>Codificador</translation>
    </message>
    <message>
        <source>关键帧</source>
        <translation>Fotogramas clave</translation>
    </message>
    <message>
        <source>30 FPS（推荐）</source>
        <translation>30 FPS (recomendado)</translation>
    </message>
    <message>
        <source>标准</source>
        <translation>Estándar</translation>
    </message>
    <message>
        <source>高清（推荐）</source>
        <translation>HD (recomendado)</translation>
    </message>
    <message>
        <source>超清</source>
        <translation>Ultra HD</translation>
    </message>
    <message>
        <source>自动（推荐）</source>
        <translation>Automático (recomendado)</translation>
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
        <translation>MKV (fácil de recuperar)</translation>
    </message>
    <message>
        <source>恒定（推荐）</source>
        <translation>Constante (recomendado)</translation>
    </message>
    <message>
        <source>可变（省空间）</source>
        <translation>Variable (ahorra espacio)</translation>
    </message>
    <message>
        <source>1 秒</source>
        <translation>1 s</translation>
    </message>
    <message>
        <source>2 秒（推荐）</source>
        <translation>2 s (recomendado)</translation>
    </message>
    <message>
        <source>5 秒</source>
        <translation>5 s</translation>
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
        <source>收起高级设置  ▴</source>
        <translation>Ocultar ajustes avanzados  ▴</translation>
    </message>
    <message>
        <source>高清</source>
        <translation>HD</translation>
    </message>
    <message>
        <source>CPU 编码</source>
        <translation>Codificación por CPU</translation>
    </message>
    <message>
        <source>自动编码</source>
        <translation>Codificación automática</translation>
    </message>
    <message>
        <source>GPU 编码</source>
        <translation>Codificación por GPU</translation>
    </message>
    <message>
        <source>高性能模式</source>
        <translation>Modo de alto rendimiento</translation>
    </message>
    <message>
        <source>适合办公与课程</source>
        <translation>Ideal para oficina y cursos</translation>
    </message>
    <message>
        <source>适合游戏</source>
        <translation>Ideal para juegos</translation>
    </message>
    <message>
        <source>%1 · %2 · 关键帧 %3 秒</source>
        <translation>%1 · %2 · fotograma clave cada %3 s</translation>
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
        <translation>La pantalla más rápida se refresca a unos %1 Hz</translation>
    </message>
    <message>
        <source>没有检测到可用的 H.264 GPU 硬件编码器</source>
        <translation>No se encontró ningún codificador por hardware GPU H.264 que funcione</translation>
    </message>
    <message>
        <source>120 FPS 性能检查</source>
        <translation>Comprobación de rendimiento a 120 FPS</translation>
    </message>
    <message>
        <source>当前设备可能无法稳定录制 120 FPS：

• %1

建议自动调整为 60 FPS。录制期间仍会继续监测实际性能。</source>
        <translation>Este equipo quizá no grabe 120 FPS de forma estable:

• %1

Se recomienda cambiar a 60 FPS. El rendimiento real se sigue vigilando durante la grabación.</translation>
    </message>
    <message>
        <source>自动改为 60 FPS</source>
        <translation>Cambiar a 60 FPS</translation>
    </message>
    <message>
        <source>仍然使用 120 FPS</source>
        <translation>Mantener 120 FPS</translation>
    </message>
    <message>
        <source>返回设置</source>
        <translation>Volver a los ajustes</translation>
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
    <message>
        <source>这个时间已经过去，请选择一个将来的时间。</source>
        <translation>Esta hora ya ha pasado. Elija una hora futura.</translation>
    </message>
</context>
<context>
    <name>ScreenshotNotice</name>
    <message>
        <source>截图失败</source>
        <translation>Error en la captura</translation>
    </message>
    <message>
        <source>无法截取画面。</source>
        <translation>No se pudo tomar la imagen.</translation>
    </message>
    <message>
        <source>无法保存截图：
%1
请检查文件夹的写入权限。</source>
        <translation>No se pudo guardar la captura:
%1
Compruebe que la carpeta admite escritura.</translation>
    </message>
    <message>
        <source>截图完成</source>
        <translation>Captura guardada</translation>
    </message>
    <message>
        <source>截图已保存到：
%1</source>
        <translation>La captura se guardó en:
%1</translation>
    </message>
    <message>
        <source>上一张截图仍在保存，请稍后再试。</source>
        <translation>Las capturas anteriores aún se están guardando. Inténtelo de nuevo en un momento.</translation>
    </message>
</context>
<context>
    <name>SegmentMerger</name>
    <message>
        <source>FFmpeg 停止了响应，分段没有合并。</source>
        <translation>FFmpeg dejó de responder, así que los segmentos no se unieron.</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>设置</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>通用</source>
        <translation>General</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>鼠标效果</source>
        <translation>Efectos del ratón</translation>
    </message>
    <message>
        <source>快捷键</source>
        <translation>Atajos</translation>
    </message>
    <message>
        <source>录制</source>
        <translation>Grabación</translation>
    </message>
    <message>
        <source>恢复默认设置</source>
        <translation>Restaurar valores predeterminados</translation>
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
        <source>保存设置</source>
        <translation>Guardar ajustes</translation>
    </message>
    <message>
        <source>保存目录无效或无法创建，请重新选择。</source>
        <translation>La carpeta de guardado no es válida o no se puede crear. Elija otra.</translation>
    </message>
    <message>
        <source>每个全局快捷键只能包含一个组合，请重新设置。</source>
        <translation>Cada atajo global solo puede tener una combinación. Vuelva a configurarlo.</translation>
    </message>
    <message>
        <source>快捷键 %1 被重复使用，请为每个功能设置不同组合。</source>
        <translation>El atajo %1 se usa más de una vez. Asigne una combinación distinta a cada acción.</translation>
    </message>
    <message>
        <source>快捷键设置</source>
        <translation>Ajustes de atajos</translation>
    </message>
    <message>
        <source>设置写入失败，请检查当前用户的配置权限。</source>
        <translation>No se pudieron guardar los ajustes. Compruebe que el usuario actual puede escribir su configuración.</translation>
    </message>
    <message>
        <source>开机时自动启动 Vistrelle</source>
        <translation>Iniciar Vistrelle al iniciar sesión</translation>
    </message>
    <message>
        <source>启动后最小化到系统托盘</source>
        <translation>Iniciar minimizado en la bandeja del sistema</translation>
    </message>
    <message>
        <source>关闭按钮</source>
        <translation>Botón de cerrar</translation>
    </message>
    <message>
        <source>最小化到系统托盘</source>
        <translation>Minimizar en la bandeja del sistema</translation>
    </message>
    <message>
        <source>退出程序</source>
        <translation>Salir del programa</translation>
    </message>
    <message>
        <source>每次询问我</source>
        <translation>Preguntarme cada vez</translation>
    </message>
    <message>
        <source>选择“每次询问我”时，每次关闭主窗口都会弹出选择窗口。以后仍可在这里修改。</source>
        <translation>Con «Preguntarme cada vez», al cerrar la ventana principal siempre se pregunta qué hacer. Puedes cambiarlo aquí más tarde.</translation>
    </message>
    <message>
        <source>诊断</source>
        <translation>Diagnóstico</translation>
    </message>
    <message>
        <source>启用详细诊断日志</source>
        <translation>Activar el registro de diagnóstico detallado</translation>
    </message>
    <message>
        <source>日志保存在本机；重启后生效。</source>
        <translation>Los registros se quedan en este equipo; se aplica tras reiniciar.</translation>
    </message>
    <message>
        <source>默认保存目录</source>
        <translation>Carpeta de guardado predeterminada</translation>
    </message>
    <message>
        <source>浏览…</source>
        <translation>Examinar…</translation>
    </message>
    <message>
        <source>文件命名规则</source>
        <translation>Nombres de archivo</translation>
    </message>
    <message>
        <source>日期 + 时间</source>
        <translation>Fecha + hora</translation>
    </message>
    <message>
        <source>Vistrelle + 日期时间</source>
        <translation>Vistrelle + fecha y hora</translation>
    </message>
    <message>
        <source>自动编号</source>
        <translation>Numeración automática</translation>
    </message>
    <message>
        <source>示例：2026-09-04_143022.mp4</source>
        <translation type="vanished">Ejemplo: 2026-09-04_143022.mp4</translation>
    </message>
    <message>
        <source>磁盘空间提醒</source>
        <translation>Aviso de espacio en disco</translation>
    </message>
    <message>
        <source>当磁盘剩余空间少于</source>
        <translation>Cuando el espacio libre baje de</translation>
    </message>
    <message>
        <source>时提醒我</source>
        <translation>avisarme</translation>
    </message>
    <message>
        <source>选择保存目录</source>
        <translation>Elegir carpeta de guardado</translation>
    </message>
    <message>
        <source>显示鼠标高亮</source>
        <translation>Resaltar el puntero del ratón</translation>
    </message>
    <message>
        <source>高亮颜色</source>
        <translation>Color de resaltado</translation>
    </message>
    <message>
        <source>大小</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>透明度</source>
        <translation>Opacidad</translation>
    </message>
    <message>
        <source>点击动画</source>
        <translation>Animación de clics</translation>
    </message>
    <message>
        <source>显示鼠标点击动画</source>
        <translation>Animar los clics del ratón</translation>
    </message>
    <message>
        <source>左键点击</source>
        <translation>Clic izquierdo</translation>
    </message>
    <message>
        <source>右键点击</source>
        <translation>Clic derecho</translation>
    </message>
    <message>
        <source>选择颜色</source>
        <translation>Elegir color</translation>
    </message>
    <message>
        <source>点击选择颜色</source>
        <translation>Haga clic para elegir un color</translation>
    </message>
    <message>
        <source>开始 / 停止录制</source>
        <translation>Iniciar / detener grabación</translation>
    </message>
    <message>
        <source>暂停 / 继续录制</source>
        <translation>Pausar / reanudar grabación</translation>
    </message>
    <message>
        <source>截图（全屏 / 区域）</source>
        <translation>Captura de pantalla (completa / área)</translation>
    </message>
    <message>
        <source>显示 / 隐藏悬浮工具栏</source>
        <translation>Mostrar / ocultar la barra flotante</translation>
    </message>
    <message>
        <source>显示 / 隐藏注释工具栏</source>
        <translation>Mostrar / ocultar las herramientas de anotación</translation>
    </message>
    <message>
        <source>点击确定后保存，应用于下一次录制。</source>
        <translation>Se guarda al pulsar Aceptar y se aplica a la próxima grabación.</translation>
    </message>
    <message>
        <source>录制预设</source>
        <translation>Ajuste de grabación</translation>
    </message>
    <message>
        <source>办公</source>
        <translation>Oficina</translation>
    </message>
    <message>
        <source>课程</source>
        <translation>Curso</translation>
    </message>
    <message>
        <source>游戏</source>
        <translation>Juegos</translation>
    </message>
    <message>
        <source>自定义</source>
        <translation>Personalizado</translation>
    </message>
    <message>
        <source>标准</source>
        <translation>Estándar</translation>
    </message>
    <message>
        <source>高清（推荐）</source>
        <translation>HD (recomendado)</translation>
    </message>
    <message>
        <source>超清</source>
        <translation>Ultra HD</translation>
    </message>
    <message>
        <source>自动（推荐）</source>
        <translation>Automático (recomendado)</translation>
    </message>
    <message>
        <source>恒定（推荐）</source>
        <translation>Constante (recomendado)</translation>
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
        <translation>Ajustes habituales</translation>
    </message>
    <message>
        <source>视频格式</source>
        <translation>Formato de vídeo</translation>
    </message>
    <message>
        <source>帧率</source>
        <translation>Velocidad de fotogramas</translation>
    </message>
    <message>
        <source>画质</source>
        <translation>Calidad de imagen</translation>
    </message>
    <message>
        <source>硬件加速</source>
        <translation>Aceleración por hardware</translation>
    </message>
    <message>
        <source>高级设置 ▾</source>
        <translation>Ajustes avanzados ▾</translation>
    </message>
    <message>
        <source>帧率类型</source>
        <translation>Modo de fotogramas</translation>
    </message>
    <message>
        <source>关键帧间隔</source>
        <translation>Intervalo de fotogramas clave</translation>
    </message>
    <message>
        <source>收起高级设置 ▴</source>
        <translation>Ocultar ajustes avanzados ▴</translation>
    </message>
    <message>
        <source>示例：%1</source>
        <translation>Ejemplo: %1</translation>
    </message>
</context>
<context>
    <name>SetupRecordingToolbar</name>
    <message>
        <source>Full Screen  ▾</source>
        <translation>Toda la pantalla  ▾</translation>
    </message>
    <message>
        <source>Display 1</source>
        <translation>Pantalla 1</translation>
    </message>
    <message>
        <source>Webcam  ▾</source>
        <translation>Cámara  ▾</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>Speaker  ▾</source>
        <translation>Altavoz  ▾</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activado</translation>
    </message>
    <message>
        <source>Microphone  ▾</source>
        <translation>Micrófono  ▾</translation>
    </message>
    <message>
        <source>Screenshot</source>
        <translation>Captura</translation>
    </message>
    <message>
        <source>Auto Stop</source>
        <translation>Parada auto</translation>
    </message>
    <message>
        <source>Auto Split</source>
        <translation>Dividir auto</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Programar</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Toda la pantalla</translation>
    </message>
    <message>
        <source>Full Screen · Display %1</source>
        <translation>Pantalla completa · Pantalla %1</translation>
    </message>
    <message>
        <source>Custom Area</source>
        <translation>Área libre</translation>
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
        <source>Custom Area  ▾</source>
        <translation>Área libre  ▾</translation>
    </message>
    <message>
        <source>Window  ▾</source>
        <translation>Ventana  ▾</translation>
    </message>
    <message>
        <source>Game  ▾</source>
        <translation>Juego  ▾</translation>
    </message>
    <message>
        <source>Audio Only  ▾</source>
        <translation>Solo audio  ▾</translation>
    </message>
    <message>
        <source>Start recording</source>
        <translation>Iniciar grabación</translation>
    </message>
    <message>
        <source>Select a window before recording</source>
        <translation>Seleccione una ventana antes de grabar</translation>
    </message>
    <message>
        <source>Drag toolbar</source>
        <translation>Arrastrar la barra de herramientas</translation>
    </message>
    <message>
        <source>Open menu</source>
        <translation>Abrir menú</translation>
    </message>
</context>
<context>
    <name>StopRecordingDialog</name>
    <message>
        <source>Stop Recording</source>
        <translation>Detener grabación</translation>
    </message>
    <message>
        <source>Stop this recording?</source>
        <translation>¿Detener esta grabación?</translation>
    </message>
    <message>
        <source>Recorded</source>
        <translation>Grabado</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Descartar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
</context>
<context>
    <name>TimelineWidget</name>
    <message>
        <source>🎬 视频</source>
        <translation>🎬 Vídeo</translation>
    </message>
    <message>
        <source>🔊 系统音</source>
        <translation>🔊 Sistema</translation>
    </message>
    <message>
        <source>🎵 背景乐</source>
        <translation>🎵 Música</translation>
    </message>
    <message>
        <source>📝 字幕</source>
        <translation>📝 Subtítulos</translation>
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
    <name>ToolDialog</name>
    <message>
        <source>音量</source>
        <translation type="vanished">Volumen</translation>
    </message>
    <message>
        <source>音频</source>
        <translation type="vanished">Audio</translation>
    </message>
    <message>
        <source>速度</source>
        <translation type="vanished">velocidad</translation>
    </message>
    <message>
        <source>转换</source>
        <translation type="vanished">Convertir</translation>
    </message>
    <message>
        <source>信息</source>
        <translation type="vanished">Información</translation>
    </message>
    <message>
        <source>取消</source>
        <translation type="vanished">Cancelar</translation>
    </message>
    <message>
        <source>应用</source>
        <translation type="vanished">Aplicar</translation>
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
        <translation type="vanished">%1 archivos</translation>
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
    <message>
        <source>正在生成波形…</source>
        <translation>Generando forma de onda…</translation>
    </message>
    <message>
        <source>正在加载缩略图…</source>
        <translation>Cargando miniatura…</translation>
    </message>
    <message>
        <source>音频文件</source>
        <translation>Archivo de audio</translation>
    </message>
    <message>
        <source>无法加载缩略图</source>
        <translation>Miniatura no disponible</translation>
    </message>
    <message>
        <source>移除声音</source>
        <translation>Silenciar</translation>
    </message>
    <message>
        <source>裁剪</source>
        <translation>Recortar</translation>
    </message>
    <message>
        <source>分割</source>
        <translation>Dividir</translation>
    </message>
    <message>
        <source>截图</source>
        <translation>Captura</translation>
    </message>
    <message>
        <source>水印</source>
        <translation>Marca de agua</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>更多</source>
        <translation>Más</translation>
    </message>
    <message>
        <source>编辑与文件工具</source>
        <translation>Herramientas de edición y de archivo</translation>
    </message>
    <message>
        <source>裁剪视频</source>
        <translation>Recortar vídeo</translation>
    </message>
    <message>
        <source>拖动两侧滑块，选择保留的片段</source>
        <translation>Arrastre los dos controles para elegir la parte que se conserva</translation>
    </message>
    <message>
        <source>Start Trimming...</source>
        <translation>Iniciar recorte...</translation>
    </message>
    <message>
        <source>分割点  %1</source>
        <translation>Punto de división  %1</translation>
    </message>
    <message>
        <source>将在 %1 处分割为两个%2片段</source>
        <translation type="vanished">Se dividirá en dos fragmentos (%2) en %1</translation>
    </message>
    <message>
        <source>选中时长  %1</source>
        <translation>Seleccionado  %1</translation>
    </message>
    <message>
        <source>Mute Selection</source>
        <translation>Silenciar selección</translation>
    </message>
    <message>
        <source>预览画面效果</source>
        <translation>Vista previa del efecto de imagen</translation>
    </message>
    <message>
        <source>分割音频</source>
        <translation>Dividir audio</translation>
    </message>
    <message>
        <source>分割视频</source>
        <translation>Dividir vídeo</translation>
    </message>
    <message>
        <source>裁剪音频</source>
        <translation>Recortar audio</translation>
    </message>
    <message>
        <source>当前仅预览，点击保存后才会处理视频</source>
        <translation>Solo vista previa: el vídeo se procesa al hacer clic en Guardar</translation>
    </message>
    <message>
        <source>拖动黄色分割线，选择分割位置</source>
        <translation>Arrastre la línea amarilla para elegir dónde dividir</translation>
    </message>
    <message>
        <source>Save Muted Copy</source>
        <translation>Guardar copia silenciada</translation>
    </message>
    <message>
        <source>开始分割</source>
        <translation>Iniciar división</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>已设为无声</source>
        <translation>Silenciado</translation>
    </message>
    <message>
        <source>点击恢复原声</source>
        <translation>Haga clic para restaurar el sonido</translation>
    </message>
    <message>
        <source>Mute audio in the selected range</source>
        <translation>Silenciar el audio del intervalo seleccionado</translation>
    </message>
    <message>
        <source>音量</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>调整音频音量</source>
        <translation>Ajustar el volumen del audio</translation>
    </message>
    <message>
        <source>Vistrelle 全屏播放</source>
        <translation>Vistrelle a pantalla completa</translation>
    </message>
    <message>
        <source>截图不可用</source>
        <translation>Captura no disponible</translation>
    </message>
    <message>
        <source>视频画面尚未就绪，请先播放或移动到需要截图的位置。</source>
        <translation>La imagen del vídeo aún no está lista. Reproduzca el vídeo o vaya primero al momento que desea capturar.</translation>
    </message>
    <message>
        <source>截图完成</source>
        <translation>Captura guardada</translation>
    </message>
    <message>
        <source>截图已保存到：
%1</source>
        <translation>La captura se guardó en:
%1</translation>
    </message>
    <message>
        <source>正在保存媒体文件，请稍候…</source>
        <translation>Guardando el archivo multimedia, espere…</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>正在保存</source>
        <translation>Guardando</translation>
    </message>
    <message>
        <source>编辑失败</source>
        <translation>Error al editar</translation>
    </message>
    <message>
        <source>无法启动 FFmpeg。</source>
        <translation>No se pudo iniciar FFmpeg.</translation>
    </message>
    <message>
        <source>无法分割</source>
        <translation>No se puede dividir</translation>
    </message>
    <message>
        <source>请将播放位置移动到音频中间。</source>
        <translation>Mueva la posición de reproducción al interior del audio.</translation>
    </message>
    <message>
        <source>请将播放位置移动到视频中间。</source>
        <translation>Mueva la posición de reproducción al interior del vídeo.</translation>
    </message>
    <message>
        <source>分割失败</source>
        <translation>Error al dividir</translation>
    </message>
    <message>
        <source>FFmpeg 没有写出分割后的文件。</source>
        <translation>FFmpeg no escribió los archivos divididos.</translation>
    </message>
    <message>
        <source>分割完成</source>
        <translation>División completada</translation>
    </message>
    <message>
        <source>已生成两个音频片段。</source>
        <translation>Se crearon dos fragmentos de audio.</translation>
    </message>
    <message>
        <source>已生成两个视频片段。</source>
        <translation>Se crearon dos fragmentos de vídeo.</translation>
    </message>
    <message>
        <source>保存失败</source>
        <translation>Error al guardar</translation>
    </message>
    <message>
        <source>无法替换原文件，原文件已保留。</source>
        <translation>No se pudo reemplazar el archivo original; se ha conservado.</translation>
    </message>
    <message>
        <source>保存完成</source>
        <translation>Guardado</translation>
    </message>
    <message>
        <source>音频已保存：
%1</source>
        <translation>El audio se guardó:
%1</translation>
    </message>
    <message>
        <source>视频已保存：
%1</source>
        <translation>El vídeo se guardó:
%1</translation>
    </message>
    <message>
        <source>正在处理媒体文件…</source>
        <translation>Procesando el archivo multimedia…</translation>
    </message>
    <message>
        <source>处理失败</source>
        <translation>Error al procesar</translation>
    </message>
    <message>
        <source>操作已完成。</source>
        <translation>La operación ha finalizado.</translation>
    </message>
    <message>
        <source>文件已保存：
%1</source>
        <translation>El archivo se guardó:
%1</translation>
    </message>
    <message>
        <source>旋转 90°</source>
        <translation>Girar 90°</translation>
    </message>
    <message>
        <source>水平翻转</source>
        <translation>Voltear horizontalmente</translation>
    </message>
    <message>
        <source>垂直翻转</source>
        <translation>Voltear verticalmente</translation>
    </message>
    <message>
        <source>调整播放速度</source>
        <translation>Velocidad de reproducción</translation>
    </message>
    <message>
        <source>调整音量</source>
        <translation>Ajustar volumen</translation>
    </message>
    <message>
        <source>提取音频</source>
        <translation>Extraer audio</translation>
    </message>
    <message>
        <source>另存为 / 转换格式</source>
        <translation>Guardar como / Convertir</translation>
    </message>
    <message>
        <source>未知</source>
        <translation>Desconocido</translation>
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
        <translation type="vanished">Formato: %1
Códec: %2
Frecuencia de muestreo: %3 Hz
Canales: %4
Tasa de bits: %5 kbps
Duración: %6
Tamaño: %7
Creado: %8
Carpeta: %9</translation>
    </message>
    <message>
        <source>格式：%1
分辨率：%2 × %3
帧率：%4 fps
时长：%5
大小：%6
创建时间：%7
保存路径：%8</source>
        <translation type="vanished">Formato: %1
Resolución: %2 × %3
Fotogramas por segundo: %4 fps
Duración: %5
Tamaño: %6
Creado: %7
Carpeta: %8</translation>
    </message>
    <message>
        <source>速度</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>转换</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <source>信息</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>应用</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>播放速度</source>
        <translation>Velocidad de reproducción</translation>
    </message>
    <message>
        <source>调整预览速度，也可生成变速视频</source>
        <translation>Cambie la velocidad de vista previa o cree una copia con otra velocidad</translation>
    </message>
    <message>
        <source>选择速度</source>
        <translation>Elija una velocidad</translation>
    </message>
    <message>
        <source>Normal (1×)</source>
        <translation>Normal (1×)</translation>
    </message>
    <message>
        <source>0.5× 慢速    1× 原速    1.5× / 2× 加速</source>
        <translation>0.5× más lento    1× original    1.5× / 2× más rápido</translation>
    </message>
    <message>
        <source>变速完成</source>
        <translation>Velocidad cambiada</translation>
    </message>
    <message>
        <source>预览并输出新的音量电平</source>
        <translation>Escuche un nuevo nivel de volumen y cree una copia con él</translation>
    </message>
    <message>
        <source>静音</source>
        <translation>Silenciar</translation>
    </message>
    <message>
        <source>音量调整完成</source>
        <translation>Volumen ajustado</translation>
    </message>
    <message>
        <source>从视频中提取音轨，保存为音频文件</source>
        <translation>Guarde la pista de audio del vídeo como archivo de audio</translation>
    </message>
    <message>
        <source>提取</source>
        <translation>Extraer</translation>
    </message>
    <message>
        <source>输出格式</source>
        <translation>Formato de salida</translation>
    </message>
    <message>
        <source>音质</source>
        <translation>Calidad de audio</translation>
    </message>
    <message>
        <source>高质量（320 kbps）</source>
        <translation>Alta (320 kbps)</translation>
    </message>
    <message>
        <source>标准（192 kbps）</source>
        <translation>Estándar (192 kbps)</translation>
    </message>
    <message>
        <source>压缩（128 kbps）</source>
        <translation>Compacta (128 kbps)</translation>
    </message>
    <message>
        <source>音频提取完成</source>
        <translation>Audio extraído</translation>
    </message>
    <message>
        <source>选择输出格式并保留原始文件</source>
        <translation>Elija el formato de salida; el archivo original se conserva</translation>
    </message>
    <message>
        <source>导出</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>画质</source>
        <translation>Calidad de imagen</translation>
    </message>
    <message>
        <source>高质量</source>
        <translation>Alta</translation>
    </message>
    <message>
        <source>标准</source>
        <translation>Estándar</translation>
    </message>
    <message>
        <source>压缩</source>
        <translation>Compacta</translation>
    </message>
    <message>
        <source>转换完成</source>
        <translation>Conversión terminada</translation>
    </message>
    <message>
        <source>修改文件名，扩展名保持不变</source>
        <translation>Cambie el nombre del archivo; la extensión se mantiene</translation>
    </message>
    <message>
        <source>新文件名</source>
        <translation>Nuevo nombre de archivo</translation>
    </message>
    <message>
        <source>名称无效</source>
        <translation>Nombre no válido</translation>
    </message>
    <message>
        <source>文件名为空或包含无效字符。</source>
        <translation>El nombre del archivo está vacío o contiene caracteres no permitidos.</translation>
    </message>
    <message>
        <source>重命名失败</source>
        <translation>Error al cambiar el nombre</translation>
    </message>
    <message>
        <source>目标文件已存在或文件正在被占用。</source>
        <translation>Ya existe un archivo con ese nombre o el archivo está en uso.</translation>
    </message>
    <message>
        <source>查看音频文件的详细信息</source>
        <translation>Detalles del archivo de audio</translation>
    </message>
    <message>
        <source>查看视频文件的详细信息</source>
        <translation>Detalles del archivo de vídeo</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>复制信息</source>
        <translation>Copiar detalles</translation>
    </message>
    <message>
        <source>无法在视频目录创建临时文件，请检查写入权限。</source>
        <translation>No se puede crear un archivo temporal en la carpeta del vídeo. Compruebe los permisos de escritura.</translation>
    </message>
    <message>
        <source>无法写入水印文字。</source>
        <translation>No se puede escribir el texto de la marca de agua.</translation>
    </message>
    <message>
        <source>正在添加水印，原视频保持不变…</source>
        <translation>Añadiendo la marca de agua; el vídeo original no cambia…</translation>
    </message>
    <message>
        <source>无法保存水印副本，原视频未修改。</source>
        <translation>No se puede guardar la copia con marca de agua. El vídeo original no se ha modificado.</translation>
    </message>
    <message>
        <source>无法生成水印副本，原视频未修改。</source>
        <translation>No se puede crear la copia con marca de agua. El vídeo original no se ha modificado.</translation>
    </message>
    <message>
        <source>将在 %1 处分割为两个音频片段</source>
        <translation>Se dividirá en dos fragmentos de audio en %1</translation>
    </message>
    <message>
        <source>将在 %1 处分割为两个视频片段</source>
        <translation>Se dividirá en dos fragmentos de vídeo en %1</translation>
    </message>
    <message numerus="yes">
        <source>%n 个文件</source>
        <translation>
            <numerusform>%n archivo</numerusform>
            <numerusform>%n archivos</numerusform>
        </translation>
    </message>
    <message>
        <source>截图失败</source>
        <translation>Error en la captura</translation>
    </message>
    <message>
        <source>无法保存截图：
%1
请检查文件夹的写入权限。</source>
        <translation>No se pudo guardar la captura:
%1
Compruebe que la carpeta admite escritura.</translation>
    </message>
    <message>
        <source>已有同名文件：
%1</source>
        <translation>Ya existe un archivo con este nombre:
%1</translation>
    </message>
    <message>
        <source>没有写入此文件夹的权限：
%1</source>
        <translation>No tiene permiso para escribir en esta carpeta:
%1</translation>
    </message>
    <message>
        <source>文件名不能包含字符 %1</source>
        <translation>Un nombre de archivo no puede contener el carácter %1</translation>
    </message>
    <message>
        <source>文件为空</source>
        <translation>El archivo está vacío</translation>
    </message>
    <message>
        <source>格式：%1
分辨率：%2
帧率：%3
时长：%4
大小：%5
创建时间：%6
保存路径：%7</source>
        <translation>Formato: %1
Resolución: %2
Fotogramas por segundo: %3
Duración: %4
Tamaño: %5
Creado: %6
Carpeta: %7</translation>
    </message>
    <message>
        <source>文件不存在</source>
        <translation>Archivo no encontrado</translation>
    </message>
    <message>
        <source>“%1”已被移动或删除，已从列表中移除。</source>
        <translation>«%1» ya no existe: se movió o se eliminó. Se ha quitado de la lista.</translation>
    </message>
    <message>
        <source>文件名过长，请缩短后再试。</source>
        <translation>El nombre del archivo es demasiado largo. Acórtelo e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>无法检查这个文件是否可用：%1</source>
        <translation>No se pudo comprobar si este archivo se puede usar: %1</translation>
    </message>
    <message>
        <source>正在读取文件信息…</source>
        <translation>Leyendo la información del archivo…</translation>
    </message>
    <message>
        <source>无法读取此文件的信息</source>
        <translation>No se pudo leer la información de este archivo</translation>
    </message>
    <message>
        <source>此文件没有声音</source>
        <translation>Este archivo no tiene sonido</translation>
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
        <translation>Formato: %1
Códec: %2
Frecuencia de muestreo: %3
Canales: %4
Tasa de bits: %5
Duración: %6
Tamaño: %7
Creado: %8
Carpeta: %9</translation>
    </message>
    <message>
        <source>时长未知</source>
        <translation>Duración desconocida</translation>
    </message>
    <message>
        <source>声道未知</source>
        <translation>Canales desconocidos</translation>
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
        <translation>Elegir color</translation>
    </message>
    <message>
        <source>请输入水印文字。</source>
        <translation>Introduzca el texto de la marca de agua.</translation>
    </message>
</context>
<context>
    <name>WatermarkProgressDialog</name>
    <message>
        <source>正在添加水印</source>
        <translation>Añadiendo marca de agua</translation>
    </message>
    <message>
        <source>正在保存录制</source>
        <translation>Guardando grabación</translation>
    </message>
    <message>
        <source>正在处理视频，请稍候…</source>
        <translation>Procesando el vídeo, espere…</translation>
    </message>
    <message>
        <source>正在处理录制文件，请稍候…</source>
        <translation>Procesando la grabación, espere…</translation>
    </message>
    <message>
        <source>正在处理 %1 / %2</source>
        <translation>Procesando %1 de %2</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>正在取消…</source>
        <translation>Cancelando…</translation>
    </message>
    <message>
        <source>正在安全取消水印处理…</source>
        <translation>Cancelando la marca de agua de forma segura…</translation>
    </message>
</context>
<context>
    <name>vc::CloseBehaviorDialog</name>
    <message>
        <source>关闭 Vistrelle</source>
        <translation>Cerrar Vistrelle</translation>
    </message>
    <message>
        <source>关闭窗口后要做什么？</source>
        <translation>¿Qué hacer al cerrar la ventana?</translation>
    </message>
    <message>
        <source>最小化到托盘</source>
        <translation>Minimizar en la bandeja</translation>
    </message>
    <message>
        <source>退出 Vistrelle</source>
        <translation>Salir de Vistrelle</translation>
    </message>
    <message>
        <source>记住我的选择，下次不再询问</source>
        <translation>Recordar mi elección y no volver a preguntar</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>Aceptar</translation>
    </message>
</context>
</TS>

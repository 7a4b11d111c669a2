<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt" sourcelanguage="zh_CN">
<context>
    <name>AnnotationOverlay</name>
    <message>
        <source>添加文字标注</source>
        <translation>Adicionar anotação de texto</translation>
    </message>
    <message>
        <source>输入标注文字：</source>
        <translation>Texto da anotação:</translation>
    </message>
    <message>
        <source>左键绘制  Ctrl+Z 撤销  Del 清除  ESC 退出</source>
        <translation>Arraste com o botão esquerdo para desenhar  Ctrl+Z Desfazer  Del Limpar  Esc Sair</translation>
    </message>
</context>
<context>
    <name>AnnotationToolbar</name>
    <message>
        <source>画笔</source>
        <translation>Caneta</translation>
    </message>
    <message>
        <source>箭头</source>
        <translation>Seta</translation>
    </message>
    <message>
        <source>矩形</source>
        <translation>Retângulo</translation>
    </message>
    <message>
        <source>文字</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>选择颜色</source>
        <translation>Escolher cor</translation>
    </message>
    <message>
        <source>粗细</source>
        <translation>Espessura</translation>
    </message>
    <message>
        <source>撤销  Ctrl+Z</source>
        <translation>Desfazer  Ctrl+Z</translation>
    </message>
    <message>
        <source>清除全部  Del</source>
        <translation>Limpar tudo  Del</translation>
    </message>
    <message>
        <source>退出注释</source>
        <translation>Sair da anotação</translation>
    </message>
    <message>
        <source>选择注释颜色</source>
        <translation>Escolher cor da anotação</translation>
    </message>
</context>
<context>
    <name>AreaDropdown</name>
    <message>
        <source>全屏</source>
        <translation>Tela cheia</translation>
    </message>
    <message>
        <source>选择区域 / 窗口</source>
        <translation>Selecionar área / janela</translation>
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
        <translation>Clique e arraste para selecionar uma área</translation>
    </message>
</context>
<context>
    <name>AudioSettingsDialog</name>
    <message>
        <source>音频高级设置</source>
        <translation>Configurações avançadas de áudio</translation>
    </message>
    <message>
        <source>系统声与麦克风会分别处理，再混合写入录制文件。</source>
        <translation>O som do sistema e o microfone são processados separadamente e depois mixados na gravação.</translation>
    </message>
    <message>
        <source>系统声音音量</source>
        <translation>Volume do som do sistema</translation>
    </message>
    <message>
        <source>麦克风音量</source>
        <translation>Volume do microfone</translation>
    </message>
    <message>
        <source> ms</source>
        <translation> ms</translation>
    </message>
    <message>
        <source>麦克风延迟</source>
        <translation>Atraso do microfone</translation>
    </message>
    <message>
        <source>麦克风降噪（降低持续环境噪声）</source>
        <translation>Redução de ruído do microfone (reduz o ruído de fundo constante)</translation>
    </message>
    <message>
        <source>单声道输出（适合语音录制）</source>
        <translation>Saída mono (adequada para gravação de voz)</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>Concluir</translation>
    </message>
</context>
<context>
    <name>AutoSplitDialog</name>
    <message>
        <source>自动分割设置</source>
        <translation>Configurações de divisão automática</translation>
    </message>
    <message>
        <source>录制时按指定条件自动切分为多个文件</source>
        <translation>Inicia um novo segmento quando uma condição é atingida; no fim, todos são unidos em um único arquivo</translation>
    </message>
    <message>
        <source>按录制时长</source>
        <translation>Por duração</translation>
    </message>
    <message>
        <source>适合会议、课程等长时间录制</source>
        <translation>Para gravações longas, como reuniões e aulas</translation>
    </message>
    <message>
        <source>分钟</source>
        <translation>min</translation>
    </message>
    <message>
        <source>按文件大小</source>
        <translation>Por tamanho do arquivo</translation>
    </message>
    <message>
        <source>便于上传、传输或分段保存</source>
        <translation>Limita o tamanho de cada segmento</translation>
    </message>
    <message>
        <source>✓  无缝切分</source>
        <translation>✓  Divisão contínua</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>将每 %1 分钟自动保存为一个新文件</source>
        <translation type="vanished">Um novo arquivo é salvo a cada %1 minutos</translation>
    </message>
    <message>
        <source>文件达到 %1 MB 时自动切分并保存</source>
        <translation>Um novo segmento começa sempre que um atinge %1 MB</translation>
    </message>
    <message numerus="yes">
        <source>将每 %n 分钟自动保存为一个新文件</source>
        <translation>
            <numerusform>Um novo segmento começa a cada minuto</numerusform>
            <numerusform>Um novo segmento começa a cada %n minutos</numerusform>
        </translation>
    </message>
    <message>
        <source>关闭自动分割</source>
        <translation>Desativar divisão autom.</translation>
    </message>
</context>
<context>
    <name>AutoStopDialog</name>
    <message>
        <source>自动停止设置</source>
        <translation>Configurações de parada automática</translation>
    </message>
    <message>
        <source>录制达到指定条件时自动停止并保存文件。</source>
        <translation>A gravação para e o arquivo é salvo quando uma condição é atingida.</translation>
    </message>
    <message>
        <source>停止条件</source>
        <translation>Condição de parada</translation>
    </message>
    <message>
        <source>按录制时长</source>
        <translation>Por duração</translation>
    </message>
    <message>
        <source>分钟</source>
        <translation>min</translation>
    </message>
    <message>
        <source>按文件大小</source>
        <translation>Por tamanho do arquivo</translation>
    </message>
    <message>
        <source>录制 %1 分钟后自动停止</source>
        <translation type="vanished">Para após %1 minutos de gravação</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>文件达到 %1 MB 后自动停止</source>
        <translation>Para quando o arquivo atinge %1 MB</translation>
    </message>
    <message>
        <source>自动停止倒计时</source>
        <translation>Contagem regressiva da parada automática</translation>
    </message>
    <message>
        <source>录制将在以上时间后自动停止</source>
        <translation>A gravação para sozinha após este tempo</translation>
    </message>
    <message>
        <source>取消自动停止</source>
        <translation>Cancelar parada automática</translation>
    </message>
    <message numerus="yes">
        <source>录制 %n 分钟后自动停止</source>
        <translation>
            <numerusform>Para após um minuto de gravação</numerusform>
            <numerusform>Para após %n minutos de gravação</numerusform>
        </translation>
    </message>
    <message>
        <source>关闭自动停止</source>
        <translation>Desativar parada autom.</translation>
    </message>
</context>
<context>
    <name>BottomBar</name>
    <message>
        <source>媒体库</source>
        <translation>Biblioteca de mídia</translation>
    </message>
    <message>
        <source>水印</source>
        <translation>Marca d&apos;água</translation>
    </message>
    <message>
        <source>自动分割</source>
        <translation>Divisão automática</translation>
    </message>
    <message>
        <source>自动停止</source>
        <translation>Parada automática</translation>
    </message>
    <message>
        <source>计划录制</source>
        <translation>Gravação agendada</translation>
    </message>
    <message>
        <source>GPU 加速</source>
        <translation>Aceleração por GPU</translation>
    </message>
</context>
<context>
    <name>CameraRecordingPage</name>
    <message>
        <source>Camera Recording</source>
        <translation>Gravação da câmera</translation>
    </message>
    <message>
        <source>Back to Home</source>
        <translation>Voltar ao início</translation>
    </message>
    <message>
        <source>Choose a camera to start preview</source>
        <translation>Escolha uma câmera para iniciar a pré-visualização</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Espelhar</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Retrato</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Ajustar</translation>
    </message>
    <message>
        <source>Camera framing mode</source>
        <translation>Enquadramento da câmera</translation>
    </message>
    <message>
        <source>System Audio</source>
        <translation>Áudio do sistema</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Microfone</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>Instantâneo</translation>
    </message>
    <message>
        <source>Auto Stop</source>
        <translation>Parada auto</translation>
    </message>
    <message>
        <source>Auto Split</source>
        <translation>Divisão auto</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Preencher</translation>
    </message>
    <message>
        <source>Camera access is off. Allow Vistrelle in System Settings &gt; Privacy &amp; Security &gt; Camera, then return to this page.</source>
        <translation>O acesso à câmera está desativado. Permita o Vistrelle em Ajustes do Sistema &gt; Privacidade e Segurança &gt; Câmera e volte a esta página.</translation>
    </message>
    <message>
        <source>Requesting camera access…</source>
        <translation>Solicitando acesso à câmera…</translation>
    </message>
    <message>
        <source>Starting camera…</source>
        <translation>Iniciando a câmera…</translation>
    </message>
    <message>
        <source>No camera found. Connect a camera and return to this page.</source>
        <translation>Nenhuma câmera encontrada. Conecte uma câmera e volte a esta página.</translation>
    </message>
    <message>
        <source>Camera did not deliver a picture. Check camera access and whether another app is using it, then select the camera again.</source>
        <translation>A câmera não entregou nenhuma imagem. Verifique o acesso à câmera e se outro app a está usando, depois selecione a câmera novamente.</translation>
    </message>
    <message>
        <source>Camera could not start. Check camera access in System Settings.</source>
        <translation>Não foi possível iniciar a câmera. Verifique o acesso à câmera nos Ajustes do Sistema.</translation>
    </message>
    <message>
        <source>Camera stopped delivering frames. Recording has been stopped.</source>
        <translation>A câmera parou de entregar imagens. A gravação foi interrompida.</translation>
    </message>
    <message>
        <source>Save camera snapshot</source>
        <translation>Salvar instantâneo da câmera</translation>
    </message>
    <message>
        <source>Could not save the image.</source>
        <translation>Não foi possível salvar a imagem.</translation>
    </message>
    <message>
        <source>Camera Permission</source>
        <translation>Permissão da câmera</translation>
    </message>
    <message>
        <source>Camera access is off. Allow Vistrelle in System Settings &gt; Privacy &amp; Security &gt; Camera.</source>
        <translation>O acesso à câmera está desativado. Permita o Vistrelle em Ajustes do Sistema &gt; Privacidade e Segurança &gt; Câmera.</translation>
    </message>
    <message>
        <source>Open Settings</source>
        <translation>Abrir ajustes</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Retomar</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ligado</translation>
    </message>
    <message>
        <source>Starting…</source>
        <translation>Iniciando…</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desligado</translation>
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
        <translation>Clique na grade para escolher a posição da webcam</translation>
    </message>
    <message>
        <source>摄像头位置九宫格</source>
        <translation>Grade de posição da webcam</translation>
    </message>
    <message>
        <source>摄像头设置</source>
        <translation>Configurações da webcam</translation>
    </message>
    <message>
        <source>正在启动摄像头…</source>
        <translation>Iniciando a câmera…</translation>
    </message>
    <message>
        <source>实时预览</source>
        <translation>Pré-visualização ao vivo</translation>
    </message>
    <message>
        <source>摄像头关闭时，将在这里显示 · 开启摄像头后可预览</source>
        <translation>Exibido aqui com a câmera desligada · Ligue a câmera para pré-visualizar</translation>
    </message>
    <message>
        <source>摄像头设备</source>
        <translation>Dispositivo de câmera</translation>
    </message>
    <message>
        <source>自动</source>
        <translation>Automático</translation>
    </message>
    <message>
        <source>帧率</source>
        <translation>Taxa de quadros</translation>
    </message>
    <message>
        <source>视频质量</source>
        <translation>Qualidade de vídeo</translation>
    </message>
    <message>
        <source>画面形状</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>圆形</source>
        <translation>Círculo</translation>
    </message>
    <message>
        <source>圆角矩形</source>
        <translation>Arredondado</translation>
    </message>
    <message>
        <source>矩形</source>
        <translation>Retângulo</translation>
    </message>
    <message>
        <source>左上</source>
        <translation>Superior esquerdo</translation>
    </message>
    <message>
        <source>上中</source>
        <translation>Superior central</translation>
    </message>
    <message>
        <source>右上</source>
        <translation>Superior direito</translation>
    </message>
    <message>
        <source>左中</source>
        <translation>Meio à esquerda</translation>
    </message>
    <message>
        <source>居中</source>
        <translation>Centro</translation>
    </message>
    <message>
        <source>右中</source>
        <translation>Meio à direita</translation>
    </message>
    <message>
        <source>左下</source>
        <translation>Inferior esquerdo</translation>
    </message>
    <message>
        <source>下中</source>
        <translation>Inferior central</translation>
    </message>
    <message>
        <source>右下</source>
        <translation>Inferior direito</translation>
    </message>
    <message>
        <source>摄像头位置</source>
        <translation>Posição</translation>
    </message>
    <message>
        <source>小</source>
        <translation>Pequeno</translation>
    </message>
    <message>
        <source>大</source>
        <translation>Grande</translation>
    </message>
    <message>
        <source>画面大小</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>镜像画面</source>
        <translation>Espelhar imagem</translation>
    </message>
    <message>
        <source>让预览效果更自然</source>
        <translation>Deixa a pré-visualização mais natural</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>Concluir</translation>
    </message>
    <message>
        <source>开启摄像头后可预览</source>
        <translation>Ligue a câmera para pré-visualizar</translation>
    </message>
    <message>
        <source>未检测到摄像头</source>
        <translation>Nenhuma câmera detectada</translation>
    </message>
    <message>
        <source>未检测到可用摄像头</source>
        <translation>Nenhuma câmera disponível detectada</translation>
    </message>
    <message>
        <source>摄像头无法启动，请检查系统权限</source>
        <translation>Não foi possível iniciar a câmera. Verifique as permissões do sistema.</translation>
    </message>
</context>
<context>
    <name>CaptureTargetDialog</name>
    <message>
        <source>选择游戏</source>
        <translation>Selecionar jogo</translation>
    </message>
    <message>
        <source>选择窗口</source>
        <translation>Selecionar janela</translation>
    </message>
    <message>
        <source>选择游戏窗口</source>
        <translation>Selecione uma janela de jogo</translation>
    </message>
    <message>
        <source>选择录制窗口</source>
        <translation>Selecione a janela a gravar</translation>
    </message>
    <message>
        <source>刷新</source>
        <translation>Atualizar</translation>
    </message>
    <message>
        <source>Select a window</source>
        <translation>Selecione uma janela</translation>
    </message>
    <message>
        <source>Process information unavailable</source>
        <translation>Informações do processo indisponíveis</translation>
    </message>
    <message>
        <source>Loading preview…</source>
        <translation>Carregando pré-visualização…</translation>
    </message>
    <message>
        <source>当前没有可捕获窗口。请先打开目标程序，然后点击刷新。</source>
        <translation>Nenhuma janela pode ser capturada agora. Abra o programa que deseja gravar e clique em Atualizar.</translation>
    </message>
    <message>
        <source>选择要录制的游戏或应用窗口。录制时不要最小化窗口。</source>
        <translation>Selecione a janela do jogo ou aplicativo a gravar. Não minimize a janela durante a gravação.</translation>
    </message>
    <message>
        <source>录制时不要最小化窗口。</source>
        <translation>Não minimize a janela durante a gravação.</translation>
    </message>
    <message>
        <source>Preview timed out — check screen recording access</source>
        <translation>A pré-visualização expirou — verifique o acesso à gravação de tela</translation>
    </message>
    <message>
        <source>Preview unavailable — check screen recording access</source>
        <translation>Pré-visualização indisponível — verifique o acesso à gravação de tela</translation>
    </message>
</context>
<context>
    <name>Common</name>
    <message>
        <source>Open Folder</source>
        <translation>Abrir pasta</translation>
    </message>
    <message>
        <source>无法打开文件夹：
%1</source>
        <translation>Não foi possível abrir a pasta:
%1</translation>
    </message>
</context>
<context>
    <name>CompletionDialog</name>
    <message>
        <source>文件已保存到以下文件夹</source>
        <translation>O arquivo foi salvo nesta pasta</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Abrir pasta</translation>
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
        <translation>Tela cheia</translation>
    </message>
    <message>
        <source>自定义</source>
        <translation>Personalizado</translation>
    </message>
    <message>
        <source>尚未选择窗口</source>
        <translation>Nenhuma janela selecionada</translation>
    </message>
    <message>
        <source>请选择录制目标</source>
        <translation>Escolha o que gravar</translation>
    </message>
    <message>
        <source>选择窗口</source>
        <translation>Selecionar janela</translation>
    </message>
    <message>
        <source>纯音频录制</source>
        <translation>Gravação somente de áudio</translation>
    </message>
    <message>
        <source>音质</source>
        <translation>Qualidade de áudio</translation>
    </message>
    <message>
        <source>128 kbps · 较小</source>
        <translation>128 kbps · Menor</translation>
    </message>
    <message>
        <source>192 kbps · 推荐</source>
        <translation>192 kbps · Recomendado</translation>
    </message>
    <message>
        <source>320 kbps · 高质量</source>
        <translation>320 kbps · Alta qualidade</translation>
    </message>
    <message>
        <source>无损 · 由格式决定</source>
        <translation>Sem perdas · Definido pelo formato</translation>
    </message>
    <message>
        <source>录摄像头</source>
        <translation>Webcam</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>扬声器</source>
        <translation>Alto-falante</translation>
    </message>
    <message>
        <source>试音</source>
        <translation>Testar</translation>
    </message>
    <message>
        <source>麦克风</source>
        <translation>Microfone</translation>
    </message>
    <message>
        <source>开始录制</source>
        <translation>Iniciar gravação</translation>
    </message>
    <message>
        <source>纯音频模式不录制摄像头</source>
        <translation>O modo somente áudio não grava a webcam</translation>
    </message>
    <message>
        <source>选择游戏</source>
        <translation>Selecionar jogo</translation>
    </message>
    <message>
        <source>尚未选择游戏</source>
        <translation>Nenhum jogo selecionado</translation>
    </message>
    <message>
        <source>高性能屏幕采集模式</source>
        <translation>Modo de captura de tela de alto desempenho</translation>
    </message>
    <message>
        <source>选择%1设备</source>
        <translation>Escolher dispositivo: %1</translation>
    </message>
    <message>
        <source>选择设备和音频设置</source>
        <translation>Escolher o dispositivo e os ajustes de áudio</translation>
    </message>
    <message>
        <source>开启</source>
        <translation>Ligado</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Desligado</translation>
    </message>
    <message>
        <source>默认设备</source>
        <translation>Dispositivo padrão</translation>
    </message>
    <message>
        <source>默认 · %1</source>
        <translation>Padrão · %1</translation>
    </message>
    <message>
        <source>选择扬声器</source>
        <translation>Escolher alto-falante</translation>
    </message>
    <message>
        <source>选择麦克风</source>
        <translation>Escolher microfone</translation>
    </message>
    <message>
        <source>音频高级设置…</source>
        <translation>Configurações avançadas de áudio…</translation>
    </message>
    <message>
        <source>系统声音</source>
        <translation>Som do sistema</translation>
    </message>
    <message>
        <source>无法监听所选扬声器：%1</source>
        <translation>Não é possível ouvir o alto-falante escolhido: %1</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>未检测到声音，请先播放一段音频</source>
        <translation>Nenhum som detectado. Reproduza um áudio primeiro.</translation>
    </message>
    <message>
        <source>已检测到系统播放声音</source>
        <translation>Som de reprodução do sistema detectado</translation>
    </message>
    <message>
        <source>无设备</source>
        <translation>Sem dispositivo</translation>
    </message>
    <message>
        <source>不可用</source>
        <translation>Indisponível</translation>
    </message>
    <message>
        <source>未检测到声音，请检查麦克风或权限</source>
        <translation>Nenhum som detectado. Verifique o microfone ou a permissão.</translation>
    </message>
    <message>
        <source>已检测到麦克风声音</source>
        <translation>Som do microfone detectado</translation>
    </message>
    <message>
        <source>系统声音实时电平</source>
        <translation>Nível ao vivo do som do sistema</translation>
    </message>
    <message>
        <source>麦克风实时电平</source>
        <translation>Nível ao vivo do microfone</translation>
    </message>
    <message>
        <source>停止试音</source>
        <translation>Parar teste</translation>
    </message>
    <message>
        <source>输出</source>
        <translation>Saída</translation>
    </message>
    <message>
        <source>输入</source>
        <translation>Entrada</translation>
    </message>
    <message>
        <source>正在监听，请播放一段声音</source>
        <translation>Ouvindo. Reproduza algum som.</translation>
    </message>
    <message>
        <source>正在监听，请对麦克风说话</source>
        <translation>Ouvindo. Fale ao microfone.</translation>
    </message>
    <message>
        <source>录音检查</source>
        <translation>Verificação da gravação</translation>
    </message>
    <message>
        <source>请至少开启扬声器或麦克风。</source>
        <translation>Ligue pelo menos o alto-falante ou o microfone.</translation>
    </message>
    <message>
        <source>没有可用的扬声器设备，无法录制系统声音。</source>
        <translation>Nenhum alto-falante disponível; o som do sistema não pode ser gravado.</translation>
    </message>
    <message>
        <source>没有可用的麦克风，请重新连接或选择输入设备。</source>
        <translation>Nenhum microfone disponível. Reconecte-o ou escolha outro dispositivo de entrada.</translation>
    </message>
    <message>
        <source>停止录制</source>
        <translation>Parar gravação</translation>
    </message>
    <message>
        <source>Camera Permission</source>
        <translation>Permissão da câmera</translation>
    </message>
    <message>
        <source>Camera access is off. Allow Vistrelle in System Settings &gt; Privacy &amp; Security &gt; Camera.</source>
        <translation>O acesso à câmera está desativado. Permita o Vistrelle em Ajustes do Sistema &gt; Privacidade e Segurança &gt; Câmera.</translation>
    </message>
    <message>
        <source>Open Settings</source>
        <translation>Abrir ajustes</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>高性能屏幕采集</source>
        <translation>Captura de tela de alto desempenho</translation>
    </message>
    <message>
        <source> · 高性能屏幕采集</source>
        <translation> · Captura de tela de alto desempenho</translation>
    </message>
    <message>
        <source>%1 · 不可用</source>
        <translation>%1 · indisponível</translation>
    </message>
    <message>
        <source>摄像头</source>
        <translation>Webcam</translation>
    </message>
    <message>
        <source>没有检测到可用摄像头。</source>
        <translation>Nenhuma webcam foi encontrada.</translation>
    </message>
</context>
<context>
    <name>CountdownOverlay</name>
    <message>
        <source>开始/停止</source>
        <translation>Iniciar/Parar</translation>
    </message>
    <message>
        <source>暂停/恢复</source>
        <translation>Pausar/Retomar</translation>
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
        <translation>↑  Configurações de exportação</translation>
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
        <translation>Somente áudio MP3 (.mp3)</translation>
    </message>
    <message>
        <source>仅音频 AAC (.aac)</source>
        <translation>Somente áudio AAC (.aac)</translation>
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
        <translation>Taxa de bits de vídeo</translation>
    </message>
    <message>
        <source>1× (正常)</source>
        <translation>1× (normal)</translation>
    </message>
    <message>
        <source>播放速度</source>
        <translation>Velocidade de reprodução</translation>
    </message>
    <message>
        <source>GIF 帧率</source>
        <translation>Taxa de quadros do GIF</translation>
    </message>
    <message>
        <source>GIF 宽度</source>
        <translation>Largura do GIF</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>开始导出</source>
        <translation>Iniciar exportação</translation>
    </message>
    <message>
        <source>✓ 已保存到: </source>
        <translation>✓ Salvo em: </translation>
    </message>
    <message>
        <source>保存为</source>
        <translation>Salvar como</translation>
    </message>
    <message>
        <source>视频文件 (*.mp4 *.mkv *.gif *.mp3 *.aac)</source>
        <translation>Arquivos de mídia (*.mp4 *.mkv *.gif *.mp3 *.aac)</translation>
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
        <translation>O FFmpeg não terminou em %1 segundos.</translation>
    </message>
    <message>
        <source>FFmpeg 意外终止。</source>
        <translation>O FFmpeg parou inesperadamente.</translation>
    </message>
    <message>
        <source>FFmpeg 以退出码 %1 结束，没有说明原因。</source>
        <translation>O FFmpeg terminou com o código de saída %1 sem indicar o motivo.</translation>
    </message>
</context>
<context>
    <name>FloatingToolbar</name>
    <message>
        <source>正在录制</source>
        <translation>Gravando</translation>
    </message>
    <message>
        <source>初始化…</source>
        <translation>Iniciando…</translation>
    </message>
    <message>
        <source>写入中…</source>
        <translation>Gravando arquivo…</translation>
    </message>
    <message>
        <source>关闭摄像头</source>
        <translation>Desligar webcam</translation>
    </message>
    <message>
        <source>开启摄像头</source>
        <translation>Ligar webcam</translation>
    </message>
    <message>
        <source>画笔</source>
        <translation>Caneta</translation>
    </message>
    <message>
        <source>箭头</source>
        <translation>Seta</translation>
    </message>
    <message>
        <source>矩形</source>
        <translation>Retângulo</translation>
    </message>
    <message>
        <source>文字</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>直线</source>
        <translation>Linha</translation>
    </message>
    <message>
        <source>圆形</source>
        <translation>Círculo</translation>
    </message>
    <message>
        <source>高亮笔</source>
        <translation>Marca-texto</translation>
    </message>
    <message>
        <source>橡皮擦</source>
        <translation>Borracha</translation>
    </message>
    <message>
        <source>撤销 Ctrl+Z</source>
        <translation>Desfazer Ctrl+Z</translation>
    </message>
    <message>
        <source>清除全部 Del</source>
        <translation>Limpar tudo Del</translation>
    </message>
    <message>
        <source>退出注释模式</source>
        <translation>Sair do modo de anotação</translation>
    </message>
    <message>
        <source>选择工具后在屏幕上绘制，ESC 或点“退出”结束注释</source>
        <translation>Escolha uma ferramenta e desenhe na tela; Esc ou &quot;Sair&quot; encerra a anotação</translation>
    </message>
    <message>
        <source>选择颜色</source>
        <translation>Escolher cor</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>已暂停</source>
        <translation>Pausado</translation>
    </message>
    <message>
        <source>正在保存…</source>
        <translation>A guardar…</translation>
    </message>
</context>
<context>
    <name>GlobalHotkey</name>
    <message>
        <source>%1（不支持的按键）</source>
        <translation>%1 (tecla não suportada)</translation>
    </message>
</context>
<context>
    <name>HomePage</name>
    <message>
        <source>Start Recording</source>
        <translation>Iniciar gravação</translation>
    </message>
    <message>
        <source>Media Library</source>
        <translation>Biblioteca de mídia</translation>
    </message>
    <message>
        <source>Choose a recording mode</source>
        <translation>Escolha como gravar</translation>
    </message>
    <message>
        <source>Scheduled Recording</source>
        <translation>Gravação agendada</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Tela cheia</translation>
    </message>
    <message>
        <source>Custom Area</source>
        <translation>Área livre</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Janela</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Jogo</translation>
    </message>
    <message>
        <source>Audio Only</source>
        <translation>Somente áudio</translation>
    </message>
    <message>
        <source>Webcam</source>
        <translation>Webcam</translation>
    </message>
    <message>
        <source>Recent recordings</source>
        <translation>Gravações recentes</translation>
    </message>
    <message>
        <source>View all  ›</source>
        <translation>Ver tudo  ›</translation>
    </message>
    <message>
        <source>No recordings yet</source>
        <translation>Nenhuma gravação ainda</translation>
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
    <name>MainWindow</name>
    <message>
        <source>显示 Vistrelle</source>
        <translation>Mostrar Vistrelle</translation>
    </message>
    <message>
        <source>Start Recording</source>
        <translation>Iniciar gravação</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>快捷键设置</source>
        <translation>Configurações de atalhos</translation>
    </message>
    <message>
        <source>以下快捷键无法注册，可能已被其他程序占用或按键不受支持：
%1</source>
        <translation>Estes atalhos não puderam ser registrados; outro programa pode estar usando-os ou as teclas não são suportadas:
%1</translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>Parar gravação</translation>
    </message>
    <message>
        <source>日志文件夹</source>
        <translation>Pasta de logs</translation>
    </message>
    <message>
        <source>无法打开日志文件夹。</source>
        <translation>Não é possível abrir a pasta de logs.</translation>
    </message>
    <message>
        <source>录制性能已自动调整</source>
        <translation>Desempenho de gravação ajustado</translation>
    </message>
    <message>
        <source>%1 FPS 已自动降为 %2 FPS。%3</source>
        <translation>%1 FPS foi reduzido para %2 FPS. %3</translation>
    </message>
    <message>
        <source>录制性能提示</source>
        <translation>Desempenho de gravação</translation>
    </message>
    <message>
        <source>4K 录制性能</source>
        <translation>Desempenho de gravação 4K</translation>
    </message>
    <message>
        <source>没有可用的硬件 H.264 编码器</source>
        <translation>Nenhum codificador H.264 por hardware disponível</translation>
    </message>
    <message>
        <source>%1 × %2、%3 FPS 的录制可能掉帧。请选择本次录制方式。</source>
        <translation>Uma gravação de %1 × %2 a %3 FPS pode perder quadros. Escolha como gravar desta vez.</translation>
    </message>
    <message>
        <source>保持 4K，15 FPS（推荐）</source>
        <translation>Manter 4K a 15 FPS (recomendado)</translation>
    </message>
    <message>
        <source>1080p，30 FPS</source>
        <translation>1080p a 30 FPS</translation>
    </message>
    <message>
        <source>强制 4K，30 FPS</source>
        <translation>Forçar 4K a 30 FPS</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>录制后处理提示</source>
        <translation>Aviso de pós-processamento</translation>
    </message>
    <message>
        <source>录音完成</source>
        <translation>Gravação de áudio concluída</translation>
    </message>
    <message>
        <source>音频已保存到：%1</source>
        <translation>Áudio salvo em: %1</translation>
    </message>
    <message>
        <source>录制提示</source>
        <translation>Gravação</translation>
    </message>
    <message>
        <source>Vistrelle recording toolbar</source>
        <translation>Barra de gravação do Vistrelle</translation>
    </message>
    <message>
        <source>Vistrelle preparation toolbar</source>
        <translation>Barra de preparação do Vistrelle</translation>
    </message>
    <message>
        <source>Display %1</source>
        <translation>Tela %1</translation>
    </message>
    <message>
        <source>Audio only</source>
        <translation>Somente áudio</translation>
    </message>
    <message>
        <source>Camera preview</source>
        <translation>Pré-visualização da câmera</translation>
    </message>
    <message>
        <source>Camera Recording</source>
        <translation>Gravação da câmera</translation>
    </message>
    <message>
        <source>Stop recording and return to Home?</source>
        <translation>Parar a gravação e voltar ao início?</translation>
    </message>
    <message>
        <source>Wait for a live camera preview before recording.</source>
        <translation>Aguarde a pré-visualização ao vivo da câmera antes de gravar.</translation>
    </message>
    <message>
        <source>Vistrelle countdown</source>
        <translation>Contagem regressiva do Vistrelle</translation>
    </message>
    <message>
        <source>摄像头</source>
        <translation>Webcam</translation>
    </message>
    <message>
        <source>没有检测到可用摄像头。</source>
        <translation>Nenhuma webcam foi encontrada.</translation>
    </message>
    <message>
        <source>摄像头无法启动，请检查权限或设备占用情况。</source>
        <translation>Não foi possível iniciar a webcam. Verifique a permissão e se outro programa a está usando.</translation>
    </message>
    <message>
        <source>Camera Permission</source>
        <translation>Permissão da câmera</translation>
    </message>
    <message>
        <source>Camera access is off. Allow Vistrelle in System Settings &gt; Privacy &amp; Security &gt; Camera.</source>
        <translation>O acesso à câmera está desativado. Permita o Vistrelle em Ajustes do Sistema &gt; Privacidade e Segurança &gt; Câmera.</translation>
    </message>
    <message>
        <source>Open Settings</source>
        <translation>Abrir ajustes</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>计划录制</source>
        <translation>Gravação agendada</translation>
    </message>
    <message>
        <source>请先在首页为窗口或游戏模式选择录制目标。</source>
        <translation>Escolha primeiro, na página inicial, a janela ou o jogo a gravar.</translation>
    </message>
    <message>
        <source>已有录制正在进行，本次计划已跳过。</source>
        <translation>Já há uma gravação em andamento; este início agendado foi ignorado.</translation>
    </message>
    <message>
        <source>退出后计划录制将不会执行。

确定要退出 Vistrelle 吗？</source>
        <translation>A gravação agendada não acontecerá se você sair.

Sair do Vistrelle mesmo assim?</translation>
    </message>
    <message>
        <source>仍在录制</source>
        <translation>Ainda gravando</translation>
    </message>
    <message>
        <source>Vistrelle 已隐藏到系统托盘，录制继续进行。</source>
        <translation>O Vistrelle foi ocultado na bandeja do sistema; a gravação continua.</translation>
    </message>
    <message>
        <source>Vistrelle 仍在后台运行</source>
        <translation>O Vistrelle continua em execução</translation>
    </message>
    <message>
        <source>已最小化到系统托盘，点击或双击托盘图标可重新打开。</source>
        <translation>Minimizado para a bandeja do sistema. Clique ou clique duas vezes no ícone para abrir de novo.</translation>
    </message>
    <message>
        <source>About Vistrelle</source>
        <translation>Sobre o Vistrelle</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versão %1</translation>
    </message>
    <message>
        <source>Vistrelle is a fast, reliable screen recorder for Linux. Record screens, windows, games, system audio, microphones, and webcams, then edit and manage recordings locally with no cloud upload required.</source>
        <translation>O Vistrelle é um gravador de tela rápido e confiável para Linux. Grave telas, janelas, jogos, áudio do sistema, microfones e webcams, e edite e gerencie as gravações localmente, sem enviar nada para a nuvem.</translation>
    </message>
    <message>
        <source>Development Team</source>
        <translation>Equipe de desenvolvimento</translation>
    </message>
    <message>
        <source>The Vistrelle developers</source>
        <translation>Os desenvolvedores do Vistrelle</translation>
    </message>
    <message>
        <source>© Vistrelle. All rights reserved.</source>
        <translation>© Vistrelle. Todos os direitos reservados.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>切换语言</source>
        <translation>Mudar idioma</translation>
    </message>
    <message>
        <source>无法保存语言设置，请检查当前用户的配置权限。</source>
        <translation>Não foi possível salvar o idioma. Verifique se o usuário atual pode gravar sua configuração.</translation>
    </message>
    <message>
        <source>语言设置已保存，重启 Vistrelle 后生效。是否立即重启？</source>
        <translation>O idioma foi salvo e vale quando o Vistrelle reiniciar. Reiniciar agora?</translation>
    </message>
    <message>
        <source>重启失败</source>
        <translation>Falha ao reiniciar</translation>
    </message>
    <message>
        <source>无法自动重启，请手动重新打开 Vistrelle。</source>
        <translation>O Vistrelle não conseguiu reiniciar sozinho. Abra-o novamente.</translation>
    </message>
    <message>
        <source>录制的窗口已关闭</source>
        <translation>A janela gravada foi fechada</translation>
    </message>
    <message>
        <source>Custom Area</source>
        <translation>Área livre</translation>
    </message>
    <message>
        <source>The display of the chosen area is no longer connected. Choose the area again.</source>
        <translation>A tela da área escolhida não está mais conectada. Escolha a área novamente.</translation>
    </message>
    <message>
        <source>Nothing was recorded: the program quit before the recording began.</source>
        <translation>Nada foi gravado: o programa foi encerrado antes de a gravação começar.</translation>
    </message>
</context>
<context>
    <name>MediaProbe</name>
    <message>
        <source>无法启动 ffprobe（%1）。</source>
        <translation>Não foi possível iniciar o ffprobe (%1).</translation>
    </message>
    <message>
        <source>ffprobe 没有在 %1 秒内结束。</source>
        <translation>O ffprobe não terminou em %1 segundos.</translation>
    </message>
    <message>
        <source>ffprobe 没有给出可读的回答。</source>
        <translation>O ffprobe não deu uma resposta legível.</translation>
    </message>
</context>
<context>
    <name>ModeBar</name>
    <message>
        <source>录制屏幕</source>
        <translation>Gravar tela</translation>
    </message>
    <message>
        <source>录制窗口</source>
        <translation>Gravar janela</translation>
    </message>
    <message>
        <source>游戏录制</source>
        <translation>Gravação de jogo</translation>
    </message>
    <message>
        <source>高性能屏幕录制</source>
        <translation>Gravação de tela de alto desempenho</translation>
    </message>
    <message>
        <source>录制音频</source>
        <translation>Gravar áudio</translation>
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
        <translation>Vistrelle — Player</translation>
    </message>
    <message>
        <source>截图</source>
        <translation>Captura</translation>
    </message>
    <message>
        <source>无法保存截图到 %1。</source>
        <translation>Não foi possível salvar a captura em %1.</translation>
    </message>
</context>
<context>
    <name>QDialog</name>
    <message>
        <source>Enable Screen Recording</source>
        <translation>Ativar gravação de tela</translation>
    </message>
    <message>
        <source>Enable Microphone Access</source>
        <translation>Ativar acesso ao microfone</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Vistrelle needs permission before it can record your screen.</source>
        <translation>O Vistrelle precisa de permissão para gravar sua tela.</translation>
    </message>
    <message>
        <source>Vistrelle needs permission before it can record your voice.</source>
        <translation>O Vistrelle precisa de permissão para gravar sua voz.</translation>
    </message>
    <message>
        <source>Screen &amp; System Audio Recording</source>
        <translation>Gravação de tela e áudio do sistema</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Microfone</translation>
    </message>
    <message>
        <source>Allow these apps to record your screen.</source>
        <translation>Permitir que estes apps gravem sua tela.</translation>
    </message>
    <message>
        <source>Allow these apps to use your microphone.</source>
        <translation>Permitir que estes apps usem seu microfone.</translation>
    </message>
    <message>
        <source>Illustration of macOS System Settings</source>
        <translation>Ilustração dos Ajustes do Sistema do macOS</translation>
    </message>
    <message>
        <source>Three quick steps</source>
        <translation>Três passos rápidos</translation>
    </message>
    <message>
        <source>Open Screen Recording settings.</source>
        <translation>Abra os ajustes de gravação de tela.</translation>
    </message>
    <message>
        <source>Open Microphone settings.</source>
        <translation>Abra os ajustes do microfone.</translation>
    </message>
    <message>
        <source>Turn on Vistrelle.</source>
        <translation>Ative o Vistrelle.</translation>
    </message>
    <message>
        <source>Quit and reopen Vistrelle, then record.</source>
        <translation>Feche e reabra o Vistrelle e então grave.</translation>
    </message>
    <message>
        <source>Return and start recording.</source>
        <translation>Volte e comece a gravar.</translation>
    </message>
    <message>
        <source>Restart Vistrelle after changing this setting.</source>
        <translation>Reinicie o Vistrelle depois de alterar este ajuste.</translation>
    </message>
    <message>
        <source>You can also turn off Microphone and record without voice.</source>
        <translation>Você também pode desligar o microfone e gravar sem voz.</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Agora não</translation>
    </message>
    <message>
        <source>Open Settings ↗</source>
        <translation>Abrir ajustes ↗</translation>
    </message>
    <message>
        <source>Open System Settings &gt; Privacy &amp; Security &gt; Screen &amp; System Audio Recording and allow Vistrelle.</source>
        <translation>Abra Ajustes do Sistema &gt; Privacidade e Segurança &gt; Gravação de tela e áudio do sistema e permita o Vistrelle.</translation>
    </message>
    <message>
        <source>Open System Settings &gt; Privacy &amp; Security &gt; Microphone and allow Vistrelle.</source>
        <translation>Abra Ajustes do Sistema &gt; Privacidade e Segurança &gt; Microfone e permita o Vistrelle.</translation>
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
        <translation>Restante --:--</translation>
    </message>
    <message>
        <source>预计剩余 %1:%2</source>
        <translation>Restante %1:%2</translation>
    </message>
    <message>
        <source>播放失败</source>
        <translation>Falha na reprodução</translation>
    </message>
    <message>
        <source>文件不存在：%1</source>
        <translation>Arquivo não encontrado: %1</translation>
    </message>
    <message>
        <source>没有打开可播放文件</source>
        <translation>Nenhum arquivo reproduzível está aberto</translation>
    </message>
    <message>
        <source>Vistrelle is already running</source>
        <translation>O Vistrelle já está em execução</translation>
    </message>
    <message>
        <source>Another Vistrelle process is running. Finish its recording and quit it before opening Vistrelle again.</source>
        <translation>Outro processo do Vistrelle está em execução. Conclua a gravação e feche-o antes de abrir o Vistrelle novamente.</translation>
    </message>
    <message>
        <source>已有 FFmpeg 任务正在执行</source>
        <translation>Uma tarefa do FFmpeg já está em execução</translation>
    </message>
    <message>
        <source>FFmpeg 未找到或无法启动：%1</source>
        <translation>O FFmpeg não foi encontrado ou não pôde ser iniciado: %1</translation>
    </message>
    <message>
        <source>操作已取消</source>
        <translation>A operação foi cancelada</translation>
    </message>
    <message>
        <source>FFmpeg 出错：
%1</source>
        <translation>O FFmpeg relatou um erro:
%1</translation>
    </message>
    <message>
        <source>裁剪参数无效</source>
        <translation>Parâmetros de corte inválidos</translation>
    </message>
    <message>
        <source>合并参数无效</source>
        <translation>Parâmetros de junção inválidos</translation>
    </message>
    <message>
        <source>无法创建合并列表文件</source>
        <translation>Não foi possível criar o arquivo de lista de junção</translation>
    </message>
    <message>
        <source>变速参数无效</source>
        <translation>Configuração de velocidade inválida</translation>
    </message>
    <message>
        <source>转场效果无效：%1</source>
        <translation>Transição inválida: %1</translation>
    </message>
    <message>
        <source>转场失败：至少有一个视频时长小于转场时长</source>
        <translation>Falha na transição: pelo menos um vídeo é mais curto que a transição</translation>
    </message>
    <message>
        <source>音频降噪需要 sh.rnnn 模型文件，请放到程序目录，或先关闭音频降噪。</source>
        <translation>A redução de ruído de áudio precisa do arquivo de modelo sh.rnnn: coloque-o na pasta do programa ou desative a redução de ruído de áudio.</translation>
    </message>
    <message>
        <source>字幕文件不存在：%1</source>
        <translation>Arquivo de legenda não encontrado: %1</translation>
    </message>
    <message>
        <source>FFmpeg 报告完成，但没有写出可用的文件：
%1</source>
        <translation>O FFmpeg indicou sucesso, mas não gravou nenhum ficheiro utilizável:
%1</translation>
    </message>
    <message>
        <source>格式无效或不受支持</source>
        <translation>o formato é inválido ou não é suportado</translation>
    </message>
    <message>
        <source>没有读取权限</source>
        <translation>sem permissão de leitura</translation>
    </message>
    <message>
        <source>文件无法读取或已损坏</source>
        <translation>o ficheiro não pode ser lido ou está danificado</translation>
    </message>
    <message>
        <source>无法打开文件：%1</source>
        <translation>Não foi possível abrir o ficheiro: %1</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sim</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Não</translation>
    </message>
</context>
<context>
    <name>RecentCard</name>
    <message>
        <source>Loading preview…</source>
        <translation>Carregando pré-visualização…</translation>
    </message>
    <message>
        <source>Preview unavailable</source>
        <translation>Pré-visualização indisponível</translation>
    </message>
</context>
<context>
    <name>Recorder</name>
    <message>
        <source>无法创建文件夹：%1</source>
        <translation>Não é possível criar a pasta: %1</translation>
    </message>
    <message>
        <source>正在强制使用 CPU 录制 4K 30 FPS；已启用最快编码预设并将码率提高到 %1 kbps。</source>
        <translation>Gravação 4K a 30 FPS forçada na CPU; a predefinição de codificação mais rápida foi ativada e a taxa de bits subiu para %1 kbps.</translation>
    </message>
    <message>
        <source>未检测到可用的硬件编码器，已将输出缩放为 %1 × %2、30 FPS。</source>
        <translation>Nenhum codificador de hardware utilizável foi encontrado; a saída foi reduzida para %1 × %2 a 30 FPS.</translation>
    </message>
    <message>
        <source>4K 当前只能使用 CPU 编码，已采用更容易实时处理的 15 FPS。</source>
        <translation>No momento o 4K só pode ser codificado na CPU; são usados 15 FPS, mais fáceis de processar em tempo real.</translation>
    </message>
    <message>
        <source>请至少开启系统声音或麦克风。</source>
        <translation>Ative pelo menos o áudio do sistema ou o microfone.</translation>
    </message>
    <message>
        <source>系统声音录制需要 macOS 13 或更高版本。</source>
        <translation type="vanished">Gravar o áudio do sistema requer o macOS 13 ou posterior.</translation>
    </message>
    <message>
        <source>没有找到所选麦克风，请重新选择输入设备。</source>
        <translation>O microfone selecionado não foi encontrado. Escolha o dispositivo de entrada novamente.</translation>
    </message>
    <message>
        <source>保存磁盘剩余空间不足 %1 GB，请清理空间或更换保存目录。</source>
        <translation>Há menos de %1 GB livres no disco de gravação. Libere espaço ou escolha outra pasta.</translation>
    </message>
    <message>
        <source>无法捕获系统声音：%1</source>
        <translation type="vanished">Não é possível capturar o áudio do sistema: %1</translation>
    </message>
    <message>
        <source>FFmpeg 启动失败。请确认 ffmpeg 已放到程序目录或系统 PATH。
%1</source>
        <translation>O FFmpeg não pôde ser iniciado. Verifique se o ffmpeg está na pasta do programa ou no PATH do sistema.
%1</translation>
    </message>
    <message>
        <source>无法启动不含工具栏的屏幕录制：%1</source>
        <translation>Não é possível iniciar a gravação de tela sem a barra de ferramentas: %1</translation>
    </message>
    <message>
        <source>无法删除已丢弃录制的临时文件：%1</source>
        <translation>Não é possível excluir os arquivos temporários da gravação descartada: %1</translation>
    </message>
    <message>
        <source>FFmpeg 被 SIGKILL 信号终止；编码进度日志没有说明终止原因。</source>
        <translation>O FFmpeg foi encerrado por SIGKILL; o registro de progresso não informa o motivo.</translation>
    </message>
    <message>
        <source>FFmpeg 没有输出具体错误信息。</source>
        <translation>O FFmpeg não informou nenhum erro específico.</translation>
    </message>
    <message>
        <source>硬件编码器 %1 无法处理当前采集规格，已自动切换到 CPU 编码。</source>
        <translation>O codificador de hardware %1 não suporta a captura atual; a codificação passou automaticamente para a CPU.</translation>
    </message>
    <message>
        <source>DXGI 高性能采集不可用，已自动切换到 GDI 兼容模式。</source>
        <translation>A captura DXGI de alto desempenho não está disponível; mudou automaticamente para o modo de compatibilidade GDI.</translation>
    </message>
    <message>
        <source>录制进程意外结束。分段已保留在：
%1</source>
        <translation>O processo de gravação terminou inesperadamente. Os segmentos foram mantidos em:
%1</translation>
    </message>
    <message>
        <source>录制分段异常，退出码=%1。已生成的分段仍保留在：
%2
%3</source>
        <translation>Um segmento da gravação falhou, código de saída=%1. Os segmentos já criados continuam em:
%2
%3</translation>
    </message>
    <message>
        <source>分段已保留在：
%1</source>
        <translation type="vanished">Os segmentos foram mantidos em:
%1</translation>
    </message>
    <message>
        <source>Camera preview is not ready.</source>
        <translation>A pré-visualização da câmera não está pronta.</translation>
    </message>
    <message>
        <source>没有有效的窗口录制目标。</source>
        <translation>Não há nenhuma janela válida para gravar.</translation>
    </message>
    <message>
        <source>窗口捕获启动失败：%1</source>
        <translation>Não foi possível iniciar a captura da janela: %1</translation>
    </message>
    <message>
        <source>窗口捕获启动失败或目标窗口没有产生画面。</source>
        <translation>A captura da janela não iniciou ou a janela não produziu nenhuma imagem.</translation>
    </message>
    <message>
        <source>实际编码速度或有效帧率持续低于 120 FPS 要求</source>
        <translation>A velocidade de codificação ou a taxa de quadros efetiva continua abaixo dos 120 FPS exigidos</translation>
    </message>
    <message>
        <source>设备持续无法稳定达到 60 FPS，建议下次使用 30 FPS 或硬件编码。</source>
        <translation>Este dispositivo não consegue manter 60 FPS estáveis. Da próxima vez, use 30 FPS ou codificação por hardware.</translation>
    </message>
    <message>
        <source>屏幕采集持续低于 30 FPS 要求，建议关闭高负载程序或改用 720p 录制。</source>
        <translation>A captura de tela continua abaixo dos 30 FPS. Feche programas pesados ou grave em 720p.</translation>
    </message>
    <message>
        <source>Screen capture is still dropping frames. Switched to 720p for smoother recording.</source>
        <translation>A captura de tela continua perdendo quadros. Mudou para 720p para uma gravação mais fluida.</translation>
    </message>
    <message>
        <source>屏幕采集持续掉帧，已自动切换到 1080p 以保持录制流畅。</source>
        <translation>A captura de tela perde quadros continuamente; mudou automaticamente para 1080p para manter a gravação fluida.</translation>
    </message>
    <message>
        <source>录制的窗口已不可用，画面停留在最后一帧：%1</source>
        <translation>A janela gravada não está mais disponível; a imagem permanece no último quadro: %1</translation>
    </message>
    <message>
        <source>这个文件名之前的录制分段仍保留在：
%1
请先移走这些分段，或换一个文件名后再录制。</source>
        <translation>Segmentos de uma gravação anterior com este nome de arquivo ainda estão guardados em:
%1
Mova esses segmentos ou escolha outro nome de arquivo e grave novamente.</translation>
    </message>
    <message>
        <source>最后一个录制分段无法读取，没有合并进录像，已保留在：
%1</source>
        <translation>Não foi possível ler o último segmento gravado e ele não foi incluído na gravação. Ele foi mantido em:
%1</translation>
    </message>
    <message>
        <source>保存磁盘的剩余空间已不足 %1 MB，录制已停止；已录制的内容会正常保存。</source>
        <translation type="vanished">Restam menos de %1 MB no disco de gravação, por isso a gravação foi parada. Tudo o que foi gravado até agora será salvo.</translation>
    </message>
    <message>
        <source>屏幕录制不可用：屏幕录制需要 X11 会话，在 Wayland 下无法录制屏幕。</source>
        <translation>A captura de tela não está disponível: gravar a tela exige uma sessão X11 e não é possível no Wayland.</translation>
    </message>
    <message>
        <source>录制分段异常，退出码=%1。没有录下任何内容。
%2</source>
        <translation>O segmento de gravação falhou (código de saída %1). Nada foi gravado.
%2</translation>
    </message>
    <message>
        <source>无法录制麦克风：%1</source>
        <translation type="vanished">Não é possível gravar o microfone: %1</translation>
    </message>
    <message>
        <source>保存文件夹不可写入：%1</source>
        <translation>Não é possível gravar na pasta de salvamento: %1</translation>
    </message>
    <message>
        <source>无法录制系统声音，因为声音服务器无法连接。</source>
        <translation>Não é possível capturar o áudio do sistema porque o servidor de som não está acessível.</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已快满，录制已停止。已录下的分段保留在：
%2</source>
        <translation>O disco de salvamento %1 está quase cheio, por isso a gravação foi parada. Os segmentos gravados são mantidos em:
%2</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已快满，录制已停止并已保存为：
%2</source>
        <translation>O disco de salvamento %1 está quase cheio, por isso a gravação foi parada e salva como:
%2</translation>
    </message>
    <message>
        <source>保存文件夹不存在，也无法创建：%1
%2 不可写入。</source>
        <translation>A pasta de salvamento não existe e não pode ser criada: %1
Não é possível gravar em %2.</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已快满，录制已停止。录像保留为 %2 个分段，位于：
%3
把它们合并成一个文件还需要约 %4 的可用空间（现在可用 %5）。腾出空间后，可以手动合并这些分段。</source>
        <translation>O disco de salvamento %1 está quase cheio, por isso a gravação foi parada. Ela está mantida em %2 segmentos em:
%3
Juntá-los em um único arquivo exige cerca de %4 de espaço livre (agora há %5 livres). Depois de liberar espaço, você pode juntar esses segmentos manualmente.</translation>
    </message>
    <message>
        <source>声音服务器已断开。录制仍在继续，这段时间的声音录为静音；声音服务器恢复后会自动继续录音。</source>
        <translation>O servidor de som deixou de responder. A gravação continua e grava silêncio entretanto; o som volta a ser gravado assim que o servidor de som regressar.</translation>
    </message>
    <message>
        <source>录制文件夹在录制中被删除，已录下的内容随文件夹一起被删除：%1
该文件夹无法重新创建，录制已停止。
%2</source>
        <translation>A pasta da gravação foi eliminada durante a gravação, e o que tinha sido gravado foi eliminado com ela: %1
Não é possível criar a pasta de novo, por isso a gravação parou.
%2</translation>
    </message>
    <message>
        <source>录制文件夹在录制中被删除，此前录下的内容已随文件夹一起被删除：%1
已重新创建该文件夹，录制继续，此后的内容会正常保存。</source>
        <translation>A pasta da gravação foi eliminada durante a gravação, e o que tinha sido gravado até então foi eliminado com ela: %1
A pasta foi criada de novo; a gravação continua e tudo o que se segue é guardado.</translation>
    </message>
    <message>
        <source>无法录制麦克风，因为声音服务器无法连接。</source>
        <translation>Não é possível gravar o microfone porque o servidor de som não está acessível.</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已满，录制已停止。录下的内容没有可以播放的部分，没有保存录像；未完成的分段保留在：
%2</source>
        <translation>O disco de gravação %1 está cheio, por isso a gravação foi parada. Nada do que foi gravado pode ser reproduzido, por isso nenhuma gravação foi guardada; o segmento inacabado fica em:
%2</translation>
    </message>
    <message>
        <source>编码器停止了响应，录像只保存到 %1（共录制了 %2）：
%3</source>
        <translation type="vanished">O codificador deixou de responder: a gravação foi guardada até %1 (de %2 gravados):
%3</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已满，没有录下任何内容。请清理空间或更换保存目录。
%2</source>
        <translation type="vanished">O disco de gravação %1 está cheio, por isso nada foi gravado. Liberte espaço ou escolha outra pasta de gravação.
%2</translation>
    </message>
    <message>
        <source>所选麦克风已断开，录制改为使用系统默认的输入设备继续录音。</source>
        <translation>O microfone escolhido foi desligado. A gravação continua com o dispositivo de entrada predefinido do sistema.</translation>
    </message>
    <message>
        <source>编码器停止了响应：文件保存了 %1（共录制了 %2），从 %3 起缺少 %4：
%5</source>
        <translation>O codificador deixou de responder: o arquivo contém %1 dos %2 gravados; faltam %4 a partir de %3:
%5</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已满，录制已停止。录像保留为 %2 个分段，位于：
%3
把它们合并成一个文件还需要约 %4 的可用空间（现在可用 %5）。腾出空间后，可以手动合并这些分段。</source>
        <translation>O disco de salvamento %1 está cheio, por isso a gravação foi parada. Ela está mantida em %2 segmentos em:
%3
Juntá-los em um único arquivo exige cerca de %4 de espaço livre (agora há %5 livres). Depois de liberar espaço, você pode juntar esses segmentos manualmente.</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已满，录制已停止。已录下的分段保留在：
%2</source>
        <translation>O disco de salvamento %1 está cheio, por isso a gravação foi parada. Os segmentos gravados são mantidos em:
%2</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已满，录制已停止并已保存为：
%2</source>
        <translation>O disco de salvamento %1 está cheio, por isso a gravação foi parada e salva como:
%2</translation>
    </message>
    <message>
        <source>录制进程意外结束，没有录下任何内容。</source>
        <translation>O processo de gravação terminou inesperadamente e nada foi gravado.</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已满，没有录下任何内容。请清理空间或更换保存目录。</source>
        <translation>O disco de gravação %1 está cheio, por isso nada foi gravado. Liberte espaço ou escolha outra pasta de gravação.</translation>
    </message>
    <message>
        <source>无法录制麦克风：声音服务器没有开始录音。请检查输入设备后重试。</source>
        <translation>Não é possível gravar o microfone: o servidor de som não começou a gravar. Verifique o dispositivo de entrada e tente novamente.</translation>
    </message>
    <message>
        <source>无法捕获系统声音：声音服务器没有开始录音。请检查输出设备后重试。</source>
        <translation>Não é possível capturar o som do sistema: o servidor de som não começou a gravar. Verifique o dispositivo de saída e tente novamente.</translation>
    </message>
    <message>
        <source>正在等待 FFmpeg 检测编码器…</source>
        <translation>A aguardar que o FFmpeg teste os codificadores…</translation>
    </message>
    <message>
        <source>正在等待 FFmpeg 开始录制…</source>
        <translation>A aguardar que o FFmpeg comece a gravar…</translation>
    </message>
    <message>
        <source>请先启动声音服务器（PulseAudio），再开始录制。</source>
        <translation>Inicie primeiro o servidor de som (PulseAudio) e depois comece a gravar.</translation>
    </message>
    <message>
        <source>请先启动声音服务器（PulseAudio），或关闭扬声器和麦克风后录制无声视频。</source>
        <translation>Inicie primeiro o servidor de som (PulseAudio) ou desligue o altifalante e o microfone para gravar um vídeo sem som.</translation>
    </message>
    <message>
        <source>没有录下任何内容：录制在开始之前就已停止。</source>
        <translation>Nada foi gravado: a gravação foi parada antes de começar.</translation>
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
    <message>
        <source>保存磁盘 %1 已满，分段没有合并成一个文件。腾出约 %2 的可用空间后，可以手动合并这些分段。</source>
        <translation>O disco de salvamento %1 está cheio, por isso os segmentos não foram juntados em um único arquivo. Depois de liberar cerca de %2, você pode juntar esses segmentos manualmente.</translation>
    </message>
</context>
<context>
    <name>RecordingSettingsDialog</name>
    <message>
        <source>录制性能设置</source>
        <translation>Desempenho de gravação</translation>
    </message>
    <message>
        <source>录制性能</source>
        <translation>Desempenho de gravação</translation>
    </message>
    <message>
        <source>选择用途，自动匹配参数</source>
        <translation>Escolha um uso e os ajustes acompanham</translation>
    </message>
    <message>
        <source>预设</source>
        <translation>Predefinições</translation>
    </message>
    <message>
        <source>办公
文档、会议</source>
        <translation>Escritório
Documentos, reuniões</translation>
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
        <translation>Jogos
Fluidez primeiro</translation>
    </message>
    <message>
        <source>高画质
细节优先</source>
        <translation>Alta qualidade
Detalhes primeiro</translation>
    </message>
    <message>
        <source>高级设置  ▾</source>
        <translation>Ajustes avançados  ▾</translation>
    </message>
    <message>
        <source>帧率</source>
        <translation>Taxa de quadros</translation>
    </message>
    <message>
        <source>格式</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>画质</source>
        <translation>Qualidade de imagem</translation>
    </message>
    <message>
        <source>帧率类型</source>
        <translation>Modo da taxa de quadros</translation>
    </message>
    <message>
        <source>编码器</source>
        <translation>Codificador</translation>
    </message>
    <message>
        <source>关键帧</source>
        <translation>Quadros-chave</translation>
    </message>
    <message>
        <source>30 FPS（推荐）</source>
        <translation>30 FPS (recomendado)</translation>
    </message>
    <message>
        <source>标准</source>
        <translation>Padrão</translation>
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
        <translation>MP4 (compatível)</translation>
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
        <translation>Variável (economiza espaço)</translation>
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
        <translation>Concluir</translation>
    </message>
    <message>
        <source>收起高级设置  ▴</source>
        <translation>Ocultar ajustes avançados  ▴</translation>
    </message>
    <message>
        <source>高清</source>
        <translation>HD</translation>
    </message>
    <message>
        <source>CPU 编码</source>
        <translation>Codificação por CPU</translation>
    </message>
    <message>
        <source>自动编码</source>
        <translation>Codificação automática</translation>
    </message>
    <message>
        <source>GPU 编码</source>
        <translation>Codificação por GPU</translation>
    </message>
    <message>
        <source>高性能模式</source>
        <translation>Modo de alto desempenho</translation>
    </message>
    <message>
        <source>适合办公与课程</source>
        <translation>Ideal para escritório e cursos</translation>
    </message>
    <message>
        <source>适合游戏</source>
        <translation>Ideal para jogos</translation>
    </message>
    <message>
        <source>%1 · %2 · 关键帧 %3 秒</source>
        <translation>%1 · %2 · quadro-chave a cada %3 s</translation>
    </message>
    <message>
        <source>可变</source>
        <translation>Variável</translation>
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
        <translation>A tela mais rápida atualiza a cerca de %1 Hz</translation>
    </message>
    <message>
        <source>没有检测到可用的 H.264 GPU 硬件编码器</source>
        <translation>Nenhum codificador de hardware GPU H.264 funcional foi encontrado</translation>
    </message>
    <message>
        <source>120 FPS 性能检查</source>
        <translation>Verificação de desempenho a 120 FPS</translation>
    </message>
    <message>
        <source>当前设备可能无法稳定录制 120 FPS：

• %1

建议自动调整为 60 FPS。录制期间仍会继续监测实际性能。</source>
        <translation>Este dispositivo pode não gravar 120 FPS de forma estável:

• %1

Recomenda-se mudar para 60 FPS. O desempenho real continua sendo monitorado durante a gravação.</translation>
    </message>
    <message>
        <source>自动改为 60 FPS</source>
        <translation>Mudar para 60 FPS</translation>
    </message>
    <message>
        <source>仍然使用 120 FPS</source>
        <translation>Manter 120 FPS</translation>
    </message>
    <message>
        <source>返回设置</source>
        <translation>Voltar aos ajustes</translation>
    </message>
</context>
<context>
    <name>ScheduledRecordingDialog</name>
    <message>
        <source>计划录制</source>
        <translation>Gravação agendada</translation>
    </message>
    <message>
        <source>到达开始时间后，Vistrelle 将按指定模式自动开始录制。</source>
        <translation>No horário de início, o Vistrelle começa a gravar no modo escolhido.</translation>
    </message>
    <message>
        <source>启用计划录制</source>
        <translation>Ativar gravação agendada</translation>
    </message>
    <message>
        <source>单次</source>
        <translation>Uma vez</translation>
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
        <translation>Segunda-feira</translation>
    </message>
    <message>
        <source>星期二</source>
        <translation>Terça-feira</translation>
    </message>
    <message>
        <source>星期三</source>
        <translation>Quarta-feira</translation>
    </message>
    <message>
        <source>星期四</source>
        <translation>Quinta-feira</translation>
    </message>
    <message>
        <source>星期五</source>
        <translation>Sexta-feira</translation>
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
        <translation>Gravar tela</translation>
    </message>
    <message>
        <source>录制音频</source>
        <translation>Gravar áudio</translation>
    </message>
    <message>
        <source>录制窗口</source>
        <translation>Gravar janela</translation>
    </message>
    <message>
        <source>游戏录制</source>
        <translation>Gravação de jogo</translation>
    </message>
    <message>
        <source>高性能屏幕录制</source>
        <translation>Gravação de tela de alto desempenho</translation>
    </message>
    <message>
        <source>重复</source>
        <translation>Repetir</translation>
    </message>
    <message>
        <source>开始日期和时间</source>
        <translation>Data e hora de início</translation>
    </message>
    <message>
        <source>每天开始时间</source>
        <translation>Horário diário de início</translation>
    </message>
    <message>
        <source>每周日期</source>
        <translation>Dia da semana</translation>
    </message>
    <message>
        <source>指定录制模式</source>
        <translation>Modo de gravação</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>保存计划</source>
        <translation>Salvar agendamento</translation>
    </message>
    <message>
        <source>这个时间已经过去，请选择一个将来的时间。</source>
        <translation>Este horário já passou. Escolha um horário no futuro.</translation>
    </message>
</context>
<context>
    <name>ScreenshotNotice</name>
    <message>
        <source>截图失败</source>
        <translation>Falha na captura</translation>
    </message>
    <message>
        <source>无法截取画面。</source>
        <translation>Não foi possível capturar a imagem.</translation>
    </message>
    <message>
        <source>无法保存截图：
%1
请检查文件夹的写入权限。</source>
        <translation>Não foi possível guardar a captura:
%1
Verifique as permissões de escrita da pasta.</translation>
    </message>
    <message>
        <source>截图完成</source>
        <translation>Captura salva</translation>
    </message>
    <message>
        <source>截图已保存到：
%1</source>
        <translation>A captura foi salva em:
%1</translation>
    </message>
    <message>
        <source>上一张截图仍在保存，请稍后再试。</source>
        <translation>As capturas anteriores ainda estão sendo salvas. Tente novamente em instantes.</translation>
    </message>
</context>
<context>
    <name>SegmentMerger</name>
    <message>
        <source>FFmpeg 停止了响应，分段没有合并。</source>
        <translation>O FFmpeg deixou de responder, por isso os segmentos não foram juntados.</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>设置</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>通用</source>
        <translation>Geral</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>鼠标效果</source>
        <translation>Efeitos do mouse</translation>
    </message>
    <message>
        <source>快捷键</source>
        <translation>Atalhos</translation>
    </message>
    <message>
        <source>录制</source>
        <translation>Gravação</translation>
    </message>
    <message>
        <source>恢复默认设置</source>
        <translation>Restaurar padrões</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>保存设置</source>
        <translation>Salvar configurações</translation>
    </message>
    <message>
        <source>保存目录无效或无法创建，请重新选择。</source>
        <translation>A pasta de salvamento é inválida ou não pode ser criada. Escolha outra.</translation>
    </message>
    <message>
        <source>每个全局快捷键只能包含一个组合，请重新设置。</source>
        <translation>Cada atalho global só pode ter uma combinação. Defina-o novamente.</translation>
    </message>
    <message>
        <source>快捷键 %1 被重复使用，请为每个功能设置不同组合。</source>
        <translation>O atalho %1 está sendo usado mais de uma vez. Defina uma combinação diferente para cada ação.</translation>
    </message>
    <message>
        <source>快捷键设置</source>
        <translation>Configurações de atalhos</translation>
    </message>
    <message>
        <source>设置写入失败，请检查当前用户的配置权限。</source>
        <translation>Não foi possível salvar as configurações. Verifique se o usuário atual pode gravar sua configuração.</translation>
    </message>
    <message>
        <source>开机时自动启动 Vistrelle</source>
        <translation>Iniciar o Vistrelle ao entrar</translation>
    </message>
    <message>
        <source>启动后最小化到系统托盘</source>
        <translation>Iniciar minimizado na bandeja do sistema</translation>
    </message>
    <message>
        <source>关闭按钮</source>
        <translation>Botão fechar</translation>
    </message>
    <message>
        <source>最小化到系统托盘</source>
        <translation>Minimizar para a bandeja do sistema</translation>
    </message>
    <message>
        <source>退出程序</source>
        <translation>Sair do programa</translation>
    </message>
    <message>
        <source>每次询问我</source>
        <translation>Perguntar sempre</translation>
    </message>
    <message>
        <source>选择“每次询问我”时，每次关闭主窗口都会弹出选择窗口。以后仍可在这里修改。</source>
        <translation>Com “Perguntar sempre”, fechar a janela principal sempre pergunta o que fazer. Você pode mudar isso aqui depois.</translation>
    </message>
    <message>
        <source>诊断</source>
        <translation>Diagnóstico</translation>
    </message>
    <message>
        <source>启用详细诊断日志</source>
        <translation>Ativar registro de diagnóstico detalhado</translation>
    </message>
    <message>
        <source>日志保存在本机；重启后生效。</source>
        <translation>Os registros ficam neste computador; vale após reiniciar.</translation>
    </message>
    <message>
        <source>默认保存目录</source>
        <translation>Pasta padrão de salvamento</translation>
    </message>
    <message>
        <source>浏览…</source>
        <translation>Procurar…</translation>
    </message>
    <message>
        <source>文件命名规则</source>
        <translation>Nomes de arquivo</translation>
    </message>
    <message>
        <source>日期 + 时间</source>
        <translation>Data + hora</translation>
    </message>
    <message>
        <source>Vistrelle + 日期时间</source>
        <translation>Vistrelle + data e hora</translation>
    </message>
    <message>
        <source>自动编号</source>
        <translation>Numeração automática</translation>
    </message>
    <message>
        <source>示例：2026-09-04_143022.mp4</source>
        <translation type="vanished">Exemplo: 2026-09-04_143022.mp4</translation>
    </message>
    <message>
        <source>磁盘空间提醒</source>
        <translation>Aviso de espaço em disco</translation>
    </message>
    <message>
        <source>当磁盘剩余空间少于</source>
        <translation>Quando o espaço livre ficar abaixo de</translation>
    </message>
    <message>
        <source>时提醒我</source>
        <translation>avisar-me</translation>
    </message>
    <message>
        <source>选择保存目录</source>
        <translation>Escolher pasta de salvamento</translation>
    </message>
    <message>
        <source>显示鼠标高亮</source>
        <translation>Destacar o ponteiro do mouse</translation>
    </message>
    <message>
        <source>高亮颜色</source>
        <translation>Cor de destaque</translation>
    </message>
    <message>
        <source>大小</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>透明度</source>
        <translation>Opacidade</translation>
    </message>
    <message>
        <source>点击动画</source>
        <translation>Animação de cliques</translation>
    </message>
    <message>
        <source>显示鼠标点击动画</source>
        <translation>Animar cliques do mouse</translation>
    </message>
    <message>
        <source>左键点击</source>
        <translation>Clique esquerdo</translation>
    </message>
    <message>
        <source>右键点击</source>
        <translation>Clique direito</translation>
    </message>
    <message>
        <source>选择颜色</source>
        <translation>Escolher cor</translation>
    </message>
    <message>
        <source>点击选择颜色</source>
        <translation>Clique para escolher uma cor</translation>
    </message>
    <message>
        <source>开始 / 停止录制</source>
        <translation>Iniciar / parar gravação</translation>
    </message>
    <message>
        <source>暂停 / 继续录制</source>
        <translation>Pausar / retomar gravação</translation>
    </message>
    <message>
        <source>截图（全屏 / 区域）</source>
        <translation>Captura de tela (inteira / área)</translation>
    </message>
    <message>
        <source>显示 / 隐藏悬浮工具栏</source>
        <translation>Mostrar / ocultar a barra flutuante</translation>
    </message>
    <message>
        <source>显示 / 隐藏注释工具栏</source>
        <translation>Mostrar / ocultar as ferramentas de anotação</translation>
    </message>
    <message>
        <source>点击确定后保存，应用于下一次录制。</source>
        <translation>Salvo ao clicar em OK; vale para a próxima gravação.</translation>
    </message>
    <message>
        <source>录制预设</source>
        <translation>Predefinição de gravação</translation>
    </message>
    <message>
        <source>办公</source>
        <translation>Escritório</translation>
    </message>
    <message>
        <source>课程</source>
        <translation>Curso</translation>
    </message>
    <message>
        <source>游戏</source>
        <translation>Jogos</translation>
    </message>
    <message>
        <source>自定义</source>
        <translation>Personalizado</translation>
    </message>
    <message>
        <source>标准</source>
        <translation>Padrão</translation>
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
        <translation>Variável</translation>
    </message>
    <message>
        <source>%1 秒</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>常用设置</source>
        <translation>Ajustes comuns</translation>
    </message>
    <message>
        <source>视频格式</source>
        <translation>Formato de vídeo</translation>
    </message>
    <message>
        <source>帧率</source>
        <translation>Taxa de quadros</translation>
    </message>
    <message>
        <source>画质</source>
        <translation>Qualidade de imagem</translation>
    </message>
    <message>
        <source>硬件加速</source>
        <translation>Aceleração de hardware</translation>
    </message>
    <message>
        <source>高级设置 ▾</source>
        <translation>Ajustes avançados ▾</translation>
    </message>
    <message>
        <source>帧率类型</source>
        <translation>Modo da taxa de quadros</translation>
    </message>
    <message>
        <source>关键帧间隔</source>
        <translation>Intervalo de quadros-chave</translation>
    </message>
    <message>
        <source>收起高级设置 ▴</source>
        <translation>Ocultar ajustes avançados ▴</translation>
    </message>
    <message>
        <source>示例：%1</source>
        <translation>Exemplo: %1</translation>
    </message>
</context>
<context>
    <name>SetupRecordingToolbar</name>
    <message>
        <source>Full Screen  ▾</source>
        <translation>Tela cheia  ▾</translation>
    </message>
    <message>
        <source>Display 1</source>
        <translation>Monitor 1</translation>
    </message>
    <message>
        <source>Webcam  ▾</source>
        <translation>Webcam  ▾</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desligado</translation>
    </message>
    <message>
        <source>Speaker  ▾</source>
        <translation>Alto-falante  ▾</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ligado</translation>
    </message>
    <message>
        <source>Microphone  ▾</source>
        <translation>Microfone  ▾</translation>
    </message>
    <message>
        <source>Screenshot</source>
        <translation>Captura de tela</translation>
    </message>
    <message>
        <source>Auto Stop</source>
        <translation>Parada auto</translation>
    </message>
    <message>
        <source>Auto Split</source>
        <translation>Divisão auto</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Agendar</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Tela cheia</translation>
    </message>
    <message>
        <source>Full Screen · Display %1</source>
        <translation>Tela cheia · Monitor %1</translation>
    </message>
    <message>
        <source>Custom Area</source>
        <translation>Área livre</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Janela</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Jogo</translation>
    </message>
    <message>
        <source>Audio Only</source>
        <translation>Somente áudio</translation>
    </message>
    <message>
        <source>Webcam</source>
        <translation>Webcam</translation>
    </message>
    <message>
        <source>Custom Area  ▾</source>
        <translation>Área livre  ▾</translation>
    </message>
    <message>
        <source>Window  ▾</source>
        <translation>Janela  ▾</translation>
    </message>
    <message>
        <source>Game  ▾</source>
        <translation>Jogo  ▾</translation>
    </message>
    <message>
        <source>Audio Only  ▾</source>
        <translation>Somente áudio  ▾</translation>
    </message>
    <message>
        <source>Start recording</source>
        <translation>Iniciar gravação</translation>
    </message>
    <message>
        <source>Select a window before recording</source>
        <translation>Selecione uma janela antes de gravar</translation>
    </message>
    <message>
        <source>Drag toolbar</source>
        <translation>Arrastar a barra de ferramentas</translation>
    </message>
    <message>
        <source>Open menu</source>
        <translation>Abrir menu</translation>
    </message>
</context>
<context>
    <name>StopRecordingDialog</name>
    <message>
        <source>Stop Recording</source>
        <translation>Parar gravação</translation>
    </message>
    <message>
        <source>Stop this recording?</source>
        <translation>Parar esta gravação?</translation>
    </message>
    <message>
        <source>Recorded</source>
        <translation>Gravado</translation>
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
        <translation>Salvar</translation>
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
        <translation>📝 Legendas</translation>
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
        <translation>Sobre o Vistrelle</translation>
    </message>
    <message>
        <source>语言</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>在线帮助</source>
        <translation>Ajuda online</translation>
    </message>
    <message>
        <source>打开日志文件夹</source>
        <translation>Abrir pasta de logs</translation>
    </message>
    <message>
        <source>技术支持</source>
        <translation>Suporte</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Sair</translation>
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
        <translation type="vanished">Áudio</translation>
    </message>
    <message>
        <source>速度</source>
        <translation type="vanished">velocidade</translation>
    </message>
    <message>
        <source>转换</source>
        <translation type="vanished">Converter</translation>
    </message>
    <message>
        <source>信息</source>
        <translation type="vanished">Informações</translation>
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
        <translation>Biblioteca de mídia</translation>
    </message>
    <message>
        <source>搜索录制文件...</source>
        <translation>Pesquisar gravações...</translation>
    </message>
    <message>
        <source>全部</source>
        <translation>Todos</translation>
    </message>
    <message>
        <source>视频</source>
        <translation>Vídeo</translation>
    </message>
    <message>
        <source>音频</source>
        <translation>Áudio</translation>
    </message>
    <message>
        <source>正在加载媒体文件…</source>
        <translation>Carregando arquivos de mídia…</translation>
    </message>
    <message>
        <source>%1 个文件</source>
        <translation type="vanished">%1 arquivos</translation>
    </message>
    <message>
        <source>播放失败</source>
        <translation>Falha na reprodução</translation>
    </message>
    <message>
        <source>请选择一个媒体文件</source>
        <translation>Selecione um arquivo de mídia</translation>
    </message>
    <message>
        <source>打开文件夹</source>
        <translation>Abrir pasta</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>全屏播放（F）</source>
        <translation>Reproduzir em tela cheia (F)</translation>
    </message>
    <message>
        <source>全屏播放</source>
        <translation>Reproduzir em tela cheia</translation>
    </message>
    <message>
        <source>采样率未知</source>
        <translation>Taxa de amostragem desconhecida</translation>
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
        <translation>%1 canais</translation>
    </message>
    <message>
        <source>暂停</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>播放</source>
        <translation>Reproduzir</translation>
    </message>
    <message>
        <source>暂停媒体</source>
        <translation>Pausar mídia</translation>
    </message>
    <message>
        <source>播放媒体</source>
        <translation>Reproduzir mídia</translation>
    </message>
    <message>
        <source>暂无媒体文件</source>
        <translation>Nenhum arquivo de mídia ainda</translation>
    </message>
    <message>
        <source>没有匹配的媒体文件</source>
        <translation>Nenhum arquivo de mídia correspondente</translation>
    </message>
    <message>
        <source>重命名文件</source>
        <translation>Renomear arquivo</translation>
    </message>
    <message>
        <source>Copy File Path</source>
        <translation>Copiar caminho do arquivo</translation>
    </message>
    <message>
        <source>查看文件信息</source>
        <translation>Informações do arquivo</translation>
    </message>
    <message>
        <source>删除音频</source>
        <translation>Excluir áudio</translation>
    </message>
    <message>
        <source>删除视频</source>
        <translation>Excluir vídeo</translation>
    </message>
    <message>
        <source>确定永久删除“%1”吗？</source>
        <translation>Excluir &quot;%1&quot; permanentemente?</translation>
    </message>
    <message>
        <source>删除失败</source>
        <translation>Falha ao excluir</translation>
    </message>
    <message>
        <source>文件正在使用或没有删除权限。</source>
        <translation>O arquivo está em uso ou você não tem permissão para excluí-lo.</translation>
    </message>
    <message>
        <source>正在生成波形…</source>
        <translation>Gerando forma de onda…</translation>
    </message>
    <message>
        <source>正在加载缩略图…</source>
        <translation>Carregando miniatura…</translation>
    </message>
    <message>
        <source>音频文件</source>
        <translation>Arquivo de áudio</translation>
    </message>
    <message>
        <source>无法加载缩略图</source>
        <translation>Miniatura indisponível</translation>
    </message>
    <message>
        <source>移除声音</source>
        <translation>Silenciar</translation>
    </message>
    <message>
        <source>裁剪</source>
        <translation>Cortar</translation>
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
        <translation>Marca d&apos;água</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>更多</source>
        <translation>Mais</translation>
    </message>
    <message>
        <source>编辑与文件工具</source>
        <translation>Ferramentas de edição e de arquivo</translation>
    </message>
    <message>
        <source>裁剪视频</source>
        <translation>Cortar vídeo</translation>
    </message>
    <message>
        <source>拖动两侧滑块，选择保留的片段</source>
        <translation>Arraste as duas alças para escolher a parte a manter</translation>
    </message>
    <message>
        <source>Start Trimming...</source>
        <translation>Iniciar corte...</translation>
    </message>
    <message>
        <source>分割点  %1</source>
        <translation>Ponto de divisão  %1</translation>
    </message>
    <message>
        <source>将在 %1 处分割为两个%2片段</source>
        <translation type="vanished">Será dividido em dois trechos (%2) em %1</translation>
    </message>
    <message>
        <source>选中时长  %1</source>
        <translation>Selecionado  %1</translation>
    </message>
    <message>
        <source>Mute Selection</source>
        <translation>Silenciar seleção</translation>
    </message>
    <message>
        <source>预览画面效果</source>
        <translation>Pré-visualizar efeito de imagem</translation>
    </message>
    <message>
        <source>分割音频</source>
        <translation>Dividir áudio</translation>
    </message>
    <message>
        <source>分割视频</source>
        <translation>Dividir vídeo</translation>
    </message>
    <message>
        <source>裁剪音频</source>
        <translation>Cortar áudio</translation>
    </message>
    <message>
        <source>当前仅预览，点击保存后才会处理视频</source>
        <translation>Apenas pré-visualização: o vídeo é processado ao clicar em Salvar</translation>
    </message>
    <message>
        <source>拖动黄色分割线，选择分割位置</source>
        <translation>Arraste a linha amarela para escolher onde dividir</translation>
    </message>
    <message>
        <source>Save Muted Copy</source>
        <translation>Salvar cópia silenciada</translation>
    </message>
    <message>
        <source>开始分割</source>
        <translation>Iniciar divisão</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>已设为无声</source>
        <translation>Silenciado</translation>
    </message>
    <message>
        <source>点击恢复原声</source>
        <translation>Clique para restaurar o som</translation>
    </message>
    <message>
        <source>Mute audio in the selected range</source>
        <translation>Silenciar o áudio no intervalo selecionado</translation>
    </message>
    <message>
        <source>音量</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>调整音频音量</source>
        <translation>Ajustar o volume do áudio</translation>
    </message>
    <message>
        <source>Vistrelle 全屏播放</source>
        <translation>Vistrelle em tela cheia</translation>
    </message>
    <message>
        <source>截图不可用</source>
        <translation>Captura indisponível</translation>
    </message>
    <message>
        <source>视频画面尚未就绪，请先播放或移动到需要截图的位置。</source>
        <translation>A imagem do vídeo ainda não está pronta. Reproduza o vídeo ou vá primeiro ao momento que deseja capturar.</translation>
    </message>
    <message>
        <source>截图完成</source>
        <translation>Captura salva</translation>
    </message>
    <message>
        <source>截图已保存到：
%1</source>
        <translation>A captura foi salva em:
%1</translation>
    </message>
    <message>
        <source>正在保存媒体文件，请稍候…</source>
        <translation>Salvando o arquivo de mídia, aguarde…</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>正在保存</source>
        <translation>Salvando</translation>
    </message>
    <message>
        <source>编辑失败</source>
        <translation>Falha na edição</translation>
    </message>
    <message>
        <source>无法启动 FFmpeg。</source>
        <translation>Não foi possível iniciar o FFmpeg.</translation>
    </message>
    <message>
        <source>无法分割</source>
        <translation>Não é possível dividir</translation>
    </message>
    <message>
        <source>请将播放位置移动到音频中间。</source>
        <translation>Mova a posição de reprodução para o meio do áudio.</translation>
    </message>
    <message>
        <source>请将播放位置移动到视频中间。</source>
        <translation>Mova a posição de reprodução para o meio do vídeo.</translation>
    </message>
    <message>
        <source>分割失败</source>
        <translation>Falha ao dividir</translation>
    </message>
    <message>
        <source>FFmpeg 没有写出分割后的文件。</source>
        <translation>O FFmpeg não gravou os arquivos divididos.</translation>
    </message>
    <message>
        <source>分割完成</source>
        <translation>Divisão concluída</translation>
    </message>
    <message>
        <source>已生成两个音频片段。</source>
        <translation>Foram criados dois trechos de áudio.</translation>
    </message>
    <message>
        <source>已生成两个视频片段。</source>
        <translation>Foram criados dois trechos de vídeo.</translation>
    </message>
    <message>
        <source>保存失败</source>
        <translation>Falha ao salvar</translation>
    </message>
    <message>
        <source>无法替换原文件，原文件已保留。</source>
        <translation>Não foi possível substituir o arquivo original; ele foi mantido.</translation>
    </message>
    <message>
        <source>保存完成</source>
        <translation>Salvo</translation>
    </message>
    <message>
        <source>音频已保存：
%1</source>
        <translation>O áudio foi salvo:
%1</translation>
    </message>
    <message>
        <source>视频已保存：
%1</source>
        <translation>O vídeo foi salvo:
%1</translation>
    </message>
    <message>
        <source>正在处理媒体文件…</source>
        <translation>Processando o arquivo de mídia…</translation>
    </message>
    <message>
        <source>处理失败</source>
        <translation>Falha no processamento</translation>
    </message>
    <message>
        <source>操作已完成。</source>
        <translation>A operação foi concluída.</translation>
    </message>
    <message>
        <source>文件已保存：
%1</source>
        <translation>O arquivo foi salvo:
%1</translation>
    </message>
    <message>
        <source>旋转 90°</source>
        <translation>Girar 90°</translation>
    </message>
    <message>
        <source>水平翻转</source>
        <translation>Inverter horizontalmente</translation>
    </message>
    <message>
        <source>垂直翻转</source>
        <translation>Inverter verticalmente</translation>
    </message>
    <message>
        <source>调整播放速度</source>
        <translation>Velocidade de reprodução</translation>
    </message>
    <message>
        <source>调整音量</source>
        <translation>Ajustar volume</translation>
    </message>
    <message>
        <source>提取音频</source>
        <translation>Extrair áudio</translation>
    </message>
    <message>
        <source>另存为 / 转换格式</source>
        <translation>Salvar como / Converter</translation>
    </message>
    <message>
        <source>未知</source>
        <translation>Desconhecido</translation>
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
Codec: %2
Taxa de amostragem: %3 Hz
Canais: %4
Taxa de bits: %5 kbps
Duração: %6
Tamanho: %7
Criado em: %8
Pasta: %9</translation>
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
Resolução: %2 × %3
Taxa de quadros: %4 fps
Duração: %5
Tamanho: %6
Criado em: %7
Pasta: %8</translation>
    </message>
    <message>
        <source>速度</source>
        <translation>Velocidade</translation>
    </message>
    <message>
        <source>转换</source>
        <translation>Converter</translation>
    </message>
    <message>
        <source>信息</source>
        <translation>Informações</translation>
    </message>
    <message>
        <source>应用</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>播放速度</source>
        <translation>Velocidade de reprodução</translation>
    </message>
    <message>
        <source>调整预览速度，也可生成变速视频</source>
        <translation>Altere a velocidade da prévia ou crie uma cópia com outra velocidade</translation>
    </message>
    <message>
        <source>选择速度</source>
        <translation>Escolha uma velocidade</translation>
    </message>
    <message>
        <source>Normal (1×)</source>
        <translation>Normal (1×)</translation>
    </message>
    <message>
        <source>0.5× 慢速    1× 原速    1.5× / 2× 加速</source>
        <translation>0.5× mais lento    1× original    1.5× / 2× mais rápido</translation>
    </message>
    <message>
        <source>变速完成</source>
        <translation>Velocidade alterada</translation>
    </message>
    <message>
        <source>预览并输出新的音量电平</source>
        <translation>Ouça um novo nível de volume e crie uma cópia com ele</translation>
    </message>
    <message>
        <source>静音</source>
        <translation>Mudo</translation>
    </message>
    <message>
        <source>音量调整完成</source>
        <translation>Volume ajustado</translation>
    </message>
    <message>
        <source>从视频中提取音轨，保存为音频文件</source>
        <translation>Salve a faixa de áudio do vídeo como arquivo de áudio</translation>
    </message>
    <message>
        <source>提取</source>
        <translation>Extrair</translation>
    </message>
    <message>
        <source>输出格式</source>
        <translation>Formato de saída</translation>
    </message>
    <message>
        <source>音质</source>
        <translation>Qualidade de áudio</translation>
    </message>
    <message>
        <source>高质量（320 kbps）</source>
        <translation>Alta (320 kbps)</translation>
    </message>
    <message>
        <source>标准（192 kbps）</source>
        <translation>Padrão (192 kbps)</translation>
    </message>
    <message>
        <source>压缩（128 kbps）</source>
        <translation>Compacta (128 kbps)</translation>
    </message>
    <message>
        <source>音频提取完成</source>
        <translation>Áudio extraído</translation>
    </message>
    <message>
        <source>选择输出格式并保留原始文件</source>
        <translation>Escolha o formato de saída; o arquivo original é mantido</translation>
    </message>
    <message>
        <source>导出</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>画质</source>
        <translation>Qualidade de imagem</translation>
    </message>
    <message>
        <source>高质量</source>
        <translation>Alta</translation>
    </message>
    <message>
        <source>标准</source>
        <translation>Padrão</translation>
    </message>
    <message>
        <source>压缩</source>
        <translation>Compacta</translation>
    </message>
    <message>
        <source>转换完成</source>
        <translation>Conversão concluída</translation>
    </message>
    <message>
        <source>修改文件名，扩展名保持不变</source>
        <translation>Altere o nome do arquivo; a extensão é mantida</translation>
    </message>
    <message>
        <source>新文件名</source>
        <translation>Novo nome de arquivo</translation>
    </message>
    <message>
        <source>名称无效</source>
        <translation>Nome inválido</translation>
    </message>
    <message>
        <source>文件名为空或包含无效字符。</source>
        <translation>O nome do arquivo está vazio ou contém caracteres não permitidos.</translation>
    </message>
    <message>
        <source>重命名失败</source>
        <translation>Falha ao renomear</translation>
    </message>
    <message>
        <source>目标文件已存在或文件正在被占用。</source>
        <translation>Já existe um arquivo com esse nome ou o arquivo está em uso.</translation>
    </message>
    <message>
        <source>查看音频文件的详细信息</source>
        <translation>Detalhes do arquivo de áudio</translation>
    </message>
    <message>
        <source>查看视频文件的详细信息</source>
        <translation>Detalhes do arquivo de vídeo</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>复制信息</source>
        <translation>Copiar detalhes</translation>
    </message>
    <message>
        <source>无法在视频目录创建临时文件，请检查写入权限。</source>
        <translation>Não é possível criar um arquivo temporário na pasta do vídeo. Verifique a permissão de gravação.</translation>
    </message>
    <message>
        <source>无法写入水印文字。</source>
        <translation>Não é possível gravar o texto da marca d&apos;água.</translation>
    </message>
    <message>
        <source>正在添加水印，原视频保持不变…</source>
        <translation>Adicionando a marca d&apos;água; o vídeo original permanece inalterado…</translation>
    </message>
    <message>
        <source>无法保存水印副本，原视频未修改。</source>
        <translation>Não é possível salvar a cópia com marca d&apos;água. O vídeo original não foi alterado.</translation>
    </message>
    <message>
        <source>无法生成水印副本，原视频未修改。</source>
        <translation>Não é possível criar a cópia com marca d&apos;água. O vídeo original não foi alterado.</translation>
    </message>
    <message>
        <source>将在 %1 处分割为两个音频片段</source>
        <translation>Será dividido em dois trechos de áudio em %1</translation>
    </message>
    <message>
        <source>将在 %1 处分割为两个视频片段</source>
        <translation>Será dividido em dois trechos de vídeo em %1</translation>
    </message>
    <message numerus="yes">
        <source>%n 个文件</source>
        <translation>
            <numerusform>%n ficheiro</numerusform>
            <numerusform>%n ficheiros</numerusform>
        </translation>
    </message>
    <message>
        <source>截图失败</source>
        <translation>Falha na captura</translation>
    </message>
    <message>
        <source>无法保存截图：
%1
请检查文件夹的写入权限。</source>
        <translation>Não foi possível guardar a captura:
%1
Verifique as permissões de escrita da pasta.</translation>
    </message>
    <message>
        <source>已有同名文件：
%1</source>
        <translation>Já existe um ficheiro com este nome:
%1</translation>
    </message>
    <message>
        <source>没有写入此文件夹的权限：
%1</source>
        <translation>Sem permissão para escrever nesta pasta:
%1</translation>
    </message>
    <message>
        <source>文件名不能包含字符 %1</source>
        <translation>Um nome de ficheiro não pode conter o carácter %1</translation>
    </message>
    <message>
        <source>文件为空</source>
        <translation>O ficheiro está vazio</translation>
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
Resolução: %2
Taxa de quadros: %3
Duração: %4
Tamanho: %5
Criado em: %6
Pasta: %7</translation>
    </message>
    <message>
        <source>文件不存在</source>
        <translation>Arquivo não encontrado</translation>
    </message>
    <message>
        <source>“%1”已被移动或删除，已从列表中移除。</source>
        <translation>&quot;%1&quot; não existe mais: foi movido ou excluído. Foi removido da lista.</translation>
    </message>
    <message>
        <source>文件名过长，请缩短后再试。</source>
        <translation>O nome do arquivo é muito longo. Encurte-o e tente novamente.</translation>
    </message>
    <message>
        <source>无法检查这个文件是否可用：%1</source>
        <translation>Não foi possível verificar se este ficheiro é utilizável: %1</translation>
    </message>
    <message>
        <source>正在读取文件信息…</source>
        <translation>Lendo as informações do arquivo…</translation>
    </message>
    <message>
        <source>无法读取此文件的信息</source>
        <translation>Não foi possível ler as informações deste arquivo</translation>
    </message>
    <message>
        <source>此文件没有声音</source>
        <translation>Este arquivo não tem som</translation>
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
Codec: %2
Taxa de amostragem: %3
Canais: %4
Taxa de bits: %5
Duração: %6
Tamanho: %7
Criado em: %8
Pasta: %9</translation>
    </message>
    <message>
        <source>时长未知</source>
        <translation>Duração desconhecida</translation>
    </message>
    <message>
        <source>声道未知</source>
        <translation>Canais desconhecidos</translation>
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
<context>
    <name>WatermarkDialog</name>
    <message>
        <source>水印设置</source>
        <translation>Configurações da marca d&apos;água</translation>
    </message>
    <message>
        <source>水印样式</source>
        <translation>Estilo da marca d&apos;água</translation>
    </message>
    <message>
        <source>水印文字</source>
        <translation>Texto da marca d&apos;água</translation>
    </message>
    <message>
        <source>字号</source>
        <translation>Tamanho da fonte</translation>
    </message>
    <message>
        <source>颜色</source>
        <translation>Cor</translation>
    </message>
    <message>
        <source>透明度</source>
        <translation>Opacidade</translation>
    </message>
    <message>
        <source>拖动滑块调整水印的可见程度</source>
        <translation>Arraste o controle para ajustar a visibilidade da marca d&apos;água</translation>
    </message>
    <message>
        <source>实时预览  ●</source>
        <translation>Pré-visualização ao vivo  ●</translation>
    </message>
    <message>
        <source>对整个原视频添加水印，另存为 MP4 副本。其他编辑请先保存。</source>
        <translation>A marca d&apos;água é adicionada a todo o vídeo original e salva como cópia MP4. Salve outras edições primeiro.</translation>
    </message>
    <message>
        <source>显示位置</source>
        <translation>Posição</translation>
    </message>
    <message>
        <source>边距</source>
        <translation>Margens</translation>
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
        <translation>Restaurar padrões</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>保存水印副本</source>
        <translation>Salvar cópia com marca d&apos;água</translation>
    </message>
    <message>
        <source>选择颜色</source>
        <translation>Escolher cor</translation>
    </message>
    <message>
        <source>请输入水印文字。</source>
        <translation>Digite o texto da marca d&apos;água.</translation>
    </message>
</context>
<context>
    <name>WatermarkProgressDialog</name>
    <message>
        <source>正在添加水印</source>
        <translation>Adicionando marca d&apos;água</translation>
    </message>
    <message>
        <source>正在保存录制</source>
        <translation>Salvando gravação</translation>
    </message>
    <message>
        <source>正在处理视频，请稍候…</source>
        <translation>Processando o vídeo, aguarde…</translation>
    </message>
    <message>
        <source>正在处理录制文件，请稍候…</source>
        <translation>Processando a gravação, aguarde…</translation>
    </message>
    <message>
        <source>正在处理 %1 / %2</source>
        <translation>Processando %1 de %2</translation>
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
        <translation>Cancelando a marca d&apos;água com segurança…</translation>
    </message>
</context>
<context>
    <name>vc::CloseBehaviorDialog</name>
    <message>
        <source>关闭 Vistrelle</source>
        <translation>Fechar o Vistrelle</translation>
    </message>
    <message>
        <source>关闭窗口后要做什么？</source>
        <translation>O que fazer ao fechar a janela?</translation>
    </message>
    <message>
        <source>最小化到托盘</source>
        <translation>Minimizar para a bandeja</translation>
    </message>
    <message>
        <source>退出 Vistrelle</source>
        <translation>Sair do Vistrelle</translation>
    </message>
    <message>
        <source>记住我的选择，下次不再询问</source>
        <translation>Lembrar minha escolha e não perguntar de novo</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
</context>
</TS>

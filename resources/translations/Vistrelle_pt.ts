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
        <translation>Escolher uma cor</translation>
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
        <translation>Escolher uma cor</translation>
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
    <name>QObject</name>
    <message>
        <source>预计剩余 --:--</source>
        <translation>Restante --:--</translation>
    </message>
    <message>
        <source>预计剩余 %1:%2</source>
        <translation>Restante %1:%2</translation>
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
        <translation>Gravar o áudio do sistema requer o macOS 13 ou posterior.</translation>
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
        <translation>Não é possível capturar o áudio do sistema: %1</translation>
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
        <translation>Escolher uma cor</translation>
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
</TS>

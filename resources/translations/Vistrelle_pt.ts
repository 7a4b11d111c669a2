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
    <name>QObject</name>
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
        <translation>%1 arquivos</translation>
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

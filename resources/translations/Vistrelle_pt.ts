<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt" sourcelanguage="zh_CN">
<context>
    <name>AutoSplitDialog</name>
    <message>
        <source>自动分割设置</source>
        <translation>Configurações de divisão automática</translation>
    </message>
    <message>
        <source>录制时按指定条件自动切分为多个文件</source>
        <translation>Dividir a gravação em vários arquivos por uma condição</translation>
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
        <translation>Mais fácil de enviar, transferir ou guardar em partes</translation>
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
        <translation>Um novo arquivo é salvo a cada %1 minutos</translation>
    </message>
    <message>
        <source>文件达到 %1 MB 时自动切分并保存</source>
        <translation>O arquivo é dividido e salvo ao atingir %1 MB</translation>
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
        <translation>Para após %1 minutos de gravação</translation>
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
        <translation>Escolha um modo de gravação</translation>
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
        <translation>Área personalizada</translation>
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
        <translation>O Vistrelle já está em execução</translation>
    </message>
    <message>
        <source>Another Vistrelle process is running. Finish its recording and quit it before opening Vistrelle again.</source>
        <translation>Outro processo do Vistrelle está em execução. Conclua a gravação e feche-o antes de abrir o Vistrelle novamente.</translation>
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
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Sair</translation>
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
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko" sourcelanguage="zh_CN">
<context>
    <name>AutoSplitDialog</name>
    <message>
        <source>自动分割设置</source>
        <translation>자동 분할 설정</translation>
    </message>
    <message>
        <source>录制时按指定条件自动切分为多个文件</source>
        <translation>조건에 따라 녹화를 여러 파일로 자동 분할합니다</translation>
    </message>
    <message>
        <source>按录制时长</source>
        <translation>녹화 시간 기준</translation>
    </message>
    <message>
        <source>适合会议、课程等长时间录制</source>
        <translation>회의, 강의 등 긴 녹화에 적합</translation>
    </message>
    <message>
        <source>分钟</source>
        <translation>분</translation>
    </message>
    <message>
        <source>按文件大小</source>
        <translation>파일 크기 기준</translation>
    </message>
    <message>
        <source>便于上传、传输或分段保存</source>
        <translation>업로드, 전송 또는 분할 보관에 편리</translation>
    </message>
    <message>
        <source>✓  无缝切分</source>
        <translation>✓  끊김 없는 분할</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>将每 %1 分钟自动保存为一个新文件</source>
        <translation>%1분마다 새 파일로 저장합니다</translation>
    </message>
    <message>
        <source>文件达到 %1 MB 时自动切分并保存</source>
        <translation>파일이 %1MB에 도달하면 분할하여 저장합니다</translation>
    </message>
</context>
<context>
    <name>AutoStopDialog</name>
    <message>
        <source>自动停止设置</source>
        <translation>자동 중지 설정</translation>
    </message>
    <message>
        <source>录制达到指定条件时自动停止并保存文件。</source>
        <translation>조건에 도달하면 녹화를 중지하고 파일을 저장합니다.</translation>
    </message>
    <message>
        <source>停止条件</source>
        <translation>중지 조건</translation>
    </message>
    <message>
        <source>按录制时长</source>
        <translation>녹화 시간 기준</translation>
    </message>
    <message>
        <source>分钟</source>
        <translation>분</translation>
    </message>
    <message>
        <source>按文件大小</source>
        <translation>파일 크기 기준</translation>
    </message>
    <message>
        <source>录制 %1 分钟后自动停止</source>
        <translation>%1분 녹화 후 자동 중지</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>文件达到 %1 MB 后自动停止</source>
        <translation>파일이 %1MB에 도달하면 자동 중지</translation>
    </message>
    <message>
        <source>自动停止倒计时</source>
        <translation>자동 중지 카운트다운</translation>
    </message>
    <message>
        <source>录制将在以上时间后自动停止</source>
        <translation>이 시간이 지나면 녹화가 자동으로 중지됩니다</translation>
    </message>
    <message>
        <source>取消自动停止</source>
        <translation>자동 중지 취소</translation>
    </message>
</context>
<context>
    <name>BottomBar</name>
    <message>
        <source>媒体库</source>
        <translation>미디어 라이브러리</translation>
    </message>
    <message>
        <source>水印</source>
        <translation>워터마크</translation>
    </message>
    <message>
        <source>自动分割</source>
        <translation>자동 분할</translation>
    </message>
    <message>
        <source>自动停止</source>
        <translation>자동 중지</translation>
    </message>
    <message>
        <source>计划录制</source>
        <translation>예약 녹화</translation>
    </message>
    <message>
        <source>GPU 加速</source>
        <translation>GPU 가속</translation>
    </message>
</context>
<context>
    <name>GlobalHotkey</name>
    <message>
        <source>%1（不支持的按键）</source>
        <translation>%1 (지원되지 않는 키)</translation>
    </message>
</context>
<context>
    <name>HomePage</name>
    <message>
        <source>Start Recording</source>
        <translation>녹화 시작</translation>
    </message>
    <message>
        <source>Media Library</source>
        <translation>미디어 라이브러리</translation>
    </message>
    <message>
        <source>Choose a recording mode</source>
        <translation>녹화 모드 선택</translation>
    </message>
    <message>
        <source>Scheduled Recording</source>
        <translation>예약 녹화</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>전체 화면</translation>
    </message>
    <message>
        <source>Custom Area</source>
        <translation>사용자 지정 영역</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>창</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>게임</translation>
    </message>
    <message>
        <source>Audio Only</source>
        <translation>오디오만</translation>
    </message>
    <message>
        <source>Webcam</source>
        <translation>웹캠</translation>
    </message>
    <message>
        <source>Recent recordings</source>
        <translation>최근 녹화</translation>
    </message>
    <message>
        <source>View all  ›</source>
        <translation>모두 보기  ›</translation>
    </message>
    <message>
        <source>No recordings yet</source>
        <translation>아직 녹화가 없습니다</translation>
    </message>
</context>
<context>
    <name>LinkManager</name>
    <message>
        <source>Unable to open browser</source>
        <translation>브라우저를 열 수 없습니다</translation>
    </message>
    <message>
        <source>Unable to open the default browser.

Please visit this link manually:
%1</source>
        <translation>기본 브라우저를 열 수 없습니다.

다음 링크를 직접 방문하세요:
%1</translation>
    </message>
    <message>
        <source>Link unavailable</source>
        <translation>링크를 사용할 수 없음</translation>
    </message>
    <message>
        <source>The requested page link is not configured.</source>
        <translation>요청한 페이지의 링크가 설정되어 있지 않습니다.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>显示 Vistrelle</source>
        <translation>Vistrelle 표시</translation>
    </message>
    <message>
        <source>Start Recording</source>
        <translation>녹화 시작</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>종료</translation>
    </message>
    <message>
        <source>快捷键设置</source>
        <translation>단축키 설정</translation>
    </message>
    <message>
        <source>以下快捷键无法注册，可能已被其他程序占用或按键不受支持：
%1</source>
        <translation>다음 단축키를 등록할 수 없습니다. 다른 프로그램이 사용 중이거나 지원되지 않는 키일 수 있습니다:
%1</translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>녹화 중지</translation>
    </message>
    <message>
        <source>日志文件夹</source>
        <translation>로그 폴더</translation>
    </message>
    <message>
        <source>无法打开日志文件夹。</source>
        <translation>로그 폴더를 열 수 없습니다.</translation>
    </message>
    <message>
        <source>录制性能已自动调整</source>
        <translation>녹화 성능이 자동 조정됨</translation>
    </message>
    <message>
        <source>%1 FPS 已自动降为 %2 FPS。%3</source>
        <translation>%1 FPS가 %2 FPS로 자동 낮춰졌습니다. %3</translation>
    </message>
    <message>
        <source>录制性能提示</source>
        <translation>녹화 성능 알림</translation>
    </message>
    <message>
        <source>4K 录制性能</source>
        <translation>4K 녹화 성능</translation>
    </message>
    <message>
        <source>没有可用的硬件 H.264 编码器</source>
        <translation>사용 가능한 하드웨어 H.264 인코더가 없습니다</translation>
    </message>
    <message>
        <source>%1 × %2、%3 FPS 的录制可能掉帧。请选择本次录制方式。</source>
        <translation>%1 × %2, %3 FPS 녹화는 프레임이 누락될 수 있습니다. 이번 녹화 방식을 선택하세요.</translation>
    </message>
    <message>
        <source>保持 4K，15 FPS（推荐）</source>
        <translation>4K 유지, 15 FPS(권장)</translation>
    </message>
    <message>
        <source>1080p，30 FPS</source>
        <translation>1080p, 30 FPS</translation>
    </message>
    <message>
        <source>强制 4K，30 FPS</source>
        <translation>4K 강제, 30 FPS</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>录制后处理提示</source>
        <translation>녹화 후 처리 알림</translation>
    </message>
    <message>
        <source>录音完成</source>
        <translation>녹음 완료</translation>
    </message>
    <message>
        <source>音频已保存到：%1</source>
        <translation>오디오 저장 위치: %1</translation>
    </message>
    <message>
        <source>录制提示</source>
        <translation>녹화 알림</translation>
    </message>
</context>
<context>
    <name>ModeBar</name>
    <message>
        <source>录制屏幕</source>
        <translation>화면 녹화</translation>
    </message>
    <message>
        <source>录制窗口</source>
        <translation>창 녹화</translation>
    </message>
    <message>
        <source>游戏录制</source>
        <translation>게임 녹화</translation>
    </message>
    <message>
        <source>高性能屏幕录制</source>
        <translation>고성능 화면 녹화</translation>
    </message>
    <message>
        <source>录制音频</source>
        <translation>오디오 녹음</translation>
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
        <translation>Vistrelle이(가) 이미 실행 중입니다</translation>
    </message>
    <message>
        <source>Another Vistrelle process is running. Finish its recording and quit it before opening Vistrelle again.</source>
        <translation>다른 Vistrelle 프로세스가 실행 중입니다. 해당 녹화를 마치고 종료한 뒤 Vistrelle을 다시 여세요.</translation>
    </message>
</context>
<context>
    <name>RecentCard</name>
    <message>
        <source>Loading preview…</source>
        <translation>미리 보기 로드 중…</translation>
    </message>
    <message>
        <source>Preview unavailable</source>
        <translation>미리 보기를 사용할 수 없음</translation>
    </message>
</context>
<context>
    <name>Recorder</name>
    <message>
        <source>无法创建文件夹：%1</source>
        <translation>폴더를 만들 수 없습니다: %1</translation>
    </message>
    <message>
        <source>正在强制使用 CPU 录制 4K 30 FPS；已启用最快编码预设并将码率提高到 %1 kbps。</source>
        <translation>CPU로 4K 30 FPS 녹화를 강제합니다. 가장 빠른 인코딩 프리셋을 사용하고 비트레이트를 %1 kbps로 올렸습니다.</translation>
    </message>
    <message>
        <source>未检测到可用的硬件编码器，已将输出缩放为 %1 × %2、30 FPS。</source>
        <translation>사용 가능한 하드웨어 인코더가 없어 출력을 %1 × %2, 30 FPS로 축소했습니다.</translation>
    </message>
    <message>
        <source>4K 当前只能使用 CPU 编码，已采用更容易实时处理的 15 FPS。</source>
        <translation>현재 4K는 CPU로만 인코딩할 수 있어 실시간 처리가 쉬운 15 FPS를 사용합니다.</translation>
    </message>
    <message>
        <source>请至少开启系统声音或麦克风。</source>
        <translation>시스템 소리나 마이크 중 하나 이상을 켜 주세요.</translation>
    </message>
    <message>
        <source>系统声音录制需要 macOS 13 或更高版本。</source>
        <translation>시스템 소리를 녹음하려면 macOS 13 이상이 필요합니다.</translation>
    </message>
    <message>
        <source>没有找到所选麦克风，请重新选择输入设备。</source>
        <translation>선택한 마이크를 찾을 수 없습니다. 입력 장치를 다시 선택해 주세요.</translation>
    </message>
    <message>
        <source>保存磁盘剩余空间不足 %1 GB，请清理空间或更换保存目录。</source>
        <translation>저장 디스크의 남은 공간이 %1 GB 미만입니다. 공간을 확보하거나 저장 폴더를 바꿔 주세요.</translation>
    </message>
    <message>
        <source>无法捕获系统声音：%1</source>
        <translation>시스템 소리를 캡처할 수 없습니다: %1</translation>
    </message>
    <message>
        <source>FFmpeg 启动失败。请确认 ffmpeg 已放到程序目录或系统 PATH。
%1</source>
        <translation>FFmpeg를 시작하지 못했습니다. ffmpeg가 프로그램 폴더나 시스템 PATH에 있는지 확인해 주세요.
%1</translation>
    </message>
    <message>
        <source>无法启动不含工具栏的屏幕录制：%1</source>
        <translation>도구 모음을 제외한 화면 녹화를 시작할 수 없습니다: %1</translation>
    </message>
    <message>
        <source>无法删除已丢弃录制的临时文件：%1</source>
        <translation>취소한 녹화의 임시 파일을 삭제할 수 없습니다: %1</translation>
    </message>
    <message>
        <source>FFmpeg 被 SIGKILL 信号终止；编码进度日志没有说明终止原因。</source>
        <translation>FFmpeg가 SIGKILL 신호로 종료되었습니다. 진행 로그에는 종료 이유가 없습니다.</translation>
    </message>
    <message>
        <source>FFmpeg 没有输出具体错误信息。</source>
        <translation>FFmpeg가 구체적인 오류 정보를 출력하지 않았습니다.</translation>
    </message>
    <message>
        <source>硬件编码器 %1 无法处理当前采集规格，已自动切换到 CPU 编码。</source>
        <translation>하드웨어 인코더 %1가 현재 캡처 설정을 처리할 수 없어 CPU 인코딩으로 자동 전환했습니다.</translation>
    </message>
    <message>
        <source>DXGI 高性能采集不可用，已自动切换到 GDI 兼容模式。</source>
        <translation>DXGI 고성능 캡처를 사용할 수 없어 GDI 호환 모드로 자동 전환했습니다.</translation>
    </message>
    <message>
        <source>录制进程意外结束。分段已保留在：
%1</source>
        <translation>녹화 프로세스가 예기치 않게 종료되었습니다. 세그먼트는 다음 위치에 보관되어 있습니다:
%1</translation>
    </message>
    <message>
        <source>录制分段异常，退出码=%1。已生成的分段仍保留在：
%2
%3</source>
        <translation>녹화 세그먼트에 오류가 발생했습니다. 종료 코드=%1. 생성된 세그먼트는 다음 위치에 남아 있습니다:
%2
%3</translation>
    </message>
    <message>
        <source>分段已保留在：
%1</source>
        <translation type="vanished">세그먼트는 다음 위치에 보관되어 있습니다:
%1</translation>
    </message>
    <message>
        <source>Camera preview is not ready.</source>
        <translation>카메라 미리보기가 준비되지 않았습니다.</translation>
    </message>
    <message>
        <source>没有有效的窗口录制目标。</source>
        <translation>녹화할 유효한 창이 없습니다.</translation>
    </message>
    <message>
        <source>窗口捕获启动失败：%1</source>
        <translation>창 캡처를 시작하지 못했습니다: %1</translation>
    </message>
    <message>
        <source>窗口捕获启动失败或目标窗口没有产生画面。</source>
        <translation>창 캡처를 시작하지 못했거나 대상 창에서 화면이 나오지 않았습니다.</translation>
    </message>
    <message>
        <source>实际编码速度或有效帧率持续低于 120 FPS 要求</source>
        <translation>실제 인코딩 속도나 유효 프레임률이 계속 120 FPS 요구에 못 미칩니다</translation>
    </message>
    <message>
        <source>设备持续无法稳定达到 60 FPS，建议下次使用 30 FPS 或硬件编码。</source>
        <translation>이 장치는 60 FPS를 안정적으로 유지하지 못합니다. 다음에는 30 FPS나 하드웨어 인코딩을 사용해 보세요.</translation>
    </message>
    <message>
        <source>屏幕采集持续低于 30 FPS 要求，建议关闭高负载程序或改用 720p 录制。</source>
        <translation>화면 캡처가 계속 30 FPS 요구에 못 미칩니다. 부하가 큰 프로그램을 닫거나 720p로 녹화해 보세요.</translation>
    </message>
    <message>
        <source>Screen capture is still dropping frames. Switched to 720p for smoother recording.</source>
        <translation>화면 캡처에서 계속 프레임이 누락됩니다. 더 부드러운 녹화를 위해 720p로 전환했습니다.</translation>
    </message>
    <message>
        <source>屏幕采集持续掉帧，已自动切换到 1080p 以保持录制流畅。</source>
        <translation>화면 캡처에서 계속 프레임이 누락되어 녹화를 부드럽게 유지하도록 1080p로 자동 전환했습니다.</translation>
    </message>
    <message>
        <source>录制的窗口已不可用，画面停留在最后一帧：%1</source>
        <translation>녹화 중인 창을 더 이상 사용할 수 없습니다. 화면이 마지막 프레임에 머뭅니다: %1</translation>
    </message>
    <message>
        <source>这个文件名之前的录制分段仍保留在：
%1
请先移走这些分段，或换一个文件名后再录制。</source>
        <translation>이 파일 이름으로 된 이전 녹화의 세그먼트가 아직 다음 위치에 남아 있습니다:
%1
해당 세그먼트를 옮기거나 다른 파일 이름을 선택한 후 다시 녹화하세요.</translation>
    </message>
    <message>
        <source>最后一个录制分段无法读取，没有合并进录像，已保留在：
%1</source>
        <translation>마지막 녹화 세그먼트를 읽을 수 없어 녹화본에 합치지 않았습니다. 다음 위치에 보관되어 있습니다:
%1</translation>
    </message>
</context>
<context>
    <name>RecordingFinalizer</name>
    <message>
        <source>正在使用兼容编码器重新添加水印…</source>
        <translation>호환 인코더로 워터마크를 다시 추가하는 중…</translation>
    </message>
    <message>
        <source>正在添加水印…</source>
        <translation>워터마크를 추가하는 중…</translation>
    </message>
    <message>
        <source>没有可保存的录制分段。</source>
        <translation>저장할 녹화 세그먼트가 없습니다.</translation>
    </message>
    <message>
        <source>正在准备录制文件…</source>
        <translation>녹화 파일을 준비하는 중…</translation>
    </message>
    <message>
        <source>正在安全合并录制分段…</source>
        <translation>녹화 세그먼트를 안전하게 병합하는 중…</translation>
    </message>
    <message>
        <source>已取消添加水印，已保留无水印原视频。</source>
        <translation>워터마크 추가를 취소했습니다. 워터마크 없는 원본 동영상을 보존했습니다.</translation>
    </message>
    <message>
        <source>水印处理失败，已保留并保存无水印原视频，录制内容没有丢失。</source>
        <translation>워터마크 처리에 실패했습니다. 워터마크 없는 원본 동영상을 보존하고 저장했으며 녹화 내용은 손실되지 않았습니다.</translation>
    </message>
    <message>
        <source>找不到等待添加水印的录制文件。</source>
        <translation>워터마크를 추가할 녹화 파일을 찾을 수 없습니다.</translation>
    </message>
    <message>
        <source>正在安全取消水印处理…</source>
        <translation>워터마크 처리를 안전하게 취소하는 중…</translation>
    </message>
    <message>
        <source>目标文件已存在且无法安全备份；合并结果仍保留在临时文件中。</source>
        <translation>대상 파일이 이미 있고 안전하게 백업할 수 없습니다. 병합 결과는 임시 파일에 남아 있습니다.</translation>
    </message>
    <message>
        <source>录制后处理已完成，但无法写入最终文件；结果仍保留在临时文件中。</source>
        <translation>녹화 후처리는 완료되었지만 최종 파일을 쓸 수 없습니다. 결과는 임시 파일에 남아 있습니다.</translation>
    </message>
    <message>
        <source>同名的原有文件没有被覆盖，已保留为：
%1</source>
        <translation>같은 이름의 기존 파일은 덮어쓰지 않고 다음 이름으로 보존했습니다:
%1</translation>
    </message>
    <message>
        <source>
可恢复的后处理文件：%1</source>
        <translation>
복구 가능한 처리 파일: %1</translation>
    </message>
    <message>
        <source>录制后处理失败。为避免录像丢失，原始分段或可恢复文件已保留在：
%1%2

%3</source>
        <translation>녹화 후처리에 실패했습니다. 녹화가 손실되지 않도록 원본 세그먼트 또는 복구 가능한 파일을 다음 위치에 보존했습니다:
%1%2

%3</translation>
    </message>
</context>
<context>
    <name>ScheduledRecordingDialog</name>
    <message>
        <source>计划录制</source>
        <translation>예약 녹화</translation>
    </message>
    <message>
        <source>到达开始时间后，Vistrelle 将按指定模式自动开始录制。</source>
        <translation>시작 시간이 되면 Vistrelle이 지정한 모드로 녹화를 시작합니다.</translation>
    </message>
    <message>
        <source>启用计划录制</source>
        <translation>예약 녹화 사용</translation>
    </message>
    <message>
        <source>单次</source>
        <translation>한 번</translation>
    </message>
    <message>
        <source>每日</source>
        <translation>매일</translation>
    </message>
    <message>
        <source>每周</source>
        <translation>매주</translation>
    </message>
    <message>
        <source>星期一</source>
        <translation>월요일</translation>
    </message>
    <message>
        <source>星期二</source>
        <translation>화요일</translation>
    </message>
    <message>
        <source>星期三</source>
        <translation>수요일</translation>
    </message>
    <message>
        <source>星期四</source>
        <translation>목요일</translation>
    </message>
    <message>
        <source>星期五</source>
        <translation>금요일</translation>
    </message>
    <message>
        <source>星期六</source>
        <translation>토요일</translation>
    </message>
    <message>
        <source>星期日</source>
        <translation>일요일</translation>
    </message>
    <message>
        <source>录制屏幕</source>
        <translation>화면 녹화</translation>
    </message>
    <message>
        <source>录制音频</source>
        <translation>오디오 녹음</translation>
    </message>
    <message>
        <source>录制窗口</source>
        <translation>창 녹화</translation>
    </message>
    <message>
        <source>游戏录制</source>
        <translation>게임 녹화</translation>
    </message>
    <message>
        <source>高性能屏幕录制</source>
        <translation>고성능 화면 녹화</translation>
    </message>
    <message>
        <source>重复</source>
        <translation>반복</translation>
    </message>
    <message>
        <source>开始日期和时间</source>
        <translation>시작 날짜 및 시간</translation>
    </message>
    <message>
        <source>每天开始时间</source>
        <translation>매일 시작 시간</translation>
    </message>
    <message>
        <source>每周日期</source>
        <translation>요일</translation>
    </message>
    <message>
        <source>指定录制模式</source>
        <translation>녹화 모드</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>保存计划</source>
        <translation>일정 저장</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>菜单</source>
        <translation>메뉴</translation>
    </message>
    <message>
        <source>关于 Vistrelle</source>
        <translation>Vistrelle 정보</translation>
    </message>
    <message>
        <source>语言</source>
        <translation>언어</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>도움말</translation>
    </message>
    <message>
        <source>在线帮助</source>
        <translation>온라인 도움말</translation>
    </message>
    <message>
        <source>打开日志文件夹</source>
        <translation>로그 폴더 열기</translation>
    </message>
    <message>
        <source>技术支持</source>
        <translation>기술 지원</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>종료</translation>
    </message>
</context>
<context>
    <name>WasapiLoopbackCapture</name>
    <message>
        <source>WASAPI 回环录音仅支持 Windows。</source>
        <translation>WASAPI 루프백 녹음은 Windows에서만 지원됩니다.</translation>
    </message>
</context>
<context>
    <name>WasapiMicrophoneCapture</name>
    <message>
        <source>WASAPI microphone capture is only supported on Windows.</source>
        <translation>WASAPI 마이크 캡처는 Windows에서만 지원됩니다.</translation>
    </message>
</context>
<context>
    <name>WatermarkDialog</name>
    <message>
        <source>水印设置</source>
        <translation>워터마크 설정</translation>
    </message>
    <message>
        <source>水印样式</source>
        <translation>워터마크 스타일</translation>
    </message>
    <message>
        <source>水印文字</source>
        <translation>워터마크 텍스트</translation>
    </message>
    <message>
        <source>字号</source>
        <translation>글꼴 크기</translation>
    </message>
    <message>
        <source>颜色</source>
        <translation>색상</translation>
    </message>
    <message>
        <source>透明度</source>
        <translation>불투명도</translation>
    </message>
    <message>
        <source>拖动滑块调整水印的可见程度</source>
        <translation>슬라이더를 끌어 워터마크가 보이는 정도를 조정합니다</translation>
    </message>
    <message>
        <source>实时预览  ●</source>
        <translation>실시간 미리보기  ●</translation>
    </message>
    <message>
        <source>对整个原视频添加水印，另存为 MP4 副本。其他编辑请先保存。</source>
        <translation>원본 동영상 전체에 워터마크를 넣어 MP4 사본으로 저장합니다. 다른 편집은 먼저 저장하세요.</translation>
    </message>
    <message>
        <source>显示位置</source>
        <translation>표시 위치</translation>
    </message>
    <message>
        <source>边距</source>
        <translation>여백</translation>
    </message>
    <message>
        <source>水平</source>
        <translation>가로</translation>
    </message>
    <message>
        <source>垂直</source>
        <translation>세로</translation>
    </message>
    <message>
        <source>恢复默认</source>
        <translation>기본값 복원</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>保存水印副本</source>
        <translation>워터마크 사본 저장</translation>
    </message>
    <message>
        <source>选择颜色</source>
        <translation>색상 선택</translation>
    </message>
    <message>
        <source>请输入水印文字。</source>
        <translation>워터마크 텍스트를 입력하세요.</translation>
    </message>
</context>
</TS>

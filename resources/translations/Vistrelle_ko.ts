<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko" sourcelanguage="zh_CN">
<context>
    <name>AnnotationOverlay</name>
    <message>
        <source>添加文字标注</source>
        <translation>텍스트 주석 추가</translation>
    </message>
    <message>
        <source>输入标注文字：</source>
        <translation>주석 텍스트 입력:</translation>
    </message>
    <message>
        <source>左键绘制  Ctrl+Z 撤销  Del 清除  ESC 退出</source>
        <translation>왼쪽 버튼으로 그리기  Ctrl+Z 실행 취소  Del 지우기  Esc 종료</translation>
    </message>
</context>
<context>
    <name>AnnotationToolbar</name>
    <message>
        <source>画笔</source>
        <translation>펜</translation>
    </message>
    <message>
        <source>箭头</source>
        <translation>화살표</translation>
    </message>
    <message>
        <source>矩形</source>
        <translation>사각형</translation>
    </message>
    <message>
        <source>文字</source>
        <translation>텍스트</translation>
    </message>
    <message>
        <source>选择颜色</source>
        <translation>색상 선택</translation>
    </message>
    <message>
        <source>粗细</source>
        <translation>두께</translation>
    </message>
    <message>
        <source>撤销  Ctrl+Z</source>
        <translation>실행 취소  Ctrl+Z</translation>
    </message>
    <message>
        <source>清除全部  Del</source>
        <translation>모두 지우기  Del</translation>
    </message>
    <message>
        <source>退出注释</source>
        <translation>주석 종료</translation>
    </message>
    <message>
        <source>选择注释颜色</source>
        <translation>주석 색상 선택</translation>
    </message>
</context>
<context>
    <name>CountdownOverlay</name>
    <message>
        <source>开始/停止</source>
        <translation>시작/중지</translation>
    </message>
    <message>
        <source>暂停/恢复</source>
        <translation>일시 정지/재개</translation>
    </message>
</context>
<context>
    <name>FloatingToolbar</name>
    <message>
        <source>正在录制</source>
        <translation>녹화 중</translation>
    </message>
    <message>
        <source>初始化…</source>
        <translation>초기화 중…</translation>
    </message>
    <message>
        <source>写入中…</source>
        <translation>쓰는 중…</translation>
    </message>
    <message>
        <source>关闭摄像头</source>
        <translation>웹캠 끄기</translation>
    </message>
    <message>
        <source>开启摄像头</source>
        <translation>웹캠 켜기</translation>
    </message>
    <message>
        <source>画笔</source>
        <translation>펜</translation>
    </message>
    <message>
        <source>箭头</source>
        <translation>화살표</translation>
    </message>
    <message>
        <source>矩形</source>
        <translation>사각형</translation>
    </message>
    <message>
        <source>文字</source>
        <translation>텍스트</translation>
    </message>
    <message>
        <source>直线</source>
        <translation>직선</translation>
    </message>
    <message>
        <source>圆形</source>
        <translation>원</translation>
    </message>
    <message>
        <source>高亮笔</source>
        <translation>형광펜</translation>
    </message>
    <message>
        <source>橡皮擦</source>
        <translation>지우개</translation>
    </message>
    <message>
        <source>撤销 Ctrl+Z</source>
        <translation>실행 취소 Ctrl+Z</translation>
    </message>
    <message>
        <source>清除全部 Del</source>
        <translation>모두 지우기 Del</translation>
    </message>
    <message>
        <source>退出注释模式</source>
        <translation>주석 모드 종료</translation>
    </message>
    <message>
        <source>选择工具后在屏幕上绘制，ESC 或点“退出”结束注释</source>
        <translation>도구를 선택하고 화면에 그리세요. Esc 또는 &apos;종료&apos;로 주석을 끝냅니다</translation>
    </message>
    <message>
        <source>选择颜色</source>
        <translation>색상 선택</translation>
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
        <translation>남은 시간 --:--</translation>
    </message>
    <message>
        <source>预计剩余 %1:%2</source>
        <translation>남은 시간 %1:%2</translation>
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
    <name>StopRecordingDialog</name>
    <message>
        <source>Stop Recording</source>
        <translation>녹화 중지</translation>
    </message>
    <message>
        <source>Stop this recording?</source>
        <translation>이 녹화를 중지할까요?</translation>
    </message>
    <message>
        <source>Recorded</source>
        <translation>녹화됨</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>계속</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>버리기</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
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
<context>
    <name>WatermarkProgressDialog</name>
    <message>
        <source>正在添加水印</source>
        <translation>워터마크 추가 중</translation>
    </message>
    <message>
        <source>正在保存录制</source>
        <translation>녹화 저장 중</translation>
    </message>
    <message>
        <source>正在处理视频，请稍候…</source>
        <translation>동영상을 처리하는 중입니다. 잠시 기다려 주세요…</translation>
    </message>
    <message>
        <source>正在处理录制文件，请稍候…</source>
        <translation>녹화 파일을 처리하는 중입니다. 잠시 기다려 주세요…</translation>
    </message>
    <message>
        <source>正在处理 %1 / %2</source>
        <translation>처리 중 %1 / %2</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>正在取消…</source>
        <translation>취소하는 중…</translation>
    </message>
    <message>
        <source>正在安全取消水印处理…</source>
        <translation>워터마크 처리를 안전하게 취소하는 중…</translation>
    </message>
</context>
</TS>

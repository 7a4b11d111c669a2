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
    <name>AreaDropdown</name>
    <message>
        <source>全屏</source>
        <translation>전체 화면</translation>
    </message>
    <message>
        <source>选择区域 / 窗口</source>
        <translation>영역 / 창 선택</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>확인</translation>
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
        <translation>클릭하고 드래그하여 영역 선택</translation>
    </message>
</context>
<context>
    <name>AudioSettingsDialog</name>
    <message>
        <source>音频高级设置</source>
        <translation>고급 오디오 설정</translation>
    </message>
    <message>
        <source>系统声与麦克风会分别处理，再混合写入录制文件。</source>
        <translation>시스템 소리와 마이크는 각각 처리된 뒤 녹화 파일에 함께 기록됩니다.</translation>
    </message>
    <message>
        <source>系统声音音量</source>
        <translation>시스템 소리 음량</translation>
    </message>
    <message>
        <source>麦克风音量</source>
        <translation>마이크 음량</translation>
    </message>
    <message>
        <source> ms</source>
        <translation> ms</translation>
    </message>
    <message>
        <source>麦克风延迟</source>
        <translation>마이크 지연</translation>
    </message>
    <message>
        <source>麦克风降噪（降低持续环境噪声）</source>
        <translation>마이크 소음 감소(지속적인 주변 소음을 줄임)</translation>
    </message>
    <message>
        <source>单声道输出（适合语音录制）</source>
        <translation>모노 출력(음성 녹음에 적합)</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>완료</translation>
    </message>
</context>
<context>
    <name>AutoSplitDialog</name>
    <message>
        <source>自动分割设置</source>
        <translation>자동 분할 설정</translation>
    </message>
    <message>
        <source>录制时按指定条件自动切分为多个文件</source>
        <translation>조건에 도달하면 새 세그먼트를 시작하고, 중지하면 하나의 파일로 합칩니다</translation>
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
        <translation>세그먼트마다 크기를 제한합니다</translation>
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
        <translation type="vanished">%1분마다 새 파일로 저장합니다</translation>
    </message>
    <message>
        <source>文件达到 %1 MB 时自动切分并保存</source>
        <translation>세그먼트가 %1MB에 도달할 때마다 새 세그먼트를 시작합니다</translation>
    </message>
    <message numerus="yes">
        <source>将每 %n 分钟自动保存为一个新文件</source>
        <translation>
            <numerusform>%n분마다 새 세그먼트를 시작합니다</numerusform>
        </translation>
    </message>
    <message>
        <source>关闭自动分割</source>
        <translation>자동 분할 끄기</translation>
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
        <translation type="vanished">%1분 녹화 후 자동 중지</translation>
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
    <message numerus="yes">
        <source>录制 %n 分钟后自动停止</source>
        <translation>
            <numerusform>%n분 녹화 후 자동 중지</numerusform>
        </translation>
    </message>
    <message>
        <source>关闭自动停止</source>
        <translation>자동 중지 끄기</translation>
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
    <name>CameraRecordingPage</name>
    <message>
        <source>Camera Recording</source>
        <translation>카메라 녹화</translation>
    </message>
    <message>
        <source>Back to Home</source>
        <translation>홈으로 돌아가기</translation>
    </message>
    <message>
        <source>Choose a camera to start preview</source>
        <translation>미리보기를 시작할 카메라를 선택하세요</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>미러</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>세로</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>맞춤</translation>
    </message>
    <message>
        <source>Camera framing mode</source>
        <translation>카메라 프레이밍 모드</translation>
    </message>
    <message>
        <source>System Audio</source>
        <translation>시스템 오디오</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>마이크</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>정지</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>스냅샷</translation>
    </message>
    <message>
        <source>Auto Stop</source>
        <translation>자동 중지</translation>
    </message>
    <message>
        <source>Auto Split</source>
        <translation>자동 분할</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>채우기</translation>
    </message>
    <message>
        <source>Camera access is off. Allow Vistrelle in System Settings &gt; Privacy &amp; Security &gt; Camera, then return to this page.</source>
        <translation>카메라 접근이 꺼져 있습니다. 시스템 설정 &gt; 개인정보 보호 및 보안 &gt; 카메라에서 Vistrelle을 허용한 다음 이 페이지로 돌아오세요.</translation>
    </message>
    <message>
        <source>Requesting camera access…</source>
        <translation>카메라 접근 권한을 요청하는 중…</translation>
    </message>
    <message>
        <source>Starting camera…</source>
        <translation>카메라를 시작하는 중…</translation>
    </message>
    <message>
        <source>No camera found. Connect a camera and return to this page.</source>
        <translation>카메라를 찾을 수 없습니다. 카메라를 연결한 후 이 페이지로 돌아오세요.</translation>
    </message>
    <message>
        <source>Camera did not deliver a picture. Check camera access and whether another app is using it, then select the camera again.</source>
        <translation>카메라에서 화면이 전달되지 않았습니다. 카메라 접근 권한과 다른 앱이 사용 중인지 확인한 후 카메라를 다시 선택하세요.</translation>
    </message>
    <message>
        <source>Camera could not start. Check camera access in System Settings.</source>
        <translation>카메라를 시작할 수 없습니다. 시스템 설정에서 카메라 접근 권한을 확인하세요.</translation>
    </message>
    <message>
        <source>Camera stopped delivering frames. Recording has been stopped.</source>
        <translation>카메라에서 화면이 더 이상 전달되지 않습니다. 녹화가 중지되었습니다.</translation>
    </message>
    <message>
        <source>Save camera snapshot</source>
        <translation>카메라 스냅샷 저장</translation>
    </message>
    <message>
        <source>Could not save the image.</source>
        <translation>이미지를 저장할 수 없습니다.</translation>
    </message>
    <message>
        <source>Camera Permission</source>
        <translation>카메라 권한</translation>
    </message>
    <message>
        <source>Camera access is off. Allow Vistrelle in System Settings &gt; Privacy &amp; Security &gt; Camera.</source>
        <translation>카메라 접근이 꺼져 있습니다. 시스템 설정 &gt; 개인정보 보호 및 보안 &gt; 카메라에서 Vistrelle을 허용하세요.</translation>
    </message>
    <message>
        <source>Open Settings</source>
        <translation>설정 열기</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>재개</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>일시정지</translation>
    </message>
    <message>
        <source>On</source>
        <translation>켬</translation>
    </message>
    <message>
        <source>Starting…</source>
        <translation>시작 중…</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>끔</translation>
    </message>
</context>
<context>
    <name>CameraSettingsDialog</name>
    <message>
        <source>开关</source>
        <translation>스위치</translation>
    </message>
    <message>
        <source>点击九宫格选择摄像头位置</source>
        <translation>격자를 클릭해 웹캠 위치를 선택하세요</translation>
    </message>
    <message>
        <source>摄像头位置九宫格</source>
        <translation>웹캠 위치 격자</translation>
    </message>
    <message>
        <source>摄像头设置</source>
        <translation>웹캠 설정</translation>
    </message>
    <message>
        <source>正在启动摄像头…</source>
        <translation>카메라를 시작하는 중…</translation>
    </message>
    <message>
        <source>实时预览</source>
        <translation>실시간 미리보기</translation>
    </message>
    <message>
        <source>摄像头关闭时，将在这里显示 · 开启摄像头后可预览</source>
        <translation>카메라가 꺼져 있으면 여기에 표시됩니다 · 카메라를 켜면 미리 볼 수 있습니다</translation>
    </message>
    <message>
        <source>摄像头设备</source>
        <translation>카메라 장치</translation>
    </message>
    <message>
        <source>自动</source>
        <translation>자동</translation>
    </message>
    <message>
        <source>帧率</source>
        <translation>프레임 레이트</translation>
    </message>
    <message>
        <source>视频质量</source>
        <translation>비디오 품질</translation>
    </message>
    <message>
        <source>画面形状</source>
        <translation>모양</translation>
    </message>
    <message>
        <source>圆形</source>
        <translation>원형</translation>
    </message>
    <message>
        <source>圆角矩形</source>
        <translation>둥근 사각형</translation>
    </message>
    <message>
        <source>矩形</source>
        <translation>사각형</translation>
    </message>
    <message>
        <source>左上</source>
        <translation>왼쪽 위</translation>
    </message>
    <message>
        <source>上中</source>
        <translation>가운데 위</translation>
    </message>
    <message>
        <source>右上</source>
        <translation>오른쪽 위</translation>
    </message>
    <message>
        <source>左中</source>
        <translation>왼쪽 가운데</translation>
    </message>
    <message>
        <source>居中</source>
        <translation>가운데</translation>
    </message>
    <message>
        <source>右中</source>
        <translation>오른쪽 가운데</translation>
    </message>
    <message>
        <source>左下</source>
        <translation>왼쪽 아래</translation>
    </message>
    <message>
        <source>下中</source>
        <translation>가운데 아래</translation>
    </message>
    <message>
        <source>右下</source>
        <translation>오른쪽 아래</translation>
    </message>
    <message>
        <source>摄像头位置</source>
        <translation>웹캠 위치</translation>
    </message>
    <message>
        <source>小</source>
        <translation>작게</translation>
    </message>
    <message>
        <source>大</source>
        <translation>크게</translation>
    </message>
    <message>
        <source>画面大小</source>
        <translation>크기</translation>
    </message>
    <message>
        <source>镜像画面</source>
        <translation>좌우 반전</translation>
    </message>
    <message>
        <source>让预览效果更自然</source>
        <translation>미리보기가 더 자연스러워집니다</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>완료</translation>
    </message>
    <message>
        <source>开启摄像头后可预览</source>
        <translation>카메라를 켜면 미리 볼 수 있습니다</translation>
    </message>
    <message>
        <source>未检测到摄像头</source>
        <translation>카메라가 감지되지 않음</translation>
    </message>
    <message>
        <source>未检测到可用摄像头</source>
        <translation>사용 가능한 카메라가 감지되지 않음</translation>
    </message>
    <message>
        <source>摄像头无法启动，请检查系统权限</source>
        <translation>카메라를 시작할 수 없습니다. 시스템 권한을 확인하세요.</translation>
    </message>
</context>
<context>
    <name>CaptureTargetDialog</name>
    <message>
        <source>选择游戏</source>
        <translation>게임 선택</translation>
    </message>
    <message>
        <source>选择窗口</source>
        <translation>창 선택</translation>
    </message>
    <message>
        <source>选择游戏窗口</source>
        <translation>게임 창 선택</translation>
    </message>
    <message>
        <source>选择录制窗口</source>
        <translation>녹화할 창 선택</translation>
    </message>
    <message>
        <source>刷新</source>
        <translation>새로 고침</translation>
    </message>
    <message>
        <source>Select a window</source>
        <translation>창 선택</translation>
    </message>
    <message>
        <source>Process information unavailable</source>
        <translation>프로세스 정보를 사용할 수 없음</translation>
    </message>
    <message>
        <source>Loading preview…</source>
        <translation>미리 보기 로드 중…</translation>
    </message>
    <message>
        <source>当前没有可捕获窗口。请先打开目标程序，然后点击刷新。</source>
        <translation>현재 캡처할 수 있는 창이 없습니다. 녹화할 프로그램을 연 다음 새로 고침을 클릭하세요.</translation>
    </message>
    <message>
        <source>选择要录制的游戏或应用窗口。录制时不要最小化窗口。</source>
        <translation>녹화할 게임 또는 앱 창을 선택하세요. 녹화 중에는 창을 최소화하지 마세요.</translation>
    </message>
    <message>
        <source>录制时不要最小化窗口。</source>
        <translation>녹화 중에는 창을 최소화하지 마세요.</translation>
    </message>
    <message>
        <source>Preview timed out — check screen recording access</source>
        <translation>미리 보기 시간 초과 — 화면 녹화 권한을 확인하세요</translation>
    </message>
    <message>
        <source>Preview unavailable — check screen recording access</source>
        <translation>미리 보기를 사용할 수 없음 — 화면 녹화 권한을 확인하세요</translation>
    </message>
</context>
<context>
    <name>Common</name>
    <message>
        <source>Open Folder</source>
        <translation>폴더 열기</translation>
    </message>
    <message>
        <source>无法打开文件夹：
%1</source>
        <translation>폴더를 열 수 없습니다:
%1</translation>
    </message>
</context>
<context>
    <name>CompletionDialog</name>
    <message>
        <source>文件已保存到以下文件夹</source>
        <translation>파일이 다음 폴더에 저장되었습니다</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>폴더 열기</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>확인</translation>
    </message>
</context>
<context>
    <name>ControlsArea</name>
    <message>
        <source>全屏</source>
        <translation>전체 화면</translation>
    </message>
    <message>
        <source>自定义</source>
        <translation>사용자 지정</translation>
    </message>
    <message>
        <source>尚未选择窗口</source>
        <translation>선택한 창 없음</translation>
    </message>
    <message>
        <source>请选择录制目标</source>
        <translation>녹화할 대상을 선택하세요</translation>
    </message>
    <message>
        <source>选择窗口</source>
        <translation>창 선택</translation>
    </message>
    <message>
        <source>纯音频录制</source>
        <translation>오디오만 녹음</translation>
    </message>
    <message>
        <source>音质</source>
        <translation>음질</translation>
    </message>
    <message>
        <source>128 kbps · 较小</source>
        <translation>128 kbps · 작은 크기</translation>
    </message>
    <message>
        <source>192 kbps · 推荐</source>
        <translation>192 kbps · 권장</translation>
    </message>
    <message>
        <source>320 kbps · 高质量</source>
        <translation>320 kbps · 고음질</translation>
    </message>
    <message>
        <source>无损 · 由格式决定</source>
        <translation>무손실 · 형식에 따라 결정</translation>
    </message>
    <message>
        <source>录摄像头</source>
        <translation>웹캠</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>扬声器</source>
        <translation>스피커</translation>
    </message>
    <message>
        <source>试音</source>
        <translation>테스트</translation>
    </message>
    <message>
        <source>麦克风</source>
        <translation>마이크</translation>
    </message>
    <message>
        <source>开始录制</source>
        <translation>녹화 시작</translation>
    </message>
    <message>
        <source>纯音频模式不录制摄像头</source>
        <translation>오디오 전용 모드에서는 웹캠을 녹화하지 않습니다</translation>
    </message>
    <message>
        <source>选择游戏</source>
        <translation>게임 선택</translation>
    </message>
    <message>
        <source>尚未选择游戏</source>
        <translation>선택한 게임 없음</translation>
    </message>
    <message>
        <source>高性能屏幕采集模式</source>
        <translation>고성능 화면 캡처 모드</translation>
    </message>
    <message>
        <source>选择%1设备</source>
        <translation>%1 장치 선택</translation>
    </message>
    <message>
        <source>选择设备和音频设置</source>
        <translation>장치 및 오디오 설정 선택</translation>
    </message>
    <message>
        <source>开启</source>
        <translation>켜짐</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>꺼짐</translation>
    </message>
    <message>
        <source>默认设备</source>
        <translation>기본 장치</translation>
    </message>
    <message>
        <source>默认 · %1</source>
        <translation>기본 · %1</translation>
    </message>
    <message>
        <source>选择扬声器</source>
        <translation>스피커 선택</translation>
    </message>
    <message>
        <source>选择麦克风</source>
        <translation>마이크 선택</translation>
    </message>
    <message>
        <source>音频高级设置…</source>
        <translation>고급 오디오 설정…</translation>
    </message>
    <message>
        <source>系统声音</source>
        <translation>시스템 소리</translation>
    </message>
    <message>
        <source>无法监听所选扬声器：%1</source>
        <translation>선택한 스피커를 모니터링할 수 없습니다: %1</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>중지</translation>
    </message>
    <message>
        <source>未检测到声音，请先播放一段音频</source>
        <translation>소리가 감지되지 않았습니다. 먼저 오디오를 재생하세요.</translation>
    </message>
    <message>
        <source>已检测到系统播放声音</source>
        <translation>시스템 재생 소리가 감지되었습니다</translation>
    </message>
    <message>
        <source>无设备</source>
        <translation>장치 없음</translation>
    </message>
    <message>
        <source>不可用</source>
        <translation>사용할 수 없음</translation>
    </message>
    <message>
        <source>未检测到声音，请检查麦克风或权限</source>
        <translation>소리가 감지되지 않았습니다. 마이크 또는 권한을 확인하세요.</translation>
    </message>
    <message>
        <source>已检测到麦克风声音</source>
        <translation>마이크 소리가 감지되었습니다</translation>
    </message>
    <message>
        <source>系统声音实时电平</source>
        <translation>시스템 소리 실시간 레벨</translation>
    </message>
    <message>
        <source>麦克风实时电平</source>
        <translation>마이크 실시간 레벨</translation>
    </message>
    <message>
        <source>停止试音</source>
        <translation>테스트 중지</translation>
    </message>
    <message>
        <source>输出</source>
        <translation>출력</translation>
    </message>
    <message>
        <source>输入</source>
        <translation>입력</translation>
    </message>
    <message>
        <source>正在监听，请播放一段声音</source>
        <translation>듣는 중입니다. 소리를 재생하세요.</translation>
    </message>
    <message>
        <source>正在监听，请对麦克风说话</source>
        <translation>듣는 중입니다. 마이크에 대고 말하세요.</translation>
    </message>
    <message>
        <source>录音检查</source>
        <translation>녹음 확인</translation>
    </message>
    <message>
        <source>请至少开启扬声器或麦克风。</source>
        <translation>스피커나 마이크 중 하나 이상을 켜세요.</translation>
    </message>
    <message>
        <source>没有可用的扬声器设备，无法录制系统声音。</source>
        <translation>사용 가능한 스피커 장치가 없어 시스템 소리를 녹음할 수 없습니다.</translation>
    </message>
    <message>
        <source>没有可用的麦克风，请重新连接或选择输入设备。</source>
        <translation>사용 가능한 마이크가 없습니다. 다시 연결하거나 다른 입력 장치를 선택하세요.</translation>
    </message>
    <message>
        <source>停止录制</source>
        <translation>녹화 중지</translation>
    </message>
    <message>
        <source>Camera Permission</source>
        <translation>카메라 권한</translation>
    </message>
    <message>
        <source>Camera access is off. Allow Vistrelle in System Settings &gt; Privacy &amp; Security &gt; Camera.</source>
        <translation>카메라 접근이 꺼져 있습니다. 시스템 설정 &gt; 개인정보 보호 및 보안 &gt; 카메라에서 Vistrelle을 허용하세요.</translation>
    </message>
    <message>
        <source>Open Settings</source>
        <translation>설정 열기</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>高性能屏幕采集</source>
        <translation>고성능 화면 캡처</translation>
    </message>
    <message>
        <source> · 高性能屏幕采集</source>
        <translation> · 고성능 화면 캡처</translation>
    </message>
    <message>
        <source>%1 · 不可用</source>
        <translation>%1 · 사용할 수 없음</translation>
    </message>
    <message>
        <source>摄像头</source>
        <translation>웹캠</translation>
    </message>
    <message>
        <source>没有检测到可用摄像头。</source>
        <translation>사용 가능한 웹캠을 찾지 못했습니다.</translation>
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
    <name>ExportDialog</name>
    <message>
        <source>导出</source>
        <translation>내보내기</translation>
    </message>
    <message>
        <source>↑  导出设置</source>
        <translation>↑  내보내기 설정</translation>
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
        <translation>움직이는 GIF (.gif)</translation>
    </message>
    <message>
        <source>仅音频 MP3 (.mp3)</source>
        <translation>오디오만 MP3 (.mp3)</translation>
    </message>
    <message>
        <source>仅音频 AAC (.aac)</source>
        <translation>오디오만 AAC (.aac)</translation>
    </message>
    <message>
        <source>格式</source>
        <translation>형식</translation>
    </message>
    <message>
        <source>视频编码</source>
        <translation>비디오 인코더</translation>
    </message>
    <message>
        <source>视频码率</source>
        <translation>비디오 비트레이트</translation>
    </message>
    <message>
        <source>1× (正常)</source>
        <translation>1× (보통)</translation>
    </message>
    <message>
        <source>播放速度</source>
        <translation>재생 속도</translation>
    </message>
    <message>
        <source>GIF 帧率</source>
        <translation>GIF 프레임 속도</translation>
    </message>
    <message>
        <source>GIF 宽度</source>
        <translation>GIF 너비</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>开始导出</source>
        <translation>내보내기 시작</translation>
    </message>
    <message>
        <source>✓ 已保存到: </source>
        <translation>✓ 저장 위치: </translation>
    </message>
    <message>
        <source>保存为</source>
        <translation>다른 이름으로 저장</translation>
    </message>
    <message>
        <source>视频文件 (*.mp4 *.mkv *.gif *.mp3 *.aac)</source>
        <translation>미디어 파일 (*.mp4 *.mkv *.gif *.mp3 *.aac)</translation>
    </message>
    <message>
        <source>导出中...</source>
        <translation>내보내는 중...</translation>
    </message>
</context>
<context>
    <name>FfmpegJob</name>
    <message>
        <source>FFmpeg 没有在 %1 秒内完成。</source>
        <translation>FFmpeg가 %1초 안에 끝나지 않았습니다.</translation>
    </message>
    <message>
        <source>FFmpeg 意外终止。</source>
        <translation>FFmpeg가 예기치 않게 종료되었습니다.</translation>
    </message>
    <message>
        <source>FFmpeg 以退出码 %1 结束，没有说明原因。</source>
        <translation>FFmpeg가 종료 코드 %1(으)로 끝났지만 이유를 알려 주지 않았습니다.</translation>
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
        <translation>원형</translation>
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
    <message>
        <source>退出</source>
        <translation>종료</translation>
    </message>
    <message>
        <source>已暂停</source>
        <translation>일시 정지됨</translation>
    </message>
    <message>
        <source>正在保存…</source>
        <translation>저장 중…</translation>
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
    <message>
        <source>Vistrelle recording toolbar</source>
        <translation>Vistrelle 녹화 도구 모음</translation>
    </message>
    <message>
        <source>Vistrelle preparation toolbar</source>
        <translation>Vistrelle 준비 도구 모음</translation>
    </message>
    <message>
        <source>Display %1</source>
        <translation>디스플레이 %1</translation>
    </message>
    <message>
        <source>Audio only</source>
        <translation>오디오만</translation>
    </message>
    <message>
        <source>Camera preview</source>
        <translation>카메라 미리 보기</translation>
    </message>
    <message>
        <source>Camera Recording</source>
        <translation>카메라 녹화</translation>
    </message>
    <message>
        <source>Stop recording and return to Home?</source>
        <translation>녹화를 중지하고 홈으로 돌아갈까요?</translation>
    </message>
    <message>
        <source>Wait for a live camera preview before recording.</source>
        <translation>녹화하기 전에 카메라 실시간 미리 보기를 기다리세요.</translation>
    </message>
    <message>
        <source>Vistrelle countdown</source>
        <translation>Vistrelle 카운트다운</translation>
    </message>
    <message>
        <source>摄像头</source>
        <translation>웹캠</translation>
    </message>
    <message>
        <source>没有检测到可用摄像头。</source>
        <translation>사용 가능한 웹캠을 찾지 못했습니다.</translation>
    </message>
    <message>
        <source>摄像头无法启动，请检查权限或设备占用情况。</source>
        <translation>웹캠을 시작할 수 없습니다. 권한과 다른 프로그램이 사용 중인지 확인하세요.</translation>
    </message>
    <message>
        <source>Camera Permission</source>
        <translation>카메라 권한</translation>
    </message>
    <message>
        <source>Camera access is off. Allow Vistrelle in System Settings &gt; Privacy &amp; Security &gt; Camera.</source>
        <translation>카메라 접근이 꺼져 있습니다. 시스템 설정 &gt; 개인정보 보호 및 보안 &gt; 카메라에서 Vistrelle을 허용하세요.</translation>
    </message>
    <message>
        <source>Open Settings</source>
        <translation>설정 열기</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>计划录制</source>
        <translation>예약 녹화</translation>
    </message>
    <message>
        <source>请先在首页为窗口或游戏模式选择录制目标。</source>
        <translation>먼저 홈 화면에서 창 또는 게임 녹화 대상을 선택하세요.</translation>
    </message>
    <message>
        <source>已有录制正在进行，本次计划已跳过。</source>
        <translation>이미 녹화 중이므로 이번 예약은 건너뛰었습니다.</translation>
    </message>
    <message>
        <source>退出后计划录制将不会执行。

确定要退出 Vistrelle 吗？</source>
        <translation>종료하면 예약 녹화가 실행되지 않습니다.

Vistrelle을 종료할까요?</translation>
    </message>
    <message>
        <source>仍在录制</source>
        <translation>녹화 중</translation>
    </message>
    <message>
        <source>Vistrelle 已隐藏到系统托盘，录制继续进行。</source>
        <translation>Vistrelle이 시스템 트레이로 숨겨졌으며 녹화는 계속됩니다.</translation>
    </message>
    <message>
        <source>Vistrelle 仍在后台运行</source>
        <translation>Vistrelle이 백그라운드에서 실행 중입니다</translation>
    </message>
    <message>
        <source>已最小化到系统托盘，点击或双击托盘图标可重新打开。</source>
        <translation>시스템 트레이로 최소화했습니다. 트레이 아이콘을 클릭하거나 두 번 클릭하면 다시 열립니다.</translation>
    </message>
    <message>
        <source>About Vistrelle</source>
        <translation>Vistrelle 정보</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>버전 %1</translation>
    </message>
    <message>
        <source>Vistrelle is a fast, reliable screen recorder for Linux. Record screens, windows, games, system audio, microphones, and webcams, then edit and manage recordings locally with no cloud upload required.</source>
        <translation>Vistrelle은 Linux용의 빠르고 안정적인 화면 녹화 프로그램입니다. 화면, 창, 게임, 시스템 오디오, 마이크, 웹캠을 녹화하고 클라우드 업로드 없이 로컬에서 편집하고 관리하세요.</translation>
    </message>
    <message>
        <source>Development Team</source>
        <translation>개발 팀</translation>
    </message>
    <message>
        <source>The Vistrelle developers</source>
        <translation>Vistrelle 개발자</translation>
    </message>
    <message>
        <source>© Vistrelle. All rights reserved.</source>
        <translation>© Vistrelle. 모든 권리 보유.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>切换语言</source>
        <translation>언어 변경</translation>
    </message>
    <message>
        <source>无法保存语言设置，请检查当前用户的配置权限。</source>
        <translation>언어 설정을 저장하지 못했습니다. 현재 사용자의 구성 쓰기 권한을 확인하세요.</translation>
    </message>
    <message>
        <source>语言设置已保存，重启 Vistrelle 后生效。是否立即重启？</source>
        <translation>언어 설정을 저장했습니다. Vistrelle을 다시 시작하면 적용됩니다. 지금 다시 시작할까요?</translation>
    </message>
    <message>
        <source>重启失败</source>
        <translation>다시 시작 실패</translation>
    </message>
    <message>
        <source>无法自动重启，请手动重新打开 Vistrelle。</source>
        <translation>Vistrelle을 자동으로 다시 시작할 수 없습니다. 직접 다시 여세요.</translation>
    </message>
    <message>
        <source>录制的窗口已关闭</source>
        <translation>녹화 중인 창이 닫혔습니다</translation>
    </message>
    <message>
        <source>Custom Area</source>
        <translation>사용자 지정 영역</translation>
    </message>
    <message>
        <source>The display of the chosen area is no longer connected. Choose the area again.</source>
        <translation>선택한 영역의 디스플레이가 더 이상 연결되어 있지 않습니다. 영역을 다시 선택하세요.</translation>
    </message>
    <message>
        <source>Nothing was recorded: the program quit before the recording began.</source>
        <translation>녹화된 내용이 없습니다: 녹화가 시작되기 전에 프로그램이 종료되었습니다.</translation>
    </message>
</context>
<context>
    <name>MediaProbe</name>
    <message>
        <source>无法启动 ffprobe（%1）。</source>
        <translation>ffprobe를 시작할 수 없습니다(%1).</translation>
    </message>
    <message>
        <source>ffprobe 没有在 %1 秒内结束。</source>
        <translation>ffprobe가 %1초 안에 끝나지 않았습니다.</translation>
    </message>
    <message>
        <source>ffprobe 没有给出可读的回答。</source>
        <translation>ffprobe가 읽을 수 있는 응답을 주지 않았습니다.</translation>
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
        <translation>Vistrelle — 플레이어</translation>
    </message>
    <message>
        <source>截图</source>
        <translation>스크린샷</translation>
    </message>
    <message>
        <source>无法保存截图到 %1。</source>
        <translation>스크린샷을 %1에 저장할 수 없습니다.</translation>
    </message>
</context>
<context>
    <name>QDialog</name>
    <message>
        <source>Enable Screen Recording</source>
        <translation>화면 녹화 허용</translation>
    </message>
    <message>
        <source>Enable Microphone Access</source>
        <translation>마이크 접근 허용</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Vistrelle needs permission before it can record your screen.</source>
        <translation>Vistrelle이 화면을 녹화하려면 권한이 필요합니다.</translation>
    </message>
    <message>
        <source>Vistrelle needs permission before it can record your voice.</source>
        <translation>Vistrelle이 음성을 녹음하려면 권한이 필요합니다.</translation>
    </message>
    <message>
        <source>Screen &amp; System Audio Recording</source>
        <translation>화면 및 시스템 오디오 녹화</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>마이크</translation>
    </message>
    <message>
        <source>Allow these apps to record your screen.</source>
        <translation>이 앱들이 화면을 녹화하도록 허용합니다.</translation>
    </message>
    <message>
        <source>Allow these apps to use your microphone.</source>
        <translation>이 앱들이 마이크를 사용하도록 허용합니다.</translation>
    </message>
    <message>
        <source>Illustration of macOS System Settings</source>
        <translation>macOS 시스템 설정 예시</translation>
    </message>
    <message>
        <source>Three quick steps</source>
        <translation>간단한 3단계</translation>
    </message>
    <message>
        <source>Open Screen Recording settings.</source>
        <translation>화면 녹화 설정을 엽니다.</translation>
    </message>
    <message>
        <source>Open Microphone settings.</source>
        <translation>마이크 설정을 엽니다.</translation>
    </message>
    <message>
        <source>Turn on Vistrelle.</source>
        <translation>Vistrelle을 켭니다.</translation>
    </message>
    <message>
        <source>Quit and reopen Vistrelle, then record.</source>
        <translation>Vistrelle을 종료했다가 다시 열고 녹화하세요.</translation>
    </message>
    <message>
        <source>Return and start recording.</source>
        <translation>돌아와서 녹화를 시작하세요.</translation>
    </message>
    <message>
        <source>Restart Vistrelle after changing this setting.</source>
        <translation>이 설정을 변경한 후 Vistrelle을 다시 시작하세요.</translation>
    </message>
    <message>
        <source>You can also turn off Microphone and record without voice.</source>
        <translation>마이크를 끄고 음성 없이 녹화할 수도 있습니다.</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>나중에</translation>
    </message>
    <message>
        <source>Open Settings ↗</source>
        <translation>설정 열기 ↗</translation>
    </message>
    <message>
        <source>Open System Settings &gt; Privacy &amp; Security &gt; Screen &amp; System Audio Recording and allow Vistrelle.</source>
        <translation>시스템 설정 &gt; 개인정보 보호 및 보안 &gt; 화면 및 시스템 오디오 녹화를 열고 Vistrelle을 허용하세요.</translation>
    </message>
    <message>
        <source>Open System Settings &gt; Privacy &amp; Security &gt; Microphone and allow Vistrelle.</source>
        <translation>시스템 설정 &gt; 개인정보 보호 및 보안 &gt; 마이크를 열고 Vistrelle을 허용하세요.</translation>
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
    <message>
        <source>播放失败</source>
        <translation>재생 실패</translation>
    </message>
    <message>
        <source>文件不存在：%1</source>
        <translation>파일이 없습니다: %1</translation>
    </message>
    <message>
        <source>没有打开可播放文件</source>
        <translation>재생할 파일이 열려 있지 않습니다</translation>
    </message>
    <message>
        <source>Vistrelle is already running</source>
        <translation>Vistrelle이(가) 이미 실행 중입니다</translation>
    </message>
    <message>
        <source>Another Vistrelle process is running. Finish its recording and quit it before opening Vistrelle again.</source>
        <translation>다른 Vistrelle 프로세스가 실행 중입니다. 해당 녹화를 마치고 종료한 뒤 Vistrelle을 다시 여세요.</translation>
    </message>
    <message>
        <source>已有 FFmpeg 任务正在执行</source>
        <translation>FFmpeg 작업이 이미 실행 중입니다</translation>
    </message>
    <message>
        <source>FFmpeg 未找到或无法启动：%1</source>
        <translation>FFmpeg을 찾을 수 없거나 시작할 수 없습니다: %1</translation>
    </message>
    <message>
        <source>操作已取消</source>
        <translation>작업이 취소되었습니다</translation>
    </message>
    <message>
        <source>FFmpeg 出错：
%1</source>
        <translation>FFmpeg 오류:
%1</translation>
    </message>
    <message>
        <source>裁剪参数无效</source>
        <translation>잘라내기 설정이 잘못되었습니다</translation>
    </message>
    <message>
        <source>合并参数无效</source>
        <translation>병합 설정이 잘못되었습니다</translation>
    </message>
    <message>
        <source>无法创建合并列表文件</source>
        <translation>병합 목록 파일을 만들 수 없습니다</translation>
    </message>
    <message>
        <source>变速参数无效</source>
        <translation>속도 설정이 잘못되었습니다</translation>
    </message>
    <message>
        <source>转场效果无效：%1</source>
        <translation>잘못된 전환 효과: %1</translation>
    </message>
    <message>
        <source>转场失败：至少有一个视频时长小于转场时长</source>
        <translation>전환 실패: 전환보다 짧은 동영상이 하나 이상 있습니다</translation>
    </message>
    <message>
        <source>音频降噪需要 sh.rnnn 模型文件，请放到程序目录，或先关闭音频降噪。</source>
        <translation>오디오 노이즈 제거에는 모델 파일 sh.rnnn이 필요합니다. 프로그램 폴더에 넣거나 오디오 노이즈 제거를 끄세요.</translation>
    </message>
    <message>
        <source>字幕文件不存在：%1</source>
        <translation>자막 파일이 없습니다: %1</translation>
    </message>
    <message>
        <source>FFmpeg 报告完成，但没有写出可用的文件：
%1</source>
        <translation>FFmpeg가 완료를 보고했지만 사용할 수 있는 파일을 만들지 않았습니다:
%1</translation>
    </message>
    <message>
        <source>格式无效或不受支持</source>
        <translation>형식이 잘못되었거나 지원되지 않습니다</translation>
    </message>
    <message>
        <source>没有读取权限</source>
        <translation>읽기 권한이 없습니다</translation>
    </message>
    <message>
        <source>文件无法读取或已损坏</source>
        <translation>파일을 읽을 수 없거나 손상되었습니다</translation>
    </message>
    <message>
        <source>无法打开文件：%1</source>
        <translation>파일을 열 수 없습니다: %1</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>&amp;Yes</source>
        <translation>예(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>아니요(&amp;N)</translation>
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
        <translation type="vanished">시스템 소리를 녹음하려면 macOS 13 이상이 필요합니다.</translation>
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
        <translation type="vanished">시스템 소리를 캡처할 수 없습니다: %1</translation>
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
    <message>
        <source>保存磁盘的剩余空间已不足 %1 MB，录制已停止；已录制的内容会正常保存。</source>
        <translation type="vanished">저장 디스크의 남은 공간이 %1 MB 미만이어서 녹화를 중지했습니다. 지금까지 녹화한 내용은 저장됩니다.</translation>
    </message>
    <message>
        <source>屏幕录制不可用：屏幕录制需要 X11 会话，在 Wayland 下无法录制屏幕。</source>
        <translation>화면 캡처를 사용할 수 없습니다: 화면 녹화에는 X11 세션이 필요하며 Wayland에서는 화면을 녹화할 수 없습니다.</translation>
    </message>
    <message>
        <source>录制分段异常，退出码=%1。没有录下任何内容。
%2</source>
        <translation>녹화 세그먼트에 오류가 발생했습니다(종료 코드 %1). 아무것도 녹화되지 않았습니다.
%2</translation>
    </message>
    <message>
        <source>无法录制麦克风：%1</source>
        <translation type="vanished">마이크를 녹음할 수 없습니다: %1</translation>
    </message>
    <message>
        <source>保存文件夹不可写入：%1</source>
        <translation>저장 폴더에 쓸 수 없습니다: %1</translation>
    </message>
    <message>
        <source>无法录制系统声音，因为声音服务器无法连接。</source>
        <translation>사운드 서버에 연결할 수 없어 시스템 오디오를 녹음할 수 없습니다.</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已快满，录制已停止。已录下的分段保留在：
%2</source>
        <translation>저장 디스크 %1의 공간이 거의 없어 녹화를 중지했습니다. 녹화된 세그먼트는 다음 위치에 보관되어 있습니다:
%2</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已快满，录制已停止并已保存为：
%2</source>
        <translation>저장 디스크 %1의 공간이 거의 없어 녹화를 중지하고 다음 파일로 저장했습니다:
%2</translation>
    </message>
    <message>
        <source>保存文件夹不存在，也无法创建：%1
%2 不可写入。</source>
        <translation>저장 폴더가 없으며 만들 수도 없습니다: %1
%2에 쓸 수 없습니다.</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已快满，录制已停止。录像保留为 %2 个分段，位于：
%3
把它们合并成一个文件还需要约 %4 的可用空间（现在可用 %5）。腾出空间后，可以手动合并这些分段。</source>
        <translation>저장 디스크 %1의 공간이 거의 없어 녹화를 중지했습니다. 녹화는 %2개의 세그먼트로 다음 위치에 보관되어 있습니다:
%3
하나의 파일로 합치려면 약 %4의 여유 공간이 필요합니다(현재 여유 공간 %5). 공간을 확보한 뒤 이 세그먼트들을 직접 합칠 수 있습니다.</translation>
    </message>
    <message>
        <source>声音服务器已断开。录制仍在继续，这段时间的声音录为静音；声音服务器恢复后会自动继续录音。</source>
        <translation>사운드 서버 연결이 끊어졌습니다. 녹화는 계속되며 그동안의 소리는 무음으로 녹음됩니다. 사운드 서버가 돌아오면 자동으로 다시 녹음합니다.</translation>
    </message>
    <message>
        <source>录制文件夹在录制中被删除，已录下的内容随文件夹一起被删除：%1
该文件夹无法重新创建，录制已停止。
%2</source>
        <translation>녹화 중에 녹화 폴더가 삭제되어 녹화한 내용도 폴더와 함께 삭제되었습니다: %1
폴더를 다시 만들 수 없어 녹화를 중지했습니다.
%2</translation>
    </message>
    <message>
        <source>录制文件夹在录制中被删除，此前录下的内容已随文件夹一起被删除：%1
已重新创建该文件夹，录制继续，此后的内容会正常保存。</source>
        <translation>녹화 중에 녹화 폴더가 삭제되어 지금까지 녹화한 내용도 폴더와 함께 삭제되었습니다: %1
폴더를 다시 만들었습니다. 녹화는 계속되며 이후 내용은 정상적으로 저장됩니다.</translation>
    </message>
    <message>
        <source>无法录制麦克风，因为声音服务器无法连接。</source>
        <translation>사운드 서버에 연결할 수 없어 마이크를 녹음할 수 없습니다.</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已满，录制已停止。录下的内容没有可以播放的部分，没有保存录像；未完成的分段保留在：
%2</source>
        <translation>저장 디스크 %1이(가) 가득 차서 녹화를 중지했습니다. 녹화된 내용 중 재생할 수 있는 부분이 없어 녹화를 저장하지 않았습니다. 완료되지 않은 세그먼트는 다음 위치에 남아 있습니다:
%2</translation>
    </message>
    <message>
        <source>编码器停止了响应，录像只保存到 %1（共录制了 %2）：
%3</source>
        <translation type="vanished">인코더가 응답하지 않아 녹화가 %1까지만 저장되었습니다(녹화 시간 %2):
%3</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已满，没有录下任何内容。请清理空间或更换保存目录。
%2</source>
        <translation type="vanished">저장 디스크 %1이(가) 가득 차서 아무것도 녹화되지 않았습니다. 공간을 확보하거나 다른 저장 폴더를 선택하세요.
%2</translation>
    </message>
    <message>
        <source>所选麦克风已断开，录制改为使用系统默认的输入设备继续录音。</source>
        <translation>선택한 마이크의 연결이 끊어졌습니다. 녹화는 시스템 기본 입력 장치로 계속됩니다.</translation>
    </message>
    <message>
        <source>编码器停止了响应：文件保存了 %1（共录制了 %2），从 %3 起缺少 %4：
%5</source>
        <translation>인코더가 응답하지 않았습니다. 파일에는 녹화한 %2 중 %1이(가) 저장되어 있으며, %3부터 %4이(가) 빠져 있습니다:
%5</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已满，录制已停止。录像保留为 %2 个分段，位于：
%3
把它们合并成一个文件还需要约 %4 的可用空间（现在可用 %5）。腾出空间后，可以手动合并这些分段。</source>
        <translation>저장 디스크 %1이(가) 가득 차서 녹화를 중지했습니다. 녹화는 %2개의 세그먼트로 다음 위치에 보관되어 있습니다:
%3
하나의 파일로 합치려면 약 %4의 여유 공간이 필요합니다(현재 여유 공간 %5). 공간을 확보한 뒤 이 세그먼트들을 직접 합칠 수 있습니다.</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已满，录制已停止。已录下的分段保留在：
%2</source>
        <translation>저장 디스크 %1이(가) 가득 차서 녹화를 중지했습니다. 녹화된 세그먼트는 다음 위치에 보관되어 있습니다:
%2</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已满，录制已停止并已保存为：
%2</source>
        <translation>저장 디스크 %1이(가) 가득 차서 녹화를 중지하고 다음 파일로 저장했습니다:
%2</translation>
    </message>
    <message>
        <source>录制进程意外结束，没有录下任何内容。</source>
        <translation>녹화 프로세스가 예기치 않게 종료되어 아무것도 녹화되지 않았습니다.</translation>
    </message>
    <message>
        <source>保存磁盘 %1 已满，没有录下任何内容。请清理空间或更换保存目录。</source>
        <translation>저장 디스크 %1이(가) 가득 차서 아무것도 녹화되지 않았습니다. 공간을 확보하거나 다른 저장 폴더를 선택하세요.</translation>
    </message>
    <message>
        <source>无法录制麦克风：声音服务器没有开始录音。请检查输入设备后重试。</source>
        <translation>마이크를 녹음할 수 없습니다: 사운드 서버가 녹음을 시작하지 않았습니다. 입력 장치를 확인한 후 다시 시도하세요.</translation>
    </message>
    <message>
        <source>无法捕获系统声音：声音服务器没有开始录音。请检查输出设备后重试。</source>
        <translation>시스템 소리를 캡처할 수 없습니다: 사운드 서버가 녹음을 시작하지 않았습니다. 출력 장치를 확인한 후 다시 시도하세요.</translation>
    </message>
    <message>
        <source>正在等待 FFmpeg 检测编码器…</source>
        <translation>FFmpeg가 인코더를 검사하기를 기다리는 중…</translation>
    </message>
    <message>
        <source>正在等待 FFmpeg 开始录制…</source>
        <translation>FFmpeg가 녹화를 시작하기를 기다리는 중…</translation>
    </message>
    <message>
        <source>请先启动声音服务器（PulseAudio），再开始录制。</source>
        <translation>먼저 사운드 서버(PulseAudio)를 시작한 다음 녹음을 시작하세요.</translation>
    </message>
    <message>
        <source>请先启动声音服务器（PulseAudio），或关闭扬声器和麦克风后录制无声视频。</source>
        <translation>먼저 사운드 서버(PulseAudio)를 시작하거나, 스피커와 마이크를 끄고 소리 없는 동영상을 녹화하세요.</translation>
    </message>
    <message>
        <source>没有录下任何内容：录制在开始之前就已停止。</source>
        <translation>녹화된 내용이 없습니다: 녹화가 시작되기 전에 중지되었습니다.</translation>
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
    <message>
        <source>保存磁盘 %1 已满，分段没有合并成一个文件。腾出约 %2 的可用空间后，可以手动合并这些分段。</source>
        <translation>저장 디스크 %1이(가) 가득 차서 세그먼트를 하나의 파일로 합치지 못했습니다. 약 %2의 공간을 확보한 뒤 이 세그먼트들을 직접 합칠 수 있습니다.</translation>
    </message>
</context>
<context>
    <name>RecordingSettingsDialog</name>
    <message>
        <source>录制性能设置</source>
        <translation>녹화 성능 설정</translation>
    </message>
    <message>
        <source>录制性能</source>
        <translation>녹화 성능</translation>
    </message>
    <message>
        <source>选择用途，自动匹配参数</source>
        <translation>용도를 선택하면 설정이 자동으로 맞춰집니다</translation>
    </message>
    <message>
        <source>预设</source>
        <translation>프리셋</translation>
    </message>
    <message>
        <source>办公
文档、会议</source>
        <translation>업무
문서, 회의</translation>
    </message>
    <message>
        <source>课程
文字清晰</source>
        <translation>강의
선명한 글자</translation>
    </message>
    <message>
        <source>游戏
流畅优先</source>
        <translation>게임
부드러움 우선</translation>
    </message>
    <message>
        <source>高画质
细节优先</source>
        <translation>고화질
디테일 우선</translation>
    </message>
    <message>
        <source>高级设置  ▾</source>
        <translation>고급 설정  ▾</translation>
    </message>
    <message>
        <source>帧率</source>
        <translation>프레임 레이트</translation>
    </message>
    <message>
        <source>格式</source>
        <translation>형식</translation>
    </message>
    <message>
        <source>画质</source>
        <translation>화질</translation>
    </message>
    <message>
        <source>帧率类型</source>
        <translation>프레임 레이트 방식</translation>
    </message>
    <message>
        <source>编码器</source>
        <translation>인코더</translation>
    </message>
    <message>
        <source>关键帧</source>
        <translation>키프레임</translation>
    </message>
    <message>
        <source>30 FPS（推荐）</source>
        <translation>30 FPS (권장)</translation>
    </message>
    <message>
        <source>标准</source>
        <translation>표준</translation>
    </message>
    <message>
        <source>高清（推荐）</source>
        <translation>고화질 (권장)</translation>
    </message>
    <message>
        <source>超清</source>
        <translation>초고화질</translation>
    </message>
    <message>
        <source>自动（推荐）</source>
        <translation>자동 (권장)</translation>
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
        <translation>MP4 (호환성)</translation>
    </message>
    <message>
        <source>MKV（易恢复）</source>
        <translation>MKV (복구 쉬움)</translation>
    </message>
    <message>
        <source>恒定（推荐）</source>
        <translation>고정 (권장)</translation>
    </message>
    <message>
        <source>可变（省空间）</source>
        <translation>가변 (공간 절약)</translation>
    </message>
    <message>
        <source>1 秒</source>
        <translation>1초</translation>
    </message>
    <message>
        <source>2 秒（推荐）</source>
        <translation>2초 (권장)</translation>
    </message>
    <message>
        <source>5 秒</source>
        <translation>5초</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>완료</translation>
    </message>
    <message>
        <source>收起高级设置  ▴</source>
        <translation>고급 설정 접기  ▴</translation>
    </message>
    <message>
        <source>高清</source>
        <translation>고화질</translation>
    </message>
    <message>
        <source>CPU 编码</source>
        <translation>CPU 인코딩</translation>
    </message>
    <message>
        <source>自动编码</source>
        <translation>자동 인코딩</translation>
    </message>
    <message>
        <source>GPU 编码</source>
        <translation>GPU 인코딩</translation>
    </message>
    <message>
        <source>高性能模式</source>
        <translation>고성능 모드</translation>
    </message>
    <message>
        <source>适合办公与课程</source>
        <translation>업무 및 강의에 적합</translation>
    </message>
    <message>
        <source>适合游戏</source>
        <translation>게임에 적합</translation>
    </message>
    <message>
        <source>%1 · %2 · 关键帧 %3 秒</source>
        <translation>%1 · %2 · 키프레임 %3초</translation>
    </message>
    <message>
        <source>可变</source>
        <translation>가변</translation>
    </message>
    <message>
        <source>恒定</source>
        <translation>고정</translation>
    </message>
    <message>
        <source>%1 FPS · %2 · %3
%4 · %5</source>
        <translation>%1 FPS · %2 · %3
%4 · %5</translation>
    </message>
    <message>
        <source>当前显示器最高刷新率约为 %1 Hz</source>
        <translation>현재 디스플레이의 최대 주사율은 약 %1 Hz입니다</translation>
    </message>
    <message>
        <source>没有检测到可用的 H.264 GPU 硬件编码器</source>
        <translation>사용 가능한 H.264 GPU 하드웨어 인코더를 찾지 못했습니다</translation>
    </message>
    <message>
        <source>120 FPS 性能检查</source>
        <translation>120 FPS 성능 검사</translation>
    </message>
    <message>
        <source>当前设备可能无法稳定录制 120 FPS：

• %1

建议自动调整为 60 FPS。录制期间仍会继续监测实际性能。</source>
        <translation>이 기기에서는 120 FPS를 안정적으로 녹화하지 못할 수 있습니다:

• %1

60 FPS로 자동 변경하는 것을 권장합니다. 녹화 중에도 실제 성능을 계속 확인합니다.</translation>
    </message>
    <message>
        <source>自动改为 60 FPS</source>
        <translation>60 FPS로 변경</translation>
    </message>
    <message>
        <source>仍然使用 120 FPS</source>
        <translation>120 FPS 계속 사용</translation>
    </message>
    <message>
        <source>返回设置</source>
        <translation>설정으로 돌아가기</translation>
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
    <message>
        <source>这个时间已经过去，请选择一个将来的时间。</source>
        <translation>이 시간은 이미 지났습니다. 앞으로의 시간을 선택하세요.</translation>
    </message>
</context>
<context>
    <name>ScreenshotNotice</name>
    <message>
        <source>截图失败</source>
        <translation>스크린샷 실패</translation>
    </message>
    <message>
        <source>无法截取画面。</source>
        <translation>화면을 캡처할 수 없습니다.</translation>
    </message>
    <message>
        <source>无法保存截图：
%1
请检查文件夹的写入权限。</source>
        <translation>스크린샷을 저장할 수 없습니다:
%1
폴더의 쓰기 권한을 확인하세요.</translation>
    </message>
    <message>
        <source>截图完成</source>
        <translation>스크린샷 저장됨</translation>
    </message>
    <message>
        <source>截图已保存到：
%1</source>
        <translation>스크린샷 저장 위치:
%1</translation>
    </message>
    <message>
        <source>上一张截图仍在保存，请稍后再试。</source>
        <translation>이전 스크린샷을 아직 저장하는 중입니다. 잠시 후 다시 시도하세요.</translation>
    </message>
</context>
<context>
    <name>SegmentMerger</name>
    <message>
        <source>FFmpeg 停止了响应，分段没有合并。</source>
        <translation>FFmpeg가 응답하지 않아 세그먼트를 합치지 못했습니다.</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>设置</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>通用</source>
        <translation>일반</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>鼠标效果</source>
        <translation>마우스 효과</translation>
    </message>
    <message>
        <source>快捷键</source>
        <translation>단축키</translation>
    </message>
    <message>
        <source>录制</source>
        <translation>녹화</translation>
    </message>
    <message>
        <source>恢复默认设置</source>
        <translation>기본값 복원</translation>
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
        <source>保存设置</source>
        <translation>설정 저장</translation>
    </message>
    <message>
        <source>保存目录无效或无法创建，请重新选择。</source>
        <translation>저장 폴더가 올바르지 않거나 만들 수 없습니다. 다른 폴더를 선택하세요.</translation>
    </message>
    <message>
        <source>每个全局快捷键只能包含一个组合，请重新设置。</source>
        <translation>각 전역 단축키에는 조합을 하나만 지정할 수 있습니다. 다시 설정하세요.</translation>
    </message>
    <message>
        <source>快捷键 %1 被重复使用，请为每个功能设置不同组合。</source>
        <translation>단축키 %1이(가) 중복되었습니다. 기능마다 다른 조합을 지정하세요.</translation>
    </message>
    <message>
        <source>快捷键设置</source>
        <translation>단축키 설정</translation>
    </message>
    <message>
        <source>设置写入失败，请检查当前用户的配置权限。</source>
        <translation>설정을 저장하지 못했습니다. 현재 사용자의 구성 쓰기 권한을 확인하세요.</translation>
    </message>
    <message>
        <source>开机时自动启动 Vistrelle</source>
        <translation>로그인할 때 Vistrelle 시작</translation>
    </message>
    <message>
        <source>启动后最小化到系统托盘</source>
        <translation>시작 후 시스템 트레이로 최소화</translation>
    </message>
    <message>
        <source>关闭按钮</source>
        <translation>닫기 버튼</translation>
    </message>
    <message>
        <source>最小化到系统托盘</source>
        <translation>시스템 트레이로 최소화</translation>
    </message>
    <message>
        <source>退出程序</source>
        <translation>프로그램 종료</translation>
    </message>
    <message>
        <source>每次询问我</source>
        <translation>매번 묻기</translation>
    </message>
    <message>
        <source>选择“每次询问我”时，每次关闭主窗口都会弹出选择窗口。以后仍可在这里修改。</source>
        <translation>“매번 묻기”를 선택하면 주 창을 닫을 때마다 선택 창이 나타납니다. 나중에 여기에서 바꿀 수 있습니다.</translation>
    </message>
    <message>
        <source>诊断</source>
        <translation>진단</translation>
    </message>
    <message>
        <source>启用详细诊断日志</source>
        <translation>자세한 진단 로그 사용</translation>
    </message>
    <message>
        <source>日志保存在本机；重启后生效。</source>
        <translation>로그는 이 컴퓨터에 저장되며 다시 시작하면 적용됩니다.</translation>
    </message>
    <message>
        <source>默认保存目录</source>
        <translation>기본 저장 폴더</translation>
    </message>
    <message>
        <source>浏览…</source>
        <translation>찾아보기…</translation>
    </message>
    <message>
        <source>文件命名规则</source>
        <translation>파일 이름 규칙</translation>
    </message>
    <message>
        <source>日期 + 时间</source>
        <translation>날짜 + 시간</translation>
    </message>
    <message>
        <source>Vistrelle + 日期时间</source>
        <translation>Vistrelle + 날짜 및 시간</translation>
    </message>
    <message>
        <source>自动编号</source>
        <translation>자동 번호</translation>
    </message>
    <message>
        <source>示例：2026-09-04_143022.mp4</source>
        <translation type="vanished">예: 2026-09-04_143022.mp4</translation>
    </message>
    <message>
        <source>磁盘空间提醒</source>
        <translation>디스크 공간 알림</translation>
    </message>
    <message>
        <source>当磁盘剩余空间少于</source>
        <translation>디스크 남은 공간이 다음보다 적으면</translation>
    </message>
    <message>
        <source>时提醒我</source>
        <translation>알림</translation>
    </message>
    <message>
        <source>选择保存目录</source>
        <translation>저장 폴더 선택</translation>
    </message>
    <message>
        <source>显示鼠标高亮</source>
        <translation>마우스 포인터 강조</translation>
    </message>
    <message>
        <source>高亮颜色</source>
        <translation>강조 색상</translation>
    </message>
    <message>
        <source>大小</source>
        <translation>크기</translation>
    </message>
    <message>
        <source>透明度</source>
        <translation>불투명도</translation>
    </message>
    <message>
        <source>点击动画</source>
        <translation>클릭 애니메이션</translation>
    </message>
    <message>
        <source>显示鼠标点击动画</source>
        <translation>마우스 클릭 애니메이션 표시</translation>
    </message>
    <message>
        <source>左键点击</source>
        <translation>왼쪽 클릭</translation>
    </message>
    <message>
        <source>右键点击</source>
        <translation>오른쪽 클릭</translation>
    </message>
    <message>
        <source>选择颜色</source>
        <translation>색상 선택</translation>
    </message>
    <message>
        <source>点击选择颜色</source>
        <translation>클릭하여 색상 선택</translation>
    </message>
    <message>
        <source>开始 / 停止录制</source>
        <translation>녹화 시작 / 중지</translation>
    </message>
    <message>
        <source>暂停 / 继续录制</source>
        <translation>녹화 일시 중지 / 재개</translation>
    </message>
    <message>
        <source>截图（全屏 / 区域）</source>
        <translation>스크린샷 (전체 화면 / 영역)</translation>
    </message>
    <message>
        <source>显示 / 隐藏悬浮工具栏</source>
        <translation>플로팅 도구 모음 표시 / 숨기기</translation>
    </message>
    <message>
        <source>显示 / 隐藏注释工具栏</source>
        <translation>주석 도구 모음 표시 / 숨기기</translation>
    </message>
    <message>
        <source>点击确定后保存，应用于下一次录制。</source>
        <translation>확인을 누르면 저장되며 다음 녹화부터 적용됩니다.</translation>
    </message>
    <message>
        <source>录制预设</source>
        <translation>녹화 프리셋</translation>
    </message>
    <message>
        <source>办公</source>
        <translation>업무</translation>
    </message>
    <message>
        <source>课程</source>
        <translation>강의</translation>
    </message>
    <message>
        <source>游戏</source>
        <translation>게임</translation>
    </message>
    <message>
        <source>自定义</source>
        <translation>사용자 지정</translation>
    </message>
    <message>
        <source>标准</source>
        <translation>표준</translation>
    </message>
    <message>
        <source>高清（推荐）</source>
        <translation>고화질 (권장)</translation>
    </message>
    <message>
        <source>超清</source>
        <translation>초고화질</translation>
    </message>
    <message>
        <source>自动（推荐）</source>
        <translation>자동 (권장)</translation>
    </message>
    <message>
        <source>恒定（推荐）</source>
        <translation>고정 (권장)</translation>
    </message>
    <message>
        <source>可变</source>
        <translation>가변</translation>
    </message>
    <message>
        <source>%1 秒</source>
        <translation>%1초</translation>
    </message>
    <message>
        <source>常用设置</source>
        <translation>자주 쓰는 설정</translation>
    </message>
    <message>
        <source>视频格式</source>
        <translation>비디오 형식</translation>
    </message>
    <message>
        <source>帧率</source>
        <translation>프레임 레이트</translation>
    </message>
    <message>
        <source>画质</source>
        <translation>화질</translation>
    </message>
    <message>
        <source>硬件加速</source>
        <translation>하드웨어 가속</translation>
    </message>
    <message>
        <source>高级设置 ▾</source>
        <translation>고급 설정 ▾</translation>
    </message>
    <message>
        <source>帧率类型</source>
        <translation>프레임 레이트 방식</translation>
    </message>
    <message>
        <source>关键帧间隔</source>
        <translation>키프레임 간격</translation>
    </message>
    <message>
        <source>收起高级设置 ▴</source>
        <translation>고급 설정 접기 ▴</translation>
    </message>
    <message>
        <source>示例：%1</source>
        <translation>예: %1</translation>
    </message>
</context>
<context>
    <name>SetupRecordingToolbar</name>
    <message>
        <source>Full Screen  ▾</source>
        <translation>전체 화면  ▾</translation>
    </message>
    <message>
        <source>Display 1</source>
        <translation>디스플레이 1</translation>
    </message>
    <message>
        <source>Webcam  ▾</source>
        <translation>웹캠  ▾</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>끔</translation>
    </message>
    <message>
        <source>Speaker  ▾</source>
        <translation>스피커  ▾</translation>
    </message>
    <message>
        <source>On</source>
        <translation>켬</translation>
    </message>
    <message>
        <source>Microphone  ▾</source>
        <translation>마이크  ▾</translation>
    </message>
    <message>
        <source>Screenshot</source>
        <translation>스크린샷</translation>
    </message>
    <message>
        <source>Auto Stop</source>
        <translation>자동 중지</translation>
    </message>
    <message>
        <source>Auto Split</source>
        <translation>자동 분할</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>예약</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>나가기</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>전체 화면</translation>
    </message>
    <message>
        <source>Full Screen · Display %1</source>
        <translation>전체 화면 · 디스플레이 %1</translation>
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
        <source>Custom Area  ▾</source>
        <translation>사용자 지정 영역  ▾</translation>
    </message>
    <message>
        <source>Window  ▾</source>
        <translation>창  ▾</translation>
    </message>
    <message>
        <source>Game  ▾</source>
        <translation>게임  ▾</translation>
    </message>
    <message>
        <source>Audio Only  ▾</source>
        <translation>오디오만  ▾</translation>
    </message>
    <message>
        <source>Start recording</source>
        <translation>녹화 시작</translation>
    </message>
    <message>
        <source>Select a window before recording</source>
        <translation>녹화하기 전에 창을 선택하세요</translation>
    </message>
    <message>
        <source>Drag toolbar</source>
        <translation>도구 모음 끌기</translation>
    </message>
    <message>
        <source>Open menu</source>
        <translation>메뉴 열기</translation>
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
    <name>TimelineWidget</name>
    <message>
        <source>🎬 视频</source>
        <translation>🎬 비디오</translation>
    </message>
    <message>
        <source>🔊 系统音</source>
        <translation>🔊 시스템</translation>
    </message>
    <message>
        <source>🎵 背景乐</source>
        <translation>🎵 배경음</translation>
    </message>
    <message>
        <source>📝 字幕</source>
        <translation>📝 자막</translation>
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
    <name>ToolDialog</name>
    <message>
        <source>音量</source>
        <translation type="vanished">볼륨</translation>
    </message>
    <message>
        <source>音频</source>
        <translation type="vanished">오디오</translation>
    </message>
    <message>
        <source>速度</source>
        <translation type="vanished">속도</translation>
    </message>
    <message>
        <source>转换</source>
        <translation type="vanished">변환</translation>
    </message>
    <message>
        <source>信息</source>
        <translation type="vanished">정보</translation>
    </message>
    <message>
        <source>取消</source>
        <translation type="vanished">취소</translation>
    </message>
    <message>
        <source>应用</source>
        <translation type="vanished">적용</translation>
    </message>
</context>
<context>
    <name>VideoListDialog</name>
    <message>
        <source>媒体库</source>
        <translation>미디어 라이브러리</translation>
    </message>
    <message>
        <source>搜索录制文件...</source>
        <translation>녹화 파일 검색...</translation>
    </message>
    <message>
        <source>全部</source>
        <translation>전체</translation>
    </message>
    <message>
        <source>视频</source>
        <translation>동영상</translation>
    </message>
    <message>
        <source>音频</source>
        <translation>오디오</translation>
    </message>
    <message>
        <source>正在加载媒体文件…</source>
        <translation>미디어 파일을 불러오는 중…</translation>
    </message>
    <message>
        <source>%1 个文件</source>
        <translation type="vanished">파일 %1개</translation>
    </message>
    <message>
        <source>播放失败</source>
        <translation>재생 실패</translation>
    </message>
    <message>
        <source>请选择一个媒体文件</source>
        <translation>미디어 파일을 선택하세요</translation>
    </message>
    <message>
        <source>打开文件夹</source>
        <translation>폴더 열기</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>全屏播放（F）</source>
        <translation>전체 화면 재생 (F)</translation>
    </message>
    <message>
        <source>全屏播放</source>
        <translation>전체 화면 재생</translation>
    </message>
    <message>
        <source>采样率未知</source>
        <translation>샘플 레이트 알 수 없음</translation>
    </message>
    <message>
        <source>单声道</source>
        <translation>모노</translation>
    </message>
    <message>
        <source>双声道</source>
        <translation>스테레오</translation>
    </message>
    <message>
        <source>%1 声道</source>
        <translation>%1채널</translation>
    </message>
    <message>
        <source>暂停</source>
        <translation>일시 정지</translation>
    </message>
    <message>
        <source>播放</source>
        <translation>재생</translation>
    </message>
    <message>
        <source>暂停媒体</source>
        <translation>미디어 일시 정지</translation>
    </message>
    <message>
        <source>播放媒体</source>
        <translation>미디어 재생</translation>
    </message>
    <message>
        <source>暂无媒体文件</source>
        <translation>미디어 파일이 없습니다</translation>
    </message>
    <message>
        <source>没有匹配的媒体文件</source>
        <translation>일치하는 미디어 파일이 없습니다</translation>
    </message>
    <message>
        <source>重命名文件</source>
        <translation>파일 이름 바꾸기</translation>
    </message>
    <message>
        <source>Copy File Path</source>
        <translation>파일 경로 복사</translation>
    </message>
    <message>
        <source>查看文件信息</source>
        <translation>파일 정보</translation>
    </message>
    <message>
        <source>删除音频</source>
        <translation>오디오 삭제</translation>
    </message>
    <message>
        <source>删除视频</source>
        <translation>동영상 삭제</translation>
    </message>
    <message>
        <source>确定永久删除“%1”吗？</source>
        <translation>&quot;%1&quot;을(를) 영구적으로 삭제하시겠습니까?</translation>
    </message>
    <message>
        <source>删除失败</source>
        <translation>삭제 실패</translation>
    </message>
    <message>
        <source>文件正在使用或没有删除权限。</source>
        <translation>파일이 사용 중이거나 삭제 권한이 없습니다.</translation>
    </message>
    <message>
        <source>正在生成波形…</source>
        <translation>파형 생성 중…</translation>
    </message>
    <message>
        <source>正在加载缩略图…</source>
        <translation>미리보기 이미지 불러오는 중…</translation>
    </message>
    <message>
        <source>音频文件</source>
        <translation>오디오 파일</translation>
    </message>
    <message>
        <source>无法加载缩略图</source>
        <translation>미리보기 이미지를 불러올 수 없음</translation>
    </message>
    <message>
        <source>移除声音</source>
        <translation>소리 제거</translation>
    </message>
    <message>
        <source>裁剪</source>
        <translation>잘라내기</translation>
    </message>
    <message>
        <source>分割</source>
        <translation>분할</translation>
    </message>
    <message>
        <source>截图</source>
        <translation>스크린샷</translation>
    </message>
    <message>
        <source>水印</source>
        <translation>워터마크</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>실행 취소</translation>
    </message>
    <message>
        <source>更多</source>
        <translation>더 보기</translation>
    </message>
    <message>
        <source>编辑与文件工具</source>
        <translation>편집 및 파일 도구</translation>
    </message>
    <message>
        <source>裁剪视频</source>
        <translation>동영상 잘라내기</translation>
    </message>
    <message>
        <source>拖动两侧滑块，选择保留的片段</source>
        <translation>양쪽 핸들을 끌어 남길 구간을 선택하세요</translation>
    </message>
    <message>
        <source>Start Trimming...</source>
        <translation>잘라내기 시작...</translation>
    </message>
    <message>
        <source>分割点  %1</source>
        <translation>분할 지점  %1</translation>
    </message>
    <message>
        <source>将在 %1 处分割为两个%2片段</source>
        <translation type="vanished">%1 지점에서 두 개의 %2 클립으로 분할합니다</translation>
    </message>
    <message>
        <source>选中时长  %1</source>
        <translation>선택 길이  %1</translation>
    </message>
    <message>
        <source>Mute Selection</source>
        <translation>선택 구간 음소거</translation>
    </message>
    <message>
        <source>预览画面效果</source>
        <translation>화면 효과 미리 보기</translation>
    </message>
    <message>
        <source>分割音频</source>
        <translation>오디오 분할</translation>
    </message>
    <message>
        <source>分割视频</source>
        <translation>동영상 분할</translation>
    </message>
    <message>
        <source>裁剪音频</source>
        <translation>오디오 잘라내기</translation>
    </message>
    <message>
        <source>当前仅预览，点击保存后才会处理视频</source>
        <translation>미리 보기만 표시합니다. 저장을 누르면 동영상이 처리됩니다</translation>
    </message>
    <message>
        <source>拖动黄色分割线，选择分割位置</source>
        <translation>노란색 선을 끌어 분할 위치를 선택하세요</translation>
    </message>
    <message>
        <source>Save Muted Copy</source>
        <translation>음소거 사본 저장</translation>
    </message>
    <message>
        <source>开始分割</source>
        <translation>분할 시작</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>已设为无声</source>
        <translation>음소거됨</translation>
    </message>
    <message>
        <source>点击恢复原声</source>
        <translation>클릭하면 원래 소리로 돌아갑니다</translation>
    </message>
    <message>
        <source>Mute audio in the selected range</source>
        <translation>선택한 구간의 소리 음소거</translation>
    </message>
    <message>
        <source>音量</source>
        <translation>음량</translation>
    </message>
    <message>
        <source>调整音频音量</source>
        <translation>오디오 볼륨 조정</translation>
    </message>
    <message>
        <source>Vistrelle 全屏播放</source>
        <translation>Vistrelle 전체 화면</translation>
    </message>
    <message>
        <source>截图不可用</source>
        <translation>스크린샷을 사용할 수 없음</translation>
    </message>
    <message>
        <source>视频画面尚未就绪，请先播放或移动到需要截图的位置。</source>
        <translation>동영상 화면이 아직 준비되지 않았습니다. 먼저 재생하거나 캡처할 위치로 이동하세요.</translation>
    </message>
    <message>
        <source>截图完成</source>
        <translation>스크린샷 저장됨</translation>
    </message>
    <message>
        <source>截图已保存到：
%1</source>
        <translation>스크린샷 저장 위치:
%1</translation>
    </message>
    <message>
        <source>正在保存媒体文件，请稍候…</source>
        <translation>미디어 파일을 저장하는 중입니다. 잠시 기다려 주세요…</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>正在保存</source>
        <translation>저장 중</translation>
    </message>
    <message>
        <source>编辑失败</source>
        <translation>편집 실패</translation>
    </message>
    <message>
        <source>无法启动 FFmpeg。</source>
        <translation>FFmpeg을 시작할 수 없습니다.</translation>
    </message>
    <message>
        <source>无法分割</source>
        <translation>분할할 수 없음</translation>
    </message>
    <message>
        <source>请将播放位置移动到音频中间。</source>
        <translation>재생 위치를 오디오 중간으로 옮기세요.</translation>
    </message>
    <message>
        <source>请将播放位置移动到视频中间。</source>
        <translation>재생 위치를 동영상 중간으로 옮기세요.</translation>
    </message>
    <message>
        <source>分割失败</source>
        <translation>분할 실패</translation>
    </message>
    <message>
        <source>FFmpeg 没有写出分割后的文件。</source>
        <translation>FFmpeg이 분할된 파일을 쓰지 않았습니다.</translation>
    </message>
    <message>
        <source>分割完成</source>
        <translation>분할 완료</translation>
    </message>
    <message>
        <source>已生成两个音频片段。</source>
        <translation>오디오 클립 두 개가 만들어졌습니다.</translation>
    </message>
    <message>
        <source>已生成两个视频片段。</source>
        <translation>동영상 클립 두 개가 만들어졌습니다.</translation>
    </message>
    <message>
        <source>保存失败</source>
        <translation>저장 실패</translation>
    </message>
    <message>
        <source>无法替换原文件，原文件已保留。</source>
        <translation>원본 파일을 바꿀 수 없어 원본을 그대로 두었습니다.</translation>
    </message>
    <message>
        <source>保存完成</source>
        <translation>저장 완료</translation>
    </message>
    <message>
        <source>音频已保存：
%1</source>
        <translation>오디오가 저장되었습니다:
%1</translation>
    </message>
    <message>
        <source>视频已保存：
%1</source>
        <translation>동영상이 저장되었습니다:
%1</translation>
    </message>
    <message>
        <source>正在处理媒体文件…</source>
        <translation>미디어 파일 처리 중…</translation>
    </message>
    <message>
        <source>处理失败</source>
        <translation>처리 실패</translation>
    </message>
    <message>
        <source>操作已完成。</source>
        <translation>작업이 완료되었습니다.</translation>
    </message>
    <message>
        <source>文件已保存：
%1</source>
        <translation>파일이 저장되었습니다:
%1</translation>
    </message>
    <message>
        <source>旋转 90°</source>
        <translation>90° 회전</translation>
    </message>
    <message>
        <source>水平翻转</source>
        <translation>좌우 반전</translation>
    </message>
    <message>
        <source>垂直翻转</source>
        <translation>상하 반전</translation>
    </message>
    <message>
        <source>调整播放速度</source>
        <translation>재생 속도 조정</translation>
    </message>
    <message>
        <source>调整音量</source>
        <translation>음량 조정</translation>
    </message>
    <message>
        <source>提取音频</source>
        <translation>오디오 추출</translation>
    </message>
    <message>
        <source>另存为 / 转换格式</source>
        <translation>다른 이름으로 저장 / 변환</translation>
    </message>
    <message>
        <source>未知</source>
        <translation>알 수 없음</translation>
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
        <translation type="vanished">형식: %1
코덱: %2
샘플 레이트: %3 Hz
채널: %4
비트레이트: %5 kbps
길이: %6
크기: %7
만든 날짜: %8
폴더: %9</translation>
    </message>
    <message>
        <source>格式：%1
分辨率：%2 × %3
帧率：%4 fps
时长：%5
大小：%6
创建时间：%7
保存路径：%8</source>
        <translation type="vanished">형식: %1
해상도: %2 × %3
프레임 속도: %4 fps
길이: %5
크기: %6
만든 날짜: %7
폴더: %8</translation>
    </message>
    <message>
        <source>速度</source>
        <translation>속도</translation>
    </message>
    <message>
        <source>转换</source>
        <translation>변환</translation>
    </message>
    <message>
        <source>信息</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>应用</source>
        <translation>적용</translation>
    </message>
    <message>
        <source>播放速度</source>
        <translation>재생 속도</translation>
    </message>
    <message>
        <source>调整预览速度，也可生成变速视频</source>
        <translation>미리 보기 속도를 바꾸거나 속도를 바꾼 사본을 만듭니다</translation>
    </message>
    <message>
        <source>选择速度</source>
        <translation>속도 선택</translation>
    </message>
    <message>
        <source>Normal (1×)</source>
        <translation>보통 (1×)</translation>
    </message>
    <message>
        <source>0.5× 慢速    1× 原速    1.5× / 2× 加速</source>
        <translation>0.5× 느리게    1× 원래 속도    1.5× / 2× 빠르게</translation>
    </message>
    <message>
        <source>变速完成</source>
        <translation>속도 변경 완료</translation>
    </message>
    <message>
        <source>预览并输出新的音量电平</source>
        <translation>새 음량을 미리 듣고 사본을 만듭니다</translation>
    </message>
    <message>
        <source>静音</source>
        <translation>음소거</translation>
    </message>
    <message>
        <source>音量调整完成</source>
        <translation>음량 조정 완료</translation>
    </message>
    <message>
        <source>从视频中提取音轨，保存为音频文件</source>
        <translation>동영상의 오디오 트랙을 오디오 파일로 저장합니다</translation>
    </message>
    <message>
        <source>提取</source>
        <translation>추출</translation>
    </message>
    <message>
        <source>输出格式</source>
        <translation>출력 형식</translation>
    </message>
    <message>
        <source>音质</source>
        <translation>음질</translation>
    </message>
    <message>
        <source>高质量（320 kbps）</source>
        <translation>높음 (320 kbps)</translation>
    </message>
    <message>
        <source>标准（192 kbps）</source>
        <translation>표준 (192 kbps)</translation>
    </message>
    <message>
        <source>压缩（128 kbps）</source>
        <translation>압축 (128 kbps)</translation>
    </message>
    <message>
        <source>音频提取完成</source>
        <translation>오디오 추출 완료</translation>
    </message>
    <message>
        <source>选择输出格式并保留原始文件</source>
        <translation>출력 형식을 선택하세요. 원본 파일은 유지됩니다</translation>
    </message>
    <message>
        <source>导出</source>
        <translation>내보내기</translation>
    </message>
    <message>
        <source>画质</source>
        <translation>화질</translation>
    </message>
    <message>
        <source>高质量</source>
        <translation>높음</translation>
    </message>
    <message>
        <source>标准</source>
        <translation>표준</translation>
    </message>
    <message>
        <source>压缩</source>
        <translation>압축</translation>
    </message>
    <message>
        <source>转换完成</source>
        <translation>변환 완료</translation>
    </message>
    <message>
        <source>修改文件名，扩展名保持不变</source>
        <translation>파일 이름을 바꿉니다. 확장자는 그대로입니다</translation>
    </message>
    <message>
        <source>新文件名</source>
        <translation>새 파일 이름</translation>
    </message>
    <message>
        <source>名称无效</source>
        <translation>잘못된 이름</translation>
    </message>
    <message>
        <source>文件名为空或包含无效字符。</source>
        <translation>파일 이름이 비어 있거나 허용되지 않는 문자가 있습니다.</translation>
    </message>
    <message>
        <source>重命名失败</source>
        <translation>이름 바꾸기 실패</translation>
    </message>
    <message>
        <source>目标文件已存在或文件正在被占用。</source>
        <translation>같은 이름의 파일이 이미 있거나 파일이 사용 중입니다.</translation>
    </message>
    <message>
        <source>查看音频文件的详细信息</source>
        <translation>오디오 파일 세부 정보</translation>
    </message>
    <message>
        <source>查看视频文件的详细信息</source>
        <translation>동영상 파일 세부 정보</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>复制信息</source>
        <translation>정보 복사</translation>
    </message>
    <message>
        <source>无法在视频目录创建临时文件，请检查写入权限。</source>
        <translation>동영상 폴더에 임시 파일을 만들 수 없습니다. 쓰기 권한을 확인하세요.</translation>
    </message>
    <message>
        <source>无法写入水印文字。</source>
        <translation>워터마크 텍스트를 쓸 수 없습니다.</translation>
    </message>
    <message>
        <source>正在添加水印，原视频保持不变…</source>
        <translation>워터마크를 추가하는 중입니다. 원본 동영상은 그대로 유지됩니다…</translation>
    </message>
    <message>
        <source>无法保存水印副本，原视频未修改。</source>
        <translation>워터마크 사본을 저장할 수 없습니다. 원본 동영상은 변경되지 않았습니다.</translation>
    </message>
    <message>
        <source>无法生成水印副本，原视频未修改。</source>
        <translation>워터마크 사본을 만들 수 없습니다. 원본 동영상은 변경되지 않았습니다.</translation>
    </message>
    <message>
        <source>将在 %1 处分割为两个音频片段</source>
        <translation>%1 지점에서 오디오 클립 두 개로 분할합니다</translation>
    </message>
    <message>
        <source>将在 %1 处分割为两个视频片段</source>
        <translation>%1 지점에서 동영상 클립 두 개로 분할합니다</translation>
    </message>
    <message numerus="yes">
        <source>%n 个文件</source>
        <translation>
            <numerusform>파일 %n개</numerusform>
        </translation>
    </message>
    <message>
        <source>截图失败</source>
        <translation>스크린샷 실패</translation>
    </message>
    <message>
        <source>无法保存截图：
%1
请检查文件夹的写入权限。</source>
        <translation>스크린샷을 저장할 수 없습니다:
%1
폴더의 쓰기 권한을 확인하세요.</translation>
    </message>
    <message>
        <source>已有同名文件：
%1</source>
        <translation>같은 이름의 파일이 이미 있습니다:
%1</translation>
    </message>
    <message>
        <source>没有写入此文件夹的权限：
%1</source>
        <translation>이 폴더에 쓸 권한이 없습니다:
%1</translation>
    </message>
    <message>
        <source>文件名不能包含字符 %1</source>
        <translation>파일 이름에 %1 문자를 사용할 수 없습니다</translation>
    </message>
    <message>
        <source>文件为空</source>
        <translation>파일이 비어 있습니다</translation>
    </message>
    <message>
        <source>格式：%1
分辨率：%2
帧率：%3
时长：%4
大小：%5
创建时间：%6
保存路径：%7</source>
        <translation>형식: %1
해상도: %2
프레임 속도: %3
길이: %4
크기: %5
만든 날짜: %6
폴더: %7</translation>
    </message>
    <message>
        <source>文件不存在</source>
        <translation>파일 없음</translation>
    </message>
    <message>
        <source>“%1”已被移动或删除，已从列表中移除。</source>
        <translation>&quot;%1&quot;이(가) 이동되었거나 삭제되어 더 이상 존재하지 않습니다. 목록에서 제거했습니다.</translation>
    </message>
    <message>
        <source>文件名过长，请缩短后再试。</source>
        <translation>파일 이름이 너무 깁니다. 줄인 후 다시 시도하세요.</translation>
    </message>
    <message>
        <source>无法检查这个文件是否可用：%1</source>
        <translation>이 파일을 사용할 수 있는지 확인하지 못했습니다: %1</translation>
    </message>
    <message>
        <source>正在读取文件信息…</source>
        <translation>파일 정보를 읽는 중…</translation>
    </message>
    <message>
        <source>无法读取此文件的信息</source>
        <translation>이 파일의 정보를 읽을 수 없습니다</translation>
    </message>
    <message>
        <source>此文件没有声音</source>
        <translation>이 파일에는 소리가 없습니다</translation>
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
        <translation>형식: %1
코덱: %2
샘플 레이트: %3
채널: %4
비트레이트: %5
길이: %6
크기: %7
만든 날짜: %8
폴더: %9</translation>
    </message>
    <message>
        <source>时长未知</source>
        <translation>길이 알 수 없음</translation>
    </message>
    <message>
        <source>声道未知</source>
        <translation>채널 알 수 없음</translation>
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
<context>
    <name>vc::CloseBehaviorDialog</name>
    <message>
        <source>关闭 Vistrelle</source>
        <translation>Vistrelle 닫기</translation>
    </message>
    <message>
        <source>关闭窗口后要做什么？</source>
        <translation>창을 닫으면 어떻게 할까요?</translation>
    </message>
    <message>
        <source>最小化到托盘</source>
        <translation>트레이로 최소화</translation>
    </message>
    <message>
        <source>退出 Vistrelle</source>
        <translation>Vistrelle 종료</translation>
    </message>
    <message>
        <source>记住我的选择，下次不再询问</source>
        <translation>선택을 기억하고 다시 묻지 않기</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>확인</translation>
    </message>
</context>
</TS>

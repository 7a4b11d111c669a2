// The media library's "more" tools on real clips in a folder with an awkward name, driven
// through the menu and the tool dialogs with real X events: audio extraction, conversion (GIF
// included), speed, volume, rename and file information. Every result is checked with
// ffprobe; the source never changes and a file that already holds a target name stays as it was.

#include "ToolsTestSupport.h"
#include "../support/FakeTool.h"

#include "library/LibraryToolArguments.h"
#include "library/MediaLibraryFiles.h"
#include "library/VideoListDialog.h"
#include "library/VideoPlayer.h"

#include <QClipboard>
#include <QComboBox>
#include <QScreen>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QProcess>
#include <QProgressDialog>
#include <QSettings>
#include <QStandardPaths>
#include <QSlider>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

#include <csignal>

#include <signal.h>

#include <sys/resource.h>

using namespace LibraryMedia;
using namespace ToolsTest;

namespace {
const QString kBase = QStringLiteral("Vistrelle_it's: 50%, [a] 中文");
const QString kTool = QStringLiteral("EditToolDialog");

// The colour matrix a file's first video stream says it was made with ("unknown" when it says none).
QString colourMatrixOf(const QString &path)
{
    QProcess ffprobe;
    ffprobe.start(QStringLiteral("ffprobe"), {"-v", "error", "-select_streams", "v:0", "-show_entries",
                                              "stream=color_space", "-of", "default=nw=1:nk=1", path});
    ffprobe.waitForFinished(30000);
    return QString::fromUtf8(ffprobe.readAllStandardOutput()).trimmed();
}
} // namespace

class LibraryToolsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void dropDownLists();
    void extractAndConvert();
    void speedAndVolume();
    void renameAndInformation();
    void cancelLongConversion();
    void failureNamesItsCause();
    void killedDuringConversion();
    void look_data();
    void look();
    void cleanupTestCase();

private:
    QString clip(const QString &name) const { return m_folder + QLatin1Char('/') + name; }
    VideoListDialog *library();
    bool select(const QString &fileName) { return selectRecord(m_window, fileName); }
    // Opens the more menu on the selected record, runs the script and waits for a message box.
    bool runTool(Script &script, const QString &expectedTitle, int timeoutMs = 60000);
    // A file that already holds a target name: a copy of the source, to be left untouched.
    void occupy(const QString &name);
    bool m_fromCard = false; // runTool opens the card's context menu instead of "more"
    void checkUntouched();
    // A minute of 1080p, which takes a while to convert: "Vistrelle_long 1080p.mp4".
    bool makeLongClip()
    {
        const QString big = clip("Vistrelle_long 1080p.mp4");
        return QFileInfo::exists(big)
               || TestMedia::runFfmpeg({"-hide_banner", "-loglevel", "error", "-y", "-f", "lavfi", "-i",
                                        "testsrc2=size=1920x1080:rate=10", "-t", "60", "-c:v", "libx264", "-preset",
                                        "ultrafast", "-crf", "40", "-pix_fmt", "yuv420p", big});
    }

    QTemporaryDir m_root;
    QString m_folder;
    QString m_source;
    QByteArray m_sourceMd5;
    QHash<QString, QByteArray> m_occupied;
    QPointer<VideoListDialog> m_window;
    MessageBoxCatcher *m_boxes = nullptr;
};

void LibraryToolsTest::initTestCase()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("needs the X11 test desktop (scripts/test-env.sh)");
    QCoreApplication::setOrganizationName(QStringLiteral("VistrelleLibraryToolsTest"));
    QSettings().clear();
    QApplication::setQuitOnLastWindowClosed(false);
    m_boxes = new MessageBoxCatcher(this);
    m_folder = m_root.filePath(TestMedia::awkwardName());
    QVERIFY(QDir().mkpath(m_folder));
    QSettings().setValue(QStringLiteral("save/directory"), m_folder);

    m_source = clip(kBase + ".mp4");
    QVERIFY(makeClip(m_source, 5));
    m_sourceMd5 = md5(m_source);
    QVERIFY(TestMedia::makeSegment(clip("Vistrelle_tone 中.mp3"), 5, QSize(), true, "mp3"));
    QVERIFY(makeWav(clip("Vistrelle_wave.wav"), 5));
}

void LibraryToolsTest::cleanupTestCase()
{
    delete m_window;
}

VideoListDialog *LibraryToolsTest::library()
{
    if (!m_window) {
        m_window = createVideoListDialog(nullptr);
        m_window->show();
        m_window->raise();
        m_window->activateWindow();
        if (!QTest::qWaitForWindowExposed(m_window))
            qWarning("library window not exposed");
    }
    m_window->loadFromDisk();
    return m_window;
}

bool LibraryToolsTest::runTool(Script &script, const QString &expectedTitle, int timeoutMs)
{
    m_boxes->titles.clear();
    m_boxes->texts.clear();
    if (m_fromCard) {
        // The current file's card, right-clicked.
        auto *list = m_window->findChild<QListWidget *>(QStringLiteral("List"));
        // Cards are built as the list shows them: wait until the current one is on screen.
        QWidget *card = nullptr;
        QElapsedTimer shown;
        shown.start();
        while (shown.elapsed() < 10000) {
            card = nullptr;
            for (int row = 0; row < list->count(); ++row) {
                if (list->item(row)->data(Qt::UserRole).toInt() == m_window->currentRecordIndex())
                    card = list->itemWidget(list->item(row));
            }
            if (card && card->isVisible() && list->viewport()->rect().contains(card->geometry()))
                break;
            QTest::qWait(50);
        }
        if (!card || !LibraryMedia::movePointer(LibraryMedia::screenPoint(card, QPoint(card->width() / 2, 20)))
            || !xdotool({"click", "3"}))
            return false;
    } else if (!clickWidget(m_window->findChild<QPushButton *>(QStringLiteral("MoreButton")))) {
        return false;
    }
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < timeoutMs) {
        if (script.stalled())
            return false;
        if (script.finished() && (expectedTitle.isEmpty() || m_boxes->titles.contains(expectedTitle)))
            return true;
        QTest::qWait(50);
    }
    qWarning() << "stuck at" << script.pending() << "boxes" << m_boxes->titles << m_boxes->texts;
    return false;
}

void LibraryToolsTest::occupy(const QString &name)
{
    QVERIFY(QFile::copy(m_source, clip(name)));
    m_occupied.insert(clip(name), md5(clip(name)));
}

void LibraryToolsTest::checkUntouched()
{
    QCOMPARE(md5(m_source), m_sourceMd5);
    for (auto it = m_occupied.cbegin(); it != m_occupied.cend(); ++it)
        QVERIFY2(md5(it.key()) == it.value(), qPrintable(it.key()));
}

// A tool's drop-down list opens at its box, on every opening of a fresh dialog, and shows its
// last item whole, with nothing light painted over it.
void LibraryToolsTest::dropDownLists()
{
    library();
    QVERIFY(select(kBase + ".mp4"));
    QStringList faults;
    for (int round = 0; round < 6; ++round) {
        const QString comboName = round % 2 ? QStringLiteral("ToolQuality") : QStringLiteral("ToolFormat");
        auto combo = std::make_shared<QPointer<QComboBox>>();
        Script s;
        s.menuEntry("另存为 / 转换格式")
            .then("open " + comboName, [] { return placedWindow(kTool) != nullptr; },
                  [combo, comboName] {
                      *combo = visibleWindow(kTool)->findChild<QComboBox *>(comboName);
                      clickWidget(*combo);
                  })
            .then("look at the list", [combo] { return *combo && (*combo)->view()->window()->isVisible(); },
                  [combo, &faults, round] {
                      QComboBox *box = *combo;
                      QAbstractItemView *view = box->view();
                      QWidget *popup = view->window();
                      QTest::qWait(200);
                      const QRect at = screenRect(box);
                      const QRect list = screenRect(popup);
                      const QString where = QStringLiteral("round %1: list %2,%3 %4x%5, box %6,%7 %8x%9")
                                                .arg(round)
                                                .arg(list.x()).arg(list.y()).arg(list.width()).arg(list.height())
                                                .arg(at.x()).arg(at.y()).arg(at.width()).arg(at.height());
                      if (qAbs(list.left() - at.left()) > 2 || list.top() > at.bottom() + 2
                          || list.bottom() < at.top() - 2)
                          faults << QStringLiteral("not at its box: ") + where;
                      const QModelIndex last = box->model()->index(box->count() - 1, 0);
                      if (!view->viewport()->rect().contains(view->visualRect(last)))
                          faults << QStringLiteral("last item cut: ") + where;
                      // No light band: the list's bottom rows, on the screen, are dark.
                      const QImage shot = box->screen()->grabWindow(0, list.x(), list.y(), list.width(),
                                                                     list.height()).toImage();
                      int light = 0;
                      for (int y = std::max(0, shot.height() - 12); y < shot.height(); ++y)
                          for (int x = 0; x < shot.width(); ++x)
                              if (qGray(shot.pixel(x, y)) > 170)
                                  ++light;
                      if (light > 0)
                          faults << QStringLiteral("%1 light pixels at the bottom: ").arg(light) + where;
                      LibraryMedia::snapshot(QStringLiteral("drop-down-%1").arg(round));
                      xdotool({"key", "Escape"});
                  })
            .clickButton(kTool, "ToolCancel");
        QVERIFY(runTool(s, QString()));
        QTRY_VERIFY(!visibleWindow(kTool));
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

void LibraryToolsTest::extractAndConvert()
{
    occupy(kBase + ".flac");
    occupy(kBase + "_转换.mkv");
    library();

    // FLAC: the target name is taken, so the new file gets _2.
    QVERIFY(select(kBase + ".mp4"));
    {
        Script s;
        s.menuEntry("提取音频").chooseItem(kTool, "ToolFormat", 3).clickButton(kTool, "ToolApply");
        QVERIFY(runTool(s, "音频提取完成"));
    }
    const QString flac = clip(kBase + "_2.flac");
    QCOMPARE(codecOf(flac, "audio"), QStringLiteral("flac"));
    QVERIFY(qAbs(TestMedia::durationSeconds(flac) - 5.0) <= 0.1);
    QVERIFY(m_boxes->texts.join("|").contains(flac));

    QVERIFY(select(kBase + ".mp4"));
    {
        Script s;
        s.menuEntry("提取音频").chooseItem(kTool, "ToolQuality", 2).clickButton(kTool, "ToolApply");
        QVERIFY(runTool(s, "音频提取完成"));
    }
    const QString mp3 = clip(kBase + ".mp3");
    QCOMPARE(codecOf(mp3, "audio"), QStringLiteral("mp3"));
    QVERIFY(qAbs(TestMedia::durationSeconds(mp3) - 5.0) <= 0.1);

    // Conversions: MKV (h264, name taken), MOV, GIF at 960 px and 15 fps.
    const struct
    {
        int index;
        QString file;
        QString codec;
    } conversions[] = {{2, kBase + "_转换_2.mkv", "h264"}, {1, kBase + "_转换.mov", "h264"},
                       {3, kBase + "_转换.gif", "gif"}};
    for (const auto &c : conversions) {
        QVERIFY(select(kBase + ".mp4"));
        Script s;
        s.menuEntry("另存为 / 转换格式").chooseItem(kTool, "ToolFormat", c.index).clickButton(kTool, "ToolApply");
        QVERIFY(runTool(s, "转换完成"));
        QVERIFY2(QFileInfo::exists(clip(c.file)), qPrintable(c.file));
        QCOMPARE(codecOf(clip(c.file), "video"), c.codec);
        // The source says nothing of its colours: the copy is described as a recording is.
        if (c.codec == "h264")
            QCOMPARE(colourMatrixOf(clip(c.file)), QStringLiteral("smpte170m"));
    }
    const QString gif = clip(kBase + "_转换.gif");
    QCOMPARE(TestMedia::probe(gif).videoSize().width(), 960);
    const int frames = countFrames(gif);
    QVERIFY2(frames >= 72 && frames <= 78, qPrintable(QString::number(frames)));
    // The GIF is not listed: the source's card stays selected, the panel shows it, and More
    // opens at once.
    {
        auto *list = m_window->findChild<QListWidget *>(QStringLiteral("List"));
        QTRY_VERIFY_WITH_TIMEOUT(list->currentItem() && list->currentItem()->isSelected()
                                     && list->currentItem()->data(Qt::UserRole).toInt() == m_window->currentRecordIndex(),
                                 5000);
        QCOMPARE(m_window->recordList().value(m_window->currentRecordIndex()).fileName, kBase + ".mp4");
        QCOMPARE(m_window->findChild<QLabel *>(QStringLiteral("FileTitle"))->toolTip(), kBase + ".mp4");
        Script s;
        s.then("the menu opened", [] { return isPlaced(openMenu()); }, [] { openMenu()->close(); });
        QVERIFY(runTool(s, QString(), 10000));
    }

    // An mp3 record converts to M4A (AAC).
    QVERIFY(select("Vistrelle_tone 中.mp3"));
    {
        Script s;
        s.menuEntry("另存为 / 转换格式").chooseItem(kTool, "ToolFormat", 1).clickButton(kTool, "ToolApply");
        QVERIFY(runTool(s, "转换完成"));
    }
    QCOMPARE(codecOf(clip("Vistrelle_tone 中_转换.m4a"), "audio"), QStringLiteral("aac"));

    // The new files are listed (registered whatever their names).
    library();
    QVERIFY(select(kBase + "_转换.mov"));
    checkUntouched();
}

void LibraryToolsTest::speedAndVolume()
{
    occupy(kBase + "_2x.mp4");
    occupy(kBase + "_音量调整.mp4");
    VideoListDialog *w = library();

    const struct
    {
        int index;
        QString file;
        double seconds;
    } speeds[] = {{3, kBase + "_2x_2.mp4", 2.57}, {0, kBase + "_0.5x.mp4", 10.0}};
    for (const auto &sp : speeds) {
        QVERIFY(select(kBase + ".mp4"));
        Script s;
        s.menuEntry("调整播放速度").chooseItem(kTool, "SpeedChoice", sp.index).clickButton(kTool, "ToolApply");
        QVERIFY(runTool(s, "变速完成"));
        const double d = TestMedia::durationSeconds(clip(sp.file));
        QVERIFY2(qAbs(d - sp.seconds) <= 0.15, qPrintable(QStringLiteral("%1 %2").arg(sp.file).arg(d)));
    }
    // 1x only resets the preview speed and writes nothing.
    QVERIFY(select(kBase + ".mp4"));
    w->videoPlayer()->setSpeed(2.0f);
    const int filesBefore = int(QDir(m_folder).entryList(QDir::Files).size());
    {
        Script s;
        s.menuEntry("调整播放速度").clickButton(kTool, "ToolApply");
        QVERIFY(runTool(s, QString()));
    }
    QTRY_COMPARE(w->videoPlayer()->speed(), 1.0f);
    QTest::qWait(500);
    QCOMPARE(int(QDir(m_folder).entryList(QDir::Files).size()), filesBefore);

    // Volume 150 %: +3.5 dB, the picture copied packet for packet; the preview plays at full.
    QVERIFY(select(kBase + ".mp4"));
    {
        Script s;
        s.menuEntry("调整音量")
            .then("raise the level", [] { return focusedWindow(kTool) != nullptr; },
                  [] {
                      auto *slider = visibleWindow(kTool)->findChild<QSlider *>("VolumeLevel");
                      clickWidget(slider);
                      xdotool({"key", "--delay", "30", "End"});
                      // End gives 200; ten PageDown steps of 10 would reach 100: go down five.
                      xdotool({"key", "--delay", "30", "--repeat", "5", "Page_Down"});
                  })
            .then("level is 150",
                  [] { return visibleWindow(kTool)->findChild<QSlider *>("VolumeLevel")->value() == 150; },
                  [] {})
            .clickButton(kTool, "ToolApply");
        QVERIFY(runTool(s, "音量调整完成"));
    }
    const QString louder = clip(kBase + "_音量调整_2.mp4");
    const double gain = TestMedia::meanVolume(louder, 0.5, 4.0) - TestMedia::meanVolume(m_source, 0.5, 4.0);
    QVERIFY2(qAbs(gain - 3.5) <= 0.5, qPrintable(QString::number(gain)));
    QCOMPARE(videoPacketsMd5(louder), videoPacketsMd5(m_source));
    QCOMPARE(w->videoPlayer()->volume(), 1.0f);
    QCOMPARE(w->findChild<QSlider *>("Volume")->value(), 100);

    // Mute writes silence.
    QVERIFY(select(kBase + ".mp4"));
    {
        Script s;
        s.menuEntry("调整音量")
            .then("mute", [] { return focusedWindow(kTool) != nullptr; },
                  [] { clickWidget(visibleWindow(kTool)->findChild<QWidget *>("VolumeMute"), QPoint(8, 8)); })
            .then("muted",
                  [] {
                      auto *slider = visibleWindow(kTool)->findChild<QSlider *>("VolumeLevel");
                      return !slider->isEnabled();
                  },
                  [] {})
            .clickButton(kTool, "ToolApply");
        QVERIFY(runTool(s, "音量调整完成"));
    }
    QVERIFY(TestMedia::meanVolume(clip(kBase + "_音量调整_3.mp4"), 0.5, 4.0) <= -80);

    // A wav stays PCM.
    QVERIFY(select("Vistrelle_wave.wav"));
    {
        Script s;
        s.menuEntry("调整音量").clickButton(kTool, "ToolApply");
        QVERIFY(runTool(s, "音量调整完成"));
    }
    QCOMPARE(codecOf(clip("Vistrelle_wave_音量调整.wav"), "audio"), QStringLiteral("pcm_s16le"));
    checkUntouched();
}

void LibraryToolsTest::renameAndInformation()
{
    VideoListDialog *w = library();
    const QString original = clip(kBase + "_转换.mov");
    const QByteArray before = md5(original);
    // refusedName: the box refuses the name, and the dialog must come back holding what was typed
    // (it is then closed).
    bool cameBack = false;
    const auto rename = [this, &cameBack](const QString &sourceName, const QString &typed,
                                          const QString &expectedBox, bool refusedName = false) {
        QVERIFY(select(sourceName));
        Script s;
        s.menuEntry("重命名文件")
            .then("type", [] { return focusedWindow(kTool) != nullptr; },
                  [typed] {
                      auto *edit = visibleWindow(kTool)->findChild<QLineEdit *>("RenameName");
                      clickWidget(edit);
                      xdotool({"key", "ctrl+a", "BackSpace"});
                      xdotool({"type", "--delay", "20", typed});
                  })
            .then("typed",
                  [typed] { return visibleWindow(kTool)->findChild<QLineEdit *>("RenameName")->text() == typed; },
                  [] {})
            .clickButton(kTool, "ToolApply");
        if (refusedName)
            s.then("back", [this] { return !m_boxes->titles.isEmpty() && focusedWindow(kTool) != nullptr; },
                   [typed, &cameBack] {
                       auto *dialog = qobject_cast<QDialog *>(visibleWindow(kTool));
                       cameBack = dialog->findChild<QLineEdit *>("RenameName")->text() == typed;
                       dialog->reject();
                   });
        QVERIFY(runTool(s, expectedBox, 20000));
        if (expectedBox.isEmpty())
            QTest::qWait(300);
    };

    // A colon is refused, naming it; the dialog comes back with what was typed.
    rename(kBase + "_转换.mov", "bad:name", "名称无效", true);
    QVERIFY2(m_boxes->texts.contains(QStringLiteral("文件名不能包含字符 :")), qPrintable(m_boxes->texts.join('|')));
    QVERIFY(cameBack);
    QTRY_VERIFY(!visibleWindow(kTool));
    QVERIFY(QFileInfo::exists(original));
    // A name longer than the file system takes is said so; the dialog comes back with it.
    cameBack = false;
    m_boxes->titles.clear();
    m_boxes->texts.clear();
    rename(kBase + "_转换.mov", QString(256, QLatin1Char('n')), "名称无效", true);
    QCOMPARE(m_boxes->texts, QStringList{QStringLiteral("文件名过长，请缩短后再试。")});
    QVERIFY(cameBack);
    QTRY_VERIFY(!visibleWindow(kTool));
    // An existing name is refused; both files stay as they were.
    const QByteArray mkv = md5(clip(kBase + "_转换_2.mkv"));
    QVERIFY(QFile::copy(original, clip("taken name.mov")));
    cameBack = false;
    rename(kBase + "_转换.mov", "taken name", "重命名失败", true);
    QVERIFY(cameBack);
    QTRY_VERIFY(!visibleWindow(kTool));
    QCOMPARE(md5(original), before);
    QCOMPARE(md5(clip("taken name.mov")), before);
    // From the card's own menu, with a search that the new name does not match: a trailing
    // blank is trimmed, and the renamed file is listed and current under its new name.
    QVERIFY(select(kBase + "_转换.mov"));
    auto *search = w->findChild<QLineEdit *>("Search");
    search->setText(kBase + "_转换.mov");
    QTRY_COMPARE(w->findChild<QListWidget *>("List")->count(), 1);
    m_fromCard = true;
    rename(kBase + "_转换.mov", "Renamed clip ", QString());
    m_fromCard = false;
    QTRY_COMPARE(w->recordList().value(w->currentRecordIndex()).fileName, QStringLiteral("Renamed clip.mov"));
    QVERIFY(search->text().isEmpty());
    QTRY_VERIFY(QFileInfo::exists(clip("Renamed clip.mov")));
    QVERIFY(!QFileInfo::exists(original));
    QCOMPARE(md5(clip("Renamed clip.mov")), before);
    QCOMPARE(md5(clip(kBase + "_转换_2.mkv")), mkv);
    library();
    QVERIFY(select("Renamed clip.mov"));

    // File information: the copy button puts exactly the text shown on the clipboard.
    QGuiApplication::clipboard()->clear();
    QString shown;
    {
        Script s;
        s.menuEntry("查看文件信息")
            .then("read", [] { return focusedWindow(kTool) != nullptr; },
                  [&shown] { shown = visibleWindow(kTool)->findChild<QLabel *>("InfoText")->text(); })
            .clickButton(kTool, "InfoCopy")
            .then("copied", [] { return !QGuiApplication::clipboard()->text().isEmpty(); }, [] {})
            .clickButton(kTool, "ToolApply");
        m_fromCard = true;
        QVERIFY(runTool(s, QString()));
        m_fromCard = false;
    }
    QVERIFY(shown.contains("分辨率：640 × 360"));
    QVERIFY(shown.contains("保存路径：" + m_folder));
    QCOMPARE(QGuiApplication::clipboard()->text(), shown);
    QCOMPARE(shown, LibraryTools::fileInformationText(w->recordList().value(w->currentRecordIndex())));
}

void LibraryToolsTest::cancelLongConversion()
{
    QVERIFY(makeLongClip());
    VideoListDialog *w = library();
    QVERIFY(select("Vistrelle_long 1080p.mp4"));
    Script s;
    s.menuEntry("另存为 / 转换格式")
        .chooseItem(kTool, "ToolFormat", 3)
        .clickButton(kTool, "ToolApply")
        .then("wait for the busy dialog",
              [] {
                  auto *busy = qobject_cast<QProgressDialog *>(visibleWindow("EditProgress"));
                  return busy != nullptr;
              },
              [] { QTest::qWait(1500); })
        .then("cancel", [] { return placedWindow("EditProgress") != nullptr; },
              [] {
                  auto *busy = visibleWindow("EditProgress");
                  for (QPushButton *b : busy->findChildren<QPushButton *>())
                      clickWidget(b);
              });
    // Told as a cancel, as a cancelled trim is.
    QVERIFY(runTool(s, "媒体库"));
    QTRY_VERIFY_WITH_TIMEOUT(!visibleWindow("EditProgress"), 10000);
    QCOMPARE(m_boxes->texts, QStringList{QStringLiteral("操作已取消")});
    QVERIFY(!QFileInfo::exists(clip("Vistrelle_long 1080p_转换.gif")));
    QVERIFY(!beingWritten(clip("Vistrelle_long 1080p_转换.gif")));
    library();
    for (const VideoRecord &r : w->recordList())
        QVERIFY(!r.fileName.endsWith(".gif") || r.fileName == kBase + "_转换.gif");
}

// A conversion that ffmpeg cannot finish (the files it may write are limited to 64 KB, as
// on a full disk) says why in a few words: not ffmpeg's banner and stream lists.
void LibraryToolsTest::failureNamesItsCause()
{
    library();
    QVERIFY(select(kBase + ".mp4"));
    rlimit saved{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    // ffmpeg inherits both: writes past the limit fail with "File too large".
    rlimit limited = saved;
    limited.rlim_cur = 64 * 1024;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &limited), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    const QString target = VideoListDialog::uniqueOutputPath(clip(kBase + "_转换.mov"));
    Script s;
    s.menuEntry("另存为 / 转换格式").chooseItem(kTool, "ToolFormat", 1).clickButton(kTool, "ToolApply");
    const bool ran = runTool(s, "处理失败");
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    QVERIFY(ran);
    const QString text = m_boxes->texts.value(m_boxes->titles.indexOf("处理失败"));
    QVERIFY2(text.contains(QStringLiteral("File too large")), qPrintable(text));
    QVERIFY2(!text.contains(QStringLiteral("configuration:")) && !text.contains(QStringLiteral("Stream #")),
             qPrintable(text));
    QVERIFY2(text.count(QLatin1Char('\n')) <= 1 && text.size() <= 300, qPrintable(text));
    // The file it names is the one asked for, not the hidden one the job wrote.
    QVERIFY2(!text.contains(QStringLiteral(".saving-")) && text.contains(QFileInfo(target).fileName()), qPrintable(text));
    QVERIFY(!QFileInfo::exists(target));
    QVERIFY(!beingWritten(target));

    // An output that ffprobe cannot look at (it is missing, or answers with megabytes) is
    // kept, and the message says it could not be checked, and why.
    const QByteArray savedPath = qgetenv("PATH");
    QTemporaryDir bin;
    QVERIFY(QFile::link(QStandardPaths::findExecutable(QStringLiteral("ffmpeg")), bin.filePath("ffmpeg")));
    for (const QString &cause : {QStringLiteral("无法启动 ffprobe"), QStringLiteral("ffprobe 没有给出可读的回答")}) {
        if (!cause.startsWith(QStringLiteral("无法")))
            QVERIFY(writeScript(bin.filePath("ffprobe"), "exec /usr/bin/head -c 6000000 /dev/zero\n"));
        library();
        QTRY_VERIFY_WITH_TIMEOUT(select(kBase + ".mp4"), 20000);
        const QString kept = VideoListDialog::uniqueOutputPath(clip(kBase + "_转换.mov"));
        qputenv("PATH", QFile::encodeName(bin.path()));
        Script unchecked;
        unchecked.menuEntry("另存为 / 转换格式").chooseItem(kTool, "ToolFormat", 1).clickButton(kTool, "ToolApply");
        const bool converted = runTool(unchecked, "转换完成", 30000);
        qputenv("PATH", savedPath);
        QVERIFY(converted);
        const QString told = m_boxes->texts.value(m_boxes->titles.indexOf("转换完成"));
        QVERIFY2(told.contains(kept) && told.contains(QStringLiteral("无法检查这个文件是否可用")) && told.contains(cause),
                 qPrintable(told));
        QVERIFY(QFileInfo::exists(kept));
        QVERIFY(QFile::remove(kept));
    }
    library();

    // A file removed while its Convert dialog is open: Export says it is gone and its card goes.
    const QString gone = clip("Vistrelle_gone.mp4");
    QVERIFY(QFile::copy(m_source, gone));
    library();
    QTRY_VERIFY_WITH_TIMEOUT(select("Vistrelle_gone.mp4"), 20000); // once the scan lists it
    Script removed;
    removed.menuEntry("另存为 / 转换格式")
        .then("remove", [] { return placedWindow(kTool) != nullptr; }, [gone] { QFile::remove(gone); })
        .clickButton(kTool, "ToolApply");
    QVERIFY(runTool(removed, "文件不存在"));
    QVERIFY(std::none_of(m_window->recordList().cbegin(), m_window->recordList().cend(),
                         [gone](const VideoRecord &r) { return r.path == gone; }));
}

// The ffmpeg whose parent is `parent` (0 when there is none), read from /proc.
static pid_t ffmpegChildOf(qint64 parent)
{
    const QStringList pids = QDir(QStringLiteral("/proc")).entryList({QStringLiteral("[0-9]*")}, QDir::Dirs);
    for (const QString &pid : pids) {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        // "pid (comm) state ppid ..."
        const QString line = QString::fromLocal8Bit(stat.readAll());
        const qsizetype close = line.lastIndexOf(QLatin1Char(')'));
        const QString comm = line.mid(line.indexOf(QLatin1Char('(')) + 1, close - line.indexOf(QLatin1Char('(')) - 1);
        const QStringList rest = line.mid(close + 2).split(QLatin1Char(' '));
        if (comm == QLatin1String("ffmpeg") && rest.size() > 1 && rest.at(1).toLongLong() == parent)
            return pid_t(pid.toInt());
    }
    return 0;
}

// Whether the process runs (a zombie has ended).
static bool isRunning(pid_t pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return false;
    const QByteArray line = stat.readAll();
    const qsizetype close = line.lastIndexOf(')');
    return close > 0 && line.size() > close + 2 && line.at(close + 2) != 'Z' && line.at(close + 2) != 'X';
}

// The files of the folder, hidden ones apart.
static QStringList visibleFiles(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::NoDotAndDotDot, QDir::Name);
}

// Run as a child: the library window converts `source` to MP4 as its tool does, until it is
// killed.
static int convertInLibrary(const QString &source)
{
    QApplication::setQuitOnLastWindowClosed(false);
    VideoListDialog *w = createVideoListDialog(nullptr);
    w->show();
    const QFileInfo info(source);
    const QString target = VideoListDialog::uniqueOutputPath(info.dir().filePath(info.completeBaseName() + "_转换.mp4"));
    QTimer::singleShot(0, w, [w, source, target] {
        w->runFfmpegEdit(LibraryTools::convertArguments(source, false, target, "128k", "23"), "转换完成", target);
        QCoreApplication::exit(0);
    });
    return QCoreApplication::exec();
}

// Run as a child: a fresh start of the library, which scans the test's save folder once.
static int scanLibrary()
{
    QCoreApplication::setOrganizationName(QStringLiteral("VistrelleLibraryToolsTest"));
    VideoListDialog *w = createVideoListDialog(nullptr);
    w->loadFromDisk();
    delete w;
    return 0;
}

// Killed outright during a long conversion, the program takes its ffmpeg with it within two
// seconds and leaves no file under a result's name: after a restart the library lists none.
void LibraryToolsTest::killedDuringConversion()
{
    QVERIFY(makeLongClip());
    const QString source = clip("Vistrelle_long 1080p.mp4");
    const QStringList before = visibleFiles(m_folder);
    QProcess program;
    program.setProcessChannelMode(QProcess::ForwardedChannels);
    program.start(QCoreApplication::applicationFilePath(), {"--convert-in-library", source});
    QVERIFY(program.waitForStarted(10000));
    // Killed once its ffmpeg has written for a while.
    pid_t ffmpeg = 0;
    QTRY_VERIFY_WITH_TIMEOUT((ffmpeg = ffmpegChildOf(program.processId())) != 0, 30000);
    const auto written = [this, &before] {
        qint64 bytes = 0;
        for (const QFileInfo &f : QDir(m_folder).entryInfoList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot))
            if (!before.contains(f.fileName()))
                bytes += f.size();
        return bytes;
    };
    QTRY_VERIFY_WITH_TIMEOUT(written() > 0, 30000);
    QVERIFY2(isRunning(ffmpeg), "the conversion ended before the program was killed");
    QVERIFY(::kill(pid_t(program.processId()), SIGKILL) == 0);
    QElapsedTimer killed;
    killed.start();
    QVERIFY(program.waitForFinished(10000));
    while (isRunning(ffmpeg) && killed.elapsed() < 2000)
        QTest::qWait(20);
    const bool ended = !isRunning(ffmpeg);
    if (!ended)
        ::kill(ffmpeg, SIGKILL);
    QVERIFY2(ended, "the program's ffmpeg runs on");

    QCOMPARE(visibleFiles(m_folder), before);
    // The half-written save is there until the program starts again; then it goes, and a
    // file of the user's with a like name stays.
    const QString target = clip("Vistrelle_long 1080p_转换.mp4");
    QVERIFY(beingWritten(target));
    const QString lookalike = clip(".notes.saving-draft.txt");
    QVERIFY(writeBytes(lookalike, "mine"));
    QProcess restarted;
    restarted.setProcessChannelMode(QProcess::ForwardedChannels);
    restarted.start(QCoreApplication::applicationFilePath(), {"--scan-library"});
    QVERIFY(restarted.waitForFinished(30000));
    QCOMPARE(restarted.exitCode(), 0);
    QVERIFY(!beingWritten(target));
    QVERIFY(QFileInfo::exists(lookalike));
    QVERIFY(QFile::remove(lookalike));
    QCOMPARE(visibleFiles(m_folder), before);
    VideoListDialog *w = library();
    QTRY_VERIFY_WITH_TIMEOUT(!w->recordList().isEmpty(), 20000);
    for (const VideoRecord &r : w->recordList())
        QVERIFY2(before.contains(r.fileName), qPrintable(r.fileName));
}

void LibraryToolsTest::look_data()
{
    QTest::addColumn<QString>("language");
    // Chinese as written, English (what every unsupported language gets) and the languages
    // whose texts run longest.
    for (const char *language : {"zh_CN", "en", "de", "fr"})
        QTest::newRow(language) << QString::fromLatin1(language);
}

// Every tool window, grabbed under the test desktop in each language: no text is cut, and the
// progress window has no light line.
void LibraryToolsTest::look()
{
    QFETCH(QString, language);
    QVERIFY(makeLongClip());
    QTranslator english;
    QVERIFY(english.load(QStringLiteral(":/translations/Vistrelle_%1.qm").arg(language)));
    QCoreApplication::installTranslator(&english);
    // A window of its own, alone on the screen.
    if (m_window)
        m_window->hide();
    QPointer<VideoListDialog> w = createVideoListDialog(nullptr);
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    w->loadFromDisk();
    QTRY_VERIFY_WITH_TIMEOUT(
        [w] {
            for (const VideoRecord &r : w->recordList())
                if (r.fileName == kBase + ".mp4" && r.duration > 0)
                    return true;
            return false;
        }(),
        20000);
    QStringList faults;
    faults << clippedTexts(w);
    // With nothing selected (after a search that finds nothing, say) the trim mode's button
    // is checked and disabled: its text is still readable on its background.
    QVERIFY(selectRecord(w, kBase + ".mp4", true));
    w->clearCurrentSelection();
    auto *trim = w->findChild<QPushButton *>(QStringLiteral("TrimButton"));
    QVERIFY(!trim->isEnabled() && trim->isChecked());
    {
        const QImage face = trim->grab().toImage();
        QList<int> grays;
        for (int y = face.height() / 4; y < face.height() * 3 / 4; ++y)
            for (int x = face.width() / 2; x < face.width() - 8; ++x)
                grays << qGray(face.pixel(x, y));
        std::sort(grays.begin(), grays.end());
        const int background = grays.at(grays.size() / 2);
        QVERIFY2(grays.last() - background >= 60,
                 qPrintable(QStringLiteral("text %1 on %2").arg(grays.last()).arg(background)));
    }
    LibraryMedia::snapshot(language + "-library-empty");
    w->findChild<QListWidget *>(QStringLiteral("List"))->clearSelection();
    QVERIFY(selectRecord(w, kBase + ".mp4", true));
    // The details' new texts are laid out on the next pass of the event loop (before they are
    // painted): measured once that is done.
    auto *info = w->findChild<QLabel *>(QStringLiteral("Info"));
    [[maybe_unused]] const bool laidOut
        = QTest::qWaitFor([info] { return info->height() >= info->heightForWidth(info->width()); }, 5000);
    LibraryMedia::snapshot(language + "-library");
    faults << clippedTexts(w);

    const struct
    {
        const char *name;
        void (VideoListDialog::*open)();
        const char *window;
    } tools[] = {{"speed", &VideoListDialog::showSpeedDialog, "EditToolDialog"},
                 {"volume", &VideoListDialog::showVolumeDialog, "EditToolDialog"},
                 {"extract", &VideoListDialog::showExtractAudioDialog, "EditToolDialog"},
                 {"convert", &VideoListDialog::showConvertDialog, "EditToolDialog"},
                 {"rename", &VideoListDialog::showRenameDialog, "EditToolDialog"},
                 {"information", &VideoListDialog::showFileInfoDialog, "EditToolDialog"},
                 {"watermark", &VideoListDialog::showWatermarkDialog, "WatermarkDialog"}};
    for (const auto &tool : tools) {
        const QString window = QString::fromLatin1(tool.window);
        Script s;
        s.then(QStringLiteral("look at ") + tool.name, [window] { return placedWindow(window) != nullptr; },
               [&faults, window, language, name = QString::fromLatin1(tool.name)] {
                   QWidget *dialog = visibleWindow(window);
                   QTest::qWait(200);
                   LibraryMedia::snapshot(language + QLatin1Char('-') + name);
                   for (const QString &fault : clippedTexts(dialog))
                       faults << name + QStringLiteral(": ") + fault;
                   qobject_cast<QDialog *>(dialog)->reject();
               });
        QTimer::singleShot(0, w, [w, open = tool.open] { (w->*open)(); });
        QTRY_VERIFY_WITH_TIMEOUT(s.finished(), 20000);
        QVERIFY(!s.stalled());
        QTRY_VERIFY(!visibleWindow(window));
    }

    // The busy window of a long conversion, then cancelled.
    QVERIFY(selectRecord(w, "Vistrelle_long 1080p.mp4"));
    Script s;
    s.then("look at the busy window", [] { return placedWindow("EditProgress") != nullptr; },
           [&faults, language] {
               QWidget *busy = visibleWindow("EditProgress");
               QTest::qWait(300);
               LibraryMedia::snapshot(language + "-progress");
               for (const QString &fault : clippedTexts(busy))
                   faults << QStringLiteral("progress: ") + fault;
               // Its bottom rows on the screen, frame included, are as dark as the window.
               const QRect area = busy->frameGeometry();
               const QImage shot = busy->screen()->grabWindow(0, area.x(), area.y(), area.width(), area.height())
                                       .toImage();
               int light = 0;
               for (int y = std::max(0, shot.height() - 6); y < shot.height(); ++y)
                   for (int x = 0; x < shot.width(); ++x)
                       if (qGray(shot.pixel(x, y)) > 170)
                           ++light;
               if (light > 0)
                   faults << QStringLiteral("progress: %1 light pixels at the bottom").arg(light);
               for (QPushButton *b : busy->findChildren<QPushButton *>())
                   clickWidget(b);
           });
    QTimer::singleShot(0, w, [w] {
        const VideoRecord r = w->recordList().value(w->currentRecordIndex());
        const QString target = QDir(QFileInfo(r.path).absolutePath()).filePath("look.gif");
        w->runFfmpegEdit(LibraryTools::convertArguments(r.path, false, target, "128k", "28"), QString(), target);
    });
    QTRY_VERIFY_WITH_TIMEOUT(s.finished(), 30000);
    QVERIFY(!s.stalled());
    QTRY_VERIFY_WITH_TIMEOUT(!visibleWindow("EditProgress"), 20000);

    delete w;
    QCoreApplication::removeTranslator(&english);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

int main(int argc, char **argv)
{
    qputenv("QT_MEDIA_BACKEND", "ffmpeg");
    QApplication app(argc, argv);
    if (argc == 3 && QByteArray(argv[1]) == "--convert-in-library")
        return convertInLibrary(QString::fromLocal8Bit(argv[2]));
    if (argc == 2 && QByteArray(argv[1]) == "--scan-library")
        return scanLibrary();
    LibraryToolsTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_library_tools.moc"

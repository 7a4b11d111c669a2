// The media library's watermark tool with real X events: a watermark with quotes, a colon, a
// percent sign and Chinese drawn in the top left corner of an MP4 copy beside the source, the
// settings it leaves, a cancelled job that leaves nothing behind, and playback resumed after
// the dialog is rejected.

#include "ToolsTestSupport.h"

#include "app/InterfaceTranslations.h"

#include "library/VideoListDialog.h"
#include "library/VideoPlayer.h"
#include "library/WatermarkConfig.h"
#include "library/WatermarkDialog.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QProgressDialog>
#include <QRawFont>
#include <QScopeGuard>
#include <QSettings>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

#include <algorithm>

#include <csignal>

#include <sys/resource.h>

using namespace LibraryMedia;
using namespace ToolsTest;

namespace {

WatermarkDialog *watermarkDialog()
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (auto *d = qobject_cast<WatermarkDialog *>(w); d && d->isVisible())
            return d;
    }
    return nullptr;
}

// The dialog once it is on the screen and has the focus, so that clicks and keys reach it.
WatermarkDialog *readyWatermarkDialog()
{
    WatermarkDialog *d = watermarkDialog();
    return d && ToolsTest::isPlaced(d) && d->isActiveWindow() ? d : nullptr;
}

QStringList leftovers(const QString &folder)
{
    return QDir(folder).entryList({".Vistrelle-watermark-*"}, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

} // namespace

class LibraryWatermarkTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void rejectResumesPlayback();
    void watermarkedCopy();
    void cancelLeavesNothing();
    void failureNamesTheAskedForFile();
    void topLeftDotInArabic();
    void closingTheWindowEndsTheJob();
    void cleanupTestCase();

private:
    QString clip(const QString &name) const { return m_folder + QLatin1Char('/') + name; }
    bool select(const QString &fileName) { return selectRecord(m_window, fileName, true); }

    QTemporaryDir m_root;
    QString m_folder;
    QString m_source;
    QPointer<VideoListDialog> m_window;
    MessageBoxCatcher *m_boxes = nullptr;
};

void LibraryWatermarkTest::initTestCase()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("needs the X11 test desktop (scripts/test-env.sh)");
    QCoreApplication::setOrganizationName(QStringLiteral("VistrelleLibraryWatermarkTest"));
    QSettings().clear();
    QApplication::setQuitOnLastWindowClosed(false);
    m_boxes = new MessageBoxCatcher(this);
    m_folder = m_root.filePath(TestMedia::awkwardName());
    QVERIFY(QDir().mkpath(m_folder));
    QSettings().setValue(QStringLiteral("save/directory"), m_folder);
    m_source = clip("Vistrelle_wm it's: 50%, [a] 中.mp4");
    QVERIFY(makeClip(m_source, 5));
    m_window = createVideoListDialog(nullptr);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    m_window->loadFromDisk();
}

void LibraryWatermarkTest::cleanupTestCase()
{
    delete m_window;
}

void LibraryWatermarkTest::rejectResumesPlayback()
{
    QVERIFY(select(QFileInfo(m_source).fileName()));
    QVERIFY(clickWidget(m_window->findChild<QPushButton *>("PlayButton")));
    QTRY_VERIFY(m_window->videoPlayer()->isPlaying());
    Script s;
    s.then("the dialog pauses playback", [] { return readyWatermarkDialog() != nullptr; },
           [this] {
               QVERIFY(!m_window->videoPlayer()->isPlaying());
               snapshot("watermark-dialog");
               clickWidget(watermarkDialog()->findChild<QPushButton *>("Secondary"));
           });
    QVERIFY(clickWidget(m_window->findChild<QPushButton *>("WatermarkButton")));
    QTRY_VERIFY(s.finished());
    QVERIFY(!s.stalled());
    QTRY_VERIFY(!watermarkDialog());
    QTRY_VERIFY(m_window->videoPlayer()->isPlaying());
    m_window->videoPlayer()->pause();
}

void LibraryWatermarkTest::watermarkedCopy()
{
    const QString taken = clip("Vistrelle_wm it's: 50%, [a] 中_watermarked.mp4");
    QVERIFY(QFile::copy(m_source, taken));
    const QByteArray takenMd5 = md5(taken);
    const QByteArray sourceMd5 = md5(m_source);
    QVERIFY(select(QFileInfo(m_source).fileName()));

    Script s;
    s.then("type the text", [] { return readyWatermarkDialog() != nullptr; },
           [] {
               auto *edit = watermarkDialog()->findChild<QLineEdit *>();
               clickWidget(edit);
               xdotool({"key", "ctrl+a", "BackSpace"});
               xdotool({"type", "--delay", "30", "Vi'st:50% "});
           })
        .then("typed", [] { return watermarkDialog()->findChild<QLineEdit *>()->text() == "Vi'st:50% "; },
              [] {
                  // What an input method would commit: xdotool cannot type Chinese.
                  watermarkDialog()->findChild<QLineEdit *>()->insert(QStringLiteral("水印"));
                  // The top left cell of the placement grid.
                  clickWidget(watermarkDialog()->findChildren<QPushButton *>("Position").first());
              })
        .then("save", [] { return watermarkDialog()->findChildren<QPushButton *>("Position").first()->isChecked(); },
              [] {
                  snapshot("watermark-dialog-top-left");
                  clickWidget(watermarkDialog()->findChild<QPushButton *>("Primary"));
              });
    m_boxes->titles.clear();
    QVERIFY(clickWidget(m_window->findChild<QPushButton *>("WatermarkButton")));
    QTRY_VERIFY_WITH_TIMEOUT(m_boxes->titles.contains("保存完成"), 60000);
    QVERIFY(s.finished());
    QVERIFY(!s.stalled());

    const QString copy = clip("Vistrelle_wm it's: 50%, [a] 中_watermarked_2.mp4");
    QVERIFY(QFileInfo::exists(copy));
    QCOMPARE(md5(taken), takenMd5);
    QCOMPARE(md5(m_source), sourceMd5);
    QVERIFY(leftovers(m_folder).isEmpty());
    QVERIFY(TestMedia::probe(copy).hasAudio());
    QVERIFY(qAbs(TestMedia::durationSeconds(copy) - 5.0) < 0.15);
    // The text sits in the top left corner; the opposite corner is the source's picture.
    const QByteArray a = TestMedia::frameRgb(m_source, 2.0);
    const QByteArray b = TestMedia::frameRgb(copy, 2.0);
    QCOMPARE(b.size(), 640 * 360 * 3);
    const double corner = TestMedia::regionDifference(a, b, 640, 20, 20, 160, 30);
    const double opposite = TestMedia::regionDifference(a, b, 640, 440, 300, 180, 50);
    QVERIFY2(corner > 8, qPrintable(QString::number(corner)));
    QVERIFY2(opposite < 3, qPrintable(QString::number(opposite)));
    // The font drawtext uses draws both scripts.
    const QRawFont font(WatermarkConfig::fontFile(), 24);
    QVERIFY(font.isValid());
    QVERIFY(font.supportsCharacter(QChar('V')));
    QVERIFY(font.supportsCharacter(QChar(0x6C34)));

    // The settings hold what was entered, with the recording watermark left off.
    QSettings settings;
    QCOMPARE(settings.value("watermark/text").toString(), QStringLiteral("Vi'st:50% 水印"));
    QCOMPARE(settings.value("watermark/position").toInt(), 3);
    QCOMPARE(settings.value("watermark/color").toString(), QStringLiteral("#ffffff"));
    QCOMPARE(settings.value("watermark/enabled").toBool(), false);
    // The new copy is listed and selected.
    QCOMPARE(m_window->recordList().value(m_window->currentRecordIndex()).path, copy);
}

void LibraryWatermarkTest::cancelLeavesNothing()
{
    const QString big = clip("Vistrelle_big.mp4");
    QVERIFY(TestMedia::runFfmpeg({"-hide_banner", "-loglevel", "error", "-y", "-f", "lavfi", "-i",
                                  "testsrc2=size=1920x1080:rate=10", "-t", "60", "-c:v", "libx264", "-preset",
                                  "ultrafast", "-crf", "40", "-pix_fmt", "yuv420p", big}));
    m_window->loadFromDisk();
    QVERIFY(select("Vistrelle_big.mp4"));
    const int files = int(QDir(m_folder).entryList(QDir::Files).size());
    Script s;
    s.then("save", [] { return readyWatermarkDialog() != nullptr; },
           [] { clickWidget(watermarkDialog()->findChild<QPushButton *>("Primary")); })
        .then("progress shows", [] { return placedWindow("SaveProgress") != nullptr; },
              [this] { QVERIFY(leftovers(m_folder).size() == 1); })
        .then("cancel", [] { return qobject_cast<QProgressDialog *>(visibleWindow("SaveProgress"))->value() >= 1; },
              [] {
                  for (QPushButton *b : visibleWindow("SaveProgress")->findChildren<QPushButton *>())
                      clickWidget(b);
              });
    m_boxes->titles.clear();
    m_boxes->texts.clear();
    QVERIFY(clickWidget(m_window->findChild<QPushButton *>("WatermarkButton")));
    QTRY_VERIFY_WITH_TIMEOUT(s.finished(), 30000);
    QVERIFY(!s.stalled());
    QTRY_VERIFY_WITH_TIMEOUT(!visibleWindow("SaveProgress"), 10000);
    QTRY_VERIFY(leftovers(m_folder).isEmpty());
    // Said as the other tools say it.
    QTRY_COMPARE(m_boxes->texts, QStringList{QStringLiteral("操作已取消")});
    QCOMPARE(int(QDir(m_folder).entryList(QDir::Files).size()), files);
    QVERIFY(!m_window->videoPlayer()->isPlaying());

    // A file removed while the dialog is open: said it is gone, as the other tools say it, and
    // its card goes.
    const QString gone = clip("Vistrelle_gone.mp4");
    QVERIFY(QFile::copy(m_source, gone));
    m_window->loadFromDisk();
    QTRY_VERIFY_WITH_TIMEOUT(select("Vistrelle_gone.mp4"), 20000);
    Script removed;
    removed.then("remove and save", [] { return readyWatermarkDialog() != nullptr; }, [gone] {
        QFile::remove(gone);
        clickWidget(watermarkDialog()->findChild<QPushButton *>("Primary"));
    });
    m_boxes->titles.clear();
    QVERIFY(clickWidget(m_window->findChild<QPushButton *>("WatermarkButton")));
    QTRY_VERIFY_WITH_TIMEOUT(!m_boxes->titles.isEmpty(), 30000);
    QCOMPARE(m_boxes->titles, QStringList{QStringLiteral("文件不存在")});
    QVERIFY(std::none_of(m_window->recordList().cbegin(), m_window->recordList().cend(),
                         [gone](const VideoRecord &r) { return r.path == gone; }));
    QVERIFY(leftovers(m_folder).isEmpty());
}

// A run that fails names the copy the user asked for, not the hidden file ffmpeg was writing:
// here the copy can grow to 1 MB only (a limit on file sizes that the job's ffmpeg inherits,
// with the signal of a write past it ignored, so that the write fails instead).
void LibraryWatermarkTest::failureNamesTheAskedForFile()
{
    QVERIFY(select("Vistrelle_big.mp4"));
    const QStringList files = QDir(m_folder).entryList(QDir::Files);
    rlimit before{};
    QVERIFY(getrlimit(RLIMIT_FSIZE, &before) == 0);
    const auto restore = qScopeGuard([before] {
        setrlimit(RLIMIT_FSIZE, &before);
        signal(SIGXFSZ, SIG_DFL);
    });
    Script s;
    s.then("save", [] { return readyWatermarkDialog() != nullptr; },
           [before] {
               rlimit small = before;
               small.rlim_cur = 1024 * 1024;
               signal(SIGXFSZ, SIG_IGN);
               QVERIFY(setrlimit(RLIMIT_FSIZE, &small) == 0);
               clickWidget(watermarkDialog()->findChild<QPushButton *>("Primary"));
           });
    m_boxes->titles.clear();
    m_boxes->texts.clear();
    QVERIFY(clickWidget(m_window->findChild<QPushButton *>("WatermarkButton")));
    QTRY_VERIFY_WITH_TIMEOUT(m_boxes->titles.contains(QStringLiteral("处理失败")), 60000);
    const QString said = m_boxes->texts.join(QLatin1Char('\n'));
    QVERIFY2(said.contains(clip("Vistrelle_big_watermarked.mp4")) && !said.contains(QStringLiteral(".Vistrelle-watermark")),
             qPrintable(said));
    QTRY_VERIFY(leftovers(m_folder).isEmpty());
    QCOMPARE(QDir(m_folder).entryList(QDir::Files), files);
}

// A window destroyed while its job runs ends ffmpeg and removes the temporary folder.
void LibraryWatermarkTest::closingTheWindowEndsTheJob()
{
    QVERIFY(select("Vistrelle_big.mp4"));
    const QStringList files = QDir(m_folder).entryList(QDir::Files);
    Script s;
    s.then("save", [] { return readyWatermarkDialog() != nullptr; },
           [] { clickWidget(watermarkDialog()->findChild<QPushButton *>("Primary")); })
        .then("close the library while it runs",
              [] {
                  auto *progress = qobject_cast<QProgressDialog *>(visibleWindow("SaveProgress"));
                  return progress && progress->value() >= 1;
              },
              [this] {
                  QCOMPARE(leftovers(m_folder).size(), 1);
                  delete m_window;
              });
    QVERIFY(clickWidget(m_window->findChild<QPushButton *>("WatermarkButton")));
    QTRY_VERIFY_WITH_TIMEOUT(s.finished(), 30000);
    QVERIFY(!s.stalled());
    QVERIFY(!m_window);
    QVERIFY(leftovers(m_folder).isEmpty());
    QTest::qWait(1000);
    QCOMPARE(QDir(m_folder).entryList(QDir::Files), files);
    QVERIFY(leftovers(m_folder).isEmpty());
}

int main(int argc, char **argv)
{
    qputenv("QT_MEDIA_BACKEND", "ffmpeg");
    QApplication app(argc, argv);
    LibraryWatermarkTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_library_watermark.moc"

void LibraryWatermarkTest::topLeftDotInArabic()
{
    // Right to left the placement grid is a picture of the video all the same: the dot
    // drawn at its top left puts the mark in the top left quarter of the saved copy.
    QVERIFY(InterfaceTranslations::install(QStringLiteral("ar")));
    const auto backToSource = qScopeGuard([] {
        qDeleteAll(QCoreApplication::instance()->findChildren<QTranslator *>());
        QLocale::setDefault(QLocale::system());
    });
    QTRY_VERIFY(QGuiApplication::isRightToLeft());
    QVERIFY(select(QFileInfo(m_source).fileName()));
    const auto topLeftDot = [] {
        QList<QPushButton *> dots = watermarkDialog()->findChildren<QPushButton *>("Position");
        return *std::min_element(dots.begin(), dots.end(), [](QPushButton *a, QPushButton *b) {
            const QPoint pa = a->mapToGlobal(QPoint()), pb = b->mapToGlobal(QPoint());
            return pa.x() + pa.y() < pb.x() + pb.y();
        });
    };
    Script s;
    s.then("the top left dot", [] { return readyWatermarkDialog() != nullptr; },
           [&] { clickWidget(topLeftDot()); })
        .then("save", [&] { return topLeftDot()->isChecked(); },
              [] {
                  snapshot("watermark-dialog-arabic-top-left");
                  clickWidget(watermarkDialog()->findChild<QPushButton *>("Primary"));
              });
    m_boxes->titles.clear();
    QVERIFY(clickWidget(m_window->findChild<QPushButton *>("WatermarkButton")));
    const QString saved = QCoreApplication::translate("VideoListDialog", "保存完成");
    QTRY_VERIFY_WITH_TIMEOUT(m_boxes->titles.contains(saved), 60000);
    QVERIFY(s.finished());
    QVERIFY(!s.stalled());

    const QString copy = m_window->recordList().value(m_window->currentRecordIndex()).path;
    QVERIFY(copy.contains("_watermarked"));
    const QByteArray a = TestMedia::frameRgb(m_source, 2.0);
    const QByteArray b = TestMedia::frameRgb(copy, 2.0);
    QCOMPARE(b.size(), 640 * 360 * 3);
    // The top quarters of the picture: the mark on the left, nothing on the right.
    const double left = TestMedia::regionDifference(a, b, 640, 0, 0, 320, 180);
    const double right = TestMedia::regionDifference(a, b, 640, 320, 0, 320, 180);
    QVERIFY2(left > 1 && left > 3 * right, qPrintable(QStringLiteral("%1 / %2").arg(left).arg(right)));
}

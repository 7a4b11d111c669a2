// The media library window as the main window makes it, driven by real X events: which files
// it lists when the save folder changes, the times it shows, the stills of a file the player
// cannot seek in, a file that ffprobe cannot read and recordings whose writer was killed.

#include "../support/FakeTool.h"
#include "../support/LibraryTestMedia.h"

#include "library/RecordCard.h"
#include "library/TimelineRangeWidget.h"
#include "library/VideoListDialog.h"
#include "library/VideoPlayer.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace LibraryMedia;

class LibraryFilesTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void onlyTheSaveFolder();
    void timesAndMarkerAgree();
    void matroskaStillKeepsItsShape();
    void lateDetailsKeepTheTime();
    void unreadableFile();
    void killedRecordings();

private:
    // A new window on the save folder, shown, its list loaded (details may still come).
    std::unique_ptr<VideoListDialog> openLibrary();
    static QStringList listedNames(VideoListDialog *w);
    static bool select(VideoListDialog *w, const QString &name);

    QTemporaryDir m_root;
    QString m_first;
    QString m_second;
};

void LibraryFilesTest::initTestCase()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("needs the X11 test desktop (scripts/test-env.sh)");
    QCoreApplication::setOrganizationName(QStringLiteral("VistrelleLibraryFilesTest"));
    QSettings().clear();
    QApplication::setQuitOnLastWindowClosed(false);
    new MessageBoxCatcher(this);
    m_first = m_root.filePath(QStringLiteral("first"));
    m_second = m_root.filePath(QStringLiteral("second"));
    QVERIFY(QDir().mkpath(m_first) && QDir().mkpath(m_second));
    QVERIFY(makeClip(m_first + "/Vistrelle_six.mp4", 6));
    QVERIFY(makeClip(m_first + "/Vistrelle_long.mkv", 5));
    QVERIFY(makeClip(m_second + "/Vistrelle_other.mp4", 1, false));
    QVERIFY(makeClip(m_second + "/Recording_0001.mp4", 1, false));
    QSettings().setValue(QStringLiteral("save/directory"), m_first);
}

std::unique_ptr<VideoListDialog> LibraryFilesTest::openLibrary()
{
    std::unique_ptr<VideoListDialog> w(createVideoListDialog(nullptr));
    w->show();
    w->raise();
    w->activateWindow();
    if (!QTest::qWaitForWindowExposed(w.get()))
        qWarning("library window not shown");
    w->loadFromDisk();
    return w;
}

QStringList LibraryFilesTest::listedNames(VideoListDialog *w)
{
    auto *list = w->findChild<QListWidget *>(QStringLiteral("List"));
    QStringList names;
    for (int row = 0; row < list->count(); ++row)
        names << w->recordList().value(list->item(row)->data(Qt::UserRole).toInt()).fileName;
    names.sort();
    return names;
}

bool LibraryFilesTest::select(VideoListDialog *w, const QString &name)
{
    auto *list = w->findChild<QListWidget *>(QStringLiteral("List"));
    for (int row = 0; row < list->count(); ++row) {
        if (w->recordList().value(list->item(row)->data(Qt::UserRole).toInt()).fileName != name)
            continue;
        list->scrollToItem(list->item(row));
        QWidget *card = list->itemWidget(list->item(row));
        return card && clickWidget(card, QPoint(card->width() / 2, 20)) && QTest::qWaitFor([w, name] {
                   return w->recordList().value(w->currentRecordIndex()).fileName == name;
               });
    }
    return false;
}

// Another save folder, then the first again: the list holds the first folder's files only,
// and a window opened anew has their details at once, without probing them again.
void LibraryFilesTest::onlyTheSaveFolder()
{
    const QStringList first{"Vistrelle_long.mkv", "Vistrelle_six.mp4"};
    {
        auto w = openLibrary();
        QTRY_COMPARE(listedNames(w.get()), first);
        QTRY_VERIFY_WITH_TIMEOUT(w->recordList().value(0).duration > 0 && w->recordList().value(1).duration > 0, 20000);
        QSettings().setValue(QStringLiteral("save/directory"), m_second);
        w->loadFromDisk();
        QCOMPARE(listedNames(w.get()), (QStringList{"Recording_0001.mp4", "Vistrelle_other.mp4"}));
    }
    QSettings().setValue(QStringLiteral("save/directory"), m_first);
    auto w = openLibrary();
    QCOMPARE(listedNames(w.get()), first);
    for (const VideoRecord &record : w->recordList())
        QVERIFY2(record.duration > 0, qPrintable(record.fileName));
}

// Before any play, the quarter-point still, the time label and the strip's marker agree, and
// the label rounds as the split text does (1.5 s reads 00:02 in both).
void LibraryFilesTest::timesAndMarkerAgree()
{
    auto w = openLibrary();
    QVERIFY(select(w.get(), "Vistrelle_six.mp4"));
    auto *bar = w->findChild<TimelineRangeWidget *>(QStringLiteral("RangeBar"));
    auto *time = w->findChild<QLabel *>(QStringLiteral("Time"));
    QTRY_VERIFY_WITH_TIMEOUT(!bar->stripPixmap.isNull(), 10000);
    QTRY_COMPARE(time->text(), QStringLiteral("00:02 / 00:06"));
    QCOMPARE(bar->marker, 1.5);
    QVERIFY(clickWidget(w->findChild<QPushButton *>(QStringLiteral("SplitButton"))));
    QTRY_COMPARE(w->findChild<QLabel *>(QStringLiteral("RangeInfo"))->text(), QStringLiteral("分割点  00:02"));
    snapshot("library-times");
}

// A place of a Matroska file (which the player cannot seek in) shows ffmpeg's still of it in
// the file's own proportions, as the player's pictures are.
void LibraryFilesTest::matroskaStillKeepsItsShape()
{
    auto w = openLibrary();
    QVERIFY(select(w.get(), "Vistrelle_long.mkv"));
    auto *bar = w->findChild<TimelineRangeWidget *>(QStringLiteral("RangeBar"));
    auto *surface = w->findChild<QLabel *>(QStringLiteral("Preview"));
    QTRY_VERIFY_WITH_TIMEOUT(!bar->stripPixmap.isNull() && !surface->pixmap().isNull(), 10000);
    QVERIFY(!w->videoPlayer()->canSeek());
    QVERIFY(clickWidget(w->findChild<QPushButton *>(QStringLiteral("SplitButton"))));
    QTest::qWait(500);
    const qint64 before = surface->pixmap().cacheKey();
    QVERIFY(clickWidget(bar, QPoint(qRound(TimelineRangeWidget::xForTime(3.5, bar->width(), bar->duration)), 36)));
    QTRY_VERIFY_WITH_TIMEOUT(surface->pixmap().cacheKey() != before, 10000);
    const QSizeF shown = surface->pixmap().deviceIndependentSize();
    QVERIFY2(qAbs(shown.width() / shown.height() - 640.0 / 360.0) < 0.01,
             qPrintable(QStringLiteral("%1 x %2").arg(shown.width()).arg(shown.height())));
}

// A Matroska file played to its end before its details came (its length is read from its
// packets, which takes a while): the details keep the time at the end, under the last picture.
void LibraryFilesTest::lateDetailsKeepTheTime()
{
    const QString name = QStringLiteral("Vistrelle_late.mkv");
    QVERIFY(makeClip(m_first + QLatin1Char('/') + name, 3));
    QTemporaryDir bin;
    const QString ffprobe = QStandardPaths::findExecutable(QStringLiteral("ffprobe"));
    QVERIFY(writeScript(bin.filePath("ffprobe"), "sleep 6\nexec '" + QFile::encodeName(ffprobe) + "' \"$@\"\n"));
    const QByteArray savedPath = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(bin.path()) + ":" + savedPath);
    auto restorePath = qScopeGuard([&] { qputenv("PATH", savedPath); });

    auto w = openLibrary();
    auto *list = w->findChild<QListWidget *>(QStringLiteral("List"));
    int row = 0;
    while (row < list->count() && w->recordList().value(list->item(row)->data(Qt::UserRole).toInt()).fileName != name)
        ++row;
    QVERIFY(row < list->count());
    QVERIFY(clickWidget(list->viewport(), list->visualItemRect(list->item(row)).center()));
    QTRY_COMPARE(w->recordList().value(w->currentRecordIndex()).fileName, name);
    QVERIFY2(w->recordList().value(w->currentRecordIndex()).duration == 0, "the details came too soon");
    QSignalSpy finished(w->videoPlayer(), &VideoPlayer::playbackFinished);
    QVERIFY(clickWidget(w->findChild<QPushButton *>(QStringLiteral("PlayButton"))));
    QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, 20000);
    auto *time = w->findChild<QLabel *>(QStringLiteral("Time"));
    QString shown;
    connect(w.get(), &VideoListDialog::metadataUpdated, this, [&](int index) {
        if (index == w->currentRecordIndex())
            shown = time->text();
    });
    QTRY_VERIFY_WITH_TIMEOUT(!shown.isEmpty(), 20000);
    QCOMPARE(shown, QStringLiteral("00:03 / 00:03"));
    QVERIFY(!w->findChild<QLabel *>(QStringLiteral("Preview"))->pixmap().isNull());
}

// A file ffprobe cannot read: its card and File Information show the length the player found
// and no picture size of 0 × 0, and its switched-off sound tool says why.
void LibraryFilesTest::unreadableFile()
{
    const QString name = QStringLiteral("Vistrelle_unread.mp4");
    QVERIFY(makeClip(m_first + QLatin1Char('/') + name, 6));
    QTemporaryDir bin;
    QVERIFY(writeScript(bin.filePath("ffprobe"), "exit 1\n"));
    const QByteArray savedPath = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(bin.path()) + ":" + savedPath);
    auto restorePath = qScopeGuard([&] { qputenv("PATH", savedPath); });

    auto w = openLibrary();
    QVERIFY(select(w.get(), name));
    QTRY_VERIFY_WITH_TIMEOUT(w->videoPlayer()->duration() > 5, 10000);
    auto *mute = w->findChild<QPushButton *>(QStringLiteral("MuteButton"));
    QTRY_COMPARE_WITH_TIMEOUT(mute->toolTip(), QStringLiteral("无法读取此文件的信息"), 10000);
    QVERIFY(!mute->isEnabled());
    auto *list = w->findChild<QListWidget *>(QStringLiteral("List"));
    auto *card = dynamic_cast<RecordCard *>(list->itemWidget(list->currentItem()));
    QVERIFY(card);
    QCOMPARE(card->durationBadge()->text(), QStringLiteral("00:06"));

    QString details;
    QTimer reader;
    connect(&reader, &QTimer::timeout, this, [&details] {
        for (QWidget *top : QApplication::topLevelWidgets()) {
            auto *text = top->findChild<QLabel *>(QStringLiteral("InfoText"));
            if (top->isVisible() && text) {
                details = text->text();
                top->close();
            }
        }
    });
    reader.start(50);
    w->showFileInfoDialog();
    QVERIFY2(details.contains(QStringLiteral("分辨率：未知")), qPrintable(details));
    QVERIFY2(details.contains(QStringLiteral("时长：00:06")), qPrintable(details));

    // An audio file: the header says its rate and channels are unknown, as File Information does.
    const QString song = QStringLiteral("Vistrelle_unread.mp3");
    QVERIFY(TestMedia::makeSegment(m_first + QLatin1Char('/') + song, 3, QSize(), true, "mp3"));
    w->loadFromDisk();
    QVERIFY(select(w.get(), song));
    auto *info = w->findChild<QLabel *>(QStringLiteral("Info"));
    QTRY_VERIFY(info->text().startsWith(QStringLiteral("♪")));
    const QString header = info->text();
    QVERIFY2(header.contains(QStringLiteral("采样率未知")) && header.contains(QStringLiteral("声道未知"))
                 && !header.contains(QStringLiteral("0 声道")),
             qPrintable(header));
}

// Recordings whose writer was killed. A Matroska file names no length (and its player reports
// 0), so its card reads the length of its packets from the first listing, never opened; a
// plain MP4 without its index, which nothing reads, says that its length is unknown, not 00:00.
void LibraryFilesTest::killedRecordings()
{
    // Written as a live stream, it holds what a killed writer leaves: clusters, no length, no index.
    const QString mkv = m_first + QStringLiteral("/Vistrelle_killed.mkv");
    QVERIFY(TestMedia::runFfmpeg({"-hide_banner", "-loglevel", "error", "-y", "-f", "lavfi", "-i",
                                  "testsrc2=size=640x360:rate=30", "-t", "8", "-c:v", "libx264", "-preset",
                                  "ultrafast", "-live", "1", mkv}));
    QCOMPARE(MediaProbe::containerDurationSeconds(mkv), 0.0);
    // A plain MP4 writes its index last.
    const QString mp4 = m_first + QStringLiteral("/Vistrelle_cut.mp4");
    QVERIFY(makeClip(mp4, 4));
    QVERIFY(QFile::resize(mp4, QFileInfo(mp4).size() / 2));

    auto w = openLibrary();
    auto *list = w->findChild<QListWidget *>(QStringLiteral("List"));
    const auto card = [&w, list](const QString &name) -> RecordCard * {
        for (int row = 0; row < list->count(); ++row) {
            if (w->recordList().value(list->item(row)->data(Qt::UserRole).toInt()).fileName != name)
                continue;
            list->scrollToItem(list->item(row));
            return dynamic_cast<RecordCard *>(list->itemWidget(list->item(row)));
        }
        return nullptr;
    };
    const QString killed = QStringLiteral("Vistrelle_killed.mkv");
    const QStringList eightSeconds{"00:07", "00:08", "00:09"};
    QTRY_VERIFY2_WITH_TIMEOUT(card(killed) && eightSeconds.contains(card(killed)->detailLabel()->text().left(5)),
                              qPrintable(card(killed) ? card(killed)->detailLabel()->text() : QString()), 30000);
    const QString cut = QStringLiteral("Vistrelle_cut.mp4");
    QTRY_VERIFY_WITH_TIMEOUT(card(cut) && card(cut)->durationBadge()->isVisible()
                                 && card(cut)->durationBadge()->text() == QStringLiteral("时长未知"),
                             30000);
    snapshot("library-killed");
}

int main(int argc, char *argv[])
{
    // As the program does: the GStreamer back end cannot decode MP4 here.
    qputenv("QT_MEDIA_BACKEND", "ffmpeg");
    QApplication app(argc, argv);
    LibraryFilesTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_library_files.moc"

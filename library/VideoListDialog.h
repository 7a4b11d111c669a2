#pragma once

#include "library/VideoRecord.h"

#include <QAtomicInt>
#include <QDialog>
#include <QHash>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QPointer>
#include <QString>

#include <functional>
#include <utility>
#include <memory>

class QBoxLayout;
class QButtonGroup;
class QLabel;
class QLayout;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QProcess;
class QProgressBar;
class QPushButton;
class QSlider;
class QThreadPool;
class QTimer;
class QVideoWidget;
class QProgressDialog;
class MetadataQueue;
class RecordCard;
class TimelineRangeWidget;
class VideoEditor;
class VideoPlayer;
class WaveformPreviewLabel;
class WatermarkCopyJob;

// The media library: the recordings of the save folder as a searchable list on the left,
// the chosen file's details, player and editor on the right.
class VideoListDialog : public QDialog
{
    Q_OBJECT
public:
    explicit VideoListDialog(QWidget *parent = nullptr);
    ~VideoListDialog() override;

    // Rescans the save folder; metadata follows asynchronously (details known and unchanged at once).
    void loadFromDisk();
    void addRecord(const VideoRecord &record);
    // Finds the details other windows made this way have read, and keeps its own for them:
    // files known and unchanged are not probed again. The program's windows do this
    // (createVideoListDialog); a window made alone reads every file itself.
    void shareReadDetails();
    void showAndPlay(const QString &path);
    void showAndPlay(const QString &path, bool autoPlay);
    void refreshList(const QString &filter);
    void openRecord(int index, bool autoplay);
    void clearCurrentSelection();
    bool currentIsAudio() const;
    // The current record is a file of 0 bytes: nothing to play or edit.
    bool currentIsEmptyFile() const;

    void updateDetail(const VideoRecord &record);
    void updateMediaSpecificUi();
    void updatePlaybackUi(bool playing);
    void renderPreviewFrame();
    void exitFullscreenPlayback();

    // Editor (the unsaved edit of the current record)
    void setEditMode(const QString &mode);
    void setTransformPreview(const QString &mode);
    QImage transformedPreview(const QImage &image) const;
    QString currentEditMode() const { return editMode; }
    TimelineRangeWidget *timelineRange() const { return rangeBar; }

    // Saving
    void beginSaveProgress(bool determinate);
    void endSaveProgress();
    void runTrim(const QString &output, bool replaceOriginal);
    void runMute(const QString &output, bool replaceOriginal);
    void runTransform(const QString &output, bool replaceOriginal);
    void finishEdit(const QString &path, bool replaceOriginal);
    // Rescans and makes that file current, clearing a search or tab that would hide it.
    void reloadAndSelect(const QString &path);
    bool runFfmpegEdit(const QStringList &args, const QString &successTitle, const QString &outputPath);
    // The wanted path when free, else "<base>_2.<suffix>", "_3" ... beside it.
    static QString uniqueOutputPath(const QString &wanted);
    QString copyOutputPath(const QString &suffix) const;
    // "<folder>/<complete base name><suffix>.<suffix of the source>", made unique.
    static QString copyOutputPath(const QString &sourcePath, const QString &suffix);
    // The ffmpeg arguments of a range mute, and how long it may run.
    static QStringList muteArguments(const QString &source, double start, double end, const QString &output);
    static qint64 muteTimeLimitMs(double durationSeconds);

    // The list column's width in a window of that width: two fifths of the room beside the
    // detail panel, within the widths a card's texts want (never narrower than the card's least).
    static int listColumnWidthFor(int windowWidth);

    // "mm:ss" below an hour, "hh:mm:ss" from there.
    static QString formatDuration(int seconds);
    static QString formatSize(qint64 bytes);
    static QString timeText(double seconds);

    // For tests and the window's own use.
    const QList<VideoRecord> &recordList() const { return records; }
    int currentRecordIndex() const { return currentIndex; }
    VideoPlayer *videoPlayer() const { return player; }

signals:
    void openRequested(const QString &path);
    void editRequested(const QString &path);
    void deleteRequested(const QString &path);
    // A metadata result was merged into the record list (after the row was updated).
    void metadataUpdated(int index);

public slots:
    void onItemSelectionChanged();
    void onSearchTextChanged(const QString &text);
    void onPlayClicked();
    void onDeleteClicked();
    void onOpenFolderClicked();
    void onItemDoubleClicked(QListWidgetItem *item);
    void onFrameReady(const QImage &image, double seconds);
    void onPositionChanged(double seconds);
    void onDurationChanged(double seconds);
    void showListContextMenu(const QPoint &position);
    void onTrimClicked();
    void onSplitClicked();
    void onScreenshotClicked();
    void onMuteClicked();
    void onUndoClicked();
    void onSaveClicked();
    void showMoreMenu();
    void rotate90();
    void flipVideo(bool horizontal);
    // Tools of the "more" menu and the watermark button (VideoListDialogTools.cpp,
    // VideoListDialogWatermark.cpp).
    void showSpeedDialog();
    void showVolumeDialog();
    void showExtractAudioDialog();
    void showConvertDialog();
    void showRenameDialog();
    void showFileInfoDialog();
    void showWatermarkDialog();
    void toggleFullscreenPlayback();
    void enterFullscreenPlayback();

protected:
    bool eventFilter(QObject *object, QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void startPendingPlay();
    void buildUi();
    QWidget *buildDetailPanel();
    QWidget *buildEditorPanel(QWidget *parent);
    QPushButton *makeEditorButton(QLayout *row, const QString &text, const QString &icon, bool checkable);
    void refreshRangeTexts(double start, double end, double split);
    void runSplit();
    void cancelRunningJob();
    void endJobsForQuit();
    void warnUnlessClosing(const QString &title, const QString &text);
    // The editor's error after a save: a cancel is told as such, anything else as a failure
    // under `failureTitle`.
    void reportEditorError(const QString &failureTitle, const QString &error);
    // "The operation was cancelled", unless the window closed (its close cancelled the job).
    void tellCancelled();
    static QString unusableOutputText(const QString &output);
    void showListState(const QString &text, bool busy);
    // The files whose details are wanted first: the chosen one, then the rows in view.
    QStringList wantedPaths() const;
    void buildCard(int row);
    // The first and last rows in the list's view (-1, -1 when none is).
    std::pair<int, int> rowsInView() const;
    void buildVisibleCards();
    void buildQueuedCards();
    void applyMetadata(int generation, int index, const QString &path, const VideoRecord &result);
    void applyQueuedMetadata();
    void stopPreviewJob();
    void showPlaybackTime(double seconds);
    // Where the preview stands: the still's time while a still is shown, else the player's.
    double playheadSeconds() const;
    // Goes to `seconds`: by the player where it can seek, else by a still grabbed there.
    void seekOrShowStill(double seconds);
    void showStillAt(double seconds);
    // Runs a picture grab on a pool thread; `done` gets its result on the GUI thread.
    void grabPicture(const std::function<QImage()> &grab, const std::function<void(const QImage &)> &done);
    void saveScreenshot(const QString &path, const QImage &frame);
    void centreBigPlayButton();
    // The room the list and the detail panel need side by side, with the title bar.
    QSize contentsMinimum() const;
    // Lays the body out for a window of that size.
    void placeBody(QSize windowSize);
    void elideFileTitle();
    void setDetailButtonsEnabled(bool enabled);
    int rowOfRecord(int index) const;
    // The card's delete button and the Delete key: the record of that file is made current
    // and the delete command asks and deletes.
    void deleteRecordOf(const QString &path);
    // Takes record `index` and its row off the list (the other rows keep their records);
    // returns the row it had, -1 when it was not shown.
    int removeRecordRow(int index);
    // After rows went: the count, and the row at `removedRow` (or the last) selected, or the
    // empty list's text.
    void selectAfterRemoval(int removedRow);
    // When the current record's file is no longer on disk (removed or moved by another
    // program): says so, takes every listed file that is gone off the list and returns true.
    bool dropGoneCurrentFile();
    // Record `index` as its card and File Information show it: a file that ffprobe could not
    // measure has the length its player found, once it has been opened.
    VideoRecord shownRecord(int index) const;
    // Why the current file's sound tools are off: an empty file, details still being read,
    // details that could not be read, or no sound in the file.
    QString noSoundReason() const;

    // Model
    QList<VideoRecord> records;
    int currentIndex = -1;
    int selectionSerial = 0;
    int scanGeneration = 0;
    int filterTab = 0;
    QString listedFolder; // the save folder the list was read from
    QTimer *searchTimer = nullptr;
    MetadataQueue *metadataQueue = nullptr; // keeps the details read, across scans
    struct QueuedMetadata
    {
        int generation;
        int index;
        QString path;
        VideoRecord record;
    };
    QList<QueuedMetadata> metadataResults; // back, not merged yet
    QTimer *metadataTimer = nullptr;
    QTimer *cardTimer = nullptr; // builds the cards in and near the view, a few at a time
    bool visibleCardsQueued = false; // the view's cards are to be built at the next turn

    VideoPlayer *player = nullptr;
    VideoEditor *editor = nullptr;

    // The body: the list column and the detail panel, side by side or the panel under the list.
    QBoxLayout *bodyLayout = nullptr;
    QWidget *detailPanel = nullptr;

    // Left column
    QWidget *listColumn = nullptr;
    QLineEdit *searchBox = nullptr;
    QButtonGroup *filterGroup = nullptr;
    QListWidget *listWidget = nullptr;
    QWidget *stateOverlay = nullptr;
    QLabel *stateLabel = nullptr;
    QProgressBar *stateBusyBar = nullptr;
    QLabel *countLabel = nullptr;

    QWidget *titleBar = nullptr;
    bool titleDragging = false;
    QPoint titleDragOffset;

    // Detail panel
    QLabel *titleLabel = nullptr;
    QLabel *infoLabel = nullptr;
    QPushButton *folderButton = nullptr;
    QPushButton *deleteButton = nullptr;
    WaveformPreviewLabel *preview = nullptr;
    QPushButton *bigPlayButton = nullptr;
    QPushButton *playButton = nullptr;
    QLabel *timeLabel = nullptr;
    QSlider *seekSlider = nullptr;
    QSlider *volumeSlider = nullptr;
    QPushButton *fullscreenButton = nullptr;
    bool sliderDragging = false;
    // Playback of the current record was asked for (Play, Space, autoplay): only then does a
    // player error show a box; a file that cannot be read shows nothing while only selected.
    bool playbackWanted = false;
    double durationSeconds = 0.0;
    QImage frameImage;
    qint64 waveformSource = 0; // cacheKey of the picture preview->waveform was made from
    QImage displayedImage;
    // The time of the preview still while it is the picture shown (before the player has given
    // one), -1 otherwise: the time label and a Screenshot go by it.
    double stillSeconds = -1;
    // The still stands for a place the player cannot go to (a file it cannot seek in): the
    // player's own pictures do not replace it until playback starts. A grab for it is running.
    bool stillHeld = false;
    bool stillGrabRunning = false;
    // Play was pressed on the still of a file never played: the player goes to the still's
    // time first and plays once its picture of that time has come (-1: nothing waits).
    double playFromSeconds = -1;
    QObject *previewJob = nullptr;               // the running preview-picture grab
    std::shared_ptr<QAtomicInt> previewWanted; // cleared to end it
    QVideoWidget *fullscreenView = nullptr;

    // Editor
    QPushButton *trimButton = nullptr;
    QPushButton *splitButton = nullptr;
    QPushButton *screenshotButton = nullptr;
    QPushButton *muteButton = nullptr;
    QPushButton *watermarkButton = nullptr;
    QPushButton *undoButton = nullptr;
    QPushButton *moreButton = nullptr;
    QLabel *editorTitleLabel = nullptr;
    QLabel *editorHintLabel = nullptr;
    QLabel *rangeInfoLabel = nullptr;
    QLabel *rangeTextLabel = nullptr;
    QPushButton *primaryActionButton = nullptr;
    TimelineRangeWidget *rangeBar = nullptr;
    QString editMode = QStringLiteral("trim");
    QString transformPreview;
    bool muteSelectionActive = false;
    bool resumeAfterScrub = false;

    // Saving
    QProgressDialog *saveProgress = nullptr;
    bool jobCancelRequested = false; // the window closed while a job ran

    // The running watermark copy; it ends its ffmpeg and removes its folder when destroyed.
    QPointer<WatermarkCopyJob> watermarkJob;
    bool positionedOnce = false;
};

// The process-wide pool of the libraries' metadata probes; cleared and waited for when the
// application quits.
QThreadPool *metadataThreadPool();

// Creates a media library window with the given parent, sharing the details read in this
// run; it is not shown.
VideoListDialog *createVideoListDialog(QWidget *parent);

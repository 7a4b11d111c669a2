#pragma once

#include <QPoint>
#include <QRect>
#include <QString>
#include <QWidget>

#include "widgets/HomeMode.h"

class QHBoxLayout;
class QToolButton;
class CircularRecButton;

// The toolbar over the capture area while a recording is prepared: logo, mode item
// (capture mode and display, with a menu), webcam, speaker and microphone items,
// REC, screenshot, Auto Stop, Auto Split, Schedule, Settings and Exit. It changes no
// recording state itself: every control emits a request, and the owner feeds the
// shown states back through setMode, setDeviceStates and setRecordEnabled.
// Stand-alone it is a frameless tool window with a drag handle; embedded it is a
// plain child widget (the window picker's footer) without one.
class SetupRecordingToolbar : public QWidget
{
    Q_OBJECT

public:
    explicit SetupRecordingToolbar(QWidget *parent);
    SetupRecordingToolbar(QWidget *parent, bool embedded);

    // `mode` is a home mode 0..5 (Full Screen, Custom Area, Window, Game, Audio Only,
    // Webcam), clamped; `subtitle` is the mode item's second line.
    void setMode(HomeMode mode, const QString &subtitle);
    HomeMode mode() const { return m_mode; }
    // The display a full-screen preparation records (an index into QGuiApplication::screens()),
    // marked in the mode menu.
    void setDisplay(int screenIndex) { m_display = screenIndex; }
    void setDeviceStates(bool webcam, bool speaker, bool microphone);
    // Whether a recording will stop or split by itself: the Auto Stop and Auto Split items
    // show "On" in the colour of a switched-on device, and "Off".
    void setLimitStates(bool autoStop, bool autoSplit);
    void setRecordEnabled(bool enabled);
    // Sizes the toolbar and puts it on `area` (global coordinates), inside its screen.
    void placeForRect(const QRect &area);
    // Keeps the toolbar at most `width` wide where it can: its items then show their
    // icons alone, with their names as tool tips. 0: no limit.
    void fitToWidth(int width);
    bool isCompact() const { return m_compact; }
    // Keeps the window above others on every desktop; false without a native window.
    bool excludeFromCapture();

    // Top-left corner for a toolbar of `size` over `area` inside `bounds` (the
    // available geometry of the area's screen) in home mode `mode`.
    static QPoint placement(const QRect &area, const QSize &size, const QRect &bounds, HomeMode mode);

signals:
    void recordRequested();
    void screenshotRequested();
    void modeRequested(HomeMode mode);
    void displayRequested(int screenIndex);
    void webcamToggled(bool on);
    void speakerToggled(bool on);
    void microphoneToggled(bool on);
    void webcamMenuRequested(QWidget *anchor);
    void speakerMenuRequested(QWidget *anchor);
    void microphoneMenuRequested(QWidget *anchor);
    void autoStopRequested();
    void autoSplitRequested();
    void scheduleRequested();
    void settingsRequested();
    void backRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    QToolButton *makeItem(QWidget *shell, const QString &iconPath, const QString &title,
                          const QString &sub, bool checkable);
    void showModeMenu();
    void checkOnScreenSoon();
    void updateShellMask();
    void fitToItems();
    void applyCompact(bool compact);
    void setTwoRows(bool two);
    void relayout();

    QToolButton *m_modeItem = nullptr;
    QToolButton *m_webcamItem = nullptr;
    QToolButton *m_speakerItem = nullptr;
    QToolButton *m_microphoneItem = nullptr;
    QToolButton *m_screenshot = nullptr;
    QToolButton *m_autoStopItem = nullptr;
    QToolButton *m_autoSplitItem = nullptr;
    CircularRecButton *m_recButton = nullptr;
    QWidget *m_dragHandle = nullptr;
    QPoint m_dragOffset;
    bool m_dragging = false;
    bool m_embedded = false;
    HomeMode m_mode = HomeMode::FullScreen;
    int m_display = 0;
    QWidget *m_shell = nullptr;
    int m_maxWidth = 0;
    bool m_compact = false;
    QHBoxLayout *m_firstRow = nullptr;
    QHBoxLayout *m_secondRow = nullptr;
    QWidget *m_trailing = nullptr;
    QWidget *m_trailingSeparator = nullptr;
};

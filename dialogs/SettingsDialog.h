#pragma once

#include <QColor>
#include <QDialog>
#include <QList>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGridLayout;
class HotkeyField;
class QKeySequenceEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QSpinBox;
class QStackedWidget;

// The preferences window: a sidebar of five pages (General, Save, Mouse effects, Hotkeys,
// Recording) over the settings store. It loads every control when it is built, writes all
// pages in one pass on OK (after checking the folder, the hot keys and, for 120 FPS, what
// the machine can do) and then emits settingsApplied(); Cancel writes nothing.
class SettingsDialog : public QDialog
{
    Q_OBJECT

public:
    enum Page { GeneralPage = 0, SavePage = 1, MousePage = 2, HotkeysPage = 3, RecordingPage = 4 };

    explicit SettingsDialog(QWidget *parent = nullptr);
    ~SettingsDialog() override;

    // Shows page 0..4 and checks its sidebar button; other numbers are ignored.
    void setCurrentPage(int page);
    int currentPage() const;

    void loadSettings();
    // Puts the controls of the page on show back to their defaults; writes nothing.
    void restorePageDefaults();
    // Checks the input, writes every key and checks that the store took them. False (with
    // a message, on the page of the problem) when anything failed.
    bool saveSettings();

    // Nothing to do on this platform: the dialog draws its own frame.
    void applyWindowsFrame() {}

    // The key of a setting of the general group ("closeBehavior", "startMinimized",
    // "startWithWindows"). The INI store writes a group named "general" as "[%General]"
    // and reads that back as "General", so a key spelt "general/..." is lost at the next
    // start: every reader and writer uses this spelling.
    static QString generalKey(const char *name) { return QStringLiteral("General/") + QLatin1String(name); }

    // The folder a typed save folder names: "~" stands for the home folder and a relative
    // path is taken from the home folder; the result is absolute and clean, empty for an
    // empty text.
    static QString resolveSaveFolder(const QString &typed);

signals:
    void settingsApplied();
    // A hot-key editor took (true) or lost (false) the keyboard: while it has it, the
    // program's own global hot keys are to be released so that their keys reach it.
    void hotkeyFieldFocused(bool focused);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    QWidget *buildGeneralPage();
    QWidget *buildSavePage();
    QWidget *buildMousePage();
    QWidget *buildHotkeysPage();
    QWidget *buildRecordingPage();
    void applyRecordingPreset(int preset);
    void syncRecordingPreset();
    void updateMouseColorButtons();
    void chooseClickColor(bool left);
    void showPageForProblem(int page);
    void onOk();

    QWidget *m_titleBar = nullptr;
    QStackedWidget *m_stack = nullptr;
    QButtonGroup *m_navGroup = nullptr;

    // General
    QCheckBox *m_startWithSystem = nullptr;
    QCheckBox *m_startMinimized = nullptr;
    QCheckBox *m_verboseLogging = nullptr;
    QButtonGroup *m_closeBehaviorGroup = nullptr;
    QLabel *m_closeBehaviorNote = nullptr;
    // Save
    QLineEdit *m_folderEdit = nullptr;
    QComboBox *m_namingCombo = nullptr;
    QCheckBox *m_diskWarning = nullptr;
    QSpinBox *m_diskThreshold = nullptr;
    // Mouse effects
    QCheckBox *m_highlightEnabled = nullptr;
    QSlider *m_sizeSlider = nullptr;
    QSlider *m_opacitySlider = nullptr;
    QLabel *m_sizeValue = nullptr;
    QLabel *m_opacityValue = nullptr;
    QCheckBox *m_clickAnimation = nullptr;
    QList<QPushButton *> m_colorSwatches;
    QPushButton *m_leftClickButton = nullptr;
    QPushButton *m_rightClickButton = nullptr;
    // Hotkeys, editor i serving GlobalHotkey action i + 1
    QList<QKeySequenceEdit *> m_hotkeyEdits;
    QList<HotkeyField *> m_hotkeyFields;
    bool m_hotkeyFieldFocused = false;
    QMetaObject::Connection m_focusWatch;
    // Recording
    QComboBox *m_presetCombo = nullptr;
    QComboBox *m_containerCombo = nullptr;
    QComboBox *m_fpsCombo = nullptr;
    QComboBox *m_qualityCombo = nullptr;
    QComboBox *m_encoderCombo = nullptr;
    QComboBox *m_frameModeCombo = nullptr;
    QComboBox *m_keyframeCombo = nullptr;
    QPushButton *m_advancedToggle = nullptr;
    QGridLayout *m_commonGrid = nullptr; // the container, frame-rate and quality boxes
    QWidget *m_advancedPanel = nullptr;

    QColor m_highlightColor;
    QColor m_leftClickColor;
    QColor m_rightClickColor;
    bool m_presetUpdating = false;
};

// The export dialog with the English translation, driven with real X events: MP4 at 1x, MKV at
// 2x, GIF at 10 fps and 320 px, MP3; a cancelled save dialog; a failed export onto a file the
// user agreed to replace, which must stay byte-identical; Open Folder through the desktop.

#include "ToolsTestSupport.h"

#include "library/ExportDialog.h"

#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTranslator>
#include <QUrl>
#include <QtTest>

using namespace LibraryMedia;
using namespace ToolsTest;

namespace {
const QString kDialog = QStringLiteral("ExportDialog");
} // namespace

class ExportDialogTest : public QObject
{
    Q_OBJECT

public slots:
    void openUrl(const QUrl &url) { m_opened << url; }

private slots:
    void initTestCase();
    void formatTable();
    void exports();
    void cancelAndFailure();
    void cleanupTestCase();

private:
    QString file(const QString &name) const { return m_folder + QLatin1Char('/') + name; }
    // Chooses format and speed, starts, answers the save dialog with `output` (empty: cancel)
    // and waits until the export has ended.
    bool exportAs(int format, int speed, const QString &output, const std::function<void()> &extra = {});
    QString status() const { return m_dialog->findChild<QLabel *>("ExportStatus")->text(); }

    QTemporaryDir m_root;
    QString m_folder;
    QString m_clip;
    QTranslator m_english;
    ExportDialog *m_dialog = nullptr;
    MessageBoxCatcher *m_boxes = nullptr;
    QList<QUrl> m_opened;
};

void ExportDialogTest::initTestCase()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("needs the X11 test desktop (scripts/test-env.sh)");
    QVERIFY(m_english.load(QStringLiteral(":/translations/Vistrelle_en.qm")));
    QCoreApplication::installTranslator(&m_english);
    QApplication::setQuitOnLastWindowClosed(false);
    QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "openUrl");
    m_boxes = new MessageBoxCatcher(this);
    m_folder = m_root.filePath(TestMedia::awkwardName());
    QVERIFY(QDir().mkpath(m_folder));
    m_clip = file("Vistrelle_it's: 50%, [a] 中.mp4");
    QVERIFY(makeClip(m_clip, 5));
    m_dialog = new ExportDialog(m_clip);
    m_dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_dialog));
    snapshot("export-dialog");
}

void ExportDialogTest::cleanupTestCase()
{
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    delete m_dialog;
}

// The format is taken from the item's code, whatever the translated text says.
void ExportDialogTest::formatTable()
{
    auto *format = m_dialog->findChild<QComboBox *>("ExportFormat");
    QCOMPARE(format->count(), 5);
    QCOMPARE(format->itemText(3), QStringLiteral("Audio only MP3 (.mp3)"));
    auto *encoder = m_dialog->findChild<QComboBox *>("ExportEncoder");
    auto *fps = m_dialog->findChild<QSpinBox *>("ExportGifFps");
    const struct
    {
        int index;
        bool encoderEnabled;
        bool gifRows;
    } rows[] = {{2, false, true}, {3, false, false}, {4, false, false}, {1, true, false}, {0, true, false}};
    for (const auto &row : rows) {
        Script s;
        s.chooseItem(kDialog, "ExportFormat", row.index);
        QTRY_VERIFY(s.finished());
        QVERIFY(!s.stalled());
        QTRY_COMPARE(format->currentIndex(), row.index);
        QCOMPARE(encoder->isEnabled(), row.encoderEnabled);
        QCOMPARE(fps->isVisible(), row.gifRows);
        if (row.gifRows)
            snapshot("export-dialog-gif");
    }
    QCOMPARE(ExportDialog::extensionFor(format->itemData(2).toString()), QStringLiteral(".gif"));
}

bool ExportDialogTest::exportAs(int format, int speed, const QString &output, const std::function<void()> &extra)
{
    const QString before = status();
    Script s;
    s.chooseItem(kDialog, "ExportFormat", format).chooseItem(kDialog, "ExportSpeed", speed);
    if (extra)
        s.then("extra", [] { return !QApplication::activePopupWidget(); }, extra);
    // Keys and clicks reach the save dialog only once it is mapped and has the focus: sent
    // earlier (a busy machine maps it late) they went to the blocked export dialog, and the
    // save dialog waited in its own loop for ever.
    const auto saveDialog = []() -> QFileDialog * {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (auto *dialog = qobject_cast<QFileDialog *>(w); dialog && dialog->isVisible())
                return dialog;
        }
        return nullptr;
    };
    s.clickButton(kDialog, "ExportStart")
        .then("answer the save dialog",
              [saveDialog] {
                  QFileDialog *dialog = saveDialog();
                  return dialog && isPlaced(dialog) && dialog->isActiveWindow();
              },
              [saveDialog, output] {
                  QFileDialog *dialog = saveDialog();
                  if (output.isEmpty()) {
                      xdotool({"key", "Escape"});
                      return;
                  }
                  // The path holds characters xdotool cannot type: it is filled in, then confirmed.
                  dialog->setDirectory(QFileInfo(output).absolutePath());
                  auto *name = dialog->findChild<QLineEdit *>("fileNameEdit");
                  name->setText(QFileInfo(output).fileName());
                  auto *buttons = dialog->findChild<QDialogButtonBox *>("buttonBox");
                  clickWidget(buttons->button(QDialogButtonBox::Save));
              })
        .then("the save dialog closed", [saveDialog] { return saveDialog() == nullptr; }, [] {});
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 40000) {
        auto *start = m_dialog->findChild<QPushButton *>("ExportStart");
        if (s.stalled())
            break;
        if (s.finished() && start->isEnabled() && (output.isEmpty() || status() != before))
            return true;
        QTest::qWait(50);
    }
    qWarning() << "stuck at" << s.pending() << status();
    snapshot("export-stuck");
    return false;
}

void ExportDialogTest::exports()
{
    QVERIFY(exportAs(0, 2, file("out 1x.mp4")));
    QVERIFY2(status().startsWith(QStringLiteral("✓ ")), qPrintable(status()));
    QVERIFY(qAbs(TestMedia::durationSeconds(file("out 1x.mp4")) - 5.0) <= 0.1);
    QCOMPARE(m_dialog->lastExportPath(), file("out 1x.mp4"));

    QVERIFY(exportAs(1, 3, file("out 2x.mkv")));
    QVERIFY(qAbs(TestMedia::durationSeconds(file("out 2x.mkv")) - 2.57) <= 0.15);
    QCOMPARE(TestMedia::probe(file("out 2x.mkv")).streams.first().codec, QStringLiteral("h264"));

    QVERIFY(exportAs(2, 2, file("out.gif"), [this] {
        for (auto [name, value] : {std::pair{"ExportGifFps", "10"}, std::pair{"ExportGifWidth", "320"}}) {
            clickWidget(m_dialog->findChild<QSpinBox *>(name));
            xdotool({"key", "ctrl+a"});
            xdotool({"type", value});
        }
    }));
    QCOMPARE(TestMedia::probe(file("out.gif")).videoSize().width(), 320);
    const int frames = countFrames(file("out.gif"));
    QVERIFY2(frames >= 48 && frames <= 52, qPrintable(QString::number(frames)));

    QVERIFY(exportAs(3, 2, file("out.mp3")));
    QCOMPARE(codecOf(file("out.mp3"), "audio"), QStringLiteral("mp3"));
    QVERIFY(qAbs(TestMedia::durationSeconds(file("out.mp3")) - 5.0) <= 0.15);
    snapshot("export-dialog-done");

    auto *open = m_dialog->findChild<QPushButton *>("ExportOpenFolder");
    QVERIFY(open->isVisible());
    QVERIFY(clickWidget(open));
    QTRY_COMPARE(m_opened.size(), 1);
    QCOMPARE(m_opened.first(), QUrl::fromLocalFile(m_folder));
}

void ExportDialogTest::cancelAndFailure()
{
    auto *open = m_dialog->findChild<QPushButton *>("ExportOpenFolder");
    const QString before = status();
    const QString last = m_dialog->lastExportPath();
    QVERIFY(exportAs(0, 2, QString()));
    QTest::qWait(300);
    QCOMPARE(status(), before);
    QCOMPARE(m_dialog->lastExportPath(), last);
    QVERIFY(open->isVisible());

    // Replacing is confirmed in the save dialog, but the export never overwrites: the file
    // stays as it was and the failure is shown.
    const QString existing = file("keep me.mp4");
    QVERIFY(makeClip(existing, 1));
    const QByteArray sum = md5(existing);
    m_boxes->answer(QMessageBox::Yes);
    QVERIFY(exportAs(0, 2, existing));
    m_boxes->answer(QMessageBox::Ok);
    QVERIFY2(status().startsWith(QStringLiteral("✗ ")), qPrintable(status()));
    QCOMPARE(md5(existing), sum);
    QVERIFY(!open->isVisible());
    QVERIFY(m_dialog->lastExportPath().isEmpty());
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    ExportDialogTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_export_dialog.moc"

// The text watermark: the drawtext filter it builds runs in the real ffmpeg and draws the
// text exactly as typed, and the dialog edits, checks and previews a record.

#include "library/WatermarkConfig.h"
#include "library/WatermarkDialog.h"
#include "recording/Recorder.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

class TestWatermark : public QObject
{
    Q_OBJECT
private slots:
    void filterFields();
    void filterDrawsTextExactly();
    void dialogEditsAndChecks();
    void previewOverFrame();

private:
    // MD5 of the first frame of a small test picture run through the filter ("" on failure).
    static QByteArray frameHash(const QString &filter, QString *error);
};

void TestWatermark::filterFields()
{
    WatermarkConfig config;
    QVERIFY(config.toFFmpegFilter().isEmpty()); // not enabled
    config.enabled = true;
    config.text.clear();
    QVERIFY(config.toFFmpegFilter().isEmpty());
    config.text = QStringLiteral("   "); // blanks are not trimmed away
    QVERIFY(!config.toFFmpegFilter().isEmpty());

    config.text = QStringLiteral("Vistrelle");
    QString filter = config.toFFmpegFilter(QStringLiteral("/tmp/watermark.txt"));
    QVERIFY(filter.startsWith(QStringLiteral("drawtext=")));
    QVERIFY(filter.contains(QStringLiteral("textfile=/tmp/watermark.txt:expansion=none")));
    QVERIFY(!filter.contains(QStringLiteral("Vistrelle")));
    QVERIFY(filter.contains(QStringLiteral(":fontsize=24:fontcolor=ffffff@0.50:x=W-tw-20:y=H-th-20:"
                                           "shadowcolor=black@0.4:shadowx=2:shadowy=2")));

    config.color = QColor(255, 0, 16);
    config.opacity = 7;
    QVERIFY(config.toFFmpegFilter().contains(QStringLiteral("fontcolor=ff0010@0.07")));
    config.opacity = 100;
    QVERIFY(config.toFFmpegFilter().contains(QStringLiteral("@1.00")));

    QCOMPARE(WatermarkConfig::placementExpression(5, 30, 40), QStringLiteral("x=(W-tw)/2:y=40"));
    QCOMPARE(WatermarkConfig::placementExpression(8, 30, 40), QStringLiteral("x=(W-tw)/2:y=H-th-40"));
    QCOMPARE(WatermarkConfig::placementExpression(4, 30, 40), QStringLiteral("x=(W-tw)/2:y=(H-th)/2"));
    QCOMPARE(WatermarkConfig::placementExpression(9, 1, 2), QStringLiteral("x=W-tw-1:y=H-th-2"));
    QCOMPARE(WatermarkConfig::placementExpression(-1, 1, 2), QStringLiteral("x=W-tw-1:y=H-th-2"));
}

QByteArray TestWatermark::frameHash(const QString &filter, QString *error)
{
    QProcess ffmpeg;
    ffmpeg.start(Recorder::ffmpegExecutable(),
                 {QStringLiteral("-hide_banner"), QStringLiteral("-v"), QStringLiteral("error"),
                  QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                  QStringLiteral("color=c=black:s=320x180:d=0.1"), QStringLiteral("-vf"), filter,
                  QStringLiteral("-frames:v"), QStringLiteral("1"), QStringLiteral("-f"), QStringLiteral("md5"),
                  QStringLiteral("-")});
    if (!ffmpeg.waitForFinished(30000) || ffmpeg.exitCode() != 0) {
        *error = QString::fromUtf8(ffmpeg.readAllStandardError());
        return {};
    }
    return ffmpeg.readAllStandardOutput().trimmed();
}

void TestWatermark::filterDrawsTextExactly()
{
    // Quotes, colons, percent signs, backslashes, brackets and Chinese, written inline and
    // read from a file in a folder whose name needs escaping too: both must draw the same
    // picture, and it must differ from the one without the watermark.
    QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/wm it's: [x],;-XXXXXX"));
    QVERIFY(dir.isValid());
    WatermarkConfig config;
    config.enabled = true;
    config.text = QStringLiteral("a'b:c%d\\e [水印],%{pts}");
    config.position = 4;
    const QString textFile = dir.filePath(QStringLiteral("watermark.txt"));
    QFile file(textFile);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(config.text.toUtf8());
    file.close();

    QString error;
    const QByteArray inlineHash = frameHash(config.toFFmpegFilter(), &error);
    QVERIFY2(!inlineHash.isEmpty(), qPrintable(error));
    const QByteArray fileHash = frameHash(config.toFFmpegFilter(textFile), &error);
    QVERIFY2(!fileHash.isEmpty(), qPrintable(error));
    const QByteArray plainHash = frameHash(QStringLiteral("null"), &error);
    QCOMPARE(inlineHash, fileHash);
    QVERIFY(inlineHash != plainHash);
}

void TestWatermark::dialogEditsAndChecks()
{
    WatermarkDialog dialog;
    QCOMPARE(dialog.config().enabled, false); // never given a record: the defaults
    QCOMPARE(dialog.config().text, QStringLiteral("Vistrelle"));

    WatermarkConfig stored;
    stored.text = QStringLiteral("旧");
    stored.position = 5;
    stored.marginX = 33;
    dialog.setConfig(stored);
    auto *edit = dialog.findChild<QLineEdit *>();
    QCOMPARE(edit->text(), QStringLiteral("旧"));
    QCOMPARE(edit->maxLength(), 40);

    // A blank text is refused with a warning; nothing is stored and the dialog stays open.
    edit->setText(QStringLiteral("   "));
    bool warned = false;
    QTimer::singleShot(0, this, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            warned = box->text() == QObject::tr("请输入水印文字。");
            box->accept();
        }
    });
    auto *apply = dialog.findChild<QPushButton *>(QStringLiteral("Primary"));
    apply->click();
    QVERIFY(warned);
    QCOMPARE(dialog.result(), 0);
    QCOMPARE(dialog.config().text, QStringLiteral("旧"));

    // Defaults restore the controls only; a text with blanks around it is kept as typed.
    dialog.findChild<QPushButton *>(QStringLiteral("Reset"))->click();
    QCOMPARE(edit->text(), QStringLiteral("Vistrelle"));
    QCOMPARE(dialog.config().marginX, 33);
    edit->setText(QStringLiteral("  录制  "));
    QSignalSpy changed(&dialog, &WatermarkDialog::configChanged);
    apply->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(changed.count(), 1);
    const WatermarkConfig applied = dialog.config();
    QVERIFY(applied.enabled);
    QCOMPARE(applied.text, QStringLiteral("  录制  "));
    QCOMPARE(applied.position, 0);
    QCOMPARE(applied.marginX, 20);
}

void TestWatermark::previewOverFrame()
{
    // A 960x540 frame of a 1920x1080 video: red text at the bottom right, drawn in video
    // pixels and scaled with the frame, lands in the bottom-right part of the preview only.
    WatermarkDialog dialog;
    WatermarkConfig config;
    config.color = Qt::red;
    config.opacity = 100;
    config.fontSize = 96;
    config.text = QStringLiteral("WWWW");
    dialog.setConfig(config);
    QImage frame(960, 540, QImage::Format_RGB32);
    frame.fill(Qt::black);
    dialog.setPreviewFrame(frame, QSize(1920, 1080));
    const QImage preview = dialog.previewPixmap().toImage();
    QCOMPARE(preview.width(), 444); // 960x540 fitted into 466x250
    int redRight = 0, redLeft = 0;
    for (int y = 0; y < preview.height(); ++y) {
        for (int x = 0; x < preview.width(); ++x) {
            const QRgb px = preview.pixel(x, y);
            if (qRed(px) > 150 && qGreen(px) < 80)
                (x > preview.width() / 2 && y > preview.height() / 2 ? redRight : redLeft)++;
        }
    }
    QVERIFY(redRight > 50);
    QCOMPARE(redLeft, 0);
}

QTEST_MAIN(TestWatermark)
#include "tst_watermark.moc"

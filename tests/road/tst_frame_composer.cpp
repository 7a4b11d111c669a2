#include "recording/CaptureGeometry.h"
#include "recording/FrameComposer.h"
#include "recording/FramePipe.h"
#include "recording/NutStream.h"
#include "platform/mac/RecordingClock.h"

#include <QtTest>

#include <unistd.h>

namespace {

QImage solid(int w, int h, QRgb colour, QImage::Format format = QImage::Format_ARGB32)
{
    QImage image(w, h, format);
    image.fill(colour);
    return image;
}

int countPixels(const QImage& image, QRgb colour)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixel(x, y) == colour;
    return n;
}

// 64x64 screen pixels as X11 gives them: B, G, R, X with an undefined pad byte.
QImage paddedScreenPixels()
{
    QImage source(64, 64, QImage::Format_RGB32);
    source.fill(0x00203040u);
    return source;
}

// Frames of such a screen, without mouse effects.
void plainScreen(FrameComposer &composer)
{
    composer.settings().screenSource = true;
    composer.settings().mouseEffectsEnabled = false;
    composer.settings().pipeFrameSize = QSize(64, 64);
}

} // namespace

class TestFrameComposer : public QObject
{
    Q_OBJECT

private slots:
    void fullFrameIsWrittenByteForByte();
    void abortedPipeStopsAWriterThatNobodyReads();
    void frameMemoryIsKeptUntilTheReaderHasIt();
    void lateGrabsAtTheOpeningRepeatThePictureBefore();
    void screenFramesAreCutThenScaled();
    void backlogLimitIsTwoFrames();
    void heldFramesCarryNoEffects();
    void webcamFramesGetTheArrowButNoAnnotations();
    void screenFramesWithoutMouseEffectsStayUntouched();
    void highlightRadiusAndArrowScale();
    void paddedScreenPixelsBecomeOpaque();
    void planarFramesKeepThePadByteWhereNothingIsPainted();
    void planarChromaIsTheAverageOfEachFourPixels();
    void geometry();
};

namespace {

// Reads `n` bytes of a pipe, waiting for them.
QByteArray readBytes(int fd, qsizetype n)
{
    QByteArray bytes(n, Qt::Uninitialized);
    for (qsizetype got = 0; got < n;) {
        const ssize_t r = ::read(fd, bytes.data() + got, size_t(n - got));
        if (r <= 0)
            return bytes.left(got);
        got += r;
    }
    return bytes;
}

// What a frame of `bytes` takes in the pipe with its header (stamped now).
qsizetype framed(qint64 bytes)
{
    return NutStream::frameHeader(RecordingClock::wallUs(), bytes).size() + bytes;
}

} // namespace

void TestFrameComposer::fullFrameIsWrittenByteForByte()
{
    FrameComposer composer;
    composer.settings().pipeFrameSize = QSize(1920, 1080);
    composer.settings().screenSource = true;
    composer.settings().mouseEffectsEnabled = false;
    QImage source = solid(1920, 1080, qRgba(0x10, 0x20, 0x30, 0xff));
    source.setPixel(0, 0, qRgba(1, 2, 3, 0xff));
    const QImage frame = composer.compose(source, false);

    // Frames through the encoder's pipe, read back from its other end. One that comes before
    // the encoder has read the first is left out (it would be stamped with the first's time).
    FramePipe pipe;
    QString error;
    QVERIFY2(pipe.open(&error), qPrintable(error));
    const int readEnd = ::dup(pipe.readEnd());
    pipe.closeReadEnd();
    QVERIFY(pipe.write(frame));
    // The encoder opens its input on the stream's header first.
    const QByteArray header = NutStream::header(QSize(1920, 1080), "BGRA");
    QCOMPARE(readBytes(readEnd, header.size()), header);
    QTRY_VERIFY(pipe.pendingBytes() < 8294400); // the pipe took its first megabyte
    QVERIFY(pipe.write(frame));
    QVERIFY(pipe.pendingBytes() < 8294400);
    const qsizetype one = framed(8294400);
    QByteArray bytes = readBytes(readEnd, one);
    QTRY_VERIFY(pipe.readerStarted());
    char buffer[65536];
    QVERIFY(pipe.write(frame));
    QVERIFY(pipe.write(frame));
    QVERIFY(!pipe.write(QImage()));
    pipe.finish();
    QVERIFY(!pipe.write(frame)); // nothing after the end
    for (ssize_t n; (n = ::read(readEnd, buffer, sizeof buffer)) > 0;)
        bytes.append(buffer, int(n));
    ::close(readEnd);
    QCOMPARE(bytes.size(), 3 * one);
    QCOMPARE(pipe.framesWritten(), qint64(3));
    QCOMPARE(pipe.pendingBytes(), qint64(0));
    // B, G, R, A in memory: the encoder's "bgra".
    QCOMPARE(QByteArray(bytes.constData() + one - 8294400, 8), QByteArray("\x03\x02\x01\xff\x30\x20\x10\xff", 8));
    QCOMPARE(QByteArray(bytes.constData() + 2 * one - 8294400, 4), QByteArray("\x03\x02\x01\xff", 4));
}

void TestFrameComposer::abortedPipeStopsAWriterThatNobodyReads()
{
    // The encoder hangs without reading: aborting must not wait for it.
    FramePipe pipe;
    QString error;
    QVERIFY(pipe.open(&error));
    const int readEnd = ::dup(pipe.readEnd());
    pipe.closeReadEnd();
    const QImage frame = solid(1920, 1080, qRgb(1, 2, 3));
    QVERIFY(pipe.write(frame));
    readBytes(readEnd, NutStream::header(frame.size(), "BGRA").size()); // it opened its input
    QTRY_VERIFY(pipe.pendingBytes() < 8294400); // the pipe took its first megabyte
    QVERIFY(pipe.pendingBytes() > 0);
    QElapsedTimer clock;
    clock.start();
    pipe.abort();
    QVERIFY(clock.elapsed() < 1000);
    QCOMPARE(pipe.pendingBytes(), qint64(0));
    QVERIFY(!pipe.isOpen());
    ::close(readEnd);

    // A reader that goes away breaks the pipe instead of blocking it.
    QVERIFY(pipe.open(&error));
    pipe.closeReadEnd();
    QVERIFY(pipe.write(frame) || !pipe.isOpen());
    QTRY_VERIFY(!pipe.isOpen());
    QVERIFY(!pipe.write(frame));
}

void TestFrameComposer::frameMemoryIsKeptUntilTheReaderHasIt()
{
    // The pipe may refer to a frame's memory instead of a copy: the frame must not be
    // freed (and its memory handed out again) before the encoder has read it.
    FramePipe pipe;
    QString error;
    QVERIFY(pipe.open(&error));
    const int readEnd = ::dup(pipe.readEnd());
    pipe.closeReadEnd();
    QImage kept = solid(64, 64, qRgb(0x11, 0x22, 0x33));
    QVERIFY(pipe.write(solid(64, 64, qRgb(0xaa, 0xbb, 0xcc))));
    readBytes(readEnd, NutStream::header(QSize(64, 64), "BGRA").size() + framed(64 * 64 * 4) - 64 * 64 * 4);
    QByteArray bytes(2 * 64 * 64 * 4, 0);
    QVERIFY(::read(readEnd, bytes.data(), 64 * 64 * 4) == 64 * 64 * 4);
    QTRY_VERIFY(pipe.readerStarted());
    QVERIFY(pipe.write(kept));
    QTRY_COMPARE(pipe.pendingBytes(), qint64(0));
    readBytes(readEnd, framed(64 * 64 * 4) - 64 * 64 * 4); // the second frame's header
    QList<QImage> others;
    for (int i = 0; i < 64; ++i)
        others << solid(64, 64, qRgb(i, i, i));
    kept.fill(Qt::white); // a change after the hand-over is not seen by the reader

    qsizetype got = 64 * 64 * 4;
    while (got < bytes.size()) {
        const ssize_t n = ::read(readEnd, bytes.data() + got, size_t(bytes.size() - got));
        QVERIFY(n > 0);
        got += n;
    }
    for (qsizetype i = 0; i < bytes.size(); i += 4) {
        const QByteArray expected = i < 64 * 64 * 4 ? QByteArray("\xcc\xbb\xaa\xff", 4)
                                                    : QByteArray("\x33\x22\x11\xff", 4);
        QCOMPARE(bytes.mid(i, 4), expected);
    }

    // Once read, the pipe lets go of the frame, so its memory can be used again.
    const QImage frame = solid(64, 64, qRgb(1, 1, 1));
    QImage mine = frame;
    QVERIFY(pipe.write(frame));
    QTRY_COMPARE(pipe.pendingBytes(), qint64(0));
    QVERIFY(!mine.isDetached());
    readBytes(readEnd, framed(64 * 64 * 4) - 64 * 64 * 4);
    QVERIFY(::read(readEnd, bytes.data(), 64 * 64 * 4) == 64 * 64 * 4);
    mine = QImage();
    QTRY_VERIFY(frame.isDetached());
    pipe.abort();
    ::close(readEnd);
}

// A grab three frame times after the first: the pipe gives the encoder the first picture
// again for the two opening slots between them; a later gap stays a gap.
void TestFrameComposer::lateGrabsAtTheOpeningRepeatThePictureBefore()
{
    FramePipe pipe;
    pipe.setFrameGrid(30);
    QString error;
    QVERIFY2(pipe.open(&error), qPrintable(error));
    const int readEnd = ::dup(pipe.readEnd());
    pipe.closeReadEnd();
    const qint64 frameUs = 1'000'000 / 30;
    const qint64 t0 = RecordingClock::wallUs();
    const QList<QRgb> colours{qRgb(10, 0, 0), qRgb(0, 20, 0), qRgb(0, 0, 30)};
    QVERIFY(pipe.write(solid(64, 64, colours.at(0)), t0));
    QVERIFY(pipe.write(solid(64, 64, colours.at(1)), t0 + 3 * frameUs));
    QVERIFY(pipe.write(solid(64, 64, colours.at(2)), t0 + 6 * frameUs));
    pipe.finish();
    const QByteArray header = NutStream::header(QSize(64, 64), "BGRA");
    QCOMPARE(readBytes(readEnd, header.size()), header);
    QByteArray bytes;
    char buffer[65536];
    for (ssize_t n; (n = ::read(readEnd, buffer, sizeof buffer)) > 0;)
        bytes.append(buffer, int(n));
    ::close(readEnd);
    const qsizetype one = framed(64 * 64 * 4);
    QCOMPARE(bytes.size(), 5 * one);
    QCOMPARE(pipe.framesWritten(), qint64(5));
    const int shown[] = {0, 0, 0, 1, 2};
    for (int i = 0; i < 5; ++i) {
        const QRgb colour = colours.at(shown[i]);
        const char bgra[] = {char(qBlue(colour)), char(qGreen(colour)), char(qRed(colour)), char(0xff)};
        const QByteArray pixel(bgra, 4);
        QCOMPARE(bytes.mid((i + 1) * one - 4, 4), pixel);
    }
}

void TestFrameComposer::screenFramesAreCutThenScaled()
{
    FrameComposer composer;
    composer.settings().screenSource = true;
    composer.settings().mouseEffectsEnabled = false;
    composer.settings().cropRect = QRect(100, 50, 200, 100);
    composer.settings().pipeFrameSize = QSize(200, 100);
    QImage source = solid(640, 480, qRgb(0, 0, 0xff));
    // Paint the crop area red: the whole written frame must be red.
    for (int y = 50; y < 150; ++y)
        for (int x = 100; x < 300; ++x)
            source.setPixel(x, y, qRgb(0xff, 0, 0));
    QImage frame = composer.compose(source, false);
    QCOMPARE(frame.size(), QSize(200, 100));
    QCOMPARE(frame.format(), QImage::Format_ARGB32);
    QCOMPARE(countPixels(frame, qRgb(0xff, 0, 0)), 200 * 100);

    // A window frame of another size is stretched, not letterboxed, and never cropped.
    composer.settings().screenSource = false;
    composer.settings().mouseEffectsEnabled = false;
    composer.setCursorLocator([](const QSize&) { return QPointF(-500, -500); }); // arrow off the picture
    composer.settings().pipeFrameSize = QSize(1000, 600);
    frame = composer.compose(solid(500, 500, qRgb(0, 0xff, 0), QImage::Format_RGB32), false);
    QCOMPARE(frame.size(), QSize(1000, 600));
    QCOMPARE(countPixels(frame, qRgb(0, 0xff, 0)), 1000 * 600);
    QVERIFY(composer.compose(QImage(), false).isNull());
}

void TestFrameComposer::backlogLimitIsTwoFrames()
{
    const QSize size(1280, 720);
    QCOMPARE(FrameComposer::frameBytes(size), qint64(3686400));
    QVERIFY(!FrameComposer::backlogExceeded(7372800, size));
    QVERIFY(FrameComposer::backlogExceeded(7372801, size));
    QVERIFY(!FrameComposer::backlogExceeded(0, size));
}

void TestFrameComposer::heldFramesCarryNoEffects()
{
    FrameComposer composer;
    bool annotationAsked = false;
    composer.settings().pipeFrameSize = QSize(320, 240);
    composer.settings().annotationProvider = [&](const QRect&, const QSize& size) {
        annotationAsked = true;
        return solid(size.width(), size.height(), qRgb(0xff, 0, 0));
    };
    const QImage held = composer.compose(solid(320, 240, qRgb(1, 1, 1)), true);
    QVERIFY(!annotationAsked);
    QCOMPARE(countPixels(held, qRgb(1, 1, 1)), 320 * 240);
    // Released, the same frame gets the annotation image, asked with the target rectangle.
    composer.settings().effectsTargetRect = QRect(10, 10, 640, 480);
    QRect askedRect;
    composer.settings().annotationProvider = [&](const QRect& rect, const QSize& size) {
        askedRect = rect;
        QImage strokes(size, QImage::Format_ARGB32_Premultiplied);
        strokes.fill(Qt::transparent);
        strokes.setPixel(5, 5, qRgb(0xff, 0, 0));
        return strokes;
    };
    const QImage painted = composer.compose(solid(320, 240, qRgb(1, 1, 1)), false);
    QCOMPARE(askedRect, QRect(10, 10, 640, 480));
    QCOMPARE(painted.pixel(5, 5), qRgb(0xff, 0, 0));
    QCOMPARE(painted.pixel(300, 5), qRgb(1, 1, 1));
}

void TestFrameComposer::webcamFramesGetTheArrowButNoAnnotations()
{
    FrameComposer composer;
    composer.settings().pipeFrameSize = QSize(1280, 720);
    composer.settings().cameraSource = true;
    composer.settings().mouseEffectsEnabled = false;
    bool annotationAsked = false;
    composer.settings().annotationProvider = [&](const QRect&, const QSize&) {
        annotationAsked = true;
        return QImage();
    };
    // Without a target rectangle the arrow sits at the centre.
    const QImage frame = composer.compose(solid(1280, 720, qRgb(0x40, 0x40, 0x40)), false);
    QVERIFY(!annotationAsked);
    const QRgb inside = frame.pixel(640 + 3, 360 + 12); // well inside the white arrow
    QVERIFY(qRed(inside) > 0xf0 && qGreen(inside) > 0xf0 && qBlue(inside) > 0xf0);
    QCOMPARE(frame.pixel(100, 100), qRgb(0x40, 0x40, 0x40));
}

void TestFrameComposer::screenFramesWithoutMouseEffectsStayUntouched()
{
    FrameComposer composer;
    composer.settings().pipeFrameSize = QSize(640, 360);
    composer.settings().screenSource = true;
    composer.settings().mouseEffectsEnabled = false;
    const QImage frame = composer.compose(solid(640, 360, qRgb(9, 9, 9)), false);
    QCOMPARE(countPixels(frame, qRgb(9, 9, 9)), 640 * 360);
    // With effects: a highlight but no drawn arrow (the screen shows its own cursor).
    composer.settings().mouseEffectsEnabled = true;
    composer.settings().cursorColor = QColor(0xff, 0, 0);
    composer.settings().mouseOpacity = 100;
    composer.setCursorLocator([](const QSize&) { return QPointF(100, 100); });
    const QImage lit = composer.compose(solid(640, 360, qRgb(0, 0, 0)), false);
    QCOMPARE(lit.pixel(100, 100), qRgb(round(255 * 0.38), 0, 0)); // the fill, not a white arrow
    QCOMPARE(lit.pixel(400, 300), qRgb(0, 0, 0));
}

void TestFrameComposer::highlightRadiusAndArrowScale()
{
    // Measures the highlight's outline radius along the row through the cursor.
    const auto radius = [](int width, int mouseSize) {
        FrameComposer composer;
        composer.settings().screenSource = true; // no arrow
        composer.settings().mouseSize = mouseSize;
        composer.settings().mouseOpacity = 100;
        composer.settings().cursorColor = QColor(0xff, 0, 0);
        const int height = width * 9 / 16;
        composer.settings().pipeFrameSize = QSize(width, height);
        composer.setCursorLocator([](const QSize& s) { return QPointF(s.width() / 2, s.height() / 2); });
        const QImage frame = composer.compose(solid(width, height, qRgb(0, 0, 0)), false);
        int x = width / 2;
        while (x < width && qRed(frame.pixel(x, height / 2)) != 0)
            ++x;
        return x - width / 2;
    };
    // 3840 wide: k = 2, so size 40 gives radius 40 and 120 gives the cap of 60.
    QVERIFY(qAbs(radius(3840, 40) - 42) <= 2); // radius plus half the 5 px pen
    QVERIFY(qAbs(radius(3840, 120) - 62) <= 2);
    // 1280 wide: k = 2/3, size 20 gives 6.7, raised to the minimum 10.
    QVERIFY(qAbs(radius(1280, 20) - 11) <= 2);

    // The arrow at 3840 is drawn at 1.75 (not 2): its tip at (0, 24) x s.
    FrameComposer composer;
    composer.settings().pipeFrameSize = QSize(3840, 2160);
    composer.settings().mouseEffectsEnabled = false;
    composer.setCursorLocator([](const QSize&) { return QPointF(100, 100); });
    const QImage frame = composer.compose(solid(3840, 2160, qRgb(0x40, 0x40, 0x40)), false);
    QVERIFY(frame.pixel(101, 100 + 36) != qRgb(0x40, 0x40, 0x40));
    QCOMPARE(frame.pixel(101, 100 + 48), qRgb(0x40, 0x40, 0x40)); // 24 x 2 would reach here
}

void TestFrameComposer::paddedScreenPixelsBecomeOpaque()
{
    const QImage source = paddedScreenPixels();
    FrameComposer composer;
    plainScreen(composer);
    const QImage frame = composer.compose(source, false);
    QCOMPARE(frame.format(), QImage::Format_ARGB32);
    QCOMPARE(qAlpha(frame.pixel(10, 10)), 0xff);
    QCOMPARE(uchar(frame.constBits()[3]), uchar(0xff));
}

// Frames for the planar pipe, whose fourth byte nobody reads, are passed on as the screen
// gave them (no pass over their pixels) unless something is painted on them.
void TestFrameComposer::planarFramesKeepThePadByteWhereNothingIsPainted()
{
    const QImage source = paddedScreenPixels();
    FrameComposer composer;
    plainScreen(composer);
    composer.settings().padByteUnread = true;
    composer.setCursorLocator([](const QSize &size) { return QPointF(size.width() / 2, size.height() / 2); });
    const QImage untouched = composer.compose(source, false);
    QCOMPARE(untouched.constBits(), source.constBits());

    composer.settings().mouseEffectsEnabled = true;
    const QImage highlighted = composer.compose(source, false);
    QCOMPARE(highlighted.format(), QImage::Format_ARGB32);
    for (int y = 0; y < highlighted.height(); ++y)
        for (int x = 0; x < highlighted.width(); ++x)
            QCOMPARE(qAlpha(highlighted.pixel(x, y)), 0xff);
    QVERIFY(highlighted.pixel(32, 32) != qRgb(0x20, 0x30, 0x40));
}

// Every chroma sample is BT.601's of the mean of its two by two pixels, rounded, for any
// picture and width (the rows are worked on several pairs at a time, the rest one by one).
void TestFrameComposer::planarChromaIsTheAverageOfEachFourPixels()
{
    for (const int width : {1926, 18, 2}) {
        QImage frame(width, 6, QImage::Format_ARGB32);
        for (int y = 0; y < frame.height(); ++y)
            for (int x = 0; x < width; ++x)
                frame.setPixel(x, y, qRgba((x * 97 + y * 31) % 256, (x * x + 7 * y) % 256, (x * 13 ^ y * 201) % 256, 255));
        const QSize half(width / 2, frame.height() / 2);
        for (const FramePipe::Layout layout : {FramePipe::Layout::I420, FramePipe::Layout::Nv12}) {
            QByteArray planes(FrameConversion::frameBytes(frame.size(), layout), Qt::Uninitialized);
            FrameConversion::convertInto(frame, layout, reinterpret_cast<uchar *>(planes.data()));
            const auto *chroma = reinterpret_cast<const uchar *>(planes.constData()) + width * frame.height();
            for (int y = 0; y < half.height(); ++y) {
                for (int x = 0; x < half.width(); ++x) {
                    int r = 0, g = 0, b = 0;
                    for (const QPoint &p : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(1, 1)}) {
                        const QRgb c = frame.pixel(2 * x + p.x(), 2 * y + p.y());
                        r += qRed(c), g += qGreen(c), b += qBlue(c);
                    }
                    const double u = 128 + (-0.148223 * r - 0.290993 * g + 0.439216 * b) / 4;
                    const double v = 128 + (0.439216 * r - 0.367788 * g - 0.071427 * b) / 4;
                    const int i = y * half.width() + x;
                    const int gotU = layout == FramePipe::Layout::I420 ? chroma[i] : chroma[2 * i];
                    const int gotV = layout == FramePipe::Layout::I420 ? chroma[half.width() * half.height() + i] : chroma[2 * i + 1];
                    if (qAbs(gotU - u) > 0.51 || qAbs(gotV - v) > 0.51)
                        QFAIL(qPrintable(QStringLiteral("width %1, (%2, %3): %4 %5 for %6 %7")
                                             .arg(width).arg(x).arg(y).arg(gotU).arg(gotV).arg(u).arg(v)));
                }
            }
        }
    }
}

void TestFrameComposer::geometry()
{
    QCOMPARE(CaptureGeometry::fitWithin1080p(QSize(3840, 2160)), QSize(1920, 1080));
    QCOMPARE(CaptureGeometry::fitWithin1080p(QSize(2560, 1600)), QSize(1728, 1080));
    QCOMPARE(CaptureGeometry::fitWithin1080p(QSize(1001, 5000)), QSize(216, 1080));
    QCOMPARE(CaptureGeometry::fitWithin1080p(QSize(1280, 720)), QSize(1280, 720));
    QCOMPARE(CaptureGeometry::fitWithin1080p(QSize(100000, 3)), QSize(1920, 2));
    QVERIFY(CaptureGeometry::exceeds1080p(QSize(1921, 10)));
    QVERIFY(!CaptureGeometry::exceeds1080p(QSize(1920, 1080)));

    QCOMPARE(CaptureGeometry::nativeSize(QRect(0, 0, 1512, 982), 2.0), QSize(3024, 1964));
    QCOMPARE(CaptureGeometry::nativeSize(QRect(0, 0, 1001, 11), 1.5).width(), 1502);
    QCOMPARE(CaptureGeometry::nativeSize(QRect(), 1.0), QSize(-1, -1));

    // Odd capture coordinates on a screen at an offset: the crop starts at the area's own
    // first pixel, as its screenshot does, with even sides.
    const QRect screen(1920, 0, 1920, 1080);
    QCOMPARE(CaptureGeometry::screenCropRect(QRect(1921 + 100, 33, 641, 481), screen, QSize(1920, 1080)),
             QRect(101, 33, 640, 480));
    QCOMPARE(CaptureGeometry::screenCropRect(QRect(3800, 1000, 500, 500), screen, QSize(1920, 1080)),
             QRect(1880, 1000, 40, 80));
    QCOMPARE(CaptureGeometry::screenCropRect(QRect(0, 0, 10, 10), screen, QSize(1920, 1080)), QRect());
    // A half-size stream halves the crop.
    QCOMPARE(CaptureGeometry::screenCropRect(QRect(2120, 100, 400, 300), screen, QSize(960, 540)),
             QRect(100, 50, 200, 150));

    QCOMPARE(CaptureGeometry::captureStreamSize(QSize(1920, 1080), QSize(3840, 2160), QRect(0, 0, 1920, 1080), 2.0),
             QSize(1920, 1080));
    QCOMPARE(CaptureGeometry::captureStreamSize(QSize(-1, -1), QSize(3840, 2160), QRect(0, 0, 1920, 1080), 2.0),
             QSize(-1, -1));

    // Cursor mapping: a target of 3840 x 2160 device pixels at (1920, 0) shown at half size.
    const QPointF p = CaptureGeometry::cursorInImage(QPoint(1920 + 200, 100), QRect(1920, 0, 3840, 2160), QSize(1920, 1080));
    QCOMPARE(p, QPointF(100, 50));
    QCOMPARE(CaptureGeometry::cursorInImage(QPoint(5, 5), QRect(), QSize(101, 51)), QPointF(50, 25));
}

QTEST_MAIN(TestFrameComposer)
#include "tst_frame_composer.moc"

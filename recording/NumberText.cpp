#include "recording/NumberText.h"

#include "platform/mac/DisplayGeometry.h"
#include "recording/CaptureGeometry.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

QString NumberText::isolated(const QString &text)
{
    if (!QGuiApplication::isRightToLeft() || text.isEmpty())
        return text;
    return QChar(0x2066) + text + QChar(0x2069); // LEFT-TO-RIGHT ISOLATE ... POP DIRECTIONAL ISOLATE
}

QString NumberText::resolution(int width, int height)
{
    return isolated(QStringLiteral("%1 × %2").arg(width).arg(height));
}

QString NumberText::resolutionInSentence(int width, int height)
{
    const QString text = QStringLiteral("%1 × %2").arg(width).arg(height);
    if (!QGuiApplication::isRightToLeft())
        return text;
    return QChar(0x2067) + text + QChar(0x2069); // RIGHT-TO-LEFT ISOLATE ... POP DIRECTIONAL ISOLATE
}

QString NumberText::captureResolution(const QRect &area)
{
    return deviceResolution(DisplayGeometry::toDevice(DisplayGeometry::applicationDisplays(), area));
}

QString NumberText::deviceResolution(const QRect &deviceArea)
{
    const QSize pixels = CaptureGeometry::evenSize(deviceArea.size());
    return resolution(std::max(pixels.width(), 0), std::max(pixels.height(), 0));
}

QString NumberText::isolatedName(const QString &name)
{
    if (!QGuiApplication::isRightToLeft() || name.isEmpty())
        return name;
    return QChar(0x2068) + name + QChar(0x2069); // FIRST STRONG ISOLATE ... POP DIRECTIONAL ISOLATE
}

QString NumberText::byteUnit(ByteUnit unit)
{
    switch (unit) {
    case ByteUnit::KB: return tr("KB");
    case ByteUnit::MB: return tr("MB");
    case ByteUnit::GB: return tr("GB");
    }
    return {};
}

QString NumberText::bytes(double amount, ByteUnit unit, int decimals)
{
    return QStringLiteral("%1 %2").arg(QString::number(amount, 'f', decimals), byteUnit(unit));
}

QString NumberText::size(qint64 bytes)
{
    constexpr double MiB = 1048576.0;
    constexpr double GiB = 1073741824.0;
    if (bytes < 1048576)
        return NumberText::bytes(std::max<qint64>(bytes, 0) / 1024.0, ByteUnit::KB, 0);
    if (bytes < 1073741824)
        return NumberText::bytes(bytes / MiB, ByteUnit::MB, 1);
    return NumberText::bytes(bytes / GiB, ByteUnit::GB, 2);
}

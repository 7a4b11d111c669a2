#include "library/PlayerFoundLengths.h"

#include "library/MediaLibraryFiles.h"

#include <QCoreApplication>

PlayerFoundLengths *PlayerFoundLengths::instance()
{
    static PlayerFoundLengths *lengths = new PlayerFoundLengths(QCoreApplication::instance());
    return lengths;
}

void PlayerFoundLengths::keep(const QString &path, qint64 size, double seconds)
{
    if (seconds <= 0)
        return;
    const QString key = normalizedMediaPath(path);
    const auto known = m_lengths.constFind(key);
    if (known != m_lengths.constEnd() && *known == std::pair(size, seconds))
        return;
    m_lengths.insert(key, {size, seconds});
    emit found(key);
}

double PlayerFoundLengths::lengthOf(const QString &path, qint64 size) const
{
    const auto known = m_lengths.constFind(normalizedMediaPath(path));
    return known != m_lengths.constEnd() && known->first == size ? known->second : -1.0;
}

#pragma once

#include <QHash>
#include <QObject>
#include <QString>

#include <utility>

// The lengths the player found for files that ffprobe could not measure, kept for the whole
// run: every library window's cards and File Information, and the home page's recent cards,
// show them instead of 00:00. A length holds for the file at the size it was found for.
// GUI thread only.
class PlayerFoundLengths : public QObject
{
    Q_OBJECT
public:
    static PlayerFoundLengths *instance();

    void keep(const QString &path, qint64 size, double seconds);
    // The length found for the file at that size, in seconds; negative when none was.
    double lengthOf(const QString &path, qint64 size) const;

signals:
    void found(const QString &path);

private:
    using QObject::QObject;
    QHash<QString, std::pair<qint64, double>> m_lengths; // by normalized path
};

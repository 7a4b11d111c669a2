#pragma once

#include <QFileInfoList>
#include <QWidget>

#include "widgets/HomeMode.h"

class QHBoxLayout;
class QPushButton;

// The first page of the main window: a sidebar (Start Recording, Media Library), the
// six recording-mode cards, the schedule button and the row of the three most recent
// recordings of the save folder.
class HomePage : public QWidget
{
    Q_OBJECT

public:
    explicit HomePage(QWidget *parent = nullptr);

    void setMediaLibraryActive(bool active);
    void refreshRecent();

    // The newest recordings of a folder (at most limit), newest first: media files whose
    // base name follows the program's naming patterns or whose path is listed in
    // recordedFiles. Intermediate files of a finalisation are never taken.
    static QFileInfoList recentRecordings(const QString &folder, const QStringList &recordedFiles, int limit = 3);
    static QString recentSignature(const QString &folder, const QFileInfoList &files);

    // The cards of the recent row, in order (for tests and benchmarks).
    QList<QPushButton *> recentCards() const;

signals:
    void modeSelected(HomeMode mode);
    void mediaLibraryRequested();
    void scheduleRequested();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void openRecording(const QString &path);

    QHBoxLayout *m_recentRow = nullptr;
    QPushButton *m_startEntry = nullptr;
    QPushButton *m_libraryEntry = nullptr;
    QString m_recentSignature;
};

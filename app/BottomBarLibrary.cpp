// The media library window of the bottom strip: made once, shown and reloaded.
#include "app/BottomBar.h"

#include "dialogs/AutoStopDialog.h"
#include "library/VideoListDialog.h"

#include <QDialog>
#include <QFileInfo>
#include <QTimer>

QDialog *BottomBar::mediaLibraryWindow() const
{
    return m_library;
}

void BottomBar::addVideoRecord(const VideoRecord &record)
{
    if (auto *library = qobject_cast<VideoListDialog *>(m_library.data()))
        library->addRecord(record);
}

void BottomBar::ensureLibraryWindow()
{
    if (m_library)
        return;
    VideoListDialog *library = createVideoListDialog(nullptr);
    m_library = library;
    connect(library, &VideoListDialog::openRequested, this, &BottomBar::openVideoRequested);
    connect(library, &QDialog::finished, this, [this] {
        emit mediaLibraryClosed();
        window()->show();
        window()->raise();
        window()->activateWindow();
    });
}

void BottomBar::showLibraryWindow()
{
    if (!m_library)
        return;
    m_library->show();
    m_library->raise();
    m_library->activateWindow();
}

void BottomBar::reloadLibrary()
{
    if (auto *library = qobject_cast<VideoListDialog *>(m_library.data()))
        library->loadFromDisk();
}

void BottomBar::showMediaLibrary()
{
    onVideoListClicked();
}

void BottomBar::onVideoListClicked()
{
    ensureLibraryWindow();
    if (!m_library)
        return;
    emit mediaLibraryOpened();
    if (m_library->isVisible()) {
        window()->hide();
        if (m_library->isMinimized())
            m_library->showNormal();
        m_library->raise();
        m_library->activateWindow();
        return;
    }
    showLibraryWindow();
    window()->hide();
    const int generation = ++m_libraryGeneration;
    QTimer::singleShot(50, m_library, [this, generation] {
        if (generation == m_libraryGeneration)
            reloadLibrary();
    });
}

bool BottomBar::returnsHomeAfter(const QString &suffix)
{
    return suffix.compare(QLatin1String("mp3"), Qt::CaseInsensitive) == 0
           || suffix.compare(QLatin1String("wav"), Qt::CaseInsensitive) == 0;
}

void BottomBar::onRecordingStopped(const QString &outputPath)
{
    closeCountdown();
    if (outputPath.isEmpty())
        return;
    if (returnsHomeAfter(QFileInfo(outputPath).suffix())) {
        window()->show();
        window()->raise();
        window()->activateWindow();
        return;
    }
    ensureLibraryWindow();
    if (!m_library)
        return;
    if (m_library->isVisible()) {
        ++m_libraryGeneration;
        reloadLibrary();
        return;
    }
    QTimer::singleShot(0, m_library, [this] {
        emit mediaLibraryOpened();
        showLibraryWindow();
        window()->hide();
        QTimer::singleShot(50, m_library, [this] { reloadLibrary(); });
    });
}

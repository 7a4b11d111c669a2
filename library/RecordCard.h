#pragma once

#include "library/VideoRecord.h"

#include <QPoint>
#include <QWidget>

#include <functional>

class QLabel;
class QProgressBar;

// One row of the library list: thumbnail (or waveform) with a duration badge, the file name,
// a detail line and a delete button.
class RecordCard : public QWidget
{
public:
    // The height of a card, which is the height of a row of the library's list.
    static constexpr int Height = 104;

    RecordCard(const VideoRecord &record, std::function<void()> onDelete, std::function<void(QPoint)> onMenu,
               QWidget *parent = nullptr);

    void setCardSelected(bool selected);
    // The duration and date after the metadata arrived.
    void updateRecord(const VideoRecord &record);

    QLabel *durationBadge() const { return m_badge; }
    QLabel *detailLabel() const { return m_detail; }
    QLabel *placeholderLabel() const { return m_placeholder; }
    bool hasPicture() const { return m_hasPicture; }

    static QString detailText(const VideoRecord &record);

    // The card's width besides its text column: margins, thumbnail, spacing, delete button.
    static int fixedWidth();
    // The text column's width in the narrowest library column (a whole date line and most of
    // a name) and in the widest (a whole default recording name).
    static constexpr int kMinimumTextWidth = 150;
    static constexpr int kWideTextWidth = 320;
    QLabel *titleLabel() const { return m_title; }

protected:
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void applyPicture(const QImage &image);
    void askForPicture();
    void placeBadge();
    void elideTitle();

    VideoRecord m_record;
    QLabel *m_thumbnail = nullptr;
    QLabel *m_placeholder = nullptr;
    QProgressBar *m_busy = nullptr;
    QLabel *m_badge = nullptr;
    QLabel *m_detail = nullptr;
    QLabel *m_title = nullptr;
    bool m_hasPicture = false;
    bool m_pictureCame = false; // the picture, or its failure, arrived
};

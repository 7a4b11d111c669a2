#include "dialogs/StopRecordingDialog.h"

#include "platform/mac/OverlayWindowSupport.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const char *const kSurfaceStyle = R"(
#StopSurface {
  background: qradialgradient(cx:0.5, cy:0.32, radius:0.95, fx:0.5, fy:0.32,
      stop:0 #24324b, stop:0.58 #18243a, stop:1 #101a2a);
  border: 1px solid #52617c;
  border-radius: 13px;
}
#StopHeader { background: transparent; border: none; border-bottom: 1px solid #465673; }
#StopContent, #StopStatus { background: transparent; border: none; }
#StopFooter { background: transparent; border: none; border-top: 1px solid #465673; }
QLabel { background: transparent; border: none; font-family: 'Segoe UI', 'Microsoft YaHei UI'; }
QPushButton { outline: none; padding: 0px; font-family: 'Segoe UI', 'Microsoft YaHei UI'; }
#StopTitle { color: #f5f7fb; font-size: 18px; font-weight: 400; }
#StopQuestion { color: #f7f8fc; font-size: 19px; font-weight: 400; }
#StopRecordedLabel { color: #c2c9d6; font-size: 17px; font-weight: 400; }
#StopElapsed { color: #c2c9d6; font-size: 17px; font-weight: 400; font-family: 'Segoe UI'; }
#StopHeaderBadge { background: rgba(255, 68, 89, 30); border: 2px solid #ff5068; border-radius: 9px; }
#StopHeaderSquare { background: qlineargradient(x1:0, y1:0, x2:1, y2:1, stop:0 #ff6b79, stop:1 #ff344b);
  border: none; border-radius: 3px; }
#StopBadge { background: rgba(255, 54, 72, 54); border: 1px solid #d43142; border-radius: 24px; }
#StopBadgeSquare { background: qlineargradient(x1:0, y1:0, x2:1, y2:1, stop:0 #ff6976, stop:1 #ff344b);
  border: none; border-radius: 5px; }
#StopDot { background: qlineargradient(x1:0, y1:0, x2:1, y2:1, stop:0 #ff6472, stop:1 #ff344b);
  border: none; border-radius: 5px; }
#StopCloseButton { background: transparent; border: none; border-radius: 8px; color: #c2cad8;
  font-size: 28px; font-weight: 200; font-family: 'Segoe UI'; }
#StopCloseButton:hover { background: rgba(255, 255, 255, 0.08); color: white; }
#StopContinueButton { background: rgba(21, 31, 49, 150); border: 1px solid #586983; border-radius: 9px;
  color: #f4f6fb; font-size: 14px; }
#StopContinueButton:hover { background: rgba(42, 57, 84, 190); border-color: #7487a6; }
#StopContinueButton:focus { border: 2px solid #6f86ac; }
#StopDiscardButton { background: rgba(21, 31, 49, 150); border: 1px solid #a84d5d; border-radius: 9px;
  color: #ff9eab; font-size: 14px; }
#StopDiscardButton:hover { background: rgba(126, 38, 54, 100); border-color: #ff6574; }
#StopDiscardButton:focus { border: 2px solid #ff6574; }
#StopSaveButton { background: qlineargradient(x1:0, y1:0, x2:1, y2:1, stop:0 #3478f6, stop:1 #1964e9);
  border: 1px solid #6aa0ff; border-radius: 9px; color: white; font-size: 14px; }
#StopSaveButton:hover { background: #4087ff; }
#StopSaveButton:pressed { background: #185bd1; }
)";

QLabel *square(const char *name, int size, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFixedSize(size, size);
    return label;
}

QFrame *divider(QWidget *parent)
{
    auto *line = new QFrame(parent);
    line->setFixedSize(1, 18);
    line->setStyleSheet(QStringLiteral("background:#596981;border:none;"));
    return line;
}

QPushButton *footerButton(const QString &text, const char *name, QWidget *parent)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setFixedSize(140, 36);
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

} // namespace

StopRecordingDialog::StopRecordingDialog(int elapsedSeconds, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint | Qt::WindowCloseButtonHint)
{
    setWindowTitle(tr("Stop Recording"));
    setModal(true);
    setFixedSize(510, 205);

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto *surface = new QFrame(this);
    surface->setObjectName(QStringLiteral("StopSurface"));
    surface->setStyleSheet(QString::fromLatin1(kSurfaceStyle));
    outer->addWidget(surface);
    auto *column = new QVBoxLayout(surface);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    // Header; hidden, the window manager's title bar stands in for it.
    auto *header = new QWidget(surface);
    header->setObjectName(QStringLiteral("StopHeader"));
    header->setFixedHeight(44);
    auto *headerRow = new QHBoxLayout(header);
    headerRow->setContentsMargins(18, 0, 16, 0);
    headerRow->setSpacing(11);
    QLabel *headerBadge = square("StopHeaderBadge", 28, header);
    QLabel *headerSquare = square("StopHeaderSquare", 12, headerBadge);
    headerSquare->move(8, 8);
    auto *title = new QLabel(tr("Stop Recording"), header);
    title->setObjectName(QStringLiteral("StopTitle"));
    auto *close = new QPushButton(QStringLiteral("×"), header);
    close->setObjectName(QStringLiteral("StopCloseButton"));
    close->setFixedSize(32, 32);
    close->setCursor(Qt::PointingHandCursor);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    headerRow->addWidget(headerBadge);
    headerRow->addWidget(title);
    headerRow->addStretch();
    headerRow->addWidget(close);
    for (QWidget *w : {static_cast<QWidget *>(header), static_cast<QWidget *>(headerBadge),
                       static_cast<QWidget *>(headerSquare), static_cast<QWidget *>(title)})
        w->installEventFilter(this);
    column->addWidget(header);
    header->hide();

    auto *content = new QWidget(surface);
    content->setObjectName(QStringLiteral("StopContent"));
    auto *contentColumn = new QVBoxLayout(content);
    contentColumn->setContentsMargins(0, 10, 0, 14);
    contentColumn->setSpacing(0);
    QLabel *badge = square("StopBadge", 48, content);
    square("StopBadgeSquare", 22, badge)->move(13, 13);
    contentColumn->addWidget(badge, 0, Qt::AlignHCenter);
    contentColumn->addSpacing(10);
    auto *question = new QLabel(tr("Stop this recording?"), content);
    question->setObjectName(QStringLiteral("StopQuestion"));
    question->setFixedHeight(30);
    question->setAlignment(Qt::AlignCenter);
    contentColumn->addWidget(question);
    contentColumn->addSpacing(10);

    auto *status = new QWidget(content);
    status->setObjectName(QStringLiteral("StopStatus"));
    // 22 px, higher where the labels' glyphs need it (Chinese).
    status->setMinimumHeight(22);
    status->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    auto *statusRow = new QHBoxLayout(status);
    statusRow->setContentsMargins(0, 0, 0, 0);
    statusRow->setSpacing(18);
    statusRow->addStretch();
    // The red dot marks "Recorded" itself: a divider between them read as an empty field.
    auto *recordedPair = new QHBoxLayout;
    recordedPair->setSpacing(9);
    recordedPair->addWidget(square("StopDot", 10, status));
    auto *recorded = new QLabel(tr("Recorded"), status);
    recorded->setObjectName(QStringLiteral("StopRecordedLabel"));
    recordedPair->addWidget(recorded);
    statusRow->addLayout(recordedPair);
    statusRow->addWidget(divider(status));
    auto *elapsed = new QLabel(formatElapsed(elapsedSeconds), status);
    elapsed->setObjectName(QStringLiteral("StopElapsed"));
    statusRow->addWidget(elapsed);
    statusRow->addStretch();
    contentColumn->addWidget(status);
    contentColumn->addStretch();
    column->addWidget(content, 1);

    auto *footer = new QWidget(surface);
    footer->setObjectName(QStringLiteral("StopFooter"));
    footer->setFixedHeight(52);
    auto *footerRow = new QHBoxLayout(footer);
    // The buttons stand in the middle, with the same room on both sides in every language.
    footerRow->setContentsMargins(12, 7, 12, 7);
    footerRow->setSpacing(10);
    footerRow->addStretch();
    QPushButton *continueButton = footerButton(tr("Continue"), "StopContinueButton", footer);
    QPushButton *discardButton = footerButton(tr("Discard"), "StopDiscardButton", footer);
    QPushButton *saveButton = footerButton(tr("Save"), "StopSaveButton", footer);
    continueButton->setDefault(true);
    footerRow->addWidget(continueButton);
    footerRow->addWidget(discardButton);
    footerRow->addWidget(saveButton);
    footerRow->addStretch();
    column->addWidget(footer);
    connect(continueButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(discardButton, &QPushButton::clicked, this, [this] { done(Discard); });
    connect(saveButton, &QPushButton::clicked, this, &QDialog::accept);
    continueButton->setFocus();
}

QString StopRecordingDialog::formatElapsed(int seconds)
{
    const int hours = seconds / 3600;
    const int minutes = (seconds - hours * 3600) / 60;
    return QStringLiteral("%1:%2:%3")
        .arg(hours, 2, 10, QLatin1Char('0'))
        .arg(minutes, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

bool StopRecordingDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        startWindowMove(this, static_cast<QMouseEvent *>(event)->globalPosition().toPoint());
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void StopRecordingDialog::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && event->position().y() < DragBandHeight) {
        m_dragging = startWindowMove(this, event->globalPosition().toPoint());
        event->accept();
        return;
    }
    QWidget::mousePressEvent(event);
}

void StopRecordingDialog::mouseMoveEvent(QMouseEvent *event)
{
    // A drag in progress is carried by startWindowMove.
    QWidget::mouseMoveEvent(event);
}

void StopRecordingDialog::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_dragging = false;
    QWidget::mouseReleaseEvent(event);
}

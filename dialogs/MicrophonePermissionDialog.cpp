#include "dialogs/MicrophonePermissionDialog.h"

#include "widgets/DialogPlacement.h"

#include <QDesktopServices>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

MicrophonePermissionDialog::Services &serviceOverrides()
{
    static MicrophonePermissionDialog::Services services;
    return services;
}

QLabel *styledLabel(const QString &text, const char *style, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setStyleSheet(QString::fromLatin1(style));
    return label;
}

} // namespace

void MicrophonePermissionDialog::setServices(const Services &services)
{
    serviceOverrides() = services;
}

QString MicrophonePermissionDialog::platformSettingsLink(Permission which)
{
#if defined(Q_OS_MACOS)
    return which == ScreenRecording
               ? QStringLiteral("x-apple.systempreferences:com.apple.preference.security?Privacy_ScreenCapture")
               : QStringLiteral("x-apple.systempreferences:com.apple.preference.security?Privacy_Microphone");
#else
    // No desktop here has a privacy page for these permissions; a link of another
    // platform would be "opened" by xdg-open and show nothing.
    Q_UNUSED(which);
    return QString();
#endif
}

MicrophonePermissionDialog::MicrophonePermissionDialog(QWidget *parent, Permission which)
    : QDialog(parent)
{
    const bool screen = which == ScreenRecording;
    const Services &services = serviceOverrides();
    const QString link = services.settingsLink ? services.settingsLink(screen ? ScreenRecording : Microphone)
                                               : platformSettingsLink(screen ? ScreenRecording : Microphone);

    setWindowTitle(screen ? QDialog::tr("Enable Screen Recording") : QDialog::tr("Enable Microphone Access"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    keepDialogPositionTrue(this);
    setAttribute(Qt::WA_TranslucentBackground);
    setModal(true);

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(8, 8, 8, 8);
    auto *surface = new QFrame(this);
    surface->setObjectName(QStringLiteral("PermissionSurface"));
    surface->setStyleSheet(QStringLiteral(
        "QFrame#PermissionSurface{background:#0d1d32;border:1px solid #355675;border-radius:18px;}"
        "QLabel{background:transparent;}"));
    outer->addWidget(surface);
    auto *layout = new QVBoxLayout(surface);
    layout->setContentsMargins(20, 14, 20, 15);
    layout->setSpacing(0);

    auto *headRow = new QHBoxLayout;
    headRow->addWidget(styledLabel(windowTitle(), "color:#f3f7ff;font-size:20px;font-weight:700;", surface));
    headRow->addStretch();
    auto *close = new QPushButton(QStringLiteral("×"), surface);
    close->setAccessibleName(QDialog::tr("Close"));
    close->setFixedSize(28, 28);
    close->setStyleSheet(QStringLiteral(
        "QPushButton{background:transparent;color:#a9bdd5;border:0;font-size:24px;padding:0;min-height:28px;}"
        "QPushButton:hover{color:white;}"));
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    headRow->addWidget(close);
    layout->addLayout(headRow);

    layout->addSpacing(6);
    // Between the title and the buttons: it scrolls on a display smaller than the dialog.
    auto *page = new QWidget(surface);
    auto *pageLayout = new QVBoxLayout(page);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    pageLayout->setSpacing(0);
    pageLayout->addWidget(styledLabel(screen ? QDialog::tr("Vistrelle needs permission before it can record your screen.")
                                             : QDialog::tr("Vistrelle needs permission before it can record your voice."),
                                      "color:#9db4ce;font-size:13px;", page));
    pageLayout->addSpacing(14);

    // Illustration of the settings switch.
    auto *middle = new QHBoxLayout;
    middle->setSpacing(20);
    auto *illustration = new QFrame(page);
    illustration->setObjectName(QStringLiteral("SettingsIllustration"));
    illustration->setFixedSize(292, 180);
    illustration->setStyleSheet(QStringLiteral(
        "QFrame#SettingsIllustration{background:#eef2f6;border:1px solid #b8c8d9;border-radius:13px;}"));
    auto *illustrationLayout = new QVBoxLayout(illustration);
    illustrationLayout->setContentsMargins(13, 11, 13, 9);
    illustrationLayout->setSpacing(0);
    illustrationLayout->addWidget(styledLabel(screen ? QDialog::tr("Screen & System Audio Recording")
                                                     : QDialog::tr("Microphone"),
                                              "color:#2b3544;font-size:16px;font-weight:700;", illustration));
    illustrationLayout->itemAt(0)->widget()->setProperty("wordWrap", true);
    illustrationLayout->addSpacing(10);
    illustrationLayout->addWidget(styledLabel(screen ? QDialog::tr("Allow these apps to record your screen.")
                                                     : QDialog::tr("Allow these apps to use your microphone."),
                                              "color:#697484;font-size:10px;", illustration));
    illustrationLayout->addSpacing(10);
    auto *appRow = new QFrame(illustration);
    appRow->setObjectName(QStringLiteral("IllustratedAppRow"));
    appRow->setFixedHeight(56);
    appRow->setStyleSheet(QStringLiteral(
        "QFrame#IllustratedAppRow{background:#fff;border:1px solid #c7d3e2;border-radius:10px;}"));
    auto *appLayout = new QHBoxLayout(appRow);
    appLayout->setContentsMargins(8, 6, 8, 6);
    auto *logo = new QLabel(appRow);
    logo->setFixedSize(40, 40);
    logo->setAlignment(Qt::AlignCenter);
    logo->setPixmap(QPixmap(QStringLiteral(":/icons/icons/logo.ico"))
                        .scaled(40, 40, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    appLayout->addWidget(logo);
    appLayout->addSpacing(5);
    appLayout->addWidget(styledLabel(QStringLiteral("Vistrelle"),
                                     "color:#253248;font-size:15px;font-weight:700;", appRow));
    appLayout->addStretch();
    auto *toggle = new QFrame(appRow);
    toggle->setObjectName(QStringLiteral("IllustratedToggle"));
    toggle->setFixedSize(45, 25);
    toggle->setStyleSheet(QStringLiteral(
        "QFrame#IllustratedToggle{background:#287cff;border:0;border-radius:12px;}"));
    auto *knob = new QFrame(toggle);
    knob->setGeometry(23, 3, 19, 19);
    knob->setStyleSheet(QStringLiteral("background:white;border:0;border-radius:9px;"));
    appLayout->addWidget(toggle);
    illustrationLayout->addWidget(appRow);
    illustrationLayout->addStretch();
    illustrationLayout->addWidget(styledLabel(QDialog::tr("Illustration of macOS System Settings"),
                                              "color:#7c8fa5;font-size:10px;", illustration));
    middle->addWidget(illustration);

    auto *steps = new QVBoxLayout;
    steps->setSpacing(9);
    steps->addWidget(styledLabel(QDialog::tr("Three quick steps"),
                                 "color:#f4f8ff;font-size:17px;font-weight:700;", page));
    steps->addSpacing(4);
    const QString stepTexts[3] = {
        screen ? QDialog::tr("Open Screen Recording settings.") : QDialog::tr("Open Microphone settings."),
        QDialog::tr("Turn on Vistrelle."),
        screen ? QDialog::tr("Quit and reopen Vistrelle, then record.") : QDialog::tr("Return and start recording."),
    };
    for (int i = 0; i < 3; ++i) {
        auto *row = new QHBoxLayout;
        row->setContentsMargins(0, 0, 0, 0);
        row->setSpacing(8);
        QLabel *badge = styledLabel(QString::number(i + 1),
                                    "background:#254d7d;color:white;border-radius:13px;font-size:15px;font-weight:700;",
                                    page);
        badge->setFixedSize(27, 27);
        badge->setAlignment(Qt::AlignCenter);
        QLabel *text = styledLabel(stepTexts[i], "color:#e7effb;font-size:15px;", page);
        text->setWordWrap(true);
        row->addWidget(badge);
        row->addWidget(text, 1);
        steps->addLayout(row);
    }
    steps->addStretch();
    middle->addLayout(steps, 1);
    pageLayout->addLayout(middle);
    layout->addWidget(page, 1);

    layout->addSpacing(13);
    auto *line = new QFrame(surface);
    line->setFixedHeight(1);
    line->setStyleSheet(QStringLiteral("background:#365675;border:0;"));
    layout->addWidget(line);
    layout->addSpacing(12);

    auto *footer = new QHBoxLayout;
    QLabel *footnote = styledLabel(screen ? QDialog::tr("Restart Vistrelle after changing this setting.")
                                          : QDialog::tr("You can also turn off Microphone and record without voice."),
                                   "color:#8fa6c0;font-size:10px;", surface);
    footnote->setWordWrap(true);
    footer->addWidget(footnote, 1);
    auto *notNow = new QPushButton(QDialog::tr("Not now"), surface);
    notNow->setFixedSize(92, 32);
    notNow->setStyleSheet(QStringLiteral(
        "QPushButton{background:#172a43;color:#d9e7f8;border:1px solid #4a6788;border-radius:8px;padding:0;min-height:30px;}"
        "QPushButton:hover{background:#234262;}"));
    connect(notNow, &QPushButton::clicked, this, &QDialog::reject);
    footer->addWidget(notNow);
    if (link.isEmpty()) {
        notNow->setDefault(true);
    } else {
        auto *open = new QPushButton(QDialog::tr("Open Settings ↗"), surface);
        open->setFixedSize(144, 32);
        open->setDefault(true);
        open->setStyleSheet(QStringLiteral(
            "QPushButton{background:#2478ef;color:white;border:0;border-radius:8px;font-weight:700;padding:0;min-height:32px;}"
            "QPushButton:hover{background:#398dff;}"));
        connect(open, &QPushButton::clicked, this, [this, screen] { openSettings(screen); });
        footer->addWidget(open);
    }
    layout->addLayout(footer);

    // The fonts here run taller than the ones the size was drawn for: grow rather than
    // squeeze the buttons. Smaller on a smaller display, the page scrolling.
    fitToDisplay(this, QSize(680, std::max(370, outer->totalMinimumSize().height())), page);
}

void MicrophonePermissionDialog::openSettings(bool screenRecording)
{
    const Services &services = serviceOverrides();
    const Permission kind = screenRecording ? ScreenRecording : Microphone;
    const QUrl url(services.settingsLink ? services.settingsLink(kind) : platformSettingsLink(kind));
    const bool opened = !url.isEmpty()
                        && (services.openUrl ? services.openUrl(url) : QDesktopServices::openUrl(url));
    if (opened) {
        accept();
        return;
    }
    QMessageBox::warning(this, windowTitle(),
                         screenRecording
                             ? QDialog::tr("Open System Settings > Privacy & Security > Screen & System Audio Recording and allow Vistrelle.")
                             : QDialog::tr("Open System Settings > Privacy & Security > Microphone and allow Vistrelle."),
                         QMessageBox::Ok);
}

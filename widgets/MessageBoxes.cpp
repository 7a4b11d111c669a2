#include "widgets/MessageBoxes.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QUrl>

#include <algorithm>

// The words of message boxes' Yes and No buttons are Qt's own, translated in Qt's context
// "QPlatformTheme". The program's translation gives them as well (it is installed after
// Qt's and wins), so that a language can go without Qt's keyboard mnemonic: in Arabic the
// underlined letter is shaped apart from the rest of its word ("ن عم", "ل ا").
[[maybe_unused]] static const char *const kStandardButtonWords[] = {
    QT_TRANSLATE_NOOP("QPlatformTheme", "&Yes"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "&No"),
};

bool openContainingFolder(const QString &path, QWidget *parent)
{
    const QFileInfo info(path);
    const QString folder = info.isDir() ? info.absoluteFilePath() : info.absolutePath();
    if (folder.isEmpty())
        return false;
    if (QDesktopServices::openUrl(QUrl::fromLocalFile(folder)))
        return true;
    qWarning().noquote() << "[Media library] The desktop could not open the folder" << folder;
    showLibraryWarning(parent, QCoreApplication::translate("Common", "Open Folder"),
                       QCoreApplication::translate("Common", "无法打开文件夹：\n%1").arg(QDir::toNativeSeparators(folder)));
    return false;
}

void showOpenFolderMessage(QWidget *parent, const QString &title, const QString &text, const QString &path)
{
    QMessageBox box(QMessageBox::Information, title, text, QMessageBox::NoButton, parent);
    box.setMinimumHeight(230);
    QPushButton *open = box.addButton(QCoreApplication::translate("Common", "Open Folder"), QMessageBox::ActionRole);
    box.addButton(QMessageBox::Ok);
    QTimer::singleShot(0, &box, [&box] {
        if (box.height() < 230)
            box.resize(box.width(), 230);
    });
    widenMessageBox(box);
    box.exec();
    if (box.clickedButton() == open)
        openContainingFolder(path, parent);
}

namespace {

void showWideBox(QMessageBox::Icon icon, QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
    widenMessageBox(box);
    box.exec();
}

} // namespace

void showLibraryWarning(QWidget *parent, const QString &title, const QString &text)
{
    showWideBox(QMessageBox::Warning, parent, title, text);
}

void showLibraryInformation(QWidget *parent, const QString &title, const QString &text)
{
    showWideBox(QMessageBox::Information, parent, title, text);
}

namespace {

// Words wider than `room` (a long file name without spaces) get a break opportunity, a
// zero-width space, after each character, so that they wrap instead of being cut off.
QString breakableWords(const QString &text, const QFontMetrics &metrics, int room)
{
    static const QRegularExpression word(QStringLiteral("[^\\s/]+"));
    QString out;
    qsizetype last = 0;
    for (auto it = word.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        out += text.mid(last, match.capturedStart() - last);
        const QString found = match.captured();
        if (metrics.horizontalAdvance(found) <= room) {
            out += found;
        } else {
            for (qsizetype i = 0; i < found.size(); ++i) {
                out += found.at(i);
                if (i + 1 < found.size() && !found.at(i).isHighSurrogate())
                    out += QChar(0x200B);
            }
        }
        last = match.capturedEnd();
    }
    return out + text.mid(last);
}

} // namespace

int widestMessageBox(int availableWidth)
{
    // QMessageBox holds itself to min(width - 480, 1000) px, or the whole width of a screen
    // up to 1024 px wide, whatever its layout needs: wider contents are cut at its edge. The
    // window manager's frame needs some room beside it too.
    const int boxLimit = availableWidth <= 1024 ? availableWidth : std::min(availableWidth - 480, 1000);
    return std::min(boxLimit, availableWidth - 80);
}

void widenMessageBox(QMessageBox &box)
{
    // The box makes itself as wide as its layout's minimum (and its title plus 50 px, too
    // little beside the window manager's buttons, about 140 px): empty items of the wanted
    // widths raise that minimum, within the screen.
    auto *grid = qobject_cast<QGridLayout *>(box.layout());
    if (!grid)
        return;
    const QScreen *screen = box.screen();
    const int most = screen ? widestMessageBox(screen->availableGeometry().width()) : 920;
    const int row = grid->rowCount();
    const QMargins margins = grid->contentsMargins();
    auto *label = box.findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
    // What the box needs beside its text: margins, icon and the space between them.
    const auto *icon = box.findChild<QLabel *>(QStringLiteral("qt_msgboxex_icon_label"));
    const int beside = margins.left() + margins.right() + std::max(0, grid->horizontalSpacing())
        + (icon ? icon->sizeHint().width() : 0) + 8;
    const int title = box.fontMetrics().horizontalAdvance(box.windowTitle()) + 160 - margins.left() - margins.right();
    grid->addItem(new QSpacerItem(std::min(title, most - margins.left() - margins.right()), 0), row, 0, 1,
                  grid->columnCount());
    const int at = label ? grid->indexOf(label) : -1;
    if (at < 0)
        return;
    static const QRegularExpression breaks(QStringLiteral("[\\s/]+"));
    int longest = 0;
    for (const QString &word : label->text().split(breaks, Qt::SkipEmptyParts))
        longest = std::max(longest, label->fontMetrics().horizontalAdvance(word));
    const int room = most - beside - 8;
    if (longest > room) {
        label->setText(breakableWords(label->text(), label->fontMetrics(), room));
        longest = room;
    }
    int labelRow = 0;
    int column = 0;
    int rowSpan = 0;
    int columnSpan = 0;
    grid->getItemPosition(at, &labelRow, &column, &rowSpan, &columnSpan);
    grid->addItem(new QSpacerItem(std::min(longest + 8, most - beside), 0), row + 1, column, 1, columnSpan);
}

void stackButtonsWhenNarrow(QMessageBox &box)
{
    auto *buttons = box.findChild<QDialogButtonBox *>();
    const QScreen *screen = box.screen();
    if (!buttons || !screen || !box.layout())
        return;
    const QMargins margins = box.layout()->contentsMargins();
    const int spacing = std::max(0, box.style()->pixelMetric(QStyle::PM_LayoutHorizontalSpacing, nullptr, buttons));
    int wanted = margins.left() + margins.right();
    for (const QAbstractButton *button : buttons->buttons())
        wanted += button->sizeHint().width() + spacing;
    if (wanted > widestMessageBox(screen->availableGeometry().width()))
        buttons->setOrientation(Qt::Vertical);
}

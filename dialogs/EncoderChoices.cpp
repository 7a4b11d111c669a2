#include "dialogs/EncoderChoices.h"

#include "recording/EncoderProbe.h"

#include <QComboBox>
#include <QFutureWatcher>
#include <QStandardItemModel>
#include <QStringList>
#include <QtConcurrent>

namespace {

std::function<bool(const QString &)> &probeOverride()
{
    static std::function<bool(const QString &)> probe;
    return probe;
}

} // namespace

void setEncoderListProbe(std::function<bool(const QString &)> works)
{
    probeOverride() = std::move(works);
}

void markUnavailableEncoders(QComboBox *combo)
{
    std::function<bool(const QString &)> works = probeOverride();
    if (!works)
        works = [](const QString &encoder) { return EncoderProbe::shared().works(encoder); };
    auto *model = qobject_cast<QStandardItemModel *>(combo->model());
    QStringList names;
    for (int i = 0; i < combo->count(); ++i) {
        const QString name = combo->itemData(i).toString();
        if (name == QLatin1String("auto") || name == QLatin1String("libx264"))
            continue;
        names << name;
        // Not a choice until its test encode has passed: a list opened before the answer
        // offers no encoder that may not work.
        if (model)
            model->item(i)->setEnabled(false);
    }
    // The watcher goes with the list: answers that come after it are dropped.
    auto *watcher = new QFutureWatcher<QStringList>(combo);
    QObject::connect(watcher, &QFutureWatcher<QStringList>::finished, combo, [combo, model, watcher] {
        for (const QString &name : watcher->result())
            if (const int index = combo->findData(name); model && index >= 0)
                model->item(index)->setEnabled(true);
        watcher->deleteLater();
    });
    watcher->setFuture(QtConcurrent::run([names, works = std::move(works)] {
        QStringList available;
        for (const QString &name : names)
            if (works(name))
                available << name;
        return available;
    }));
}

#include "recording/FfmpegEscape.h"

#include <QDir>
#include <QFile>

namespace {

QString backslashEscape(const QString &text, const QString &special)
{
    QString out;
    out.reserve(text.size() + 8);
    for (const QChar c : text) {
        if (special.contains(c) || c.isSpace())
            out.append(QLatin1Char('\\'));
        out.append(c);
    }
    return out;
}

} // namespace

QString FfmpegEscape::concatListLine(const QString &path)
{
    QString quoted = QDir::toNativeSeparators(path);
    quoted.replace(QLatin1String("'"), QLatin1String("'\\''"));
    return QStringLiteral("file '%1'\n").arg(quoted);
}

bool FfmpegEscape::writeConcatList(const QString &listPath, const QStringList &files, QString *error)
{
    return writeConcatList(listPath, files, {}, error);
}

bool FfmpegEscape::writeConcatList(const QString &listPath, const QStringList &files, const QList<Span> &spans,
                                   QString *error)
{
    for (const QString &f : files) {
        if (f.contains(QLatin1Char('\n')) || f.contains(QLatin1Char('\r'))) {
            if (error)
                *error = QStringLiteral("A segment path contains a line break: %1").arg(f);
            return false;
        }
    }
    QFile list(listPath);
    if (!list.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        if (error)
            *error = list.errorString();
        return false;
    }
    QByteArray content;
    for (qsizetype i = 0; i < files.size(); ++i) {
        content += concatListLine(files.at(i)).toUtf8();
        const Span span = spans.value(i);
        if (span.start >= 0 && span.length > 0) {
            content += "inpoint " + QByteArray::number(span.start, 'f', 6) + '\n';
            content += "duration " + QByteArray::number(span.length, 'f', 6) + '\n';
        }
    }
    if (list.write(content) != content.size() || !list.flush()) {
        if (error)
            *error = list.errorString();
        return false;
    }
    list.close();
    return true;
}

QString FfmpegEscape::filterOptionValue(const QString &value)
{
    // Blanks need no escape at this level; the second level protects them.
    QString out;
    for (const QChar c : value) {
        if (c == QLatin1Char('\\') || c == QLatin1Char('\'') || c == QLatin1Char(':'))
            out.append(QLatin1Char('\\'));
        out.append(c);
    }
    return out;
}

QString FfmpegEscape::filterGraphText(const QString &text)
{
    return backslashEscape(text, QStringLiteral("\\'[],;"));
}

QString FfmpegEscape::filterGraphPath(const QString &path)
{
    return filterGraphText(filterOptionValue(QDir::toNativeSeparators(path)));
}

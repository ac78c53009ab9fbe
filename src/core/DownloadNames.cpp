#include "core/DownloadNames.h"

#include <QDir>
#include <QStandardPaths>

QString DownloadNames::DefaultFolder()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
    if (!folder.isEmpty())
        return folder;
    return QDir::homePath() + QStringLiteral("/Downloads");
}

QString DownloadNames::SafeName(const QString& suggested)
{
    QString name = suggested;
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    name = name.section(QLatin1Char('/'), -1);
    QString kept;
    for (const QChar c : name) {
        if (c.unicode() >= 0x20 && !QStringLiteral(":*?\"<>|").contains(c))
            kept += c;
    }
    kept = kept.trimmed();
    // Dots alone name folders, and a leading dot hides the file.
    while (kept.startsWith(QLatin1Char('.')))
        kept.remove(0, 1);
    return kept.isEmpty() ? QStringLiteral("download") : kept;
}

QString DownloadNames::UniquePath(const QString& folder, const QString& name,
                                  const std::function<bool(const QString&)>& taken)
{
    const QDir dir(folder);
    QString path = dir.filePath(name);
    if (!taken(path))
        return path;
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const QString stem = dot > 0 ? name.left(dot) : name;
    const QString suffix = dot > 0 ? name.mid(dot) : QString();
    for (int n = 1;; ++n) {
        path = dir.filePath(QStringLiteral("%1 (%2)%3").arg(stem, QString::number(n), suffix));
        if (!taken(path))
            return path;
    }
}

QString DownloadNames::SizeText(qint64 bytes)
{
    constexpr qint64 kKilo = 1024;
    if (bytes < kKilo)
        return QStringLiteral("%1 バイト").arg(qMax<qint64>(bytes, 0));
    const char* units[] = {"KB", "MB", "GB", "TB"};
    double value = double(bytes) / kKilo;
    int unit = 0;
    while (value >= kKilo && unit < 3) {
        value /= kKilo;
        ++unit;
    }
    return QStringLiteral("%1 %2").arg(value, 0, 'f', 1).arg(QLatin1String(units[unit]));
}

QString DownloadNames::ProgressText(const QString& name, qint64 received, qint64 total)
{
    if (total <= 0)
        return QStringLiteral("ダウンロード中: %1 (%2)").arg(name, SizeText(received));
    const int percent = int(qBound(qint64(0), received * 100 / total, qint64(100)));
    return QStringLiteral("ダウンロード中: %1 %2% (%3 / %4)")
        .arg(name, QString::number(percent), SizeText(received), SizeText(total));
}

QString DownloadNames::FinishedText(const QString& name, qint64 bytes)
{
    return QStringLiteral("ダウンロードが完了しました: %1 (%2)").arg(name, SizeText(bytes));
}

QString DownloadNames::FailedText(const QString& name, const QString& reason)
{
    if (reason.isEmpty())
        return QStringLiteral("ダウンロードに失敗しました: %1").arg(name);
    return QStringLiteral("ダウンロードに失敗しました: %1 (%2)").arg(name, reason);
}

QString DownloadNames::CancelledText(const QString& name)
{
    return QStringLiteral("ダウンロードを中止しました: %1").arg(name);
}

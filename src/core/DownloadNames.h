#pragma once

#include <QString>

#include <functional>

// Where a download goes and how the status bar speaks of it.
class DownloadNames {
public:
    // The user's download folder; ~/Downloads when the system names none.
    static QString DefaultFolder();

    // The server's suggestion as a plain file name: folder parts and characters
    // that file systems refuse dropped; "download" when nothing is left.
    static QString SafeName(const QString& suggested);

    // folder/name, or "stem (n).ext" in folder with the smallest free n, so an
    // existing file (or one another download is writing) is never proposed.
    static QString UniquePath(const QString& folder, const QString& name,
                              const std::function<bool(const QString&)>& taken);

    static QString SizeText(qint64 bytes);
    // total is 0 or less when the server did not say.
    static QString ProgressText(const QString& name, qint64 received, qint64 total);
    static QString FinishedText(const QString& name, qint64 bytes);
    static QString FailedText(const QString& name, const QString& reason);
    static QString CancelledText(const QString& name);
};

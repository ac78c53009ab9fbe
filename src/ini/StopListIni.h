#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// The forbidden address and title lists: StopUrl.ini [StopUrl] and
// StopTitle.ini [StopTitle], each with its switch in [Security] `check`.
// `count` holds the highest index in use, "0" … "count" one entry each. Lists
// made by Append start at "1"; lists rewritten by the list dialogs start at
// "0". Both are read alike, gaps and empty values skipped. Read anew on every
// call.
class StopListIni {
public:
    static StopListIni Url();
    static StopListIni Title();

    // Read sizes: entries longer than size - 1 bytes are cut.
    static constexpr int kUrlSize = 1040;
    static constexpr int kTitleSize = 780;

    // [Security] `check`: 1 puts the list in force; the menu checks any
    // non-zero value. The toggle returns the value now stored.
    int Check() const;
    int ToggleCheck() const;

    // The entries of indices 0 … count in index order, as stored (code page
    // 932; Cp932::ToUnicodeKeepingAll gives their text).
    QList<QByteArray> Load() const;

    // Appends at count + 1 (missing count = 0) and writes the new count; an
    // address is stored encoded. False when nothing could be written.
    bool Append(const QString& value) const;

    // Deletes the section and writes the entries as "0" … N - 1 with
    // count = N - 1; an empty list leaves no section at all.
    bool Rewrite(const QList<QByteArray>& entries) const;

    // [Security] `check` as the tab page writes it.
    bool SetCheck(bool on) const;

private:
    StopListIni(const char* file, const char* section, int entrySize);
    QString Path() const;

    const char* m_file;
    const char* m_section;
    int m_entrySize;
};

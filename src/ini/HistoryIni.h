#pragma once

#include <QString>
#include <QStringList>

// The two history files of the bars: Address.ini [address] and
// Searchstring.ini [Searchstring]. Index 0 is the newest entry; the count key
// holds the index of the last one.
class HistoryIni {
public:
    static HistoryIni Address();
    static HistoryIni Searchstring();

    // Entries as stored, at most Capacity() of them. The address file ends at
    // its first empty value; the search file keeps empty values, so a missing
    // file gives one empty entry.
    QStringList Load() const;
    // Writes the first Capacity() entries. The address file is emptied first;
    // the search file keeps keys beyond the ones written.
    void Save(const QStringList& entries) const;
    // Removes the section; false when the file could not be written.
    bool Clear() const;

    int Capacity() const { return m_capacity; }

private:
    enum class EmptyValue { Ends, Kept };
    enum class BeforeSave { DeleteSection, KeepSection };

    HistoryIni(const char* file, const char* section, const char* countKey, int valueSize,
               int capacity, EmptyValue empty, BeforeSave beforeSave);
    QString Path() const;

    const char* m_file;
    const char* m_section;
    const char* m_countKey;
    int m_valueSize;
    int m_capacity;
    EmptyValue m_empty;
    BeforeSave m_beforeSave;
};

#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>

// The settings store: INI files in code page 932 with CR LF lines, read anew on
// every call and written at once. Names and results follow the Windows profile
// functions the settings were first written with, so files from that era read
// back unchanged.

// Longest settings path accepted, in characters; anything longer reads as the
// default and is never written.
constexpr int kMaxSettingsPath = 259;

// The key's value as a decimal number (leading digits, none = 0); default when
// the file, section or key is missing or the value is empty.
int GetPrivateProfileIntA(const char* section, const char* key, int defaultValue,
                          const QString& path);

// Copies the value (or the default) into buffer, cut to size - 1 bytes, and
// returns the number of bytes copied. A null key lists the section's key names,
// a null section the file's section names, each ended by a zero byte.
unsigned long GetPrivateProfileStringA(const char* section, const char* key,
                                       const char* defaultValue, char* buffer, unsigned long size,
                                       const QString& path);

// Sets the key, creating file and section when missing. A null key deletes the
// section, a null value deletes the key. False when nothing could be written.
bool WritePrivateProfileStringA(const char* section, const char* key, const char* value,
                                const QString& path);

namespace ProfileStore {

// The value as bytes, cut to size - 1 bytes as the buffer call would.
QByteArray GetString(const char* section, const char* key, const char* defaultValue, int size,
                     const QString& path);

// The value decoded from code page 932.
QString GetText(const char* section, const char* key, const QString& defaultValue, int size,
                const QString& path);

// Writes text encoded as code page 932 ("?" for what it cannot hold).
bool WriteText(const char* section, const char* key, const QString& value, const QString& path);

bool WriteInt(const char* section, const char* key, int value, const QString& path);

QList<QByteArray> SectionNames(const QString& path);
QList<QByteArray> KeyNames(const char* section, const QString& path);

// The file on disk that path names, its name matched without regard to case;
// path itself when no such file exists yet.
QString ResolvePath(const QString& path);

// A record or list written as a whole: the file is read once, the writes are
// made in their order with the results of the calls above, and the file is
// replaced once, so the record is written entirely or not at all.
class Batch {
public:
    explicit Batch(const QString& path);

    Batch& Set(const char* section, const char* key, const QByteArray& value);
    // Encoded as code page 932 ("?" for what it cannot hold).
    Batch& SetText(const char* section, const char* key, const QString& value);
    Batch& SetInt(const char* section, const char* key, int value);
    Batch& RemoveKey(const char* section, const char* key);
    Batch& RemoveSection(const char* section);

    // False when the file could not be written; it is then left as it was.
    bool Commit();

private:
    struct Write {
        QByteArray section;
        QByteArray key;
        QByteArray value;
        bool remove = false;
    };
    QString m_path;
    QList<Write> m_writes;
};

// Called after the new contents are written to the temporary file and before it
// replaces the old one; returning false abandons the write. For tests only.
void SetBeforeReplaceHook(std::function<bool(const QString& path)> hook);

} // namespace ProfileStore

#include "core/ProfileStore.h"

#include "core/Cp932.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::function<bool(const QString&)>& BeforeReplaceHook()
{
    static std::function<bool(const QString&)> hook;
    return hook;
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v';
}

enum class LineKind { Blank, Comment, Section, Key };

// One line of an INI file as offsets into the file's bytes.
struct IniLine {
    qsizetype start = 0;   // first byte of the line
    qsizetype textEnd = 0; // end of the line's text, before any CR
    qsizetype next = 0;    // first byte of the following line
    bool hasNewline = false;
    LineKind kind = LineKind::Blank;
    qsizetype nameStart = 0;
    qsizetype nameLen = 0;
    qsizetype valueStart = 0;
    qsizetype valueLen = 0;
};

// Walks the lines of a file the way the Windows profile functions parse them:
// blanks around names and values are dropped, ";" starts a comment, a line
// starting with "[" and holding a "]" is a section header, anything else is a
// key with an optional "=" and value.
class LineCursor {
public:
    explicit LineCursor(const QByteArray& data) : m_d(data.constData()), m_n(data.size()) {}

    bool next(IniLine& line)
    {
        if (m_pos >= m_n)
            return false;
        line = IniLine();
        line.start = m_pos;
        const void* nl = memchr(m_d + m_pos, '\n', static_cast<size_t>(m_n - m_pos));
        qsizetype end = nl ? static_cast<const char*>(nl) - m_d : m_n;
        line.hasNewline = nl != nullptr;
        line.next = nl ? end + 1 : m_n;
        line.textEnd = (end > m_pos && m_d[end - 1] == '\r') ? end - 1 : end;
        m_pos = line.next;
        classify(line, end);
        return true;
    }

private:
    void classify(IniLine& line, qsizetype end) const
    {
        qsizetype b = line.start;
        while (b < end && IsBlank(m_d[b]))
            ++b;
        qsizetype e = end;
        while (e > b && IsBlank(m_d[e - 1]))
            --e;
        if (b == e)
            return;
        if (m_d[b] == ';') {
            line.kind = LineKind::Comment;
            return;
        }
        if (m_d[b] == '[') {
            qsizetype close = lastCloseBracket(b + 1, e);
            if (close >= 0) {
                line.kind = LineKind::Section;
                trimmed(b + 1, close, line.nameStart, line.nameLen);
                return;
            }
        }
        line.kind = LineKind::Key;
        const void* eq = memchr(m_d + b, '=', static_cast<size_t>(e - b));
        if (!eq) {
            trimmed(b, e, line.nameStart, line.nameLen);
            line.valueStart = e;
            return;
        }
        qsizetype at = static_cast<const char*>(eq) - m_d;
        trimmed(b, at, line.nameStart, line.nameLen);
        trimmed(at + 1, e, line.valueStart, line.valueLen);
    }

    // The last "]" that is a character of its own, not the trail byte of one.
    qsizetype lastCloseBracket(qsizetype from, qsizetype to) const
    {
        qsizetype found = -1;
        for (qsizetype i = from; i < to; ++i) {
            auto c = static_cast<unsigned char>(m_d[i]);
            if (Cp932::IsLeadByte(c))
                ++i;
            else if (c == ']')
                found = i;
        }
        return found;
    }

    void trimmed(qsizetype b, qsizetype e, qsizetype& start, qsizetype& len) const
    {
        while (b < e && IsBlank(m_d[b]))
            ++b;
        while (e > b && IsBlank(m_d[e - 1]))
            --e;
        start = b;
        len = e - b;
    }

    const char* m_d;
    qsizetype m_n;
    qsizetype m_pos = 0;
};

bool NameIs(const QByteArray& data, qsizetype start, qsizetype len, const char* name)
{
    return Cp932::NamesEqual(data.constData() + start, static_cast<int>(len), name,
                             static_cast<int>(strlen(name)));
}

QByteArray TrimmedName(const char* name)
{
    QByteArray n(name);
    qsizetype b = 0;
    qsizetype e = n.size();
    while (b < e && IsBlank(n[b]))
        ++b;
    while (e > b && IsBlank(n[e - 1]))
        --e;
    return n.mid(b, e - b);
}

bool PathAccepted(const QString& path)
{
    return !path.isEmpty() && path.size() <= kMaxSettingsPath;
}

enum class ReadResult { Read, Missing, Failed };

ReadResult ReadFileResult(const QString& path, QByteArray& data)
{
    if (!PathAccepted(path))
        return ReadResult::Failed;
    // The exact name first: the case-insensitive lookup lists the directory.
    // Non-blocking, so that a pipe in a file's place cannot stop the program.
    constexpr int kFlags = O_RDONLY | O_CLOEXEC | O_NONBLOCK;
    int fd = open(QFile::encodeName(path).constData(), kFlags);
    if (fd < 0 && errno == ENOENT)
        fd = open(QFile::encodeName(ProfileStore::ResolvePath(path)).constData(), kFlags);
    if (fd < 0)
        return errno == ENOENT || errno == ENOTDIR ? ReadResult::Missing : ReadResult::Failed;
    struct stat st {};
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        close(fd);
        return ReadResult::Failed;
    }
    data.resize(static_cast<qsizetype>(st.st_size));
    qsizetype got = 0;
    bool failed = false;
    while (got < data.size()) {
        ssize_t r = read(fd, data.data() + got, static_cast<size_t>(data.size() - got));
        if (r < 0 && errno == EINTR)
            continue;
        failed = r < 0;
        if (r <= 0)
            break;
        got += r;
    }
    close(fd);
    data.truncate(got);
    return failed ? ReadResult::Failed : ReadResult::Read;
}

bool ReadFile(const QString& path, QByteArray& data)
{
    return ReadFileResult(path, data) == ReadResult::Read;
}

// Finds key in the first section named section; -1 in keyLine.start when missing.
// Returns false when the section itself is missing.
bool FindKey(const QByteArray& data, const char* section, const char* key, IniLine& keyLine)
{
    QByteArray sec = TrimmedName(section);
    LineCursor cursor(data);
    IniLine line;
    bool inSection = false;
    bool sectionFound = false;
    keyLine.start = -1;
    while (cursor.next(line)) {
        if (line.kind == LineKind::Section) {
            if (inSection)
                return true;
            inSection = NameIs(data, line.nameStart, line.nameLen, sec.constData());
            sectionFound = sectionFound || inSection;
        } else if (inSection && key && line.kind == LineKind::Key &&
                   NameIs(data, line.nameStart, line.nameLen, key)) {
            keyLine = line;
            return true;
        }
    }
    return sectionFound;
}

QByteArray StripQuotes(const QByteArray& value)
{
    if (value.size() >= 2 && (value[0] == '"' || value[0] == '\'') &&
        value[value.size() - 1] == value[0])
        return value.mid(1, value.size() - 2);
    return value;
}

QByteArray DefaultValue(const char* defaultValue)
{
    QByteArray d(defaultValue ? defaultValue : "");
    qsizetype e = d.size();
    while (e > 0 && d[e - 1] == ' ')
        --e;
    d.truncate(e);
    return d;
}

QByteArray NameList(const QList<QByteArray>& names)
{
    QByteArray out;
    for (const QByteArray& n : names) {
        out += n;
        out += '\0';
    }
    return out;
}

// Copies a double-zero-terminated list; a list that does not fit is cut and
// still ends in two zero bytes, as the Windows call does (result size - 2).
unsigned long CopyList(const QByteArray& list, char* buffer, unsigned long size)
{
    if (size < 2) {
        if (size == 1)
            buffer[0] = '\0';
        return 0;
    }
    if (static_cast<unsigned long>(list.size()) + 1 <= size) {
        memcpy(buffer, list.constData(), static_cast<size_t>(list.size()));
        buffer[list.size()] = '\0';
        return static_cast<unsigned long>(list.size());
    }
    memcpy(buffer, list.constData(), size - 2);
    buffer[size - 2] = '\0';
    buffer[size - 1] = '\0';
    return size - 2;
}

// A value must stay on its line: a line break in it would forge keys.
QByteArray OneLine(const char* value)
{
    QByteArray v(value);
    for (char& c : v)
        if (c == '\r' || c == '\n')
            c = ' ';
    return v;
}

bool WriteAll(int fd, const QByteArray& contents)
{
    qsizetype done = 0;
    while (done < contents.size()) {
        ssize_t w =
            write(fd, contents.constData() + done, static_cast<size_t>(contents.size() - done));
        if (w < 0 && errno == EINTR)
            continue;
        if (w <= 0)
            return false;
        done += w;
    }
    return true;
}

// Writes a temporary file beside the target and renames it over the target, so
// a crash at any point leaves either the old file or the new one, never half.
// No fsync: it would cost ten times the rest of the write, and the file systems
// we run on commit the data of a file renamed over another before the rename.
bool Replace(const QString& path, const QByteArray& contents)
{
    QString target = ProfileStore::ResolvePath(path);
    // A settings file kept elsewhere behind a link stays there.
    const QFileInfo link(target);
    if (link.isSymLink() && link.exists())
        target = link.canonicalFilePath();
    const QByteArray targetName = QFile::encodeName(target);
    QByteArray temp = targetName + ".XXXXXX";
    int fd = mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat st {};
    mode_t mode = 0644;
    if (stat(targetName.constData(), &st) == 0)
        mode = st.st_mode & 07777;
    else {
        mode_t mask = umask(0);
        umask(mask);
        mode = 0666 & ~mask;
    }
    bool ok = fchmod(fd, mode) == 0 && WriteAll(fd, contents);
    ok = close(fd) == 0 && ok;
    if (ok && BeforeReplaceHook())
        ok = BeforeReplaceHook()(target);
    if (ok)
        ok = rename(temp.constData(), targetName.constData()) == 0;
    if (!ok)
        unlink(temp.constData());
    return ok;
}

QByteArray DeleteSections(const QByteArray& data, const QByteArray& sec, bool& changed)
{
    QByteArray out;
    out.reserve(data.size());
    LineCursor cursor(data);
    IniLine line;
    bool dropping = false;
    while (cursor.next(line)) {
        if (line.kind == LineKind::Section)
            dropping = NameIs(data, line.nameStart, line.nameLen, sec.constData());
        if (dropping)
            changed = true;
        else
            out.append(data.constData() + line.start, line.next - line.start);
    }
    return out;
}

// Where a new key of the section starts: after its last non-blank line.
qsizetype InsertPoint(const QByteArray& data, const QByteArray& sec, bool& needsNewline)
{
    LineCursor cursor(data);
    IniLine line;
    bool inSection = false;
    qsizetype point = -1;
    while (cursor.next(line)) {
        if (line.kind == LineKind::Section) {
            if (inSection)
                break;
            inSection = NameIs(data, line.nameStart, line.nameLen, sec.constData());
        }
        if (inSection && line.kind != LineKind::Blank) {
            point = line.next;
            needsNewline = !line.hasNewline;
        }
    }
    return point;
}

// A file that is there but cannot be read is kept as it is, not replaced by
// one holding only what is written now.
bool ReadForWrite(const QString& path, QByteArray& data)
{
    return PathAccepted(path) && ReadFileResult(path, data) != ReadResult::Failed;
}

// One profile write on the file's bytes; true when they changed.
bool ApplyWrite(QByteArray& data, const char* section, const char* key, const char* value)
{
    const QByteArray sec = TrimmedName(section);
    if (!key) {
        bool changed = false;
        data = DeleteSections(data, sec, changed);
        return changed;
    }
    const QByteArray newValue = value ? OneLine(value) : QByteArray();
    IniLine line;
    const bool sectionFound = FindKey(data, section, key, line);
    if (line.start >= 0) {
        if (!value) {
            data.remove(line.start, line.next - line.start);
            return true;
        }
        const QByteArray text = data.mid(line.nameStart, line.nameLen) + '=' + newValue;
        if (text == data.mid(line.start, line.textEnd - line.start))
            return false;
        data.replace(line.start, line.textEnd - line.start, text);
        return true;
    }
    if (!value)
        return false;
    if (sectionFound) {
        bool needsNewline = false;
        const qsizetype at = InsertPoint(data, sec, needsNewline);
        data.insert(at, (needsNewline ? QByteArray("\r\n") : QByteArray()) + TrimmedName(key) +
                            '=' + newValue + "\r\n");
        return true;
    }
    if (!data.isEmpty() && !data.endsWith('\n'))
        data += "\r\n";
    data += '[' + sec + "]\r\n" + TrimmedName(key) + '=' + newValue + "\r\n";
    return true;
}

} // namespace

int GetPrivateProfileIntA(const char* section, const char* key, int defaultValue,
                          const QString& path)
{
    QByteArray v = ProfileStore::GetString(section, key, "", 1040, path);
    if (v.isEmpty())
        return defaultValue;
    qsizetype i = 0;
    while (i < v.size() && IsBlank(v[i]))
        ++i;
    bool negative = false;
    if (i < v.size() && (v[i] == '-' || v[i] == '+')) {
        negative = v[i] == '-';
        ++i;
    }
    long long n = 0;
    for (; i < v.size() && v[i] >= '0' && v[i] <= '9'; ++i)
        n = std::min<long long>(n * 10 + (v[i] - '0'), 0xFFFFFFFFLL);
    // The Windows call returns an unsigned int; callers keep it in an int.
    return static_cast<int>(static_cast<unsigned int>(negative ? -n : n));
}

unsigned long GetPrivateProfileStringA(const char* section, const char* key,
                                       const char* defaultValue, char* buffer, unsigned long size,
                                       const QString& path)
{
    if (!buffer || size == 0)
        return 0;
    if (!section)
        return CopyList(NameList(ProfileStore::SectionNames(path)), buffer, size);
    if (!key)
        return CopyList(NameList(ProfileStore::KeyNames(section, path)), buffer, size);
    QByteArray v =
        ProfileStore::GetString(section, key, defaultValue,
                                static_cast<int>(std::min<unsigned long>(size, 1u << 30)), path);
    memcpy(buffer, v.constData(), static_cast<size_t>(v.size()));
    buffer[v.size()] = '\0';
    return static_cast<unsigned long>(v.size());
}

bool WritePrivateProfileStringA(const char* section, const char* key, const char* value,
                                const QString& path)
{
    if (!section)
        return false;
    QByteArray data;
    if (!ReadForWrite(path, data))
        return false;
    return !ApplyWrite(data, section, key, value) || Replace(path, data);
}

namespace ProfileStore {

QByteArray GetString(const char* section, const char* key, const char* defaultValue, int size,
                     const QString& path)
{
    if (size <= 0)
        return QByteArray();
    QByteArray value = DefaultValue(defaultValue);
    QByteArray data;
    if (section && key && ReadFile(path, data)) {
        IniLine line;
        if (FindKey(data, section, key, line) && line.start >= 0)
            value = StripQuotes(data.mid(line.valueStart, line.valueLen));
    }
    if (value.size() > size - 1)
        value.truncate(size - 1);
    return value;
}

QString GetText(const char* section, const char* key, const QString& defaultValue, int size,
                const QString& path)
{
    QByteArray def = Cp932::FromUnicode(defaultValue);
    return Cp932::ToUnicode(GetString(section, key, def.constData(), size, path));
}

bool WriteText(const char* section, const char* key, const QString& value, const QString& path)
{
    return WritePrivateProfileStringA(section, key, Cp932::FromUnicode(value).constData(), path);
}

bool WriteInt(const char* section, const char* key, int value, const QString& path)
{
    return WritePrivateProfileStringA(section, key, QByteArray::number(value).constData(), path);
}

QList<QByteArray> SectionNames(const QString& path)
{
    QList<QByteArray> names;
    QByteArray data;
    if (!ReadFile(path, data))
        return names;
    LineCursor cursor(data);
    IniLine line;
    while (cursor.next(line))
        if (line.kind == LineKind::Section)
            names.append(data.mid(line.nameStart, line.nameLen));
    return names;
}

QList<QByteArray> KeyNames(const char* section, const QString& path)
{
    QList<QByteArray> names;
    QByteArray data;
    if (!section || !ReadFile(path, data))
        return names;
    QByteArray sec = TrimmedName(section);
    LineCursor cursor(data);
    IniLine line;
    bool inSection = false;
    while (cursor.next(line)) {
        if (line.kind == LineKind::Section) {
            if (inSection)
                break;
            inSection = NameIs(data, line.nameStart, line.nameLen, sec.constData());
        } else if (inSection && line.kind == LineKind::Key) {
            names.append(data.mid(line.nameStart, line.nameLen));
        }
    }
    return names;
}

QString ResolvePath(const QString& path)
{
    QFileInfo info(path);
    if (info.exists())
        return path;
    QString dirPath = info.path();
    QString name = info.fileName();
    if (name.isEmpty() || dirPath == path)
        return path;
    QString dir = ResolvePath(dirPath);
    const QStringList entries = QDir(dir).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Unsorted);
    for (const QString& entry : entries)
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return dir + QLatin1Char('/') + entry;
    return dir + QLatin1Char('/') + name;
}

Batch::Batch(const QString& path) : m_path(path) {}

Batch& Batch::Set(const char* section, const char* key, const QByteArray& value)
{
    m_writes.append({section, key, value, false});
    return *this;
}

Batch& Batch::SetText(const char* section, const char* key, const QString& value)
{
    return Set(section, key, Cp932::FromUnicode(value));
}

Batch& Batch::SetInt(const char* section, const char* key, int value)
{
    return Set(section, key, QByteArray::number(value));
}

Batch& Batch::RemoveKey(const char* section, const char* key)
{
    m_writes.append({section, key, QByteArray(), true});
    return *this;
}

Batch& Batch::RemoveSection(const char* section)
{
    m_writes.append({section, QByteArray(), QByteArray(), true});
    return *this;
}

bool Batch::Commit()
{
    QByteArray data;
    if (!ReadForWrite(m_path, data))
        return false;
    bool changed = false;
    for (const Write& w : std::as_const(m_writes)) {
        const bool wholeSection = w.remove && w.key.isNull();
        changed =
            ApplyWrite(data, w.section.constData(), wholeSection ? nullptr : w.key.constData(),
                       w.remove ? nullptr : w.value.constData()) ||
            changed;
    }
    m_writes.clear();
    return !changed || Replace(m_path, data);
}

void SetBeforeReplaceHook(std::function<bool(const QString& path)> hook)
{
    BeforeReplaceHook() = std::move(hook);
}

} // namespace ProfileStore

#include "core/EncodingList.h"

namespace {

QList<EncodingList::Entry> Build()
{
    struct Row {
        const char* text;
        const char* name;
        bool more;
    };
    // "シフト JIS" stands before "JIS" so that a search for "JIS" finds it first.
    static const Row rows[] = {
        {"日本語 (自動選択)", "", false},
        {"日本語 (シフト JIS)", "Shift_JIS", false},
        {"日本語 (EUC)", "EUC-JP", false},
        {"日本語 (JIS)", "ISO-2022-JP", false},
        {"Unicode (UTF-8)", "UTF-8", false},
        {"西ヨーロッパ言語 (Windows)", "windows-1252", false},
        {"中国語簡体字 (GBK)", "GBK", false},
        {"中国語繁体字 (Big5)", "Big5", false},
        {"韓国語", "EUC-KR", false},
        {"Unicode", "UTF-16LE", true},
        {"Unicode (Big-Endian)", "UTF-16BE", true},
        {"中国語簡体字 (GB18030)", "gb18030", true},
        {"中央ヨーロッパ言語 (Windows)", "windows-1250", true},
        {"中央ヨーロッパ言語 (ISO)", "ISO-8859-2", true},
        {"南ヨーロッパ言語 (ISO)", "ISO-8859-3", true},
        {"バルト言語 (ISO)", "ISO-8859-4", true},
        {"バルト言語 (ISO-8859-13)", "ISO-8859-13", true},
        {"バルト言語 (Windows)", "windows-1257", true},
        {"キリル言語 (Windows)", "windows-1251", true},
        {"キリル言語 (ISO)", "ISO-8859-5", true},
        {"キリル言語 (KOI8-R)", "KOI8-R", true},
        {"キリル言語 (KOI8-U)", "KOI8-U", true},
        {"キリル言語 (DOS)", "IBM866", true},
        {"キリル言語 (Mac)", "x-mac-cyrillic", true},
        {"アラビア語 (Windows)", "windows-1256", true},
        {"アラビア語 (ISO)", "ISO-8859-6", true},
        {"ギリシャ語 (Windows)", "windows-1253", true},
        {"ギリシャ語 (ISO)", "ISO-8859-7", true},
        {"ヘブライ語 (Windows)", "windows-1255", true},
        {"ヘブライ語 (ISO-Visual)", "ISO-8859-8", true},
        {"ヘブライ語 (ISO-Logical)", "ISO-8859-8-I", true},
        {"トルコ語 (Windows)", "windows-1254", true},
        {"北欧言語 (ISO)", "ISO-8859-10", true},
        {"ケルト語 (ISO)", "ISO-8859-14", true},
        {"ラテン 9 (ISO)", "ISO-8859-15", true},
        {"南東ヨーロッパ言語 (ISO)", "ISO-8859-16", true},
        {"タイ語 (Windows)", "windows-874", true},
        {"ベトナム語 (Windows)", "windows-1258", true},
        {"西ヨーロッパ言語 (Mac)", "macintosh", true},
    };
    QList<EncodingList::Entry> entries;
    for (const Row& row : rows)
        entries.append({QString::fromUtf8(row.text), QByteArray(row.name), row.more});
    return entries;
}

// The names the engine reports for an encoding it knows under another one.
QByteArray Canonical(const QByteArray& name)
{
    const QByteArray lower = name.trimmed().toLower();
    static const std::pair<const char*, const char*> aliases[] = {
        {"iso-8859-1", "windows-1252"},
        {"us-ascii", "windows-1252"},
        {"latin1", "windows-1252"},
        {"sjis", "shift_jis"},
        {"x-sjis", "shift_jis"},
        {"windows-31j", "shift_jis"},
        {"gb2312", "gbk"},
        {"utf-16", "utf-16le"},
        {"iso-8859-9", "windows-1254"},
        {"iso-8859-11", "windows-874"},
        {"tis-620", "windows-874"},
    };
    for (const auto& [alias, canonical] : aliases)
        if (lower == alias)
            return canonical;
    return lower;
}

} // namespace

namespace EncodingList {

QString MoreTitle()
{
    return QStringLiteral("その他");
}

const QList<Entry>& Entries()
{
    static const QList<Entry> entries = Build();
    return entries;
}

int FindContaining(const QStringList& words)
{
    for (bool more : {false, true}) {
        for (int i = 0; i < Entries().size(); ++i) {
            const Entry& entry = Entries().at(i);
            if (entry.more != more)
                continue;
            bool all = true;
            for (const QString& word : words)
                all = all && entry.text.contains(word);
            if (all)
                return i;
        }
    }
    return -1;
}

int FindByText(const QString& text)
{
    for (int i = 0; i < Entries().size(); ++i)
        if (Entries().at(i).text == text)
            return i;
    return -1;
}

int FindByName(const QByteArray& name)
{
    const QByteArray wanted = Canonical(name);
    if (wanted.isEmpty())
        return -1;
    for (int i = 0; i < Entries().size(); ++i)
        if (Canonical(Entries().at(i).name) == wanted)
            return i;
    return -1;
}

} // namespace EncodingList

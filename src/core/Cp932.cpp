#include "core/Cp932.h"

#include <QRegularExpression>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <iconv.h>

namespace {

// One converter per direction and thread; iconv_open is far slower than a conversion.
class Converter {
public:
    Converter(const char* to, const char* from) : m_cd(iconv_open(to, from)) {}
    ~Converter()
    {
        if (m_cd != reinterpret_cast<iconv_t>(-1))
            iconv_close(m_cd);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool valid() const { return m_cd != reinterpret_cast<iconv_t>(-1); }
    iconv_t handle() const { return m_cd; }

private:
    iconv_t m_cd;
};

int Utf8SequenceLength(unsigned char c)
{
    if (c < 0x80)
        return 1;
    if ((c & 0xE0) == 0xC0)
        return 2;
    if ((c & 0xF0) == 0xE0)
        return 3;
    if ((c & 0xF8) == 0xF0)
        return 4;
    return 1;
}

// Runs the whole input through cd; onBad is called at every byte that cannot be
// converted and returns how many input bytes to skip and what to emit instead.
template <typename OnBad>
QByteArray Convert(iconv_t cd, const QByteArray& input, OnBad onBad)
{
    QByteArray out;
    out.resize(input.size() * 2 + 16);
    char* in = const_cast<char*>(input.constData());
    size_t inLeft = static_cast<size_t>(input.size());
    size_t used = 0;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    while (inLeft > 0) {
        char* dst = out.data() + used;
        size_t dstLeft = static_cast<size_t>(out.size()) - used;
        size_t r = iconv(cd, &in, &inLeft, &dst, &dstLeft);
        used = static_cast<size_t>(dst - out.data());
        if (r != static_cast<size_t>(-1))
            break;
        if (errno == E2BIG) {
            out.resize(out.size() * 2);
            continue;
        }
        auto [skip, replacement] = onBad(in, inLeft, errno == EINVAL);
        skip = std::min(skip, inLeft);
        in += skip;
        inLeft -= skip;
        if (used + replacement.size() > static_cast<size_t>(out.size()))
            out.resize(out.size() * 2 + replacement.size());
        memcpy(out.data() + used, replacement.constData(), replacement.size());
        used += replacement.size();
    }
    out.resize(static_cast<qsizetype>(used));
    return out;
}

} // namespace

namespace Cp932 {

QByteArray FromUnicode(const QString& text)
{
    thread_local Converter conv("CP932", "UTF-8");
    QByteArray utf8 = text.toUtf8();
    if (!conv.valid())
        return utf8;
    return Convert(conv.handle(), utf8, [](const char* at, size_t left, bool) {
        size_t n = static_cast<size_t>(Utf8SequenceLength(static_cast<unsigned char>(*at)));
        return std::pair<size_t, QByteArray>(std::min(n, left), QByteArrayLiteral("?"));
    });
}

QByteArray FromUnicodeKeepingAll(const QString& text)
{
    // A literal "&#" is kept apart from the references made here.
    QString escaped = text;
    escaped.replace(QLatin1String("&#"), QLatin1String("&#38;#"));
    thread_local Converter conv("CP932", "UTF-8");
    QByteArray utf8 = escaped.toUtf8();
    if (!conv.valid())
        return utf8;
    return Convert(conv.handle(), utf8, [](const char* at, size_t left, bool) {
        const size_t n = std::min<size_t>(
            static_cast<size_t>(Utf8SequenceLength(static_cast<unsigned char>(*at))), left);
        const QList<uint> cps = QString::fromUtf8(at, static_cast<qsizetype>(n)).toUcs4();
        const uint cp = cps.isEmpty() ? 0xFFFD : cps.constFirst();
        return std::pair<size_t, QByteArray>(n, "&#" + QByteArray::number(cp) + ';');
    });
}

QString ToUnicodeKeepingAll(const QByteArray& bytes)
{
    const QString text = ToUnicode(bytes);
    static const QRegularExpression reference(QStringLiteral("&#([0-9]{1,7});"));
    QString out;
    qsizetype from = 0;
    for (auto it = reference.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const uint cp = m.captured(1).toUInt();
        const bool valid = cp != 0 && cp <= 0x10FFFF && (cp < 0xD800 || cp > 0xDFFF);
        out += QStringView(text).mid(from, m.capturedStart() - from);
        out += valid ? QString::fromUcs4(reinterpret_cast<const char32_t*>(&cp), 1) : m.captured();
        from = m.capturedEnd();
    }
    out += QStringView(text).mid(from);
    return out;
}

QString ToUnicode(const QByteArray& bytes)
{
    thread_local Converter conv("UTF-8", "CP932");
    if (!conv.valid())
        return QString::fromLatin1(bytes);
    QByteArray utf8 = Convert(conv.handle(), bytes, [](const char*, size_t left, bool incomplete) {
        if (incomplete)
            return std::pair<size_t, QByteArray>(left, QByteArray());
        return std::pair<size_t, QByteArray>(1, QByteArrayLiteral("\xEF\xBF\xBD"));
    });
    return QString::fromUtf8(utf8);
}

int ByteLength(const QString& text)
{
    return static_cast<int>(FromUnicode(text).size());
}

QByteArray CutBytes(const QByteArray& bytes, int n)
{
    if (n < 0)
        n = 0;
    return bytes.size() <= n ? bytes : bytes.left(n);
}

bool NamesEqual(const char* a, int aLen, const char* b, int bLen)
{
    if (aLen != bLen)
        return false;
    for (int i = 0; i < aLen; ++i) {
        auto ca = static_cast<unsigned char>(a[i]);
        auto cb = static_cast<unsigned char>(b[i]);
        if (IsLeadByte(ca)) {
            if (ca != cb)
                return false;
            if (i + 1 < aLen && a[i + 1] != b[i + 1])
                return false;
            ++i;
            continue;
        }
        if (ca >= 'A' && ca <= 'Z')
            ca = static_cast<unsigned char>(ca + 32);
        if (cb >= 'A' && cb <= 'Z')
            cb = static_cast<unsigned char>(cb + 32);
        if (ca != cb)
            return false;
    }
    return true;
}

} // namespace Cp932

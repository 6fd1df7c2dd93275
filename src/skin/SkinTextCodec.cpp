#include "skin/SkinTextCodec.h"

#include <QStringDecoder>
#include <cerrno>
#include <iconv.h>

namespace {

constexpr const char* kAnsiCodePage = "CP936";

// Owns one iconv conversion descriptor.
class IconvHandle {
public:
    IconvHandle(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~IconvHandle()
    {
        if (Valid())
            iconv_close(cd_);
    }
    IconvHandle(const IconvHandle&) = delete;
    IconvHandle& operator=(const IconvHandle&) = delete;

    bool Valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
    iconv_t Get() const { return cd_; }

private:
    iconv_t cd_;
};

QString DecodeByMark(QByteArrayView bytes)
{
    if (bytes.startsWith("\xFF\xFE"))
        return QStringDecoder(QStringConverter::Utf16LE).decode(bytes.sliced(2));
    if (bytes.startsWith("\xFE\xFF"))
        return QStringDecoder(QStringConverter::Utf16BE).decode(bytes.sliced(2));
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.sliced(3));
    return SkinTextCodec::DecodeAnsi(bytes);
}

} // namespace

QString SkinTextCodec::DecodeAnsi(QByteArrayView bytes)
{
    IconvHandle cd("UTF-8", kAnsiCodePage);
    if (!cd.Valid())
        return QString::fromLatin1(bytes);
    QByteArray utf8(bytes.size() * 3 + 4, '\0');
    char* in = const_cast<char*>(bytes.data());
    size_t inLeft = size_t(bytes.size());
    char* out = utf8.data();
    size_t outLeft = size_t(utf8.size());
    while (inLeft > 0) {
        if (iconv(cd.Get(), &in, &inLeft, &out, &outLeft) != size_t(-1))
            break;
        // A byte that starts no valid sequence becomes one replacement character; an
        // incomplete sequence at the end does too.
        if (outLeft < 3)
            break;
        memcpy(out, "\xEF\xBF\xBD", 3);
        out += 3;
        outLeft -= 3;
        if (errno == EINVAL)
            break;
        ++in;
        --inLeft;
    }
    return QString::fromUtf8(utf8.constData(), out - utf8.constData());
}

bool SkinTextCodec::EncodeAnsi(const QString& text, QByteArray& out)
{
    IconvHandle cd(kAnsiCodePage, "UTF-8");
    QByteArray utf8 = text.toUtf8();
    QByteArray encoded(utf8.size() * 2 + 4, '\0');
    char* in = utf8.data();
    size_t inLeft = size_t(utf8.size());
    char* dst = encoded.data();
    size_t dstLeft = size_t(encoded.size());
    if (!cd.Valid() || iconv(cd.Get(), &in, &inLeft, &dst, &dstLeft) == size_t(-1))
        return false;
    out = encoded.left(dst - encoded.constData());
    return true;
}

QStringList SkinTextCodec::DecodeLines(QByteArrayView bytes)
{
    QString text = DecodeByMark(bytes);
    const qsizetype nul = text.indexOf(QChar(u'\0'));
    if (nul >= 0)
        text.truncate(nul);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    if (text.isEmpty())
        return {};
    if (text.endsWith(u'\n'))
        text.chop(1);
    return text.split(u'\n');
}

QByteArray SkinTextCodec::EncodeLines(const QStringList& lines)
{
    QString text;
    for (const QString& line : lines)
        text += line + QStringLiteral("\r\n");
    QByteArray ansi;
    if (EncodeAnsi(text, ansi))
        return ansi;
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

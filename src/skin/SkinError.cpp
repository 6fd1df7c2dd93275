#include "skin/SkinError.h"

SkinError SkinError::StreamRead()
{
    return SkinError(QStringLiteral("Stream read error"));
}

SkinError SkinError::Compression()
{
    return SkinError(QStringLiteral("compression error"));
}

SkinError SkinError::CompressionFailed()
{
    return SkinError(QStringLiteral("error"));
}

SkinError SkinError::InvalidBitmap()
{
    return SkinError(QStringLiteral("Bitmap image is not valid"));
}

SkinError SkinError::CannotOpen(const QString& path, const QString& reason)
{
    return SkinError(QStringLiteral("Cannot open file \"%1\". %2").arg(path, reason));
}

SkinError SkinError::InvalidInteger(const QString& text)
{
    return SkinError(QStringLiteral("''%1'' is not a valid integer value").arg(text));
}

// kestrune-skin unpack PACKAGE DIR: writes a package's pictures as BMP files, their double-size
// forms as NAME@2x.bmp beside them, and its description as skin.ini, so that
// `build DIR/skin.ini` gives the same skin again.

#include "skin/SkinBitmapCodec.h"
#include "skin/SkinDescription.h"
#include "skin/SkinError.h"
#include "skin/SkinFileAccess.h"
#include "skin/SkinPackageContent.h"
#include "skin/SkinTextCodec.h"
#include "skin/TbsCompressedStoredSkin.h"

#include <QDir>
#include <QHash>

namespace {

const QString kPictures = QStringLiteral("PICTURES");

// The description names files inside the unpacked folder: plain names only.
bool SafeName(const QString& name)
{
    return !name.isEmpty() && name != u"." && name != u".." && !name.contains(u'/') && !name.contains(u'\\')
        && !name.contains(QChar(u'\0')) && name.compare(u"skin.ini", Qt::CaseInsensitive) != 0;
}

// Files to write, by name; a name asked for twice must hold the same picture.
class PictureFiles {
public:
    bool Claim(const QString& name, const QImage& picture)
    {
        if (!SafeName(name))
            return false;
        const QByteArray bytes = SkinBitmapCodec::Write(picture);
        const auto it = files_.constFind(name);
        if (it != files_.constEnd())
            return *it == bytes;
        files_.insert(name, bytes);
        return true;
    }

    void WriteInto(const QDir& dir) const
    {
        for (auto it = files_.constBegin(); it != files_.constEnd(); ++it)
            SkinFileAccess::WriteAll(dir.filePath(it.key()), it.value());
    }

private:
    QHash<QString, QByteArray> files_;
};

// Keeps the description's name for a frame picture when it can, else names the file after the
// key. An absent picture that has a name keeps one, written as an empty bitmap: the mask's
// name alone decides how the frame's hit-test points and mask area are read.
void NameFramePicture(SkinDescription& description, PictureFiles& files, const QString& key, const QImage& picture)
{
    const QString name = description.ReadString(kPictures, key);
    if (picture.isNull() && name.isEmpty())
        return;
    if (files.Claim(name, picture))
        return;
    const QString generated = key + QStringLiteral(".bmp");
    if (!files.Claim(generated, picture))
        throw SkinError(QStringLiteral("cannot name the picture of \"%1\"").arg(key));
    description.WriteString(kPictures, key, generated);
}

void NamePictureList(SkinDescription& description, PictureFiles& files, const QList<QImage>& pictures)
{
    const QStringList names = description.ReadNameList(kPictures, QStringLiteral("activepictures"));
    PictureFiles trial = files;
    bool usable = names.size() == pictures.size();
    for (int i = 0; usable && i < pictures.size(); ++i)
        usable = trial.Claim(names[i], pictures[i]);
    if (usable) {
        files = trial;
        return;
    }
    QStringList generated;
    for (int i = 0; i < pictures.size(); ++i) {
        generated.append(QStringLiteral("picture%1.bmp").arg(i));
        if (!files.Claim(generated.last(), pictures[i]))
            throw SkinError(QStringLiteral("cannot name picture %1").arg(i));
    }
    description.WriteNameList(kPictures, QStringLiteral("activepictures"), generated);
}

void ClaimDouble(PictureFiles& files, const QString& name, const QImage& twice)
{
    if (twice.isNull())
        return;
    if (!files.Claim(SkinDoubleSizePictures::FileName(name), twice))
        throw SkinError(QStringLiteral("cannot name the double-size picture of \"%1\"").arg(name));
}

// Beside each picture under the name the description now gives it.
void NameDoubleSizePictures(const SkinDescription& description, PictureFiles& files,
                            const SkinDoubleSizePictures& doubles)
{
    ClaimDouble(files, description.ReadString(kPictures, QStringLiteral("picture")), doubles.FramePicture);
    ClaimDouble(files, description.ReadString(kPictures, QStringLiteral("inactivepicture")),
                doubles.InactiveFramePicture);
    ClaimDouble(files, description.ReadString(kPictures, QStringLiteral("mask")), doubles.FrameMask);
    const QStringList names = description.ReadNameList(kPictures, QStringLiteral("activepictures"));
    for (qsizetype i = 0; i < names.size(); ++i)
        ClaimDouble(files, names[i], doubles.Picture(int(i)));
}

} // namespace

int RunUnpack(const QStringList& arguments)
{
    TbsCompressedStoredSkin stored;
    stored.ReadPackageFile(arguments[0]);
    if (stored.HasNoData())
        throw SkinError(QStringLiteral("\"%1\" holds no skin").arg(arguments[0]));
    QByteArray unpacked;
    stored.Unpack(unpacked);
    const SkinPackageContent content = SkinPackageContent::Read(unpacked);
    if (!content.Supported())
        throw SkinError(QStringLiteral("content version %1 is not supported").arg(content.Version));

    SkinDescription description(content.DescriptionLines);
    PictureFiles files;
    NameFramePicture(description, files, QStringLiteral("picture"), content.FramePicture);
    NameFramePicture(description, files, QStringLiteral("inactivepicture"), content.InactiveFramePicture);
    NameFramePicture(description, files, QStringLiteral("mask"), content.FrameMask);
    NamePictureList(description, files, content.Pictures);
    NameDoubleSizePictures(description, files, content.DoubleSize);

    const QDir dir(arguments[1]);
    if (!dir.mkpath(QStringLiteral(".")))
        throw SkinError::CannotOpen(arguments[1], QStringLiteral("Cannot create the directory"));
    files.WriteInto(dir);
    SkinFileAccess::WriteAll(dir.filePath(QStringLiteral("skin.ini")), SkinTextCodec::EncodeLines(description.Lines()));
    return 0;
}

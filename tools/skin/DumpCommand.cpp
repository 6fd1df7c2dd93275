// kestrune-skin dump PACKAGE: loads a package into a store and prints the store as a
// description: the store's own sections as read, the double-size pictures, the two object
// lists, then one section per object in list order (also when two objects share a name).

#include "skin/SkinDescription.h"
#include "skin/SkinError.h"
#include "skin/TbsSkinData.h"

#include <cstdio>

namespace {

const QString kPictures = QStringLiteral("PICTURES");

template <typename List>
void WriteObjectList(SkinDescription& description, const QString& section, const List& objects)
{
    QStringList entries;
    for (const auto& object : objects)
        entries.append(object->ObjectName + u':' + object->KindWord());
    description.WriteNameList(section, QString(), entries);
}

// Each object into a description of its own, so objects of one name do not erase each other.
template <typename List>
void AppendObjects(QStringList& lines, const List& objects)
{
    for (const auto& object : objects) {
        SkinDescription section;
        object->WriteToDescription(section);
        lines += section.Lines();
    }
}

// [PICTURES@2X]: for each picture that has a double-size form, keyed as in [PICTURES] (the
// list's by index), the file name unpack gives it and its size.
void WriteDoubleSizePictures(SkinDescription& description, const TbsSkinData& store)
{
    const SkinDoubleSizePictures& doubles = store.DoubleSizePictures();
    const auto put = [&](const QString& key, const QString& name, const QImage& picture) {
        if (!picture.isNull())
            description.WriteString(QStringLiteral("PICTURES@2X"), key,
                                    QStringLiteral("%1 %2x%3")
                                        .arg(SkinDoubleSizePictures::FileName(name))
                                        .arg(picture.width())
                                        .arg(picture.height()));
    };
    put(QStringLiteral("picture"), store.FramePictureName(), doubles.FramePicture);
    put(QStringLiteral("inactivepicture"), store.InactiveFramePictureName(), doubles.InactiveFramePicture);
    put(QStringLiteral("mask"), store.FrameMaskName(), doubles.FrameMask);
    for (int i = 0; i < store.Pictures().size(); ++i)
        put(QString::number(i), store.PictureNames().value(i), doubles.Picture(i));
}

QStringList StoreSections(const TbsSkinData& store)
{
    SkinDescription description;
    store.Version().WriteToDescription(description);
    description.WriteString(kPictures, QStringLiteral("picture"), store.FramePictureName());
    description.WriteString(kPictures, QStringLiteral("inactivepicture"), store.InactiveFramePictureName());
    description.WriteString(kPictures, QStringLiteral("mask"), store.FrameMaskName());
    description.WriteNameList(kPictures, QStringLiteral("activepictures"), store.PictureNames());
    WriteDoubleSizePictures(description, store);
    store.FormInfo().WriteToDescription(description);
    store.PopupWindowSkin().WriteToDescription(description);
    store.LayerFrameSkin().WriteToDescription(description);
    store.HintWindowSkin().WriteToDescription(description);
    store.Colors().WriteToDescription(description);
    WriteObjectList(description, QStringLiteral("SKINOBJECTS"), store.SkinObjects());
    WriteObjectList(description, QStringLiteral("SKINCONTROLS"), store.SkinControls());
    return description.Lines();
}

} // namespace

int RunDump(const QStringList& arguments)
{
    TbsSkinData store;
    store.LoadPackageFile(arguments[0]);
    if (store.IsEmpty())
        throw SkinError(QStringLiteral("\"%1\" holds no skin this program can read").arg(arguments[0]));
    QStringList lines = StoreSections(store);
    AppendObjects(lines, store.SkinObjects());
    AppendObjects(lines, store.SkinControls());
    for (const QString& line : lines)
        std::printf("%s\n", line.toUtf8().constData());
    return 0;
}

// kestrune-skin build DESCRIPTION OUT.skn: packs an unpacked skin folder.

#include "skin/SkinError.h"
#include "skin/TbsCompressedStoredSkin.h"

#include <QSaveFile>

int RunBuild(const QStringList& arguments)
{
    TbsCompressedStoredSkin stored;
    stored.BuildFromDescription(arguments[0]);
    if (stored.HasNoData())
        throw SkinError(QStringLiteral("\"%1\" lacks one of the sections VERSION, PICTURES, FORMINFO, "
                                       "SKINOBJECTS and SKINCONTROLS, or one of them has no keys")
                            .arg(arguments[0]));
    QSaveFile out(arguments[1]);
    if (!out.open(QIODevice::WriteOnly))
        throw SkinError::CannotOpen(arguments[1], out.errorString());
    stored.WritePackageStream(out);
    if (!out.commit())
        throw SkinError::CannotOpen(arguments[1], out.errorString());
    return 0;
}

// kestrune-skin preview PACKAGE textlabel: multi-line text as a skinned text label draws it on
// a window of the skin's face colour (it has no background of its own).

#include "preview/PreviewRegistry.h"

#include "skin/TbsSkinData.h"
#include "skincontrols/TbsSkinTextLabel.h"
#include "skinui/SkinColor.h"

#include <QPainter>

namespace {

// The window under the label: the skin's face, or the system's without a skin.
class Backdrop : public QWidget {
public:
    explicit Backdrop(QColor face) : face_(face) {}

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), face_); }
    void resizeEvent(QResizeEvent*) override
    {
        for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            child->resize(size());
    }

private:
    QColor face_;
};

std::unique_ptr<QWidget> Build(const PreviewRequest& request)
{
    const PreviewOptions& options = request.options;
    const bool skinned = request.skin && !request.skin->IsEmpty();
    auto backdrop = std::make_unique<Backdrop>(skinned ? SkinColorOf(request.skin->Colors().cbtnface)
                                                       : SystemColor(SkinColor::kButtonFace));
    auto* label = new TbsSkinTextLabel(backdrop.get());
    label->SetAutoSize(false);
    label->SetSkinData(request.skin);
    label->SetWordWrap(options.Flag(QStringLiteral("wrap"), false));
    label->setEnabled(options.Flag(QStringLiteral("enabled"), true));
    QStringList lines = options.Text(QStringLiteral("text"), QStringLiteral("Text")).split(u'\n');
    label->SetLines(lines);
    return backdrop;
}

const PreviewRegistration registration{{
    QStringLiteral("textlabel"),
    {QStringLiteral("text"), QStringLiteral("wrap"), QStringLiteral("enabled")},
    QStringLiteral("text=TEXT (\\n: a line break) wrap=0|1 enabled=0|1"),
    true,
    &Build,
    nullptr,
}};

}  // namespace

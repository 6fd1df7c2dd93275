// kestrune-skin preview PACKAGE form: a form of the asked size in its skinned frame, with the
// caption text, caption buttons, activation, hot frame object and border style asked for.

#include "preview/PreviewInput.h"
#include "preview/PreviewRegistry.h"

#include "SkinToolUsageError.h"
#include "skinframe/TbsSkinFrame.h"

#include <QApplication>

namespace {

const QMap<QString, TbsBorderIcon>& IconWords()
{
    static const QMap<QString, TbsBorderIcon> words{{QStringLiteral("sysmenu"), biSystemMenu},
                                                     {QStringLiteral("min"), biMinimize},
                                                     {QStringLiteral("max"), biMaximize},
                                                     {QStringLiteral("rollup"), biRollUp},
                                                     {QStringLiteral("tray"), biMinimizeToTray}};
    return words;
}

TbsBorderIcons Icons(const PreviewOptions& options)
{
    const QString fallback = QStringLiteral("sysmenu,min,max,rollup");
    TbsBorderIcons icons;
    for (const QString& word : options.Text(QStringLiteral("icons"), fallback).split(u',', Qt::SkipEmptyParts)) {
        if (!IconWords().contains(word))
            throw SkinToolUsageError(QStringLiteral("icons takes a comma list of %1, not \"%2\"")
                                         .arg(QStringList(IconWords().keys()).join(u','), word));
        icons |= IconWords().value(word);
    }
    return icons;
}

TFormBorderStyle Border(const PreviewOptions& options)
{
    const QString word = options.Choice(QStringLiteral("border"), QStringLiteral("sizeable"),
                                        {QStringLiteral("sizeable"), QStringLiteral("dialog"), QStringLiteral("none")});
    if (word == u"dialog")
        return TFormBorderStyle::bsDialog;
    return word == u"none" ? TFormBorderStyle::bsNone : TFormBorderStyle::bsSizeable;
}

TbsSkinFrame& FrameOf(QWidget& form)
{
    return *form.findChild<TbsSkinFrame*>();
}

std::unique_ptr<QWidget> Build(const PreviewRequest& request)
{
    const PreviewOptions& options = request.options;
    auto form = std::make_unique<QWidget>();
    form->setWindowTitle(options.Text(QStringLiteral("caption"), QStringLiteral("Kestrune")));
    auto* frame = new TbsSkinFrame(form.get(), Border(options));
    frame->SetBorderIcons(Icons(options));
    frame->SetSkinData(request.skin);
    options.Flag(QStringLiteral("active"), true);
    const QString hot = options.Text(QStringLiteral("hot"), QString());
    if (!hot.isEmpty() && !frame->FindObject(hot))
        throw SkinToolUsageError(QStringLiteral("the frame has no object \"%1\"").arg(hot));
    return form;
}

QWidget* Pose(QWidget& form, const PreviewRequest& request)
{
    if (request.options.Flag(QStringLiteral("active"), true)) {
        form.activateWindow();
    } else {
        // Another window takes the activation from the form.
        auto* elsewhere = new QWidget(&form, Qt::Window);
        elsewhere->show();
        elsewhere->activateWindow();
    }
    QApplication::processEvents();
    const QString hot = request.options.Text(QStringLiteral("hot"), QString());
    if (const TbsActiveSkinObject* object = hot.isEmpty() ? nullptr : FrameOf(form).FindObject(hot))
        PreviewInput::MoveTo(form, object->ObjectRect.center());
    else
        PreviewInput::Leave(form);
    return nullptr;
}

const PreviewRegistration registration{{
    QStringLiteral("form"),
    {QStringLiteral("caption"), QStringLiteral("icons"), QStringLiteral("active"), QStringLiteral("hot"),
     QStringLiteral("border")},
    QStringLiteral("caption=TEXT icons=sysmenu,min,max,rollup,tray active=0|1 hot=NAME "
                   "border=sizeable|dialog|none"),
    true,
    &Build,
    &Pose,
}};

}  // namespace

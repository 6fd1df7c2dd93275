#pragma once

#include "browser/TWebBrowser.h"
#include "dialogs/TFormPageDialog.h"
#include "skincontrols/TbsSkinButton.h"
#include "skincontrols/TbsSkinCheckBox.h"
#include "skincontrols/TbsSkinEdit.h"
#include "skincontrols/TbsSkinTextLabel.h"
#include "support/BoxWatch.h"
#include "support/MainWindowFixture.h"
#include "support/PageScript.h"

#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTest>

// The main window with the demo portal's page of requests (asks/) open, in the main tab or in
// a tab the title bar would open (Silent), and the player's hand on the boxes it brings.
class PageAsksFixture : public MainWindowFixture {
protected:
    // The requests page in the main tab, or in a new tab; null unless its script runs in time.
    TWebBrowser* OpenAsks(bool mainTab, const QString& host = QStringLiteral("127.0.0.1"))
    {
        const QString url = QStringLiteral("http://%1:%2/asks/").arg(host).arg(portal.Server().Port());
        TWebBrowser* tab = form->WebBrowser;
        if (mainTab)
            tab->Navigate(url);
        else
            tab = form->OpenTab(url, nullptr);
        const bool ready = WaitFor([&] { return tab->url() == QUrl(url); })
                           && WaitForScript(tab->page(), QStringLiteral("typeof asks"), QStringLiteral("object"));
        return ready ? tab : nullptr;
    }
    QVariant Js(TWebBrowser* tab, const QString& script) { return Evaluate(tab->page(), script); }
    // A real click of the player on the element with that id, which pages need before they may
    // open a file chooser or hold the player on leaving.
    void ClickElement(TWebBrowser* tab, const QString& id)
    {
        const QVariantList box =
            Js(tab, QStringLiteral("(r => [r.x + r.width / 2, r.y + r.height / 2])"
                                   "(document.getElementById('%1').getBoundingClientRect())")
                        .arg(id))
                .toList();
        ASSERT_EQ(box.size(), 2) << id.toStdString();
        QTest::mouseClick(tab->focusProxy(), Qt::LeftButton, {}, QPoint(box.at(0).toInt(), box.at(1).toInt()));
    }

    // Answers of the player to a page's box.
    static void Press(TbsSkinButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    static TFormPageDialog& PageBox(TDialogForm& box) { return dynamic_cast<TFormPageDialog&>(box); }
    // The text as the box shows it (the label reads "&&" as one "&").
    static QString TextOf(const TFormPageDialog& box)
    {
        return box.bsSkinTextLabelContent->Lines().join(u'\n').replace(QStringLiteral("&&"), QStringLiteral("&"));
    }
    // Types text into an edit as an input method commits it.
    static void TypeInto(TbsSkinEdit* edit, const QString& text)
    {
        QInputMethodEvent typed;
        typed.setCommitString(text);
        QApplication::sendEvent(edit->Editor(), &typed);
    }

    BoxWatch boxes;
};

#include "browser/LocalPage.h"

#include <QWebEnginePage>

namespace {
// The window's panel blue around a white card, in the window's own type.
const char* const Template = R"(<!DOCTYPE html>
<html lang="zh-CN"><head><meta charset="utf-8"><title>%1</title><style>
body { margin: 0; height: 100vh; display: flex; align-items: center; justify-content: center;
       background: #0887d8; font-family: "WenQuanYi Zen Hei", "宋体", sans-serif; color: #223; }
.card { background: #fff; border-radius: 8px; padding: 28px 36px; max-width: 420px; text-align: center;
        box-shadow: 0 2px 10px rgba(0, 40, 90, .35); }
h1 { margin: 0 0 12px; font-size: 22px; color: #0869b0; }
p { margin: 0 0 20px; line-height: 1.6; }
a { display: inline-block; padding: 7px 22px; border-radius: 4px; background: #0887d8; color: #fff;
    text-decoration: none; }
a:hover { background: #2a8ee0; }
</style></head>
<body><div class="card"><h1>%1</h1><p>%2</p><a id="link" href="%3">%4</a></div></body></html>
)";
}  // namespace

QString LocalPage::Html() const
{
    return QString::fromUtf8(Template)
        .arg(Title.toHtmlEscaped(), Message.toHtmlEscaped(), Link.toString(QUrl::FullyEncoded).toHtmlEscaped(),
             LinkText.toHtmlEscaped());
}

void LocalPage::ShowIn(QWebEnginePage* page) const
{
    page->setHtml(Html());
}

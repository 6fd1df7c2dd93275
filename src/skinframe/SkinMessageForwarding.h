#pragma once

class QWidget;
class TbsSkinMessageEvent;

// Passes a skin notice on to every control of a form (every widget below it that is no window
// of its own), as the skinned frame does with its store's loads. Controls of other forms the
// form happens to own hear their own frame.
void PassOnToControls(QWidget* form, const TbsSkinMessageEvent& event);
